#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

// A process-wide pool of equal blocks: taking answers the first free block
// or a new one, giving back marks it free; nothing is freed before exit. The
// first use makes three blocks, so a few spares are ready from then on. The
// music refill takes blocks on its own thread while the main thread loads
// sounds, so the pool has a lock.
class CSoundBlockPool
{
public:
    explicit CSoundBlockPool(size_t blockBytes);
    ~CSoundBlockPool();

    void* Take();
    void Give(void* block);

    size_t GetBlockBytes() const { return m_BlockBytes; }
    size_t GetBlockCount();

    CSoundBlockPool(const CSoundBlockPool&) = delete;
    CSoundBlockPool& operator=(const CSoundBlockPool&) = delete;

private:
    struct Block
    {
        void* memory;
        bool free;
    };

    void* TakeLocked();

    size_t m_BlockBytes;
    std::mutex m_Mutex;
    std::vector<Block> m_Blocks;
    bool m_Primed;
};

// Decode buffers of the split and mixed reads.
constexpr uint32_t kDecodeBufferBytes = 100000;
CSoundBlockPool& GetDecodeBufferPool();
// State blocks of the Ogg Vorbis decoder.
CSoundBlockPool& GetVorbisStatePool();

#include "engine/app/sound/sound_block_pool.h"

#include <cstdlib>

#include <vorbis/vorbisfile.h>

CSoundBlockPool::CSoundBlockPool(size_t blockBytes)
    : m_BlockBytes(blockBytes)
    , m_Primed(false)
{
}

CSoundBlockPool::~CSoundBlockPool()
{
    for (const Block& block : m_Blocks)
        std::free(block.memory);
}

void* CSoundBlockPool::Take()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (!m_Primed)
    {
        m_Primed = true;
        for (int i = 0; i < 3; i++)
            TakeLocked();
        for (Block& block : m_Blocks)
            block.free = true;
    }
    return TakeLocked();
}

void* CSoundBlockPool::TakeLocked()
{
    for (Block& block : m_Blocks)
    {
        if (block.free)
        {
            block.free = false;
            return block.memory;
        }
    }
    void* memory = std::calloc(1, m_BlockBytes);
    m_Blocks.push_back({memory, false});
    return memory;
}

void CSoundBlockPool::Give(void* memory)
{
    if (!memory)
        return;
    std::lock_guard<std::mutex> lock(m_Mutex);
    for (Block& block : m_Blocks)
    {
        if (block.memory == memory)
            block.free = true;
    }
}

size_t CSoundBlockPool::GetBlockCount()
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Blocks.size();
}

CSoundBlockPool& GetDecodeBufferPool()
{
    static CSoundBlockPool pool(kDecodeBufferBytes);
    return pool;
}

CSoundBlockPool& GetVorbisStatePool()
{
    static CSoundBlockPool pool(sizeof(OggVorbis_File));
    return pool;
}

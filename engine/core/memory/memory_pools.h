#pragma once

#include <cstddef>
#include <cstdint>

// Class-level allocation of every engine class, on the C heap. The release
// takes the object's size like a sized delete; the C heap does not need it.
void* AllocateObjectMemory(size_t size);
void FreeObjectMemory(void* block, size_t size);

// Pool blocks hold free-list links and, once handed out, pointers and small
// records, so every block is pointer-sized at least and pointer-aligned.
const uint32_t POOL_BLOCK_ALIGNMENT = alignof(void*);

// Fixed-size blocks carved from chunks of the C heap. Blocks carry no
// header: the owner knows their size. Chunks are never returned while the
// program runs, so taking and giving are a pop and a push.
class CBlockPool
{
public:
    CBlockPool();
    ~CBlockPool();
    CBlockPool(const CBlockPool&) = delete;
    CBlockPool& operator=(const CBlockPool&) = delete;

    void SetBlockSize(uint32_t size);
    void SetChunkBytes(uint32_t bytes);

    void* Take();
    void Give(void* block);

    uint32_t GetBlockSize() const { return m_BlockSize; }
    uint32_t GetBlocksPerChunk() const { return m_BlocksPerChunk; }
    uint32_t GetTotalBlocks() const { return m_TotalBlocks; }
    uint32_t GetBlocksInUse() const { return m_BlocksInUse; }

private:
    void AddChunk();

    uint32_t m_BlockSize;
    void* m_pChunks;   // newest chunk; each chunk's first word links to the previous one
    void* m_pFreeList; // each free block's first word links to the next free block
    uint32_t m_BlocksPerChunk;
    uint32_t m_TotalBlocks;
    uint32_t m_BlocksInUse;
};

// Small-block storage for array contents: one pool per 4-byte size class up
// to the maximum; larger requests go to the C heap. The caller passes the
// size again on release, and it must be the size it allocated with.
class CMemoryPools
{
public:
    explicit CMemoryPools(uint32_t maximum);
    ~CMemoryPools();
    CMemoryPools(const CMemoryPools&) = delete;
    CMemoryPools& operator=(const CMemoryPools&) = delete;

    void* Allocate(size_t size);
    void Free(void* block, size_t size);

    // The pool that serves a size, or -1 when the size goes to the C heap.
    int32_t GetSizeClass(size_t size) const;
    uint32_t GetClassCount() const { return m_ClassCount; }
    const CBlockPool& GetPool(uint32_t sizeClass) const { return m_pPools[sizeClass]; }

private:
    uint32_t m_Maximum;
    uint32_t m_ClassCount;
    CBlockPool* m_pPools;
};

// The calling thread's pool set (maximum 500 bytes). The main thread has the
// process-wide set, built on first use, which may come from a static
// initialiser; it is never torn down, as destructors of other statics may
// still release blocks into it at exit.
//
// Threads: a pool set belongs to one thread, so taking and giving need no
// lock (a lock would cost more than the pop and push it guards). Every other
// thread gets a set of its own on first use and hands it on, for a later
// thread, when it ends; sets are never freed, as their blocks may still be
// in use. A block may be released on another thread than the one that took
// it: it then joins the releasing thread's pool of its size, and the
// blocks-in-use counts of the two sets no longer balance (they are figures
// for tests and tools, never used to free anything). A thread_local object
// must not hold pool blocks: it may outlive its thread's set.
CMemoryPools& GetMemoryPools();

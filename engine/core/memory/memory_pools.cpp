#include "engine/core/memory/memory_pools.h"

#include <cstdlib>
#include <mutex>
#include <vector>

#include "engine/core/memory/checked_allocation.h"
#include "engine/platform/main_thread.h"

// Every class gets about this much per chunk, so rarely used large classes
// cost little.
static const uint32_t CHUNK_BUDGET_BYTES = 4000;
static const uint32_t SIZE_CLASS_STEP = 4;
static const uint32_t POOL_MAXIMUM_BYTES = 500;

// The link to the previous chunk sits in front of the blocks; padding it to
// the strictest fundamental alignment keeps the blocks as aligned as the
// C heap's own blocks.
static const size_t CHUNK_HEADER_BYTES =
    alignof(std::max_align_t) > sizeof(void*) ? alignof(std::max_align_t) : sizeof(void*);

static void*& LinkOf(void* block)
{
    return *static_cast<void**>(block);
}

void* AllocateObjectMemory(size_t size)
{
    return AllocateChecked(size);
}

void FreeObjectMemory(void* block, size_t /*size*/)
{
    std::free(block);
}

CBlockPool::CBlockPool()
    : m_BlockSize(0)
    , m_pChunks(nullptr)
    , m_pFreeList(nullptr)
    , m_BlocksPerChunk(64)
    , m_TotalBlocks(0)
    , m_BlocksInUse(0)
{
}

CBlockPool::~CBlockPool()
{
    // Blocks still handed out would dangle, so a pool in use keeps its
    // chunks until the process ends.
    if (m_BlocksInUse != 0)
        return;
    while (m_pChunks != nullptr)
    {
        void* previous = LinkOf(m_pChunks);
        FreeObjectMemory(m_pChunks, 0);
        m_pChunks = previous;
    }
}

void CBlockPool::SetBlockSize(uint32_t size)
{
    if (size < sizeof(void*))
        size = sizeof(void*);
    m_BlockSize = (size + POOL_BLOCK_ALIGNMENT - 1) / POOL_BLOCK_ALIGNMENT * POOL_BLOCK_ALIGNMENT;
}

void CBlockPool::SetChunkBytes(uint32_t bytes)
{
    m_BlocksPerChunk = bytes / m_BlockSize;
    if (m_BlocksPerChunk == 0)
        m_BlocksPerChunk = 1;
}

void* CBlockPool::Take()
{
    if (m_pFreeList == nullptr)
        AddChunk();
    m_BlocksInUse++;
    void* block = m_pFreeList;
    m_pFreeList = LinkOf(block);
    return block;
}

void CBlockPool::Give(void* block)
{
    m_BlocksInUse--;
    LinkOf(block) = m_pFreeList;
    m_pFreeList = block;
}

void CBlockPool::AddChunk()
{
    const size_t blockBytes = static_cast<size_t>(m_BlocksPerChunk) * m_BlockSize;
    char* chunk = static_cast<char*>(AllocateObjectMemory(CHUNK_HEADER_BYTES + blockBytes));
    LinkOf(chunk) = m_pChunks;
    m_pChunks = chunk;

    // Threaded from the last block down, so the free list hands blocks out
    // in address order.
    char* blocks = chunk + CHUNK_HEADER_BYTES;
    for (uint32_t i = m_BlocksPerChunk; i-- > 0;)
    {
        void* block = blocks + static_cast<size_t>(i) * m_BlockSize;
        LinkOf(block) = m_pFreeList;
        m_pFreeList = block;
    }
    m_TotalBlocks += m_BlocksPerChunk;
}

CMemoryPools::CMemoryPools(uint32_t maximum)
    : m_Maximum((maximum + SIZE_CLASS_STEP - 1) / SIZE_CLASS_STEP * SIZE_CLASS_STEP)
    , m_ClassCount(m_Maximum / SIZE_CLASS_STEP + 1)
    , m_pPools(new CBlockPool[m_ClassCount])
{
    for (uint32_t i = 0; i < m_ClassCount; i++)
    {
        m_pPools[i].SetBlockSize(i * SIZE_CLASS_STEP);
        m_pPools[i].SetChunkBytes(CHUNK_BUDGET_BYTES);
    }
}

CMemoryPools::~CMemoryPools()
{
    delete[] m_pPools;
}

int32_t CMemoryPools::GetSizeClass(size_t size) const
{
    if (size > m_Maximum)
        return -1;
    return static_cast<int32_t>((size + SIZE_CLASS_STEP - 1) / SIZE_CLASS_STEP);
}

void* CMemoryPools::Allocate(size_t size)
{
    const int32_t sizeClass = GetSizeClass(size);
    if (sizeClass < 0)
        return AllocateObjectMemory(size);
    return m_pPools[sizeClass].Take();
}

void CMemoryPools::Free(void* block, size_t size)
{
    if (block == nullptr)
        return;
    const int32_t sizeClass = GetSizeClass(size);
    if (sizeClass < 0)
    {
        FreeObjectMemory(block, size);
        return;
    }
    m_pPools[sizeClass].Give(block);
}

namespace
{
// Pool sets of threads that have ended, waiting for the next threads. Never
// torn down, so the sets stay reachable until the process ends.
struct CSparePoolSets
{
    std::mutex lock;
    std::vector<CMemoryPools*> sets;
};

CSparePoolSets& GetSparePoolSets()
{
    static CSparePoolSets* spare = new CSparePoolSets();
    return *spare;
}

constinit thread_local CMemoryPools* t_pThreadPools = nullptr;

// Hands a thread's own set on when the thread ends.
struct CPoolSetLease
{
    CMemoryPools* pools = nullptr;

    ~CPoolSetLease()
    {
        if (pools == nullptr)
            return;
        t_pThreadPools = nullptr;
        CSparePoolSets& spare = GetSparePoolSets();
        std::lock_guard<std::mutex> lock(spare.lock);
        spare.sets.push_back(pools);
    }
};

thread_local CPoolSetLease t_Lease;

CMemoryPools* TakePoolSet()
{
    if (IsMainThread())
    {
        static CMemoryPools* processPools = new CMemoryPools(POOL_MAXIMUM_BYTES);
        return processPools;
    }
    CMemoryPools* pools = nullptr;
    {
        CSparePoolSets& spare = GetSparePoolSets();
        std::lock_guard<std::mutex> lock(spare.lock);
        if (!spare.sets.empty())
        {
            pools = spare.sets.back();
            spare.sets.pop_back();
        }
    }
    if (pools == nullptr)
        pools = new CMemoryPools(POOL_MAXIMUM_BYTES);
    t_Lease.pools = pools;
    return pools;
}
}

CMemoryPools& GetMemoryPools()
{
    CMemoryPools* pools = t_pThreadPools;
    if (pools == nullptr)
        t_pThreadPools = pools = TakePoolSet();
    return *pools;
}

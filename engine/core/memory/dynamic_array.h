#pragma once

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "engine/core/memory/memory_pools.h"
#include "engine/core/strings/ref_string.h"

// The one growth rule of every growable array: a fifth more each time, so
// appends are amortised constant. The factor is the single-precision 1.2
// (a hair above 1.2) and the product is truncated, which gives capacities
// 1, 2, ..., 10, 12, 14, 16, 19, 22, ... from an empty array.
inline uint32_t GrowCapacity(uint32_t capacity, uint32_t needed)
{
    const uint32_t grown = static_cast<uint32_t>(static_cast<double>(capacity) * static_cast<double>(1.2f));
    return needed > grown ? needed : grown;
}

// The storage both growable arrays keep and the reading and removal they
// share; how storage is obtained, grown and released is each array's own.
template <typename T>
class CArrayElements
{
public:
    uint32_t GetCount() const { return m_Count; }
    uint32_t GetCapacity() const { return m_Capacity; }
    T* GetData() { return m_pItems; }
    const T* GetData() const { return m_pItems; }
    T& operator[](uint32_t index) { return m_pItems[index]; }
    const T& operator[](uint32_t index) const { return m_pItems[index]; }
    T* begin() { return m_pItems; }
    T* end() { return m_pItems + m_Count; }
    const T* begin() const { return m_pItems; }
    const T* end() const { return m_pItems + m_Count; }

    // Later elements close the gap, keeping their order.
    void RemoveAt(uint32_t index)
    {
        if (index >= m_Count)
            return;
        std::move(m_pItems + index + 1, m_pItems + m_Count, m_pItems + index);
        m_Count--;
    }

protected:
    CArrayElements() = default;
    ~CArrayElements() = default;

    T* m_pItems = nullptr;
    uint32_t m_Count = 0;
    uint32_t m_Capacity = 0;
};

// Growable array on the general heap for elements of any kind: pointers,
// plain records, strings, objects. Storage is an array of constructed
// elements; growing assigns the held elements into a new array in index
// order. The array never owns what pointer elements point to.
template <typename T>
class CDynamicArray : public CArrayElements<T>
{
public:
    CDynamicArray() = default;
    ~CDynamicArray() { delete[] m_pItems; }
    CDynamicArray(const CDynamicArray&) = delete;
    CDynamicArray& operator=(const CDynamicArray&) = delete;

    // Taken by value: the element may be one of this array's own, which
    // growing would release before it is stored.
    uint32_t Add(T element)
    {
        if (m_Count + 1 > m_Capacity)
            Reallocate(GrowCapacity(m_Capacity, m_Count + 1));
        m_pItems[m_Count] = std::move(element);
        return m_Count++;
    }

    // Keeps the storage for refilling.
    void RemoveAll() { m_Count = 0; }

    void Reserve(uint32_t n)
    {
        if (m_Capacity < n)
            Reallocate(GrowCapacity(m_Capacity, n));
    }

    void ReserveExact(uint32_t n)
    {
        if (m_Capacity < n)
            Reallocate(n);
    }

    // Releases the storage as well.
    void Clear()
    {
        delete[] m_pItems;
        m_pItems = nullptr;
        m_Count = 0;
        m_Capacity = 0;
    }

private:
    using CArrayElements<T>::m_pItems;
    using CArrayElements<T>::m_Count;
    using CArrayElements<T>::m_Capacity;

    void Reallocate(uint32_t capacity)
    {
        T* items = new T[capacity];
        std::move(m_pItems, m_pItems + m_Count, items);
        delete[] m_pItems;
        m_pItems = items;
        m_Capacity = capacity;
    }
};

using CStringArray = CDynamicArray<CString>;

// Growable array whose storage comes from the memory pools. Elements are
// pointers or plain records and are copied byte-wise, so no constructor or
// destructor ever runs on them. An empty array holds no storage.
template <typename T>
class CPoolArray : public CArrayElements<T>
{
    static_assert(std::is_trivially_copyable_v<T>, "pool arrays copy their elements byte-wise");
    static_assert(alignof(T) <= POOL_BLOCK_ALIGNMENT, "pool blocks are only pointer-aligned");

public:
    CPoolArray() = default;
    ~CPoolArray() { Free(); }
    CPoolArray(const CPoolArray&) = delete;
    CPoolArray& operator=(const CPoolArray&) = delete;

    void Free()
    {
        GetMemoryPools().Free(m_pItems, StorageBytes(m_Capacity));
        m_pItems = nullptr;
        m_Count = 0;
        m_Capacity = 0;
    }

    void Reserve(uint32_t n)
    {
        if (m_Capacity < n)
            Reallocate(n);
    }

    void Grow(uint32_t n)
    {
        if (m_Capacity < n)
            Reallocate(GrowCapacity(m_Capacity, n));
    }

    void Append(T element)
    {
        if (m_Count == m_Capacity)
            Grow(m_Count + 1);
        m_pItems[m_Count++] = element;
    }

    // Exactly n elements of storage; the elements may come from this very
    // array, so the old storage is released only after the copy.
    void Assign(const T* elements, uint32_t n)
    {
        T* items = n != 0 ? static_cast<T*>(GetMemoryPools().Allocate(StorageBytes(n))) : nullptr;
        std::copy_n(elements, n, items);
        GetMemoryPools().Free(m_pItems, StorageBytes(m_Capacity));
        m_pItems = items;
        m_Count = n;
        m_Capacity = n;
    }

    // The hint is tried first: callers that remember where an element was
    // usually find it there.
    int32_t IndexOf(const T& element, uint32_t hint = 0) const
    {
        if (hint < m_Count && m_pItems[hint] == element)
            return static_cast<int32_t>(hint);
        for (uint32_t i = 0; i < m_Count; i++)
            if (m_pItems[i] == element)
                return static_cast<int32_t>(i);
        return -1;
    }

private:
    using CArrayElements<T>::m_pItems;
    using CArrayElements<T>::m_Count;
    using CArrayElements<T>::m_Capacity;

    static size_t StorageBytes(uint32_t capacity) { return static_cast<size_t>(capacity) * sizeof(T); }

    void Reallocate(uint32_t capacity)
    {
        T* items = static_cast<T*>(GetMemoryPools().Allocate(StorageBytes(capacity)));
        std::copy_n(m_pItems, m_Count, items);
        GetMemoryPools().Free(m_pItems, StorageBytes(m_Capacity));
        m_pItems = items;
        m_Capacity = capacity;
    }
};

#include "engine/core/settings/paths.h"
#include "engine/core/program/profiler.h"
#include "engine/core/lists/virtual_array.h"

static CProfileSection s_FindSection("VirtualArray_Find", 0, 2.0f);
static CProfileSection s_FindByFileNameSection("VirtualArray_FindSpecial1");
// Listed with the others for whoever reads the results; nothing times it.
static CProfileSection s_FindSpecial2Section("VirtualArray_FindSpecial2");
static CProfileSection s_FindFailingSection("VirtualArray_FindFailing");

int CompareItemNames(const char* a, const char* b)
{
    for (;; a++, b++)
    {
        unsigned char x = static_cast<unsigned char>(*a);
        unsigned char y = static_cast<unsigned char>(*b);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
}

// A CString key, 8- or 16-bit, compares the way CString does; the answer is
// turned round so that both forms read "item against key".
static int CompareNameWithKey(const char* name, const CString& key)
{
    const int keyAgainstName = key.CompareNoCase(name);
    return keyAgainstName < 0 ? 1 : (keyAgainstName > 0 ? -1 : 0);
}

static int CompareNameWithKey(const char* name, const char* key)
{
    return CompareItemNames(name, key);
}

static bool StartsWithBang(const CString& key)
{
    return key.GetAt(0) == '!';
}

static bool StartsWithBang(const char* key)
{
    return key[0] == '!';
}

// Signed bounds: a key that sorts before item 0 drives hi to -1 and ends the
// loop, where an unsigned hi would wrap and probe far past the end.
template <typename Key>
static int32_t BinarySearchNames(VirtualArray& list, const Key& key, int32_t hint)
{
    const int32_t count = static_cast<int32_t>(list.GetCount());
    if (count == 0)
        return -1;
    if (StartsWithBang(key))
        hint = 0;
    int32_t lo = 0;
    int32_t hi = count - 1;
    int32_t probe = (hint >= 0 && hint <= hi) ? hint : hi / 2;
    while (lo <= hi)
    {
        const int order = CompareNameWithKey(list.GetName(static_cast<uint32_t>(probe)), key);
        if (order == 0)
            return probe;
        if (order < 0)
            lo = probe + 1;
        else
            hi = probe - 1;
        probe = lo + (hi - lo) / 2;
    }
    return -1;
}

template <typename Key>
static int32_t LinearSearchNames(VirtualArray& list, const Key& key, int32_t hint)
{
    const uint32_t count = list.GetCount();
    if (static_cast<uint32_t>(hint) < count && CompareNameWithKey(list.GetName(static_cast<uint32_t>(hint)), key) == 0)
        return hint;
    for (uint32_t i = 0; i < count; i++)
    {
        if (CompareNameWithKey(list.GetName(i), key) == 0)
            return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t VirtualArray::BinarySearch(const CString& key, int32_t hint)
{
    return BinarySearchNames(*this, key, hint);
}

int32_t VirtualArray::BinarySearch(const char* key, int32_t hint)
{
    return BinarySearchNames(*this, key, hint);
}

int32_t VirtualArray::FindSorted(const CString& key, int32_t hint)
{
    const int32_t index = BinarySearch(key, hint);
    return index != -1 ? index : FindByFileName(key);
}

int32_t VirtualArray::FindSorted(const char* key, int32_t hint)
{
    const int32_t index = BinarySearch(key, hint);
    return index != -1 ? index : FindByFileName(key);
}

int32_t VirtualArray::FindByFileName(const CString& key)
{
    CString narrowKey = key;
    narrowKey.MakeNarrow();
    const char* keyFileName = GetFileNamePart(narrowKey.GetText());

    const uint32_t count = GetCount();
    for (uint32_t i = 0; i < count; i++)
    {
        CProfileScope scope(s_FindByFileNameSection);
        if (CompareItemNames(GetFileNamePart(GetName(i)), keyFileName) == 0)
            return static_cast<int32_t>(i);
    }

    // Started and stopped only to count the failures.
    CProfileScope failure(s_FindFailingSection);
    return -1;
}

int32_t VirtualArray::FindByFileName(const char* key)
{
    return FindByFileName(CString(key));
}

SearchableVirtualArray::SearchableVirtualArray()
    : m_Sorted(false)
{
}

int32_t SearchableVirtualArray::Find(const CString& key, int32_t hint)
{
    if (m_Sorted)
        return FindSorted(key, hint);
    const int32_t index = LinearSearchNames(*this, key, hint);
    return index != -1 ? index : FindByFileName(key);
}

int32_t SearchableVirtualArray::Find(const char* key, int32_t hint)
{
    CProfileScope scope(s_FindSection);
    if (m_Sorted)
        return FindSorted(key, hint);
    const int32_t index = LinearSearchNames(*this, key, hint);
    return index != -1 ? index : FindByFileName(key);
}

#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/lists/virtual_array.h"

// One named value. The text and flag serve lists that show the entries
// (list boxes, chooser buttons); a new entry has no text and its flag set.
template <typename T>
struct CNamedValueEntry
{
    CString name;
    CString text;
    bool flag;
    T value;
};

// A growable named list of values, in the order they were added; names need
// not be unique. The value type is the table's own (integer, float, 64-bit).
template <typename T>
class CNamedValueTable : public VirtualArray
{
public:
    typedef CNamedValueEntry<T> Entry;

    CNamedValueTable() = default;
    ~CNamedValueTable() override;

    int32_t Add(const CString& name, T value);
    int32_t Add(const char* name, T value);
    // No bounds check: callers pass indices they got from the table.
    Entry& GetEntry(uint32_t index) { return *m_Entries[index]; }
    // The first entry holding the value, or -1.
    int32_t FindValue(T value);
    // A new table with every name and value; texts and flags start afresh.
    CNamedValueTable* Clone() const;

    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    const CString& GetItemText(uint32_t index) override;
    void SetItemText(uint32_t index, const CString& text) override;
    int32_t Find(const CString& key, int32_t hint) override;
    int32_t Find(const char* key, int32_t hint) override;
    void RemoveAll() override;
    int32_t AddByName(const CString& name) override;
    int32_t AddByName(const char* name) override;
    void RemoveAt(uint32_t index) override;
    void Swap(uint32_t first, uint32_t second) override;
    uint32_t GetCount() override;
    bool GetItemFlag(uint32_t index) override;
    void SetItemFlag(uint32_t index, bool flag) override;

private:
    CPoolArray<Entry*> m_Entries;
};

// Named integers: message types, named special values, list-box rows.
typedef CNamedValueTable<int32_t> CNamedValueList;
// Named special values of float and 64-bit properties.
typedef CNamedValueTable<float> CNamedFloatList;
typedef CNamedValueTable<int64_t> CNamedInt64List;

extern template class CNamedValueTable<int32_t>;
extern template class CNamedValueTable<float>;
extern template class CNamedValueTable<int64_t>;

#pragma once

#include <cstdint>

#include "engine/core/lists/virtual_array.h"

// One row of a static table of named values; a table ends with a row whose
// name is null. The legacy name, when not null, is what older data files call
// the value.
struct CEnumNameRow
{
    int32_t value;
    const char* name;
    const char* legacyName;
};

// A read-only named list over such a table, built by a static initialiser next
// to its users.
class CEnumNameTable : public VirtualArray
{
public:
    explicit CEnumNameTable(const CEnumNameRow* rows);

    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    // Names are looked up as C strings only; a CString key finds nothing.
    int32_t Find(const CString& key, int32_t hint) override;
    // Names first, then legacy names, then the file-name parts.
    int32_t Find(const char* key, int32_t hint) override;
    uint32_t GetCount() override;

private:
    const CEnumNameRow* m_pRows;
    uint32_t m_RowCount;
};

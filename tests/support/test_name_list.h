#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/strings/ref_string.h"
#include "engine/core/lists/virtual_array.h"

// A named list over fixed names that records which indices were asked for
// by name, so tests can see how a search probed the list.
class CTestNameList : public SearchableVirtualArray
{
public:
    CTestNameList(const std::vector<const char*>& names, bool sorted = false);

    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    uint32_t GetCount() override;
    CString GetListName() override;
    const char* GetFolder() override;

    void SetListName(const char* name) { m_ListName = name; }
    void SetFolder(const char* folder) { m_pFolder = folder; }

    std::vector<uint32_t> probes;

private:
    std::vector<CString> m_Names;
    CString m_ListName;
    const char* m_pFolder = nullptr;
};

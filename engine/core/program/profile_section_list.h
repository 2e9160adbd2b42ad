#pragma once

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/program/profiler.h"
#include "engine/core/lists/virtual_array.h"

// Every profiler section, in the order the sections were built.
class CProfileSectionList : public SearchableVirtualArray
{
public:
    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    uint32_t GetCount() override;

    void Add(CProfileSection* section);
    CProfileSection* GetSection(uint32_t index);

private:
    CDynamicArray<CProfileSection*> m_Sections;
};

// Built by the first section, so it exists before any static section uses it.
CProfileSectionList& GetProfileSectionList();

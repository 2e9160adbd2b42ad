#pragma once

#include "engine/core/strings/ref_string.h"
#include "engine/core/lists/virtual_array.h"

// Names what is being read for the reports raised meanwhile (CurrentFileName)
// and names back what was there before when the scope ends: loads nest.
class CCurrentFileScope
{
public:
    explicit CCurrentFileScope(const char* fileName)
        : m_Previous(CurrentFileName())
    {
        CurrentFileName() = fileName;
    }
    ~CCurrentFileScope() { CurrentFileName() = m_Previous; }
    CCurrentFileScope(const CCurrentFileScope&) = delete;
    CCurrentFileScope& operator=(const CCurrentFileScope&) = delete;

private:
    CString m_Previous;
};

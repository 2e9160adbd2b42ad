#include "engine/core/lists/resource_usage.h"

#include "engine/platform/tick_counter.h"

void CResourceUsage::Touch()
{
    m_LastUse = GetTickCount();
    m_UsesSinceLoad++;
    m_TotalUses++;
}

void CResourceUsage::MarkLoaded()
{
    m_UsesSinceLoad = 0;
    m_LoadCount++;
}

void CResourceUsage::MarkUnloaded()
{
    m_KeptLoaded = false;
    m_Used = false;
    m_ReferencesPreloaded = false;
    m_UnloadCount++;
}

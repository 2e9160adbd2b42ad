#pragma once

#include <cstdint>

// How one item of a data list has been used, so that items can be unloaded
// to free memory and loaded again. All zero at creation.
struct CResourceUsage
{
    uint32_t m_LastUse = 0; // tick count in milliseconds
    int32_t m_UsesSinceLoad = 0;
    int32_t m_TotalUses = 0;
    int32_t m_LoadCount = 0;
    int32_t m_UnloadCount = 0;
    bool m_KeptLoaded = false;
    // Set by the lists themselves when the item takes part in a round.
    bool m_Used = false;
    bool m_ReferencesPreloaded = false;

    void Touch();
    void MarkLoaded();
    // An unloaded item is no longer kept, used or preloaded.
    void MarkUnloaded();
};

#pragma once

#include <cstdint>

#include "engine/object/reflection.h"

class CBrickBase;

// How the hard kinds take hits: the first 24 bounce the hitter with the
// style sheet's sound, the 25th destroys the brick. The count is not saved
// and starts again whenever the brick is bound to a sprite.
class CBrickCountedHits
{
public:
    static constexpr uint32_t kHitsToDestroy = 25;

    void Reset() { m_Hits = 0; }
    // Counts one hit of the brick: 2 (destroy) from the 25th on, else the
    // sound plays at the brick and the answer is 0 (bounce).
    int32_t Take(const CBrickBase& brick, int32_t soundIndex);
    uint32_t GetHits() const { return m_Hits; }

private:
    uint32_t m_Hits = 0;
};

// The hard kinds' style-sheet property "Indestructible Sound" (read under
// its old name "Damaged Sound" too).
void RegisterIndestructibleSound(CClassInfo* classInfo, CPropertyMember<int32_t> member);

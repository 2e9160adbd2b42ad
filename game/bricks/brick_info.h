#pragma once

#include <cstdint>

#include "engine/core/geometry/polygon2d.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/object/object.h"
#include "game/playfield/particle_burst.h"

// An old brick definition, from before style sheets: the kind of brick
// (a row of the brick type table), its looks, sounds, score and break
// burst. Nothing plays them any more; they stay readable so the style
// sheets can fill themselves from one.
class CBrickInfo : public CObject
{
    VP_DECLARE_CLASS(CBrickInfo)
public:
    CBrickInfo();
    ~CBrickInfo() override;

    // A value of EBrickType.
    int32_t m_BrickType;
    // "Sequences" indices.
    int32_t m_PrimarySequence;
    int32_t m_Sequence2;
    int32_t m_Sequence3;
    int32_t m_DestroyedSequence;
    // Sound list indices.
    int32_t m_DestroyedSound;
    int32_t m_IndestructibleSound;
    int32_t m_DamagedSound;
    int32_t m_ScoreValue;
    // A "Particle Generators" index.
    int32_t m_BreakParticleGen;
    CParticleTypeArray m_BreakParticleTypes;
    Polygon2D m_CollisionPolygon;
};

// "Brick Info": the old definitions, one "Brick" file each.
CResourceLibrary<CBrickInfo>& GetBrickInfoLibrary();

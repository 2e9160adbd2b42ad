#include "game/playfield/accessory_gun_ball_splitter.h"

#include <cmath>

#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/bool_property.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/object/properties/unsigned_int_property.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/shot_gun_ball_splitter.h"

namespace {

const float STEPS_PER_SECOND = 60.0f;

} // namespace

VP_IMPLEMENT_CLASS(CAccessoryGunBallSplitter, CAccessoryGunBasicDual, 1.0f)

void CAccessoryGunBallSplitter::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new LibraryItemProperty("Shot Sequence", VP_MEMBER(m_SplitterShotSequence),
                                                   &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Shot Speed", "Pixels/Sec", VP_MEMBER(m_SplitterShotSpeed),
                                             EDITOR_EDITABLE, 400.0f, nullptr, 1.0f, 6000.0f, 10.0f));
    classInfo->AddProperty(
        new BoolProperty("Large Balls split to Small", VP_MEMBER(m_LargeBallsToSmall), EDITOR_EDITABLE, true, nullptr));
    classInfo->AddProperty(new UnsignedIntProperty("Split Count for Large Balls", "X", VP_MEMBER(m_LargeSplitCount),
                                                   EDITOR_EDITABLE, 3, nullptr, 1, 16));
    classInfo->AddProperty(new FloatProperty("Speed Increase on Large Ball Split", "Pixels/Sec",
                                             VP_MEMBER(m_LargeSpeedFactor), EDITOR_EDITABLE, 1.0f, nullptr, 0.1f,
                                             10.0f, 0.1f));
    classInfo->AddProperty(new UnsignedIntProperty("Split Count for Small Balls", "X", VP_MEMBER(m_SmallSplitCount),
                                                   EDITOR_EDITABLE, 1, nullptr, 1, 16));
    classInfo->AddProperty(new FloatProperty("Speed Increase on Small Ball Split", "Pixels/Sec",
                                             VP_MEMBER(m_SmallSpeedFactor), EDITOR_EDITABLE, 1.0f, nullptr, 0.1f,
                                             10.0f, 0.1f));
    classInfo->AddProperty(new FloatProperty("Particles/Time For Ball Particle Gen", "Sec", VP_MEMBER(m_TrailSeconds),
                                             EDITOR_EDITABLE, 0.33f, nullptr, 0.1f, 10.0f, 0.1f));
    classInfo->AddProperty(new LibraryItemProperty("Particles/Temporary Split Ball Particle Gen",
                                                   VP_MEMBER(m_TrailGenerator), &GetParticleGeneratorList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
}

// The switch starts at its default before any loading, so a copy of an
// accessory that was never given defaults copies a real value.
CAccessoryGunBallSplitter::CAccessoryGunBallSplitter()
    : m_LargeBallsToSmall(true)
{
    ConstructProperties(SGetClassInfo());
}

CAccessoryGunBallSplitter::~CAccessoryGunBallSplitter()
{
    DestroyProperties(SGetClassInfo());
}

void CAccessoryGunBallSplitter::SpawnShot(int32_t dx, int32_t dy)
{
    CAccessoryGunBasicDual::SpawnShot(dx, dy);
    CSprite* sprite = new CSprite;
    sprite->SetPosition(ShotOrigin(dx, dy));
    CShotGunBallSplitter* shot = new CShotGunBallSplitter;
    shot->Launch(sprite);
    sprite->SetSequence(GetSequenceList().GetItemObject(static_cast<uint32_t>(m_SplitterShotSequence)));
    sprite->m_Velocity = Vector2{0.0f, -m_SplitterShotSpeed / STEPS_PER_SECOND};
    sprite->m_Damping = 1.0f;
    shot->m_LargeSplitCount = static_cast<int32_t>(m_LargeSplitCount);
    shot->m_LargeSpeedFactor = m_LargeSpeedFactor;
    shot->m_LargeToSmall = m_LargeBallsToSmall;
    shot->m_SmallSplitCount = static_cast<int32_t>(m_SmallSplitCount);
    shot->m_SmallSpeedFactor = m_SmallSpeedFactor;
    shot->m_TrailGenerator = m_TrailGenerator;
    shot->m_TrailSteps = static_cast<int32_t>(std::nearbyint(m_TrailSeconds * STEPS_PER_SECOND));
}

#include "game/playfield/ball_plug_in_type1.h"

#include <cmath>

#include "engine/app/sound/sound_list.h"
#include "engine/core/maths/maths_tables.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/list_item_property.h"
#include "engine/core/maths/maths_helpers.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/brick_plug_acid.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/sprite_sound.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/rotate_vector.h"

namespace {

const float PI = 3.1415927f;

LibraryItemProperty* Reference(const char* name, CPropertyMember<int32_t> member, VirtualArray* list,
                               const char* defaultName = nullptr)
{
    return new LibraryItemProperty(name, member, list, EDITOR_EDITABLE, defaultName, nullptr, false);
}

} // namespace

VP_IMPLEMENT_CLASS(CBallPlugInType1, CBallPlugIn, 0.0f)

void CBallPlugInType1::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(Reference("Bounce Sound", VP_MEMBER(m_BounceSound), &GetSoundList()));
    classInfo->AddProperty(Reference("Small Bounce Sound", VP_MEMBER(m_SmallBounceSound), &GetSoundList()));
    classInfo->AddProperty(Reference("Overlay Sequence", VP_MEMBER(m_OverlaySequence), &GetSequenceList()));
    classInfo->AddProperty(Reference("Primary Sequence", VP_MEMBER(m_PrimarySequence), &GetSequenceList()));
    classInfo->AddProperty(
        Reference("Small Primary Sequence", VP_MEMBER(m_SmallPrimarySequence), &GetSequenceList(), "Small Ball"));
    classInfo->AddProperty(
        Reference("Particle Generator", VP_MEMBER(m_ParticleGenerator), &GetParticleGeneratorList()));
    classInfo->AddProperty(Reference("Additional Particle Generator", VP_MEMBER(m_AdditionalParticleGenerator),
                                     &GetParticleGeneratorList()));
    classInfo->AddProperty(
        Reference("Small Particle Generator", VP_MEMBER(m_SmallParticleGenerator), &GetParticleGeneratorList()));
}

CBallPlugInType1::CBallPlugInType1()
{
    ConstructProperties(SGetClassInfo());
}

CBallPlugInType1::~CBallPlugInType1()
{
    DestroyProperties(SGetClassInfo());
}

bool CBallPlugInType1::KeepWhenAdding(CBallPlugIn* newcomer)
{
    return !newcomer->IsKindOf(CBallPlugInType1::SGetClassInfo());
}

// The trail leaves straight behind the ball.
void CBallPlugInType1::Update()
{
    CBallAI* ball = GetBall();
    if (ball->m_Stopped)
        return;
    CSprite* sprite = ball->GetSprite();
    const float behind = WrapAngle(FastAtan2(sprite->m_Velocity.y, sprite->m_Velocity.x) + PI);
    if (GetParticleGeneratorList().GetCount() == 0)
        return;
    const int32_t radius = static_cast<int32_t>(ball->GetRadius());
    for (int32_t generator : {ball->IsSmall() ? m_SmallParticleGenerator : m_ParticleGenerator,
                              m_AdditionalParticleGenerator})
        if (generator != 0)
            GetPlayfield()->SpawnHitSparks(sprite, radius, false, behind, generator);
}

void CBallPlugInType1::DrawOverlay(CFrameInterface* frame)
{
    if (m_OverlaySequence == 0)
        return;
    const CPoint at = GetBall()->GetSprite()->m_DrawnPosition;
    DrawSequenceOverlay(frame, m_OverlaySequence, at.x, at.y);
}

void CBallPlugInType1::OnAttached()
{
}

void CBallPlugInType1::OnBallSizeChanged()
{
    CBallAI* ball = GetBall();
    CSpritePart* part = static_cast<CGameSprite*>(ball->GetSprite())->GetPart(0);
    part->SetProgress(0.0);
    const int32_t sequence = ball->IsSmall() ? m_SmallPrimarySequence : m_PrimarySequence;
    part->SetSequence(GetSequenceList().GetItemObject(static_cast<uint32_t>(sequence)));
}

VP_IMPLEMENT_CLASS(CBallPlugInFireBall, CBallPlugInType1, 0.0f)

void CBallPlugInFireBall::RegisterProperties(CClassInfo*)
{
}

CBallPlugInFireBall::CBallPlugInFireBall()
{
    ConstructProperties(SGetClassInfo());
}

CBallPlugInFireBall::~CBallPlugInFireBall()
{
    DestroyProperties(SGetClassInfo());
}

VP_IMPLEMENT_CLASS(CBallPlugInRailBall, CBallPlugInType1, 0.0f)

void CBallPlugInRailBall::RegisterProperties(CClassInfo*)
{
}

CBallPlugInRailBall::CBallPlugInRailBall()
{
    ConstructProperties(SGetClassInfo());
}

CBallPlugInRailBall::~CBallPlugInRailBall()
{
    DestroyProperties(SGetClassInfo());
}

bool CBallPlugInRailBall::PassesThrough(const BallPassQuery& query)
{
    const CBrickBase* brick = FirstBehaviourAs<CBrickBase>(query.other);
    return brick != nullptr && !brick->IsIndestructible();
}

VP_IMPLEMENT_CLASS(CBallPlugInAcidBall, CBallPlugInType1, 0.0f)

void CBallPlugInAcidBall::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(Reference("Dissolve Effect Mask", VP_MEMBER(m_DissolveEffectMask), &GetSequenceList()));
    classInfo->AddProperty(
        Reference("Dissolve Effect Overlay", VP_MEMBER(m_DissolveEffectOverlay), &GetSequenceList()));
    classInfo->AddProperty(Reference("Dissolve Sound", VP_MEMBER(m_DissolveSound), &GetSoundList()));
}

CBallPlugInAcidBall::CBallPlugInAcidBall()
{
    ConstructProperties(SGetClassInfo());
}

CBallPlugInAcidBall::~CBallPlugInAcidBall()
{
    DestroyProperties(SGetClassInfo());
}

// The dissolve is placed where the ball met the brick.
void CBallPlugInAcidBall::AttachAcid(CBrickBase* brick)
{
    CSprite* ballSprite = GetBall()->GetSprite();
    PlaySpriteSound(m_DissolveSound);
    const Vector2 offset = Vector2Subtract(ballSprite->m_Position, brick->GetSprite()->m_Position);
    brick->GetPlugIns().AddPlugIn(new CBrickPlugAcid(m_DissolveEffectMask, m_DissolveEffectOverlay,
                                                     RoundToInt(offset.x), RoundToInt(offset.y)));
}

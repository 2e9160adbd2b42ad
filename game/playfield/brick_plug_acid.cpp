#include "game/playfield/brick_plug_acid.h"

#include <cmath>

#include "engine/blit/blit_acid_dissolve.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/game_sprite.h"

namespace {

// A dissolve ends when one of its animations reaches its last frame; one
// whose sequences never advance would leave a brick that blocks nothing
// and keeps the round from ending.
bool Advances(int32_t sequenceIndex)
{
    CSequenceList& sequences = GetSequenceList();
    if (sequences.GetCount() == 0)
        return false;
    CSequence* sequence = sequences.GetItemObject(static_cast<uint32_t>(sequenceIndex));
    if (sequence == nullptr || sequence->GetFrameCount() == 0)
        return true;
    const float fps = sequence->GetEffectiveFps();
    return std::isfinite(fps) && fps > 0.0f;
}

} // namespace

VP_IMPLEMENT_ABSTRACT_CLASS(CBrickPlugAcid, CBrickPlugIn, 0.0f)

void CBrickPlugAcid::RegisterProperties(CClassInfo*)
{
}

CBrickPlugAcid::CBrickPlugAcid(int32_t maskSequence, int32_t overlaySequence, int32_t xOffset, int32_t yOffset)
    : m_pDissolve(std::make_unique<CAcidDissolveBlitType>(maskSequence, overlaySequence, xOffset, yOffset))
    , m_NeverEnds(!Advances(maskSequence) && !Advances(overlaySequence))
{
    ConstructProperties(SGetClassInfo());
}

CBrickPlugAcid::~CBrickPlugAcid()
{
    DestroyProperties(SGetClassInfo());
}

void CBrickPlugAcid::SetOwner(CBrickBase* owner)
{
    CBrickPlugIn::SetOwner(owner);
    CGameSprite* sprite = owner != nullptr ? owner->GetSprite() : nullptr;
    if (sprite == nullptr)
        return;
    sprite->m_Flags = (sprite->m_Flags & ~SPRITE_COLLIDABLE) | SPRITE_NOT_RECORDED;
    sprite->m_pBlitType = m_pDissolve.get();
    sprite->SetNoShadow(true);
}

void CBrickPlugAcid::Update(PlugInStepRecord& record)
{
    m_pDissolve->Advance(record.step);
    if (m_pDissolve->IsFinished() || m_NeverEnds)
        GetOwner()->Destroy(BrickDestroyInfo{nullptr, true});
}

#include "game/playfield/ball_plug_in_bomb.h"

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/properties/float_property.h"
#include "engine/object/properties/list_item_property.h"
#include "game/bricks/brick_base.h"
#include "game/playfield/ball_ai.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_sound.h"

VP_IMPLEMENT_CLASS(CBallPlugInBombBall, CBallPlugIn, 0.0f)

void CBallPlugInBombBall::RegisterProperties(CClassInfo* classInfo)
{
    for (auto [name, member] : {std::pair{"Idle Overlay Sequence", VP_MEMBER(m_IdleOverlaySequence)},
                                {"Charged Overlay Sequence", VP_MEMBER(m_ChargedOverlaySequence)},
                                {"Detonate Sequence", VP_MEMBER(m_DetonateSequence)}})
        classInfo->AddProperty(
            new LibraryItemProperty(name, member, &GetSequenceList(), EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new LibraryItemProperty("Detonate Sound", VP_MEMBER(m_DetonateSound), &GetSoundList(),
                                                   EDITOR_EDITABLE, nullptr, nullptr, false));
    classInfo->AddProperty(new FloatProperty("Radius Of Explosion X", VP_MEMBER(m_RadiusOfExplosionX),
                                             EDITOR_EDITABLE, 100.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Radius Of Explosion Y", VP_MEMBER(m_RadiusOfExplosionY),
                                             EDITOR_EDITABLE, 100.0f, nullptr, 0.0f, 0.0f, 1.0f));
    classInfo->AddProperty(new FloatProperty("Explosion Delay", "Seconds", VP_MEMBER(m_ExplosionDelay),
                                             EDITOR_EDITABLE, 0.1f, nullptr, 0.0f, 0.0f, 0.01f));
}

CBallPlugInBombBall::CBallPlugInBombBall()
    : m_Armed(true)
{
    ConstructProperties(SGetClassInfo());
}

CBallPlugInBombBall::~CBallPlugInBombBall()
{
    DestroyProperties(SGetClassInfo());
}

void CBallPlugInBombBall::OnAttached()
{
}

void CBallPlugInBombBall::DrawOverlay(CFrameInterface* frame)
{
    const CPoint at = GetBall()->GetSprite()->m_DrawnPosition;
    DrawSequenceOverlay(frame, m_Armed ? m_ChargedOverlaySequence : m_IdleOverlaySequence, at.x, at.y);
}

bool CBallPlugInBombBall::Detonate()
{
    if (!m_Armed)
        return false;
    CSprite* sprite = GetBall()->GetSprite();
    PlaySpriteSound(m_DetonateSound);
    GetPlayfield()->SpawnEffectAtSprite(sprite, m_DetonateSequence);
    DamageArea(sprite, m_RadiusOfExplosionX, m_RadiusOfExplosionY, m_ExplosionDelay);
    m_Armed = false;
    return true;
}

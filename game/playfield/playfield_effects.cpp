#include "game/playfield/playfield.h"

#include "engine/graphics/sequence_list.h"
#include "game/playfield/animate_sprite_ai.h"
#include "game/playfield/sprite.h"

void CPlayfield::SpawnEffectAtSprite(CSprite* sprite, int32_t sequenceIndex)
{
    CSprite* effect = new CSprite;
    effect->SetPosition(sprite->m_Position);
    if (sequenceIndex > 0)
        effect->SetSequence(GetSequenceList().GetItemObject(static_cast<uint32_t>(sequenceIndex)));
    effect->AddAI(new CAnimateSpriteAI(1.0f));
    m_pFrontEffects->Append(effect);
}

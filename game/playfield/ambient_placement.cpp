#include "game/playfield/ambient_placement.h"

#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/game_sprite.h"

CPoint RandomAmbientPoint(CRandom& random)
{
    const int32_t y = random.Between(0, kAmbientBottom);
    const int32_t x = random.Between(0, kAmbientRight);
    return CPoint{x, y};
}

CSpritePart* AddAmbientPart(CSprite* sprite, CSequence* sequence, bool randomProgress)
{
    sprite->m_Damping = 1.0f;
    auto* gameSprite = dynamic_cast<CGameSprite*>(sprite);
    if (gameSprite == nullptr)
        return nullptr;
    gameSprite->AddPart(sequence);
    CSpritePart* part = gameSprite->GetPart(gameSprite->GetPartCount() - 1);
    if (randomProgress)
        part->RandomizeProgress();
    return part;
}

CSequence* GetAmbientSequence(int32_t index)
{
    return GetSequenceList().GetItemObject(static_cast<uint32_t>(index));
}

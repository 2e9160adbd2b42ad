#include "game/bricks/brick_first_part.h"

#include "engine/graphics/sequence_list.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_part.h"

CSpritePart* GetFirstPart(const CBrickBase& brick)
{
    CGameSprite* sprite = brick.GetSprite();
    return sprite != nullptr && sprite->GetPartCount() > 0 ? sprite->GetPart(0) : nullptr;
}

void ShowOnFirstPart(const CBrickBase& brick, int32_t sequenceIndex, PartStart start)
{
    CSpritePart* part = GetFirstPart(brick);
    if (part == nullptr)
        return;
    part->SetSequence(GetSequenceList().GetItemObject(static_cast<uint32_t>(sequenceIndex)));
    if (start == PartStart::FromStart)
        part->SetProgress(0.0);
    else if (start == PartStart::AtRandom)
        part->RandomizeProgress();
}

#include "game/bricks/brick_counted_hits.h"

#include "game/bricks/brick_base.h"
#include "engine/app/sound/sound_list.h"
#include "engine/object/properties/list_item_property.h"
#include "game/playfield/sprite_sound.h"

int32_t CBrickCountedHits::Take(const CBrickBase& brick, int32_t soundIndex)
{
    // Saturating: a brick that refuses its destruction stays hittable for
    // ever without the count wrapping back to the bouncing hits.
    if (m_Hits < kHitsToDestroy)
        m_Hits++;
    if (m_Hits >= kHitsToDestroy)
        return 2;
    if (brick.GetStyleSheet() != nullptr && brick.GetSprite() != nullptr)
        PlaySpriteSound(soundIndex);
    return 0;
}

void RegisterIndestructibleSound(CClassInfo* classInfo, CPropertyMember<int32_t> member)
{
    classInfo->AddProperty(new LibraryItemProperty("Indestructible Sound", member, &GetSoundList(), EDITOR_EDITABLE,
                                                   nullptr, nullptr, false));
    classInfo->GetLastProperty()->SetLegacyName("Damaged Sound");
}

#include "game/bricks/brick_marker_look.h"

#include "engine/graphics/sequence_list.h"
#include "engine/object/editor_hooks.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_first_part.h"
#include "game/bricks/brick_shape_defaults.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_part.h"

void ShowMarkerLook(CBrickBase& brick, int32_t primarySequence)
{
    const CPlayfield* playfield = GetPlayfield();
    const bool shown = GetEditorHooks().LevelEditorBuilding || (playfield != nullptr && playfield->m_ShowMarkers);
    CGameSprite* sprite = brick.GetSprite();
    if (!shown || sprite == nullptr)
        return;
    sprite->AddPart(GetSequenceList().GetItemObject(static_cast<uint32_t>(primarySequence)));
    GetFirstPart(brick)->RandomizeProgress();
}

void ClearMarkerShapeDefaults(CClassInfo* styleSheetClass)
{
    SetShapeDefaults(styleSheetClass, nullptr, nullptr);
}

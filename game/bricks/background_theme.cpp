#include "engine/app/demo_recorder.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/recorded_calls/stream_call.h"
#include "game/bricks/background_layer_table.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/playfield.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/sprite_ai_background.h"

namespace {

constexpr int32_t kFullBackgroundDetail = 2;
constexpr int32_t kRecordedCallFlags = 3;

CCallbackStreamCall s_ThemeCall(CBrickLayout::ApplyBackgroundThemeFromStream,
                                "!CBrickLayout::ApplyBackgroundThemeFromStream", kRecordedCallFlags);

// The background travels by name, so a demo replays the same theme in a
// program whose library sorts it elsewhere.
void RecordBackgroundTheme(uint32_t index)
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    if (recorder.IsRecording() && recorder.GetStream().BeginMessage(s_ThemeCall, MESSAGE_KIND_GAME_CALL))
        recorder.GetStream().WriteSymbol(static_cast<int32_t>(index), GetBackgroundLibrary());
}

void AddEveryLevelBricks(const CBackgroundDefinition& definition, CPlayfield& playfield)
{
    for (uint32_t i = 0; i < definition.GetEveryLevelBrickCount(); i++)
    {
        const CBrickBase* brick = definition.GetEveryLevelBrick(i);
        if (brick == nullptr)
            continue;
        CBrickBase* copy = static_cast<CBrickBase*>(brick->CreateSameClass());
        copy->CopyFrom(*brick);
        CGameSprite* sprite = new CGameSprite;
        copy->AttachToSprite(sprite);
        if (!copy->AppearsWithoutBrickLayer())
            sprite->SetActive(false);
        playfield.m_pBricks->Append(sprite);
    }
}

void GenerateBackgroundSprites(const CBackgroundDefinition& definition, CPlayfield& playfield)
{
    for (uint32_t i = 0; i < definition.m_SpriteGenerators.m_Count; i++)
    {
        const CBackgroundSpriteGenerator& generator = definition.m_SpriteGenerators.m_pItems[i];
        if (generator.m_pType == nullptr)
            continue;
        CSpriteList* list = generator.m_Layer == BACKGROUND_LAYER_BACKGROUND_SPRITES ? playfield.m_pBackgroundSprites
                                                                                     : playfield.m_pFrontEffects;
        for (uint32_t n = 0; n < generator.m_Count; n++)
        {
            CGameSprite* sprite = new CGameSprite;
            sprite->m_Flags |= SPRITE_NOT_RECORDED;
            CSpriteAIBackground* behaviour = static_cast<CSpriteAIBackground*>(generator.m_pType->CreateSameClass());
            behaviour->CopyFrom(*generator.m_pType);
            sprite->AddAI(behaviour);
            list->Append(sprite);
        }
    }
}

} // namespace

void CBrickLayout::ApplyBackgroundTheme(int32_t backgroundIndex, bool editor)
{
    CPlayfield* playfield = GetPlayfield();
    CResourceLibrary<CBackgroundDefinition>& library = GetBackgroundLibrary();
    const uint32_t count = library.GetCount();
    // An index past the end reads the first background, and is recorded so.
    const uint32_t index = static_cast<uint32_t>(backgroundIndex) < count ? static_cast<uint32_t>(backgroundIndex) : 0;
    if (count != 0)
        RecordBackgroundTheme(index);
    CBackgroundDefinition* definition = count != 0 ? library.GetItemObject(index) : nullptr;
    playfield->SetBackground(definition);
    if (editor || definition == nullptr)
        return;
    AddEveryLevelBricks(*definition, *playfield);
    if (GetPlayfieldHooks().GetBackgroundDetailLevel() != kFullBackgroundDetail)
        return;
    GenerateBackgroundSprites(*definition, *playfield);
}

// The recorded round starts afresh: whatever the replay showed before goes.
void CBrickLayout::ApplyBackgroundThemeFromStream(CMessageStream& stream)
{
    const int32_t index = stream.ReadSymbol(GetBackgroundLibrary());
    CPlayfield* playfield = GetPlayfield();
    if (playfield == nullptr)
        return;
    playfield->ClearAllLists();
    ApplyBackgroundTheme(index, false);
}

#include <gtest/gtest.h>

#include <string>

#include "engine/app/demo_recorder.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/properties/object_array_property.h"
#include "game/bricks/background_layer_table.h"
#include "game/bricks/background_library.h"
#include "game/playfield/fish_ai.h"
#include "game/playfield/plankton_ai.h"
#include "tests/support/playfield_fixtures.h"

namespace {

// The playfield with one background in the library: twelve fish behind the
// playfield, three plankton in front of it, and a generator without a
// prototype.
class BackgroundTheme : public PlayfieldTest
{
protected:
    void SetUp() override
    {
        PlayfieldTest::SetUp();
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
        CBackgroundDefinition* definition = new CBackgroundDefinition;
        AddGenerator(*definition, 12, BACKGROUND_LAYER_BACKGROUND_SPRITES, new CFishAI);
        AddGenerator(*definition, 3, BACKGROUND_LAYER_FOREGROUND_SPRITES, new CPlanktonAI);
        AddGenerator(*definition, 7, BACKGROUND_LAYER_FOREGROUND_SPRITES, nullptr);
        m_Index = GetBackgroundLibrary().AddItemWithObject(definition, "Reef/Life");
        m_pDefinition = definition;
    }

    void TearDown() override
    {
        GetBackgroundLibrary().DeleteAllItems();
        PlayfieldTest::TearDown();
    }

    static void AddGenerator(CBackgroundDefinition& definition, uint32_t count, int32_t layer,
                             CSpriteAIBackground* type)
    {
        const ObjectArrayProperty* generators = static_cast<const ObjectArrayProperty*>(
            CBackgroundDefinition::SGetClassInfo()->FindProperty("Sprite Generators"));
        generators->SetCount(&definition, definition.m_SpriteGenerators.m_Count + 1);
        CBackgroundSpriteGenerator& generator =
            definition.m_SpriteGenerators.m_pItems[definition.m_SpriteGenerators.m_Count - 1];
        generator.m_Count = count;
        generator.m_Layer = layer;
        generator.m_pType = type;
    }

    // Sprites of the list whose first behaviour is of the class and that are
    // never recorded.
    static int32_t Count(const CSpriteList* list, const CClassInfo* behaviourClass)
    {
        int32_t count = 0;
        for (CSprite* sprite = list->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            if (sprite->FindAI(behaviourClass) != nullptr && (sprite->m_Flags & SPRITE_NOT_RECORDED) != 0)
                count++;
        }
        return count;
    }

    int32_t m_Index = -1;
    CBackgroundDefinition* m_pDefinition = nullptr;
};

TEST_F(BackgroundTheme, GeneratorsFillTheirLayersOnlyAtFullBackgroundDetail)
{
    struct Case
    {
        int32_t detail;
        bool editor;
        int32_t fish;
        int32_t plankton;
    };
    for (const Case& c : {Case{0, false, 0, 0}, Case{1, false, 0, 0}, Case{2, false, 12, 3}, Case{2, true, 0, 0}})
    {
        m_pPlayfield->ClearAllLists();
        ScopedPlayfieldHooks::s_DetailLevel = c.detail;
        CBrickLayout::ApplyBackgroundTheme(m_Index, c.editor);
        EXPECT_EQ(m_pPlayfield->m_pBackgroundDefinition, m_pDefinition);
        EXPECT_EQ(Count(m_pPlayfield->m_pBackgroundSprites, CFishAI::SGetClassInfo()), c.fish) << c.detail;
        EXPECT_EQ(m_pPlayfield->m_pBackgroundSprites->Count(), c.fish) << c.detail;
        EXPECT_EQ(Count(m_pPlayfield->m_pFrontEffects, CPlanktonAI::SGetClassInfo()), c.plankton) << c.detail;
        EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), c.plankton) << c.detail;
    }
}

TEST_F(BackgroundTheme, EverySpriteHasItsOwnCopyOfThePrototype)
{
    CBrickLayout::ApplyBackgroundTheme(m_Index, false);
    const CSpriteAI* prototype = m_pDefinition->m_SpriteGenerators.m_pItems[0].m_pType;
    const CSprite* first = m_pPlayfield->m_pBackgroundSprites->GetHead();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(first->GetNext(), nullptr);
    const CSpriteAI* a = first->FindAI(CFishAI::SGetClassInfo());
    const CSpriteAI* b = first->GetNext()->FindAI(CFishAI::SGetClassInfo());
    EXPECT_NE(a, prototype);
    EXPECT_NE(a, b);
}

// The background travels by name: a replay finds it whatever index it has
// there, and the record starts the replayed round afresh.
TEST_F(BackgroundTheme, ARecordedThemeReplaysByNameIntoEmptiedLists)
{
    CBackgroundDefinition* beta = new CBackgroundDefinition;
    const int32_t betaIndex = GetBackgroundLibrary().AddItemWithObject(beta, "Theme/Beta");
    ScopedPlayfieldHooks::s_DetailLevel = 0;
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    const CMessageStream& stream = recorder.GetStream();
    const uint32_t start = stream.GetLength();
    CBrickLayout::ApplyBackgroundTheme(betaIndex, false);
    const uint32_t firstEnd = stream.GetLength();
    CBrickLayout::ApplyBackgroundTheme(betaIndex, false);
    const std::string bytes(reinterpret_cast<const char*>(stream.GetBuffer()), stream.GetLength());
    recorder.EndFrame();
    recorder.StopRecording();
    EXPECT_NE(bytes.substr(start, firstEnd - start).find("Theme/Beta"), std::string::npos);
    EXPECT_EQ(bytes.substr(firstEnd).find("Theme/Beta"), std::string::npos);
    const std::string path = m_Folder.Path() + "Theme.Demo";
    recorder.Save(path.c_str(), 0);

    // The replaying program holds one more background before it.
    GetBackgroundLibrary().RemoveAt(static_cast<uint32_t>(betaIndex));
    GetBackgroundLibrary().AddItemWithObject(new CBackgroundDefinition, "Theme/Alpha");
    beta = new CBackgroundDefinition;
    ASSERT_EQ(GetBackgroundLibrary().AddItemWithObject(beta, "Theme/Beta"), betaIndex + 1);
    m_pPlayfield->SetBackground(m_pDefinition);
    for (int32_t code = 0; code < 9; code++)
        m_pPlayfield->GetListByCode(code)->Append(new CSprite);
    recorder.PlayFile(path.c_str(), 0);
    while (recorder.IsPlaying())
        recorder.PlayFrame();
    EXPECT_EQ(m_pPlayfield->m_pBackgroundDefinition, beta);
    for (int32_t code = 0; code < 9; code++)
        EXPECT_EQ(m_pPlayfield->GetListByCode(code)->Count(), 0) << code;
}

} // namespace

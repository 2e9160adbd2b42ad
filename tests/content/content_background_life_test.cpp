#include <gtest/gtest.h>

#include <set>
#include <string>

#include "content/content_items.h"
#include "content/content_tree.h"
#include "engine/core/settings/paths.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_layout.h"
#include "tests/support/playfield_fixtures.h"

namespace {

// The playfield over the generated starter content.
class ContentBackgroundLife : public PlayfieldTest
{
protected:
    void SetUp() override
    {
        PlayfieldTest::SetUp();
        CContentTree tree;
        uint32_t changed = 0;
        ASSERT_TRUE(GenerateContent(m_Folder.Path(), tree, changed));
        SetDataFolder("Data");
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
    }

    void TearDown() override
    {
        GetBackgroundLibrary().DeleteAllItems();
        PlayfieldTest::TearDown();
    }

    // The class names of the first behaviours in the list.
    static void CollectKinds(const CSpriteList* list, std::set<std::string>& kinds)
    {
        for (CSprite* sprite = list->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            if (sprite->GetAI() != nullptr)
                kinds.insert(sprite->GetAI()->GetClassInfo()->GetClassName());
        }
    }
};

TEST_F(ContentBackgroundLife, TheReefBackgroundPutsEveryKindOfBackgroundLifeInPlay)
{
    const int32_t index = GetBackgroundLibrary().Find("Ocean/Reef Life", -1);
    ASSERT_NE(index, -1);
    CBrickLayout::ApplyBackgroundTheme(index, false);
    ASSERT_NE(m_pPlayfield->m_pBackgroundDefinition, nullptr);
    std::set<std::string> kinds;
    CollectKinds(m_pPlayfield->m_pBackgroundSprites, kinds);
    CollectKinds(m_pPlayfield->m_pFrontEffects, kinds);
    const std::set<std::string> expected = {"CFishAI",           "CPlanktonAI",     "CRandomDebrisAI",
                                            "CAnimateAtInterval", "CSeaWeedAI",      "CSmokeGeneratorAI",
                                            "CFlockingSimulationAI"};
    EXPECT_EQ(kinds, expected);
    Step(120);
    EXPECT_EQ(m_pPlayfield->m_pBackgroundSprites->Count(), 22);
}

} // namespace

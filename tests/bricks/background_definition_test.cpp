#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/properties/object_array_property.h"
#include "game/bricks/background_layer_table.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_normal.h"
#include "game/playfield/fish_ai.h"
#include "game/playfield/sprite_ai_background.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/object_forms.h"

namespace {

// A prototype that notes every overlay it is asked to draw.
class CNotingBackgroundAI : public CSpriteAIBackground
{
    VP_DECLARE_CLASS(CNotingBackgroundAI)
public:
    CNotingBackgroundAI() { ConstructProperties(SGetClassInfo()); }
    ~CNotingBackgroundAI() override { DestroyProperties(SGetClassInfo()); }

    void Update(CSprite*, int32_t) override {}
    void AfterDrawOverlay(CSprite* sprite, CFrameInterface*) override { s_Drawn.push_back({m_Tag, sprite}); }

    struct Drawn
    {
        int32_t tag;
        CSprite* sprite;
    };
    static std::vector<Drawn> s_Drawn;
    int32_t m_Tag = 0;
};

VP_IMPLEMENT_CLASS(CNotingBackgroundAI, CSpriteAIBackground, 0.0f)

std::vector<CNotingBackgroundAI::Drawn> CNotingBackgroundAI::s_Drawn;

void CNotingBackgroundAI::RegisterProperties(CClassInfo*)
{
}

CBackgroundSpriteGenerator& AppendGenerator(CBackgroundDefinition& definition, uint32_t count, int32_t layer,
                                            CSpriteAIBackground* type)
{
    const ObjectArrayProperty* generators = static_cast<const ObjectArrayProperty*>(
        CBackgroundDefinition::SGetClassInfo()->FindProperty("Sprite Generators"));
    generators->SetCount(&definition, generators->GetCount(&definition) + 1);
    CBackgroundSpriteGenerator& generator =
        definition.m_SpriteGenerators.m_pItems[definition.m_SpriteGenerators.m_Count - 1];
    generator.m_Count = count;
    generator.m_Layer = layer;
    generator.m_pType = type;
    return generator;
}

} // namespace

TEST(BackgroundDefinition, DefaultsFrameThePlayfieldAndGenerateNothing)
{
    CBackgroundDefinition definition;
    EXPECT_FALSE(definition.m_DrawShadows);
    EXPECT_EQ(definition.m_ShadowOffset.x, 10);
    EXPECT_EQ(definition.m_ShadowOffset.y, 10);
    EXPECT_TRUE(definition.m_ShowScoreboard);
    EXPECT_EQ(definition.m_ForegroundImage, 0);
    EXPECT_EQ(definition.m_MidgroundImage, 0);
    EXPECT_EQ(definition.m_BackgroundImage, 0);
    EXPECT_EQ(definition.m_SpriteGenerators.m_Count, 0u);
    EXPECT_EQ(definition.GetEveryLevelBrickCount(), 0u);
    EXPECT_EQ(GetBackgroundLayerTable().Find("Background Sprites", -1), BACKGROUND_LAYER_BACKGROUND_SPRITES);
}

TEST(BackgroundDefinition, GeneratorsAndEveryLevelBricksSurviveTheTextForm)
{
    CBackgroundDefinition definition;
    definition.m_DrawShadows = true;
    definition.m_ShadowOffset = CPoint{4, -3};
    AppendGenerator(definition, 12, BACKGROUND_LAYER_BACKGROUND_SPRITES, new CFishAI);
    AppendGenerator(definition, 3, BACKGROUND_LAYER_FOREGROUND_SPRITES, nullptr);
    definition.ReadPropertyText(CBackgroundDefinition::SGetClassInfo()->FindProperty("Every Level Brick"),
                                "2", nullptr);
    ASSERT_EQ(definition.GetEveryLevelBrickCount(), 2u);

    const std::string text = ObjectText(&definition);
    std::unique_ptr<CObject> loaded = ObjectFromText(text);
    ASSERT_NE(loaded, nullptr) << text;
    CBackgroundDefinition* copy = static_cast<CBackgroundDefinition*>(loaded.get());
    EXPECT_TRUE(copy->AllPropertiesEqual(definition)) << text;
    EXPECT_EQ(ObjectText(copy), text);
    ASSERT_EQ(copy->m_SpriteGenerators.m_Count, 2u);
    const CBackgroundSpriteGenerator& fish = copy->m_SpriteGenerators.m_pItems[0];
    EXPECT_EQ(fish.m_Count, 12u);
    EXPECT_EQ(fish.m_Layer, BACKGROUND_LAYER_BACKGROUND_SPRITES);
    ASSERT_NE(fish.m_pType, nullptr);
    EXPECT_EQ(fish.m_pType->GetClassInfo(), CFishAI::SGetClassInfo());
    EXPECT_NE(text.find("Layer=Background Sprites"), std::string::npos) << text;
}

TEST(BackgroundDefinition, GeneratorsDrawTheirPreviewByLayerInOrder)
{
    CBackgroundDefinition definition;
    const int32_t layers[] = {BACKGROUND_LAYER_BACKGROUND_SPRITES, BACKGROUND_LAYER_FOREGROUND_SPRITES,
                              BACKGROUND_LAYER_BACKGROUND_SPRITES};
    for (int32_t i = 0; i < 3; i++)
    {
        CNotingBackgroundAI* prototype = new CNotingBackgroundAI;
        prototype->m_Tag = i;
        AppendGenerator(definition, 1, layers[i], prototype);
    }
    AppendGenerator(definition, 5, BACKGROUND_LAYER_BACKGROUND_SPRITES, nullptr);
    CNotingBackgroundAI::s_Drawn.clear();
    definition.DrawGeneratorsOfLayer(nullptr, BACKGROUND_LAYER_BACKGROUND_SPRITES);
    ASSERT_EQ(CNotingBackgroundAI::s_Drawn.size(), 2u);
    EXPECT_EQ(CNotingBackgroundAI::s_Drawn[0].tag, 0);
    EXPECT_EQ(CNotingBackgroundAI::s_Drawn[1].tag, 2);
    EXPECT_EQ(CNotingBackgroundAI::s_Drawn[0].sprite, nullptr);
}

// Definitions read from a data folder take their theme from the folder they
// lie in.
class BackgroundThemes : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        for (const char* name : {"Space/Space 1", "A/B/C", "Cosmos/Nebula", "tech/Grid", "Water/Reef", "Plain"})
            m_Folder.WriteFile(std::string("Data/Resources/") + name + ".Background", "CBackgroundDefinition\r\n{\r\n}\r\n");
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
    }

    void TearDown() override
    {
        GetBackgroundLibrary().DeleteAllItems();
        ArchiveTestFolder::TearDown();
    }
};

TEST_F(BackgroundThemes, TheFolderNamesTheThemeAndOldThemesAreRenamed)
{
    struct Case
    {
        const char* item;
        const char* theme;
        const char* own;
    };
    const Case cases[] = {
        {"Space/Space 1", "Chrome Blue", "Space 1"}, {"A/B/C", "B", "C"},         {"Cosmos/Nebula", "Red", "Nebula"},
        {"tech/Grid", "Purple Bricks", "Grid"},      {"Water/Reef", "Yellow", "Reef"}, {"Plain", "", "Plain"},
    };
    CResourceLibrary<CBackgroundDefinition>& library = GetBackgroundLibrary();
    for (const Case& c : cases)
    {
        const int32_t index = library.Find(c.item, -1);
        ASSERT_NE(index, -1) << c.item;
        CBackgroundDefinition* definition = library.GetItemObject(static_cast<uint32_t>(index));
        ASSERT_NE(definition, nullptr) << c.item;
        EXPECT_STREQ(definition->m_ThemeName.GetText(), c.theme) << c.item;
        EXPECT_STREQ(definition->m_OwnName.GetText(), c.own) << c.item;
    }
}

TEST(BackgroundDefinition, ADefinitionOutsideTheLibraryHasNoTheme)
{
    std::unique_ptr<CObject> loaded = ObjectFromText("CBackgroundDefinition\r\n{\r\n}\r\n");
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(static_cast<CBackgroundDefinition*>(loaded.get())->m_ThemeName.IsEmpty());
    EXPECT_TRUE(static_cast<CBackgroundDefinition*>(loaded.get())->m_OwnName.IsEmpty());
}

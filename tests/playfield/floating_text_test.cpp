#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/blit/blit_type.h"
#include "engine/blit/blit_type_registry.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/playfield/power_up_text_display_options.h"
#include "game/playfield/print_power_up_text_ai.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/recording_frame.h"

namespace {

// Texts over a playfield whose font library holds one block font, its
// glyphs 8 pixels wide.
class FloatingTextTest : public PlayfieldTest
{
protected:
    void SetUp() override
    {
        PlayfieldTest::SetUp();
        CBlockFont* font = new CBlockFont(10);
        StoreBlockGlyphs(*font, 32, 126, 8, 10);
        GetFontLibrary().AddItemWithObject(font, "Block");
        m_pFont = font;
        m_pPlayfield->m_ClipRect = CRect{11, 10, 626, 600};
    }

    void TearDown() override
    {
        GetFontLibrary().DeleteAllItems();
        PlayfieldTest::TearDown();
    }

    static CPrintPowerUpTextAI* TextOf(CSprite* sprite)
    {
        return static_cast<CPrintPowerUpTextAI*>(sprite->FindAI(CPrintPowerUpTextAI::SGetClassInfo()));
    }

    // What the text draws, beside what the font draws centred at the point.
    void ExpectDrawnAt(CSprite* sprite, const CString& text, int32_t x, int32_t y)
    {
        CRecordingFrame drawn;
        TextOf(sprite)->AfterDraw(sprite, &drawn);
        CRecordingFrame expected;
        m_pFont->DrawText(expected, x, y, text, JUSTIFY_CENTER);
        ASSERT_EQ(drawn.calls.size(), expected.calls.size());
        ASSERT_FALSE(drawn.calls.empty());
        for (size_t i = 0; i < drawn.calls.size(); i++)
        {
            EXPECT_EQ(drawn.calls[i].x0, expected.calls[i].x0) << i;
            EXPECT_EQ(drawn.calls[i].y0, expected.calls[i].y0) << i;
        }
    }

    CFont* m_pFont = nullptr;
};

TEST_F(FloatingTextTest, EveryNewerTextMakesAnOlderOneRunOutFaster)
{
    CSprite* texts[] = {SpawnFloatingText(Vector2{100.0f, 300.0f}, "One"),
                        SpawnFloatingText(Vector2{200.0f, 300.0f}, "Two"),
                        SpawnFloatingText(Vector2{300.0f, 300.0f}, "Three")};
    for (CSprite* sprite : texts)
    {
        EXPECT_EQ(TextOf(sprite)->GetRemainingTime(), 2.0f);
        TextOf(sprite)->Update(sprite, 0);
    }
    EXPECT_FLOAT_EQ(TextOf(texts[0])->GetRemainingTime(), 2.0f - 3.0f / 60.0f);
    EXPECT_FLOAT_EQ(TextOf(texts[1])->GetRemainingTime(), 2.0f - 2.0f / 60.0f);
    EXPECT_FLOAT_EQ(TextOf(texts[2])->GetRemainingTime(), 2.0f - 1.0f / 60.0f);
    EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), 3);
}

TEST_F(FloatingTextTest, TextsRiseFromNoLowerThanTheHeightLimitAndKeepInsideTheField)
{
    const CString text("Extra Ball");
    const int32_t halfWidth = m_pFont->GetTextWidth(text) / 2;
    CSprite* low = SpawnFloatingText(Vector2{300.0f, 650.0f}, text);
    EXPECT_EQ(low->m_Position.y, 650.0f);
    ExpectDrawnAt(low, text, 300, 600 - m_pFont->GetPointSize());
    // After one second at 10 pixels a second it has risen 10 pixels; the
    // product is cut to whole pixels.
    for (int32_t i = 0; i < 60; i++)
        TextOf(low)->Update(low, 0);
    ExpectDrawnAt(low, text, 300, 600 - 9 - m_pFont->GetPointSize());

    CSprite* right = SpawnFloatingText(Vector2{624.0f, 300.0f}, text);
    ExpectDrawnAt(right, text, 626 - halfWidth - 4, 300 - m_pFont->GetPointSize());
    CSprite* left = SpawnFloatingText(Vector2{12.0f, 300.0f}, text);
    ExpectDrawnAt(left, text, 11 + halfWidth + 4, 300 - m_pFont->GetPointSize());
}

TEST_F(FloatingTextTest, OpacityHoldsThenFadesAndIsGivenBackAfterEveryText)
{
    struct Case
    {
        float displayTime;
        float remainOpaque;
        int32_t steps;
        float opacity;
    };
    const Case cases[] = {
        {2.0f, 75.0f, 0, 1.0f},    {2.0f, 75.0f, 90, 1.0f}, {2.0f, 75.0f, 105, 0.5f}, {2.0f, 75.0f, 119, 1.0f / 30.0f},
        {2.0f, 100.0f, 119, 1.0f}, {0.0f, 75.0f, 0, 1.0f},  {2.0f, 0.0f, 60, 0.5f},
    };
    CPowerUpTextDisplayOptions* options = GetPowerUpTextDisplayOptions();
    CBlitType* mask = GetBlitTypeRegistry().GetBlitType(GetBlitTypeRegistry().Find("Transparent Mask", -1));
    for (const Case& c : cases)
    {
        options->m_DisplayTime = c.displayTime;
        options->m_RemainOpaque = c.remainOpaque;
        CSprite* sprite = SpawnFloatingText(Vector2{300.0f, 300.0f}, "Fade");
        // Only this text counts: no newer ones speed it up.
        for (int32_t i = 0; i < c.steps; i++)
            TextOf(sprite)->Update(sprite, 0);
        EXPECT_NEAR(TextOf(sprite)->GetOpacity(), c.opacity, 1e-4f) << c.remainOpaque << " " << c.steps;
        CRecordingFrame frame;
        TextOf(sprite)->AfterDraw(sprite, &frame);
        ASSERT_FALSE(frame.calls.empty());
        EXPECT_NEAR(frame.calls[0].opacity, c.opacity, 1e-4f);
        EXPECT_EQ(mask->GetOpacity(), 1.0f);
        m_pPlayfield->m_pFrontEffects->DeleteAll();
    }
}

TEST_F(FloatingTextTest, ATextDiesOnceItsTimeIsUp)
{
    GetPowerUpTextDisplayOptions()->m_DisplayTime = 0.05f;
    CSprite* sprite = SpawnFloatingText(Vector2{300.0f, 300.0f}, "Brief");
    for (int32_t i = 0; i < 3; i++)
    {
        EXPECT_FALSE(sprite->IsDead()) << i;
        TextOf(sprite)->Update(sprite, 0);
    }
    EXPECT_TRUE(sprite->IsDead());
}

TEST_F(FloatingTextTest, WithoutTheOptionsTheFirstTextIsAFatalReport)
{
    // The options are looked up once per run: the child starts afresh.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ASSERT_EXIT(
        {
            std::filesystem::remove(Absolute("Data/Resources/Power Up Text Display Options.Object.txt"));
            InitCatalogueLibrary(GetGeneralObjectList(), LIBRARY_GENERAL_OBJECTS);
            SpawnFloatingText(Vector2{300.0f, 300.0f}, "Nowhere");
        },
        testing::ExitedWithCode(255), "Fatal Not Found Error.*\"Power Up Text Display Options\"");
}

} // namespace

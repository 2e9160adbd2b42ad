#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/blit/blit_type.h"
#include "engine/blit/blit_type_registry.h"
#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "game/playfield/tessivue_display.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/recording_frame.h"

namespace {

constexpr float kStep = 1.0f / 60.0f;

CBlitType* NamedBlitType(const char* name)
{
    return GetBlitTypeRegistry().GetBlitType(GetBlitTypeRegistry().Find(name, -1));
}

// Three fonts told apart by their point sizes; every letter of the normal
// and alternate fonts is 10 pixels wide, so a box 143 wide takes words of
// up to 14 letters per line.
class TessivueDisplayTest : public testing::Test
{
protected:
    void SetUp() override
    {
        SetPointSize(m_Normal, 11.0f);
        SetPointSize(m_Alternate, 14.0f);
        SetPointSize(m_Numbers, 12.0f);
    }

    // A new size drops the glyphs: they are stored again.
    static void SetPointSize(CBlockFont& font, float size)
    {
        font.SetPointSize(size);
        StoreBlockGlyphs(font, '!', '~', 10, 10);
        StoreBlockGlyph(font, ' ', 10, 10);
    }

    CTessivueDisplay MakeBox(int32_t width = 143, int32_t height = 166)
    {
        return CTessivueDisplay(&m_Normal, &m_Alternate, &m_Numbers, 648, 418, width, height);
    }

    // The opacity of each blit of one draw, in order.
    std::vector<float> DrawOpacities(CTessivueDisplay& box)
    {
        m_Frame.calls.clear();
        box.Draw(m_Frame);
        std::vector<float> opacities;
        for (const CRecordingFrame::Call& call : m_Frame.calls)
            if (call.kind == CRecordingFrame::BLIT)
                opacities.push_back(call.opacity);
        return opacities;
    }

    CBlockFont m_Normal{10};
    CBlockFont m_Alternate{10};
    CBlockFont m_Numbers{10};
    CRecordingFrame m_Frame;
};

TEST_F(TessivueDisplayTest, OpensWithTheStartupTextForFourSeconds)
{
    CTessivueDisplay box = MakeBox(400, 166);
    ASSERT_EQ(box.GetLineCount(), 1u);
    EXPECT_STREQ(box.GetLine(0).GetText(), "Tessivue BIOS v4.31");
    EXPECT_EQ(box.GetLineFont(0), &m_Alternate);
    EXPECT_FLOAT_EQ(box.GetTimeout(), 4.0f);
    EXPECT_EQ(GetHudDisplay(), nullptr);
    SetHudDisplay(&box);
    EXPECT_EQ(GetHudDisplay(), &box);
    SetHudDisplay(nullptr);
}

TEST_F(TessivueDisplayTest, FadesOutOverTheLastHalfSecondAndClearsWhenTheTimeIsUp)
{
    CTessivueDisplay box = MakeBox();
    box.ShowText("hello", CTessivueDisplay::kNormalFont, 4.0f, false);
    for (int update = 0; update <= 210; update++)
    {
        const std::vector<float> opacities = DrawOpacities(box);
        ASSERT_EQ(opacities.size(), 5u);
        EXPECT_NEAR(opacities[0], 1.0f, 1e-5f) << update;
        box.Update(kStep);
    }
    for (int update = 211; update < 228; update++)
        box.Update(kStep);
    EXPECT_NEAR(DrawOpacities(box)[0], 0.4f, 1e-4f);
    for (int update = 228; update < 240; update++)
        box.Update(kStep);
    EXPECT_EQ(box.GetLineCount(), 1u);
    box.Update(kStep);
    EXPECT_EQ(box.GetLineCount(), 0u);
    EXPECT_EQ(box.GetTimeout(), 0.0f);
    EXPECT_TRUE(DrawOpacities(box).empty());
}

// Shown 0.75 s, fading 0.25 s, hidden 0.5 s: the picture and the first
// line blink, the second line stays.
TEST_F(TessivueDisplayTest, BlinkingTakesThePictureAndTheFirstLineOnly)
{
    CFrame picture;
    picture.Create(20, 20, 16);
    picture.Fill(ColorWhite);
    CTessivueDisplay box = MakeBox();
    box.SetPicture(&picture, 0.0f, true);
    box.AddText("game", CTessivueDisplay::kAlternateFont);
    box.AddText("over", CTessivueDisplay::kAlternateFont);
    ASSERT_EQ(box.GetLineCount(), 2u);
    for (int cycle = 0; cycle < 3; cycle++)
    {
        for (int draw = 1; draw <= 90; draw++)
        {
            SCOPED_TRACE(testing::Message() << "cycle " << cycle << " draw " << draw);
            const std::vector<float> opacities = DrawOpacities(box);
            ASSERT_EQ(opacities.size(), 9u);
            // Picture, then the first line's four letters, then the second's.
            for (int i = 1; i < 5; i++)
                EXPECT_EQ(opacities[i], opacities[0]);
            for (int i = 5; i < 9; i++)
                EXPECT_EQ(opacities[i], 1.0f);
            if (draw <= 45)
            {
                EXPECT_EQ(opacities[0], 1.0f);
            }
            if (draw == 48)
            {
                EXPECT_NEAR(opacities[0], 0.8f, 1e-4f);
            }
            if (draw >= 61)
            {
                EXPECT_EQ(opacities[0], 0.0f);
            }
            for (const char* name : {"Transparent Mask", "Normal", "Blend Black Bias"})
                EXPECT_EQ(NamedBlitType(name)->GetOpacity(), 1.0f) << name;
        }
    }
}

TEST_F(TessivueDisplayTest, LinesBeyondTenOrBeyondTheHeightAreDropped)
{
    CTessivueDisplay box = MakeBox();
    // Eleven words too wide to share a line; eleven lines of 11 fit 166.
    box.ShowText("aaaaaaaa bbbbbbbb cccccccc dddddddd eeeeeeee ffffffff gggggggg hhhhhhhh iiiiiiii jjjjjjjj kkkkkkkk",
                 CTessivueDisplay::kNormalFont, 0.0f, false);
    ASSERT_EQ(box.GetLineCount(), 10u);
    EXPECT_STREQ(box.GetLine(9).GetText(), "jjjjjjjj");
    EXPECT_EQ(box.GetTotalHeight(), 110u);
    box.AddBlankLine();
    EXPECT_EQ(box.GetLineCount(), 10u);

    // Four lines of 40 fill 160 of the 166: a fifth line of any font is
    // dropped.
    SetPointSize(m_Alternate, 40.0f);
    box.ShowText("aaaaaaaa bbbbbbbb cccccccc dddddddd eeeeeeee", CTessivueDisplay::kAlternateFont, 0.0f, false);
    EXPECT_EQ(box.GetLineCount(), 4u);
    box.AddText("x", CTessivueDisplay::kNormalFont);
    EXPECT_EQ(box.GetLineCount(), 4u);
    box.AddBlankLine();
    EXPECT_EQ(box.GetLineCount(), 4u);
}

TEST_F(TessivueDisplayTest, WrapsBetweenWordsAndTrimsEachLine)
{
    CTessivueDisplay box = MakeBox();
    box.ShowText("  one two three  four\r\n", CTessivueDisplay::kNormalFont, 0.0f, false);
    ASSERT_EQ(box.GetLineCount(), 2u);
    EXPECT_STREQ(box.GetLine(0).GetText(), "one two three");
    EXPECT_STREQ(box.GetLine(1).GetText(), "four");
    box.AddBlankLine();
    ASSERT_EQ(box.GetLineCount(), 3u);
    EXPECT_TRUE(box.GetLine(2).IsEmpty());
    EXPECT_EQ(box.GetLineFont(2), &m_Normal);
    EXPECT_EQ(box.GetTotalHeight(), 33u);
}

TEST_F(TessivueDisplayTest, BlanksAddNothing)
{
    CTessivueDisplay box = MakeBox();
    box.ShowText("", CTessivueDisplay::kNormalFont, 0.0f, false);
    box.AddText(" \t\r\n  ", CTessivueDisplay::kNormalFont);
    EXPECT_EQ(box.GetLineCount(), 0u);
    EXPECT_EQ(box.GetTotalHeight(), 0u);
}

TEST_F(TessivueDisplayTest, FontCodesChooseTheFont)
{
    const struct
    {
        int32_t code;
        CFont* font;
    } cases[] = {{0, &m_Normal}, {1, &m_Alternate}, {2, &m_Numbers}, {5, &m_Alternate}, {-1, &m_Alternate}};
    CTessivueDisplay box = MakeBox();
    for (const auto& c : cases)
    {
        box.ShowText("x", c.code, 0.0f, false);
        ASSERT_EQ(box.GetLineCount(), 1u);
        EXPECT_EQ(box.GetLineFont(0), c.font) << c.code;
    }
}

TEST_F(TessivueDisplayTest, ExtendTimeoutGivesAMessageWithoutTimeoutALife)
{
    CTessivueDisplay box = MakeBox();
    box.ShowText("x", CTessivueDisplay::kNormalFont, 0.0f, false);
    for (int update = 0; update < 1000; update++)
        box.Update(kStep);
    EXPECT_EQ(box.GetLineCount(), 1u);
    box.ExtendTimeout(4.0f);
    EXPECT_FLOAT_EQ(box.GetTimeout(), 4.0f);
    box.ExtendTimeout(1.0f);
    EXPECT_FLOAT_EQ(box.GetTimeout(), 4.0f);
    for (int update = 0; update < 241; update++)
        box.Update(kStep);
    EXPECT_EQ(box.GetLineCount(), 0u);
}

TEST_F(TessivueDisplayTest, ABoxNarrowerThanOneLetterTakesNoLineAndReturns)
{
    CTessivueDisplay box = MakeBox(4, 166);
    box.ShowText("hello world", CTessivueDisplay::kNormalFont, 0.0f, false);
    EXPECT_EQ(box.GetLineCount(), 0u);
}

TEST_F(TessivueDisplayTest, ATimeoutOfOneStepClears)
{
    CTessivueDisplay box = MakeBox();
    box.ShowText("x", CTessivueDisplay::kNormalFont, kStep, false);
    box.Update(kStep);
    EXPECT_EQ(box.GetLineCount(), 0u);
    EXPECT_EQ(box.GetTimeout(), 0.0f);
}

} // namespace

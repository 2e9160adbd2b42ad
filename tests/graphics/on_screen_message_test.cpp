#include <gtest/gtest.h>

#include <string>

#include "engine/blit/blit_type.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/on_screen_message.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/font_test_folder.h"
#include "tests/support/recording_frame.h"

namespace {

constexpr float kStep = 1.0f / 60.0f;

// Letters 10 wide in a font 12 high: a line of 20 letters is 200 wide, and
// a line 12 + 2 high.
class OnScreenMessageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        StoreBlockGlyphs(m_Font, 'a', 'z', 10, 12);
        StoreBlockGlyph(m_Font, ' ', 10, 12);
        StoreBlockGlyph(m_Font, 'A', 10, 12);
        m_Message.SetFont(&m_Font);
        m_Screen.bounds = CRect{0, 0, 800, 600};
    }

    const CRecordingFrame::Call* Find(CRecordingFrame::Kind kind) const
    {
        for (const CRecordingFrame::Call& call : m_Screen.calls)
            if (call.kind == kind)
                return &call;
        return nullptr;
    }

    CBlockFont m_Font{12};
    COnScreenMessage m_Message;
    CRecordingFrame m_Screen;
};

} // namespace

TEST_F(OnScreenMessageTest, LineIsCentredOnTheAreaInABox)
{
    m_Message.Show(std::string(20, 'a').c_str());
    // The area is unknown until the first draw, which places the text.
    EXPECT_TRUE(m_Message.GetText().IsEmpty());
    m_Message.Draw(m_Screen);
    const CRect& box = m_Message.GetBox();
    EXPECT_EQ(box.left, 300);
    EXPECT_EQ(box.right, 500);
    EXPECT_EQ((box.top + box.bottom) / 2, 300);
    EXPECT_EQ(box.bottom - box.top, 14);
    EXPECT_STREQ(m_Message.GetText().GetText(), std::string(20, 'a').c_str());

    const CRecordingFrame::Call* fill = Find(CRecordingFrame::FILL);
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->x0, 295);
    EXPECT_EQ(fill->y0, box.top - 5);
    EXPECT_EQ(fill->x1, 505);
    EXPECT_EQ(fill->y1, box.bottom + 5);
    EXPECT_EQ(fill->alpha, 128);
    // The first glyph starts at the box's left edge, centred text.
    EXPECT_EQ(Find(CRecordingFrame::BLIT)->x0, 300);
}

TEST_F(OnScreenMessageTest, ShowsForFourSecondsAndFadesOverTheLastHalf)
{
    m_Message.Show("hello", -1.0f, -1);
    int32_t steps = 0;
    while (m_Message.GetTimeLeft() > 0.0f)
    {
        m_Screen.calls.clear();
        m_Message.Draw(m_Screen);
        const float timeLeft = m_Message.GetTimeLeft();
        const float fade = timeLeft < 0.5f ? timeLeft / 0.5f : 1.0f;
        ASSERT_NE(Find(CRecordingFrame::FILL), nullptr) << steps;
        EXPECT_EQ(Find(CRecordingFrame::FILL)->alpha, static_cast<int32_t>(128 * fade)) << steps;
        EXPECT_FLOAT_EQ(Find(CRecordingFrame::BLIT)->opacity, fade) << steps;
        // The font's blit type is shared: it is back at full opacity.
        EXPECT_EQ(m_Font.GetBlitType()->GetOpacity(), 1.0f);
        m_Message.Update(kStep);
        steps++;
    }
    EXPECT_NEAR(steps, 240, 1);
    EXPECT_TRUE(m_Message.GetText().IsEmpty());
    m_Screen.calls.clear();
    m_Message.Draw(m_Screen);
    EXPECT_TRUE(m_Screen.calls.empty());
}

TEST_F(OnScreenMessageTest, BlankTextHidesTheMessage)
{
    m_Message.Show("hello", 10.0f, -1);
    m_Message.Show(" \t\r\n", 10.0f, -1);
    EXPECT_EQ(m_Message.GetTimeLeft(), 0.0f);
    m_Message.Draw(m_Screen);
    EXPECT_EQ(Find(CRecordingFrame::FILL), nullptr);
}

TEST_F(OnScreenMessageTest, WithoutAFontNothingIsShown)
{
    COnScreenMessage message;
    message.Show("hello", 3.0f, -1);
    EXPECT_EQ(message.GetTimeLeft(), 0.0f);
    message.Draw(m_Screen);
    EXPECT_TRUE(m_Screen.calls.empty());
}

TEST_F(OnScreenMessageTest, TextIsWrappedForTheAreaAndPlacedAtAGivenY)
{
    // 100 letters: 79 fit below 800, the rest go on a second line.
    m_Message.Show(std::string(100, 'a').c_str(), 2.0f, 100);
    m_Message.Draw(m_Screen);
    EXPECT_EQ(m_Message.GetText().CountLines(0), 2u);
    EXPECT_EQ(m_Message.GetBox().top, 100 - 28 / 2);
    EXPECT_EQ(m_Message.GetBox().right - m_Message.GetBox().left, 790);
}

TEST(OnScreenMessageClip, DrawsOnlyInsideTheClipRectangle)
{
    CBlockFont font(12);
    StoreBlockGlyphs(font, 'a', 'z', 10, 12);
    COnScreenMessage message;
    message.SetFont(&font);
    message.Show(std::string(70, 'a').c_str(), -1.0f, 5);
    message.SetClipRect(CRect{11, 10, 626, 600});
    // The first line is 610 wide in an area 615 wide: its box, 5 wider on
    // each side, and the top line near the area's top reach past the clip.
    EXPECT_LT(message.GetBox().left - 5, 11);
    EXPECT_LT(message.GetBox().top - 5, 10);

    CFrame screen;
    screen.Create(800, 600, 16);
    screen.Fill(ColorWhite);
    message.Draw(screen);
    int32_t changedInside = 0;
    for (int32_t y = 0; y < 600; y++)
    {
        for (int32_t x = 0; x < 800; x++)
        {
            const bool inside = x >= 11 && x < 626 && y >= 10 && y < 600;
            const uint32_t value = screen.GetPixelValue(x, y);
            if (!inside)
                ASSERT_EQ(value, 0xFFFFu) << x << "," << y;
            else
                changedInside += value != 0xFFFFu ? 1 : 0;
        }
    }
    EXPECT_GT(changedInside, 0);
}

class OnScreenMessageFontTest : public FontTestFolder
{
};

TEST_F(OnScreenMessageFontTest, FontIsBigWhiteFromTheFontLibrary)
{
    m_Folder.WriteFile("Data/Resources/Fonts/Another.FONT.TXT", "CFont\r\n{\r\n}\r\n");
    m_Folder.WriteFile("Data/Resources/Fonts/Big White.FONT.TXT", "CFont\r\n{\r\n\tPoint Size=30\r\n}\r\n");
    InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
    CFont* font = GetOnScreenMessage()->GetFont();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font, GetFontLibrary().FindFont("Big White"));
    EXPECT_EQ(font->GetPointSize(), 30);
    GetFontLibrary().DeleteAllItems();
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/graphics/color_table.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/palettes.h"
#include "engine/ui/bevel.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/grey_palette.h"
#include "tests/support/recording_frame.h"

namespace {

// "left,top,right,bottom colour alpha" of every fill, colour W or B.
std::vector<std::string> Fills(const CRecordingFrame& frame)
{
    std::vector<std::string> fills;
    for (const CRecordingFrame::Call& call : frame.calls)
    {
        const CRect& r = call.rect;
        std::string colour = call.fillColour.m_Red == 255 ? "W" : "B";
        fills.push_back(std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                        std::to_string(r.bottom) + " " + colour + std::to_string(call.alpha));
    }
    return fills;
}

class BevelTest : public ::testing::Test
{
protected:
    void SetUp() override { ResetToolkitState(); }
    void TearDown() override { ResetToolkitState(); }
};

} // namespace

TEST_F(BevelTest, LinesFollowTheRaisedStrongAndEdgeChoices)
{
    struct Case
    {
        const char* name;
        int32_t fontHeight;
        CRect rect;
        bool raised;
        int32_t edges;
        bool strong;
        std::vector<std::string> fills;
    };
    const Case cases[] = {
        {"raised",
         5,
         {0, 0, 20, 10},
         true,
         BEVEL_ALL_EDGES,
         false,
         {"0,0,20,1 W24", "0,0,1,10 W24", "19,1,20,9 B128", "1,9,20,10 B128"}},
        {"raised strong",
         5,
         {0, 0, 20, 10},
         true,
         BEVEL_ALL_EDGES,
         true,
         {"0,0,20,1 W48", "0,0,1,10 W48", "19,1,20,9 B160", "1,9,20,10 B160"}},
        {"sunken",
         9,
         {0, 0, 20, 10},
         false,
         BEVEL_ALL_EDGES,
         false,
         {"0,0,20,1 B128", "0,0,1,10 B128", "19,1,20,9 W24", "1,9,20,10 W24"}},
        {"sunken strong",
         5,
         {0, 0, 20, 10},
         false,
         BEVEL_ALL_EDGES,
         true,
         {"0,0,20,1 B160", "0,0,1,10 B160", "19,1,20,9 W48", "1,9,20,10 W48"}},
        {"three lines step in",
         15,
         {0, 0, 20, 10},
         true,
         BEVEL_ALL_EDGES,
         false,
         {"0,0,20,1 W24", "0,0,1,10 W24", "19,1,20,9 B128", "1,9,20,10 B128", "1,1,19,2 W24", "1,1,2,9 W24",
          "18,2,19,8 B128", "2,8,19,9 B128", "2,2,18,3 W24", "2,2,3,8 W24", "17,3,18,7 B128", "3,7,18,8 B128"}},
        {"top edge only", 10, {0, 0, 20, 10}, true, BEVEL_TOP, false, {"0,0,20,1 W24", "1,1,19,2 W24"}},
        {"stops below three pixels",
         25,
         {0, 0, 20, 10},
         true,
         BEVEL_TOP,
         false,
         {"0,0,20,1 W24", "1,1,19,2 W24", "2,2,18,3 W24", "3,3,17,4 W24"}},
        {"too narrow for any", 5, {0, 0, 2, 10}, true, BEVEL_ALL_EDGES, false, {}},
    };
    for (const Case& c : cases)
    {
        CBlockFont font(c.fontHeight);
        CRecordingFrame frame;
        CColor unused(1, 2, 3, 255);
        DrawBevel(&font, frame, c.rect, unused, unused, c.raised, c.edges, c.strong);
        EXPECT_EQ(Fills(frame), c.fills) << c.name;
    }
}

TEST_F(BevelTest, OnAnEightBitFrameTheLinesRemapThroughThePaletteOrChangeNothingWithoutOne)
{
    CColorTable savedPalette;
    savedPalette.CopyFrom(GetCurrentPalette());
    CBlockFont font(5);
    CColor unused(1, 2, 3, 255);

    // No palette: the bevel leaves every pixel alone.
    GetCurrentPalette().SetKind(CColorTable::EMPTY);
    CFrame plain;
    plain.Create(20, 10, 8);
    plain.FillBytes(3);
    DrawBevel(&font, plain, {0, 0, 20, 10}, unused, unused, true, BEVEL_ALL_EDGES, false);
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 20; ++x)
            ASSERT_EQ(ReadPixel(plain, x, y), 3u) << x << "," << y;
    GetCurrentPalette().CopyFrom(savedPalette);

    // A grey ramp: raised lines brighten the top and left (level 200) and
    // darken the right and bottom (level 80).
    ScopedGreyPalette grey;
    CColorTable& palette = GetCurrentPalette();
    CColorTable brighter;
    brighter.BuildLightnessRemap(palette, 200, 0, 256, 0, 256, 0);
    CColorTable darker;
    darker.BuildLightnessRemap(palette, 80, 0, 256, 0, 256, 0);
    CFrame frame;
    frame.Create(20, 10, 8);
    frame.FillBytes(100);
    DrawBevel(&font, frame, {0, 0, 20, 10}, unused, unused, true, BEVEL_ALL_EDGES, false);
    ASSERT_NE(brighter.GetData()[100], 100);
    ASSERT_NE(darker.GetData()[100], 100);
    EXPECT_EQ(ReadPixel(frame, 5, 0), brighter.GetData()[100]);
    EXPECT_EQ(ReadPixel(frame, 0, 5), brighter.GetData()[100]);
    EXPECT_EQ(ReadPixel(frame, 19, 5), darker.GetData()[100]);
    EXPECT_EQ(ReadPixel(frame, 5, 9), darker.GetData()[100]);
    EXPECT_EQ(ReadPixel(frame, 5, 5), 100u);
}

#include <gtest/gtest.h>

#include "engine/core/color/color.h"
#include "tests/support/recording_frame.h"

TEST(CFrameInterface, RectOutlineIsFourLinesInsideTheHalfOpenRectangle)
{
    CRecordingFrame frame;
    CColor white(255, 255, 255, 255);
    frame.DrawRectOutline(10, 20, 15, 23, white);
    const float expected[4][4] = {{10, 20, 14, 20}, {10, 22, 14, 22}, {10, 20, 10, 22}, {14, 20, 14, 22}};
    ASSERT_EQ(frame.calls.size(), 4u);
    for (size_t i = 0; i < 4; i++) {
        EXPECT_EQ(frame.calls[i].kind, CRecordingFrame::LINE) << i;
        EXPECT_EQ(frame.calls[i].x0, expected[i][0]) << i;
        EXPECT_EQ(frame.calls[i].y0, expected[i][1]) << i;
        EXPECT_EQ(frame.calls[i].x1, expected[i][2]) << i;
        EXPECT_EQ(frame.calls[i].y1, expected[i][3]) << i;
        EXPECT_EQ(frame.calls[i].colour, &white) << i;
    }
}

TEST(CColor, RgbaConstructorFillsEveryPixelForm)
{
    CColor colour(255, 128, 8, 200);
    EXPECT_EQ(colour.m_Red, 255);
    EXPECT_EQ(colour.m_Green, 128);
    EXPECT_EQ(colour.m_Blue, 8);
    EXPECT_EQ(colour.m_Alpha, 200);
    EXPECT_EQ(colour.m_Red24, 255);
    EXPECT_EQ(colour.m_Green24, 128);
    EXPECT_EQ(colour.m_Blue24, 8);
    // 31 << 11 | round(128 * 63 / 255) << 5 | round(8 * 31 / 255)
    EXPECT_EQ(colour.m_Rgb565, (31 << 11) | (32 << 5) | 1);
    EXPECT_EQ(colour.m_Flags, COLOR_SET_FROM_RGB);
    EXPECT_EQ(sizeof(CColor), 16u);
}

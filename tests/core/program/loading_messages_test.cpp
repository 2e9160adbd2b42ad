#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/core/program/loading_messages.h"
#include "engine/core/settings/option_switch.h"

// Every character is 10 pixels wide and lines are 12 pixels high.
class RecordingSurface : public CLoadingMessageSurface
{
public:
    void MeasureText(const char* text, int32_t* width, int32_t* height) override
    {
        *width = 10 * static_cast<int32_t>(std::strlen(text));
        *height = 12;
    }

    void FillBlack(int32_t x, int32_t y, int32_t width, int32_t height) override
    {
        calls.push_back("fill " + Position(x, y) + " " + std::to_string(width) + "x" + std::to_string(height));
    }

    void DrawText(int32_t x, int32_t y, const char* text) override { calls.push_back("text " + Position(x, y) + " " + text); }

    std::vector<std::string> calls;

private:
    static std::string Position(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }
};

class LoadingMessages : public testing::Test
{
protected:
    void TearDown() override { GetLoadingMessagesSwitch().SetValue(false); }

    RecordingSurface m_Surface;
    CLoadingMessageWriter m_Writer;
};

TEST_F(LoadingMessages, SwitchedOffNothingIsDrawn)
{
    m_Writer.SetSurface(&m_Surface);
    EXPECT_EQ(ShowLoadingMessage(m_Writer, "Loading Sounds", true, 0), 0);
    m_Writer.SetSize(800, 600);
    EXPECT_EQ(ShowLoadingMessage(m_Writer, "Loading Sounds", true, 0), 0);
    EXPECT_EQ(ShowLoadingMessage(GetLoadingMessageWriter(), "Loading Sounds", true, 0), 0);
    EXPECT_TRUE(m_Surface.calls.empty());
}

TEST_F(LoadingMessages, WrapsLongTextsAndStartsNewPages)
{
    GetLoadingMessagesSwitch().SetValue(true);
    m_Writer.SetSurface(&m_Surface);
    m_Writer.SetSize(100, 40);

    EXPECT_EQ(m_Writer.Show("abcdef", false, 0), 60);
    EXPECT_EQ(m_Writer.Show("ghij", false, 5), 40);  // 61 + 40 passes 100: next line
    EXPECT_EQ(m_Writer.Show("k", true, 0), 10);
    EXPECT_EQ(m_Writer.Show("l", true, 0), 10);      // 25 + 12 fits in 40, then 37 + 12 does not
    EXPECT_EQ(m_Writer.Show("m", false, 0), 10);

    std::vector<std::string> expected = {
        "fill 1,1 60x12", "text 1,1 abcdef",
        "fill 6,13 40x12", "text 6,13 ghij",
        "fill 46,13 10x12", "text 46,13 k",
        "fill 1,25 10x12", "text 1,25 l",
        "fill 0,0 100x40", "fill 1,1 280x12", "text 1,1 *** Press Alt-F4 to exit ***",
        "fill 1,13 10x12", "text 1,13 m",
    };
    EXPECT_EQ(m_Surface.calls, expected);
}

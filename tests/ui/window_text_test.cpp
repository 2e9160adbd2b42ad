#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>

#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/recording_frame.h"
#include "tests/support/window_test_tree.h"

namespace {

// A toolkit whose default font is 10 pixels high with every character 10
// wide, and one window 200 x 100 using it.
class WindowTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetToolkitState();
        StoreBlockGlyphs(m_Font, 32, 126, 10, 10);
        GetToolkitState().m_pDefaultFont = &m_Font;
        m_pWindow = new CJWindow(nullptr);
        m_pWindow->SetRect({0, 0, 200, 100});
    }

    void TearDown() override
    {
        m_pWindow->Destroy();
        GetBlitTransparentMask().SetOpacity(1.0f);
        GetBlitBlendBlackBias().SetOpacity(1.0f);
        ResetToolkitState();
    }

    std::vector<CRecordingFrame::Call> Calls(CRecordingFrame::Kind kind) const
    {
        std::vector<CRecordingFrame::Call> found;
        for (const CRecordingFrame::Call& call : m_Frame.calls)
            if (call.kind == kind)
                found.push_back(call);
        return found;
    }

    CBlockFont m_Font{10};
    CJWindow* m_pWindow = nullptr;
    CRecordingFrame m_Frame;
};

} // namespace

TEST_F(WindowTextTest, ArrowTextsSetTheirSixPixelsInTheHighlightColour)
{
    using Points = std::set<std::pair<int32_t, int32_t>>;
    const std::pair<const char*, Points> cases[] = {
        {"/\\", {{50, 38}, {50, 39}, {50, 40}, {50, 41}, {49, 39}, {51, 39}}},
        {"\\/", {{50, 38}, {50, 39}, {50, 40}, {50, 41}, {49, 40}, {51, 40}}},
    };
    for (const auto& [text, expected] : cases)
    {
        m_Frame.calls.clear();
        m_pWindow->SetText(text);
        m_pWindow->DrawText(m_Frame, 50, 40, 0);
        Points drawn;
        for (const CRecordingFrame::Call& call : m_Frame.calls)
        {
            ASSERT_EQ(call.kind, CRecordingFrame::PIXEL) << text;
            EXPECT_EQ(call.colour->m_Rgb565, m_pWindow->GetHighlightColor().m_Rgb565) << text;
            drawn.insert({static_cast<int32_t>(call.x0), static_cast<int32_t>(call.y0)});
        }
        EXPECT_EQ(m_Frame.calls.size(), 6u) << text;
        EXPECT_EQ(drawn, expected) << text;
    }
}

TEST_F(WindowTextTest, TheCrossIsTwoLines)
{
    m_pWindow->SetText("><");
    m_pWindow->DrawText(m_Frame, 50, 40, 0);
    auto lines = Calls(CRecordingFrame::LINE);
    ASSERT_EQ(m_Frame.calls.size(), 2u);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(std::make_tuple(lines[0].x0, lines[0].y0, lines[0].x1, lines[0].y1),
              std::make_tuple(47.f, 38.f, 51.f, 42.f));
    EXPECT_EQ(std::make_tuple(lines[1].x0, lines[1].y0, lines[1].x1, lines[1].y1),
              std::make_tuple(51.f, 38.f, 47.f, 42.f));
    EXPECT_EQ(lines[0].colour->m_Rgb565, m_pWindow->GetHighlightColor().m_Rgb565);
}

TEST_F(WindowTextTest, JustificationMovesTheTextStart)
{
    const std::pair<int32_t, float> cases[] = {{0, 100.f}, {1, 80.f}, {2, 60.f}};
    m_pWindow->SetText("ABCD");
    for (const auto& [justification, start] : cases)
    {
        m_Frame.calls.clear();
        m_pWindow->DrawText(m_Frame, 100, 20, justification);
        auto blits = Calls(CRecordingFrame::BLIT);
        ASSERT_EQ(blits.size(), 4u) << justification;
        EXPECT_EQ(blits.front().x0, start) << justification;
    }
}

TEST_F(WindowTextTest, TheHotkeyLetterIsUnderlinedBelowTheLine)
{
    m_pWindow->SetText("&Options");
    m_pWindow->DrawText(m_Frame, 10, 5, 0);
    auto fills = Calls(CRecordingFrame::FILL);
    ASSERT_EQ(fills.size(), 1u);
    int32_t top = 5 + m_Font.GetLineHeight() + m_pWindow->GetBevelWidth() / 2;
    EXPECT_EQ(RectText(fills[0].rect), RectText({11, top, 19, top + 1}));
    EXPECT_EQ(fills[0].alpha, 255);
    EXPECT_EQ(fills[0].fillColour.m_Rgb565, m_pWindow->GetHighlightColor().m_Rgb565);
    EXPECT_EQ(Calls(CRecordingFrame::BLIT).size(), 7u);
}

TEST_F(WindowTextTest, DisabledTextFadesTheSharedBlitTypesForItsDrawOnly)
{
    GetBlitTransparentMask().SetOpacity(0.7f);
    GetBlitBlendBlackBias().SetOpacity(0.9f);
    m_pWindow->SetEnabled(false);
    for (const char* text : {"&Options", ""})
    {
        m_Frame.calls.clear();
        m_pWindow->SetText(text);
        m_pWindow->DrawText(m_Frame, 10, 5, 0);
        EXPECT_TRUE(Calls(CRecordingFrame::FILL).empty()) << "no underline while faded";
        for (const CRecordingFrame::Call& blit : Calls(CRecordingFrame::BLIT))
            EXPECT_FLOAT_EQ(blit.opacity, 0.4f);
        EXPECT_FLOAT_EQ(GetBlitTransparentMask().GetOpacity(), 0.7f) << '"' << text << '"';
        EXPECT_FLOAT_EQ(GetBlitBlendBlackBias().GetOpacity(), 0.9f) << '"' << text << '"';
    }
}

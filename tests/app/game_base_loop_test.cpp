#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "engine/app/frame_time_average.h"
#include "engine/app/game_base.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/core/program/profiler.h"
#include "engine/core/settings/settings.h"
#include "engine/graphics/screen_frame.h"
#include "engine/platform/tick_counter.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/fake_display_device.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/scoped_temp_folder.h"

namespace {

int64_t s_Now = 0;

int64_t ManualClock()
{
    return s_Now;
}

int64_t Milliseconds(double ms)
{
    return static_cast<int64_t>(ms * 1000000.0);
}

// The loop's engine part without the engine's start-up: it counts what
// the loop asks of it.
class CCountingGame : public CGameBase
{
public:
    void Update(float step) override
    {
        steps.push_back(step);
        CGameBase::Update(step);
    }

    bool Draw() override
    {
        draws++;
        return CGameBase::Draw();
    }

    std::vector<float> steps;
    int draws = 0;
};

class GameLoopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s_Now = 1000000000000;
        m_Previous = SetNanosecondClock(ManualClock);
    }

    void TearDown() override
    {
        SetNanosecondClock(m_Previous);
        g_ProfilingEnabled = false;
    }

    NanosecondClock m_Previous = nullptr;
};

TEST_F(GameLoopTest, PassesTurnPendingTimeIntoFixedStepsAndOneDraw)
{
    const float step = 1.0f / 60.0f;
    struct Case
    {
        const char* what;
        int64_t elapsed;
        bool profiling;
        size_t updates;
        int draws;
        float carry;
    };
    const Case cases[] = {
        {"10 ms: nothing, all carried", Milliseconds(10), false, 0, 0, 0.010f},
        {"40 ms: two steps, one draw", Milliseconds(40), false, 2, 1, 0.040f - 2 * step},
        {"a 1 s stall: five steps, the rest dropped", Milliseconds(1000), false, 5, 1, 0.0f},
        {"exactly one step", FAKE_CLOCK_STEP_NANOSECONDS, false, 1, 1, 0.0f},
        {"profiling: one step whatever the clock", Milliseconds(1000), true, 1, 1, 0.0f},
        {"profiling: one step even with no time", 0, true, 1, 1, 0.0f},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CCountingGame game;
        game.RunFrame(); // the first pass only takes the counter reading
        game.steps.clear();
        game.draws = 0;
        g_ProfilingEnabled = c.profiling;
        s_Now += c.elapsed;
        game.RunFrame();
        g_ProfilingEnabled = false;
        EXPECT_EQ(game.steps.size(), c.updates);
        EXPECT_EQ(game.draws, c.draws);
        EXPECT_NEAR(game.GetCarry(), c.carry, 1e-6);
        for (float taken : game.steps)
            EXPECT_EQ(std::bit_cast<uint32_t>(taken), 0x3C888889u);
    }
}

TEST_F(GameLoopTest, CarriedTimeCompletesAStepInTheNextPass)
{
    CCountingGame game;
    game.RunFrame(); // from a last reading of 0: a stall of five steps
    EXPECT_EQ(game.steps.size(), 5u);
    game.steps.clear();
    game.draws = 0;
    s_Now += Milliseconds(10);
    game.RunFrame();
    s_Now += Milliseconds(10);
    game.RunFrame();
    ASSERT_EQ(game.steps.size(), 1u);
    EXPECT_EQ(game.draws, 1);
    EXPECT_NEAR(game.GetCarry(), 0.020f - 1.0f / 60.0f, 1e-6);
    EXPECT_NEAR(game.GetSimulatedTime(), 6.0 / 60.0, 1e-6);
}

TEST_F(GameLoopTest, MeterGivesTheRateOnTheThirtiethSampleAndZeroForAStoppedClock)
{
    CFrameTimeAverage meter;
    meter.Start();
    for (int i = 0; i < 29; i++)
    {
        s_Now += Milliseconds(20);
        EXPECT_EQ(meter.Sample(), 0.0f) << i;
    }
    s_Now += Milliseconds(20);
    EXPECT_NEAR(meter.Sample(), 50.0f, 1e-3);

    CFrameTimeAverage stopped;
    stopped.Start();
    for (int i = 0; i < 30; i++)
        EXPECT_EQ(stopped.Sample(), 0.0f) << i;
}

// Records its own end in a shared log; its last call may queue another.
class CLoggedDeletion : public CDeferredDeletion
{
public:
    CLoggedDeletion(std::string name, std::vector<std::string>& log, CGameBase* queueAnother = nullptr)
        : m_Name(std::move(name))
        , m_Log(log)
        , m_pQueueAnother(queueAnother)
    {
    }

    ~CLoggedDeletion() override { m_Log.push_back("delete " + m_Name); }

    void PrepareForDeletion() override
    {
        m_Log.push_back("prepare " + m_Name);
        if (m_pQueueAnother)
            m_pQueueAnother->DeferDelete(new CLoggedDeletion(m_Name + "'s child", m_Log));
    }

private:
    std::string m_Name;
    std::vector<std::string>& m_Log;
    CGameBase* m_pQueueAnother;
};

TEST_F(GameLoopTest, DeferredDeletionsRunInTheNextUpdateWithObjectsQueuedMeanwhile)
{
    std::vector<std::string> log;
    CCountingGame game;
    game.DeferDelete(new CLoggedDeletion("a", log, &game));
    game.DeferDelete(new CLoggedDeletion("b", log));
    EXPECT_TRUE(log.empty());
    game.Update(1.0f / 60.0f);
    EXPECT_EQ(log, (std::vector<std::string>{"prepare a", "delete a", "prepare b", "delete b", "prepare a's child",
                                             "delete a's child"}));
}

TEST_F(GameLoopTest, TheDestructorDeletesQueuedObjectsLastToFirstWithoutTheirLastCall)
{
    std::vector<std::string> log;
    {
        CCountingGame game;
        game.DeferDelete(new CLoggedDeletion("a", log, &game));
        game.DeferDelete(new CLoggedDeletion("b", log));
    }
    EXPECT_EQ(log, (std::vector<std::string>{"delete b", "delete a"}));
    EXPECT_TRUE(IsShuttingDown());
}

TEST_F(GameLoopTest, ActivationClearsTheKeyboardOnlyWhenTheStateChanges)
{
    CCountingGame game;
    CKeyboardState& keyboard = GetKeyboardState();
    keyboard.SetKeyDown(30);
    EXPECT_FALSE(game.SetAppActive(true)); // active since construction
    EXPECT_TRUE(keyboard.IsKeyDown(30));
    EXPECT_TRUE(game.SetAppActive(false));
    EXPECT_FALSE(keyboard.IsKeyDown(30));
    EXPECT_FALSE(game.IsAppActive());
    EXPECT_TRUE(game.SetAppActive(true));
}

// A game whose text font is the test's.
class CGameWithTextFont : public CGameBase
{
public:
    explicit CGameWithTextFont(CFont* font) { m_pTextFont = font; }
};

// At 10 draws a second (below the poor rate) on an 800 x 600 screen, with a
// font whose "X" is 8 wide and every other character 4: the box is twice
// as wide as the text, both centred at the top.
TEST_F(GameLoopTest, FpsLineShowsItsTextOnItsBoxOnceThirtyDrawsAreMeasured)
{
    ScopedTempFolder temp;
    const std::string previousSettings = GetGeneralSettings().GetFileName();
    GetGeneralSettings().SetFileName((temp.Path() + "Game.CFG").c_str());
    FakeDisplayDevice display;
    uint32_t width = 800;
    uint32_t height = 600;
    CScreenFrame& screen = *GetScreenFrame();
    ASSERT_TRUE(screen.SetScreenMode(width, height, 16, 16));
    CBlockFont font(10);
    StoreBlockGlyphs(font, ' ', '~', 4, 10);
    StoreBlockGlyph(font, 'X', 8, 10);
    const int32_t lineHeight = font.GetPointSize();

    // Every pixel of the line's rows, counted by colour.
    const auto countTopRows = [&](uint32_t& box, uint32_t& ink, uint32_t& other, int32_t& left, int32_t& right) {
        box = ink = other = 0;
        left = 800;
        right = -1;
        screen.LockBackBuffer();
        for (int32_t y = 0; y < lineHeight + 2; y++)
        {
            for (int32_t x = 0; x < 800; x++)
            {
                const uint32_t pixel = ReadPixel(screen, x, y);
                if (pixel == 0)
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
                if (pixel == 0xFFFF)
                    ink++;
                else if (pixel == 0xF800 || pixel == 0xFFE0)
                    box++;
                else
                    other++;
            }
        }
        screen.UnlockBackBuffer();
    };

    {
        CGameWithTextFont game(&font);
        game.SetDisplayFps(true);
        game.ResetFrameTimers();
        uint32_t box = 0, ink = 0, other = 0;
        int32_t left = 0, right = 0;
        for (int draw = 0; draw < 30; draw++)
        {
            s_Now += Milliseconds(100);
            game.Draw();
        }
        countTopRows(box, ink, other, left, right);
        EXPECT_EQ(box + ink + other, 0u) << "a line before the meters have read 30 draws";

        s_Now += Milliseconds(100);
        game.Draw();
        countTopRows(box, ink, other, left, right);
        // The box is 8 pixels a character, the text 4, ten rows high.
        const int32_t characters = (right - left + 1) / 8;
        EXPECT_GE(characters, 25);
        EXPECT_EQ(left + right, 799) << "not centred";
        EXPECT_EQ(box + ink, static_cast<uint32_t>(8 * characters * lineHeight));
        EXPECT_EQ(ink, static_cast<uint32_t>(4 * characters * 10));
        EXPECT_EQ(other, 0u);
    }
    screen.ReleaseDirectDraw();
    GetGeneralSettings().SetFileName(previousSettings.c_str());
}

TEST(FpsLine, BoxColourFollowsThePassRate)
{
    struct Case
    {
        float rate;
        uint32_t blink;
        FpsBoxColour colour;
    };
    const Case cases[] = {
        {45.0f, 0, {0, 0, 1}},  {30.0f, 0, {0, 0, 1}},  {25.0f, 0, {127, 0, 0}},
        {20.0f, 0, {255, 0, 0}}, {19.0f, 0, {255, 0, 0}}, {19.0f, 1, {255, 255, 0}},
    };
    for (const Case& c : cases)
    {
        const FpsBoxColour colour = GetFpsBoxColour(c.rate, 30.0f, 20.0f, c.blink);
        EXPECT_EQ(colour.red, c.colour.red) << c.rate;
        EXPECT_EQ(colour.green, c.colour.green) << c.rate;
        EXPECT_EQ(colour.blue, c.colour.blue) << c.rate;
    }
    EXPECT_FLOAT_EQ(GetProcessorSpeedFactor(6, 8, 3), 2.8195488f);
    EXPECT_FLOAT_EQ(GetProcessorSpeedFactor(15, 2, 9), 11.552631f);
    EXPECT_FLOAT_EQ(GetProcessorSpeedFactor(6, 8, 2), 1.0f);
}

} // namespace

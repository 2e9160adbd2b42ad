#include <gtest/gtest.h>

#include "engine/app/input/mouse_state.h"
#include "engine/app/input/system_pointer.h"

TEST(MouseWheel, WholeStepsAreTakenTowardZeroAndTheRestKept)
{
    CMouseState mouse;
    mouse.AddWheelSteps(-2.5f);
    EXPECT_EQ(mouse.TakeWheelSteps(), -2);
    EXPECT_FLOAT_EQ(mouse.GetPendingWheelSteps(), -0.5f);
    EXPECT_EQ(mouse.TakeWheelSteps(), 0);
    mouse.AddWheelSteps(-0.5f);
    EXPECT_EQ(mouse.TakeWheelSteps(), -1);
}

TEST(MouseButtons, DoubleClickIsTakenOnceClearingItsFlagAndDownBit)
{
    CMouseState mouse;
    mouse.SetButtonDown(CMouseState::RIGHT_BUTTON);
    mouse.SetDoubleClick(CMouseState::LEFT_BUTTON);
    EXPECT_EQ(mouse.GetButtonsDown(), CMouseState::LEFT_BUTTON | CMouseState::RIGHT_BUTTON);

    EXPECT_FALSE(mouse.TakeDoubleClick(CMouseState::RIGHT_BUTTON));
    EXPECT_TRUE(mouse.TakeDoubleClick(CMouseState::LEFT_BUTTON));
    EXPECT_EQ(mouse.GetButtonsDown(), CMouseState::RIGHT_BUTTON);
    EXPECT_FALSE(mouse.TakeDoubleClick(CMouseState::LEFT_BUTTON));
}

TEST(MouseButtons, ButtonsSetAndClearTheirOwnBits)
{
    CMouseState mouse;
    mouse.SetButtonDown(CMouseState::FIRST_EXTRA_BUTTON);
    mouse.SetButtonDown(CMouseState::SECOND_EXTRA_BUTTON);
    mouse.SetButtonUp(CMouseState::FIRST_EXTRA_BUTTON);
    EXPECT_EQ(mouse.GetButtonsDown(), CMouseState::SECOND_EXTRA_BUTTON);
}

TEST(MousePointer, ShowAndHideAnswerThePreviousVisibility)
{
    CMouseState mouse;
    EXPECT_FALSE(mouse.IsPointerVisible());
    EXPECT_FALSE(mouse.ShowPointer());
    EXPECT_TRUE(mouse.ShowPointer());
    EXPECT_TRUE(mouse.HidePointer());
    EXPECT_FALSE(mouse.SetPointerVisible(true));
    EXPECT_TRUE(mouse.SetPointerVisible(true));
    EXPECT_TRUE(mouse.IsPointerVisible());
}

TEST(MousePointer, PositionFromTheSystemIsKept)
{
    CMouseState mouse;
    mouse.SetPositionFromSystem(640, 17);
    int32_t x = 0;
    int32_t y = 0;
    mouse.GetPosition(x, y);
    EXPECT_EQ(x, 640);
    EXPECT_EQ(y, 17);
    // Without a window there is no system pointer to move; the state moves.
    mouse.SetPosition(3, 4);
    EXPECT_EQ(mouse.GetPosition().x, 3);
    EXPECT_EQ(mouse.GetPosition().y, 4);
}

struct PointerRuleCase
{
    bool visible;
    bool systemCursorWanted;
    bool hasSequence;
    bool arrowShows;
};

TEST(MousePointer, TheSystemArrowShowsByThePointerRule)
{
    const PointerRuleCase cases[] = {
        { true, true, true, true },
        { true, true, false, true },
        { true, false, true, false }, // the software cursor is drawn instead
        { true, false, false, true }, // nothing else to show
        { false, true, true, true },
        { false, true, false, true },
        { false, false, true, false },
        { false, false, false, false },
    };
    for (const PointerRuleCase& c : cases)
        EXPECT_EQ(ShouldShowSystemArrow(c.visible, c.systemCursorWanted, c.hasSequence), c.arrowShows)
            << "visible " << c.visible << " system " << c.systemCursorWanted << " sequence " << c.hasSequence;
}

struct AnimationCase
{
    const char* name;
    bool loop;
    bool reverse;
    int32_t twentieths; // steps of 1/20 s, half a frame each
    int32_t expectedFrame;
};

// A cursor of 4 frames at 10 frames per second.
TEST(CursorAnimation, RunsForwardOrBackWrappingOrStoppingAtTheEnd)
{
    const AnimationCase cases[] = {
        { "forward, not looping, stops on the last frame", false, false, 9, 3 },
        { "forward, looping, wraps to the first", true, false, 9, 0 },
        { "forward, partway", true, false, 5, 2 },
        { "reverse, looping, wraps to the last", true, true, 7, 3 },
        { "reverse, not looping, stops on the first", false, true, 7, 0 },
    };
    for (const AnimationCase& c : cases)
    {
        CCursorAnimation animation;
        animation.Start(4, c.loop, c.reverse);
        for (int32_t step = 0; step < c.twentieths; step++)
            animation.Advance(4, 10.0f, 0.05f);
        EXPECT_EQ(animation.GetFrameIndex(), c.expectedFrame) << c.name;
    }
}

TEST(CursorAnimation, ReverseStartsOnTheLastFrameAndForwardKeepsItsPlaceWithinTheNewSequence)
{
    CCursorAnimation animation;
    animation.Start(4, true, true);
    EXPECT_EQ(animation.GetFrameIndex(), 3);
    animation.Start(6, true, false);
    EXPECT_EQ(animation.GetFrameIndex(), 3);
    animation.Start(2, true, false);
    EXPECT_EQ(animation.GetFrameIndex(), 0);
}

TEST(CursorAnimation, OneFrameNeverMoves)
{
    CCursorAnimation animation;
    animation.Start(1, true, false);
    animation.Advance(1, 10.0f, 5.0f);
    EXPECT_FLOAT_EQ(animation.GetPosition(), 0.0f);
}

TEST(MouseWheel, AnAbsurdAmountIsTakenInBoundedSteps)
{
    CMouseState mouse;
    mouse.AddWheelSteps(3.0e30f);
    EXPECT_EQ(mouse.TakeWheelSteps(), 1000000000);
    mouse.AddWheelSteps(-6.0e30f);
    EXPECT_EQ(mouse.TakeWheelSteps(), -1000000000);
}

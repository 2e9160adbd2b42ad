#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/app/input/keyboard_state.h"

// Each test works on a keyboard of its own; the process-wide one belongs to
// the pump.

TEST(KeyboardRing, TenCodesPutWithoutReadingKeepTheLastNine)
{
    CKeyboardState keyboard;
    for (int32_t code = 1; code <= 10; code++)
        keyboard.PutTypedChar(code);
    std::vector<int32_t> read;
    for (int32_t i = 0; i < 10; i++)
        read.push_back(keyboard.GetTypedChar());
    EXPECT_EQ(read, (std::vector<int32_t>{ 2, 3, 4, 5, 6, 7, 8, 9, 10, 0 }));
}

TEST(KeyboardRing, CodeZeroIsIgnored)
{
    CKeyboardState keyboard;
    keyboard.PutTypedChar(0);
    keyboard.PutTypedChar(65);
    EXPECT_EQ(keyboard.GetTypedChar(), 65);
    EXPECT_EQ(keyboard.GetTypedChar(), 0);
}

struct ListenerLog
{
    std::vector<std::string> calls;
};

static bool ConsumeEscape(void* context, int32_t code)
{
    static_cast<ListenerLog*>(context)->calls.push_back("consumer " + std::to_string(code));
    return code == 27;
}

static bool Watch(void* context, int32_t code)
{
    static_cast<ListenerLog*>(context)->calls.push_back("watcher " + std::to_string(code));
    return false;
}

TEST(KeyboardRing, ConsumingListenerKeepsACodeOutOfTheRingAndFromLaterListeners)
{
    CKeyboardState keyboard;
    ListenerLog log;
    EXPECT_EQ(keyboard.AddCharacterListener(ConsumeEscape, &log), &log);
    keyboard.AddCharacterListener(Watch, &log);

    keyboard.PutTypedChar(27);
    keyboard.PutTypedChar(13);
    EXPECT_EQ(log.calls, (std::vector<std::string>{ "consumer 27", "consumer 13", "watcher 13" }));
    EXPECT_EQ(keyboard.GetTypedChar(), 13);
    EXPECT_EQ(keyboard.GetTypedChar(), 0);
}

TEST(KeyboardRing, RemovedListenerIsNoLongerAsked)
{
    CKeyboardState keyboard;
    ListenerLog log;
    keyboard.AddCharacterListener(ConsumeEscape, &log);
    keyboard.RemoveCharacterListener(ConsumeEscape, &log);
    keyboard.PutTypedChar(27);
    EXPECT_TRUE(log.calls.empty());
    EXPECT_EQ(keyboard.GetTypedChar(), 27);
}

TEST(KeyboardKeys, TakeKeyAfterPressAndReleaseAnswersOnceAndAHeldKeyEveryTime)
{
    CKeyboardState keyboard;
    keyboard.SetKeyDown(57);
    keyboard.SetKeyUp(57);
    EXPECT_FALSE(keyboard.IsKeyDown(57));
    EXPECT_TRUE(keyboard.TakeKey(57));
    EXPECT_FALSE(keyboard.TakeKey(57));

    keyboard.SetKeyDown(30);
    EXPECT_TRUE(keyboard.TakeKey(30));
    EXPECT_TRUE(keyboard.TakeKey(30));
}

TEST(KeyboardKeys, ScanCodeZeroCountsAsDownAndCodesOutsideTheKeysAreIgnored)
{
    CKeyboardState keyboard;
    EXPECT_TRUE(keyboard.IsKeyDown(0));
    keyboard.SetKeyDown(512);
    keyboard.SetKeyDown(-1);
    EXPECT_FALSE(keyboard.IsKeyDown(512));
    EXPECT_FALSE(keyboard.TakeKey(512));
    EXPECT_EQ(keyboard.TakeAnyKey(), 0);
}

TEST(KeyboardKeys, TakeAnyKeyAnswersTheLowestDownOrPressedKey)
{
    CKeyboardState keyboard;
    keyboard.SetKeyDown(339);
    keyboard.SetKeyDown(42);
    keyboard.SetKeyUp(42);
    EXPECT_EQ(keyboard.TakeAnyKey(), 42);
    EXPECT_EQ(keyboard.TakeAnyKey(), 339);
    // Still held: it keeps answering.
    EXPECT_EQ(keyboard.TakeAnyKey(), 339);
}

TEST(KeyboardKeys, TakeAnyPressedKeySkipsKeysOnlyHeld)
{
    CKeyboardState keyboard;
    keyboard.SetKeyDown(20);
    EXPECT_EQ(keyboard.TakeAnyPressedKey(), 20);
    EXPECT_EQ(keyboard.TakeAnyPressedKey(), 0);
    EXPECT_TRUE(keyboard.IsKeyDown(20));
}

TEST(KeyboardKeys, TakeAnyPressedKeyExceptPassesOverTheGivenKeyClearingIt)
{
    CKeyboardState keyboard;
    keyboard.SetKeyDown(10);
    keyboard.SetKeyDown(30);
    keyboard.SetKeyDown(40);
    EXPECT_EQ(keyboard.TakeAnyPressedKeyExcept(30), 10);
    EXPECT_EQ(keyboard.TakeAnyPressedKeyExcept(30), 40);
    EXPECT_EQ(keyboard.TakeAnyPressedKeyExcept(30), 0);
    // 30's pressed bit went on the way to 40; its down bit stays.
    EXPECT_EQ(keyboard.TakeAnyPressedKey(), 0);
    EXPECT_TRUE(keyboard.IsKeyDown(30));
}

TEST(KeyboardKeys, ClearAllEmptiesBitsAndRing)
{
    CKeyboardState keyboard;
    keyboard.SetKeyDown(29);
    keyboard.SetKeyDown(285);
    keyboard.SetKeyUp(285);
    keyboard.PutTypedChar(3);
    keyboard.ClearAll(true);
    EXPECT_FALSE(keyboard.IsKeyDown(29));
    EXPECT_EQ(keyboard.TakeAnyKey(), 0);
    EXPECT_EQ(keyboard.GetTypedChar(), 0);
}

TEST(KeyboardKeys, ClearPressedAndDownBitsClearOnlyTheirOwnBit)
{
    CKeyboardState keyboard;
    keyboard.SetKeyDown(50);
    keyboard.ClearPressedBits(true);
    EXPECT_TRUE(keyboard.IsKeyDown(50));
    EXPECT_EQ(keyboard.TakeAnyPressedKey(), 0);

    keyboard.SetKeyDown(51);
    keyboard.ClearDownBits(true);
    EXPECT_FALSE(keyboard.IsKeyDown(51));
    EXPECT_EQ(keyboard.TakeAnyPressedKey(), 51);
}

TEST(KeyboardKeys, BlockedInputAnswersNothingAndKeepsTheBits)
{
    CKeyboardState keyboard;
    keyboard.SetKeyDown(10);
    keyboard.SetKeyDown(20);
    keyboard.SetKeyUp(20);

    keyboard.SetInputBlocked(true);
    EXPECT_FALSE(keyboard.TakeKey(10));
    EXPECT_EQ(keyboard.TakeAnyKey(), 0);
    EXPECT_EQ(keyboard.TakeAnyPressedKey(), 0);
    EXPECT_EQ(keyboard.TakeAnyPressedKeyExcept(10), 0);
    EXPECT_TRUE(keyboard.IsKeyDown(10));

    keyboard.SetInputBlocked(false);
    EXPECT_EQ(keyboard.TakeAnyPressedKeyExcept(10), 20);
    EXPECT_TRUE(keyboard.TakeKey(10));
}

TEST(KeyboardKeys, KeyNamesComeFromTheKeyboardOrSayThereIsNone)
{
    CKeyboardState keyboard;
    EXPECT_STREQ(keyboard.GetKeyName(57).GetText(), "Space");
    EXPECT_STREQ(keyboard.GetKeyName(285).GetText(), "Right Ctrl");
    EXPECT_STREQ(keyboard.GetKeyName(339).GetText(), "Delete");
    EXPECT_STREQ(keyboard.GetKeyName(500).GetText(), "No Key Mapping");
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/typed_word_triggers.h"

// The triggers listen to the process-wide keyboard, so characters are typed
// there, the way the pump delivers them.

namespace {

std::vector<std::string> g_Fired;

void FireFirst()
{
    g_Fired.push_back("first");
}

void FireSecond()
{
    g_Fired.push_back("second");
}

void Type(const char* text)
{
    for (const char* at = text; *at; at++)
        GetKeyboardState().PutTypedChar(static_cast<unsigned char>(*at));
}

class TypedWords : public testing::Test
{
protected:
    void SetUp() override
    {
        g_Fired.clear();
        GetKeyboardState().ClearTypedQueue(true);
    }
};

} // namespace

TEST_F(TypedWords, NothingFiresBeforeEnable)
{
    CTypedWordTriggers triggers;
    triggers.Add("ab", FireFirst);
    Type("ab");
    EXPECT_TRUE(g_Fired.empty());
    triggers.Enable();
    Type("ab");
    EXPECT_EQ(g_Fired, (std::vector<std::string>{ "first" }));
}

TEST_F(TypedWords, LettersMustArriveOneAfterAnotherInEitherCase)
{
    CTypedWordTriggers triggers;
    triggers.Add("ab", FireFirst);
    triggers.Enable();
    // The second "a" sends the word back to its start and is not tried
    // against the first letter again.
    Type("aab");
    EXPECT_TRUE(g_Fired.empty());
    Type("xAB");
    EXPECT_EQ(g_Fired, (std::vector<std::string>{ "first" }));
}

TEST_F(TypedWords, TheWordsLeaveEveryCharacterInTheRing)
{
    CTypedWordTriggers triggers;
    triggers.Add("ab", FireFirst);
    triggers.Enable();
    Type("ab");
    EXPECT_EQ(GetKeyboardState().GetTypedChar(), 'a');
    EXPECT_EQ(GetKeyboardState().GetTypedChar(), 'b');
}

TEST_F(TypedWords, DisabledWordsKeepTheirProgress)
{
    CTypedWordTriggers triggers;
    triggers.Add("ab", FireFirst);
    triggers.Enable();
    Type("a");
    triggers.Disable();
    Type("b");
    EXPECT_TRUE(g_Fired.empty());
    triggers.Enable();
    Type("b");
    EXPECT_EQ(g_Fired, (std::vector<std::string>{ "first" }));
}

TEST_F(TypedWords, TheNewestWordIsTestedFirstAndOneCharacterAdvancesSeveral)
{
    CTypedWordTriggers triggers;
    triggers.Add("xb", FireFirst);
    triggers.Add("b", FireSecond);
    triggers.Enable();
    Type("xb");
    EXPECT_EQ(g_Fired, (std::vector<std::string>{ "second", "first" }));
}

TEST_F(TypedWords, ATriggersObjectThatIsGoneNoLongerListens)
{
    {
        CTypedWordTriggers triggers;
        triggers.Add("ab", FireFirst);
        triggers.Enable();
    }
    Type("ab");
    EXPECT_TRUE(g_Fired.empty());
}

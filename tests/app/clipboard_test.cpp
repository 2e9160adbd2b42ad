#include <gtest/gtest.h>

#include <cstring>

#include "engine/app/clipboard.h"
#include "tests/support/sdl_input_events.h"

namespace {

class ClipboardTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_Video.IsRunning()); }

    CScopedSdlEvents m_Video; // the system clipboard lives in the video system
};

TEST_F(ClipboardTest, NarrowTextGoesAsTextWithItsTerminator)
{
    GetClipboard().SetText(CString("abc"));
    uint32_t size = 0;
    uint8_t* block = GetClipboardData("Text", &size);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::memcmp(block, "abc", 4), 0);
    delete[] block;
}

TEST_F(ClipboardTest, WideTextGoesAsUnicodeTextAndComesBackNarrowWhenItFits)
{
    CString text(u"caf\u00E9");
    ASSERT_TRUE(text.IsWide());
    GetClipboard().SetText(text);
    uint32_t size = 0;
    const uint8_t* wide = GetClipboard().GetData("UnicodeText", &size);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(size, 10u); // four characters and the terminator

    CString pasted("unchanged");
    ASSERT_TRUE(GetClipboard().GetText(pasted));
    EXPECT_FALSE(pasted.IsWide());
    EXPECT_STREQ(pasted.GetText(), "caf\xE9");

    GetClipboard().SetText(CString(u"\u03A9mega"));
    ASSERT_TRUE(GetClipboard().GetText(pasted));
    EXPECT_TRUE(pasted.IsWide());
    EXPECT_EQ(pasted.GetAt(0), u'\u03A9');
    EXPECT_EQ(pasted.GetLength(), 5u);
}

TEST_F(ClipboardTest, NeitherTextFormatAnswersFalseAndLeavesTheString)
{
    const uint8_t object[] = {1, 2, 3};
    GetClipboard().SetData("Vantrell Objects", object, sizeof object); // a private set empties the text
    CString text("kept");
    EXPECT_FALSE(GetClipboard().GetText(text));
    EXPECT_STREQ(text.GetText(), "kept");
}

TEST_F(ClipboardTest, PrivateBlocksLiveUntilTheNextFetchAndAnySetReplacesThem)
{
    const uint8_t first[] = {1, 2, 3};
    GetClipboard().SetData("Objects", first, sizeof first);
    uint32_t size = 0;
    const uint8_t* block = GetClipboard().GetData("objects", &size); // names ignore case
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(block[2], 3);
    // The second fetch frees the first block (the sanitizers would see a leak).
    ASSERT_NE(GetClipboard().GetData("Objects", &size), nullptr);

    GetClipboard().SetText(CString("text now"));
    EXPECT_EQ(GetClipboard().GetData("Objects", &size), nullptr);

    // Another program's copy replaces them too.
    GetClipboard().SetData("Objects", first, sizeof first);
    SDL_SetClipboardText("copied elsewhere");
    EXPECT_EQ(GetClipboard().GetData("Objects", &size), nullptr);
}

TEST_F(ClipboardTest, AnUnterminatedWideBlockIsReadOnlyToItsSize)
{
    // Five bytes: two whole characters and half of a third, no terminator.
    const uint8_t block[] = {'h', 0, 'i', 0, '!'};
    SetClipboardData("UnicodeText", block, sizeof block);
    CString text;
    ASSERT_TRUE(GetClipboard().GetText(text));
    EXPECT_STREQ(text.GetText(), "hi");
}

} // namespace

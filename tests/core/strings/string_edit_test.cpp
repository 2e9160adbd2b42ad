#include <gtest/gtest.h>

#include <string>

#include "engine/core/strings/ref_string.h"

TEST(CStringEdit, InsertDeleteAndReplaceRange)
{
    CString text("ace");
    text.Insert(1, 'b');
    EXPECT_STREQ(text.GetText(), "abce");
    text.Insert(10, 'f');
    EXPECT_STREQ(text.GetText(), "abcef");
    text.Delete(3, 1);
    EXPECT_STREQ(text.GetText(), "abcf");
    text.Delete(2, 100);
    EXPECT_STREQ(text.GetText(), "ab");
    text.Delete(0, 0);
    EXPECT_STREQ(text.GetText(), "ab");
    text.ReplaceRange(1, 1, CString("xyz"));
    EXPECT_STREQ(text.GetText(), "axyz");
    text.ReplaceRange(0, 0, CString(u"\u4E2D"));
    EXPECT_TRUE(text.IsWide());
    EXPECT_EQ(std::u16string(text.GetWideText()), u"\u4E2Daxyz");
}

TEST(CStringEdit, ReplaceFirstFromAStart)
{
    CString text("one two one");
    EXPECT_TRUE(text.ReplaceFirst("one", "1", 1));
    EXPECT_STREQ(text.GetText(), "one two 1");
    EXPECT_FALSE(text.ReplaceFirst("three", "3"));
    EXPECT_STREQ(text.GetText(), "one two 1");
}

TEST(CStringEdit, ReplaceAllContinuesAfterEachReplacement)
{
    CString text("aaa");
    EXPECT_EQ(text.ReplaceAll("a", "aa"), 3u);
    EXPECT_STREQ(text.GetText(), "aaaaaa");

    CString removed("a-b-c");
    EXPECT_EQ(removed.ReplaceAll("-", ""), 2u);
    EXPECT_STREQ(removed.GetText(), "abc");

    CString fromStart("x.x.x");
    EXPECT_EQ(fromStart.ReplaceAll("x", "y", 1), 2u);
    EXPECT_STREQ(fromStart.GetText(), "x.y.y");
}

TEST(CStringEdit, ReplaceAllWithAnEmptyNeedleChangesNothing)
{
    CString text("abc");
    EXPECT_EQ(text.ReplaceAll("", "x"), 0u);
    EXPECT_EQ(text.ReplaceAllNoCase("", 5), 0u);
    EXPECT_STREQ(text.GetText(), "abc");
}

TEST(CStringEdit, ReplaceAllNoCaseFillsNamedTokens)
{
    CString text("%d[MostRings] rings, best %D[mostrings]");
    EXPECT_EQ(text.ReplaceAllNoCase("%d[MostRings]", 12), 2u);
    EXPECT_STREQ(text.GetText(), "12 rings, best 12");

    CString negative("%d[x]");
    negative.ReplaceAllNoCase("%d[x]", -7);
    EXPECT_STREQ(negative.GetText(), "-7");
}

TEST(CStringEdit, ReplaceCharKeepOnlyAndCase)
{
    CString text("a\\b\\c");
    text.ReplaceChar('\\', '/');
    EXPECT_STREQ(text.GetText(), "a/b/c");

    CString digits("1a2-b3 ");
    digits.KeepOnly("0123456789");
    EXPECT_STREQ(digits.GetText(), "123");

    CString mixed("Mixed Case 1\xE9");
    mixed.MakeUpper();
    EXPECT_STREQ(mixed.GetText(), "MIXED CASE 1\xE9");
    mixed.MakeLower();
    EXPECT_STREQ(mixed.GetText(), "mixed case 1\xE9");
}

TEST(CStringEdit, TrimRemovesBlanksOnEachSide)
{
    CString text(" \t\r\nabc d \r\n");
    text.TrimLeft();
    EXPECT_STREQ(text.GetText(), "abc d \r\n");
    text.TrimRight();
    EXPECT_STREQ(text.GetText(), "abc d");

    CString blank(" \t ");
    blank.TrimRight();
    EXPECT_TRUE(blank.IsEmpty());
    CString alsoBlank(" \t ");
    alsoBlank.TrimLeft();
    EXPECT_TRUE(alsoBlank.IsEmpty());
}

TEST(CStringEdit, TrimOfASharedStringLeavesTheCopy)
{
    CString text("abc  ");
    CString copy(text);
    text.TrimRight();
    EXPECT_STREQ(text.GetText(), "abc");
    EXPECT_STREQ(copy.GetText(), "abc  ");
}

TEST(CStringEdit, PrefixAndSuffixIgnoreCase)
{
    CString name("notes.txt");
    EXPECT_TRUE(name.RemoveSuffix(".TXT"));
    EXPECT_STREQ(name.GetText(), "notes");
    EXPECT_FALSE(name.RemoveSuffix(""));
    EXPECT_FALSE(name.RemoveSuffix("longer than notes"));
    EXPECT_FALSE(name.RemoveSuffix(".txt"));
    EXPECT_STREQ(name.GetText(), "notes");

    CString path("DATA/Sounds/Hit.wav");
    path.RemovePrefix("data/");
    EXPECT_STREQ(path.GetText(), "Sounds/Hit.wav");
    path.RemovePrefix("Music/");
    EXPECT_STREQ(path.GetText(), "Sounds/Hit.wav");
    path.RemovePrefix("");
    EXPECT_STREQ(path.GetText(), "Sounds/Hit.wav");
}

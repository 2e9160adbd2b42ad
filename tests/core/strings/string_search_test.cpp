#include <gtest/gtest.h>

#include "engine/core/strings/ref_string.h"

namespace {

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

CString Make(const char* narrow, bool wide)
{
    CString text(narrow);
    if (wide)
        text.MakeWide();
    return text;
}

} // namespace

TEST(CStringCompare, EmptyRulesAndWidthDependentOrdering)
{
    struct Case {
        const char* left;
        const char* right;
        bool wide;
        int compare;
        int compareNoCase;
    };
    const Case cases[] = {
        {"", "", false, 0, 0},
        {"", "a", false, -1, -1},
        {"a", "", false, 1, 1},
        {"", "", true, 0, 0},
        {"", "a", true, -1, -1},
        {"a", "", true, 1, 1},
        // Between 8-bit texts '_' sorts before the letters, both ways.
        {"_", "a", false, -1, -1},
        {"_", "A", false, 1, -1},
        // With a 16-bit text the answer is a difference and letters fold to
        // upper case, so '_' sorts after them when case is ignored.
        {"_", "a", true, '_' - 'a', '_' - 'A'},
        {"b", "a", false, 1, 1},
        {"ABC", "abd", false, -1, -1},
        {"abc", "ABC", false, 1, 0},
        {"ab", "abc", true, -'c', -'C'},
        {"\xE9", "e", false, 1, 1},
    };
    for (const Case& c : cases) {
        CString left = Make(c.left, c.wide);
        CString right = Make(c.right, c.wide);
        EXPECT_EQ(left.Compare(right), c.compare) << c.left << " vs " << c.right << (c.wide ? " wide" : "");
        EXPECT_EQ(left.CompareNoCase(right), c.compareNoCase) << c.left << " vs " << c.right << (c.wide ? " wide" : "");
        if (!c.wide) {
            EXPECT_EQ(left.Compare(c.right), c.compare);
            EXPECT_EQ(left.CompareNoCase(c.right), c.compareNoCase);
        }
    }
}

TEST(CStringCompare, OneWideSideComparesByDifference)
{
    CString wide(u"a");
    EXPECT_EQ(wide.Compare("c"), 'a' - 'c');
    EXPECT_EQ(CString("c").Compare(wide), 'c' - 'a');
    EXPECT_EQ(CString("abc").Compare(CString(u"abc")), 0);
}

TEST(CStringCompare, NullCStringCountsAsEmpty)
{
    EXPECT_EQ(CString().Compare(static_cast<const char*>(nullptr)), 0);
    EXPECT_EQ(CString("a").CompareNoCase(static_cast<const char*>(nullptr)), 1);
}

TEST(CStringCompare, CountedComparisonsLookAtTheFirstCharactersOnly)
{
    CString text("abcX");
    EXPECT_EQ(text.CompareN("abcY", 3), 0);
    EXPECT_EQ(Sign(text.CompareN("abcY", 4)), -1);
    EXPECT_EQ(text.CompareN("abd", 3), 'c' - 'd');
    EXPECT_EQ(text.CompareNoCaseN("ABCy", 3), 0);
    EXPECT_EQ(text.CompareNoCaseN("ABCy", 4), 'X' - 'Y');
    EXPECT_EQ(text.CompareNoCaseN("zzz", 0), 0);
    EXPECT_EQ(CString().CompareNoCaseN("a", 0), 0);
    // The empty rules come before the count.
    EXPECT_EQ(CString().CompareN("a", 0), -1);
    EXPECT_EQ(CString("ab").CompareN("abc", 5), -'c');
}

TEST(CStringFind, FindCharInBothDirections)
{
    CString text("banana");
    EXPECT_EQ(text.FindChar('a', 6, true), -1);
    EXPECT_EQ(text.FindChar('a', 6, false), -1);
    EXPECT_EQ(text.FindChar('a', 5, false), 5);
    EXPECT_EQ(text.FindChar('n', 5, false), 4);
    EXPECT_EQ(text.FindChar('a', 2, true), 3);
    EXPECT_EQ(text.FindChar('b', 1, true), -1);
    EXPECT_EQ(text.FindChar('b', 0, false), 0);
    EXPECT_EQ(CString().FindChar('a', 0, true), -1);
}

TEST(CStringFind, FindTextWithAndWithoutCase)
{
    CString text("Hello World");
    EXPECT_EQ(text.Find("World"), 6);
    EXPECT_EQ(text.Find("world"), -1);
    EXPECT_EQ(text.FindNoCase("WORLD"), 6);
    EXPECT_EQ(text.Find("o", 5), 7);
    EXPECT_EQ(text.Find("o", 11), -1);
    EXPECT_EQ(text.Find("", 3), 3);
    EXPECT_EQ(text.Find("Worlds"), -1);
    EXPECT_EQ(CString().Find(""), -1);
}

TEST(CStringFind, CharactersMatchByValueAcrossWidths)
{
    CString wide(u"x\u4E2Dab");
    EXPECT_EQ(wide.Find("ab"), 2);
    EXPECT_EQ(wide.FindNoCase("AB"), 2);
    EXPECT_EQ(wide.Find(CString(u"\u4E2D")), 1);
    EXPECT_EQ(CString("xyab").Find(CString(u"ab")), 2);
    EXPECT_EQ(wide.FindChar(u'\u4E2D', 0, true), 1);
}

TEST(CStringFind, CountLinesCountsLineFeedsPlusOne)
{
    EXPECT_EQ(CString().CountLines(), 1u);
    EXPECT_EQ(CString("a\nb").CountLines(), 2u);
    EXPECT_EQ(CString("a\nb\n").CountLines(), 3u);
    EXPECT_EQ(CString("a\nb\nc").CountLines(2), 2u);
    EXPECT_EQ(CString("a\nb").CountLines(10), 1u);
}

TEST(CStringFind, BlankMeansOnlyTabsSpacesAndLineEnds)
{
    EXPECT_TRUE(CString().IsBlank());
    EXPECT_TRUE(CString(" \t\r\n").IsBlank());
    EXPECT_FALSE(CString(" x ").IsBlank());
    EXPECT_FALSE(CString("\v").IsBlank());
}

#include <gtest/gtest.h>

#include "engine/graphics/slides/text_substitution_list.h"

TEST(TextSubstitutionList, IntegersAreGroupedAndEveryOccurrenceReplaced)
{
    TextSubstitutionList list;
    list.Add("%s[score]", 1234567);
    EXPECT_STREQ(list.Apply("Score: %s[score] (%s[score])").GetText(), "Score: 1,234,567 (1,234,567)");
    EXPECT_STREQ(list.Apply("no tokens").GetText(), "no tokens");
}

TEST(TextSubstitutionList, PairsApplyInTheOrderTheyWereAdded)
{
    TextSubstitutionList list;
    // The first value holds the second key, which is replaced in turn; the
    // other way round it would stay.
    list.Add("%s[greeting]", CString("Hello %s[playerName]"));
    list.Add("%s[playerName]", CString("Ada"));
    list.Add("%s[level]", -1000);
    EXPECT_STREQ(list.Apply("%s[greeting]! %s[level]").GetText(), "Hello Ada! -1,000");

    TextSubstitutionList reversed;
    reversed.Add("%s[playerName]", CString("Ada"));
    reversed.Add("%s[greeting]", CString("Hello %s[playerName]"));
    EXPECT_STREQ(reversed.Apply("%s[greeting]").GetText(), "Hello %s[playerName]");
}

TEST(TextSubstitutionList, GrowsPastAnyStartingCapacity)
{
    TextSubstitutionList list;
    CString text;
    for (int32_t i = 0; i < 40; i++)
    {
        CString key;
        key.Format("<%d>", i);
        list.Add(key, i);
        text += key;
    }
    EXPECT_EQ(list.GetCount(), 40u);
    EXPECT_STREQ(list.Apply("<0><39>").GetText(), "039");
}

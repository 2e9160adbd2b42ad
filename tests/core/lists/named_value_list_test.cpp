#include <gtest/gtest.h>

#include <memory>

#include "engine/core/lists/named_value_list.h"

static void Fill(CNamedValueList& list)
{
    list.Add("Off", 0);
    list.Add(CString("Low"), 10);
    list.Add("Tables/High", 20);
    list.Add("low", 30);
}

TEST(NamedValueList, AddsInOrderWithNewEntryDefaults)
{
    CNamedValueList list;
    EXPECT_EQ(list.Add("Off", 0), 0);
    EXPECT_EQ(list.Add("Off", 5), 1) << "duplicates are allowed";
    EXPECT_EQ(list.GetCount(), 2u);
    EXPECT_STREQ(list.GetName(1), "Off");
    EXPECT_EQ(list.GetName(2), nullptr);
    EXPECT_EQ(list.GetEntry(1).value, 5);
    EXPECT_TRUE(list.GetItemText(1).IsEmpty());
    EXPECT_TRUE(list.GetItemFlag(1));
    EXPECT_EQ(list.AddByName("Named"), 2);
    EXPECT_EQ(list.GetEntry(2).value, 0);
}

TEST(NamedValueList, FindTriesTheHintThenTheFirstMatchThenTheFileNamePart)
{
    CNamedValueList list;
    Fill(list);
    struct Case
    {
        const char* key;
        int32_t hint;
        int32_t expected;
    };
    const Case cases[] = {
        { "LOW", -1, 1 }, { "low", 3, 3 }, { "low", 0, 1 }, { "low", 99, 1 },
        { "Other/High", -1, 2 }, { "High", -1, 2 }, { "Missing", -1, -1 },
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(list.Find(c.key, c.hint), c.expected) << c.key << " hint " << c.hint;
        EXPECT_EQ(list.Find(CString(c.key), c.hint), c.expected) << c.key << " hint " << c.hint;
    }
}

TEST(NamedValueList, FindValueAnswersTheFirstHolder)
{
    CNamedValueList list;
    EXPECT_EQ(list.FindValue(0), -1);
    Fill(list);
    list.Add("Again", 10);
    EXPECT_EQ(list.FindValue(10), 1);
    EXPECT_EQ(list.FindValue(30), 3);
    EXPECT_EQ(list.FindValue(31), -1);
}

TEST(NamedValueList, EditingOperationsKeepTheOrder)
{
    CNamedValueList list;
    Fill(list);
    list.SetItemText(0, CString("Nothing at all"));
    list.SetItemFlag(0, false);
    EXPECT_EQ(list.GetItemText(0).Compare("Nothing at all"), 0);
    EXPECT_FALSE(list.GetItemFlag(0));

    list.Swap(0, 3);
    EXPECT_STREQ(list.GetName(0), "low");
    EXPECT_STREQ(list.GetName(3), "Off");
    EXPECT_FALSE(list.GetItemFlag(3));

    list.RemoveAt(1);
    EXPECT_EQ(list.GetCount(), 3u);
    EXPECT_STREQ(list.GetName(1), "Tables/High");
    list.RemoveAt(3);
    EXPECT_EQ(list.GetCount(), 3u);

    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.Find("Off", -1), -1);
}

TEST(NamedValueList, CloneCopiesNamesAndValuesButNotTextsOrFlags)
{
    CNamedValueList list;
    Fill(list);
    list.SetItemText(1, CString("shown"));
    list.SetItemFlag(1, false);

    std::unique_ptr<CNamedValueList> copy(list.Clone());
    ASSERT_EQ(copy->GetCount(), list.GetCount());
    for (uint32_t i = 0; i < list.GetCount(); i++)
    {
        EXPECT_STREQ(copy->GetName(i), list.GetName(i));
        EXPECT_EQ(copy->GetEntry(i).value, list.GetEntry(i).value);
    }
    EXPECT_TRUE(copy->GetItemText(1).IsEmpty());
    EXPECT_TRUE(copy->GetItemFlag(1));
}

TEST(NamedValueList, FloatAnd64BitTablesCompareWholeValues)
{
    CNamedFloatList floats;
    floats.Add("Half", 0.5f);
    floats.Add("Third", 1.0f / 3.0f);
    EXPECT_EQ(floats.FindValue(1.0f / 3.0f), 1);
    EXPECT_EQ(floats.FindValue(0.33333f), -1);

    CNamedInt64List wide;
    wide.Add("Low", 1);
    wide.Add("High", INT64_C(0x100000001));
    EXPECT_EQ(wide.FindValue(INT64_C(0x100000001)), 1);
    EXPECT_EQ(wide.FindValue(INT64_C(0x200000001)), -1);
}

#include <gtest/gtest.h>

#include "engine/core/lists/enum_name_table.h"

static const CEnumNameRow s_EndActions[] = {
    { 0, "Repeat Sequence", nullptr },
    { 1, "Repeat Last Action", "Loop Last" },
    { 2, "Do Nothing", "Stop" },
    { 3, "Stop", nullptr },
    { 0, nullptr, nullptr },
};

TEST(EnumNameTable, CountsItsRowsAndNamesThem)
{
    CEnumNameTable table(s_EndActions);
    EXPECT_EQ(table.GetCount(), 4u);
    EXPECT_STREQ(table.GetName(1), "Repeat Last Action");
    EXPECT_EQ(table.GetNameString(2).Compare("Do Nothing"), 0);
    EXPECT_EQ(table.GetName(4), nullptr);
}

TEST(EnumNameTable, FindsByHintNameLegacyNameThenFileNamePart)
{
    CEnumNameTable table(s_EndActions);
    struct Case
    {
        const char* key;
        int32_t hint;
        int32_t expected;
    };
    const Case cases[] = {
        { "do nothing", -1, 2 },
        { "Do Nothing", 2, 2 },
        { "Do Nothing", 40, 2 },
        { "Loop Last", -1, 1 },   // only a legacy name
        { "Stop", -1, 3 },        // a name beats another row's legacy name
        { "Old/Do Nothing", -1, 2 },
        { "Pause", -1, -1 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(table.Find(c.key, c.hint), c.expected) << c.key;
}

TEST(EnumNameTable, CStringKeysFindNothing)
{
    CEnumNameTable table(s_EndActions);
    EXPECT_EQ(table.Find(CString("Do Nothing"), -1), -1);
}

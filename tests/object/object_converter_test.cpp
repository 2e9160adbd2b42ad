#include <gtest/gtest.h>

#include "engine/object/object_converter.h"

namespace
{
class CNamedConverter : public CObjectConverter
{
public:
    explicit CNamedConverter(const char* label)
        : m_pLabel(label)
    {
    }

    const char* GetLabel(CObject*, CClassInfo*& resultClass) override
    {
        resultClass = nullptr;
        return m_pLabel;
    }

    CObject* Convert(CObject*) override { return nullptr; }

private:
    const char* m_pLabel;
};
}

TEST(ObjectConverters, ListRunsFromTheNewestProviderAndForgetsDestroyedOnes)
{
    CObjectConverter* before = GetFirstObjectConverter();
    CNamedConverter first("first");
    {
        CNamedConverter second("second");
        ASSERT_EQ(&second, GetFirstObjectConverter());
        EXPECT_EQ(&first, second.GetNext());
        EXPECT_EQ(before, first.GetNext());
    }
    EXPECT_EQ(&first, GetFirstObjectConverter());
    ConverterLabel().Format("Single %s action", "Play Sound");
    EXPECT_STREQ("Single Play Sound action", ConverterLabel().GetText());
}

#include <gtest/gtest.h>

#include <memory>

#include "engine/object/class_registry.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/brick_type_table.h"
#include "tests/support/brick_test_field.h"

namespace {

using LegacyBrickTypeCrossCheckTest = BrickTestField;

// Every old brick type that stands for a kind, by the name old definitions
// were saved with: a definition of that type fills a style sheet of the
// kind, which makes bricks of the kind.
TEST_F(LegacyBrickTypeCrossCheckTest, EveryOldTypeOfAKindConvertsIntoThatKind)
{
    const struct
    {
        const char* typeName;
        const char* styleSheetClass;
        const char* brickClass;
    } rows[] = {
        {"Trapped Ball", "CBrickStyleSheetTrappedBall", "CBrickTrappedBall"},
    };
    CNamedValueList& table = GetBrickTypeTable();
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.typeName);
        const int32_t index = table.Find(row.typeName, -1);
        ASSERT_GE(index, 0);
        CBrickInfo info;
        info.m_BrickType = table.GetEntry(static_cast<uint32_t>(index)).value;
        info.m_PrimarySequence = 1;
        std::unique_ptr<CBrickStyleSheet> styleSheet(
            static_cast<CBrickStyleSheet*>(GetClassRegistry().CreateByName(row.styleSheetClass)));
        ASSERT_NE(styleSheet, nullptr);
        EXPECT_TRUE(styleSheet->ConvertFromBrickInfo(info));
        EXPECT_EQ(styleSheet->GetPrimarySequence(), 1);
        EXPECT_STREQ(styleSheet->GetBrickClass()->GetClassName(), row.brickClass);
    }
}

} // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/object_forms.h"

namespace
{
const ObjectArrayProperty& Levels()
{
    return *static_cast<const ObjectArrayProperty*>(CTestComposite::SGetClassInfo()->FindProperty("Levels"));
}

std::unique_ptr<CObject> Read(const std::string& lines)
{
    return ObjectFromText("CTestComposite\r\n{\r\n" + lines + "Outline=1, 2\r\n}\r\n");
}

// Each element as its "Bricks Destroyed" and "Rings".
std::vector<std::pair<int32_t, int32_t>> Elements(const CObjectValueArray<CTestStats>& array)
{
    std::vector<std::pair<int32_t, int32_t>> elements;
    for (uint32_t i = 0; i < array.m_Count; i++)
        elements.emplace_back(array.m_pItems[i].m_BricksDestroyed, array.m_pItems[i].m_Rings);
    return elements;
}

std::string Element(const char* name, int32_t bricks)
{
    return std::string(name) + "=CTestStats\r\n{\r\nBricks Destroyed=" + std::to_string(bricks) + "\r\n}\r\n";
}
}

TEST(ObjectArrayProperty, TextForms)
{
    using Elements_t = std::vector<std::pair<int32_t, int32_t>>;
    struct Case
    {
        const char* name;
        std::string lines;
        Elements_t levels;
    };
    // Rings are never written below, so each element shows whether it was
    // defaulted (3) or not.
    const Case cases[] = {
        {"no count line appends", "Levels=Array\r\n{\r\n" + Element("Array Item", 1) + Element("Anything", 2) + "}\r\n",
         {{1, 3}, {2, 3}}},
        {"announced elements start from their defaults",
         "Levels=Array\r\n{\r\nArray Count=3\r\n" + Element("Array Item", 5) + "}\r\n", {{5, 3}, {0, 3}, {0, 3}}},
        {"more element lines than announced grow the array",
         "Levels=Array\r\n{\r\nItem Count=1\r\n" + Element("Array Item", 1) + Element("Array Item", 2) + "}\r\n",
         {{1, 3}, {2, 3}}},
        {"blank lines inside the block",
         "Levels=Array\r\n\r\n{\r\n\r\nArray Count=2\r\n\r\n" + Element("Array Item", 1) + "\r\n" +
             Element("Array Item", 2) + "\r\n}\r\n",
         {{1, 3}, {2, 3}}},
        {"a value without its block", "Levels=Array\r\n", {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CObject> object = Read(c.lines);
        ASSERT_NE(object, nullptr);
        const CTestComposite& read = static_cast<const CTestComposite&>(*object);
        EXPECT_EQ(Elements(read.m_Levels), c.levels);
        EXPECT_EQ(read.m_Outline.GetCount(), 1u);
    }
}

TEST(ObjectArrayProperty, NamedElementsAreMatchedByNameInAnyOrder)
{
    std::unique_ptr<CObject> object = Read("Difficulties=Array\r\n{\r\nArray Count=1\r\n" + Element("Hard", 30) +
                                           Element("Impossible", 99) + Element("easy", 10) + "}\r\n");
    ASSERT_NE(object, nullptr);
    const CTestComposite& read = static_cast<const CTestComposite&>(*object);
    EXPECT_EQ(Elements(read.m_Difficulties), (std::vector<std::pair<int32_t, int32_t>>{{10, 3}, {0, 3}, {30, 3}}));
}

TEST(ObjectArrayProperty, AnEmptyArrayIsWrittenWithItsCount)
{
    CTestComposite object;
    object.SetDefaults();
    EXPECT_TRUE(Levels().IsDefault(&object));
    EXPECT_NE(ObjectText(&object).find("\tLevels=Array\r\n\t{\r\n\t\tArray Count=0\r\n\t}\r\n"), std::string::npos);
}

TEST(ObjectArrayProperty, SetCountDoublesAFullCapacityAndNeverShrinks)
{
    CTestComposite object;
    object.SetDefaults();
    Levels().SetCount(&object, 2);
    EXPECT_EQ(object.m_Levels.m_Capacity, 4u);
    object.m_Levels.m_Capacity = 2;  // as after reading "Array Count=2"
    object.m_Levels.m_pItems[0].m_BricksDestroyed = 1;
    object.m_Levels.m_pItems[1].m_BricksDestroyed = 2;

    Levels().SetCount(&object, 3, 1);
    EXPECT_EQ(object.m_Levels.m_Capacity, 6u);
    EXPECT_EQ(Elements(object.m_Levels), (std::vector<std::pair<int32_t, int32_t>>{{1, 3}, {0, 3}, {2, 3}}));
    object.m_Levels.m_pItems[1].m_Rings = 8;

    Levels().SetCount(&object, 2, 0);
    EXPECT_EQ(object.m_Levels.m_Capacity, 6u);
    EXPECT_EQ(Elements(object.m_Levels), (std::vector<std::pair<int32_t, int32_t>>{{0, 8}, {2, 3}}));
}

TEST(ObjectArrayProperty, BinaryNamesAndCountsThatCannotBeUsedAreRefused)
{
    CTestComposite object;
    object.SetDefaults();
    object.m_Difficulties.m_pItems[1].m_Rings = 5;
    const std::string bytes = ObjectBinary(&object);
    CTestComposite read;
    ASSERT_TRUE(ReadObjectBinary(&read, bytes));
    EXPECT_EQ(read.m_Difficulties.m_pItems[1].m_Rings, 5);

    std::string renamed = bytes;
    const std::string stored = CountedString("Normal");
    renamed.replace(renamed.find(stored), stored.size(), CountedString("Medium"));
    EXPECT_FALSE(ReadObjectBinary(&read, renamed));

    std::string counted = bytes;
    const std::string count = LittleEndianWord(3) + CountedString("Easy");
    counted.replace(counted.find(count), 4, LittleEndianWord(0xFFFFFFFF));
    EXPECT_FALSE(ReadObjectBinary(&read, counted));
}

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/object_forms.h"

namespace
{
const ArrayProperty& Scores()
{
    return *static_cast<const ArrayProperty*>(CTestComposite::SGetClassInfo()->FindProperty("Scores"));
}

const ArrayProperty& Names()
{
    return *static_cast<const ArrayProperty*>(CTestComposite::SGetClassInfo()->FindProperty("Names"));
}

const ArrayProperty& Shapes()
{
    return *static_cast<const ArrayProperty*>(CTestComposite::SGetClassInfo()->FindProperty("Shapes"));
}

std::vector<int32_t> ScoresOf(const CTestComposite& object)
{
    return std::vector<int32_t>(object.m_pScores, object.m_pScores + object.m_ScoreCount);
}

std::vector<std::string> NamesOf(const CTestComposite& object)
{
    std::vector<std::string> names;
    for (uint32_t i = 0; i < object.m_NameCount; i++)
        names.push_back(object.m_pNames[i]);
    return names;
}

// An object of the test class as read from its class line, "{" and the
// given property lines.
std::unique_ptr<CObject> Read(const std::string& lines)
{
    return ObjectFromText("CTestComposite\r\n{\r\n" + lines + "}\r\n");
}

const CTestComposite& AsComposite(const std::unique_ptr<CObject>& object)
{
    return static_cast<const CTestComposite&>(*object);
}

struct SetCountCase
{
    const char* name;
    std::vector<int32_t> start;
    uint32_t count;
    int32_t position;
    bool exact;
    std::vector<int32_t> expected;
    uint32_t expectedCapacity;
};

std::vector<int32_t> Numbered(uint32_t n)
{
    std::vector<int32_t> values;
    for (uint32_t i = 0; i < n; i++)
        values.push_back(static_cast<int32_t>(i + 100));
    return values;
}

std::vector<int32_t> NumberedThenDefault(uint32_t n, uint32_t defaults)
{
    std::vector<int32_t> values = Numbered(n);
    values.insert(values.end(), defaults, 7);
    return values;
}

class ArraySetCount : public testing::TestWithParam<SetCountCase>
{
};

// New elements take the element's default, 7.
const SetCountCase kSetCountCases[] = {
    {"GrowingFromEmptyDoublesTheNeed", {}, 1, -1, false, {7}, 2},
    {"GrowingPastAFullCapacityDoubles", Numbered(20), 21, -1, false, NumberedThenDefault(20, 1), 42},
    {"ShrinkingFarBelowALargeCapacityGivesMemoryBack", Numbered(100), 5, -1, false, Numbered(5), 5},
    {"ShrinkingASmallCapacityKeepsIt", Numbered(20), 0, -1, false, {}, 20},
    {"ExactMakesTheCapacityTheCount", {1, 2, 3}, 5, -1, true, {1, 2, 3, 7, 7}, 5},
    {"RemovingInTheMiddleKeepsTheOrder", {1, 2, 3, 4}, 3, 1, false, {1, 3, 4}, 4},
    {"RemovingAtTheFront", {1, 2, 3, 4}, 2, 0, false, {3, 4}, 4},
    {"InsertingInTheMiddleDefaultsTheNewOnes", {1, 2, 3}, 5, 1, false, {1, 7, 7, 2, 3}, 10},
    {"InsertingAtTheFront", {1, 2}, 3, 0, false, {7, 1, 2}, 6},
    {"APositionPastTheEndAppends", {1, 2}, 3, 9, false, {1, 2, 7}, 6},
};

INSTANTIATE_TEST_SUITE_P(Cases, ArraySetCount, testing::ValuesIn(kSetCountCases),
                         [](const testing::TestParamInfo<SetCountCase>& info) { return info.param.name; });
}

TEST_P(ArraySetCount, ResizesAsSpecified)
{
    const SetCountCase& c = GetParam();
    CTestComposite object;
    object.SetDefaults();
    Scores().SetCount(&object, static_cast<uint32_t>(c.start.size()), -1, true);
    for (uint32_t i = 0; i < c.start.size(); i++)
        object.m_pScores[i] = c.start[i];

    Scores().SetCount(&object, c.count, c.position, c.exact);
    EXPECT_EQ(ScoresOf(object), c.expected);
    EXPECT_EQ(object.m_ScoreCapacity, c.expectedCapacity);
    EXPECT_EQ(object.m_pScores == nullptr, c.expectedCapacity == 0);
}

TEST(ArrayProperty, OwningElementsSurviveInsertsAndRemovals)
{
    CTestComposite object;
    object.SetDefaults();
    Names().SetCount(&object, 3);
    Names().GetElementProperty()->FromText(Names().GetElement(&object, 2), "Cy", nullptr);
    Names().SetCount(&object, 5, 1);
    Names().SetCount(&object, 4, 0);
    EXPECT_EQ(NamesOf(object), (std::vector<std::string>{"nobody", "nobody", "nobody", "Cy"}));

    CTestCircle* circle = new CTestCircle();
    *static_cast<CObject**>(Shapes().AppendElement(&object)) = circle;
    Shapes().SetCount(&object, 3, 0);
    Shapes().SetCount(&object, 1, 0);
    ASSERT_EQ(object.m_ShapeCount, 1u);
    EXPECT_EQ(object.m_pShapes[0], circle);
}

TEST(ArrayProperty, TextForms)
{
    struct Case
    {
        const char* name;
        const char* lines;
        std::vector<int32_t> scores;
    };
    const Case cases[] = {
        {"one element, no count", "Scores=Array\r\n{\r\nScore=4\r\n}\r\n", {4}},
        {"count above the element lines", "Scores=Array\r\n{\r\nItem Count=5\r\nScore=1\r\nScore=2\r\n}\r\n",
         {1, 2, 7, 7, 7}},
        {"element lines beyond the count", "Scores=Array\r\n{\r\nItem Count=2\r\nScore=1\r\nScore=2\r\nScore=3\r\nScore=4\r\n}\r\n",
         {1, 2, 3, 4}},
        {"Array Count", "Scores=Array\r\n{\r\nArray Count=2\r\nScore=1\r\n}\r\n", {1, 7}},
        {"blank lines inside the block", "Scores=Array\r\n\r\n{\r\n\r\nItem Count=2\r\n\r\nScore=1\r\n  \r\nScore=2\r\n\r\n}\r\n",
         {1, 2}},
        {"a block after an unknown key", "Scores=Array\r\n{\r\nOld=CThing\r\n{\r\nScore=9\r\n}\r\nScore=1\r\n}\r\n",
         {1}},
        {"flat element lines", "Score=5\r\nScore=6\r\n", {5, 6}},
        {"a value without its block", "Scores=Array\r\n", {}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CObject> object = Read(std::string(c.lines) + "Outline=1, 2\r\n");
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(ScoresOf(AsComposite(object)), c.scores);
        // The owner's lines after the array are still its own.
        EXPECT_EQ(AsComposite(object).m_Outline.GetCount(), 1u);
    }
}

TEST(ArrayProperty, WritesTheCountOnlyForTwoOrMoreElements)
{
    CTestComposite object;
    object.SetDefaults();
    *static_cast<int32_t*>(Scores().AppendElement(&object)) = 4;
    EXPECT_NE(ObjectText(&object).find("\tScores=Array\r\n\t{\r\n\t\tScore=4\r\n\t}\r\n"), std::string::npos);

    Scores().SetCount(&object, 0);
    Names().SetCount(&object, 0);
    EXPECT_NE(ObjectText(&object).find("\tScores=Array\r\n\t{\r\n\t}\r\n"), std::string::npos);
}

TEST(ArrayProperty, FlatObjectPointerLinesAppendElements)
{
    std::unique_ptr<CObject> object =
        Read("Shape=CTestCircle\r\n{\r\nRadius=3\r\n}\r\nShape=TestSquare\r\n{\r\nSide Length=2\r\n}\r\n");
    ASSERT_NE(object, nullptr);
    const CTestComposite& read = AsComposite(object);
    ASSERT_EQ(read.m_ShapeCount, 2u);
    EXPECT_EQ(static_cast<CTestCircle*>(read.m_pShapes[0])->m_Radius, 3.0f);
    EXPECT_EQ(static_cast<CTestSquare*>(read.m_pShapes[1])->m_SideLength, 2);
}

TEST(ArrayProperty, BinaryCountsBeyondTheDataAreRefused)
{
    CTestComposite object;
    object.SetDefaults();
    const std::string bytes = ObjectBinary(&object);
    // The scores' count follows the header and the empty dynamic values.
    const size_t countAt = 12;
    ASSERT_EQ(bytes.substr(countAt, 4), LittleEndianWord(0));
    for (uint32_t count : {0xFFFFFFFFu, 0x7FFFFFFFu, 1000u})
    {
        SCOPED_TRACE(count);
        std::string damaged = bytes;
        damaged.replace(countAt, 4, LittleEndianWord(count));
        CTestComposite read;
        EXPECT_FALSE(ReadObjectBinary(&read, damaged));
    }
}

TEST(ArrayProperty, TextElementsLiveInRawPooledStorage)
{
    struct CTitles
    {
        uint32_t count;
        uint32_t capacity;
        CString* data;
    };
    const ArrayProperty titles(
        "Titles", CPropertyMember<uint32_t>{offsetof(CTitles, count), 4},
        CPropertyMember<uint32_t>{offsetof(CTitles, capacity), 4},
        CPropertyMember<CString*>{offsetof(CTitles, data), sizeof(CString*)}, "m_pTitles", true,
        new TextProperty("Title", ArrayElementMember<CString>(), EDITOR_EDITABLE, "Untitled"), EDITOR_EDITABLE);
    CTitles value;
    titles.ConstructValue(&value);
    const char* const texts[] = {"Alpha", "Beta", "Gamma", "Delta"};
    for (const char* text : texts)
        titles.GetElementProperty()->FromText(titles.AppendElement(&value), text, nullptr);
    titles.SetCount(&value, 3, 1);
    titles.SetCount(&value, 5, 0);
    titles.SetCount(&value, 40);

    std::vector<std::string> kept;
    for (uint32_t i = 0; i < 5; i++)
        kept.push_back(value.data[i].GetText());
    EXPECT_EQ(kept, (std::vector<std::string>{"Untitled", "Untitled", "Alpha", "Gamma", "Delta"}));
    titles.SetCount(&value, 1);
    EXPECT_STREQ(value.data[0].GetText(), "Untitled");
    titles.DestroyValue(&value);
    EXPECT_EQ(value.data, nullptr);
}

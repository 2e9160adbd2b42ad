#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/object/object_files.h"
#include "engine/object/reference_visitor.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/object_forms.h"
#include "tests/support/scoped_temp_folder.h"

namespace
{
// A "Destroyed Sound" over the test sound list, on a value of its own.
LibraryItemProperty SoundProperty(const char* defaultName)
{
    return LibraryItemProperty("Destroyed Sound", DynamicValueMember<int32_t>(), &TestSoundList(), EDITOR_EDITABLE,
                               defaultName, nullptr, false);
}

void LoadAsFile(const std::string& lines)
{
    ScopedTempFolder folder;
    folder.WriteFile("Sound Holder.txt", "CTestComposite\r\n{\r\n" + lines + "}\r\n");
    delete LoadObjectFromFile((folder.Path() + "Sound Holder.txt").c_str(), 0, false, nullptr);
}

class CRecordingVisitor : public CReferenceVisitor
{
public:
    void VisitObject(CObject*) override {}
    void VisitListReference(int32_t itemIndex, const Property* property, void*) override
    {
        visited.emplace_back(itemIndex, property->GetName());
    }

    std::vector<std::pair<int32_t, std::string>> visited;
};
}

TEST(ListItemProperty, NamesReadAsIndices)
{
    const struct
    {
        const char* text;
        bool fallback;
        int32_t index;
    } cases[] = {
        {"Ring.wav", false, 2}, {"ring.WAV", false, 2}, {"", false, 0},
        {" \t", false, 0},      {"Missing.wav", true, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        LibraryItemProperty property = SoundProperty("Bang.wav");
        property.SetFallbackToDefault(c.fallback);
        int32_t value = -5;
        property.FromText(&value, c.text, nullptr);
        EXPECT_EQ(value, c.index);
    }
}

TEST(ListItemProperty, AMissingNameWithoutFallbackIsFatal)
{
    EXPECT_EXIT(LoadAsFile("Destroyed Sound=Missing.wav\r\n"), testing::ExitedWithCode(255),
                "Fatal Not Found Error.*\"Missing.wav\".*\"Sound List\" list.*referenced by \"[^\"]*/Sound "
                "Holder.txt:Destroyed Sound\"");
}

TEST(ListItemProperty, ADefaultMissingFromItsListIsReportedAgainstTheProgram)
{
    LibraryItemProperty property = SoundProperty("Nope.wav");
    int32_t value = 0;
    EXPECT_EXIT(property.SetDefault(&value), testing::ExitedWithCode(255),
                "Fatal Not Found Error.*referenced by \"\\(the program's built-in default values\\):Destroyed Sound\"");
}

TEST(ListItemProperty, TheDefaultIsLeftOutOnlyWhenAlwaysWriteIsOff)
{
    LibraryItemProperty property = SoundProperty("Bang.wav");
    int32_t value = 0;
    property.SetDefault(&value);
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(property.IsDefault(&value));
    EXPECT_TRUE(property.ShouldWrite(&value));
    property.SetAlwaysWrite(false);
    EXPECT_FALSE(property.ShouldWrite(&value));
    value = 2;
    EXPECT_TRUE(property.ShouldWrite(&value));
    EXPECT_FALSE(property.IsDefault(&value));
}

TEST(ListItemProperty, AnIndexThatNamesNoItemIsWrittenEmptyAndReadsBackAsTheFirstItem)
{
    CTestComposite object;
    object.SetDefaults();
    object.m_Sound = 7;
    EXPECT_NE(ObjectText(&object).find("\tDestroyed Sound=\r\n"), std::string::npos);
    CTestComposite read;
    ASSERT_TRUE(ReadObjectBinary(&read, ObjectBinary(&object)));
    EXPECT_EQ(read.m_Sound, 0);
}

TEST(ListItemProperty, ABinaryNameMissingFromTheListRefusesTheCache)
{
    CTestComposite object;
    object.SetDefaults();
    object.m_Sound = 2;
    std::string bytes = ObjectBinary(&object);
    const std::string stored = CountedString("Ring.wav");
    bytes.replace(bytes.find(stored), stored.size(), CountedString("Gone.wav"));
    CTestComposite read;
    EXPECT_FALSE(ReadObjectBinary(&read, bytes));
}

TEST(ListItemProperty, VisitsItsReference)
{
    CTestComposite object;
    object.SetDefaults();
    object.m_Sound = 2;
    CRecordingVisitor visitor;
    object.VisitReferences(visitor);
    EXPECT_EQ(visitor.visited, (std::vector<std::pair<int32_t, std::string>>{{2, "Destroyed Sound"}}));
}

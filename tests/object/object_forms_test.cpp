#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "engine/core/files/memory_stream.h"
#include "engine/core/files/stream.h"
#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/object/dynamic_property_table.h"
#include "engine/object/object_files.h"
#include "engine/object/object_stream.h"
#include "tests/object/every_kind_object.h"
#include "tests/support/object_forms.h"
#include "tests/support/scoped_temp_folder.h"

namespace
{
std::string FloatBytes(float value)
{
    uint32_t bits = 0;
    memcpy(&bits, &value, 4);
    return LittleEndianWord(bits);
}

const CString& CommentOf(CObject* object)
{
    const Property* comment = object->GetClassInfo()->GetDynamicPropertyTable()->FindByName("Comment");
    return static_cast<const TextProperty*>(comment)->GetDynamicValue(object);
}

class ObjectForms : public ::testing::Test
{
protected:
    std::string Fixture(const char* name)
    {
        m_Folder.CopyFixture(std::string("object/") + name);
        return m_Folder.ReadFile(std::string("object/") + name);
    }

    ScopedTempFolder m_Folder;
};
}

TEST_F(ObjectForms, DefaultObjectWritesEveryPropertyInDeclarationOrder)
{
    CTestEveryKind object;
    object.SetDefaults();
    EXPECT_EQ("CTestEveryKind\r\n{\r\n"
              "\tName=game\r\n\tScore Value=10\r\n\tRepeat Limit=1\r\n\tVisible=1\r\n\tCasts Shadow=0\r\n"
              "\tStop=0\r\n\tTurning Rate=0\r\n\tStart Time=0\r\n\tTitle=Untitled\r\n}\r\n",
              ObjectText(&object));
}

TEST_F(ObjectForms, TextOfEveryKindRoundTripsByteForByte)
{
    const std::string fixture = Fixture("every_kind.txt");
    std::unique_ptr<CObject> object = ObjectFromText(fixture);
    ASSERT_NE(nullptr, object);
    CTestEveryKind* read = static_cast<CTestEveryKind*>(object.get());
    EXPECT_STREQ("Brick \"Red\"", read->m_pName);
    EXPECT_EQ(-12, read->m_Score);
    EXPECT_EQ(0u, read->m_RepeatLimit);
    EXPECT_FALSE(read->m_Visible);
    EXPECT_EQ(0x10u, read->m_Flags);
    EXPECT_EQ(-2.0f, read->m_Stop);
    EXPECT_EQ(1.5708f, read->m_Angle);
    EXPECT_EQ(132223104000000123, read->m_StartTime);
    EXPECT_EQ(0x20AC, read->m_Title.GetAt(2));
    EXPECT_STREQ("Checked by hand", CommentOf(read).GetText());

    EXPECT_EQ(fixture, ObjectText(read));
}

TEST_F(ObjectForms, BinaryOfEveryKindRoundTripsByteForByte)
{
    std::unique_ptr<CObject> source = ObjectFromText(Fixture("every_kind.txt"));
    ASSERT_NE(nullptr, source);
    const std::string bytes = ObjectBinary(source.get());
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(std::string("\x00\x00\xD8\x41", 4), bytes.substr(0, 4));

    CTestEveryKind copy;
    ASSERT_TRUE(ReadObjectBinary(&copy, bytes));
    EXPECT_TRUE(copy.AllPropertiesEqual(*source));
    EXPECT_EQ(bytes, ObjectBinary(&copy));
}

TEST_F(ObjectForms, BinaryCutShortAtAnyByteIsRefused)
{
    std::unique_ptr<CObject> source = ObjectFromText(Fixture("every_kind.txt"));
    ASSERT_NE(nullptr, source);
    const std::string bytes = ObjectBinary(source.get());
    for (size_t length = 0; length < bytes.size(); length++)
    {
        CTestEveryKind copy;
        EXPECT_FALSE(ReadObjectBinary(&copy, bytes.substr(0, length))) << "cut at " << length;
    }
}

TEST_F(ObjectForms, BinaryWithOutsizedNameLengthsIsRefused)
{
    const std::string header = FloatBytes(27.0f) + FloatBytes(CTestEveryKind::SGetClassInfo()->GetVersion());
    const std::string plenty(400, 'x');
    const uint32_t lengths[] = {0xFFFFFFFFu, 150, 300};
    for (uint32_t length : lengths)
    {
        // A dynamic value whose name does not fit the name buffer.
        CTestEveryKind dynamicName;
        EXPECT_FALSE(ReadObjectBinary(&dynamicName, header + LittleEndianWord(1) + LittleEndianWord(length) + plenty))
            << length;
        // A string value longer than the data left.
        CTestEveryKind stringValue;
        EXPECT_FALSE(ReadObjectBinary(&stringValue, header + LittleEndianWord(0) + LittleEndianWord(length) + "short"))
            << length;
    }
}

TEST_F(ObjectForms, BinaryOfAnotherVersionOrFormatIsRefused)
{
    CTestEveryKind object;
    const float version = CTestEveryKind::SGetClassInfo()->GetVersion();
    EXPECT_FALSE(ReadObjectBinary(&object, FloatBytes(27.0f) + FloatBytes(version - 1.0f)));
    EXPECT_FALSE(ReadObjectBinary(&object, FloatBytes(24.0f) + LittleEndianWord(0) + FloatBytes(version)));
    EXPECT_FALSE(ReadObjectBinary(&object, FloatBytes(3.0f)));
}

TEST_F(ObjectForms, CommentIsWrittenAsOneLineDynamicBlock)
{
    CTestEveryKind object;
    object.SetDefaults();
    EXPECT_EQ(std::string::npos, ObjectText(&object).find("Dynamic Properties"));

    const Property* comment = object.GetClassInfo()->GetDynamicPropertyTable()->FindByName("Comment");
    comment->FromText(comment->GetValueStorage(&object), "Left of the gate", nullptr);
    const std::string text = ObjectText(&object);
    EXPECT_EQ(0u, text.find("CTestEveryKind\r\n{\r\n\tDynamic Properties=1\r\n\t{\r\n"
                            "\t\tComment=Left of the gate\r\n\t}\r\n\tName=game\r\n"));

    std::unique_ptr<CObject> copy = ObjectFromText(text);
    ASSERT_NE(nullptr, copy);
    EXPECT_STREQ("Left of the gate", CommentOf(copy.get()).GetText());
    EXPECT_EQ(text, ObjectText(copy.get()));
}

TEST_F(ObjectForms, CopiesGetDynamicValuesOfTheirOwn)
{
    CTestEveryKind object;
    object.SetDefaults();
    const Property* comment = object.GetClassInfo()->GetDynamicPropertyTable()->FindByName("Comment");
    comment->FromText(comment->GetValueStorage(&object), "original", nullptr);

    std::unique_ptr<CObject> copy(object.CreateSameClass());
    ASSERT_NE(nullptr, copy->GetDynamicValues());
    EXPECT_NE(object.GetDynamicValues(), copy->GetDynamicValues());
    EXPECT_TRUE(copy->AllPropertiesEqual(object));
    comment->FromText(comment->GetValueStorage(copy.get()), "changed", nullptr);
    EXPECT_STREQ("original", CommentOf(&object).GetText());
    EXPECT_FALSE(copy->AllPropertiesEqual(object));

    copy->SetDefaults();
    EXPECT_EQ(nullptr, copy->GetDynamicValues());
}

TEST_F(ObjectForms, TolerantReaderSkipsWhatItDoesNotKnow)
{
    CTestEveryKind object;
    ASSERT_TRUE(ReadObjectText(&object, Fixture("tolerant_reader.txt")));
    EXPECT_EQ(42, object.m_Score);
    EXPECT_STREQ("Tolerant", object.m_pName);
    EXPECT_FALSE(object.m_Visible);
    EXPECT_EQ(1u, object.m_RepeatLimit);
}

TEST_F(ObjectForms, ReaderRefusesBrokenFrames)
{
    const char* broken[] = {
        "",                                         // nothing at all
        "CTestEveryKind\r\nName=x\r\n}\r\n",        // no opening brace
        "CNoSuchClassAnywhere\r\n{\r\n}\r\n",       // unknown class line
        "CTestEveryKind\r\n{\r\n\tName=x\r\n",      // data ends before the brace
        "CTestEveryKind\r\n{\r\n\tName=x\r\n} x\r\n", // text after the closing brace
    };
    for (const char* text : broken)
    {
        CTestEveryKind object;
        EXPECT_FALSE(ReadObjectText(&object, text)) << text;
    }
}

TEST_F(ObjectForms, ParentClassFileReadsIntoDerivedObjectButNotTheReverse)
{
    CTestEveryKind parent;
    parent.SetDefaults();
    parent.m_Score = 77;
    const std::string parentText = ObjectText(&parent);

    CTestEveryKindDerived derived;
    ASSERT_TRUE(ReadObjectText(&derived, parentText));
    EXPECT_EQ(77, derived.m_Score);
    EXPECT_EQ(5, derived.m_Extra);

    CTestEveryKind base;
    EXPECT_FALSE(ReadObjectText(&base, ObjectText(&derived)));
}

TEST_F(ObjectForms, DynamicPropertiesCountDecidesOnlyWhetherBlockFollows)
{
    struct Case
    {
        const char* text;
        const char* comment;
        int32_t score;
    };
    const Case cases[] = {
        // No values, and no line taken from the owner.
        {"CTestEveryKind\r\n{\r\n\tDynamic Properties=0\r\n\tScore Value=3\r\n}\r\n", "", 3},
        // The block decides: one valid line among others.
        {"CTestEveryKind\r\n{\r\n\tDynamic Properties=2\r\n\t{\r\n\t\tComment=kept\r\n\r\n\t\tno equals\r\n\t}\r\n"
         "\tScore Value=4\r\n}\r\n",
         "kept", 4},
        // A count without its block must not swallow the owner's lines.
        {"CTestEveryKind\r\n{\r\n\tDynamic Properties=1\r\n\tScore Value=5\r\n}\r\n", "", 5},
        // A top-level comment of "0" or nothing makes no value.
        {"CTestEveryKind\r\n{\r\n\tComment=0\r\n\tScore Value=6\r\n}\r\n", "", 6},
        {"CTestEveryKind\r\n{\r\n\tComment=by name\r\n\tScore Value=7\r\n}\r\n", "by name", 7},
    };
    for (const Case& c : cases)
    {
        CTestEveryKind object;
        ASSERT_TRUE(ReadObjectText(&object, c.text)) << c.text;
        EXPECT_STREQ(c.comment, CommentOf(&object).GetText()) << c.text;
        EXPECT_EQ(c.score, object.m_Score) << c.text;
    }
}

TEST_F(ObjectForms, UnexpectedBraceIsFatal)
{
    CTestEveryKind object;
    EXPECT_EXIT(ReadObjectText(&object, "CTestEveryKind\r\n{\r\n\t{\r\n}\r\n"), ::testing::ExitedWithCode(255),
                "Found unexpected '\\{' while parsing class \"CTestEveryKind\"");
}

TEST_F(ObjectForms, LineEndsInsideStringValuesBecomeBlanks)
{
    CTestEveryKind object;
    object.SetDefaults();
    object.m_pName = static_cast<char*>(std::realloc(object.m_pName, 16));
    strcpy(object.m_pName, "a\r\n}\nb");
    const std::string text = ObjectText(&object);
    EXPECT_NE(std::string::npos, text.find("\tName=a  } b\r\n"));

    std::unique_ptr<CObject> copy = ObjectFromText(text);
    ASSERT_NE(nullptr, copy);
    EXPECT_STREQ("a  } b", static_cast<CTestEveryKind*>(copy.get())->m_pName);
    EXPECT_EQ(10, static_cast<CTestEveryKind*>(copy.get())->m_Score);
}

TEST_F(ObjectForms, TextFromOutsideNamingNoCreatableClassGivesNull)
{
    const std::string texts[] = {"CNoSuchClassAnywhere\r\n{\r\n}\r\n", "CObject\r\n{\r\n}\r\n"};
    for (const std::string& text : texts)
    {
        EXPECT_EQ(nullptr, ObjectFromText(text)) << text;
        EXPECT_EQ(nullptr, GetClassOfText(reinterpret_cast<const uint8_t*>(text.data()),
                                          static_cast<uint32_t>(text.size())))
            << text;
    }
    const std::string good = "CTestEveryKindDerived\r\n{\r\n}\r\n";
    EXPECT_EQ(CTestEveryKindDerived::SGetClassInfo(),
              GetClassOfText(reinterpret_cast<const uint8_t*>(good.data()), static_cast<uint32_t>(good.size())));
}

TEST_F(ObjectForms, XmlFormNamesElementsWithoutBlanks)
{
    CTestEveryKind object;
    object.SetDefaults();
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(), OPEN_WRITE | OPEN_CREATE);
    object.WriteXml(stream);
    std::string xml(stream.GetSize(), '\0');
    stream.Seek(0);
    stream.Read(xml.data(), static_cast<uint32_t>(xml.size()));
    EXPECT_EQ(0u, xml.find("<CTestEveryKind>\r\n\t<Name>game</Name>\r\n\t<Score_Value>10</Score_Value>\r\n"));
    EXPECT_NE(std::string::npos, xml.find("</CTestEveryKind>\r\n"));
}

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "engine/core/localization/localization_table.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/support/message_box_capture.h"
#include "tests/support/object_forms.h"
#include "tests/support/scoped_temp_folder.h"

namespace
{
const Property& PropertyNamed(const char* name)
{
    return *CTestCompositeWithBlob::SGetClassInfo()->FindProperty(name);
}

std::string Text(const Property& property, const void* object)
{
    CString text;
    property.ToText(object, text);
    return text.GetText();
}

std::unique_ptr<CObject> Read(const std::string& lines)
{
    return ObjectFromText("CTestCompositeWithBlob\r\n{\r\n" + lines + "Outline=1, 2\r\n}\r\n");
}

const CTestCompositeWithBlob& AsComposite(const std::unique_ptr<CObject>& object)
{
    return static_cast<const CTestCompositeWithBlob&>(*object);
}

// The lines an object writes for one property, from its name to the next
// property ("Outline" follows "Notes"; the blob is the last).
std::string WrittenLines(CTestCompositeWithBlob& object, const char* name, const char* next)
{
    const std::string text = ObjectText(&object);
    const size_t start = text.find(std::string("\t") + name + "=");
    const size_t end = next != nullptr ? text.find(std::string("\t") + next + "=", start) : text.rfind("}");
    return text.substr(start, end - start);
}
}

TEST(ColorProperty, TextAndBinaryForms)
{
    const struct
    {
        bool alpha;
        const char* text;
        int red, green, blue, opacity;
        const char* written;
    } cases[] = {
        {true, "10,20,30,24", 10, 20, 30, 24, "10,20,30,24"},
        {true, "10,20,30", 10, 20, 30, 255, "10,20,30,255"},
        {false, "10,20,30,24", 10, 20, 30, 255, "10,20,30"},
        {false, "300,-1,30", 44, 255, 30, 255, "44,255,30"},
        {false, "7", 7, 0, 0, 255, "7,0,0"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        ColorProperty property("Tint", DynamicValueMember<CColor>(), EDITOR_EDITABLE, nullptr);
        property.SetHasAlpha(c.alpha);
        CColor colour;
        property.FromText(&colour, c.text, nullptr);
        EXPECT_EQ(colour.m_Red, c.red);
        EXPECT_EQ(colour.m_Green, c.green);
        EXPECT_EQ(colour.m_Blue, c.blue);
        EXPECT_EQ(colour.m_Alpha, c.opacity);
        EXPECT_EQ(colour.m_Red24, c.red);
        EXPECT_EQ(colour.m_Flags & COLOR_SET_FROM_RGB, COLOR_SET_FROM_RGB);
        EXPECT_EQ(Text(property, &colour), c.written);
    }

    CTestComposite object;
    object.SetDefaults();
    object.m_Tint.SetRGBA(1, 2, 3, 4);
    CTestComposite read;
    ASSERT_TRUE(ReadObjectBinary(&read, ObjectBinary(&object)));
    EXPECT_EQ(read.m_Tint.m_Alpha, 4);
}

TEST(ColorProperty, ColoursThatDifferOnlyInAlphaCompareEqual)
{
    const Property& tint = PropertyNamed("Tint");
    CTestComposite a;
    CTestComposite b;
    a.SetDefaults();
    b.SetDefaults();
    b.m_Tint.SetRGBA(255, 128, 0, 3);
    EXPECT_TRUE(tint.ValuesEqual(&a, &b, &tint));
    b.m_Tint.SetRGBA(255, 128, 1, 255);
    EXPECT_FALSE(tint.ValuesEqual(&a, &b, &tint));
    // The default keeps its set-from-components mark clear.
    EXPECT_EQ(a.m_Tint.m_Flags, 0);
}

TEST(PointProperty, TextForms)
{
    const Property& offset = PropertyNamed("Offset");
    const Property& scale = PropertyNamed("Scale");
    CTestComposite object;
    object.SetDefaults();
    EXPECT_EQ(Text(offset, &object), "3,4");
    EXPECT_EQ(Text(scale, &object), "1.000000,1.000000");
    EXPECT_TRUE(offset.IsDefault(&object));

    offset.FromText(&object, "-7", nullptr);
    EXPECT_EQ(object.m_Offset.x, -7);
    EXPECT_EQ(object.m_Offset.y, 0);
    scale.FromText(&object, "0.25,1e2", nullptr);
    EXPECT_EQ(object.m_Scale.x, 0.25f);
    EXPECT_EQ(object.m_Scale.y, 100.0f);
    EXPECT_FALSE(offset.IsDefault(&object));

    // Points take no part in comparisons.
    CTestComposite other;
    other.SetDefaults();
    EXPECT_TRUE(offset.ValuesEqual(&object, &other, &offset));
    EXPECT_TRUE(scale.ValuesEqual(&object, &other, &scale));
}

TEST(TextProperty, EveryTextReadsBackExactly)
{
    const struct
    {
        const char* name;
        const char* text;
        const char* written;
    } cases[] = {
        {"one line", "Plain words", "\tNotes=Plain words\r\n"},
        {"two lines", "First\nSecond", "\tNotes=multi-line\r\n\t{\r\nFirst\nSecond\r\n\t}\r\n"},
        {"a trailing line feed", "First\n", "\tNotes=multi-line\r\n\t{\r\nFirst\n\r\n\t}\r\n"},
        {"a line that is a closing brace", "a\n }\nb", "\tNotes=UNICODE-HEX<61000A0020007D000A006200>\r\n"},
        {"a leading empty line", "\nafter", "\tNotes=UNICODE-HEX<0A0061006600740065007200>\r\n"},
        {"a CR", "a\rb", "\tNotes=UNICODE-HEX<61000D006200>\r\n"},
        {"the word that announces a block", "Multi-Line", "\tNotes=multi-line\r\n\t{\r\nMulti-Line\r\n\t}\r\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestCompositeWithBlob object;
        object.SetDefaults();
        object.m_Notes = c.text;
        EXPECT_EQ(WrittenLines(object, "Notes", "Outline"), c.written);

        std::unique_ptr<CObject> read = ObjectFromText(ObjectText(&object));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(AsComposite(read).m_Notes.Compare(c.text), 0);
        EXPECT_FALSE(AsComposite(read).m_Notes.IsWide());
        EXPECT_EQ(ObjectText(read.get()), ObjectText(&object));
    }
}

TEST(TextProperty, AnnouncedBlockWithoutBlockKeepsTheWord)
{
    std::unique_ptr<CObject> read = Read("Notes=multi-line\r\n");
    ASSERT_NE(read, nullptr);
    EXPECT_STREQ(AsComposite(read).m_Notes.GetText(), "multi-line");
    EXPECT_EQ(AsComposite(read).m_Outline.GetCount(), 1u);
}

TEST(TextProperty, TheTranslatableFormShowsTheTranslation)
{
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ScopedTempFolder folder;
    folder.WriteFile("Local.txt", "ENGLISH: Welcome[END]\r\nLOCALIZED: Bienvenue[END]\r\n\r\n");
    ASSERT_EQ(chdir(folder.Path().c_str()), 0);
    ScopedMessageBoxCapture boxes;
    GetLocalizationTable().Load("Local.txt");

    TextProperty page("Page", DynamicValueMember<CStringPair>(), EDITOR_EDITABLE, "Welcome");
    CStringPair pair;
    page.SetDefault(&pair);
    EXPECT_STREQ(pair.m_Source.GetText(), "Welcome");
    EXPECT_STREQ(pair.m_Shown.GetText(), "Bienvenue");
    page.FromText(&pair, "Goodbye", nullptr);
    EXPECT_STREQ(pair.m_Shown.GetText(), "Goodbye");
    EXPECT_EQ(Text(page, &pair), "Goodbye");

    // A translatable text replayed from a recording shows the player's
    // language, not the recorder's.
    CMessageStream stream;
    CStringPair recorded;
    recorded.m_Source = "Welcome";
    page.WriteDelta(&recorded, stream, nullptr);
    page.ReadDelta(&pair, stream);
    EXPECT_STREQ(pair.m_Source.GetText(), "Welcome");
    EXPECT_STREQ(pair.m_Shown.GetText(), "Bienvenue");
    EXPECT_EQ(chdir(previous), 0);
}

TEST(BinaryBlobProperty, WrittenForms)
{
    const std::string bytes81(81, 'x');
    const struct
    {
        const char* name;
        std::string bytes;
        std::string written;
    } cases[] = {
        {"escaped bytes", std::string("\x00!\xFF", 3), "=3 bytes of binary in ASCII esc\r\n\t{\r\n\t\t!&!\"!#\r\n\t}\r\n"},
        {"every escape", std::string("{} \x1F\x7F", 5), "=5 bytes of binary in ASCII esc\r\n\t{\r\n\t\t!$!%!F!E\x7F\r\n\t}\r\n"},
        {"81 bytes on one line", bytes81, "=81 bytes of binary in ASCII esc\r\n\t{\r\n\t\t" + bytes81 + "\r\n\t}\r\n"},
        {"82 bytes on two lines", bytes81 + "y",
         "=82 bytes of binary in ASCII esc\r\n\t{\r\n\t\t" + bytes81 + "\r\n\t\ty\r\n\t}\r\n"},
        {"no bytes", "", "=0 bytes of binary in ASCII esc\r\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestCompositeWithBlob object;
        object.SetDefaults();
        object.m_ThumbnailSize = static_cast<uint32_t>(c.bytes.size());
        object.m_pThumbnail = static_cast<uint8_t*>(std::malloc(c.bytes.size() + 1));
        memcpy(object.m_pThumbnail, c.bytes.data(), c.bytes.size());
        EXPECT_EQ(WrittenLines(object, "Compressed Thumbnail", nullptr), "\tCompressed Thumbnail" + c.written);

        std::unique_ptr<CObject> read = ObjectFromText(ObjectText(&object));
        ASSERT_NE(read, nullptr);
        const CTestCompositeWithBlob& blob = AsComposite(read);
        ASSERT_EQ(blob.m_ThumbnailSize, c.bytes.size());
        EXPECT_EQ(std::string(reinterpret_cast<char*>(blob.m_pThumbnail), blob.m_ThumbnailSize), c.bytes);
    }
}

TEST(BinaryBlobProperty, DataLinesAreReadWithinTheirCount)
{
    const struct
    {
        const char* name;
        const char* block;
        std::string bytes;
    } cases[] = {
        {"a '!' ending a line escapes nothing", "{\r\n\t\tAB!\r\n\t\tC\r\n\t}\r\n", "ABC"},
        {"a line longer than the count", "{\r\n\t\tABCDEFG\r\n\t}\r\n", "ABC"},
        {"more lines than the count", "{\r\n\t\tAB\r\n\t\tCD\r\n\t\tEF\r\n\t}\r\n", "ABC"},
        {"a block that ends early", "{\r\n\t\tA\r\n\t}\r\n", std::string("A\0\0", 3)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CObject> read =
            Read(std::string("Compressed Thumbnail=3 bytes of binary in ASCII esc\r\n\t") + c.block);
        ASSERT_NE(read, nullptr);
        const CTestCompositeWithBlob& blob = AsComposite(read);
        ASSERT_EQ(blob.m_ThumbnailSize, 3u);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(blob.m_pThumbnail), 3), c.bytes);
        EXPECT_EQ(blob.m_Outline.GetCount(), 1u);
    }
}

TEST(CPolygonProperty, TextAndBinaryForms)
{
    std::unique_ptr<CObject> read = Read("Outline=0, 0, 10, 0, 10, 10\r\n");
    ASSERT_NE(read, nullptr);
    const Polygon2D& outline = AsComposite(read).m_Outline;
    // The line after the test's own outline line adds the point (1, 2).
    ASSERT_EQ(outline.GetCount(), 4u);
    EXPECT_EQ(outline.GetPoint(2).y, 10.0f);

    CTestComposite object;
    object.SetDefaults();
    object.m_Outline.InsertPoint(1.5f, -2, -1);
    object.m_Outline.InsertPoint(3, 4, -1);
    const std::string bytes = ObjectBinary(&object);
    EXPECT_NE(bytes.find(std::string("POLY2D\0\x07", 8) + LittleEndianWord(2)), std::string::npos);
    CTestComposite copy;
    ASSERT_TRUE(ReadObjectBinary(&copy, bytes));
    ASSERT_EQ(copy.m_Outline.GetCount(), 2u);
    EXPECT_EQ(copy.m_Outline.GetPoint(0).x, 1.5f);
}

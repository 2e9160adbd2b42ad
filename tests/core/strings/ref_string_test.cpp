#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/core/strings/ref_string.h"

namespace {

std::u16string WideOf(const CString& text)
{
    return std::u16string(text.GetWideText(), text.GetLength());
}

CString Wide(const char16_t* text)
{
    return CString(text);
}

} // namespace

TEST(CStringSharing, CopiesShareUntilOneIsWritten)
{
    CString original("abc");
    CString copy(original);
    EXPECT_EQ(original.GetText(), copy.GetText());

    copy.Append("d");
    EXPECT_STREQ(original.GetText(), "abc");
    EXPECT_STREQ(copy.GetText(), "abcd");
    EXPECT_NE(original.GetText(), copy.GetText());
}

TEST(CStringSharing, InPlaceEditOfACopyLeavesTheOriginal)
{
    CString original("abc");
    CString copy = original;
    copy.SetAt(0, 'x');
    copy.MakeUpper();
    EXPECT_STREQ(original.GetText(), "abc");
    EXPECT_STREQ(copy.GetText(), "XBC");
}

TEST(CStringSharing, EmptyStringsShareOneRepresentationUntilWritten)
{
    CString first;
    CString second("");
    CString third(static_cast<const char*>(nullptr));
    EXPECT_EQ(first.GetText(), second.GetText());
    EXPECT_EQ(first.GetText(), third.GetText());

    second.Append("x");
    EXPECT_NE(first.GetText(), second.GetText());
    EXPECT_TRUE(first.IsEmpty());
    EXPECT_TRUE(third.IsEmpty());
    EXPECT_TRUE(CString().IsEmpty());

    second.Empty();
    EXPECT_EQ(first.GetText(), second.GetText());
}

// Threads make empty strings at once, so the shared representation is never
// counted, and it reads as shared so that every write leaves it first.
TEST(CStringSharing, TheEmptyRepresentationIsNeverCountedNorWritten)
{
    const int32_t count = CString::GetEmptyRep()->m_RefCount;
    {
        CString first;
        CString second(first);
        CString third;
        third = second;
        third.Truncate();
        EXPECT_EQ(CString::GetEmptyRep()->m_RefCount, count);
        EXPECT_GT(count, 1);

        first.ReleaseBuffer(0);
        second.SetAt(0, 0);
        EXPECT_NE(first.GetText(), CString().GetText());
        EXPECT_NE(second.GetText(), CString().GetText());
    }
    EXPECT_EQ(CString::GetEmptyRep()->m_RefCount, count);
}

TEST(CStringSharing, SelfAssignmentKeepsTheText)
{
    CString text("abc");
    CString& alias = text;
    text = alias;
    EXPECT_STREQ(text.GetText(), "abc");
}

TEST(CStringCapacity, AllocationIsExactAndReservedRoomIsWrittenInPlace)
{
    CString text("abc");
    text.Append("de");
    EXPECT_EQ(text.GetSpareCapacity(), 0u);

    text.Reserve(20);
    const char* storage = text.GetText();
    text.Append("fgh");
    EXPECT_EQ(text.GetText(), storage);
    EXPECT_EQ(text.GetSpareCapacity(), 12u);
}

TEST(CStringCapacity, ReserveKeepsASharedStringWithEnoughRoomShared)
{
    CString text("abcdef");
    CString copy(text);
    text.Reserve(3);
    EXPECT_EQ(text.GetText(), copy.GetText());
}

TEST(CStringCapacity, AssigningShorterTextReusesAnUnsharedRepresentation)
{
    CString text("a longer text");
    const char* storage = text.GetText();
    text = "short";
    EXPECT_EQ(text.GetText(), storage);
    EXPECT_STREQ(text.GetText(), "short");
}

TEST(CStringCapacity, TruncateKeepsStorageUnlessShared)
{
    CString text("abc");
    const char* storage = text.GetText();
    text.Truncate();
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(text.GetText(), storage);

    CString shared("abc");
    CString copy(shared);
    shared.Truncate();
    EXPECT_EQ(shared.GetText(), CString().GetText());
    EXPECT_STREQ(copy.GetText(), "abc");
}

TEST(CStringCapacity, BufferKeepsTextAndIsTerminatedOnRelease)
{
    CString text("ab");
    CString copy(text);
    char* buffer = text.GetBuffer(10);
    EXPECT_STREQ(buffer, "ab");
    buffer[2] = 'c';
    buffer[3] = 0;
    text.ReleaseBuffer();
    EXPECT_STREQ(text.GetText(), "abc");
    EXPECT_STREQ(copy.GetText(), "ab");

    text.GetBuffer(0)[1] = 'x';
    text.ReleaseBuffer(2);
    EXPECT_STREQ(text.GetText(), "ax");
}

TEST(CStringCapacity, BufferForOverwriteLeavesSharersAlone)
{
    CString text("abc");
    CString copy(text);
    char* buffer = text.GetBufferForOverwrite(5);
    std::memcpy(buffer, "hello", 5);
    text.ReleaseBuffer(5);
    EXPECT_STREQ(text.GetText(), "hello");
    EXPECT_STREQ(copy.GetText(), "abc");
}

TEST(CStringConstruction, RepeatedCharacterPicksItsWidth)
{
    CString dashes('-', 3);
    EXPECT_STREQ(dashes.GetText(), "---");
    EXPECT_FALSE(dashes.IsWide());

    CString wide(u'\u4E2D', 2);
    EXPECT_TRUE(wide.IsWide());
    EXPECT_EQ(WideOf(wide), u"\u4E2D\u4E2D");

    EXPECT_TRUE(CString('x', 0).IsEmpty());
}

TEST(CStringConstruction, WideTextStaysWideEvenWhenEmpty)
{
    CString wide(u"");
    EXPECT_TRUE(wide.IsWide());
    EXPECT_TRUE(wide.IsEmpty());
    EXPECT_FALSE(CString(static_cast<const char16_t*>(nullptr)).IsWide());
}

TEST(CStringConstruction, WideBufferStopsAtATerminator)
{
    const char16_t units[] = {u'a', u'b', 0, u'c'};
    CString text;
    text.Assign(units, 4);
    EXPECT_TRUE(text.IsWide());
    EXPECT_EQ(WideOf(text), u"ab");

    text.Assign(u"abcdef", 3);
    EXPECT_EQ(WideOf(text), u"abc");
}

TEST(CStringConstruction, ByteBufferNeedsNoTerminator)
{
    CString text;
    text.Assign("abcdef", 3);
    EXPECT_STREQ(text.GetText(), "abc");
    text.Assign("abc", 0);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CStringConstruction, LengthsInCharactersAndBytes)
{
    CString narrow("abc");
    EXPECT_EQ(narrow.GetLength(), 3u);
    EXPECT_EQ(narrow.GetByteLength(), 3u);
    EXPECT_EQ(narrow.GetByteSize(), 4u);

    CString wide(u"abc");
    EXPECT_EQ(wide.GetLength(), 3u);
    EXPECT_EQ(wide.GetByteLength(), 6u);
    EXPECT_EQ(wide.GetByteSize(), 8u);
}

TEST(CStringAccess, CheckedGetAtAnswersZeroPastTheEnd)
{
    CString text("ab");
    EXPECT_EQ(text.GetAt(1), u'b');
    EXPECT_EQ(text.GetAt(2), 0);
    EXPECT_EQ(text.GetAt(100), 0);
    EXPECT_EQ(CString().GetAtUnchecked(0), 0);
}

TEST(CStringWidth, StoringALargeCharacterWidensAndNarrowingMarksIt)
{
    CString text("abc");
    text.SetAt(1, u'\u4E2D');
    EXPECT_TRUE(text.IsWide());
    EXPECT_EQ(WideOf(text), u"a\u4E2Dc");
    EXPECT_FALSE(text.FitsInEightBits());

    text.MakeNarrow();
    EXPECT_FALSE(text.IsWide());
    EXPECT_STREQ(text.GetText(), "a*c");
}

TEST(CStringWidth, AssigningEightBitTextNarrows)
{
    CString text(u"\u4E2D");
    text = "xyz";
    EXPECT_FALSE(text.IsWide());
    EXPECT_STREQ(text.GetText(), "xyz");
}

TEST(CStringWidth, LatinOneBytesWidenToTheSameValues)
{
    CString text("\xE9t\xE9");
    text.MakeWide();
    EXPECT_TRUE(text.IsWide());
    EXPECT_EQ(WideOf(text), u"\u00E9t\u00E9");
    EXPECT_TRUE(text.FitsInEightBits());
}

TEST(CStringWidth, AppendingWideTextWidensEvenWithoutLargeCharacters)
{
    CString text("ab");
    text.Append(Wide(u"c"));
    EXPECT_TRUE(text.IsWide());
    EXPECT_EQ(WideOf(text), u"abc");

    CString empty;
    empty.Append(Wide(u""));
    EXPECT_TRUE(empty.IsWide());

    CString wide(u"\u4E2D");
    wide.Append("\xE9");
    EXPECT_EQ(WideOf(wide), u"\u4E2D\u00E9");
}

TEST(CStringWidth, LargeRepeatedOrInsertedCharactersWiden)
{
    CString repeated("a");
    repeated.AppendRepeated(u'\u4E2D', 2);
    EXPECT_EQ(WideOf(repeated), u"a\u4E2D\u4E2D");

    CString inserted("ac");
    inserted.Insert(1, u'\u4E2D');
    EXPECT_EQ(WideOf(inserted), u"a\u4E2Dc");

    CString narrow("a");
    narrow.AppendRepeated('b', 3);
    EXPECT_FALSE(narrow.IsWide());
    EXPECT_STREQ(narrow.GetText(), "abbb");
}

TEST(CStringAppend, AppendOfACountIsClippedToTheOtherString)
{
    CString text("ab");
    text.Append(CString("xyz"), 10);
    EXPECT_STREQ(text.GetText(), "abxyz");
    text.Append(CString("123"), 2);
    EXPECT_STREQ(text.GetText(), "abxyz12");
}

TEST(CStringAppend, AppendingItselfDoublesTheText)
{
    CString text("ab");
    text.Append(text);
    EXPECT_STREQ(text.GetText(), "abab");
    text.Append(text.GetText());
    EXPECT_STREQ(text.GetText(), "abababab");
}

TEST(CStringAppend, OperatorsAppendTextAndSingleBytes)
{
    CString text("a");
    text += "b";
    text += CString("c");
    text += 'd';
    text += static_cast<const char*>(nullptr);
    EXPECT_STREQ(text.GetText(), "abcd");
}

TEST(CStringAppend, DelimitedAppendsTheSeparatorOnlyBetweenTexts)
{
    struct Case {
        const char* start;
        const char* addition;
        const char* expected;
    };
    const Case cases[] = {
        {"", "a", "a"},
        {"a", "b", "a, b"},
        {"a", "", "a"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CString text(c.start);
        text.AppendDelimited(", ", c.addition);
        EXPECT_STREQ(text.GetText(), c.expected) << c.start << " + " << c.addition;
    }
}

TEST(CStringPaths, AppendPathPutsOneSlashBetween)
{
    struct Case {
        const char* start;
        const char* addition;
        const char* expected;
    };
    const Case cases[] = {
        {"", "b", "b"},
        {"a", "b", "a/b"},
        {"a/", "b", "a/b"},
        {"a", "", "a/"},
        {"a\\", "b", "a\\b"},
        {"a\\", "", "a\\"},
        {"a", nullptr, "a/"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CString fromText(c.start);
        fromText.AppendPath(c.addition);
        EXPECT_STREQ(fromText.GetText(), c.expected) << c.start << " + " << (c.addition ? c.addition : "null");

        CString fromString(c.start);
        fromString.AppendPath(CString(c.addition));
        EXPECT_STREQ(fromString.GetText(), c.expected);
    }
}

TEST(CStringPaths, AssignPathJoinsFolderNameAndExtension)
{
    CString path;
    path.AssignPath("Data/Sounds", "Hit", ".wav");
    EXPECT_STREQ(path.GetText(), "Data/Sounds/Hit.wav");
    path.AssignPath("", "Hit");
    EXPECT_STREQ(path.GetText(), "Hit");
    path.AssignPath(nullptr, "Hit");
    EXPECT_STREQ(path.GetText(), "Hit");
    path.AssignPath("Data", "Hit");
    EXPECT_STREQ(path.GetText(), "Data/Hit");
    path.AssignPath("Data/", "Hit");
    EXPECT_STREQ(path.GetText(), "Data/Hit");
    path.AssignPath("C:\\Games\\", "Data");
    EXPECT_STREQ(path.GetText(), "C:\\Games\\Data");
}

TEST(CStringPaths, FlatPathMarksTheLastPartOfTheSourcePath)
{
    CString path;
    path.AssignFlatPath("Cache", "Data/Bricks/Red", "Properties.txt", nullptr);
    EXPECT_STREQ(path.GetText(), "Cache/Data/Bricks/-Red/Properties.txt");
    path.AssignFlatPath("Cache", "Frames/Ball", ".frm");
    EXPECT_STREQ(path.GetText(), "Cache/Frames/-Ball.frm");
    path.AssignFlatPath("Cache", "Data\\Red", "P.txt", ".bak");
    EXPECT_STREQ(path.GetText(), "Cache/Data/-Red/P.txt.bak");
}

TEST(CStringPaths, SplitPathAtTheLastSeparator)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {"Data/Sounds/Hit.wav", "Data/Sounds", "Hit.wav"},
        {"Hit.wav", "", "Hit.wav"},
        {"/Hit.wav", "", "Hit.wav"},
        {"Data\\Hit.wav", "Data", "Hit.wav"},
        {"Data/", "Data", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CString folder("old");
        CString name("old");
        SplitPath(CString(c.path), &folder, &name);
        EXPECT_STREQ(folder.GetText(), c.folder) << c.path;
        EXPECT_STREQ(name.GetText(), c.name) << c.path;
    }
    CString name;
    SplitPath("a/b", nullptr, &name);
    EXPECT_STREQ(name.GetText(), "b");
}

TEST(CStringSubstrings, CountsAreClippedAndWholeTextsShared)
{
    CString text("abc");
    CString out("old");
    EXPECT_TRUE(text.Mid(out, 3).IsEmpty());
    EXPECT_TRUE(text.Mid(out, 7).IsEmpty());
    EXPECT_EQ(text.Mid(out, 0).GetText(), text.GetText());
    EXPECT_STREQ(text.Mid(out, 1, 10).GetText(), "bc");
    EXPECT_STREQ(text.Mid(out, 1, 1).GetText(), "b");
    EXPECT_TRUE(text.Mid(out, 1, 0).IsEmpty());
    EXPECT_TRUE(text.Mid(out, 4, 2).IsEmpty());
    EXPECT_EQ(text.Mid(out, 0, 3).GetText(), text.GetText());
    EXPECT_STREQ(text.Left(out, 2).GetText(), "ab");
    EXPECT_STREQ(text.Right(out, 2).GetText(), "bc");
    EXPECT_EQ(text.Right(out, 5).GetText(), text.GetText());
    EXPECT_TRUE(text.Right(out, 0).IsEmpty());
}

TEST(CStringSubstrings, OutMayBeTheSourceAndWidthIsKept)
{
    CString text("abcdef");
    text.Mid(text, 2, 3);
    EXPECT_STREQ(text.GetText(), "cde");

    CString wide(u"a\u4E2Dc");
    CString out;
    wide.Mid(out, 1);
    EXPECT_TRUE(out.IsWide());
    EXPECT_EQ(WideOf(out), u"\u4E2Dc");

    CString left;
    left.AssignLeft(CString("hello"), 4);
    EXPECT_STREQ(left.GetText(), "hell");
}

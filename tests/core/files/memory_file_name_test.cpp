#include <gtest/gtest.h>

#include <string>

#include "engine/core/files/file.h"
#include "engine/core/files/memory_file_name.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/settings/paths.h"
#include "tests/support/scoped_temp_folder.h"

static CMemoryStream* MakeStream(const std::string& bytes)
{
    CMemoryStream* stream = new CMemoryStream();
    stream->Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    stream->Seek(0);
    return stream;
}

TEST(MemoryFileNames, HaveThePrefixKeyAndName)
{
    CMemoryStream* stream = MakeStream("x");
    CString name = MakeMemoryFileName(stream, "Sounds/Hit.wav");
    std::string text = name.GetText();
    ASSERT_EQ(text.size(), 12u + 8u + 1u + 14u);
    EXPECT_EQ(text.substr(0, 12), "~CFileBuf 0x");
    EXPECT_EQ(text.substr(12, 8).find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(text.substr(20), "/Sounds/Hit.wav");
    EXPECT_EQ(DecodeMemoryFileName(name.GetText()), stream);
    delete stream;
}

TEST(MemoryFileNames, AGenuineNameOpensOnce)
{
    CMemoryStream* stream = MakeStream("line one\r\n");
    CString name = MakeMemoryFileName(stream, "text.txt");
    CFile file;
    ASSERT_TRUE(file.Open(name.GetText(), OPEN_READ));
    CString line;
    ASSERT_TRUE(file.ReadLine(line));
    EXPECT_EQ(line.Compare("line one"), 0);

    // The file owns the stream now; a second open must not reach it.
    CFile second;
    EXPECT_FALSE(second.Open(name.GetText(), OPEN_READ));
    EXPECT_EQ(DecodeMemoryFileName(name.GetText()), nullptr);
    file.Close();
    EXPECT_FALSE(second.Open(name.GetText(), OPEN_READ));
}

TEST(MemoryFileNames, ForgedNamesFailWithoutTouchingMemory)
{
    const char* forged[] = {
        "~CFileBuf 0x12345678/x.txt",
        "~CFileBuf 0xDEADBEEF/x.txt",
        "~CFileBuf 0x00000000/x.txt",
        "~CFileBuf 0xZZZZZZZZ",
        "~CFileBuf 0xffffffff/x.txt",
    };
    for (const char* name : forged)
    {
        EXPECT_EQ(DecodeMemoryFileName(name), nullptr) << name;
        CFile file;
        EXPECT_FALSE(file.Open(name, OPEN_READ)) << name;
        DeleteMemoryFile(name);
    }
}

TEST(MemoryFileNames, AShortKeyIsAnOrdinaryName)
{
    ScopedTempFolder folder;
    folder.WriteFile("~CFileBuf 0x1234567", "ordinary");
    SetDataFolder(folder.Path().c_str());
    CFile file;
    bool opened = file.Open("~CFileBuf 0x1234567", OPEN_READ);
    SetDataFolder(".");
    ASSERT_TRUE(opened);
    EXPECT_EQ(file.GetSize(), 8u);
    EXPECT_EQ(DecodeMemoryFileName("~CFileBuf 0x1234567"), nullptr);
}

TEST(MemoryFileNames, DeletingByNameOrDirectlyForgetsTheName)
{
    CString deletedByName = MakeMemoryFileName(MakeStream("a"), "a.txt");
    DeleteMemoryFile(deletedByName.GetText());
    EXPECT_EQ(DecodeMemoryFileName(deletedByName.GetText()), nullptr);

    CMemoryStream* stream = MakeStream("b");
    CString deletedDirectly = MakeMemoryFileName(stream, "b.txt");
    delete stream;
    EXPECT_EQ(DecodeMemoryFileName(deletedDirectly.GetText()), nullptr);
    CFile file;
    EXPECT_FALSE(file.Open(deletedDirectly.GetText(), OPEN_READ));
}

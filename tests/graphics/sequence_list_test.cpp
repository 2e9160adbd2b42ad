#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/core/lists/list_registry.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/graphics/sequence_ref.h"
#include "engine/object/object_files.h"
#include "tests/support/sequence_data_folder.h"

namespace {

class SequenceListTest : public SequenceDataFolder
{
protected:
    void Init() { InitCatalogueLibrary(m_List, LIBRARY_SEQUENCES); }

    CSequenceList m_List;
};

} // namespace

TEST_F(SequenceListTest, DashFoldersAreItems)
{
    WriteSourceImage("Resources/-Ball/a.tga", 3, 3);
    WriteSourceImage("Resources/Ball/a.tga", 3, 3);
    WriteSourceImage("Resources/Bricks/-Red/a.tga", 3, 3);
    Init();
    ASSERT_EQ(m_List.GetCount(), 2u);
    EXPECT_STREQ(m_List.GetName(0), "Ball");
    EXPECT_STREQ(m_List.GetName(1), "Bricks/Red");
    CString path;
    m_List.GetItemFilePath(0, path);
    EXPECT_STREQ(path.GetText(), "Resources/-Ball/Properties.txt");
    m_List.GetItemFilePath(1, path);
    EXPECT_STREQ(path.GetText(), "Resources/Bricks/-Red/Properties.txt");
    EXPECT_EQ(m_List.GetItemClassInfo(), CSequence::SGetClassInfo());
    const CListRegistryEntry* entry = GetListRegistry().FindEntry(&m_List);
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->listName.GetText(), "Sequences");
    EXPECT_EQ(entry->referenceFactory, &CSequenceList::CreateReference);

    CSequence* red = m_List.GetItemObject(1);
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->GetFrameCount(), 1u);
}

TEST_F(SequenceListTest, CompiledFilesStandInForMissingSources)
{
    m_Folder.WriteFile("Data/Cache/Resources/Ball.seq16", "x");
    Init();
    ASSERT_EQ(m_List.GetCount(), 1u);
    EXPECT_STREQ(m_List.GetName(0), "Ball");
}

TEST_F(SequenceListTest, StripsAloneListAndLoad)
{
    SetCompressedStorageMode(true);
    WriteSourceImage("Resources/-Ball/a.tga", 4, 3);
    WriteSourceImage("Resources/-Ball/b.tga", 5, 3);
    {
        CSequence built;
        ASSERT_TRUE(built.LoadSequence("Resources", "Ball", nullptr));
    }
    std::filesystem::remove_all(Absolute("Data/Resources"));
    std::filesystem::remove(Absolute("Data/Cache/Resources/-Ball.seq16"));
    Init();
    ASSERT_EQ(m_List.GetCount(), 1u);
    EXPECT_STREQ(m_List.GetName(0), "Ball");
    CSequence* ball = m_List.GetItemObject(0);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(ball->GetFrameCount(), 2u);
    EXPECT_TRUE(DataFileExists("Cache/Resources/-Ball.seq16"));
}

TEST_F(SequenceListTest, SavingAnItemRewritesItsProperties)
{
    WriteSourceImage("Resources/-Ball/a.tga", 3, 3);
    Init();
    CSequence* ball = m_List.GetItemObject(0);
    ASSERT_NE(ball, nullptr);
    ball->SetFramesPerSecond(24.0f);
    ASSERT_TRUE(SaveObject(ball));
    EXPECT_NE(FileBytes("Data/Resources/-Ball/Properties.txt").find("Frames Per Second=24"), std::string::npos);
}

TEST_F(SequenceListTest, AnEditedOptionSavesAndRebuilds)
{
    WriteSourceImage("Resources/-Ball/a.tga", 3, 3);
    WriteSourceImage("Resources/-Ball/b.tga", 4, 3);
    WriteSourceImage("Resources/-Ball/c.tga", 5, 3);
    Init();
    CSequence* ball = m_List.GetItemObject(0);
    ASSERT_EQ(ball->GetFrameCount(), 3u);
    ball->SetUseEvery(2);
    EXPECT_EQ(ball->GetFrameCount(), 2u);
    EXPECT_NE(FileBytes("Data/Resources/-Ball/Properties.txt").find("Use Every=2"), std::string::npos);
    // The same value again changes nothing.
    CFrame* first = ball->GetFrame(0);
    ball->SetUseEvery(2);
    EXPECT_EQ(ball->GetFrame(0), first);
}

TEST_F(SequenceListTest, ReferencesPlayTheItem)
{
    WriteSourceImage("Resources/-Ball/a.tga", 3, 3);
    Init();
    std::unique_ptr<CResourceRef> ref(CSequenceList::CreateReference(&m_List, 7));
    auto* sequenceRef = static_cast<CSequenceRef*>(ref.get());
    EXPECT_EQ(sequenceRef->GetSequence(), m_List.GetItemObject(0));
    EXPECT_EQ(ref->GetItemIndex(), 7);
    EXPECT_TRUE(sequenceRef->IsPlaying());
    EXPECT_GT(m_List.GetUsage(0).m_TotalUses, 0);
}

TEST_F(SequenceListTest, EmptyListGivesAReferenceWithoutSequence)
{
    Init();
    std::unique_ptr<CResourceRef> ref(CSequenceList::CreateReference(&m_List, 0));
    auto* sequenceRef = static_cast<CSequenceRef*>(ref.get());
    EXPECT_EQ(sequenceRef->GetSequence(), nullptr);
    CFrame target;
    target.Create(4, 4, 16);
    ref->Draw(&target, CPoint{1, 1});
    ref->Update(1.0f);
    CRect bounds;
    ref->GetBounds(bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);
}

TEST_F(SequenceListTest, SaveAsAviWritesNumberedBitmapsAndTheBatchFile)
{
    for (const char* image : {"a", "b", "c"})
        WriteSourceImage(std::string("Resources/-Walk/") + image + ".tga", 4, 3);
    Init();
    CSequence* walk = m_List.GetItemObject(0);
    ASSERT_EQ(walk->GetFrameCount(), 3u);
    walk->SaveAsAVI();
    for (const char* bitmap : {"0000.BMP", "0001.BMP", "0002.BMP"})
    {
        const std::string bytes = FileBytes(std::string("AVIs/Resources/-Walk/") + bitmap);
        ASSERT_GT(bytes.size(), 54u) << bitmap;
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(static_cast<uint8_t>(bytes[28]), 24);
    }
    EXPECT_FALSE(std::filesystem::exists(Absolute("AVIs/Resources/-Walk/0003.BMP")));
    const std::string batch = FileBytes("AVIs/Resources/-Walk/MakeAVI.bat");
    const size_t lineEnd = batch.find('\n');
    ASSERT_NE(lineEnd, std::string::npos);
    EXPECT_NE(batch.find("BMP2AVI.exe\" -f 15 -o \"../-Walk\"\n"), std::string::npos);
    EXPECT_EQ(batch.substr(lineEnd + 1), "del /Q \"../-Walk\"\n");
}

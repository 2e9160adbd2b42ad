#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/app/sound/sound.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/archives/mount_archives.h"
#include "engine/core/lists/list_registry.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/sound_fixtures.h"

namespace {

class SoundListTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        ASSERT_TRUE(GetSoundManager().Init());
        GetSoundManager().SetSoundLimit(16);
        const std::string wave = PcmWave(1, 22050, 16, Samples16(std::vector<int16_t>(50, 500)));
        m_Folder.WriteFile("Data/Sounds/Hit.wav", wave);
        m_Folder.WriteFile("Data/Sounds/UI/Button Action.wav", wave);
        m_Folder.WriteFile("Data/Sounds/Bounce.ogg", EncodeOggVorbis(SineSamples(2000, 1), 1, 22050));
        m_Folder.WriteFile("Data/Sounds/Notes.txt", "not a sound");
        ASSERT_EQ(m_List.Mount("Sounds", "Sounds", ".wav", ".ogg"), 3u);
    }

    void TearDown() override
    {
        GetSoundManager().Shutdown();
        ArchiveTestFolder::TearDown();
    }

    ScopedManualAudio m_Audio;
    CSoundList m_List;
};

TEST_F(SoundListTest, MountListsTheFolderSortedWithSubFolders)
{
    EXPECT_STREQ(m_List.GetName(0), "Bounce.ogg");
    EXPECT_STREQ(m_List.GetName(1), "Hit.wav");
    EXPECT_STREQ(m_List.GetName(2), "UI/Button Action.wav");
    EXPECT_EQ(m_List.GetListName().Compare("Sound List"), 0);
    EXPECT_TRUE(m_List.HasItemAction());
    EXPECT_STREQ(m_List.GetItemActionCaption(), "Play");
    for (uint32_t i = 0; i < 3; i++)
        EXPECT_FALSE(m_List.IsItemLoaded(i));
    CListRegistryEntry* entry = GetListRegistry().FindEntry(&m_List);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->listName.Compare("Sounds"), 0);
    EXPECT_TRUE(entry->folder.IsEmpty());
    EXPECT_NE(m_List.GetFolderTree(), nullptr);
}

TEST_F(SoundListTest, NamesFindTheOtherExtensionAndIgnoreCase)
{
    struct Case
    {
        const char* name;
        int32_t index;
    } cases[] = {
        {"Bounce.ogg", 0},  {"Bounce.wav", 0},  {"BOUNCE.WAV", 0},           {"bounce.OGG", 0},
        {"Hit.ogg", 1},     {"hit.wav", 1},     {"UI/Button Action.wav", 2}, {"ui/button action.OGG", 2},
        {"Missing.wav", -1}, {"Bounce.mp3", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(m_List.FindSound(c.name, -1), c.index) << c.name;
    EXPECT_EQ(m_List.Find("hit.ogg", -1), 1);
}

TEST_F(SoundListTest, PlaysByNameAndIndexWithinTheList)
{
    EXPECT_TRUE(m_List.PlayByName("bounce.wav"));
    EXPECT_TRUE(m_List.IsItemLoaded(0));
    EXPECT_TRUE(m_List.GetSound(0)->IsPlaying());
    EXPECT_EQ(m_List.GetSound(0)->GetListIndex(), 0);
    EXPECT_EQ(m_List.GetUsage(0).m_TotalUses, 1);
    EXPECT_FALSE(m_List.PlayByName("Missing.wav"));

    EXPECT_TRUE(m_List.PlayByIndex(1));
    EXPECT_TRUE(m_List.GetSound(1)->IsPlaying());
    EXPECT_FALSE(m_List.PlayByIndex(3));
    EXPECT_FALSE(m_List.PlayByIndex(-1));
    EXPECT_EQ(m_List.CreateInstance(3), nullptr);
    EXPECT_EQ(m_List.CreateInstance(-1), nullptr);
    EXPECT_GT(m_List.GetItemDataBytes(0), 0u);
}

TEST_F(SoundListTest, UnloadingAnItemNeverLoadedChangesNothing)
{
    CSound* before = m_List.GetSound(1);
    m_List.UnloadItem(1);
    EXPECT_EQ(m_List.GetSound(1), before);
    EXPECT_EQ(m_List.GetUsage(1).m_UnloadCount, 0);

    m_List.TouchItem(1);
    EXPECT_TRUE(m_List.IsItemLoaded(1));
    EXPECT_TRUE(m_List.WasItemUsed(1));
    m_List.UnloadItem(1);
    EXPECT_FALSE(m_List.IsItemLoaded(1));
    EXPECT_EQ(m_List.GetUsage(1).m_UnloadCount, 1);
    EXPECT_TRUE(m_List.PlayByIndex(1));
    EXPECT_TRUE(m_List.IsItemLoaded(1));
}

// The instance's duplicate is still pending when its item loads; unloading
// the item then would leave the instance reading a deleted sound.
TEST_F(SoundListTest, InstanceMadeBeforeItsItemLoadedSurvivesAnUnloadAttempt)
{
    CSound* instance = m_List.CreateInstance(2);
    ASSERT_NE(instance, nullptr);
    EXPECT_TRUE(instance->IsPending());
    ASSERT_TRUE(m_List.PlayByIndex(2));
    CSound* item = m_List.GetSound(2);
    m_List.UnloadItem(2);
    EXPECT_EQ(m_List.GetSound(2), item);
    EXPECT_TRUE(m_List.IsItemLoaded(2));

    instance->PlayBuffer(1);
    EXPECT_FALSE(instance->IsPending());
    EXPECT_TRUE(instance->IsPlaying());
    GetSoundManager().DeleteSound(instance);
    m_List.ReleaseInstance(2);
    m_List.UnloadItem(2);
    EXPECT_FALSE(m_List.IsItemLoaded(2));
}

TEST_F(SoundListTest, LoadAllLoadsEveryItemAndMountingAgainReplacesThem)
{
    m_List.LoadAll();
    for (uint32_t i = 0; i < 3; i++)
        EXPECT_TRUE(m_List.IsItemLoaded(i)) << i;
    m_Folder.WriteFile("Data/Sounds/Zap.wav", PcmWave(1, 8000, 8, std::string(10, '\x80')));
    EXPECT_EQ(m_List.Mount("Sounds", "Sounds/", "wav", "ogg"), 4u);
    EXPECT_STREQ(m_List.GetName(3), "Zap.wav");
    EXPECT_FALSE(m_List.IsItemLoaded(0));
}

// Sounds in an archive are listed beside loose ones and decode through the
// archive's member stream.
TEST_F(SoundListTest, SoundsInAnArchivePlay)
{
    TestZipMember member;
    member.name = "Sounds/Zipped.ogg";
    member.data = EncodeOggVorbis(SineSamples(3000, 2), 2, 44100);
    WriteZip("Data.zip", {member});
    MountArchives("Data");
    ASSERT_EQ(m_List.Mount("Sounds", "Sounds", ".wav", ".ogg"), 4u);
    const int32_t index = m_List.FindSound("zipped.wav", -1);
    ASSERT_NE(index, -1);
    EXPECT_TRUE(m_List.PlayByIndex(index));
    EXPECT_TRUE(m_List.IsItemLoaded(static_cast<uint32_t>(index)));
    EXPECT_EQ(m_List.GetItemDataBytes(static_cast<uint32_t>(index)), 3000u * 4u);
    EXPECT_TRUE(m_List.GetSound(index)->IsPlaying());
}

} // namespace

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "engine/core/files/data_files.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/settings/paths.h"
#include "engine/core/files/stream.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/object/object_files.h"
#include "engine/object/object_read_hook.h"
#include "engine/object/object_stream.h"
#include "tests/object/every_kind_object.h"
#include "engine/platform/durable_save.h"
#include "tests/support/killed_saves.h"
#include "tests/support/scoped_temp_folder.h"

// A round set of the user's: saved compressed, and always rewritten.
class CTestCompressedSet : public CObject
{
    VP_DECLARE_CLASS(CTestCompressedSet)
public:
    CTestCompressedSet() { ConstructProperties(SGetClassInfo()); }
    ~CTestCompressedSet() override { DestroyProperties(SGetClassInfo()); }
    uint32_t GetSaveFlags() const override { return OPEN_COMPRESSED; }

    int32_t m_Rounds;
};

VP_IMPLEMENT_CLASS(CTestCompressedSet, CObject, 1.0f)

void CTestCompressedSet::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty("Rounds", VP_MEMBER(m_Rounds), EDITOR_EDITABLE, 1, nullptr, 0, 0));
}

namespace
{
// Records what a property setter sees while its object is being read.
CObject* s_pLoadTarget = nullptr;
bool s_SetterSawItsObjectAsTarget = false;
std::string s_FileNameDuringRead;

class CTestLoadWitness : public CObject
{
    VP_DECLARE_CLASS(CTestLoadWitness)
public:
    CTestLoadWitness() { ConstructProperties(SGetClassInfo()); }
    ~CTestLoadWitness() override { DestroyProperties(SGetClassInfo()); }

    void SetProbe(int32_t value)
    {
        m_Probe = value;
        s_SetterSawItsObjectAsTarget = s_pLoadTarget == this;
        s_FileNameDuringRead = CurrentFileName().GetText();
    }

    int32_t m_Probe;
};

// Answers the file of the one object a test names, like a data list does.
CObject* s_pKnownObject = nullptr;
std::string s_KnownObjectPath;

bool LocateKnownObject(CObject* object, CString& path)
{
    if (object != s_pKnownObject)
        return false;
    path = s_KnownObjectPath.c_str();
    return true;
}

int s_ReadHookCalls = 0;

void CountRead()
{
    s_ReadHookCalls++;
}

const char* DEFAULT_TEXT = "CTestEveryKind\r\n{\r\n"
                           "\tName=game\r\n\tScore Value=10\r\n\tRepeat Limit=1\r\n\tVisible=1\r\n\tCasts Shadow=0\r\n"
                           "\tStop=0\r\n\tTurning Rate=0\r\n\tStart Time=0\r\n\tTitle=Untitled\r\n}\r\n";

const uint64_t AN_OLD_TIME = 125911584000000000ull;

class ObjectFiles : public ::testing::Test
{
protected:
    ObjectFiles() { m_Object.SetDefaults(); }

    std::string PathOf(const char* name) const { return m_Folder.Path() + name; }

    void MakeOld(const char* name) const
    {
        ASSERT_TRUE(SetFileTimeOf(PathOf(name).c_str(), AN_OLD_TIME, kSetLastWriteTime));
    }

    uint64_t TimeOf(const char* name) const { return GetFileTimeOf(PathOf(name).c_str(), kFileTimeLastWrite); }

    bool Save(CObject* object, const char* name) const
    {
        return SaveObjectToFile(object, PathOf(name).c_str(), 0);
    }

    std::vector<std::string> FilesIn(const std::string& folder) const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_Folder.Path() + folder))
            names.push_back(entry.path().filename().string());
        return names;
    }

    // The file-size limit makes the disk refuse the write whoever runs the
    // test; it is set in a child process only. Exits with 0 when the save
    // failed and the old file is intact.
    void SaveUnderFileSizeLimitAndExit(uint32_t flags)
    {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool saved = SaveObjectToFile(&m_Object, PathOf("thing.txt").c_str(), flags);
        const bool intact = m_Folder.ReadFile("thing.txt") == "old bytes" && FilesIn("").size() == 1;
        std::exit(!saved && intact ? 0 : 1);
    }

    ScopedTempFolder m_Folder;
    CTestEveryKind m_Object;
};
}

VP_IMPLEMENT_CLASS(CTestLoadWitness, CObject, 1.0f)

void CTestLoadWitness::RegisterProperties(CClassInfo* classInfo)
{
    classInfo->AddProperty(new IntProperty("Probe", VP_MEMBER(m_Probe), EDITOR_EDITABLE, 0, VP_SETTER(SetProbe), 0, 0));
}

TEST_F(ObjectFiles, SavingWritesTheTextForm)
{
    ASSERT_TRUE(Save(&m_Object, "thing.txt"));
    EXPECT_EQ(DEFAULT_TEXT, m_Folder.ReadFile("thing.txt"));
    EXPECT_EQ(std::vector<std::string>{"thing.txt"}, FilesIn(""));
}

TEST_F(ObjectFiles, UnchangedObjectLeavesTheFileAloneAndAChangeRewritesIt)
{
    ASSERT_TRUE(Save(&m_Object, "thing.txt"));
    MakeOld("thing.txt");
    ASSERT_TRUE(Save(&m_Object, "thing.txt"));
    EXPECT_EQ(AN_OLD_TIME, TimeOf("thing.txt"));

    m_Object.m_Score = 11;
    ASSERT_TRUE(Save(&m_Object, "thing.txt"));
    EXPECT_NE(AN_OLD_TIME, TimeOf("thing.txt"));
    EXPECT_NE(std::string::npos, m_Folder.ReadFile("thing.txt").find("\tScore Value=11\r\n"));
}

TEST_F(ObjectFiles, SaveIntoReadOnlyFolderFailsAndKeepsTheOldBytes)
{
    m_Folder.WriteFile("locked/thing.txt", "old bytes");
    ASSERT_EQ(0, chmod(PathOf("locked").c_str(), 0555));
    EXPECT_FALSE(Save(&m_Object, "locked/thing.txt"));
    chmod(PathOf("locked").c_str(), 0755);
    EXPECT_EQ("old bytes", m_Folder.ReadFile("locked/thing.txt"));
    EXPECT_EQ(std::vector<std::string>{"thing.txt"}, FilesIn("locked"));
}

// Only a save that asks for it replaces a read-only file; a refused save
// leaves the file's bytes and mode as they were.
TEST_F(ObjectFiles, ReadOnlyFileIsReplacedOnlyWhenTheSaveAsksForIt)
{
    for (uint32_t flags : {0u, static_cast<uint32_t>(OPEN_CLEAR_READ_ONLY | OPEN_CREATE_FOLDERS)})
    {
        SCOPED_TRACE(flags);
        m_Folder.WriteFile("thing.txt", "old bytes");
        ASSERT_TRUE(SetFileReadOnly(PathOf("thing.txt").c_str(), true));
        const bool saved = SaveObjectToFile(&m_Object, PathOf("thing.txt").c_str(), flags);
        EXPECT_EQ(saved, flags != 0);
        EXPECT_EQ(GetFileAttributeReadOnly(PathOf("thing.txt").c_str()), !saved);
        EXPECT_EQ(m_Folder.ReadFile("thing.txt"), saved ? DEFAULT_TEXT : "old bytes");
        EXPECT_EQ(std::vector<std::string>{"thing.txt"}, FilesIn(""));
        SetFileReadOnly(PathOf("thing.txt").c_str(), false);
    }
}

namespace
{
int s_SyncCount = 0;
int CountingSync(int descriptor)
{
    s_SyncCount++;
    return fsync(descriptor);
}
}

// A save that writes flushes the file and its folder; one that finds the
// bytes unchanged touches nothing.
TEST_F(ObjectFiles, SavesAreFlushedToTheDisk)
{
    const FileSyncCall previous = SetFileSyncCall(&CountingSync);
    s_SyncCount = 0;
    const bool saved = Save(&m_Object, "thing.txt");
    const int syncsOfTheWrite = s_SyncCount;
    const bool savedAgain = Save(&m_Object, "thing.txt");
    SetFileSyncCall(previous);
    EXPECT_TRUE(saved && savedAgain);
    EXPECT_EQ(syncsOfTheWrite, 2);
    EXPECT_EQ(s_SyncCount, 2);
}

// Two states of the object saved in turn, the saver killed at any point:
// the file always holds one state whole, and no temporary files pile up.
TEST_F(ObjectFiles, AKilledSaveLeavesOneWholeStateOfTheObject)
{
    m_Object.m_pName = static_cast<char*>(std::realloc(m_Object.m_pName, 200001));
    std::memset(m_Object.m_pName, 'n', 200000);
    m_Object.m_pName[200000] = '\0';
    std::string texts[2];
    for (int32_t state = 0; state < 2; state++)
    {
        m_Object.m_Score = state;
        ASSERT_TRUE(Save(&m_Object, "thing.txt"));
        texts[state] = m_Folder.ReadFile("thing.txt");
    }
    std::mt19937 random(11);
    std::uniform_int_distribution<uint32_t> delay(0, 30000);
    for (int kill = 0; kill < 20; kill++)
    {
        ASSERT_TRUE(KillWhileSaving(
            [&](uint32_t round) {
                m_Object.m_Score = static_cast<int32_t>(round % 2);
                Save(&m_Object, "thing.txt");
            },
            delay(random)));
        const std::string held = m_Folder.ReadFile("thing.txt");
        EXPECT_TRUE(held == texts[0] || held == texts[1]) << "kill " << kill << ": " << held.size() << " bytes";
        std::vector<std::string> files = FilesIn("");
        std::erase(files, ".thing.txt.saving");
        EXPECT_EQ(std::vector<std::string>{"thing.txt"}, files) << "kill " << kill;
    }
}

TEST_F(ObjectFiles, SaveIntoAFileThatIsNoFolderFails)
{
    m_Folder.WriteFile("plain", "not a folder");
    EXPECT_FALSE(Save(&m_Object, "plain/thing.txt"));
    EXPECT_EQ("not a folder", m_Folder.ReadFile("plain"));
}

TEST_F(ObjectFiles, WriteThatFailsHalfWayKeepsTheOldBytes)
{
    m_Folder.WriteFile("thing.txt", "old bytes");
    // Letters that do not repeat, so that even the compressed form
    // outgrows the limit.
    m_Object.m_pName = static_cast<char*>(std::realloc(m_Object.m_pName, 100001));
    uint32_t seed = 12345;
    for (int i = 0; i < 100000; i++)
    {
        seed = seed * 1103515245u + 12345u;
        m_Object.m_pName[i] = static_cast<char>('a' + (seed >> 16) % 26);
    }
    m_Object.m_pName[100000] = '\0';
    for (uint32_t flags : {0u, static_cast<uint32_t>(OPEN_COMPRESSED)})
    {
        SCOPED_TRACE(flags);
        EXPECT_EXIT(SaveUnderFileSizeLimitAndExit(flags), ::testing::ExitedWithCode(0), "");
    }
}

TEST_F(ObjectFiles, CompressedSaveThatCannotOpenItsFileFails)
{
    CTestCompressedSet set;
    set.SetDefaults();
    m_Folder.WriteFile("plain", "not a folder");
    EXPECT_FALSE(Save(&set, "plain/set.VantrellZK"));
    EXPECT_EQ("not a folder", m_Folder.ReadFile("plain"));
}

TEST_F(ObjectFiles, CompressedObjectsAreStoredCompressedAndAlwaysRewritten)
{
    CTestCompressedSet set;
    set.SetDefaults();
    set.m_Rounds = 12;
    ASSERT_TRUE(Save(&set, "set.VantrellZK"));
    const std::string bytes = m_Folder.ReadFile("set.VantrellZK");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ('\x01', bytes[0]);

    MakeOld("set.VantrellZK");
    ASSERT_TRUE(Save(&set, "set.VantrellZK"));
    EXPECT_NE(AN_OLD_TIME, TimeOf("set.VantrellZK"));

    std::unique_ptr<CObject> loaded(LoadObjectFromFile(PathOf("set.VantrellZK").c_str(), OPEN_COMPRESSED, false, nullptr));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(12, static_cast<CTestCompressedSet*>(loaded.get())->m_Rounds);
}

TEST_F(ObjectFiles, LoadingHandsOutTheObjectFirstAndNamesTheFile)
{
    m_Folder.WriteFile("witness.txt", "CTestLoadWitness\r\n{\r\n\tProbe=4\r\n}\r\n");
    const CString before = CurrentFileName();
    const std::string path = PathOf("witness.txt");
    std::unique_ptr<CObject> loaded(LoadObjectFromFile(path.c_str(), 0, false, &s_pLoadTarget));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(loaded.get(), s_pLoadTarget);
    EXPECT_TRUE(s_SetterSawItsObjectAsTarget);
    EXPECT_EQ(path, s_FileNameDuringRead);
    EXPECT_STREQ(before.GetText(), CurrentFileName().GetText());
}

TEST_F(ObjectFiles, FailedLoadGivesNullAndClearsTheOutPointer)
{
    m_Folder.WriteFile("broken.txt", "CTestEveryKind\r\n{\r\n\tName=cut short\r\n");
    CObject* out = &m_Object;
    EXPECT_EQ(nullptr, LoadObjectFromFile(PathOf("broken.txt").c_str(), 0, false, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(nullptr, LoadObjectFromFile(PathOf("missing.txt").c_str(), 0, false, &out));
}

TEST_F(ObjectFiles, LoadingRewritesOnlyFilesOfAnOlderForm)
{
    m_Folder.WriteFile("current.txt", DEFAULT_TEXT);
    m_Folder.WriteFile("older.txt", "CTestEveryKind\r\n{\r\n\tScore=10\r\n}\r\n");
    MakeOld("current.txt");
    MakeOld("older.txt");
    delete LoadObjectFromFile(PathOf("current.txt").c_str(), 0, true, nullptr);
    delete LoadObjectFromFile(PathOf("older.txt").c_str(), 0, true, nullptr);
    EXPECT_EQ(AN_OLD_TIME, TimeOf("current.txt"));
    EXPECT_EQ(DEFAULT_TEXT, m_Folder.ReadFile("older.txt"));
}

TEST_F(ObjectFiles, ReadIntoObjectDefaultsItWhenTheFileIsMissing)
{
    m_Object.m_Score = 99;
    EXPECT_FALSE(ReadObjectFromFile(&m_Object, PathOf("missing.txt").c_str(), 0));
    EXPECT_EQ(10, m_Object.m_Score);

    m_Folder.WriteFile("score.txt", "CTestEveryKind\r\n{\r\n\tScore Value=31\r\n}\r\n");
    EXPECT_TRUE(ReadObjectFromFile(&m_Object, PathOf("score.txt").c_str(), 0));
    EXPECT_EQ(31, m_Object.m_Score);
}

TEST_F(ObjectFiles, ReadHookRunsAtTheStartOfEveryRead)
{
    m_Folder.WriteFile("score.txt", DEFAULT_TEXT);
    s_ReadHookCalls = 0;
    SetObjectReadHook(&CountRead);
    ReadObjectFromFile(&m_Object, PathOf("score.txt").c_str(), 0);
    SetObjectLoadingCallback(nullptr);
    ReadObjectFromFile(&m_Object, PathOf("score.txt").c_str(), 0);
    EXPECT_EQ(1, s_ReadHookCalls);
}

TEST_F(ObjectFiles, SaveByOwnerRewritesAFileFoundUnderAnotherLetterCase)
{
    m_Folder.WriteFile("data/resources/x.background", DEFAULT_TEXT);
    const std::string previousDataFolder = GetDataFolder();
    SetDataFolder((m_Folder.Path() + "Data").c_str());

    std::unique_ptr<CObject> loaded(LoadObjectFromFile("Resources/X.Background", 0, false, nullptr));
    ASSERT_NE(nullptr, loaded);
    static_cast<CTestEveryKind*>(loaded.get())->m_Score = 55;
    AddObjectFileNameHook(&LocateKnownObject);
    s_pKnownObject = loaded.get();
    s_KnownObjectPath = "Resources/X.Background";
    EXPECT_TRUE(CanSaveObject(loaded.get()));
    EXPECT_TRUE(SaveObject(loaded.get()));
    s_pKnownObject = nullptr;
    SetDataFolder(previousDataFolder.c_str());

    EXPECT_EQ(std::vector<std::string>{"x.background"}, FilesIn("data/resources"));
    EXPECT_NE(std::string::npos, m_Folder.ReadFile("data/resources/x.background").find("\tScore Value=55\r\n"));
    EXPECT_FALSE(SaveObject(&m_Object));
    EXPECT_TRUE(CanSaveObject(&m_Object));
}

TEST_F(ObjectFiles, FileNamingAnUnknownClassIsFatalAndNamesTheFile)
{
    m_Folder.WriteFile("stray.txt", "CMisspeltBrick\r\n{\r\n}\r\n");
    const std::string path = PathOf("stray.txt");
    EXPECT_EXIT(LoadObjectFromFile(path.c_str(), 0, false, nullptr), ::testing::ExitedWithCode(255),
                "FATAL ERROR!.*CMisspeltBrick.*The bad class name is used in the file \"[^\"]*stray.txt\"");
}

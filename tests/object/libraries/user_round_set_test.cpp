#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/object_files.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/object/libraries/user_round_set.h"
#include "tests/object/libraries/library_test_items.h"
#include "tests/support/archive_test_folder.h"

// The round-set catalogue entry over the stand-in round-set classes: one
// player-made set beside the program, one shipped set under Resources.
class RoundSets : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        m_Folder.WriteFile("Rounds/My Set.VantrellZK", kMySetText);
        m_Folder.WriteFile("Data/Resources/Sets/Other.VantrellZK",
                           ObjectFileText("CLibraryTestUserRoundSet", {"Rounds=Shipped"}));
        InitCatalogueLibrary(m_RoundSets, LIBRARY_ROUND_SETS);
    }

    const std::string kMySetText = ObjectFileText("CLibraryTestUserRoundSet", {"Rounds=Mine"});
    CResourceLibrary<CLibraryTestRoundSet> m_RoundSets{LIBRARY_ROUND_SETS};
};

TEST_F(RoundSets, SetsBesideTheProgramKeepTheirFolderAndComeFirst)
{
    ASSERT_EQ(m_RoundSets.GetCount(), 2u);
    struct Case
    {
        const char* name;
        const char* path;
        const char* rounds;
    };
    const Case cases[] = {
        {"./Rounds/My Set", "./Rounds/My Set.VantrellZK", "Mine"},
        {"Sets/Other", "Resources/Sets/Other.VantrellZK", "Shipped"},
    };
    for (uint32_t i = 0; i < 2; i++)
    {
        EXPECT_STREQ(m_RoundSets.GetName(i), cases[i].name);
        CString path;
        m_RoundSets.GetItemFilePath(i, path);
        EXPECT_STREQ(path.GetText(), cases[i].path);
        CLibraryTestRoundSet* set = m_RoundSets.GetItemObject(i);
        ASSERT_NE(set, nullptr) << cases[i].name;
        EXPECT_STREQ(set->m_Rounds.GetText(), cases[i].rounds);
    }
}

TEST_F(RoundSets, NewSetIsWrittenCompressedBesideTheProgramAndReadsBack)
{
    std::filesystem::remove_all(Absolute("Rounds"));
    bool saved = false;
    const int32_t index =
        CreateUserRoundSet<CLibraryTestUserRoundSet>(m_RoundSets, "./Rounds/New.vantrellzk", saved);
    ASSERT_EQ(index, 1);
    EXPECT_TRUE(saved);
    EXPECT_STREQ(m_RoundSets.GetName(1), "./Rounds/New");

    const std::string bytes = FileBytes("Rounds/New.VantrellZK");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[0], 1);

    m_RoundSets.UnloadItem(1);
    CLibraryTestRoundSet* set = m_RoundSets.GetItemObject(1);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->GetClassInfo(), CLibraryTestUserRoundSet::SGetClassInfo());
    EXPECT_STREQ(set->m_Rounds.GetText(), "Template Rounds");
}

TEST_F(RoundSets, NewSetUnderTheNameOfAnExistingOneIsRefused)
{
    bool saved = true;
    EXPECT_EQ(CreateUserRoundSet<CLibraryTestUserRoundSet>(m_RoundSets, "./rounds/my set.VANTRELLZK", saved), -1);
    EXPECT_FALSE(saved);
    EXPECT_EQ(m_RoundSets.GetCount(), 2u);
    EXPECT_EQ(FileBytes("Rounds/My Set.VantrellZK"), kMySetText);
}

TEST_F(RoundSets, AbstractRoundSetClassMakesNoSetByName)
{
    EXPECT_EQ(m_RoundSets.AddByName(CString("Fresh")), -1);
    EXPECT_EQ(m_RoundSets.GetCount(), 2u);
    EXPECT_FALSE(std::filesystem::exists(Absolute("Data/Resources/Fresh.VantrellZK")));
}

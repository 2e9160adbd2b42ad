#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"
#include "game/bricks/round_set_separate_files.h"
#include "game/bricks/round_set_user_made.h"
#include "game/records/stats.h"
#include "tests/support/archive_test_folder.h"

namespace {

std::string LevelText(const char* note)
{
    return std::string("CBrickLayout\r\n{\r\n\tNote 1=") + note + "\r\n}\r\n";
}

// Levels A..D and "Template" under Resources, a shipped set "Extra/Holiday
// Pack" of separate files, and the round-set library over them.
class RoundSets : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        for (const char* name : {"A", "B", "C", "D", "Template"})
            m_Folder.WriteFile(std::string("Data/Resources/") + name + ".Vantrell", LevelText(name));
        m_Folder.WriteFile("Data/Resources/Extra/Holiday Pack.VantrellZK",
                           "CRoundSetSeparateFiles\r\n{\r\n\tRound=B\r\n\tRound=C\r\n}\r\n");
        InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
        InitCatalogueLibrary(GetRoundSetLibrary(), LIBRARY_ROUND_SETS);
        GetStats().GetCurrentPlayer()->GetRoundSetStats(CString("Mine"))->m_HighestRoundCompleted = 0;
    }

    void TearDown() override
    {
        GetRoundSetLibrary().DeleteAllItems();
        GetRoundLibrary().DeleteAllItems();
        ArchiveTestFolder::TearDown();
    }

    static int32_t Level(const char* name) { return GetRoundLibrary().Find(name, -1); }

    // The "Note 1" of each round: the level's name.
    static std::string Notes(const CRoundSet& set)
    {
        std::string notes;
        for (uint32_t i = 0; i < set.GetRoundCount(); i++)
            notes += set.GetRound(i)->m_Note1.GetText();
        return notes;
    }

    static void Fill(CRoundSetSeparateFiles& set, const char* names)
    {
        for (const char* name = names; *name != '\0'; name++)
            set.AppendRoundIndex(Level(std::string(1, *name).c_str()));
    }
};

TEST_F(RoundSets, InsertingIntoSeparateFilesRepeatsTheFirstRound)
{
    struct Case
    {
        uint32_t position;
        const char* after;
    };
    for (const Case& c : {Case{3, "ABCAD"}, Case{0, "AABCD"}, Case{9, "ABCDA"}})
    {
        CRoundSetSeparateFiles set;
        Fill(set, "ABCD");
        set.InsertRound(c.position);
        EXPECT_EQ(Notes(set), c.after) << c.position;
    }
    CRoundSetSeparateFiles empty;
    empty.InsertRound(0);
    EXPECT_EQ(empty.GetRoundCount(), 0u);
}

TEST_F(RoundSets, SwappingAndRemovingKeepTheOtherRoundsInOrder)
{
    CRoundSetSeparateFiles set;
    Fill(set, "ABCD");
    set.SwapRounds(0, 3);
    EXPECT_EQ(Notes(set), "DBCA");
    set.RemoveRound(1);
    EXPECT_EQ(Notes(set), "DCA");
    set.RemoveRound(3);
    EXPECT_EQ(Notes(set), "DCA");
    EXPECT_EQ(set.GetSaveObject(0), GetRoundLibrary().GetItemObject(static_cast<uint32_t>(Level("D"))));
}

TEST_F(RoundSets, AUserMadeSetInsertsAndDeletesItsOwnTemplateCopies)
{
    CRoundSetUserMade set;
    set.FillWithTemplates();
    ASSERT_EQ(set.GetRoundCount(), 10u);
    CBrickLayout* templateLevel = GetRoundLibrary().GetByName("Template");
    CBrickLayout* before = set.GetRound(2);
    set.InsertRound(2);
    ASSERT_EQ(set.GetRoundCount(), 11u);
    EXPECT_NE(set.GetRound(2), templateLevel);
    EXPECT_NE(set.GetRound(2), before);
    EXPECT_TRUE(set.GetRound(2)->AllPropertiesEqual(*templateLevel));
    EXPECT_EQ(set.GetRound(3), before);
    set.RemoveRound(2);
    EXPECT_EQ(set.GetRound(2), before);
    EXPECT_EQ(set.GetSaveObject(4), &set);
    EXPECT_EQ(set.GetSaveFlags(), 0x800u);
}

TEST_F(RoundSets, SetsWithoutRoundsAnswerNoRoundAndNoRings)
{
    CRoundSetSeparateFiles separate;
    CRoundSetUserMade userMade;
    for (const CRoundSet* set : std::vector<const CRoundSet*>{&separate, &userMade})
    {
        EXPECT_EQ(set->GetRound(0), nullptr);
        EXPECT_EQ(set->GetRingTotal(), 0u);
        EXPECT_EQ(set->GetCheckpointCount(), 0u);
    }
}

TEST_F(RoundSets, RingsAndCheckpointsFollowTheRoundCount)
{
    struct Case
    {
        uint32_t rounds;
        const char* firstNote;
        const char* secondNote;
        uint32_t rings;
        uint32_t checkpoints;
    };
    const Case cases[] = {
        {12, "No Rings: the tutorial", "", 55, 2},
        {12, "no rings", "", 55, 2},
        {12, "", "No Rings", 60, 2},
        {10, "No Ring", "", 50, 1},
        {11, "", "", 55, 2},
    };
    for (const Case& c : cases)
    {
        CRoundSetUserMade set;
        for (uint32_t i = 0; i < c.rounds; i++)
            set.AppendRound(new CBrickLayout);
        set.GetRound(0)->m_Note1 = c.firstNote;
        set.GetRound(1)->m_Note1 = c.secondNote;
        EXPECT_EQ(set.GetRingTotal(), c.rings) << c.firstNote;
        EXPECT_EQ(set.GetCheckpointCount(), c.checkpoints) << c.rounds;
    }
}

TEST_F(RoundSets, DisplayNameFallsBackToTheItemsFileName)
{
    CResourceLibrary<CRoundSet>& library = GetRoundSetLibrary();
    const int32_t index = library.Find("Extra/Holiday Pack", -1);
    ASSERT_NE(index, -1);
    CRoundSet* set = library.GetItemObject(static_cast<uint32_t>(index));
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(Notes(*set), "BC");
    CString name;
    set->GetDisplayName(name);
    EXPECT_STREQ(name.GetText(), "Holiday Pack");
    set->m_DisplayName = "Winter";
    set->GetDisplayName(name);
    EXPECT_STREQ(name.GetText(), "Winter");
    CRoundSetSeparateFiles outside;
    outside.GetDisplayName(name);
    EXPECT_TRUE(name.IsEmpty());
}

TEST_F(RoundSets, ACreatedSetIsWrittenCompressedWithTenRoundsOpenToItsMaker)
{
    std::filesystem::remove_all(Absolute("Rounds"));
    ASSERT_TRUE(CreateUserRoundSet("./Rounds/Mine.VantrellZK"));
    const std::string bytes = FileBytes("Rounds/Mine.VantrellZK");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(GetStats().GetCurrentPlayer()->GetRoundSetStats(CString("Mine"))->m_HighestRoundCompleted, 999u);
    CStats saved;
    saved.Reload();
    EXPECT_EQ(saved.GetCurrentPlayer()->GetRoundSetStats(CString("Mine"))->m_HighestRoundCompleted, 999u);

    CResourceLibrary<CRoundSet>& library = GetRoundSetLibrary();
    const int32_t index = library.Find("./Rounds/Mine", -1);
    ASSERT_NE(index, -1);
    library.UnloadItem(static_cast<uint32_t>(index));
    CRoundSet* set = library.GetItemObject(static_cast<uint32_t>(index));
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->GetClassInfo(), CRoundSetUserMade::SGetClassInfo());
    EXPECT_EQ(Notes(*set), "TemplateTemplateTemplateTemplateTemplateTemplateTemplateTemplateTemplateTemplate");
}

TEST_F(RoundSets, ASetThatCannotBeWrittenIsNotCreated)
{
    std::filesystem::remove_all(Absolute("Rounds"));
    m_Folder.WriteFile("Rounds", "a file where the folder should be");
    const uint32_t count = GetRoundSetLibrary().GetCount();
    EXPECT_FALSE(CreateUserRoundSet("./Rounds/Mine.VantrellZK"));
    EXPECT_EQ(GetRoundSetLibrary().GetCount(), count);
    EXPECT_EQ(GetRoundSetLibrary().Find("./Rounds/Mine", -1), -1);
    EXPECT_EQ(GetStats().GetCurrentPlayer()->GetRoundSetStats(CString("Mine"))->m_HighestRoundCompleted, 0u);
    EXPECT_FALSE(std::filesystem::exists(Absolute("Stats.dat")));
}

TEST_F(RoundSets, TheCurrentSetIsTheOneTheRecordsNameAndNoneIsStandardWithoutTheGamesOwn)
{
    CResourceLibrary<CRoundSet>& library = GetRoundSetLibrary();
    const int32_t index = library.Find("Extra/Holiday Pack", -1);
    SelectRoundSet(static_cast<uint32_t>(index));
    EXPECT_EQ(GetCurrentRoundSet(), library.GetItemObject(static_cast<uint32_t>(index)));
    EXPECT_STREQ(GetStats().GetCurrentRoundSetStats()->m_RoundSetName.GetText(), "Holiday Pack");
    EXPECT_FALSE(IsStandardRoundSet());
}

} // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/bricks/brick_layout.h"
#include "game/bricks/round_set_library.h"
#include "game/bricks/round_set_rows.h"
#include "game/bricks/round_set_user_made.h"
#include "game/records/stats.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/standard_round_set.h"
#include "tests/support/test_round_set.h"

namespace {

std::vector<std::string> Texts(CNamedValueList& rows)
{
    std::vector<std::string> texts;
    for (uint32_t i = 0; i < rows.GetCount(); i++)
        texts.push_back(std::string(rows.GetName(i)) + "=" + std::to_string(rows.GetEntry(i).value));
    return texts;
}

// The standard set of three rounds and fresh player records.
class RoundSetRows : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        SetUpStandardRoundSet(m_Folder);
    }

    void TearDown() override
    {
        TearDownStandardRoundSet();
        ArchiveTestFolder::TearDown();
    }
};

TEST_F(RoundSetRows, SetsShowTheirRoundsAndTheRoundsOpenToThePlayer)
{
    std::filesystem::remove_all(Absolute("Rounds"));
    ASSERT_TRUE(CreateUserRoundSet("./Rounds/N.VantrellZK"));
    CNamedValueList rows;
    BuildRoundSetRows(rows);
    EXPECT_EQ(Texts(rows), (std::vector<std::string>{"Standard\t3\t1=0", "N\t10\t10=1"}));
}

TEST_F(RoundSetRows, TheCompletedColumnCountsTheNextRoundWithinTheSet)
{
    const struct
    {
        uint32_t highest;
        uint32_t rounds;
        uint32_t shown;
    } cases[] = {{0, 3, 1}, {1, 3, 2}, {2, 3, 3}, {999, 10, 10}, {0xFFFFFFFFu, 10, 10}, {0, 0, 0}, {5, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(OpenRoundCount(c.highest, c.rounds), c.shown) << c.highest << " of " << c.rounds;
}

class RoundListRows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int32_t i = 0; i < 12; i++)
        {
            m_Levels.push_back(std::make_unique<CBrickLayout>());
            m_Levels.back()->m_DisplayName.m_Shown.Format("R%d", i + 1);
            m_Set.AddRound(m_Levels.back().get());
        }
    }

    std::string Order() const
    {
        std::string order;
        for (const CBrickLayout* round : m_Set.m_Rounds)
            order += std::string(round->m_DisplayName.m_Shown.GetText()) + " ";
        return order;
    }

    std::vector<std::unique_ptr<CBrickLayout>> m_Levels;
    CTestRoundSet m_Set;
};

TEST_F(RoundListRows, RowsNumberTheRoundsAndStarTheCheckpoints)
{
    CNamedValueList rows;
    BuildRoundRows(m_Set, rows);
    ASSERT_EQ(rows.GetCount(), 12u);
    EXPECT_STREQ(rows.GetName(0), "1\t*\tR1\t");
    EXPECT_STREQ(rows.GetName(1), "2\t\tR2\t");
    EXPECT_STREQ(rows.GetName(10), "11\t*\tR11\t");
    EXPECT_EQ(rows.GetEntry(11).value, 11);
}

// The round being edited (row 5) follows its round through every change.
TEST_F(RoundListRows, TheRoundBeingEditedFollowsTheEdits)
{
    enum Edit
    {
        UP,
        DOWN,
        INSERT,
        DELETE
    };
    const struct
    {
        Edit edit;
        int32_t selected;
        bool changes;
        int32_t current;
    } cases[] = {{UP, 4, true, 3},     {UP, 5, true, 5},      {UP, 0, false, 4},     {UP, -1, false, 4},
                 {DOWN, 4, true, 5},   {DOWN, 3, true, 3},    {DOWN, 11, false, 4},  {INSERT, 4, true, 5},
                 {INSERT, 5, true, 4}, {INSERT, -1, true, 4}, {DELETE, 4, false, 4}, {DELETE, 2, true, 3},
                 {DELETE, 7, true, 4}, {DELETE, 12, false, 4}};
    for (const auto& c : cases)
    {
        SetUp();
        const size_t before = m_Set.m_Rounds.size();
        int32_t current = 4;
        bool changed = true;
        switch (c.edit)
        {
        case UP:
            changed = MoveRoundUp(m_Set, c.selected, current);
            break;
        case DOWN:
            changed = MoveRoundDown(m_Set, c.selected, current);
            break;
        case INSERT:
            InsertRoundAt(m_Set, c.selected, current);
            break;
        case DELETE:
            changed = DeleteRoundAt(m_Set, c.selected, current);
            break;
        }
        EXPECT_EQ(changed, c.changes) << c.edit << " on " << c.selected;
        EXPECT_EQ(current, c.current) << c.edit << " on " << c.selected;
        const size_t after = c.edit == INSERT ? before + 1 : c.edit == DELETE && c.changes ? before - 1 : before;
        EXPECT_EQ(m_Set.m_Rounds.size(), after);
        m_Set.m_Rounds.clear();
        m_Levels.clear();
    }
}

TEST_F(RoundListRows, TheLastRoundIsNeverDeletedAndOnlyOpenRoundsAreEdited)
{
    m_Set.m_Rounds.resize(1);
    int32_t current = -1;
    EXPECT_FALSE(DeleteRoundAt(m_Set, 0, current));
    EXPECT_EQ(m_Set.GetRoundCount(), 1u);
    EXPECT_TRUE(IsRoundOpenToEdit(3, 2));
    EXPECT_FALSE(IsRoundOpenToEdit(4, 2));
    EXPECT_FALSE(IsRoundOpenToEdit(-1, 2));
    EXPECT_TRUE(IsRoundOpenToEdit(9, 999));
}

} // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/ui/button.h"
#include "engine/ui/spin_box.h"
#include "engine/ui/static_text.h"
#include "engine/ui/window_weak_pointer.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/power_up_base.h"
#include "game/playfield/power_up_weights_dialog.h"
#include "tests/support/window_test_tree.h"

// The weights window over four kinds: "!None" and "Nothing Much"
// neutral, "Long Paddle" good, "Tiny Paddle" bad; each test sets the round's
// chances. Its parent is a probe, which logs every command that climbs out
// of the window.

namespace {
class PowerUpWeightsDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pTree = std::make_unique<CWindowTestTree>();
        const std::pair<const char*, int32_t> kinds[] = {{"!None", POWER_UP_KARMA_NEUTRAL},
                                                         {"Long Paddle", POWER_UP_KARMA_GOOD},
                                                         {"Nothing Much", POWER_UP_KARMA_NEUTRAL},
                                                         {"Tiny Paddle", POWER_UP_KARMA_BAD}};
        for (const auto& [name, karma] : kinds)
        {
            CPowerUpBase* kind = new CPowerUpBase;
            kind->m_KarmaType = karma;
            GetPowerUpLibrary().AddItemWithObject(kind, name);
        }
        m_pParent = m_pTree->AddProbe(&m_pTree->Root(), "parent", {0, 0, 800, 600});
    }

    void TearDown() override
    {
        m_pTree.reset();
        GetPowerUpLibrary().DeleteAllItems();
    }

    PowerUpWeightsDialog* Open(std::vector<uint32_t> chances)
    {
        m_Round.m_PowerUpChances = std::move(chances);
        PowerUpWeightsDialog* dialog = new PowerUpWeightsDialog(m_pParent, &m_Round);
        m_pParent->AddChild(dialog, 6);
        m_pTree->ClearLog();
        return dialog;
    }

    int32_t CommandsReachingTheParent() const
    {
        return static_cast<int32_t>(
            std::count_if(m_pTree->Log().begin(), m_pTree->Log().end(),
                          [](const std::string& call) { return call.starts_with("parent.OnCommand"); }));
    }

    std::unique_ptr<CWindowTestTree> m_pTree;
    CProbeWindow* m_pParent = nullptr;
    CBrickLayout m_Round;
};
} // namespace

TEST_F(PowerUpWeightsDialogTest, EveryKindShowsItsChanceAndShareAndTheKarmaSplitSumsThem)
{
    struct Case
    {
        std::vector<uint32_t> chances;
        std::vector<std::string> percents;
        const char* summary;
    };
    const Case cases[] = {
        {{0, 50, 30, 20}, {"0%", "50%", "30%", "20%"}, "Good 50% - 30% - 20% Bad"},
        // Item 0 is shown against a total it is not part of.
        {{40, 50, 30, 20}, {"40%", "50%", "30%", "20%"}, "Good 50% - 70% - 20% Bad"},
        {{0, 0, 0, 0}, {"0%", "0%", "0%", "0%"}, "Good 0% - 0% - 0% Bad"},
        {{0, 2, 1, 0}, {"0%", "67%", "33%", "0%"}, "Good 67% - 33% - 0% Bad"},
        // Fewer chances than kinds: the missing ones are 0.
        {{0, 3}, {"0%", "100%", "0%", "0%"}, "Good 100% - 0% - 0% Bad"},
        // Beyond what an int holds the share stops at the largest int.
        {{4000000000u, 0, 0, 0}, {"2147483647%", "0%", "0%", "0%"}, "Good 0% - 2147483647% - 0% Bad"},
    };
    for (const Case& c : cases)
    {
        PowerUpWeightsDialog* dialog = Open(c.chances);
        ASSERT_EQ(dialog->GetItemCount(), 4u);
        for (uint32_t i = 0; i < 4; ++i)
        {
            const uint32_t chance = i < c.chances.size() ? c.chances[i] : 0;
            EXPECT_STREQ(dialog->GetNumberBox(i)->GetText().GetText(), std::to_string(chance).c_str()) << i;
            EXPECT_FALSE(dialog->GetNumberBox(i)->IsEnabled()) << i;
            EXPECT_STREQ(dialog->GetPercentLabel(i)->GetText().GetText(), c.percents[i].c_str()) << i;
        }
        EXPECT_STREQ(dialog->GetSummaryLabel()->GetText().GetText(), c.summary);
        EXPECT_STREQ(dialog->GetText().GetText(), "Power Up Weights");
        dialog->Destroy();
    }
}

TEST_F(PowerUpWeightsDialogTest, RowsStandUnderOneAnotherWithTheSummaryBelow)
{
    PowerUpWeightsDialog* dialog = Open({0, 50, 30, 20});
    EXPECT_STREQ(dialog->GetNameLabel(1)->GetText().GetText(), "Long Paddle");
    // Every name label is as wide as the one of the longest name.
    const int32_t widest = dialog->GetNameLabel(2)->GetWidth();
    EXPECT_GE(widest, m_pTree->Font()->GetTextWidth(CString("Nothing Much")));
    for (uint32_t i = 0; i < 4; ++i)
    {
        const CRect name = dialog->GetNameLabel(i)->GetRect();
        const CRect box = dialog->GetNumberBox(i)->GetRect();
        const CRect percent = dialog->GetPercentLabel(i)->GetRect();
        EXPECT_EQ(name.right - name.left, widest) << i;
        if (i > 0)
        {
            const CRect above = dialog->GetNameLabel(i - 1)->GetRect();
            EXPECT_EQ(name.left, above.left) << i;
            EXPECT_GT(name.top, above.bottom) << i;
        }
        EXPECT_GE(box.left, name.right) << i;
        EXPECT_GE(percent.left, box.right) << i;
        EXPECT_LT(box.top, name.bottom) << i;
        EXPECT_GT(box.bottom, name.top) << i;
    }
    EXPECT_GE(dialog->GetSummaryLabel()->GetRect().top, dialog->GetPercentLabel(3)->GetRect().bottom);
}

TEST_F(PowerUpWeightsDialogTest, ValueChangesOfTheNumberBoxesStayInsideAndTheCloseBoxCloses)
{
    CWindowWeakPointer<PowerUpWeightsDialog> dialog(Open({0, 50, 30, 20}));
    for (uint32_t i = 0; i < 4; ++i)
        dialog->GetNumberBox(i)->SendCommand(1);
    EXPECT_EQ(CommandsReachingTheParent(), 0);
    // Only the value changes of the number boxes are swallowed.
    dialog->GetNumberBox(1)->SendCommand(0);
    dialog->GetSummaryLabel()->SendCommand(1);
    EXPECT_EQ(CommandsReachingTheParent(), 2);

    const CRect box = dialog->GetCloseBox()->GetScreenRect();
    m_pTree->Press(0, box.left + 2, box.top + 2);
    m_pTree->Release(0, box.left + 2, box.top + 2);
    m_pTree->UpdateTree();
    EXPECT_EQ(dialog.Get(), nullptr);
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/bricks/advance_to_next_item_in_sequence.h"
#include "game/bricks/brick_messages.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/brick_plug_in_change_self.h"
#include "game/bricks/brick_plug_in_self_removal.h"
#include "game/bricks/brick_plug_in_sequence.h"
#include "game/bricks/brick_plug_in_triggers.h"
#include "game/bricks/brick_plug_in_waits.h"
#include "game/playfield/first_behaviour.h"
#include "tests/support/brick_script_field.h"

namespace {

// An action that notes the frame it ran in and whether its brick still
// stood then.
class CNotingAction : public CAction
{
    VP_DECLARE_CLASS(CNotingAction)
public:
    CNotingAction() { ConstructProperties(SGetClassInfo()); }
    ~CNotingAction() override { DestroyProperties(SGetClassInfo()); }

    static int32_t s_Frame;
    std::vector<int32_t> m_Frames;
    const CBrickBase* m_pWatched = nullptr;
    bool m_WatchedStood = false;

protected:
    void DoExecute(bool&) override
    {
        m_Frames.push_back(s_Frame);
        m_WatchedStood = m_pWatched != nullptr && !m_pWatched->IsDestroyed();
    }
};

int32_t CNotingAction::s_Frame = 0;

VP_IMPLEMENT_CLASS(CNotingAction, CAction, 1.0f)

void CNotingAction::RegisterProperties(CClassInfo*)
{
}

class BrickControlPlugInsTest : public BrickScriptFieldTest
{
protected:
    void SetUp() override
    {
        BrickScriptFieldTest::SetUp();
        CNotingAction::s_Frame = 0;
    }

    // One frame, counted for the noting actions.
    void Frame()
    {
        CNotingAction::s_Frame++;
        Run();
    }

    static CBrickPlugInSequence* Sequence(int32_t whenDone, std::vector<CBrickPlugIn*> steps)
    {
        auto* sequence = new CBrickPlugInSequence();
        sequence->SetDefaults();
        sequence->m_WhenDone = whenDone;
        for (CBrickPlugIn* step : steps)
            sequence->AddStep(step);
        return sequence;
    }

    static CBrickPlugInWaitXSeconds* Wait(float seconds)
    {
        auto* wait = new CBrickPlugInWaitXSeconds();
        wait->m_TimeToWait = seconds;
        return wait;
    }
};

TEST_F(BrickControlPlugInsTest, AOneSecondWaitEndsInUpdate60AndTheDestroyAfterItActsInUpdate61)
{
    CScriptTestBrick* brick = AddNamedBrick("Gate", 100.0f, 100.0f);
    // Refusing, so the brick stays to be looked at.
    brick->m_DestroyedAnswer = 2;
    CBrickPlugInSequence* sequence =
        Script(brick, Sequence(CBrickPlugInSequence::STOP, {Wait(1.0f), new CBrickPlugInDestroySelf()}));
    Run(59);
    EXPECT_EQ(sequence->m_CurrentStep, 0u);
    Run();
    EXPECT_EQ(sequence->m_CurrentStep, 1u);
    EXPECT_EQ(brick->m_Destructions, 0);
    Run();
    EXPECT_EQ(brick->m_Destructions, 1);
}

TEST_F(BrickControlPlugInsTest, EveryTwoSecondsThreeTimesFiresInUpdates120240And360ThenReportsDone)
{
    CScriptTestBrick* brick = AddNamedBrick("Gate", 100.0f, 100.0f);
    auto* every = new CBrickPlugInTriggerActionEveryXSeconds();
    every->m_TimeToWait = 2.0f;
    every->m_RepeatLimit = 3;
    auto* action = new CNotingAction();
    every->m_pAction = action;
    // In a sequence with a wait after it, so its done shows as the step.
    CBrickPlugInSequence* sequence =
        Script(brick, Sequence(CBrickPlugInSequence::STOP, {every, Wait(1000.0f)}));
    for (int32_t i = 0; i < 400; i++)
        Frame();
    EXPECT_EQ(action->m_Frames, (std::vector<int32_t>{120, 240, 360}));
    EXPECT_EQ(sequence->m_CurrentStep, 1u);
}

TEST_F(BrickControlPlugInsTest, AHitTriggerActsBeforeTheKindDecidesAndWaitsOutItsRetriggerTime)
{
    CScriptTestBrick* brick = AddNamedBrick("Gate", 100.0f, 100.0f);
    auto* trigger = Script(brick, new CBrickPlugInTriggerActionWhenHit());
    auto* action = new CNotingAction();
    action->m_pWatched = brick;
    trigger->m_pAction = action;
    Frame();
    CBrickHitByBallOrShotMessage hit(nullptr);
    brick->SendToPlugIns(hit);
    for (int32_t i = 0; i < 10; i++)
        Frame();
    brick->SendToPlugIns(hit);
    EXPECT_EQ(action->m_Frames.size(), 1u);
    for (int32_t i = 0; i < 20; i++)
        Frame();
    // The brick's kind destroys it on this hit; the action ran first.
    brick->HitByBallOrShot(nullptr, Vector2{0.0f, 1.0f});
    EXPECT_EQ(action->m_Frames, (std::vector<int32_t>{1, 31}));
    EXPECT_TRUE(action->m_WatchedStood);
    EXPECT_TRUE(brick->IsDestroyed());
}

TEST_F(BrickControlPlugInsTest, AnAdvanceOnTheLastStepUnderStopEndsTheSequenceAndIsHandled)
{
    CScriptTestBrick* brick = AddNamedBrick("Gate", 100.0f, 100.0f);
    AddNamedBrick("Other", 200.0f, 100.0f);
    CBrickPlugInSequence* sequence =
        Script(brick, Sequence(CBrickPlugInSequence::STOP, {Wait(100.0f), Wait(100.0f)}));
    Run();
    CAdvanceToNextItemInSequence advance;
    advance.m_BrickWithSequence.m_Name = "GATE";
    bool handled = false;
    advance.Execute(handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(sequence->m_CurrentStep, 1u);
    handled = false;
    advance.Execute(handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(sequence->m_CurrentStep, 2u);
    PlugInStepRecord record{CBrickBase::kPlugInStep, false};
    sequence->Update(record);
    EXPECT_TRUE(record.done);

    advance.m_BrickWithSequence.m_Name = "Other";
    handled = false;
    advance.Execute(handled);
    EXPECT_FALSE(handled);
}

TEST_F(BrickControlPlugInsTest, AWaitForABrickNoneBearsEndsAtTheFirstUpdate)
{
    CScriptTestBrick* brick = AddNamedBrick("Gate", 100.0f, 100.0f);
    auto* wait = new CBrickPlugInWaitForBrickToBeDestroyed();
    wait->m_TriggerBrick.m_Name = "Nobody";
    CBrickPlugInSequence* sequence = Script(brick, Sequence(CBrickPlugInSequence::STOP, {wait, Wait(100.0f)}));
    Run();
    EXPECT_EQ(sequence->m_CurrentStep, 1u);
}

// A brick that refuses destruction is asked again every update, and its
// destruction trigger hears every attempt: scripts rely on that.
TEST_F(BrickControlPlugInsTest, DestroySelfOnARefusingBrickRetriesAndItsTriggerFiresEveryUpdate)
{
    CScriptTestBrick* brick = AddNamedBrick("Gate", 100.0f, 100.0f);
    brick->m_DestroyedAnswer = 2;
    Script(brick, new CBrickPlugInDestroySelf());
    auto* trigger = Script(brick, new CBrickPlugInTriggerActionWhenDestroyed());
    auto* action = new CNotingAction();
    trigger->m_pAction = action;
    for (int32_t i = 0; i < 5; i++)
        Frame();
    EXPECT_EQ(brick->m_Destructions, 5);
    EXPECT_EQ(action->m_Frames, (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(brick->IsDestroyed());
}

bool HoldsChangeSelf(CBrickPlugInProxy& container)
{
    for (uint32_t i = 0; i < container.GetChildCount(); i++)
    {
        CBrickPlugIn* child = container.GetChild(i);
        if (child == nullptr)
            continue;
        if (child->IsKindOf(CBrickPlugInChangeSelfAfterDelay::SGetClassInfo()))
            return true;
        if (child->IsKindOf(CBrickPlugInProxy::SGetClassInfo()) &&
            HoldsChangeSelf(*static_cast<CBrickPlugInProxy*>(child)))
            return true;
    }
    return false;
}

struct ChangeSelfCase
{
    const char* name;
    // Puts the change-self plug-in into the brick's script.
    void (*place)(CBrickBase& brick, CBrickPlugIn* changeSelf);
};

// The change-self plug-in replaces the brick whose update runs it. It used
// to free the old sprite inside that update and, nested below the top
// container, to be freed with the old brick and copied into the new one.
TEST_F(BrickControlPlugInsTest, ChangeSelfReplacesItsBrickOnceWhereverItIsNested)
{
    const ChangeSelfCase cases[] = {
        {"top", [](CBrickBase& brick, CBrickPlugIn* change) { brick.GetPlugIns().AddPlugIn(change); }},
        {"in a sequence",
         [](CBrickBase& brick, CBrickPlugIn* change) {
             brick.GetPlugIns().AddPlugIn(Sequence(CBrickPlugInSequence::STOP, {change, Wait(100.0f)}));
         }},
        {"in a second container",
         [](CBrickBase& brick, CBrickPlugIn* change) {
             auto* inner = new CBrickPlugInSimultaneous();
             inner->AddPlugIn(Wait(100.0f));
             inner->AddPlugIn(change);
             brick.GetPlugIns().AddPlugIn(inner);
         }},
    };
    for (const ChangeSelfCase& c : cases)
    {
        CScriptTestBrick* brick = AddNamedBrick("Gate", 120.0f, 80.0f);
        CGameSprite* oldSprite = brick->GetSprite();
        Script(brick, Wait(50.0f));
        c.place(*brick, CreateChangeSelfAfterDelay(10.0f / 60.0f, StyleIndex("Quiet")));
        Run(9);
        EXPECT_EQ(m_pPlayfield->m_pBricks->GetHead(), oldSprite) << c.name;
        Run();
        CSprite* newSprite = m_pPlayfield->m_pBricks->GetHead();
        ASSERT_NE(newSprite, oldSprite) << c.name;
        EXPECT_EQ(m_pPlayfield->m_pBricks->Count(), 1) << c.name;
        auto* replaced = FirstBehaviourAs<CBrickNormal>(newSprite);
        ASSERT_NE(replaced, nullptr) << c.name;
        EXPECT_STREQ(replaced->GetName().GetText(), "Gate") << c.name;
        EXPECT_EQ(replaced->m_StyleSheet, StyleIndex("Quiet")) << c.name;
        EXPECT_EQ(newSprite->m_Position.x, 120.0f) << c.name;
        EXPECT_EQ(newSprite->m_Position.y, 80.0f) << c.name;
        EXPECT_FALSE(HoldsChangeSelf(replaced->GetPlugIns())) << c.name;
        EXPECT_EQ(replaced->GetPlugIns().GetOwner(), replaced) << c.name;
        Run(30);
        EXPECT_EQ(m_pPlayfield->m_pBricks->GetHead(), newSprite) << c.name;
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

} // namespace

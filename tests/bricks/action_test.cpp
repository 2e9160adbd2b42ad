#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/sound/sound_list.h"
#include "engine/core/maths/random_r250.h"
#include "engine/object/object_converter.h"
#include "game/bricks/action_multiple_actions.h"
#include "game/bricks/action_play_sound.h"
#include "game/bricks/action_sequence.h"
#include "tests/support/playfield_fixtures.h"

namespace {

// An action that writes its tag into a shared log and may execute another
// action (itself, to nest).
class CLoggingAction : public CAction
{
    VP_DECLARE_CLASS(CLoggingAction)
public:
    CLoggingAction() { ConstructProperties(SGetClassInfo()); }
    ~CLoggingAction() override { DestroyProperties(SGetClassInfo()); }

    static std::vector<int> s_Log;
    int m_Tag = 0;
    CAction* m_pReenter = nullptr;

protected:
    void DoExecute(bool& handled) override
    {
        s_Log.push_back(m_Tag);
        if (m_pReenter != nullptr)
            m_pReenter->Execute(handled);
    }
};

std::vector<int> CLoggingAction::s_Log;

VP_IMPLEMENT_CLASS(CLoggingAction, CAction, 1.0f)

void CLoggingAction::RegisterProperties(CClassInfo*)
{
}

CLoggingAction* Logging(int tag)
{
    auto* action = new CLoggingAction();
    action->m_Tag = tag;
    return action;
}

template <typename T>
std::unique_ptr<T> ListOf(std::vector<CAction*> children)
{
    auto list = std::make_unique<T>();
    list->SetDefaults();
    for (CAction* child : children)
        list->AddAction(child);
    return list;
}

std::vector<int> RunTimes(CAction& action, int times)
{
    CLoggingAction::s_Log.clear();
    for (int i = 0; i < times; i++)
    {
        bool handled = false;
        action.Execute(handled);
    }
    return CLoggingAction::s_Log;
}

// A converter answering a label for the object whose label starts with the
// prefix.
CObjectConverter* FindConverter(CObject* object, const char* labelPrefix, CClassInfo*& resultClass)
{
    for (CObjectConverter* converter = GetFirstObjectConverter(); converter != nullptr;
         converter = converter->GetNext())
    {
        const char* label = converter->GetLabel(object, resultClass);
        if (label != nullptr && std::string(label).rfind(labelPrefix, 0) == 0)
            return converter;
    }
    return nullptr;
}

TEST(ActionTest, AnActionLeadingBackToItselfRunsFourDeepAndTheFifthCallIsSkipped)
{
    CLoggingAction action;
    action.m_Tag = 7;
    action.m_pReenter = &action;
    EXPECT_EQ(RunTimes(action, 1), (std::vector<int>{7, 7, 7, 7}));
    EXPECT_EQ(action.GetDepth(), 0u);
}

struct SequenceCase
{
    int32_t whenDone;
    std::vector<int> expected;
};

TEST(ActionTest, ASequenceOfThreeEndsAsItsWhenDoneSays)
{
    const SequenceCase cases[] = {
        {CActionSequence::REPEAT_SEQUENCE, {0, 1, 2, 0, 1}},
        {CActionSequence::REPEAT_LAST_ACTION, {0, 1, 2, 2, 2}},
        {CActionSequence::DO_NOTHING, {0, 1, 2}},
    };
    for (const SequenceCase& c : cases)
    {
        auto sequence = ListOf<CActionSequence>({Logging(0), Logging(1), Logging(2)});
        sequence->m_WhenDone = c.whenDone;
        EXPECT_EQ(RunTimes(*sequence, 5), c.expected) << "when done " << c.whenDone;
    }
}

TEST(ActionTest, ContainersPassOverNullChildren)
{
    auto sequence = ListOf<CActionSequence>({Logging(0), nullptr, Logging(2)});
    EXPECT_EQ(RunTimes(*sequence, 2), (std::vector<int>{0}));
    EXPECT_EQ(sequence->m_NextIndex, 2u);
    EXPECT_EQ(RunTimes(*sequence, 1), (std::vector<int>{2}));

    auto together = ListOf<CActionSimultaneousActions>({nullptr, Logging(4), Logging(5)});
    EXPECT_EQ(RunTimes(*together, 1), (std::vector<int>{4, 5}));

    auto empty = ListOf<CActionRandomAction>({});
    EXPECT_TRUE(RunTimes(*empty, 3).empty());
    for (int32_t whenDone : {CActionSequence::REPEAT_SEQUENCE, CActionSequence::REPEAT_LAST_ACTION,
                             CActionSequence::DO_NOTHING})
    {
        auto none = ListOf<CActionShuffledSequence>({});
        none->m_WhenDone = whenDone;
        EXPECT_TRUE(RunTimes(*none, 2).empty()) << whenDone;
    }
}

TEST(ActionTest, AShuffledSequenceRunsEveryChildOncePerCycleAndRepeatsUnderTheSameSeed)
{
    std::vector<int> firstRun;
    for (int run = 0; run < 2; run++)
    {
        GameRandom().SeedFromTick(1234);
        auto shuffled = ListOf<CActionShuffledSequence>({Logging(0), Logging(1), Logging(2), Logging(3)});
        const std::vector<int> log = RunTimes(*shuffled, 12);
        for (int cycle = 0; cycle < 3; cycle++)
        {
            std::vector<int> order(log.begin() + cycle * 4, log.begin() + cycle * 4 + 4);
            std::sort(order.begin(), order.end());
            EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3})) << "cycle " << cycle;
        }
        if (run == 0)
            firstRun = log;
        else
            EXPECT_EQ(log, firstRun);
    }
    EXPECT_NE(firstRun, (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3}));
}

TEST(ActionTest, ARandomActionDrawsFromTheGameGenerator)
{
    GameRandom().SeedFromTick(99);
    auto random = ListOf<CActionRandomAction>({Logging(0), Logging(1), Logging(2)});
    const std::vector<int> first = RunTimes(*random, 20);
    GameRandom().SeedFromTick(99);
    EXPECT_EQ(RunTimes(*random, 20), first);
    EXPECT_EQ(first.size(), 20u);
}

TEST(ActionTest, AListDescribesItsChildrenKinds)
{
    auto together = ListOf<CActionSimultaneousActions>({new CActionPlaySound(), nullptr, new CActionPlaySound()});
    CString text;
    together->GetDescription(text, nullptr);
    const std::string description = text.GetText();
    const std::string kinds = "(Play Sound,Play Sound)";
    ASSERT_GT(description.size(), kinds.size());
    EXPECT_EQ(description.substr(description.size() - kinds.size()), kinds) << description;
}

TEST(ActionTest, ASoundActionIsWrappedInSimultaneousActionsAndUnwrappedBack)
{
    auto* sound = new CActionPlaySound();
    CClassInfo* resultClass = nullptr;
    CObjectConverter* wrap = FindConverter(sound, "Simultaneous Actions(ActionPlaySound", resultClass);
    ASSERT_NE(wrap, nullptr);
    EXPECT_EQ(resultClass, CActionMultipleActions::SGetClassInfo());
    CObject* wrapped = wrap->Convert(sound);
    ASSERT_EQ(wrapped->GetClassInfo(), CActionSimultaneousActions::SGetClassInfo());
    auto* list = static_cast<CActionSimultaneousActions*>(wrapped);
    ASSERT_EQ(list->GetChildCount(), 1u);
    EXPECT_EQ(list->GetChild(0), sound);

    CObjectConverter* unwrap = FindConverter(wrapped, "Single Play Sound action", resultClass);
    ASSERT_NE(unwrap, nullptr);
    EXPECT_EQ(resultClass, CActionPlaySound::SGetClassInfo());
    CObject* unwrapped = unwrap->Convert(wrapped);
    EXPECT_EQ(unwrapped, sound);
    delete unwrapped;
}

TEST(ActionTest, AShuffledSequenceBecomesASequenceAndBackKeepingItsChildren)
{
    auto* first = new CActionPlaySound();
    first->m_Sound = 1;
    auto* second = new CActionPlaySound();
    second->m_Sound = 2;
    CObject* object = ListOf<CActionShuffledSequence>({first, second}).release();
    CClassInfo* resultClass = nullptr;
    for (const char* label : {"ActionSequence", "ActionShuffledSequence"})
    {
        CObjectConverter* converter = FindConverter(object, label, resultClass);
        ASSERT_NE(converter, nullptr) << label;
        object = converter->Convert(object);
        EXPECT_STREQ(object->GetClassInfo()->GetNameWithoutPrefix(), label);
        const auto* list = static_cast<CActionMultipleActions*>(object);
        ASSERT_EQ(list->GetChildCount(), 2u);
        EXPECT_EQ(static_cast<CActionPlaySound*>(list->GetChild(0))->m_Sound, 1);
        EXPECT_EQ(static_cast<CActionPlaySound*>(list->GetChild(1))->m_Sound, 2);
    }
    EXPECT_EQ(FindConverter(object, "ActionShuffledSequence", resultClass), nullptr);
    EXPECT_EQ(FindConverter(object, "Single", resultClass), nullptr);
    delete object;
}

class ActionSoundTest : public PlayfieldTest
{
};

TEST_F(ActionSoundTest, ASoundActionPlaysItsSoundAndAnIndexPastTheListPlaysNothing)
{
    CActionPlaySound sound;
    sound.m_Sound = GetSoundList().FindSound("Score.wav", -1);
    bool handled = false;
    sound.Execute(handled);
    EXPECT_EQ(SoundPlays("Score.wav"), 1);
    EXPECT_FALSE(handled);

    sound.m_Sound = static_cast<int32_t>(GetSoundList().GetCount());
    sound.Execute(handled);
    int32_t total = 0;
    for (uint32_t i = 0; i < GetSoundList().GetCount(); i++)
        total += static_cast<int32_t>(GetSoundList().GetUsage(i).m_TotalUses);
    EXPECT_EQ(total, 1);
}

} // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ui/composite_command.h"
#include "engine/ui/member_command.h"

namespace {

using Log = std::vector<std::string>;

// A command that says when it runs and goes, with a chosen answer.
class CLoggedCommand : public CCommandCallback
{
public:
    CLoggedCommand(Log& log, std::string name, bool enabled = true, bool query = false)
        : m_Log(log)
        , m_Name(std::move(name))
        , m_Enabled(enabled)
        , m_Query(query)
    {
    }
    ~CLoggedCommand() override { m_Log.push_back(m_Name + ".~"); }
    void Execute() override { m_Log.push_back(m_Name + ".Execute"); }
    bool IsEnabled() override
    {
        m_Log.push_back(m_Name + ".IsEnabled");
        return m_Enabled;
    }
    bool HasEnableQuery() override { return m_Query; }

private:
    Log& m_Log;
    std::string m_Name;
    bool m_Enabled;
    bool m_Query;
};

class CTarget
{
public:
    void Open() { calls.push_back("Open"); }
    void Select(int value) { calls.push_back("Select " + std::to_string(value)); }
    bool Move(const std::string& what, int by)
    {
        calls.push_back("Move " + what + " " + std::to_string(by));
        return true;
    }
    bool CanOpen() const { return allowed; }

    std::vector<std::string> calls;
    bool allowed = false;
};

int s_FreeCalls = 0;
void FreeAction()
{
    ++s_FreeCalls;
}

} // namespace

TEST(CompositeCommand, GrowsOneByOneAndDeletesEachCommandOnceLastFirst)
{
    Log log;
    {
        CCompositeCommand composite(new CLoggedCommand(log, "c1"));
        std::vector<uint32_t> capacities = {composite.GetCapacity()};
        for (int i = 2; i <= 6; ++i)
        {
            composite.Add(new CLoggedCommand(log, "c" + std::to_string(i)));
            capacities.push_back(composite.GetCapacity());
        }
        EXPECT_EQ(capacities, (std::vector<uint32_t>{1, 2, 3, 4, 5, 6}));
        composite.Execute();
    }
    EXPECT_EQ(log, (Log{"c1.Execute", "c2.Execute", "c3.Execute", "c4.Execute", "c5.Execute", "c6.Execute", "c6.~",
                        "c5.~", "c4.~", "c3.~", "c2.~", "c1.~"}));
}

TEST(CompositeCommand, IsEnabledOnlyWhileEveryCommandIsAndHasAQueryWhenAnyHasOne)
{
    struct Case
    {
        bool firstEnabled, firstQuery, secondEnabled, secondQuery;
        bool enabled, query;
        Log asked;
    };
    const Case cases[] = {
        {true, false, false, true, false, true, {"a.IsEnabled", "b.IsEnabled"}},
        {false, true, true, false, false, true, {"a.IsEnabled"}},
        {true, false, true, false, true, false, {"a.IsEnabled", "b.IsEnabled"}},
    };
    for (const Case& c : cases)
    {
        Log log;
        CCompositeCommand composite;
        composite.Add(new CLoggedCommand(log, "a", c.firstEnabled, c.firstQuery));
        composite.Add(new CLoggedCommand(log, "b", c.secondEnabled, c.secondQuery));
        EXPECT_EQ(composite.IsEnabled(), c.enabled);
        EXPECT_EQ(composite.HasEnableQuery(), c.query);
        EXPECT_EQ(log, c.asked);
    }
    CCompositeCommand empty;
    EXPECT_TRUE(empty.IsEnabled());
    EXPECT_FALSE(empty.HasEnableQuery());
}

TEST(MemberCommand, CallsItsTargetAndAsksTheEnableTestWhenThereIsOne)
{
    CTarget target;
    CMemberCommand plain(&target, &CTarget::Open);
    EXPECT_FALSE(plain.HasEnableQuery());
    EXPECT_TRUE(plain.IsEnabled());
    plain.Execute();

    CMemberCommand guarded(&target, &CTarget::Open, &CTarget::CanOpen);
    EXPECT_TRUE(guarded.HasEnableQuery());
    EXPECT_FALSE(guarded.IsEnabled());
    target.allowed = true;
    EXPECT_TRUE(guarded.IsEnabled());

    CMemberCommand one(&target, &CTarget::Select, 7);
    CMemberCommand two(&target, &CTarget::Move, std::string("brick"), -3, &CTarget::CanOpen);
    one.Execute();
    two.Execute();
    EXPECT_TRUE(two.HasEnableQuery());
    EXPECT_EQ(target.calls, (std::vector<std::string>{"Open", "Select 7", "Move brick -3"}));

    s_FreeCalls = 0;
    CMemberCommand function(&FreeAction);
    EXPECT_FALSE(function.HasEnableQuery());
    function.Execute();
    EXPECT_EQ(s_FreeCalls, 1);

    int closureRuns = 0;
    CMemberCommand closure([&closureRuns] { ++closureRuns; }, [] { return false; });
    closure.Execute();
    EXPECT_EQ(closureRuns, 1);
    EXPECT_FALSE(closure.IsEnabled());
}

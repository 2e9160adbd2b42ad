#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/playfield/delayed_call_queue.h"

namespace {

// Runs a function on each firing and counts its deletion.
class CFunctionCallback : public CDelayedCallback
{
public:
    CFunctionCallback(std::function<void()> fire, int* deletions = nullptr)
        : m_Fire(std::move(fire))
        , m_pDeletions(deletions)
    {
    }

    ~CFunctionCallback() override
    {
        if (m_pDeletions != nullptr)
            ++*m_pDeletions;
    }

    void Fire() override { m_Fire(); }

private:
    std::function<void()> m_Fire;
    int* m_pDeletions;
};

const float STEP = 1.0f / 60.0f;

TEST(DelayedCallQueue, FiresAtItsPeriodAndGoesAfterTheLastFiring)
{
    std::vector<int> steps;
    int step = 0;
    int deletions = 0;
    CDelayedCallQueue queue;
    queue.Add(new CFunctionCallback([&] { steps.push_back(step); }, &deletions), 0.5f, 3);
    for (step = 1; step <= 100; step++)
    {
        queue.Update(STEP);
        EXPECT_EQ(queue.IsPending(), step < 90) << step;
    }
    EXPECT_EQ(steps, (std::vector<int>{30, 60, 90}));
    EXPECT_EQ(deletions, 1);
}

TEST(DelayedCallQueue, ALongStepFiresEveryDueRepeatAndNoneAfterTheCount)
{
    const struct
    {
        float delay;
        int32_t repeats;
        float step;
        int firings;
        bool pending;
    } cases[] = {
        {0.1f, 2, 1.0f, 2, false}, {0.1f, 5, 0.25f, 2, true},  {0.0f, 4, STEP, 4, false},
        {0.5f, 0, STEP, 0, false}, {0.5f, -3, 1.0f, 0, false},
    };
    for (const auto& c : cases)
    {
        // Counters first: the queue deletes what is left when it goes.
        int firings = 0;
        int deletions = 0;
        CDelayedCallQueue queue;
        queue.Add(new CFunctionCallback([&] { firings++; }, &deletions), c.delay, c.repeats);
        EXPECT_TRUE(queue.IsPending());
        queue.Update(c.step);
        EXPECT_EQ(firings, c.firings) << c.delay << " x " << c.repeats;
        EXPECT_EQ(queue.IsPending(), c.pending) << c.delay << " x " << c.repeats;
        EXPECT_EQ(deletions, c.pending ? 0 : 1) << c.delay << " x " << c.repeats;
    }
}

TEST(DelayedCallQueue, FireAllFiresEveryEntryInOrderAndWhatTheyQueue)
{
    CDelayedCallQueue queue;
    queue.FireAll();
    EXPECT_FALSE(queue.IsPending());

    std::vector<std::string> log;
    int deletions = 0;
    queue.Add(new CFunctionCallback(
                  [&] {
        log.push_back("a");
        if (log.size() == 1)
            queue.Add(new CFunctionCallback([&] { log.push_back("late"); }, &deletions), 9.0f, 1);
                  },
                  &deletions),
              5.0f, 2);
    queue.Add(new CFunctionCallback([&] { log.push_back("b"); }, &deletions), 1.0f, 1);
    queue.FireAll();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a", "b", "late"}));
    EXPECT_FALSE(queue.IsPending());
    EXPECT_EQ(deletions, 3);
}

// Each firing appends entries, so the array moves under the pass.
TEST(DelayedCallQueue, ACallbackQueueingFiftyEntriesWhileFiringIsSafe)
{
    CDelayedCallQueue queue;
    int children = 0;
    queue.Add(new CFunctionCallback([&] {
                  for (int i = 0; i < 50; i++)
                      queue.Add(new CFunctionCallback([&] { children++; }), 0.0f, 1);
              }),
              0.0f, 2);
    queue.Update(STEP);
    EXPECT_EQ(children, 100);
    EXPECT_FALSE(queue.IsPending());
}

TEST(DelayedCallQueue, EntriesLeftAtTheEndAreDeletedUnfired)
{
    int deletions = 0;
    int firings = 0;
    {
        CDelayedCallQueue queue;
        queue.Add(new CFunctionCallback([&] { firings++; }, &deletions), 10.0f, 3);
        queue.Update(STEP);
    }
    EXPECT_EQ(firings, 0);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(&GetDelayedCallQueue(), &GetDelayedCallQueue());
}

} // namespace

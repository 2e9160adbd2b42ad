#include <gtest/gtest.h>

#include <cstdio>
#include <thread>
#include <vector>

#include "engine/core/strings/ref_string.h"

namespace
{
const int ROUNDS = 20000;

// One thread's work: its own empty and short strings, made in every way the
// engine makes them, copied, assigned, emptied and dropped. Answers how many
// of them did not read back as made. Nothing is shared between threads but
// the empty representation itself.
int ChurnStrings(int thread)
{
    int wrong = 0;
    char expected[32];
    for (int round = 0; round < ROUNDS; round++)
    {
        CString empty;
        CString fromText("");
        CString fromNull(static_cast<const char*>(nullptr));
        CString copy(empty);
        CString assigned("x");
        assigned = fromText;
        if (!empty.IsEmpty() || !fromNull.IsEmpty() || !copy.IsEmpty() || !assigned.IsEmpty())
            wrong++;

        std::snprintf(expected, sizeof(expected), "t%d/%d", thread, round);
        CString name(expected);
        CString shared(name);
        CString grown;
        grown.Append("t");
        grown.AppendFormat("%d/%d", thread, round);
        if (shared.Compare(expected) != 0 || grown.Compare(name) != 0)
            wrong++;

        shared.Empty();
        grown.Truncate();
        name = empty;
        if (!shared.IsEmpty() || !grown.IsEmpty() || !name.IsEmpty())
            wrong++;
    }
    return wrong;
}
}

class StringThreads : public ::testing::TestWithParam<int>
{
};

TEST_P(StringThreads, EmptyAndShortStringsMadeCopiedAndDroppedOnEveryThread)
{
    const int32_t emptyCount = CString::GetEmptyRep()->m_RefCount;
    const int threadCount = GetParam();
    std::vector<int> wrong(threadCount, 0);
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; i++)
        threads.emplace_back([&wrong, i] { wrong[i] = ChurnStrings(i); });
    for (std::thread& thread : threads)
        thread.join();

    for (int i = 0; i < threadCount; i++)
        EXPECT_EQ(wrong[i], 0) << "thread " << i;
    EXPECT_EQ(CString::GetEmptyRep()->m_RefCount, emptyCount);
}

INSTANTIATE_TEST_SUITE_P(Threads, StringThreads, ::testing::Values(2, 4, 8));

#include <gtest/gtest.h>

#include <thread>

#include "engine/platform/main_thread.h"

TEST(MainThread, TheTestRunnerIsTheMainThreadAndAWorkerIsNot)
{
    EXPECT_TRUE(IsMainThread());
    bool workerIsMain = true;
    std::thread worker([&workerIsMain] { workerIsMain = IsMainThread(); });
    worker.join();
    EXPECT_FALSE(workerIsMain);
}

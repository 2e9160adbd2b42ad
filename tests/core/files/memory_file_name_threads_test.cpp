#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "engine/core/files/memory_file_name.h"
#include "engine/core/files/memory_stream.h"

namespace
{
const int ROUNDS = 2000;

// Registers streams of its own, finds each by its name and deletes it by
// name, while other threads do the same. Answers how many names found
// another stream or survived their deletion.
int ChurnMemoryFiles(int thread)
{
    int wrong = 0;
    for (int round = 0; round < ROUNDS; round++)
    {
        CMemoryStream* stream = new CMemoryStream();
        const std::string bytes = std::to_string(thread) + "/" + std::to_string(round);
        stream->Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
        CString name = MakeMemoryFileName(stream, "Sounds/Hit.wav");
        if (DecodeMemoryFileName(name.GetText()) != stream)
            wrong++;
        DeleteMemoryFile(name.GetText());
        if (DecodeMemoryFileName(name.GetText()) != nullptr)
            wrong++;
    }
    return wrong;
}
}

class MemoryFileThreads : public ::testing::TestWithParam<int>
{
};

TEST_P(MemoryFileThreads, EachThreadFindsAndDeletesItsOwnStreams)
{
    const int threadCount = GetParam();
    std::vector<int> wrong(threadCount, 0);
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; i++)
        threads.emplace_back([&wrong, i] { wrong[i] = ChurnMemoryFiles(i); });
    for (std::thread& thread : threads)
        thread.join();

    for (int i = 0; i < threadCount; i++)
        EXPECT_EQ(wrong[i], 0) << "thread " << i;
}

INSTANTIATE_TEST_SUITE_P(Threads, MemoryFileThreads, ::testing::Values(2, 4, 8));

// Two threads told to delete one name at once delete the stream once; the
// sanitizers see a second deletion.
TEST(MemoryFileThreads, ANameDeletedByTwoThreadsAtOnceIsDeletedOnce)
{
    for (int round = 0; round < 200; round++)
    {
        CString name = MakeMemoryFileName(new CMemoryStream(), "Music/Loop.ogg");
        std::atomic<bool> go(false);
        auto remove = [&go, &name] {
            while (!go.load())
                std::this_thread::yield();
            DeleteMemoryFile(name.GetText());
        };
        std::thread first(remove);
        std::thread second(remove);
        go.store(true);
        first.join();
        second.join();
        ASSERT_EQ(DecodeMemoryFileName(name.GetText()), nullptr);
    }
}

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "engine/platform/directory_search.h"
#include "engine/platform/file_system.h"
#include "engine/platform/path_resolution.h"
#include "tests/support/scoped_temp_folder.h"

namespace
{
const int ROUNDS = 60;

// Resolves names spelt in the wrong case, which only the folder listing can
// answer, while other threads create files in the same folder and so make
// every listing of it stale. Answers the number of wrong answers.
int ResolveWhileOthersCreate(const std::string& folder, int thread)
{
    int wrong = 0;
    for (int round = 0; round < ROUNDS; round++)
    {
        if (ResolveSystemPath(folder + "SOUNDS/hit.WAV") != folder + "Sounds/Hit.wav")
            wrong++;

        const std::string name = "New" + std::to_string(thread) + "_" + std::to_string(round) + ".txt";
        FILE* file = OpenSystemFile(folder + "sounds/" + name, "wb");
        if (file == nullptr)
        {
            wrong++;
            continue;
        }
        std::fclose(file);
        std::string lowered = name;
        for (char& c : lowered)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ResolveSystemPath(folder + "Sounds/" + lowered) != folder + "Sounds/" + name)
            wrong++;
        if (SearchFolder(folder + "sounds/" + lowered).size() != 1)
            wrong++;
    }
    return wrong;
}
}

class FolderListingThreads : public ::testing::TestWithParam<int>
{
};

TEST_P(FolderListingThreads, NamesResolveInAnyCaseWhileOtherThreadsCreateFiles)
{
    ScopedTempFolder temp;
    temp.WriteFile("Sounds/Hit.wav", "RIFF");
    const int threadCount = GetParam();
    std::vector<int> wrong(threadCount, 0);
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; i++)
        threads.emplace_back([&wrong, &temp, i] { wrong[i] = ResolveWhileOthersCreate(temp.Path(), i); });
    for (std::thread& thread : threads)
        thread.join();

    for (int i = 0; i < threadCount; i++)
        EXPECT_EQ(wrong[i], 0) << "thread " << i;
    EXPECT_EQ(SearchFolder(temp.Path() + "Sounds/*.txt").size(), static_cast<size_t>(threadCount * ROUNDS));
}

INSTANTIATE_TEST_SUITE_P(Threads, FolderListingThreads, ::testing::Values(2, 4, 8));

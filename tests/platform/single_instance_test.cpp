#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "engine/platform/single_instance.h"
#include "tests/support/scoped_temp_folder.h"

TEST(SingleInstance, TheLockIsTakenOnceAndItsFileStays)
{
    ScopedTempFolder runtime;
    setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    EXPECT_TRUE(AcquireSingleInstanceLock("Test.lock"));
    // A second taker (here another open of the same file) is refused.
    EXPECT_FALSE(AcquireSingleInstanceLock("Test.lock"));
    EXPECT_TRUE(std::filesystem::exists(runtime.Path() + "Test.lock"));
    EXPECT_TRUE(AcquireSingleInstanceLock("Other.lock"));
}

TEST(SingleInstance, WithoutARuntimeFolderTheConfigFolderHoldsIt)
{
    ScopedTempFolder config;
    unsetenv("XDG_RUNTIME_DIR");
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    EXPECT_TRUE(AcquireSingleInstanceLock("Config.lock"));
    EXPECT_FALSE(AcquireSingleInstanceLock("Config.lock"));
    EXPECT_TRUE(std::filesystem::exists(config.Path() + "Vantrell Pellucine/Config.lock"));
}

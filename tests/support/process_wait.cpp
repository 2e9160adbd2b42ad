#include "tests/support/process_wait.h"

#include <chrono>
#include <thread>

bool WaitUntilFinished(ProcessId process)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (IsProcessRunning(process))
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

#include "tests/support/killed_saves.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

bool KillWhileSaving(const std::function<void(uint32_t round)>& save, uint32_t microseconds)
{
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0)
    {
        for (uint32_t round = 0;; round++)
            save(round);
    }
    usleep(microseconds);
    kill(child, SIGKILL);
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        return false;
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

#include "engine/platform/main_thread.h"

#include <unistd.h>

bool IsMainThread()
{
    return gettid() == getpid();
}

#pragma once

#include "engine/platform/process.h"

// Polls until the child has ended; false when it still runs after two
// seconds, far longer than any program the tests start needs.
bool WaitUntilFinished(ProcessId process);

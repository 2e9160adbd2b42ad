#pragma once

#include <cstdint>
#include <functional>

// Starts a child process that calls save(0), save(1), save(2) ... without
// end, and kills it with SIGKILL after the given number of microseconds, so
// that the kill lands at an arbitrary point of some save. Returns once the
// child is gone; false when it could not be started or was not killed.
bool KillWhileSaving(const std::function<void(uint32_t round)>& save, uint32_t microseconds);

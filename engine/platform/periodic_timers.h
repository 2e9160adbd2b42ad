#pragma once

#include <cstdint>

// Periodic callbacks on one timer thread shared by every timer, as the old
// multimedia timers had: callbacks due at the same time run one after the
// other, never at once, and one timer's calls never overlap.
//
// Callbacks run on the timer thread: they may not raise fatal reports, and
// must answer errors instead.

typedef void (*PeriodicCallback)(void* context);

// Calls callback(context) every periodMs milliseconds from now on. Answers
// the timer's id, or 0 when no timer could be started.
uint32_t StartPeriodicTimer(uint32_t periodMs, PeriodicCallback callback, void* context);

// Stops the timer. Returns after a call of its callback that is running has
// finished (unless called from that callback itself); no call starts after.
void KillPeriodicTimer(uint32_t id);

// Manual mode, for tests: no thread runs the timers; RunPeriodicTimersOnce
// runs each once, in the order they were started, and answers how many ran.
void SetManualPeriodicTimers(bool manual);
uint32_t RunPeriodicTimersOnce();

// Timers started and not killed.
uint32_t CountPeriodicTimers();

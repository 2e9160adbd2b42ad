#pragma once

#include <cassert>

// The profiler, the message bus and the fatal report belong to the main
// thread; their debug checks ask this. The main thread is the one whose
// thread id is the process id, which holds from the first static
// initialiser on, so the answer needs no start-up registration. It costs a
// system call: for checks and rare paths, not for every bracket.
bool IsMainThread();

// Stops a debug build at a call from another thread; release builds check
// nothing.
#define ASSERT_MAIN_THREAD() assert(IsMainThread())

#pragma once

#include <cstdint>

class CJWindow;

// Two-phase destruction of windows.
//
// Input routing, updates and drawing walk the window tree and call into
// windows that may destroy themselves, their parent or a sibling in the
// middle of the walk. While a scope is open, CJWindow::Destroy only marks
// the window as dying (hidden, no longer modal, its capture cancelled) and
// queues it; the walk skips dying windows and every pointer it holds stays
// valid. When the outermost scope closes, the queued windows are deleted in
// the order they were queued, each with its whole subtree, until the queue
// is empty (a destructor may destroy further windows).
//
// A window whose ancestor is queued is not queued itself: the ancestor's
// deletion takes it along. Queuing a window drops its queued descendants
// for the same reason.
//
// The root window holds a scope in its update, its draw and its
// destructor; tests that call handlers directly hold one too. Outside any
// scope Destroy deletes at once. Main thread only, like the whole toolkit.
class CDeferredDestroyScope
{
public:
    CDeferredDestroyScope();
    ~CDeferredDestroyScope();

    static bool IsOpen();
    // For CJWindow::Destroy: the window is already marked dying.
    static void Queue(CJWindow* window);
    static int32_t GetQueuedCount();

    CDeferredDestroyScope(const CDeferredDestroyScope&) = delete;
    CDeferredDestroyScope& operator=(const CDeferredDestroyScope&) = delete;
};

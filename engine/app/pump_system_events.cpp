#include "engine/app/pump_system_events.h"

#include "engine/app/input/apply_system_event.h"
#include "engine/app/main_window_proc.h"
#include "engine/core/program/main_window.h"
#include "engine/core/program/profiler.h"
#include "engine/platform/system_events.h"
#include "engine/platform/tick_counter.h"
#include "engine/platform/video_system.h"

static CProfileSection s_ProcessSystemEvents("ProcessSystemEvents", 0, 5.0f);
static bool s_Pumping = false;

// The window's own changes: the system hands them to the window as they
// happen, not through the queue the program fetches from.
static bool IsWindowChange(SystemEventKind kind)
{
    return kind == SystemEventKind::WindowActivated || kind == SystemEventKind::WindowMovedOrSized ||
           kind == SystemEventKind::WindowExposed;
}

// In the background the program must leave the machine to others: each
// fetch, the last empty one too, waits 100 ms first. A change of the
// window itself does not wait, so that a window just shown is active at
// once instead of after a wait for each of its changes.
static bool FetchEvent(SystemEvent& event)
{
    if (IsApplicationActive() && !IsApplicationMinimised())
        return PollSystemEvent(event);
    SystemEvent next;
    if (!PeekSystemEvent(next) || !IsWindowChange(next.kind))
        SleepMilliseconds(100);
    const bool fetched = PollSystemEvent(event);
    SetApplicationMinimised(IsIconic(GetMainWindow()));
    return fetched;
}

void PumpSystemEvents()
{
    if (s_Pumping)
        return;
    CProfileScope scope(s_ProcessSystemEvents);
    s_Pumping = true;
    SystemEvent event;
    while (FetchEvent(event))
    {
        ApplySystemEvent(event);
        MainWindowProc(event);
    }
    s_Pumping = false;
}

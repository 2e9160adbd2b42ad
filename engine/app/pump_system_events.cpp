#include "engine/app/pump_system_events.h"

#include "engine/app/input/apply_system_event.h"
#include "engine/core/program/profiler.h"
#include "engine/platform/system_events.h"

static CProfileSection s_ProcessSystemEvents("ProcessSystemEvents", 0, 5.0f);
static bool s_Pumping = false;

void PumpSystemEvents()
{
    if (s_Pumping)
        return;
    CProfileScope scope(s_ProcessSystemEvents);
    s_Pumping = true;
    SystemEvent event;
    while (PollSystemEvent(event))
        ApplySystemEvent(event);
    s_Pumping = false;
}

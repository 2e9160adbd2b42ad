#include "engine/app/pump_system_events.h"
#include "engine/core/program/system_event_pump.h"

namespace {

// Installed before the entry function runs, so the first load that pumps
// already reaches the window messages.
struct CInstallSystemEventPump
{
    CInstallSystemEventPump() { SetSystemEventPump(&PumpSystemEvents); }
} s_InstallSystemEventPump;

} // namespace

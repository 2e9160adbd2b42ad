#include "engine/core/program/system_event_pump.h"

namespace {

SystemEventPump s_Pump = nullptr;

} // namespace

void SetSystemEventPump(SystemEventPump pump)
{
    s_Pump = pump;
}

void PumpSystemEventsFromEngine()
{
    if (s_Pump != nullptr)
        s_Pump();
}

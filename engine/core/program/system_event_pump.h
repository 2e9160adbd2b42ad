#pragma once

// Long loads in the engine's lower layers keep the program answering
// through this hook; the application runtime installs its event pump at
// start-up. Until then a call does nothing.
typedef void (*SystemEventPump)();
void SetSystemEventPump(SystemEventPump pump);
void PumpSystemEventsFromEngine();

#include "engine/platform/display_device.h"

#include "engine/platform/sdl_display_device.h"

static DisplayDevice* s_InstalledDevice = nullptr;

DisplayDevice& GetDisplayDevice()
{
    if (s_InstalledDevice)
        return *s_InstalledDevice;
    // Never destroyed: the screen, a static object built before it, still
    // releases its surfaces through it at exit.
    static SdlDisplayDevice* device = new SdlDisplayDevice;
    return *device;
}

DisplayDevice* SetDisplayDevice(DisplayDevice* device)
{
    DisplayDevice* previous = s_InstalledDevice;
    s_InstalledDevice = device;
    return previous;
}

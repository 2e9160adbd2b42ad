#include "engine/graphics/image_switches.h"

static bool s_JpegDisabled = false;
static bool s_CompressedStorage = true;

void SetJpegDisabled(bool disabled)
{
    s_JpegDisabled = disabled;
}

bool IsJpegDisabled()
{
    return s_JpegDisabled;
}

void SetCompressedStorage(bool on)
{
    s_CompressedStorage = on;
}

bool IsCompressedStorageOn()
{
    return s_CompressedStorage;
}

#include "engine/object/object_read_hook.h"

namespace
{
constinit ObjectReadHook s_ObjectReadHook = nullptr;
}

void SetObjectReadHook(ObjectReadHook hook)
{
    s_ObjectReadHook = hook;
}

void RunObjectReadHook()
{
    if (s_ObjectReadHook != nullptr)
        s_ObjectReadHook();
}

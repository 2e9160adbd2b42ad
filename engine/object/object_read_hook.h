#pragma once

typedef void (*ObjectReadHook)();

// The function run at the start of every text or binary object read, or
// none: the game shows its loading progress with it while it loads its
// resources.
void SetObjectReadHook(ObjectReadHook hook);
inline void SetObjectLoadingCallback(ObjectReadHook hook)
{
    SetObjectReadHook(hook);
}

void RunObjectReadHook();

#include "game/playfield/playfield_hooks.h"

namespace {

constinit CPlayfieldHooks s_PlayfieldHooks = {
    []() {},
    []() {},
    []() {},
    []() {},
    []() -> int32_t { return 1; },
    []() {},
    [](const char*) {},
    [](int32_t, bool) {},
    [](int32_t) -> CPlayerControls* { return nullptr; },
};

} // namespace

CPlayfieldHooks& GetPlayfieldHooks()
{
    return s_PlayfieldHooks;
}

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
    []() -> int32_t { return 2; },
    []() -> CDirtyRectFrame* { return nullptr; },
    []() { return false; },
    []() {},
    [](uint32_t, CGameStats*, const CString&) {},
    [](const char*, CFrameInterface*) {},
    [](CFrameInterface*) {},
    [](CFrameInterface*, int32_t) {},
    []() {},
    []() {},
    []() {},
    []() {},
    []() {},
};

} // namespace

CPlayfieldHooks& GetPlayfieldHooks()
{
    return s_PlayfieldHooks;
}

#include "engine/app/window_tree_hooks.h"

namespace {
constinit CWindowTreeHooks s_WindowTreeHooks = {
    [](CFrameInterface&, CFont*) -> CScreenWindow* { return nullptr; },
    [](CScreenWindow*, float) {},
    [](CScreenWindow*) {},
    [](CScreenWindow*) {},
    [](CScreenWindow*) { return false; },
    [](CScreenWindow*) { return 0.0f; },
    [](CScreenWindow*, CJWindow*, bool) {},
    [](CFont*) {},
    [](CResourceLibraryBase*, CResourceLibraryBase*) {},
};
} // namespace

CWindowTreeHooks& GetWindowTreeHooks()
{
    return s_WindowTreeHooks;
}

#include "engine/object/editor_hooks.h"

#include "engine/object/properties/property_editor.h"

namespace
{
constinit CEditorHooks s_EditorHooks = {
    // The window owns the editors it is given; without one nobody would.
    [](CPropertyWindow*, PropertyEditor* editor, const char*) { delete editor; },
    [](CPropertyWindow*, const PropertyEditor*) -> CJWindow* { return nullptr; },
    [](CPropertyWindow*) {},
    [](CPropertyWindow*) -> PropertyEditor* { return nullptr; },
    [](CPropertyWindow*, PropertyEditor*) {},
    [](const void*, const Property*, int32_t) -> PropertyEditor* { return nullptr; },
    [](CObject*, CObject*) {},
    [](CPropertyWindow*, CObject*) {},
    [](CObject*) {},
    [](const Property*, const Property*, CPropertyWindow*, void*) -> PropertyEditor* { return nullptr; },
    [](CObject*) {},
    [](bool) -> CObject* { return nullptr; },
    [](const CClassInfo*) { return false; },
    [](const CString&) {},
    [](CString&) { return false; },
    [](CPropertyWindow*, CObject*) {},
    [](CPropertyWindow*, CObject*) {},
    [](CPropertyWindow*, const char*, const char*, CObject*, void (*)(CObject*)) {},
    []() { return false; },
    []() {},
    [](CFrameInterface*, CSprite*) {},
    []() -> CJWindow* { return nullptr; },
    [](CPropertyWindow*) -> CJWindow* { return nullptr; },
    [](CJWindow*) {},
    []() {},
    [](CDynamicArray<CObject*>&) {},
    [](const CDynamicArray<CObject*>&) {},
    [](CObject*) {},
    []() {},
    [](int32_t) {},
    false,
};
}

CEditorHooks& GetEditorHooks()
{
    return s_EditorHooks;
}

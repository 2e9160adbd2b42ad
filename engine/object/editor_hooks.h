#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"

class CClassInfo;
class CFrameInterface;
class CJWindow;
class CObject;
class CPropertyWindow;
class CSprite;
class CString;
class Property;
class PropertyEditor;

// What the object model asks of the level editor (the property window, its
// history, the list-item editors, the clipboard of objects) and of the
// system clipboard. The engine never links against the editor: the editor
// fills this table at start-up, and until then every hook is a harmless
// no-op that answers null or false (an editor handed to the property window
// is freed).
struct CEditorHooks
{
    // The property window.
    void (*AddLabelledField)(CPropertyWindow* window, PropertyEditor* editor, const char* label);
    CJWindow* (*GetPageClient)(CPropertyWindow* window, const PropertyEditor* editor);
    // Builds the window again for the same object, keeping its page.
    void (*ReopenPropertyWindow)(CPropertyWindow* window);
    PropertyEditor* (*FindEditorOnCurrentPage)(CPropertyWindow* window);
    void (*ShowEditor)(CPropertyWindow* window, PropertyEditor* editor);
    // The n-th editor of the open window for an object (or value) and
    // property; null when none or no window is open.
    PropertyEditor* (*FindOpenPropertyEditor)(const void* object, const Property* property, int32_t n);
    void (*OpenObjectProperties)(CObject* object, CObject* fileContext);
    // The preview of a frame being edited, shown in a browsable image window.
    void (*AddImagePreviewEditor)(CPropertyWindow* window, CObject* frame);

    // The window's history must forget an object before it is deleted.
    void (*ForgetObjectInPropertyHistory)(CObject* object);

    // The chooser editor of list-item properties.
    PropertyEditor* (*CreateObjectReferenceEditor)(const Property* property, const Property* groupProperty,
                                                   CPropertyWindow* window, void* object);

    // The clipboard of reflected objects.
    void (*CopyObjectToClipboard)(CObject* object);
    // A new object the caller owns, or null.
    CObject* (*PasteObjectFromClipboard)(bool acceptText);
    bool (*ClipboardHoldsClass)(const CClassInfo* classInfo);

    // The system clipboard's text.
    void (*SetClipboardText)(const CString& text);
    bool (*GetClipboardText)(CString& text);

    // The preview of a font being edited, showing its glyphs.
    void (*AddFontPreviewEditor)(CPropertyWindow* window, CObject* font);
    // The preview of a sequence being edited: play, pause, step, markers.
    void (*AddSequencePreviewEditor)(CPropertyWindow* window, CObject* sequence);
    // An item of a menu on the property window's menu bar ("File" > "Save
    // As AVI") that calls the command with the target when chosen.
    void (*AddMenuCommand)(CPropertyWindow* window, const char* menu, const char* item, CObject* target,
                           void (*command)(CObject* target));
    // True while the level editor window exists.
    bool (*IsLevelEditorOpen)();
    // Opens the level editor window once, in front (a test play that ends
    // goes back to it).
    void (*OpenLevelEditor)();
    // The level editor's marks over a sprite it shows (a brick's selection
    // state), drawn right after the sprite while the editor is open.
    void (*DrawEditorMarks)(CFrameInterface* frame, CSprite* sprite);

    // The level editor window, for the tools that open over it; null while
    // it is closed.
    CJWindow* (*GetLevelEditorWindow)();
    // The property window as a window of the toolkit, to hide and show it.
    CJWindow* (*GetPropertyWindowFrame)(CPropertyWindow* window);
    // The active tool takes the editor's clicks in place of the inspectors:
    // the editor reports to it as commands from the editor window, code 1
    // when the selection has changed, code 0 when a double-click has
    // reduced it to one object.
    void (*SetActiveTool)(CJWindow* tool);
    void (*ClearActiveTool)();
    // The selected objects in the order they were selected.
    void (*GetSelection)(CDynamicArray<CObject*>& objects);
    void (*SetSelection)(const CDynamicArray<CObject*>& objects);
    // Gives a placed object without a name one that no other bears.
    void (*AssignUniqueName)(CObject* object);
    void (*CloseOpenPropertyWindow)();
    // Switches the level editor to the current set's round of the index.
    void (*EditRoundIndex)(int32_t round);

    // Raised by the level editor's commands while they build or rebuild the
    // round's bricks, and restored afterwards: edited bricks then show their
    // first frame and leave out looks that only play shows.
    bool LevelEditorBuilding;
};

CEditorHooks& GetEditorHooks();

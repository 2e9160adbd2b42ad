#pragma once

#include <cstdint>

class CFont;
class CFrameInterface;
class CJWindow;
class CResourceLibraryBase;
class CScreenWindow;

// What the game base asks of the window toolkit, which lies above it: the
// root window's making, update, drawing and deletion, the two questions
// the game asks about it every frame, adding a top-level window, the
// default font and the window texture libraries. The toolkit fills the
// table at start-up (InstallWindowToolkit); until then making a root
// answers none and the game runs without a window tree.
struct CWindowTreeHooks
{
    // A new root over the frame, its font the toolkit's default; none
    // without a toolkit.
    CScreenWindow* (*CreateScreenWindow)(CFrameInterface& frame, CFont* font);
    void (*UpdateScreenWindow)(CScreenWindow* root, float step);
    void (*DrawScreenWindow)(CScreenWindow* root);
    // Destroys the root with every window in it.
    void (*DeleteScreenWindow)(CScreenWindow* root);
    bool (*HasTopLevelWindows)(CScreenWindow* root);
    // The front top-level window's opacity; 0 when there is none.
    float (*GetFrontWindowOpacity)(CScreenWindow* root);
    // At the front, centred or where the window stands.
    void (*AddTopLevelWindow)(CScreenWindow* root, CJWindow* window, bool centred);
    void (*SetDefaultFont)(CFont* font);
    void (*SetWindowTextureLibraries)(CResourceLibraryBase* frameLibrary, CResourceLibraryBase* textureLibrary);
};

CWindowTreeHooks& GetWindowTreeHooks();

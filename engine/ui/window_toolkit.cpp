#include "engine/ui/window_toolkit.h"

#include "engine/app/window_tree_hooks.h"
#include "engine/object/libraries/new_object_request.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/file_name_dialog.h"
#include "engine/ui/new_object_dialog.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/skin_library.h"
#include "engine/ui/toolkit_state.h"

namespace {
constexpr int32_t PLACE_CENTRED = 6;

CScreenWindow* CreateRoot(CFrameInterface& frame, CFont* font)
{
    return new CScreenWindow(frame, font);
}

void DeleteRoot(CScreenWindow* root)
{
    {
        CDeferredDestroyScope scope;
        root->Destroy();
    }
    // No window keeps a theme pointer now.
    ReleaseSkins();
}

float FrontWindowOpacity(CScreenWindow* root)
{
    const CJWindow* front = root->GetFrontChild();
    return front != nullptr ? front->GetOpacity() : 0.0f;
}

void AddTopLevel(CScreenWindow* root, CJWindow* window, bool centred)
{
    root->AddChildFront(window, centred ? PLACE_CENTRED : 0);
}
} // namespace

void InstallWindowToolkit()
{
    CWindowTreeHooks& hooks = GetWindowTreeHooks();
    hooks.CreateScreenWindow = CreateRoot;
    hooks.UpdateScreenWindow = [](CScreenWindow* root, float step) { root->Update(step); };
    hooks.DrawScreenWindow = [](CScreenWindow* root) { root->DrawAll(); };
    hooks.DeleteScreenWindow = DeleteRoot;
    hooks.HasTopLevelWindows = [](CScreenWindow* root) { return root->HasChildren(); };
    hooks.GetFrontWindowOpacity = FrontWindowOpacity;
    hooks.AddTopLevelWindow = AddTopLevel;
    hooks.SetDefaultFont = [](CFont* font) { GetToolkitState().m_pDefaultFont = font; };
    hooks.SetWindowTextureLibraries = SetWindowTextureLibraries;

    GetFileNameDialogMakers().MakeFileNameDialog = [](CJWindow* parent, CFileNameRequest* request) {
        return new CFileNameDialog(parent, request);
    };
    GetFileNameDialogMakers().MakeNewObjectDialog = [](CJWindow* parent, CNewObjectRequest* request) {
        return static_cast<CFileNameDialog*>(new CNewObjectDialog(parent, request));
    };
}

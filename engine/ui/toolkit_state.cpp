#include "engine/ui/toolkit_state.h"

#include "engine/core/lists/resource_library_base.h"
#include "engine/graphics/frame_interface.h"

namespace {
CToolkitState s_ToolkitState;

CFrameInterface* FindFrame(CResourceLibraryBase* library, const char* name)
{
    if (library == nullptr)
        return nullptr;
    int32_t index = library->Find(name, -1);
    if (index < 0)
        return nullptr;
    CObject* item = library->GetItemEnsured(static_cast<uint32_t>(index));
    if (item == nullptr || !item->IsKindOf(CFrameInterface::SGetClassInfo()))
        return nullptr;
    return static_cast<CFrameInterface*>(item);
}
} // namespace

CToolkitState::CToolkitState()
    : m_pDefaultFont(nullptr)
    , m_pDefaultTheme(nullptr)
    , m_BevelWidth(0)
    , m_BevelWidthSet(false)
    , m_HighlightColor(63, 154, 255, 255)
    , m_FocusOutline(false)
    , m_InsertMode(true)
    , m_pScreenWindow(nullptr)
    , m_CursorTable{}
    , m_pFrameLibrary(nullptr)
    , m_pTextureLibrary(nullptr)
    , m_pWindowTexture(nullptr)
    , m_pWindowTitleTile(nullptr)
    , m_pInactiveWindowTexture(nullptr)
    , m_pInactiveWindowTitleTile(nullptr)
    , m_pFolderOpenIcon(nullptr)
    , m_pFolderClosedIcon(nullptr)
    , m_pFileIcon(nullptr)
{
}

CToolkitState& GetToolkitState()
{
    return s_ToolkitState;
}

void ResetToolkitState()
{
    s_ToolkitState = CToolkitState();
}

void SetWindowTextureLibraries(CResourceLibraryBase* frameLibrary, CResourceLibraryBase* textureLibrary)
{
    CToolkitState& state = s_ToolkitState;
    state.m_pFrameLibrary = frameLibrary;
    state.m_pTextureLibrary = textureLibrary;
    state.m_pWindowTexture = FindFrame(textureLibrary, "Window Texture");
    state.m_pWindowTitleTile = FindFrame(textureLibrary, "Window Title Tile");
    state.m_pInactiveWindowTexture = FindFrame(textureLibrary, "Inactive Window Texture");
    if (state.m_pInactiveWindowTexture == nullptr)
        state.m_pInactiveWindowTexture = state.m_pWindowTexture;
    state.m_pInactiveWindowTitleTile = FindFrame(textureLibrary, "Inactive Window Title Tile");
    if (state.m_pInactiveWindowTitleTile == nullptr)
        state.m_pInactiveWindowTitleTile = state.m_pWindowTitleTile;
    state.m_pFolderOpenIcon = FindFrame(frameLibrary, "Folder Open Icon");
    state.m_pFolderClosedIcon = FindFrame(frameLibrary, "Folder Closed Icon");
    state.m_pFileIcon = FindFrame(frameLibrary, "File Icon");
}

void SetEditorSettingsFileName(const char* fileName)
{
    s_ToolkitState.m_EditorSettingsFileName = fileName;
}

const char* GetEditorSettingsFileName()
{
    return s_ToolkitState.m_EditorSettingsFileName.HasText() ? s_ToolkitState.m_EditorSettingsFileName.GetText()
                                                             : nullptr;
}

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/core/color/color.h"
#include "engine/core/strings/ref_string.h"

class CFont;
class CFrameInterface;
class CResourceLibraryBase;
class CScreenWindow;
class CSequence;
class CSkinTheme;

// The four shades of every bevel, from darkest to lightest: on 8-bit
// displays remap tables of the current palette (lightness x 40, 80, 200
// and 245 / 128), elsewhere translucent black and white.
enum BevelShade
{
    BEVEL_SHADE_DARKEST,
    BEVEL_SHADE_DARK,
    BEVEL_SHADE_LIGHT,
    BEVEL_SHADE_LIGHTEST,
    BEVEL_SHADE_COUNT
};

struct CBevelShades
{
    bool m_Filled = false;
    std::array<CColor, BEVEL_SHADE_COUNT> m_Colours;
    // Empty while no palette was loaded when they were filled: the 8-bit
    // bevel then changes nothing.
    std::array<std::vector<uint8_t>, BEVEL_SHADE_COUNT> m_RemapTables;
};

constexpr int32_t CURSOR_TABLE_SIZE = 23;

// What every window of the toolkit shares. It lives in one object so that a
// test can put the whole toolkit back to its start-up state between cases.
struct CToolkitState
{
    CToolkitState();

    // The font a window gets when its theme gives it none; may be null.
    CFont* m_pDefaultFont;
    // The default skin theme; not owned.
    CSkinTheme* m_pDefaultTheme;
    // Bevel width in pixels; the first window constructed computes it from
    // its dialog unit, later windows copy it.
    int32_t m_BevelWidth;
    bool m_BevelWidthSet;
    CColor m_HighlightColor;
    // Tab navigation turns the focus outline on, a mouse press turns it off.
    bool m_FocusOutline;
    // Typing in edit boxes inserts, else overwrites; the Insert key toggles
    // it for every box at once.
    bool m_InsertMode;
    // The first root constructed, until it goes.
    CScreenWindow* m_pScreenWindow;
    // Filled by the first window constructed.
    CBevelShades m_BevelShades;
    // Pointer shapes by entry; null entries answer entry 0.
    std::array<const CSequence*, CURSOR_TABLE_SIZE> m_CursorTable;

    CResourceLibraryBase* m_pFrameLibrary;
    CResourceLibraryBase* m_pTextureLibrary;
    CFrameInterface* m_pWindowTexture;
    CFrameInterface* m_pWindowTitleTile;
    CFrameInterface* m_pInactiveWindowTexture;
    CFrameInterface* m_pInactiveWindowTitleTile;
    // The tree icons of list boxes, from the frame library; null when
    // missing, which draws nothing.
    CFrameInterface* m_pFolderOpenIcon;
    CFrameInterface* m_pFolderClosedIcon;
    CFrameInterface* m_pFileIcon;

    // Persisted placements go to this file; until it is named, placement is
    // neither read nor written.
    CString m_EditorSettingsFileName;
};

CToolkitState& GetToolkitState();
// Back to the state before the first window: no font, no theme, no root.
void ResetToolkitState();

// Called once by the game base. The four shared window textures are looked
// up in the texture library now, so windows built before this call do not
// keep them null.
void SetWindowTextureLibraries(CResourceLibraryBase* frameLibrary, CResourceLibraryBase* textureLibrary);

// The game names ".\Vantrell Editor.ini".
void SetEditorSettingsFileName(const char* fileName);
// Null while no file is named.
const char* GetEditorSettingsFileName();

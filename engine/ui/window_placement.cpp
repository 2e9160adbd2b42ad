// Where a window goes when it is added to its parent, how the parent grows
// around it, and the placement persisted in the editor settings file.
//
// Placement codes read their anchor either from the caller or from the
// window's previous sibling; a code whose anchor is missing falls back to
// code 1, gap defaults included, so that no code ever reads through null.
// Persisted values come from a file the user can edit: sizes outside
// 1..32767 are ignored, both flags are read as "not zero", and the clamping
// sums are done in 64 bits.

#include <algorithm>

#include "engine/app/input/mouse_state.h"
#include "engine/core/settings/settings.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window.h"

namespace {
constexpr int32_t ROW_DEFAULT_GAP = -999;
constexpr int32_t LARGEST_PERSISTED_SIZE = 32767;

bool TakesGivenAnchor(int32_t code)
{
    switch (code)
    {
    case 7:
    case 9:
    case 11:
    case 13:
    case 15:
    case 17:
    case 20:
    case 24:
    case 26:
        return true;
    default:
        return false;
    }
}

bool TakesPreviousSibling(int32_t code)
{
    switch (code)
    {
    case 8:
    case 10:
    case 12:
    case 14:
    case 16:
    case 18:
    case 21:
    case 25:
    case 27:
        return true;
    default:
        return false;
    }
}

int32_t Width(const CRect& rect)
{
    return rect.right - rect.left;
}

int32_t Height(const CRect& rect)
{
    return rect.bottom - rect.top;
}

// Keeps a corner whose far edge would not fit in 32 bits representable.
int32_t ClampCorner(int64_t position, int32_t size)
{
    return static_cast<int32_t>(std::clamp<int64_t>(position, INT32_MIN, static_cast<int64_t>(INT32_MAX) - size));
}
} // namespace

void CJWindow::Place(int32_t code, CJWindow* anchor, int32_t x, int32_t y, int32_t flags)
{
    if (code == 0)
        return;
    if (TakesPreviousSibling(code))
        anchor = m_pPrevSibling;
    if ((TakesGivenAnchor(code) || TakesPreviousSibling(code)) && anchor == nullptr)
        code = 1;

    const CJWindow* parent = m_pParent;
    int32_t parentMargin = parent != nullptr ? parent->m_Margin : 0;
    int32_t parentSpacing = parent != nullptr ? parent->m_Spacing : 0;
    int32_t unit = (flags & PLACE_GAPS_IN_PIXELS) != 0 ? 1 : GetDialogUnit();

    int32_t gx;
    if (x != DEFAULT_GAP)
        gx = x * unit;
    else if (code == 1 || code == 2 || code == 3 || code == 4 || code == 23)
        gx = parentMargin;
    else if (code == 9 || code == 10 || code == 19 || code == 22)
        gx = 0;
    else
        gx = parentSpacing;
    int32_t gy;
    if (y != DEFAULT_GAP)
        gy = y * unit;
    else if (code == 9 || code == 10)
        gy = parentSpacing;
    else if (code == 22)
        gy = 1;
    else
        gy = gx;

    int32_t W = parent != nullptr ? parent->GetWidth() : 0;
    int32_t H = parent != nullptr ? parent->GetHeight() : 0;
    int32_t VW = parent != nullptr ? Width(parent->m_VisibleRect) : 0;
    int32_t VH = parent != nullptr ? Height(parent->m_VisibleRect) : 0;
    int32_t T = parent != nullptr ? parent->GetTitleHeight() : 0;
    int32_t L = parent != nullptr ? parent->GetLeftInset() : 0;
    int32_t w = GetWidth();
    int32_t h = GetHeight();
    CRect A = anchor != nullptr ? anchor->m_Rect : CRect{0, 0, 0, 0};

    bool placed = true;
    CPoint corner = {m_Rect.left, m_Rect.top};
    switch (code)
    {
    case 1:
        corner = {L + gx, T + gy};
        break;
    case 2:
        corner = {W - w - gx, T + gy};
        break;
    case 3:
        corner = {W - w - gx, gy};
        break;
    case 4:
        corner = {W - w - gx, H - h - gy};
        break;
    case 5:
        corner = {L + gx, T + gy};
        if ((flags & PLACE_CLAMP_INTO_PARENT) != 0)
        {
            corner.x = w >= W ? 0 : std::clamp(corner.x, 0, W - w);
            corner.y = h >= H ? 0 : std::clamp(corner.y, 0, H - h);
        }
        break;
    case 6:
        corner = {(VW - w) / 2, (VH - h) / 2};
        if (corner.y + h > VH)
            corner.y = VH - h;
        break;
    case 7:
    case 8:
        corner = {A.left, A.bottom + gy};
        break;
    case 9:
    case 10:
        corner = {A.right - w + gx, A.bottom + gy};
        break;
    case 11:
    case 12:
        corner = {(VW - w) / 2, A.bottom + gy};
        break;
    case 13:
    case 14:
        corner = {A.right + gx, A.top};
        break;
    case 15:
    case 16:
        corner = {A.right + gx, A.top - (h - Height(A)) / 2};
        break;
    case 17:
    case 18:
        corner = {A.right + gx, A.bottom - h};
        break;
    case 19:
        // Just right of the parent, as tall as it.
        SetSize(w, H);
        corner = {W, 0};
        break;
    case 20:
    case 21:
        corner = {A.left - w - gx, A.top};
        break;
    case 22:
        PlaceAtPointer(gx, gy);
        placed = false;
        break;
    case 23:
        corner = {gx, H - h - gy};
        break;
    case 24:
    case 25:
        corner = {A.left + (Width(A) - w) / 2, A.top - h - gy};
        break;
    case 26:
    case 27:
        corner = {A.left + (Width(A) - w) / 2, A.top + (Height(A) - h) / 2};
        break;
    default:
        placed = false;
        break;
    }
    if (placed)
        SetRectXYWH(corner.x, corner.y, GetWidth(), GetHeight());
    if ((flags & PLACE_NO_GROWTH) == 0 && m_pParent != nullptr)
        m_pParent->GrowToContain(this, (flags & PLACE_GROW_WITHOUT_MARGIN) != 0 ? 0 : DEFAULT_GAP);
}

void CJWindow::PlaceAtPointer(int32_t gx, int32_t gy)
{
    int32_t w = GetWidth();
    int32_t h = GetHeight();
    CPoint pointer = GetMouseState().GetPosition();
    // Near the screen's right or bottom edge the window opens to the left
    // of or above the pointer.
    if (CScreenWindow* root = GetScreenWindowOf(this))
    {
        if (root->GetWidth() - pointer.x < w && pointer.x - w >= 0)
            pointer.x -= w;
        if (root->GetHeight() - pointer.y < h && pointer.y - h >= 0)
            pointer.y -= h;
    }
    CPoint wanted = {pointer.x + gx, pointer.y + gy};
    CPoint corner = wanted;
    if (m_pParent != nullptr)
    {
        if (corner.x + w > m_pParent->GetWidth())
            corner.x = m_pParent->GetWidth() - w;
        if (corner.y + h > m_pParent->GetHeight())
            corner.y = m_pParent->GetHeight() - h;
    }
    corner.x = std::max(corner.x, 0);
    corner.y = std::max(corner.y, 0);
    SetRectXYWH(corner.x, corner.y, w, h);
    // The pointer keeps its place on the window.
    if (corner.x != wanted.x || corner.y != wanted.y)
    {
        CPoint now = GetMouseState().GetPosition();
        GetMouseState().SetPosition(now.x + corner.x - wanted.x, now.y + corner.y - wanted.y);
    }
}

void CJWindow::GrowToContain(CJWindow* child, int32_t margin)
{
    int32_t m = margin == DEFAULT_GAP ? m_Margin : margin * GetDialogUnit();
    int32_t neededWidth = child->m_Rect.right + m;
    int32_t neededHeight = child->m_Rect.bottom + m;
    if (neededWidth <= GetWidth() && neededHeight <= GetHeight())
        return;
    SetSize(std::max(GetWidth(), neededWidth), std::max(GetHeight(), neededHeight));
    if (m_pParent != nullptr)
        m_pParent->GrowToContain(this, DEFAULT_GAP);
}

void CJWindow::EqualizeWidths(CJWindow* first, CJWindow* last, int32_t mode)
{
    int32_t widest = 0;
    for (CJWindow* window = first; window != nullptr; window = window == last ? nullptr : window->m_pNextSibling)
        widest = std::max(widest, window->GetWidth());
    for (CJWindow* window = first; window != nullptr; window = window == last ? nullptr : window->m_pNextSibling)
    {
        int32_t growth = widest - window->GetWidth();
        int32_t shift = mode == 1 ? growth / 2 : mode == 2 ? growth : 0;
        window->SetRectXYWH(window->m_Rect.left - shift, window->m_Rect.top, widest, window->GetHeight());
    }
}

void CJWindow::ArrangeRow(CJWindow* first, CJWindow* last, int32_t offset, bool bottomAlign, bool equalize, int32_t gap)
{
    if (gap == ROW_DEFAULT_GAP)
        gap = m_Spacing;
    if (equalize)
        EqualizeWidths(first, last, 0);
    int32_t total = 0;
    int32_t count = 0;
    for (CJWindow* window = first; window != nullptr; window = window == last ? nullptr : window->m_pNextSibling)
    {
        total += window->GetWidth();
        ++count;
    }
    total += gap * (count - 1);
    int32_t x = offset + (GetWidth() - total - offset) / 2;
    int32_t rowTop = GetHeight() - m_Margin - first->GetHeight();
    for (CJWindow* window = first; window != nullptr; window = window == last ? nullptr : window->m_pNextSibling)
    {
        window->MoveTo(x, bottomAlign ? rowTop : window->m_Rect.top);
        x += window->GetWidth() + gap;
    }
}

bool CJWindow::HasDescendantWithRect(const CRect& screenRect, const CJWindow* except) const
{
    for (const CJWindow* child = m_pFrontChild; child != nullptr; child = child->m_pNextSibling)
    {
        if (child == except)
            continue;
        if (child->HasChildren() && child->HasDescendantWithRect(screenRect, except))
            return true;
        const CRect& rect = child->m_ScreenRect;
        if (rect.left == screenRect.left && rect.top == screenRect.top && rect.right == screenRect.right &&
            rect.bottom == screenRect.bottom)
            return true;
    }
    return false;
}

void CJWindow::LoadPlacement(const char* name, bool withSize)
{
    m_PlacementName = name != nullptr ? CString(name) : m_Text;
    m_HasPlacementName = true;
    m_PersistSize = withSize;
    const char* file = GetEditorSettingsFileName();
    if (file == nullptr)
        return;
    CString section = m_PlacementName;
    const char* sectionName = section.GetText();

    if (withSize)
    {
        int32_t width = ReadSettingInt(file, sectionName, "Width", GetWidth());
        int32_t height = ReadSettingInt(file, sectionName, "Height", GetHeight());
        if (width >= 1 && width <= LARGEST_PERSISTED_SIZE && height >= 1 && height <= LARGEST_PERSISTED_SIZE)
            SetSize(width, height);
    }
    int64_t x = ReadSettingInt(file, sectionName, "Position X", m_Rect.left);
    int64_t y = ReadSettingInt(file, sectionName, "Position Y", m_Rect.top);
    bool shown = ReadSettingInt(file, sectionName, "Show Window", m_Visible ? 1 : 0) != 0;
    bool transparent = ReadSettingInt(file, sectionName, "Transparent Window", m_Transparent ? 1 : 0) != 0;
    SetTransparent(transparent);

    // Pulls a window stored far outside its parent, or off the screen, back
    // to where it can be reached.
    int64_t w = GetWidth();
    int64_t h = GetHeight();
    if (m_pParent != nullptr)
    {
        int64_t parentLeft = m_pParent->m_ScreenRect.left;
        int64_t parentTop = m_pParent->m_ScreenRect.top;
        const CRect& visible = m_pParent->m_VisibleRect;
        if (parentLeft + x > visible.right)
            x = visible.right - w - parentLeft;
        if (parentTop + y > visible.bottom)
            y = visible.bottom - h - parentTop;
        if (parentLeft + x + w < visible.left)
            x = visible.left - parentLeft;
        if (parentTop + y + h < visible.top)
            y = visible.top - parentTop;
    }
    else
    {
        CScreenWindow* root = GetToolkitState().m_pScreenWindow;
        if (x + w < 0)
            x = 0;
        if (root != nullptr && x > root->GetWidth() - 1)
            x = root->GetWidth() - w;
        if (y + h < 0)
            y = 0;
        if (root != nullptr && y > root->GetHeight() - 1)
            y = root->GetHeight() - h;
    }
    int32_t left = ClampCorner(x, GetWidth());
    int32_t top = ClampCorner(y, GetHeight());
    if (left != m_Rect.left || top != m_Rect.top)
        MoveTo(left, top);
    if (shown != m_Visible)
        Show(shown, true);
    if (m_pParent == nullptr)
        return;
    // A window saved on top of another opens beside it.
    while (m_pParent->HasDescendantWithRect(m_ScreenRect, this))
        MoveTo(m_Rect.left + 10, m_Rect.top + 10);
}

void CJWindow::SavePlacement(const char* name, bool withSize)
{
    const char* file = GetEditorSettingsFileName();
    if (file == nullptr)
        return;
    CString section = name != nullptr ? CString(name) : m_Text;
    const char* sectionName = section.GetText();
    if (withSize)
    {
        WriteSettingInt(file, sectionName, "Width", GetWidth());
        WriteSettingInt(file, sectionName, "Height", GetHeight());
    }
    WriteSettingInt(file, sectionName, "Position X", m_Rect.left);
    WriteSettingInt(file, sectionName, "Position Y", m_Rect.top);
    WriteSettingInt(file, sectionName, "Show Window", m_Visible ? 1 : 0);
    WriteSettingInt(file, sectionName, "Transparent Window", m_Transparent ? 1 : 0);
}

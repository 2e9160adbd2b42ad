#include "engine/ui/dialog.h"

#include "engine/app/input/mouse_state.h"
#include "engine/core/localization/localized_string.h"
#include "engine/graphics/fonts/font.h"
#include "engine/ui/bevel.h"
#include "engine/ui/button.h"
#include "engine/ui/cursor_table.h"
#include "engine/ui/resize_control.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/skin_painter.h"
#include "engine/ui/skin_theme.h"

namespace {
CLocalizedString s_CloseText("Close");
CLocalizedString s_TransparentCaption("T", "Stands for Transparent");
CLocalizedString s_TransparentTooltip("Transparent Background Toggle");
// Read by translators only: the name of the language a translation is in.
CLocalizedString s_LanguageName("English", "In the following line, do not localize the word English. Instead, "
                                           "replace English with the name of the local language.");

constexpr int32_t MINIMUM_SIZE = 10;
constexpr int32_t CORNER_BUTTON_SIZE = 13;
constexpr int32_t SWITCH_GAP = 5;

// Pointer shapes over and while dragging an edge: horizontal, vertical and
// the two diagonals.
int32_t EdgeCursorEntry(int32_t mask, bool dragging)
{
    int32_t entry = 0;
    if (mask == EDGE_LEFT || mask == EDGE_RIGHT)
        entry = 7;
    else if (mask == EDGE_TOP || mask == EDGE_BOTTOM)
        entry = 9;
    else if (mask == (EDGE_LEFT | EDGE_TOP) || mask == (EDGE_RIGHT | EDGE_BOTTOM))
        entry = 11;
    else if (mask == (EDGE_TOP | EDGE_RIGHT) || mask == (EDGE_LEFT | EDGE_BOTTOM))
        entry = 13;
    if (entry == 0)
        return 0;
    return dragging ? entry + 1 : entry;
}
} // namespace

CJDialog::CJDialog(CJWindow* parent)
    : CJPanel(parent)
{
    Init();
}

CJDialog::CJDialog(CJWindow* parent, const CString& title)
    : CJPanel(parent, title)
{
    Init();
}

CJDialog::CJDialog(CJWindow* parent, const char* title)
    : CJPanel(parent, title)
{
    Init();
}

void CJDialog::Init()
{
    m_pFramePainter = GetTheme()->CreateFramePainter(this);
    if (!m_Text.IsEmpty() && m_pFont != nullptr)
    {
        int32_t titleWidth = m_pFont->GetTextWidth(m_Text) + 3;
        if (GetWidth() < titleWidth)
            SetWidth(titleWidth);
        if (GetHeight() < m_pFont->GetHeight())
            SetHeight(m_pFont->GetHeight());
    }
    SetBevelUnits(2);
    m_MinimumWidth = GetWidth() > MINIMUM_SIZE ? GetWidth() : MINIMUM_SIZE;
    m_MinimumHeight = GetHeight() > MINIMUM_SIZE ? GetHeight() : MINIMUM_SIZE;
}

CJDialog::~CJDialog()
{
    // The tooltips of its controls go with them (every window takes its
    // own along), and a tooltip of another window stays.
    delete m_pFramePainter;
}

void CJDialog::Draw(CFrameInterface& frame)
{
    DrawFrame(frame);
    CJWindow::Draw(frame);
}

void CJDialog::DrawFrame(CFrameInterface& frame)
{
    m_pFramePainter->Paint(frame);
}

bool CJDialog::MouseDown(int32_t button, CPoint point)
{
    if (CJPanel::MouseDown(button, point))
        return true;
    return RectContains(m_ScreenRect, point);
}

bool CJDialog::DoubleClick(int32_t button, CPoint point, bool& continueAsPress)
{
    if (CJPanel::DoubleClick(button, point, continueAsPress))
        return true;
    if (!RectContains(m_ScreenRect, point))
        return false;
    if (CJPanel::MouseDown(button, point))
        continueAsPress = true;
    return true;
}

bool CJDialog::TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor)
{
    if ((buttons & 1) == 0)
        return false;
    if ((m_CapturedButtons & 1) == 0)
    {
        if (!RectContains(m_ScreenRect, point))
            return false;
        if (m_pResizeGrip != nullptr)
        {
            const CWindowScrollState* scroll = FindScrollState();
            CPoint local{point.x - m_ScreenRect.left + (scroll != nullptr ? scroll->m_ScrollX : 0),
                         point.y - m_ScreenRect.top + (scroll != nullptr ? scroll->m_ScrollY : 0)};
            m_pResizeGrip->SetEdgeMask(EdgeHitTest(local));
        }
    }
    int32_t edges = m_pResizeGrip != nullptr ? m_pResizeGrip->GetEdgeMask() : 0;
    if (edges != 0)
    {
        cursor = GetCursorFromTable(EdgeCursorEntry(edges, true));
        CRect rect = m_Rect;
        if ((edges & EDGE_LEFT) != 0)
            rect.left += movement.x;
        if ((edges & EDGE_TOP) != 0)
            rect.top += movement.y;
        if ((edges & EDGE_RIGHT) != 0)
            rect.right += movement.x;
        if ((edges & EDGE_BOTTOM) != 0)
            rect.bottom += movement.y;
        ResizeTo(rect, edges, point);
        return true;
    }
    if (!m_Movable)
        return false;
    MoveTo(m_Rect.left + movement.x, m_Rect.top + movement.y);
    return true;
}

void CJDialog::ApplyMinimumSize(CRect& rect) const
{
    if (m_pResizeGrip == nullptr)
        return;
    if (rect.right - rect.left < m_MinimumWidth)
        rect.right = rect.left + m_MinimumWidth;
    if (rect.bottom - rect.top < m_MinimumHeight)
        rect.bottom = rect.top + m_MinimumHeight;
}

void CJDialog::ResizeTo(const CRect& rect, int32_t edges, CPoint pointer)
{
    CRect applied = rect;
    ApplyMinimumSize(applied);
    SetRect(applied);
    if (SameRect(applied, rect))
        return;
    int32_t addedWidth = applied.right - rect.right;
    int32_t addedHeight = applied.bottom - rect.bottom;
    CRect kept = applied;
    if ((edges & EDGE_LEFT) != 0 && addedWidth > 0)
    {
        // The right edge stays where it was and the pointer stays on the
        // left edge.
        kept.left -= addedWidth;
        kept.right -= addedWidth;
        pointer.x -= addedWidth;
    }
    else if ((edges & EDGE_RIGHT) != 0)
        pointer.x += addedWidth;
    if ((edges & EDGE_TOP) != 0 && addedHeight > 0)
    {
        kept.top -= addedHeight;
        kept.bottom -= addedHeight;
        pointer.y -= addedHeight;
    }
    else if ((edges & EDGE_BOTTOM) != 0)
        pointer.y += addedHeight;
    if (!SameRect(kept, applied))
        SetRect(kept);
    // A dialog outside the tree has no pointer to keep on its edge.
    if (GetScreenWindow() != nullptr)
        GetMouseState().SetPosition(pointer.x, pointer.y);
}

int32_t CJDialog::EdgeHitTest(CPoint localPoint) const
{
    int32_t unit = GetDialogUnit();
    int32_t edge = unit * 2;
    int32_t corner = unit * 6;
    int32_t width = GetWidth();
    int32_t height = GetHeight();
    int32_t x = localPoint.x;
    int32_t y = localPoint.y;
    int32_t mask = 0;
    if (x <= edge)
        mask |= EDGE_LEFT;
    if (y <= edge)
        mask |= EDGE_TOP;
    if (x >= width - edge)
        mask |= EDGE_RIGHT;
    if (y >= height - edge)
        mask |= EDGE_BOTTOM;
    int32_t vertical = mask & (EDGE_TOP | EDGE_BOTTOM);
    int32_t horizontal = mask & (EDGE_LEFT | EDGE_RIGHT);
    if (x <= corner && vertical != 0)
        mask |= EDGE_LEFT;
    if (y <= corner && horizontal != 0)
        mask |= EDGE_TOP;
    if (x >= width - corner && vertical != 0)
        mask |= EDGE_RIGHT;
    if (y >= height - corner && horizontal != 0)
        mask |= EDGE_BOTTOM;
    return mask;
}

const CSequence* CJDialog::GetCursor(CPoint localPoint)
{
    if (m_pResizeGrip == nullptr)
        return GetCursorFromTable(0);
    return GetCursorFromTable(EdgeCursorEntry(EdgeHitTest(localPoint), false));
}

bool CJDialog::IsActive() const
{
    return m_Focused;
}

void CJDialog::SetRect(const CRect& rect)
{
    CRect applied = rect;
    ApplyMinimumSize(applied);
    CJPanel::SetRect(applied);
    PlaceCornerControls();
}

void CJDialog::PlaceCornerControls()
{
    if (m_pCloseBox != nullptr)
        m_pCloseBox->Place(3, nullptr, 2, 2, PLACE_NO_GROWTH);
    if (m_pTransparencySwitch != nullptr)
    {
        m_pTransparencySwitch->Place(3, nullptr, 2, 2, PLACE_NO_GROWTH);
        if (m_pCloseBox != nullptr)
            m_pTransparencySwitch->SetX(m_pCloseBox->GetRect().left - m_pTransparencySwitch->GetWidth() - SWITCH_GAP);
        m_pTransparencySwitch->SetChecked(IsTransparent() ? 1 : 0);
    }
    if (m_pResizeGrip != nullptr)
        m_pResizeGrip->Place(4, nullptr, 1, 0, PLACE_NO_GROWTH);
}

int32_t CJDialog::GetTitleHeight() const
{
    if (m_Text.IsEmpty() || m_pFont == nullptr)
        return 0;
    int32_t height = m_pFont->GetHeight();
    return height + (height / 5) * 4 + 2;
}

void CJDialog::OnCommand(CJWindow* source, int32_t code)
{
    if (code == 0 && source != nullptr && source == m_pCloseBox)
    {
        Close();
        return;
    }
    if (code == 0 && source != nullptr && source == m_pTransparencySwitch)
    {
        SetTransparent(!IsTransparent());
        m_pTransparencySwitch->SetChecked(IsTransparent() ? 1 : 0);
        return;
    }
    CJPanel::OnCommand(source, code);
}

void CJDialog::AddCloseBox()
{
    if (m_pCloseBox != nullptr)
        return;
    m_pCloseBox = new CJButton(this, "X");
    m_pCloseBox->SetSize(CORNER_BUTTON_SIZE, CORNER_BUTTON_SIZE);
    m_pCloseBox->SetTabStop(false);
    m_pCloseBox->SetTooltipText(&s_CloseText.GetText(), true);
    AddChild(m_pCloseBox, 3, nullptr, 2, 2, PLACE_NO_GROWTH);
}

void CJDialog::AddResizeGrip()
{
    if (m_pResizeGrip != nullptr)
        return;
    m_pResizeGrip = new CJResizeControl(this);
    AddChild(m_pResizeGrip, 4, nullptr, 1, 0, PLACE_NO_GROWTH);
}

void CJDialog::AddTransparencyToggle()
{
    if (m_pTransparencySwitch != nullptr)
        return;
    m_pTransparencySwitch = new CJLatchButton(this, &s_TransparentCaption.GetText());
    m_pTransparencySwitch->SetSize(CORNER_BUTTON_SIZE, CORNER_BUTTON_SIZE);
    m_pTransparencySwitch->SetTabStop(false);
    m_pTransparencySwitch->SetChecked(IsTransparent() ? 1 : 0);
    m_pTransparencySwitch->SetTooltipText(&s_TransparentTooltip.GetText(), true);
    AddChild(m_pTransparencySwitch, 3, nullptr, 2, 2, PLACE_NO_GROWTH);
    if (m_pCloseBox != nullptr)
        m_pTransparencySwitch->SetX(m_pCloseBox->GetRect().left - m_pTransparencySwitch->GetWidth() - SWITCH_GAP);
}

CJToolWindow::CJToolWindow(CJWindow* parent, int32_t orientation)
    : CJDialog(parent)
    , m_Orientation(orientation)
{
    SetMargin(GetDialogUnit() * 2);
    SetSpacing(GetDialogUnit());
}

int32_t CJToolWindow::GetLeftInset() const
{
    return m_Orientation == 0 ? GetDialogUnit() * 8 : 0;
}

int32_t CJToolWindow::GetTitleHeight() const
{
    return m_Orientation == 1 ? GetDialogUnit() * 8 : 0;
}

void CJToolWindow::DrawFrame(CFrameInterface& frame)
{
    CJDialog::DrawFrame(frame);
    int32_t width = GetWidth();
    int32_t height = GetHeight();
    CRect first = m_Orientation == 1 ? CRect{1, 3, width - 1, 9} : CRect{3, 1, 9, height - 1};
    CRect second = m_Orientation == 1 ? CRect{1, 10, width - 1, 16} : CRect{10, 1, 16, height - 1};
    DrawBevel(m_pFont, frame, first, m_HighlightColor, m_TextColor, true, BEVEL_ALL_EDGES, false);
    DrawBevel(m_pFont, frame, second, m_HighlightColor, m_TextColor, true, BEVEL_ALL_EDGES, false);
}

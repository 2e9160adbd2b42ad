#include "engine/ui/window.h"

#include <cstdio>

#include "engine/ui/bevel.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/scroll_bar.h"
#include "engine/ui/scroll_bar_layout.h"
#include "engine/ui/skin_theme.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window_font.h"
#include "engine/ui/window_weak_pointer.h"

namespace {
// Margin and spacing before the theme or the font fill them.
constexpr int32_t METRIC_UNSET = INT32_MIN;

CRect Intersect(const CRect& a, const CRect& b)
{
    CRect result = {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                    a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (result.left >= result.right || result.top >= result.bottom)
        return CRect{0, 0, 0, 0};
    return result;
}
} // namespace

bool CWindowScrollState::IsAllZero() const
{
    return m_ScrollX == 0 && m_ScrollY == 0 && m_ContentWidth == 0 && m_ContentHeight == 0 && !m_ScrollBarsEnabled &&
           m_pVerticalBar == nullptr && m_pHorizontalBar == nullptr;
}

int32_t UpperCaseKey(int32_t key)
{
    return key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key;
}

bool SameRect(const CRect& a, const CRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool RectContains(const CRect& rect, CPoint point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

CScreenWindow* GetScreenWindowOf(CJWindow* window)
{
    if (window == nullptr)
        return nullptr;
    CJWindow* root = window->GetRootWindow();
    return root->IsScreenWindow() ? static_cast<CScreenWindow*>(root) : nullptr;
}

CJWindow::CJWindow(CJWindow* parent)
{
    Initialise(parent);
}

CJWindow::CJWindow(CJWindow* parent, const CString& text)
{
    Initialise(parent);
    SetText(text);
}

CJWindow::CJWindow(CJWindow* parent, const char* text)
{
    Initialise(parent);
    SetText(CString(text));
}

void CJWindow::Initialise(CJWindow* parent)
{
    CToolkitState& toolkit = GetToolkitState();
    FillBevelShades();
    m_HotkeyPosition = NO_HOTKEY_POSITION;
    m_HotkeyLength = 0;
    m_HotkeyLetter = 0;
    m_CloseRequested = false;
    m_pFont = toolkit.m_pDefaultFont;
    m_pTheme = nullptr;

    if (parent != nullptr)
        SetTheme(parent->GetTheme());
    if (m_pTheme == nullptr)
    {
        if (CSkinTheme::GetDefaultTheme() == nullptr)
            CSkinTheme::SetDefaultTheme(CJWindowClassicTheme::GetDefault());
        SetTheme(CSkinTheme::GetDefaultTheme());
    }

    m_Margin = METRIC_UNSET;
    m_Spacing = METRIC_UNSET;
    SetBackgroundColorRGB(186, 186, 186);
    SetTextColorRGB(0, 0, 0);
    SetFocusOutlineColorRGB(96, 86, 79);
    SetFifthColorRGB(101, 91, 85);
    SetOutlineColorRGB(0, 0, 0);
    SetHighlightColor(toolkit.m_HighlightColor);

    m_pTheme->ApplyToWindow(this, parent);

    m_ParseAmpersand = true;
    m_HasPlacementName = false;
    m_PersistSize = false;
    m_Rect = m_VisibleRect = m_ScreenRect = m_ClipRect = CRect{0, 0, 0, 0};
    m_ContentWidth = m_ContentHeight = 0;
    m_pScrollState = nullptr;
    m_pParent = m_pFrontChild = m_pBackChild = m_pNextSibling = m_pPrevSibling = nullptr;
    m_Focused = m_TabStop = m_HoverWithChildren = m_OwnHotkey = false;
    m_MovesWhenDisabled = m_AlwaysOutlined = m_Modal = false;
    m_Visible = true;
    m_Enabled = true;
    m_Opacity = 1.0f;
    m_Transparent = parent != nullptr && parent->m_Transparent;
    m_Layer = 0;
    m_FirstShown = false;
    m_CapturedButtons = 0;
    m_PressPoint = CPoint{0, 0};
    m_DragDistance = 0;
    m_Dying = false;
    m_TornDown = false;
    m_pFirstWatch = nullptr;

    int32_t unit = GetDialogUnit();
    if (m_Margin == METRIC_UNSET)
        m_Margin = unit * 4;
    if (m_Spacing == METRIC_UNSET)
        m_Spacing = unit * 4;
    if (!toolkit.m_BevelWidthSet)
    {
        toolkit.m_BevelWidth = unit * 2;
        toolkit.m_BevelWidthSet = true;
    }
    m_BevelWidth = toolkit.m_BevelWidth;
}

CJWindow::~CJWindow()
{
    while (m_pFirstWatch != nullptr)
        m_pFirstWatch->Watch(nullptr);
    TearDown();
    delete m_pScrollState;
}

void CJWindow::TearDown()
{
    if (m_TornDown)
        return;
    m_TornDown = true;
    if (CScreenWindow* root = GetScreenWindow())
        root->ForgetTooltipOf(this);
    if (m_HasPlacementName)
    {
        CString name = m_PlacementName;
        SavePlacement(name.GetText(), m_PersistSize);
    }
    while (m_pFrontChild != nullptr)
        m_pFrontChild->DestroyNow();
    if (m_pParent != nullptr)
        m_pParent->RemoveChild(this);
}

void CJWindow::DeleteNow()
{
    TearDown();
    delete this;
}

void CJWindow::DestroyNow()
{
    if (m_CapturedButtons != 0)
        CancelMouseCapture();
    DeleteNow();
}

void CJWindow::SetTheme(CSkinTheme* theme)
{
    m_pTheme = theme;
}

CSkinTheme* CJWindow::GetTheme() const
{
    return m_pTheme;
}

void CJWindow::Update(float step)
{
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        CJWindow* next = child->m_pNextSibling;
        if (!child->m_Dying)
            child->Update(step);
        child = next;
    }
    if (m_pScrollState != nullptr && m_pScrollState->m_ScrollBarsEnabled)
        UpdateScrollBars();
    if (m_CloseRequested && !m_Dying)
        Close();
}

bool CJWindow::IsGreyed() const
{
    return false;
}

void CJWindow::RequestClose()
{
    m_CloseRequested = true;
}

bool CJWindow::Close()
{
    Destroy();
    return true;
}

void CJWindow::Destroy()
{
    if (m_Dying)
        return;
    if (CScreenWindow* root = GetScreenWindowOf(this))
        root->ForgetWindow(this);
    if (!CDeferredDestroyScope::IsOpen())
    {
        DestroyNow();
        return;
    }
    // Hidden without a notice or a focus move: the window is only waiting
    // for the scope's end, and must neither take input nor stop routing.
    m_Dying = true;
    m_Visible = false;
    m_Modal = false;
    if (m_CapturedButtons != 0)
        CancelMouseCapture();
    CDeferredDestroyScope::Queue(this);
}

void CJWindow::OnShowChanged(bool)
{
}

void CJWindow::Show(bool visible, bool activate)
{
    if (m_Dying || m_Visible == visible)
        return;
    m_Visible = visible;
    OnShowChanged(visible);
    if (!activate || m_pParent == nullptr)
        return;
    if (visible)
        m_pParent->BringToFront(this);
    else if (m_pNextSibling != nullptr)
        m_pParent->BringToFront(m_pNextSibling);
}

bool CJWindow::IsVisible() const
{
    return m_Visible;
}

bool CJWindow::IsVisibleInTree() const
{
    return m_Visible && (m_pParent == nullptr || m_pParent->IsVisibleInTree());
}

void CJWindow::RefreshState()
{
    for (CJWindow* child = m_pFrontChild; child != nullptr;)
    {
        CJWindow* next = child->m_pNextSibling;
        child->RefreshState();
        child = next;
    }
}

bool CJWindow::IsActive() const
{
    return m_pParent != nullptr ? m_pParent->IsActive() : m_Focused;
}

bool CJWindow::IsEnabledInTree() const
{
    return m_Enabled && (m_pParent == nullptr || m_pParent->m_Enabled);
}

void CJWindow::SetTransparent(bool transparent)
{
    m_Transparent = transparent;
    for (CJWindow* child = m_pFrontChild; child != nullptr; child = child->m_pNextSibling)
        child->SetTransparent(transparent);
}

// Tree ------------------------------------------------------------------

void CJWindow::FocusFirstTabStopOf(CJWindow* child)
{
    CJWindow* front = child->m_pFrontChild;
    if (front == nullptr || (front->m_Visible && front->m_TabStop))
        return;
    CJWindow* tabStop = front->NextTabStop();
    if (tabStop == nullptr)
        return;
    CToolkitState& toolkit = GetToolkitState();
    bool outline = toolkit.m_FocusOutline;
    toolkit.m_FocusOutline = true;
    child->BringToFront(tabStop);
    toolkit.m_FocusOutline = outline;
}

void CJWindow::PlaceLinked(CJWindow* child, int32_t code, CJWindow* anchor, int32_t x, int32_t y, int32_t flags)
{
    if (code != 0)
        child->Place(code, anchor, x, y, flags);
    else
        child->SetRect(child->m_Rect);
}

void CJWindow::AddChild(CJWindow* child, int32_t code, CJWindow* anchor, int32_t x, int32_t y, int32_t flags)
{
    FocusFirstTabStopOf(child);
    bool wasEmpty = m_pFrontChild == nullptr;
    child->m_pParent = this;
    child->m_pPrevSibling = m_pBackChild;
    child->m_pNextSibling = nullptr;
    if (m_pBackChild != nullptr)
        m_pBackChild->m_pNextSibling = child;
    else
        m_pFrontChild = child;
    m_pBackChild = child;
    PlaceLinked(child, code, anchor, x, y, flags);
    if ((flags & PLACE_NO_GROWTH) == 0)
        GrowToContain(child, (flags & PLACE_GROW_WITHOUT_MARGIN) != 0 ? 0 : DEFAULT_GAP);
    if (wasEmpty && m_Focused)
        child->SetFocused(true);
}

void CJWindow::LinkFront(CJWindow* child)
{
    child->m_pParent = this;
    child->m_pPrevSibling = nullptr;
    child->m_pNextSibling = m_pFrontChild;
    if (m_pFrontChild != nullptr)
        m_pFrontChild->m_pPrevSibling = child;
    else
        m_pBackChild = child;
    m_pFrontChild = child;
}

void CJWindow::AddChildFront(CJWindow* child, int32_t code, CJWindow* anchor, int32_t x, int32_t y, int32_t flags)
{
    FocusFirstTabStopOf(child);
    CJWindow* oldFront = m_pFrontChild;
    LinkFront(child);
    PlaceLinked(child, code, anchor, x, y, flags);
    if (m_Focused)
    {
        if (oldFront != nullptr)
            oldFront->SetFocused(false);
        child->SetFocused(true);
    }
}

void CJWindow::RemoveChild(CJWindow* child)
{
    if (child->m_pPrevSibling != nullptr)
        child->m_pPrevSibling->m_pNextSibling = child->m_pNextSibling;
    else
        m_pFrontChild = child->m_pNextSibling;
    if (child->m_pNextSibling != nullptr)
        child->m_pNextSibling->m_pPrevSibling = child->m_pPrevSibling;
    else
        m_pBackChild = child->m_pPrevSibling;
    child->m_pParent = child->m_pNextSibling = child->m_pPrevSibling = nullptr;
    if (child->m_Focused)
    {
        if (m_pFrontChild != nullptr)
            m_pFrontChild->SetFocused(true);
        child->SetFocused(false);
    }
}

void CJWindow::BringToFront(CJWindow* child)
{
    if (child->m_Focused)
        return;
    // Activates the whole chain above; a window not linked yet has none.
    if (!m_Focused && m_pParent != nullptr)
        m_pParent->BringToFront(this);
    if (m_pFrontChild == child)
        return;
    if (m_Focused)
        m_pFrontChild->SetFocused(false);
    CJWindow* before = child->m_pPrevSibling;
    m_pBackChild->m_pNextSibling = m_pFrontChild;
    m_pFrontChild->m_pPrevSibling = m_pBackChild;
    before->m_pNextSibling = nullptr;
    m_pBackChild = before;
    child->m_pPrevSibling = nullptr;
    m_pFrontChild = child;
    if (m_Focused)
        child->SetFocused(true);
}

void CJWindow::SendToBack(CJWindow* child)
{
    if (m_pFrontChild == m_pBackChild)
        return;
    RemoveChild(child);
    AddChild(child, 0, nullptr, DEFAULT_GAP, DEFAULT_GAP, PLACE_NO_GROWTH);
}

void CJWindow::SendCommand(int32_t code)
{
    if (m_pParent != nullptr)
        m_pParent->OnCommand(this, code);
}

void CJWindow::OnCommand(CJWindow* source, int32_t code)
{
    if (code != 2 && m_pParent != nullptr)
        m_pParent->OnCommand(source, code);
}

bool CJWindow::IsScreenWindow() const
{
    return false;
}

bool CJWindow::IsInputCaptureWindow() const
{
    return false;
}

bool CJWindow::HasChildren() const
{
    return m_pFrontChild != nullptr;
}

void CJWindow::DropReturnWindow()
{
}

CJWindow* CJWindow::GetRootWindow()
{
    CJWindow* window = this;
    while (window->m_pParent != nullptr)
        window = window->m_pParent;
    return window;
}

void CJWindow::OpenWindow(CJWindow* window, int32_t code)
{
    CJWindow* target = m_pParent != nullptr ? m_pParent : this;
    target->AddChildFront(window, code, nullptr, DEFAULT_GAP, DEFAULT_GAP, 0);
}

void CJWindow::OpenModalWindow(CJWindow* window, int32_t code)
{
    window->SetModal(true);
    OpenWindow(window, code);
}

CJWindow* CJWindow::FindChildByText(const CString& text) const
{
    for (CJWindow* child = m_pFrontChild; child != nullptr; child = child->m_pNextSibling)
        if (child->m_Text.Compare(text) == 0)
            return child;
    return nullptr;
}

CJWindow* CJWindow::FindVisibleChildAt(CPoint point) const
{
    for (CJWindow* child = m_pFrontChild; child != nullptr; child = child->m_pNextSibling)
        if (child->m_Visible && RectContains(child->m_Rect, point))
            return child;
    return nullptr;
}

// Text ------------------------------------------------------------------

void CJWindow::StoreHotkeySpan(int32_t position, int32_t length, int32_t letter)
{
    m_HotkeyPosition = position;
    m_HotkeyLength = length;
    m_HotkeyLetter = letter;
}

bool CJWindow::ClearHotkey()
{
    StoreHotkeySpan(NO_HOTKEY_POSITION, 0, 0);
    return false;
}

void CJWindow::SetHotkeyChar(int32_t letter)
{
    m_HotkeyLetter = UpperCaseKey(letter);
}

int32_t CJWindow::GetHotkeyChar() const
{
    return m_HotkeyLetter;
}

void CJWindow::SetText(const CString& text)
{
    m_Text.Empty();
    ClearHotkey();
    if (text.IsEmpty())
        return;
    m_Text = text;
    if (!m_ParseAmpersand)
        return;
    int32_t position = m_Text.FindChar(u'&', 0, true);
    if (position < 0)
        return;
    m_Text.Delete(static_cast<uint32_t>(position), 1);
    // Settings strings mark each character with a byte 1.
    if (m_Text.GetAt(static_cast<uint32_t>(position)) == 1)
        m_Text.Delete(static_cast<uint32_t>(position), 1);
    int32_t closing = m_Text.FindChar(u'&', 0, true);
    if (closing < 0)
    {
        StoreHotkeySpan(position, 1, UpperCaseKey(m_Text.GetAt(static_cast<uint32_t>(position))));
        return;
    }
    m_Text.Delete(static_cast<uint32_t>(closing), 1);
    StoreHotkeySpan(position, closing - position, 0);
}

void CJWindow::SetText(const char* text)
{
    SetText(CString(text));
}

void CJWindow::ClearText()
{
    SetText(CString());
}

void CJWindow::SetTextChar(char16_t character)
{
    SetText(CString(character, 1));
}

const CString& CJWindow::GetText() const
{
    return m_Text;
}

int32_t CJWindow::GetTextAsInt() const
{
    return m_Text.ToInt();
}

float CJWindow::GetTextAsFloat() const
{
    return static_cast<float>(m_Text.ToFloat());
}

void CJWindow::SetTextInt(int32_t value)
{
    CString text;
    text.FromInt(value);
    SetText(text);
}

void CJWindow::SetTextFloat(float value)
{
    CString text;
    text.Format("%f", static_cast<double>(value));
    SetText(text);
}

CFont* CJWindow::GetFont() const
{
    return m_pFont;
}

void CJWindow::SetFont(CFont* font)
{
    m_pFont = font;
}

void CJWindow::FitWidthToText(const CString& text)
{
    int32_t width = GetFontTextWidth(m_pFont, text);
    if (GetWidth() > width)
        SetSize(width, GetHeight());
}

// Colours ---------------------------------------------------------------

void CJWindow::SetTextColor(const CColor& colour)
{
    m_TextColor = colour;
}

void CJWindow::SetTextColorRGB(int32_t red, int32_t green, int32_t blue)
{
    m_TextColor.SetRGBA(red, green, blue, 255);
}

const CColor& CJWindow::GetTextColor() const
{
    return m_TextColor;
}

void CJWindow::SetBackgroundColorRGB(int32_t red, int32_t green, int32_t blue)
{
    m_BackgroundColor.SetRGBA(red, green, blue, 255);
}

void CJWindow::SetHighlightColor(const CColor& colour)
{
    m_HighlightColor = colour;
}

const CColor& CJWindow::GetHighlightColor() const
{
    return m_HighlightColor;
}

void CJWindow::SetFocusOutlineColorRGB(int32_t red, int32_t green, int32_t blue)
{
    m_FocusOutlineColor.SetRGBA(red, green, blue, 255);
}

void CJWindow::SetFifthColorRGB(int32_t red, int32_t green, int32_t blue)
{
    m_FifthColor.SetRGBA(red, green, blue, 255);
}

void CJWindow::SetOutlineColorRGB(int32_t red, int32_t green, int32_t blue)
{
    m_OutlineColor.SetRGBA(red, green, blue, 255);
}

// Geometry --------------------------------------------------------------

void CJWindow::SetRect(const CRect& rect)
{
    m_Rect = rect;
    bool hasContentSize = m_pScrollState != nullptr && m_pScrollState->m_ContentWidth != 0;
    m_ContentWidth = hasContentSize ? m_pScrollState->m_ContentWidth : GetWidth();
    hasContentSize = m_pScrollState != nullptr && m_pScrollState->m_ContentHeight != 0;
    m_ContentHeight = hasContentSize ? m_pScrollState->m_ContentHeight : GetHeight();

    m_ScreenRect = rect;
    m_VisibleRect = rect;
    if (m_pParent != nullptr)
    {
        int32_t dx = m_pParent->m_ScreenRect.left;
        int32_t dy = m_pParent->m_ScreenRect.top;
        if (const CWindowScrollState* scroll = m_pParent->m_pScrollState)
        {
            dx -= scroll->m_ScrollX;
            dy -= scroll->m_ScrollY;
        }
        m_ScreenRect = CRect{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
        m_VisibleRect = Intersect(m_ScreenRect, m_pParent->m_VisibleRect);
    }
    int32_t scrollX = m_pScrollState != nullptr ? m_pScrollState->m_ScrollX : 0;
    int32_t scrollY = m_pScrollState != nullptr ? m_pScrollState->m_ScrollY : 0;
    m_ClipRect =
        CRect{m_VisibleRect.left - m_ScreenRect.left + scrollX, m_VisibleRect.top - m_ScreenRect.top + scrollY,
              m_VisibleRect.right - m_ScreenRect.left + scrollX, m_VisibleRect.bottom - m_ScreenRect.top + scrollY};
    if (m_pScrollState != nullptr && m_pScrollState->m_ScrollBarsEnabled)
        UpdateScrollBars();
    for (CJWindow* child = m_pFrontChild; child != nullptr; child = child->m_pNextSibling)
        child->SetRect(child->m_Rect);
}

const CRect& CJWindow::GetRect() const
{
    return m_Rect;
}

void CJWindow::SetSize(int32_t width, int32_t height)
{
    SetRect(CRect{m_Rect.left, m_Rect.top, m_Rect.left + width, m_Rect.top + height});
}

int32_t CJWindow::GetTitleHeight() const
{
    return 0;
}

int32_t CJWindow::GetLeftInset() const
{
    return 0;
}

void CJWindow::MoveTo(int32_t x, int32_t y)
{
    SetRectXYWH(x, y, GetWidth(), GetHeight());
}

void CJWindow::SetX(int32_t x)
{
    MoveTo(x, m_Rect.top);
}

void CJWindow::SetY(int32_t y)
{
    MoveTo(m_Rect.left, y);
}

void CJWindow::SetWidth(int32_t width)
{
    SetSize(width, GetHeight());
}

void CJWindow::SetHeight(int32_t height)
{
    SetSize(GetWidth(), height);
}

void CJWindow::SetRectXYWH(int32_t x, int32_t y, int32_t width, int32_t height)
{
    SetRect(CRect{x, y, x + width, y + height});
}

void CJWindow::CentreHorizontallyInParent()
{
    if (m_pParent != nullptr)
        SetX((m_pParent->GetWidth() - GetWidth()) / 2);
}

void CJWindow::AlignRightInParent()
{
    if (m_pParent != nullptr)
        SetX(m_pParent->GetWidth() - m_pParent->m_Margin - GetWidth());
}

int32_t CJWindow::GetClientWidth() const
{
    bool verticalBar = m_pScrollState != nullptr && m_pScrollState->m_pVerticalBar != nullptr;
    return GetWidth() - (verticalBar ? 15 : 0) - GetLeftInset();
}

int32_t CJWindow::GetClientHeight() const
{
    bool horizontalBar = m_pScrollState != nullptr && m_pScrollState->m_pHorizontalBar != nullptr;
    return GetHeight() - (horizontalBar ? 15 : 0) - GetTitleHeight();
}

int32_t CJWindow::GetDialogUnit() const
{
    return GetFontHeight(m_pFont) / 5;
}

void CJWindow::SetBevelUnits(int32_t units)
{
    // Units come from skin files: the width is kept in a byte's range.
    int64_t width = int64_t{units} * GetDialogUnit();
    m_BevelWidth = static_cast<int32_t>(width < INT8_MIN ? INT8_MIN : width > INT8_MAX ? INT8_MAX : width);
    CToolkitState& toolkit = GetToolkitState();
    toolkit.m_BevelWidth = m_BevelWidth;
    toolkit.m_BevelWidthSet = true;
}

// Scroll state ----------------------------------------------------------

CWindowScrollState& CJWindow::GetScrollState()
{
    if (m_pScrollState == nullptr)
        m_pScrollState = new CWindowScrollState();
    return *m_pScrollState;
}

void CJWindow::FreeScrollStateWhenEmpty()
{
    if (m_pScrollState != nullptr && m_pScrollState->IsAllZero())
    {
        delete m_pScrollState;
        m_pScrollState = nullptr;
    }
}

void CJWindow::SetContentSize(int32_t width, int32_t height)
{
    CWindowScrollState& scroll = GetScrollState();
    bool changed = scroll.m_ContentWidth != width || scroll.m_ContentHeight != height;
    scroll.m_ContentWidth = width;
    scroll.m_ContentHeight = height;
    FreeScrollStateWhenEmpty();
    if (changed)
        SetRect(m_Rect);
}

void CJWindow::SetScrollPosition(int32_t x, int32_t y)
{
    CWindowScrollState& scroll = GetScrollState();
    int32_t verticalBar = scroll.m_pVerticalBar != nullptr ? 15 : 0;
    int32_t horizontalBar = scroll.m_pHorizontalBar != nullptr ? 15 : 0;
    if (scroll.m_ContentWidth != 0 && scroll.m_ContentWidth < GetWidth() + x - verticalBar - GetLeftInset())
        x = scroll.m_ContentWidth + verticalBar + GetLeftInset() - GetWidth();
    if (scroll.m_ContentHeight != 0 && scroll.m_ContentHeight < GetHeight() + y - horizontalBar - GetTitleHeight())
        y = scroll.m_ContentHeight + horizontalBar + GetTitleHeight() - GetHeight();
    scroll.m_ScrollX = x < 0 ? 0 : x;
    scroll.m_ScrollY = y < 0 ? 0 : y;
    FreeScrollStateWhenEmpty();
    SetRect(m_Rect);
}

void CJWindow::SetScrollX(int32_t x)
{
    int32_t y = m_pScrollState != nullptr ? m_pScrollState->m_ScrollY : 0;
    if (x != (m_pScrollState != nullptr ? m_pScrollState->m_ScrollX : 0))
        SetScrollPosition(x, y);
}

void CJWindow::SetScrollY(int32_t y)
{
    int32_t x = m_pScrollState != nullptr ? m_pScrollState->m_ScrollX : 0;
    if (y != (m_pScrollState != nullptr ? m_pScrollState->m_ScrollY : 0))
        SetScrollPosition(x, y);
}

void CJWindow::EnableScrollBars(bool enable)
{
    if (enable)
    {
        GetScrollState().m_ScrollBarsEnabled = true;
        return;
    }
    if (m_pScrollState == nullptr)
        return;
    m_pScrollState->m_ScrollBarsEnabled = false;
    for (CJWindow** bar : {&m_pScrollState->m_pVerticalBar, &m_pScrollState->m_pHorizontalBar})
    {
        CJWindow* window = *bar;
        *bar = nullptr;
        if (window != nullptr)
            window->Destroy();
    }
    FreeScrollStateWhenEmpty();
}

void CJWindow::UpdateScrollBars()
{
    if (m_pScrollState == nullptr)
        return;
    CScrollBarLayout layout =
        LayOutScrollBars(GetWidth(), GetHeight(), m_ContentWidth, m_ContentHeight, GetTitleHeight(), GetLeftInset());
    bool removed = false;
    for (bool vertical : {true, false})
    {
        CJWindow*& slot = vertical ? m_pScrollState->m_pVerticalBar : m_pScrollState->m_pHorizontalBar;
        bool shown = vertical ? layout.m_Vertical : layout.m_Horizontal;
        if (!shown && slot != nullptr)
        {
            CJWindow* bar = slot;
            slot = nullptr;
            bar->Destroy();
            (vertical ? m_pScrollState->m_ScrollY : m_pScrollState->m_ScrollX) = 0;
            removed = true;
        }
        else if (shown && slot == nullptr)
        {
            CJScrollBar* bar = new CJScrollBar(this, vertical ? CJScrollBar::VERTICAL : CJScrollBar::HORIZONTAL);
            AddChild(bar, 0, nullptr, 0, 0, PLACE_NO_GROWTH | PLACE_GROW_WITHOUT_MARGIN);
            slot = bar;
            bar->SetTarget(this);
            bar->SyncFromTarget(this);
        }
    }
    // The bars stay in view: their rects move with the scroll offset.
    CWindowScrollState& scroll = *m_pScrollState;
    auto fit = [&scroll](CJWindow* window, const CRect& rect, int32_t maximum, int32_t value) {
        if (window == nullptr)
            return;
        CJScrollBar* bar = static_cast<CJScrollBar*>(window);
        CRect moved = OffsetRect(rect, scroll.m_ScrollX, scroll.m_ScrollY);
        if (!SameRect(moved, bar->GetRect()))
            bar->SetRect(moved);
        bar->SetRange(0.0f, static_cast<float>(maximum));
        bar->SetValue(static_cast<float>(value), true);
    };
    fit(scroll.m_pVerticalBar, layout.m_VerticalRect, layout.m_VerticalMaximum, scroll.m_ScrollY);
    fit(scroll.m_pHorizontalBar, layout.m_HorizontalRect, layout.m_HorizontalMaximum, scroll.m_ScrollX);
    // A bar gone takes its scroll with it: the children must be placed for
    // the reset offset now, not at some later move.
    if (removed)
        SetRect(m_Rect);
}

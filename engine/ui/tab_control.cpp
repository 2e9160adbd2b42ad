#include "engine/ui/tab_control.h"

#include "engine/graphics/fonts/font.h"
#include "engine/ui/button.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/modifier_keys.h"
#include "engine/ui/window_font.h"

namespace {
// Pages stand under the tab row, placed in pixels.
constexpr int32_t PLACE_TOP_LEFT_PIXELS = 5;
} // namespace

CJTabControl::CJTabControl(CJWindow* parent)
    : CJWindow(parent, "~CJTabControl")
    , m_TabsShown(true)
    , m_TabRowHeight(0)
    , m_CurrentPage(-1)
    , m_Overlap(0)
{
    m_TabRowHeight = ComputeTabRowHeight();
    SetMargin(0);
    SetTabStop(true);
}

CJTabControl::~CJTabControl() = default;

int32_t CJTabControl::ComputeTabRowHeight() const
{
    return m_TabsShown ? GetFontHeight(m_pFont) + 2 * m_BevelWidth + 2 : 0;
}

CJWindow* CJTabControl::GetPage(int32_t index) const
{
    return IsPageIndex(index) ? m_Pages[static_cast<uint32_t>(index)] : nullptr;
}

int32_t CJTabControl::IndexOfPage(const CJWindow* page) const
{
    for (uint32_t i = 0; i < m_Pages.GetCount(); ++i)
    {
        if (m_Pages[i] == page)
            return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t CJTabControl::AddPage(CJWindow* page)
{
    const int32_t previous = m_CurrentPage;
    const int32_t index = static_cast<int32_t>(m_Pages.Add(page));
    AddChild(page, PLACE_TOP_LEFT_PIXELS, nullptr, 0, m_TabRowHeight, PLACE_GAPS_IN_PIXELS);
    if (CJWindow* hidden = GetPage(previous))
        hidden->Show(false, false);
    m_CurrentPage = index;
    LayoutTabs();
    EqualizeWidths(m_pFrontChild, m_pBackChild, 0);
    return index;
}

void CJTabControl::SelectPage(int32_t index)
{
    ChangePage(index, true);
}

void CJTabControl::ChangePage(int32_t index, bool quiet)
{
    if (index == m_CurrentPage || !IsPageIndex(index))
        return;
    if (!quiet)
        PlayToolkitSound(BUTTON_SWITCH_SOUND);
    CJWindow* shown = GetPage(index);
    shown->Show(true, false);
    BringToFront(shown);
    if (CJWindow* hidden = GetPage(m_CurrentPage))
        hidden->Show(false, false);
    m_CurrentPage = index;
}

void CJTabControl::SelectPageWindow(CJWindow* page)
{
    const int32_t index = IndexOfPage(page);
    if (index != -1)
        SelectPage(index);
}

CJWindow* CJTabControl::FindPage(const CString& caption) const
{
    return FindChildByText(caption);
}

void CJTabControl::FitToPages()
{
    for (CJWindow* child = m_pFrontChild; child != nullptr; child = child->GetNextSibling())
        GrowToContain(child, DEFAULT_GAP);
}

void CJTabControl::SetTabsShown(bool shown)
{
    m_TabsShown = shown;
    m_TabRowHeight = ComputeTabRowHeight();
    for (CJWindow* page : m_Pages)
        page->MoveTo(0, m_TabRowHeight);
    LayoutTabs();
    SizePages();
}

void CJTabControl::LayoutTabs()
{
    m_Overlap = 0;
    m_TabRects.RemoveAll();
    if (!m_TabsShown)
        return;
    int32_t x = 0;
    for (CJWindow* page : m_Pages)
    {
        const int32_t width = GetFontTextWidth(m_pFont, page->GetText()) + 2 * m_BevelWidth + 2;
        m_TabRects.Add(CRect{x, 0, x + width, m_TabRowHeight});
        x += width;
    }
    const int32_t count = GetPageCount();
    const int32_t total = x;
    const int32_t width = GetWidth();
    if (width <= 0 || total <= width || count < 2)
        return;
    const int64_t excess = total - width;
    m_Overlap = static_cast<int32_t>(excess / (count - 1));
    for (int32_t i = 1; i < count; ++i)
    {
        const int32_t shift = static_cast<int32_t>(excess * i / (count - 1));
        CRect& tab = m_TabRects[static_cast<uint32_t>(i)];
        tab.left -= shift;
        tab.right -= shift;
    }
}

void CJTabControl::SetRect(const CRect& rect)
{
    CJWindow::SetRect(rect);
    if (m_Pages.GetCount() == 0)
        return;
    LayoutTabs();
    SizePages();
}

void CJTabControl::SizePages()
{
    for (CJWindow* page : m_Pages)
        page->SetSize(GetWidth(), GetHeight() - m_TabRowHeight);
}

void CJTabControl::RemoveChild(CJWindow* child)
{
    CJWindow::RemoveChild(child);
    const int32_t index = IndexOfPage(child);
    if (index == -1)
        return;
    m_Pages.RemoveAt(static_cast<uint32_t>(index));
    if (index < m_CurrentPage)
        --m_CurrentPage;
    else if (index == m_CurrentPage)
    {
        // The first remaining page takes the place of the one that went,
        // without the switch sound: nobody asked for a switch.
        m_CurrentPage = m_Pages.GetCount() == 0 ? -1 : 0;
        if (CJWindow* shown = GetPage(m_CurrentPage))
            shown->Show(true, false);
    }
    LayoutTabs();
}

bool CJTabControl::MouseDown(int32_t button, CPoint point)
{
    if (!m_TabsShown || button != 0)
        return CJWindow::MouseDown(button, point);
    CPoint local{point.x - m_ScreenRect.left, point.y - m_ScreenRect.top};
    if (const CWindowScrollState* scroll = FindScrollState())
    {
        local.x += scroll->m_ScrollX;
        local.y += scroll->m_ScrollY;
    }
    if (local.y >= m_TabRowHeight)
        return CJWindow::MouseDown(button, point);
    for (int32_t i = static_cast<int32_t>(m_TabRects.GetCount()) - 1; i >= 0; --i)
    {
        if (RectContains(m_TabRects[static_cast<uint32_t>(i)], local))
        {
            ChangePage(i, false);
            break;
        }
    }
    return true;
}

bool CJTabControl::KeyDown(int32_t key)
{
    const int32_t count = GetPageCount();
    if (!m_TabsShown || key != KEY_TAB || !IsCtrlHeld() || count == 0)
        return CJWindow::KeyDown(key);
    const int32_t step = IsShiftHeld() ? count - 1 : 1;
    ChangePage((m_CurrentPage + step) % count, false);
    return true;
}

#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/ui/window.h"

// Pages shown one at a time under a row of tabs, each tab captioned with
// its page's text. The user switches with a click on a tab or with
// Ctrl+Tab and Ctrl+Shift+Tab (with the switch sound); owners switch
// silently with SelectPage. Captions wider than the control are squeezed
// so that the tabs overlap evenly and the last one ends at the right edge.
//
// The pages are the control's children. A page that leaves the child list
// (it closed itself, or was taken away) is forgotten at once, so no tab
// ever points at a window that is gone; an index outside the pages does
// nothing. While the tabs are shown there is one tab rectangle per page.
class CJTabControl : public CJWindow
{
public:
    explicit CJTabControl(CJWindow* parent);
    ~CJTabControl() override;

    // Links the unlinked page under the tab row and makes it the current
    // one; answers its index.
    int32_t AddPage(CJWindow* page);
    // Without the switch sound.
    void SelectPage(int32_t index);
    void ChangePage(int32_t index, bool quiet);
    // Nothing when the window is not a page.
    void SelectPageWindow(CJWindow* page);
    CJWindow* FindPage(const CString& caption) const;
    // Grows the control until every child fits with the default margin.
    void FitToPages();
    // Meant before pages are added; pages already there move to the new
    // top of the page area.
    void SetTabsShown(bool shown);
    void LayoutTabs();

    void Draw(CFrameInterface& frame) override;
    bool MouseDown(int32_t button, CPoint point) override;
    bool KeyDown(int32_t key) override;
    void SetRect(const CRect& rect) override;
    void RemoveChild(CJWindow* child) override;

    bool AreTabsShown() const { return m_TabsShown; }
    int32_t GetPageCount() const { return static_cast<int32_t>(m_Pages.GetCount()); }
    CJWindow* GetPage(int32_t index) const;
    // -1 without pages.
    int32_t GetCurrentPage() const { return m_CurrentPage; }
    int32_t GetTabRowHeight() const { return m_TabRowHeight; }
    int32_t GetOverlap() const { return m_Overlap; }
    uint32_t GetTabRectCount() const { return m_TabRects.GetCount(); }
    const CRect& GetTabRect(int32_t index) const { return m_TabRects[static_cast<uint32_t>(index)]; }

private:
    bool IsPageIndex(int32_t index) const { return index >= 0 && index < GetPageCount(); }
    int32_t IndexOfPage(const CJWindow* page) const;
    int32_t ComputeTabRowHeight() const;
    // Pages take the control's width and the height under the tab row.
    void SizePages();
    void DrawTab(CFrameInterface& frame, int32_t index);
    void DrawPageFrame(CFrameInterface& frame);

    bool m_TabsShown;
    CDynamicArray<CJWindow*> m_Pages;
    CDynamicArray<CRect> m_TabRects;
    int32_t m_TabRowHeight;
    int32_t m_CurrentPage;
    int32_t m_Overlap;
};

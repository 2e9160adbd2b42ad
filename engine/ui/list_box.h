#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/core/lists/list_flat_tree.h"
#include "engine/core/strings/ref_string.h"
#include "engine/ui/window.h"
#include "engine/ui/window_weak_pointer.h"

class CJHeader;
class CJScrollBar;
class CListFilter;
class CTreeSource;
class VirtualArray;

// The rows of a tree source: folders expand and collapse, rows are indented
// with icons and tree lines, sorted (by a header column when there is one),
// filtered, selected by mouse, keys and type-to-search, scrolled smoothly
// with a scroll bar of their own and split into columns at tabs. A change of
// selection is reported to the parent with code 1, a double-click with 0.
//
// Rows hold ids only; texts are asked from the source when drawing, sorting
// and searching. The selection is kept as the selected id: whenever rows
// come or go (expanding, collapsing, sorting) its row is found again, and
// when the row is gone the selection becomes none, reported with code 1.
class CJListBox : public CJWindow
{
public:
    // Custom comparison: (sort column, text a, text b, source, id a, id b).
    using CompareFunction = int (*)(int32_t, const CString&, const CString&, CTreeSource*, int32_t, int32_t);

    // With an owner list the rows come from a flat view of it.
    CJListBox(CJWindow* parent, VirtualArray* ownerList, CListFilter* filter, int32_t maximumWidthUnits, bool sorted);
    CJListBox(CJWindow* parent, CTreeSource* source, CListFilter* filter, int32_t maximumWidthUnits, bool sorted);
    ~CJListBox() override;

    virtual void DrawRows(CFrameInterface& frame, bool raised);
    virtual int32_t GetSelectedId() const;
    virtual void GetSelectedText(CString& out);
    virtual int32_t GetCurrentId() const;
    virtual void SelectId(int32_t id, bool silent);
    virtual void DrawRow(CFrameInterface& frame, int32_t x, int32_t y, int32_t indent, int32_t halfSpacing,
                         int32_t row);
    virtual void DrawRowText(CFrameInterface& frame, int32_t x, int32_t y, const CString& text);
    virtual void GetRowText(CString& out, int32_t row);
    virtual int32_t GetRowHeight() const;
    virtual int32_t GetRowSpacing() const;
    virtual int32_t GetIndentWidth() const;
    virtual void Expand(int32_t row);
    virtual void DrawSelectionBar(CFrameInterface& frame, int32_t y);
    virtual int32_t GetIconWidth() const;
    virtual CJScrollBar* CreateScrollBar();

    void Draw(CFrameInterface& frame) override;
    bool IsGreyed() const override;
    bool DoubleClick(int32_t button, CPoint point, bool& continueAsPress) override;
    bool TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor) override;
    bool MouseWheel(int32_t steps, CPoint point) override;
    bool KeyDown(int32_t key) override;
    void OnCommand(CJWindow* source, int32_t code) override;
    void SetRect(const CRect& rect) override;
    bool OnHover(CPoint point) override;

    // Rebuilds every row; only root: one row for the root, expanded.
    void SetSource(CTreeSource* source, CListFilter* filter, bool onlyRoot);
    void SetSourceWithOwner(VirtualArray* list, CListFilter* filter);
    CTreeSource* GetSource() const { return m_pSource; }
    CListFilter* GetFilter() const { return m_pFilter; }
    // Not owned; it is given a change command that sorts every row again.
    void SetHeader(CJHeader* header);
    void SelectItem(int32_t id, bool silent) { SelectId(id, silent); }
    void Select(int32_t row, bool silent);
    void SetVisibleRows(uint32_t rows);
    int32_t RowOfId(int32_t id) const;
    void Collapse(int32_t row);
    void ExpandPathTo(int32_t id);
    // Sorts every row again, keeping each folder's children under it.
    void SortAllRows();

    int32_t GetSelectedRow() const { return m_Selection; }
    int32_t GetRowCount() const { return static_cast<int32_t>(m_Rows.size()); }
    int32_t GetRowId(int32_t row) const { return m_Rows[static_cast<size_t>(row)].m_Id; }
    int32_t GetRowDepth(int32_t row) const { return m_Rows[static_cast<size_t>(row)].m_Depth; }
    bool IsRowExpanded(int32_t row) const { return m_Rows[static_cast<size_t>(row)].m_Expanded; }
    int32_t GetScrollPosition() const { return m_ScrollPosition; }
    int32_t GetScrollTarget() const { return m_ScrollTarget; }
    int32_t GetMaximumScroll() const;
    uint32_t GetVisibleRows() const { return m_VisibleRows; }
    uint32_t GetPageRows() const { return m_PageRows; }
    int32_t GetWidestText() const { return m_WidestText; }
    int32_t GetMaximumWidth() const { return m_MaximumWidth; }
    bool IsTreeMode() const { return m_TreeMode; }
    CJScrollBar* GetScrollBar() const { return m_pScrollBar; }
    const CString& GetSearchText() const { return m_SearchText; }
    int32_t GetMatchOffset() const { return m_MatchOffset; }
    bool IsSorted() const { return m_Sorted; }

    void SetSorted(bool sorted) { m_Sorted = sorted; }
    void SetTypingCaret(bool caret) { m_TypingCaret = caret; }
    void SetSingleRowDisplay(bool single) { m_SingleRowDisplay = single; }
    void SetAutomaticPageRows(bool automatic) { m_AutomaticPageRows = automatic; }
    void SetIndentOffset(int32_t offset) { m_IndentOffset = offset; }
    void SetFirstChildConnector(bool connector) { m_FirstChildConnector = connector; }
    void SetFilesAsOpenFolders(bool open) { m_FilesAsOpenFolders = open; }
    void SetCompareFunction(CompareFunction compare) { m_pCompare = compare; }
    void SetTooltips(bool tooltips) { m_Tooltips = tooltips; }
    void SetSunkenBackground(bool sunken) { m_SunkenBackground = sunken; }
    void SetKeepScrollBar(bool keep) { m_KeepScrollBar = keep; }
    void SetGreyed(bool greyed) { m_Greyed = greyed; }
    void SetErrorBeep(bool beep) { m_ErrorBeep = beep; }

protected:
    struct CListRow
    {
        int32_t m_Id;
        bool m_Expanded;
        bool m_HasChildren;
        int32_t m_Depth;
        int32_t m_ParentId;
        uint32_t m_LastChildMask;
    };

    // Sets the list's size from the widest text and the visible rows.
    void SizeToRows();
    // Scroll position and target both, the bar told silently.
    void JumpScroll(int32_t position);
    void UpdateScrollBar();
    void MeasureWidestText();
    // One step of the scroll position towards its target, once per draw.
    void StepScroll();
    bool IsRowEnabled(int32_t row) const;
    int32_t GetDisplayUnit() const;

    std::vector<CListRow> m_Rows;
    int32_t m_Selection;
    int32_t m_SelectedId;
    int32_t m_ScrollPosition;
    int32_t m_ScrollTarget;
    uint32_t m_VisibleRows;
    uint32_t m_PageRows;
    bool m_Sorted;
    CTreeSource* m_pSource;
    int32_t m_WidestText;
    CListFilter* m_pFilter;
    CString m_SearchText;
    int32_t m_MatchOffset;
    uint32_t m_LastSearchTime;
    int32_t m_MaximumWidth;
    bool m_TypingCaret;
    bool m_SingleRowDisplay;
    bool m_AutomaticPageRows;
    bool m_TreeMode;
    int32_t m_IndentOffset;
    bool m_FirstChildConnector;
    bool m_FilesAsOpenFolders;
    CompareFunction m_pCompare;
    CWindowWeakPointer<CJHeader> m_Header;
    CJScrollBar* m_pScrollBar;
    CListFlatTree m_FlatTree;
    bool m_Tooltips;
    bool m_SunkenBackground;
    bool m_KeepScrollBar;
    bool m_Greyed;
    bool m_ErrorBeep;
    // Set while a double-click is routed to the children: the press that
    // comes with it must not select.
    bool m_RoutingDoubleClick;

private:
    void Init(CTreeSource* source, CListFilter* filter, int32_t maximumWidthUnits, bool sorted);
    bool Accepts(int32_t id);
    void InsertChildren(int32_t folder, int32_t depth, int32_t atRow, uint32_t parentMask);
    struct CSortOrder
    {
        int32_t m_Column;
        bool m_Numeric;
        bool m_Descending;
    };

    void SortRows(int32_t first, int32_t count);
    // The header's sort column, or none (-1) without a header.
    CSortOrder GetSortOrder() const;
    // The positions of the ids in sorted order; equal keys keep theirs.
    std::vector<size_t> SortedOrder(const std::vector<int32_t>& ids) const;
    void ExpandEverySmallTree();
    // After rows came or went: the visible rows, the selection's row found
    // again by its id, the scroll bar.
    void RowsChanged();
    // The selection's row from its id; none (reported) when it has no row.
    void RefindSelection();
    void SetSelection(int32_t row);
    void ClearSearch();
    void ScrollRowIntoView(int32_t row);
    // The row under a screen y, counting the scroll; -1 beyond the rows.
    int32_t RowAtScreenY(int32_t y) const;
    // The header column under a screen x; 0 without a header.
    uint32_t ColumnAtScreenX(int32_t x) const;
    // The tab-separated field of a row's text.
    static CString Field(const CString& text, uint32_t column);

    // Keys.
    bool TreeKey(int32_t key);
    bool MoveKey(int32_t key);
    // The first enabled row from start, stepping by step; -1 when none.
    int32_t ScanEnabled(int32_t start, int32_t step) const;
    bool FindNext();
    bool TypeToSearch(int32_t key);
    bool SearchRows(bool prefix, bool leavesOnly);
    // Items of the source's list from start, wrapping round once.
    bool SearchList(uint32_t start);
    // Selects the item's row, expanding its path; false when it gets none.
    bool SelectFound(int32_t id, int32_t offset);
    void ExpandAll();
    void CollapseAll();
    void ExtendSearchToSlash();

    // Drawing.
    void DrawSearchHighlight(CFrameInterface& frame, int32_t y, int32_t iconWidth, int32_t indentWidth);
    void DrawTreeDecoration(CFrameInterface& frame, int32_t row, int32_t y, int32_t indentWidth, int32_t iconWidth,
                            bool previousShallower);
    void DrawTreeLine(CFrameInterface& frame, int32_t x, int32_t y, bool up, bool down, bool right);
};

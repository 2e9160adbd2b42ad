#include "engine/ui/list_box.h"

#include <algorithm>

#include "engine/core/lists/tree_source.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/graphics/fonts/font.h"
#include "engine/ui/column_header.h"
#include "engine/ui/list_filter.h"
#include "engine/ui/member_command.h"
#include "engine/ui/scroll_bar.h"
#include "engine/ui/window_font.h"

namespace {
// Lists this short open every folder when their rows are built.
constexpr uint32_t SMALL_TREE_ITEMS = 15;
// Tree lines are kept per depth in a 32-bit mask; deeper rows draw none.
constexpr int32_t MASK_DEPTHS = 32;

uint32_t DepthBit(int32_t depth)
{
    return depth >= 0 && depth < MASK_DEPTHS ? 1u << depth : 0u;
}

bool IsNoneItem(VirtualArray* list, int32_t id)
{
    return id == 0 && CString(list->GetName(0)).FindNoCase("none") >= 0;
}
} // namespace

CJListBox::CJListBox(CJWindow* parent, VirtualArray* ownerList, CListFilter* filter, int32_t maximumWidthUnits,
                     bool sorted)
    : CJWindow(parent, "~CJListBox")
    , m_FlatTree(ownerList)
{
    Init(ownerList != nullptr ? &m_FlatTree : nullptr, filter, maximumWidthUnits, sorted);
}

CJListBox::CJListBox(CJWindow* parent, CTreeSource* source, CListFilter* filter, int32_t maximumWidthUnits, bool sorted)
    : CJWindow(parent, "~CJListBox")
    , m_FlatTree(nullptr)
{
    Init(source, filter, maximumWidthUnits, sorted);
}

void CJListBox::Init(CTreeSource* source, CListFilter* filter, int32_t maximumWidthUnits, bool sorted)
{
    m_Selection = -1;
    m_SelectedId = -1;
    m_ScrollPosition = 0;
    m_ScrollTarget = 0;
    m_VisibleRows = 0;
    m_PageRows = 1;
    m_Sorted = sorted;
    m_pSource = nullptr;
    m_WidestText = 0;
    m_pFilter = nullptr;
    m_MatchOffset = 0;
    m_LastSearchTime = 0;
    m_MaximumWidth = maximumWidthUnits * GetDialogUnit();
    m_TypingCaret = false;
    m_SingleRowDisplay = false;
    m_AutomaticPageRows = false;
    m_TreeMode = false;
    m_IndentOffset = 0;
    m_FirstChildConnector = false;
    m_FilesAsOpenFolders = false;
    m_pCompare = nullptr;
    m_pScrollBar = nullptr;
    m_Tooltips = true;
    m_SunkenBackground = true;
    m_KeepScrollBar = false;
    m_Greyed = false;
    m_ErrorBeep = true;
    m_RoutingDoubleClick = false;
    SetTabStop(true);
    SetAlwaysOutlined(true);
    SetSource(source, filter, false);
    m_PageRows = std::max<uint32_t>(1, m_VisibleRows);
    SizeToRows();
    m_AutomaticPageRows = true;
}

CJListBox::~CJListBox()
{
    // The header outlives no list it sorts for: its command calls into us.
    if (CJHeader* header = m_Header.Get())
        header->SetChangeCallback(nullptr);
}

int32_t CJListBox::GetDisplayUnit() const
{
    return GetFontHeight(m_pFont) / 5;
}

void CJListBox::SizeToRows()
{
    int32_t unit = GetDisplayUnit();
    SetSize(std::min(m_WidestText, m_MaximumWidth) + 2 * unit + 3,
            GetRowHeight() * static_cast<int32_t>(m_VisibleRows) + 2 * unit + 2);
}

int32_t CJListBox::GetRowHeight() const
{
    // A face that did not open is 0 high; rows stay 1 high so that the
    // list can divide by them.
    return std::max(1, GetFontHeight(m_pFont) + GetRowSpacing());
}

int32_t CJListBox::GetRowSpacing() const
{
    return 2 * GetDisplayUnit();
}

int32_t CJListBox::GetIndentWidth() const
{
    return 4 * GetDisplayUnit();
}

void CJListBox::SetSourceWithOwner(VirtualArray* list, CListFilter* filter)
{
    m_FlatTree = CListFlatTree(list);
    SetSource(list != nullptr ? &m_FlatTree : nullptr, filter, false);
}

void CJListBox::SetSource(CTreeSource* source, CListFilter* filter, bool onlyRoot)
{
    int32_t remembered = m_SelectedId;
    m_pSource = source;
    m_pFilter = filter;
    m_ScrollTarget = 0;
    JumpScroll(0);
    m_Selection = -1;
    m_SelectedId = -1;
    m_TreeMode = false;
    m_Rows.clear();
    if (source != nullptr)
    {
        if (onlyRoot)
        {
            m_Rows.push_back(CListRow{source->GetRoot(), false, true, 0, source->GetParent(source->GetRoot()), 1u});
            Expand(0);
        }
        else
        {
            InsertChildren(source->GetRoot(), 0, 0, 0);
            VirtualArray* list = source->GetList();
            if (list != nullptr && list->GetCount() < SMALL_TREE_ITEMS)
                ExpandEverySmallTree();
        }
    }
    MeasureWidestText();
    m_VisibleRows = std::min<uint32_t>(m_PageRows, static_cast<uint32_t>(m_Rows.size()));
    if (remembered >= 0 && RowOfId(remembered) < 0)
        ExpandPathTo(remembered);
    m_SelectedId = RowOfId(remembered) >= 0 ? remembered : -1;
    m_Selection = RowOfId(m_SelectedId);
    UpdateScrollBar();
}

void CJListBox::ExpandEverySmallTree()
{
    for (size_t row = 0; row < m_Rows.size(); ++row)
        if (m_Rows[row].m_HasChildren && !m_Rows[row].m_Expanded)
            Expand(static_cast<int32_t>(row));
}

void CJListBox::MeasureWidestText()
{
    m_WidestText = 0;
    CString text;
    for (size_t row = 0; row < m_Rows.size(); ++row)
    {
        GetRowText(text, static_cast<int32_t>(row));
        m_WidestText = std::max(m_WidestText, GetFontTextWidth(m_pFont, text));
        m_TreeMode = m_TreeMode || m_Rows[row].m_HasChildren;
    }
    if (m_TreeMode)
    {
        m_WidestText += GetIconWidth() + 4 * GetIndentWidth();
        m_WidestText += m_WidestText / 2;
    }
}

bool CJListBox::Accepts(int32_t id)
{
    if (!m_pSource->IsShown(id))
        return false;
    VirtualArray* list = m_pSource->GetList();
    if (m_pFilter == nullptr || list == nullptr)
        return true;
    if (id >= 0 && static_cast<uint32_t>(id) < list->GetCount())
        return IsNoneItem(list, id) || m_pFilter->AcceptItem(list, static_cast<uint32_t>(id));
    return m_pFilter->AcceptFolder(m_pSource->GetPath(id));
}

void CJListBox::InsertChildren(int32_t folder, int32_t depth, int32_t atRow, uint32_t parentMask)
{
    std::vector<CListRow> inserted;
    uint32_t count = m_pSource->GetChildCount(folder);
    for (uint32_t n = 0; n < count; ++n)
    {
        int32_t child = m_pSource->GetChild(folder, n);
        if (Accepts(child))
            inserted.push_back(CListRow{child, false, m_pSource->GetChildCount(child) != 0, depth, folder, parentMask});
    }
    if (inserted.empty())
        return;
    m_Rows.insert(m_Rows.begin() + atRow, inserted.begin(), inserted.end());
    int32_t insertedCount = static_cast<int32_t>(inserted.size());
    SortRows(atRow, insertedCount);
    int32_t last = atRow + insertedCount - 1;
    m_Rows[static_cast<size_t>(last)].m_LastChildMask |= DepthBit(depth);
    // A chain of single folders opens by itself.
    if (insertedCount <= 2)
        Expand(last);
}

CJListBox::CSortOrder CJListBox::GetSortOrder() const
{
    CSortOrder order{-1, false, false};
    const CJHeader* header = m_Header.Get();
    if (header == nullptr || header->GetSortColumn() < 0 ||
        static_cast<uint32_t>(header->GetSortColumn()) >= header->GetColumnCount())
        return order;
    auto column = static_cast<uint32_t>(header->GetSortColumn());
    return CSortOrder{header->GetSortColumn(), header->IsColumnNumeric(column), header->IsColumnDescending(column)};
}

std::vector<size_t> CJListBox::SortedOrder(const std::vector<int32_t>& ids) const
{
    // Each key is made once; the comparisons only read them.
    CSortOrder order = GetSortOrder();
    std::vector<CString> keys;
    std::vector<int32_t> numbers;
    keys.reserve(ids.size());
    for (int32_t id : ids)
    {
        CString key = m_pSource->GetDisplayName(id);
        if (order.m_Column >= 0)
            key = Field(key, static_cast<uint32_t>(order.m_Column));
        if (order.m_Numeric)
            key.KeepOnly("0123456789.");
        key.TrimLeft();
        numbers.push_back(order.m_Numeric ? key.ToInt() : 0);
        keys.push_back(key);
    }
    auto compare = [&](size_t a, size_t b) {
        int result;
        if (m_pCompare != nullptr)
            result = m_pCompare(order.m_Column, keys[a], keys[b], m_pSource, ids[a], ids[b]);
        else if (order.m_Numeric)
            result = (numbers[a] > numbers[b]) - (numbers[a] < numbers[b]);
        else
            result = keys[a].Compare(keys[b]);
        return order.m_Descending ? -result : result;
    };
    std::vector<size_t> sorted(ids.size());
    for (size_t n = 0; n < sorted.size(); ++n)
        sorted[n] = n;
    // Stable, so that rows with equal keys keep the source's order.
    std::stable_sort(sorted.begin(), sorted.end(), [&](size_t a, size_t b) { return compare(a, b) < 0; });
    return sorted;
}

void CJListBox::SortRows(int32_t first, int32_t count)
{
    if (!m_Sorted || count <= 0)
        return;
    auto begin = m_Rows.begin() + first;
    std::vector<CListRow> rows(begin, begin + count);
    std::vector<int32_t> ids;
    for (const CListRow& row : rows)
        ids.push_back(row.m_Id);
    std::vector<size_t> sorted = SortedOrder(ids);
    for (size_t n = 0; n < sorted.size(); ++n)
        *(begin + static_cast<std::ptrdiff_t>(n)) = rows[sorted[n]];
}

void CJListBox::SortAllRows()
{
    if (!m_Sorted || m_Rows.empty())
        return;
    // Each folder's children are sorted as one run and keep their subtrees.
    std::vector<CListRow> sorted;
    sorted.reserve(m_Rows.size());
    auto appendChildren = [this, &sorted](auto& self, size_t begin, size_t end, int32_t depth) -> void {
        std::vector<std::pair<size_t, size_t>> runs;
        std::vector<int32_t> ids;
        for (size_t row = begin; row < end;)
        {
            size_t next = row + 1;
            while (next < end && m_Rows[next].m_Depth > depth)
                ++next;
            runs.emplace_back(row, next);
            ids.push_back(m_Rows[row].m_Id);
            row = next;
        }
        std::vector<size_t> order = SortedOrder(ids);
        for (size_t n = 0; n < order.size(); ++n)
        {
            const auto& run = runs[order[n]];
            CListRow row = m_Rows[run.first];
            row.m_LastChildMask &= ~DepthBit(depth);
            if (n + 1 == order.size())
                row.m_LastChildMask |= DepthBit(depth);
            sorted.push_back(row);
            self(self, run.first + 1, run.second, depth + 1);
        }
    };
    appendChildren(appendChildren, 0, m_Rows.size(), m_Rows.front().m_Depth);
    m_Rows.swap(sorted);
    RowsChanged();
}

void CJListBox::Expand(int32_t row)
{
    if (row < 0 || row >= GetRowCount())
        return;
    CListRow& expanded = m_Rows[static_cast<size_t>(row)];
    if (expanded.m_Expanded || !expanded.m_HasChildren)
        return;
    expanded.m_Expanded = true;
    InsertChildren(expanded.m_Id, expanded.m_Depth + 1, row + 1, expanded.m_LastChildMask);
    RowsChanged();
}

void CJListBox::Collapse(int32_t row)
{
    if (row < 0 || row >= GetRowCount() || !m_Rows[static_cast<size_t>(row)].m_Expanded)
        return;
    m_Rows[static_cast<size_t>(row)].m_Expanded = false;
    size_t end = static_cast<size_t>(row) + 1;
    while (end < m_Rows.size() && m_Rows[end].m_Depth > m_Rows[static_cast<size_t>(row)].m_Depth)
        ++end;
    m_Rows.erase(m_Rows.begin() + row + 1, m_Rows.begin() + static_cast<std::ptrdiff_t>(end));
    RowsChanged();
}

void CJListBox::RowsChanged()
{
    m_VisibleRows = std::min<uint32_t>(m_PageRows, static_cast<uint32_t>(m_Rows.size()));
    RefindSelection();
    UpdateScrollBar();
}

void CJListBox::RefindSelection()
{
    if (m_SelectedId < 0)
        return;
    m_Selection = RowOfId(m_SelectedId);
    if (m_Selection >= 0)
        return;
    m_SelectedId = -1;
    SendCommand(1);
}

CString CJListBox::Field(const CString& text, uint32_t column)
{
    int32_t start = 0;
    for (uint32_t n = 0; n < column && start >= 0; ++n)
    {
        int32_t tab = text.FindChar(u'\t', static_cast<uint32_t>(start), true);
        start = tab >= 0 ? tab + 1 : -1;
    }
    CString out;
    if (start < 0)
        return out;
    int32_t end = text.FindChar(u'\t', static_cast<uint32_t>(start), true);
    if (end < 0)
        text.Mid(out, static_cast<uint32_t>(start));
    else
        text.Mid(out, static_cast<uint32_t>(start), static_cast<uint32_t>(end - start));
    return out;
}

int32_t CJListBox::RowOfId(int32_t id) const
{
    for (size_t row = 0; row < m_Rows.size(); ++row)
        if (m_Rows[row].m_Id == id)
            return static_cast<int32_t>(row);
    return -1;
}

void CJListBox::ExpandPathTo(int32_t id)
{
    if (m_pSource == nullptr)
        return;
    std::vector<int32_t> ancestors;
    int32_t root = m_pSource->GetRoot();
    // Bounded by the row count a path can have: stale ids answer the root.
    for (int32_t parent = m_pSource->GetParent(id); parent != root && ancestors.size() < 4096;
         parent = m_pSource->GetParent(parent))
        ancestors.push_back(parent);
    for (auto ancestor = ancestors.rbegin(); ancestor != ancestors.rend() && RowOfId(id) < 0; ++ancestor)
        Expand(RowOfId(*ancestor));
}

void CJListBox::SelectId(int32_t id, bool silent)
{
    if (RowOfId(id) < 0)
        ExpandPathTo(id);
    Select(RowOfId(id), silent);
}

bool CJListBox::IsRowEnabled(int32_t row) const
{
    return m_pSource->IsEnabled(m_Rows[static_cast<size_t>(row)].m_Id);
}

void CJListBox::SetSelection(int32_t row)
{
    m_Selection = row;
    m_SelectedId = row >= 0 ? m_Rows[static_cast<size_t>(row)].m_Id : -1;
}

void CJListBox::Select(int32_t row, bool silent)
{
    if (m_Rows.empty())
        return;
    if (row >= GetRowCount())
        row = -1;
    if (row >= 0 && !IsRowEnabled(row))
        return;
    bool changed = row != m_Selection;
    SetSelection(row);
    if (row >= 0)
        ScrollRowIntoView(row);
    if (changed && !silent)
        SendCommand(1);
}

int32_t CJListBox::GetMaximumScroll() const
{
    if (m_Rows.size() <= m_VisibleRows)
        return 0;
    return GetRowHeight() * static_cast<int32_t>(m_Rows.size() - m_VisibleRows);
}

void CJListBox::ScrollRowIntoView(int32_t row)
{
    int32_t unit = GetDisplayUnit();
    int32_t rowHeight = GetRowHeight();
    int32_t shown = std::max(0, GetHeight() - (2 * unit + 2));
    int32_t top = row * rowHeight;
    if (top < m_ScrollPosition)
        m_ScrollTarget = top;
    else if (top - m_ScrollPosition + rowHeight > shown)
        m_ScrollTarget = m_ScrollPosition + (top - m_ScrollPosition + rowHeight - shown);
    m_ScrollTarget = std::clamp(m_ScrollTarget, 0, GetMaximumScroll());
    if (m_VisibleRows < 2)
        JumpScroll(m_ScrollTarget);
}

void CJListBox::JumpScroll(int32_t position)
{
    m_ScrollPosition = position;
    if (m_pScrollBar != nullptr)
        m_pScrollBar->SetValue(static_cast<float>(position), true);
}

void CJListBox::StepScroll()
{
    int32_t distance = m_ScrollTarget - m_ScrollPosition;
    int32_t rowHeight = GetRowHeight();
    int32_t direction = distance > 0 ? 1 : -1;
    if (distance * direction > rowHeight)
        m_ScrollPosition = m_ScrollTarget - direction * rowHeight;
    else if (distance * direction > 4)
        m_ScrollPosition += direction * 4;
    else
        m_ScrollPosition = m_ScrollTarget;
    JumpScroll(m_ScrollPosition);
}

int32_t CJListBox::GetSelectedId() const
{
    return m_SelectedId;
}

int32_t CJListBox::GetCurrentId() const
{
    return GetSelectedId();
}

void CJListBox::GetSelectedText(CString& out)
{
    if (m_Selection < 0)
        out.Empty();
    else
        GetRowText(out, m_Selection);
}

void CJListBox::GetRowText(CString& out, int32_t row)
{
    out = m_pSource->GetDisplayName(m_Rows[static_cast<size_t>(row)].m_Id);
}

CJScrollBar* CJListBox::CreateScrollBar()
{
    return new CJScrollBar(this, CJScrollBar::VERTICAL);
}

void CJListBox::UpdateScrollBar()
{
    if (m_KeepScrollBar || GetWidth() <= 0 || GetHeight() <= 0)
        return;
    size_t rows = m_Rows.size();
    if (m_VisibleRows < rows && rows > 1 && m_VisibleRows > 1)
    {
        if (m_pScrollBar == nullptr)
        {
            m_pScrollBar = CreateScrollBar();
            AddChild(m_pScrollBar, 0, nullptr, 0, 0, PLACE_NO_GROWTH | PLACE_GROW_WITHOUT_MARGIN);
            SetSpacing(0);
        }
        int32_t barWidth = m_pScrollBar->GetWidth();
        m_pScrollBar->SetRect(CRect{GetWidth() - barWidth, 0, GetWidth(), GetHeight()});
        m_pScrollBar->SetRange(0.0f, static_cast<float>(GetMaximumScroll()));
        m_pScrollBar->SetSmallStep(static_cast<float>(GetRowHeight()));
        m_pScrollBar->SetPage(static_cast<float>(GetHeight()));
        m_pScrollBar->SetValue(static_cast<float>(m_ScrollPosition), true);
    }
    else if (m_pScrollBar != nullptr)
    {
        CJScrollBar* bar = m_pScrollBar;
        m_pScrollBar = nullptr;
        bar->Destroy();
    }
}

void CJListBox::SetVisibleRows(uint32_t rows)
{
    m_PageRows = rows;
    m_VisibleRows = std::min<uint32_t>(m_PageRows, static_cast<uint32_t>(m_Rows.size()));
    SetHeight(static_cast<int32_t>(rows) * GetRowHeight() + 2 * GetDisplayUnit() + 2);
    UpdateScrollBar();
}

void CJListBox::SetRect(const CRect& rect)
{
    CJWindow::SetRect(rect);
    if (m_AutomaticPageRows)
    {
        int32_t fit = (GetHeight() - 2 * GetDisplayUnit() - 2) / GetRowHeight();
        m_PageRows = static_cast<uint32_t>(std::max(0, fit));
        m_VisibleRows = std::min<uint32_t>(m_PageRows, static_cast<uint32_t>(m_Rows.size()));
    }
    UpdateScrollBar();
}

void CJListBox::SetHeader(CJHeader* header)
{
    m_Header.Set(header);
    if (header != nullptr)
        header->SetChangeCallback(new CMemberCommand(this, &CJListBox::SortAllRows));
}

bool CJListBox::IsGreyed() const
{
    return m_Greyed;
}

void CJListBox::OnCommand(CJWindow* source, int32_t code)
{
    if (source != nullptr && source == m_pScrollBar)
    {
        if (code == 1)
        {
            m_ScrollPosition = static_cast<int32_t>(m_pScrollBar->GetValue());
            m_ScrollTarget = std::clamp(m_ScrollPosition, 0, GetMaximumScroll());
        }
        return;
    }
    CJWindow::OnCommand(source, code);
}

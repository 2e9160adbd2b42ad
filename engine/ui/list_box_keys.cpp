// The list's keys: tree keys, moving keys that skip disabled rows, and
// type-to-search. A search grows with each key typed within two seconds of
// the last; it looks for a leaf row starting with the text, then one
// containing it, then any row containing it, then an item of the whole
// list, whose folders open to show it. Only an item that gets a row counts
// as found: a filtered or hidden item would leave nothing selected.

#include <algorithm>

#include "engine/core/lists/tree_source.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/core/strings/text_buffers.h"
#include "engine/platform/tick_counter.h"
#include "engine/ui/button.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/list_box.h"

namespace {
constexpr uint32_t SEARCH_TIMEOUT_MS = 2000;
constexpr int32_t KEY_PLUS = '+';
constexpr int32_t KEY_STAR = '*';
constexpr int32_t KEY_MINUS = '-';
constexpr int32_t KEY_SLASH = '/';
constexpr int32_t KEY_DEL = 127;

// The name after its last '/' or '\'.
const char* FileNamePart(const char* name)
{
    const char* part = name;
    for (const char* c = name; *c != '\0'; ++c)
        if (*c == '/' || *c == '\\')
            part = c + 1;
    return part;
}
} // namespace

bool CJListBox::KeyDown(int32_t key)
{
    if (CJWindow::KeyDown(key))
        return true;
    if (m_pSource == nullptr)
        return false;
    if (m_TreeMode && TreeKey(key))
        return true;
    switch (key)
    {
    case KEY_HOME:
    case KEY_UP:
    case KEY_DOWN:
    case KEY_PAGE_UP:
    case KEY_PAGE_DOWN:
    case KEY_END:
        return MoveKey(key);
    case KEY_TAB:
        return FindNext();
    case KEY_SLASH:
        ExtendSearchToSlash();
        break;
    default:
        break;
    }
    return TypeToSearch(key);
}

bool CJListBox::TreeKey(int32_t key)
{
    switch (key)
    {
    case KEY_LEFT:
        if (m_Selection >= 0)
        {
            const CListRow& row = m_Rows[static_cast<size_t>(m_Selection)];
            if (row.m_Expanded)
                Collapse(m_Selection);
            else if (row.m_ParentId != m_pSource->GetRoot())
                SelectId(row.m_ParentId, false);
        }
        return true;
    case KEY_RIGHT:
    case KEY_PLUS:
        Expand(m_Selection);
        return true;
    case KEY_STAR:
        ExpandAll();
        return true;
    case KEY_MINUS:
        Collapse(m_Selection);
        return true;
    case KEY_SLASH:
        CollapseAll();
        return true;
    default:
        return false;
    }
}

void CJListBox::ExpandAll()
{
    for (int32_t row = 0; row < GetRowCount(); ++row)
        Expand(row);
}

void CJListBox::CollapseAll()
{
    for (int32_t row = 0; row < GetRowCount(); ++row)
        Collapse(row);
}

int32_t CJListBox::ScanEnabled(int32_t start, int32_t step) const
{
    for (int32_t row = start; row >= 0 && row < GetRowCount(); row += step)
        if (IsRowEnabled(row))
            return row;
    return -1;
}

bool CJListBox::MoveKey(int32_t key)
{
    ClearSearch();
    int32_t count = GetRowCount();
    int32_t page = static_cast<int32_t>(m_VisibleRows);
    int32_t target;
    switch (key)
    {
    case KEY_HOME:
        target = ScanEnabled(0, 1);
        break;
    case KEY_UP:
        if (m_Selection == 0)
            return true;
        target = m_Selection < 0 ? ScanEnabled(0, 1) : ScanEnabled(m_Selection - 1, -1);
        break;
    case KEY_DOWN:
        if (m_Selection >= 0 && m_Selection == count - 1)
            return true;
        target = m_Selection < 0 ? ScanEnabled(0, 1) : ScanEnabled(m_Selection + 1, 1);
        break;
    case KEY_PAGE_UP:
        target = m_Selection < page ? ScanEnabled(0, 1) : ScanEnabled(m_Selection - page, 1);
        break;
    case KEY_PAGE_DOWN:
        if (m_Selection < 0)
            target = ScanEnabled(0, 1);
        else if (m_Selection + page >= count)
            target = ScanEnabled(count - 1, -1);
        else
            target = ScanEnabled(m_Selection + page, -1);
        break;
    default:
        target = ScanEnabled(count - 1, -1);
        break;
    }
    Select(target, false);
    return true;
}

void CJListBox::ClearSearch()
{
    m_SearchText.Empty();
    m_MatchOffset = 0;
    m_LastSearchTime = 0;
}

void CJListBox::ExtendSearchToSlash()
{
    if (m_Selection < 0)
        return;
    CString text;
    GetRowText(text, m_Selection);
    if (m_SearchText.GetLength() >= text.GetLength())
        return;
    int32_t slash = text.FindChar(u'/', m_SearchText.GetLength(), true);
    if (slash < 0)
        return;
    text.Left(m_SearchText, static_cast<uint32_t>(slash));
    m_LastSearchTime = GetTickCount();
}

bool CJListBox::TypeToSearch(int32_t key)
{
    if ((key < KEY_SPACE || key >= KEY_DEL) && key != KEY_BACKSPACE)
    {
        ClearSearch();
        return false;
    }
    uint32_t now = GetTickCount();
    if (now - m_LastSearchTime > SEARCH_TIMEOUT_MS)
        ClearSearch();
    m_LastSearchTime = now;
    bool wasEmpty = m_SearchText.IsEmpty();
    if (key == KEY_BACKSPACE)
    {
        if (wasEmpty)
            return false;
        m_SearchText.Delete(m_SearchText.GetLength() - 1, 1);
    }
    else
    {
        m_SearchText += static_cast<char>(key);
    }
    if (SearchRows(true, true) || SearchRows(false, true) || SearchRows(false, false) || SearchList(0))
        return true;
    if (!wasEmpty && key != KEY_BACKSPACE)
    {
        m_SearchText.Delete(m_SearchText.GetLength() - 1, 1);
        if (m_ErrorBeep)
            PlayRefusalSound();
    }
    return true;
}

bool CJListBox::SearchRows(bool prefix, bool leavesOnly)
{
    CString text;
    for (int32_t row = 0; row < GetRowCount(); ++row)
    {
        if (leavesOnly && m_Rows[static_cast<size_t>(row)].m_HasChildren)
            continue;
        GetRowText(text, row);
        int32_t offset = prefix ? (text.CompareNoCaseN(m_SearchText, m_SearchText.GetLength()) == 0 ? 0 : -1)
                                : text.FindNoCase(m_SearchText);
        if (offset >= 0 && IsRowEnabled(row))
        {
            Select(row, false);
            m_MatchOffset = offset;
            return true;
        }
    }
    return false;
}

bool CJListBox::SelectFound(int32_t id, int32_t offset)
{
    if (!m_pSource->IsShown(id) || !m_pSource->IsEnabled(id))
        return false;
    SelectId(id, false);
    if (m_SelectedId != id)
        return false;
    m_MatchOffset = offset;
    return true;
}

bool CJListBox::SearchList(uint32_t start)
{
    VirtualArray* list = m_pSource->GetList();
    if (list == nullptr || m_SearchText.IsEmpty())
        return false;
    uint32_t count = list->GetCount();
    for (uint32_t pass = 0; pass < (start != 0 ? 2u : 1u); ++pass)
    {
        uint32_t from = pass == 0 ? start : 0;
        uint32_t to = pass == 0 ? count : std::min(start, count);
        for (uint32_t index = from; index < to; ++index)
        {
            const char* name = FileNamePart(list->GetName(index));
            const char* match = FindNoCaseInText(name, m_SearchText.GetText());
            if (match != nullptr && SelectFound(static_cast<int32_t>(index), static_cast<int32_t>(match - name)))
                return true;
        }
    }
    return false;
}

bool CJListBox::FindNext()
{
    if (m_SearchText.IsEmpty())
        return false;
    uint32_t start = m_SelectedId >= 0 ? static_cast<uint32_t>(m_SelectedId) + 1 : 0;
    SearchList(start);
    m_LastSearchTime = GetTickCount();
    return true;
}

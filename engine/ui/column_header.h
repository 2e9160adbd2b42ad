#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/strings/ref_string.h"
#include "engine/ui/window.h"

class CCommandCallback;

// The column titles above a multi-column list. The list reads its column
// model: widths and left edges, which column it sorts by and how, how each
// column's cells are justified. Rows split their text at tabs, one field per
// column.
class CJHeader : public CJWindow
{
public:
    explicit CJHeader(CJWindow* parent);
    ~CJHeader() override;

    // font null: the header's own. justification 0 left, 1 centred, 2 right.
    void AddColumn(const CString& text, int32_t width, CFont* font, int32_t justification, bool sortAsText,
                   bool descending);
    uint32_t GetColumnCount() const { return static_cast<uint32_t>(m_Columns.size()); }
    // 0 beyond the last column, like every question below.
    int32_t GetColumnWidth(uint32_t column) const;
    int32_t GetColumnOffset(uint32_t column) const;
    int32_t GetColumnJustification(uint32_t column) const;
    bool IsColumnNumeric(uint32_t column) const;
    bool IsColumnDescending(uint32_t column) const;
    bool HasFixedDigits(uint32_t column) const;
    void SetFixedDigits(uint32_t column, bool fixedDigits);
    // The column whose left edge is at or left of x and whose right end is
    // beyond it; the last column for x past the end.
    uint32_t ColumnAt(int32_t x) const;
    int32_t GetInset() const { return m_TextInset; }
    int32_t GetSortColumn() const { return m_SortColumn; }
    // Runs the change callback, so that the list sorts again.
    void SetSortColumn(int32_t column);
    // Offsets become running sums of the widths; with a total width the
    // last column stretches to end there.
    void RecomputeOffsets();
    void SetTotalWidth(int32_t width) { m_TotalWidth = width; }
    // Owned; replaces (and deletes) the one before.
    void SetChangeCallback(CCommandCallback* callback);

private:
    struct CColumn
    {
        int32_t m_Offset;
        int32_t m_Width;
        CString m_Text;
        CFont* m_pFont;
        bool m_Resizable;
        bool m_FixedDigits;
        int32_t m_Justification;
        bool m_SortAsText;
        bool m_Descending;
    };

    const CColumn* Column(uint32_t column) const;

    std::vector<CColumn> m_Columns;
    int32_t m_TotalWidth;
    int32_t m_TextInset;
    int32_t m_SortColumn;
    CCommandCallback* m_pChangeCallback;
};

#include "engine/ui/column_header.h"

#include "engine/graphics/fonts/font.h"
#include "engine/ui/command_callback.h"

namespace {
constexpr int32_t DEFAULT_WIDTH = 100;
constexpr int32_t DEFAULT_TEXT_INSET = 3;
} // namespace

CJHeader::CJHeader(CJWindow* parent)
    : CJWindow(parent, "~CJHeader")
    , m_TotalWidth(0)
    , m_TextInset(DEFAULT_TEXT_INSET)
    , m_SortColumn(0)
    , m_pChangeCallback(nullptr)
{
    CFont* font = GetFont();
    SetSize(DEFAULT_WIDTH, font != nullptr ? font->GetPointSize() + 1 : 1);
}

CJHeader::~CJHeader()
{
    delete m_pChangeCallback;
}

void CJHeader::AddColumn(const CString& text, int32_t width, CFont* font, int32_t justification, bool sortAsText,
                         bool descending)
{
    int32_t offset = m_Columns.empty() ? 0 : m_Columns.back().m_Offset + m_Columns.back().m_Width;
    m_Columns.push_back(CColumn{offset, width, text, font != nullptr ? font : GetFont(), true, false, justification,
                                sortAsText, descending});
}

const CJHeader::CColumn* CJHeader::Column(uint32_t column) const
{
    return column < m_Columns.size() ? &m_Columns[column] : nullptr;
}

int32_t CJHeader::GetColumnWidth(uint32_t column) const
{
    const CColumn* found = Column(column);
    return found != nullptr ? found->m_Width : 0;
}

int32_t CJHeader::GetColumnOffset(uint32_t column) const
{
    const CColumn* found = Column(column);
    return found != nullptr ? found->m_Offset : 0;
}

int32_t CJHeader::GetColumnJustification(uint32_t column) const
{
    const CColumn* found = Column(column);
    return found != nullptr ? found->m_Justification : 0;
}

bool CJHeader::IsColumnNumeric(uint32_t column) const
{
    const CColumn* found = Column(column);
    return found != nullptr && !found->m_SortAsText;
}

bool CJHeader::IsColumnDescending(uint32_t column) const
{
    const CColumn* found = Column(column);
    return found != nullptr && found->m_Descending;
}

bool CJHeader::HasFixedDigits(uint32_t column) const
{
    const CColumn* found = Column(column);
    return found != nullptr && found->m_FixedDigits;
}

void CJHeader::SetFixedDigits(uint32_t column, bool fixedDigits)
{
    if (column < m_Columns.size())
        m_Columns[column].m_FixedDigits = fixedDigits;
}

uint32_t CJHeader::ColumnAt(int32_t x) const
{
    for (uint32_t column = 0; column < m_Columns.size(); ++column)
        if (x < m_Columns[column].m_Offset + m_Columns[column].m_Width)
            return column;
    return m_Columns.empty() ? 0 : static_cast<uint32_t>(m_Columns.size() - 1);
}

void CJHeader::SetSortColumn(int32_t column)
{
    m_SortColumn = column;
    if (m_pChangeCallback != nullptr)
        m_pChangeCallback->Execute();
}

void CJHeader::RecomputeOffsets()
{
    int32_t offset = 0;
    for (CColumn& column : m_Columns)
    {
        column.m_Offset = offset;
        offset += column.m_Width;
    }
    if (m_TotalWidth != 0 && !m_Columns.empty() && m_Columns.back().m_Offset < m_TotalWidth)
        m_Columns.back().m_Width = m_TotalWidth - m_Columns.back().m_Offset;
}

void CJHeader::SetChangeCallback(CCommandCallback* callback)
{
    if (callback == m_pChangeCallback)
        return;
    delete m_pChangeCallback;
    m_pChangeCallback = callback;
}

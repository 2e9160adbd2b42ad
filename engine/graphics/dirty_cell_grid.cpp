#include "engine/graphics/dirty_cell_grid.h"

#include <algorithm>

void CDirtyCellGrid::Resize(int32_t width, int32_t height)
{
    m_Width = std::max(width, 0);
    m_Height = std::max(height, 0);
    m_Columns = static_cast<uint32_t>((m_Width + m_CellWidth - 1) >> m_XShift);
    m_Rows = static_cast<uint32_t>((m_Height + m_CellHeight - 1) >> m_YShift);
    m_RowStarts.resize(m_Rows);
    for (uint32_t row = 0; row < m_Rows; row++)
        m_RowStarts[row] = row * m_Columns;
    m_Cells.assign(static_cast<size_t>(m_Columns) * m_Rows, DirtyCell{});
}

void CDirtyCellGrid::MarkRect(const CRect& rect)
{
    const int32_t left = std::max(rect.left, 0);
    const int32_t top = std::max(rect.top, 0);
    const int32_t right = std::min(rect.right, static_cast<int32_t>(m_Columns) * m_CellWidth);
    const int32_t bottom = std::min(rect.bottom, static_cast<int32_t>(m_Rows) * m_CellHeight);
    if (left >= right || top >= bottom)
        return;
    auto clampX = [this](int32_t value) { return static_cast<uint8_t>(std::clamp(value, 0, m_CellWidth)); };
    auto clampY = [this](int32_t value) { return static_cast<uint8_t>(std::clamp(value, 0, m_CellHeight)); };
    for (int32_t row = top >> m_YShift; row <= (bottom - 1) >> m_YShift; row++)
    {
        const int32_t cy = row << m_YShift;
        for (int32_t column = left >> m_XShift; column <= (right - 1) >> m_XShift; column++)
        {
            const int32_t cx = column << m_XShift;
            DirtyCell& cell = CellAt(static_cast<uint32_t>(column), static_cast<uint32_t>(row));
            const uint8_t x0 = clampX(left - cx), y0 = clampY(top - cy);
            const uint8_t x1 = clampX(right - cx), y1 = clampY(bottom - cy);
            if (cell.dirty)
            {
                cell.x0 = std::min(cell.x0, x0);
                cell.y0 = std::min(cell.y0, y0);
                cell.x1 = std::max(cell.x1, x1);
                cell.y1 = std::max(cell.y1, y1);
            }
            else
            {
                cell = DirtyCell{1, x0, y0, x1, y1};
            }
            cell.dirty = 1;
        }
    }
}

void CDirtyCellGrid::MarkPixel(int32_t x, int32_t y)
{
    MarkRect(CRect{x, y, x + 1, y + 1});
}

void CDirtyCellGrid::MarkAll()
{
    const DirtyCell whole{1, 0, 0, static_cast<uint8_t>(m_CellWidth), static_cast<uint8_t>(m_CellHeight)};
    std::fill(m_Cells.begin(), m_Cells.end(), whole);
}

void CDirtyCellGrid::ClearAll()
{
    for (DirtyCell& cell : m_Cells)
        cell.dirty = 0;
}

void CDirtyCellGrid::CopyFrom(const CDirtyCellGrid& other)
{
    std::copy_n(other.m_Cells.begin(), std::min(m_Cells.size(), other.m_Cells.size()), m_Cells.begin());
}

void CDirtyCellGrid::MergeFrom(const CDirtyCellGrid& other)
{
    const size_t count = std::min(m_Cells.size(), other.m_Cells.size());
    for (size_t i = 0; i < count; i++)
    {
        DirtyCell& cell = m_Cells[i];
        const DirtyCell& theirs = other.m_Cells[i];
        if (!theirs.dirty)
            continue;
        if (cell.dirty)
        {
            cell.x0 = std::min(cell.x0, theirs.x0);
            cell.y0 = std::min(cell.y0, theirs.y0);
            cell.x1 = std::max(cell.x1, theirs.x1);
            cell.y1 = std::max(cell.y1, theirs.y1);
        }
        else
        {
            cell = theirs;
        }
    }
}

bool CDirtyCellGrid::IsDirty(uint32_t column, uint32_t row) const
{
    const DirtyCell* cell = GetCell(column, row);
    return cell && cell->dirty;
}

const DirtyCell* CDirtyCellGrid::GetCell(uint32_t column, uint32_t row) const
{
    if (column >= m_Columns || row >= m_Rows)
        return nullptr;
    return &CellAt(column, row);
}

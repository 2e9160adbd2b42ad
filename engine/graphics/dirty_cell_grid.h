#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/geometry/rect.h"

// Which parts of an area were drawn, in cells of 32 x 32 pixels. A cell
// keeps the one rectangle inside it that covers everything marked in it
// (cell pixels, right and bottom exclusive), so a small sprite costs a
// small copy, not a whole cell.
struct DirtyCell
{
    uint8_t dirty;
    uint8_t x0;
    uint8_t y0;
    uint8_t x1;
    uint8_t y1;
};

class CDirtyCellGrid
{
public:
    CDirtyCellGrid() = default;
    virtual ~CDirtyCellGrid() = default;

    // All cells clean.
    void Resize(int32_t width, int32_t height);
    // Clipped to the cells; a rectangle outside marks nothing.
    void MarkRect(const CRect& rect);
    void MarkPixel(int32_t x, int32_t y);
    void MarkAll();
    void ClearAll();
    // Both grids have the same size.
    void CopyFrom(const CDirtyCellGrid& other);
    // Each cell covers both rectangles.
    void MergeFrom(const CDirtyCellGrid& other);
    // False outside the grid.
    bool IsDirty(uint32_t column, uint32_t row) const;
    // Null outside the grid.
    const DirtyCell* GetCell(uint32_t column, uint32_t row) const;

    int32_t GetWidth() const { return m_Width; }
    int32_t GetHeight() const { return m_Height; }
    uint32_t GetColumns() const { return m_Columns; }
    uint32_t GetRows() const { return m_Rows; }
    int32_t GetCellWidth() const { return m_CellWidth; }
    int32_t GetCellHeight() const { return m_CellHeight; }

    // Each dirty cell of the columns and rows given (clipped to the grid)
    // as a pixel rectangle, row by row, left to right; a cell dirty to its
    // right edge joins the next one when that starts at its left edge with
    // the same top and bottom, so a band across several cells is one
    // rectangle.
    template <typename Visitor>
    void ForEachRun(uint32_t firstColumn, uint32_t endColumn, uint32_t firstRow, uint32_t endRow, Visitor visit) const;
    template <typename Visitor>
    void ForEachRun(Visitor visit) const
    {
        ForEachRun(0, m_Columns, 0, m_Rows, visit);
    }

private:
    DirtyCell& CellAt(uint32_t column, uint32_t row) { return m_Cells[m_RowStarts[row] + column]; }
    const DirtyCell& CellAt(uint32_t column, uint32_t row) const { return m_Cells[m_RowStarts[row] + column]; }

    int32_t m_Width = 0;
    int32_t m_Height = 0;
    uint32_t m_Columns = 0;
    uint32_t m_Rows = 0;
    std::vector<uint32_t> m_RowStarts;
    std::vector<DirtyCell> m_Cells;
    int32_t m_CellWidth = 32;
    int32_t m_CellHeight = 32;
    int32_t m_XShift = 5;
    int32_t m_YShift = 5;
};

template <typename Visitor>
void CDirtyCellGrid::ForEachRun(uint32_t firstColumn, uint32_t endColumn, uint32_t firstRow, uint32_t endRow,
                                Visitor visit) const
{
    endColumn = endColumn < m_Columns ? endColumn : m_Columns;
    endRow = endRow < m_Rows ? endRow : m_Rows;
    for (uint32_t row = firstRow; row < endRow; row++)
    {
        const int32_t cy = static_cast<int32_t>(row) << m_YShift;
        for (uint32_t column = firstColumn; column < endColumn; column++)
        {
            const DirtyCell* cell = &CellAt(column, row);
            if (!cell->dirty)
                continue;
            const int32_t cx = static_cast<int32_t>(column) << m_XShift;
            CRect run{cx + cell->x0, cy + cell->y0, cx + cell->x1, cy + cell->y1};
            while (cell->x1 == m_CellWidth && column + 1 < endColumn)
            {
                const DirtyCell& next = CellAt(column + 1, row);
                if (!next.dirty || next.x0 != 0 || next.y0 != cell->y0 || next.y1 != cell->y1)
                    break;
                run.right += next.x1 - next.x0;
                cell = &next;
                column++;
            }
            visit(run);
        }
    }
}

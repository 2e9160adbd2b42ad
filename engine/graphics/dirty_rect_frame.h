#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/color/color.h"
#include "engine/graphics/dirty_cell_grid.h"
#include "engine/graphics/frame.h"

// The off-screen frame that a whole picture is drawn into, which remembers
// what each drawing touched so that only that is restored from the
// background and copied to the screen.
//
// Why two grids per surface: a surface of a flip chain presented every N
// frames holds the picture of N frames ago. It differs from the new
// picture exactly in the cells drawn now (the surface's drawn grid) and in
// the cells drawn for it last time (its previous grid), provided everything
// drawn is drawn anew every frame and everything lasting lies in the
// background frame. So each surface gets both grids, and each present
// copies their union.
//
// A surface gets a full copy when the screen's brightness or fade changed
// since it was last presented, or when its pixel (0, 0) reads black: the
// present leaves a dark grey marker there, which only a cleared or lost
// surface is without.
//
// Mark mode 2 draws only into cells already dirty and marks nothing: a
// layer that only needs refreshing where something else changed.
class CDirtyRectFrame : public CFrame
{
    VP_DECLARE_CLASS(CDirtyRectFrame)
public:
    enum MarkMode
    {
        MARK_NORMAL = 0,
        MARK_ONLY_DIRTY = 2
    };

    CDirtyRectFrame();
    ~CDirtyRectFrame() override;

    uint32_t GetInstanceSize() const override;

    // Restores every cell drawn since the last restore from the background
    // frame, or with the fill colour (cleared when its alpha is 0).
    void Clear() override;
    void Fill(const CColor& colour) override;
    void FillRect(const CRect& rect, const CColor& colour) override;
    using CFrameInterface::FillRect;
    uint8_t* GetPixelsForRect(const CRect& rect) override;
    // The override when set, held within the frame.
    void GetBounds(CRect& bounds) const override;
    void DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour) override;
    void DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour) override;
    using CFrameInterface::DrawLineAA;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override;
    void RemapRect(const CRect& rect, const uint8_t* map) override;
    using CFrameInterface::RemapRect;
    void BlitClipped(CFrameInterface* source, const CRect& sourceRect, const CRect& destinationRect,
                     CBlitType* blitType) override;
    // For every surface: a change that lasts.
    virtual void MarkRectAllBuffers(const CRect& rect);
    virtual void ClearRectMarked(const CRect& rect);

    // New pixels, every cell of every surface dirty.
    void Create(int32_t width, int32_t height, int32_t bitsPerPixel);
    // At least 1; starts again at surface 0 with clean grids.
    void SetBufferCount(uint32_t count);
    // Not owned; null restores with the fill colour.
    void SetBackgroundFrame(CFrame* background);
    void SetColor(int32_t red, int32_t green, int32_t blue, int32_t alpha);
    // Not owned; null clears it.
    void SetBoundsOverride(const CRect* bounds) { m_pBoundsOverride = bounds; }
    void SetMarkMode(int32_t mode) { m_MarkMode = mode; }
    int32_t GetMarkMode() const { return m_MarkMode; }
    void InvalidateAll();
    // Copies the dirty cells of the current surface onto the destination.
    void PresentDirty(CFrameInterface* destination, CBlitType* blitType);
    void AdvanceBuffer();

    // The names the game's draw uses.
    void AddDirtyRect(const CRect& rect) { MarkRectAllBuffers(rect); }
    void RestoreDirtyCells() { Clear(); }
    void NextBuffer() { AdvanceBuffer(); }

    uint32_t GetBufferCount() const { return m_BufferCount; }
    uint32_t GetCurrentBuffer() const { return m_CurrentBuffer; }
    const CDirtyCellGrid& GetDrawnGrid(uint32_t buffer) const { return m_DrawnGrids[buffer]; }
    const CDirtyCellGrid& GetPreviousGrid(uint32_t buffer) const { return m_PreviousGrids[buffer]; }
    const CDirtyCellGrid& GetUnionGrid() const { return m_UnionGrid; }

private:
    void Mark(const CRect& rect);
    void MarkEverything();
    void ResizeGrids();

    CColor m_FillColour;
    CFrame* m_pBackground = nullptr;
    uint32_t m_CurrentBuffer = 0;
    uint32_t m_BufferCount = 0;
    std::vector<CDirtyCellGrid> m_DrawnGrids;
    std::vector<CDirtyCellGrid> m_PreviousGrids;
    std::vector<float> m_PresentedBrightness;
    CDirtyCellGrid m_UnionGrid;
    CDirtyCellGrid m_PresentGrid;
    const CRect* m_pBoundsOverride = nullptr;
    int32_t m_MarkMode = MARK_NORMAL;
};

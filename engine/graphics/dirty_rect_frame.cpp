#include "engine/graphics/dirty_rect_frame.h"

#include <algorithm>
#include <cmath>

#include "engine/blit/blit_normal.h"
#include "engine/graphics/frame_clipping.h"
#include "engine/graphics/screen_frame.h"

VP_IMPLEMENT_CLASS(CDirtyRectFrame, CFrame, 1.0f)

void CDirtyRectFrame::RegisterProperties(CClassInfo*)
{
}

CDirtyRectFrame::CDirtyRectFrame()
{
    m_FillColour.InitBlack();
    SetBufferCount(3);
    ConstructProperties(SGetClassInfo());
}

CDirtyRectFrame::~CDirtyRectFrame()
{
    DestroyProperties(SGetClassInfo());
}

uint32_t CDirtyRectFrame::GetInstanceSize() const
{
    return SGetClassInfo()->GetInstanceSize() + static_cast<uint32_t>(GetBytesPerPixel()) * GetWidth() * GetHeight();
}

// ---- grids

void CDirtyRectFrame::ResizeGrids()
{
    for (CDirtyCellGrid& grid : m_DrawnGrids)
        grid.Resize(GetWidth(), GetHeight());
    for (CDirtyCellGrid& grid : m_PreviousGrids)
        grid.Resize(GetWidth(), GetHeight());
    m_UnionGrid.Resize(GetWidth(), GetHeight());
    m_PresentGrid.Resize(GetWidth(), GetHeight());
}

void CDirtyRectFrame::Mark(const CRect& rect)
{
    m_DrawnGrids[m_CurrentBuffer].MarkRect(rect);
    m_UnionGrid.MarkRect(rect);
}

void CDirtyRectFrame::MarkEverything()
{
    for (CDirtyCellGrid& grid : m_DrawnGrids)
        grid.MarkAll();
    m_UnionGrid.MarkAll();
}

void CDirtyRectFrame::MarkRectAllBuffers(const CRect& rect)
{
    for (CDirtyCellGrid& grid : m_DrawnGrids)
        grid.MarkRect(rect);
    m_UnionGrid.MarkRect(rect);
}

void CDirtyRectFrame::InvalidateAll()
{
    MarkEverything();
}

void CDirtyRectFrame::Create(int32_t width, int32_t height, int32_t bitsPerPixel)
{
    CFrame::Create(static_cast<uint32_t>(std::max(width, 0)), static_cast<uint32_t>(std::max(height, 0)), bitsPerPixel);
    ResizeGrids();
    MarkEverything();
}

void CDirtyRectFrame::SetBufferCount(uint32_t count)
{
    // Surfaces are counted from 1: with none, advancing would wrap over
    // nothing.
    m_BufferCount = std::max<uint32_t>(count, 1);
    m_CurrentBuffer = 0;
    m_DrawnGrids.assign(m_BufferCount, CDirtyCellGrid());
    m_PreviousGrids.assign(m_BufferCount, CDirtyCellGrid());
    m_PresentedBrightness.assign(m_BufferCount, 1.0f);
    ResizeGrids();
}

void CDirtyRectFrame::SetBackgroundFrame(CFrame* background)
{
    m_pBackground = background;
    MarkEverything();
}

void CDirtyRectFrame::SetColor(int32_t red, int32_t green, int32_t blue, int32_t alpha)
{
    m_FillColour.SetRGBA(red, green, blue, alpha);
}

void CDirtyRectFrame::AdvanceBuffer()
{
    m_CurrentBuffer = (m_CurrentBuffer + 1) % m_BufferCount;
}

// ---- drawing, with marking

void CDirtyRectFrame::GetBounds(CRect& bounds) const
{
    CFrame::GetBounds(bounds);
    // An override reaching past the frame would let clipped drawing write
    // past its pixels.
    if (m_pBoundsOverride)
    {
        CRect own = bounds;
        bounds = *m_pBoundsOverride;
        if (!ClipRect(own, bounds))
            bounds = CRect{own.left, own.top, own.left, own.top};
    }
}

void CDirtyRectFrame::Fill(const CColor& colour)
{
    m_DrawnGrids[m_CurrentBuffer].MarkAll();
    m_UnionGrid.MarkAll();
    CFrame::Fill(colour);
}

void CDirtyRectFrame::FillRect(const CRect& rect, const CColor& colour)
{
    Mark(rect);
    CFrame::FillRect(rect, colour);
}

uint8_t* CDirtyRectFrame::GetPixelsForRect(const CRect& rect)
{
    if (m_MarkMode == MARK_NORMAL)
        Mark(rect);
    return GetPixels();
}

void CDirtyRectFrame::DrawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const CColor& colour)
{
    Mark(CRect{std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1});
    CFrame::DrawLine(x0, y0, x1, y1, colour);
}

void CDirtyRectFrame::DrawLineAA(float x0, float y0, float x1, float y1, const CColor& colour)
{
    Mark(CRect{static_cast<int32_t>(std::floor(std::min(x0, x1))) - 1,
               static_cast<int32_t>(std::floor(std::min(y0, y1))) - 1,
               static_cast<int32_t>(std::ceil(std::max(x0, x1) + 1.0f)) + 1,
               static_cast<int32_t>(std::ceil(std::max(y0, y1) + 1.0f)) + 1});
    CFrame::DrawLineAA(x0, y0, x1, y1, colour);
}

void CDirtyRectFrame::SetPixel(int32_t x, int32_t y, const CColor& colour)
{
    Mark(CRect{x, y, x + 1, y + 1});
    CFrame::SetPixel(x, y, colour);
}

void CDirtyRectFrame::RemapRect(const CRect& rect, const uint8_t* map)
{
    Mark(rect);
    CFrame::RemapRect(rect, map);
}

void CDirtyRectFrame::ClearRectMarked(const CRect& rect)
{
    Mark(rect);
    CFrame::ClearRect(rect);
}

void CDirtyRectFrame::BlitClipped(CFrameInterface* source, const CRect& sourceRect, const CRect& destinationRect,
                                  CBlitType* blitType)
{
    if (m_MarkMode == MARK_ONLY_DIRTY)
    {
        const int32_t shift = 5;
        const uint32_t firstColumn = static_cast<uint32_t>(std::max(destinationRect.left, 0) >> shift);
        const uint32_t firstRow = static_cast<uint32_t>(std::max(destinationRect.top, 0) >> shift);
        const uint32_t endColumn = static_cast<uint32_t>(((destinationRect.right - 1) >> shift) + 1);
        const uint32_t endRow = static_cast<uint32_t>(((destinationRect.bottom - 1) >> shift) + 1);
        m_UnionGrid.ForEachRun(firstColumn, endColumn, firstRow, endRow, [&](const CRect& run) {
            CRect piece = sourceRect;
            CRect target = destinationRect;
            if (ClipBlitRectsFor(blitType, run, piece, target))
                CFrame::BlitClipped(source, piece, target, blitType);
        });
        return;
    }
    CFrame::BlitClipped(source, sourceRect, destinationRect, blitType);
    if (m_MarkMode == MARK_NORMAL)
        Mark(destinationRect);
}

// ---- restoring and presenting

void CDirtyRectFrame::Clear()
{
    CRect bounds;
    GetBounds(bounds);
    m_UnionGrid.ForEachRun([&](const CRect& run) {
        if (m_pBackground)
        {
            CRect source = run;
            CRect destination = run;
            if (ClipBlitRects(bounds, source, destination))
                CFrame::BlitClipped(m_pBackground, source, destination, &GetBlitNormal());
        }
        else if (m_FillColour.m_Alpha == 0)
        {
            CFrame::ClearRect(run);
        }
        else
        {
            CFrame::FillRect(run, m_FillColour);
        }
    });
    m_UnionGrid.ClearAll();
}

void CDirtyRectFrame::PresentDirty(CFrameInterface* destination, CBlitType* blitType)
{
    CDirtyCellGrid& drawn = m_DrawnGrids[m_CurrentBuffer];
    if (destination == GetScreenFrame())
    {
        const float brightness = GetScreenFrame()->GetFadeBrightness();
        if (brightness != m_PresentedBrightness[m_CurrentBuffer])
        {
            drawn.MarkAll();
            m_PresentedBrightness[m_CurrentBuffer] = brightness;
        }
    }
    CColor corner;
    destination->GetPixel(0, 0, corner);
    if (corner.m_Rgb565 == 0)
        drawn.MarkAll();

    m_PresentGrid.CopyFrom(drawn);
    m_PresentGrid.MergeFrom(m_PreviousGrids[m_CurrentBuffer]);
    const int32_t width = destination->GetWidth();
    const int32_t height = destination->GetHeight();
    m_PresentGrid.ForEachRun([&](const CRect& run) {
        CRect source{run.left, run.top, std::min(run.right, width), std::min(run.bottom, height)};
        if (source.left >= source.right || source.top >= source.bottom)
            return;
        CRect target = source;
        destination->Blit(this, source, target, blitType);
    });
    m_PreviousGrids[m_CurrentBuffer].CopyFrom(drawn);
    drawn.ClearAll();

    static const CColor marker(8, 8, 8, 255);
    destination->SetPixel(0, 0, marker);
}

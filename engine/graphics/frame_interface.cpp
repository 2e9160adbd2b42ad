#include "engine/graphics/frame_interface.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CFrameInterface, CObject, 2.0f)

void CFrameInterface::RegisterProperties(CClassInfo*)
{
}

bool CFrameInterface::BlitAt(CFrameInterface* source, int32_t x, int32_t y, CBlitType* blitType)
{
    CRect sourceRect;
    source->GetBounds(sourceRect);
    CRect destinationRect{sourceRect.left + x, sourceRect.top + y, sourceRect.right + x, sourceRect.bottom + y};
    return Blit(source, sourceRect, destinationRect, blitType);
}

void CFrameInterface::DrawRectOutline(const CRect& rect, const CColor& colour)
{
    DrawBevelRect(rect, colour, colour);
}

void CFrameInterface::DrawRectOutline(int32_t left, int32_t top, int32_t right, int32_t bottom, const CColor& colour)
{
    DrawRectOutline(CRect{left, top, right, bottom}, colour);
}

void CFrameInterface::DrawBevelRect(const CRect& rect, const CColor& topLeft, const CColor& bottomRight)
{
    DrawLine(rect.left, rect.top, rect.right - 1, rect.top, topLeft);
    DrawLine(rect.left, rect.bottom - 1, rect.right - 1, rect.bottom - 1, bottomRight);
    DrawLine(rect.left, rect.top, rect.left, rect.bottom - 1, topLeft);
    DrawLine(rect.right - 1, rect.top, rect.right - 1, rect.bottom - 1, bottomRight);
}

void CFrameInterface::FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const CColor& colour)
{
    FillRect(CRect{left, top, right, bottom}, colour);
}

void CFrameInterface::DrawLineAA(const Vector2& from, const Vector2& to, const CColor& colour)
{
    DrawLineAA(from.x, from.y, to.x, to.y, colour);
}

void CFrameInterface::RemapRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const uint8_t* map)
{
    if (right < left || bottom < top)
        return;
    RemapRect(CRect{left, top, right, bottom}, map);
}

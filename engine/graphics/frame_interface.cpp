#include "engine/graphics/frame_interface.h"

void CFrameInterface::DrawRectOutline(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                      const CColor& colour)
{
    DrawLine(left, top, right - 1, top, colour);
    DrawLine(left, bottom - 1, right - 1, bottom - 1, colour);
    DrawLine(left, top, left, bottom - 1, colour);
    DrawLine(right - 1, top, right - 1, bottom - 1, colour);
}

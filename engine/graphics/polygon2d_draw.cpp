#include "engine/core/geometry/polygon2d.h"

#include <algorithm>

#include "engine/core/maths/maths_helpers.h"
#include "engine/graphics/engine_text_font.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_interface.h"

void Polygon2D::Draw(CFrameInterface& frame, float x, float y, const CColor& colour,
                     bool numberEdges, int32_t edgesToLeaveOut) const
{
    if (m_Count == 0)
        return;

    if (m_Count == 1) {
        // A lone point would be invisible: mark it with a box.
        int32_t px = RoundToInt(m_pPoints[0].x + x);
        int32_t py = RoundToInt(m_pPoints[0].y + y);
        frame.SetPixel(px, py, colour);
        frame.DrawRectOutline(px - 5, py - 5, px + 5, py + 5, colour);
        return;
    }

    CFont* font = numberEdges ? GetEngineTextFont() : nullptr;

    // Signed, so that leaving out more edges than there are draws nothing.
    int32_t lastEdge = static_cast<int32_t>(m_Count) - 2 - std::max(edgesToLeaveOut, 0);
    for (int32_t i = 0; i <= lastEdge; i++) {
        const Vector2& start = m_pPoints[i];
        const Vector2& end = m_pPoints[i + 1];
        frame.DrawLineAA(start.x + x, start.y + y, end.x + x, end.y + y, colour);
        if (font) {
            // Half a line outside the edge, centred on the height of the text.
            int32_t half = font->GetPointSize() / 2;
            const Vector2& normal = m_pEdges[i].normal;
            float labelX = start.x + x + static_cast<float>(half) * normal.x;
            float labelY = start.y + y + static_cast<float>(half) * normal.y;
            font->DrawNumber(frame, RoundToInt(labelX), RoundToInt(labelY) - half, i, 1);
        }
    }
}

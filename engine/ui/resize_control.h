#pragma once

#include <cstdint>

#include "engine/ui/window.h"

// The grip in a dialog's lower right corner: dragging it moves the
// dialog's right and bottom edges. It also holds the edges a drag of the
// dialog's own border is moving.
class CJResizeControl : public CJWindow
{
public:
    explicit CJResizeControl(CJWindow* parent);

    void Draw(CFrameInterface& frame) override;
    bool TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor) override;
    const CSequence* GetCursor(CPoint localPoint) override;

    int32_t GetEdgeMask() const { return m_EdgeMask; }
    void SetEdgeMask(int32_t mask) { m_EdgeMask = mask; }

private:
    int32_t m_EdgeMask = 0;
};

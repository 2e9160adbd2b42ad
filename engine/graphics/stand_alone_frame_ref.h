#pragma once

#include <cstdint>

#include "engine/core/lists/resource_ref.h"

// Draws one frame of a frame list with its own blit type ("Transparent
// Mask" for a frame that is not a stand-alone frame). Without a frame (an
// empty list) it draws nothing and its bounds are empty.
class CStandAloneFrameRef : public CResourceRef
{
public:
    CStandAloneFrameRef(VirtualArray* list, int32_t itemIndex, CFrame* frame);

    void Draw(CFrame* target, CPoint point) override;
    void Update(float seconds) override;
    void GetBounds(CRect& bounds) override;

    CFrame* GetFrame() const { return m_pFrame; }

private:
    CFrame* m_pFrame; // not owned
};

#pragma once

#include <cstdint>

#include "game/bricks/brick_plug_in.h"

// A starfish sitting on its brick, drawn over it in step with the brick's
// own animation. When the brick is told it is being destroyed (even if it
// then refuses) the starfish goes to the nearest ball, or waits with the
// ship when no ball can take it; it leaves once.
class CBrickPlugInStarFish : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInStarFish)
public:
    CBrickPlugInStarFish();
    ~CBrickPlugInStarFish() override;

    void OnMessage(CMessage& message) override;
    void AfterDraw(CFrameInterface* frame) override;

    bool HasLeft() const { return m_Done; }

    // A "Sequences" entry.
    int32_t m_Image;

private:
    bool m_Done;
};

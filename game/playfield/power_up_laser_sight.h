#pragma once

#include "engine/core/color/color.h"
#include "engine/core/geometry/vector2d.h"
#include "game/playfield/ball_plug_in.h"

// A ball plug-in that draws where the ball is going: a line from the ball
// along its path, bouncing off the side walls, while the ball comes down
// toward the ship; on a held ball, the line it would be launched along.
class CPowerUpLaserSight : public CBallPlugIn
{
    VP_DECLARE_CLASS(CPowerUpLaserSight)
public:
    CPowerUpLaserSight();
    ~CPowerUpLaserSight() override;

    void OnAttached() override;
    void DrawOverlay(CFrameInterface* frame) override;

    // One segment of the path, going down (or up) from the point along the
    // unit direction, then, when it met a side wall first, the reflected
    // rest with one reflection fewer.
    virtual void TraceDown(const Vector2& from, const Vector2& direction, int32_t reflectionsLeft,
                           CFrameInterface* frame);
    virtual void TraceUp(const Vector2& from, const Vector2& direction, int32_t reflectionsLeft,
                         CFrameInterface* frame);

    // The sight shows only while the ball is less than this far above the
    // ship.
    float m_OnRange;
    CColor m_LaserColor;

private:
    void Trace(const Vector2& from, const Vector2& direction, int32_t reflectionsLeft, bool upward,
               CFrameInterface* frame);
};

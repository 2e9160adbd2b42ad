#pragma once

#include "engine/core/geometry/vector2d.h"
#include "engine/object/object.h"

class CBrickBase;

// One brick a Splitter leaves behind: the brick to copy (its own "Brick
// Position" is its offset from the splitter) and the push it drifts off
// with, in pixels per frame.
class CBrickSplitNChild : public CObject
{
    VP_DECLARE_CLASS(CBrickSplitNChild)
public:
    CBrickSplitNChild();
    ~CBrickSplitNChild() override;

    // Owned; none leaves the entry out.
    CBrickBase* m_pChildBrick;
    Vector2 m_DriftVelocity;
};

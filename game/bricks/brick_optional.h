#pragma once

#include "game/bricks/brick_base.h"

// A brick the round does not wait for; whatever of it stands when the round
// is cleared is cashed in by the bonus tally.
class CBrickOptional : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickOptional)
public:
    CBrickOptional();
    ~CBrickOptional() override;

    bool MustBeDestroyedToFinish() const override;
};

#pragma once

#include "game/bricks/brick_plug_in.h"

// Destroys its brick with the brick's destroyed behaviour (score, power-up,
// effects). A brick that refuses is asked again every update, and its
// destruction triggers hear every attempt; none of these ever reports done.
class CBrickPlugInDestroySelf : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInDestroySelf)
public:
    CBrickPlugInDestroySelf();
    ~CBrickPlugInDestroySelf() override;

    void Update(PlugInStepRecord& record) override;
};

// Destroys its brick as above once the brick lies wholly outside the play
// area, as a follower may when its leader moves it off screen.
class CBrickPlugInDestroySelfIfOffScreen : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInDestroySelfIfOffScreen)
public:
    CBrickPlugInDestroySelfIfOffScreen();
    ~CBrickPlugInDestroySelfIfOffScreen() override;

    void Update(PlugInStepRecord& record) override;
};

// Removes its brick without any destroyed behaviour: the brick list deletes
// it at the end of the frame.
class CBrickPlugInDeleteSelf : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInDeleteSelf)
public:
    CBrickPlugInDeleteSelf();
    ~CBrickPlugInDeleteSelf() override;

    void Update(PlugInStepRecord& record) override;
};

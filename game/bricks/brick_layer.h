#pragma once

#include "engine/object/object.h"

class CBrickLayout;
class CFrameInterface;

// How rounds are laid on screen: the class of the general object "Brick
// Layer" decides. Start lays the round's bricks (hidden at first) and sets
// its background; the layer reveals them over its updates and calls the
// playfield's BeginPlay when it is done.
class CBrickLayer : public CObject
{
    VP_DECLARE_CLASS(CBrickLayer)
public:
    CBrickLayer();
    ~CBrickLayer() override;

    virtual void Start(CBrickLayout* round) = 0;
    virtual void Update() = 0;
    virtual void Draw(CFrameInterface* frame) = 0;
    virtual bool IsLaying() const = 0;
    // Reveals the rest at once and begins play.
    virtual void FinishNow() = 0;
};

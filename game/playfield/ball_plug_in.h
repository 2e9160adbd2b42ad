#pragma once

#include "engine/object/object.h"
#include "engine/object/reflection.h"

class CBallAI;
class CBrickBase;
class CFrameInterface;
class CMessage;
class CSprite;
struct CollisionMotion;

// The other sprite and the ball's move of one sweep, as a plug-in sees them
// when it is asked whether the ball passes through.
struct BallPassQuery
{
    CSprite* other;
    const CollisionMotion* motion;
};

// A behaviour a ball carries: it changes how that one ball looks and acts.
// Plug-ins are data (power-ups hold configured ones); the ball works on a
// copy, owns it and asks it at fixed moments of its own life.
class CBallPlugIn : public CObject
{
    VP_DECLARE_CLASS(CBallPlugIn)
public:
    CBallPlugIn();
    ~CBallPlugIn() override;

    virtual void OnMessage(CMessage& message);
    virtual void SetBall(CBallAI* ball);
    // Asked when a plug-in of another class joins the ball; false removes
    // this one.
    virtual bool KeepWhenAdding(CBallPlugIn* newcomer);
    // A small ball carrying such a plug-in still hits at full strength.
    virtual bool KeepsFullSize() const;
    // A plug-in of exactly this class was added again (and discarded).
    virtual void OnAddedAgain();
    virtual bool PassesThrough(const BallPassQuery& query);
    virtual void Update();
    virtual void DrawOverlay(CFrameInterface* frame);
    virtual void OnAttached() = 0;
    virtual void OnBallSizeChanged();
    // The ball's contact destroyed the brick or dissolves it.
    virtual void OnBrickHit(CBrickBase* brick);

    CBallAI* GetBall() const { return m_pBall; }

private:
    CBallAI* m_pBall;
};

// Draws the "Sequences" entry's frame at the current time at the point with
// the sequence's blit type; nothing when the list or the sequence has none.
void DrawSequenceOverlay(CFrameInterface* frame, int32_t sequenceIndex, int32_t x, int32_t y);

#include "game/playfield/ball_plug_in.h"

#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CBallPlugIn, CObject, 1.0f)

void CBallPlugIn::RegisterProperties(CClassInfo*)
{
}

CBallPlugIn::CBallPlugIn()
    : m_pBall(nullptr)
{
    ConstructProperties(SGetClassInfo());
}

CBallPlugIn::~CBallPlugIn()
{
    DestroyProperties(SGetClassInfo());
}

void CBallPlugIn::OnMessage(CMessage&)
{
}

void CBallPlugIn::SetBall(CBallAI* ball)
{
    m_pBall = ball;
}

bool CBallPlugIn::KeepWhenAdding(CBallPlugIn*)
{
    return true;
}

bool CBallPlugIn::KeepsFullSize() const
{
    return false;
}

void CBallPlugIn::OnAddedAgain()
{
}

bool CBallPlugIn::PassesThrough(const BallPassQuery&)
{
    return false;
}

void CBallPlugIn::Update()
{
}

void CBallPlugIn::DrawOverlay(CFrameInterface*)
{
}

void CBallPlugIn::OnBallSizeChanged()
{
}

void CBallPlugIn::OnBrickHit(CBrickBase*)
{
}

void DrawSequenceOverlay(CFrameInterface* frame, int32_t sequenceIndex, int32_t x, int32_t y)
{
    CSequenceList& sequences = GetSequenceList();
    if (sequences.GetCount() == 0)
        return;
    CSequence* sequence = sequences.GetItemObject(static_cast<uint32_t>(sequenceIndex));
    CFrame* image = sequence != nullptr ? sequence->GetFrameAtTime() : nullptr;
    if (image != nullptr)
        frame->BlitAt(image, x, y, sequence->GetBlitType());
}

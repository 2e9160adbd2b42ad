#pragma once

#include <memory>

#include "game/bricks/brick_plug_in.h"

class CAcidDissolveBlitType;

// The acid a ball leaves on a brick: from the moment it joins, the brick
// stops blocking balls and draws dissolving; when the dissolve has played,
// the brick goes quietly, without its destruction sound, sequence or
// particles.
class CBrickPlugAcid : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugAcid)
public:
    CBrickPlugAcid(int32_t maskSequence, int32_t overlaySequence, int32_t xOffset, int32_t yOffset);
    ~CBrickPlugAcid() override;

    void SetOwner(CBrickBase* owner) override;
    void Update(PlugInStepRecord& record) override;

private:
    std::unique_ptr<CAcidDissolveBlitType> m_pDissolve;
    // Neither animation ever reaches its end: the brick goes at once.
    bool m_NeverEnds;
};

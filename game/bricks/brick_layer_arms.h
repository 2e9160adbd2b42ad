#pragma once

#include <cstdint>

#include "game/bricks/brick_layer.h"

class CBrickLayerArm;

// A set of arms reaching in from the left, each laying the bricks of its
// own band of x positions at the same time. The round begins when every
// arm has laid its bricks and left; bricks no arm reaches show then.
class CBrickLayerArms : public CBrickLayer
{
    VP_DECLARE_CLASS(CBrickLayerArms)
public:
    CBrickLayerArms();
    ~CBrickLayerArms() override;

    void Start(CBrickLayout* round) override;
    void Update() override;
    void Draw(CFrameInterface* frame) override;
    // Asks the arms: the machine may still wait for its first update to
    // begin play after every arm has finished.
    bool IsLaying() const override;
    void FinishNow() override;

    uint32_t GetArmCount() const { return m_ArmCount; }
    // None for an empty entry of the file.
    CBrickLayerArm* GetArm(uint32_t index) const { return m_pArms[index]; }
    // The machine owns the arm from now on.
    void AppendArm(CBrickLayerArm* arm);

private:
    void EndLaying();

    bool m_Laying;
    uint32_t m_ArmCount;
    uint32_t m_ArmCapacity;
    CBrickLayerArm** m_pArms;
};

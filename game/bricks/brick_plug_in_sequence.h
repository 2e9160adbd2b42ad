#pragma once

#include <cstdint>

#include "game/bricks/brick_plug_in_proxy.h"

// Plug-ins that run one after another: only the current step is active. A
// step that reports done hands over to the next, which starts at once and
// runs from the next frame; an advance message from another script pushes
// the sequence on without telling the step it leaves.
class CBrickPlugInSequence : public CBrickPlugInProxy
{
    VP_DECLARE_CLASS(CBrickPlugInSequence)
public:
    enum WhenDone : int32_t
    {
        REPEAT_SEQUENCE = 0,
        STOP = 1,
    };

    CBrickPlugInSequence();
    ~CBrickPlugInSequence() override;

    void OnMessage(CMessage& message) override;
    void Update(PlugInStepRecord& record) override;
    void Start(CSprite* sprite) override;

    uint32_t GetChildCount() const override { return m_StepCount; }
    CBrickPlugIn* GetChild(uint32_t index) const override { return m_pSteps[index]; }
    uint32_t GetActiveChildCount() const override { return m_CurrentStep < m_StepCount ? 1 : 0; }
    CBrickPlugIn* GetActiveChild(uint32_t index) const override;

    // Appends a step, owned from now on.
    void AddStep(CBrickPlugIn* step);
    // Takes the first entry that is the plug-in out of the steps without
    // deleting it; nothing when it is no step.
    void RemoveStep(CBrickPlugIn* step);

    CBrickPlugIn** m_pSteps;
    uint32_t m_StepCount;
    uint32_t m_StepCapacity;
    uint32_t m_CurrentStep;
    int32_t m_WhenDone;

private:
    // Moves to the next step, wrapping under "Repeat Sequence", and starts
    // it when there is one.
    void Advance();
};

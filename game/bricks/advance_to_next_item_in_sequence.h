#pragma once

#include "game/bricks/action.h"
#include "game/bricks/script_reference_to_target.h"

// Pushes on the sequences of every brick the reference names: each brick
// hears "AdvanceToNextItemInSequence", and the first active sequence on it
// (depth first) takes the step. Handled reports that one did.
class CAdvanceToNextItemInSequence : public CAction
{
    VP_DECLARE_CLASS(CAdvanceToNextItemInSequence)
public:
    CAdvanceToNextItemInSequence();
    ~CAdvanceToNextItemInSequence() override;

    CScriptReferenceToTarget m_BrickWithSequence;

protected:
    void DoExecute(bool& handled) override;
};

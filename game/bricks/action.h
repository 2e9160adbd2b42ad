#pragma once

#include <cstdint>

#include "engine/object/object.h"

class CFrameInterface;

// A scripted deed that triggers and tutorial pages execute: play a sound,
// push a sequence on, run several deeds. Scripts can lead back into the
// action that runs them (an action that destroys a brick whose destruction
// trigger runs the same action), so Execute counts how deep this one object
// is nested and skips the fifth level silently instead of recursing for
// ever.
class CAction : public CObject
{
    VP_DECLARE_CLASS(CAction)
public:
    static constexpr uint32_t MAX_NESTED_EXECUTIONS = 4;

    CAction();
    ~CAction() override;

    // The one entry point callers use. The caller clears handled first; a
    // kind sets it when a receiver took up its effect.
    void Execute(bool& handled);
    // Editor marks beside the brick that holds the action; none by default.
    virtual void DrawEditorOverlay(CFrameInterface* frame);

    uint32_t GetDepth() const { return m_Depth; }

protected:
    virtual void DoExecute(bool& handled) = 0;

private:
    uint32_t m_Depth;
};

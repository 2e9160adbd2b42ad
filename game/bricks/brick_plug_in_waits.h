#pragma once

#include <cstdint>

#include "game/bricks/brick_plug_in.h"
#include "game/bricks/script_reference_to_target.h"

// Reports done once its time has passed, and in every update after.
class CBrickPlugInWaitXSeconds : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInWaitXSeconds)
public:
    CBrickPlugInWaitXSeconds();
    ~CBrickPlugInWaitXSeconds() override;

    void Start(CSprite* sprite) override;
    void Update(PlugInStepRecord& record) override;
    // "Wait 2 Seconds"; "Wait X Seconds" for no time.
    void GetDescription(CString& out, const char* wordToRemove) const override;

    float m_TimeToWait;

private:
    uint32_t m_UpdatesSinceStart;
};

// Reports done once no brick of the round bears the name (at once for an
// empty name).
class CBrickPlugInWaitForBrickToBeDestroyed : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInWaitForBrickToBeDestroyed)
public:
    CBrickPlugInWaitForBrickToBeDestroyed();
    ~CBrickPlugInWaitForBrickToBeDestroyed() override;

    void Update(PlugInStepRecord& record) override;
    // Files of earlier versions name the brick with "Trigger Brick Name".
    void ReadCustomProperties(const char* name, const char* value, CObjectStream& stream) override;

    CScriptReferenceToTarget m_TriggerBrick;
};

// Replaces every "X" of the pattern by the number as "%g" writes it.
void FormatSecondsDescription(CString& out, const char* pattern, float seconds);

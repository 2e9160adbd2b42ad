#pragma once

#include <cstdint>

#include "game/bricks/brick_plug_in.h"

class CAction;

// The base of the plug-ins that execute an owned action (none does
// nothing); the editor overlay is the action's.
class CBrickPlugInTriggerAction : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CBrickPlugInTriggerAction)
public:
    CBrickPlugInTriggerAction();
    ~CBrickPlugInTriggerAction() override;

    void DrawEditorOverlay(EditorDrawContext& context) override;

    CAction* m_pAction;

protected:
    // False when there is no action.
    bool ExecuteAction();
};

// Executes its action every time its brick is told it is being destroyed;
// a brick that refuses hears every attempt.
class CBrickPlugInTriggerActionWhenDestroyed : public CBrickPlugInTriggerAction
{
    VP_DECLARE_CLASS(CBrickPlugInTriggerActionWhenDestroyed)
public:
    CBrickPlugInTriggerActionWhenDestroyed();
    ~CBrickPlugInTriggerActionWhenDestroyed() override;

    void OnMessage(CMessage& message) override;
};

// Executes its action when a ball or shot hits the brick, then tells its
// own brick "Triggered"; further hits do nothing until the retrigger time
// has passed.
class CBrickPlugInTriggerActionWhenHit : public CBrickPlugInTriggerAction
{
    VP_DECLARE_CLASS(CBrickPlugInTriggerActionWhenHit)
public:
    CBrickPlugInTriggerActionWhenHit();
    ~CBrickPlugInTriggerActionWhenHit() override;

    void OnMessage(CMessage& message) override;
    void Update(PlugInStepRecord& record) override;

    uint32_t GetRetriggerCountdown() const { return m_RetriggerCountdown; }

    float m_RetriggerDisallowTime;

private:
    uint32_t m_RetriggerCountdown;
};

// Executes its action each time its wait has passed, "Repeat Limit" times
// ("Unlimited": for ever), and then reports done.
class CBrickPlugInTriggerActionEveryXSeconds : public CBrickPlugInTriggerAction
{
    VP_DECLARE_CLASS(CBrickPlugInTriggerActionEveryXSeconds)
public:
    CBrickPlugInTriggerActionEveryXSeconds();
    ~CBrickPlugInTriggerActionEveryXSeconds() override;

    void Start(CSprite* sprite) override;
    void Update(PlugInStepRecord& record) override;
    // "Trigger Action Every 2 Sec."; without a wait "Trigger Action 3 Times.".
    void GetDescription(CString& out, const char* wordToRemove) const override;

    float m_TimeToWait;
    uint32_t m_RepeatLimit;

private:
    uint32_t m_UpdatesSinceStart;
    uint32_t m_RemainingTriggers;
    // On until started, so an unstarted plug-in reports done.
    bool m_Finished;
};

// Retrigger seconds as whole updates, saturated: the property allows up to
// 1e9 s, which overflows a 32-bit count of updates.
uint32_t RetriggerUpdates(float seconds);

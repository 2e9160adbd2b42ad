#pragma once

#include <cstdint>

#include "game/bricks/action.h"

// The base of the actions that hold other actions; they own their children,
// and an entry may be null (a level file can say so), which every container
// passes over.
class CActionMultipleActions : public CAction
{
    VP_DECLARE_CLASS(CActionMultipleActions)
public:
    CActionMultipleActions();
    ~CActionMultipleActions() override;

    uint32_t GetChildCount() const { return m_Count; }
    CAction* GetChild(uint32_t index) const { return m_pActions[index]; }
    // Appends a child, owned from now on.
    void AddAction(CAction* action);
    // Takes the child out of the list without deleting it; the caller owns it.
    CAction* TakeChild(uint32_t index);

    // The display name, then the children's kinds in brackets:
    // "Simultaneous Actions(Play Sound,Play Sound)".
    void GetDescription(CString& out, const char* wordToRemove) const override;

    CAction** m_pActions;
    uint32_t m_Count;
    uint32_t m_Capacity;
};

// Runs every child, in order, with the same handled flag.
class CActionSimultaneousActions : public CActionMultipleActions
{
    VP_DECLARE_CLASS(CActionSimultaneousActions)
public:
    CActionSimultaneousActions();
    ~CActionSimultaneousActions() override;

protected:
    void DoExecute(bool& handled) override;
};

// Runs one child drawn anew each time from the game's generator, so seeded
// runs and recordings repeat the same picks.
class CActionRandomAction : public CActionMultipleActions
{
    VP_DECLARE_CLASS(CActionRandomAction)
public:
    CActionRandomAction();
    ~CActionRandomAction() override;

protected:
    void DoExecute(bool& handled) override;
};

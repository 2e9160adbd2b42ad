#pragma once

#include <cstdint>

#include "game/bricks/action_multiple_actions.h"

// Runs the next child each time it is executed. What happens once every
// child has run is "When Done"'s choice; the next index is a property, so a
// saved level may start part-way through.
class CActionSequence : public CActionMultipleActions
{
    VP_DECLARE_CLASS(CActionSequence)
public:
    enum WhenDone : int32_t
    {
        REPEAT_SEQUENCE = 0,
        REPEAT_LAST_ACTION = 1,
        DO_NOTHING = 2,
    };

    CActionSequence();
    ~CActionSequence() override;

    // Called before the first child of every cycle runs.
    virtual void OnNewCycle();

    uint32_t m_NextIndex;
    int32_t m_WhenDone;

protected:
    void DoExecute(bool& handled) override;
};

// A sequence whose order is shuffled afresh from the game's generator at
// the start of every cycle: each child runs once per cycle, in random order.
class CActionShuffledSequence : public CActionSequence
{
    VP_DECLARE_CLASS(CActionShuffledSequence)
public:
    CActionShuffledSequence();
    ~CActionShuffledSequence() override;

    void OnNewCycle() override;
};

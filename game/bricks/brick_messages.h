#pragma once

#include <cstdint>

#include "engine/core/messages/message_type.h"

class CHitterOfBricks;

// The messages a brick's plug-ins hear. Each kind's id is taken once, the
// first time it is asked for; a static initialiser asks for all of them at
// start-up so the ids come in a fixed order.

// A ball or shot hit the brick; sent before the brick's kind decides what
// the hit does, so scripted reactions run even when the hit destroys it.
// Lives on the sender's stack for the call.
class CBrickHitByBallOrShotMessage : public CMessage
{
public:
    explicit CBrickHitByBallOrShotMessage(CHitterOfBricks* hitter);
    static int32_t GetClassTypeId();

    CHitterOfBricks* m_pHitter;
};

// "BrickDestroyed": the brick is being destroyed; sent before the kind may
// refuse, so a refusing brick's plug-ins hear every attempt.
int32_t GetBrickDestroyedMessageId();
// "Triggered": a hit trigger tells its own brick that it fired.
int32_t GetTriggeredMessageId();
// "AdvanceToNextItemInSequence": an action tells the bricks it names to
// move their sequences on; a sequence that took the step sets handled.
int32_t GetAdvanceToNextItemInSequenceMessageId();

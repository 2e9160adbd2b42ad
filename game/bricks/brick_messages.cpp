#include "game/bricks/brick_messages.h"

CBrickHitByBallOrShotMessage::CBrickHitByBallOrShotMessage(CHitterOfBricks* hitter)
    : CMessage(GetClassTypeId())
    , m_pHitter(hitter)
{
}

int32_t CBrickHitByBallOrShotMessage::GetClassTypeId()
{
    static const int32_t id = GetMessageTypeId("CBrickHitByBallOrShotMessage");
    return id;
}

int32_t GetBrickDestroyedMessageId()
{
    static const int32_t id = GetMessageTypeId("BrickDestroyed");
    return id;
}

int32_t GetTriggeredMessageId()
{
    static const int32_t id = GetMessageTypeId("Triggered");
    return id;
}

int32_t GetAdvanceToNextItemInSequenceMessageId()
{
    static const int32_t id = GetMessageTypeId("AdvanceToNextItemInSequence");
    return id;
}

namespace {

[[maybe_unused]] const bool s_BrickMessageIdsTaken = [] {
    CBrickHitByBallOrShotMessage::GetClassTypeId();
    GetBrickDestroyedMessageId();
    GetTriggeredMessageId();
    GetAdvanceToNextItemInSequenceMessageId();
    return true;
}();

} // namespace

#pragma once

#include <cstdint>

#include "engine/core/messages/message_bus.h"

// A listener that hands the messages of one kind to a function of its
// owner, so an object can hear several kinds without deriving from the
// listener class once per kind. The filter -1 passes every kind.
class CMemberCallbackListener : public CMessageListener
{
public:
    typedef bool (*Callback)(void* owner, CMessage& message);

    static constexpr int32_t ANY_TYPE = -1;

    CMemberCallbackListener(void* owner, Callback callback, int32_t typeIdFilter);

    // False for a message the filter does not pass, without calling back;
    // otherwise the callback's answer.
    bool ReceiveMessage(CMessage& message) override;

private:
    void* m_pOwner;
    Callback m_Callback;
    int32_t m_TypeIdFilter;
};

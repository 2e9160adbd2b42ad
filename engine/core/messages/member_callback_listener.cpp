#include "engine/core/messages/member_callback_listener.h"

CMemberCallbackListener::CMemberCallbackListener(void* owner, Callback callback, int32_t typeIdFilter)
    : m_pOwner(owner)
    , m_Callback(callback)
    , m_TypeIdFilter(typeIdFilter)
{
}

bool CMemberCallbackListener::ReceiveMessage(CMessage& message)
{
    if (m_TypeIdFilter != ANY_TYPE && message.GetTypeId() != m_TypeIdFilter)
        return false;
    return m_Callback(m_pOwner, message);
}

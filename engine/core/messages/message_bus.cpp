#include "engine/core/messages/message_bus.h"

// Never torn down: static listeners leave it from their destructors at exit,
// in whatever order those run.
CPoolArray<CMessageListener*>& GetMessageListeners()
{
    static CPoolArray<CMessageListener*>* listeners = new CPoolArray<CMessageListener*>;
    return *listeners;
}

CMessageListener::CMessageListener()
{
    GetMessageListeners().Append(this);
}

CMessageListener::~CMessageListener()
{
    CPoolArray<CMessageListener*>& listeners = GetMessageListeners();
    const int32_t index = listeners.IndexOf(this);
    if (index != -1)
        listeners.RemoveAt(static_cast<uint32_t>(index));
}

bool BroadcastMessage(CMessage& message)
{
    CPoolArray<CMessageListener*>& listeners = GetMessageListeners();
    bool answer = false;
    // The count is read again after each call: a listener registered during
    // the broadcast hears the message too.
    for (uint32_t i = 0; i < listeners.GetCount(); i++)
        answer |= listeners[i]->ReceiveMessage(message);
    return answer;
}

int32_t CItemAddedToVirtualArrayMessage::GetClassTypeId()
{
    static const int32_t id = GetMessageTypeId("CItemAddedToVirtualArrayMessage");
    return id;
}

CItemAddedToVirtualArrayMessage::CItemAddedToVirtualArrayMessage(VirtualArray* list, int32_t index)
    : CMessage(GetClassTypeId())
    , m_pList(list)
    , m_Index(index)
{
}

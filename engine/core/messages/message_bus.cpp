#include "engine/core/messages/message_bus.h"

#include "engine/platform/main_thread.h"

// A broadcast walks the listener array by index while listeners may come and
// go under it. Each walk in progress (broadcasts nest when a listener sends
// one of its own) keeps the index of the next listener to call here, so that
// a listener leaving at or before that index moves it back with the entries
// that slid down: every listener still registered hears the message once.
struct BroadcastWalk
{
    uint32_t next;
    BroadcastWalk* pOuter;
};

static BroadcastWalk* s_pInnermostWalk = nullptr;

// Never torn down: static listeners leave it from their destructors at exit,
// in whatever order those run.
CPoolArray<CMessageListener*>& GetMessageListeners()
{
    static CPoolArray<CMessageListener*>* listeners = new CPoolArray<CMessageListener*>;
    return *listeners;
}

CMessageListener::CMessageListener()
{
    ASSERT_MAIN_THREAD();
    GetMessageListeners().Append(this);
}

CMessageListener::~CMessageListener()
{
    ASSERT_MAIN_THREAD();
    CPoolArray<CMessageListener*>& listeners = GetMessageListeners();
    const int32_t index = listeners.IndexOf(this);
    if (index == -1)
        return;
    listeners.RemoveAt(static_cast<uint32_t>(index));
    for (BroadcastWalk* walk = s_pInnermostWalk; walk; walk = walk->pOuter)
        if (static_cast<uint32_t>(index) < walk->next)
            walk->next--;
}

bool BroadcastMessage(CMessage& message)
{
    ASSERT_MAIN_THREAD();
    CPoolArray<CMessageListener*>& listeners = GetMessageListeners();
    bool answer = false;
    BroadcastWalk walk = { 0, s_pInnermostWalk };
    s_pInnermostWalk = &walk;
    // The count is read again after each call: a listener registered during
    // the broadcast hears the message too.
    while (walk.next < listeners.GetCount())
    {
        CMessageListener* listener = listeners[walk.next];
        walk.next++;
        answer |= listener->ReceiveMessage(message);
    }
    s_pInnermostWalk = walk.pOuter;
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

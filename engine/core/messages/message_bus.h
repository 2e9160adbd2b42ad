#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/messages/message_type.h"

class VirtualArray;

// Main thread only: listeners are made, destroyed and called on the main
// thread, which is what lets the bus run without a lock; debug builds stop a
// call from another thread. Code on another thread hands its news to the
// main thread, which broadcasts it.
//
// Every listener hears every broadcast message. Construction registers the
// listener and destruction removes it, so a listener can never be called
// after it is gone.
class CMessageListener
{
public:
    CMessageListener();
    virtual ~CMessageListener();

    // Answers whether the listener acted on the message.
    virtual bool ReceiveMessage(CMessage& message) = 0;

    CMessageListener(const CMessageListener&) = delete;
    CMessageListener& operator=(const CMessageListener&) = delete;
};

// The listeners in registration order.
CPoolArray<CMessageListener*>& GetMessageListeners();

// Gives the message to every listener in registration order and answers the
// OR of their answers. No answer stops the broadcast, and the bus leaves the
// type id and the handled flag alone: they belong to sender and receivers.
bool BroadcastMessage(CMessage& message);

// Sent by a named list after it added an item, so that whoever numbered the
// list's items (the recorded-call stream's symbol maps) can start afresh.
class CItemAddedToVirtualArrayMessage : public CMessage
{
public:
    CItemAddedToVirtualArrayMessage(VirtualArray* list, int32_t index);

    static int32_t GetClassTypeId();

    VirtualArray* m_pList;
    int32_t m_Index;
};

#pragma once

#include <cstdint>

#include "engine/core/lists/named_value_list.h"

// Message kinds are told apart by a small id taken from the kind's name: a
// class name ("CPlaySoundMessage") or an event name ("BrickDestroyed"). Ids
// run 0, 1, 2, ... in the order names are first asked for and letter case is
// ignored, so they hold for one run only and are never written anywhere.
int32_t GetMessageTypeId(const char* name);

// The names asked for so far; an id is its name's index.
CNamedValueList& GetMessageTypeTable();

// The base of every message; kinds derive from it and append their fields.
class CMessage
{
public:
    explicit CMessage(int32_t typeId);
    explicit CMessage(const char* typeName);
    virtual ~CMessage();

    int32_t GetTypeId() const { return m_TypeId; }
    bool IsHandled() const { return m_Handled; }
    void SetHandled(bool handled) { m_Handled = handled; }

private:
    int32_t m_TypeId;
    bool m_Handled;
};

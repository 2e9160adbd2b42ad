#pragma once

#include <cstdint>

#include "engine/core/messages/message_type.h"
#include "engine/core/strings/ref_string.h"

// The engine's own message kinds. Each knows its type id, which receivers
// compare against the id of the message they are given.

// The brightness chosen in the video options, handed to the game object.
class CChangedGammaMessage : public CMessage
{
public:
    explicit CChangedGammaMessage(int32_t value);
    static int32_t GetClassTypeId();

    int32_t m_Value;
};

// The anti-aliasing setting of sequences changed.
class CChangedAntiAliasingMessage : public CMessage
{
public:
    CChangedAntiAliasingMessage();
    static int32_t GetClassTypeId();
};

// A key no window consumed, as an engine key code.
class CCharacterTypedMessage : public CMessage
{
public:
    explicit CCharacterTypedMessage(int32_t keyCode);
    static int32_t GetClassTypeId();

    int32_t m_KeyCode;
};

// Asks whoever listens to do work that can wait for a quiet moment.
class CDoIdleProcessingMessage : public CMessage
{
public:
    CDoIdleProcessingMessage();
    static int32_t GetClassTypeId();
};

// Asks the sound layer to play a sound of the sound list by name. The name
// is copied: the sender's text need not outlive the send.
class CPlaySoundMessage : public CMessage
{
public:
    explicit CPlaySoundMessage(const char* soundName);
    static int32_t GetClassTypeId();

    CString m_SoundName;
};

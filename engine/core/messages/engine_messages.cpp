#include "engine/core/messages/engine_messages.h"

int32_t CChangedGammaMessage::GetClassTypeId()
{
    static const int32_t id = GetMessageTypeId("CChangedGammaMessage");
    return id;
}

CChangedGammaMessage::CChangedGammaMessage(int32_t value)
    : CMessage(GetClassTypeId())
    , m_Value(value)
{
}

int32_t CChangedAntiAliasingMessage::GetClassTypeId()
{
    static const int32_t id = GetMessageTypeId("CChangedAntiAliasingMessage");
    return id;
}

CChangedAntiAliasingMessage::CChangedAntiAliasingMessage()
    : CMessage(GetClassTypeId())
{
}

int32_t CCharacterTypedMessage::GetClassTypeId()
{
    static const int32_t id = GetMessageTypeId("CCharacterTypedMessage");
    return id;
}

CCharacterTypedMessage::CCharacterTypedMessage(int32_t keyCode)
    : CMessage(GetClassTypeId())
    , m_KeyCode(keyCode)
{
}

int32_t CDoIdleProcessingMessage::GetClassTypeId()
{
    static const int32_t id = GetMessageTypeId("CDoIdleProcessingMessage");
    return id;
}

CDoIdleProcessingMessage::CDoIdleProcessingMessage()
    : CMessage(GetClassTypeId())
{
}

int32_t CPlaySoundMessage::GetClassTypeId()
{
    static const int32_t id = GetMessageTypeId("CPlaySoundMessage");
    return id;
}

CPlaySoundMessage::CPlaySoundMessage(const char* soundName)
    : CMessage(GetClassTypeId())
    , m_SoundName(soundName)
{
}

// Every kind has its id before the program's main code runs, as listeners
// built at start-up expect to compare against settled ids.
[[maybe_unused]] static const bool s_EngineMessageIdsRegistered = (CChangedGammaMessage::GetClassTypeId(),
    CChangedAntiAliasingMessage::GetClassTypeId(), CCharacterTypedMessage::GetClassTypeId(),
    CDoIdleProcessingMessage::GetClassTypeId(), CPlaySoundMessage::GetClassTypeId(), true);

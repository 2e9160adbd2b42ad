#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/core/messages/engine_messages.h"

TEST(EngineMessages, EachKindCarriesTheIdOfItsClassName)
{
    struct Case
    {
        const char* name;
        int32_t id;
    };
    const Case cases[] = {
        { "CChangedGammaMessage", CChangedGammaMessage(0).GetTypeId() },
        { "CChangedAntiAliasingMessage", CChangedAntiAliasingMessage().GetTypeId() },
        { "CCharacterTypedMessage", CCharacterTypedMessage(0).GetTypeId() },
        { "CDoIdleProcessingMessage", CDoIdleProcessingMessage().GetTypeId() },
        { "CPlaySoundMessage", CPlaySoundMessage("").GetTypeId() },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.id, GetMessageTypeId(c.name)) << c.name;
}

TEST(EngineMessages, PayloadsKeepTheirValues)
{
    EXPECT_EQ(CChangedGammaMessage(-7).m_Value, -7);
    EXPECT_EQ(CCharacterTypedMessage(27).m_KeyCode, 27);
}

TEST(EngineMessages, PlaySoundKeepsItsOwnCopyOfTheName)
{
    char name[] = "Button Click.wav";
    CPlaySoundMessage message(name);
    std::memset(name, 'x', std::strlen(name));
    EXPECT_EQ(std::string(message.m_SoundName.GetText()), "Button Click.wav");
}

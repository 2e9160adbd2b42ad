#include <gtest/gtest.h>

#include "engine/core/messages/message_type.h"

TEST(MessageTypeIds, NewNamesGetTheNextIdsAndKnownNamesKeepTheirs)
{
    CNamedValueList& table = GetMessageTypeTable();
    // Whatever registered before the tests ran holds ids 0 .. count-1, so in
    // a fresh run the first two names get 0 and 1.
    const int32_t first = static_cast<int32_t>(table.GetCount());
    for (int32_t id = 0; id < first; id++)
        EXPECT_EQ(GetMessageTypeId(table.GetName(static_cast<uint32_t>(id))), id);

    EXPECT_EQ(GetMessageTypeId("Test Ball Lost"), first);
    EXPECT_EQ(GetMessageTypeId("CTestPingMessage"), first + 1);
    EXPECT_EQ(GetMessageTypeId("Test Ball Lost"), first);
    EXPECT_EQ(table.GetCount(), static_cast<uint32_t>(first + 2));
}

TEST(MessageTypeIds, NamesDifferingOnlyInCaseShareAnId)
{
    const int32_t id = GetMessageTypeId("TestBrickDestroyed");
    EXPECT_EQ(GetMessageTypeId("testbrickdestroyed"), id);
    EXPECT_EQ(GetMessageTypeId("TESTBRICKDESTROYED"), id);
}

TEST(Message, StartsUnhandledWithItsKindsId)
{
    CMessage byName("CTestPongMessage");
    EXPECT_EQ(byName.GetTypeId(), GetMessageTypeId("CTestPongMessage"));
    EXPECT_FALSE(byName.IsHandled());

    CMessage byId(7);
    EXPECT_EQ(byId.GetTypeId(), 7);
    EXPECT_FALSE(byId.IsHandled());
}

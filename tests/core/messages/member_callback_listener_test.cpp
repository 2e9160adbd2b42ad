#include <gtest/gtest.h>

#include <vector>

#include "engine/core/messages/member_callback_listener.h"

namespace {

struct CallbackOwner
{
    std::vector<int32_t> heardTypes;
    bool answer = true;
};

bool Hear(void* owner, CMessage& message)
{
    CallbackOwner* self = static_cast<CallbackOwner*>(owner);
    self->heardTypes.push_back(message.GetTypeId());
    return self->answer;
}

} // namespace

TEST(MemberCallbackListener, MessageOfTheFilteredTypeReachesTheOwnerWithItsAnswer)
{
    CallbackOwner owner;
    CMemberCallbackListener listener(&owner, Hear, GetMessageTypeId("CTestWantedMessage"));
    CMessage wanted("CTestWantedMessage");

    EXPECT_TRUE(BroadcastMessage(wanted));
    owner.answer = false;
    EXPECT_FALSE(BroadcastMessage(wanted));
    EXPECT_EQ(owner.heardTypes, (std::vector<int32_t>{ wanted.GetTypeId(), wanted.GetTypeId() }));
}

TEST(MemberCallbackListener, MessageOfAnotherTypeIsAnsweredFalseWithoutCallingBack)
{
    CallbackOwner owner;
    CMemberCallbackListener listener(&owner, Hear, GetMessageTypeId("CTestWantedMessage"));
    CMessage other("CTestOtherMessage");

    EXPECT_FALSE(BroadcastMessage(other));
    EXPECT_TRUE(owner.heardTypes.empty());
}

TEST(MemberCallbackListener, FilterMinusOneCallsBackForEveryType)
{
    CallbackOwner owner;
    CMemberCallbackListener listener(&owner, Hear, CMemberCallbackListener::ANY_TYPE);
    CMessage first("CTestWantedMessage");
    CMessage second("CTestOtherMessage");

    EXPECT_TRUE(BroadcastMessage(first));
    EXPECT_TRUE(BroadcastMessage(second));
    EXPECT_EQ(owner.heardTypes, (std::vector<int32_t>{ first.GetTypeId(), second.GetTypeId() }));
}

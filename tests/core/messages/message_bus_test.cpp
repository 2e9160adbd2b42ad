#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/messages/message_bus.h"

class CLoggingListener : public CMessageListener
{
public:
    CLoggingListener(std::vector<std::string>& log, const char* name, bool answer)
        : m_Log(log)
        , m_Name(name)
        , m_Answer(answer)
    {
    }

    bool ReceiveMessage(CMessage&) override
    {
        m_Log.push_back(m_Name);
        return m_Answer;
    }

private:
    std::vector<std::string>& m_Log;
    std::string m_Name;
    bool m_Answer;
};

TEST(MessageBus, NoListenersAnswersFalse)
{
    ASSERT_EQ(GetMessageListeners().GetCount(), 0u);
    CMessage message("CTestBusMessage");
    EXPECT_FALSE(BroadcastMessage(message));
}

TEST(MessageBus, EveryListenerHearsInRegistrationOrderAndTheAnswersAreOred)
{
    std::vector<std::string> log;
    CLoggingListener first(log, "first", true);
    CLoggingListener second(log, "second", false);
    CMessage message("CTestBusMessage");
    const int32_t typeId = message.GetTypeId();

    EXPECT_TRUE(BroadcastMessage(message));
    EXPECT_EQ(log, (std::vector<std::string>{ "first", "second" }));
    // The bus leaves the message's fields to sender and receivers.
    EXPECT_EQ(message.GetTypeId(), typeId);
    EXPECT_FALSE(message.IsHandled());
}

TEST(MessageBus, AllListenersAnsweringFalseGiveFalse)
{
    std::vector<std::string> log;
    CLoggingListener first(log, "first", false);
    CLoggingListener second(log, "second", false);
    CMessage message("CTestBusMessage");
    EXPECT_FALSE(BroadcastMessage(message));
    EXPECT_EQ(log.size(), 2u);
}

TEST(MessageBus, DestroyedListenerIsNoLongerCalled)
{
    std::vector<std::string> log;
    CLoggingListener first(log, "first", false);
    std::unique_ptr<CLoggingListener> middle(new CLoggingListener(log, "middle", true));
    CLoggingListener last(log, "last", false);
    middle.reset();

    CMessage message("CTestBusMessage");
    EXPECT_FALSE(BroadcastMessage(message));
    EXPECT_EQ(log, (std::vector<std::string>{ "first", "last" }));
}

// Registers one more listener the first time it hears a message.
class CRecruitingListener : public CMessageListener
{
public:
    explicit CRecruitingListener(std::vector<std::string>& log)
        : m_Log(log)
    {
    }

    bool ReceiveMessage(CMessage&) override
    {
        m_Log.push_back("recruiter");
        if (!recruit)
            recruit.reset(new CLoggingListener(m_Log, "recruit", true));
        return false;
    }

    std::unique_ptr<CLoggingListener> recruit;

private:
    std::vector<std::string>& m_Log;
};

TEST(MessageBus, ListenerRegisteredDuringABroadcastHearsItToo)
{
    std::vector<std::string> log;
    CRecruitingListener recruiter(log);
    CMessage message("CTestBusMessage");
    EXPECT_TRUE(BroadcastMessage(message));
    EXPECT_EQ(log, (std::vector<std::string>{ "recruiter", "recruit" }));
}

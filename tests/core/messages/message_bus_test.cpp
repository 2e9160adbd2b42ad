#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
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

TEST(MessageBus, FalseTrueFalseAnswersTrueAfterCallingAllThreeInOrder)
{
    std::vector<std::string> log;
    CLoggingListener first(log, "first", false);
    CLoggingListener second(log, "second", true);
    CLoggingListener third(log, "third", false);
    CMessage message("CTestBusMessage");
    EXPECT_TRUE(BroadcastMessage(message));
    EXPECT_EQ(log, (std::vector<std::string>{ "first", "second", "third" }));
}

// Deletes a listener (itself, or one registered before it) when it hears a
// message: the listeners after it in the array slide down one place while
// the broadcast walks it.
class CDeletingListener : public CMessageListener
{
public:
    CDeletingListener(std::vector<std::string>& log, std::unique_ptr<CMessageListener>& victim)
        : m_Log(log)
        , m_Victim(victim)
    {
    }

    bool ReceiveMessage(CMessage&) override
    {
        m_Log.push_back("deleter");
        m_Victim.reset();
        return false;
    }

private:
    std::vector<std::string>& m_Log;
    std::unique_ptr<CMessageListener>& m_Victim;
};

TEST(MessageBus, ListenerDeletingItselfDuringABroadcastLetsTheNextTwoHearIt)
{
    std::vector<std::string> log;
    std::unique_ptr<CMessageListener> self;
    self.reset(new CDeletingListener(log, self));
    CLoggingListener next(log, "next", false);
    CLoggingListener last(log, "last", true);

    CMessage message("CTestBusMessage");
    EXPECT_TRUE(BroadcastMessage(message));
    EXPECT_EQ(log, (std::vector<std::string>{ "deleter", "next", "last" }));
    EXPECT_EQ(GetMessageListeners().GetCount(), 2u);
}

TEST(MessageBus, ListenerDeletingAnEarlierOneDuringABroadcastSkipsNoOne)
{
    std::vector<std::string> log;
    std::unique_ptr<CMessageListener> earlier(new CLoggingListener(log, "earlier", false));
    CDeletingListener deleter(log, earlier);
    CLoggingListener next(log, "next", false);

    CMessage message("CTestBusMessage");
    BroadcastMessage(message);
    EXPECT_EQ(log, (std::vector<std::string>{ "earlier", "deleter", "next" }));
}

// Sends a second message from inside the first broadcast; the listener
// deleted during the inner broadcast must not make the outer one skip.
class CNestingListener : public CMessageListener
{
public:
    explicit CNestingListener(std::vector<std::string>& log)
        : m_Log(log)
    {
    }

    bool ReceiveMessage(CMessage& message) override
    {
        m_Log.push_back("nester");
        if (message.GetTypeId() == GetMessageTypeId("CTestOuterMessage"))
        {
            CMessage inner("CTestInnerMessage");
            BroadcastMessage(inner);
        }
        return false;
    }

private:
    std::vector<std::string>& m_Log;
};

TEST(MessageBus, DeletionInsideANestedBroadcastKeepsTheOuterWalkInStep)
{
    std::vector<std::string> log;
    CNestingListener nester(log);
    std::unique_ptr<CMessageListener> self;
    self.reset(new CDeletingListener(log, self));
    CLoggingListener last(log, "last", false);

    CMessage outer("CTestOuterMessage");
    BroadcastMessage(outer);
    // Outer: nester (inner: nester, deleter, last), then last once more.
    EXPECT_EQ(log, (std::vector<std::string>{ "nester", "nester", "deleter", "last", "last" }));
}

TEST(MessageBus, DestroyingAListenerRegisteredTwiceRemovesOnlyItsFirstEntry)
{
    std::vector<std::string> log;
    CMessageListener* twice = new CLoggingListener(log, "twice", false);
    CLoggingListener other(log, "other", false);
    CPoolArray<CMessageListener*>& listeners = GetMessageListeners();
    listeners.Append(twice);
    const uintptr_t twiceAddress = reinterpret_cast<uintptr_t>(twice);

    delete twice;
    ASSERT_EQ(listeners.GetCount(), 2u);
    EXPECT_EQ(listeners[0], &other);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(listeners[1]), twiceAddress);
    // The stray second entry has no object left to remove it.
    listeners.RemoveAt(1);
}

TEST(MessageBus, DebugBuildsStopABroadcastOrListenerOnAnotherThread)
{
#ifdef NDEBUG
    GTEST_SKIP() << "the check is compiled into debug builds only";
#else
    EXPECT_DEATH(std::thread([] {
        CMessage message("CTestBusMessage");
        BroadcastMessage(message);
    }).join(), "IsMainThread");
    EXPECT_DEATH(std::thread([] {
        std::vector<std::string> log;
        CLoggingListener listener(log, "elsewhere", false);
    }).join(), "IsMainThread");
#endif
}

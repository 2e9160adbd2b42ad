#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/messages/message_type.h"
#include "game/bricks/brick_messages.h"
#include "game/bricks/brick_plug_in_simultaneous.h"

namespace {

// A plug-in that writes "<tag><operation>" into a shared log and can set
// done, stop or handled, or add a plug-in to a container while it updates.
class CRecordingPlugIn : public CBrickPlugIn
{
    VP_DECLARE_CLASS(CRecordingPlugIn)
public:
    CRecordingPlugIn() { ConstructProperties(SGetClassInfo()); }
    ~CRecordingPlugIn() override
    {
        s_Log.push_back(m_Tag + "~");
        DestroyProperties(SGetClassInfo());
    }

    void Update(PlugInStepRecord& record) override
    {
        s_Log.push_back(m_Tag + "U");
        record.done = record.done || m_SetsDone;
        if (m_pAddTo != nullptr)
        {
            CBrickPlugInSimultaneous* container = m_pAddTo;
            m_pAddTo = nullptr;
            container->AddPlugIn(m_pToAdd);
        }
    }
    void AfterUpdate(bool& stop) override
    {
        s_Log.push_back(m_Tag + "A");
        stop = stop || m_SetsStop;
    }
    void OnMessage(CMessage& message) override
    {
        s_Log.push_back(m_Tag + (message.IsHandled() ? "m" : "M"));
        if (m_SetsHandled)
            message.SetHandled(true);
    }
    void Start(CSprite*) override { s_Log.push_back(m_Tag + "S"); }

    static std::vector<std::string> s_Log;
    std::string m_Tag;
    bool m_SetsDone = false;
    bool m_SetsStop = false;
    bool m_SetsHandled = false;
    CBrickPlugInSimultaneous* m_pAddTo = nullptr;
    CBrickPlugIn* m_pToAdd = nullptr;
};

std::vector<std::string> CRecordingPlugIn::s_Log;

VP_IMPLEMENT_CLASS(CRecordingPlugIn, CBrickPlugIn, 1.0f)

void CRecordingPlugIn::RegisterProperties(CClassInfo*)
{
}

CRecordingPlugIn* Recording(const char* tag)
{
    auto* plugIn = new CRecordingPlugIn();
    plugIn->m_Tag = tag;
    return plugIn;
}

struct Outcome
{
    std::vector<std::string> log;
    bool done;
    bool stop;
    uint32_t count;
};

// One frame of a brick's script: update, then after-update.
Outcome RunFrame(CBrickPlugInSimultaneous& container)
{
    CRecordingPlugIn::s_Log.clear();
    PlugInStepRecord record{0.016666668f, false};
    container.Update(record);
    bool stop = false;
    container.AfterUpdate(stop);
    return Outcome{CRecordingPlugIn::s_Log, record.done, stop, container.GetChildCount()};
}

struct FrameCase
{
    const char* name;
    // Builds the container's children.
    void (*fill)(CBrickPlugInSimultaneous& container);
    std::vector<std::string> log;
    bool done;
    bool stop;
    uint32_t count;
};

TEST(BrickPlugInFrameworkTest, AContainerVisitsItsChildrenAsTheFrameGoes)
{
    const FrameCase cases[] = {
        {"empty", [](CBrickPlugInSimultaneous&) {}, {}, false, false, 0},
        {"null child skipped and kept",
         [](CBrickPlugInSimultaneous& c) {
             c.AddPlugIn(Recording("a"));
             c.AddPlugIn(nullptr);
             c.AddPlugIn(Recording("b"));
         },
         {"aU", "bU", "aA", "bA"}, false, false, 3},
        {"first child done",
         [](CBrickPlugInSimultaneous& c) {
             CRecordingPlugIn* first = Recording("a");
             first->m_SetsDone = true;
             c.AddPlugIn(first);
             c.AddPlugIn(Recording("b"));
         },
         {"aU", "bU", "aA", "bA"}, true, false, 2},
        {"stop from the second of three",
         [](CBrickPlugInSimultaneous& c) {
             c.AddPlugIn(Recording("a"));
             CRecordingPlugIn* second = Recording("b");
             second->m_SetsStop = true;
             c.AddPlugIn(second);
             c.AddPlugIn(Recording("c"));
         },
         {"aU", "bU", "cU", "aA", "bA"}, false, true, 3},
        {"child added during the update",
         [](CBrickPlugInSimultaneous& c) {
             CRecordingPlugIn* adder = Recording("a");
             adder->m_pAddTo = &c;
             adder->m_pToAdd = Recording("d");
             c.AddPlugIn(adder);
             c.AddPlugIn(Recording("b"));
         },
         {"aU", "bU", "dU", "aA", "bA", "dA"}, false, false, 3},
    };
    for (const FrameCase& c : cases)
    {
        auto* container = new CBrickPlugInSimultaneous();
        c.fill(*container);
        const Outcome outcome = RunFrame(*container);
        EXPECT_EQ(outcome.log, c.log) << c.name;
        EXPECT_EQ(outcome.done, c.done) << c.name;
        EXPECT_EQ(outcome.stop, c.stop) << c.name;
        EXPECT_EQ(outcome.count, c.count) << c.name;
        delete container;
    }
}

TEST(BrickPlugInFrameworkTest, OneMessageIsSharedSoLaterChildrenSeeItHandled)
{
    CBrickPlugInSimultaneous container;
    CRecordingPlugIn* first = Recording("a");
    first->m_SetsHandled = true;
    container.AddPlugIn(first);
    container.AddPlugIn(Recording("b"));
    CRecordingPlugIn::s_Log.clear();
    CMessage message(GetAdvanceToNextItemInSequenceMessageId());
    container.OnMessage(message);
    EXPECT_EQ(CRecordingPlugIn::s_Log, (std::vector<std::string>{"aM", "bm"}));
    EXPECT_TRUE(message.IsHandled());
}

struct ReplaceCase
{
    const char* name;
    CBrickPlugIn* (*make)();
    std::vector<std::string> tagsAfter;
    // What the replacement deleted, in order.
    std::vector<std::string> deleted;
};

TEST(BrickPlugInFrameworkTest, ReplaceAllTakesAContainersChildrenASinglePlugInOrNothing)
{
    const ReplaceCase cases[] = {
        {"container of three",
         []() -> CBrickPlugIn* {
             auto* given = new CBrickPlugInSimultaneous();
             given->AddPlugIn(Recording("x"));
             given->AddPlugIn(Recording("y"));
             given->AddPlugIn(Recording("z"));
             return given;
         },
         {"x", "y", "z"}, {"b~", "a~"}},
        {"single plug-in", []() -> CBrickPlugIn* { return Recording("x"); }, {"x"}, {"b~", "a~"}},
        {"none", []() -> CBrickPlugIn* { return nullptr; }, {}, {"b~", "a~"}},
    };
    for (const ReplaceCase& c : cases)
    {
        CBrickPlugInSimultaneous container;
        container.AddPlugIn(Recording("a"));
        container.AddPlugIn(Recording("b"));
        CBrickPlugIn* given = c.make();
        CRecordingPlugIn::s_Log.clear();
        container.ReplaceAll(given);
        EXPECT_EQ(CRecordingPlugIn::s_Log, c.deleted) << c.name;
        std::vector<std::string> tags;
        for (uint32_t i = 0; i < container.GetChildCount(); i++)
            tags.push_back(static_cast<CRecordingPlugIn*>(container.GetChild(i))->m_Tag);
        EXPECT_EQ(tags, c.tagsAfter) << c.name;
    }
}

TEST(BrickPlugInFrameworkTest, RemovingAPlugInThatIsNoChildChangesNothing)
{
    CBrickPlugInSimultaneous container;
    container.AddPlugIn(Recording("a"));
    CRecordingPlugIn* stranger = Recording("s");
    container.RemovePlugIn(stranger);
    EXPECT_EQ(container.GetChildCount(), 1u);
    CRecordingPlugIn* child = Recording("b");
    container.AddPlugIn(child);
    container.AddPlugIn(Recording("c"));
    container.RemovePlugIn(child);
    ASSERT_EQ(container.GetChildCount(), 2u);
    EXPECT_EQ(static_cast<CRecordingPlugIn*>(container.GetChild(1))->m_Tag, "c");
    delete stranger;
    delete child;
}

} // namespace

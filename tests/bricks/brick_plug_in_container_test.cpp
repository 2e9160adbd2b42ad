#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/bricks/brick_messages.h"
#include "game/bricks/brick_plug_in_simultaneous.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/object_forms.h"

namespace {

using Lines = std::vector<std::string>;

// A plug-in that appends a recording plug-in to its container the first
// time it hears a message.
class CAddingPlugIn : public CBrickPlugIn
{
public:
    CAddingPlugIn(CBrickPlugInSimultaneous* container, std::vector<std::string>* log)
        : m_pContainer(container)
        , m_pLog(log)
    {
    }

    void OnMessage(CMessage&) override
    {
        if (m_pContainer == nullptr)
            return;
        m_pContainer->AddPlugIn(new CRecordingPlugIn(m_pLog, "added"));
        m_pContainer = nullptr;
    }

    CBrickPlugInSimultaneous* m_pContainer;
    std::vector<std::string>* m_pLog;
};

class BrickPlugInContainerTest : public testing::Test
{
protected:
    CRecordingPlugIn* Add(const char* name)
    {
        auto* plugIn = new CRecordingPlugIn(&m_Log, name);
        m_Container.AddPlugIn(plugIn);
        return plugIn;
    }

    std::vector<std::string> m_Log;
    CBrickPlugInSimultaneous m_Container;
};

TEST_F(BrickPlugInContainerTest, EveryOperationSkipsNullChildrenAndKeepsThem)
{
    Add("a");
    m_Container.AddPlugIn(nullptr);
    Add("b");
    m_Log.clear();
    CMessage message(GetTriggeredMessageId());
    PlugInStepRecord record{0.016666668f, false};
    bool stop = false;
    EditorDrawContext context{nullptr, nullptr, 0, false, 1, 0};

    m_Container.SetOwner(nullptr);
    m_Container.Start(nullptr);
    m_Container.Update(record);
    m_Container.AfterUpdate(stop);
    m_Container.OnMessage(message);
    m_Container.DrawEditorOverlay(context);
    m_Container.AfterDraw(nullptr);

    const std::string triggered = "message " + std::to_string(GetTriggeredMessageId());
    EXPECT_EQ(m_Log, Lines({"a:owner", "b:owner", "a:start", "b:start", "a:update", "b:update", "a:after update",
                            "b:after update", "a:" + triggered, "b:" + triggered, "a:overlay", "b:overlay",
                            "a:after draw", "b:after draw"}));
    EXPECT_EQ(m_Container.GetChildCount(), 3u);
    EXPECT_FALSE(stop);
}

TEST_F(BrickPlugInContainerTest, DoneSetByOneChildIsTheContainersForTheStep)
{
    Add("first")->m_SetsDone = true;
    CRecordingPlugIn* second = Add("second");
    PlugInStepRecord record{0.016666668f, false};
    m_Container.Update(record);
    EXPECT_TRUE(record.done);
    EXPECT_TRUE(second->m_SawDone);
}

TEST_F(BrickPlugInContainerTest, StopEndsTheAfterUpdateAtTheChildThatSetIt)
{
    Add("a");
    Add("b")->m_SetsStop = true;
    Add("c");
    m_Log.clear();
    bool stop = false;
    m_Container.AfterUpdate(stop);
    EXPECT_TRUE(stop);
    EXPECT_EQ(m_Log, Lines({"a:after update", "b:after update"}));
}

TEST_F(BrickPlugInContainerTest, ChildAddedDuringACallIsVisitedInIt)
{
    m_Container.AddPlugIn(new CAddingPlugIn(&m_Container, &m_Log));
    CMessage message(GetBrickDestroyedMessageId());
    m_Container.OnMessage(message);
    EXPECT_EQ(m_Log, Lines({"added:owner", "added:destroyed"}));
}

TEST_F(BrickPlugInContainerTest, AddingGivesTheOwnerAndRemovingKeepsTheOthersInOrder)
{
    CScriptedBrick owner;
    m_Container.SetOwner(&owner);
    CRecordingPlugIn* a = Add("a");
    CRecordingPlugIn* b = Add("b");
    CRecordingPlugIn* c = Add("c");
    EXPECT_EQ(b->GetOwner(), &owner);

    m_Container.RemovePlugIn(b);
    ASSERT_EQ(m_Container.GetChildCount(), 2u);
    EXPECT_EQ(m_Container.GetChild(0), a);
    EXPECT_EQ(m_Container.GetChild(1), c);

    CRecordingPlugIn stranger;
    m_Container.RemovePlugIn(&stranger);
    EXPECT_EQ(m_Container.GetChildCount(), 2u);
    // Removed, not deleted: the caller owns it again.
    delete b;
}

// A brick's script is part of the level: it is written with the brick's
// class names and read back child by child.
TEST_F(BrickPlugInContainerTest, ScriptSurvivesTheObjectText)
{
    auto* inner = new CBrickPlugInSimultaneous;
    inner->AddPlugIn(new CRecordingPlugIn);
    m_Container.AddPlugIn(new CRecordingPlugIn);
    m_Container.AddPlugIn(inner);

    const std::string text = ObjectText(&m_Container);
    EXPECT_NE(text.find("Simultaneous PlugIn=CRecordingPlugIn"), std::string::npos) << text;
    std::unique_ptr<CObject> read = ObjectFromText(text);
    ASSERT_NE(read, nullptr);
    auto* copy = static_cast<CBrickPlugInSimultaneous*>(read.get());
    ASSERT_EQ(copy->GetChildCount(), 2u);
    EXPECT_EQ(copy->GetChild(0)->GetClassInfo(), CRecordingPlugIn::SGetClassInfo());
    ASSERT_EQ(copy->GetChild(1)->GetClassInfo(), CBrickPlugInSimultaneous::SGetClassInfo());
    EXPECT_EQ(static_cast<CBrickPlugInSimultaneous*>(copy->GetChild(1))->GetChildCount(), 1u);
}

} // namespace

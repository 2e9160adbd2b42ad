#include <gtest/gtest.h>

#include "game/bricks/script_position.h"
#include "game/bricks/script_reference_to_target.h"
#include "tests/support/brick_script_field.h"

namespace {

class ScriptTargetsTest : public BrickScriptFieldTest
{
protected:
    static CScriptReferenceToTarget Reference(const char* name)
    {
        CScriptReferenceToTarget reference;
        reference.m_Name = name;
        return reference;
    }
};

TEST_F(ScriptTargetsTest, ANameMatchesEveryCaseOfItAndSingleLookUpsTakeTheFirstInTheList)
{
    AddNamedBrick("Keep", 50.0f, 50.0f);
    CBrickBase* first = AddNamedBrick("Gate", 100.0f, 50.0f);
    CBrickBase* second = AddNamedBrick("GATE", 150.0f, 50.0f);
    const CScriptReferenceToTarget gate = Reference("gate");
    EXPECT_EQ(m_pPlayfield->FindBrickByReference(gate), first);
    CDynamicArray<CBrickBase*> collected;
    m_pPlayfield->CollectBricksByReference(gate, collected);
    ASSERT_EQ(collected.GetCount(), 2u);
    EXPECT_EQ(collected[0], first);
    EXPECT_EQ(collected[1], second);
    CDynamicArray<CBrickBase*> named;
    m_pPlayfield->FindBricksByName(CString("gATe"), named);
    EXPECT_EQ(named.GetCount(), 2u);
}

TEST_F(ScriptTargetsTest, AnEmptyNameNamesNoBrickEvenAnUnnamedOne)
{
    CBrickBase* unnamed = AddNamedBrick("", 50.0f, 50.0f);
    const CScriptReferenceToTarget empty = Reference("");
    EXPECT_FALSE(empty.Matches(unnamed));
    EXPECT_EQ(m_pPlayfield->FindBrickByReference(empty), nullptr);
    CDynamicArray<CBrickBase*> collected;
    m_pPlayfield->CollectBricksByReference(empty, collected);
    m_pPlayfield->FindBricksByName(CString(""), collected);
    EXPECT_EQ(collected.GetCount(), 0u);
}

TEST_F(ScriptTargetsTest, ABrickNamedAfterACachedMissIsFoundOnceTheCacheEmpties)
{
    CBrickBase* brick = AddNamedBrick("Keep", 50.0f, 50.0f);
    const CScriptReferenceToTarget late = Reference("Late");
    EXPECT_EQ(m_pPlayfield->FindBrickByReference(late), nullptr);
    brick->m_Name = "Late";
    EXPECT_EQ(m_pPlayfield->FindBrickByReference(late), nullptr);
    // Making any brick empties the cache.
    AddNamedBrick("Other", 100.0f, 50.0f);
    EXPECT_EQ(m_pPlayfield->FindBrickByReference(late), brick);
}

TEST_F(ScriptTargetsTest, ARelativePointHangsOnWhereTheBrickWasPlacedNotWhereItStands)
{
    CBrickBase* brick = AddNamedBrick("Mover", 134.0f, 123.0f);
    brick->m_StartPosition = Vector2{100.0f, 100.0f};
    brick->MoveTo(Vector2{400.0f, 300.0f}, false, false);
    CScriptPositionPointRelativeToBrickStartingPosition relative(Vector2{10.0f, 0.0f});
    const Vector2 point = relative.GetPosition(brick);
    EXPECT_EQ(point.x, 144.0f);
    EXPECT_EQ(point.y, 123.0f);
}

TEST_F(ScriptTargetsTest, ANamedPositionAnswersWhereItsBrickWasLastSeen)
{
    CBrickBase* asking = AddNamedBrick("Follower", 50.0f, 50.0f);
    CScriptPositionNamedObject named;
    named.m_Position.m_Name = "Leader";
    Vector2 point = named.GetPosition(asking);
    EXPECT_EQ(point.x, -1.0f);
    EXPECT_EQ(point.y, -1.0f);

    CBrickBase* leader = AddNamedBrick("Leader", 200.0f, 120.0f);
    leader->MoveTo(Vector2{210.5f, 130.0f}, false, false);
    point = named.GetPosition(asking);
    EXPECT_EQ(point.x, 210.5f);
    EXPECT_EQ(point.y, 130.0f);

    leader->Destroy(BrickDestroyInfo{nullptr, true});
    Run();
    point = named.GetPosition(asking);
    EXPECT_EQ(point.x, 210.5f);
    EXPECT_EQ(point.y, 130.0f);
}

} // namespace

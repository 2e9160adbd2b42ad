#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/blit/blit_type.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/editor_hooks.h"
#include "engine/platform/tick_counter.h"
#include "game/bricks/brick_change_area.h"
#include "game/bricks/brick_concussion.h"
#include "game/bricks/brick_exploder.h"
#include "game/bricks/brick_plug_in_change_self.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/game_sprite.h"
#include "tests/support/brick_script_field.h"
#include "tests/support/recording_frame.h"

namespace {

class AreaBricksTest : public BrickScriptFieldTest
{
protected:
    template <typename StyleSheet>
    static StyleSheet* Style(const char* name)
    {
        return static_cast<StyleSheet*>(
            GetBrickStyleSheetLibrary().GetItemObject(static_cast<uint32_t>(StyleIndex(name))));
    }

    CBrickChangeArea* AddChangeArea(const Vector2& at, const char* target)
    {
        auto* area = new CBrickChangeArea();
        area->m_ChangeToBrickStyle = target != nullptr ? StyleIndex(target) : 0;
        AddBrick(area, "Change Area", at);
        return area;
    }

    CBrickBase* AddNamed(const char* className, const char* style, const char* name, const Vector2& at)
    {
        CBrickBase* brick = AddBrick(className, style, at);
        brick->m_Name = name;
        return brick;
    }

    // The live brick of the name in the brick list; none once it is gone.
    CBrickBase* Named(const char* name) const
    {
        for (CBrickBase* brick : Bricks())
        {
            if (!brick->IsDestroyed() && std::string(brick->GetName().GetText()) == name)
                return brick;
        }
        return nullptr;
    }
};

TEST_F(AreaBricksTest, EachKindNamesItselfHoldsTheRoundAndAnswersTheAcid)
{
    struct Case
    {
        const char* kind;
        const char* style;
        const char* name;
        bool refusesAcid;
    };
    for (const Case& c : {Case{"CBrickChangeArea", "Change Area", "Change Area", true},
                          Case{"CBrickConcussion", "Concussion", "Concussion Wave Brick", false},
                          Case{"CBrickExploder", "Exploder", "Exploder", true}})
    {
        SCOPED_TRACE(c.kind);
        CBrickBase* brick = AddBrick(c.kind, c.style, {200.0f, 200.0f});
        EXPECT_STREQ(brick->GetTypeDisplayName().GetText(), c.name);
        EXPECT_TRUE(brick->MustBeDestroyedToFinish());
        EXPECT_TRUE(brick->IsStyleSheetCompatible(brick->GetStyleSheet()));
        EXPECT_STREQ(brick->GetStyleSheet()->GetBrickClass()->GetClassName(), c.kind);
        AcidHitQuery query{nullptr, false};
        brick->OnAcidHit(query);
        EXPECT_EQ(query.refuse, c.refusesAcid);
        brick->GetSprite()->Kill();
    }
}

// The chain runs against the brick list's order, so each brick it arms
// has had its update of that frame already.
TEST_F(AreaBricksTest, ExploderRowGoesOffSixFramesApart)
{
    std::vector<CBrickBase*> row;
    const char* const names[] = {"A", "B", "C", "D", "E"};
    for (int32_t i = 0; i < 5; i++)
        row.push_back(AddNamed("CBrickExploder", "Exploder", names[i], {100.0f + 40.0f * i, 200.0f}));
    EXPECT_TRUE(row[4]->Destroy({nullptr, false}));
    EXPECT_EQ(row[3]->m_DestructionCountdown, 6u);
    EXPECT_EQ(row[2]->m_DestructionCountdown, 0u) << "80 pixels lie beyond the 60 of the ellipse";

    std::map<std::string, int32_t> wentOff;
    for (int32_t frame = 1; frame <= 30; frame++)
    {
        Run();
        for (const char* name : names)
        {
            if (Named(name) == nullptr && wentOff.count(name) == 0)
                wentOff[name] = frame;
        }
    }
    EXPECT_EQ(wentOff, (std::map<std::string, int32_t>{{"A", 24}, {"B", 18}, {"C", 12}, {"D", 6}, {"E", 1}}));
}

TEST_F(AreaBricksTest, ReArmedBrickStartsItsCountAgain)
{
    CBrickBase* left = AddBrick("CBrickExploder", "Exploder", {160.0f, 200.0f});
    CBrickBase* middle = AddNamed("CBrickNormal", "Quiet", "Middle", {200.0f, 200.0f});
    CBrickBase* right = AddBrick("CBrickExploder", "Exploder", {240.0f, 200.0f});
    left->Destroy({nullptr, false});
    EXPECT_EQ(middle->m_DestructionCountdown, 6u);
    Run(3);
    EXPECT_EQ(middle->m_DestructionCountdown, 3u);
    right->Destroy({nullptr, false});
    EXPECT_EQ(middle->m_DestructionCountdown, 6u);
    Run(5);
    EXPECT_NE(Named("Middle"), nullptr);
    Run();
    EXPECT_EQ(Named("Middle"), nullptr);
}

TEST_F(AreaBricksTest, ExplosionDelayIsNeverBelowAHundredthOfASecond)
{
    struct Case
    {
        float delay;
        uint32_t frames;
    };
    for (const Case& c : {Case{0.0f, 1u}, Case{-3.0f, 1u}, Case{0.1f, 6u}, Case{0.5f, 30u}})
    {
        SCOPED_TRACE(c.delay);
        Style<CBrickStyleSheetExploder>("Exploder")->m_ExplosionDelay = c.delay;
        CBrickBase* exploder = AddBrick("CBrickExploder", "Exploder", {200.0f, 200.0f});
        CBrickBase* near = AddBrick("CBrickNormal", "Quiet", {200.0f, 230.0f});
        CBrickBase* far = AddBrick("CBrickNormal", "Quiet", {200.0f, 240.0f});
        exploder->Destroy({nullptr, false});
        EXPECT_FALSE(near->IsDestroyed());
        EXPECT_EQ(near->m_DestructionCountdown, c.frames);
        EXPECT_EQ(far->m_DestructionCountdown, 0u) << "40 pixels down lies beyond the ellipse's 36";
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

TEST_F(AreaBricksTest, FireBallOnAnExploderGivesOnlyTheExplodersOwnExplosion)
{
    CBrickBase* exploder = AddBrick("CBrickExploder", "Exploder", {200.0f, 200.0f});
    CBrickBase* neighbour = AddBrick("CBrickNormal", "Quiet", {230.0f, 200.0f});
    // The fire ball's area would destroy the neighbour at once.
    EXPECT_TRUE(exploder->DestroyByExplosion(1.0f, 0.0f));
    EXPECT_TRUE(exploder->IsDestroyed());
    EXPECT_FALSE(neighbour->IsDestroyed());
    EXPECT_EQ(neighbour->m_DestructionCountdown, 6u);
}

TEST_F(AreaBricksTest, BrickDrivenHardIntoAnExploderSetsItOff)
{
    for (bool hard : {true, false})
    {
        SCOPED_TRACE(hard);
        CBrickBase* pusher = AddBrick("CBrickNormal", "Quiet", {200.0f, 300.0f});
        CBrickBase* exploder = AddBrick("CBrickExploder", "Exploder", {241.0f, 300.0f});
        pusher->Move({3.0f, 0.0f}, hard, true);
        EXPECT_EQ(exploder->IsDestroyed(), hard);
        EXPECT_EQ(pusher->m_DestructionCountdown, hard ? 6u : 0u);
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

TEST_F(AreaBricksTest, ConcussionWavePushesAwayFromItsCentre)
{
    struct Case
    {
        Vector2 offset;
        float multiplier;
        Vector2 push;
    };
    const Case cases[] = {
        {{50.0f, 0.0f}, 1.0f, {16.65f, 0.0f}},   {{0.0f, -50.0f}, 1.0f, {0.0f, -16.65f}},
        {{50.0f, 0.0f}, 2.0f, {33.3f, 0.0f}},    {{-75.0f, 0.0f}, 1.0f, {-8.325f, 0.0f}},
        {{0.0f, 0.0f}, 1.0f, {0.0f, 0.0f}},      {{101.0f, 0.0f}, 1.0f, {0.0f, 0.0f}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.offset.x << "," << c.offset.y << " x" << c.multiplier);
        auto* wave = static_cast<CBrickConcussion*>(AddBrick("CBrickConcussion", "Concussion", {300.0f, 300.0f}));
        wave->m_ForceMultiplier = c.multiplier;
        CBrickBase* brick = AddBrick("CBrickNormal", "Quiet", {300.0f + c.offset.x, 300.0f + c.offset.y});
        wave->Destroy({nullptr, false});
        EXPECT_FLOAT_EQ(brick->m_Motion.x, c.push.x);
        EXPECT_FLOAT_EQ(brick->m_Motion.y, c.push.y);
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

TEST_F(AreaBricksTest, WaveWithoutARadiusPushesNothing)
{
    auto* wave = static_cast<CBrickConcussion*>(AddBrick("CBrickConcussion", "Concussion", {300.0f, 300.0f}));
    CBrickBase* brick = AddBrick("CBrickNormal", "Quiet", {310.0f, 300.0f});
    for (const Vector2 radii : {Vector2{0.0f, 100.0f}, Vector2{100.0f, 0.0f}, Vector2{-100.0f, 100.0f}})
        wave->SendWave(radii.x, radii.y, 33.3f, 0.0f);
    EXPECT_EQ(brick->m_Motion.x, 0.0f);
    EXPECT_EQ(brick->m_Motion.y, 0.0f);
}

TEST_F(AreaBricksTest, ChangeAreaRestylesByDistanceKeepingNamePlaceAndScript)
{
    CBrickChangeArea* area = AddChangeArea({300.0f, 300.0f}, "Quiet");
    AddNamed("CBrickNormal", "Normal", "Near", {324.0f, 300.0f})
        ->GetPlugIns()
        .AddPlugIn(new CRecordingPlugIn(nullptr, "kept"));
    AddNamed("CBrickNormal", "Normal", "Edge", {300.0f, 360.0f});
    AddNamed("CBrickNormal", "Normal", "Outside", {300.0f, 361.0f});
    AddNamed("CBrickBallDeflector", "Ball Deflector", "Deflector", {276.0f, 300.0f});
    area->Destroy({nullptr, false});

    const int32_t quiet = StyleIndex("Quiet");
    const int32_t normal = StyleIndex("Normal");
    Run(5);
    EXPECT_EQ(Named("Near")->m_StyleSheet, normal);
    Run();
    CBrickBase* near = Named("Near");
    EXPECT_EQ(near->m_StyleSheet, quiet);
    EXPECT_EQ(near->GetSprite()->m_Position.x, 324.0f);
    EXPECT_EQ(near->GetSprite()->m_Position.y, 300.0f);
    ASSERT_EQ(near->GetPlugIns().GetChildCount(), 1u);
    EXPECT_TRUE(near->GetPlugIns().GetChild(0)->IsKindOf(CRecordingPlugIn::SGetClassInfo()));
    Run(8);
    EXPECT_EQ(Named("Edge")->m_StyleSheet, normal);
    Run();
    EXPECT_EQ(Named("Edge")->m_StyleSheet, quiet);
    EXPECT_EQ(Named("Edge")->GetSprite()->m_Position.y, 360.0f);
    Run(30);
    EXPECT_EQ(Named("Outside")->m_StyleSheet, normal);
    EXPECT_EQ(Named("Deflector")->m_StyleSheet, StyleIndex("Ball Deflector"));
    EXPECT_EQ(Named("Deflector")->GetPlugIns().GetChildCount(), 0u);
}

TEST_F(AreaBricksTest, ChangeAreaWithoutTargetOrReachAddsNoPlugIns)
{
    struct Case
    {
        const char* name;
        const char* target;
        float radiusX;
        float radiusY;
    };
    for (const Case& c : {Case{"no target", nullptr, 60.0f, 60.0f}, Case{"no x radius", "Quiet", 0.0f, 60.0f},
                          Case{"no y radius", "Quiet", 60.0f, 0.0f}, Case{"reach", "Quiet", 60.0f, 60.0f}})
    {
        SCOPED_TRACE(c.name);
        auto* style = Style<CBrickStyleSheetChangeArea>("Change Area");
        style->m_ChangeXRadius = c.radiusX;
        style->m_ChangeYRadius = c.radiusY;
        CBrickChangeArea* area = AddChangeArea({300.0f, 300.0f}, c.target);
        CBrickBase* brick = AddBrick("CBrickNormal", "Normal", {310.0f, 300.0f});
        const uint32_t pops = static_cast<uint32_t>(SoundPlays("Pop Brick.wav"));
        area->Destroy({nullptr, true});
        EXPECT_EQ(static_cast<uint32_t>(SoundPlays("Pop Brick.wav")), pops + 1) << "its effects play even quietly";
        const bool reaches = c.target != nullptr && c.radiusX > 0.0f && c.radiusY > 0.0f;
        ASSERT_EQ(brick->GetPlugIns().GetChildCount(), reaches ? 1u : 0u);
        if (reaches)
        {
            EXPECT_TRUE(
                brick->GetPlugIns().GetChild(0)->IsKindOf(CBrickPlugInChangeSelfAfterDelay::SGetClassInfo()));
        }
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

// A Change Area destroyed by its own countdown, inside the brick list's
// update, among ten bricks of which the first is at its centre: every one
// is replaced, some inside the same pass, and the replaced sprites are
// freed only after it.
TEST_F(AreaBricksTest, ChangeAreaGoingOffInsideThePlayfieldUpdateRestylesTenBricks)
{
    const char* const names[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    AddNamed("CBrickNormal", "Normal", names[0], {300.0f, 300.0f});
    for (int32_t i = 1; i < 5; i++)
        AddNamed("CBrickNormal", "Normal", names[i], {300.0f - 10.0f * i, 300.0f - 5.0f * i});
    CBrickChangeArea* area = AddChangeArea({300.0f, 300.0f}, "Quiet");
    for (int32_t i = 5; i < 10; i++)
        AddNamed("CBrickNormal", "Normal", names[i], {300.0f + 10.0f * (i - 4), 300.0f + 5.0f * (i - 4)});
    area->ArmCountdown(1.0f / 60.0f);
    Run(20);
    ASSERT_EQ(m_pPlayfield->m_pBricks->Count(), 10);
    for (const char* name : names)
    {
        SCOPED_TRACE(name);
        ASSERT_NE(Named(name), nullptr);
        EXPECT_EQ(Named(name)->m_StyleSheet, StyleIndex("Quiet"));
        EXPECT_EQ(Named(name)->GetPlugIns().GetChildCount(), 0u);
    }
}

TEST_F(AreaBricksTest, ChangeAreaWearsItsTargetsLookUnderItsOverlayAndEmitsIdleParticles)
{
    struct Case
    {
        const char* target;
        bool editorBuilding;
        int32_t parts;
    };
    for (const Case& c : {Case{"Quiet", false, 2}, Case{nullptr, false, 1}, Case{"Quiet", true, 1}})
    {
        SCOPED_TRACE(testing::Message() << (c.target != nullptr) << c.editorBuilding);
        GetEditorHooks().LevelEditorBuilding = c.editorBuilding;
        CBrickChangeArea* area = AddChangeArea({300.0f, 300.0f}, c.target);
        GetEditorHooks().LevelEditorBuilding = false;
        EXPECT_EQ(area->GetSprite()->GetPartCount(), c.parts);
        m_pPlayfield->m_pFrontEffects->DeleteAll();
        area->GetSprite()->Update();
        const int32_t burst = m_pPlayfield->m_pFrontEffects->Count();
        EXPECT_GT(burst, 0);
        area->GetSprite()->SetActive(false);
        area->GetSprite()->Update();
        EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), burst) << "a hidden brick emits nothing";
        m_pPlayfield->m_pBricks->DeleteAll();
    }
}

TEST_F(AreaBricksTest, ChangeAreaTakesItsTargetsShapesWhenTheTargetHasThem)
{
    CBrickChangeArea* area = AddChangeArea({300.0f, 300.0f}, "Quiet");
    CBrickStyleSheet* target = Style<CBrickStyleSheet>("Quiet");
    CBrickStyleSheet* own = Style<CBrickStyleSheet>("Change Area");
    Polygon2D triangle;
    triangle.InsertPoint(0.0f, -5.0f, -1);
    triangle.InsertPoint(6.0f, 5.0f, -1);
    triangle.InsertPoint(-6.0f, 5.0f, -1);
    target->m_CollisionPoly = triangle;
    target->m_GridPolygon = triangle;
    EXPECT_EQ(area->GetCollisionPolygon(area->GetSprite()), &target->m_CollisionPoly);
    EXPECT_EQ(area->GetGridPolygon(), &target->m_GridPolygon);
    target->m_CollisionPoly = Polygon2D();
    target->m_GridPolygon = Polygon2D();
    EXPECT_EQ(area->GetCollisionPolygon(area->GetSprite()), &own->m_CollisionPoly);
    EXPECT_EQ(area->GetGridPolygon(), &own->m_GridPolygon);
}

// What a kind draws over the shared editor marks of a basic destructible
// brick.
std::vector<CRecordingFrame::Call> OwnPreview(CBrickBase* brick, int32_t counter, bool selected)
{
    const EditorDrawContext base{nullptr, brick->GetSprite(), counter, selected, 1, selected ? 255 : 0};
    CRecordingFrame shared;
    EditorDrawContext sharedContext = base;
    sharedContext.frame = &shared;
    static_cast<CBrickBasicDestructible*>(brick)->CBrickBasicDestructible::DrawEditorOverlay(sharedContext);
    CRecordingFrame all;
    EditorDrawContext allContext = base;
    allContext.frame = &all;
    brick->DrawEditorOverlay(allContext);
    return {all.calls.begin() + static_cast<std::ptrdiff_t>(shared.calls.size()), all.calls.end()};
}

TEST_F(AreaBricksTest, ExploderAndWavePreviewsGrowAnOctagonAtTheirPace)
{
    struct Case
    {
        const char* kind;
        const char* style;
        int32_t counter;
        float radiusX;
        float radiusY;
        int32_t red;
        int32_t blue;
    };
    // The Exploder grows over 0.1 s (6 frames), the wave over 0.0025 s a
    // pixel of its 100 (15 frames); both hold for 60.
    const Case cases[] = {
        {"CBrickExploder", "Exploder", 3, 30.0f, 18.0f, 255, 0},
        {"CBrickExploder", "Exploder", 6, 60.0f, 36.0f, 255, 0},
        {"CBrickExploder", "Exploder", 65, 60.0f, 36.0f, 255, 0},
        {"CBrickExploder", "Exploder", 66, 0.0f, 0.0f, 255, 0},
        {"CBrickConcussion", "Concussion", 3, 20.0f, 20.0f, 0, 255},
        {"CBrickConcussion", "Concussion", 15, 100.0f, 100.0f, 0, 255},
        {"CBrickConcussion", "Concussion", 75, 0.0f, 0.0f, 0, 255},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.counter);
        CBrickBase* brick = AddBrick(c.kind, c.style, {200.0f, 150.0f});
        EXPECT_TRUE(OwnPreview(brick, c.counter, false).empty());
        const std::vector<CRecordingFrame::Call> lines = OwnPreview(brick, c.counter, true);
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(lines[0].kind, CRecordingFrame::LINE_AA);
        EXPECT_FLOAT_EQ(lines[0].x0, 200.0f + c.radiusX);
        EXPECT_FLOAT_EQ(lines[0].y0, 150.0f);
        EXPECT_FLOAT_EQ(lines[0].x1, 200.0f + 0.707f * c.radiusX);
        EXPECT_FLOAT_EQ(lines[0].y1, 150.0f + 0.707f * c.radiusY);
        EXPECT_FLOAT_EQ(lines[2].x0, 200.0f);
        EXPECT_FLOAT_EQ(lines[2].y0, 150.0f + c.radiusY);
        EXPECT_EQ(lines[0].fillColour.m_Red, c.red);
        EXPECT_EQ(lines[0].fillColour.m_Green, 0);
        EXPECT_EQ(lines[0].fillColour.m_Blue, c.blue);
        EXPECT_EQ(lines[0].fillColour.m_Alpha, 255);
        brick->GetSprite()->Kill();
    }
}

int64_t s_PreviewNanoseconds = 0;

int64_t PreviewClock()
{
    return s_PreviewNanoseconds;
}

// The target look fades in over a second and holds for one; the shared
// blit type it is drawn with gets its opacity back afterwards.
TEST_F(AreaBricksTest, ChangeAreaPreviewShowsItsReachAndFadesInItsTarget)
{
    const NanosecondClock saved = SetNanosecondClock(PreviewClock);
    CBrickChangeArea* area = AddChangeArea({200.0f, 150.0f}, "Quiet");
    CSequenceList& sequences = GetSequenceList();
    CBlitType* blitType =
        sequences.GetItemObject(static_cast<uint32_t>(sequences.Find("Brick", -1)))->GetBlitType();
    struct Case
    {
        int64_t milliseconds;
        int32_t counter;
        float radius;
        float opacity;
    };
    for (const Case& c : {Case{500, 3, 30.0f, 0.5f}, Case{1500, 6, 60.0f, 1.0f}, Case{2250, 68, 20.0f, 0.25f}})
    {
        SCOPED_TRACE(c.milliseconds);
        s_PreviewNanoseconds = c.milliseconds * 1000000;
        const std::vector<CRecordingFrame::Call> calls = OwnPreview(area, c.counter, true);
        ASSERT_GE(calls.size(), 11u);
        EXPECT_NEAR(calls[0].x0, 200.0f + c.radius, 0.01f);
        EXPECT_NEAR(calls[0].y0, 150.0f, 0.01f);
        EXPECT_EQ(calls[0].fillColour.m_Green, 255);
        EXPECT_EQ(calls[0].fillColour.m_Red, 0);
        const CRecordingFrame::Call& blit = calls.back();
        ASSERT_EQ(blit.kind, CRecordingFrame::BLIT);
        EXPECT_EQ(blit.blitType, blitType);
        EXPECT_FLOAT_EQ(blit.opacity, c.opacity);
        EXPECT_EQ(blitType->GetOpacity(), 1.0f);
    }
    area->m_ChangeToBrickStyle = 0;
    for (const CRecordingFrame::Call& call : OwnPreview(area, 6, true))
        EXPECT_EQ(call.kind, CRecordingFrame::LINE_AA) << "no target, nothing to fade in";
    SetNanosecondClock(saved);
}

} // namespace

#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/object/editor_hooks.h"
#include "game/bricks/brick_path_polygon.h"
#include "game/bricks/brick_position_marker.h"
#include "game/playfield/game_sprite.h"
#include "tests/support/brick_test_field.h"
#include "tests/support/object_forms.h"

namespace {

class ScriptMarkerBricksTest : public BrickTestField
{
protected:
    CBrickPathPolygon* AddPath(std::initializer_list<Vector2> points, bool curved)
    {
        auto* path = static_cast<CBrickPathPolygon*>(AddBrick("CBrickPathPolygon", "Path", {134.0f, 73.0f}));
        for (const Vector2& point : points)
            path->m_Polygon.InsertPoint(point.x, point.y, -1);
        path->m_CurvedPath = curved;
        return path;
    }
};

TEST_F(ScriptMarkerBricksTest, PointsAlongThePathAreInPlayfieldCoordinates)
{
    struct Sample
    {
        float t;
        bool open;
        Vector2 expected;
    };
    struct Case
    {
        const char* name;
        std::initializer_list<Vector2> points;
        bool curved;
        std::initializer_list<Sample> samples;
    };
    const Case cases[] = {
        {"straight",
         {{0.0f, 0.0f}, {10.0f, 0.0f}, {10.0f, 30.0f}},
         false,
         {{0.0f, false, {134.0f, 73.0f}}, {0.5f, false, {144.0f, 83.0f}}, {1.0f, false, {144.0f, 103.0f}}}},
        {"curved with three points",
         {{0.0f, 0.0f}, {10.0f, 0.0f}, {10.0f, 30.0f}},
         true,
         {{0.0f, false, {134.0f, 73.0f}}, {0.5f, false, {144.0f, 83.0f}}, {1.0f, false, {144.0f, 103.0f}}}},
        {"curved square",
         {{0.0f, 0.0f}, {10.0f, 0.0f}, {10.0f, 10.0f}, {0.0f, 10.0f}},
         true,
         {{0.0f, false, {134.0f + 10.0f / 3.0f, 73.0f + 10.0f / 6.0f}}}},
        {"open closed polygon",
         {{0.0f, 0.0f}, {10.0f, 0.0f}, {10.0f, 10.0f}, {0.0f, 0.0f}},
         false,
         {{1.0f, true, {144.0f, 83.0f}}, {1.0f, false, {134.0f, 73.0f}}}},
        {"empty", {}, false, {{0.0f, false, {134.0f, 73.0f}}, {1.0f, true, {134.0f, 73.0f}}}},
        {"one point", {{5.0f, 7.0f}}, true, {{0.5f, false, {139.0f, 80.0f}}, {1.0f, true, {139.0f, 80.0f}}}},
        {"open two points",
         {{0.0f, 0.0f}, {10.0f, 0.0f}},
         false,
         {{0.5f, true, {134.0f, 73.0f}}, {1.0f, true, {134.0f, 73.0f}}, {1.0f, false, {144.0f, 73.0f}}}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CBrickPathPolygon* path = AddPath(c.points, c.curved);
        for (const Sample& sample : c.samples)
        {
            const Vector2 point = path->GetPointAt(sample.t, sample.open, -1.0f);
            EXPECT_NEAR(point.x, sample.expected.x, 1e-4f) << sample.t << (sample.open ? " open" : "");
            EXPECT_NEAR(point.y, sample.expected.y, 1e-4f) << sample.t << (sample.open ? " open" : "");
        }
        path->GetSprite()->Kill();
    }
}

TEST_F(ScriptMarkerBricksTest, TheOldCurvedPathKeyStillReads)
{
    CBrickPathPolygon path;
    ASSERT_TRUE(ReadObjectText(&path, "CBrickPathPolygon\r\n{\r\n\tExperimental Curved Path=1\r\n}\r\n"));
    EXPECT_TRUE(path.m_CurvedPath);
    EXPECT_EQ(ObjectText(&path).find("Experimental"), std::string::npos);
}

TEST_F(ScriptMarkerBricksTest, InANormalGameMarkersAreInvisibleAndUntouchable)
{
    const char* const kinds[][2] = {{"CBrickPathPolygon", "Path"}, {"CBrickPositionMarker", "Position Marker"}};
    for (const auto& [kind, style] : kinds)
    {
        SCOPED_TRACE(kind);
        CBrickBase* marker = AddBrick(kind, style, {241.0f, 300.0f});
        EXPECT_EQ(marker->GetSprite()->GetPartCount(), 0);
        EXPECT_TRUE(marker->LetsBallPassThrough(Hitter()));
        EXPECT_FALSE(marker->MustBeDestroyedToFinish());
        EXPECT_TRUE(marker->GetCollisionPolygon(marker->GetSprite())->GetCount() == 0);

        CBrickBase* moving = AddBrick("CBrickNormal", "Quiet", {200.0f, 300.0f});
        bool movedInFull = false;
        moving->Move({10.0f, 0.0f}, true, true, &movedInFull);
        EXPECT_TRUE(movedInFull);
        EXPECT_EQ(marker->GetSprite()->m_Position.x, 241.0f);

        EXPECT_FALSE(marker->DestroyByExplosion(1.0f, 0.0f));
        marker->OnTouchedByShip(nullptr);
        marker->GetSprite()->Update();
        AcidHitQuery query{nullptr, false};
        marker->OnAcidHit(query);
        EXPECT_TRUE(query.refuse);
        EXPECT_FALSE(marker->IsDestroyed());
        marker->GetSprite()->Kill();
        moving->GetSprite()->Kill();
    }
}

TEST_F(ScriptMarkerBricksTest, MarkersShowWhileTheEditorBuildsOrTheGameShowsMarkers)
{
    GetEditorHooks().LevelEditorBuilding = true;
    CBrickBase* built = AddBrick("CBrickPositionMarker", "Position Marker", {100.0f, 100.0f});
    GetEditorHooks().LevelEditorBuilding = false;
    EXPECT_EQ(built->GetSprite()->GetPartCount(), 1);
    EXPECT_STREQ(built->GetDefaultNamePrefix(), "Marker");

    m_pPlayfield->m_ShowMarkers = true;
    CBrickBase* shown = AddBrick("CBrickPathPolygon", "Path", {200.0f, 100.0f});
    EXPECT_EQ(shown->GetSprite()->GetPartCount(), 1);
    EXPECT_STREQ(shown->GetDefaultNamePrefix(), "Path");
    // Shown or not, a path never collides.
    EXPECT_EQ(shown->GetSprite()->m_Flags & SPRITE_COLLIDABLE, 0u);
}

} // namespace

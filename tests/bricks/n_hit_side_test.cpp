#include <gtest/gtest.h>

#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence_list.h"
#include "game/bricks/brick_n_hit_side.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_part.h"
#include "tests/support/brick_test_field.h"

namespace {

// A hitter of the strength the test sets.
class CStrengthHitter : public CTestHitter
{
public:
    float GetHitStrength() const override { return m_Strength; }
    float m_Strength = 1.0f;
};

class NHitSideTest : public BrickTestField
{
protected:
    CBrickNHitSide* AddNHit(const char* style)
    {
        return static_cast<CBrickNHitSide*>(AddBrick("CBrickNHitSide", style, {300.0f, 200.0f}));
    }

    static const char* ShownSequence(CBrickBase* brick)
    {
        CSequence* shown = brick->GetSprite()->GetPart(0)->GetSequence();
        for (const char* name : {"!None", "Brick"})
        {
            if (shown == GetSequenceList().GetByName(name))
                return name;
        }
        return "another";
    }
};

TEST_F(NHitSideTest, HitsShowTheImagesWithTheirSoundsAndTheOneAfterTheLastDestroys)
{
    struct Hit
    {
        float strength;
        bool withHitter;
        const char* sound;
        const char* shown;
        bool destroyed;
    };
    struct Case
    {
        const char* name;
        std::vector<Hit> hits;
    };
    const Case cases[] = {
        {"whole hits",
         {{1.0f, true, "Clink.wav", "!None", false},
          {1.0f, true, "Clink.wav", "Brick", false},
          {1.0f, true, "Pop Brick.wav", "Brick", true}}},
        {"small ball",
         {{0.5f, true, "Partial Damage.wav", "Brick", false},
          {0.5f, true, "Clink.wav", "!None", false},
          {0.5f, true, "Partial Damage.wav", "!None", false},
          {0.5f, true, "Clink.wav", "Brick", false}}},
        {"no hitter", {{0.5f, false, "Clink.wav", "!None", false}, {0.5f, false, "Clink.wav", "Brick", false}}},
    };
    CStrengthHitter hitter;
    CGameSprite hitterSprite;
    hitter.m_pSprite = &hitterSprite;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CBrickNHitSide* brick = AddNHit("N Hit");
        for (const Hit& hit : c.hits)
        {
            hitter.m_Strength = hit.strength;
            const int32_t plays = SoundPlays(hit.sound);
            brick->HitByBallOrShot(hit.withHitter ? &hitter : nullptr, {0.0f, 1.0f});
            EXPECT_EQ(SoundPlays(hit.sound), plays + 1);
            EXPECT_EQ(brick->IsDestroyed(), hit.destroyed);
            EXPECT_STREQ(ShownSequence(brick), hit.shown);
        }
    }
}

TEST_F(NHitSideTest, NearlyIndestructibleTopBouncesTwentyFourHitsFromAboveAndTheTwentyFifthDestroys)
{
    CBrickNHitSide* brick = AddNHit("N Hit Top");
    const int32_t plays = SoundPlays("Brick Turned Off.wav");
    for (int32_t i = 0; i < 24; i++)
        EXPECT_FALSE(brick->HitByBallOrShot(Hitter(), {0.0f, -1.0f}));
    EXPECT_EQ(SoundPlays("Brick Turned Off.wav"), plays + 24);
    EXPECT_TRUE(brick->HitByBallOrShot(Hitter(), {0.0f, -1.0f}));
    EXPECT_TRUE(brick->IsDestroyed());
    EXPECT_EQ(brick->m_HitCount, 0u);
}

TEST_F(NHitSideTest, AFlatContactIsJudgedByTheBottomEdge)
{
    CBrickNHitSide* top = AddNHit("N Hit Top");
    EXPECT_TRUE(top->HitByBallOrShot(Hitter(), {1.0f, 0.0f}));
    EXPECT_EQ(top->m_IndestructibleHitCount, 0u);
    CBrickNHitSide* bottom = AddNHit("N Hit Bottom");
    EXPECT_FALSE(bottom->HitByBallOrShot(Hitter(), {1.0f, 0.0f}));
    EXPECT_EQ(bottom->m_IndestructibleHitCount, 1u);
}

TEST_F(NHitSideTest, AVariationWithFewerEntriesThanTheImagesIsNeverShown)
{
    for (uint32_t seed = 0; seed < 12; seed++)
    {
        GameRandom().SeedFromTick(seed);
        CBrickNHitSide* brick = AddNHit("N Hit");
        brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f});
        EXPECT_STREQ(ShownSequence(brick), "!None") << seed;
        brick->GetSprite()->Kill();
    }
}

TEST_F(NHitSideTest, ANearlyIndestructibleEdgeIsOnlyVulnerableFromThirtyPixelsAway)
{
    CBrickNHitSide* bottom = AddNHit("N Hit Bottom");
    CBrickNHitSide* top = AddNHit("N Hit Top");
    CBrickNHitSide* normal = AddNHit("N Hit");
    // d.y is the brick's y minus the point's: positive above the brick.
    struct Case
    {
        CBrickNHitSide* brick;
        float dy;
        bool vulnerable;
    };
    for (const Case& c : {Case{bottom, 29.0f, false}, Case{bottom, 30.0f, true}, Case{top, -29.0f, false},
                          Case{top, -30.0f, true}, Case{normal, 0.0f, true}})
        EXPECT_EQ(c.brick->IsVulnerableFrom({300.0f, 200.0f - c.dy}), c.vulnerable) << c.dy;
}

TEST_F(NHitSideTest, ASavedCountPastTheImagesDestroysAtTheNextHit)
{
    auto* brick = static_cast<CBrickNHitSide*>(GetClassRegistry().CreateByName("CBrickNHitSide"));
    brick->m_HitCount = 5;
    AddBrick(brick, "N Hit", {300.0f, 200.0f});
    EXPECT_TRUE(brick->HitByBallOrShot(Hitter(), {0.0f, 1.0f}));
    EXPECT_TRUE(brick->IsDestroyed());
}

} // namespace

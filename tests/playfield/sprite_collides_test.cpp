#include <gtest/gtest.h>

#include <memory>

#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "game/playfield/game_sprite.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/sequence_fixtures.h"
#include "tests/support/sprite_fixtures.h"

namespace {

// Opaque 4 x 4 frames with their hot spot at the upper-left pixel.
class PixelCollision : public testing::Test
{
protected:
    PixelCollision()
        : m_Opaque(ReadTestSequence({}))
        , m_Ring(ReadTestSequence({}))
    {
        m_Opaque->AddFrame(MakeSolidFrame(4, 4, 0x1234), false, false);
        // Opaque only along its border: the middle 2 x 2 is transparent.
        CFrame* ring = MakeSolidFrame(4, 4, 0x0F0F);
        for (int32_t y = 1; y < 3; y++)
            for (int32_t x = 1; x < 3; x++)
                WritePixel(*ring, x, y, 0);
        m_Ring->AddFrame(ring, false, false);
    }

    static void Place(CSprite& sprite, CSequence* sequence, float x, float y)
    {
        sprite.SetSequence(sequence);
        sprite.SetPosition(Vector2{x, y});
    }

    std::unique_ptr<CSequence> m_Opaque;
    std::unique_ptr<CSequence> m_Ring;
};

TEST_F(PixelCollision, OpaqueFramesOverlappingByOnePixelCollide)
{
    const struct
    {
        float x;
        float y;
        bool hit;
    } cases[] = {
        {3.0f, 3.0f, true}, {4.0f, 3.0f, false}, {-3.0f, 0.0f, true}, {0.0f, -4.0f, false}, {3.4f, 2.6f, true}};
    for (const auto& c : cases)
    {
        CSprite a;
        CSprite b;
        Place(a, m_Opaque.get(), 0.0f, 0.0f);
        Place(b, m_Opaque.get(), c.x, c.y);
        EXPECT_EQ(a.Collides(&b), c.hit) << c.x << "," << c.y;
        EXPECT_EQ(b.Collides(&a), c.hit) << c.x << "," << c.y;
    }
}

TEST_F(PixelCollision, OverlappingBoundsOverTransparentPixelsOnlyDoNot)
{
    CSprite ring;
    CSprite dot;
    Place(ring, m_Ring.get(), 0.0f, 0.0f);
    CSequence dotSequence;
    dotSequence.AddFrame(MakeSolidFrame(2, 2, 0x00FF), false, false);
    Place(dot, &dotSequence, 1.0f, 1.0f);
    EXPECT_FALSE(ring.Collides(&dot));
    EXPECT_FALSE(dot.Collides(&ring));
    dot.SetPosition(Vector2{2.0f, 2.0f});
    EXPECT_TRUE(ring.Collides(&dot));
}

TEST_F(PixelCollision, PartsCollideAtTheirOffsetsAndOnlyWithTheCollidableFlag)
{
    CGameSprite multi;
    multi.AddPart(m_Opaque.get());
    multi.AddPart(m_Opaque.get());
    multi.GetPart(0)->m_Flags = PART_VISIBLE;
    multi.GetPart(1)->SetOffset(20.0f, 0.0f);
    multi.SetPosition(Vector2{0.0f, 0.0f});

    CSprite other;
    Place(other, m_Opaque.get(), 1.0f, 1.0f);
    EXPECT_FALSE(multi.Collides(&other));
    EXPECT_FALSE(other.Collides(&multi));
    other.SetPosition(Vector2{22.0f, 1.0f});
    EXPECT_TRUE(multi.Collides(&other));
    EXPECT_TRUE(other.Collides(&multi));
    multi.GetPart(1)->m_Flags = PART_VISIBLE;
    EXPECT_FALSE(multi.Collides(&other));
}

} // namespace

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/app/sound/sound.h"
#include "engine/app/sound/sound_list.h"
#include "engine/blit/blit_normal.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence.h"
#include "game/playfield/animate_sprite_ai.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_list.h"
#include "game/playfield/sprite_sound.h"
#include "tests/support/sprite_recording_fixture.h"

namespace {

// Loops every part of its game sprite by one step per update.
class CLoopPartsAI : public CSpriteAI
{
public:
    void Update(CSprite* sprite, int32_t) override
    {
        CGameSprite* parts = static_cast<CGameSprite*>(sprite);
        for (int32_t i = 0; i < parts->GetPartCount(); i++)
            parts->GetPart(i)->AdvanceLooping();
    }
};

struct Blit
{
    const CFrameInterface* source;
    float x;
    float y;

    bool operator==(const Blit&) const = default;
};

typedef std::vector<std::vector<Blit>> BlitLog;

BlitLog ToBlits(const std::vector<std::vector<CRecordingFrame::Call>>& frames)
{
    BlitLog log;
    for (const auto& frame : frames)
    {
        log.emplace_back();
        for (const CRecordingFrame::Call& call : frame)
            log.back().push_back(Blit{call.source, call.x0, call.y0});
    }
    return log;
}

class SpriteReplay : public SpriteRecordingTest
{
protected:
    void SetUp() override
    {
        SpriteRecordingTest::SetUp();
        m_pSpark = m_Sequences.Add("Effects/Spark", MakeSolidSequence(3, 4, 4, 100, 30.0f));
        m_pBurst = m_Sequences.Add("Effects/Burst", MakeSolidSequence(4, 8, 6, 200, 45.0f));
        m_pShip = m_Sequences.Add("Ship", MakeSolidSequence(1, 20, 10, 300));
    }

    Vector2 RandomPoint()
    {
        return Vector2{GameRandom().BetweenFloat(0.0f, 640.0f), GameRandom().BetweenFloat(0.0f, 600.0f)};
    }
    Vector2 RandomVelocity()
    {
        return Vector2{GameRandom().BetweenFloat(-6.0f, 6.0f), GameRandom().BetweenFloat(-6.0f, 6.0f)};
    }

    // A scene of plain sprites, two-part sprites looping their parts and
    // effects animating themselves to death, with a new effect every ten
    // frames and a sound every fifteen. Answers the recording's path and
    // fills what was drawn, frame by frame.
    std::string RecordScene(uint32_t seed, BlitLog& drawn)
    {
        GameRandom().SeedFromTick(seed);
        CSpriteList list;
        for (int i = 0; i < 4; i++)
        {
            CSprite* spark = new CSprite;
            spark->SetSequence(m_pSpark);
            spark->m_FrameIndex = static_cast<int32_t>(GameRandom().Below(3));
            spark->SetPosition(RandomPoint());
            spark->m_Velocity = RandomVelocity();
            list.Append(spark);
        }
        for (int i = 0; i < 2; i++)
        {
            CGameSprite* ship = new CGameSprite;
            ship->AddPart(m_pShip);
            ship->AddPart(m_pBurst);
            ship->GetPart(1)->RandomizeProgress();
            ship->GetPart(1)->SetOffset(12.0f, -4.0f);
            ship->AddAI(new CLoopPartsAI);
            ship->SetPosition(RandomPoint());
            ship->m_Velocity = RandomVelocity();
            ship->m_Damping = 1.0f;
            list.Append(ship);
        }
        drawn.clear();
        return Record(60, [&](int32_t frame) {
            if (frame % 10 == 0)
            {
                CSprite* effect = new CSprite;
                effect->SetSequence(m_pBurst);
                effect->AddAI(new CAnimateSpriteAI(0.5f));
                effect->SetPosition(RandomPoint());
                list.Append(effect);
            }
            if (frame % 15 == 7)
                PlaySpriteSound("B.wav");
            list.UpdateAndReap();
            CRecordingFrame target;
            list.Draw(&target);
            drawn.push_back(ToBlits({target.calls})[0]);
        });
    }

    CSequence* m_pSpark = nullptr;
    CSequence* m_pBurst = nullptr;
    CSequence* m_pShip = nullptr;
};

TEST_F(SpriteReplay, ARecordedSceneReplaysTheSameFramesAtTheSamePlacesWithNormal)
{
    BlitLog drawn;
    const std::string path = RecordScene(1234, drawn);
    StopSounds();
    const auto replayed = Replay(path);
    ASSERT_EQ(replayed.size(), 60u);
    EXPECT_EQ(ToBlits(replayed), drawn);
    size_t blits = 0;
    for (const auto& frame : replayed)
        for (const CRecordingFrame::Call& call : frame)
        {
            EXPECT_EQ(call.blitType, &GetBlitNormal());
            blits++;
        }
    // Sparks, ship hulls and their parts, and the living effects.
    EXPECT_GT(blits, 60u * 8u);
    EXPECT_TRUE(GetSoundList().GetSound(1)->IsPlaying());
}

TEST_F(SpriteReplay, TwoRecordingsOfOneSeedAreByteIdentical)
{
    BlitLog first;
    BlitLog second;
    BlitLog other;
    const std::string a = RecordScene(99, first);
    const std::string b = RecordScene(99, second);
    const std::string c = RecordScene(100, other);
    const std::string bytes = FileBytes(a.substr(m_Folder.Path().size()));
    EXPECT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes, FileBytes(b.substr(m_Folder.Path().size())));
    EXPECT_NE(bytes, FileBytes(c.substr(m_Folder.Path().size())));
    EXPECT_EQ(first, second);
}

} // namespace

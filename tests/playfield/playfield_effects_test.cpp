#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/demo_recorder.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "game/playfield/effect_records.h"
#include "game/playfield/effect_sprite_ai.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/fnv1a.h"
#include "tests/support/scoped_fatal_throw.h"
#include "tests/support/sprite_fixtures.h"
#include "tests/support/stream_bits.h"

namespace {

// A playfield with the pictures "Spark" (4 frames) and "Long" (200 frames),
// both at one frame a step, and the generators "!None" and "Sparks" (20
// particles of "Spark", 60 pixels a second in every direction).
class PlayfieldEffects : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        m_Sequences.Add("!None", MakeSolidSequence(0, 1, 1, 0));
        m_pSpark = m_Sequences.Add("Spark", MakeSolidSequence(4, 5, 5, 1, 60.0f));
        m_pLong = m_Sequences.Add("Long", MakeSolidSequence(200, 2, 2, 9, 60.0f));
        GetParticleGeneratorList().DeleteAllItems();
        AddGenerator("!None", 0, {});
        m_Sparks = AddGenerator("Sparks", 20, {{Index(m_pSpark), 1}});
        GameRandom().SeedFromTick(4242);
        m_pPlayfield = std::make_unique<CPlayfield>();
    }

    void TearDown() override
    {
        CDemoRecorder& recorder = CDemoRecorder::Get();
        recorder.StopRecording();
        recorder.StopPlaying();
        m_pPlayfield.reset();
        GetParticleGeneratorList().DeleteAllItems();
        ArchiveTestFolder::TearDown();
    }

    static int32_t Index(CSequence* sequence) { return GetSequenceList().IndexOfObject(sequence); }

    static int32_t AddGenerator(const char* name, uint32_t particles,
                                const std::vector<std::pair<int32_t, uint32_t>>& types, float velocity = 60.0f,
                                float cone = 6.2831855f)
    {
        CParticleGeneratorInfo* generator = new CParticleGeneratorInfo;
        generator->SetDefaults();
        generator->m_Particles = particles;
        generator->m_Velocity = velocity;
        generator->m_ConeAngle = cone;
        for (const auto& [sequence, weight] : types)
        {
            CParticleType& type = generator->AddType();
            type.m_ParticleType = sequence;
            type.m_Weight = weight;
        }
        return GetParticleGeneratorList().AddItemWithObject(generator, name);
    }

    static std::vector<CSprite*> Sprites(const CSpriteList* list)
    {
        std::vector<CSprite*> sprites;
        for (CSprite* sprite = list->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
            sprites.push_back(sprite);
        return sprites;
    }

    CSprite* SpawnLong(CSpriteList* list = nullptr)
    {
        return m_pPlayfield->SpawnAnimatedEffectSprite(false, m_pLong, Vector2{100.0f, 100.0f}, list, nullptr,
                                                       nullptr, 1.0f);
    }

    ListedSequences m_Sequences;
    CSequence* m_pSpark = nullptr;
    CSequence* m_pLong = nullptr;
    int32_t m_Sparks = 0;
    std::unique_ptr<CPlayfield> m_pPlayfield;
};

TEST_F(PlayfieldEffects, AnEffectPlaysItsSequenceWhereItIsPut)
{
    const Vector2 velocity{1.5f, -2.0f};
    const Vector2 acceleration{0.0f, 0.25f};
    CSprite* effect = m_pPlayfield->SpawnAnimatedEffectSprite(false, m_pSpark, Vector2{2.5f, 3.5f}, nullptr,
                                                              &velocity, &acceleration, 0.5f);
    ASSERT_EQ(Sprites(m_pPlayfield->m_pFrontEffects), std::vector<CSprite*>{effect});
    EXPECT_EQ(effect->m_DrawnPosition.x, 2);
    EXPECT_EQ(effect->m_DrawnPosition.y, 4);
    EXPECT_EQ(effect->m_pSequence, m_pSpark);
    EXPECT_EQ(effect->m_pBlitType, m_pSpark->GetBlitType());
    EXPECT_EQ(effect->m_Velocity.x, 1.5f);
    EXPECT_EQ(effect->m_Acceleration.y, 0.25f);
    EXPECT_EQ(effect->m_Damping, 0.95f);
    const CEffectSpriteAI* animation =
        static_cast<const CEffectSpriteAI*>(effect->FindAI(CEffectSpriteAI::SGetClassInfo()));
    ASSERT_NE(animation, nullptr);
    EXPECT_FLOAT_EQ(animation->GetSpeed(), 0.5f);
    EXPECT_EQ(effect->m_Flags & SPRITE_NOT_RECORDED, 0u);

    CSprite* back = SpawnLong(m_pPlayfield->m_pBackEffects);
    EXPECT_EQ(Sprites(m_pPlayfield->m_pBackEffects), std::vector<CSprite*>{back});
}

TEST_F(PlayfieldEffects, TheLiveCountFollowsTheEffectBehavioursAndFactorZeroStaysOnItsFirstFrame)
{
    CSpriteList& front = *m_pPlayfield->m_pFrontEffects;
    for (int i = 0; i < 3; i++)
        m_pPlayfield->SpawnAnimatedEffectSprite(false, m_pSpark, Vector2{10.0f, 10.0f}, nullptr, nullptr, nullptr,
                                                1.0f);
    CSprite* still = m_pPlayfield->SpawnAnimatedEffectSprite(false, m_pSpark, Vector2{10.0f, 10.0f}, nullptr,
                                                             nullptr, nullptr, 0.0f);
    EXPECT_EQ(GetLiveEffectCount(), 3u);
    for (int update = 1; update <= 4; update++)
    {
        EXPECT_EQ(GetLiveEffectCount(), 3u) << update;
        front.UpdateAndReap();
    }
    EXPECT_EQ(GetLiveEffectCount(), 0u);
    for (int update = 0; update < 500; update++)
        front.UpdateAndReap();
    EXPECT_EQ(Sprites(&front), std::vector<CSprite*>{still});
    EXPECT_EQ(still->m_FrameIndex, 0);

    for (int i = 0; i < 5; i++)
        SpawnLong();
    EXPECT_EQ(GetLiveEffectCount(), 5u);
    m_pPlayfield->ClearAllLists();
    EXPECT_EQ(GetLiveEffectCount(), 0u);
}

TEST_F(PlayfieldEffects, BurstsThinWithTheLiveEffects)
{
    for (int i = 0; i < 750; i++)
        SpawnLong(m_pPlayfield->m_pBackEffects);
    m_pPlayfield->SpawnSparks(Vector2{300.0f, 200.0f}, BURST_DISC, 8.0f, 0.0f, 0.0f, m_Sparks, nullptr, nullptr);
    EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), 10);
    m_pPlayfield->m_pFrontEffects->DeleteAll();
    for (int i = 0; i < 250; i++)
        SpawnLong(m_pPlayfield->m_pBackEffects);
    EXPECT_EQ(GetLiveEffectCount(), 1000u);
    m_pPlayfield->SpawnSparks(Vector2{300.0f, 200.0f}, BURST_DISC, 8.0f, 0.0f, 0.0f, m_Sparks, nullptr, nullptr);
    EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), 0);
}

TEST_F(PlayfieldEffects, HitSparksWithSoundFlyFromOnePointTheRadiusBack)
{
    CSprite ball;
    ball.SetPosition(Vector2{300.0f, 200.0f});
    m_pPlayfield->SpawnHitSparks(&ball, 8, true, 0.0f, m_Sparks);
    const std::vector<CSprite*> sparks = Sprites(m_pPlayfield->m_pFrontEffects);
    ASSERT_EQ(sparks.size(), 20u);
    for (const CSprite* spark : sparks)
    {
        EXPECT_EQ(spark->m_Position.x, 292.0f);
        EXPECT_EQ(spark->m_Position.y, 200.0f);
    }
    m_pPlayfield->ClearAllLists();
    m_pPlayfield->SpawnHitSparks(&ball, 8, false, 0.0f, m_Sparks);
    for (const CSprite* spark : Sprites(m_pPlayfield->m_pFrontEffects))
        EXPECT_LE(std::hypot(spark->m_Position.x - 300.0f, spark->m_Position.y - 200.0f), 8.01f);
}

TEST_F(PlayfieldEffects, BreakParticlesCoverTheBrickWithTheStyleSheetsTypes)
{
    CParticleGeneratorInfo styleSheet;
    styleSheet.SetDefaults();
    CParticleType& type = styleSheet.AddType();
    type.m_ParticleType = Index(m_pLong);
    CSprite brick;
    brick.SetPosition(Vector2{300.0f, 200.0f});
    m_pPlayfield->SpawnBreakParticles(&brick, m_Sparks, &styleSheet.m_ParticleTypes);
    const std::vector<CSprite*> pieces = Sprites(m_pPlayfield->m_pFrontEffects);
    ASSERT_EQ(pieces.size(), 20u);
    for (const CSprite* piece : pieces)
    {
        EXPECT_EQ(piece->m_pSequence, m_pLong);
        EXPECT_LE(std::fabs(piece->m_Position.x - 300.0f), 19.75f);
        EXPECT_LE(std::fabs(piece->m_Position.y - 200.0f), 11.0f);
    }
    m_pPlayfield->SpawnSparksInList(Vector2{50.0f, 50.0f}, 2.0f, 2.0f, 0.0f, m_Sparks, m_pPlayfield->m_pBackEffects);
    EXPECT_EQ(m_pPlayfield->m_pBackEffects->Count(), 20);
}

TEST_F(PlayfieldEffects, EffectsKeepOutOfRecordedDrawsWhileRecording)
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    SpawnLong();
    m_pPlayfield->SpawnSparks(Vector2{300.0f, 200.0f}, BURST_BOX, 8.0f, 8.0f, 0.0f, m_Sparks, nullptr, nullptr);
    recorder.StopRecording();
    const std::vector<CSprite*> recorded = Sprites(m_pPlayfield->m_pFrontEffects);
    ASSERT_EQ(recorded.size(), 21u);
    for (const CSprite* sprite : recorded)
        EXPECT_NE(sprite->m_Flags & SPRITE_NOT_RECORDED, 0u);
    EXPECT_EQ(SpawnLong()->m_Flags & SPRITE_NOT_RECORDED, 0u);
}

// Weights that summed as float shares walked past the last type; a count
// from a file made a burst of billions.
TEST_F(PlayfieldEffects, GeneratorsFromDamagedFilesStayBounded)
{
    std::vector<std::pair<int32_t, uint32_t>> twelve(12, {Index(m_pSpark), 1});
    const int32_t even = AddGenerator("Twelve", 12, twelve);
    m_pPlayfield->SpawnSparks(Vector2{300.0f, 200.0f}, BURST_DISC, 4.0f, 0.0f, 0.0f, even, nullptr, nullptr);
    EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), 12);

    const int32_t weightless = AddGenerator("Weightless", 12, {{Index(m_pSpark), 0}, {Index(m_pLong), 0}});
    m_pPlayfield->ClearAllLists();
    m_pPlayfield->SpawnSparks(Vector2{300.0f, 200.0f}, BURST_DISC, 4.0f, 0.0f, 0.0f, weightless, nullptr, nullptr);
    EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), 0);

    const int32_t huge = AddGenerator("Huge", 4000000000u, {{Index(m_pSpark), 1}});
    m_pPlayfield->SpawnSparks(Vector2{300.0f, 200.0f}, BURST_DISC, 4.0f, 0.0f, 0.0f, huge, nullptr, nullptr);
    EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), static_cast<int32_t>(kMaxBurstParticles));
}

// The bits a record's arguments take, after a first record has sent the
// lists' counts and names.
class EffectRecordBits : public PlayfieldEffects
{
protected:
    void SetUp() override
    {
        PlayfieldEffects::SetUp();
        m_Stream.SelectCalls(0);
        m_Reference.SelectCalls(0);
        for (CMessageStream* stream : {&m_Stream, &m_Reference})
        {
            stream->WriteSymbol(Index(m_pSpark), GetSequenceList());
            stream->WriteSymbol(m_Sparks, GetParticleGeneratorList());
        }
    }

    template <typename Write>
    static std::string Bits(CMessageStream& stream, Write write)
    {
        const uint32_t start = stream.GetLength() * 8;
        write(stream);
        stream.WriteBits(1, 1);
        return BitsBeforeEndMark(stream, start);
    }

    CMessageStream m_Stream;
    CMessageStream m_Reference;
};

TEST_F(EffectRecordBits, AnEffectWithoutExtrasHasThreeZeroBitsBeforeThePosition)
{
    const Vector2 at{123.0f, 456.0f};
    const std::string bits = Bits(m_Stream, [&](CMessageStream& s) {
        WriteEffectRecordArguments(s, Index(m_pSpark), 1, at, nullptr, nullptr, 1.0f);
    });
    const std::string expected = Bits(m_Reference, [&](CMessageStream& s) {
        s.WriteSymbol(Index(m_pSpark), GetSequenceList());
        s.WriteRangedValue(1, 2);
        s.WriteBits(0, 3);
        s.WriteCoordinatePair(at, -110, 910, 0, 0);
    });
    EXPECT_EQ(bits, expected);
    // A velocity sets the first flag.
    const Vector2 velocity{1.0f, 2.0f};
    const std::string withVelocity = Bits(m_Stream, [&](CMessageStream& s) {
        WriteEffectRecordArguments(s, Index(m_pSpark), 1, at, &velocity, nullptr, 1.0f);
    });
    const std::string flagged = Bits(m_Reference, [&](CMessageStream& s) {
        s.WriteSymbol(Index(m_pSpark), GetSequenceList());
        s.WriteRangedValue(1, 2);
        s.WriteBits(1, 3);
        s.WriteCoordinatePair(at, -110, 910, 0, 0);
        s.WriteInt(0x3F800000);
        s.WriteInt(0x40000000);
    });
    EXPECT_EQ(withVelocity, flagged);
}

TEST_F(EffectRecordBits, SmallSparksSendARadiusUpToThirtyOrElseTheAngleByte)
{
    const struct
    {
        float radius;
        float angle;
        uint32_t sentRadius;
        uint8_t sentAngle;
    } cases[] = {{50.0f, 1.0f, 30, 0}, {8.7f, 1.0f, 8, 0}, {0.0f, 0.0f, 0, 127}, {0.0f, -7.0f, 0, 0},
                 {0.0f, 7.0f, 0, 255}, {0.0f, std::nanf(""), 0, 0}};
    for (const auto& c : cases)
    {
        const CBurstPlace place{{200.0f, 300.0f}, BURST_DISC, c.radius, 0.0f, c.angle};
        ASSERT_TRUE(IsSmallSparksRecord(place, nullptr));
        const std::string bits =
            Bits(m_Stream, [&](CMessageStream& s) { WriteSparksRecordArguments(s, true, m_Sparks, 2, place); });
        const std::string expected = Bits(m_Reference, [&](CMessageStream& s) {
            s.WriteSymbol(m_Sparks, GetParticleGeneratorList());
            s.WriteBool(c.radius != 0.0f);
            if (c.radius != 0.0f)
                s.WriteRangedValue(c.sentRadius, 30);
            else
                s.WriteByte(c.sentAngle);
            s.WriteCoordinatePair(place.centre, -110, 910, 0, 0);
        });
        EXPECT_EQ(bits, expected) << c.radius << " " << c.angle;
    }
}

TEST_F(EffectRecordBits, OnlyDiscsWithoutSecondSizeOrStyleSheetTypesTakeTheSmallFormat)
{
    CParticleGeneratorInfo styleSheet;
    styleSheet.SetDefaults();
    EXPECT_TRUE(IsSmallSparksRecord({{0.0f, 0.0f}, BURST_DISC, 8.0f, 0.0f, 0.0f}, nullptr));
    EXPECT_FALSE(IsSmallSparksRecord({{0.0f, 0.0f}, BURST_DISC, 8.0f, 3.0f, 0.0f}, nullptr));
    EXPECT_FALSE(IsSmallSparksRecord({{0.0f, 0.0f}, BURST_BOX, 8.0f, 0.0f, 0.0f}, nullptr));
    EXPECT_FALSE(IsSmallSparksRecord({{0.0f, 0.0f}, BURST_DISC, 8.0f, 0.0f, 0.0f}, &styleSheet.m_ParticleTypes));

    const CBurstPlace place{{200.0f, 300.0f}, BURST_BOX, 45.0f, 19.0f, 0.0f};
    const std::string bits =
        Bits(m_Stream, [&](CMessageStream& s) { WriteSparksRecordArguments(s, false, m_Sparks, 7, place); });
    const std::string expected = Bits(m_Reference, [&](CMessageStream& s) {
        s.WriteSymbol(m_Sparks, GetParticleGeneratorList());
        s.WriteRangedValue(2, 2);
        s.WriteRangedValue(30, 30);
        s.WriteBits(15, 4);
        s.WriteByte(127);
        s.WriteCoordinatePair(place.centre, -110, 910, 0, 0);
    });
    EXPECT_EQ(bits, expected);
}

// Recording and replaying through the demo recorder into this playfield.
class EffectReplay : public PlayfieldEffects
{
protected:
    std::string Record(int32_t frames, const std::function<void(int32_t)>& frame)
    {
        CDemoRecorder& recorder = CDemoRecorder::Get();
        recorder.StartRecording();
        for (int32_t i = 0; i < frames; i++)
        {
            frame(i);
            recorder.EndFrame();
        }
        recorder.StopRecording();
        const std::string path = m_Folder.Path() + "Effects" + std::to_string(m_Recordings++) + ".Demo";
        recorder.Save(path.c_str(), 0);
        return path;
    }

    // Replays frame by frame, stepping the effect lists after each frame as
    // a playback does, and calls the check after each frame.
    void Replay(const std::string& path, const std::function<void(int32_t)>& afterFrame = nullptr)
    {
        CDemoRecorder& recorder = CDemoRecorder::Get();
        recorder.PlayFile(path.c_str(), 0);
        for (int32_t frame = 0; recorder.IsPlaying(); frame++)
        {
            recorder.PlayFrame();
            if (afterFrame)
                afterFrame(frame);
            StepEffects();
        }
    }

    void StepEffects()
    {
        for (int32_t code = 0; code < 9; code++)
            m_pPlayfield->GetListByCode(code)->UpdateAndReap();
    }

    // Every sprite of every list: where it is, how it moves, what it shows.
    uint64_t HashLists() const
    {
        uint64_t hash = FNV1A_START;
        for (int32_t code = 0; code < 9; code++)
        {
            for (const CSprite* sprite : Sprites(m_pPlayfield->GetListByCode(code)))
            {
                const float values[] = {static_cast<float>(code), sprite->m_Position.x,     sprite->m_Position.y,
                                        sprite->m_Velocity.x,     sprite->m_Velocity.y,     sprite->m_Acceleration.y,
                                        sprite->m_FramePosition,  static_cast<float>(Index(sprite->m_pSequence))};
                hash = Fnv1a(hash, reinterpret_cast<const uint8_t*>(values), sizeof values);
            }
        }
        return hash;
    }

    int32_t m_Recordings = 0;
};

TEST_F(EffectReplay, ReplaysSpawnIntoTheListOfTheSentCode)
{
    const std::string path = Record(1, [&](int32_t) {
        SpawnLong(m_pPlayfield->m_pBackEffects);
        SpawnLong(m_pPlayfield->m_pBricks);
        m_pPlayfield->SpawnSparks(Vector2{50.0f, 60.0f}, BURST_DISC, 3.0f, 2.0f, 0.0f, m_Sparks, nullptr,
                                  m_pPlayfield->m_pBackEffects);
        m_pPlayfield->SpawnSparks(Vector2{50.0f, 60.0f}, BURST_DISC, 3.0f, 0.0f, 0.0f, m_Sparks, nullptr,
                                  m_pPlayfield->m_pBackEffects);
    });
    m_pPlayfield->ClearAllLists();
    Replay(path, [&](int32_t) {
        // The effect of the back list, then the full-format burst; the small
        // one has no list and comes in front, with the bricks' effect
        // (codes above 2 travel as 2).
        EXPECT_EQ(m_pPlayfield->m_pBackEffects->Count(), 21);
        EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), 21);
        EXPECT_EQ(m_pPlayfield->m_pBricks->Count(), 0);
    });
}

TEST_F(EffectReplay, ASeededReplayCarriesTheRecordedArgumentsAndRepeatsItsSprites)
{
    const std::string path = Record(60, [&](int32_t frame) {
        const Vector2 velocity{0.5f * static_cast<float>(frame), -1.0f};
        const Vector2 rise{0.0f, -0.04f};
        m_pPlayfield->SpawnAnimatedEffectSprite(false, m_pLong, Vector2{100.0f + frame, 200.0f},
                                                m_pPlayfield->m_pBackEffects, &velocity,
                                                frame % 2 == 0 ? &rise : nullptr, 1.5f);
        m_pPlayfield->SpawnSparks(Vector2{300.0f, 100.0f + frame}, frame % 3 == 0 ? BURST_BOX : BURST_DISC,
                                  6.0f, frame % 2 == 0 ? 0.0f : 3.0f, 0.1f * frame, m_Sparks, nullptr, nullptr);
        StepEffects();
    });
    m_pPlayfield->ClearAllLists();

    std::vector<uint64_t> hashes;
    for (int run = 0; run < 2; run++)
    {
        GameRandom().SeedFromTick(99);
        Replay(path, [&](int32_t frame) {
            const CSprite* effect = m_pPlayfield->m_pBackEffects->GetTail();
            ASSERT_NE(effect, nullptr);
            EXPECT_EQ(effect->m_Position.x, 100.0f + frame);
            EXPECT_EQ(effect->m_Velocity.x, 0.5f * static_cast<float>(frame));
            EXPECT_EQ(effect->m_Acceleration.y, frame % 2 == 0 ? -0.04f : 0.0f);
            EXPECT_FLOAT_EQ(
                static_cast<const CEffectSpriteAI*>(effect->FindAI(CEffectSpriteAI::SGetClassInfo()))->GetSpeed(),
                1.5f);
        });
        hashes.push_back(HashLists());
        m_pPlayfield->ClearAllLists();
    }
    EXPECT_EQ(hashes[0], hashes[1]);
}

TEST_F(EffectReplay, AnEffectOfAnUnlistedSequenceWritesNoRecord)
{
    std::unique_ptr<CSequence> loose(MakeSolidSequence(3, 2, 2, 1, 60.0f));
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    const uint32_t before = recorder.GetStream().GetLength();
    m_pPlayfield->SpawnAnimatedEffectSprite(false, loose.get(), Vector2{1.0f, 1.0f}, nullptr, nullptr, nullptr, 1.0f);
    EXPECT_EQ(recorder.GetStream().GetLength(), before);
    recorder.StopRecording();
}

TEST_F(EffectReplay, ANonFiniteVelocityIsDamagedData)
{
    const std::string path = Record(1, [&](int32_t) {
        const Vector2 velocity{1.0f, 1.0f};
        m_pPlayfield->SpawnAnimatedEffectSprite(false, m_pLong, Vector2{1.0f, 1.0f}, nullptr, &velocity, nullptr,
                                                1.0f);
    });
    // The velocity's x is the first raw float after the position.
    std::string bytes = FileBytes(path.substr(m_Folder.Path().size()));
    const float one = 1.0f;
    const size_t at = bytes.find(std::string(reinterpret_cast<const char*>(&one), 4));
    ASSERT_NE(at, std::string::npos);
    const float infinite = INFINITY;
    bytes.replace(at, 4, std::string(reinterpret_cast<const char*>(&infinite), 4));
    m_Folder.WriteFile("Damaged.Demo", bytes);
    m_pPlayfield->ClearAllLists();
    ScopedFatalThrow fatal;
    EXPECT_THROW(Replay(m_Folder.Path() + "Damaged.Demo"), FatalReportThrown);
    EXPECT_EQ(m_pPlayfield->m_pFrontEffects->Count(), 0);
}

} // namespace

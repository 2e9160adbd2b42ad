#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/app/demo_recorder.h"
#include "engine/app/sound/sound.h"
#include "engine/app/sound/sound_list.h"
#include "engine/blit/blit_normal.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/sprite_sound.h"
#include "tests/support/stream_bits.h"
#include "tests/support/sprite_recording_fixture.h"

namespace {

class SpriteRecords : public SpriteRecordingTest
{
protected:
    void SetUp() override
    {
        SpriteRecordingTest::SetUp();
        m_pOne = m_Sequences.Add("One", MakeSolidSequence(1, 4, 4, 10));
        m_pThree = m_Sequences.Add("Three", MakeSolidSequence(3, 4, 4, 20));
    }

    CSequence* m_pOne = nullptr;
    CSequence* m_pThree = nullptr;
};

TEST_F(SpriteRecords, DrawnPositionsReplayClampedToTheRecordedRange)
{
    const struct
    {
        float x;
        float y;
        float replayedX;
        float replayedY;
    } cases[] = {{-190.0f, 830.0f, -190.0f, 830.0f},
                 {830.0f, -190.0f, 830.0f, -190.0f},
                 {-500.0f, 1000.0f, -190.0f, 830.0f},
                 {123.5f, 44.0f, 124.0f, 44.0f}};
    const std::string path = Record(1, [&](int32_t) {
        CRecordingFrame target;
        for (const auto& c : cases)
        {
            CSprite sprite;
            sprite.SetSequence(m_pOne);
            sprite.SetPosition(Vector2{c.x, c.y});
            sprite.Draw(&target);
        }
    });
    const auto frames = Replay(path);
    ASSERT_EQ(frames.size(), 1u);
    ASSERT_EQ(frames[0].size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); i++)
    {
        // The frames' hot spots lie 2 pixels in from their upper-left corner.
        EXPECT_EQ(frames[0][i].x0, cases[i].replayedX - 2.0f) << i;
        EXPECT_EQ(frames[0][i].y0, cases[i].replayedY - 2.0f) << i;
        EXPECT_EQ(frames[0][i].blitType, &GetBlitNormal()) << i;
        EXPECT_EQ(frames[0][i].source, m_pOne->GetFrame(0)) << i;
    }
}

TEST_F(SpriteRecords, TheFrameIndexTravelsOnlyForSequencesOfTwoFramesOrMore)
{
    CMessageStream stream;
    stream.SelectCalls(0);
    // The first records send the list's count and the entries' names.
    CSprite::RecordDraw(stream, 0, 0, 10, 10);
    CSprite::RecordDraw(stream, 1, 2, 10, 10);
    auto bitsOf = [&](int32_t sequenceIndex, int32_t frameIndex) {
        const uint32_t start = stream.GetLength() * 8;
        CSprite::RecordDraw(stream, sequenceIndex, frameIndex, 10, 10);
        stream.WriteBits(1, 1);
        return BitsBeforeEndMark(stream, start);
    };
    const std::string one = bitsOf(0, 0);
    const std::string three = bitsOf(1, 2);
    ASSERT_EQ(three.size(), one.size() + 2);
    // LSB first: 2 is "01".
    EXPECT_EQ(three.substr(three.size() - 2), "01");
    EXPECT_EQ(bitsOf(1, 1).substr(three.size() - 2), "10");

    const std::string path = Record(1, [&](int32_t) {
        CRecordingFrame target;
        for (int32_t frame : {2, 0, 1})
        {
            CSprite sprite;
            sprite.SetSequence(m_pThree);
            sprite.m_FrameIndex = frame;
            sprite.Draw(&target);
        }
    });
    const auto frames = Replay(path);
    ASSERT_EQ(frames.size(), 1u);
    ASSERT_EQ(frames[0].size(), 3u);
    EXPECT_EQ(frames[0][0].source, m_pThree->GetFrame(2));
    EXPECT_EQ(frames[0][1].source, m_pThree->GetFrame(0));
    EXPECT_EQ(frames[0][2].source, m_pThree->GetFrame(1));
}

TEST_F(SpriteRecords, UnrecordedSpritesShadowsAndOffListSequencesWriteNothing)
{
    std::unique_ptr<CSequence> stranger(MakeSolidSequence(1, 4, 4, 30));
    CRecordingFrame target;
    const std::string path = Record(1, [&](int32_t) {
        CSprite quiet;
        quiet.SetSequence(m_pOne);
        quiet.m_Flags |= SPRITE_NOT_RECORDED;
        quiet.Draw(&target);
        CSprite shadowed;
        shadowed.SetSequence(m_pOne);
        shadowed.DrawShadow(&target);
        CSprite unlisted;
        unlisted.SetSequence(stranger.get());
        unlisted.Draw(&target);
        CGameSprite parts;
        parts.AddPart(stranger.get());
        parts.AddPart(m_pThree);
        parts.GetPart(1)->SetProgress(-0.5);
        parts.Draw(&target);
    });
    // Drawn: the quiet sprite, the shadow, the unlisted sprite, the part of
    // the unlisted sequence; the part before its first frame is no frame.
    EXPECT_EQ(target.calls.size(), 4u);
    const auto frames = Replay(path);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0].empty());
    const std::string empty = Record(1, [](int32_t) {});
    EXPECT_EQ(FileBytes(path.substr(m_Folder.Path().size())), FileBytes(empty.substr(m_Folder.Path().size())));
}

TEST_F(SpriteRecords, PartsRecordEachVisibleDrawAtItsOffset)
{
    const std::string path = Record(1, [&](int32_t) {
        CRecordingFrame target;
        CGameSprite sprite;
        sprite.AddPart(m_pOne);
        sprite.AddPart(m_pThree);
        sprite.AddPart(m_pThree);
        sprite.GetPart(1)->SetProgress(0.9);
        sprite.GetPart(1)->SetOffset(5.0f, -7.0f);
        sprite.GetPart(2)->m_Flags = PART_COLLIDABLE;
        sprite.SetPosition(Vector2{100.0f, 60.0f});
        sprite.Draw(&target);
    });
    const auto frames = Replay(path);
    ASSERT_EQ(frames.size(), 1u);
    ASSERT_EQ(frames[0].size(), 2u);
    EXPECT_EQ(frames[0][0].source, m_pOne->GetFrame(0));
    EXPECT_EQ(frames[0][0].x0, 98.0f);
    EXPECT_EQ(frames[0][1].source, m_pThree->GetFrame(2));
    EXPECT_EQ(frames[0][1].x0, 103.0f);
    EXPECT_EQ(frames[0][1].y0, 51.0f);
}

TEST_F(SpriteRecords, SoundsOutsideTheListPlayAndRecordNothing)
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    const uint32_t length = recorder.GetStream().GetLength();
    PlaySpriteSound(0);
    PlaySpriteSound(-1);
    PlaySpriteSound(3);
    PlaySpriteSound("Unknown.wav");
    PlaySpriteSound("A.wav");
    EXPECT_EQ(recorder.GetStream().GetLength(), length);
    EXPECT_FALSE(AnySoundPlaying());
    recorder.StopRecording();
}

TEST_F(SpriteRecords, ASoundPlaysIsRecordedMarksTheStreamChangedAndReplays)
{
    CDemoRecorder& recorder = CDemoRecorder::Get();
    const std::string path = Record(1, [&](int32_t) {
        // Only the sound may mark the stream changed: the opening goes.
        recorder.GetStream().Rewind();
        CRecordingFrame target;
        CSprite sprite;
        sprite.SetSequence(m_pOne);
        sprite.Draw(&target);
        EXPECT_FALSE(recorder.GetStream().HasChanged());
        PlaySpriteSound("c.ogg");
        EXPECT_TRUE(recorder.GetStream().HasChanged());
    });
    EXPECT_TRUE(GetSoundList().GetSound(2)->IsPlaying());
    StopSounds();
    EXPECT_FALSE(AnySoundPlaying());

    // The bytes as written, now with their opening again.
    const std::string full = Record(1, [&](int32_t) { PlaySpriteSound(2); });
    StopSounds();
    const auto frames = Replay(full);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(GetSoundList().GetSound(2)->IsPlaying());
    EXPECT_FALSE(GetSoundList().IsItemLoaded(1));
}

} // namespace

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "engine/app/demo_recorder.h"
#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "game/playfield/ball_count_down_options.h"
#include "game/playfield/sprite.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/sprite_fixtures.h"
#include "tests/support/stream_bits.h"

namespace {

// A dirty-rectangle frame that logs every blit that reaches its pixels,
// with what the frame's clip and mark mode were at that moment.
class CLoggingDirtyFrame : public CDirtyRectFrame
{
public:
    struct Blit
    {
        const CFrameInterface* source;
        CRect sourceRect;
        CRect destination;
        const CBlitType* blitType;
        int32_t markMode;
        CRect bounds;
    };

    CLoggingDirtyFrame() { Create(800, 600, 16); }

    void BlitClipped(CFrameInterface* source, const CRect& sourceRect, const CRect& destinationRect,
                     CBlitType* blitType) override
    {
        CRect bounds;
        GetBounds(bounds);
        blits.push_back(Blit{source, sourceRect, destinationRect, blitType, GetMarkMode(), bounds});
        CDirtyRectFrame::BlitClipped(source, sourceRect, destinationRect, blitType);
    }

    std::vector<const CFrameInterface*> Sources() const
    {
        std::vector<const CFrameInterface*> sources;
        for (const Blit& blit : blits)
            sources.push_back(blit.source);
        return sources;
    }

    std::vector<Blit> blits;
};

// A rectangle's edges, which the tests compare and print.
std::tuple<int32_t, int32_t, int32_t, int32_t> Edges(const CRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

constexpr CRect kClip = {11, 10, 626, 600};
constexpr CRect kWholeFrame = {0, 0, 800, 600};

class PlayfieldDrawTest : public PlayfieldTest
{
protected:
    void SetUp() override
    {
        PlayfieldTest::SetUp();
        for (int32_t code = 0; code < 9; code++)
            m_ListSequences[code] = m_Sequences.Add("List " + std::to_string(code),
                                                    MakeSolidSequence(1, 8, 8, static_cast<uint16_t>(100 + code)));
        m_pTwoFrames = m_Sequences.Add("Moving Weeds", MakeSolidSequence(2, 40, 40, 300));
        m_pOneFrame = m_Sequences.Add("Still Weeds", MakeSolidSequence(1, 40, 40, 400));
    }

    void TearDown() override
    {
        CDemoRecorder& recorder = CDemoRecorder::Get();
        recorder.StopRecording();
        recorder.StopPlaying();
        recorder.SetTargetFrame(nullptr);
        m_pPlayfield->ClearAllLists();
        GetFrameList().DeleteAllItems();
        PlayfieldTest::TearDown();
    }

    // One sprite of its own sequence in each of the nine lists.
    void PutASpriteInEveryList()
    {
        for (int32_t code = 0; code < 9; code++)
        {
            CSprite* sprite = new CSprite;
            sprite->SetSequence(m_ListSequences[code]);
            sprite->SetPosition(Vector2{100.0f + 40.0f * static_cast<float>(code), 300.0f});
            m_pPlayfield->GetListByCode(code)->Append(sprite);
        }
    }

    const CFrameInterface* ListPicture(int32_t code) const { return m_ListSequences[code]->GetFrame(0); }

    // A frame added to "Frames" under the name.
    static CFrame* AddFrame(const char* name, int32_t width, int32_t height)
    {
        CFrame* frame = MakeSolidFrame(width, height, 0x1234);
        GetFrameList().AddItemWithObject(frame, name);
        return frame;
    }

    ListedSequences m_Sequences;
    CSequence* m_ListSequences[9] = {};
    CSequence* m_pTwoFrames = nullptr;
    CSequence* m_pOneFrame = nullptr;
};

// The lists in drawing order, by code.
const int32_t kDrawnListOrder[] = {0, 1, 7, 5, 8, 6, 3, 4, 2};

TEST_F(PlayfieldDrawTest, RecordedFrameReplaysEveryListInOrderInsideTheClip)
{
    PutASpriteInEveryList();
    m_pPlayfield->m_pMidgroundSequence = m_pTwoFrames;
    m_pPlayfield->m_GameOver = true;
    CFrame* gameOver = AddFrame("Game Over", 415, 100);

    CLoggingDirtyFrame drawn;
    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    m_pPlayfield->Draw(&drawn);
    recorder.EndFrame();
    recorder.StopRecording();
    const std::string path = m_Folder.Path() + "Frame.Demo";
    recorder.Save(path.c_str(), 0);

    std::vector<const CFrameInterface*> expected;
    for (int32_t code : kDrawnListOrder)
    {
        expected.push_back(ListPicture(code));
        if (code == 0)
            expected.push_back(m_pTwoFrames->GetFrameAtTime());
    }
    expected.push_back(gameOver);
    EXPECT_EQ(drawn.Sources(), expected);
    for (size_t i = 0; i + 1 < drawn.blits.size(); i++)
        EXPECT_EQ(Edges(drawn.blits[i].bounds), Edges(kClip)) << i;
    EXPECT_EQ(Edges(drawn.blits.back().bounds), Edges(kWholeFrame));

    // The replay has the same lists: each list record draws the list's
    // sprite, then the sprite's own record draws it again; the "Game Over"
    // picture is not in the recording.
    CLoggingDirtyFrame replayed;
    recorder.SetTargetFrame(&replayed);
    recorder.PlayFile(path.c_str(), 0);
    recorder.PlayFrame();
    std::vector<const CFrameInterface*> replayExpected;
    for (int32_t code : kDrawnListOrder)
    {
        replayExpected.push_back(ListPicture(code));
        replayExpected.push_back(ListPicture(code));
        if (code == 0)
            replayExpected.push_back(m_pTwoFrames->GetFrameAtTime());
    }
    EXPECT_EQ(replayed.Sources(), replayExpected);
    for (const CLoggingDirtyFrame::Blit& blit : replayed.blits)
        EXPECT_EQ(Edges(blit.bounds), Edges(kClip));
    CRect after;
    replayed.GetBounds(after);
    EXPECT_EQ(Edges(after), Edges(kWholeFrame));
}

TEST_F(PlayfieldDrawTest, ListCodesZeroAndEightTakeFourBits)
{
    CMessageStream stream;
    stream.SelectCalls(0);
    // The first record sends the call's name.
    m_pPlayfield->RecordDrawSpriteList(stream, m_pPlayfield->m_pShip);
    auto bitsOf = [&](int32_t code) {
        const uint32_t start = stream.GetLength() * 8;
        m_pPlayfield->RecordDrawSpriteList(stream, m_pPlayfield->GetListByCode(code));
        stream.WriteBits(1, 1);
        return BitsBeforeEndMark(stream, start).size();
    };
    const size_t threeBits = bitsOf(1);
    for (int32_t code = 0; code < 9; code++)
        EXPECT_EQ(bitsOf(code), threeBits + (code == 0 || code == 8 ? 1 : 0)) << code;
}

TEST_F(PlayfieldDrawTest, ReplayWhileRecordingWritesTheSameRecords)
{
    CMessageStream source;
    source.SelectCalls(0);
    m_pPlayfield->RecordClipRect(source, true);
    m_pPlayfield->RecordDrawSpriteList(source, m_pPlayfield->m_pBricks);
    m_pPlayfield->RecordDrawMidLayer(source);
    m_pPlayfield->RecordClipRect(source, false);

    CDemoRecorder& recorder = CDemoRecorder::Get();
    recorder.StartRecording();
    const uint32_t start = recorder.GetStream().GetLength();
    for (int32_t i = 0; i < 4; i++)
        source.DispatchMessage();
    const std::vector<uint8_t> written = StreamBytes(recorder.GetStream());
    recorder.StopRecording();
    const std::vector<uint8_t> original = StreamBytes(source);
    EXPECT_EQ(std::vector<uint8_t>(written.begin() + start, written.end()), original);
}

TEST_F(PlayfieldDrawTest, DetailLevelDecidesMidGroundAndShadows)
{
    PutASpriteInEveryList();
    CBackgroundDefinition shadows;
    shadows.m_DrawShadows = true;
    shadows.m_ShadowOffset = CPoint{4, 6};
    m_pPlayfield->SetBackground(&shadows);
    CFrame* background = AddFrame("Sand", 800, 600);
    m_pPlayfield->m_pBackgroundImage = background;
    m_pPlayfield->m_pMidgroundSequence = m_pTwoFrames;

    ScopedPlayfieldHooks::s_DetailLevel = 1;
    CLoggingDirtyFrame plain;
    m_pPlayfield->Draw(&plain);
    std::vector<const CFrameInterface*> lists;
    for (int32_t code : kDrawnListOrder)
        lists.push_back(ListPicture(code));
    EXPECT_EQ(plain.Sources(), lists);
    CLoggingDirtyFrame staticPass;
    m_pPlayfield->DrawBackground(&staticPass);
    EXPECT_EQ(staticPass.Sources(), std::vector<const CFrameInterface*>{background});

    ScopedPlayfieldHooks::s_DetailLevel = 2;
    CLoggingDirtyFrame full;
    m_pPlayfield->Draw(&full);
    ASSERT_EQ(full.blits.size(), 2u + 6u + 8u);
    EXPECT_EQ(full.blits[1].source, m_pTwoFrames->GetFrameAtTime());
    EXPECT_EQ(full.blits[1].markMode, CDirtyRectFrame::MARK_NORMAL);
    const int32_t shadowOrder[] = {7, 5, 8, 6, 3, 4};
    for (int32_t i = 0; i < 6; i++)
    {
        const CLoggingDirtyFrame::Blit& shadow = full.blits[2 + static_cast<size_t>(i)];
        const int32_t code = shadowOrder[i];
        EXPECT_EQ(shadow.source, ListPicture(code)) << code;
        // The 8 x 8 picture is centred on the sprite's position.
        EXPECT_EQ(shadow.destination.left, 100 + 40 * code - 4 + 4) << code;
        EXPECT_EQ(shadow.destination.top, 300 - 4 + 6) << code;
    }
    EXPECT_EQ(full.GetMarkMode(), CDirtyRectFrame::MARK_NORMAL);
}

// A still mid-ground belongs to the static background; the main pass only
// refreshes it where something moved.
TEST_F(PlayfieldDrawTest, StillMidGroundIsStaticAndOnlyRefreshedInTheMainPass)
{
    m_pPlayfield->m_pMidgroundSequence = m_pOneFrame;
    CLoggingDirtyFrame staticPass;
    m_pPlayfield->DrawBackground(&staticPass);
    ASSERT_EQ(staticPass.blits.size(), 1u);
    EXPECT_EQ(staticPass.blits[0].source, m_pOneFrame->GetFrame(0));
    EXPECT_EQ(staticPass.blits[0].blitType, &GetBlitNormal());

    CLoggingDirtyFrame main;
    m_pPlayfield->Draw(&main);
    ASSERT_EQ(main.blits.size(), 1u);
    EXPECT_EQ(main.blits[0].markMode, CDirtyRectFrame::MARK_ONLY_DIRTY);
    EXPECT_EQ(main.GetMarkMode(), CDirtyRectFrame::MARK_NORMAL);
}

// Centred on the playfield across and on the whole frame down, halved with
// its sign: a picture wider than the playfield starts left of it.
TEST_F(PlayfieldDrawTest, GameOverPictureIsCentredOnThePlayfield)
{
    const struct
    {
        int32_t width;
        int32_t height;
        int32_t x;
        int32_t y;
    } cases[] = {{415, 100, 111, 250}, {700, 100, -31, 250}, {100, 700, 268, -50}};
    m_pPlayfield->m_GameOver = true;
    for (const auto& c : cases)
    {
        GetFrameList().DeleteAllItems();
        AddFrame("Game Over", c.width, c.height);
        CLoggingDirtyFrame frame;
        m_pPlayfield->Draw(&frame);
        ASSERT_EQ(frame.blits.size(), 1u) << c.width;
        const CLoggingDirtyFrame::Blit& blit = frame.blits[0];
        EXPECT_EQ(blit.destination.left - blit.sourceRect.left, c.x) << c.width;
        EXPECT_EQ(blit.destination.top - blit.sourceRect.top, c.y) << c.width;
        EXPECT_EQ(blit.blitType, &GetBlitTransparentMask());
        EXPECT_LE(blit.destination.right, 800);
    }
    GetFrameList().DeleteAllItems();
    CLoggingDirtyFrame without;
    m_pPlayfield->Draw(&without);
    EXPECT_TRUE(without.blits.empty());
}

// The seconds over each ball after a pause: whole seconds rounded up, the
// picture and the number placed by the options, each left out when the
// options name none.
class PlayfieldCountDownTest : public PlayfieldDrawTest
{
protected:
    void SetUp() override
    {
        m_Folder.WriteFile("Data/Resources/Ball Count Down Display Options.Object.txt",
                           "CBallCountDownDisplayOptions\r\n{\r\n\tFont X=3\r\n\tFont Y=-20\r\n"
                           "\tFrame X=-5\r\n\tFrame Y=-40\r\n}\r\n");
        PlayfieldDrawTest::SetUp();
        // Index 0 of each list stands for none.
        for (const char* name : {"A Filler", "Digits"})
        {
            CBlockFont* font = new CBlockFont(10);
            for (uint32_t digit = 1; digit <= 3; digit++)
                StoreBlockGlyph(*font, '0' + digit, 2 * digit, 10);
            GetFontLibrary().AddItemWithObject(font, name);
        }
        AddFrame("A Filler", 4, 4);
        m_pBubble = AddFrame("Bubble", 20, 12);
        CBallCountDownDisplayOptions* options = GetBallCountDownOptions();
        options->m_FontToUse = GetFontLibrary().Find("Digits", -1);
        options->m_FrameToUse = GetFrameList().Find("Bubble", -1);
        ASSERT_GT(options->m_FontToUse, 0);
        ASSERT_GT(options->m_FrameToUse, 0);
        for (float x : {200.7f, 400.2f})
        {
            CSprite* ball = new CSprite;
            ball->SetPosition(Vector2{x, 300.9f});
            m_pPlayfield->m_pBallsInPlay->Append(ball);
        }
        m_pPlayfield->m_ScoreBoardShown = true;
    }

    void TearDown() override
    {
        GetFontLibrary().DeleteAllItems();
        PlayfieldDrawTest::TearDown();
    }

    CFrame* m_pBubble = nullptr;
};

TEST_F(PlayfieldCountDownTest, SecondsShowOverEveryBall)
{
    const struct
    {
        float guard;
        int32_t digit;
    } cases[] = {{2.5f, 3}, {1.2f, 2}, {0.001f, 1}};
    for (const auto& c : cases)
    {
        m_pPlayfield->m_ResumeGuard = c.guard;
        CLoggingDirtyFrame frame;
        m_pPlayfield->DrawOverlays(&frame);
        ASSERT_EQ(frame.blits.size(), 4u) << c.guard;
        for (size_t ball = 0; ball < 2; ball++)
        {
            const int32_t x = ball == 0 ? 200 : 400;
            const CLoggingDirtyFrame::Blit& picture = frame.blits[2 * ball];
            const CLoggingDirtyFrame::Blit& number = frame.blits[2 * ball + 1];
            EXPECT_EQ(picture.source, m_pBubble);
            EXPECT_EQ(picture.destination.left, x - 5);
            EXPECT_EQ(picture.destination.top, 300 - 40);
            // A glyph twice the digit wide, centred on x + 3.
            EXPECT_EQ(number.destination.right - number.destination.left, 2 * c.digit) << c.guard;
            EXPECT_EQ(number.destination.left, x + 3 - c.digit) << c.guard;
        }
    }

    CBallCountDownDisplayOptions* options = GetBallCountDownOptions();
    options->m_FontToUse = 0;
    CLoggingDirtyFrame pictureOnly;
    m_pPlayfield->DrawOverlays(&pictureOnly);
    EXPECT_EQ(pictureOnly.Sources(), (std::vector<const CFrameInterface*>{m_pBubble, m_pBubble}));
    options->m_FrameToUse = 0;
    CLoggingDirtyFrame neither;
    m_pPlayfield->DrawOverlays(&neither);
    EXPECT_TRUE(neither.blits.empty());

    options->m_FrameToUse = GetFrameList().Find("Bubble", -1);
    m_pPlayfield->m_ScoreBoardShown = false;
    CLoggingDirtyFrame noScoreBoard;
    m_pPlayfield->DrawOverlays(&noScoreBoard);
    EXPECT_TRUE(noScoreBoard.blits.empty());
}

TEST_F(PlayfieldDrawTest, ThumbnailIsCapturedOnceInTheFirstFrameOfPlay)
{
    ASSERT_TRUE(m_pPlayfield->NewGame(1, 1, false, false, false, false));
    CTestRound* round = m_Rounds[1].get();
    CLoggingDirtyFrame frame;
    m_pPlayfield->DrawOverlays(&frame);
    EXPECT_TRUE(round->m_Captures.empty());
    Step();
    ASSERT_FALSE(m_pPlayfield->IsLayingBricks());
    m_pPlayfield->DrawOverlays(&frame);
    m_pPlayfield->DrawOverlays(&frame);
    EXPECT_EQ(round->m_Captures, std::vector<bool>{false});
}

} // namespace

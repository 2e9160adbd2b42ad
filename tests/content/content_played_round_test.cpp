#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "content/tree_hash.h"
#include "engine/app/demo_recorder.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/blit/blit_shadow.h"
#include "engine/core/color/color.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/platform/tick_counter.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_starfish_goal.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite.h"
#include "game/records/stats.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/fnv1a.h"
#include "tests/support/headless_play_driver.h"
#include "tests/support/kept_pictures.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/scoped_fatal_throw.h"
#include "tests/content/played_content.h"

namespace {

// The goldens: each follows from the play logic and the generated content
// alone, so it changes only when one of them does.
constexpr uint32_t kFinalPictureCrc = 0xC2712BFF;
constexpr uint64_t kRecordingHash = 0xD70F2D571FD4C07A;
constexpr uint64_t kReplayedDrawsHash = 0x48EB659AC3743A0C;

constexpr int32_t kPictureInterval = 60;
constexpr int64_t kStepNanoseconds = 16666667;
// The first round is cleared within five minutes of play; a round the
// driver cannot clear fails the test instead of hanging it.
constexpr int32_t kMostSteps = 5 * 60 * 60;
// Each standard round is played this long before its bricks are broken.
constexpr int32_t kDrivenSteps = 600;
// Factories keep making bricks until they break: past this many steps
// the breaking has run away.
constexpr int32_t kMostBreakingSteps = 2000;
// The key code the event pump reports for Enter.
constexpr int32_t kEnterKey = 13;
constexpr const char* kMenuRound = "Main Menu Start";
constexpr const char* kStandardSet = "Vantrell Pellucine Standard";
constexpr const char* kFirstRound = "Rounds/Standard/Round 01";
// Round 01's bricks are Normal "Common/Blue" bricks, worth 10 each.
constexpr uint32_t kPointsPerBrick = 10;
// The cues of the playfield and the brick layer, played by name: a demo
// does not carry them.
const char* const kRoundCues[] = {"Start Round.wav", "Ball In Play.wav", "Level Ending Tune.wav", "Lost Ball.wav",
                                  "Game Over.wav",   "Brick Placed.WAV"};

// One draw as a replay can repeat it: the sequence and frame drawn (-1
// for a picture of no sequence) and where.
struct Draw
{
    int32_t sequence;
    int32_t frame;
    int32_t x;
    int32_t y;

    bool operator==(const Draw&) const = default;
};

typedef std::vector<std::pair<int32_t, int32_t>> SoundCounts;

// One frame of a run: its draws and the sounds that started.
struct RunFrame
{
    std::vector<Draw> draws;
    SoundCounts sounds;

    bool operator==(const RunFrame&) const = default;
};

// The frame the playfield draws into, which logs what reaches its pixels
// while asked (shadows left out: no record carries them).
class CLoggingScreen : public CDirtyRectFrame
{
public:
    CLoggingScreen() { Create(800, 600, 16); }

    void BlitClipped(CFrameInterface* source, const CRect& sourceRect, const CRect& destinationRect,
                     CBlitType* blitType) override
    {
        if (m_Logging && blitType != &GetBlitAsShadow())
            draws.push_back(Identify(source, destinationRect));
        CDirtyRectFrame::BlitClipped(source, sourceRect, destinationRect, blitType);
    }

    void SetLogging(bool on) { m_Logging = on; }

    std::vector<Draw> draws;

private:
    static Draw Identify(const CFrameInterface* source, const CRect& destination)
    {
        CSequenceList& sequences = GetSequenceList();
        for (uint32_t i = 0; i < sequences.GetCount(); i++)
        {
            if (!sequences.IsItemLoaded(i))
                continue;
            CSequence* sequence = sequences.GetItemObject(i);
            for (uint32_t f = 0; f < sequence->GetFrameCount(); f++)
            {
                if (sequence->GetFrame(f) == source)
                    return Draw{static_cast<int32_t>(i), static_cast<int32_t>(f), destination.left, destination.top};
            }
        }
        return Draw{-1, -1, destination.left, destination.top};
    }

    bool m_Logging = false;
};

// What a played run leaves.
struct PlayedRun
{
    int32_t steps = 0;
    int32_t ballsAtClear = 0;
    float secondsExpected = 0.0f;
    std::vector<std::vector<float>> positions;
    std::vector<RunFrame> frames;
    uint32_t finalCrc = 0;
};

uint64_t HashFrames(const std::vector<RunFrame>& frames)
{
    uint64_t hash = FNV1A_START;
    for (const RunFrame& frame : frames)
    {
        for (const Draw& draw : frame.draws)
        {
            const int32_t fields[] = {draw.sequence, draw.frame, draw.x, draw.y};
            hash = Fnv1a(hash, reinterpret_cast<const uint8_t*>(fields), sizeof fields);
        }
        for (const auto& [sound, count] : frame.sounds)
        {
            const int32_t fields[] = {sound, count};
            hash = Fnv1a(hash, reinterpret_cast<const uint8_t*>(fields), sizeof fields);
        }
        const uint8_t endOfFrame = 0xFF;
        hash = Fnv1a(hash, &endOfFrame, 1);
    }
    return hash;
}

// A copy of the generated data folder, played on its standard round set,
// with the sounds of the ship that the content does not make yet. The
// content's own "Brick Layer" lays each round.
class PlayedRoundTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        ASSERT_TRUE(GetSoundManager().Init());
        GetSoundManager().SetSoundLimit(16);
        ScopedTempFolder& generated = GeneratedContentOnce();
        SetDataFolder("Data");
        std::filesystem::copy(generated.Path() + "Data", m_Folder.Path() + "Data",
                              std::filesystem::copy_options::recursive);
        WriteShipSoundsTheContentLacks(m_Folder);

        InitCatalogueLibrary(GetFrameList(), LIBRARY_FRAMES);
        InitCatalogueLibrary(GetSequenceList(), LIBRARY_SEQUENCES);
        AddPlayfieldSequences(m_Sequences);
        GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
        // A replayed burst draws fresh random values, so its sparks could
        // never match the recorded run's: the bursts of the balls and the
        // thrusters, which fire every few frames, become stand-ins whose one
        // particle has no picture.
        for (const char* burst : {"Ball Hit Wall", "Ball Hit Wall Small", "Ball Hit Ship", "Ball Hit Ship Small",
                                  "Ball Hit Brick", "Ball Hit Brick Small", "Ship Thruster"})
            std::filesystem::remove(m_Folder.Path() + "Data/Resources/" + burst + ".PGen");
        InitCatalogueLibrary(GetParticleGeneratorList(), LIBRARY_PARTICLE_GENERATORS);
        AddBallParticleGenerators();
        InitBrickStyleSheetLibrary();
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
        // Reading a theme draws from the random generators: every theme is
        // read before the runs seed them, so each run starts alike.
        for (uint32_t i = 0; i < GetBackgroundLibrary().GetCount(); i++)
            GetBackgroundLibrary().GetItemObject(i);
        InitCatalogueLibrary(GetGeneralObjectList(), LIBRARY_GENERAL_OBJECTS);
        InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
        InitCatalogueLibrary(GetRoundSetLibrary(), LIBRARY_ROUND_SETS);
        const int32_t set = GetRoundSetLibrary().Find(kStandardSet, -1);
        ASSERT_NE(set, -1);
        m_SetIndex = static_cast<uint32_t>(set);
        const int32_t firstRound = GetRoundLibrary().Find(kFirstRound, -1);
        ASSERT_NE(firstRound, -1);
        m_FirstRoundBricks = GetRoundLibrary().GetItemObject(static_cast<uint32_t>(firstRound))->GetBrickCount();
    }

    void TearDown() override
    {
        CDemoRecorder& recorder = CDemoRecorder::Get();
        recorder.StopRecording();
        recorder.StopPlaying();
        recorder.SetTargetFrame(nullptr);
        m_pPlayfield.reset();
        ReleaseGameLibraries();
        ArchiveTestFolder::TearDown();
    }

    // A fresh game of the guest on the standard set, every generator seeded.
    void StartGame(int32_t detailLevel) { StartSeededGame(m_pPlayfield, m_SetIndex, 4501, detailLevel); }

    // Draws the frame as the game does: the static layers into the
    // background frame when the round's look changed, then the round
    // over what the last frame dirtied.
    void DrawFrame()
    {
        if (m_pPlayfield->m_pBackgroundDefinition != m_pDrawnBackground)
        {
            m_pDrawnBackground = m_pPlayfield->m_pBackgroundDefinition;
            m_Static.Fill(ColorBlack);
            m_pPlayfield->DrawBackground(&m_Static);
            m_Screen.InvalidateAll();
        }
        m_Screen.Clear();
        m_Screen.draws.clear();
        m_Screen.SetLogging(true);
        m_pPlayfield->Draw(&m_Screen);
        m_Screen.SetLogging(false);
        m_pPlayfield->DrawOverlays(&m_Screen);
    }

    // The sounds started since the last call, by list index, less the
    // playfield's own cues.
    SoundCounts TakeSounds()
    {
        CSoundList& sounds = GetSoundList();
        m_SoundUses.resize(sounds.GetCount(), 0);
        SoundCounts started;
        for (uint32_t i = 0; i < sounds.GetCount(); i++)
        {
            const int32_t uses = sounds.GetUsage(i).m_TotalUses;
            if (uses != m_SoundUses[i] && !IsRoundCue(sounds.GetNameString(i)))
                started.emplace_back(static_cast<int32_t>(i), uses - m_SoundUses[i]);
            m_SoundUses[i] = uses;
        }
        return started;
    }

    static bool IsRoundCue(const CString& name)
    {
        for (const char* cue : kRoundCues)
        {
            if (name.CompareNoCase(CString(cue)) == 0)
                return true;
        }
        return false;
    }

    static std::vector<float> SpritePositions(const CPlayfield& playfield)
    {
        std::vector<float> positions;
        for (int32_t code = 0; code <= CPlayfield::LIST_BALLS_IN_PLAY; code++)
        {
            for (CSprite* sprite = playfield.GetListByCode(code)->GetHead(); sprite != nullptr;
                 sprite = sprite->GetNext())
            {
                positions.push_back(sprite->m_Position.x);
                positions.push_back(sprite->m_Position.y);
            }
        }
        return positions;
    }

    // Plays round 0 with the driver until the next round has begun, one
    // drawn frame a step, a picture every 60 steps.
    PlayedRun Play(int32_t detailLevel, CKeptPictures& pictures)
    {
        PlayedRun run;
        StartGame(detailLevel);
        m_pDrawnBackground = nullptr;
        m_Static.Create(800, 600, 16);
        m_Screen.SetBackgroundFrame(&m_Static);
        TakeSounds();
        CHeadlessPlayDriver driver(*m_pPlayfield, ScopedPlayfieldHooks::s_Controls);
        CDemoRecorder& recorder = CDemoRecorder::Get();
        while (driver.GetSteps() < kMostSteps && !(m_pPlayfield->m_RoundIndex == 1 && HasBegunPlay()))
        {
            // The records count the seconds of steps begun in play.
            if (!m_pPlayfield->m_RoundCleared && !m_pPlayfield->IsLayingBricks())
                run.secondsExpected += CPlayfield::kStepSeconds;
            const bool clearedBefore = m_pPlayfield->m_RoundCleared;
            driver.Step();
            AdvanceFakeClock(kStepNanoseconds);
            if (!clearedBefore && m_pPlayfield->m_RoundCleared)
                run.ballsAtClear = m_pPlayfield->m_pBallsInPlay->Count();
            DrawFrame();
            if (recorder.IsRecording())
                recorder.EndFrame();
            run.positions.push_back(SpritePositions(*m_pPlayfield));
            run.frames.push_back(RunFrame{m_Screen.draws, TakeSounds()});
            if (driver.GetSteps() % kPictureInterval == 0)
                pictures.Write(m_Screen, StepName(driver.GetSteps()));
        }
        run.steps = driver.GetSteps();
        run.finalCrc = pictures.Write(m_Screen, "final");
        return run;
    }

    // Plays round 0 as Play does, the demo recorder on, and saves the
    // stream; answers its bytes. Detail level 1: the ambient life a theme
    // adds at full detail is never recorded, so a replay would not draw it.
    std::string PlayRecorded(const std::string& fileName, PlayedRun& run, CKeptPictures& pictures)
    {
        CDemoRecorder& recorder = CDemoRecorder::Get();
        recorder.StartRecording();
        run = Play(1, pictures);
        recorder.StopRecording();
        recorder.Save((m_Folder.Path() + fileName).c_str(), 0);
        return m_Folder.ReadFile(fileName);
    }

    // Breaks the first brick of the round that has not refused yet;
    // false when every brick left refuses.
    bool BreakNextBrick(int32_t& refused)
    {
        int32_t skipped = 0;
        for (CSprite* sprite = m_pPlayfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            CBrickBase* brick = static_cast<CBrickBase*>(sprite->GetAI());
            if (brick == nullptr || brick->IsDestroyed() || skipped++ < refused)
                continue;
            if (!brick->Destroy(BrickDestroyInfo{nullptr, false}))
                refused++;
            return true;
        }
        return false;
    }

    // Whether the bricks the round still waits for are all starfish goals,
    // which break only when a ball brings them a starfish, and one is left.
    bool OnlyStarfishGoalsKeepTheRoundOpen() const
    {
        int32_t goals = 0;
        for (CSprite* sprite = m_pPlayfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            const CBrickBase* brick = static_cast<CBrickBase*>(sprite->GetAI());
            if (brick == nullptr || brick->IsDestroyed() || !brick->MustBeDestroyedToFinish())
                continue;
            if (dynamic_cast<const CBrickStarfishGoal*>(brick) == nullptr)
                return false;
            goals++;
        }
        return goals > 0;
    }

    // "step-0060" and on: names that sort in the order they were taken.
    static std::string StepName(int32_t step)
    {
        char name[32];
        std::snprintf(name, sizeof name, "step-%05d", step);
        return name;
    }

    // The next round's ball is served when its play begins.
    bool HasBegunPlay() const { return !m_pPlayfield->IsLayingBricks() && m_pPlayfield->m_pBallsInPlay->Count() > 0; }

    ScopedManualAudio m_Audio;
    ScopedPlayfieldHooks m_Hooks;
    ListedSequences m_Sequences;
    uint32_t m_SetIndex = 0;
    uint32_t m_FirstRoundBricks = 0;
    std::unique_ptr<CPlayfield> m_pPlayfield;
    CDirtyRectFrame m_Static;
    CLoggingScreen m_Screen;
    const CBackgroundDefinition* m_pDrawnBackground = nullptr;
    std::vector<int32_t> m_SoundUses;
};

TEST_F(PlayedRoundTest, TheDriverClearsTheFirstRoundAndTheRecordsAddUp)
{
    CKeptPictures pictures;
    const PlayedRun run = Play(2, pictures);
    ASSERT_LT(run.steps, kMostSteps);
    const CGameStats& game = GetStats().GetCurrentGame();
    EXPECT_EQ(m_pPlayfield->m_RoundIndex, 1);
    EXPECT_GE(run.ballsAtClear, 1);
    EXPECT_EQ(game.m_PointsScored,
              kPointsPerBrick * m_FirstRoundBricks + 1000 + 500 * static_cast<uint32_t>(run.ballsAtClear));
    EXPECT_EQ(game.m_BricksDestroyed, m_FirstRoundBricks);
    EXPECT_EQ(game.m_SecondsPlayed, run.secondsExpected);

    CKeptPictures again;
    const PlayedRun second = Play(2, again);
    EXPECT_EQ(second.steps, run.steps);
    EXPECT_TRUE(second.positions == run.positions);
    EXPECT_EQ(second.finalCrc, run.finalCrc);

    EXPECT_EQ(run.finalCrc, kFinalPictureCrc)
        << std::hex << "final picture CRC-32 0x" << run.finalCrc << ", golden 0x" << kFinalPictureCrc;
    if (run.finalCrc != kFinalPictureCrc)
        pictures.Keep("playfield");
}

TEST_F(PlayedRoundTest, ARecordedRoundReplaysTheSameDrawsAndSounds)
{
    CKeptPictures pictures;
    PlayedRun recorded;
    const std::string bytes = PlayRecorded("Played Round.Demo", recorded, pictures);
    ASSERT_LT(recorded.steps, kMostSteps);
    const uint32_t points = GetStats().GetCurrentGame().m_PointsScored;
    const uint64_t streamHash = Fnv1a(FNV1A_START, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());

    CKeptPictures again;
    PlayedRun second;
    EXPECT_TRUE(PlayRecorded("Played Again.Demo", second, again) == bytes);
    EXPECT_EQ(GetStats().GetCurrentGame().m_PointsScored, points);

    CDemoRecorder& recorder = CDemoRecorder::Get();
    const std::string path = m_Folder.Path() + "Played Round.Demo";

    m_pPlayfield = std::make_unique<CPlayfield>();
    CLoggingScreen target;
    recorder.SetTargetFrame(&target);
    recorder.PlayFile(path.c_str(), 0);
    TakeSounds();
    std::vector<RunFrame> replayed;
    while (recorder.IsPlaying())
    {
        target.Clear();
        target.draws.clear();
        target.SetLogging(true);
        recorder.PlayFrame();
        target.SetLogging(false);
        if (!recorder.IsPlaying() && target.draws.empty())
            break;
        replayed.push_back(RunFrame{target.draws, TakeSounds()});
        m_pPlayfield->Update(CPlayfield::kStepSeconds);
    }
    recorder.SetTargetFrame(nullptr);

    ASSERT_EQ(replayed.size(), recorded.frames.size());
    for (size_t i = 0; i < replayed.size(); i++)
        ASSERT_TRUE(replayed[i] == recorded.frames[i]) << "frame " << i;
    const uint64_t drawsHash = HashFrames(replayed);
    EXPECT_EQ(streamHash, kRecordingHash) << std::hex << "recording 0x" << streamHash;
    EXPECT_EQ(drawsHash, kReplayedDrawsHash) << std::hex << "replayed draws 0x" << drawsHash;
    if (streamHash != kRecordingHash || drawsHash != kReplayedDrawsHash)
        pictures.Keep("playfield/replay");
}

// Every round of the set is laid at once with Enter, played by the driver,
// then broken brick by brick while the playfield runs on: scripts, moving
// bricks and factories meet bricks that vanish under them. No round may
// stop the game or change a shipped file, and each is cleared but for the
// starfish goals, which only a delivered starfish breaks.
TEST_F(PlayedRoundTest, EveryStandardRoundIsPlayedAndBrokenWithoutAFaultOrAChangedFile)
{
    const CTreeHash shipped = HashTree(m_Folder.Path() + "Data", "Cache");
    CRoundSet* set = GetRoundSetLibrary().GetItemObject(m_SetIndex);
    ASSERT_EQ(set->GetRoundCount(), 12u);
    ScopedFatalThrow fatalThrows;
    for (uint32_t round = 0; round < set->GetRoundCount(); round++)
    {
        SCOPED_TRACE(set->GetRound(round)->m_DisplayName.m_Shown.GetText());
        StartGame(2);
        // The new game starts at round 0; the round under test replaces it.
        ASSERT_NO_THROW(ASSERT_TRUE(m_pPlayfield->StartRound(static_cast<int32_t>(round), false)));
        EXPECT_TRUE(m_pPlayfield->HandleKey(kEnterKey));
        EXPECT_FALSE(m_pPlayfield->IsLayingBricks());
        CHeadlessPlayDriver driver(*m_pPlayfield, ScopedPlayfieldHooks::s_Controls);
        ASSERT_NO_THROW({
            while (driver.GetSteps() < kDrivenSteps)
                driver.Step();
        });
        int32_t refused = 0;
        int32_t steps = 0;
        ASSERT_NO_THROW({
            // Clearing the round does not stop the breaking: the bricks no
            // round waits for go too, while the tally runs.
            while (m_pPlayfield->m_RoundIndex == static_cast<int32_t>(round) && steps < kMostBreakingSteps &&
                   BreakNextBrick(refused))
            {
                m_pPlayfield->Update(CPlayfield::kStepSeconds);
                steps++;
            }
        });
        EXPECT_LT(steps, kMostBreakingSteps);
        // Breaking is no delivery, so a round with a starfish goal stays
        // open; any other brick left behind is a fault.
        EXPECT_TRUE(m_pPlayfield->m_RoundCleared || OnlyStarfishGoalsKeepTheRoundOpen());
    }
    const CTreeHash after = HashTree(m_Folder.Path() + "Data", "Cache");
    EXPECT_EQ(after.hash, shipped.hash);
    EXPECT_EQ(after.files, shipped.files);
}

// The menu's round has no score board, so it is laid at once, and no ball
// is ever served in it.
TEST_F(PlayedRoundTest, TheMenuRoundIsLaidAtOnceAndServesNoBall)
{
    const int32_t menu = GetRoundLibrary().Find(kMenuRound, -1);
    ASSERT_NE(menu, -1);
    StartGame(2);
    ASSERT_TRUE(m_pPlayfield->StartRound(menu, true));
    ASSERT_FALSE(m_pPlayfield->m_pBackgroundDefinition->m_ShowScoreboard);
    m_pPlayfield->Update(CPlayfield::kStepSeconds);
    EXPECT_FALSE(m_pPlayfield->IsLayingBricks());
    for (int32_t step = 1; step < kDrivenSteps; step++)
    {
        m_pPlayfield->Update(CPlayfield::kStepSeconds);
        ASSERT_EQ(m_pPlayfield->m_pBallsInPlay->Count(), 0) << "step " << step;
    }
    EXPECT_GT(m_pPlayfield->m_pBricks->Count(), 0);
}

} // namespace

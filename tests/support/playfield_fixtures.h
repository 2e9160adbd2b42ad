#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/geometry/polygon2d.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/frame.h"
#include "game/bricks/background_definition.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_layer.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/player_controls.h"
#include "game/playfield/playfield.h"
#include "game/playfield/tessivue_display.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/block_glyphs.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/sprite_fixtures.h"
#include "tests/support/test_round_set.h"

// A brick of the tests: required or not, counting its round starts.
class CGameStats;

class CTestBrick : public CBrickBase
{
public:
    explicit CTestBrick(bool required = true, const char* name = "")
        : m_Required(required)
    {
        // The brick base constructs its properties; their values are the
        // kind's to set, as every real kind does.
        SetDefaults();
        m_Name = name;
    }

    bool MustBeDestroyedToFinish() const override { return m_Required; }
    void OnRoundStart() override { m_RoundStarts++; }
    const CString& GetTypeDisplayName() const override { return m_Name; }
    CClassInfo* GetStyleSheetClass() const override { return CBrickStyleSheet::SGetClassInfo(); }

    bool m_Required;
    int32_t m_RoundStarts = 0;
};

// The kinds a test round is made of.
enum class TestBrickKind
{
    Required,
    Optional,
    Indestructible
};

// A round of the tests: its bricks by kind and its theme.
class CTestRound : public CBrickLayout
{
public:
    CTestRound(const char* name, std::vector<TestBrickKind> bricks, CBackgroundDefinition* background = nullptr)
        : m_Bricks(std::move(bricks))
    {
        m_DisplayName.m_Source = name;
        m_DisplayName.m_Shown = name;
        m_pBackground = background;
    }

    // Counts the captures, each remembering whether it was forced.
    void CaptureThumbnail(bool force) override { m_Captures.push_back(force); }

    std::vector<TestBrickKind> m_Bricks;
    // The theme the test brick layer sets; none for none.
    CBackgroundDefinition* m_pBackground;
    std::vector<bool> m_Captures;
};

// The brick layer of the tests: Start lays the round's bricks hidden and
// sets its background (a test round's own, a level's through its theme);
// the bricks appear all at the first update, or with stepped one per
// update; then play begins.
class CTestBrickLayer : public CBrickLayer
{
    VP_DECLARE_CLASS(CTestBrickLayer)
public:
    CTestBrickLayer();
    ~CTestBrickLayer() override;

    void Start(CBrickLayout* round) override;
    void Update() override;
    void Draw(CFrameInterface*) override {}
    bool IsLaying() const override { return m_Laying; }
    void FinishNow() override;

    static bool s_Stepped;
    int32_t m_Starts = 0;
    int32_t m_FinishedNow = 0;

private:
    void Finish();

    bool m_Laying = false;
};

// A sprite with one opaque 16 x 16 picture round its position, so the pixel
// passes see it.
class CTestImageSprite : public CGameSprite
{
public:
    explicit CTestImageSprite(float x = 0.0f, float y = 0.0f);

    CFrame* GetPartImage(int32_t) override { return &m_Image; }
    CFrame* GetImage() override { return &m_Image; }
    int32_t GetPartCount() override { return 1; }
    CPoint GetPartOffset(int32_t) override { return CPoint{0, 0}; }
    bool TestPartFlags(int32_t, uint32_t mask) override { return (mask & (PART_VISIBLE | PART_COLLIDABLE)) != 0; }

private:
    CFrame m_Image;
};

// A square collision polygon of the given half size.
Polygon2D TestSquare(float half);

// Every upward call of the playfield, recorded in order; undone when it
// goes.
class ScopedPlayfieldHooks
{
public:
    ScopedPlayfieldHooks();
    ~ScopedPlayfieldHooks();

    static std::vector<std::string> s_Calls;
    static int32_t s_PointsFactor;
    static bool s_EditorOpen;
    // Player 0's controls, whose "Shoot" the test holds.
    static CPlayerControls s_Controls;
    static int32_t s_DetailLevel;
    static bool s_InPlay;
    static CDirtyRectFrame* s_pDrawFrame;
    // What the last statistics window was opened with.
    static uint32_t s_StatisticsDifficulty;
    static CGameStats* s_pStatisticsGame;
    static std::string s_StatisticsMessage;

private:
    struct Saved;
    std::unique_ptr<Saved> m_pSaved;
};

// The pictures a ship and its balls are made of: "!None" as entry 0, the
// ship's art "Ship" as entry 1, "Ball", "Small Ball", the five shields, the tally's "Small Gore", the
// thrusters and the guns.
void AddPlayfieldSequences(ListedSequences& sequences);

// A data folder with the sounds and pictures of the playfield, the ship and
// the balls and the test brick layer, a playfield, the text box, a round
// set of three rounds and the stand-alone "Attract" round; the records'
// current game and round-set record start fresh, with the guest alone
// playing the standard round set.
class PlayfieldTest : public ArchiveTestFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Steps the playfield n fixed updates.
    void Step(int32_t n = 1);
    // How often the sound was played since the set-up.
    int32_t SoundPlays(const char* name);
    // The text box's lines.
    std::vector<std::string> BoxLines() const;
    CTestBrickLayer* Layer() { return static_cast<CTestBrickLayer*>(m_pPlayfield->GetBrickLayer()); }
    // The brick behaviours of the brick list, in order.
    std::vector<CBrickBase*> Bricks() const;
    // Kills the first required brick standing.
    void KillRequiredBricks();

    ListedSequences m_Sequences;
    ScopedManualAudio m_Audio;
    ScopedPlayfieldHooks m_Hooks;
    CBlockFont m_Fonts[3];
    std::unique_ptr<CTessivueDisplay> m_pBox;
    CBackgroundDefinition m_NoScoreBoard;
    CBackgroundDefinition m_WithScoreBoard;
    std::vector<std::unique_ptr<CTestRound>> m_Rounds;
    // Owned by the "Round Sets" library.
    CTestRoundSet* m_pRoundSet = nullptr;
    std::unique_ptr<CPlayfield> m_pPlayfield;
};

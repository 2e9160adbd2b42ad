#include "tests/support/playfield_fixtures.h"

#include "engine/app/input/mouse_state.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/color/color.h"
#include "engine/core/lists/resource_usage.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/brick_optional.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/playfield_hooks.h"
#include "game/records/stats.h"
#include "engine/core/strings/ref_string.h"
#include "tests/support/sound_fixtures.h"
#include "tests/support/sprite_fixtures.h"

VP_IMPLEMENT_CLASS(CTestBrickLayer, CBrickLayer, 0.0f)

bool CTestBrickLayer::s_Stepped = false;

void CTestBrickLayer::RegisterProperties(CClassInfo*)
{
}

CTestBrickLayer::CTestBrickLayer()
{
    ConstructProperties(SGetClassInfo());
}

CTestBrickLayer::~CTestBrickLayer()
{
    DestroyProperties(SGetClassInfo());
}

void CTestBrickLayer::Start(CBrickLayout* round)
{
    m_Starts++;
    m_Laying = true;
    // A round read from a level file lays its own bricks, hidden.
    const CTestRound* testRound = dynamic_cast<const CTestRound*>(round);
    if (testRound == nullptr)
    {
        round->InstantiateForPlay(true);
        return;
    }
    CPlayfield* playfield = GetPlayfield();
    float x = 50.0f;
    for (TestBrickKind kind : testRound->m_Bricks)
    {
        CTestImageSprite* sprite = new CTestImageSprite(x, 100.0f);
        x += 40.0f;
        if (kind == TestBrickKind::Optional)
            sprite->AddAI(new CBrickOptional);
        else
            sprite->AddAI(new CTestBrick(kind == TestBrickKind::Required));
        sprite->SetActive(false);
        playfield->m_pBricks->Append(sprite);
    }
    playfield->SetBackground(testRound->m_pBackground);
}

void CTestBrickLayer::Update()
{
    if (!m_Laying)
        return;
    if (s_Stepped)
    {
        for (CSprite* sprite = GetPlayfield()->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            if (!sprite->IsActive())
            {
                sprite->SetActive(true);
                if (sprite->GetNext() != nullptr)
                    return;
                break;
            }
        }
    }
    Finish();
}

void CTestBrickLayer::FinishNow()
{
    if (!m_Laying)
        return;
    m_FinishedNow++;
    Finish();
}

void CTestBrickLayer::Finish()
{
    for (CSprite* sprite = GetPlayfield()->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        sprite->SetActive(true);
    m_Laying = false;
    GetPlayfield()->BeginPlay();
}

CTestImageSprite::CTestImageSprite(float x, float y)
{
    m_Image.Create(16, 16, 16);
    m_Image.Fill(ColorWhite);
    m_Image.SetUpperLeftOffset(-8, -8);
    SetPosition({x, y});
}

Polygon2D TestSquare(float half)
{
    Polygon2D square;
    square.InsertPoint(-half, -half, -1);
    square.InsertPoint(half, -half, -1);
    square.InsertPoint(half, half, -1);
    square.InsertPoint(-half, half, -1);
    square.Close();
    return square;
}

std::vector<std::string> ScopedPlayfieldHooks::s_Calls;
int32_t ScopedPlayfieldHooks::s_PointsFactor = 1;
bool ScopedPlayfieldHooks::s_EditorOpen = false;
CPlayerControls ScopedPlayfieldHooks::s_Controls;
int32_t ScopedPlayfieldHooks::s_DetailLevel = 2;
bool ScopedPlayfieldHooks::s_InPlay = true;
CDirtyRectFrame* ScopedPlayfieldHooks::s_pDrawFrame = nullptr;
uint32_t ScopedPlayfieldHooks::s_StatisticsDifficulty = 0;
CGameStats* ScopedPlayfieldHooks::s_pStatisticsGame = nullptr;
std::string ScopedPlayfieldHooks::s_StatisticsMessage;

struct ScopedPlayfieldHooks::Saved
{
    CPlayfieldHooks playfield;
    CEditorHooks editor;
};

ScopedPlayfieldHooks::ScopedPlayfieldHooks()
    : m_pSaved(new Saved{GetPlayfieldHooks(), GetEditorHooks()})
{
    s_Calls.clear();
    s_PointsFactor = 1;
    s_EditorOpen = false;
    s_Controls = CPlayerControls();
    s_DetailLevel = 2;
    s_InPlay = true;
    s_pDrawFrame = nullptr;
    s_StatisticsDifficulty = 0;
    s_pStatisticsGame = nullptr;
    s_StatisticsMessage.clear();
    CPlayfieldHooks& hooks = GetPlayfieldHooks();
    hooks.InvalidateScreen = [] { s_Calls.push_back("InvalidateScreen"); };
    hooks.SetRoundBanner = [] { s_Calls.push_back("SetRoundBanner"); };
    hooks.ShowNextMenuPattern = [] { s_Calls.push_back("ShowNextMenuPattern"); };
    hooks.GoToMainMenu = [] { s_Calls.push_back("GoToMainMenu"); };
    hooks.GetPointsDisplayFactor = [] { return s_PointsFactor; };
    hooks.RestartBallCountIndication = [] { s_Calls.push_back("RestartBallCountIndication"); };
    hooks.ShowTutorialPage = [](const char* page) { s_Calls.push_back(std::string("ShowTutorialPage ") + page); };
    hooks.ShowTutorial = [](int32_t page, bool forced) {
        s_Calls.push_back("ShowTutorial " + std::to_string(page) + (forced ? " forced" : ""));
    };
    hooks.GetPlayerControls = [](int32_t player) -> CPlayerControls* { return player == 0 ? &s_Controls : nullptr; };
    hooks.GetBackgroundDetailLevel = [] { return s_DetailLevel; };
    hooks.GetDrawFrame = [] { return s_pDrawFrame; };
    hooks.IsInPlayState = [] { return s_InPlay; };
    hooks.LeavePlay = [] { s_Calls.push_back("LeavePlay"); };
    hooks.OpenStatisticsWindow = [](uint32_t difficulty, CGameStats* game, const CString& message) {
        s_Calls.push_back("OpenStatisticsWindow");
        s_StatisticsDifficulty = difficulty;
        s_pStatisticsGame = game;
        s_StatisticsMessage = message.GetText();
    };
    hooks.SaveScreenshot = [](const char* pattern, CFrameInterface*) {
        s_Calls.push_back(std::string("SaveScreenshot ") + pattern);
    };
    hooks.DrawChannelLogo = [](CFrameInterface*) { s_Calls.push_back("DrawChannelLogo"); };
    hooks.DrawBackgroundEditorMarks = [](CFrameInterface*, int32_t layer) {
        s_Calls.push_back("DrawBackgroundEditorMarks " + std::to_string(layer));
    };
    hooks.FlashSpeedNumber = [] { s_Calls.push_back("FlashSpeedNumber"); };
    hooks.FlashRingCounter = [] { s_Calls.push_back("FlashRingCounter"); };
    hooks.FlashRoundRingCount = [] { s_Calls.push_back("FlashRoundRingCount"); };
    hooks.FlashReserveCounter = [] { s_Calls.push_back("FlashReserveCounter"); };
    hooks.OpenPauseMenu = [] { s_Calls.push_back("OpenPauseMenu"); };
    GetEditorHooks().IsLevelEditorOpen = [] { return s_EditorOpen; };
    GetEditorHooks().OpenLevelEditor = [] { s_Calls.push_back("OpenLevelEditor"); };
}

ScopedPlayfieldHooks::~ScopedPlayfieldHooks()
{
    GetPlayfieldHooks() = m_pSaved->playfield;
    GetEditorHooks() = m_pSaved->editor;
}

void AddPlayfieldSequences(ListedSequences& sequences)
{
    // Entry 0 stands for none, as in the game's data.
    sequences.Add("!None", MakeSolidSequence(1, 1, 1, 0));
    sequences.Add("Ship", MakeSolidSequence(2, 64, 16, 0x1000));
    sequences.Add("Ball", MakeSolidSequence(1, 16, 16, 0x2000));
    sequences.Add("Small Ball", MakeSolidSequence(1, 6, 6, 0x3000));
    uint16_t value = 0x4000;
    for (const char* shield : {"RS Small Shield", "RS Small Shield 2", "RS Normal Shield", "RS Long Shield",
                               "RS Biggest Shield"})
        sequences.Add(shield, MakeSolidSequence(1, 40, 4, value++));
    // The tally's mark on what it cashes in, long enough to outlast a tally.
    sequences.Add("Small Gore", MakeSolidSequence(100, 2, 2, value++));
    for (const char* part : {"Player Parts/Thrust Left", "Player Parts/Thrust Right", "RS Small Guns Recoil Left",
                             "RS Small Guns"})
        sequences.Add(part, MakeSolidSequence(3, 4, 4, value++));
}

void PlayfieldTest::SetUp()
{
    ArchiveTestFolder::SetUp();
    ASSERT_TRUE(GetSoundManager().Init());
    GetSoundManager().SetSoundLimit(16);
    const std::string wave = PcmWave(1, 22050, 16, Samples16(std::vector<int16_t>(50, 500)));
    const char* const sounds[] = {"Start Round.wav",  "Ball In Play.wav", "Lost Ball.wav",
                                  "Game Over.wav",    "Level Ending Tune.wav", "Score.wav",
                                  "Bounce.wav",       "Thrust.wav",       "Electric/Can Catch.wav",
                                  "Electric/Hold.wav", "Electric/Catch.wav"};
    for (const char* name : sounds)
        m_Folder.WriteFile(std::string("Data/Sounds/") + name, wave);
    ASSERT_EQ(GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg"), std::size(sounds));
    AddPlayfieldSequences(m_Sequences);
    GetMouseState().SetPosition(0, 0);
    m_Folder.WriteFile("Data/Resources/Brick Layer.Object.txt", "CTestBrickLayer\r\n{\r\n}\r\n");
    m_Folder.WriteFile("Data/Resources/Power Up Text Display Options.Object.txt",
                       "CPowerUpTextDisplayOptions\r\n{\r\n}\r\n");
    InitCatalogueLibrary(GetGeneralObjectList(), LIBRARY_GENERAL_OBJECTS);
    CTestBrickLayer::s_Stepped = false;

    for (CBlockFont& font : m_Fonts)
        StoreBlockGlyphs(font, 32, 126, 1, 1);
    m_pBox = std::make_unique<CTessivueDisplay>(&m_Fonts[0], &m_Fonts[1], &m_Fonts[2], 0, 0, 4000, 1000);
    SetHudDisplay(m_pBox.get());

    m_NoScoreBoard.m_ShowScoreboard = false;
    m_Rounds.push_back(std::make_unique<CTestRound>(
        "Gates", std::vector<TestBrickKind>{TestBrickKind::Required, TestBrickKind::Required}));
    m_Rounds.push_back(std::make_unique<CTestRound>(
        "Moat", std::vector<TestBrickKind>{TestBrickKind::Required, TestBrickKind::Optional}, &m_WithScoreBoard));
    m_Rounds.push_back(std::make_unique<CTestRound>("Keep", std::vector<TestBrickKind>{TestBrickKind::Required}));
    m_pRoundSet = MakeCurrentTestRoundSet("Test Set");
    for (const auto& round : m_Rounds)
        m_pRoundSet->AddRound(round.get());
    GetRoundLibrary().AddItemWithObject(new CTestRound("Attract", std::vector<TestBrickKind>{TestBrickKind::Required}),
                                         "Attract");

    CStats& stats = GetStats();
    stats.CopyFrom(CStats());
    stats.ApplyPlayerRules();
    stats.GetCurrentPlayer()->m_LastSelectedDifficulty = 1;
    m_pPlayfield = std::make_unique<CPlayfield>();
}

void PlayfieldTest::TearDown()
{
    m_pPlayfield.reset();
    SetHudDisplay(nullptr);
    GetRoundSetLibrary().DeleteAllItems();
    GetRoundLibrary().DeleteAllItems();
    GetGeneralObjectList().DeleteAllItems();
    GetSoundList().Mount("Sound List", "No Sounds", ".wav", ".ogg");
    GetSoundManager().Shutdown();
    ArchiveTestFolder::TearDown();
}

void PlayfieldTest::Step(int32_t n)
{
    for (int32_t i = 0; i < n; i++)
        m_pPlayfield->Update(CPlayfield::kStepSeconds);
}

int32_t PlayfieldTest::SoundPlays(const char* name)
{
    const int32_t index = GetSoundList().FindSound(name, -1);
    return index == -1 ? -1 : static_cast<int32_t>(GetSoundList().GetUsage(static_cast<uint32_t>(index)).m_TotalUses);
}

std::vector<std::string> PlayfieldTest::BoxLines() const
{
    std::vector<std::string> lines;
    for (uint32_t i = 0; i < m_pBox->GetLineCount(); i++)
        lines.push_back(m_pBox->GetLine(i).GetText());
    return lines;
}

std::vector<CBrickBase*> PlayfieldTest::Bricks() const
{
    std::vector<CBrickBase*> bricks;
    for (CSprite* sprite = m_pPlayfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        bricks.push_back(static_cast<CBrickBase*>(sprite->GetAI()));
    return bricks;
}

void PlayfieldTest::KillRequiredBricks()
{
    for (CSprite* sprite = m_pPlayfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
    {
        if (static_cast<CBrickBase*>(sprite->GetAI())->MustBeDestroyedToFinish())
            sprite->Kill();
    }
}

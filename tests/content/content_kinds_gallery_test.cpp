#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/content_tree.h"
#include "engine/app/demo_recorder.h"
#include "engine/app/input/mouse_state.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/maths/random_r250.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/sequence_list.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/class_registry.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/object_files.h"
#include "engine/platform/tick_counter.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_factory.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/first_behaviour.h"
#include "game/playfield/game_sprite.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/playfield/sprite_part.h"
#include "game/records/stats.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/ball_fixtures.h"
#include "tests/support/headless_play_driver.h"
#include "tests/support/manual_audio_output.h"
#include "tests/support/object_forms.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/sound_fixtures.h"
#include "tests/content/played_content.h"

namespace {

constexpr const char* kGallery = "Kinds Gallery";
constexpr const char* kGallerySet = "Kinds Gallery Fixture";
constexpr int32_t kPlayedSteps = 1800;

// What a played run leaves: the recording's bytes and every brick's state.
struct GalleryRun
{
    std::vector<uint8_t> stream;
    std::vector<std::string> bricks;
    int32_t bricksDestroyed = 0;
};

// A copy of the generated data folder with the libraries a game reads
// armed over it, the test's brick layer as the "Brick Layer", and the round
// set "Kinds Gallery Fixture" of the gallery alone.
class KindsGalleryTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        setenv("VP_FAKE_CLOCK", "1", 1);
        ArchiveTestFolder::SetUp();
        ASSERT_TRUE(GetSoundManager().Init());
        GetSoundManager().SetSoundLimit(16);
        const std::string& generated = GeneratedContentOnce().Path();
        SetDataFolder("Data");
        std::filesystem::copy(generated + "Data", m_Folder.Path() + "Data", std::filesystem::copy_options::recursive);
        WriteShipSoundsTheContentLacks(m_Folder);
        m_Folder.WriteFile("Data/Resources/Brick Layer.Object.txt", "CTestBrickLayer\r\n{\r\n}\r\n");
        m_Folder.WriteFile(std::string("Data/Resources/") + kGallerySet + ".VantrellZK",
                           std::string("CRoundSetSeparateFiles\r\n{\r\n\tRound=") + kGallery + "\r\n}\r\n");

        InitCatalogueLibrary(GetFrameList(), LIBRARY_FRAMES);
        InitCatalogueLibrary(GetSequenceList(), LIBRARY_SEQUENCES);
        AddPlayfieldSequences(m_Sequences);
        GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
        InitCatalogueLibrary(GetParticleGeneratorList(), LIBRARY_PARTICLE_GENERATORS);
        InitBrickStyleSheetLibrary();
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
        InitCatalogueLibrary(GetGeneralObjectList(), LIBRARY_GENERAL_OBJECTS);
        InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
        InitCatalogueLibrary(GetRoundSetLibrary(), LIBRARY_ROUND_SETS);
        const int32_t set = GetRoundSetLibrary().Find(kGallerySet, -1);
        ASSERT_NE(set, -1);
        m_SetIndex = static_cast<uint32_t>(set);
        const int32_t gallery = GetRoundLibrary().Find(kGallery, -1);
        ASSERT_NE(gallery, -1);
        m_pGallery = GetRoundLibrary().GetItemObject(static_cast<uint32_t>(gallery));
        ASSERT_NE(m_pGallery, nullptr);
    }

    void TearDown() override
    {
        CDemoRecorder::Get().StopRecording();
        m_pPlayfield.reset();
        ReleaseGameLibraries();
        ArchiveTestFolder::TearDown();
        unsetenv("VP_FAKE_CLOCK");
    }

    // The driver plays the gallery for the steps, each drawn and recorded.
    GalleryRun Play(uint32_t seed)
    {
        GalleryRun run;
        StartSeededGame(m_pPlayfield, m_SetIndex, seed, 1);
        CDirtyRectFrame background;
        background.Create(800, 600, 16);
        CDirtyRectFrame screen;
        screen.Create(800, 600, 16);
        screen.SetBackgroundFrame(&background);
        m_pPlayfield->DrawBackground(&background);
        CDemoRecorder& recorder = CDemoRecorder::Get();
        recorder.StartRecording();
        CHeadlessPlayDriver driver(*m_pPlayfield, ScopedPlayfieldHooks::s_Controls);
        const uint32_t destroyedBefore = GetStats().GetCurrentGame().m_BricksDestroyed;
        while (driver.GetSteps() < kPlayedSteps)
        {
            driver.Step();
            AdvanceFakeClock(FAKE_CLOCK_STEP_NANOSECONDS);
            screen.Clear();
            m_pPlayfield->Draw(&screen);
            recorder.EndFrame();
        }
        recorder.StopRecording();
        const CMessageStream& stream = recorder.GetStream();
        run.stream.assign(stream.GetBuffer(), stream.GetBuffer() + stream.GetLength());
        for (CSprite* sprite = m_pPlayfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        {
            const CBrickBase* brick = FirstBehaviourAs<CBrickBase>(sprite);
            auto* game = static_cast<CGameSprite*>(sprite);
            run.bricks.push_back(std::string(brick != nullptr ? brick->GetClassInfo()->GetClassName() : "-") + " " +
                                 std::to_string(sprite->IsDead()) + " " + std::to_string(sprite->m_Position.x) + " " +
                                 std::to_string(sprite->m_Position.y) + " " +
                                 std::to_string(game->GetPartCount() > 0 ? game->GetPart(0)->GetProgress() : -1.0));
        }
        run.bricksDestroyed = static_cast<int32_t>(GetStats().GetCurrentGame().m_BricksDestroyed - destroyedBefore);
        return run;
    }

    ScopedManualAudio m_Audio;
    ScopedPlayfieldHooks m_Hooks;
    ListedSequences m_Sequences;
    uint32_t m_SetIndex = 0;
    CBrickLayout* m_pGallery = nullptr;
    std::unique_ptr<CPlayfield> m_pPlayfield;
};

TEST_F(KindsGalleryTest, EveryKindHasABrickWithAPropertyAwayFromItsDefaults)
{
    CDynamicArray<CClassInfo*> styleClasses;
    ListCreatableClasses(CBrickStyleSheet::SGetClassInfo(), styleClasses);
    ASSERT_GT(styleClasses.GetCount(), 0u);
    std::string missing;
    for (const CClassInfo* styleClass : styleClasses)
    {
        bool found = false;
        for (uint32_t i = 0; i < m_pGallery->GetBrickCount() && !found; i++)
        {
            const CBrickStyleSheet* styleSheet = m_pGallery->GetBrick(i)->GetStyleSheet();
            found = styleSheet != nullptr && styleSheet->GetClassInfo() == styleClass;
        }
        if (!found)
            missing += std::string(" ") + styleClass->GetClassName();
    }
    EXPECT_TRUE(missing.empty()) << "style-sheet classes without a brick in the gallery:" << missing;

    for (uint32_t i = 0; i < m_pGallery->GetBrickCount(); i++)
    {
        CBrickBase* brick = m_pGallery->GetBrick(i);
        SCOPED_TRACE(brick->GetClassInfo()->GetClassName());
        EXPECT_TRUE(brick->IsStyleSheetCompatible(brick->GetStyleSheet()));
        EXPECT_FALSE(brick->GetName().IsEmpty());
        // The same brick at its defaults, placed and styled alike: what
        // still differs is a designer's choice.
        std::unique_ptr<CObject> plain(brick->GetClassInfo()->CreateObject());
        plain->SetDefaults();
        auto* plainBrick = static_cast<CBrickBase*>(plain.get());
        plainBrick->m_Name = brick->GetName();
        plainBrick->m_StartPosition = brick->m_StartPosition;
        plainBrick->m_StyleSheet = brick->m_StyleSheet;
        EXPECT_NE(ObjectText(brick), ObjectText(plainBrick));
    }

    CBrickFactory* factory = nullptr;
    for (uint32_t i = 0; i < m_pGallery->GetBrickCount() && factory == nullptr; i++)
    {
        CBrickBase* brick = m_pGallery->GetBrick(i);
        if (brick->IsKindOf(CBrickFactory::SGetClassInfo()))
            factory = static_cast<CBrickFactory*>(brick);
    }
    ASSERT_NE(factory, nullptr);
    ASSERT_NE(factory->GetPrototype(), nullptr);
    EXPECT_STREQ(factory->GetPrototype()->GetName().GetText(), "Made By The Factory");
}

TEST_F(KindsGalleryTest, TheGalleryLoadsLaysAndSavesByteIdentical)
{
    const std::string original = m_Folder.ReadFile(std::string("Data/Resources/") + kGallery + ".Vantrell");
    StartSeededGame(m_pPlayfield, m_SetIndex, 77, 1);
    for (int32_t i = 0; i < 10 && (m_pPlayfield->IsLayingBricks() || m_pPlayfield->m_pBallsInPlay->Count() == 0); i++)
        m_pPlayfield->Update(CPlayfield::kStepSeconds);
    ASSERT_FALSE(m_pPlayfield->IsLayingBricks());
    uint32_t laid = 0;
    for (CSprite* sprite = m_pPlayfield->m_pBricks->GetHead(); sprite != nullptr; sprite = sprite->GetNext())
        laid += FirstBehaviourAs<CBrickBase>(sprite) != nullptr ? 1u : 0u;
    EXPECT_EQ(laid, m_pGallery->GetBrickCount());

    ASSERT_TRUE(SaveObjectToFile(m_pGallery, "Resources/Kinds Gallery Saved.Vantrell", 0));
    EXPECT_EQ(m_Folder.ReadFile("Data/Resources/Kinds Gallery Saved.Vantrell"), original);
}

TEST_F(KindsGalleryTest, ABallInTheGalleryPlaysTheSameTwiceFromOneSeed)
{
    // The game loads every look and sound at start-up; here the first game
    // loads what it meets, and each load lets the window's events in, which
    // on the fake clock moves time, and with it the balls' anti-stall turn.
    // A game played first leaves everything loaded.
    Play(4500);
    const GalleryRun first = Play(4501);
    const GalleryRun second = Play(4501);
    EXPECT_GT(first.stream.size(), 0u);
    EXPECT_GT(first.bricksDestroyed, 0);
    EXPECT_TRUE(first.stream == second.stream);
    EXPECT_EQ(first.bricks, second.bricks);
    EXPECT_EQ(first.bricksDestroyed, second.bricksDestroyed);
}

} // namespace

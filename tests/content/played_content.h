#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/content_tree.h"
#include "engine/app/input/mouse_state.h"
#include "engine/app/sound/sound_list.h"
#include "engine/app/sound/sound_manager.h"
#include "engine/core/maths/random_r250.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/platform/tick_counter.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/records/stats.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/scoped_temp_folder.h"
#include "tests/support/sound_fixtures.h"

// What the content tests that play a game share: the generated content,
// the files a game needs that the content does not make yet, a seeded
// game and the libraries' clean-up.

// The generated starter content, made once for the whole program; each
// test plays in a copy of it.
inline ScopedTempFolder& GeneratedContentOnce()
{
    static ScopedTempFolder* s_pFolder = nullptr;
    if (s_pFolder == nullptr)
    {
        s_pFolder = new ScopedTempFolder;
        CContentTree tree;
        uint32_t changed = 0;
        EXPECT_TRUE(GenerateContent(s_pFolder->Path(), tree, changed));
    }
    return *s_pFolder;
}

// The ship's sounds the content does not make yet, into the folder's
// "Data/Sounds".
inline void WriteShipSoundsTheContentLacks(ScopedTempFolder& folder)
{
    const std::string wave = PcmWave(1, 22050, 16, Samples16(std::vector<int16_t>(50, 500)));
    for (const char* name : {"Thrust.wav", "Electric/Can Catch.wav", "Electric/Hold.wav", "Electric/Catch.wav"})
    {
        const std::string path = std::string("Data/Sounds/") + name;
        if (!std::filesystem::exists(folder.Path() + path))
            folder.WriteFile(path, wave);
    }
}

// A fresh game of the guest on the round set, the three generators seeded
// from seed, seed + 1 and seed + 2 and the fake clock at its start, so
// that animations that run by the clock see the same time in every run.
inline void StartSeededGame(std::unique_ptr<CPlayfield>& playfield, uint32_t roundSet, uint32_t seed,
                            int32_t detailLevel)
{
    playfield.reset();
    CStats& stats = GetStats();
    stats.CopyFrom(CStats());
    stats.ApplyPlayerRules();
    stats.GetCurrentPlayer()->m_LastSelectedDifficulty = 1;
    SelectRoundSet(roundSet);
    StartFakeClock();
    GameRandom().SeedFromTick(seed);
    CosmeticRandom().SeedFromTick(seed + 1);
    GetSharedRandom().SeedFromTick(seed + 2);
    ScopedPlayfieldHooks::s_Controls = CPlayerControls();
    ScopedPlayfieldHooks::s_DetailLevel = detailLevel;
    GetMouseState().SetPositionFromSystem(400, 300);
    playfield = std::make_unique<CPlayfield>();
    ASSERT_TRUE(playfield->NewGame(0, 1, false, false, false, false));
}

// Empties the libraries a played game armed and stops the sound.
inline void ReleaseGameLibraries()
{
    GetRoundSetLibrary().DeleteAllItems();
    GetRoundLibrary().DeleteAllItems();
    GetGeneralObjectList().DeleteAllItems();
    GetBackgroundLibrary().DeleteAllItems();
    GetBrickStyleSheetLibrary().DeleteAllItems();
    GetParticleGeneratorList().DeleteAllItems();
    GetFrameList().DeleteAllItems();
    GetSoundList().Mount("Sound List", "No Sounds", ".wav", ".ogg");
    GetSoundManager().Shutdown();
}

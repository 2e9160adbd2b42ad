// The player records file is the player's own, and may be damaged, cut
// off or edited by hand. Whatever it holds, reading it never ends the
// program: a file that does not read whole is kept aside and the records
// start afresh with the guest; one that reads leaves a valid current
// player. Any suspended game it names is then resumed on a three-round
// set and played 60 steps: a resume refuses what the set cannot start.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/app/sound/sound_list.h"
#include "engine/core/settings/paths.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/platform/file_system.h"
#include "fuzz/support/fuzz_input.h"
#include "game/playfield/playfield.h"
#include "game/records/stats.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/sound_fixtures.h"
#include "tests/support/sprite_fixtures.h"
#include "tests/support/test_round_set.h"

namespace {

constexpr int32_t kPlayedSteps = 60;

// The records file's folder is the program folder: the fuzz folder is
// made current, with the playfield's data below it.
struct CResumeSet
{
    std::unique_ptr<CTestRound> rounds[3];
    std::unique_ptr<CPlayfield> playfield;
    ListedSequences sequences;

    CResumeSet()
    {
        WriteFuzzFile("Data/Resources/Brick Layer.Object.txt", reinterpret_cast<const uint8_t*>(kBrickLayer),
                      sizeof(kBrickLayer) - 1);
        SetCurrentFolder(GetFuzzFolder());
        SetDataFolder("Data");
        InitCatalogueLibrary(GetGeneralObjectList(), LIBRARY_GENERAL_OBJECTS);
        // A resumed game makes the ship, which finds its sounds and pictures
        // by name.
        const std::string wave = PcmWave(1, 22050, 16, Samples16(std::vector<int16_t>(50, 500)));
        for (const char* name : {"Electric/Can Catch.wav", "Electric/Hold.wav", "Electric/Catch.wav", "Thrust.wav"})
            WriteFuzzFile(std::string("Data/Sounds/") + name, reinterpret_cast<const uint8_t*>(wave.data()),
                          wave.size());
        GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
        AddPlayfieldSequences(sequences);
        CTestRoundSet* roundSet = MakeCurrentTestRoundSet("Vantrell Pellucine Standard");
        const char* const names[] = {"Gates", "Moat", "Keep"};
        for (int32_t i = 0; i < 3; i++)
        {
            rounds[i] = std::make_unique<CTestRound>(names[i], std::vector<TestBrickKind>{TestBrickKind::Required});
            roundSet->AddRound(rounds[i].get());
        }
        playfield = std::make_unique<CPlayfield>();
    }

    static constexpr char kBrickLayer[] = "CTestBrickLayer\r\n{\r\n}\r\n";
};

CResumeSet& ResumeSet()
{
    static CResumeSet s_Set;
    return s_Set;
}

// Damaged inputs leave their bytes aside; the next input starts clean.
void RemoveRecordFiles()
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(GetFuzzFolder(), ignored))
    {
        if (entry.path().filename().string().rfind("Stats.dat", 0) == 0)
            std::filesystem::remove(entry.path(), ignored);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CResumeSet& set = ResumeSet();
    RemoveRecordFiles();
    WriteFuzzFile("Stats.dat", data, size);
    CStats& stats = GetStats();
    FuzzCheck(RunReader([&] { stats.Reload(); }), "reading the records file raised a fatal report");
    FuzzCheck(stats.GetPlayerCount() > 0 && stats.m_CurrentPlayer < stats.GetPlayerCount(),
              "the records hold no valid current player");
    const bool suspended = stats.GetCurrentRoundSetStats()->m_pSuspendedGame != nullptr;
    if (set.playfield->ResumeGame())
    {
        FuzzCheck(suspended, "a game resumed without a suspended record");
        FuzzCheck(set.playfield->m_RoundIndex >= 0 && set.playfield->m_RoundIndex < 3,
                  "a resumed game stands on a round the set does not hold");
        for (int32_t step = 0; step < kPlayedSteps; step++)
            set.playfield->Update(CPlayfield::kStepSeconds);
    }
    set.playfield->ClearAllLists();
    RemoveRecordFiles();
    return 0;
}

// Level and background files are shared between players and edited by
// hand. The first byte of the input picks the library (even: "Rounds", odd:
// "Background Definition"); the rest is the item's file, read through its
// library as the game reads it, after-load included, over a small data
// folder of brick styles and their sounds. What loads writes a text that reads back
// into an object writing the very same text; a level is then instantiated
// for play and the playfield stepped for a second.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/core/settings/paths.h"
#include "engine/object/libraries/library_catalogue.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/fuzz_object_text.h"
#include "engine/app/sound/sound_list.h"
#include "engine/graphics/sequence_list.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/round_library.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/playfield.h"
#include "game/records/stats.h"
#include "tests/support/sound_fixtures.h"

namespace {

constexpr int32_t kPlaySteps = 60;

const char* const kStyleSheets[][2] = {
    {"!None", "CBrickStyleSheetOptional\r\n{\r\n}\r\n"},
    {"Ball Accelerator", "CBrickStyleSheetNormal\r\n{\r\n}\r\n"},
    {"Ball Decelerator", "CBrickStyleSheetNormal\r\n{\r\n}\r\n"},
    {"Normal", "CBrickStyleSheetNormal\r\n{\r\n}\r\n"},
    {"Optional", "CBrickStyleSheetOptional\r\n{\r\n}\r\n"},
};

void Play(CBrickLayout& level)
{
    // A round that ends the game files it in the records; fresh records per
    // input keep their file from growing with every run.
    GetStats().CopyFrom(CStats());
    GetStats().ApplyPlayerRules();
    level.InstantiateForPlay(false);
    for (int32_t i = 0; i < kPlaySteps; i++)
        GetPlayfield()->Update(CPlayfield::kStepSeconds);
    GetPlayfield()->ClearAllLists();
}

void Play(CBackgroundDefinition&)
{
}

template <typename T>
void LoadThroughLibrary(CResourceLibrary<T>& library, ELibraryInstance instance, const char* file, const char* item,
                        const uint8_t* data, size_t size)
{
    WriteFuzzFile(std::string("Data/Resources/") + file, data, size);
    library.DeleteAllItems();
    InitCatalogueLibrary(library, instance);
    const int32_t index = library.Find(item, -1);
    FuzzCheck(index != -1, "the item's file was not listed");
    T* object = nullptr;
    if (RunReader([&] { object = library.GetItemObject(static_cast<uint32_t>(index)); }) && object != nullptr)
    {
        CheckObjectTextRoundTrip(*object);
        Play(*object);
    }
    library.DeleteAllItems();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    for (const auto& [name, text] : kStyleSheets)
        WriteFuzzFile(std::string("Data/Resources/Brick Style Sheets/") + name + ".BrickStyleSheet",
                      reinterpret_cast<const uint8_t*>(text), std::strlen(text));
    const char noSequence[] = "CSequence\r\n{\r\n}\r\n";
    WriteFuzzFile("Data/Resources/-!None/Properties.txt", reinterpret_cast<const uint8_t*>(noSequence),
                  sizeof(noSequence) - 1);
    const std::string wave = PcmWave(1, 22050, 16, Samples16(std::vector<int16_t>(50, 500)));
    for (const char* sound : {"Pop Brick.wav", "Clink.wav"})
        WriteFuzzFile(std::string("Data/Sounds/") + sound, reinterpret_cast<const uint8_t*>(wave.data()), wave.size());
    SetDataFolder((GetFuzzFolder() + "Data").c_str());
    GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
    InitCatalogueLibrary(GetSequenceList(), LIBRARY_SEQUENCES);
    CParticleGeneratorInfo* noParticles = new CParticleGeneratorInfo;
    noParticles->SetDefaults();
    GetParticleGeneratorList().AddItemWithObject(noParticles, "!None");
    InitBrickStyleSheetLibrary();
    static CPlayfield playfield;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    if ((data[0] & 1) == 0)
        LoadThroughLibrary(GetRoundLibrary(), LIBRARY_ROUNDS, "Fuzzed.Vantrell", "Fuzzed", data + 1, size - 1);
    else
        LoadThroughLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION, "Space/Fuzzed.Background",
                           "Space/Fuzzed", data + 1, size - 1);
    return 0;
}

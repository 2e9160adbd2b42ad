// Level and background files are shared between players and edited by
// hand. The first byte of the input picks the library (even: "Rounds", odd:
// "Background Definition"); the rest is the item's file, read through its
// library as the game reads it, after-load included. What loads writes a
// text that reads back into an object writing the very same text.

#include <cstdint>
#include <string>

#include "engine/core/settings/paths.h"
#include "engine/object/libraries/library_catalogue.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/fuzz_object_text.h"
#include "game/bricks/background_library.h"
#include "game/bricks/round_library.h"

namespace {

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
        CheckObjectTextRoundTrip(*object);
    library.DeleteAllItems();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetDataFolder((GetFuzzFolder() + "Data").c_str());
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

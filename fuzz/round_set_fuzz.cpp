// Round-set files come from other players: shipped sets, sets shared by
// hand, sets edited in a text editor, plain or compressed. A set read
// through the "Round Sets" library answers every round it lists, its ring
// total, checkpoints and display name, and what loads writes a text that
// reads back into a set writing the very same text.

#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/settings/paths.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/object_files.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/fuzz_object_text.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"

namespace {

const char kSetName[] = "Shared/Fuzzed";

void Exercise(CRoundSet& set)
{
    for (uint32_t i = 0; i < set.GetRoundCount(); i++)
        set.GetRound(i);
    FuzzCheck(set.GetRound(set.GetRoundCount()) == nullptr, "a round past the count was answered");
    FuzzCheck(set.GetRingTotal() <= 5 * set.GetRoundCount(), "more rings than rounds hold");
    set.GetCheckpointCount();
    CString name;
    set.GetDisplayName(name);
    FuzzCheck(name.HasText() || set.m_DisplayName.IsEmpty(), "a display name was lost");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    for (const char* level : {"A", "B", "Template"})
        WriteFuzzFile(std::string("Data/Resources/") + level + ".Vantrell",
                      reinterpret_cast<const uint8_t*>("CBrickLayout\r\n{\r\n}\r\n"), 20);
    SetDataFolder((GetFuzzFolder() + "Data").c_str());
    InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteFuzzFile(std::string("Data/Resources/") + kSetName + ".VantrellZK", data, size);
    CResourceLibrary<CRoundSet>& library = GetRoundSetLibrary();
    library.DeleteAllItems();
    InitCatalogueLibrary(library, LIBRARY_ROUND_SETS);
    const int32_t index = library.Find(kSetName, -1);
    FuzzCheck(index != -1, "the set's file was not listed");
    CRoundSet* set = nullptr;
    if (RunReader([&] { set = library.GetItemObject(static_cast<uint32_t>(index)); }) && set != nullptr)
    {
        Exercise(*set);
        CheckObjectTextRoundTrip(*set);
    }
    library.DeleteAllItems();
    return 0;
}

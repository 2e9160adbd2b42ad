// Object text files are every data file of the game: library items, rounds,
// round sets shared between players, skins, player records. Loading one
// creates the class its first line names (the test classes hold one
// property of every kind), reads it and brings the file up to date; broken
// text is refused or ends in the fatal report. What loads writes a text that
// reads back into an object writing the very same text.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "engine/object/object.h"
#include "engine/object/object_files.h"
#include "fuzz/support/fuzz_input.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/object/every_kind_object.h"

namespace {

std::string TextOf(CObject& object)
{
    uint32_t size = 0;
    uint8_t* bytes = WriteObjectToMemory(&object, size);
    std::string text(reinterpret_cast<const char*>(bytes), size);
    std::free(bytes);
    return text;
}

void CheckTextRoundTrip(CObject& object)
{
    std::string text = TextOf(object);
    std::unique_ptr<CObject> copy(
        CreateObjectFromText(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size())));
    FuzzCheck(copy != nullptr, "an object's own text does not read");
    FuzzCheck(TextOf(*copy) == text, "an object's own text reads as another object");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = WriteFuzzFile("Item.txt", data, size);
    // The loader hands the object out before reading it, so that an object
    // a fatal report leaves half read is still deleted here.
    CObject* loaded = nullptr;
    bool ended = RunReader([&] { LoadObjectFromFile(path.c_str(), 0, true, &loaded); });
    std::unique_ptr<CObject> object(loaded);
    if (ended && object)
        CheckTextRoundTrip(*object);
    return 0;
}

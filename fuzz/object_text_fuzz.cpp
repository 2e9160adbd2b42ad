// Object text files are every data file of the game: library items, rounds,
// round sets shared between players, skins, player records. Loading one
// creates the class its first line names (the test classes hold one
// property of every kind), reads it and brings the file up to date; broken
// text is refused or ends in the fatal report. What loads writes a text that
// reads back into an object writing the very same text.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/lists/virtual_array.h"
#include "engine/core/strings/decimal_number.h"
#include "engine/object/object.h"
#include "engine/object/object_files.h"
#include "engine/object/properties/property_reading.h"
#include "engine/object/text_lines.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/fuzz_object_text.h"
#include "tests/object/properties/composite_kinds_object.h"
#include "tests/object/every_kind_object.h"

namespace {

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size())
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The format loses one thing on purpose: a polygon of a single point whose
// text holds an "e" ("Outline=0, 2.5e+06") reads as no polygon, and is
// written back as an empty value. Every other line must come back as it was.
bool SameTextButLonePolygonPoints(const std::string& written, const std::string& reread)
{
    const std::vector<std::string> before = LinesOf(written);
    const std::vector<std::string> after = LinesOf(reread);
    if (before.size() != after.size())
        return false;
    for (size_t i = 0; i < before.size(); i++)
    {
        if (before[i] == after[i])
            continue;
        const size_t equals = before[i].find('=');
        if (equals == std::string::npos || after[i] != before[i].substr(0, equals + 1) + "\r")
            return false;
        const std::string value = before[i].substr(equals + 1);
        if (std::count(value.begin(), value.end(), ',') != 1 || value.find('e') == std::string::npos)
            return false;
    }
    return true;
}

void CheckTextRoundTrip(CObject& object)
{
    std::string text = ObjectTextOf(object);
    std::unique_ptr<CObject> copy(
        CreateObjectFromText(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size())));
    FuzzCheck(copy != nullptr, "an object's own text does not read");
    FuzzCheck(SameTextButLonePolygonPoints(text, ObjectTextOf(*copy)), "an object's own text reads as another object");
}

// Elements that the declared counts of the input make the reader accept.
// Counts above the reader's limit end in the fatal report before anything is
// made, so only accepted ones cost anything.
uint64_t AcceptedDeclaredElements(const uint8_t* data, size_t size)
{
    uint64_t total = 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const char* key = SkipLineIndent(line.c_str());
        const char* equals = std::strchr(key, '=');
        if (equals == nullptr)
            continue;
        const std::string name(key, static_cast<size_t>(equals - key));
        if (CompareItemNames(name.c_str(), "Item Count") != 0 && CompareItemNames(name.c_str(), "Array Count") != 0)
            continue;
        const int32_t count = ParseDecimalInt(equals + 1);
        if (count > 0 && static_cast<uint32_t>(count) <= MAX_TEXT_ELEMENT_COUNT)
            total += static_cast<uint64_t>(count);
    }
    return total;
}

// A count the reader accepts costs time in proportion to it: each element
// is made, written back, and read and written again by the round trip
// below, all under the sanitizers. Inputs that declare more than this many
// elements in all are left to the tests, so that one second per input still
// finds what is slow for its size rather than what is large by design.
const uint64_t FUZZ_ELEMENT_BUDGET = 2000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (AcceptedDeclaredElements(data, size) > FUZZ_ELEMENT_BUDGET)
        return 0;
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

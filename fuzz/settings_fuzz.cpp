// Settings files are edited by hand. Whatever one holds, every accessor
// answers a value or its default, and a key just written reads back.

#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/core/strings/ref_string.h"
#include "engine/core/settings/settings.h"
#include "fuzz/support/fuzz_input.h"

namespace {

struct SettingQuery
{
    const char* section;
    const char* key;
};

// Names the seeds use, so that mutations start from keys that are found.
const SettingQuery kQueries[] = {
    {"Options", "Screen Width"}, {"  Options", "Music Volume"}, {"options", "Title"},
    {"Options", "Mixed"},        {"Editor", "Grid"},            {"Channel", "Brightness"},
};

void ReadEveryKind(const char* file, const SettingQuery& query)
{
    ReadSettingInt(file, query.section, query.key, 7);
    ReadSettingBool(file, query.section, query.key, true);
    ReadSettingFloat(file, query.section, query.key, 0.5f);

    // A default with byte-1 markers asks for a marked result, cut to fit.
    char buffer[12] = "\001d\001e";
    ReadSettingString(file, query.section, query.key, buffer, sizeof(buffer));

    // A 16-bit default travels through the file as a "UNICODE-HEX<" escape,
    // and a stored escape is decoded on the way back.
    CSettingsFile store(file, query.section);
    CString text(u"\u0141\u00f3d\u017a");
    store.ReadString(query.key, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = WriteFuzzFile("Fuzz.INI", data, size);
    const char* file = path.c_str();
    for (const SettingQuery& query : kQueries)
        ReadEveryKind(file, query);

    WriteSettingInt(file, "Options", "Screen Width", 800);
    FuzzCheck(ReadSettingInt(file, "Options", "Screen Width", 0) == 800, "a written setting does not read back");

    // A missing file also drops what the settings reader remembers of it,
    // so every input is read afresh.
    std::remove(file);
    ReadSettingInt(file, "Options", "Screen Width", 0);
    return 0;
}

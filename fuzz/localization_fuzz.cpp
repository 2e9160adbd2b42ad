// "Local.txt" is written by translators. Whatever it holds, loading it either
// translates the registered texts or shows its reports and ends in the fatal
// exit; either way nothing is read out of bounds and every token check runs
// to its end.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/localization/localization_table.h"
#include "engine/core/localization/localized_string.h"
#include "engine/core/strings/ref_string.h"
#include "fuzz/support/fuzz_input.h"

namespace {

// The table writes translations into the registered static texts; each
// input starts again from their English.
const std::vector<CString>& GetEnglishTexts()
{
    static const std::vector<CString> texts = []
    {
        std::vector<CString> english;
        LocalizedStringRegistry& registry = GetLocalizedStringRegistry();
        for (uint32_t i = 0; i < registry.GetCount(); i++)
            english.push_back(*registry[i].pText);
        return english;
    }();
    return texts;
}

void RestoreEnglishTexts()
{
    const std::vector<CString>& english = GetEnglishTexts();
    LocalizedStringRegistry& registry = GetLocalizedStringRegistry();
    for (uint32_t i = 0; i < registry.GetCount(); i++)
        *registry[i].pText = english[i];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    GetEnglishTexts();
    std::string path = WriteFuzzFile("Local.txt", data, size);
    CLocalizationTable table;
    bool loaded = RunReader([&] { table.Load(path.c_str()); });
    if (loaded)
    {
        // A text made after start-up is looked up in the pairs just read.
        CString text("%d[Quantity] balls left, 100 %.");
        table.TranslateOne(text, "Shown during play");
    }
    RestoreEnglishTexts();
    return 0;
}

#include "content/lint/lint_files.h"

#include <cstdint>
#include <string>

#include "content/lint/lint_report.h"
#include "engine/core/strings/ref_string.h"

void LintOldBrickFiles(const std::filesystem::path& dataFolder, CLintReport& report)
{
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(dataFolder, error), end; !error && it != end;
         it.increment(error))
    {
        if (!it->is_regular_file())
            continue;
        const std::filesystem::path& path = it->path();
        if (CString(path.extension().string().c_str()).CompareNoCase(".Brick") != 0)
            continue;
        report.Add(path.lexically_relative(dataFolder).generic_string(), path.stem().string(),
                   "an old brick definition: ship the style sheet made from it instead");
    }
}

namespace {

// Of the paths a missing name may take, the one that comes nearest to
// existing: the fewest of its folders are missing.
const std::string& LikeliestPath(const std::filesystem::path& dataFolder, const CFixedName& name)
{
    const std::string* likeliest = &name.candidates.front();
    size_t fewest = SIZE_MAX;
    for (const std::string& candidate : name.candidates)
    {
        size_t missing = 0;
        for (std::filesystem::path folder = std::filesystem::path(candidate).parent_path();
             !folder.empty() && !std::filesystem::is_directory(dataFolder / folder); folder = folder.parent_path())
            missing++;
        if (missing < fewest)
        {
            fewest = missing;
            likeliest = &candidate;
        }
    }
    return *likeliest;
}

} // namespace

void LintFixedNames(const std::filesystem::path& dataFolder, const std::vector<CFixedName>& names,
                    CLintReport& report)
{
    for (const CFixedName& name : names)
    {
        bool found = false;
        for (const std::string& candidate : name.candidates)
            found = found || std::filesystem::exists(dataFolder / candidate);
        if (!found)
            report.Add(LikeliestPath(dataFolder, name), name.listed,
                       "the game looks this name up, but the data folder does not hold it");
    }
}

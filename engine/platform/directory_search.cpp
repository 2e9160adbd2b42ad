#include "engine/platform/directory_search.h"

#include <sys/stat.h>

#include "engine/platform/file_time.h"
#include "engine/platform/folder_listing.h"
#include "engine/platform/path_resolution.h"

// Both texts already folded; classic backtracking over the last "*".
static bool MatchesFolded(const std::string& pattern, const std::string& name)
{
    size_t p = 0;
    size_t n = 0;
    size_t starPattern = std::string::npos;
    size_t starName = 0;
    while (n < name.size())
    {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n]))
        {
            ++p;
            ++n;
        }
        else if (p < pattern.size() && pattern[p] == '*')
        {
            starPattern = p++;
            starName = n;
        }
        else if (starPattern != std::string::npos)
        {
            p = starPattern + 1;
            n = ++starName;
        }
        else
        {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

static bool HasDot(const std::string& name)
{
    return name.find('.') != std::string::npos;
}

static bool EndsWith(const std::string& text, const char* ending)
{
    std::string tail = ending;
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool MatchesWildcard(const std::string& pattern, const std::string& name)
{
    std::string foldedPattern = FoldAsciiToUpper(pattern);
    std::string foldedName = FoldAsciiToUpper(name);
    if (MatchesFolded(foldedPattern, foldedName))
        return true;
    if (EndsWith(foldedPattern, ".*"))
        return !HasDot(foldedName) && MatchesFolded(foldedPattern.substr(0, foldedPattern.size() - 2), foldedName);
    if (EndsWith(foldedPattern, "."))
        return !HasDot(foldedName) && MatchesFolded(foldedPattern.substr(0, foldedPattern.size() - 1), foldedName);
    return false;
}

std::vector<FolderEntry> SearchFolder(const std::string& pattern)
{
    std::vector<FolderEntry> entries;
    std::string normalized = NormalizeSeparators(pattern);
    size_t lastSeparator = normalized.rfind('/');
    std::string folder = lastSeparator == std::string::npos ? "" : normalized.substr(0, lastSeparator + 1);
    std::string namePattern = lastSeparator == std::string::npos ? normalized : normalized.substr(lastSeparator + 1);
    if (namePattern.empty())
        return entries;

    std::string systemFolder = ResolveSystemPath(folder);
    std::shared_ptr<const FolderListing> listing = GetFolderListing(systemFolder);
    if (!listing)
        return entries;
    for (const ListedName& listed : *listing)
    {
        if (!MatchesWildcard(namePattern, listed.name))
            continue;
        struct stat status;
        std::string path = systemFolder + listed.systemName;
        // An entry removed since the listing was made is no longer there.
        if (stat(path.c_str(), &status) != 0)
            continue;
        FolderEntry entry;
        entry.name = listed.name;
        entry.isFolder = S_ISDIR(status.st_mode);
        entry.size = entry.isFolder ? 0 : static_cast<uint64_t>(status.st_size);
        entry.lastWriteTime = UnixTimeToFileTime(status.st_mtim);
        entries.push_back(entry);
    }
    return entries;
}

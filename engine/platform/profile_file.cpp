#include "engine/platform/profile_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <vector>

#include "engine/platform/durable_save_internal.h"
#include "engine/platform/file_time.h"
#include "engine/platform/folder_listing.h"
#include "engine/platform/path_resolution.h"
#include "engine/platform/path_resolution_internal.h"

namespace
{
struct ProfileLine
{
    std::string text;    // without its line end
    std::string ending;  // "\r\n", "\n", or "" for a last line without one
};

struct ProfileContents
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified = {};
    bool settled = false;  // read when the file's time was old enough to trust
    std::vector<ProfileLine> lines;
};

enum class LineKind
{
    Other,
    Section,
    Key,
};

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    std::string name;
    std::string value;
};
}

static const char* const kLineEnd = "\r\n";

// Parsed files by system path, re-read only when the file changed on disk.
static std::map<std::string, ProfileContents> s_Profiles;

static std::string Trim(const std::string& text)
{
    const char* blanks = " \t\r";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

static bool SameNameIgnoringCase(const std::string& a, const std::string& b)
{
    return FoldAsciiToUpper(a) == FoldAsciiToUpper(b);
}

static ParsedLine ParseLine(const std::string& text)
{
    ParsedLine parsed;
    std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed[0] == ';')
        return parsed;
    if (trimmed[0] == '[')
    {
        size_t close = trimmed.find(']');
        parsed.kind = LineKind::Section;
        parsed.name = Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        return parsed;
    }
    size_t equals = trimmed.find('=');
    if (equals == std::string::npos)
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = Trim(trimmed.substr(0, equals));
    parsed.value = Trim(trimmed.substr(equals + 1));
    return parsed;
}

static std::vector<ProfileLine> SplitLines(const std::string& bytes)
{
    std::vector<ProfileLine> lines;
    size_t start = 0;
    while (start < bytes.size())
    {
        size_t newline = bytes.find('\n', start);
        ProfileLine line;
        if (newline == std::string::npos)
        {
            line.text = bytes.substr(start);
            start = bytes.size();
        }
        else
        {
            bool carriageReturn = newline > start && bytes[newline - 1] == '\r';
            size_t textEnd = carriageReturn ? newline - 1 : newline;
            line.text = bytes.substr(start, textEnd - start);
            line.ending = carriageReturn ? "\r\n" : "\n";
            start = newline + 1;
        }
        lines.push_back(line);
    }
    return lines;
}

static std::string JoinLines(const std::vector<ProfileLine>& lines)
{
    std::string bytes;
    for (const ProfileLine& line : lines)
        bytes += line.text + line.ending;
    return bytes;
}

static bool IsUnchanged(const ProfileContents& cached, const struct stat& status)
{
    return cached.device == status.st_dev && cached.inode == status.st_ino && cached.size == status.st_size &&
           cached.modified.tv_sec == status.st_mtim.tv_sec && cached.modified.tv_nsec == status.st_mtim.tv_nsec;
}

static std::string ReadWholeFile(const std::string& systemPath)
{
    std::string bytes;
    FILE* file = std::fopen(systemPath.c_str(), "rb");
    if (!file)
        return bytes;
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
        bytes.append(buffer, count);
    std::fclose(file);
    return bytes;
}

static const ProfileContents& LoadProfile(const std::string& systemPath)
{
    ProfileContents& cached = s_Profiles[systemPath];
    struct stat status;
    if (stat(systemPath.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
    {
        cached = ProfileContents();
        return cached;
    }
    if (cached.exists && cached.settled && IsUnchanged(cached, status))
        return cached;
    cached.exists = true;
    cached.device = status.st_dev;
    cached.inode = status.st_ino;
    cached.size = status.st_size;
    cached.modified = status.st_mtim;
    cached.settled = IsModificationTimeSettled(status.st_mtim);
    cached.lines = SplitLines(ReadWholeFile(systemPath));
    return cached;
}

static size_t FindSection(const std::vector<ProfileLine>& lines, const std::string& section)
{
    for (size_t i = 0; i < lines.size(); ++i)
    {
        ParsedLine parsed = ParseLine(lines[i].text);
        if (parsed.kind == LineKind::Section && SameNameIgnoringCase(parsed.name, section))
            return i;
    }
    return std::string::npos;
}

// The key's line inside the section that starts at sectionLine, or npos.
static size_t FindKey(const std::vector<ProfileLine>& lines, size_t sectionLine, const std::string& key,
                      ParsedLine* parsedKey)
{
    for (size_t i = sectionLine + 1; i < lines.size(); ++i)
    {
        ParsedLine parsed = ParseLine(lines[i].text);
        if (parsed.kind == LineKind::Section)
            break;
        if (parsed.kind == LineKind::Key && SameNameIgnoringCase(parsed.name, key))
        {
            *parsedKey = parsed;
            return i;
        }
    }
    return std::string::npos;
}

// The section's last line that is not blank, so that blank lines keep
// separating it from the next section.
static size_t FindLastLineOfSection(const std::vector<ProfileLine>& lines, size_t sectionLine)
{
    size_t last = sectionLine;
    for (size_t i = sectionLine + 1; i < lines.size(); ++i)
    {
        if (ParseLine(lines[i].text).kind == LineKind::Section)
            break;
        if (!Trim(lines[i].text).empty())
            last = i;
    }
    return last;
}

static std::string Unquoted(const std::string& value)
{
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

static std::string GetConfigFolder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (configHome && configHome[0] == '/')
    {
        folder = configHome;
    }
    else
    {
        const char* home = std::getenv("HOME");
        folder = std::string(home ? home : ".") + "/.config";
    }
    return folder + "/Vantrell Pellucine/";
}

static bool IsNameWithoutFolder(const std::string& file)
{
    return NormalizeSeparators(file).find('/') == std::string::npos;
}

std::string GetProfileSystemPath(const std::string& file)
{
    if (IsNameWithoutFolder(file))
        return ResolveSystemPathBelow(GetConfigFolder(), file);
    return ResolveSystemPath(file);
}

std::string ReadProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& defaultValue)
{
    const ProfileContents& contents = LoadProfile(GetProfileSystemPath(file));
    size_t sectionLine = FindSection(contents.lines, Trim(section));
    if (sectionLine == std::string::npos)
        return defaultValue;
    ParsedLine parsedKey;
    if (FindKey(contents.lines, sectionLine, Trim(key), &parsedKey) == std::string::npos)
        return defaultValue;
    std::string value = Unquoted(parsedKey.value);
    return value.empty() ? defaultValue : value;
}

int32_t ReadProfileInt(const std::string& file, const std::string& section, const std::string& key,
                       int32_t defaultValue)
{
    std::string text = ReadProfileString(file, section, key, std::string());
    if (text.empty())
        return defaultValue;
    size_t i = 0;
    bool negative = text[0] == '-';
    if (text[0] == '-' || text[0] == '+')
        ++i;
    // Unsigned arithmetic: an absurdly long number wraps instead of overflowing.
    uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + static_cast<uint32_t>(text[i] - '0');
    return static_cast<int32_t>(negative ? 0u - value : value);
}

static void EnsureLineEnd(ProfileLine* line)
{
    if (line->ending.empty())
        line->ending = kLineEnd;
}

static void SetKeyInLines(std::vector<ProfileLine>* lines, const std::string& section, const std::string& key,
                          const std::string& value)
{
    size_t sectionLine = FindSection(*lines, section);
    if (sectionLine == std::string::npos)
    {
        if (!lines->empty())
            EnsureLineEnd(&lines->back());
        lines->push_back({"[" + section + "]", kLineEnd});
        lines->push_back({key + "=" + value, kLineEnd});
        return;
    }
    ParsedLine parsedKey;
    size_t keyLine = FindKey(*lines, sectionLine, key, &parsedKey);
    if (keyLine != std::string::npos)
    {
        (*lines)[keyLine] = {parsedKey.name + "=" + value, kLineEnd};
        return;
    }
    size_t lastLine = FindLastLineOfSection(*lines, sectionLine);
    EnsureLineEnd(&(*lines)[lastLine]);
    lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(lastLine + 1), ProfileLine{key + "=" + value, kLineEnd});
}

bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value)
{
    std::string systemPath = GetProfileSystemPath(file);
    ProfileContents contents = LoadProfile(systemPath);
    if (!contents.exists && IsNameWithoutFolder(file))
    {
        std::error_code ignored;
        std::filesystem::create_directories(GetConfigFolder(), ignored);
    }
    SetKeyInLines(&contents.lines, Trim(section), Trim(key), value);
    const std::string bytes = JoinLines(contents.lines);
    // Settings are the player's own: a file left read-only (copied from a
    // CD, say) is written as a writable one rather than silently ignored.
    return SaveSystemFileDurably(systemPath, bytes.data(), bytes.size(), true);
}

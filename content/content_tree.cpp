#include "content/content_tree.h"


#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "engine/core/files/loose_files.h"

void CContentTree::Add(const std::string& path, std::vector<uint8_t> bytes, const char* item)
{
    auto [at, added] = m_Items.emplace(path, item);
    if (!added)
    {
        std::fprintf(stderr, "content: \"%s\" is made by both \"%s\" and \"%s\"\n", path.c_str(), at->second.c_str(),
                     item);
        std::exit(2);
    }
    m_Files.emplace(path, std::move(bytes));
}

std::vector<std::string> CContentTree::GetFilesOf(const char* item) const
{
    std::vector<std::string> paths;
    for (const auto& [path, maker] : m_Items)
    {
        if (maker == item)
            paths.push_back(path);
    }
    return paths;
}

void CContentTree::Add(const std::string& path, const std::string& text, const char* item)
{
    Add(path, std::vector<uint8_t>(text.begin(), text.end()), item);
}

static bool HoldsBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::error_code error;
    if (std::filesystem::file_size(path, error) != bytes.size() || error)
        return false;
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> existing((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return existing == bytes;
}

bool CContentTree::WriteTo(const std::filesystem::path& programFolder, uint32_t& changed) const
{
    changed = 0;
    for (const auto& [relative, bytes] : m_Files)
    {
        const std::filesystem::path path = programFolder / relative;
        std::error_code error;
        if (!HoldsBytes(path, bytes))
        {
            std::filesystem::create_directories(path.parent_path(), error);
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            out.close();
            if (!out)
            {
                std::fprintf(stderr, "content: cannot write \"%s\"\n", path.c_str());
                return false;
            }
            ++changed;
        }
        if (GetFileTimeOf(path.c_str(), 0) != kContentFileTime && !SetFileTimeOf(path.c_str(), kContentFileTime, 6))
        {
            std::fprintf(stderr, "content: cannot set the time of \"%s\"\n", path.c_str());
            return false;
        }
    }
    if (changed != 0)
    {
        std::error_code error;
        std::filesystem::remove_all(programFolder / kContentCacheFolder, error);
    }
    return true;
}

#include "content/tree_hash.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <vector>

#include "engine/core/files/loose_files.h"

namespace {

constexpr uint64_t kFnvOffset = 0xcbf29ce484222325ull;
constexpr uint64_t kFnvPrime = 0x100000001b3ull;

void Mix(uint64_t& hash, const void* data, size_t size)
{
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * kFnvPrime;
}

void MixNumber(uint64_t& hash, uint64_t value)
{
    uint8_t bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    Mix(hash, bytes, sizeof bytes);
}

} // namespace

CTreeHash HashTree(const std::filesystem::path& root, const std::string& skip)
{
    std::vector<std::string> paths;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
    {
        const std::string relative = it->path().lexically_relative(root).generic_string();
        if (!skip.empty() && relative == skip && it->is_directory())
        {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file())
            paths.push_back(relative);
    }
    std::sort(paths.begin(), paths.end());

    CTreeHash result;
    result.hash = kFnvOffset;
    for (const std::string& relative : paths)
    {
        const std::filesystem::path path = root / relative;
        std::ifstream in(path, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Mix(result.hash, relative.c_str(), relative.size() + 1);
        MixNumber(result.hash, bytes.size());
        Mix(result.hash, bytes.data(), bytes.size());
        MixNumber(result.hash, GetFileTimeOf(path.c_str(), 0));
        ++result.files;
        result.bytes += bytes.size();
    }
    return result;
}

std::string FormatTreeHash(const CTreeHash& hash)
{
    char text[96];
    std::snprintf(text, sizeof text, "content tree %016" PRIx64 ": %u files, %" PRIu64 " bytes", hash.hash, hash.files,
                  hash.bytes);
    return text;
}

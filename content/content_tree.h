#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The generated program folder, held in memory until it is written: every
// file by its path below the program folder ("Data/Sounds/Bounce.wav"), in
// path order, so that writing and hashing visit files in the same order on
// every run and machine.
//
// Writing leaves a file whose bytes already match untouched, and gives every
// written file one fixed modification time. Fixed, old times keep the
// engine's freshness tests stable: a compiled cache the engine writes is
// always newer than the source it was built from, run after run. When a
// source does change, the caches built from it would then still look fresh,
// so a write that changes any file drops the engine's cache folder as well.
class CContentTree
{
public:
    // Adds a file; a second file on the same path is a programming error and
    // stops the generator with a message naming both.
    void Add(const std::string& path, std::vector<uint8_t> bytes, const char* item);
    void Add(const std::string& path, const std::string& text, const char* item);

    const std::map<std::string, std::vector<uint8_t>>& GetFiles() const { return m_Files; }
    bool Contains(const std::string& path) const { return m_Files.count(path) != 0; }
    // The paths an item made, in path order.
    std::vector<std::string> GetFilesOf(const char* item) const;

    // Writes every file below the program folder, creating folders as needed
    // (a file already written and unchanged since costs a comparison).
    // Counts the files whose bytes changed; false on a file that cannot be
    // written (reported on stderr).
    bool WriteTo(const std::filesystem::path& programFolder, uint32_t& changed) const;

private:
    std::map<std::string, std::vector<uint8_t>> m_Files;
    std::map<std::string, std::string> m_Items;
};

// The modification time every generated file gets, as a file time (100 ns
// units since 1601): 2001-01-01 00:00:00 UTC.
inline constexpr uint64_t kContentFileTime = (978307200ull + 11644473600ull) * 10000000ull;

// The folder of compiled caches the engine writes below the program folder.
inline constexpr const char* kContentCacheFolder = "Data/Cache";

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// A 64-bit FNV-1a hash over a folder tree as it lies on disk: for every
// regular file, in path order, its path below the root, its bytes and its
// modification time. Two trees hash alike exactly when they hold the same
// files with the same contents and times (barring collisions), which is what
// a repeated generator run must give.
struct CTreeHash
{
    uint64_t hash = 0;
    uint32_t files = 0;
    uint64_t bytes = 0;
};

// Folders listed in skip (paths below the root, "/"-separated) are left out:
// the engine's caches do not belong to the generated content.
CTreeHash HashTree(const std::filesystem::path& root, const std::string& skip = std::string());

// "content tree 0123456789abcdef: 12 files, 3456 bytes"
std::string FormatTreeHash(const CTreeHash& hash);

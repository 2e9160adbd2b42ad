#pragma once

#include <cstdint>
#include <string>

#include "tests/support/archive_test_folder.h"

class CFrame;

// A temporary data folder for sequence files: the pixel-format tables at a
// 16-bit display, compressed storage off unless a test turns it on (and
// back on, its default, afterwards).
class SequenceDataFolder : public ArchiveTestFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A 32-bit TGA source image below the data folder; width and height
    // tell the images apart.
    void WriteSourceImage(const std::string& dataName, int32_t width, int32_t height) const;
    // Sets a file's last write time (below the data folder) to the time
    // given in seconds since the epoch.
    void SetFileTime(const std::string& dataName, int64_t seconds) const;
    bool DataFileExists(const std::string& dataName) const;
};

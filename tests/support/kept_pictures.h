#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/scoped_temp_folder.h"

class CFrame;

// The pictures of a run, written as TGA files by the engine's writer
// (16-bit frames become 24 bits) into a temporary folder; a test keeps
// them under build/test-out/<folder>/ for a look when a golden value
// does not match.
class CKeptPictures
{
public:
    // Answers the CRC-32 of the file written.
    uint32_t Write(CFrame& frame, const std::string& name);
    // Copies every picture written so far into build/test-out/<folder>/.
    void Keep(const std::string& folder) const;

private:
    ScopedTempFolder m_Folder;
    std::vector<std::string> m_Names;
};

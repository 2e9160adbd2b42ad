#pragma once

#include <string>

#include "tests/support/archive_test_folder.h"

// DejaVu Sans as Debian's fonts-dejavu-core installs it.
extern const char* const kDejaVuSansPath;

// A data folder whose "Resources/Fonts/!default.ttf" is a copy of DejaVu
// Sans, with the font file list built over it (and forgotten afterwards),
// and a 16-bit display depth.
class FontTestFolder : public ArchiveTestFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The font's path in the data folder.
    static const char* DefaultFontPath() { return "Resources/Fonts/!default.ttf"; }
    static std::string DejaVuSansBytes();
};

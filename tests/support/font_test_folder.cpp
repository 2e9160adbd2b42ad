#include "tests/support/font_test_folder.h"

#include <fstream>
#include <sstream>

#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/pixel_formats.h"

const char* const kDejaVuSansPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

void FontTestFolder::SetUp()
{
    ArchiveTestFolder::SetUp();
    // Glyphs are made display-ready for a 16-bit display.
    InitPixelFormatTables("Palettes", "GamePalette");
    SetFrameDepth(16);
    m_Folder.CopyFileIn(kDejaVuSansPath, std::string("Data/") + DefaultFontPath());
    ForgetFontFileList();
    BuildFontFileList();
}

void FontTestFolder::TearDown()
{
    ForgetFontFileList();
    ArchiveTestFolder::TearDown();
}

std::string FontTestFolder::DejaVuSansBytes()
{
    std::ifstream in(kDejaVuSansPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

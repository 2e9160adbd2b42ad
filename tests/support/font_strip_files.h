#pragma once

#include <string>

// Writes the bitmap font "Fonts/Logo" into the data folder: its object file
// (codes A to C) and its 32-bit marker strip, 16 x 20, with column-0
// markers at rows 2 and 15 and glyph ends at columns 4, 9 and 15 (glyphs 3,
// 5 and 6 wide), uncropped. Needs the display depth and pixel tables set.
void WriteLogoFont(const std::string& dataFolder);

// Writes a 320 x 200 dark blue company logo into the data folder, kept
// plain as slides must be, with the overlay set "CompanyLogo" writing "ABC"
// at (20, 30) in the font above, which it writes too.
void WriteCompanyLogo(const std::string& dataFolder);

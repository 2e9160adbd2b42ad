#pragma once

// Writes the picture last shown on the screen to the file (the name used as
// it stands, folders made as needed) as an uncompressed 24-bit TGA image,
// top row first. False when nothing was shown yet or the file cannot be
// written.
bool SaveScreenshot(const char* path);

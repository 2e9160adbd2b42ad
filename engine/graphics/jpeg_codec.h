#pragma once

#include <cstdint>

class CFile;
class CFrame;

// JPEG data through libjpeg, read from and written to engine files, so
// members of archives decode like loose files. Errors inside the library
// answer failure; the first warning of a decode (a truncated file) is
// shown in a "JPEG Error" box and the decode goes on.

// Decodes from the file's position to its end into width x height
// blue-green-red pixels, rows top to bottom, in a block freed with
// FreePixelBlock; null for damaged data, images of other than 1 or 3
// components, images past the pixel limit and progressive images of more
// than 256 scans.
uint8_t* DecodeJpeg(CFile& file, int32_t& width, int32_t& height);
// The image's size from its header alone, from the file's position; false
// for data whose header does not read. Lets a caller that expects one size
// refuse other images before any pixels are allocated.
bool ReadJpegSize(CFile& file, int32_t& width, int32_t& height);
// The frame (without pixels before) becomes the 24-bit image.
bool DecodeJpegIntoFrame(CFrame& frame, CFile& file);

// Pixels are red, green, blue rows top to bottom; colour false writes one
// grey component.
bool EncodeJpeg(CFile& file, const uint8_t* pixels, int32_t width, int32_t height, bool colour, int32_t quality);
// The outside converter this was written for does not exist here: with
// the built-in fallback allowed the frame is encoded by EncodeJpeg (from a
// red-green-blue copy; the frame is unchanged), else the answer is false
// and nothing is written.
bool EncodeJpegExternal(CFrame& frame, CFile& file, int32_t quality, bool fallback);
bool SaveFrameAsJpeg(CFrame& frame, const char* path, int32_t quality, uint32_t flags, bool fallback);

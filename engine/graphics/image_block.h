#pragma once

#include <cstdint>

#include "engine/core/files/compressed_block.h"

class CFile;
class CFrame;

// The compressed block of image files is the engine's compressed block.
inline constexpr auto& WriteZlibBlock = WriteCompressedBlock;
inline constexpr auto& ReadZlibBlock = ReadCompressedBlock;

// An image block holds a 32-bit image: lossless (the byte 1, then the red,
// green, blue and alpha planes as running differences in one compressed
// block, then width and height) or lossy (the byte 0, a JPEG of the
// colour with its length, then the alpha plane compressed).
//
// Lossy blocks are only read: the lossy form was made by an outside
// converter program that does not exist here, so writers store the
// lossless form, which the size rule would also pick whenever the lossy
// one cannot be made.
bool EncodeLosslessPlanes(const CFrame& frame, CFile& file);
// The frame (plain 32 bits) as a block; the quality and lossless flag
// are those of the lossy form.
bool EncodeImageBlock(const CFrame& frame, CFile& file, int32_t jpegQuality, bool losslessOnly);
// The frame becomes a plain 32-bit frame with offsets 0. False, leaving
// no pixels, for a block that does not hold a whole image of 1 to 65535
// pixels a side.
bool DecodeImageBlock(CFrame& frame, CFile& file);

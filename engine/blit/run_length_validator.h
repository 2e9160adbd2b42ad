#pragma once

#include <array>
#include <cstdint>

class CFrameInterface;

// The renderers and pixel queries trust run-length data; cache files may
// be truncated or damaged, so their readers check every frame with this
// before anything draws it. Answers whether, for the byte counts of the
// five stream blocks as read (0 for an absent stream):
// - each present block's size word equals its byte count (at least 4);
// - each row starts inside its block and decodes inside it up to the
//   frame's width, no literal or fill run crossing the width (a skip may);
// - stored values are 1, 2 or 3 bytes by depth;
// - in an alpha frame, stream 4 comes with stream 3, and each row of
//   stream 3 holds the alpha bytes its row of stream 4 consumes (one per
//   literal pixel, one per fill run).
bool ValidateRunLengthFrame(const CFrameInterface& frame, const std::array<uint32_t, 5>& streamBytes);

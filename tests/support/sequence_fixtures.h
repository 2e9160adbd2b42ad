#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CFrame;
class CImageFilterChain;
class CSequence;

// A plain 32-bit frame of the size, every pixel an opaque colour of its own,
// with the upper-left offsets given.
CFrame* MakeTestFrame(int32_t width, int32_t height, int32_t upperLeftX = 0, int32_t upperLeftY = 0);

// A sequence read from object text made of the class line, the braces and
// the lines given; its refresh never runs (nothing holds its file).
CSequence* ReadTestSequence(const std::vector<std::string>& lines);

// The stored types of the chain's steps, in order.
std::vector<int32_t> StepTypes(const CImageFilterChain& chain);

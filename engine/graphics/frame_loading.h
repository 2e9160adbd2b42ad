#pragma once

#include <cstdint>

class CClassInfo;
class CFrame;
class CImageFilterChain;

// The chain of frames loaded without one of their own, reset on every
// call: alpha threshold, trim, un-premultiply, dithered conversion to the
// display depth, run-length encoding.
CImageFilterChain& GetDefaultFrameLoadSteps();

// Applies a conversion to the depth (-1: the display depth) with the
// dither flag, then run-length encoding when asked.
void BuildFrameLoadSteps(CFrame& frame, bool dither, bool runLength, int32_t depth);

// A frame object read from "<folder>/<name>.txt" (a new defaulted object
// of the class, or CFrame, without one) with its pixels loaded through
// RebuildFromSource; null when they do not load. A derived frame class
// made here gets its object file written.
CFrame* LoadFrameObject(const char* folder, const char* name, CImageFilterChain* chain, bool underCache,
                        uint32_t flags, const CClassInfo* classInfo);

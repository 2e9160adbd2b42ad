#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/geometry/rect.h"

class CFrame;

// Frames for skins, put straight into the "Frames" list (emptied again at
// the end), so a border's references name them by index. Index 0 is a
// one-pixel stand-in, as the shipped list's "!None": a reference of 0
// means not set.
class SkinFrames
{
public:
    SkinFrames();
    ~SkinFrames();

    // A plain 16-bit frame of the size whose pixel (0, 0) lies at
    // (bounds.left, bounds.top) from its hot spot, every pixel a different
    // value; answers its index.
    int32_t Add(const std::string& name, const CRect& bounds);
    // A 16-bit alpha run-length frame without fill runs, as skins' corner
    // masks load: opaque where the mask is, translucent at its inner corner
    // pixel, transparent in the outer corner pixel.
    int32_t AddAlphaRunLength(const std::string& name, const CRect& bounds);
    CFrame* Get(int32_t index) const;

    SkinFrames(const SkinFrames&) = delete;
    SkinFrames& operator=(const SkinFrames&) = delete;
};

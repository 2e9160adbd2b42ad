#pragma once

#include <cstdint>
#include <vector>

#include "content/images/picture.h"

// Shapes of skin pieces are drawn as if for the top-left corner, x to the
// right and y downwards from the corner; a mirror turns them into the
// other corners' pieces. The pieces are drawn into one quadrant of a
// picture twice their size whose centre becomes the hot spot when loaded,
// and trimming to the drawn quadrant then leaves the hot spot on the
// window's corner or edge.
struct CSkinMirror
{
    bool flipX;
    bool flipY;
};

constexpr CSkinMirror kTopLeft{false, false};
constexpr CSkinMirror kTopRight{true, false};
constexpr CSkinMirror kBottomLeft{false, true};
constexpr CSkinMirror kBottomRight{true, true};

// Corner-local corners (x, y pairs) into the picture of the quadrant of a
// piece of the given size.
std::vector<double> MirrorIntoQuadrant(const std::vector<double>& xy, CSkinMirror mirror, int32_t width,
                                       int32_t height);

// A plain picture of one colour with grain from a fixed seed.
CPicture GrainedTexture(int32_t width, int32_t height, CPictureColor colour, uint32_t seed);

// Textures are tiled with bit masks: plain pixels, sides powers of two,
// nothing trimmed.
inline constexpr char kPlainTextureOptions[] = "CStandAloneFrame\n{\n\tRun Length Encode=0\n\tCrop Color 0=0\n}\n";

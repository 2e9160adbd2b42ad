#include "content/skins/skin_pictures.h"

#include <cstddef>

std::vector<double> MirrorIntoQuadrant(const std::vector<double>& xy, CSkinMirror mirror, int32_t width,
                                       int32_t height)
{
    std::vector<double> out(xy.size());
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2)
    {
        out[i] = mirror.flipX ? width - xy[i] : width + xy[i];
        out[i + 1] = mirror.flipY ? height - xy[i + 1] : height + xy[i + 1];
    }
    return out;
}

CPicture GrainedTexture(int32_t width, int32_t height, CPictureColor colour, uint32_t seed)
{
    CPicture picture(width, height);
    picture.FillRect(0, 0, width, height, colour);
    picture.AddNoise(seed, 6);
    return picture;
}

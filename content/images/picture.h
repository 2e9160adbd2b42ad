#pragma once

#include <cstdint>
#include <vector>

// A picture drawn in memory before it becomes a TGA file: 32-bit pixels in
// the engine's byte order (blue, green, red, alpha), with the few shapes
// the starter pictures are made of. Shapes are filled with anti-aliased
// edges computed by sampling each pixel at four points, so every result
// depends only on plain arithmetic and is the same on every machine.
struct CPictureColor
{
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t alpha = 255;
};

class CPicture
{
public:
    CPicture(int32_t width, int32_t height);

    int32_t GetWidth() const { return m_Width; }
    int32_t GetHeight() const { return m_Height; }
    // Blue, green, red, alpha bytes, rows top to bottom.
    const std::vector<uint8_t>& GetBytes() const { return m_Bytes; }

    // A vertical gradient over the whole picture, replacing what was there.
    void FillVerticalGradient(CPictureColor top, CPictureColor bottom);
    // Shapes blended over what is there by the colour's alpha times the
    // covered part of each pixel.
    void FillRect(double left, double top, double right, double bottom, CPictureColor colour);
    void FillEllipse(double centreX, double centreY, double radiusX, double radiusY, CPictureColor colour);
    // A ring between two radii.
    void FillRing(double centreX, double centreY, double outerRadius, double innerRadius, CPictureColor colour);
    // A convex polygon given by its corners in order.
    void FillPolygon(const std::vector<double>& xy, CPictureColor colour);
    // Brightens or darkens every opaque pixel by up to amount levels, from a
    // fixed seed.
    void AddNoise(uint32_t seed, int32_t amount);

private:
    template <typename Inside>
    void FillShape(double left, double top, double right, double bottom, CPictureColor colour, Inside inside);
    void Blend(int32_t x, int32_t y, CPictureColor colour, double coverage);

    int32_t m_Width;
    int32_t m_Height;
    std::vector<uint8_t> m_Bytes;
};

#include "content/images/picture.h"

#include <algorithm>
#include <cmath>

namespace {

// The four sample points of a pixel, as offsets from its corner.
constexpr double kSamples[4][2] = {{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}};

uint8_t Mix(uint8_t from, uint8_t to, double weight)
{
    return static_cast<uint8_t>(std::floor(from + (to - from) * weight + 0.5));
}

} // namespace

CPicture::CPicture(int32_t width, int32_t height)
    : m_Width(width)
    , m_Height(height)
    , m_Bytes(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0)
{
}

void CPicture::FillVerticalGradient(CPictureColor top, CPictureColor bottom)
{
    for (int32_t y = 0; y < m_Height; ++y)
    {
        const double weight = m_Height > 1 ? static_cast<double>(y) / (m_Height - 1) : 0.0;
        const uint8_t pixel[4] = {Mix(top.blue, bottom.blue, weight), Mix(top.green, bottom.green, weight),
                                  Mix(top.red, bottom.red, weight), Mix(top.alpha, bottom.alpha, weight)};
        for (int32_t x = 0; x < m_Width; ++x)
            std::copy(pixel, pixel + 4, m_Bytes.begin() + (static_cast<size_t>(y) * m_Width + x) * 4);
    }
}

void CPicture::Blend(int32_t x, int32_t y, CPictureColor colour, double coverage)
{
    uint8_t* pixel = &m_Bytes[(static_cast<size_t>(y) * m_Width + x) * 4];
    const double weight = coverage * colour.alpha / 255.0;
    pixel[0] = Mix(pixel[0], colour.blue, weight);
    pixel[1] = Mix(pixel[1], colour.green, weight);
    pixel[2] = Mix(pixel[2], colour.red, weight);
    pixel[3] = Mix(pixel[3], 255, weight);
}

template <typename Inside>
void CPicture::FillShape(double left, double top, double right, double bottom, CPictureColor colour, Inside inside)
{
    const int32_t x0 = std::max(0, static_cast<int32_t>(std::floor(left)));
    const int32_t y0 = std::max(0, static_cast<int32_t>(std::floor(top)));
    const int32_t x1 = std::min(m_Width, static_cast<int32_t>(std::ceil(right)));
    const int32_t y1 = std::min(m_Height, static_cast<int32_t>(std::ceil(bottom)));
    for (int32_t y = y0; y < y1; ++y)
    {
        for (int32_t x = x0; x < x1; ++x)
        {
            int covered = 0;
            for (const auto& sample : kSamples)
                covered += inside(x + sample[0], y + sample[1]) ? 1 : 0;
            if (covered)
                Blend(x, y, colour, covered / 4.0);
        }
    }
}

void CPicture::FillRect(double left, double top, double right, double bottom, CPictureColor colour)
{
    FillShape(left, top, right, bottom, colour,
              [&](double x, double y) { return x >= left && x < right && y >= top && y < bottom; });
}

void CPicture::FillEllipse(double centreX, double centreY, double radiusX, double radiusY, CPictureColor colour)
{
    FillShape(centreX - radiusX, centreY - radiusY, centreX + radiusX, centreY + radiusY, colour,
              [&](double x, double y) {
                  const double dx = (x - centreX) / radiusX;
                  const double dy = (y - centreY) / radiusY;
                  return dx * dx + dy * dy <= 1.0;
              });
}

void CPicture::FillRing(double centreX, double centreY, double outerRadius, double innerRadius, CPictureColor colour)
{
    FillShape(centreX - outerRadius, centreY - outerRadius, centreX + outerRadius, centreY + outerRadius, colour,
              [&](double x, double y) {
                  const double distance = (x - centreX) * (x - centreX) + (y - centreY) * (y - centreY);
                  return distance <= outerRadius * outerRadius && distance >= innerRadius * innerRadius;
              });
}

void CPicture::FillPolygon(const std::vector<double>& xy, CPictureColor colour)
{
    double left = xy[0], right = xy[0], top = xy[1], bottom = xy[1];
    for (size_t i = 0; i + 1 < xy.size(); i += 2)
    {
        left = std::min(left, xy[i]);
        right = std::max(right, xy[i]);
        top = std::min(top, xy[i + 1]);
        bottom = std::max(bottom, xy[i + 1]);
    }
    const size_t corners = xy.size() / 2;
    FillShape(left, top, right, bottom, colour, [&](double x, double y) {
        // Inside a convex polygon: on the same side of every edge.
        int side = 0;
        for (size_t i = 0; i < corners; ++i)
        {
            const size_t j = (i + 1) % corners;
            const double cross =
                (xy[2 * j] - xy[2 * i]) * (y - xy[2 * i + 1]) - (xy[2 * j + 1] - xy[2 * i + 1]) * (x - xy[2 * i]);
            const int sign = cross > 0.0 ? 1 : (cross < 0.0 ? -1 : 0);
            if (sign != 0 && side != 0 && sign != side)
                return false;
            if (sign != 0)
                side = sign;
        }
        return true;
    });
}

void CPicture::AddNoise(uint32_t seed, int32_t amount)
{
    uint32_t state = seed ? seed : 1u;
    for (size_t i = 0; i < m_Bytes.size(); i += 4)
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        if (m_Bytes[i + 3] != 255)
            continue;
        const int32_t change = static_cast<int32_t>(state % static_cast<uint32_t>(2 * amount + 1)) - amount;
        for (size_t c = 0; c < 3; ++c)
            m_Bytes[i + c] = static_cast<uint8_t>(std::clamp(m_Bytes[i + c] + change, 0, 255));
    }
}

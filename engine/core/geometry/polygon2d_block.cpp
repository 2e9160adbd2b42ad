#include "engine/core/geometry/polygon2d.h"

#include <bit>
#include <cstring>

#include "engine/core/files/file.h"
#include "engine/core/files/little_endian.h"

namespace {

// "POLY2D", its terminating zero, the version byte, then the point count.
const char POLY2D_TAG[7] = "POLY2D";
const uint8_t POLY2D_VERSION = 7;
const uint32_t POLY2D_HEADER_SIZE = 12;
const uint32_t POLY2D_POINT_SIZE = 8;

} // namespace

void Polygon2D::Write(CFile& file) const
{
    file.Write(POLY2D_TAG, sizeof(POLY2D_TAG));
    file.WriteByte(POLY2D_VERSION);
    file.WriteInt(static_cast<int32_t>(m_Count));
    for (uint32_t i = 0; i < m_Count; i++) {
        file.WriteInt(std::bit_cast<int32_t>(m_pPoints[i].x));
        file.WriteInt(std::bit_cast<int32_t>(m_pPoints[i].y));
    }
}

bool Polygon2D::Read(CFile& file)
{
    uint8_t header[POLY2D_HEADER_SIZE];
    uint32_t headerRead = file.Read(header, POLY2D_HEADER_SIZE);
    Clear();
    if (headerRead != POLY2D_HEADER_SIZE || std::memcmp(header, POLY2D_TAG, sizeof(POLY2D_TAG)) != 0 ||
        header[7] != POLY2D_VERSION)
        return false;

    // A count beyond the limit is damage, and would overrun the scratch area.
    uint32_t count = ReadLittleEndian32(header + 8);
    if (count > POLYGON2D_MAX_POINTS)
        return false;

    Vector2* points = GetScratchPoints();
    for (uint32_t i = 0; i < count; i++) {
        uint8_t bytes[POLY2D_POINT_SIZE];
        if (file.Read(bytes, POLY2D_POINT_SIZE) != POLY2D_POINT_SIZE)
            return false;
        points[i].x = std::bit_cast<float>(ReadLittleEndian32(bytes));
        points[i].y = std::bit_cast<float>(ReadLittleEndian32(bytes + 4));
    }
    SetPointsFromScratch(count);
    return true;
}

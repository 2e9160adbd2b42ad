// Polygons arrive as "POLY2D" blocks in binary caches and as "x, y" texts in
// object files. Either reader may refuse or stop early; what it accepts is a
// valid polygon (at most the point limit, derived data computed without
// undefined behaviour) that survives its own block unchanged.

#include <bit>
#include <cstdint>
#include <string>

#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/geometry/polygon2d.h"
#include "engine/core/geometry/polygon_text.h"
#include "fuzz/support/fuzz_input.h"

namespace {

// What the game asks of the outline of a brick or a ball.
void Query(Polygon2D& polygon)
{
    const Vector2& centre = polygon.GetCentre();
    polygon.ContainsPoint(centre.x, centre.y);
    polygon.IsNear(centre.x + 1.0f, centre.y, 4.0f);
    float distance = 0.0f;
    polygon.FindNearestPoint(centre, &distance);
    polygon.FindNearestEdgeHit(centre, 5.0f, &distance);
    polygon.GetLength();
    polygon.Inflate(2.0f);
}

void CheckBlockRoundTrip(const Polygon2D& polygon)
{
    CFile file;
    file.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE);
    polygon.Write(file);
    file.Seek(0);
    Polygon2D copy;
    FuzzCheck(copy.Read(file), "a polygon's own block is refused");
    FuzzCheck(copy.GetCount() == polygon.GetCount(), "the block changed the point count");
    for (uint32_t i = 0; i < polygon.GetCount(); i++)
    {
        const Vector2& a = polygon.GetPoint(i);
        const Vector2& b = copy.GetPoint(i);
        FuzzCheck(std::bit_cast<uint32_t>(a.x) == std::bit_cast<uint32_t>(b.x) &&
                      std::bit_cast<uint32_t>(a.y) == std::bit_cast<uint32_t>(b.y),
                  "the block changed a point");
    }
}

void CheckAccepted(Polygon2D& polygon)
{
    FuzzCheck(polygon.GetCount() <= POLYGON2D_MAX_POINTS, "a polygon holds more points than the limit");
    CheckBlockRoundTrip(polygon);
    FormatPolygonText(polygon);
    Query(polygon);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFile file;
    AttachInput(file, data, size);
    Polygon2D block;
    if (block.Read(file))
        CheckAccepted(block);
    else
        FuzzCheck(block.GetCount() == 0, "a refused block left points behind");

    std::string text(reinterpret_cast<const char*>(data), size);
    Polygon2D outline;
    ReadPolygonText(outline, text.c_str());
    CheckAccepted(outline);
    return 0;
}

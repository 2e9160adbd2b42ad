#include "tests/support/polygon_shapes.h"

Polygon2D MakePolygon(std::initializer_list<Vector2> points, bool close)
{
    Polygon2D polygon;
    for (const Vector2& point : points)
        polygon.InsertPoint(point.x, point.y, -1);
    if (close)
        polygon.Close();
    return polygon;
}

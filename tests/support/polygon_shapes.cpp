#include "tests/support/polygon_shapes.h"

#include "engine/core/maths/maths_tables.h"

Polygon2D MakePolygon(std::initializer_list<Vector2> points, bool close)
{
    Polygon2D polygon;
    for (const Vector2& point : points)
        polygon.InsertPoint(point.x, point.y, -1);
    if (close)
        polygon.Close();
    return polygon;
}

Polygon2D MakeOctagon(float radius)
{
    Polygon2D ball;
    for (int i = 0; i < 8; i++)
    {
        float sine;
        float cosine;
        FastSinCos(static_cast<float>(i) * kTwoPi / 8.0f, sine, cosine);
        ball.InsertPoint(radius * cosine, radius * sine, -1);
    }
    ball.Close();
    return ball;
}

Polygon2D MakeBox(float halfWidth, float halfHeight)
{
    return MakePolygon(
        {{-halfWidth, -halfHeight}, {halfWidth, -halfHeight}, {halfWidth, halfHeight}, {-halfWidth, halfHeight}}, true);
}

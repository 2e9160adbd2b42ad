#include "content/cursors/cursor_shapes.h"

namespace {

// cos 45 degrees, written out so that no maths library decides the bits.
constexpr double kDiagonal = 0.70710678118654752;

std::vector<double> Turn(const std::vector<double>& xy, ECursorTurn turn)
{
    std::vector<double> out(xy.size());
    for (size_t i = 0; i + 1 < xy.size(); i += 2)
    {
        const double x = xy[i];
        const double y = xy[i + 1];
        switch (turn)
        {
        case ECursorTurn::Right:
            out[i] = x, out[i + 1] = y;
            break;
        case ECursorTurn::Down:
            out[i] = -y, out[i + 1] = x;
            break;
        case ECursorTurn::Left:
            out[i] = -x, out[i + 1] = -y;
            break;
        case ECursorTurn::Up:
            out[i] = y, out[i + 1] = -x;
            break;
        case ECursorTurn::Falling:
            out[i] = kDiagonal * (x - y), out[i + 1] = kDiagonal * (x + y);
            break;
        case ECursorTurn::Rising:
            out[i] = kDiagonal * (x + y), out[i + 1] = kDiagonal * (y - x);
            break;
        }
    }
    return out;
}

CursorShape TurnAll(const CursorShape& shape, ECursorTurn turn)
{
    CursorShape out;
    for (const auto& polygon : shape)
        out.push_back(Turn(polygon, turn));
    return out;
}

} // namespace

CursorShape ArrowShape(ECursorTurn turn)
{
    return TurnAll({{-9, -2, 4, -2, 4, 2, -9, 2}, {3, -7, 11, 0, 3, 7}}, turn);
}

CursorShape DoubleArrowShape(ECursorTurn turn)
{
    return TurnAll({{-6, -2, 6, -2, 6, 2, -6, 2}, {5, -6, 12, 0, 5, 6}, {-5, -6, -5, 6, -12, 0}}, turn);
}

CursorShape Join(CursorShape a, const CursorShape& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

CPicture DrawCursor(const CursorShape& shape, CPictureColor fill, bool centred)
{
    const double centre = centred ? kCursorSize / 2.0 : 0.0;
    auto placed = [&](const std::vector<double>& polygon, double dx, double dy) {
        std::vector<double> xy(polygon);
        for (size_t i = 0; i + 1 < xy.size(); i += 2)
        {
            xy[i] += centre + dx;
            xy[i + 1] += centre + dy;
        }
        return xy;
    };
    CPicture picture(kCursorSize, kCursorSize);
    static const double kAround[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    for (const auto& polygon : shape)
    {
        for (const auto& offset : kAround)
            picture.FillPolygon(placed(polygon, offset[0], offset[1]), {16, 16, 24});
    }
    for (const auto& polygon : shape)
        picture.FillPolygon(placed(polygon, 0, 0), fill);
    return picture;
}

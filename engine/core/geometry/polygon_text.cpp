#include "engine/core/geometry/polygon_text.h"

#include <cstring>

#include "engine/core/geometry/polygon2d.h"
#include "engine/core/strings/decimal_number.h"
#include "engine/core/strings/float_text.h"

CString FormatPolygonText(const Polygon2D& polygon)
{
    CString text;
    uint32_t count = polygon.GetCount();
    for (uint32_t i = 0; i < count; i++) {
        const Vector2& point = polygon.GetPoint(i);
        text += FormatFloatExactly(point.x);
        text += ", ";
        text += FormatFloatExactly(point.y);
        if (i + 1 < count)
            text += ", ";
    }
    return text;
}

void ReadPolygonText(Polygon2D& polygon, const char* text)
{
    const char* cursor = text;
    while (*cursor != '\0') {
        // One "x, y" pair: a number, a comma right after it, another number.
        const char* end;
        float x = ParseDecimalSingle(cursor, &end);
        if (end == cursor || *end != ',')
            break;
        const char* secondStart = end + 1;
        float y = ParseDecimalSingle(secondStart, &end);
        if (end == secondStart)
            break;
        polygon.InsertPoint(x, y, -1);

        // The pair's own comma and the one that separates it from the next.
        const char* comma = std::strchr(cursor, ',');
        if (comma == nullptr)
            break;
        comma = std::strchr(comma + 1, ',');
        if (comma == nullptr)
            break;
        cursor = comma + 1;
    }

    // Stored files may rely on this: a lone point read from a text holding
    // an "e" is taken as no polygon at all.
    if (polygon.GetCount() == 1 && std::strchr(text, 'e') != nullptr)
        polygon.Clear();
}

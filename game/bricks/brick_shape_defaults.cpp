#include "game/bricks/brick_shape_defaults.h"

#include "engine/object/class_info.h"
#include "engine/object/properties/polygon_property.h"

Polygon2D ClosedRectangle(float halfWidth, float halfHeight)
{
    Polygon2D rectangle;
    rectangle.InsertPoint(-halfWidth, -halfHeight, -1);
    rectangle.InsertPoint(halfWidth, -halfHeight, -1);
    rectangle.InsertPoint(halfWidth, halfHeight, -1);
    rectangle.InsertPoint(-halfWidth, halfHeight, -1);
    rectangle.Close();
    return rectangle;
}

void SetShapeDefaults(CClassInfo* styleSheetClass, const Polygon2D* collision, const Polygon2D* grid)
{
    static_cast<CPolygonProperty*>(styleSheetClass->FindProperty("Collision Poly"))->SetDefaultPolygon(collision);
    static_cast<CPolygonProperty*>(styleSheetClass->FindProperty("Grid Polygon"))->SetDefaultPolygon(grid);
}

void SetRectangleShapeDefaults(CClassInfo* styleSheetClass, float collisionHalfWidth, float collisionHalfHeight,
                               float gridHalfWidth, float gridHalfHeight)
{
    // The class keeps its properties, which point at their defaults, until
    // the program ends.
    SetShapeDefaults(styleSheetClass, new Polygon2D(ClosedRectangle(collisionHalfWidth, collisionHalfHeight)),
                     new Polygon2D(ClosedRectangle(gridHalfWidth, gridHalfHeight)));
}

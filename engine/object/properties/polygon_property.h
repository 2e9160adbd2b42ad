#pragma once

#include "engine/core/geometry/polygon2d.h"
#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

// A Polygon2D member, written as its points "x, y, x, y, ..." on one line
// and as a "POLY2D" block in the binary form. The default polygon, when
// there is one, belongs to the caller.
class CPolygonProperty : public Property
{
public:
    CPolygonProperty(const char* fullName, CPropertyMember<Polygon2D> member, int32_t editorMode,
                     const Polygon2D* defaultPolygon);

    // A derived class's copy of the property may default to another
    // polygon, or to none.
    void SetDefaultPolygon(const Polygon2D* defaultPolygon) { m_pDefault = defaultPolygon; }

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    // Fresh storage (a pooled array's slot) becomes an empty polygon.
    void ConstructValue(void* object) const override;
    // Leaves an empty polygon; the holder destroys the member itself.
    void DestroyValue(void* object) const override;
    void SetDefault(void* object) const override;
    // The same points as the default (none without one).
    bool IsDefault(const void* object) const override;
    // The points have no short text form: the inline text is empty.
    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void WriteValueLine(const void* object, CObjectStream& stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;

private:
    const Polygon2D* m_pDefault;
};

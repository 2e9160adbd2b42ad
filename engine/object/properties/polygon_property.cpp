#include "engine/object/properties/polygon_property.h"

#include <new>

#include "engine/core/geometry/polygon_text.h"
#include "engine/object/object_stream.h"

CPolygonProperty::CPolygonProperty(const char* fullName, CPropertyMember<Polygon2D> member, int32_t editorMode,
                                   const Polygon2D* defaultPolygon)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_pDefault(defaultPolygon)
{
}

Property* CPolygonProperty::Clone() const
{
    return new CPolygonProperty(*this);
}

bool CPolygonProperty::HasSingleLineValue() const
{
    return true;
}

void CPolygonProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    ValueAt<Polygon2D>(destination) = sourceProperty->ValueAt<Polygon2D>(source);
}

void CPolygonProperty::ConstructValue(void* object) const
{
    // An empty polygon owns nothing, so building one over a member that is
    // already an empty polygon loses nothing.
    new (&ValueAt<Polygon2D>(object)) Polygon2D();
}

void CPolygonProperty::DestroyValue(void* object) const
{
    ValueAt<Polygon2D>(object).Clear();
}

void CPolygonProperty::SetDefault(void* object) const
{
    Polygon2D& polygon = ValueAt<Polygon2D>(object);
    polygon.Clear();
    if (m_pDefault != nullptr)
        polygon.SetPoints(*m_pDefault);
}

bool CPolygonProperty::IsDefault(const void* object) const
{
    const Polygon2D& polygon = ValueAt<Polygon2D>(object);
    const uint32_t count = m_pDefault != nullptr ? m_pDefault->GetCount() : 0;
    if (polygon.GetCount() != count)
        return false;
    for (uint32_t i = 0; i < count; i++)
    {
        const Vector2& point = polygon.GetPoint(i);
        const Vector2& expected = m_pDefault->GetPoint(i);
        if (point.x != expected.x || point.y != expected.y)
            return false;
    }
    return true;
}

void CPolygonProperty::ToText(const void*, CString& out) const
{
    out.Empty();
}

void CPolygonProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    Polygon2D& polygon = ValueAt<Polygon2D>(object);
    if (m_pDefault != nullptr)
        polygon.Clear();
    ReadPolygonText(polygon, text);
}

void CPolygonProperty::WriteValueLine(const void* object, CObjectStream& stream) const
{
    stream.WriteLine(FormatPolygonText(ValueAt<Polygon2D>(object)));
}

void CPolygonProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    ValueAt<Polygon2D>(object).Write(stream);
}

bool CPolygonProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    return ValueAt<Polygon2D>(object).Read(stream);
}

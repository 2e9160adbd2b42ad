#pragma once

#include "engine/core/geometry/point.h"
#include "engine/core/geometry/vector2d.h"
#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

// Points take no part in comparisons (ValuesEqual stays the base's "always
// equal"), so objects that differ only in a point compare equal.

// The integer and float points differ only in how a component is written;
// defaults, copying through the setter and the default test are shared here.
template <typename TPoint>
class PointPropertyBase : public Property
{
public:
    using Setter = void (*)(void* object, const TPoint& point);

    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    void SetDefault(void* object) const override;
    bool IsDefault(const void* object) const override;

protected:
    PointPropertyBase(const char* fullName, CPropertyMember<TPoint> member, int32_t editorMode,
                      const TPoint& defaultPoint, Setter setter);

    // A value loaded, copied or edited goes through the setter when there is
    // one.
    void Store(void* object, const TPoint& point) const;

    TPoint m_Default;
    Setter m_pSetter;
};

// A point of two signed 32-bit integers, written "x,y".
class PointProperty : public PointPropertyBase<CPoint>
{
public:
    // A null default is (0, 0).
    PointProperty(const char* fullName, CPropertyMember<CPoint> member, int32_t editorMode,
                  const CPoint* defaultPoint, Setter setter);
    PointProperty(const char* fullName, CPropertyMember<CPoint> member, int32_t editorMode, int32_t defaultX,
                  int32_t defaultY, Setter setter);

    Property* Clone() const override;
    void ToText(const void* object, CString& out) const override;
    // Stores directly; a component that does not read is 0.
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;
};

// A point of two floats, written "x,y" with six decimals each.
class FloatPointProperty : public PointPropertyBase<Vector2>
{
public:
    FloatPointProperty(const char* fullName, CPropertyMember<Vector2> member, int32_t editorMode, float defaultX,
                       float defaultY, Setter setter);

    Property* Clone() const override;
    void ToText(const void* object, CString& out) const override;
    // Stores directly; a component that does not read is 0.
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;
};

#pragma once

#include "engine/core/color/color.h"
#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

// A colour written as decimal components: "r,g,b", or "r,g,b,a" with the
// alpha flag. Colours compare by red, green and blue only.
class ColorProperty : public Property
{
public:
    ColorProperty(const char* fullName, CPropertyMember<CColor> member, int32_t editorMode, int32_t red,
                  int32_t green, int32_t blue, int32_t alpha);
    // A null default is opaque black.
    ColorProperty(const char* fullName, CPropertyMember<CColor> member, int32_t editorMode,
                  const CColor* defaultColor);

    void SetHasAlpha(bool hasAlpha) { m_HasAlpha = hasAlpha; }
    bool HasAlpha() const { return m_HasAlpha; }

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void SetDefault(void* object) const override;
    // The components written (alpha only with alpha) equal the default's.
    bool IsDefault(const void* object) const override;
    void ToText(const void* object, CString& out) const override;
    // Components are taken modulo 256; a missing alpha is 255, any other
    // missing component 0.
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;

private:
    CColor m_Default;
    bool m_HasAlpha;
};

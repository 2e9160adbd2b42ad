#pragma once

#include "engine/object/properties/named_number_property.h"

// A 32-bit float member with range, editor step, unit converter and named
// special values ("Never" for -2). Files hold the stored value as "%g"
// writes it (six significant digits), so a value may come back a few bits
// off after a save and a load.
class FloatProperty : public NamedNumberProperty<float, float, float, FloatProperty>
{
public:
    FloatProperty(const char* fullName, CPropertyMember<float> member, int32_t editorMode, float defaultValue,
                  Setter setter, float minimum, float maximum, float step);
    FloatProperty(const char* fullName, const char* unitText, CPropertyMember<float> member, int32_t editorMode,
                  float defaultValue, Setter setter, float minimum, float maximum, float step);

    void SetFromDisplayText(void* object, const char* text) const;

    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
};

#pragma once

#include <cstdint>

#include "engine/object/properties/scalar_property.h"

class CObject;

// A signed 32-bit member. Equal minimum and maximum mean no range; values
// read from text are clamped into the range, values typed into the editor
// are not (its spin box keeps them in range).
class IntProperty : public NumberProperty<int32_t, int32_t, float, IntProperty>
{
public:
    IntProperty(const char* fullName, CPropertyMember<int32_t> member, int32_t editorMode, int32_t defaultValue,
                Setter setter, int32_t minimum, int32_t maximum);
    IntProperty(const char* fullName, const char* unitText, CPropertyMember<int32_t> member, int32_t editorMode,
                int32_t defaultValue, Setter setter, int32_t minimum, int32_t maximum);

    // The editor's text is in shown units.
    void SetFromDisplayText(void* object, const char* text) const;
    // For a dynamic integer property: the object's value, else the default.
    int32_t GetDynamicValue(const CObject* object) const;
    void SetDynamicValue(CObject* object, int32_t value) const;

    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
};

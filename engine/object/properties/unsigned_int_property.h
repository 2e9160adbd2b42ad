#pragma once

#include <cstdint>

#include "engine/object/properties/named_number_property.h"

// An unsigned 32-bit member with optional named special values ("Unlimited"
// for 0). A named value is written as its name and survives reading as its
// name or its number, also outside the range.
class UnsignedIntProperty : public NamedNumberProperty<uint32_t, int32_t, float, UnsignedIntProperty>
{
public:
    // Equal minimum and maximum give the whole range 0 .. 0xFFFFFFFF.
    UnsignedIntProperty(const char* fullName, CPropertyMember<uint32_t> member, int32_t editorMode,
                        uint32_t defaultValue, Setter setter, uint32_t minimum, uint32_t maximum);
    // With a unit text equal minimum and maximum give 0 .. 0xFFFFFFFE.
    UnsignedIntProperty(const char* fullName, const char* unitText, CPropertyMember<uint32_t> member,
                        int32_t editorMode, uint32_t defaultValue, Setter setter, uint32_t minimum, uint32_t maximum);

    void SetFromDisplayText(void* object, const char* text) const;

    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;

private:
    // Without a range, or with one reaching past the signed integers, the
    // delta form sends the whole 32-bit word.
    bool SendsWholeWord() const;
};

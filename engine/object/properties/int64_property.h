#pragma once

#include <cstdint>

#include "engine/object/properties/scalar_property.h"

// A signed 64-bit member (file times in the player records). Text is read
// digit by digit into 64 bits, never through a double.
class Int64Property : public NumberProperty<int64_t, int64_t, int64_t, Int64Property>
{
public:
    Int64Property(const char* fullName, CPropertyMember<int64_t> member, int32_t editorMode, int64_t defaultValue,
                  Setter setter, int64_t minimum, int64_t maximum, int64_t step);

    void SetFromDisplayText(void* object, const char* text) const;

    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
};

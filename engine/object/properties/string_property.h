#pragma once

#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"

// A heap C string owned by the object (null for none), written as one line.
// Its blocks come from the C heap (std::malloc) like those of counted
// strings read from binary files.
class StringProperty : public Property
{
public:
    using Setter = void (*)(void* object, const char* text);

    StringProperty(const char* fullName, CPropertyMember<char*> member, int32_t editorMode, const char* defaultText,
                   Setter setter);

    // The constant is kept, not copied.
    void SetDefaultText(const char* text) { m_pDefaultText = text; }

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    // Case counts; null equals the empty text.
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    void ConstructValue(void* object) const override;
    void DestroyValue(void* object) const override;
    // Through the setter when there is one.
    void SetDefault(void* object) const override;
    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    bool IsDefault(const void* object) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
    void* AllocateArray(uint32_t count) const override;

private:
    void Store(void* object, const char* text) const;

    const char* m_pDefaultText;
    Setter m_pSetter;
};

#pragma once

#include "engine/core/strings/ref_string.h"
#include "engine/object/properties/property.h"
#include "engine/object/reflection.h"
#include "engine/object/properties/string_pair.h"

// Arrays of texts move their elements byte-wise.
static_assert(sizeof(CString) == sizeof(void*), "a CString is one pointer to its shared representation");

// A CString member (CObject's "Comment" is one), or a CStringPair whose
// source text is stored and whose shown text is its translation. A text
// without line ends is written on the property's line; one with line ends
// as "multi-line" and a block holding the text from the start of its lines.
// Characters above 255, and texts that the block form would not give back
// exactly (a line that is only "}", leading empty lines, CR characters),
// are written as one "UNICODE-HEX<" escape, decoded on reading.
class TextProperty : public Property
{
public:
    TextProperty(const char* fullName, CPropertyMember<CString> member, int32_t editorMode, const char* defaultText);
    // The translatable form.
    TextProperty(const char* fullName, CPropertyMember<CStringPair> member, int32_t editorMode,
                 const char* defaultText);

    void SetDefaultText(const CString& text) { m_DefaultText = text; }
    void SetDefaultText(const char* text) { m_DefaultText = text; }
    // The text of a dynamic text property on an object, else the default.
    const CString& GetDynamicValue(const CObject* object) const;

    Property* Clone() const override;
    bool HasSingleLineValue() const override;
    void CopyValue(void* destination, const void* source, const Property* sourceProperty) const override;
    // Case counts.
    bool ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const override;
    // Also builds the text(s) in raw storage (a pooled array's slot).
    void ConstructValue(void* object) const override;
    void DestroyValue(void* object) const override;
    void SetDefault(void* object) const override;
    void ToText(const void* object, CString& out) const override;
    void FromText(void* object, const char* text, CObjectStream* stream) const override;
    bool ShouldWrite(const void* object) const override;
    bool IsDefault(const void* object) const override;
    void WriteValueLine(const void* object, CObjectStream& stream) const override;
    void WriteBinary(const void* object, CObjectStream& stream) const override;
    bool ReadBinary(void* object, CObjectStream& stream) const override;
    void WriteDelta(const void* object, CMessageStream& stream, const void* reference) const override;
    void ReadDelta(void* object, CMessageStream& stream) const override;
    // Values are live CStrings wherever they are stored.
    void* AllocateValue() const override;
    void FreeValue(void* value) const override;

private:
    // Shows the source text of the translatable form in the current language.
    void Translate(void* object) const;
    void ReadBlock(CString& text, CObjectStream& stream) const;

    bool m_Translatable;
    CString m_DefaultText;
};

#include "engine/object/text_property.h"

#include <cstdlib>
#include <new>

#include "engine/core/memory_pools.h"
#include "engine/object/object.h"
#include "engine/object/object_stream.h"

TextProperty::TextProperty(const char* fullName, CPropertyMember<CString> member, int32_t editorMode,
                           const char* defaultText)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_DefaultText(defaultText)
{
}

const CString& TextProperty::GetDynamicValue(const CObject* object) const
{
    const void* value = object->GetDynamicValue(this);
    return value != nullptr ? ValueAt<CString>(value) : m_DefaultText;
}

Property* TextProperty::Clone() const
{
    return new TextProperty(*this);
}

bool TextProperty::HasSingleLineValue() const
{
    return true;
}

void TextProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    ValueAt<CString>(destination) = sourceProperty->ValueAt<CString>(source);
}

bool TextProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    return ValueAt<CString>(objectA).Compare(propertyOfB->ValueAt<CString>(objectB)) == 0;
}

void TextProperty::ConstructValue(void* object) const
{
    ValueAt<CString>(object).Empty();
}

void TextProperty::DestroyValue(void* object) const
{
    ValueAt<CString>(object).Empty();
}

void TextProperty::SetDefault(void* object) const
{
    ValueAt<CString>(object) = m_DefaultText;
}

void TextProperty::ToText(const void* object, CString& out) const
{
    out = ValueAt<CString>(object);
}

void TextProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    CString& value = ValueAt<CString>(object);
    value = text;
    value.DecodeFromText();
}

bool TextProperty::ShouldWrite(const void* object) const
{
    return ValueAt<CString>(object).HasText() || GetAlwaysWrite();
}

bool TextProperty::IsDefault(const void* object) const
{
    return ValueAt<CString>(object).Compare(m_DefaultText) == 0;
}

void TextProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    CString text;
    ValueAt<CString>(object).EncodeForText(text);
    stream.WriteCountedString(text.GetText());
}

bool TextProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    char* text = nullptr;
    if (!stream.ReadCountedString(text))
        return false;
    CString& value = ValueAt<CString>(object);
    value = text;
    std::free(text);
    value.DecodeFromText();
    return true;
}

void* TextProperty::AllocateValue() const
{
    return new (GetMemoryPools().Allocate(sizeof(CString))) CString();
}

void TextProperty::FreeValue(void* value) const
{
    static_cast<CString*>(value)->~CString();
    GetMemoryPools().Free(value, sizeof(CString));
}

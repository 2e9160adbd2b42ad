#include "engine/object/properties/string_property.h"

#include <cstdlib>
#include <cstring>

#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object_stream.h"

namespace
{
char* DuplicateText(const char* text)
{
    if (text == nullptr)
        return nullptr;
    const size_t size = strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    memcpy(copy, text, size);
    return copy;
}

bool IsNullOrEmpty(const char* text)
{
    return text == nullptr || text[0] == '\0';
}

const char* OrEmpty(const char* text)
{
    return text != nullptr ? text : "";
}
}

StringProperty::StringProperty(const char* fullName, CPropertyMember<char*> member, int32_t editorMode,
                               const char* defaultText, Setter setter)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_pDefaultText(defaultText)
    , m_pSetter(setter)
{
}

Property* StringProperty::Clone() const
{
    return new StringProperty(*this);
}

bool StringProperty::HasSingleLineValue() const
{
    return true;
}

void StringProperty::Store(void* object, const char* text) const
{
    char*& member = ValueAt<char*>(object);
    char* copy = DuplicateText(text);
    std::free(member);
    member = copy;
}

void StringProperty::CopyValue(void* destination, const void* source, const Property* sourceProperty) const
{
    const char* text = sourceProperty->ValueAt<char*>(source);
    if (m_pSetter != nullptr)
        m_pSetter(destination, OrEmpty(text));
    else
        Store(destination, text);
}

bool StringProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    return strcmp(OrEmpty(ValueAt<char*>(objectA)), OrEmpty(propertyOfB->ValueAt<char*>(objectB))) == 0;
}

void StringProperty::ConstructValue(void* object) const
{
    ValueAt<char*>(object) = nullptr;
}

void StringProperty::DestroyValue(void* object) const
{
    char*& member = ValueAt<char*>(object);
    std::free(member);
    member = nullptr;
}

void StringProperty::SetDefault(void* object) const
{
    if (m_pSetter != nullptr)
        m_pSetter(object, m_pDefaultText);
    else
        Store(object, m_pDefaultText);
}

void StringProperty::ToText(const void* object, CString& out) const
{
    out = OrEmpty(ValueAt<char*>(object));
}

void StringProperty::FromText(void* object, const char* text, CObjectStream*) const
{
    if (m_pSetter != nullptr)
        m_pSetter(object, text);
    else
        Store(object, text);
}

bool StringProperty::IsDefault(const void* object) const
{
    const char* value = ValueAt<char*>(object);
    if (IsNullOrEmpty(value) && IsNullOrEmpty(m_pDefaultText))
        return true;
    if (value == nullptr || m_pDefaultText == nullptr)
        return false;
    return strcmp(value, m_pDefaultText) == 0;
}

void StringProperty::WriteBinary(const void* object, CObjectStream& stream) const
{
    stream.WriteCountedString(OrEmpty(ValueAt<char*>(object)));
}

bool StringProperty::ReadBinary(void* object, CObjectStream& stream) const
{
    return stream.ReadCountedString(ValueAt<char*>(object));
}

void* StringProperty::AllocateArray(uint32_t count) const
{
    void* storage = Property::AllocateArray(count);
    memset(storage, 0, static_cast<size_t>(count) * sizeof(char*));
    return storage;
}

void StringProperty::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    stream.WriteAsciiString(ValueAt<char*>(object));
}

void StringProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    CString text;
    stream.ReadAsciiString(text);
    FromText(object, text.GetText(), nullptr);
}

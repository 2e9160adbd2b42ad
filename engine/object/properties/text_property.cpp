#include "engine/object/properties/text_property.h"

#include <cstdlib>
#include <new>

#include "engine/core/memory/memory_pools.h"
#include "engine/object/recorded_calls/message_stream.h"
#include "engine/object/object.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/property_reading.h"

namespace
{
// The value that announces the block form.
const char* const MULTI_LINE = "multi-line";

// Whether the block form gives the text back exactly: a line that is only
// "}" would close the block early, leading empty lines are dropped, and CR
// characters end lines of their own.
bool BlockKeepsText(const CString& text)
{
    if (text.FindChar('\r', 0, true) >= 0 || text.GetAt(0) == '\n')
        return false;
    const uint32_t length = text.GetLength();
    CString line;
    uint32_t start = 0;
    while (start <= length)
    {
        const int32_t lineFeed = text.FindChar('\n', start, true);
        const uint32_t end = lineFeed >= 0 ? static_cast<uint32_t>(lineFeed) : length;
        text.Mid(line, start, end - start);
        line.TrimLeft();
        line.TrimRight();
        if (line.Compare("}") == 0)
            return false;
        start = end + 1;
    }
    return true;
}

// The whole text as one "UNICODE-HEX<" escape: four hex digits per
// character, low byte first, which every reader of the text decodes back
// to exactly these characters.
CString EscapeWholeText(const CString& text)
{
    static const char HEX_DIGITS[] = "0123456789ABCDEF";
    CString escaped("UNICODE-HEX<");
    const uint32_t length = text.GetLength();
    for (uint32_t i = 0; i < length; i++)
    {
        const char16_t unit = text.GetAt(i);
        const char digits[4] = {HEX_DIGITS[(unit >> 4) & 0xF], HEX_DIGITS[unit & 0xF], HEX_DIGITS[(unit >> 12) & 0xF],
                                HEX_DIGITS[(unit >> 8) & 0xF]};
        escaped.Append(digits, 4);
    }
    escaped += ">";
    return escaped;
}
}

TextProperty::TextProperty(const char* fullName, CPropertyMember<CString> member, int32_t editorMode,
                           const char* defaultText)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_Translatable(false)
    , m_DefaultText(defaultText)
{
}

TextProperty::TextProperty(const char* fullName, CPropertyMember<CStringPair> member, int32_t editorMode,
                           const char* defaultText)
    : Property(fullName, nullptr, member.offset, member.size, editorMode)
    , m_Translatable(true)
    , m_DefaultText(defaultText)
{
}

void TextProperty::Translate(void* object) const
{
    if (m_Translatable)
        TranslateStringPair(ValueAt<CStringPair>(object));
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
    Translate(destination);
}

bool TextProperty::ValuesEqual(const void* objectA, const void* objectB, const Property* propertyOfB) const
{
    return ValueAt<CString>(objectA).Compare(propertyOfB->ValueAt<CString>(objectB)) == 0;
}

void TextProperty::ConstructValue(void* object) const
{
    // The empty text owns nothing, so taking it over a member that already
    // is one loses nothing.
    if (m_Translatable)
        ValueAt<CStringPair>(object).m_Shown.AssignEmpty();
    ValueAt<CString>(object).AssignEmpty();
}

void TextProperty::DestroyValue(void* object) const
{
    if (m_Translatable)
        ValueAt<CStringPair>(object).m_Shown.Empty();
    ValueAt<CString>(object).Empty();
}

void TextProperty::SetDefault(void* object) const
{
    ValueAt<CString>(object) = m_DefaultText;
    Translate(object);
}

void TextProperty::ToText(const void* object, CString& out) const
{
    out = ValueAt<CString>(object);
}

void TextProperty::FromText(void* object, const char* text, CObjectStream* stream) const
{
    CString& value = ValueAt<CString>(object);
    if (stream != nullptr && CString(text).CompareNoCase(MULTI_LINE) == 0 && NextLineOpensBlock(*stream))
        ReadBlock(value, *stream);
    else
        value = text;
    value.DecodeFromText();
    if (value.IsWide() && value.FitsInEightBits())
        value.MakeNarrow();
    Translate(object);
}

void TextProperty::ReadBlock(CString& text, CObjectStream& stream) const
{
    text.Empty();
    CString line;
    stream.ReadNonBlankLine(line);
    CString trimmed;
    while (stream.ReadLine(line))
    {
        trimmed = line;
        trimmed.TrimLeft();
        trimmed.TrimRight();
        if (trimmed.Compare("}") == 0)
            return;
        if (text.HasText())
            text += "\n";
        text += line;
    }
}

bool TextProperty::ShouldWrite(const void* object) const
{
    return ValueAt<CString>(object).HasText() || GetAlwaysWrite();
}

bool TextProperty::IsDefault(const void* object) const
{
    return ValueAt<CString>(object).Compare(m_DefaultText) == 0;
}

void TextProperty::WriteValueLine(const void* object, CObjectStream& stream) const
{
    const CString& text = ValueAt<CString>(object);
    const bool hasLineEnd = text.FindChar('\n', 0, true) >= 0 || text.FindChar('\r', 0, true) >= 0;
    if (hasLineEnd && !BlockKeepsText(text))
    {
        stream.WriteLine(EscapeWholeText(text));
        return;
    }
    if (!hasLineEnd && text.CompareNoCase(MULTI_LINE) != 0)
    {
        stream.WriteTextLine(text);
        return;
    }
    // The text starts at the beginning of the line after "{".
    stream.WriteLine(MULTI_LINE);
    const bool indentation = stream.GetIndentation();
    stream.SetIndentation(false);
    stream.WriteLine("{");
    stream.SetIndentation(indentation);
    stream.WriteTextLine(text);
    stream.WriteLine("}");
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
    Translate(object);
    return true;
}

void* TextProperty::AllocateValue() const
{
    void* storage = GetMemoryPools().Allocate(static_cast<size_t>(GetValueSize()));
    if (m_Translatable)
        return new (storage) CStringPair();
    return new (storage) CString();
}

void TextProperty::FreeValue(void* value) const
{
    if (m_Translatable)
        static_cast<CStringPair*>(value)->~CStringPair();
    else
        static_cast<CString*>(value)->~CString();
    GetMemoryPools().Free(value, static_cast<size_t>(GetValueSize()));
}

void TextProperty::WriteDelta(const void* object, CMessageStream& stream, const void*) const
{
    stream.WriteString(ValueAt<CString>(object));
}

void TextProperty::ReadDelta(void* object, CMessageStream& stream) const
{
    stream.ReadString(ValueAt<CString>(object));
    Translate(object);
}

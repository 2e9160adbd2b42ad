#include "engine/object/properties/binary_blob_property.h"

#include <cstdlib>
#include <cstring>

#include "engine/core/strings/decimal_number.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/property_reading.h"
#include "engine/object/text_lines.h"

namespace
{
// Source bytes per data line.
const uint32_t BYTES_PER_LINE = 81;
const char ESCAPE = '!';
// Control bytes and the blank are written as '!' and the byte plus this,
// giving the characters '&' to 'F'.
const uint8_t CONTROL_SHIFT = 38;

void AppendEncoded(CString& line, uint8_t byte)
{
    char pair[2] = {ESCAPE, 0};
    switch (byte)
    {
    case '!':
        pair[1] = '"';
        break;
    case '{':
        pair[1] = '$';
        break;
    case '}':
        pair[1] = '%';
        break;
    case 0xFF:
        pair[1] = '#';
        break;
    default:
        if (byte > 0x20)
        {
            line += static_cast<char>(byte);
            return;
        }
        pair[1] = static_cast<char>(byte + CONTROL_SHIFT);
        break;
    }
    line.Append(pair, 2);
}

uint8_t DecodeEscaped(char code)
{
    switch (code)
    {
    case '"':
        return '!';
    case '#':
        return 0xFF;
    case '$':
        return '{';
    case '%':
        return '}';
    default:
        return static_cast<uint8_t>(code - CONTROL_SHIFT);
    }
}
}

BinaryBlobProperty::BinaryBlobProperty(const char* fullName, CPropertyMember<uint8_t*> data,
                                       CPropertyMember<uint32_t> count, int32_t editorMode)
    : Property(fullName, nullptr, data.offset, data.size, editorMode)
    , m_CountOffset(count.offset)
{
}

uint32_t& BinaryBlobProperty::CountField(void* object) const
{
    return *reinterpret_cast<uint32_t*>(static_cast<char*>(object) + m_CountOffset);
}

Property* BinaryBlobProperty::Clone() const
{
    return new BinaryBlobProperty(*this);
}

bool BinaryBlobProperty::HasSingleLineValue() const
{
    return false;
}

void BinaryBlobProperty::CopyValue(void*, const void*, const Property*) const
{
}

void BinaryBlobProperty::ConstructValue(void* object) const
{
    DataField(object) = nullptr;
    CountField(object) = 0;
}

void BinaryBlobProperty::DestroyValue(void* object) const
{
    std::free(DataField(object));
    ConstructValue(object);
}

void BinaryBlobProperty::SetDefault(void* object) const
{
    DestroyValue(object);
}

bool BinaryBlobProperty::IsDefault(const void* object) const
{
    return CountField(const_cast<void*>(object)) == 0;
}

void BinaryBlobProperty::ToText(const void*, CString&) const
{
}

void BinaryBlobProperty::WriteValueLine(const void* object, CObjectStream& stream) const
{
    void* owner = const_cast<void*>(object);
    const uint32_t count = CountField(owner);
    const uint8_t* bytes = DataField(owner);
    CString line;
    line.Format("%u bytes of binary in ASCII esc", count);
    stream.WriteLine(line);
    if (count == 0)
        return;

    stream.WriteLine("{");
    stream.Indent();
    for (uint32_t start = 0; start < count; start += BYTES_PER_LINE)
    {
        line.Empty();
        const uint32_t end = count - start < BYTES_PER_LINE ? count : start + BYTES_PER_LINE;
        for (uint32_t i = start; i < end; i++)
            AppendEncoded(line, bytes[i]);
        stream.WriteLine(line);
    }
    stream.Unindent();
    stream.WriteLine("}");
}

// Bytes the block does not hold stay zero.
void BinaryBlobProperty::ReadDataLines(uint8_t* bytes, uint32_t count, CObjectStream& stream) const
{
    uint32_t stored = 0;
    CString line;
    while (stored < count && stream.ReadLine(line))
    {
        const char* text = line.GetText();
        while (*text == ' ' || *text == '\t')
            text++;
        if (*text == '}')
            return;
        for (; *text != '\0' && stored < count; text++)
        {
            if (*text != ESCAPE)
            {
                bytes[stored++] = static_cast<uint8_t>(*text);
                continue;
            }
            // A '!' that ends its line escapes nothing.
            if (text[1] == '\0')
                break;
            bytes[stored++] = DecodeEscaped(*++text);
        }
    }
    // The rest of the block, normally just its closing line.
    while (stream.ReadLine(line))
    {
        if (SkipLineIndent(line.GetText())[0] == '}')
            break;
    }
}

void BinaryBlobProperty::FromText(void* object, const char* text, CObjectStream* stream) const
{
    DestroyValue(object);
    const int32_t count = ParseDecimalInt(text);
    if (count == 0 || stream == nullptr)
        return;
    // Every byte takes at least one character of the file.
    if (count < 0 || static_cast<uint32_t>(count) > stream->GetBytesLeft())
        ReportBrokenPropertyData(*this, "announces a byte count that the file cannot hold");

    uint8_t* bytes = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(count), 1));
    DataField(object) = bytes;
    CountField(object) = static_cast<uint32_t>(count);
    if (!NextLineOpensBlock(*stream))
        return;
    CString line;
    stream->ReadNonBlankLine(line);
    ReadDataLines(bytes, static_cast<uint32_t>(count), *stream);
}

void BinaryBlobProperty::WriteBinary(const void*, CObjectStream&) const
{
}

bool BinaryBlobProperty::ReadBinary(void*, CObjectStream&) const
{
    return false;
}

#include "engine/object/properties/scalar_property.h"

#include "engine/object/object_stream.h"

void WriteScalar(CObjectStream& stream, bool value)
{
    stream.WriteChar(value ? 1 : 0);
}

void WriteScalar(CObjectStream& stream, int32_t value)
{
    stream.WriteInt(value);
}

void WriteScalar(CObjectStream& stream, uint32_t value)
{
    stream.WriteInt(static_cast<int32_t>(value));
}

void WriteScalar(CObjectStream& stream, int64_t value)
{
    stream.WriteInt64(value);
}

void WriteScalar(CObjectStream& stream, float value)
{
    stream.WriteFloat(value);
}

void ReadScalar(CObjectStream& stream, bool& value)
{
    char byte = 0;
    stream.ReadChar(byte);
    value = byte != 0;
}

void ReadScalar(CObjectStream& stream, int32_t& value)
{
    stream.ReadInt(value);
}

void ReadScalar(CObjectStream& stream, uint32_t& value)
{
    int32_t word = 0;
    stream.ReadInt(word);
    value = static_cast<uint32_t>(word);
}

void ReadScalar(CObjectStream& stream, int64_t& value)
{
    stream.ReadInt64(value);
}

void ReadScalar(CObjectStream& stream, float& value)
{
    stream.ReadFloat(value);
}

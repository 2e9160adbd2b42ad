// The binary form of an object, a cache that is read only while the class
// layout is unchanged: the format number 27.0, the class's final version,
// then every property selected for binary files, then the class's own data.
// All numbers are 32-bit little-endian words.

#include "engine/core/program/profiler.h"
#include "engine/object/class_info.h"
#include "engine/object/object.h"
#include "engine/object/object_read_hook.h"
#include "engine/object/object_stream.h"
#include "engine/object/properties/property.h"

namespace
{
CProfileSection s_ReadBinarySection("CObject_ReadBin");

const float BINARY_FORMAT = 27.0f;
// Format 24 carried one more header word; such files are read that far and
// then refused like every other old format.
const float FORMAT_WITH_EXTRA_WORD = 24.0f;
const float OLDEST_FORMAT = 4.0f;
}

void CObject::WriteBinary(CObjectStream& stream)
{
    const CClassInfo* classInfo = GetClassInfo();
    stream.WriteFloat(BINARY_FORMAT);
    stream.WriteFloat(classInfo->GetVersion());
    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        const Property* property = classInfo->GetProperty(i);
        if (property->IsWrittenInBinary())
            property->WriteBinary(this, stream);
    }
    WriteCustomPropBin(stream);
}

bool CObject::ReadBinary(CObjectStream& stream)
{
    CProfileScope profile(s_ReadBinarySection);
    RunObjectReadHook();

    const CClassInfo* classInfo = GetClassInfo();
    float format = 0.0f;
    stream.ReadFloat(format);
    if (format == FORMAT_WITH_EXTRA_WORD)
    {
        int32_t ignored = 0;
        stream.ReadInt(ignored);
    }
    else if (format < OLDEST_FORMAT)
    {
        return false;
    }
    float version = 0.0f;
    stream.ReadFloat(version);
    if (format != BINARY_FORMAT || version != classInfo->GetVersion() || stream.HasReadCameShort())
        return false;

    for (uint32_t i = 0; i < classInfo->GetPropertyCount(); i++)
    {
        const Property* property = classInfo->GetProperty(i);
        if (property->IsWrittenInBinary() && !property->ReadBinary(this, stream))
            return false;
    }
    const bool customRead = ReadCustomPropBin(stream);
    // A cache cut short reads zeros for its last values; none of them may
    // pass for data.
    return customRead && !stream.HasReadCameShort();
}

#include "tests/support/object_forms.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/core/files/memory_stream.h"
#include "engine/core/files/stream.h"
#include "engine/object/object.h"
#include "engine/object/object_files.h"
#include "engine/object/object_stream.h"

namespace
{
void OpenForReading(CObjectStream& stream, const std::string& bytes)
{
    CMemoryStream* memory = new CMemoryStream();
    memory->Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    memory->Seek(0);
    stream.OpenOnMemory(memory, OPEN_READ);
}
}

std::string ObjectText(CObject* object)
{
    uint32_t size = 0;
    uint8_t* bytes = WriteObjectToMemory(object, size);
    std::string text(reinterpret_cast<char*>(bytes), size);
    std::free(bytes);
    return text;
}

std::unique_ptr<CObject> ObjectFromText(const std::string& text)
{
    return std::unique_ptr<CObject>(
        CreateObjectFromText(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size())));
}

bool ReadObjectText(CObject* object, const std::string& text)
{
    CObjectStream stream;
    OpenForReading(stream, text);
    return ReadObjectFromStream(object, stream);
}

std::string ObjectBinary(CObject* object)
{
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(), OPEN_WRITE | OPEN_CREATE);
    object->WriteBinary(stream);
    std::string bytes(stream.GetSize(), '\0');
    stream.Seek(0);
    stream.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return bytes;
}

bool ReadObjectBinary(CObject* object, const std::string& bytes)
{
    CObjectStream stream;
    OpenForReading(stream, bytes);
    object->BeforeLoad();
    object->SetDefaults();
    return object->ReadBinary(stream);
}

std::string LittleEndianWord(uint32_t value)
{
    std::string bytes(4, '\0');
    memcpy(bytes.data(), &value, 4);
    return bytes;
}

std::string CountedString(const std::string& text)
{
    return LittleEndianWord(static_cast<uint32_t>(text.size())) + text;
}

#include "engine/object/object_files.h"

#include <cstring>

#include "engine/core/files/compressed_block.h"
#include "engine/core/files/data_file_save.h"
#include "engine/core/files/data_files.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/files/memory_file_name.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/files/open_stream.h"
#include "engine/core/files/stream.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/core/program/error_report.h"
#include "engine/core/settings/paths.h"
#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/object/current_file_scope.h"
#include "engine/object/object.h"
#include "engine/object/object_stream.h"
#include "engine/object/text_lines.h"
#include "engine/object/typed_object_receiver.h"
#include "engine/platform/durable_save.h"

namespace
{
// The loading order of every loader: BeforeLoad, defaults, the text, and
// AfterLoad only after a successful read.
bool LoadObjectText(CObject* object, CObjectStream& stream)
{
    object->BeforeLoad();
    object->SetDefaults();
    if (!object->ReadText(stream, false))
        return false;
    CTypedObjectReceiver discard;
    object->AfterLoad(&discard);
    return true;
}

void WriteObjectText(CObject* object, CObjectStream& stream)
{
    if (!object->WantsIndentation())
        stream.SetIndentation(false);
    object->WriteText(stream, true);
}

// A compressed file is one compressed block of the text.
bool CompressText(const uint8_t* text, uint32_t size, CFile& packed)
{
    packed.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    return WriteCompressedBlock(packed, text, size, COMPRESSED_FILE_LEVEL);
}

// The whole contents of a memory file, from its start.
const uint8_t* ContentsOf(CFile& memory, uint32_t& size)
{
    size = memory.GetSize();
    memory.Seek(0);
    return memory.Map(size);
}

// Stores the object's text under the file name, compressed when the
// flags ask for it.
bool StoreObjectText(const char* fileName, uint32_t flags, CObjectStream& text)
{
    uint32_t size = 0;
    const uint8_t* bytes = ContentsOf(text, size);
    CFile packed;
    if ((flags & OPEN_COMPRESSED) != 0)
    {
        if (!CompressText(bytes, size, packed))
            return false;
        bytes = ContentsOf(packed, size);
    }
    return StoreDataFile(fileName, flags, bytes, size);
}
}

CObject* LoadObjectFromFile(const char* fileName, uint32_t flags, bool resave, CObject** out)
{
    CObjectStream stream;
    if (!stream.Open(fileName, flags | OPEN_WHOLE_FILE | OPEN_READ))
        return nullptr;
    CCurrentFileScope currentFile(fileName);

    CString classLine;
    if (!stream.ReadNonBlankLine(classLine))
        return nullptr;
    CObject* object = GetClassRegistry().CreateByName(SkipLineIndent(classLine.GetText()));
    if (out != nullptr)
        *out = object;

    const bool read = LoadObjectText(object, stream);
    stream.Close();
    if (!read)
    {
        delete object;
        if (out != nullptr)
            *out = nullptr;
        return nullptr;
    }
    if (resave)
        SaveObjectToFile(object, fileName, 0);
    return object;
}

bool ReadObjectFromFile(CObject* object, const char* fileName, uint32_t flags)
{
    CObjectStream stream;
    if (!stream.Open(fileName, flags | OPEN_READ))
    {
        object->SetDefaults();
        return false;
    }
    CCurrentFileScope currentFile(fileName);
    return LoadObjectText(object, stream);
}

bool ReadObjectFromStream(CObject* object, CObjectStream& stream)
{
    return LoadObjectText(object, stream);
}

bool ReadObjectFromFileRefusing(CObject* object, const char* fileName, uint32_t flags)
{
    return RunRefusingReports(
        [&]
        {
            // The compressed open reads the whole file, and reads a plainly
            // written one as it stands.
            CObjectStream stream;
            if (!stream.Open(fileName, flags | OPEN_READ | OPEN_COMPRESSED | OPEN_NO_REPORT))
                return false;
            CCurrentFileScope currentFile(fileName);
            return LoadObjectText(object, stream);
        });
}

bool SaveObjectToFile(CObject* object, const char* fileName, uint32_t flags)
{
    flags |= object->GetSaveFlags();
    if ((flags & OPEN_CREATE_FOLDERS) == 0 && !CanWriteDataFile(fileName, flags))
        return false;

    CObjectStream text;
    text.OpenOnMemory(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    WriteObjectText(object, text);
    // Every load saves again, so an unchanged object must cost a read, not a
    // write: the new text is compared with the file's bytes first. A
    // compressed file is rewritten every time.
    if ((flags & OPEN_COMPRESSED) == 0)
    {
        CObjectStream existing;
        if (existing.Open(fileName, flags | OPEN_READ) && text.SameContents(existing))
            return true;
    }
    return StoreObjectText(fileName, flags, text);
}

uint8_t* WriteObjectToMemory(CObject* object, uint32_t& size)
{
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(), OPEN_WRITE | OPEN_CREATE);
    object->WriteText(stream, true);
    size = static_cast<uint32_t>(stream.Tell());
    return stream.GetBuffer();
}

namespace
{
// The class named on the first line of object text, when it can be made.
const CClassInfo* FindCreatableClass(CObjectStream& stream)
{
    CString classLine;
    if (!stream.ReadNonBlankLine(classLine))
        return nullptr;
    const CClassInfo* classInfo = GetClassRegistry().Find(SkipLineIndent(classLine.GetText()));
    return classInfo != nullptr && !classInfo->IsAbstract() ? classInfo : nullptr;
}

// Reads the caller's bytes in place; nothing writes to the stream.
void OpenOnBytes(CObjectStream& stream, const uint8_t* bytes, uint32_t size)
{
    stream.OpenOnMemory(new CMemoryStream(const_cast<uint8_t*>(bytes), size, false), OPEN_READ);
}
}

CObject* CreateObjectFromText(const uint8_t* bytes, uint32_t size)
{
    CObjectStream stream;
    OpenOnBytes(stream, bytes, size);
    const CClassInfo* classInfo = FindCreatableClass(stream);
    if (classInfo == nullptr)
        return nullptr;
    CObject* object = classInfo->CreateObject();
    if (LoadObjectText(object, stream))
        return object;
    delete object;
    return nullptr;
}

const CClassInfo* GetClassOfText(const uint8_t* bytes, uint32_t size)
{
    CObjectStream stream;
    OpenOnBytes(stream, bytes, size);
    return FindCreatableClass(stream);
}

bool SaveObject(CObject* object)
{
    CString path;
    if (!GetObjectFileName(object, path))
        return false;
    return SaveObjectToFile(object, path.GetText(), 0);
}

bool CanSaveObject(CObject* object)
{
    CString path;
    if (!GetObjectFileName(object, path))
        return true;
    return CanWriteDataFile(path.GetText(), 0);
}

#include "engine/object/object_files.h"

#include <cstring>

#include "engine/core/files/data_files.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/files/memory_file_name.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/files/open_stream.h"
#include "engine/core/files/stream.h"
#include "engine/core/lists/virtual_array.h"
#include "engine/object/class_info.h"
#include "engine/object/class_registry.h"
#include "engine/object/current_file_scope.h"
#include "engine/object/object.h"
#include "engine/object/object_stream.h"
#include "engine/object/text_lines.h"
#include "engine/object/typed_object_receiver.h"
#include "engine/platform/file_removal.h"
#include "engine/platform/file_replace.h"

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

// Writes that cannot be made beside the target and moved over it: members
// of archives, members appended to an archive, memory files.
bool WritesInPlace(const char* fileName, uint32_t flags)
{
    return strchr(fileName, ';') != nullptr || (flags & OPEN_ARCHIVES_ONLY) != 0 || IsMemoryFileName(fileName) ||
           DataFileExistsIn(fileName, flags);
}

// A free name in the target's own folder, so that moving it over the
// target never crosses file systems.
bool MakeTemporaryName(const CString& target, CString& temporary)
{
    CString pattern = target;
    pattern.ReplaceAll(CString("%"), CString("%%"));
    pattern.Append(".save%d.tmp");
    return FindUnusedFileName(temporary, pattern.GetText());
}

// Opens the file for writing, lets the writer fill it and closes it; a
// loose file is written under a temporary name and moved over the target
// only once every byte reached the disk.
template <typename Writer>
bool WriteObjectFile(const char* fileName, uint32_t flags, Writer write)
{
    if (IsAbsoluteDataName(fileName))
        flags |= OPEN_NAME_UNCHANGED;
    const uint32_t writeFlags = flags | OPEN_WRITE | OPEN_CREATE;
    if (WritesInPlace(fileName, flags))
    {
        CObjectStream stream;
        if (!stream.Open(fileName, writeFlags))
            return false;
        const bool written = write(stream);
        return stream.Close() && written;
    }

    CString target;
    ResolveDataPath(target, fileName, flags);
    CString temporary;
    if (!MakeTemporaryName(target, temporary))
        return false;
    const uint32_t temporaryFlags =
        OPEN_NAME_UNCHANGED | OPEN_WRITE | OPEN_CREATE | (flags & (OPEN_COMPRESSED | OPEN_CREATE_FOLDERS));
    CObjectStream stream;
    if (!stream.Open(temporary.GetText(), temporaryFlags))
        return false;
    bool written = write(stream);
    written = stream.Close() && written;
    if (written && (flags & OPEN_CLEAR_READ_ONLY) != 0)
        SetFileReadOnly(target.GetText(), false);
    if (written && ReplaceSystemFile(temporary.GetText(), target.GetText()))
        return true;
    DeleteSystemFile(temporary.GetText());
    return false;
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

bool SaveObjectToFile(CObject* object, const char* fileName, uint32_t flags)
{
    flags |= object->GetSaveFlags();
    if ((flags & OPEN_CREATE_FOLDERS) == 0 && !CanWriteDataFile(fileName, flags))
        return false;

    if ((flags & OPEN_COMPRESSED) != 0)
    {
        return WriteObjectFile(fileName, flags, [object](CObjectStream& stream) {
            WriteObjectText(object, stream);
            return true;
        });
    }

    // Every load saves again, so an unchanged object must cost a read, not a
    // write: the new text is compared with the file's bytes first.
    CObjectStream text;
    text.OpenOnMemory(new CMemoryStream(), flags | OPEN_WRITE | OPEN_CREATE);
    WriteObjectText(object, text);
    {
        CObjectStream existing;
        if (existing.Open(fileName, flags | OPEN_READ) && text.SameContents(existing))
            return true;
    }
    return WriteObjectFile(fileName, flags, [&text](CObjectStream& stream) { return text.CopyTo(stream, nullptr); });
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

#include "engine/core/archives/zip_archive.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/core/files/data_files.h"
#include "engine/core/program/error_report.h"
#include "engine/core/files/file.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/settings/paths.h"
#include "engine/core/files/stream.h"
#include "engine/core/archives/zip_member_stream.h"
#include "engine/platform/file_time.h"
#include "engine/platform/text_encoding.h"

static bool StartsWithNoCase(const char* text, const CString& start)
{
    return start.CompareNoCaseN(text, start.GetLength()) == 0;
}

// Whether a path below the searched folder passes through a folder whose
// name begins with "-" (the file's own name does not count).
static bool LiesInDashFolder(const char* path)
{
    for (const char* component = path;;)
    {
        const char* slash = std::strchr(component, '/');
        if (!slash)
            return false;
        if (component[0] == '-')
            return true;
        component = slash + 1;
    }
}

CZipArchive::CZipArchive()
    : m_DirectoryLoaded(false), m_Modified(false), m_KeepOpen(false), m_pFile(nullptr), m_FileWritable(false), m_MountPrefixLength(0), m_OpenMemberCount(0), m_OwnFileMemberCount(0),
      m_Unmounted(false), m_RewriteUnderway(false), m_StreamFlags(0), m_EndSignature(kZipEndSignature), m_Writable(false)
{
}

CZipArchive::~CZipArchive()
{
    Close();
}

bool CZipArchive::Open(const char* archivePath, bool writable, const char* mountPrefix, bool deferred,
                       uint32_t streamFlags)
{
    Close();
    m_ArchivePath = archivePath;
    // A prefix that begins with "/" stands for the data folder itself.
    m_MountPrefix = (mountPrefix && mountPrefix[0] != '/') ? mountPrefix : "";
    m_MountPrefixLength = m_MountPrefix.GetLength();
    m_StreamFlags = streamFlags;
    m_Writable = writable;
    if (deferred)
        return true;
    m_KeepOpen = true;
    return ReadZipDirectory();
}

void CZipArchive::Close()
{
    delete m_pFile;
    m_pFile = nullptr;
    m_FileWritable = false;
    m_Entries.Clear();
    m_NameIndex.Clear();
    m_NameHash.Clear();
    m_ArchivePath.Empty();
    m_MountPrefix.Empty();
    m_MountPrefixLength = 0;
    m_DirectoryLoaded = false;
    m_Modified = false;
    m_KeepOpen = false;
    m_EndSignature = kZipEndSignature;
}

void CZipArchive::Unmount()
{
    {
        std::lock_guard<std::mutex> lock(m_MemberLock);
        if (m_OpenMemberCount != 0 || m_OwnFileMemberCount != 0)
        {
            m_Unmounted = true;
            return;
        }
    }
    delete this;
}

bool CZipArchive::OpenFile(uint32_t extraFlags)
{
    if (!m_pFile)
        m_pFile = new CFile;
    bool opened = m_pFile->Open(m_ArchivePath.GetText(), OPEN_READ | m_StreamFlags | extraFlags);
    m_FileWritable = opened && (extraFlags & OPEN_WRITE) != 0;
    return opened;
}

bool CZipArchive::CloseFile()
{
    bool closed = !m_pFile || m_pFile->Close();
    m_FileWritable = false;
    return closed;
}

bool CZipArchive::ReadZipDirectory()
{
    m_Entries.Clear();
    m_NameIndex.Clear();
    m_NameHash.Clear();
    uint32_t directoryOffset = 0;
    if (!OpenFile(0) || !FindDirectory(directoryOffset) || !ReadEntries(directoryOffset))
    {
        Close();
        return false;
    }
    m_DirectoryLoaded = true;
    SortTables();
    if (!m_KeepOpen)
        CloseFile();
    return true;
}

// The end record is looked for only in the last 22 bytes; an archive with a
// comment, or without a directory, is walked from its first local header.
// A ZIP64 locator just before the end record says where the true directory
// offset is kept; one that leads nowhere readable refuses the archive.
bool CZipArchive::FindDirectory(uint32_t& directoryOffset)
{
    uint32_t size = m_pFile->GetSize();
    if (size >= kZipEndRecordSize)
    {
        uint8_t record[kZipEndRecordSize];
        uint32_t endOffset = size - kZipEndRecordSize;
        if (m_pFile->ReadAt(endOffset, record, kZipEndRecordSize) != kZipEndRecordSize)
            return false;
        uint32_t signature = ReadLittleEndian32(record);
        if (IsZipEndSignature(signature))
        {
            m_EndSignature = signature;
            uint8_t locator[kZip64LocatorSize];
            uint64_t zip64EndOffset = 0;
            if (endOffset >= kZip64LocatorSize &&
                m_pFile->ReadAt(endOffset - kZip64LocatorSize, locator, kZip64LocatorSize) == kZip64LocatorSize &&
                DecodeZip64Locator(locator, zip64EndOffset))
                return ReadZip64Directory(zip64EndOffset, endOffset - kZip64LocatorSize, directoryOffset);
            ZipEndFields end;
            DecodeZipEndFields(record + 4, end);
            if (end.directoryOffset != kZipWalkDirectoryOffset)
            {
                directoryOffset = end.directoryOffset;
                return true;
            }
        }
    }
    return WalkToDirectory(directoryOffset);
}

// Only archives below 4 GiB are read (every offset here is 32 bits), so a
// ZIP64 record naming anything beyond the locator is damage.
bool CZipArchive::ReadZip64Directory(uint64_t endRecordOffset, uint32_t locatorOffset, uint32_t& directoryOffset)
{
    uint8_t record[kZip64EndRecordSize];
    Zip64EndFields end;
    if (endRecordOffset + kZip64EndRecordSize > locatorOffset ||
        m_pFile->ReadAt(static_cast<uint32_t>(endRecordOffset), record, kZip64EndRecordSize) != kZip64EndRecordSize ||
        !DecodeZip64EndRecord(record, end) || end.directoryOffset > endRecordOffset)
        return false;
    directoryOffset = static_cast<uint32_t>(end.directoryOffset);
    return true;
}

bool CZipArchive::WalkToDirectory(uint32_t& directoryOffset)
{
    uint32_t size = m_pFile->GetSize();
    uint32_t position = 0;
    for (;;)
    {
        uint8_t header[kZipLocalHeaderSize];
        if (!m_pFile->Seek(position) || m_pFile->Read(header, 4) != 4)
            return false;
        uint32_t signature = ReadLittleEndian32(header);
        if (signature == kZipCentralRecordSignature)
        {
            directoryOffset = position;
            return true;
        }
        if (signature != kZipLocalHeaderSignature || m_pFile->Read(header + 4, kZipLocalHeaderSize - 4) != kZipLocalHeaderSize - 4)
            return false;
        ZipLocalHeaderInfo info;
        DecodeZipLocalHeaderTail(header + 4, info);
        uint64_t next = static_cast<uint64_t>(position) + kZipLocalHeaderSize + info.nameLength + info.extraLength +
                        info.compressedSize;
        if (next > size)
            return false;
        position = static_cast<uint32_t>(next);
    }
}

// Every member's header and bytes come before the directory. A record that
// places them elsewhere is damage: reads would leave the member, and a
// rewrite would write its header wherever the record points. The local
// header's extra field is not known here, so this bounds the least the
// member takes.
static bool LiesBeforeDirectory(const ZipCentralFields& fields, uint32_t directoryOffset)
{
    uint64_t end = static_cast<uint64_t>(fields.localHeaderOffset) + kZipLocalHeaderSize + fields.nameLength +
                   std::max(fields.compressedSize, fields.uncompressedSize);
    return end <= directoryOffset;
}

// The directory is read in one piece from its first record to the end of the
// file, which bounds every record, and is read to its end record whatever
// count the end record gives: an archive is either read whole or refused,
// never cut short.
bool CZipArchive::ReadEntries(uint32_t directoryOffset)
{
    uint32_t size = m_pFile->GetSize();
    if (directoryOffset > size)
        return false;
    uint32_t length = size - directoryOffset;
    std::vector<uint8_t> directory(length);
    if (m_pFile->ReadAt(directoryOffset, directory.data(), length) != length)
        return false;

    m_Entries.ReserveExact(length / kZipCentralRecordSize);
    CZipDirectoryCursor cursor(directory.data(), length);
    for (;;)
    {
        ZipEntry entry;
        const char* storedName = nullptr;
        CZipDirectoryCursor::Step step = cursor.Next(entry.fields, storedName);
        if (step == CZipDirectoryCursor::kEnd)
            break;
        if (step == CZipDirectoryCursor::kDamaged || !LiesBeforeDirectory(entry.fields, directoryOffset))
            return false;
        if (entry.fields.method != kZipMethodStored)
        {
            CString text;
            text.Format("%s has been created using an unsupported type of compression.  All zip archives must be "
                        "created with compression set to none or a type of compression supported by the game engine.",
                        m_ArchivePath.GetText());
            ShowErrorReport("Compressed Zip File Found", text.GetText());
            ExitAfterFatalError();
        }
        entry.name = m_MountPrefix;
        AppendEngineName(entry, storedName);
        m_Entries.Add(entry);
    }
    return true;
}

// A name flagged UTF-8 takes the engine's Latin-1 form, as loose names do,
// and is from then on stored so: the fields say the new length and lose the
// flag, so that a directory written back stays true to itself.
void CZipArchive::AppendEngineName(ZipEntry& entry, const char* storedName)
{
    ZipCentralFields& fields = entry.fields;
    if (!(fields.flags & kZipFlagUtf8Name))
    {
        entry.name.Append(storedName, fields.nameLength);
        return;
    }
    std::string latin1 = Utf8ToLatin1(std::string(storedName, fields.nameLength));
    entry.name.Append(latin1.data(), static_cast<uint32_t>(latin1.size()));
    fields.nameLength = static_cast<uint16_t>(latin1.size());
    fields.flags &= ~kZipFlagUtf8Name;
}

void CZipArchive::SortTables()
{
    std::stable_sort(m_Entries.begin(), m_Entries.end(), [](const ZipEntry& a, const ZipEntry& b) {
        return a.fields.localHeaderOffset < b.fields.localHeaderOffset;
    });
    m_NameIndex.RemoveAll();
    m_NameIndex.ReserveExact(m_Entries.GetCount());
    for (uint32_t i = 0; i < m_Entries.GetCount(); i++)
        m_NameIndex.Add(i);
    std::stable_sort(m_NameIndex.begin(), m_NameIndex.end(), [this](uint32_t a, uint32_t b) {
        return CompareItemNames(m_Entries[a].name.GetText(), m_Entries[b].name.GetText()) < 0;
    });
    BuildNameHash();
}

// FNV-1a over the name with A..Z folded as CompareItemNames folds them, so
// names that compare equal hash equal.
static uint32_t HashName(const char* name)
{
    uint32_t hash = 2166136261u;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p; p++)
    {
        unsigned char c = (*p >= 'A' && *p <= 'Z') ? static_cast<unsigned char>(*p - 'A' + 'a') : *p;
        hash = (hash ^ c) * 16777619u;
    }
    return hash;
}

void CZipArchive::BuildNameHash()
{
    uint32_t size = 2;
    while (size < m_Entries.GetCount() * 2)
        size *= 2;
    m_NameHash.Clear();
    m_NameHash.ReserveExact(size);
    for (uint32_t i = 0; i < size; i++)
        m_NameHash.Add(NameSlot{0, 0});
    for (uint32_t i = 0; i < m_Entries.GetCount(); i++)
    {
        uint32_t hash = HashName(m_Entries[i].name.GetText());
        uint32_t slot = hash & (size - 1);
        while (m_NameHash[slot].entry != 0)
            slot = (slot + 1) & (size - 1);
        m_NameHash[slot] = NameSlot{hash, i + 1};
    }
}

void CZipArchive::ReportDamaged(const CString& archivePath)
{
    CString text;
    text.Format("There is something wrong with %s.  It may be an empty or damaged archive.", archivePath.GetText());
    ShowErrorReport("FATAL ERROR IN ZIP", text.GetText());
    ExitAfterFatalError();
}

// A deferred archive meets its damage only here, long after mounting, when
// nothing sensible can be done but stop.
void CZipArchive::EnsureDirectory()
{
    if (m_DirectoryLoaded)
        return;
    CString archivePath = m_ArchivePath;
    if (!ReadZipDirectory())
        ReportDamaged(archivePath);
}

uint32_t CZipArchive::LowerBound(const char* name) const
{
    uint32_t low = 0;
    uint32_t high = m_NameIndex.GetCount();
    while (low < high)
    {
        uint32_t middle = low + (high - low) / 2;
        if (CompareItemNames(m_Entries[m_NameIndex[middle]].name.GetText(), name) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

ZipEntry* CZipArchive::FindZipEntry(const char* name, int32_t* insertionIndex)
{
    // Of members whose names differ only in letter case, the one spelt as
    // asked wins, else the first in the directory, as for loose files. The
    // mount prefix is compared without case, as it was matched.
    uint32_t size = m_NameHash.GetCount();
    ZipEntry* found = nullptr;
    if (size != 0)
    {
        uint32_t hash = HashName(name);
        for (uint32_t slot = hash & (size - 1); m_NameHash[slot].entry != 0; slot = (slot + 1) & (size - 1))
        {
            const NameSlot& candidate = m_NameHash[slot];
            ZipEntry& entry = m_Entries[candidate.entry - 1];
            if (candidate.hash != hash || CompareItemNames(entry.name.GetText(), name) != 0)
                continue;
            if (std::strcmp(GetStoredName(entry), name + m_MountPrefixLength) == 0)
                return &entry;
            if (!found || &entry < found)
                found = &entry;
        }
    }
    if (found)
        return found;
    if (insertionIndex)
        *insertionIndex = static_cast<int32_t>(LowerBound(name));
    return nullptr;
}

bool CZipArchive::BelongsToPrefix(const char* name) const
{
    if (m_MountPrefixLength == 0)
        return true;
    uint32_t folderLength = static_cast<uint32_t>(GetFileNamePart(name) - name);
    return folderLength >= m_MountPrefixLength && StartsWithNoCase(name, m_MountPrefix);
}

const char* CZipArchive::GetStoredName(const ZipEntry& entry) const
{
    return entry.name.GetText() + m_MountPrefixLength;
}

bool CZipArchive::Contains(const char* name)
{
    EnsureDirectory();
    return BelongsToPrefix(name) && FindZipEntry(name);
}

bool CZipArchive::ContainsWritable(const char* name, bool& canWrite)
{
    canWrite = false;
    EnsureDirectory();
    if (!BelongsToPrefix(name) || !FindZipEntry(name))
        return false;
    canWrite = m_Writable && CanWriteDataFile(m_ArchivePath.GetText(), m_StreamFlags);
    return true;
}

bool CZipArchive::IsNewer(const char* name, const char* reference)
{
    EnsureDirectory();
    return BelongsToPrefix(name) && ::IsNewer(m_ArchivePath.GetText(), 0, reference, 0);
}

uint64_t CZipArchive::GetFileTime(const char* name)
{
    EnsureDirectory();
    if (!BelongsToPrefix(name))
        return 0;
    if (ZipEntry* entry = FindZipEntry(name))
        return DosDateTimeToFileTime(entry->fields.date, entry->fields.time);
    return GetDataFileTime(m_ArchivePath.GetText(), m_StreamFlags, kFileTimeLastWrite);
}

void CZipArchive::Enumerate(CFileSink& sink, const CSearchSpec& search)
{
    EnsureDirectory();
    const CString& folder = search.GetFolder();
    uint32_t shorter = std::min(folder.GetLength(), m_MountPrefixLength);
    if (folder.CompareNoCaseN(m_MountPrefix, shorter) != 0)
        return;
    for (int32_t i = 0; i < search.GetExtensionCount(); i++)
    {
        if (search.ListsFolders())
            EnumerateEntryFolders(sink, search);
        else
            EnumerateEntryFiles(sink, search, search.GetExtension(i));
    }
}

void CZipArchive::EnumerateEntryFiles(CFileSink& sink, const CSearchSpec& search, const CString& extension)
{
    const CString& folder = search.GetFolder();
    uint32_t folderLength = folder.GetLength();
    CString dotExtension;
    if (extension.HasText())
    {
        dotExtension = ".";
        dotExtension += extension;
    }
    uint32_t extensionLength = dotExtension.GetLength();

    for (uint32_t i = LowerBound(folder.GetText()); i < m_NameIndex.GetCount(); i++)
    {
        ZipEntry& entry = m_Entries[m_NameIndex[i]];
        const char* name = entry.name.GetText();
        if (!StartsWithNoCase(name, folder))
            break;
        uint32_t nameLength = m_MountPrefixLength + entry.fields.nameLength;
        // Folder entries that tools store ("Levels/") are no files.
        if (nameLength == 0 || name[nameLength - 1] == '/')
            continue;
        if (extensionLength &&
            (nameLength < extensionLength || dotExtension.CompareNoCase(name + nameLength - extensionLength) != 0))
            continue;
        if (search.GetMode() == CSearchSpec::kRecurseSkippingDashFolders && LiesInDashFolder(name + folderLength))
            continue;
        const char* listedName = search.GetNameForm() == CSearchSpec::kFileNamesOnly ? GetFileNamePart(name) : name;
        entry.preEnumerated = OfferFile(sink, listedName, entry.fields.uncompressedSize,
                                        DosDateTimeToFileTime(entry.fields.date, entry.fields.time));
    }
}

void CZipArchive::EnumerateEntryFolders(CFileSink& sink, const CSearchSpec& search)
{
    const CString& folder = search.GetFolder();
    uint32_t folderLength = folder.GetLength();
    CString lastOffered;
    CString offered;

    for (uint32_t i = LowerBound(folder.GetText()); i < m_NameIndex.GetCount(); i++)
    {
        const ZipEntry& entry = m_Entries[m_NameIndex[i]];
        const char* name = entry.name.GetText();
        if (!StartsWithNoCase(name, folder))
            break;
        for (const char* component = name + folderLength;;)
        {
            const char* slash = std::strchr(component, '/');
            if (!slash)
                break;
            uint32_t componentLength = static_cast<uint32_t>(slash - component);
            if (componentLength != 0 && StartsWithNoCase(component, search.GetPattern()))
            {
                if (search.GetNameForm() == CSearchSpec::kFileNamesOnly)
                    offered.Assign(component, componentLength);
                else
                    offered.Assign(name, static_cast<uint32_t>(slash - name));
                if (lastOffered.CompareNoCase(offered) != 0)
                {
                    OfferFile(sink, offered.GetText(), 0, 0);
                    lastOffered = offered;
                }
            }
            if (search.GetMode() == CSearchSpec::kThisFolderOnly)
                break;
            if (search.GetMode() == CSearchSpec::kRecurseSkippingDashFolders && component[0] == '-')
                break;
            component = slash + 1;
        }
    }
}

// Tools write different extra fields into the local header and the central
// record, so only the local header itself tells where the data begins.
void CZipArchive::LocateData(ZipEntry& entry, CFile& file)
{
    if (entry.dataStart != 0)
        return;
    uint8_t header[kZipLocalHeaderSize];
    if (file.ReadAt(entry.fields.localHeaderOffset, header, kZipLocalHeaderSize) != kZipLocalHeaderSize ||
        ReadLittleEndian32(header) != kZipLocalHeaderSignature)
        ReportDamaged(m_ArchivePath);
    ZipLocalHeaderInfo info;
    DecodeZipLocalHeaderTail(header + 4, info);
    entry.dataStart = entry.fields.localHeaderOffset + kZipLocalHeaderSize + info.nameLength + info.extraLength;
}

uint32_t CZipArchive::GetMemberEnd(ZipEntry& entry)
{
    LocateData(entry, *m_pFile);
    return entry.dataStart + entry.fields.compressedSize;
}

CStream* CZipArchive::OpenMember(const char* name, uint32_t flags, MemberChoice choice)
{
    std::lock_guard<std::mutex> lock(m_MemberLock);
    EnsureDirectory();
    if (!name || !name[0] || !BelongsToPrefix(name) || m_Entries.GetCount() == 0)
        return nullptr;
    ZipEntry* entry = FindZipEntry(name);
    if (!entry)
        return nullptr;
    if (choice == kListedMembersOnly && !entry->preEnumerated)
        return nullptr;
    // A rewrite moves members and writes the directory when it finishes; no
    // other stream may read the file while it is under way.
    if (m_RewriteUnderway)
        return nullptr;

    bool rewrite = (flags & OPEN_CREATE) != 0;
    if (rewrite)
    {
        entry = BeginRewrite(entry);
        if (!entry)
            return nullptr;
    }
    else if (flags & OPEN_OWN_ARCHIVE_FILE)
    {
        CFile* file = new CFile;
        if (!file->Open(m_ArchivePath.GetText(), OPEN_READ | m_StreamFlags))
        {
            delete file;
            return nullptr;
        }
        LocateData(*entry, *file);
        m_OwnFileMemberCount++;
        return new CZipMemberStream(this, entry, file, true, false);
    }

    if (!(m_pFile && m_pFile->IsOpen()) && !OpenFile(0))
        return nullptr;
    LocateData(*entry, *m_pFile);
    m_OpenMemberCount++;
    return new CZipMemberStream(this, entry, m_pFile, false, rewrite);
}

// The rewritten member goes to the end of the archive, where it may grow
// freely; its directory is written back when its stream finishes.
ZipEntry* CZipArchive::BeginRewrite(ZipEntry* entry)
{
    if (!m_Writable || m_OpenMemberCount != 0 || m_OwnFileMemberCount != 0)
        return nullptr;
    if (!m_FileWritable)
    {
        CloseFile();
        if (!OpenFile(OPEN_READ | OPEN_WRITE))
            return nullptr;
    }
    if (entry != &m_Entries[m_Entries.GetCount() - 1])
    {
        entry = MoveEntryToEnd(entry);
        if (!entry)
            return nullptr;
    }
    ZipCentralFields& fields = entry->fields;
    fields.compressedSize = 0;
    fields.uncompressedSize = 0;
    fields.crc32 = 0;
    fields.method = kZipMethodStored;
    fields.extraLength = 0;
    GetDosDateTimeNow(&fields.date, &fields.time);
    WriteLocalHeader(*entry);
    entry->dataStart = fields.localHeaderOffset + kZipLocalHeaderSize + fields.nameLength;
    m_Modified = true;
    m_RewriteUnderway = true;
    return entry;
}

ZipEntry* CZipArchive::MoveEntryToEnd(ZipEntry* entry)
{
    uint32_t index = static_cast<uint32_t>(entry - m_Entries.begin());
    uint32_t count = m_Entries.GetCount();
    uint32_t end = GetMemberEnd(m_Entries[count - 1]);
    uint32_t following = m_Entries[index + 1].fields.localHeaderOffset;
    uint32_t own = entry->fields.localHeaderOffset;
    uint32_t shift = following - own;
    if (!m_pFile->CopyBlock(own, following, end - following))
        return nullptr;

    for (uint32_t i = index + 1; i < count; i++)
    {
        m_Entries[i].fields.localHeaderOffset -= shift;
        if (m_Entries[i].dataStart != 0)
            m_Entries[i].dataStart -= shift;
    }
    entry->fields.localHeaderOffset = end - shift;
    entry->dataStart = 0;
    SortTables();
    return &m_Entries[count - 1];
}

void CZipArchive::WriteLocalHeader(const ZipEntry& entry)
{
    uint8_t header[kZipLocalHeaderSize];
    EncodeZipLocalHeader(entry.fields, header);
    m_pFile->Seek(entry.fields.localHeaderOffset);
    m_pFile->Write(header, kZipLocalHeaderSize);
    m_pFile->Write(GetStoredName(entry), entry.fields.nameLength);
}

bool CZipArchive::WriteEndRecord(uint32_t directoryOffset)
{
    uint32_t position = static_cast<uint32_t>(m_pFile->Tell());
    uint32_t count = m_Entries.GetCount();
    ZipEndFields end;
    end.thisDisk = 0;
    end.directoryDisk = 0;
    end.entriesOnDisk = static_cast<uint16_t>(std::min<uint32_t>(count, 0xFFFF));
    end.totalEntries = end.entriesOnDisk;
    end.directorySize = position - directoryOffset;
    end.directoryOffset = directoryOffset;
    end.commentLength = 0;
    bool written = true;
    // More members than the end record can count: the true count goes into
    // a ZIP64 end record ahead of it, as every reader of such archives
    // expects.
    if (count > 0xFFFF)
    {
        Zip64EndFields zip64{count, end.directorySize, directoryOffset};
        uint8_t records[kZip64EndRecordSize + kZip64LocatorSize];
        EncodeZip64EndRecords(zip64, position, records);
        written = m_pFile->Write(records, sizeof(records)) == sizeof(records);
    }
    uint8_t record[kZipEndRecordSize];
    WriteLittleEndian32(record, m_EndSignature);
    EncodeZipEndFields(end, record + 4);
    written = m_pFile->Write(record, kZipEndRecordSize) == kZipEndRecordSize && written;
    m_pFile->SetSize(static_cast<uint32_t>(m_pFile->Tell()));
    return written;
}

// The extra fields and comments of the central records are not kept in
// memory, so the records are written back without them.
bool CZipArchive::WriteDirectory()
{
    uint32_t directoryOffset = GetMemberEnd(m_Entries[m_Entries.GetCount() - 1]);
    bool written = m_pFile->Seek(directoryOffset);
    for (const ZipEntry& entry : m_Entries)
    {
        ZipCentralFields fields = entry.fields;
        fields.extraLength = 0;
        fields.commentLength = 0;
        uint8_t record[kZipCentralRecordSize];
        WriteLittleEndian32(record, kZipCentralRecordSignature);
        EncodeZipCentralFields(fields, record + 4);
        written = m_pFile->Write(record, kZipCentralRecordSize) == kZipCentralRecordSize && written;
        written = m_pFile->Write(GetStoredName(entry), fields.nameLength) == fields.nameLength && written;
    }
    return WriteEndRecord(directoryOffset) && written;
}

bool CZipArchive::OnMemberStreamFinished(bool sharedFile, bool rewrite)
{
    bool written = true;
    bool lastOfUnmounted = false;
    {
        std::lock_guard<std::mutex> lock(m_MemberLock);
        if (sharedFile)
            written = FinishSharedMember(rewrite);
        else
            m_OwnFileMemberCount--;
        lastOfUnmounted = m_Unmounted && m_OpenMemberCount == 0 && m_OwnFileMemberCount == 0;
    }
    if (lastOfUnmounted)
        delete this;
    return written;
}

bool CZipArchive::FinishSharedMember(bool rewrite)
{
    m_OpenMemberCount--;
    bool written = true;
    if (rewrite)
    {
        if (m_Modified && m_FileWritable)
        {
            written = WriteDirectory();
            m_Modified = false;
            written = CloseFile() && written;
        }
        m_RewriteUnderway = false;
    }
    if (m_OpenMemberCount == 0 && !m_KeepOpen)
        CloseFile();
    return written;
}

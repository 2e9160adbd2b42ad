#pragma once

#include <cstdint>
#include <mutex>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/archives/zip_format.h"

class CFile;
class CFileSink;
class CSearchSpec;
class CStream;
class CZipMemberStream;

// One member of a mounted archive.
struct ZipEntry
{
    // The mount prefix followed by the stored name.
    CString name;
    ZipCentralFields fields;
    // Where the member's bytes begin, learnt from its own local header on
    // first open: tools write different extra fields into the local header
    // and the central record, so the central one cannot place the data.
    // 0 until then.
    uint32_t dataStart = 0;
    // Set when the last enumeration that met the entry listed it.
    bool preEnumerated = false;
};

// A store-only zip archive laid over the data folder under a folder prefix.
// Names are data names (prefix included) and compare without regard to case.
class CZipArchive
{
public:
    CZipArchive();
    ~CZipArchive();

    // A deferred archive reads its directory on first use; any other reads it
    // now and keeps its file open.
    bool Open(const char* archivePath, bool writable, const char* mountPrefix, bool deferred, uint32_t streamFlags);
    void Close();
    // How the archive tree lets go of a heap archive: deleted now when no
    // member stream is open, else by the last one to close, which reads to
    // its end first (a music track still playing at exit).
    void Unmount();
    bool ReadZipDirectory();

    // Exact names go through a hash of the case-folded name, so a lookup
    // costs the same in a thousand members as in a hundred thousand. On a
    // miss the insertion index says where the name would go in name order.
    ZipEntry* FindZipEntry(const char* name, int32_t* insertionIndex = nullptr);

    bool Contains(const char* name);
    // canWrite: the member may be rewritten.
    bool ContainsWritable(const char* name, bool& canWrite);
    // Members carry no date of their own for this test: the archive file's
    // date stands for all of them.
    bool IsNewer(const char* name, const char* reference);
    // The member's time, or the archive file's for a missing member; 0 for a
    // name outside the prefix.
    uint64_t GetFileTime(const char* name);
    void Enumerate(CFileSink& sink, const CSearchSpec& search);
    // Which members an open may take: the open resolution first asks for
    // those the last enumeration listed, before it touches the disk.
    enum MemberChoice
    {
        kAnyMember,
        kListedMembersOnly,
    };
    // OPEN_CREATE rewrites the member in place; OPEN_OWN_ARCHIVE_FILE gives
    // the stream a file of its own.
    CStream* OpenMember(const char* name, uint32_t flags, MemberChoice choice = kAnyMember);

    // Writers of the member rewrite.
    ZipEntry* MoveEntryToEnd(ZipEntry* entry);
    void WriteLocalHeader(const ZipEntry& entry);
    // False when the disk refused the record.
    bool WriteEndRecord(uint32_t directoryOffset);

    const CString& GetArchivePath() const { return m_ArchivePath; }
    const CString& GetMountPrefix() const { return m_MountPrefix; }
    uint32_t GetStreamFlags() const { return m_StreamFlags; }
    uint32_t GetEntryCount() const { return m_Entries.GetCount(); }
    // In local header offset order.
    const ZipEntry& GetEntry(uint32_t index) const { return m_Entries[index]; }

    CZipArchive(const CZipArchive&) = delete;
    CZipArchive& operator=(const CZipArchive&) = delete;

private:
    friend class CZipMemberStream;

    void EnsureDirectory();
    [[noreturn]] void ReportDamaged(const CString& archivePath);
    bool BelongsToPrefix(const char* name) const;
    bool FindDirectory(uint32_t& directoryOffset);
    bool ReadZip64Directory(uint64_t endRecordOffset, uint32_t locatorOffset, uint32_t& directoryOffset);
    bool WalkToDirectory(uint32_t& directoryOffset);
    bool ReadEntries(uint32_t directoryOffset);
    void AppendEngineName(ZipEntry& entry, const char* storedName);
    void SortTables();
    void BuildNameHash();
    bool OpenFile(uint32_t extraFlags);
    bool CloseFile();
    void LocateData(ZipEntry& entry, CFile& file);
    uint32_t GetMemberEnd(ZipEntry& entry);
    ZipEntry* BeginRewrite(ZipEntry* entry);
    void EnumerateEntryFiles(CFileSink& sink, const CSearchSpec& search, const CString& extension);
    void EnumerateEntryFolders(CFileSink& sink, const CSearchSpec& search);
    uint32_t LowerBound(const char* name) const;
    const char* GetStoredName(const ZipEntry& entry) const;
    bool WriteDirectory();

    // Member streams report here as they finish; false when the directory
    // could not be written back.
    bool OnMemberStreamFinished(bool sharedFile, bool rewrite);
    bool FinishSharedMember(bool rewrite);

    bool m_DirectoryLoaded;
    bool m_Modified;
    bool m_KeepOpen;
    CFile* m_pFile;
    bool m_FileWritable;
    CString m_ArchivePath;
    CString m_MountPrefix;
    uint32_t m_MountPrefixLength;
    CDynamicArray<ZipEntry> m_Entries;  // by local header offset
    CDynamicArray<uint32_t> m_NameIndex;  // entry indices by name, for folder walks
    // Open addressing, at most half full; entry 0 marks an empty slot, any
    // other the entry index + 1.
    struct NameSlot
    {
        uint32_t hash;
        uint32_t entry;
    };
    CDynamicArray<NameSlot> m_NameHash;
    // Opening and finishing members may happen on any thread (sound streams
    // are read and closed by their own); this guards the counts, the shared
    // file's opening and closing, and the deletion of an unmounted archive.
    std::mutex m_MemberLock;
    // Member streams on the archive's own file, and on files of their own.
    uint32_t m_OpenMemberCount;
    uint32_t m_OwnFileMemberCount;
    // Unmounted while members were open: the last to finish deletes it.
    bool m_Unmounted;
    bool m_RewriteUnderway;
    uint32_t m_StreamFlags;
    uint32_t m_EndSignature;
    bool m_Writable;
};

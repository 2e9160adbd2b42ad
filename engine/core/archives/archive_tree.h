#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

class CFileSink;
class CSearchSpec;
class CStream;
class CZipArchive;

// A folder of the archive tree; an archive mounted exactly at this folder
// hangs on it.
struct CArchiveNode
{
    CArchiveNode(CArchiveNode* parent, const char* name, uint32_t nameLength);
    ~CArchiveNode();

    // Matches whole names without regard to case.
    CArchiveNode* FindChild(const char* name, uint32_t nameLength);
    // The names of the node and its ancestors joined with "/".
    CString GetPath() const;

    CArchiveNode* parent;
    CString name;  // empty for a root
    CDynamicArray<CArchiveNode*> children;
    CZipArchive* archive;

    CArchiveNode(const CArchiveNode&) = delete;
    CArchiveNode& operator=(const CArchiveNode&) = delete;
};

// The mounted archives laid over the data folder: a list of roots, each a
// tree of folders with archives attached. Every question goes from the
// newest root to the oldest, so later archives override earlier ones.
class CArchiveTree
{
public:
    ~CArchiveTree();

    // Attaches an archive at the prefix (a folder path; "/" is the root
    // itself) in a new root or the newest one. Refused when the folder
    // already carries an archive, which would become unreachable.
    bool Mount(const char* archiveFile, bool newRoot, bool writable, const char* prefix, bool deferred,
               uint32_t streamFlags);

    // The archive of the deepest folder on the name's folder path that has one.
    CZipArchive* FindArchiveFor(const char* name, CArchiveNode* root);

    // The archive that answers an open of the name: in the newest root whose
    // archive for the name holds it, that archive; none when no root's does.
    CZipArchive* FindArchiveHolding(const char* name);
    CStream* OpenMember(const char* name, uint32_t flags);
    // The newest root with an archive for the name decides alone, even when
    // that archive lacks the name.
    bool ContainsWithFlags(const char* name, uint32_t flags);
    bool ContainsWritable(const char* name, bool& canWrite);
    uint64_t GetFileTime(const char* name, uint32_t flags);
    // Only archives mounted under a folder prefix are asked.
    bool IsNewer(const char* name, const char* reference);
    // The file of the newest root's archive when it holds the name, with the
    // flags it is opened with; false otherwise.
    bool GetArchivePath(const char* name, CString& path, uint32_t& streamFlags);
    void Enumerate(CFileSink& sink, const CSearchSpec& search);
    // Deletes every root with its folders and archives.
    void Clear();

    uint32_t GetRootCount() const { return m_Roots.GetCount(); }
    CArchiveNode* GetRoot(uint32_t index) { return m_Roots[index]; }

private:
    CZipArchive* FindDecidingArchive(const char* name);
    CArchiveNode* FindEnumerationNode(const CString& folder, CArchiveNode* root);
    void EnumerateNode(CArchiveNode* node, CFileSink& sink, const CSearchSpec& search);

    CDynamicArray<CArchiveNode*> m_Roots;  // oldest first
};

CArchiveTree& GetArchiveTree();

// Set while start-up has archives mounted; archives are asked only then.
bool AreArchivesMounted();
void SetArchivesMounted(bool mounted);

// Whether a name opened or tested with these flags may be looked up in the
// archives: only while they are mounted, and never for a name used as it
// stands (OPEN_NAME_UNCHANGED), which is a platform path.
bool MayAskArchives(uint32_t flags);

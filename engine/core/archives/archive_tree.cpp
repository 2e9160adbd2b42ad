#include "engine/core/archives/archive_tree.h"

#include <cstring>

#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/settings/paths.h"
#include "engine/core/files/stream.h"
#include "engine/core/archives/zip_archive.h"

CArchiveNode::CArchiveNode(CArchiveNode* parentNode, const char* nodeName, uint32_t nameLength)
    : parent(parentNode), archive(nullptr)
{
    name.Assign(nodeName, nameLength);
}

CArchiveNode::~CArchiveNode()
{
    for (CArchiveNode* child : children)
        delete child;
    if (archive)
        archive->Unmount();
}

CArchiveNode* CArchiveNode::FindChild(const char* childName, uint32_t nameLength)
{
    for (CArchiveNode* child : children)
        if (child->name.GetLength() == nameLength && child->name.CompareNoCaseN(childName, nameLength) == 0)
            return child;
    return nullptr;
}

CString CArchiveNode::GetPath() const
{
    if (!parent || parent->name.IsEmpty())
        return name;
    CString path = parent->GetPath();
    path.AppendPath(name);
    return path;
}

CArchiveTree::~CArchiveTree()
{
    Clear();
}

// Calls visit with each "/"-separated component of [text, end), skipping
// empty ones, while it answers true.
template <typename Visit>
static void ForEachFolderComponent(const char* text, const char* end, Visit visit)
{
    while (text < end)
    {
        const char* slash = static_cast<const char*>(std::memchr(text, '/', end - text));
        const char* componentEnd = slash ? slash : end;
        if (componentEnd > text && !visit(text, static_cast<uint32_t>(componentEnd - text)))
            return;
        text = componentEnd + 1;
    }
}

bool CArchiveTree::Mount(const char* archiveFile, bool newRoot, bool writable, const char* prefix, bool deferred,
                         uint32_t streamFlags)
{
    CArchiveNode* createdRoot = nullptr;
    CArchiveNode* node;
    if (newRoot)
        node = createdRoot = new CArchiveNode(nullptr, "", 0);
    else if (m_Roots.GetCount() != 0)
        node = m_Roots[m_Roots.GetCount() - 1];
    else
        return false;

    const char* prefixText = prefix ? prefix : "";
    ForEachFolderComponent(prefixText, prefixText + std::strlen(prefixText), [&node](const char* name, uint32_t length) {
        CArchiveNode* child = node->FindChild(name, length);
        if (!child)
        {
            child = new CArchiveNode(node, name, length);
            node->children.Add(child);
        }
        node = child;
        return true;
    });

    if (node->archive)
    {
        delete createdRoot;
        return false;
    }
    node->archive = new CZipArchive;
    if (!node->archive->Open(archiveFile, writable, prefixText, deferred, streamFlags))
    {
        delete node->archive;
        node->archive = nullptr;
        delete createdRoot;
        return false;
    }
    if (createdRoot)
        m_Roots.Add(createdRoot);
    return true;
}

// Names split only at "/": a name written with backslashes never reaches a
// folder node and so is never found inside an archive below the root.
CZipArchive* CArchiveTree::FindArchiveFor(const char* name, CArchiveNode* root)
{
    CZipArchive* found = root->archive;
    CArchiveNode* node = root;
    ForEachFolderComponent(name, GetFileNamePart(name), [&node, &found](const char* component, uint32_t length) {
        node = node->FindChild(component, length);
        if (!node)
            return false;
        if (node->archive)
            found = node->archive;
        return true;
    });
    return found;
}

CZipArchive* CArchiveTree::FindArchiveHolding(const char* name)
{
    for (uint32_t i = m_Roots.GetCount(); i-- > 0;)
    {
        CZipArchive* archive = FindArchiveFor(name, m_Roots[i]);
        if (archive && archive->Contains(name))
            return archive;
    }
    return nullptr;
}

CStream* CArchiveTree::OpenMember(const char* name, uint32_t flags)
{
    CZipArchive* archive = FindArchiveHolding(name);
    return archive ? archive->OpenMember(name, flags) : nullptr;
}

CZipArchive* CArchiveTree::FindDecidingArchive(const char* name)
{
    for (uint32_t i = m_Roots.GetCount(); i-- > 0;)
        if (CZipArchive* archive = FindArchiveFor(name, m_Roots[i]))
            return archive;
    return nullptr;
}

bool CArchiveTree::ContainsWithFlags(const char* name, uint32_t)
{
    CZipArchive* archive = FindDecidingArchive(name);
    return archive && archive->Contains(name);
}

bool CArchiveTree::ContainsWritable(const char* name, bool& canWrite)
{
    canWrite = false;
    CZipArchive* archive = FindDecidingArchive(name);
    return archive && archive->ContainsWritable(name, canWrite);
}

uint64_t CArchiveTree::GetFileTime(const char* name, uint32_t)
{
    CZipArchive* archive = FindDecidingArchive(name);
    return archive ? archive->GetFileTime(name) : 0;
}

bool CArchiveTree::IsNewer(const char* name, const char* reference)
{
    for (uint32_t i = m_Roots.GetCount(); i-- > 0;)
    {
        CZipArchive* archive = FindArchiveFor(name, m_Roots[i]);
        if (archive && archive->GetMountPrefix().HasText())
            return archive->IsNewer(name, reference);
    }
    return false;
}

bool CArchiveTree::GetArchivePath(const char* name, CString& path, uint32_t& streamFlags)
{
    if (m_Roots.GetCount() == 0)
        return false;
    CZipArchive* archive = FindArchiveFor(name, m_Roots[m_Roots.GetCount() - 1]);
    if (!archive || !archive->Contains(name))
        return false;
    path = archive->GetArchivePath();
    streamFlags = archive->GetStreamFlags();
    return true;
}

// The deepest node with an archive on the folder's path, else the node at
// exactly that path, else none.
CArchiveNode* CArchiveTree::FindEnumerationNode(const CString& folder, CArchiveNode* root)
{
    CArchiveNode* withArchive = root->archive ? root : nullptr;
    CArchiveNode* node = root;
    const char* text = folder.GetText();
    bool reached = true;
    ForEachFolderComponent(text, text + folder.GetLength(), [&](const char* component, uint32_t length) {
        node = node->FindChild(component, length);
        if (!node)
        {
            reached = false;
            return false;
        }
        if (node->archive)
            withArchive = node;
        return true;
    });
    if (withArchive)
        return withArchive;
    return reached ? node : nullptr;
}

void CArchiveTree::EnumerateNode(CArchiveNode* node, CFileSink& sink, const CSearchSpec& search)
{
    for (CArchiveNode* child : node->children)
    {
        int32_t mode = search.GetMode();
        if (mode == CSearchSpec::kRecurse || (mode == CSearchSpec::kRecurseSkippingDashFolders && child->name[0] != '-'))
            EnumerateNode(child, sink, search);
        const CString& pattern = search.GetPattern();
        if (search.ListsFolders() && pattern.CompareNoCaseN(child->name, pattern.GetLength()) == 0)
        {
            CString listed = search.GetNameForm() == CSearchSpec::kFileNamesOnly ? child->name : child->GetPath();
            OfferFile(sink, listed.GetText(), 0, 0);
        }
    }
    if (node->archive)
        node->archive->Enumerate(sink, search);
}

void CArchiveTree::Enumerate(CFileSink& sink, const CSearchSpec& search)
{
    for (uint32_t i = m_Roots.GetCount(); i-- > 0;)
        if (CArchiveNode* node = FindEnumerationNode(search.GetFolder(), m_Roots[i]))
            EnumerateNode(node, sink, search);
}

void CArchiveTree::Clear()
{
    for (CArchiveNode* root : m_Roots)
        delete root;
    m_Roots.Clear();
}

// Never destroyed, like the other registries: a member stream still open at
// exit (a music track) keeps its archive, and no static destructor may pull
// the tree from under it.
CArchiveTree& GetArchiveTree()
{
    static CArchiveTree* tree = new CArchiveTree;
    return *tree;
}

static bool s_ArchivesMounted = false;

bool AreArchivesMounted()
{
    return s_ArchivesMounted;
}

void SetArchivesMounted(bool mounted)
{
    s_ArchivesMounted = mounted;
}

bool MayAskArchives(uint32_t flags)
{
    return s_ArchivesMounted && !(flags & OPEN_NAME_UNCHANGED);
}

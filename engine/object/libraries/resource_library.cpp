#include "engine/object/libraries/resource_library.h"

#include <algorithm>
#include <cstring>

#include "engine/core/files/data_files.h"
#include "engine/core/files/enumerate_files.h"
#include "engine/core/program/error_report.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/lists/list_folder_tree.h"
#include "engine/core/program/loading_messages.h"
#include "engine/core/settings/paths.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/stream.h"
#include "engine/object/class_info.h"
#include "engine/object/object.h"
#include "engine/object/object_files.h"
#include "engine/object/properties/property.h"
#include "engine/object/libraries/new_object_request.h"

// Where an enumeration puts what it finds. It remembers no names, so every
// copy of a name is added; the library drops the duplicates once sorted.
class CResourceLibrarySink : public CFileSink
{
public:
    explicit CResourceLibrarySink(CObjectLibrary& library)
        : m_Library(library)
    {
    }

    uint32_t GetCount() override { return m_Library.m_Items.GetCount(); }
    uint32_t Add(const char* name, const FileInformation&) override { return m_Library.AddFoundFile(name); }
    bool Contains(const char*) override { return false; }

private:
    CObjectLibrary& m_Library;
};

// "A,B" gives ".A" and ".B".
static void ParseExtensions(const char* list, CStringArray& out)
{
    if (list == nullptr)
        return;
    const char* start = list;
    while (*start != 0)
    {
        const char* end = std::strchr(start, ',');
        if (end == nullptr)
            end = start + std::strlen(start);
        CString extension(".");
        extension.Append(start, static_cast<uint32_t>(end - start));
        out.Add(extension);
        start = *end != 0 ? end + 1 : end;
    }
}

// A name that starts with '.', '/' or '\' is a path of its own, not a name
// below the library folder.
static bool IsPathByItself(const CString& name)
{
    const char16_t first = name.GetAt(0);
    return first == '.' || first == '/' || first == '\\';
}

// The path with a '/' at its end, unless it is empty or has one already.
static CString AsFolder(const char* path)
{
    CString folder;
    folder.AssignPath(path, "");
    return folder;
}

static uint32_t FileNameStart(const CString& path)
{
    const char* text = path.GetText();
    return static_cast<uint32_t>(GetFileNamePart(text) - text);
}

[[noreturn]] static void ReportLoadingLoop(const char* itemName)
{
    CString text("Got stuck in an infinite loop while trying to load \"");
    text += itemName;
    text += "\".  This is usually caused by that file refering to itself.  The actions in this file need to be "
            "re-scripted to go through a canned object or relay or some other indirect method";
    ShowErrorReport("Fatal Error", text.GetText());
    ExitAfterFatalError();
}

CObjectLibrary::CObjectLibrary(ItemClassGetter itemClass, const CLibraryParameters& parameters)
    : m_pItemClass(itemClass)
    , m_Parameters(parameters)
    , m_pDisplayName(nullptr)
    , m_pFolderTree(nullptr)
    , m_EnumerationPending(false)
    , m_EnumerationFlags(0)
{
    ParseExtensions(parameters.extensions, m_Extensions);
}

CObjectLibrary::CObjectLibrary(ItemClassGetter itemClass, ELibraryInstance instance)
    : CObjectLibrary(itemClass, GetLibraryCatalogueEntry(instance).parameters)
{
    const CLibraryCatalogueEntry& entry = GetLibraryCatalogueEntry(instance);
    if (entry.registersItself)
        Register(entry.displayName, entry.folderText);
}

CObjectLibrary::~CObjectLibrary()
{
    GetListRegistry().Unregister(this);
    for (uint32_t i = m_Items.GetCount(); i-- > 0;)
        DeleteItem(m_Items[i]);
    delete m_pFolderTree;
}

void CObjectLibrary::DeleteItem(CResourceLibraryItem* item)
{
    delete item->m_pObject;
    delete item;
}

const char* CObjectLibrary::GetName(uint32_t index)
{
    EnsureEnumerated();
    return index < m_Items.GetCount() ? m_Items[index]->m_Name.GetText() : nullptr;
}

CString CObjectLibrary::GetNameString(uint32_t index)
{
    EnsureEnumerated();
    return index < m_Items.GetCount() ? m_Items[index]->m_Name : CString();
}

// The item's object is read as GetItemObject reads it, so an index beyond
// the count answers for item 0, object and name alike.
CString CObjectLibrary::GetItemDisplayName(uint32_t index)
{
    if (!m_Parameters.displayNamesFromItems)
        return CResourceLibraryBase::GetItemDisplayName(index);
    CObject* object = GetItemObject(index);
    const uint32_t count = m_Items.GetCount();
    if (count == 0)
        return CString();
    if (object != nullptr)
    {
        const Property* nameProperty = object->GetClassInfo()->FindProperty("Name");
        if (nameProperty != nullptr)
        {
            CString text;
            nameProperty->ToText(object, text);
            if (text.HasText())
                return text;
        }
    }
    return m_Items[index < count ? index : 0]->m_Name;
}

CString CObjectLibrary::GetListName()
{
    return m_pDisplayName != nullptr ? CString(m_pDisplayName) : CString();
}

const char* CObjectLibrary::GetFolder()
{
    return m_Folder.GetText();
}

bool CObjectLibrary::HoldsObjects()
{
    return true;
}

CObject* CObjectLibrary::GetItem(uint32_t index)
{
    return GetItemObject(index);
}

CClassInfo* CObjectLibrary::GetItemClass(uint32_t index)
{
    CObject* object = GetItem(index);
    return object != nullptr ? object->GetClassInfo() : nullptr;
}

bool CObjectLibrary::IsItemLoaded(uint32_t index)
{
    return index < m_Items.GetCount() && m_Items[index]->m_pObject != nullptr;
}

bool CObjectLibrary::IsItemLoading(uint32_t index)
{
    return index < m_Items.GetCount() && m_Items[index]->m_Loading;
}

CListFolderTree* CObjectLibrary::GetFolderTree()
{
    EnsureEnumerated();
    return m_pFolderTree;
}

void CObjectLibrary::TouchItem(uint32_t index)
{
    EnsureEnumerated();
    if (index >= m_Items.GetCount())
        return;
    CResourceUsage& usage = m_Items[index]->m_Usage;
    usage.m_Used = true;
    GetItemObject(index);
    if (usage.m_ReferencesPreloaded)
        return;
    usage.m_ReferencesPreloaded = true;
    CObject* object = GetItemObject(index);
    if (object != nullptr)
        object->PreloadReferences();
}

void CObjectLibrary::RemoveAll()
{
    DeleteAllItems();
}

int32_t CObjectLibrary::AddByName(const CString& name)
{
    bool saved = false;
    return AddByName(name, saved);
}

CNewObjectRequest* CObjectLibrary::CreateNewItemChooser()
{
    EnsureEnumerated();
    const CString extension = GetFirstExtension();
    if (extension.GetLength() < 2)
        return nullptr;
    CClassInfo* itemClass = GetItemClassInfo();
    CNewObjectRequest* request = new CNewObjectRequest;
    request->m_BaseFolder = m_Folder;
    request->m_Extension = extension;
    request->m_TypeName = itemClass->GetNameWithoutPrefix();
    request->m_pBaseClass = itemClass;
    request->m_pChosenClass = itemClass;
    return request;
}

int32_t CObjectLibrary::AddFromRequest(CNewObjectRequest* request)
{
    if (request == nullptr)
        return -1;
    request->m_Saved = false;
    CClassInfo* chosenClass = request->m_pChosenClass;
    if (chosenClass == nullptr || !chosenClass->IsKindOf(GetItemClassInfo()))
        return -1;
    // The result path is relative to the library folder; a leading
    // separator left by an empty sub-folder must not make it a path from
    // the root of the disk.
    CString name = request->m_Result;
    while (name.GetAt(0) == '/' || name.GetAt(0) == '\\')
        name.Delete(0, 1);
    const int32_t index = AddNewItem(name, chosenClass, request->m_Saved);
    if (index != -1)
        NotifyItemAdded(static_cast<uint32_t>(index));
    return index;
}

uint32_t CObjectLibrary::GetCount()
{
    EnsureEnumerated();
    return m_Items.GetCount();
}

CResourceUsage& CObjectLibrary::GetUsage(uint32_t index)
{
    return m_Items[index]->m_Usage;
}

CObject* CObjectLibrary::GetItemEnsured(uint32_t index)
{
    EnsureEnumerated();
    return GetItemObject(index);
}

void CObjectLibrary::UnloadItem(uint32_t index)
{
    EnsureEnumerated();
    if (index >= m_Items.GetCount())
        return;
    CResourceLibraryItem* item = m_Items[index];
    if (item->m_pObject == nullptr)
        return;
    delete item->m_pObject;
    item->m_pObject = nullptr;
    item->m_Usage.MarkUnloaded();
    item->m_Loading = false;
}

CClassInfo* CObjectLibrary::GetItemClassInfo()
{
    return m_pItemClass();
}

bool CObjectLibrary::GetObjectFilePath(CObject* object, CString& path)
{
    // Found by address alone: the object is not looked into, so any pointer
    // a caller holds may be asked about.
    if (m_EnumerationPending || object == nullptr)
        return false;
    const int32_t index = IndexOfObject(object);
    if (index == -1)
        return false;
    GetItemFilePath(static_cast<uint32_t>(index), path);
    return true;
}

int32_t CObjectLibrary::IndexOfObject(CObject* object)
{
    if (m_EnumerationPending)
        return -1;
    for (uint32_t i = 0; i < m_Items.GetCount(); i++)
    {
        if (m_Items[i]->m_pObject == object)
            return static_cast<int32_t>(i);
    }
    return -1;
}

bool CObjectLibrary::IsEnumerated()
{
    return !m_EnumerationPending;
}

void CObjectLibrary::Init(const char* displayName, const char* folder, int32_t flags)
{
    m_EnumerationPending = true;
    m_PendingFolder = folder;
    m_EnumerationFlags = flags;
    if (displayName == nullptr)
        return;
    // Registered without its folder, so the start-up arming of registered
    // folders leaves it alone.
    m_pDisplayName = displayName;
    GetListRegistry().Register(displayName, nullptr, this, GetReferenceFactory(), 0);
}

void CObjectLibrary::Register(const char* displayName, const char* folder)
{
    m_pDisplayName = displayName;
    GetListRegistry().Register(displayName, folder, this, GetReferenceFactory(), 0);
}

// A file naming a class outside the library's item class (a level saved
// where a background belongs, a shared file edited by hand) is no item: the
// library's users take its objects for the item class.
CObject* CObjectLibrary::LoadItemFile(const char* folder, const char* fileName, CObject** out)
{
    CString path;
    path.AssignPath(folder, fileName, GetFirstExtension().GetText());
    CObject* object = LoadObjectFromFile(path.GetText(), GetOpenFlags(), true, out);
    if (object == nullptr || object->IsKindOf(GetItemClassInfo()))
        return object;
    delete object;
    if (out != nullptr)
        *out = nullptr;
    return nullptr;
}

ReferenceFactory CObjectLibrary::GetReferenceFactory()
{
    return nullptr;
}

const char* CObjectLibrary::GetFallbackExtension()
{
    return m_Parameters.fallbackExtension;
}

// The pending mark goes first: a use of the library from inside its own
// enumeration then sees an unfinished list rather than starting another.
void CObjectLibrary::EnsureEnumerated()
{
    if (!m_EnumerationPending)
        return;
    m_EnumerationPending = false;
    const CString folderText = m_PendingFolder;
    Enumerate(folderText.GetText(), m_EnumerationFlags);
}

void CObjectLibrary::Enumerate(const char* folderText, int32_t flags)
{
    ShowEnumeratingMessage();
    DeleteAllItems();
    SplitFolderText(folderText);

    CStringArray stripped;
    GetExtensions(stripped);
    CString namesRoot = AsFolder(m_Folder.GetText());
    SearchFolder(AsFolder(m_SearchFolder.GetText()), flags);
    if (m_Items.GetCount() == 0)
        SearchCacheFolder(stripped, namesRoot, flags);
    MakeFoundNames(namesRoot, stripped);
    AddExtraFolderItems(flags);
    SortAndRemoveDuplicates();
    RebuildFolderTree();
}

// "Resources|Fonts" searches Resources/Fonts but names the items relative
// to Resources, so they all begin with "Fonts/".
void CObjectLibrary::SplitFolderText(const char* folderText)
{
    m_Folder = folderText;
    m_SearchFolder = folderText;
    const int32_t bar = m_Folder.FindChar('|', 0, true);
    if (bar == -1)
        return;
    m_SearchFolder.SetAt(static_cast<uint32_t>(bar), '/');
    CString folder;
    m_Folder.Left(folder, static_cast<uint32_t>(bar));
    m_Folder = folder;
}

void CObjectLibrary::ShowEnumeratingMessage()
{
    CString name;
    if (m_pDisplayName != nullptr)
    {
        name = m_pDisplayName;
    }
    else
    {
        const CListRegistryEntry* entry = GetListRegistry().FindEntry(this);
        if (entry != nullptr)
            name = entry->listName;
    }
    CString text("Enumerating ");
    text += name;
    text += "...";
    ShowLoadingMessage(GetLoadingMessageWriter(), text.GetText(), true, 0);
}

void CObjectLibrary::SearchFolder(const CString& searchRoot, int32_t flags)
{
    CResourceLibrarySink sink(*this);
    if (m_Parameters.folderItems)
    {
        CSearchSpec search;
        search.SetFoldersIn(searchRoot.GetText(), true);
        EnumerateFiles(sink, search, static_cast<uint32_t>(flags));
        return;
    }
    for (const CString& extension : m_Extensions)
    {
        CSearchSpec search;
        search.SetFolderAndExtension(searchRoot.GetText(), extension.GetText() + 1);
        EnumerateFiles(sink, search, static_cast<uint32_t>(flags));
    }
}

// Compiled caches stand in for sources that are not shipped.
void CObjectLibrary::SearchCacheFolder(CStringArray& stripped, CString& namesRoot, int32_t flags)
{
    const char* fallback = GetFallbackExtension();
    if (fallback == nullptr || *fallback == 0)
        return;
    CString path;
    path.AssignPath(GetCacheFolderName(), m_SearchFolder.GetText());
    const CString cacheRoot = AsFolder(path.GetText());
    path.AssignPath(GetCacheFolderName(), m_Folder.GetText());
    namesRoot = AsFolder(path.GetText());
    CString extension(".");
    extension += fallback;
    stripped.Add(extension);

    CResourceLibrarySink sink(*this);
    CSearchSpec search;
    search.SetFolderAndExtension(cacheRoot.GetText(), fallback);
    EnumerateFiles(sink, search, static_cast<uint32_t>(flags));
}

// Found names are paths below the data folder: they lose the library
// folder, their extension and the '-' that marks a file or folder as not
// searched by itself, so Resources/A/-B.Background becomes the item A/B.
void CObjectLibrary::MakeFoundNames(const CString& namesRoot, const CStringArray& stripped)
{
    for (CResourceLibraryItem* item : m_Items)
    {
        CString& name = item->m_Name;
        name.RemovePrefix(namesRoot);
        for (const CString& extension : stripped)
            name.RemoveSuffix(extension);
        const uint32_t fileStart = FileNameStart(name);
        if (name.GetAt(fileStart) == '-')
        {
            name.Delete(fileStart, 1);
            // Folder items are opened by their library, which knows the mark.
            item->m_DashedFile = !m_Parameters.folderItems;
        }
    }
}

// The extra folder is searched as it stands, not under the data folder; its
// items keep the folder in their names, so they are read from and saved to
// it.
void CObjectLibrary::AddExtraFolderItems(int32_t flags)
{
    const char* extraFolder = m_Parameters.extraFolder;
    if (extraFolder == nullptr)
        return;
    const uint32_t first = m_Items.GetCount();
    CResourceLibrarySink sink(*this);
    for (const CString& extension : m_Extensions)
    {
        CSearchSpec search;
        search.SetFolderAndExtension(extraFolder, extension.GetText() + 1);
        EnumerateFiles(sink, search, static_cast<uint32_t>(flags) | OPEN_NAME_UNCHANGED);
    }
    for (uint32_t i = first; i < m_Items.GetCount(); i++)
    {
        for (const CString& extension : m_Extensions)
            m_Items[i]->m_Name.RemoveSuffix(extension);
    }
}

// A stable sort, so of names that differ only in letter case the first
// found stays (loose files are found before archived ones), and every
// listing comes out the same.
void CObjectLibrary::SortAndRemoveDuplicates()
{
    const uint32_t count = m_Items.GetCount();
    if (count == 0)
        return;
    std::stable_sort(m_Items.begin(), m_Items.end(), [](const CResourceLibraryItem* a, const CResourceLibraryItem* b) {
        return a->m_Name.CompareNoCase(b->m_Name) < 0;
    });
    m_Sorted = true;
    for (uint32_t i = count - 1; i >= 1; i--)
    {
        if (m_Items[i]->m_Name.CompareNoCase(m_Items[i - 1]->m_Name) == 0)
        {
            DeleteItem(m_Items[i]);
            m_Items.RemoveAt(i);
        }
    }
}

void CObjectLibrary::RebuildFolderTree()
{
    if (m_pFolderTree == nullptr)
        m_pFolderTree = new CListFolderTree(this);
    else
        m_pFolderTree->Rebuild(this);
}

CObject* CObjectLibrary::GetItemObject(uint32_t index)
{
    EnsureEnumerated();
    const uint32_t count = m_Items.GetCount();
    if (count == 0)
        return nullptr;
    if (index >= count)
        index = 0;
    CResourceLibraryItem* item = m_Items[index];
    if (item->m_Loading)
        ReportLoadingLoop(item->m_Name.GetText());
    if (item->m_pObject == nullptr)
        LoadItem(index);
    item->m_Usage.Touch();
    return item->m_pObject;
}

CObject* CObjectLibrary::GetByName(const char* name)
{
    return GetItemObject(static_cast<uint32_t>(FindOrFail(name, -1)));
}

void CObjectLibrary::LoadAll()
{
    EnsureEnumerated();
    for (uint32_t i = 0; i < m_Items.GetCount(); i++)
        GetItemObject(i);
}

void CObjectLibrary::LoadItem(uint32_t index)
{
    if (index >= m_Items.GetCount())
        return;
    CResourceLibraryItem* item = m_Items[index];
    if (item->m_pObject != nullptr || item->m_Loading)
        return;
    item->m_Loading = true;

    CString path;
    GetItemPathWithoutExtension(*item, path);
    const uint32_t fileStart = FileNameStart(path);
    CString folder;
    path.Left(folder, fileStart != 0 ? fileStart - 1 : 0);
    // The object is stored into the item before it is read, so a request
    // for this item during the read finds it loading.
    CObject* object = LoadItemFile(folder.GetText(), path.GetText() + fileStart, &item->m_pObject);
    item->m_pObject = object;

    item->m_Loading = false;
    item->m_Usage.MarkLoaded();
}

void CObjectLibrary::GetItemFilePath(uint32_t index, CString& out)
{
    EnsureEnumerated();
    if (index >= m_Items.GetCount())
    {
        out.Empty();
        return;
    }
    GetItemPathWithoutExtension(*m_Items[index], out);
    out += GetFirstExtension();
}

void CObjectLibrary::GetItemPathWithoutExtension(const CResourceLibraryItem& item, CString& out) const
{
    if (IsPathByItself(item.m_Name))
        out = item.m_Name;
    else
        out.AssignPath(m_Folder.GetText(), item.m_Name.GetText());
    if (item.m_DashedFile)
        out.Insert(FileNameStart(out), '-');
}

CString CObjectLibrary::GetFirstExtension() const
{
    return m_Extensions.GetCount() != 0 ? m_Extensions[0] : CString(".");
}

void CObjectLibrary::GetExtensions(CStringArray& out) const
{
    out.RemoveAll();
    for (const CString& extension : m_Extensions)
        out.Add(extension);
}

void CObjectLibrary::DeleteAllItems()
{
    for (uint32_t i = m_Items.GetCount(); i-- > 0;)
        DeleteItem(m_Items[i]);
    m_Items.Free();
    // A pending library gets its tree from the coming enumeration; asking
    // for its count here would start that enumeration.
    if (m_pFolderTree != nullptr && !m_EnumerationPending)
        m_pFolderTree->Rebuild(this);
}

int32_t CObjectLibrary::AddByName(const CString& name, bool& saved)
{
    return AddNewItem(name, GetItemClassInfo(), saved);
}

int32_t CObjectLibrary::AddItemWithObject(CObject* object, const char* name)
{
    EnsureEnumerated();
    const CString itemName(name);
    if (IndexOfItemName(itemName) != -1)
        return -1;
    return AppendItem(itemName, object);
}

bool CObjectLibrary::SaveItem(uint32_t index)
{
    if (index >= m_Items.GetCount() || m_Items[index]->m_pObject == nullptr)
        return false;
    CString path;
    GetItemFilePath(index, path);
    CString folder = path;
    TruncateToFolder(folder);
    if (folder.HasText())
        EnsureFolderExists(folder.GetText(), 0);
    return SaveObjectToFile(m_Items[index]->m_pObject, path.GetText(), 0);
}

void CObjectLibrary::RemoveAt(uint32_t index)
{
    EnsureEnumerated();
    if (index >= m_Items.GetCount())
        return;
    DeleteItem(m_Items[index]);
    m_Items.RemoveAt(index);
    RebuildFolderTree();
}

uint32_t CObjectLibrary::AddFoundFile(const char* name)
{
    CResourceLibraryItem* item = new CResourceLibraryItem;
    item->m_Name = name;
    m_Items.Append(item);
    m_Sorted = false;
    return m_Items.GetCount();
}

// Exact names only, letter case aside: items that share just a file name
// live in other folders and so in other files.
int32_t CObjectLibrary::IndexOfItemName(const CString& name) const
{
    for (uint32_t i = 0; i < m_Items.GetCount(); i++)
    {
        if (m_Items[i]->m_Name.CompareNoCase(name) == 0)
            return static_cast<int32_t>(i);
    }
    return -1;
}

int32_t CObjectLibrary::AppendItem(const CString& name, CObject* object)
{
    CResourceLibraryItem* item = new CResourceLibraryItem;
    item->m_Name = name;
    item->m_pObject = object;
    const uint32_t index = m_Items.GetCount();
    m_Items.Append(item);
    m_Sorted = false;
    RebuildFolderTree();
    return static_cast<int32_t>(index);
}

int32_t CObjectLibrary::AddNewItem(const CString& requestedName, CClassInfo* itemClass, bool& saved)
{
    saved = false;
    EnsureEnumerated();
    CString name = requestedName;
    name.RemoveSuffix(GetFirstExtension());
    if (IndexOfItemName(name) != -1)
        return -1;
    // An abstract item class makes no object.
    CObject* object = itemClass->CreateObject();
    if (object == nullptr)
        return -1;
    object->SetDefaults();
    const int32_t index = AppendItem(name, object);
    saved = SaveItem(static_cast<uint32_t>(index));
    return index;
}

#include "engine/platform/path_resolution.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <mutex>

#include "engine/platform/file_time.h"
#include "engine/platform/folder_listing.h"
#include "engine/platform/path_resolution_internal.h"
#include "engine/platform/text_encoding.h"

namespace
{
struct CachedListing
{
    dev_t device;
    ino_t inode;
    timespec modified;
    bool settled;  // read when the folder's time was old enough to trust
    std::shared_ptr<const FolderListing> names;
};
}

// Names are resolved on the main thread and on the threads that read sound
// data, so the cache is locked; a folder is read outside the lock; two
// threads that miss at once both read it and the later store wins.
static std::mutex s_ListingsLock;
static std::map<std::string, CachedListing> s_Listings;

std::string FoldAsciiToUpper(const std::string& text)
{
    std::string folded = text;
    for (char& c : folded)
    {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return folded;
}

static bool SortsBefore(const ListedName& a, const ListedName& b)
{
    // std::string compares as unsigned bytes, which is the order wanted.
    if (a.foldedName != b.foldedName)
        return a.foldedName < b.foldedName;
    return a.systemName < b.systemName;
}

static bool ReadFolder(const std::string& systemFolder, FolderListing* names)
{
    DIR* folder = opendir(systemFolder.c_str());
    if (!folder)
        return false;
    names->clear();
    while (dirent* entry = readdir(folder))
    {
        ListedName listed;
        listed.systemName = entry->d_name;
        listed.name = Utf8ToLatin1(listed.systemName);
        listed.foldedName = FoldAsciiToUpper(listed.name);
        names->push_back(listed);
    }
    closedir(folder);
    std::sort(names->begin(), names->end(), SortsBefore);
    return true;
}

static bool SameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// "Data", "Data/" and "Data//" are one folder and share one listing.
static std::string ListingKey(const std::string& systemFolder)
{
    std::string key = systemFolder;
    while (key.size() > 1 && key.back() == '/')
        key.pop_back();
    return key.empty() ? "." : key;
}

std::shared_ptr<const FolderListing> GetFolderListing(const std::string& systemFolder)
{
    std::string folder = ListingKey(systemFolder);
    struct stat status;
    if (stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
    {
        ForgetFolderListing(folder);
        return nullptr;
    }
    {
        std::lock_guard<std::mutex> lock(s_ListingsLock);
        auto found = s_Listings.find(folder);
        if (found != s_Listings.end())
        {
            const CachedListing& cached = found->second;
            if (cached.settled && cached.device == status.st_dev && cached.inode == status.st_ino &&
                SameTime(cached.modified, status.st_mtim))
                return cached.names;
        }
    }
    auto names = std::make_shared<FolderListing>();
    if (!ReadFolder(folder, names.get()))
        return nullptr;
    CachedListing listing;
    listing.device = status.st_dev;
    listing.inode = status.st_ino;
    listing.modified = status.st_mtim;
    listing.settled = IsModificationTimeSettled(status.st_mtim);
    listing.names = std::move(names);
    std::lock_guard<std::mutex> lock(s_ListingsLock);
    CachedListing& stored = s_Listings[folder];
    stored = std::move(listing);
    return stored.names;
}

void ForgetFolderListing(const std::string& systemFolder)
{
    std::lock_guard<std::mutex> lock(s_ListingsLock);
    s_Listings.erase(ListingKey(systemFolder));
}

void ForgetAllFolderListings()
{
    std::lock_guard<std::mutex> lock(s_ListingsLock);
    s_Listings.clear();
}

std::string NormalizeSeparators(const std::string& name)
{
    std::string normalized;
    normalized.reserve(name.size());
    for (char c : name)
    {
        char separated = c == '\\' ? '/' : c;
        if (separated == '/' && !normalized.empty() && normalized.back() == '/')
            continue;
        normalized += separated;
    }
    return normalized;
}

static std::string JoinSystemPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

// The on-disk spelling of one component inside an existing folder, or empty.
static std::string FindComponent(const std::string& systemFolder, const std::string& component)
{
    std::string exact = Latin1ToUtf8(component);
    struct stat status;
    if (lstat(JoinSystemPath(systemFolder, exact).c_str(), &status) == 0)
        return exact;
    std::shared_ptr<const FolderListing> listing = GetFolderListing(systemFolder);
    if (!listing)
        return std::string();
    std::string folded = FoldAsciiToUpper(component);
    for (const ListedName& listed : *listing)
    {
        if (listed.foldedName == folded)
            return listed.systemName;
    }
    return std::string();
}

std::string ResolveSystemPathBelow(const std::string& systemFolder, const std::string& name)
{
    std::string normalized = NormalizeSeparators(name);
    std::string resolved = systemFolder;
    size_t start = 0;
    if (!normalized.empty() && normalized[0] == '/')
    {
        resolved = "/";
        start = 1;
    }
    bool stillExists = true;
    while (start < normalized.size())
    {
        size_t end = normalized.find('/', start);
        if (end == std::string::npos)
            end = normalized.size();
        std::string component = normalized.substr(start, end - start);
        std::string spelt;
        if (component == "." || component == "..")
        {
            spelt = component;
        }
        else
        {
            if (stillExists)
                spelt = FindComponent(resolved, component);
            if (spelt.empty())
            {
                stillExists = false;
                spelt = Latin1ToUtf8(component);
            }
        }
        resolved = JoinSystemPath(resolved, spelt);
        if (end < normalized.size())
            resolved += '/';
        start = end + 1;
    }
    return resolved;
}

std::string ResolveSystemPath(const std::string& name)
{
    return ResolveSystemPathBelow(std::string(), name);
}

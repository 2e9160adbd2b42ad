#include "engine/core/files/memory_file_name.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "engine/core/files/memory_stream.h"

static const char s_Prefix[] = "~CFileBuf 0x";
static const size_t s_PrefixLength = sizeof(s_Prefix) - 1;
static const size_t s_KeyDigits = 8;

struct CMemoryFileEntry
{
    uint32_t key;
    CMemoryStream* stream;
};

// Sounds are opened by such names on the threads that feed the mixer while
// the main thread makes and deletes other streams, so the table and its key
// counter are used only under the lock.
struct CMemoryFileTable
{
    std::mutex lock;
    std::vector<CMemoryFileEntry> entries;
    // Key 0 is never handed out, so it can stand for "no key".
    uint32_t lastKey = 0;
};

// Reached through a pointer that is never freed, so that streams destroyed
// during exit still find the table.
static CMemoryFileTable& GetMemoryFileTable()
{
    static CMemoryFileTable* s_pTable = new CMemoryFileTable();
    return *s_pTable;
}

static void RemoveEntriesOf(std::vector<CMemoryFileEntry>& entries, const CMemoryStream* stream)
{
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [stream](const CMemoryFileEntry& entry) { return entry.stream == stream; }),
                  entries.end());
}

static uint32_t ParseKey(const char* name)
{
    uint32_t key = 0;
    for (size_t i = 0; i < s_KeyDigits; i++)
    {
        char c = name[s_PrefixLength + i];
        uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return 0;
        key = key * 16 + digit;
    }
    return key;
}

CString MakeMemoryFileName(CMemoryStream* stream, const char* name)
{
    CMemoryFileTable& table = GetMemoryFileTable();
    uint32_t key;
    {
        std::lock_guard<std::mutex> lock(table.lock);
        key = ++table.lastKey;
        table.entries.push_back({key, stream});
    }
    CString result;
    result.Format("%s%08X/%s", s_Prefix, key, name ? name : "");
    return result;
}

bool IsMemoryFileName(const char* name)
{
    return name && std::strncmp(name, s_Prefix, s_PrefixLength) == 0 &&
           std::strlen(name + s_PrefixLength) >= s_KeyDigits;
}

// The stream registered under the name's key; called with the lock held.
static CMemoryStream* FindStream(const CMemoryFileTable& table, const char* name)
{
    uint32_t key = IsMemoryFileName(name) ? ParseKey(name) : 0;
    if (key == 0)
        return nullptr;
    for (const CMemoryFileEntry& entry : table.entries)
    {
        if (entry.key == key)
            return entry.stream;
    }
    return nullptr;
}

CMemoryStream* DecodeMemoryFileName(const char* name)
{
    CMemoryFileTable& table = GetMemoryFileTable();
    std::lock_guard<std::mutex> lock(table.lock);
    return FindStream(table, name);
}

void ForgetMemoryFileNames(const CMemoryStream* stream)
{
    CMemoryFileTable& table = GetMemoryFileTable();
    std::lock_guard<std::mutex> lock(table.lock);
    RemoveEntriesOf(table.entries, stream);
}

void DeleteMemoryFile(const char* name)
{
    // The stream leaves the table in the same hold of the lock that found
    // it, so two threads deleting one name delete the stream once.
    CMemoryStream* stream;
    {
        CMemoryFileTable& table = GetMemoryFileTable();
        std::lock_guard<std::mutex> lock(table.lock);
        stream = FindStream(table, name);
        if (stream != nullptr)
            RemoveEntriesOf(table.entries, stream);
    }
    delete stream;
}

#include "engine/core/files/memory_file_name.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
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

// Reached through a pointer that is never freed, so that streams destroyed
// during exit still find the table.
static std::vector<CMemoryFileEntry>& GetMemoryFileTable()
{
    static std::vector<CMemoryFileEntry>* s_pTable = new std::vector<CMemoryFileEntry>();
    return *s_pTable;
}

// Key 0 is never handed out, so it can stand for "no key".
static uint32_t s_LastKey = 0;

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
    uint32_t key = ++s_LastKey;
    GetMemoryFileTable().push_back({key, stream});
    CString result;
    result.Format("%s%08X/%s", s_Prefix, key, name ? name : "");
    return result;
}

bool IsMemoryFileName(const char* name)
{
    return name && std::strncmp(name, s_Prefix, s_PrefixLength) == 0 &&
           std::strlen(name + s_PrefixLength) >= s_KeyDigits;
}

CMemoryStream* DecodeMemoryFileName(const char* name)
{
    if (!IsMemoryFileName(name))
        return nullptr;
    uint32_t key = ParseKey(name);
    if (key == 0)
        return nullptr;
    for (const CMemoryFileEntry& entry : GetMemoryFileTable())
    {
        if (entry.key == key)
            return entry.stream;
    }
    return nullptr;
}

void ForgetMemoryFileNames(const CMemoryStream* stream)
{
    std::vector<CMemoryFileEntry>& table = GetMemoryFileTable();
    table.erase(std::remove_if(table.begin(), table.end(),
                               [stream](const CMemoryFileEntry& entry) { return entry.stream == stream; }),
                table.end());
}

void DeleteMemoryFile(const char* name)
{
    // The destructor takes the stream out of the table.
    delete DecodeMemoryFileName(name);
}

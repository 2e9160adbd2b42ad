#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/files/file_search.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/lists/virtual_array.h"

// What an enumeration tells about each file it lists.
struct FileInformation
{
    uint32_t size;
    uint64_t lastWriteTime;  // file time
};

// The receiver of an enumeration's names.
class CFileSink
{
public:
    virtual ~CFileSink() = default;

    virtual uint32_t GetCount() = 0;
    virtual uint32_t Add(const char* name, const FileInformation& information) = 0;
    virtual bool Contains(const char* name) = 0;
};

// The one way names reach a sink: a name the sink already holds is dropped,
// so the first source that lists a name (loose files before archives) wins.
// True when the name was added.
bool OfferFile(CFileSink& sink, const char* name, uint32_t size, uint64_t lastWriteTime);

// Counts what it is offered, duplicates included, and keeps nothing.
class CFileCountingSink : public CFileSink
{
public:
    uint32_t GetCount() override { return m_Count; }
    uint32_t Add(const char* name, const FileInformation& information) override;
    bool Contains(const char* name) override;

private:
    uint32_t m_Count = 0;
};

// Copies names into the caller's array of fixed-size slots. A name too long
// for a slot is fatal; names beyond the last slot are ignored.
class CFileNameBuffer : public CFileSink
{
public:
    // Slot i starts at buffer + i * stride and holds stride - 1 characters.
    // The optional information array gets each file's 32-bit size at the same
    // stride.
    CFileNameBuffer(char* buffer, uint32_t stride, uint32_t maxCount, uint8_t* information);

    uint32_t GetCount() override { return m_Count; }
    uint32_t Add(const char* name, const FileInformation& information) override;
    bool Contains(const char* name) override;

    const char* GetName(uint32_t index) const { return m_pBuffer + static_cast<size_t>(index) * m_Stride; }

    // Sorts the names held ignoring case.
    void Sort();

private:
    char* m_pBuffer;
    uint32_t m_Stride;
    uint32_t m_MaxLength;
    uint32_t m_MaxCount;
    uint8_t* m_pInformation;
    uint32_t m_Count;
};

// A named list of enumerated files with their sizes and times.
class CFileNameList : public SearchableVirtualArray, public CFileSink
{
public:
    struct Entry
    {
        CString name;
        uint32_t size = 0;
        uint32_t timeLow = 0;
        uint32_t timeHigh = 0;
    };

    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    uint32_t GetCount() override { return m_Entries.GetCount(); }
    uint32_t Add(const char* name, const FileInformation& information) override;
    bool Contains(const char* name) override;
    void RemoveAll() override { m_Entries.RemoveAll(); }

    const Entry& GetEntry(uint32_t index) const { return m_Entries[index]; }

    // Empties the list and lists into it what the search finds.
    void Fill(const CSearchSpec& search, uint32_t flags);

private:
    CDynamicArray<Entry> m_Entries;
};

#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/lists/virtual_array.h"
#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

class CListFolderTree;
class CSearchSpec;

// Moves the element at index from to index to, shifting the ones between by
// one place; nothing when the two are equal.
void MoveArrayElement(std::vector<int32_t>& array, uint32_t to, uint32_t from);

// The file names of one folder with a play order, as a jukebox needs: the
// next file of the order, or a named file now with the rest of the order
// kept. Orders: folder order, shuffled (a new pass never starts with the
// file that ended the last one), by name, or by the caller's comparison.
class CFileList : public SearchableVirtualArray
{
public:
    static constexpr int32_t kFolderOrder = 0;
    static constexpr int32_t kShuffled = 1;
    static constexpr int32_t kByName = 2;
    static constexpr int32_t kByComparison = 3;

    // Orders item indices for kByComparison: negative when a goes first.
    typedef int (*Comparison)(CFileList* list, int32_t a, int32_t b);

    CFileList();
    ~CFileList() override;

    // Lists the files the search finds (names relative to its folder); each
    // name once, whatever its case. Answers the count.
    uint32_t Build(const CSearchSpec& search, int32_t orderMode, Comparison comparison, uint32_t flags);
    // The next name of the play order, or with a name found in the list that
    // one (moved to the current place of the order). None when empty.
    const char* Next(const char* name);
    // The same joined to the folder; empty when the list is empty.
    CString NextPath(const char* name);
    CString GetPath(uint32_t index) const;
    CString PathOf(const char* name) const;
    // The name handed out last; none before the first.
    const char* GetLastName();
    void Shuffle();

    const char* GetName(uint32_t index) override;
    CString GetNameString(uint32_t index) override;
    CListFolderTree* GetFolderTree() override;
    uint32_t GetCount() override;

private:
    struct Item
    {
        CString name;
        uint32_t value = 0;
    };

    class CBuildSink;

    CString m_Folder;
    CDynamicArray<Item> m_Items;
    std::vector<int32_t> m_Order;
    uint32_t m_Position;
    int32_t m_LastItem;
    int32_t m_OrderMode;
    CListFolderTree* m_pFolderTree;
};

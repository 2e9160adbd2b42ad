#include "engine/app/file_list.h"

#include <algorithm>
#include <numeric>

#include "engine/core/files/enumerate_files.h"
#include "engine/core/files/file_search.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/lists/list_folder_tree.h"
#include "engine/core/maths/random_r250.h"

void MoveArrayElement(std::vector<int32_t>& array, uint32_t to, uint32_t from)
{
    if (to == from || to >= array.size() || from >= array.size())
        return;
    const int32_t moved = array[from];
    if (from < to)
        std::move(array.begin() + from + 1, array.begin() + to + 1, array.begin() + from);
    else
        std::move_backward(array.begin() + to, array.begin() + from, array.begin() + from + 1);
    array[to] = moved;
}

// Receives the enumerated names; a name already listed is not added again.
class CFileList::CBuildSink : public CFileSink
{
public:
    explicit CBuildSink(CDynamicArray<Item>& items)
        : m_Items(items)
    {
    }

    uint32_t GetCount() override { return m_Items.GetCount(); }

    uint32_t Add(const char* name, const FileInformation& information) override
    {
        Item item;
        item.name = name;
        item.value = information.size;
        return m_Items.Add(std::move(item));
    }

    bool Contains(const char* name) override
    {
        for (const Item& item : m_Items)
        {
            if (item.name.CompareNoCase(name) == 0)
                return true;
        }
        return false;
    }

private:
    CDynamicArray<Item>& m_Items;
};

CFileList::CFileList()
    : m_Position(0)
    , m_LastItem(-1)
    , m_OrderMode(kFolderOrder)
    , m_pFolderTree(nullptr)
{
}

CFileList::~CFileList()
{
    delete m_pFolderTree;
}

uint32_t CFileList::Build(const CSearchSpec& search, int32_t orderMode, Comparison comparison, uint32_t flags)
{
    m_Folder = search.GetFolder();
    m_OrderMode = orderMode;
    m_Items.Clear();
    m_Order.clear();
    m_Position = UINT32_MAX;
    m_LastItem = -1;

    CBuildSink sink(m_Items);
    EnumerateFiles(sink, search, flags);

    const uint32_t prefix = m_Folder.GetLength();
    for (Item& item : m_Items)
    {
        if (item.name.CompareNoCaseN(m_Folder, prefix) == 0)
            item.name.Delete(0, prefix);
    }
    // The folder without its separator: paths join it with "/".
    if (m_Folder.HasText() && (m_Folder[m_Folder.GetLength() - 1] == '/' || m_Folder[m_Folder.GetLength() - 1] == '\\'))
    {
        CString trimmed;
        trimmed.AssignLeft(m_Folder, m_Folder.GetLength() - 1);
        m_Folder = trimmed;
    }

    m_Order.resize(m_Items.GetCount());
    std::iota(m_Order.begin(), m_Order.end(), 0);
    if (orderMode == kShuffled)
        Shuffle();
    else if (orderMode == kByName)
        std::stable_sort(m_Order.begin(), m_Order.end(), [this](int32_t a, int32_t b) {
            return m_Items[static_cast<uint32_t>(a)].name.CompareNoCase(m_Items[static_cast<uint32_t>(b)].name) < 0;
        });
    else if (orderMode == kByComparison && comparison)
        std::stable_sort(m_Order.begin(), m_Order.end(),
                         [this, comparison](int32_t a, int32_t b) { return comparison(this, a, b) < 0; });
    if (orderMode != kShuffled)
        m_Position = 0;

    if (!m_pFolderTree)
        m_pFolderTree = new CListFolderTree(this);
    else
        m_pFolderTree->Rebuild(this);
    return m_Items.GetCount();
}

const char* CFileList::Next(const char* name)
{
    const uint32_t count = m_Items.GetCount();
    if (count == 0)
        return nullptr;
    if (m_Position >= count)
    {
        if (m_OrderMode == kShuffled)
            Shuffle();
        else
            m_Position = 0;
    }
    if (name)
    {
        const int32_t found = Find(name, -1);
        if (found != -1)
        {
            const auto place = std::find(m_Order.begin(), m_Order.end(), found);
            uint32_t i = static_cast<uint32_t>(place - m_Order.begin());
            if (i < m_Position)
                m_Position--;
            MoveArrayElement(m_Order, m_Position, i);
        }
    }
    const int32_t item = m_Order[m_Position];
    m_LastItem = item;
    m_Position++;
    return m_Items[static_cast<uint32_t>(item)].name.GetText();
}

CString CFileList::NextPath(const char* name)
{
    const char* next = Next(name);
    return next ? PathOf(next) : CString();
}

CString CFileList::GetPath(uint32_t index) const
{
    return index < m_Items.GetCount() ? PathOf(m_Items[index].name.GetText()) : CString();
}

CString CFileList::PathOf(const char* name) const
{
    CString path = m_Folder;
    path += "/";
    path += name;
    return path;
}

const char* CFileList::GetLastName()
{
    return m_LastItem >= 0 ? m_Items[static_cast<uint32_t>(m_LastItem)].name.GetText() : nullptr;
}

void CFileList::Shuffle()
{
    const uint32_t count = m_Items.GetCount();
    m_Position = 0;
    do
    {
        m_Order.resize(count);
        std::iota(m_Order.begin(), m_Order.end(), 0);
        for (uint32_t j = 0; j < count; j++)
            std::swap(m_Order[j], m_Order[AmbientRandom().Below(count)]);
    } while (count >= 2 && m_Order[0] == m_LastItem);
}

const char* CFileList::GetName(uint32_t index)
{
    return index < m_Items.GetCount() ? m_Items[index].name.GetText() : nullptr;
}

CString CFileList::GetNameString(uint32_t index)
{
    return index < m_Items.GetCount() ? m_Items[index].name : CString();
}

CListFolderTree* CFileList::GetFolderTree()
{
    return m_pFolderTree;
}

uint32_t CFileList::GetCount()
{
    return m_Items.GetCount();
}

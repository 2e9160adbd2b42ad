#include "content/images/picture_table.h"

#include <map>

#include "content/images/image_item.h"
#include "content/objects/object_item.h"

namespace {
struct CPlacedRow
{
    std::string folder;
    const CPictureRow* row;
};

// Every table's rows by item name, for the one maker they share.
std::map<std::string, CPlacedRow>& GetRowsByItem()
{
    static std::map<std::string, CPlacedRow> rows;
    return rows;
}

void MakeTablePicture(CContentTree& tree, const char* item)
{
    const CPlacedRow& placed = GetRowsByItem().at(item);
    AddPictureFile(tree, item, placed.row->draw(), item);
    AddObjectFile(tree, placed.folder + placed.row->name + ".txt", placed.row->options, item);
}
} // namespace

CPictureTable::CPictureTable(const char* folder, const CPictureRow* rows, size_t count)
{
    m_Names.reserve(count);
    for (size_t i = 0; i < count; ++i)
    {
        m_Names.push_back(std::string(folder) + rows[i].name + ".TGA");
        GetRowsByItem()[m_Names.back()] = CPlacedRow{folder, &rows[i]};
    }
    for (const std::string& name : m_Names)
        m_Registrations.emplace_back(name.c_str(), MakeTablePicture);
}

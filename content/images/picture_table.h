#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"

// A picture of a table and the load options written beside it.
struct CPictureRow
{
    const char* name;
    CPicture (*draw)();
    // The object text of its "<name>.txt".
    const char* options;
};

// Registers one item a row, "<folder><name>.TGA", each written with its
// options file: for a family of pictures in one folder that differ only
// in drawing and options.
class CPictureTable
{
public:
    CPictureTable(const char* folder, const CPictureRow* rows, size_t count);

    CPictureTable(const CPictureTable&) = delete;
    CPictureTable& operator=(const CPictureTable&) = delete;

private:
    std::vector<std::string> m_Names;
    std::vector<CContentItemRegistration> m_Registrations;
};

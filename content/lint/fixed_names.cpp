#include "content/lint/fixed_names.h"

#include <sstream>

namespace {

constexpr const char* kSequenceFile = "/Properties.txt";
constexpr const char* kSequenceShorthand = "/...";

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::vector<std::string> QuotedNames(const std::string& cell)
{
    std::vector<std::string> names;
    size_t open = cell.find('"');
    while (open != std::string::npos)
    {
        const size_t close = cell.find('"', open + 1);
        if (close == std::string::npos)
            break;
        names.push_back(cell.substr(open + 1, close - open - 1));
        open = cell.find('"', close + 1);
    }
    return names;
}

// The cell's text between the bars, or empty when there is no such cell.
std::string Cell(const std::string& row, int index)
{
    size_t start = 0;
    for (int i = 0; i <= index; i++)
    {
        start = row.find('|', start);
        if (start == std::string::npos)
            return "";
        start++;
    }
    const size_t end = row.find('|', start);
    return end == std::string::npos ? "" : row.substr(start, end - start);
}

bool DescribesInsteadOfNaming(const std::string& name)
{
    const std::string withoutShorthand =
        EndsWith(name, kSequenceShorthand) ? name.substr(0, name.size() - 3) : name;
    return name.find('<') != std::string::npos || withoutShorthand.find("...") != std::string::npos;
}

// ".wav" of "Sounds/Bounce.wav"; ".FONT.TXT" of "Fonts/Big White.FONT.TXT".
std::string ExtensionOf(const std::string& path)
{
    const size_t nameStart = path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1;
    const size_t dot = path.find('.', nameStart);
    return dot == std::string::npos ? "" : path.substr(dot);
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

std::string Completed(const std::string& name, bool sequences, const std::string& extension)
{
    if (EndsWith(name, kSequenceShorthand))
        return name.substr(0, name.size() - 4) + kSequenceFile;
    if (sequences)
        return EndsWith(name, kSequenceFile) ? name : name + kSequenceFile;
    return ExtensionOf(name).empty() ? name + extension : name;
}

void AddRow(const std::vector<std::string>& quoted, std::vector<CFixedName>& out)
{
    std::string rowExtension;
    std::vector<std::string> names;
    for (const std::string& name : quoted)
    {
        if (name.size() > 1 && name[0] == '.')
            rowExtension = name;
        else if (!name.empty() && !DescribesInsteadOfNaming(name))
            names.push_back(name);
    }
    if (names.empty())
        return;
    const std::string first = Completed(names[0], false, rowExtension);
    const bool sequences = EndsWith(first, kSequenceFile);
    const std::string extension = sequences ? "" : ExtensionOf(first);
    out.push_back(CFixedName{names[0], {first}});
    // The sequence's own folder is the item; its folder holds the others.
    const std::string home = FolderOf(sequences ? FolderOf(first) : first);
    for (size_t i = 1; i < names.size(); i++)
    {
        CFixedName fixed{names[i], {}};
        const std::string completed = Completed(names[i], sequences, extension);
        for (std::string folder = home;; folder = FolderOf(folder))
        {
            fixed.candidates.push_back(folder.empty() ? completed : folder + "/" + completed);
            if (folder.empty())
                break;
        }
        out.push_back(fixed);
    }
}

bool IsPending(const std::string& filesCell)
{
    const size_t start = filesCell.find_first_not_of(' ');
    return start != std::string::npos && filesCell.compare(start, 7, "pending") == 0;
}

} // namespace

std::vector<CFixedName> ReadFixedNames(const std::string& itemTable)
{
    std::vector<CFixedName> names;
    std::istringstream lines(itemTable);
    std::string row;
    while (std::getline(lines, row))
    {
        if (row.rfind("| \"", 0) != 0 || IsPending(Cell(row, 1)))
            continue;
        AddRow(QuotedNames(Cell(row, 0)), names);
    }
    return names;
}

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "content/content_items.h"
#include "content/content_tree.h"

// The TrueType file every font names unless it says otherwise: DejaVu Sans
// from the system's fonts-dejavu-core package, the one asset the project
// does not make itself, shipped with the package's licence text beside it.
// The build finds both files (VP_DEJAVU_FONT_FILE, VP_DEJAVU_LICENSE_FILE).

static std::vector<uint8_t> ReadWholeFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        std::fprintf(stderr, "content: cannot read \"%s\" (is fonts-dejavu-core installed?)\n", path);
        std::exit(1);
    }
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

static void MakeDefaultTrueType(CContentTree& tree, const char* item)
{
    tree.Add("Data/Resources/!default.ttf", ReadWholeFile(VP_DEJAVU_FONT_FILE), item);
    tree.Add("Data/Resources/!default.ttf License.txt", ReadWholeFile(VP_DEJAVU_LICENSE_FILE), item);
}

static CContentItemRegistration s_DefaultTrueType("Resources/!default.ttf", MakeDefaultTrueType);

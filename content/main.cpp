#include <cstdio>
#include <cstring>
#include <filesystem>

#include "content/content_items.h"
#include "content/content_tree.h"
#include "content/tree_hash.h"

// The starter-content generator: writes the game's program folder (its
// "Data/" with every resource the engine looks up by name) below the folder
// given, then prints the hash of what lies there, caches aside.
//
//     vp_content <program folder>
//     vp_content --list <folder> the same, then each item with its files
int main(int argc, char** argv)
{
    const bool list = argc == 3 && std::strcmp(argv[1], "--list") == 0;
    if (argc != 2 && !list)
    {
        std::fprintf(stderr, "usage: %s [--list] <program folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path programFolder = argv[argc - 1];
    CContentTree tree;
    uint32_t changed = 0;
    if (!GenerateContent(programFolder, tree, changed))
        return 1;
    std::printf("%s (%u rewritten)\n", FormatTreeHash(HashTree(programFolder / "Data", "Cache")).c_str(), changed);
    if (list)
    {
        for (const CContentItem& item : GetContentItems())
        {
            for (const std::string& path : tree.GetFilesOf(item.name))
                std::printf("%s\t%s\t%zu\n", item.name, path.c_str(), tree.GetFiles().at(path).size());
        }
    }
    return 0;
}

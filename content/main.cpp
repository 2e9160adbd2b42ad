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
//     vp_content --list          the items and the files each one makes
int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0)
    {
        for (const CContentItem& item : GetContentItems())
        {
            CContentTree tree;
            item.make(tree, item.name);
            for (const auto& [path, bytes] : tree.GetFiles())
                std::printf("%s\t%s\t%zu\n", item.name, path.c_str(), bytes.size());
        }
        return 0;
    }
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <program folder> | --list\n", argv[0]);
        return 2;
    }
    const std::filesystem::path programFolder = argv[1];
    CContentTree tree;
    MakeContent(tree);
    uint32_t changed = 0;
    if (!tree.WriteTo(programFolder, changed))
        return 1;
    std::printf("%s (%u rewritten)\n", FormatTreeHash(HashTree(programFolder / "Data", "Cache")).c_str(), changed);
    return 0;
}

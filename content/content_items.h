#pragma once

#include <vector>

class CContentTree;

// One item of the starter content: a name (the path its main file takes
// below "Data/", as content/README.md lists it) and the function that adds
// its files to the tree. Adding an item is one function and one
// registration beside it:
//
//     static void MakeBounce(CContentTree& tree, const char* item) { ... }
//     static CContentItemRegistration s_Bounce("Sounds/Bounce.wav", MakeBounce);
struct CContentItem
{
    using Maker = void (*)(CContentTree& tree, const char* item);

    const char* name;
    Maker make;
};

class CContentItemRegistration
{
public:
    CContentItemRegistration(const char* name, CContentItem::Maker make);
};

// Every registered item in name order (registration order follows the link
// order, which must not decide anything).
std::vector<CContentItem> GetContentItems();

// Runs every item into the tree.
void MakeContent(CContentTree& tree);

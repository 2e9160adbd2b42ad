#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

class CContentTree;

// Items are made in phases, each written to disk before the next runs:
// object files name other files and objects (a font its TrueType file, an
// overlay set its fonts), and the engine's object model resolves those
// names against what lies in the data folder when it writes them.
enum EContentPhase
{
    // Plain files: sounds, pictures, the TrueType font.
    CONTENT_FILES,
    // Objects that name plain files.
    CONTENT_OBJECTS,
    // Objects that name objects of the phase before.
    CONTENT_OBJECTS_OF_OBJECTS,
    // Objects that name brick styles: themes with every-level bricks,
    // power-ups that lay a brick.
    CONTENT_OBJECTS_OF_STYLES,
    // Rounds, which name their theme, brick styles and power-ups.
    CONTENT_ROUNDS,
    // Round sets, which name their rounds.
    CONTENT_ROUND_SETS,
    CONTENT_PHASE_COUNT
};

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
    EContentPhase phase;
};

class CContentItemRegistration
{
public:
    CContentItemRegistration(const char* name, CContentItem::Maker make, EContentPhase phase = CONTENT_FILES);
};

// Every registered item in name order (registration order follows the link
// order, which must not decide anything).
std::vector<CContentItem> GetContentItems();

// Makes every item into the tree and writes it below the program folder,
// phase by phase, with the engine's data folder set to its "Data/" folder.
// Answers false when a file cannot be written; changed counts the files
// whose bytes changed.
bool GenerateContent(const std::filesystem::path& programFolder, CContentTree& tree, uint32_t& changed);

#pragma once

#include <cstdint>

class CResourceLibraryBase;

// Every resource library of the game, in the order start-up initialises
// them. Each subsystem declares the instances of its own item classes; their
// parameters all live in the one table behind GetLibraryCatalogueEntry.
enum ELibraryInstance
{
    LIBRARY_FRAMES,
    LIBRARY_FRAME_OVERLAY_OPTIONS,
    LIBRARY_FONTS,
    LIBRARY_TUTORIAL,
    LIBRARY_GENERAL_OBJECTS,
    LIBRARY_USER_INTERFACE_TEXTURES,
    LIBRARY_COMMERCIAL,
    LIBRARY_MODULE_INFO,
    LIBRARY_POWER_UP,
    LIBRARY_BRICK_STYLE_SHEET,
    LIBRARY_SEQUENCES,
    LIBRARY_BRICK_INFO,
    LIBRARY_BACKGROUND_DEFINITION,
    LIBRARY_ROUNDS,
    LIBRARY_SKIN_THEMES,
    LIBRARY_ROUND_SETS,
    LIBRARY_PARTICLE_GENERATORS,
    LIBRARY_INSTANCE_COUNT
};

// What fixes a library besides its item class.
struct CLibraryParameters
{
    // Extensions without dots, separated by ','. The first is the one items
    // are loaded, saved and created with; the others only widen the search.
    const char* extensions;
    // Searched for in the cache folder when the folder yields nothing; null
    // for no such search, or where the instance works it out at run time
    // (the compiled-cache keywords of frames and sequences).
    const char* fallbackExtension;
    // The items are the folders named "-..." instead of files.
    bool folderItems;
    // A folder searched as it stands, besides the data folder; its items
    // keep it in their names and are saved back to it.
    const char* extraFolder;
    // Added to every open of an item's file.
    uint32_t openFlags;
    // Editors show the item's own "Name" when it has one.
    bool displayNamesFromItems;
};

struct CLibraryCatalogueEntry
{
    const char* displayName;
    // The folder the items are named relative to; "A|B" searches A/B but
    // still names items relative to A.
    const char* folderText;
    CLibraryParameters parameters;
    // Registered with its folder when it is built, so the start-up arming
    // of every registered folder initialises it: no code names it.
    bool registersItself;
};

const CLibraryCatalogueEntry& GetLibraryCatalogueEntry(ELibraryInstance instance);

// Names the library, registers it and arms its enumeration for the first
// use, then adds the aliases the catalogue gives it (which looks their
// items up, so the library is enumerated right away when it has any).
void InitCatalogueLibrary(CResourceLibraryBase& library, ELibraryInstance instance);

#include "engine/object/library_catalogue.h"

#include "engine/core/resource_library_base.h"
#include "engine/core/stream.h"

// Item classes, by row: CFrame (objects of CStandAloneFrame), CFrameOverlayOptions,
// CFont, CTutorial, CObject (items of any class), CFrame (objects of
// CStandAloneFrame), CCommercial, CModuleInfo, CPowerUpBase, CBrickStyleSheet,
// CSequence, CBrickInfo, CBackgroundDefinition, CBrickLayout, CSkinTheme,
// CRoundSet, CParticleGeneratorInfo.
static const CLibraryCatalogueEntry s_Catalogue[LIBRARY_INSTANCE_COUNT] = {
    {"Frames", "Resources", {"TGA,RLA", nullptr, false, nullptr, 0, false}, false},
    {"Frame Overlay Options", "Resources", {"FOO", "property", false, nullptr, 0, false}, false},
    {"Fonts", "Resources|Fonts", {"FONT.TXT", "property", false, nullptr, 0, false}, false},
    {"Tutorial", "Resources", {"Tutorial.txt", "property", false, nullptr, 0, false}, true},
    {"General Objects", "Resources", {"Object.txt", "property", false, nullptr, 0, false}, false},
    {"User Interface Textures", "Interface/Textures", {"TGA,RLA", nullptr, false, nullptr, 0, false}, false},
    {"Commercial", "Resources", {"Commercial", "property", false, nullptr, 0, false}, false},
    {"Module Info", "Resources", {"modinfo", "property", false, nullptr, 0, false}, false},
    {"PowerUp", "Resources/Power Ups", {"PowerUp", "property", false, nullptr, 0, true}, false},
    {"BrickStyleSheet", "Resources/Brick Style Sheets", {"BrickStyleSheet", "property", false, nullptr, 0, true}, false},
    {"Sequences", "Resources", {"", nullptr, true, nullptr, 0, false}, false},
    {"Brick Info", "Resources", {"Brick", "xxx", false, nullptr, 0, false}, false},
    {"Background Definition", "Resources", {"Background", "property", false, nullptr, 0, false}, false},
    {"Rounds", "Resources", {"Vantrell", "property", false, nullptr, 0, false}, false},
    {"Skin Themes", "Resources", {"JWindowSkin", "property", false, nullptr, 0, false}, false},
    // User-made sets are created as loose files beside the program and stored
    // compressed.
    {"Round Sets", "Resources", {"VantrellZK", "property", false, "./Rounds/", OPEN_COMPRESSED, false}, false},
    {"Particle Generators", "Resources", {"PGen", "xxx", false, nullptr, 0, false}, false},
};

struct CLibraryAlias
{
    ELibraryInstance library;
    const char* aliasName;
    const char* itemName;
};

// Names that older data uses for items that have since been renamed.
static const CLibraryAlias s_Aliases[] = {
    {LIBRARY_POWER_UP, "No Power-Up", "!None"},
    {LIBRARY_BRICK_STYLE_SHEET, "Programmer/AcceleratorExample", "Ball Accelerator"},
    {LIBRARY_BRICK_STYLE_SHEET, "Programmer/DeceleratorExample", "Ball Decelerator"},
};

const CLibraryCatalogueEntry& GetLibraryCatalogueEntry(ELibraryInstance instance)
{
    return s_Catalogue[instance];
}

void InitCatalogueLibrary(CResourceLibraryBase& library, ELibraryInstance instance)
{
    const CLibraryCatalogueEntry& entry = s_Catalogue[instance];
    library.Init(entry.displayName, entry.folderText, 0);
    for (const CLibraryAlias& alias : s_Aliases)
    {
        if (alias.library == instance)
            library.AddAlias(alias.aliasName, alias.itemName);
    }
}

#include "engine/object/libraries/library_catalogue.h"

#include "engine/core/lists/resource_library_base.h"
#include "engine/core/files/stream.h"

// Each row names its item class; the class belongs to its subsystem, which
// declares the instance once the class exists.
static const CLibraryCatalogueEntry s_Catalogue[LIBRARY_INSTANCE_COUNT] = {
    // CFrame; the objects are CStandAloneFrame.
    {"Frames", "Resources", {"TGA,RLA", nullptr, false, nullptr, 0, false}, false},
    // CFrameOverlayOptions
    {"Frame Overlay Options", "Resources", {"FOO", "property", false, nullptr, 0, false}, false},
    // CFont
    {"Fonts", "Resources|Fonts", {"FONT.TXT", "property", false, nullptr, 0, false}, false},
    // CTutorial
    {"Tutorial", "Resources", {"Tutorial.txt", "property", false, nullptr, 0, false}, true},
    // CObject: items of any class.
    {"General Objects", "Resources", {"Object.txt", "property", false, nullptr, 0, false}, false},
    // CFrame; the objects are CStandAloneFrame.
    {"User Interface Textures", "Interface/Textures", {"TGA,RLA", nullptr, false, nullptr, 0, false}, false},
    // CCommercial
    {"Commercial", "Resources", {"Commercial", "property", false, nullptr, 0, false}, false},
    // CModuleInfo
    {"Module Info", "Resources", {"modinfo", "property", false, nullptr, 0, false}, false},
    // CPowerUpBase
    {"PowerUp", "Resources/Power Ups", {"PowerUp", "property", false, nullptr, 0, true}, false},
    // CBrickStyleSheet
    {"BrickStyleSheet", "Resources/Brick Style Sheets", {"BrickStyleSheet", "property", false, nullptr, 0, true}, false},
    // CSequence
    {"Sequences", "Resources", {"", nullptr, true, nullptr, 0, false}, false},
    // CBrickInfo
    {"Brick Info", "Resources", {"Brick", "xxx", false, nullptr, 0, false}, false},
    // CBackgroundDefinition
    {"Background Definition", "Resources", {"Background", "property", false, nullptr, 0, false}, false},
    // CBrickLayout
    {"Rounds", "Resources", {"Vantrell", "property", false, nullptr, 0, false}, false},
    // CSkinTheme
    {"Skin Themes", "Resources", {"JWindowSkin", "property", false, nullptr, 0, false}, false},
    // CRoundSet. Players' own sets are made as loose files beside the
    // program and stored compressed.
    {"Round Sets", "Resources", {"VantrellZK", "property", false, "./Rounds/", OPEN_COMPRESSED, false}, false},
    // CParticleGeneratorInfo
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

#include "content/lint/lint_libraries.h"

#include <set>

#include "content/lint/lint_fatal_catcher.h"
#include "content/lint/lint_report.h"
#include "engine/app/game_services.h"
#include "engine/app/sound/sound_list.h"
#include "engine/core/lists/list_registry.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/sequence_list.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/libraries/general_objects.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/ui/skin_library.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_info.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/power_up_base.h"
#include "game/playfield/tutorial.h"

void ArmGameLibraries()
{
    InitPixelFormatTables("Palettes", "GamePalette");
    GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
    GetGameServices().InitInterfaceLibraries();
    InitCatalogueLibrary(GetTutorialLibrary(), LIBRARY_TUTORIAL);
    InitCatalogueLibrary(GetGeneralObjectList(), LIBRARY_GENERAL_OBJECTS);
    InitCatalogueLibrary(GetInterfaceTextureList(), LIBRARY_USER_INTERFACE_TEXTURES);
    InitCatalogueLibrary(GetPowerUpLibrary(), LIBRARY_POWER_UP);
    // Not InitBrickStyleSheetLibrary: its refusal of a library without its
    // placeholder would end the lint; the placeholder check reports it.
    InitCatalogueLibrary(GetBrickStyleSheetLibrary(), LIBRARY_BRICK_STYLE_SHEET);
    InitCatalogueLibrary(GetSequenceList(), LIBRARY_SEQUENCES);
    InitCatalogueLibrary(GetBrickInfoLibrary(), LIBRARY_BRICK_INFO);
    InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
    InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
    InitCatalogueLibrary(GetSkinLibrary(), LIBRARY_SKIN_THEMES);
    InitCatalogueLibrary(GetRoundSetLibrary(), LIBRARY_ROUND_SETS);
    InitCatalogueLibrary(GetParticleGeneratorList(), LIBRARY_PARTICLE_GENERATORS);
}

std::string GetLintItemFile(CObjectLibrary& library, uint32_t index)
{
    CString path;
    library.GetItemFilePath(index, path);
    std::string file = path.GetText();
    for (char& c : file)
    {
        if (c == '\\')
            c = '/';
    }
    // Folder items have no extension of their own.
    if (!file.empty() && file.back() == '.')
        file.pop_back();
    return file;
}

void LintEveryLibraryItem(CLintFatalCatcher& catcher, CLintReport& report)
{
    CListRegistry& registry = GetListRegistry();
    std::set<CObjectLibrary*> visited;
    for (uint32_t entry = 0; entry < registry.GetCount(); entry++)
    {
        auto* library = dynamic_cast<CObjectLibrary*>(registry.GetEntry(entry).list);
        if (library == nullptr || !visited.insert(library).second)
            continue;
        for (uint32_t i = 0; i < library->GetCount(); i++)
        {
            const std::string file = GetLintItemFile(*library, i);
            const std::string item = library->GetNameString(i).GetText();
            CObject* object = nullptr;
            if (catcher.Run(report, file, item, [&] { object = library->GetItemObject(i); }) && object == nullptr)
                report.Add(file, item, "the file does not read as an item of \"" +
                                           std::string(library->GetListName().GetText()) + "\"");
        }
    }
}

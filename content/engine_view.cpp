#include "content/engine_view.h"

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/background_library.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/round_library.h"
#include "game/playfield/particle_generator.h"
#include "game/playfield/power_up_base.h"

void PrepareEngineForPhase(EContentPhase phase)
{
    switch (phase)
    {
    case CONTENT_OBJECTS:
        BuildFontFileList();
        InitCatalogueLibrary(GetFrameList(), LIBRARY_FRAMES);
        // Particle generators name sequences.
        InitCatalogueLibrary(GetSequenceList(), LIBRARY_SEQUENCES);
        break;
    case CONTENT_OBJECTS_OF_OBJECTS:
        InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
        // Brick style sheets name sounds and particle generators.
        GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
        InitCatalogueLibrary(GetParticleGeneratorList(), LIBRARY_PARTICLE_GENERATORS);
        break;
    case CONTENT_OBJECTS_OF_STYLES:
        InitBrickStyleSheetLibrary();
        break;
    case CONTENT_ROUNDS:
        // Styles that name other styles (a splitter's children) were written
        // after the styles were listed; rounds name them too.
        InitBrickStyleSheetLibrary();
        // Reading a round moves its bricks into its theme's play area and
        // reckons its power-up chances. The styles that name other styles
        // (a splitter's pieces) were written in the phase before.
        InitBrickStyleSheetLibrary();
        InitCatalogueLibrary(GetBackgroundLibrary(), LIBRARY_BACKGROUND_DEFINITION);
        InitCatalogueLibrary(GetPowerUpLibrary(), LIBRARY_POWER_UP);
        break;
    case CONTENT_ROUND_SETS:
        InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
        break;
    case CONTENT_FILES:
        // A run starts without style sheets, as a fresh process does: the
        // objects written before them (a power-up naming a brick style)
        // then read and write alike on every run.
        GetBrickStyleSheetLibrary().DeleteAllItems();
        break;
    case CONTENT_PHASE_COUNT:
        break;
    }
}

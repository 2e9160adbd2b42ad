#include "content/engine_view.h"

#include "engine/app/sound/sound_list.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/graphics/sequence_list.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/particle_generator.h"

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
    case CONTENT_ROUNDS:
        InitBrickStyleSheetLibrary();
        break;
    case CONTENT_FILES:
        // Every run starts as a fresh process does: style sheets an earlier
        // run armed for its rounds would resolve this run's references to
        // them before their phase, and those objects would change bytes.
        GetBrickStyleSheetLibrary().DeleteAllItems();
        break;
    case CONTENT_PHASE_COUNT:
        break;
    }
}

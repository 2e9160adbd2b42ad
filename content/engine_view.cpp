#include "content/engine_view.h"

#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/libraries/library_catalogue.h"

void PrepareEngineForPhase(EContentPhase phase)
{
    switch (phase)
    {
    case CONTENT_OBJECTS:
        BuildFontFileList();
        break;
    case CONTENT_OBJECTS_OF_OBJECTS:
        InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
        InitCatalogueLibrary(GetFrameList(), LIBRARY_FRAMES);
        break;
    case CONTENT_FILES:
    case CONTENT_PHASE_COUNT:
        break;
    }
}

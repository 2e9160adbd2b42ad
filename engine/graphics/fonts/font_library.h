#pragma once

#include <cstdint>

#include "engine/graphics/fonts/font.h"
#include "engine/object/libraries/resource_library.h"

// "Fonts": every font of the game, one "<name>.FONT.TXT" object file each
// under "Resources/Fonts", named relative to "Resources" ("Fonts/Big White";
// a bare "Big White" finds it too). An item's class may be CFontBitmap.
class CFontLibrary : public CResourceLibrary<CFont>
{
public:
    CFontLibrary();

    // The font of an index, loaded on first use; an index past the end gives
    // item 0 and an empty library none.
    CFont* GetFont(int32_t index) { return GetItemObject(static_cast<uint32_t>(index)); }
    // The font found by name (see above), or none when no item has it.
    CFont* FindFont(const char* name);

    ReferenceFactory GetReferenceFactory() override;
};

CFontLibrary& GetFontLibrary();

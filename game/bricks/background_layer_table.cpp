#include "game/bricks/background_layer_table.h"

CNamedValueList& GetBackgroundLayerTable()
{
    static CNamedValueList* table = [] {
        CNamedValueList* made = new CNamedValueList;
        made->Add("Foreground Sprites", BACKGROUND_LAYER_FOREGROUND_SPRITES);
        made->Add("Background Sprites", BACKGROUND_LAYER_BACKGROUND_SPRITES);
        return made;
    }();
    return *table;
}

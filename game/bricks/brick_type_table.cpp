#include "game/bricks/brick_type_table.h"

CNamedValueList& GetBrickTypeTable()
{
    static CNamedValueList* table = [] {
        CNamedValueList* made = new CNamedValueList;
        // The misspelt row is the name old definitions were saved with.
        const char* const names[] = {"Normal",
                                     "Power Up",
                                     "Obstacle",
                                     "Indestructible",
                                     "Indestructible Top",
                                     "Indestructible Bottom",
                                     "Exploding",
                                     "3 Hit",
                                     "3 Hit Bottom",
                                     "3 Hit Top",
                                     "Off/On",
                                     "On/Off",
                                     "Detinator",
                                     "Push Away",
                                     "Nudge Up",
                                     "Nudge Down",
                                     "Nudge Left",
                                     "Nudge Right",
                                     "Brick Shredder",
                                     "Trapped Ball"};
        int32_t value = BRICK_TYPE_NORMAL;
        for (const char* name : names)
            made->Add(name, value++);
        return made;
    }();
    return *table;
}

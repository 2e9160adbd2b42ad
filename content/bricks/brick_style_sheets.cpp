#include <string>

#include "content/content_items.h"
#include "content/objects/object_item.h"

namespace {

// The starter style sheets: the placeholder every level's index 0 stands
// for, the two names the old example levels use, and one style of each
// plain kind, filed under the theme "Common" that every round's palette
// shows.
struct CStarterStyle
{
    const char* item;
    const char* text;
};

const CStarterStyle kStyles[] = {
    {"Resources/Brick Style Sheets/!None.BrickStyleSheet",
     "CBrickStyleSheetOptional\n{\n\tPrimary Sequence=!None\n}\n"},
    {"Resources/Brick Style Sheets/Ball Accelerator.BrickStyleSheet",
     "CBrickStyleSheetNormal\n{\n\tEditor Button Sequence=Brick Accelerator\n\tPrimary Sequence=Brick "
     "Accelerator\n}\n"},
    {"Resources/Brick Style Sheets/Ball Decelerator.BrickStyleSheet",
     "CBrickStyleSheetNormal\n{\n\tEditor Button Sequence=Brick Decelerator\n\tPrimary Sequence=Brick "
     "Decelerator\n}\n"},
    {"Resources/Brick Style Sheets/Common/Blue.BrickStyleSheet",
     "CBrickStyleSheetNormal\n{\n\tDescription=One hit breaks it; the round waits for it.\n"
     "\tEditor Button Sequence=Brick Blue\n\tScore=10\n\tPrimary Sequence=Brick Blue\n}\n"},
    {"Resources/Brick Style Sheets/Common/Green Optional.BrickStyleSheet",
     "CBrickStyleSheetOptional\n{\n\tDescription=One hit breaks it; the round does not wait for it.\n"
     "\tEditor Button Sequence=Brick Green\n\tScore=10\n\tPrimary Sequence=Brick Green\n}\n"},
    {"Resources/Brick Style Sheets/Common/Steel.BrickStyleSheet",
     "CBrickStyleSheetNearlyIndestructible\n{\n\tDescription=Bounces 24 hits and breaks at the 25th.\n"
     "\tEditor Button Sequence=Brick Steel\n\tScore=50\n\tPrimary Sequence=Brick Steel\n"
     "\tIndestructible Sound=Clink.wav\n}\n"},
    {"Resources/Brick Style Sheets/Common/Shredder.BrickStyleSheet",
     "CBrickStyleSheetShredder\n{\n\tDescription=Takes hits like steel and shreds bricks driven into it.\n"
     "\tEditor Button Sequence=Brick Shredder\n\tScore=50\n\tPrimary Sequence=Brick Shredder\n"
     "\tIndestructible Sound=Clink.wav\n}\n"},
};

void MakeStyleSheet(CContentTree& tree, const char* item)
{
    for (const CStarterStyle& style : kStyles)
    {
        if (std::string(style.item) == item)
            AddObjectFile(tree, item, style.text, item);
    }
}

// Style sheets name sequences, sounds and the particle generators.
struct CStyleSheetRegistrations
{
    CStyleSheetRegistrations()
    {
        for (const CStarterStyle& style : kStyles)
            registrations.emplace_back(style.item, MakeStyleSheet, CONTENT_OBJECTS_OF_OBJECTS);
    }

    std::vector<CContentItemRegistration> registrations;
};

CStyleSheetRegistrations s_StyleSheets;

} // namespace

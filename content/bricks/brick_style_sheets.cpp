#include <string>

#include "content/content_items.h"
#include "content/objects/object_item.h"

namespace {

// The starter style sheets: the placeholder every level's index 0 stands
// for (a position marker, which no player sees) and one style of each
// kind, filed under the theme "Common" that every round's palette shows.
struct CStarterStyle
{
    const char* item;
    const char* text;
};

const CStarterStyle kStyles[] = {
    {"Resources/Brick Style Sheets/!None.BrickStyleSheet",
     "CBrickStyleSheetPositionMarker\n{\n\tPrimary Sequence=Brick Marker\n}\n"},
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
    {"Resources/Brick Style Sheets/Common/Ball Deflector.BrickStyleSheet",
     "CBrickStyleSheetBallDeflector\n{\n\tDescription=Balls bounce off it; it never breaks.\n"
     "\tEditor Button Sequence=Brick Deflector\n\tPrimary Sequence=Brick Deflector\n"
     "\tIndestructible Sound=Clink.wav\n}\n"},
    {"Resources/Brick Style Sheets/Common/Ball Factory.BrickStyleSheet",
     "CBrickStyleSheetBallFactory\n{\n\tDescription=Each hit releases a new ball; the fifth breaks it.\n"
     "\tEditor Button Sequence=Brick Ball Factory\n\tScore=20\n\tPrimary Sequence=Brick Ball Factory\n"
     "\tGenerate Sound=Brick Turned On.wav\n\tGenerate Seq=Brick Ball Factory Generate\n}\n"},
    {"Resources/Brick Style Sheets/Common/Floating Ball.BrickStyleSheet",
     "CBrickStyleSheetFloatingBall\n{\n\tDescription=Breaking it releases the ball it holds.\n"
     "\tEditor Button Sequence=Brick Floating Ball\n\tScore=10\n\tPrimary Sequence=Brick Floating Ball\n}\n"},
    {"Resources/Brick Style Sheets/Common/Factory.BrickStyleSheet",
     "CBrickStyleSheetFactory\n{\n\tDescription=Each hit makes a brick and pushes it out below.\n"
     "\tEditor Button Sequence=Brick Factory\n\tScore=30\n\tPrimary Sequence=Brick Factory\n"
     "\tGenerate Sound=Clink.wav\n\tDirection=0,1\n\tGenerate Seq=Brick Factory Generate\n}\n"},
    {"Resources/Brick Style Sheets/Common/Factory Shutdown.BrickStyleSheet",
     "CBrickStyleSheetFactoryShutdown\n{\n\tDescription=Breaking it breaks every factory a moment later.\n"
     "\tEditor Button Sequence=Brick Factory Shutdown\n\tScore=20\n\tPrimary Sequence=Brick Factory Shutdown\n}\n"},
    {"Resources/Brick Style Sheets/Common/Three Hits.BrickStyleSheet",
     "CBrickStyleSheetNHitSide\n{\n\tDescription=Takes three hits; a small ball does half.\n"
     "\tEditor Button Sequence=Brick N Hit\n\tScore=30\n\tPrimary Sequence=Brick N Hit\n"
     "\tHit Image=Array\n\t{\n\t\tItem Count=2\n"
     "\t\tHit Image=Brick N Hit Cracked\n\t\tHit Image=Brick N Hit Broken\n\t}\n"
     "\tDamaged Sound=Clink.wav\n\tIndestructible Sound=Clink.wav\n"
     "\tSmall Ball Did Partial Damage Sound=Clink.wav\n}\n"},
    {"Resources/Brick Style Sheets/Common/Nudge Up.BrickStyleSheet",
     "CBrickStyleSheetNudge\n{\n\tDescription=Each hit pushes it up a little; it never breaks by hits.\n"
     "\tEditor Button Sequence=Brick Nudge\n\tScore=10\n\tPrimary Sequence=Brick Nudge\n"
     "\tNudge Sound=Clink.wav\n\tMovement=0,-18\n}\n"},
    {"Resources/Brick Style Sheets/Common/Rail.BrickStyleSheet",
     "CBrickStyleSheetRail\n{\n\tDescription=A hit sets it sliding away from the hit until it leaves.\n"
     "\tEditor Button Sequence=Brick Rail\n\tScore=20\n\tPrimary Sequence=Brick Rail\n"
     "\tMoving Sequence=Brick Rail Moving\n\tMoving Particle Gen=Moving Sparks\n"
     "\tStart Move Sound=Brick Turned On.wav\n\tMove Direction=Move By Side Hit\n}\n"},
    {"Resources/Brick Style Sheets/Common/Magnet.BrickStyleSheet",
     "CBrickStyleSheetMagnetic\n{\n\tDescription=Switch two on and they fly together and break.\n"
     "\tEditor Button Sequence=Brick Magnet\n\tScore=20\n\tPrimary Sequence=Brick Magnet\n"
     "\tActivated Sequence=Brick Magnet Activated\n\tActivated Sound=Brick Turned On.wav\n"
     "\tStart Attracting Sound=Clink.wav\n\tAttracting Sequence=Brick Magnet Attracting\n"
     "\tStart Repelling Sound=Clink.wav\n\tRepelling Sequence=Brick Magnet Repelling\n"
     "\tDeactivated Sound=Brick Turned Off.wav\n\tMoving Particle Gen=Moving Sparks\n}\n"},
    {"Resources/Brick Style Sheets/Common/Detonator.BrickStyleSheet",
     "CBrickStyleSheetOnOff\n{\n\tDescription=Switch every detonator on and they all explode.\n"
     "\tEditor Button Sequence=Brick Detonator\n\tScore=20\n\tPrimary Sequence=Brick Detonator\n"
     "\tActivated Sequence=Brick Detonator Activated\n\tActivated Sound=Brick Turned On.wav\n"
     "\tDeactivated Sound=Brick Turned Off.wav\n\tX Radius=50\n\tY Radius=30\n}\n"},
    {"Resources/Brick Style Sheets/Common/Switch.BrickStyleSheet",
     "CBrickStyleSheetSwitch\n{\n\tDescription=Animates when its hit trigger fires; it never breaks.\n"
     "\tEditor Button Sequence=Brick Switch\n\tIdle Sequence=Brick Switch\n\tSwitching Sequence=Brick Switching\n"
     "\tSwitching Sound=Brick Turned On.wav\n\tIndestructible Sound=Clink.wav\n}\n"},
    {"Resources/Brick Style Sheets/Common/Path Polygon.BrickStyleSheet",
     "CBrickStyleSheetPathPolygon\n{\n\tDescription=A path that scripts move bricks along.\n"
     "\tEditor Button Sequence=Brick Path\n\tPrimary Sequence=Brick Path\n}\n"},
    {"Resources/Brick Style Sheets/Common/Position Marker.BrickStyleSheet",
     "CBrickStyleSheetPositionMarker\n{\n\tDescription=A named point for scripts.\n"
     "\tEditor Button Sequence=Brick Marker\n\tPrimary Sequence=Brick Marker\n}\n"},
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

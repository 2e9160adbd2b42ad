#include <cstdio>
#include <string>

#include "content/content_items.h"
#include "content/objects/object_item.h"

// "Kinds Gallery": a round with one brick of every kind, each of the
// starter styles of "Common", every brick with a property of its own away
// from its default (a name at least, and whatever its kind lets a designer
// set), so that loading, laying, saving and playing the round touch every
// kind and every kind's saved form.
//
// A new kind joins the gallery with one row at the end of kBricks: its
// brick class, its "Common" style and the property lines of its brick.
// Rows are laid out in order, ten to a row of the field, so the bricks
// already there keep their places.

namespace {

struct CGalleryBrick
{
    const char* brickClass;
    const char* style;
    // Property lines of the brick's own block, each ending in a new line.
    const char* properties;
};

constexpr const char* kKeepsOnShipTouch = "Should Be Destroyed If Hit By Player Ship=0\n";
constexpr const char* kAppearsUnlaid = "Spawned by Brick Layer=0\n";

const CGalleryBrick kBricks[] = {
    {"CBrickNormal", "Common/Blue",
     "PlugIns=CBrickPlugInSimultaneous\n{\nSimultaneous PlugIns=Array\n{\n"
     "Simultaneous PlugIn=CBrickPlugInStarFish\n{\nImage=Starfish1\n}\n}\n}\n"},
    {"CBrickOptional", "Common/Green Optional", kKeepsOnShipTouch},
    {"CBrickNearlyIndestructible", "Common/Steel", kKeepsOnShipTouch},
    {"CBrickShredder", "Common/Shredder", kAppearsUnlaid},
    {"CBrickBallDeflector", "Common/Ball Deflector", kAppearsUnlaid},
    {"CBrickBallFactory", "Common/Ball Factory", kKeepsOnShipTouch},
    {"CBrickFloatingBall", "Common/Floating Ball", kKeepsOnShipTouch},
    {"CBrickFactory", "Common/Factory",
     "Generate Brick Style=Common/Green Optional\n"
     "Generate Brick Details=CBrickOptional\n{\nName=Made By The Factory\n"
     "Should Be Destroyed If Hit By Player Ship=0\n}\nNumber of bricks to generate=4\n"},
    {"CBrickFactoryShutdown", "Common/Factory Shutdown", kKeepsOnShipTouch},
    {"CBrickNHitSide", "Common/Three Hits", kKeepsOnShipTouch},
    {"CBrickNudge", "Common/Nudge Up", kKeepsOnShipTouch},
    {"CBrickRail", "Common/Rail", kKeepsOnShipTouch},
    {"CBrickMagnetic", "Common/Magnet", kKeepsOnShipTouch},
    {"CBrickOnOff", "Common/Detonator", kKeepsOnShipTouch},
    {"CBrickSwitch", "Common/Switch", kAppearsUnlaid},
    {"CBrickPathPolygon", "Common/Path Polygon", "Curved Path=1\n"},
    {"CBrickPositionMarker", "Common/Position Marker", kAppearsUnlaid},
    {"CBrickStarfishGoal", "Common/Starfish Goal", kKeepsOnShipTouch},
    {"CBrickChangeArea", "Common/Change Area", "Change To Brick Style=Common/Green Optional\n"},
    {"CBrickConcussion", "Common/Concussion Wave", "Force Multiplier=2\n"},
    {"CBrickExploder", "Common/Exploder", kKeepsOnShipTouch},
    {"CBrickPowerup", "Common/Power-Up", "Forced Power-Ups=Array\n{\nForced Power-Up=Expand Paddle\n}\n"},
    {"CBrickSpeedChange", "Ball Accelerator", "Speed Boost Time=3\n"},
    {"CBrickSplitN", "Common/Splitter", kAppearsUnlaid},
    {"CBrickTeleporter", "Common/Teleporter Entrance", kAppearsUnlaid},
    {"CBrickTeleporter", "Common/Teleporter Exit", kAppearsUnlaid},
    {"CBrickTrappedBall", "Common/Trapped Ball", "Starting Angle=270\nStarting Speed=300\n"},
    // A round holding coins holds exactly five of them, so the coin comes
    // as a full ring round's worth.
    {"CBrickCoin", "Common/Coin", kAppearsUnlaid},
    {"CBrickCoin", "Common/Coin", kAppearsUnlaid},
    {"CBrickCoin", "Common/Coin", kAppearsUnlaid},
    {"CBrickCoin", "Common/Coin", kAppearsUnlaid},
    {"CBrickCoin", "Common/Coin", kAppearsUnlaid},
};

constexpr int kPerRow = 10;

std::string BrickText(const CGalleryBrick& brick, int index)
{
    char place[160];
    std::snprintf(place, sizeof place, "Name=Gallery#%d\nBrick Position=%d,%d\nStyle Sheet=%s\n", index + 1,
                  40 + 55 * (index % kPerRow), 60 + 40 * (index / kPerRow), brick.style);
    return std::string("Brick=") + brick.brickClass + "\n{\n" + place + brick.properties + "}\n";
}

void MakeKindsGallery(CContentTree& tree, const char* item)
{
    std::string text = "CBrickLayout\n{\nDisplay Name=Kinds Gallery\nAuthor=Content Generator\nBricks=Array\n{\n";
    int index = 0;
    for (const CGalleryBrick& brick : kBricks)
        text += BrickText(brick, index++);
    // Playing a round with the thumbnail on rewrites its file, and a shipped
    // file stays as it was installed.
    text += "}\nAutomatic Thumbnail=0\n}\n";
    AddObjectFile(tree, item, text.c_str(), item);
}

CContentItemRegistration s_KindsGallery("Resources/Kinds Gallery.Vantrell", MakeKindsGallery, CONTENT_ROUNDS);

} // namespace

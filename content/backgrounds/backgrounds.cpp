// The themes of the standard rounds and the menu. "Backgrounds/Arena" is
// the library's first theme, the one a level that names none falls back
// to. The night arena adds what every round on it shares: drifting
// plankton and a flock of boids at full detail, and a deflector in the
// lower left corner that no round has to clear.

#include <string>

#include "content/content_items.h"
#include "content/objects/object_item.h"
#include "content/rounds/round_text.h"

namespace {

const char kArena[] = "CBackgroundDefinition\n"
                      "{\n"
                      "\tBackground Image=Backgrounds/Arena\n"
                      "\tShow Scoreboard=1\n"
                      "}\n";

const char kMenu[] = "CBackgroundDefinition\n"
                     "{\n"
                     "\tBackground Image=Backgrounds/Menu\n"
                     "\tShow Scoreboard=0\n"
                     "}\n";

const char kNightLife[] = "\tSprite Generators=Array\n"
                          "\t{\n"
                          "\t\tArray Count=2\n"
                          "\t\tArray Item=CBackgroundSpriteGenerator\n"
                          "\t\t{\n"
                          "\t\t\tType=CPlanktonAI\n"
                          "\t\t\t{\n"
                          "\t\t\t\tSequence=Plankton\n"
                          "\t\t\t}\n"
                          "\t\t\tCount=10\n"
                          "\t\t\tLayer=Background Sprites\n"
                          "\t\t}\n"
                          "\t\tArray Item=CBackgroundSpriteGenerator\n"
                          "\t\t{\n"
                          "\t\t\tType=CFlockingSimulationAI\n"
                          "\t\t\t{\n"
                          "\t\t\t\tFlacking Simulation Generator=CFlockingSimulation\n"
                          "\t\t\t\t{\n"
                          "\t\t\t\t\tSequence=Boid\n"
                          "\t\t\t\t}\n"
                          "\t\t\t}\n"
                          "\t\t\tCount=1\n"
                          "\t\t\tLayer=Background Sprites\n"
                          "\t\t}\n"
                          "\t}\n";

const CRoundBrick kNightCornerDeflector = {"CBrickBallDeflector", "Common/Ball Deflector", 0, 14};

void MakeArena(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item, kArena, item);
}

void MakeArenaNight(CContentTree& tree, const char* item)
{
    uint32_t lastBrickId = 0;
    const std::string text = std::string("CBackgroundDefinition\n{\n\tBackground Image=Backgrounds/Arena Night\n"
                                         "\tShow Scoreboard=1\n") +
                             kNightLife + "Every Level Brick=Array\n{\n" +
                             BrickText("Every Level Brick", kNightCornerDeflector, lastBrickId) + "}\n}\n";
    AddObjectFile(tree, item, text.c_str(), item);
}

void MakeMenu(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item, kMenu, item);
}

CContentItemRegistration s_Arena("Resources/Backgrounds/Arena.Background", MakeArena, CONTENT_OBJECTS_OF_STYLES);
CContentItemRegistration s_ArenaNight("Resources/Backgrounds/Arena Night.Background", MakeArenaNight,
                                      CONTENT_OBJECTS_OF_STYLES);
CContentItemRegistration s_Menu("Resources/Backgrounds/Menu.Background", MakeMenu, CONTENT_OBJECTS_OF_STYLES);

} // namespace

#include "content/content_items.h"
#include "content/objects/object_item.h"

// The starter styles of the bricks that hand something on: a power-up
// brick and a splitter filed under "Common" for every round's palette, and
// the accelerator and decelerator that the old example levels name, which
// are speed changers.

static void MakePowerUpStyle(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CBrickStyleSheetPowerup\n{\n\tDescription=Breaking it drops a power-up.\n"
                  "\tEditor Button Sequence=Brick Power-Up\n\tScore=20\n\tPrimary Sequence=Brick Power-Up\n}\n",
                  item);
}

static void MakeAcceleratorStyle(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CBrickStyleSheetSpeedChange\n{\n\tDescription=Balls fly through it and speed up for a while.\n"
                  "\tEditor Button Sequence=Brick Accelerator\n\tPrimary Sequence=Brick Accelerator\n"
                  "\tSound=Brick Turned On.wav\n\tMultiplier=1.6\n\tParticle Gen To Give To Ball=Speed Trail\n"
                  "\tActivation Particle Gen=Speed Burst\n}\n",
                  item);
}

static void MakeDeceleratorStyle(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CBrickStyleSheetSpeedChange\n{\n\tDescription=Balls fly through it and slow down for a while.\n"
                  "\tEditor Button Sequence=Brick Decelerator\n\tPrimary Sequence=Brick Decelerator\n"
                  "\tSound=Brick Turned Off.wav\n\tMultiplier=0.6\n\tActivation Particle Gen=Speed Burst\n}\n",
                  item);
}

// Two of its four slabs survive as plain blue bricks, drifting apart
// diagonally; they name the blue style, so the splitter is written once
// the styles are.
static void MakeSplitterStyle(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CBrickStyleSheetSplitN\n{\n\tDescription=Comes apart into two bricks that drift away.\n"
                  "\tEditor Button Sequence=Brick Splitter\n\tScore=30\n\tPrimary Sequence=Brick Splitter\n"
                  "\tSplitting Seq=Brick Splitting\n\tBreak Particle Gen=Speed Burst\n\tChildren=Array\n\t{\n"
                  "\t\tItem Count=2\n"
                  "\t\tChild to Spawn=CBrickSplitNChild\n\t\t{\n\t\t\tChild Brick=CBrickNormal\n\t\t\t{\n"
                  "\t\t\t\tBrick Position=-20,-11\n\t\t\t\tStyle Sheet=Common/Blue\n\t\t\t}\n"
                  "\t\t\tDrift Velocity=-3,-1.5\n\t\t}\n"
                  "\t\tChild to Spawn=CBrickSplitNChild\n\t\t{\n\t\t\tChild Brick=CBrickNormal\n\t\t\t{\n"
                  "\t\t\t\tBrick Position=20,11\n\t\t\t\tStyle Sheet=Common/Blue\n\t\t\t}\n"
                  "\t\t\tDrift Velocity=3,1.5\n\t\t}\n\t}\n}\n",
                  item);
}

static CContentItemRegistration s_PowerUpStyle("Resources/Brick Style Sheets/Common/Power-Up.BrickStyleSheet",
                                               MakePowerUpStyle, CONTENT_OBJECTS_OF_OBJECTS);
static CContentItemRegistration s_AcceleratorStyle("Resources/Brick Style Sheets/Ball Accelerator.BrickStyleSheet",
                                                   MakeAcceleratorStyle, CONTENT_OBJECTS_OF_OBJECTS);
static CContentItemRegistration s_DeceleratorStyle("Resources/Brick Style Sheets/Ball Decelerator.BrickStyleSheet",
                                                   MakeDeceleratorStyle, CONTENT_OBJECTS_OF_OBJECTS);
static CContentItemRegistration s_SplitterStyle("Resources/Brick Style Sheets/Common/Splitter.BrickStyleSheet",
                                                MakeSplitterStyle, CONTENT_OBJECTS_OF_STYLES);

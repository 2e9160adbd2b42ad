// The later rounds of the standard set, whose bricks run scripts: moving
// bricks, bricks that follow a path or wait for one another, and bricks
// that answer hits with sounds, steps and their own removal. Script
// targets are named bricks: a path polygon for the bricks that follow it,
// position markers where moving bricks come to rest. Each holds the five
// coins of the ring game where no moving brick passes.

#include "content/content_items.h"
#include "content/rounds/round_text.h"

namespace {

constexpr const char* kArena = "Backgrounds/Arena";
constexpr const char* kArenaNight = "Backgrounds/Arena Night";
constexpr const char* kNormal = "CBrickNormal";
constexpr const char* kBlue = "Common/Blue";
constexpr const char* kCoin = "CBrickCoin";
constexpr const char* kCoinStyle = "Common/Coin";

// Sways 60 pixels either side of where it was laid.
const char kSway[] = "Simultaneous PlugIn=CBrickPlugInMoveBetweenPoints\n{\n"
                     "Point 1=CScriptPositionPointRelativeToBrickStartingPosition\n{\nPosition=-60,0\n}\n"
                     "Point 2=CScriptPositionPointRelativeToBrickStartingPosition\n{\nPosition=60,0\n}\n"
                     "Time To Complete One Leg=3\n}\n";

// Circles the middle of the wall.
const char kOrbit[] = "Simultaneous PlugIn=CBrickPlugInOrbit\n{\n"
                      "Center=CScriptPositionAbsolutePoint\n{\nPosition=318,160\n}\n"
                      "Seconds Per Rotation=8\n}\n";

void MakeRound08(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Swing Shift", kArena};
    AddBrickRow(plan, "CBrickShredder", "Common/Shredder", 1, 6, 8);
    AddBrickRow(plan, kNormal, kBlue, 2, 2, 12);
    plan.bricks.push_back({kNormal, kBlue, 4, 6, nullptr, kSway});
    plan.bricks.push_back({kNormal, kBlue, 10, 6, nullptr, kSway});
    plan.bricks.push_back({kNormal, kBlue, 7, 8, nullptr, kOrbit});
    AddBrickRow(plan, kCoin, kCoinStyle, 12, 5, 9);
    AddRound(tree, item, plan);
}

// Runs round the path named "Track" once every ten seconds.
const char kFollowTrack[] = "Simultaneous PlugIn=CBrickPlugInMoveAlongPath\n{\n"
                            "Path=CScriptReferenceToTarget\n{\nName=Track\n}\n"
                            "Time To Complete One Loop=10\n}\n";

// Glides to the marker "Dock" and stays there.
const char kGoToDock[] = "Simultaneous PlugIn=CBrickPlugInMoveToPoint\n{\n"
                         "End Point=CScriptPositionAbsolutePoint\n{\nPosition=311,376\n}\n"
                         "Time To Complete=4\n}\n";

// Halfway between two fixed points, turned to face along them.
const char kBlend[] = "Simultaneous PlugIn=CBrickPlugInBlendPositions\n{\n"
                      "Point 1=CScriptPositionAbsolutePoint\n{\nPosition=111,280\n}\n"
                      "Point 2=CScriptPositionAbsolutePoint\n{\nPosition=511,320\n}\n"
                      "Rotate=1\n}\n";

// A loop round the upper middle of the wall, relative to the path brick.
const char kTrackShape[] = "m_Polygon=-160, -40, 160, -40, 160, 40, -160, 40\n";

void MakeRound09(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Round The Track", kArenaNight};
    plan.bricks.push_back({"CBrickPathPolygon", "Common/Path Polygon", 7, 5, "Track", nullptr, kTrackShape});
    AddBrickRow(plan, kNormal, kBlue, 1, 2, 12);
    plan.bricks.push_back({kNormal, kBlue, 3, 3, nullptr, kFollowTrack});
    plan.bricks.push_back({kNormal, kBlue, 11, 7, nullptr, kFollowTrack});
    plan.bricks.push_back({"CBrickPositionMarker", "Common/Position Marker", 7, 14, "Dock"});
    plan.bricks.push_back({kNormal, kBlue, 1, 9, nullptr, kGoToDock});
    plan.bricks.push_back({kNormal, kBlue, 7, 10, nullptr, kBlend});
    AddBrickRow(plan, kCoin, kCoinStyle, 12, 8, 12);
    AddRound(tree, item, plan);
}

// Clinks when hit.
const char kClinkWhenHit[] = "Simultaneous PlugIn=CBrickPlugInTriggerActionWhenHit\n{\n"
                             "Action=CActionPlaySound\n{\nSound=Clink.wav\n}\n"
                             "Retrigger Disallow Time=0.5\n}\n";

// Two notes at once as it breaks.
const char kChordWhenDestroyed[] = "Simultaneous PlugIn=CBrickPlugInTriggerActionWhenDestroyed\n{\n"
                                   "Action=CActionSimultaneousActions\n{\nAction=Array\n{\n"
                                   "Action=CActionPlaySound\n{\nSound=Brick Turned On.wav\n}\n"
                                   "Action=CActionPlaySound\n{\nSound=Score.wav\n}\n"
                                   "}\n}\n}\n";

// One of two sounds now and then.
const char kRandomChime[] = "Simultaneous PlugIn=CBrickPlugInTriggerActionEveryXSeconds\n{\n"
                            "Time To Wait=6\n"
                            "Action=CActionRandomAction\n{\nAction=Array\n{\n"
                            "Action=CActionPlaySound\n{\nSound=Brick Turned On.wav\n}\n"
                            "Action=CActionPlaySound\n{\nSound=Brick Turned Off.wav\n}\n"
                            "}\n}\n"
                            "Repeat Limit=20\n}\n";

void MakeRound10(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Sound Check", kArena};
    AddBrickRow(plan, kNormal, kBlue, 2, 2, 12);
    plan.bricks.push_back({kNormal, kBlue, 4, 4, nullptr, kClinkWhenHit});
    plan.bricks.push_back({kNormal, kBlue, 7, 4, nullptr, kChordWhenDestroyed});
    plan.bricks.push_back({kNormal, kBlue, 10, 4, nullptr, kRandomChime});
    AddBrickRow(plan, kCoin, kCoinStyle, 7, 5, 9);
    AddRound(tree, item, plan);
}

// Waits, drops to the marker "Landing", waits until "Key" is broken,
// then rises again; each step runs when the one before it ends, or when
// a hit on "Key" moves it on.
const char kLift[] = "Simultaneous PlugIn=CBrickPlugInSequence\n{\nSteps=Array\n{\n"
                     "Step=CBrickPlugInWaitXSeconds\n{\nTime To Wait=3\n}\n"
                     "Step=CBrickPlugInMoveToPoint\n{\n"
                     "End Point=CScriptPositionAbsolutePoint\n{\nPosition=311,280\n}\n"
                     "Time To Complete=2\n}\n"
                     "Step=CBrickPlugInWaitForBrickToBeDestroyed\n{\n"
                     "Trigger Brick=CScriptReferenceToTarget\n{\nName=Key\n}\n}\n"
                     "Step=CBrickPlugInMoveToPoint\n{\n"
                     "End Point=CScriptPositionPointRelativeToBrickStartingPosition\n{\nPosition=0,0\n}\n"
                     "Time To Complete=2\n}\n"
                     "}\n}\n";

// A hit moves the lift on a step and plays the next of its sounds; its
// breaking plays a shuffled one.
const char kKey[] = "Simultaneous PlugIn=CBrickPlugInTriggerActionWhenHit\n{\n"
                    "Action=CActionSequence\n{\nAction=Array\n{\n"
                    "Action=CAdvanceToNextItemInSequence\n{\n"
                    "Brick With Sequence=CScriptReferenceToTarget\n{\nName=Lift\n}\n}\n"
                    "Action=CActionPlaySound\n{\nSound=Clink.wav\n}\n"
                    "}\n}\n}\n"
                    "Simultaneous PlugIn=CBrickPlugInTriggerActionWhenDestroyed\n{\n"
                    "Action=CActionShuffledSequence\n{\nAction=Array\n{\n"
                    "Action=CActionPlaySound\n{\nSound=Brick Turned On.wav\n}\n"
                    "Action=CActionPlaySound\n{\nSound=Brick Turned Off.wav\n}\n"
                    "}\n}\n}\n";

void MakeRound11(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Lift And Key", kArena};
    AddBrickRow(plan, kNormal, kBlue, 2, 2, 12);
    plan.bricks.push_back({kNormal, kBlue, 7, 4, "Lift", kLift});
    plan.bricks.push_back({"CBrickPositionMarker", "Common/Position Marker", 7, 10, "Landing"});
    plan.bricks.push_back({kNormal, kBlue, 1, 6, "Key", kKey});
    AddBrickRow(plan, kCoin, kCoinStyle, 12, 5, 9);
    AddRound(tree, item, plan);
}

// Breaks by itself after a while, scoring as if hit.
const char kFuse[] = "Simultaneous PlugIn=CBrickPlugInSequence\n{\nSteps=Array\n{\n"
                     "Step=CBrickPlugInWaitXSeconds\n{\nTime To Wait=40\n}\n"
                     "Step=CBrickPlugInDestroySelf\n{\n}\n"
                     "}\n}\n";

// Vanishes without a trace after a while.
const char kFade[] = "Simultaneous PlugIn=CBrickPlugInSequence\n{\nSteps=Array\n{\n"
                     "Step=CBrickPlugInWaitXSeconds\n{\nTime To Wait=30\n}\n"
                     "Step=CBrickPlugInDeleteSelf\n{\n}\n"
                     "}\n}\n";

// Climbs out through the top of the screen and breaks once out of sight.
const char kEscape[] = "Simultaneous PlugIn=CBrickPlugInSequence\n{\nSteps=Array\n{\n"
                       "Step=CBrickPlugInWaitXSeconds\n{\nTime To Wait=20\n}\n"
                       "Step=CBrickPlugInMoveToPoint\n{\n"
                       "End Point=CScriptPositionPointRelativeToBrickStartingPosition\n{\nPosition=0,-400\n}\n"
                       "Time To Complete=6\n}\n"
                       "Step=CBrickPlugInDestroySelfIfOffScreen\n{\n}\n"
                       "}\n}\n";

void MakeRound12(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Last Call", kArenaNight};
    AddBrickRow(plan, "CBrickNHitSide", "Common/Three Hits", 1, 3, 11);
    AddBrickRow(plan, kNormal, kBlue, 3, 1, 13);
    plan.bricks.push_back({kNormal, kBlue, 3, 5, nullptr, kFuse});
    plan.bricks.push_back({"CBrickOptional", "Common/Green Optional", 7, 5, nullptr, kFade});
    plan.bricks.push_back({kNormal, kBlue, 11, 5, nullptr, kEscape});
    plan.bricks.push_back({"CBrickOnOff", "Common/Detonator", 5, 7});
    plan.bricks.push_back({"CBrickOnOff", "Common/Detonator", 9, 7});
    AddBrickRow(plan, kCoin, kCoinStyle, 10, 5, 9);
    AddRound(tree, item, plan);
}

CContentItemRegistration s_Round08("Resources/Rounds/Standard/Round 08.Vantrell", MakeRound08, CONTENT_ROUNDS);
CContentItemRegistration s_Round09("Resources/Rounds/Standard/Round 09.Vantrell", MakeRound09, CONTENT_ROUNDS);
CContentItemRegistration s_Round10("Resources/Rounds/Standard/Round 10.Vantrell", MakeRound10, CONTENT_ROUNDS);
CContentItemRegistration s_Round11("Resources/Rounds/Standard/Round 11.Vantrell", MakeRound11, CONTENT_ROUNDS);
CContentItemRegistration s_Round12("Resources/Rounds/Standard/Round 12.Vantrell", MakeRound12, CONTENT_ROUNDS);

} // namespace

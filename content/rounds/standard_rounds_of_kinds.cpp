// The first rounds of the standard set: a plain wall to learn on, then
// one or two brick kinds at a time among Normal bricks. Every round after
// the first holds the five coins of the ring game.

#include "content/content_items.h"
#include "content/rounds/round_text.h"

namespace {

constexpr const char* kArena = "Backgrounds/Arena";
constexpr const char* kArenaNight = "Backgrounds/Arena Night";
constexpr const char* kNormal = "CBrickNormal";
constexpr const char* kBlue = "Common/Blue";
constexpr const char* kCoin = "CBrickCoin";
constexpr const char* kCoinStyle = "Common/Coin";
constexpr const char* kSpeedChange = "CBrickSpeedChange";
// Every power-up kind the content makes, so that one brick can hand out
// any of them.
constexpr const char* kEveryPowerUp =
    "Forced Power-Ups=Array\n{\n"
    "Forced Power-Up=Slow Ball\nForced Power-Up=Fast Ball\nForced Power-Up=Split Ball\n"
    "Forced Power-Up=Extra Ball\nForced Power-Up=Shrink Paddle\nForced Power-Up=Expand Paddle\n"
    "Forced Power-Up=Normal Ball\nForced Power-Up=Small Ball\nForced Power-Up=Normal Ship\n"
    "Forced Power-Up=Ball Catcher\nForced Power-Up=Big Gun\nForced Power-Up=Laser Gun\n"
    "Forced Power-Up=Splitter Gun\nForced Power-Up=Converter Ball\nForced Power-Up=Laser Sight\n"
    "Forced Power-Up=Fire Ball\nForced Power-Up=Rail Ball\nForced Power-Up=Acid Ball\n"
    "Forced Power-Up=Laser Ball\nForced Power-Up=Bomb Ball\nForced Power-Up=Safety Bumper\n"
    "Forced Power-Up=Bomb\n}\n";
// Breaking it turns its neighbours into three-hit bricks.
constexpr const char* kToThreeHits = "Change To Brick Style=Common/Three Hits\n";
// Carries the starfish that a ball takes on to the goal.
constexpr const char* kCarriesStarfish =
    "Simultaneous PlugIn=CBrickPlugInStarFish\n{\nImage=Starfish1\n}\n";

void MakeRound01(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"First Wall", kArena, "No Rings: the first round teaches serving and aiming."};
    AddBrickRow(plan, kNormal, kBlue, 3, 4, 10);
    AddBrickRow(plan, kNormal, kBlue, 4, 5, 9);
    AddBrickRow(plan, kNormal, kBlue, 5, 6, 8);
    AddRound(tree, item, plan);
}

void MakeRound02(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Steel Lining", kArena};
    AddBrickRow(plan, "CBrickNearlyIndestructible", "Common/Steel", 2, 6, 8);
    AddBrickRow(plan, kNormal, kBlue, 3, 2, 12);
    AddBrickRow(plan, "CBrickOptional", "Common/Green Optional", 4, 3, 11);
    plan.bricks.push_back({"CBrickPowerup", "Common/Power-Up", 7, 6, nullptr, nullptr, kEveryPowerUp});
    AddBrickRow(plan, kCoin, kCoinStyle, 9, 5, 9);
    AddRound(tree, item, plan);
}

void MakeRound03(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Hard Cases", kArenaNight};
    AddBrickRow(plan, "CBrickNHitSide", "Common/Three Hits", 2, 3, 11);
    AddBrickRow(plan, kNormal, kBlue, 4, 2, 12);
    plan.bricks.push_back({"CBrickFloatingBall", "Common/Floating Ball", 4, 6});
    plan.bricks.push_back({"CBrickFloatingBall", "Common/Floating Ball", 10, 6});
    plan.bricks.push_back({"CBrickConcussion", "Common/Concussion Wave", 5, 3});
    plan.bricks.push_back({"CBrickExploder", "Common/Exploder", 9, 3});
    AddBrickRow(plan, kCoin, kCoinStyle, 9, 5, 9);
    AddRound(tree, item, plan);
}

void MakeRound04(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Many Balls", kArena};
    AddBrickRow(plan, kNormal, kBlue, 2, 1, 13);
    AddBrickRow(plan, kSpeedChange, "Ball Accelerator", 3, 4, 5);
    AddBrickRow(plan, kSpeedChange, "Ball Decelerator", 3, 9, 10);
    plan.bricks.push_back({"CBrickBallFactory", "Common/Ball Factory", 7, 4});
    plan.bricks.push_back({"CBrickBallDeflector", "Common/Ball Deflector", 2, 7});
    plan.bricks.push_back({"CBrickBallDeflector", "Common/Ball Deflector", 12, 7});
    plan.bricks.push_back({"CBrickSplitN", "Common/Splitter", 5, 6});
    plan.bricks.push_back({"CBrickTrappedBall", "Common/Trapped Ball", 9, 6});
    AddBrickRow(plan, kCoin, kCoinStyle, 10, 5, 9);
    AddRound(tree, item, plan);
}

void MakeRound05(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"The Works", kArena};
    plan.bricks.push_back({"CBrickFactory", "Common/Factory", 4, 1});
    plan.bricks.push_back({"CBrickFactory", "Common/Factory", 10, 1});
    plan.bricks.push_back({"CBrickFactoryShutdown", "Common/Factory Shutdown", 7, 1});
    AddBrickRow(plan, kNormal, kBlue, 5, 2, 12);
    AddBrickRow(plan, kNormal, kBlue, 6, 5, 9);
    plan.bricks.push_back({"CBrickChangeArea", "Common/Change Area", 7, 7, nullptr, nullptr, kToThreeHits});
    AddBrickRow(plan, kNormal, kBlue, 8, 5, 9);
    AddBrickRow(plan, kCoin, kCoinStyle, 10, 5, 9);
    AddRound(tree, item, plan);
}

void MakeRound06(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Sliding Doors", kArenaNight};
    AddBrickRow(plan, kNormal, kBlue, 2, 2, 12);
    AddBrickRow(plan, "CBrickNudge", "Common/Nudge Up", 5, 5, 9);
    plan.bricks.push_back({"CBrickRail", "Common/Rail", 3, 7});
    plan.bricks.push_back({"CBrickRail", "Common/Rail", 11, 7});
    plan.bricks.push_back({"CBrickTeleporter", "Common/Teleporter Entrance", 2, 9});
    plan.bricks.push_back({"CBrickTeleporter", "Common/Teleporter Exit", 12, 3});
    AddBrickRow(plan, kCoin, kCoinStyle, 10, 5, 9);
    AddRound(tree, item, plan);
}

void MakeRound07(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Live Wires", kArena};
    AddBrickRow(plan, kNormal, kBlue, 2, 2, 12);
    plan.bricks.push_back({"CBrickMagnetic", "Common/Magnet", 3, 4});
    plan.bricks.push_back({"CBrickMagnetic", "Common/Magnet", 11, 4});
    AddBrickRow(plan, "CBrickOnOff", "Common/Detonator", 5, 6, 8);
    plan.bricks.push_back({"CBrickSwitch", "Common/Switch", 7, 7});
    plan.bricks.push_back({kNormal, kBlue, 3, 9, nullptr, kCarriesStarfish});
    plan.bricks.push_back({"CBrickStarfishGoal", "Common/Starfish Goal", 11, 9});
    AddBrickRow(plan, kCoin, kCoinStyle, 11, 5, 9);
    AddRound(tree, item, plan);
}

CContentItemRegistration s_Round01("Resources/Rounds/Standard/Round 01.Vantrell", MakeRound01, CONTENT_ROUNDS);
CContentItemRegistration s_Round02("Resources/Rounds/Standard/Round 02.Vantrell", MakeRound02, CONTENT_ROUNDS);
CContentItemRegistration s_Round03("Resources/Rounds/Standard/Round 03.Vantrell", MakeRound03, CONTENT_ROUNDS);
CContentItemRegistration s_Round04("Resources/Rounds/Standard/Round 04.Vantrell", MakeRound04, CONTENT_ROUNDS);
CContentItemRegistration s_Round05("Resources/Rounds/Standard/Round 05.Vantrell", MakeRound05, CONTENT_ROUNDS);
CContentItemRegistration s_Round06("Resources/Rounds/Standard/Round 06.Vantrell", MakeRound06, CONTENT_ROUNDS);
CContentItemRegistration s_Round07("Resources/Rounds/Standard/Round 07.Vantrell", MakeRound07, CONTENT_ROUNDS);

} // namespace

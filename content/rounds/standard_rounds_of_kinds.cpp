// The first rounds of the standard set: a plain wall to learn on, then
// one or two brick kinds at a time among Normal bricks.

#include "content/content_items.h"
#include "content/rounds/round_text.h"

namespace {

constexpr const char* kArena = "Backgrounds/Arena";
constexpr const char* kArenaNight = "Backgrounds/Arena Night";
constexpr const char* kNormal = "CBrickNormal";
constexpr const char* kBlue = "Common/Blue";

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
    AddRound(tree, item, plan);
}

void MakeRound03(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Hard Cases", kArenaNight};
    AddBrickRow(plan, "CBrickNHitSide", "Common/Three Hits", 2, 3, 11);
    AddBrickRow(plan, kNormal, kBlue, 4, 2, 12);
    plan.bricks.push_back({"CBrickFloatingBall", "Common/Floating Ball", 4, 6});
    plan.bricks.push_back({"CBrickFloatingBall", "Common/Floating Ball", 10, 6});
    AddRound(tree, item, plan);
}

void MakeRound04(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Many Balls", kArena};
    AddBrickRow(plan, kNormal, kBlue, 2, 1, 13);
    AddBrickRow(plan, kNormal, "Ball Accelerator", 3, 4, 5);
    AddBrickRow(plan, kNormal, "Ball Decelerator", 3, 9, 10);
    plan.bricks.push_back({"CBrickBallFactory", "Common/Ball Factory", 7, 4});
    plan.bricks.push_back({"CBrickBallDeflector", "Common/Ball Deflector", 2, 7});
    plan.bricks.push_back({"CBrickBallDeflector", "Common/Ball Deflector", 12, 7});
    AddRound(tree, item, plan);
}

void MakeRound05(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"The Works", kArena};
    plan.bricks.push_back({"CBrickFactory", "Common/Factory", 4, 1});
    plan.bricks.push_back({"CBrickFactory", "Common/Factory", 10, 1});
    plan.bricks.push_back({"CBrickFactoryShutdown", "Common/Factory Shutdown", 7, 1});
    AddBrickRow(plan, kNormal, kBlue, 5, 2, 12);
    AddRound(tree, item, plan);
}

void MakeRound06(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Sliding Doors", kArenaNight};
    AddBrickRow(plan, kNormal, kBlue, 2, 2, 12);
    AddBrickRow(plan, "CBrickNudge", "Common/Nudge Up", 5, 5, 9);
    plan.bricks.push_back({"CBrickRail", "Common/Rail", 3, 7});
    plan.bricks.push_back({"CBrickRail", "Common/Rail", 11, 7});
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

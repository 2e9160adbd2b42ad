// The two rounds outside every set: the one the main menu plays behind
// itself, on the full-screen menu theme, and the one new user-made sets
// copy ten times.

#include "content/content_items.h"
#include "content/rounds/round_text.h"

namespace {

void MakeMainMenuStart(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Main Menu Start", "Backgrounds/Menu"};
    AddBrickRow(plan, "CBrickNormal", "Common/Blue", 2, 4, 10);
    AddBrickRow(plan, "CBrickNormal", "Common/Blue", 3, 5, 9);
    AddRound(tree, item, plan);
}

void MakeTemplate(CContentTree& tree, const char* item)
{
    CRoundPlan plan{"Template", "Backgrounds/Arena"};
    AddBrickRow(plan, "CBrickNormal", "Common/Blue", 4, 5, 9);
    AddRound(tree, item, plan);
}

CContentItemRegistration s_MainMenuStart("Resources/Main Menu Start.Vantrell", MakeMainMenuStart, CONTENT_ROUNDS);
CContentItemRegistration s_Template("Resources/Template.Vantrell", MakeTemplate, CONTENT_ROUNDS);

} // namespace

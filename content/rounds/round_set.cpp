// The set a new game plays unless the player picks another: the twelve
// standard rounds in order, their level files shared with the editor.

#include <string>

#include "content/content_items.h"
#include "content/objects/object_item.h"

namespace {

constexpr int32_t kStandardRounds = 12;

void MakeStandardSet(CContentTree& tree, const char* item)
{
    std::string text = "CRoundSetSeparateFiles\n{\n\tDisplay Name=Standard\n\tRound List=Array\n\t{\n";
    for (int32_t round = 1; round <= kStandardRounds; ++round)
        text +=
            std::string("\t\tRound=Rounds/Standard/Round ") + (round < 10 ? "0" : "") + std::to_string(round) + "\n";
    text += "\t}\n}\n";
    AddObjectFile(tree, item, text.c_str(), item);
}

CContentItemRegistration s_StandardSet("Resources/Vantrell Pellucine Standard.VantrellZK", MakeStandardSet,
                                       CONTENT_ROUND_SETS);

} // namespace

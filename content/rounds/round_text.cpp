#include "content/rounds/round_text.h"

#include <cstdio>

#include "content/objects/object_item.h"

namespace {

// The grid's first cell is centred at (31, 40), so a brick's 39.5 x 22
// collision box stays inside the framed play area from x 11 to 626; a
// brick's stored position is its centre less (34, 23).
constexpr int32_t kFirstCentreX = 31;
constexpr int32_t kFirstCentreY = 40;
constexpr int32_t kColumnWidth = 40;
constexpr int32_t kRowHeight = 24;
constexpr int32_t kCentreOffsetX = 34;
constexpr int32_t kCentreOffsetY = 23;
// The editor numbers new bricks on from here.
constexpr uint32_t kFirstBrickId = 100;

} // namespace

void AddBrickRow(CRoundPlan& plan, const char* brickClass, const char* style, int32_t row, int32_t firstColumn,
                 int32_t lastColumn)
{
    for (int32_t column = firstColumn; column <= lastColumn; ++column)
        plan.bricks.push_back({brickClass, style, column, row});
}

std::string BrickText(const char* arrayItem, const CRoundBrick& brick, uint32_t& lastBrickId)
{
    std::string name = brick.name != nullptr ? brick.name : "Brick#" + std::to_string(++lastBrickId);
    char position[64];
    std::snprintf(position, sizeof position, "%d,%d", kFirstCentreX + brick.column * kColumnWidth - kCentreOffsetX,
                  kFirstCentreY + brick.row * kRowHeight - kCentreOffsetY);
    std::string text = std::string(arrayItem) + "=" + brick.brickClass + "\n{\n";
    text += "Name=" + name + "\n";
    text += std::string("Brick Position=") + position + "\n";
    text += std::string("Style Sheet=") + brick.style + "\n";
    if (brick.ownLines != nullptr)
        text += brick.ownLines;
    if (brick.script != nullptr)
    {
        text += "PlugIns=CBrickPlugInSimultaneous\n{\nSimultaneous PlugIns=Array\n{\n";
        text += brick.script;
        text += "}\n}\n";
    }
    return text + "}\n";
}

void AddRound(CContentTree& tree, const char* item, const CRoundPlan& plan)
{
    uint32_t lastBrickId = kFirstBrickId;
    std::string bricks;
    for (const CRoundBrick& brick : plan.bricks)
        bricks += BrickText("Brick", brick, lastBrickId);
    std::string text = "CBrickLayout\n{\n";
    text += std::string("Display Name=") + plan.displayName + "\n";
    if (plan.note1 != nullptr)
        text += std::string("Note 1=") + plan.note1 + "\n";
    text += std::string("Background Type=") + plan.background + "\n";
    text += "Last Brick ID Assigned=" + std::to_string(lastBrickId) + "\n";
    text += "Bricks=Array\n{\n" + bricks + "}\n";
    text += "Automatic Thumbnail=0\n";
    text += "}\n";
    AddObjectFile(tree, item, text.c_str(), item);
}

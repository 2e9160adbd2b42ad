#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CContentTree;

// One brick of a round: its class, its style and its cell on the round
// grid (15 columns of 40 pixels across the framed play area, rows of 24
// pixels from the top), with an optional name for scripts to target and
// an optional script (the plug-in blocks its root runs side by side).
// Adding a brick to a round is adding one of these.
struct CRoundBrick
{
    const char* brickClass;
    const char* style;
    int32_t column;
    int32_t row;
    const char* name = nullptr;
    const char* script = nullptr;
    const char* ownLines = nullptr;
};

// A round as its level file holds it.
struct CRoundPlan
{
    const char* displayName;
    const char* background;
    const char* note1 = nullptr;
    std::vector<CRoundBrick> bricks = {};
};

// Appends a row of one kind from the first column to the last.
void AddBrickRow(CRoundPlan& plan, const char* brickClass, const char* style, int32_t row, int32_t firstColumn,
                 int32_t lastColumn);

// The brick's object block, as an element of a level's or a theme's brick
// array named arrayItem; an unnamed brick takes the editor's next name.
std::string BrickText(const char* arrayItem, const CRoundBrick& brick, uint32_t& lastBrickId);

// Adds the level file "Data/<item>" of the plan, written by the object
// model. A round never captures its own thumbnail, so the shipped file is
// never rewritten by play.
void AddRound(CContentTree& tree, const char* item, const CRoundPlan& plan);

#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

namespace {

constexpr int32_t kBrickWidth = 40;
constexpr int32_t kBrickHeight = 22;
constexpr int32_t kBrickFrames = 6;

// How one kind of brick looks: a bevelled slab of a colour with a glint
// that sweeps across it over the frames, so a wall of bricks (each started
// at a random frame) shimmers.
struct CBrickLook
{
    const char* name;
    CPictureColor light;
    CPictureColor dark;
    // Shredders show teeth along both long edges.
    bool teeth;
};

const CBrickLook kLooks[] = {
    {"Brick Blue", {120, 170, 255}, {30, 60, 170}, false},
    {"Brick Green", {140, 235, 140}, {30, 120, 50}, false},
    {"Brick Steel", {215, 220, 230}, {90, 95, 110}, false},
    {"Brick Shredder", {250, 150, 90}, {140, 40, 20}, true},
    {"Brick Accelerator", {255, 235, 110}, {190, 120, 0}, false},
    {"Brick Decelerator", {190, 140, 255}, {80, 40, 150}, false},
};

CPicture DrawBrick(const CBrickLook& look, int32_t frame)
{
    CPicture picture(kBrickWidth, kBrickHeight);
    picture.FillRect(0.0, 0.0, kBrickWidth, kBrickHeight, look.dark);
    picture.FillRect(2.0, 2.0, kBrickWidth - 2.0, kBrickHeight - 2.0, look.light);
    picture.FillRect(4.0, 4.0, kBrickWidth - 4.0, kBrickHeight - 4.0,
                     CPictureColor{look.dark.red, look.dark.green, look.dark.blue, 110});
    if (look.teeth)
    {
        for (int32_t x = 2; x + 4 <= kBrickWidth - 2; x += 6)
        {
            picture.FillPolygon({x + 0.0, 0.0, x + 4.0, 0.0, x + 2.0, 4.0}, CPictureColor{255, 255, 255, 220});
            picture.FillPolygon({x + 0.0, kBrickHeight + 0.0, x + 2.0, kBrickHeight - 4.0, x + 4.0, kBrickHeight + 0.0},
                                CPictureColor{255, 255, 255, 220});
        }
    }
    const double glint = -8.0 + (kBrickWidth + 16.0) * frame / kBrickFrames;
    picture.FillPolygon(
        {glint, 2.0, glint + 5.0, 2.0, glint - 3.0, kBrickHeight - 2.0, glint - 8.0, kBrickHeight - 2.0},
        CPictureColor{255, 255, 255, 90});
    return picture;
}

void MakeBrickLook(CContentTree& tree, const char* item)
{
    for (const CBrickLook& look : kLooks)
    {
        if (std::string("Resources/-") + look.name + "/Properties.txt" != item)
            continue;
        std::vector<CPicture> frames;
        for (int32_t i = 0; i < kBrickFrames; i++)
            frames.push_back(DrawBrick(look, i));
        AddSequence(tree, look.name, frames, "CSequence\n{\n\tFrames Per Second=8\n\tCenter Hot Spot=1\n}\n", item);
    }
}

// One registration a look, named after its sequence folder.
struct CBrickLookRegistrations
{
    CBrickLookRegistrations()
    {
        for (const CBrickLook& look : kLooks)
            names.push_back(std::string("Resources/-") + look.name + "/Properties.txt");
        for (const std::string& name : names)
            registrations.emplace_back(name.c_str(), MakeBrickLook);
    }

    std::vector<std::string> names;
    std::vector<CContentItemRegistration> registrations;
};

CBrickLookRegistrations s_BrickLooks;

} // namespace

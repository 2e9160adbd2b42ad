#include <string>
#include <vector>

#include "content/content_items.h"
#include "content/images/picture.h"
#include "content/images/sequence_item.h"

namespace {

constexpr int32_t kBrickWidth = 40;
constexpr int32_t kBrickHeight = 22;
constexpr int32_t kBrickFrames = 6;

// What a kind shows on its slab, so the player tells the kinds apart.
enum class ELookMark
{
    None,
    // Shredders show teeth along both long edges.
    Teeth,
    // A ball inside (ball bricks, detonators).
    Ball,
    // A ring (magnets, markers).
    Ring,
    // Rails and slides along the long edges (deflectors, nudges, rails).
    Bars,
    // An inner frame (factories, switches).
    Frame,
    // A cross (shutdowns, cracked bricks).
    Cross
};

// How one kind of brick looks: a bevelled slab of a colour with a glint
// that sweeps across it over the frames, so a wall of bricks (each started
// at a random frame) shimmers.
struct CBrickLook
{
    const char* name;
    CPictureColor light;
    CPictureColor dark;
    ELookMark mark;
};

const CBrickLook kLooks[] = {
    {"Brick Blue", {120, 170, 255}, {30, 60, 170}, ELookMark::None},
    {"Brick Green", {140, 235, 140}, {30, 120, 50}, ELookMark::None},
    {"Brick Steel", {215, 220, 230}, {90, 95, 110}, ELookMark::None},
    {"Brick Shredder", {250, 150, 90}, {140, 40, 20}, ELookMark::Teeth},
    {"Brick Deflector", {180, 200, 220}, {40, 60, 90}, ELookMark::Bars},
    {"Brick Ball Factory", {255, 200, 120}, {160, 90, 20}, ELookMark::Ball},
    {"Brick Ball Factory Generate", {255, 250, 220}, {230, 160, 60}, ELookMark::Ring},
    {"Brick Floating Ball", {160, 240, 250}, {20, 120, 140}, ELookMark::Ball},
    {"Brick Factory", {210, 170, 130}, {100, 60, 30}, ELookMark::Frame},
    {"Brick Factory Generate", {250, 230, 200}, {170, 120, 70}, ELookMark::Frame},
    {"Brick Factory Shutdown", {250, 120, 120}, {130, 20, 20}, ELookMark::Cross},
    {"Brick N Hit", {230, 150, 230}, {110, 30, 110}, ELookMark::None},
    {"Brick N Hit Cracked", {200, 130, 200}, {90, 25, 90}, ELookMark::Cross},
    {"Brick N Hit Broken", {170, 110, 170}, {70, 20, 70}, ELookMark::Teeth},
    {"Brick Nudge", {130, 230, 210}, {20, 110, 100}, ELookMark::Bars},
    {"Brick Rail", {200, 200, 200}, {80, 80, 80}, ELookMark::Bars},
    {"Brick Rail Moving", {255, 255, 255}, {150, 150, 150}, ELookMark::Bars},
    {"Brick Magnet", {240, 110, 110}, {60, 60, 170}, ELookMark::Ring},
    {"Brick Magnet Activated", {255, 170, 170}, {120, 120, 230}, ELookMark::Ring},
    {"Brick Magnet Attracting", {255, 220, 220}, {170, 60, 60}, ELookMark::Ball},
    {"Brick Magnet Repelling", {220, 220, 255}, {60, 60, 170}, ELookMark::Ball},
    {"Brick Detonator", {150, 150, 150}, {50, 50, 50}, ELookMark::Ball},
    {"Brick Detonator Activated", {255, 110, 60}, {150, 30, 0}, ELookMark::Ball},
    {"Brick Switch", {150, 220, 120}, {40, 100, 30}, ELookMark::Frame},
    {"Brick Switching", {240, 250, 140}, {140, 150, 20}, ELookMark::Frame},
    {"Brick Path", {120, 255, 255}, {0, 90, 90}, ELookMark::Ring},
    {"Brick Marker", {255, 255, 120}, {90, 90, 0}, ELookMark::Ring},
    {"Brick Change Area", {250, 200, 250}, {120, 60, 140}, ELookMark::Ring},
    {"Brick Concussion", {170, 210, 255}, {30, 70, 140}, ELookMark::Bars},
    {"Brick Exploder", {255, 190, 80}, {170, 50, 0}, ELookMark::Ball},
    {"Brick Starfish Goal", {120, 230, 255}, {10, 80, 130}, ELookMark::Ring},
};

void DrawMark(CPicture& picture, ELookMark mark)
{
    const CPictureColor ink{255, 255, 255, 220};
    const double midX = kBrickWidth / 2.0;
    const double midY = kBrickHeight / 2.0;
    switch (mark)
    {
    case ELookMark::None:
        break;
    case ELookMark::Teeth:
        for (int32_t x = 2; x + 4 <= kBrickWidth - 2; x += 6)
        {
            picture.FillPolygon({x + 0.0, 0.0, x + 4.0, 0.0, x + 2.0, 4.0}, ink);
            picture.FillPolygon({x + 0.0, kBrickHeight + 0.0, x + 2.0, kBrickHeight - 4.0, x + 4.0, kBrickHeight + 0.0},
                                ink);
        }
        break;
    case ELookMark::Ball:
        picture.FillEllipse(midX, midY, 5.0, 5.0, ink);
        break;
    case ELookMark::Ring:
        picture.FillRing(midX, midY, 7.0, 4.0, ink);
        break;
    case ELookMark::Bars:
        picture.FillRect(3.0, 3.0, kBrickWidth - 3.0, 5.0, ink);
        picture.FillRect(3.0, kBrickHeight - 5.0, kBrickWidth - 3.0, kBrickHeight - 3.0, ink);
        break;
    case ELookMark::Frame:
        picture.FillRect(8.0, 6.0, kBrickWidth - 8.0, 8.0, ink);
        picture.FillRect(8.0, kBrickHeight - 8.0, kBrickWidth - 8.0, kBrickHeight - 6.0, ink);
        picture.FillRect(8.0, 6.0, 10.0, kBrickHeight - 6.0, ink);
        picture.FillRect(kBrickWidth - 10.0, 6.0, kBrickWidth - 8.0, kBrickHeight - 6.0, ink);
        break;
    case ELookMark::Cross:
        picture.FillPolygon({midX - 8.0, 4.0, midX - 5.0, 4.0, midX + 8.0, kBrickHeight - 4.0, midX + 5.0,
                             kBrickHeight - 4.0},
                            ink);
        picture.FillPolygon({midX + 5.0, 4.0, midX + 8.0, 4.0, midX - 5.0, kBrickHeight - 4.0, midX - 8.0,
                             kBrickHeight - 4.0},
                            ink);
        break;
    }
}

CPicture DrawBrick(const CBrickLook& look, int32_t frame)
{
    CPicture picture(kBrickWidth, kBrickHeight);
    picture.FillRect(0.0, 0.0, kBrickWidth, kBrickHeight, look.dark);
    picture.FillRect(2.0, 2.0, kBrickWidth - 2.0, kBrickHeight - 2.0, look.light);
    picture.FillRect(4.0, 4.0, kBrickWidth - 4.0, kBrickHeight - 4.0,
                     CPictureColor{look.dark.red, look.dark.green, look.dark.blue, 110});
    DrawMark(picture, look.mark);
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

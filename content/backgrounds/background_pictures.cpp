#include <string>

#include "content/content_items.h"
#include "content/images/image_item.h"
#include "content/images/picture.h"
#include "content/objects/object_item.h"

// The pictures behind the rounds and the menu, each a whole 800 x 600
// screen: the score board covers the arenas' right side, the menu shows
// all of it.

namespace {

constexpr int32_t kScreenWidth = 800;
constexpr int32_t kScreenHeight = 600;
// The arenas' play area, which their floor lines frame.
constexpr double kPlayLeft = 11.0;
constexpr double kPlayRight = 626.0;

// Faint floor tiles receding towards a horizon, so a ball reads against
// them without a pattern that looks like a brick.
void DrawFloorGrid(CPicture& picture, CPictureColor line)
{
    for (double x = kPlayLeft; x <= kPlayRight; x += 41.0)
        picture.FillRect(x, 0, x + 1, kScreenHeight, line);
    for (double y = 20.0, gap = 12.0; y < kScreenHeight; y += gap, gap *= 1.12)
        picture.FillRect(kPlayLeft, y, kPlayRight, y + 1, line);
}

// The picture and its frame options beside it, the engine's defaults, which
// the engine would otherwise write itself the first time it reads the
// picture.
void AddScreenPicture(CContentTree& tree, const char* item, const CPicture& picture)
{
    AddPictureFile(tree, item, picture, item);
    std::string options = item;
    options.replace(options.size() - 3, 3, "txt");
    AddObjectFile(tree, options, "CStandAloneFrame\n{\n}\n", item);
}

void MakeArenaPicture(CContentTree& tree, const char* item)
{
    CPicture picture(kScreenWidth, kScreenHeight);
    picture.FillVerticalGradient({14, 34, 70}, {30, 60, 96});
    DrawFloorGrid(picture, {90, 140, 200, 40});
    picture.FillRect(0, 560, kScreenWidth, kScreenHeight, {10, 20, 40, 120});
    picture.AddNoise(0xA7E7A001u, 3);
    AddScreenPicture(tree, item, picture);
}

void MakeArenaNightPicture(CContentTree& tree, const char* item)
{
    CPicture picture(kScreenWidth, kScreenHeight);
    picture.FillVerticalGradient({4, 6, 20}, {16, 12, 40});
    DrawFloorGrid(picture, {120, 90, 200, 28});
    // Stars: a fixed scatter from plain integer steps.
    uint32_t seed = 0x5EEDu;
    for (int32_t i = 0; i < 90; ++i)
    {
        seed = seed * 1103515245u + 12345u;
        const double x = static_cast<double>((seed >> 8) % kScreenWidth);
        seed = seed * 1103515245u + 12345u;
        const double y = static_cast<double>((seed >> 8) % 420);
        const double radius = 0.6 + static_cast<double>((seed >> 4) % 3) * 0.4;
        picture.FillEllipse(x, y, radius, radius, {230, 230, 255, 200});
    }
    picture.FillEllipse(520, 90, 34, 34, {240, 236, 210, 220});
    picture.FillEllipse(534, 80, 30, 30, {4, 6, 20, 235});
    AddScreenPicture(tree, item, picture);
}

void MakeMenuPicture(CContentTree& tree, const char* item)
{
    CPicture picture(kScreenWidth, kScreenHeight);
    picture.FillVerticalGradient({36, 14, 58}, {12, 24, 60});
    for (int32_t ring = 0; ring < 6; ++ring)
    {
        const double outer = 120.0 + ring * 70.0;
        picture.FillRing(400, 300, outer, outer - 3.0, {170, 120, 255, static_cast<uint8_t>(70 - ring * 10)});
    }
    picture.AddNoise(0x3E2A5EEDu, 3);
    AddScreenPicture(tree, item, picture);
}

CContentItemRegistration s_Arena("Resources/Backgrounds/Arena.TGA", MakeArenaPicture);
CContentItemRegistration s_ArenaNight("Resources/Backgrounds/Arena Night.TGA", MakeArenaNightPicture);
CContentItemRegistration s_Menu("Resources/Backgrounds/Menu.TGA", MakeMenuPicture);

} // namespace

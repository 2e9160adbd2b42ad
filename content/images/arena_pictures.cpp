#include <cstdint>
#include <string>

#include "content/content_items.h"
#include "content/images/image_item.h"
#include "content/images/picture.h"
#include "content/objects/object_item.h"

// The pictures behind the standard rounds, one for the day arena and one
// for the night arena: a sky over tiers of seats, lit from above. Each
// fills the screen; the score board's frame covers its right side.

namespace {

void DrawArena(CPicture& picture, CPictureColor skyTop, CPictureColor skyBottom, CPictureColor seats,
               CPictureColor lights, uint32_t seed)
{
    picture.FillVerticalGradient(skyTop, skyBottom);
    for (int tier = 0; tier < 5; tier++)
    {
        const double top = 380.0 + tier * 44.0;
        const uint8_t shade = static_cast<uint8_t>(14 * tier);
        picture.FillRect(0.0, top, 800.0, top + 40.0,
                         CPictureColor{static_cast<uint8_t>(seats.red + shade), static_cast<uint8_t>(seats.green + shade),
                                       static_cast<uint8_t>(seats.blue + shade)});
        picture.FillRect(0.0, top + 40.0, 800.0, top + 44.0, CPictureColor{20, 20, 28});
    }
    for (int lamp = 0; lamp < 8; lamp++)
    {
        const double x = 40.0 + lamp * 80.0;
        picture.FillRect(x - 1.5, 40.0, x + 1.5, 380.0, CPictureColor{60, 60, 70});
        picture.FillEllipse(x, 40.0, 10.0, 6.0, lights);
    }
    picture.AddNoise(seed, 6);
}

// The picture and its options beside it (the defaults: the engine would
// otherwise write them there on the first load).
void AddArena(CContentTree& tree, const char* item, const CPicture& picture)
{
    AddPictureFile(tree, item, picture, item);
    std::string options = item;
    options.replace(options.size() - 3, 3, "txt");
    AddObjectFile(tree, options, "CStandAloneFrame\n{\n}\n", item);
}

void MakeArena(CContentTree& tree, const char* item)
{
    CPicture picture(800, 600);
    DrawArena(picture, CPictureColor{70, 130, 200}, CPictureColor{170, 205, 235}, CPictureColor{120, 60, 50},
              CPictureColor{255, 250, 220}, 0xA7E4u);
    AddArena(tree, item, picture);
}

void MakeArenaNight(CContentTree& tree, const char* item)
{
    CPicture picture(800, 600);
    DrawArena(picture, CPictureColor{6, 8, 30}, CPictureColor{30, 35, 80}, CPictureColor{50, 30, 60},
              CPictureColor{255, 240, 150}, 0x41A7u);
    AddArena(tree, item, picture);
}

} // namespace

static CContentItemRegistration s_Arena("Resources/Backgrounds/Arena.TGA", MakeArena);
static CContentItemRegistration s_ArenaNight("Resources/Backgrounds/Arena Night.TGA", MakeArenaNight);

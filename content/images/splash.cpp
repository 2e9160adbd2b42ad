#include "content/content_items.h"
#include "content/images/image_item.h"
#include "content/images/picture.h"
#include "content/objects/object_item.h"

// The picture game set-up shows while the game loads: rows of bricks under
// a night sky, a ball above the ship. Its overlay set writes the title.
static void MakeSplash(CContentTree& tree, const char* item)
{
    CPicture picture(800, 600);
    picture.FillVerticalGradient({8, 10, 40}, {40, 20, 70});
    static const CPictureColor kRows[] = {{200, 60, 60}, {220, 150, 50}, {210, 200, 70}, {70, 180, 90}, {60, 120, 210}};
    for (int row = 0; row < 5; ++row)
    {
        for (int column = 0; column < 12; ++column)
        {
            const double left = 40 + column * 60 + (row % 2) * 30;
            const double top = 200 + row * 28;
            if (left + 54 > 780)
                continue;
            picture.FillRect(left, top, left + 54, top + 22, {20, 20, 30});
            picture.FillRect(left + 2, top + 2, left + 52, top + 20, kRows[row]);
            picture.FillRect(left + 2, top + 2, left + 52, top + 6, {255, 255, 255, 70});
        }
    }
    picture.FillEllipse(430, 430, 13, 13, {30, 30, 40});
    picture.FillEllipse(430, 430, 11, 11, {235, 240, 255});
    picture.FillEllipse(426, 426, 4, 4, {255, 255, 255});
    picture.FillPolygon({340, 540, 460, 540, 450, 556, 350, 556}, {160, 170, 190});
    picture.FillRect(360, 534, 440, 540, {90, 200, 255});
    picture.AddNoise(0x5A1A5EEDu, 4);
    AddPictureFile(tree, item, picture, item);
    AddObjectFile(tree, "Resources/Splash.txt", "CStandAloneFrame\n{\n\tRun Length Encode=0\n}\n", item);
}

static CContentItemRegistration s_Splash("Resources/Splash.TGA", MakeSplash);

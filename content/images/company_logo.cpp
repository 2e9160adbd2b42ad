#include "content/content_items.h"
#include "content/images/image_item.h"
#include "content/images/picture.h"
#include "content/objects/object_item.h"

// The first picture of every start: the maker's emblem, a ring around a
// diamond, on a dark gradient. Its overlay set writes the maker's name
// below it.
static void MakeCompanyLogo(CContentTree& tree, const char* item)
{
    CPicture picture(400, 240);
    picture.FillVerticalGradient({12, 16, 48}, {2, 4, 12});
    picture.FillEllipse(200, 96, 84, 84, {40, 70, 160, 96});
    picture.FillRing(200, 96, 76, 64, {230, 190, 90});
    picture.FillRing(200, 96, 80, 76, {120, 80, 30});
    picture.FillPolygon({200, 40, 248, 96, 200, 152, 152, 96}, {250, 220, 140});
    picture.FillPolygon({200, 58, 232, 96, 200, 134, 168, 96}, {170, 40, 60});
    picture.FillEllipse(200, 96, 10, 10, {255, 250, 230});
    picture.FillRect(60, 190, 340, 192, {230, 190, 90, 160});
    picture.AddNoise(0x10605EEDu, 3);
    AddPictureFile(tree, item, picture, item);
    AddObjectFile(tree, "Resources/CompanyLogo.txt", "CStandAloneFrame\n{\n\tRun Length Encode=0\n}\n", item);
}

static CContentItemRegistration s_CompanyLogo("Resources/CompanyLogo.TGA", MakeCompanyLogo);

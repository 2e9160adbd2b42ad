#include <iterator>
#include <vector>

#include "content/images/picture_table.h"
#include "content/skins/skin_pictures.h"

// The shared window textures and the browsers' icons, in the "User
// Interface Textures" list over "Interface/Textures". Windows whose theme
// names no texture of its own are tiled with these.

namespace {

// Icons keep their whole 16 x 16 square and their alpha.
const char kIconOptions[] = "CStandAloneFrame\n{\n\tCrop Color 0=0\n}\n";

CPicture TitleTile(CPictureColor top, CPictureColor bottom)
{
    CPicture picture(64, 32);
    picture.FillVerticalGradient(top, bottom);
    return picture;
}

CPicture Folder(bool open)
{
    CPicture picture(16, 16);
    picture.FillPolygon({1, 3, 6, 3, 7.5, 5, 1, 5}, {196, 150, 60});
    picture.FillRect(1, 5, 15, 14, {214, 170, 74});
    if (open)
        picture.FillPolygon({3, 8, 16, 8, 14, 14, 1, 14}, {244, 204, 110});
    else
        picture.FillRect(1, 6, 15, 7, {244, 204, 110, 160});
    return picture;
}

CPicture File()
{
    CPicture picture(16, 16);
    picture.FillPolygon({3, 1, 10, 1, 13, 4, 13, 15, 3, 15}, {236, 238, 242});
    picture.FillPolygon({10, 1, 13, 4, 10, 4}, {180, 186, 196});
    for (int32_t line = 0; line < 4; ++line)
        picture.FillRect(5, 6 + 2 * line, 11, 7 + 2 * line, {120, 130, 146});
    return picture;
}

const CPictureRow kTextures[] = {
    {"Window Texture", [] { return GrainedTexture(64, 64, {150, 156, 164}, 0x7E470001u); }, kPlainTextureOptions},
    {"Inactive Window Texture", [] { return GrainedTexture(64, 64, {128, 130, 134}, 0x7E470002u); },
     kPlainTextureOptions},
    {"Window Title Tile", [] { return TitleTile({70, 100, 150}, {36, 56, 96}); }, kPlainTextureOptions},
    {"Inactive Window Title Tile", [] { return TitleTile({120, 124, 132}, {86, 90, 98}); }, kPlainTextureOptions},
    {"Folder Open Icon", [] { return Folder(true); }, kIconOptions},
    {"Folder Closed Icon", [] { return Folder(false); }, kIconOptions},
    {"File Icon", File, kIconOptions},
};

} // namespace

static CPictureTable s_InterfaceTextures("Interface/Textures/", kTextures, std::size(kTextures));

#include "content/content_items.h"
#include "content/objects/object_item.h"

// The game's skin, the default theme of every window: alpha window borders
// with chamfered corners, a warm rim and a plate under the title; buttons
// with classic bevels over their own textures, lighter under the pointer
// and darker while pressed. It names no fonts, so windows keep the
// toolkit's default font.
static void MakeVantrellSkin(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CJWindowAlphaTheme\n{\n"
                  "\tOptions=CAlphaSkinData\n\t{\n"
                  "\t\tShortcut Key Highlight Color=255,200,110\n"
                  "\t\tBackground Color=232,236,240\n"
                  "\t\tSelect Color=120,150,170\n"
                  "\t\tWindow Heading Offset=0\n"
                  "\t\tWindow Border=CAlphaSkinBorder\n\t\t{\n"
                  "\t\t\tBackground Texture=Skins/Vantrell/Window Texture\n"
                  "\t\t\tTop Left Alpha=Skins/Vantrell/Top Left Alpha\n"
                  "\t\t\tTop Right Alpha=Skins/Vantrell/Top Right Alpha\n"
                  "\t\t\tBottom Left Alpha=Skins/Vantrell/Bottom Left Alpha\n"
                  "\t\t\tBottom Right Alpha=Skins/Vantrell/Bottom Right Alpha\n"
                  "\t\t\tTop Left Highlight=Skins/Vantrell/Top Left Highlight\n"
                  "\t\t\tTop Center Highlight=Skins/Vantrell/Top Center Highlight\n"
                  "\t\t\tTop Right Highlight=Skins/Vantrell/Top Right Highlight\n"
                  "\t\t\tCenter Left Highlight=Skins/Vantrell/Center Left Highlight\n"
                  "\t\t\tCenter Right Highlight=Skins/Vantrell/Center Right Highlight\n"
                  "\t\t\tBottom Left Highlight=Skins/Vantrell/Bottom Left Highlight\n"
                  "\t\t\tBottom Center Highlight=Skins/Vantrell/Bottom Center Highlight\n"
                  "\t\t\tBottom Right Highlight=Skins/Vantrell/Bottom Right Highlight\n"
                  "\t\t\tTop Center Decal=Skins/Vantrell/Title Plate\n"
                  "\t\t}\n"
                  "\t\tButton Border=CClassicSkinBorder\n\t\t{\n"
                  "\t\t\tBackground Texture=Skins/Vantrell/Button Texture\n"
                  "\t\t\tTexture Margin=1\n"
                  "\t\t\tTop Outer Color=255,226,170,140\n"
                  "\t\t}\n"
                  "\t\tPressed Button Border=CClassicSkinBorder\n\t\t{\n"
                  "\t\t\tBackground Texture=Skins/Vantrell/Button Pressed Texture\n"
                  "\t\t\tTexture Margin=1\n"
                  "\t\t\tTop Outer Color=0,0,0,128\n"
                  "\t\t\tTop Inner Color=0,0,0,64\n"
                  "\t\t\tBottom Inner Color=255,255,255,24\n"
                  "\t\t\tBottom Outer Color=255,226,170,140\n"
                  "\t\t}\n"
                  "\t\tHover Button Border=CClassicSkinBorder\n\t\t{\n"
                  "\t\t\tBackground Texture=Skins/Vantrell/Button Hover Texture\n"
                  "\t\t\tTexture Margin=1\n"
                  "\t\t\tTop Outer Color=255,226,170,200\n"
                  "\t\t}\n"
                  "\t}\n}\n",
                  item);
}

static CContentItemRegistration s_VantrellSkin("Resources/Vantrell.JWindowSkin", MakeVantrellSkin,
                                                     CONTENT_OBJECTS_OF_OBJECTS);

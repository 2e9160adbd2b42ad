#include "content/content_items.h"
#include "content/objects/object_item.h"

// Overlay sets of the "Frame Overlay Options" library: text drawn onto the
// picture of the same name when a slide show shows it.

// The maker's name under the emblem of the company logo.
static void MakeCompanyLogoOverlay(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CFrameOverlayOptions\n{\n\tText Font=Fonts/Big White\n\tText Overlays=Array\n\t{\n"
                  "\t\tArray Item=CFrameOverlayTextOverlay\n\t\t{\n"
                  "\t\t\tText Bounds Left=0,200\n\t\t\tText Bounds Width=400\n"
                  "\t\t\tJustification=Justify Center\n\t\t\tText String=Molvarant Entertainment\n"
                  "\t\t}\n\t}\n}\n",
                  item);
}

// The title over the loading picture.
static void MakeSplashOverlay(CContentTree& tree, const char* item)
{
    AddObjectFile(tree, item,
                  "CFrameOverlayOptions\n{\n\tText Font=Fonts/Big White\n\tText Overlays=Array\n\t{\n"
                  "\t\tArray Item=CFrameOverlayTextOverlay\n\t\t{\n"
                  "\t\t\tText Bounds Left=0,90\n\t\t\tText Bounds Width=800\n"
                  "\t\t\tJustification=Justify Center\n\t\t\tText String=Vantrell Pellucine\n"
                  "\t\t}\n\t}\n}\n",
                  item);
}

static CContentItemRegistration s_CompanyLogoOverlay("Resources/CompanyLogo.FOO", MakeCompanyLogoOverlay,
                                                     CONTENT_OBJECTS_OF_OBJECTS);
static CContentItemRegistration s_SplashOverlay("Resources/Splash.FOO", MakeSplashOverlay, CONTENT_OBJECTS_OF_OBJECTS);

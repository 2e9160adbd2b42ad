#include "content/content_items.h"
#include "content/images/image_item.h"
#include "content/images/picture.h"
#include "content/objects/object_item.h"

// The frame drawn over the whole screen while the score board shows: clear
// over the field, so play shows through, with a metal rim round the field
// and the panel at the right that the figures are written on.
static void MakeScoreBoardFrame(CContentTree& tree, const char* item)
{
    constexpr double kFieldRight = 637.0;
    CPicture frame(800, 600);
    const CPictureColor rim{90, 100, 120};
    const CPictureColor rimLight{170, 180, 200};
    frame.FillRect(0.0, 0.0, 11.0, 600.0, rim);
    frame.FillRect(0.0, 0.0, kFieldRight, 6.0, rim);
    frame.FillRect(9.0, 6.0, 11.0, 600.0, rimLight);
    frame.FillRect(kFieldRight - 10.0, 0.0, 800.0, 600.0, rim);
    frame.FillRect(kFieldRight - 10.0, 6.0, kFieldRight - 8.0, 600.0, rimLight);
    frame.FillRect(kFieldRight + 6.0, 12.0, 794.0, 588.0, CPictureColor{30, 36, 52});
    // The wells of the six figures, top to bottom.
    for (int row = 0; row < 6; row++)
    {
        const double top = 40.0 + row * 90.0;
        frame.FillRect(kFieldRight + 14.0, top, 786.0, top + 40.0, CPictureColor{12, 14, 22});
        frame.FillRect(kFieldRight + 14.0, top + 39.0, 786.0, top + 40.0, rimLight);
    }
    AddPictureFile(tree, item, frame, item);
    // Whole, not cropped: it is drawn at the screen's corner.
    AddObjectFile(tree, "Resources/Score Board Frame.txt", "CStandAloneFrame\n{\n\tCrop Color 0=0\n}\n", item);
}

static CContentItemRegistration s_ScoreBoardFrame("Resources/Score Board Frame.TGA", MakeScoreBoardFrame);

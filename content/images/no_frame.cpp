#include "content/content_items.h"
#include "content/images/image_item.h"
#include "content/images/picture.h"
#include "content/objects/object_item.h"

// Item 0 of "Frames", where a frame index of 0 means no picture and a
// name that is not found falls back: one transparent pixel, so nothing
// real is drawn in its place.
static void MakeNoFrame(CContentTree& tree, const char* item)
{
    AddPictureFile(tree, item, CPicture(1, 1), item);
    AddObjectFile(tree, "Resources/!None.txt", "CStandAloneFrame\n{\n\tCrop Color 0=0\n}\n", item);
}

static CContentItemRegistration s_NoFrame("Resources/!None.TGA", MakeNoFrame);

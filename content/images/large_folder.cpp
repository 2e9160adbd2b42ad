#include "content/content_items.h"
#include "content/images/image_item.h"
#include "content/images/picture.h"
#include "content/objects/object_item.h"

// A closed folder as large as a round's thumbnail: a round without a
// picture of its own shows it, and the browsers show it for sub-folders.
static void MakeLargeFolder(CContentTree& tree, const char* item)
{
    CPicture folder(105, 80);
    const CPictureColor rim{150, 110, 30};
    folder.FillRect(6.0, 8.0, 46.0, 20.0, rim);
    folder.FillRect(7.0, 9.0, 45.0, 20.0, CPictureColor{225, 180, 80});
    folder.FillRect(4.0, 16.0, 101.0, 76.0, rim);
    folder.FillRect(5.0, 17.0, 100.0, 75.0, CPictureColor{245, 205, 105});
    folder.FillRect(5.0, 17.0, 100.0, 22.0, CPictureColor{255, 230, 160});
    AddPictureFile(tree, item, folder, item);
    // Whole, not cropped: thumbnails are drawn from their top left corner.
    AddObjectFile(tree, "Resources/Large Folder.txt", "CStandAloneFrame\n{\n\tCrop Color 0=0\n}\n", item);
}

static CContentItemRegistration s_LargeFolder("Resources/Large Folder.TGA", MakeLargeFolder);

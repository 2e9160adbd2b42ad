#include "content/images/sequence_item.h"

#include <cstdio>

#include "content/images/image_item.h"
#include "content/images/picture.h"
#include "content/objects/object_item.h"

void AddSequence(CContentTree& tree, const std::string& name, const std::vector<CPicture>& frames,
                 const char* propertiesText, const char* item)
{
    // The item "A/B" is the folder "A/-B".
    const size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos
                                   ? "Resources/-" + name + "/"
                                   : "Resources/" + name.substr(0, slash + 1) + "-" + name.substr(slash + 1) + "/";
    for (size_t i = 0; i < frames.size(); ++i)
    {
        char file[32];
        std::snprintf(file, sizeof file, "Frame %02zu.TGA", i);
        AddPictureFile(tree, folder + file, frames[i], item);
    }
    AddObjectFile(tree, folder + "Properties.txt", propertiesText, item);
}

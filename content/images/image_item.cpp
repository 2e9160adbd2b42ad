#include "content/images/image_item.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "content/content_tree.h"
#include "content/images/picture.h"
#include "engine/core/files/stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/tga_file_io.h"

void AddPictureFile(CContentTree& tree, const std::string& path, const CPicture& picture, const char* item)
{
    CFrame frame;
    frame.Create(static_cast<uint32_t>(picture.GetWidth()), static_cast<uint32_t>(picture.GetHeight()), 32);
    const std::vector<uint8_t>& bytes = picture.GetBytes();
    const size_t rowBytes = static_cast<size_t>(picture.GetWidth()) * 4;
    for (int32_t y = 0; y < picture.GetHeight(); ++y)
    {
        std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(y * rowBytes),
                  bytes.begin() + static_cast<std::ptrdiff_t>((y + 1) * rowBytes),
                  frame.GetPixels() + static_cast<size_t>(frame.GetRowOffsets()[y]) * 4);
    }

    // The writer writes files; the tree wants bytes. A file of this process
    // in the temporary folder carries them over.
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vp_content_" + std::to_string(getpid()) + ".tga");
    CTGAFileIO writer;
    if (!writer.Write(frame, file.c_str(), OPEN_NAME_UNCHANGED))
    {
        std::fprintf(stderr, "content: the TGA writer refused \"%s\"\n", item);
        std::exit(1);
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::filesystem::remove(file);
    tree.Add("Data/" + path, std::move(written), item);
}

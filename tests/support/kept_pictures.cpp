#include "tests/support/kept_pictures.h"

#include <filesystem>

#include "engine/core/files/crc32.h"
#include "engine/graphics/tga_file_io.h"

uint32_t CKeptPictures::Write(CFrame& frame, const std::string& name)
{
    const std::string file = name + ".tga";
    CTGAFileIO writer;
    if (!writer.Write(frame, (m_Folder.Path() + file).c_str(), 0))
        return 0;
    m_Names.push_back(file);
    const std::string bytes = m_Folder.ReadFile(file);
    return Crc32(bytes.data(), bytes.size());
}

void CKeptPictures::Keep(const std::string& folder) const
{
    const std::filesystem::path kept = std::filesystem::path(VP_TEST_OUT_DIR) / folder;
    std::filesystem::create_directories(kept);
    for (const std::string& name : m_Names)
        std::filesystem::copy_file(m_Folder.Path() + name, kept / name,
                                   std::filesystem::copy_options::overwrite_existing);
}

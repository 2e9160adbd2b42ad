#include "tests/support/sequence_data_folder.h"

#include <chrono>
#include <filesystem>

#include "engine/core/files/stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/frame_cache_files.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/tga_file_io.h"
#include "tests/support/sequence_fixtures.h"

void SequenceDataFolder::SetUp()
{
    ArchiveTestFolder::SetUp();
    InitPixelFormatTables("Palettes", "GamePalette");
    SetDisplayBitDepth(16);
    SetCompressedStorageMode(false);
}

void SequenceDataFolder::TearDown()
{
    SetCompressedStorageMode(true);
    ArchiveTestFolder::TearDown();
}

void SequenceDataFolder::WriteSourceImage(const std::string& dataName, int32_t width, int32_t height) const
{
    CFrame* frame = MakeTestFrame(width, height);
    CTGAFileIO writer;
    writer.Write(*frame, dataName.c_str(), OPEN_CREATE | OPEN_WRITE | OPEN_CREATE_FOLDERS);
    delete frame;
}

void SequenceDataFolder::SetFileTime(const std::string& dataName, int64_t seconds) const
{
    const std::filesystem::path path = Absolute("Data/" + dataName);
    const auto since = std::chrono::seconds(seconds) - std::chrono::system_clock::now().time_since_epoch();
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() + since);
}

bool SequenceDataFolder::DataFileExists(const std::string& dataName) const
{
    return std::filesystem::exists(Absolute("Data/" + dataName));
}

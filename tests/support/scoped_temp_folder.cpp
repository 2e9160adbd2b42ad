#include "tests/support/scoped_temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

ScopedTempFolder::ScopedTempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "vp_test_XXXXXX").string();
    char* created = mkdtemp(pattern.data());
    m_Path = std::string(created ? created : pattern.c_str()) + "/";
}

ScopedTempFolder::~ScopedTempFolder()
{
    std::error_code ignored;
    // Tests make entries read-only; removal needs them writable again.
    for (auto it = fs::recursive_directory_iterator(m_Path, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored))
    {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(m_Path, ignored);
}

void ScopedTempFolder::WriteFile(const std::string& relativeName, const std::string& bytes) const
{
    fs::path path = fs::path(m_Path) / relativeName;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ScopedTempFolder::ReadFile(const std::string& relativeName) const
{
    std::ifstream file(fs::path(m_Path) / relativeName, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void ScopedTempFolder::CopyFileIn(const std::string& sourcePath, const std::string& relativeName) const
{
    fs::path target = fs::path(m_Path) / relativeName;
    fs::create_directories(target.parent_path());
    fs::copy_file(sourcePath, target, fs::copy_options::overwrite_existing);
}

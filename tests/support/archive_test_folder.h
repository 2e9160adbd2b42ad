#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/scoped_temp_folder.h"
#include "tests/support/test_zip_writer.h"

class CStream;

// A temporary folder made current, with "Data" inside it as the data folder,
// as after mounting; archives mounted by a test are unmounted afterwards.
class ArchiveTestFolder : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a zip file below the temporary folder.
    void WriteZip(const std::string& relativeName, const std::vector<TestZipMember>& members,
                  const TestZipLayout& layout = {}) const;
    std::string FileBytes(const std::string& relativeName) const { return m_Folder.ReadFile(relativeName); }
    std::string Absolute(const std::string& relativeName) const { return m_Folder.Path() + relativeName; }

    // The whole contents through CFile::Open; "(not opened)" when it fails.
    static std::string ReadData(const std::string& name, uint32_t flags);
    // The rest of a stream, which is then deleted; "(no stream)" for none.
    static std::string ReadAndDelete(CStream* stream);

    ScopedTempFolder m_Folder;

private:
    std::filesystem::path m_SavedFolder;
};

// Members of the given names whose data is "<name> data".
std::vector<TestZipMember> NamedMembers(const std::vector<std::string>& names);

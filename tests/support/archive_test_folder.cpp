#include "tests/support/archive_test_folder.h"

#include "engine/core/files/file.h"
#include "engine/core/archives/mount_archives.h"
#include "engine/core/settings/paths.h"
#include "engine/core/files/stream.h"

namespace fs = std::filesystem;

void ArchiveTestFolder::SetUp()
{
    m_SavedFolder = fs::current_path();
    fs::current_path(m_Folder.Path());
    fs::create_directories(Absolute("Data"));
    SetDataFolder("Data");
}

void ArchiveTestFolder::TearDown()
{
    UnmountArchives();
    SetDataFolder(".");
    fs::current_path(m_SavedFolder);
}

void ArchiveTestFolder::WriteZip(const std::string& relativeName, const std::vector<TestZipMember>& members,
                                 const TestZipLayout& layout) const
{
    m_Folder.WriteFile(relativeName, BuildTestZip(members, layout));
}

std::string ArchiveTestFolder::ReadData(const std::string& name, uint32_t flags)
{
    CFile file;
    if (!file.Open(name.c_str(), flags))
        return "(not opened)";
    std::string bytes(file.GetSize(), '\0');
    bytes.resize(file.Read(bytes.data(), static_cast<uint32_t>(bytes.size())));
    return bytes;
}

std::string ArchiveTestFolder::ReadAndDelete(CStream* stream)
{
    if (!stream)
        return "(no stream)";
    std::string bytes;
    char piece[7];
    // Small pieces, so that reads meet the member's end mid-piece.
    while (uint32_t count = stream->Read(piece, sizeof(piece)))
        bytes.append(piece, count);
    delete stream;
    return bytes;
}

std::vector<TestZipMember> NamedMembers(const std::vector<std::string>& names)
{
    std::vector<TestZipMember> members;
    for (const std::string& name : names)
    {
        TestZipMember member;
        member.name = name;
        member.data = name + " data";
        members.push_back(member);
    }
    return members;
}

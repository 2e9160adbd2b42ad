#include "tests/support/test_zip_writer.h"

#include "engine/core/files/crc32.h"

static void Append16(std::string& out, uint32_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

static void Append32(std::string& out, uint32_t value)
{
    Append16(out, value & 0xFFFF);
    Append16(out, value >> 16);
}

static void Append64(std::string& out, uint64_t value)
{
    Append32(out, static_cast<uint32_t>(value));
    Append32(out, static_cast<uint32_t>(value >> 32));
}

static uint32_t MemberCrc(const TestZipMember& member)
{
    return Crc32(member.data.data(), member.data.size());
}

// The local header and the central record share this run of fields, from
// the version needed to the extra field's length; only the extra differs.
static void AppendSharedHeaderFields(std::string& out, const TestZipMember& member, const std::string& extra)
{
    Append16(out, 10);
    Append16(out, member.flags);
    Append16(out, member.method);
    Append16(out, member.dosTime);
    Append16(out, member.dosDate);
    Append32(out, MemberCrc(member));
    Append32(out, static_cast<uint32_t>(member.data.size()));
    Append32(out, static_cast<uint32_t>(member.data.size()));
    Append16(out, static_cast<uint32_t>(member.name.size()));
    Append16(out, static_cast<uint32_t>(extra.size()));
}

std::vector<uint32_t> TestZipLocalOffsets(const std::vector<TestZipMember>& members)
{
    std::vector<uint32_t> offsets;
    uint32_t offset = 0;
    for (const TestZipMember& member : members)
    {
        offsets.push_back(offset);
        offset += static_cast<uint32_t>(30 + member.name.size() + member.localExtra.size() + member.data.size());
    }
    return offsets;
}

std::string BuildTestZip(const std::vector<TestZipMember>& members, const TestZipLayout& layout)
{
    std::string body;
    for (const TestZipMember& member : members)
    {
        Append32(body, 0x04034b50);
        AppendSharedHeaderFields(body, member, member.localExtra);
        body += member.name;
        body += member.localExtra;
        body += member.data;
    }

    uint32_t directoryOffset = static_cast<uint32_t>(body.size());
    std::vector<uint32_t> offsets = TestZipLocalOffsets(members);
    if (layout.writeDirectory)
    {
        for (size_t i = 0; i < members.size(); i++)
        {
            const TestZipMember& member = members[i];
            Append32(body, 0x02014b50);
            Append16(body, 0x031E);
            AppendSharedHeaderFields(body, member, member.centralExtra);
            Append16(body, static_cast<uint32_t>(member.comment.size()));
            Append16(body, 0);
            Append16(body, 0);
            Append32(body, 0x81A40000);
            Append32(body, offsets[i]);
            body += member.name;
            body += member.centralExtra;
            body += member.comment;
        }
        uint32_t directorySize = static_cast<uint32_t>(body.size()) - directoryOffset;
        uint32_t entries = layout.declaredEntries < 0 ? static_cast<uint32_t>(members.size())
                                                      : static_cast<uint32_t>(layout.declaredEntries);
        if (layout.zip64)
        {
            uint64_t recordOffset = body.size();
            Append32(body, 0x06064b50);
            Append64(body, 44);
            Append16(body, 0x031E);
            Append16(body, 45);
            Append32(body, 0);
            Append32(body, 0);
            Append64(body, entries);
            Append64(body, entries);
            Append64(body, directorySize);
            Append64(body, directoryOffset);
            Append32(body, 0x07064b50);
            Append32(body, 0);
            Append64(body, recordOffset);
            Append32(body, 1);
            entries = 0xFFFF;
        }
        Append32(body, layout.endSignature);
        Append16(body, 0);
        Append16(body, 0);
        Append16(body, entries);
        Append16(body, entries);
        Append32(body, directorySize);
        Append32(body, layout.directoryOffsetOverride ? layout.directoryOffsetOverride : directoryOffset);
        Append16(body, static_cast<uint32_t>(layout.archiveComment.size()));
        body += layout.archiveComment;
    }
    return body;
}

std::string TestZipExtraField(uint16_t id, size_t dataLength)
{
    std::string field;
    Append16(field, id);
    Append16(field, static_cast<uint32_t>(dataLength));
    for (size_t i = 0; i < dataLength; i++)
        field += static_cast<char>(0x40 + i);
    return field;
}

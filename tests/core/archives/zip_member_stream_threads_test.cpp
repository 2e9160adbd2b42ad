#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/core/archives/zip_archive.h"
#include "engine/core/files/stream.h"
#include "tests/support/archive_test_folder.h"

// Sound streams read archive members on their own threads while the main
// thread reads others of the same archive: every stream must see exactly
// its own member's bytes, however the reads interleave.
class ZipMemberThreadsTest : public ArchiveTestFolder
{
protected:
    // Bytes that differ at every offset and between the two members, so a
    // read from the wrong place shows.
    static std::string PatternBytes(size_t size, uint32_t seed)
    {
        std::string bytes(size, '\0');
        uint32_t state = seed;
        for (char& byte : bytes)
        {
            state = state * 1664525u + 1013904223u;
            byte = static_cast<char>(state >> 24);
        }
        return bytes;
    }

    // Reads in pieces whose size changes every time, so that the threads'
    // reads land at unrelated offsets of the shared file.
    static std::string ReadInVaryingPieces(CStream& stream, uint32_t firstPiece)
    {
        std::string bytes;
        char buffer[211];
        uint32_t piece = firstPiece % 209 + 1;
        while (uint32_t count = stream.Read(buffer, piece))
        {
            bytes.append(buffer, count);
            piece = piece % 209 + 1;
        }
        return bytes;
    }
};

TEST_F(ZipMemberThreadsTest, TwoMembersOfOneArchiveReadByteExactlyFromSeveralThreads)
{
    std::vector<TestZipMember> members = NamedMembers({"Music/one.ogg", "Sounds/two.wav"});
    members[0].data = PatternBytes(96 * 1024 + 7, 1);
    members[1].data = PatternBytes(61 * 1024 + 3, 2);
    WriteZip("Data/t.zip", members);
    // Kept open, as the archives beside the program are: every shared member
    // stream reads the archive's one file.
    CZipArchive archive;
    ASSERT_TRUE(archive.Open("t.zip", true, "/", false, 0));

    for (uint32_t threadCount : {2u, 4u, 8u})
    {
        std::vector<std::unique_ptr<CStream>> streams;
        for (uint32_t i = 0; i < threadCount; i++)
        {
            streams.emplace_back(archive.OpenMember(members[i % 2].name.c_str(), OPEN_READ));
            ASSERT_NE(streams.back(), nullptr);
        }
        std::vector<std::string> read(threadCount);
        std::vector<std::thread> threads;
        for (uint32_t i = 0; i < threadCount; i++)
        {
            threads.emplace_back(
                [&, i]
                {
                    read[i] = ReadInVaryingPieces(*streams[i], 13 + 31 * i);
                    // Closed where it was read, as a finished sound is.
                    streams[i].reset();
                });
        }
        for (std::thread& thread : threads)
            thread.join();
        for (uint32_t i = 0; i < threadCount; i++)
        {
            const std::string& expected = members[i % 2].data;
            ASSERT_EQ(read[i].size(), expected.size()) << threadCount << " threads, stream " << i;
            EXPECT_TRUE(read[i] == expected) << threadCount << " threads, stream " << i;
        }
    }
    // Streams closed on other threads all counted off: a rewrite, refused
    // while any member is open, is allowed again.
    std::unique_ptr<CStream> writer(archive.OpenMember("Sounds/two.wav", OPEN_CREATE | OPEN_WRITE));
    EXPECT_NE(writer, nullptr);
}

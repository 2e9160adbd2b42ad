#include <gtest/gtest.h>

#include <sys/resource.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/files/compressed_block.h"
#include "tests/support/sanitized_build.h"

static void OpenInMemory(CFile& file, const std::string& bytes)
{
    CMemoryStream* stream = new CMemoryStream();
    stream->Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    stream->Seek(0);
    file.Attach(stream, OPEN_READ | OPEN_WRITE);
}

static std::string Contents(CFile& file)
{
    std::string bytes(file.GetSize(), '\0');
    file.Seek(0);
    file.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    return bytes;
}

static uint32_t GetLittleEndian32(const std::string& bytes, size_t offset)
{
    uint32_t value = 0;
    for (int i = 0; i < 4; i++)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
    return value;
}

static std::string Block(uint32_t packedSize, uint32_t unpackedSize, const std::string& packed)
{
    std::string bytes(9, '\0');
    bytes[0] = 1;
    for (int i = 0; i < 4; i++)
    {
        bytes[1 + i] = static_cast<char>(packedSize >> (8 * i));
        bytes[5 + i] = static_cast<char>(unpackedSize >> (8 * i));
    }
    return bytes + packed;
}

static std::string ZlibPacked(const std::string& data, int level = 9)
{
    uLongf size = compressBound(data.size());
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
              data.size(), level);
    packed.resize(size);
    return packed;
}

TEST(CompressedBlock, LayoutIsMarkSizesAndZlibData)
{
    std::string data(5000, 'a');
    data += "tail";
    CFile file;
    OpenInMemory(file, "");
    ASSERT_TRUE(WriteCompressedBlock(file, data.data(), static_cast<uint32_t>(data.size()), 9));
    std::string bytes = Contents(file);
    ASSERT_GT(bytes.size(), 9u);
    EXPECT_EQ(bytes[0], 1);
    uint32_t packedSize = GetLittleEndian32(bytes, 1);
    EXPECT_EQ(packedSize, bytes.size() - 9);
    EXPECT_EQ(GetLittleEndian32(bytes, 5), data.size());

    std::string unpacked(data.size(), '\0');
    uLongf length = unpacked.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(unpacked.data()), &length,
                         reinterpret_cast<const Bytef*>(bytes.data() + 9), packedSize),
              Z_OK);
    EXPECT_EQ(unpacked, data);
}

TEST(CompressedBlock, RoundTripsAtTheFilePosition)
{
    const std::string samples[] = {"", "x", std::string(100000, 'q'), "mixed \x01\x02\xFF data"};
    for (const std::string& data : samples)
    {
        CFile file;
        OpenInMemory(file, "");
        file.WriteInt(77);
        ASSERT_TRUE(WriteCompressedBlock(file, data.data(), static_cast<uint32_t>(data.size()), 6));
        file.Seek(4);
        uint32_t size = 12345;
        uint8_t* read = ReadCompressedBlock(file, &size);
        ASSERT_NE(read, nullptr) << data.size();
        EXPECT_EQ(size, data.size());
        EXPECT_EQ(std::string(reinterpret_cast<char*>(read), size), data);
        EXPECT_EQ(static_cast<uint32_t>(file.Tell()), file.GetSize());
        std::free(read);
    }
}

TEST(CompressedBlock, DamagedBlocksGiveNone)
{
    std::string data = "some data that compresses, some data that compresses";
    std::string packed = ZlibPacked(data);
    uint32_t packedSize = static_cast<uint32_t>(packed.size());
    uint32_t dataSize = static_cast<uint32_t>(data.size());
    std::string corrupt = packed;
    corrupt[packed.size() / 2] ^= 0x55;
    // Stored without compression, this block is large enough for the ratio
    // test to let an unpacked size of 0xFFFFFFFF through; that size plus the
    // spare byte must not wrap around to a buffer of nothing.
    std::string large = ZlibPacked(std::string(4200000, 'z'), 0);
    uint32_t largeSize = static_cast<uint32_t>(large.size());

    struct Case
    {
        const char* title;
        std::string bytes;
    };
    const Case cases[] = {
        {"not a block", "\x02" + Block(packedSize, dataSize, packed).substr(1)},
        {"empty", ""},
        {"header cut short", Block(packedSize, dataSize, packed).substr(0, 6)},
        {"data cut short", Block(packedSize, dataSize, packed.substr(0, packed.size() - 3))},
        {"packed size past the end", Block(0xFFFFFFF0u, dataSize, packed)},
        {"packed size 0", Block(0, dataSize, packed)},
        {"unpacked size too large", Block(packedSize, dataSize + 1, packed)},
        {"unpacked size too small", Block(packedSize, dataSize - 1, packed)},
        {"unpacked size beyond any ratio", Block(packedSize, 0xFFFFFFFFu, packed)},
        {"largest unpacked size over a large block", Block(largeSize, 0xFFFFFFFFu, large)},
        {"corrupt data", Block(packedSize, dataSize, corrupt)},
    };
    for (const Case& c : cases)
    {
        CFile file;
        OpenInMemory(file, c.bytes);
        uint32_t size = 0;
        EXPECT_EQ(ReadCompressedBlock(file, &size), nullptr) << c.title;
    }
}

#ifndef VP_SANITIZED_BUILD
// Exits with 0 when the block answers none.
[[noreturn]] static void ReadWithDataLimitedTo(rlim_t bytes, const std::string& block)
{
    const rlimit limit = {bytes, bytes};
    setrlimit(RLIMIT_DATA, &limit);
    CFile file;
    OpenInMemory(file, block);
    uint32_t size = 0;
    std::exit(ReadCompressedBlock(file, &size) == nullptr ? 0 : 1);
}
#endif

// A header claiming 4 GiB over 4 MB of data that yields far less is damage
// that must cost what the data yields: with the program's data limited to
// 256 MiB, the read answers none instead of stopping for lack of memory.
TEST(CompressedBlock, AClaimedSizeIsNotAllocatedBeforeTheDataBearsItOut)
{
#ifdef VP_SANITIZED_BUILD
    GTEST_SKIP() << "the sanitizers' shadow memory counts against the data limit";
#else
    std::string packed = ZlibPacked(std::string(8 * 1024 * 1024, 'z'));
    packed += std::string(4200000, '\0');  // past the end of the zlib data: never read
    const std::string block = Block(static_cast<uint32_t>(packed.size()), 0xFFFFFFFFu, packed);
    EXPECT_EXIT(ReadWithDataLimitedTo(256u << 20, block), testing::ExitedWithCode(0), "");
#endif
}

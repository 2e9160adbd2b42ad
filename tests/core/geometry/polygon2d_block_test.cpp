#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/geometry/polygon2d.h"
#include "tests/support/polygon_shapes.h"

namespace {

// A file over a memory stream holding the given bytes, read from the start.
class CMemoryFile
{
public:
    explicit CMemoryFile(const std::vector<uint8_t>& bytes = {})
    {
        m_File.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE);
        if (!bytes.empty())
            m_File.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
        m_File.Seek(0);
    }

    CFile& File() { return m_File; }

    std::vector<uint8_t> Bytes()
    {
        std::vector<uint8_t> bytes(m_File.GetSize());
        m_File.Seek(0);
        m_File.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
        m_File.Seek(0);
        return bytes;
    }

private:
    CFile m_File;
};

std::vector<uint8_t> Header(uint8_t version, uint32_t count)
{
    return {'P', 'O', 'L', 'Y', '2', 'D', 0, version, static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8),
            static_cast<uint8_t>(count >> 16), static_cast<uint8_t>(count >> 24)};
}

} // namespace

TEST(Polygon2DBlock, WritesTagVersionCountAndPoints)
{
    Polygon2D polygon = MakePolygon({{1.0f, -2.0f}}, false);
    CMemoryFile memory;
    polygon.Write(memory.File());
    std::vector<uint8_t> expected = Header(7, 1);
    // 1.0f and -2.0f, little-endian.
    for (uint8_t byte : {0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0xC0})
        expected.push_back(byte);
    EXPECT_EQ(memory.Bytes(), expected);
}

TEST(Polygon2DBlock, RoundTripRecomputesDerivedData)
{
    Polygon2D square = MakePolygon({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, false);
    square.Close();
    CMemoryFile memory;
    square.Write(memory.File());
    memory.File().Seek(0);

    Polygon2D read = MakePolygon({{50, 50}}, false);
    ASSERT_TRUE(read.Read(memory.File()));
    ASSERT_EQ(read.GetCount(), 5u);
    for (uint32_t i = 0; i < 5; i++) {
        EXPECT_EQ(read.GetPoint(i).x, square.GetPoint(i).x);
        EXPECT_EQ(read.GetPoint(i).y, square.GetPoint(i).y);
    }
    EXPECT_EQ(read.GetFlags(), square.GetFlags());
    EXPECT_EQ(read.GetBounds().right, 1);
    EXPECT_EQ(read.GetCentre().x, 0.5f);
}

TEST(Polygon2DBlock, RefusedBlocksLeaveThePolygonEmpty)
{
    struct Case
    {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    std::vector<uint8_t> wrongTag = Header(7, 0);
    wrongTag[0] = 'p';
    std::vector<uint8_t> truncated = Header(7, 2);
    truncated.insert(truncated.end(), {0, 0, 0x80, 0x3F, 0, 0, 0, 0, 0, 0});
    std::vector<uint8_t> shortHeader = Header(7, 0);
    shortHeader.resize(9);
    const Case cases[] = {
        {"version 6", Header(6, 0)},
        {"wrong tag", wrongTag},
        {"count of 5000", Header(7, 5000)},
        {"count of 301", Header(7, 301)},
        {"points cut short", truncated},
        {"header cut short", shortHeader},
    };
    for (const Case& c : cases) {
        Polygon2D polygon = MakePolygon({{1, 1}, {2, 2}, {3, 1}}, false);
        CMemoryFile memory(c.bytes);
        EXPECT_FALSE(polygon.Read(memory.File())) << c.name;
        EXPECT_EQ(polygon.GetCount(), 0u) << c.name;
        // Still a working polygon.
        polygon.InsertPoint(4, 4, -1);
        EXPECT_EQ(polygon.GetCount(), 1u) << c.name;
    }
}

#include <gtest/gtest.h>

#include <functional>

#include "engine/blit/run_length_validator.h"
#include "tests/support/run_length_frames.h"

namespace {

// A 6 x 2 translucent 16-bit frame: opaque literal, translucent fill and
// literal, skips at the ends.
void BuildValid(RunLengthFixture& f)
{
    f.SetStream(0, {Codes({Literal(2, {0xF800, 0x07E0}), Skip(4)}), Codes({Skip(6)})});
    f.SetStream(4, {Codes({Skip(2), Fill(2, 3, 0x001F), Skip(1)}), Codes({Skip(1), Literal(2, {1, 2}), Skip(9)})});
    f.SetStream(3, {{0x80}, {0x10, 0x20}});
}

TEST(RunLengthValidator, RejectsEachDamage)
{
    struct Case
    {
        const char* what;
        std::function<void(RunLengthFixture&)> damage;
    };
    const Case cases[] =
        {
            {"nothing", [](RunLengthFixture&) {}},
            {"a last row of only zero-length skips",
             [](RunLengthFixture& f) {
        f.SetStream(0, {Codes({Skip(6)}), Codes({Skip(0), Skip(0), Skip(0)})});
             }},
            {"a literal past its block",
             [](RunLengthFixture& f) {
        f.SetStream(0, {Codes({Skip(6)}), RunRow{0x46, 1, 0, 2, 0}});
             }},
               {"a fill crossing the width",
                [](RunLengthFixture& f) {
        f.SetStream(0, {Codes({Skip(2), Fill(2, 5, 1)}), Codes({Skip(6)})});
                }},
        {"a literal crossing the width",
         [](RunLengthFixture& f) {
        f.SetStream(0, {Codes({Skip(5), Literal(2, {1, 2})}), Codes({Skip(6)})});
         }},
        {"a row offset past the block", [](RunLengthFixture& f) { f.Offsets(0)[1] = 400; }},
        {"a row offset inside the size word", [](RunLengthFixture& f) { f.Offsets(4)[0] = 2; }},
        {"a size word unequal to the count", [](RunLengthFixture& f) { f.Block(0)[0]++; }},
        {"stream 4 without stream 3", [](RunLengthFixture& f) { f.frame.SetStream(3, nullptr, nullptr); }},
        {"stream 3 one byte short",
         [](RunLengthFixture& f) {
        f.SetStream(3, {{0x80}, {0x10}});
         }},
        {"a last row that never reaches the width",
         [](RunLengthFixture& f) {
        f.SetStream(0, {Codes({Skip(6)}), Codes({Skip(5)})});
         }},
        };
    for (const Case& c : cases)
    {
        RunLengthFixture f(6, 2, 16, FRAME_ENCODING_RLE_ALPHA);
        BuildValid(f);
        c.damage(f);
        const bool undamaged = std::string(c.what) == "nothing";
        EXPECT_EQ(ValidateRunLengthFrame(f.frame, f.Bytes()), undamaged) << c.what;
    }
}

TEST(RunLengthValidator, AcceptsAbsentStreamsZeroLengthCodesAndEveryDepth)
{
    RunLengthFixture only4(4, 1, 16, FRAME_ENCODING_RLE_ALPHA);
    only4.SetStream(4, {Codes({Literal(2, {}), Fill(2, 0, 9), Fill(2, 4, 9)})});
    only4.SetStream(3, {{1, 2}});
    EXPECT_TRUE(ValidateRunLengthFrame(only4.frame, only4.Bytes()));

    RunLengthFixture rle8(3, 1, 8, FRAME_ENCODING_RLE8);
    for (int32_t stream = 0; stream < 5; stream++)
        rle8.SetStream(stream, {Codes({Literal(1, {1, 2}), Fill(1, 1, 3)})});
    EXPECT_TRUE(ValidateRunLengthFrame(rle8.frame, rle8.Bytes()));

    RunLengthFixture rle24(2, 1, 24, FRAME_ENCODING_RLE_ALPHA);
    rle24.SetStream(0, {Codes({Literal(3, {0x112233}), Skip(1)})});
    EXPECT_TRUE(ValidateRunLengthFrame(rle24.frame, rle24.Bytes()));
    // The same bytes read as 16-bit values leave one byte over, which the
    // next code takes as a fill crossing the width.
    rle24.frame.SetFormatWord(FRAME_ENCODING_RLE_ALPHA | FRAME_DEPTH_16 | FRAME_BORROWED_PIXELS);
    EXPECT_FALSE(ValidateRunLengthFrame(rle24.frame, rle24.Bytes()));
}

TEST(RunLengthValidator, RejectsPlainFramesAndThirtyTwoBitRunLength)
{
    RunLengthFixture f(6, 2, 16, FRAME_ENCODING_RLE_ALPHA);
    BuildValid(f);
    f.frame.SetFormatWord(FRAME_DEPTH_16 | FRAME_BORROWED_PIXELS);
    EXPECT_FALSE(ValidateRunLengthFrame(f.frame, f.Bytes()));
    f.frame.SetFormatWord(FRAME_ENCODING_RLE_ALPHA | FRAME_DEPTH_32 | FRAME_BORROWED_PIXELS);
    EXPECT_FALSE(ValidateRunLengthFrame(f.frame, f.Bytes()));
}

} // namespace

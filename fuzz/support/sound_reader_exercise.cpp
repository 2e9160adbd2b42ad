#include "fuzz/support/sound_reader_exercise.h"

#include <algorithm>
#include <vector>

#include "engine/app/sound/sound_reader.h"
#include "fuzz/support/fuzz_input.h"

namespace {

// Enough for every seed to be read to its end, small enough that a huge
// promised size costs no more than this.
constexpr uint32_t kMostBytesRead = 1 << 20;

} // namespace

void ExerciseSoundReader(CSoundReader& reader)
{
    CWaveFormat format;
    reader.GetFormat(format);
    FuzzCheck(format.blockAlign != 0 && format.avgBytesPerSec != 0, "an opened reader has no output format");

    std::vector<uint8_t> buffer(4096);
    uint32_t total = 0;
    while (total < kMostBytesRead)
    {
        const uint32_t got = reader.Read(buffer.data(), static_cast<uint32_t>(buffer.size()));
        FuzzCheck(got <= buffer.size(), "a read answered more than it was asked");
        if (got == 0)
            break;
        total += got;
    }
    reader.Tell();

    reader.Seek(0);
    std::vector<uint8_t> first(333);
    std::vector<uint8_t> second(1001);
    for (int i = 0; i < 4; i++)
    {
        const uint32_t split = reader.ReadSplit(first.data(), static_cast<uint32_t>(first.size()), second.data(),
                                                static_cast<uint32_t>(second.size()));
        FuzzCheck(split <= first.size() + second.size(), "a split read answered more than it was asked");
        const uint32_t mixed = reader.ReadMix(first.data(), static_cast<uint32_t>(first.size()), second.data(),
                                              static_cast<uint32_t>(second.size()), 0.25f * i);
        FuzzCheck(mixed <= first.size() + second.size(), "a mixed read answered more than it was asked");
    }
    reader.Seek(std::min(reader.GetTotalBytes(), kMostBytesRead) / 2);
    reader.Tell();
    reader.Read(buffer.data(), static_cast<uint32_t>(buffer.size()));
}

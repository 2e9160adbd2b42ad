// A sequence's compiled cache is read in place from the whole file: its
// frames point into the file's bytes. A cache may be cut short or damaged
// on disk, and its frame count is read before the frames. Reading one
// either refuses it (the sequence is then rebuilt from its sources) or
// accepts it; an accepted cache writes itself back byte for byte.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/core/files/memory_stream.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/sequence.h"
#include "engine/object/object_stream.h"
#include "fuzz/support/fuzz_input.h"

namespace {

// The cache loader's reading: in place, frames cleared when refused. The
// bytes outlive the sequence, as the loaded file does.
bool ReadCache(CSequence& sequence, std::vector<uint8_t>& bytes)
{
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(bytes.data(), static_cast<uint32_t>(bytes.size()), false), OPEN_READ);
    stream.SetMapInPlace(true);
    CSequenceLoadingScope loading(sequence);
    const bool read = sequence.ReadBinary(stream);
    if (!read)
        sequence.ClearFrames();
    return read;
}

std::string CacheOf(CSequence& sequence)
{
    CMemoryStream* memory = new CMemoryStream();
    CObjectStream stream;
    stream.OpenOnMemory(memory, OPEN_READ | OPEN_WRITE);
    sequence.WriteBinary(stream);
    return std::string(reinterpret_cast<const char*>(memory->GetData()), memory->GetSize());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!ArePixelFormatTablesBuilt())
        InitPixelFormatTables("Palettes", "GamePalette");
    std::vector<uint8_t> bytes(data, data + size);
    bool accepted = false;
    {
        CSequence sequence;
        if (!RunReader([&] { accepted = ReadCache(sequence, bytes); }) || !accepted)
            return 0;
        std::string cache = CacheOf(sequence);
        std::vector<uint8_t> again(cache.begin(), cache.end());
        CSequence copy;
        FuzzCheck(ReadCache(copy, again), "a sequence's own cache is refused");
        FuzzCheck(CacheOf(copy) == cache, "a sequence's own cache reads as another sequence");
    }
    return 0;
}

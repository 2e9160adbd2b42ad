// The WAVE reader over an in-memory file: the chunk walk, the format checks
// and the decoders of compressed data. Damage may refuse the file or give
// wrong samples; it must never read or write outside a buffer, or loop.

#include <cstddef>
#include <cstdint>

#include "engine/app/sound/wave_reader.h"
#include "engine/core/files/file.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/sound_reader_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFile* file = new CFile;
    AttachInput(*file, data, size);
    CWaveReader reader;
    if (reader.Open(file))
        ExerciseSoundReader(reader);
    return 0;
}

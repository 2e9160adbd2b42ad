// The Ogg Vorbis reader over an in-memory file, through the decoder's file
// callbacks. Damage may refuse the stream or end it early; it must never
// read or write outside a buffer, or loop.

#include <cstddef>
#include <cstdint>

#include "engine/app/sound/vorbis_reader.h"
#include "engine/core/files/file.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/sound_reader_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFile* file = new CFile;
    AttachInput(*file, data, size);
    CVorbisReader reader;
    if (reader.Open(file))
        ExerciseSoundReader(reader);
    return 0;
}

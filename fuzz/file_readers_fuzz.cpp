// Every way a data file's bytes are read as text lines, counted strings and
// compressed blocks, over the two stream kinds that carry loose files: a
// whole file in memory and a file read through the C runtime. A reader may
// refuse damage; it must never read outside the data or loop.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/core/files/file.h"
#include "engine/core/strings/ref_string.h"
#include "engine/core/files/compressed_block.h"
#include "fuzz/support/fuzz_input.h"

namespace {

void ReadAllLines(CFile& file)
{
    file.Seek(0);
    CString line;
    int32_t previous = -1;
    while (file.ReadLine(line))
    {
        // Each line must move the reader on, or a reader would loop here.
        int32_t position = file.Tell();
        FuzzCheck(position > previous, "a line read did not advance");
        previous = position;
    }
    file.Seek(0);
    while (file.ReadNonBlankLine(line))
    {
    }
    file.Seek(0);
    // A line too long for the buffer is refused but consumed all the same.
    char buffer[32];
    for (int32_t before = -1; file.Tell() > before;)
    {
        before = file.Tell();
        file.ReadLineToBuffer(buffer, sizeof(buffer));
    }
}

void ReadAllCountedStrings(CFile& file)
{
    file.Seek(0);
    char* text = nullptr;
    while (file.ReadCountedString(text))
    {
    }
    std::free(text);

    file.Seek(0);
    char buffer[16];
    while (file.ReadCountedStringInto(buffer, sizeof(buffer)))
    {
    }
}

void ReadCompressedBlockAtStart(CFile& file)
{
    file.Seek(0);
    uint32_t size = 0;
    uint8_t* data = ReadCompressedBlock(file, &size);
    std::free(data);
}

void ReadEverything(CFile& file)
{
    ReadAllLines(file);
    ReadAllCountedStrings(file);
    ReadCompressedBlockAtStart(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CFile memory;
    AttachInput(memory, data, size);
    ReadEverything(memory);

    std::string path = WriteFuzzFile("Input.dat", data, size);
    CFile loose;
    if (loose.Open(path.c_str(), OPEN_READ))
        ReadEverything(loose);

    // A compressed file is opened through its block; a plain one reads
    // plainly.
    CFile compressed;
    if (compressed.Open(path.c_str(), OPEN_READ | OPEN_COMPRESSED))
        ReadAllLines(compressed);
    return 0;
}

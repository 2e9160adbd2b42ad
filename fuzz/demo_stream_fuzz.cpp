// Demo files travel between players. Whatever one holds, playing it reads
// only its own bytes and ends at the end of its data or in a fatal report.

#include <cstddef>
#include <cstdint>

#include "engine/object/message_stream.h"
#include "fuzz/support/fuzz_input.h"
#include "tests/support/stand_in_calls.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Calls reading every kind of argument, registered before the first
    // stream selects its calls.
    static CStandInCalls standIns;

    // A fresh stream takes the input in a buffer of exactly its size, so a
    // read one byte past the end is caught.
    CMessageStream stream;
    stream.SelectCalls(0);
    stream.AppendBytes(data, static_cast<uint32_t>(size));
    RunReader([&stream] {
        while (stream.HasBytes(1))
            stream.DispatchMessage();
    });
    standIns.replayed.clear();
    return 0;
}

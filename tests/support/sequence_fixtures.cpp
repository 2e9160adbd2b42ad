#include "tests/support/sequence_fixtures.h"

#include <cstdlib>
#include <cstring>

#include "engine/core/files/memory_stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/sequence.h"
#include "engine/object/object_files.h"
#include "engine/object/object_stream.h"
#include "tests/support/frame_pixels.h"

CFrame* MakeTestFrame(int32_t width, int32_t height, int32_t upperLeftX, int32_t upperLeftY)
{
    CFrame* frame = new CFrame;
    frame->Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 32);
    for (int32_t y = 0; y < height; y++)
        for (int32_t x = 0; x < width; x++)
            WritePixel(*frame, x, y, 0xFF000000u | static_cast<uint32_t>((x * 37 + y * 101) & 0xFFFFFF));
    frame->SetUpperLeftOffset(upperLeftX, upperLeftY);
    return frame;
}

CSequence* ReadTestSequence(const std::vector<std::string>& lines)
{
    std::string text = "CSequence\r\n{\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    text += "}\r\n";
    uint8_t* bytes = static_cast<uint8_t*>(std::malloc(text.size()));
    std::memcpy(bytes, text.data(), text.size());
    CObjectStream stream;
    stream.OpenOnMemory(new CMemoryStream(bytes, static_cast<uint32_t>(text.size()), true), OPEN_READ);
    CSequence* sequence = new CSequence;
    CSequenceLoadingScope loading(*sequence);
    ReadObjectFromStream(sequence, stream);
    return sequence;
}

std::vector<int32_t> StepTypes(const CImageFilterChain& chain)
{
    std::vector<int32_t> types;
    for (const CImageFilterChain* step = chain.GetNext(); step != nullptr; step = step->GetNext())
        types.push_back(step->GetType());
    return types;
}

#pragma once

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/graphics/frame.h"

// The bytes of a frame's compiled form (its cache file), written to memory.
inline std::vector<uint8_t> CompiledForm(CFrame& frame)
{
    CFile file;
    file.Attach(new CMemoryStream(), OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    EXPECT_TRUE(frame.WriteBinary(file));
    const uint32_t size = file.GetSize();
    file.Seek(0);
    const uint8_t* bytes = file.Map(size);
    return std::vector<uint8_t>(bytes, bytes + size);
}

// Bitmap fonts as a data folder gives them: the font's object text, then a
// strip picture, read, cut into glyphs and drawn code by code; codes the
// strip lacks come from the data folder's default TrueType font.
//
// Input: the "FONT.TXT" text (read into a bitmap font), a zero byte, the
// strip's width - 1 and height - 1 (one byte each), then its 32-bit pixels
// (blue, green, red, alpha), zeros where the input ends early.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/core/settings/paths.h"
#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "fuzz/support/fuzz_input.h"
#include "tests/support/object_forms.h"

namespace {

// A data folder whose default font is DejaVu Sans, made once.
bool PrepareDataFolder()
{
    const std::string fonts = GetFuzzFolder() + "Data/Resources/Fonts/";
    std::filesystem::create_directories(fonts);
    std::filesystem::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", fonts + "!default.ttf",
                               std::filesystem::copy_options::overwrite_existing);
    SetDataFolder((GetFuzzFolder() + "Data").c_str());
    // Glyphs are made ready for a 16-bit display, as the game runs.
    InitPixelFormatTables("Palettes", "GamePalette");
    SetFrameDepth(16);
    BuildFontFileList();
    return true;
}

std::unique_ptr<CFrame> ReadStrip(const uint8_t* data, size_t size)
{
    auto strip = std::make_unique<CFrame>();
    const uint32_t width = (size > 0 ? data[0] : 0) + 1u;
    const uint32_t height = (size > 1 ? data[1] : 0) + 1u;
    strip->Create(width, height, 32);
    const size_t available = size > 2 ? size - 2 : 0;
    const size_t bytes = std::min<size_t>(available, static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < bytes; i++)
    {
        const size_t pixel = i / 4;
        const size_t row = pixel / width;
        uint8_t* start = strip->GetPixels() + static_cast<size_t>(strip->GetRowOffsets()[row]) * 4;
        start[(pixel % width) * 4 + i % 4] = data[2 + i];
    }
    return strip;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool s_Prepared = PrepareDataFolder();
    (void)s_Prepared;

    const uint8_t* end = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    const size_t textSize = end != nullptr ? static_cast<size_t>(end - data) : size;
    const std::string text(reinterpret_cast<const char*>(data), textSize);
    const size_t stripOffset = end != nullptr ? textSize + 1 : size;
    std::unique_ptr<CFrame> strip = ReadStrip(data + stripOffset, size - stripOffset);

    RunReader([&]() {
        // Owned here, so that a report in the middle of the read leaves
        // nothing behind.
        auto font = std::make_unique<CFontBitmap>();
        if (!ReadObjectText(font.get(), text))
            return;
        font->BuildGlyphs(*strip);
        CFrame target;
        target.Create(320, 120, 16);
        font->GetHeight();
        font->GetLineHeight();
        // Every code the strip covers, and a few it leaves to the TrueType
        // face (each of those costs a render).
        CString line;
        for (uint32_t code = font->GetFirstAscii(); code <= font->GetLastAscii() && code < 256; code++)
        {
            line += static_cast<char>(code);
            if (line.GetLength() == 32)
            {
                font->DrawText(target, 0, static_cast<int32_t>(code / 32) * 12, line);
                line.Empty();
            }
        }
        line += "A~";
        line.Append(CString(u"\u20AC"));
        font->DrawMultiLineText(target, 0, 0, line, 2, 1);
        font->DrawWrappedText(target, 0, 0, "Wrap these words\nand\n\nthese", 40, 1);
    });
    return 0;
}

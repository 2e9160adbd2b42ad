// Pasted text comes from any program on the desktop: any bytes, valid UTF-8
// or not, and blocks of 16-bit text of any length, terminated or not. Pasting
// either way gives a string no longer than what was put there, without
// reading outside the block.

#include <SDL.h>

#include <cstdint>
#include <string>

#include "engine/app/clipboard.h"
#include "fuzz/support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool started = (SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy"), SDL_InitSubSystem(SDL_INIT_VIDEO) == 0);
    FuzzCheck(started, "SDL's video did not start");

    // As another program's copy: the system text.
    const std::string text(reinterpret_cast<const char*>(data), size);
    SDL_SetClipboardText(text.c_str());
    CString pasted("unchanged");
    if (GetClipboard().GetText(pasted))
        FuzzCheck(pasted.GetLength() <= text.size(), "pasted text longer than the copy");

    // As our own copy of a wide block.
    SetClipboardData("UnicodeText", data, static_cast<uint32_t>(size));
    if (GetClipboard().GetText(pasted))
        FuzzCheck(pasted.GetLength() <= size, "pasted wide text longer than its block");
    return 0;
}

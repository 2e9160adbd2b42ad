// Pasted text comes from any program on the desktop. Whatever the clipboard
// holds and however the receiving box is set up, pasting into an edit box
// and into a spin box, then drawing them, keeps the caret, the anchor and
// the selection end inside the text, lets no control code in, and keeps the
// length limit.
//
// The input: a header block (numeric only, upper case, maximum length,
// three refused characters, a range, the insert mode, a selection), then
// the clipboard block, as 8-bit "Text" or 16-bit "UnicodeText" by a header
// bit.

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/app/clipboard.h"
#include "engine/app/input/keyboard_state.h"
#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/spin_box.h"
#include "engine/ui/toolkit_state.h"
#include "fuzz/support/fuzz_input.h"

namespace {

struct Header
{
    uint8_t flags;
    uint8_t maximumLength;
    char refused[3];
    int8_t minimum;
    int8_t maximum;
    uint8_t anchor;
    uint8_t caret;
};

constexpr int32_t SCAN_SHIFT = 42;
constexpr uint8_t NUMERIC_ONLY = 1;
constexpr uint8_t UPPER_CASE = 2;
constexpr uint8_t OVERWRITE = 4;
constexpr uint8_t WIDE_TEXT = 8;

CFrame& ScreenFrame()
{
    static CFrame* s_pFrame = [] {
        InitPixelFormatTables(nullptr, nullptr);
        CFrame* frame = new CFrame();
        frame->Create(320, 120, 16);
        return frame;
    }();
    return *s_pFrame;
}

// Blank 8-pixel cells for the printable ASCII codes. A bitmap font has no
// face to render other characters, and asking for one would end the
// process: they answer no glyph, as a face without them would.
class CAsciiCellFont : public CFontBitmap
{
public:
    CAsciiCellFont()
    {
        CFrame strip;
        strip.Create((LAST - FIRST + 1) * 8, 15, 32);
        SetFixedWidth(true);
        SetCodeRange(FIRST, LAST);
        BuildGlyphs(strip);
    }

    CFrame* GetGlyphFrame(uint32_t code) override
    {
        return code >= FIRST && code <= LAST ? CFontBitmap::GetGlyphFrame(code) : nullptr;
    }

private:
    static constexpr uint32_t FIRST = 32;
    static constexpr uint32_t LAST = 126;
};

CFont* CellFont()
{
    static CFont* s_pFont = new CAsciiCellFont();
    return s_pFont;
}

void CheckBox(const CJEditBox& box, uint8_t maximumLength, uint32_t lengthBefore)
{
    const CString& text = box.GetText();
    int32_t length = static_cast<int32_t>(text.GetLength());
    for (int32_t position : {box.GetCaret(), box.GetAnchor(), box.GetSelectionEnd()})
        FuzzCheck(position >= 0 && position <= length, "a caret or selection end outside the text");
    FuzzCheck(box.GetCaret() == box.GetSelectionEnd(), "the caret left the selection end");
    for (uint32_t i = 0; i < text.GetLength(); ++i)
        FuzzCheck(text.GetAt(i) >= 32, "a control code entered the text");
    if (maximumLength != 0)
        FuzzCheck(text.GetLength() <= std::max<uint32_t>(maximumLength, lengthBefore), "the length limit broke");
}

void SetUp(CJEditBox& box, const Header& header, const char* start)
{
    box.SetNumericOnly((header.flags & NUMERIC_ONLY) != 0);
    box.SetUpperCase((header.flags & UPPER_CASE) != 0);
    box.SetMaximumLength(header.maximumLength);
    char refused[4] = {header.refused[0], header.refused[1], header.refused[2], 0};
    box.SetRefusedCharacters(refused);
    box.SetRange(header.minimum, header.maximum);
    box.SetText(CString(start));
    // Left moves the anchor along; with Shift held it leaves it, so the
    // selection runs leftwards from there.
    for (int32_t step = 0; step < header.anchor % 8; ++step)
        box.KeyDown(KEY_LEFT);
    CKeyboardState& keyboard = GetKeyboardState();
    keyboard.SetKeyDown(SCAN_SHIFT);
    for (int32_t step = 0; step < header.caret % 8; ++step)
        box.KeyDown(KEY_LEFT);
    keyboard.SetKeyUp(SCAN_SHIFT);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool started = (SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy"), SDL_InitSubSystem(SDL_INIT_VIDEO) == 0);
    FuzzCheck(started, "SDL's video did not start");
    Header header{};
    if (size < sizeof(header))
        return 0;
    std::memcpy(&header, data, sizeof(header));
    const uint8_t* block = data + sizeof(header);
    uint32_t blockSize = static_cast<uint32_t>(size - sizeof(header));
    SetClipboardData((header.flags & WIDE_TEXT) != 0 ? "UnicodeText" : "Text", block, blockSize);

    ResetToolkitState();
    CJEditBox::SetInsertMode((header.flags & OVERWRITE) == 0);
    CDeferredDestroyScope scope;
    CScreenWindow* root = new CScreenWindow(ScreenFrame(), CellFont());
    CJEditBox* box = new CJEditBox(root, "12.5");
    root->AddChild(box);
    CJSpinBox* spin = new CJSpinBox(root);
    root->AddChild(spin, 0);
    spin->MoveTo(0, 60);
    root->BringToFront(box);

    SetUp(*box, header, "12.5");
    uint32_t boxBefore = box->GetText().GetLength();
    box->Paste(true);
    CheckBox(*box, header.maximumLength, boxBefore);

    CJEditBox* spinEdit = spin->GetEditBox();
    SetUp(*spinEdit, header, "7");
    uint32_t spinBefore = spinEdit->GetText().GetLength();
    spinEdit->Paste(true);
    CheckBox(*spinEdit, header.maximumLength, spinBefore);
    // A step writes the number whole, whatever the typing limits.
    spin->Step(1.0f);

    // Drawing scrolls the caret into view and must keep every index.
    root->DrawAll();
    CheckBox(*box, header.maximumLength, boxBefore);
    root->Destroy();
    return 0;
}

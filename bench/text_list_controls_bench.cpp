// The edit box at its limit of pasted text, 4,096 characters, beside the
// bare work one keystroke stands for.
//
// type_mid_text: a character typed in the middle (the insert, the range
// check, the report, the caret kept in view) and the box drawn; the
// keystroke is taken back outside the timing. caret_from_pointer: a press
// and release on the box placing the caret from the pointer's x. The peer
// of both is one std::string insert in the middle plus one
// CFont::GetTextWidth of the whole text. paste_4096: the whole limit pasted
// into an empty box, character by character through the keyboard path.

#include <benchmark/benchmark.h>

#include <string>

#include "engine/app/clipboard.h"
#include "engine/graphics/fonts/font.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/key_codes.h"
#include "tests/support/sdl_input_events.h"
#include "tests/support/window_test_tree.h"

namespace {

constexpr int32_t LENGTH = CJEditBox::PASTE_LIMIT;

std::string LongText()
{
    std::string text;
    for (int32_t i = 0; i < LENGTH; ++i)
        text += static_cast<char>('a' + i % 26);
    return text;
}

// A focused 300-pixel box holding the long text, the caret in the middle.
CJEditBox* AddLongBox(CWindowTestTree& tree)
{
    CJEditBox* box = new CJEditBox(&tree.Root(), LongText().c_str());
    tree.Root().AddChild(box);
    box->SetRectXYWH(0, 0, 300, box->GetHeight());
    tree.Root().BringToFront(box);
    box->KeyDown(KEY_HOME);
    for (int32_t i = 0; i < LENGTH / 2; ++i)
        box->KeyDown(KEY_RIGHT);
    return box;
}

void TypeMidText(benchmark::State& state)
{
    CWindowTestTree tree(320, 40);
    CJEditBox* box = AddLongBox(tree);
    for (auto _ : state)
    {
        box->KeyDown('x');
        tree.DrawTree();
        state.PauseTiming();
        box->KeyDown(KEY_BACKSPACE);
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(box->GetCaret());
}

void CaretFromPointer(benchmark::State& state)
{
    CWindowTestTree tree(320, 40);
    CJEditBox* box = AddLongBox(tree);
    int32_t x = 0;
    for (auto _ : state)
    {
        x = (x + 37) % 300;
        tree.Press(0, x, 5);
        tree.Release(0, x, 5);
    }
    benchmark::DoNotOptimize(box->GetCaret());
}

void StringInsertAndMeasure(benchmark::State& state)
{
    CWindowTestTree tree(320, 40);
    std::string text = LongText();
    CFont& font = *tree.Font();
    for (auto _ : state)
    {
        text.insert(text.begin() + LENGTH / 2, 'x');
        benchmark::DoNotOptimize(font.GetTextWidth(CString(text.c_str())));
        state.PauseTiming();
        text.erase(text.begin() + LENGTH / 2);
        state.ResumeTiming();
    }
}

void Paste4096(benchmark::State& state)
{
    CScopedSdlEvents video;
    CWindowTestTree tree(320, 40);
    CJEditBox* box = new CJEditBox(&tree.Root(), "");
    tree.Root().AddChild(box);
    GetClipboard().SetText(CString(LongText().c_str()));
    for (auto _ : state)
    {
        state.PauseTiming();
        box->SetText(CString(""));
        state.ResumeTiming();
        box->Paste(true);
    }
    benchmark::DoNotOptimize(box->GetText().GetLength());
}

} // namespace

BENCHMARK(TypeMidText)->Name("type_mid_text")->Unit(benchmark::kMicrosecond);
BENCHMARK(CaretFromPointer)->Name("caret_from_pointer")->Unit(benchmark::kMicrosecond);
BENCHMARK(StringInsertAndMeasure)->Name("peer_string_insert_and_width")->Unit(benchmark::kMicrosecond);
BENCHMARK(Paste4096)->Name("paste_4096")->Unit(benchmark::kMicrosecond);

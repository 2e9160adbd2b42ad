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
//
// The list box over 10,000 items: set_source_flat builds the rows of a flat
// list, set_source_tree those of 100 folders of 100 items, every folder
// opened; their peer sorts the same names as std::string with
// std::stable_sort. draw_rows: one frame of a list of 1,000 or 10,000 rows
// scrolled to its middle (DrawRows and a step of smooth scrolling); its
// peer draws the same visible texts with CFont::DrawText. search_keystroke:
// one character typed into a fresh search that matches only the last item.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/app/clipboard.h"
#include "engine/graphics/fonts/font.h"
#include "engine/core/lists/list_folder_tree.h"
#include "engine/graphics/frame.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/list_box.h"
#include "engine/ui/key_codes.h"
#include "tests/support/sdl_input_events.h"
#include "tests/support/test_name_list.h"
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

constexpr int32_t ITEMS = 10000;
constexpr int32_t FOLDERS = 100;
constexpr int32_t LIST_HEIGHT = 420;

// Item names in a seeded shuffle, so that sorting has work to do; with
// folders, item n sits in folder n % 100.
std::vector<std::string> ItemNames(int32_t count, bool inFolders)
{
    std::vector<std::string> names;
    for (int32_t n = 0; n < count; ++n)
    {
        std::string name = "item" + std::to_string(n);
        names.push_back(inFolders ? "folder" + std::to_string(n % FOLDERS) + "/" + name : name);
    }
    std::mt19937 random(7);
    std::shuffle(names.begin(), names.end(), random);
    return names;
}

std::vector<const char*> Pointers(const std::vector<std::string>& names)
{
    std::vector<const char*> pointers;
    for (const std::string& name : names)
        pointers.push_back(name.c_str());
    return pointers;
}

CJListBox* AddList(CWindowTestTree& tree, CTreeSource* source)
{
    CJListBox* list = new CJListBox(&tree.Root(), source, nullptr, 60, true);
    tree.Root().AddChild(list);
    list->SetRectXYWH(0, 0, 300, LIST_HEIGHT);
    tree.Root().BringToFront(list);
    return list;
}

void SetSource(benchmark::State& state, bool inFolders)
{
    CWindowTestTree tree(320, LIST_HEIGHT);
    std::vector<std::string> names = ItemNames(ITEMS, inFolders);
    CTestNameList list(Pointers(names));
    CListFolderTree folders(&list);
    CJListBox* box = AddList(tree, nullptr);
    for (auto _ : state)
    {
        box->SetSource(&folders, nullptr, false);
        if (inFolders)
            box->KeyDown('*');
    }
    benchmark::DoNotOptimize(box->GetRowCount());
}

void SetSourceFlat(benchmark::State& state)
{
    SetSource(state, false);
}

void SetSourceTree(benchmark::State& state)
{
    SetSource(state, true);
}

void StableSortStrings(benchmark::State& state)
{
    std::vector<std::string> names = ItemNames(ITEMS, false);
    for (auto _ : state)
    {
        std::vector<std::string> sorted = names;
        std::stable_sort(sorted.begin(), sorted.end());
        benchmark::DoNotOptimize(sorted.data());
    }
}

void DrawRows(benchmark::State& state)
{
    CWindowTestTree tree(320, LIST_HEIGHT);
    std::vector<std::string> names = ItemNames(static_cast<int32_t>(state.range(0)), false);
    CTestNameList list(Pointers(names));
    CListFolderTree folders(&list);
    CJListBox* box = AddList(tree, &folders);
    box->Select(box->GetRowCount() / 2, true);
    for (auto _ : state)
        box->Draw(tree.Frame());
    benchmark::DoNotOptimize(box->GetScrollPosition());
}

void DrawVisibleTexts(benchmark::State& state)
{
    CWindowTestTree tree(320, LIST_HEIGHT);
    std::vector<std::string> names = ItemNames(static_cast<int32_t>(state.range(0)), false);
    std::sort(names.begin(), names.end());
    CFont& font = *tree.Font();
    int32_t rowHeight = font.GetHeight() + 6;
    int32_t first = static_cast<int32_t>(names.size()) / 2;
    int32_t rows = LIST_HEIGHT / rowHeight;
    std::vector<CString> texts;
    for (int32_t row = first; row < first + rows; ++row)
        texts.emplace_back(names[static_cast<size_t>(row)].c_str());
    for (auto _ : state)
        for (size_t row = 0; row < texts.size(); ++row)
            font.DrawText(tree.Frame(), 4, static_cast<int32_t>(row) * rowHeight, texts[row]);
}

void SearchKeystroke(benchmark::State& state)
{
    CWindowTestTree tree(320, LIST_HEIGHT);
    std::vector<std::string> names = ItemNames(ITEMS, false);
    names.push_back("zebra");
    CTestNameList list(Pointers(names));
    CListFolderTree folders(&list);
    CJListBox* box = AddList(tree, &folders);
    for (auto _ : state)
    {
        box->KeyDown('z');
        state.PauseTiming();
        box->KeyDown(KEY_HOME);
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(box->GetSelectedId());
}

} // namespace

BENCHMARK(SetSourceFlat)->Name("set_source_flat_10000")->Unit(benchmark::kMillisecond);
BENCHMARK(SetSourceTree)->Name("set_source_tree_100x100")->Unit(benchmark::kMillisecond);
BENCHMARK(StableSortStrings)->Name("peer_stable_sort_10000_strings")->Unit(benchmark::kMillisecond);
BENCHMARK(DrawRows)->Name("draw_rows")->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(DrawVisibleTexts)->Name("peer_draw_visible_texts")->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchKeystroke)->Name("search_keystroke")->Unit(benchmark::kMicrosecond);
BENCHMARK(TypeMidText)->Name("type_mid_text")->Unit(benchmark::kMicrosecond);
BENCHMARK(CaretFromPointer)->Name("caret_from_pointer")->Unit(benchmark::kMicrosecond);
BENCHMARK(StringInsertAndMeasure)->Name("peer_string_insert_and_width")->Unit(benchmark::kMicrosecond);
BENCHMARK(Paste4096)->Name("paste_4096")->Unit(benchmark::kMicrosecond);

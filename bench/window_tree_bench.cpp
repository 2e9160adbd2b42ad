// The window tree beside the flat work it stands for.
//
// Hit testing: the root routes a pointer move over a dialog of N controls
// laid out in a grid, the pointer moving each iteration, either by a direct
// MouseMove or by one whole root update reading the moved pointer; the flat
// form tests the same N rectangles in a vector, front to back, the first
// hit winning. The tree's cost over the flat scan is what its per-child
// calls, hover and cursor queries add.
//
// Drawing: the root draws a scene into an 800 x 600 dirty-rectangle frame;
// the flat form replays the calls that reached the frame, recorded once at
// screen coordinates, straight onto it: the bare pixel work without the
// tree, the proxies or the layout. Scenes: probe_dialog/N, a 400 x 300
// dialog of N controls each drawing a fill, a bevel and a caption;
// classic_dialog/N, a toolkit dialog of N buttons, check boxes and labels;
// menu_popups/N, a menu bar with two open popups of N items.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench/support/recording_proxy_frame.h"
#include "engine/core/geometry/point.h"
#include "engine/core/geometry/rect.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/ui/button.h"
#include "engine/ui/check_box.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/dialog.h"
#include "engine/ui/menu_bar.h"
#include "engine/ui/menu_item.h"
#include "engine/ui/static_text.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/window_paint.h"
#include "tests/support/window_test_tree.h"

namespace {

constexpr int32_t CELL = 22;
constexpr int32_t CONTROL = 20;
constexpr int32_t COLUMNS = 25;
constexpr int32_t POINTER_PATH = 997;

std::vector<CRect> GridRects(int32_t count)
{
    std::vector<CRect> rects;
    for (int32_t i = 0; i < count; ++i)
    {
        int32_t x = (i % COLUMNS) * CELL;
        int32_t y = (i / COLUMNS) * CELL;
        rects.push_back(CRect{x, y, x + CONTROL, y + CONTROL});
    }
    return rects;
}

// A dialog of count plain controls in the grid.
void AddGridDialog(CScreenWindow& root, int32_t count)
{
    CJWindow* dialog = new CJWindow(nullptr);
    dialog->SetRect({0, 0, COLUMNS * CELL, (count + COLUMNS - 1) / COLUMNS * CELL});
    root.AddChild(dialog);
    for (const CRect& rect : GridRects(count))
    {
        CJWindow* control = new CJWindow(dialog);
        control->SetRect(rect);
        dialog->AddChild(control, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, CJWindow::PLACE_NO_GROWTH);
    }
}

// Points spread over the grid, most on a control, some in the gaps.
std::vector<CPoint> PointerPath(int32_t count)
{
    int32_t rows = (count + COLUMNS - 1) / COLUMNS;
    std::vector<CPoint> path;
    for (int32_t i = 0; i < POINTER_PATH; ++i)
        path.push_back(CPoint{(i * 37) % (COLUMNS * CELL), (i * 53) % (rows * CELL)});
    return path;
}

void BM_RouteMouseMove(benchmark::State& state)
{
    int32_t count = static_cast<int32_t>(state.range(0));
    CWindowTestTree tree;
    AddGridDialog(tree.Root(), count);
    std::vector<CPoint> path = PointerPath(count);
    size_t step = 0;
    CPoint last = {0, 0};
    CDeferredDestroyScope scope;
    for (auto _ : state)
    {
        CPoint point = path[step];
        step = step + 1 == path.size() ? 0 : step + 1;
        const CSequence* cursor = nullptr;
        benchmark::DoNotOptimize(tree.Root().MouseMove(point, CPoint{point.x - last.x, point.y - last.y}, cursor));
        last = point;
    }
}
BENCHMARK(BM_RouteMouseMove)->Arg(30)->Arg(500);

void BM_FlatHitTest(benchmark::State& state)
{
    int32_t count = static_cast<int32_t>(state.range(0));
    std::vector<CRect> rects = GridRects(count);
    std::vector<CPoint> path = PointerPath(count);
    size_t step = 0;
    for (auto _ : state)
    {
        CPoint point = path[step];
        step = step + 1 == path.size() ? 0 : step + 1;
        int32_t hit = -1;
        for (size_t i = 0; i < rects.size(); ++i)
        {
            const CRect& rect = rects[i];
            if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom)
            {
                hit = static_cast<int32_t>(i);
                break;
            }
        }
        benchmark::DoNotOptimize(hit);
    }
}
BENCHMARK(BM_FlatHitTest)->Arg(30)->Arg(500);

void BM_RootUpdate(benchmark::State& state)
{
    int32_t count = static_cast<int32_t>(state.range(0));
    CWindowTestTree tree;
    AddGridDialog(tree.Root(), count);
    std::vector<CPoint> path = PointerPath(count);
    size_t step = 0;
    for (auto _ : state)
    {
        CPoint point = path[step];
        step = step + 1 == path.size() ? 0 : step + 1;
        tree.FeedMove(point.x, point.y);
        tree.RunRootUpdate();
    }
}
BENCHMARK(BM_RootUpdate)->Arg(30)->Arg(500);

// A control that paints itself as the scene asks, then its children.
class CPaintedControl : public CJWindow
{
public:
    using CJWindow::CJWindow;
    void Draw(CFrameInterface& frame) override
    {
        paint.Paint(*this, frame);
        CJWindow::Draw(frame);
    }
    CWindowPaint paint;
};

// What a scene puts under its root.
using SceneBuilder = void (*)(CScreenWindow& root, int32_t count);

// A root over the frame with the pattern font and what the builder adds.
class CScene
{
public:
    CScene(CFrameInterface& frame, SceneBuilder build, int32_t count)
    {
        ResetToolkitState();
        InitPixelFormatTables(nullptr, nullptr);
        m_pFont = MakePatternFont();
        m_pRoot = new CScreenWindow(frame, m_pFont.get());
        build(*m_pRoot, count);
    }
    ~CScene()
    {
        {
            CDeferredDestroyScope scope;
            m_pRoot->Destroy();
        }
        ResetToolkitState();
    }

    void Draw() { m_pRoot->DrawAll(); }

private:
    std::unique_ptr<CFontBitmap> m_pFont;
    CScreenWindow* m_pRoot;
};

CWindowPaint Painted(const CColor& fill, bool caption)
{
    CWindowPaint paint;
    paint.fills = true;
    paint.fill = fill;
    paint.bevel = true;
    paint.caption = caption;
    paint.captionAt = CPoint{4, 6};
    return paint;
}

// A 400 x 300 dialog of count controls in rows of ten, each with a fill, a
// bevel and a caption.
void BuildProbeDialog(CScreenWindow& root, int32_t count)
{
    CPaintedControl* dialog = new CPaintedControl(&root, "Dialog");
    dialog->paint = Painted(CColor(186, 186, 186, 255), false);
    dialog->SetRect({200, 150, 600, 450});
    root.AddChild(dialog, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, CJWindow::PLACE_NO_GROWTH);
    for (int32_t i = 0; i < count; ++i)
    {
        CPaintedControl* control = new CPaintedControl(dialog, "&Ok");
        control->paint = Painted(CColor(120, 140, 200, 255), true);
        int32_t x = (i % 10) * 40;
        int32_t y = (i / 10) * 30;
        control->SetRect({x + 2, y + 2, x + 38, y + 28});
        dialog->AddChild(control, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, CJWindow::PLACE_NO_GROWTH);
    }
}

// A classic dialog with title and close box holding count controls: push
// buttons, check boxes and labels in turn, in rows of five. (The pattern
// font has no grip glyph.)
void BuildClassicDialog(CScreenWindow& root, int32_t count)
{
    CJDialog* dialog = new CJDialog(&root, "Classic Dialog");
    dialog->AddCloseBox();
    for (int32_t i = 0; i < count; ++i)
    {
        CJWindow* control = nullptr;
        if (i % 3 == 0)
            control = new CJButton(dialog, "&Button");
        else if (i % 3 == 1)
            control = new CJCheckBox(dialog, "Check");
        else
            control = new CJStaticText(dialog, "Label");
        dialog->AddChild(control, i % 5 == 0 ? 8 : 14);
    }
    root.AddChild(dialog, 6);
}

// A menu bar with its first item's popup open and, in it, a submenu
// (without the arrow glyph, which the pattern font lacks).
void BuildMenuPopups(CScreenWindow& root, int32_t count)
{
    CJHorizontalMenuBar* bar = new CJHorizontalMenuBar(&root);
    root.AddChild(bar);
    CJMenuItem* file = new CJMenuItem(bar, "&File", nullptr, 0);
    bar->AddItem(file);
    bar->AddItem(new CJMenuItem(bar, "&Edit", nullptr, 0));
    CJPopupMenu* popup = new CJPopupMenu(bar);
    CJPopupMenu* sub = new CJPopupMenu(popup);
    CJMenuItem* more = nullptr;
    for (int32_t i = 0; i < count; ++i)
    {
        CJMenuItem* item = new CJMenuItem(popup, "&Item", nullptr, 0);
        popup->AddItem(item);
        sub->AddItem(new CJMenuItem(sub, "&Deep item", nullptr, 0));
        more = item;
    }
    more->SetSubmenu(sub, false);
    file->SetSubmenu(popup, false);
    CDeferredDestroyScope scope;
    file->Activate();
    more->Activate();
}

void BM_DrawWindowTree(benchmark::State& state, SceneBuilder build)
{
    CDirtyRectFrame frame;
    frame.Create(800, 600, 16);
    CScene scene(frame, build, static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        scene.Draw();
}
BENCHMARK_CAPTURE(BM_DrawWindowTree, probe_dialog, &BuildProbeDialog)->Arg(10)->Arg(30)->Arg(100);
BENCHMARK_CAPTURE(BM_DrawWindowTree, classic_dialog, &BuildClassicDialog)->Arg(30);
BENCHMARK_CAPTURE(BM_DrawWindowTree, menu_popups, &BuildMenuPopups)->Arg(8);

void BM_ReplayFlat(benchmark::State& state, SceneBuilder build)
{
    CDirtyRectFrame frame;
    frame.Create(800, 600, 16);
    CRecordingProxyFrame recorder(&frame);
    CScene scene(recorder, build, static_cast<int32_t>(state.range(0)));
    scene.Draw();
    recorder.recording = false;
    for (auto _ : state)
        ReplayDraws(recorder.draws, frame);
    state.counters["calls"] = static_cast<double>(recorder.draws.size());
}
BENCHMARK_CAPTURE(BM_ReplayFlat, probe_dialog, &BuildProbeDialog)->Arg(10)->Arg(30)->Arg(100);
BENCHMARK_CAPTURE(BM_ReplayFlat, classic_dialog, &BuildClassicDialog)->Arg(30);
BENCHMARK_CAPTURE(BM_ReplayFlat, menu_popups, &BuildMenuPopups)->Arg(8);

} // namespace

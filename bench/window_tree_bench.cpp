// Hit testing through the window tree beside a flat list. The root routes a
// pointer move over a dialog of N controls laid out in a grid, the pointer
// moving each iteration; the flat form tests the same N rectangles in a
// vector, front to back, the first hit winning. The tree's cost over the
// flat scan is what its per-child calls, hover and cursor queries add.

#include <benchmark/benchmark.h>

#include <vector>

#include "engine/core/geometry/point.h"
#include "engine/core/geometry/rect.h"
#include "engine/ui/deferred_destroy.h"
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
    CJWindow* dialog = new CJWindow(nullptr);
    dialog->SetRect({0, 0, COLUMNS * CELL, (count + COLUMNS - 1) / COLUMNS * CELL});
    tree.Root().AddChild(dialog);
    for (const CRect& rect : GridRects(count))
    {
        CJWindow* control = new CJWindow(dialog);
        control->SetRect(rect);
        dialog->AddChild(control, 0, nullptr, CJWindow::DEFAULT_GAP, CJWindow::DEFAULT_GAP, CJWindow::PLACE_NO_GROWTH);
    }
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

} // namespace

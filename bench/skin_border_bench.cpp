// Window borders on an 800 x 600 16-bit frame: the alpha skin border (frames
// of the game skin's sizes and encodings: a 64 x 64 plain texture, 12 x 12
// alpha run-length corner masks, 12 x 12 corner highlights, three-pixel rim
// strips and a 48 x 12 title plate) drawn for dialogs of 800 x 600 and
// 400 x 300 and an 80 x 24 button, and the classic frame painter for the
// same dialogs, beside the floor: the same rectangles, recorded once, filled
// with our opaque FillRect and with pixman's fill (SRC, r5g6b5).

#include <benchmark/benchmark.h>

#include <pixman.h>

#include <memory>
#include <vector>

#include "engine/graphics/frame.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/ui/alpha_theme.h"
#include "engine/ui/dialog.h"
#include "engine/ui/skin_border.h"
#include "engine/ui/skin_painter.h"
#include "tests/support/recording_frame.h"
#include "tests/support/skin_fixtures.h"
#include "tests/support/window_test_tree.h"

namespace {

struct Stage
{
    Stage()
    {
        border.m_BackgroundTexture = frames.Add("Texture", CRect{0, 0, 64, 64});
        border.m_TopLeftAlpha = frames.AddAlphaRunLength("TL", CRect{0, 0, 12, 12});
        border.m_TopRightAlpha = frames.AddAlphaRunLength("TR", CRect{-12, 0, 0, 12});
        border.m_BottomLeftAlpha = frames.AddAlphaRunLength("BL", CRect{0, -12, 12, 0});
        border.m_BottomRightAlpha = frames.AddAlphaRunLength("BR", CRect{-12, -12, 0, 0});
        border.m_TopLeftHighlight = frames.AddAlphaRunLength("TLH", CRect{0, 0, 12, 12});
        border.m_TopRightHighlight = frames.AddAlphaRunLength("TRH", CRect{-12, 0, 0, 12});
        border.m_BottomLeftHighlight = frames.AddAlphaRunLength("BLH", CRect{0, -12, 12, 0});
        border.m_BottomRightHighlight = frames.AddAlphaRunLength("BRH", CRect{-12, -12, 0, 0});
        border.m_TopCenterHighlight = frames.AddAlphaRunLength("TC", CRect{0, 0, 1, 3});
        border.m_BottomCenterHighlight = frames.AddAlphaRunLength("BC", CRect{0, -3, 1, 0});
        border.m_CenterLeftHighlight = frames.AddAlphaRunLength("CL", CRect{0, 0, 3, 1});
        border.m_CenterRightHighlight = frames.AddAlphaRunLength("CR", CRect{-3, 0, 0, 1});
        border.m_TopCenterDecal = frames.AddAlphaRunLength("Plate", CRect{-24, -6, 24, 6});
    }

    CWindowTestTree tree;
    SkinFrames frames;
    CAlphaSkinBorder border;
};

Stage& GetStage()
{
    static Stage s_Stage;
    return s_Stage;
}

const int32_t kSizes[][2] = {{800, 600}, {400, 300}, {80, 24}};

CJWindow* Window(int32_t width, int32_t height)
{
    CJDialog* window = new CJDialog(&GetStage().tree.Root(), "Dialog");
    GetStage().tree.Root().AddChild(window);
    window->SetRect(CRect{0, 0, width, height});
    return window;
}

void AlphaBorder(benchmark::State& state)
{
    const int32_t* size = kSizes[state.range(0)];
    CJWindow* window = Window(size[0], size[1]);
    CFrame& frame = GetStage().tree.Frame();
    for (auto _ : state)
    {
        COffsetClippedProxyFrame proxy(&frame);
        CJWindowAlphaTheme::DrawBorder(window, proxy, CRect{0, 0, size[0], size[1]}, &GetStage().border, true, true);
        benchmark::ClobberMemory();
    }
    window->Destroy();
}

void ClassicFramePainter(benchmark::State& state)
{
    const int32_t* size = kSizes[state.range(0)];
    CSkinTheme::SetDefaultTheme(CJWindowClassicTheme::GetDefault());
    CJDialog* dialog = static_cast<CJDialog*>(Window(size[0], size[1]));
    CFrame& frame = GetStage().tree.Frame();
    for (auto _ : state)
    {
        COffsetClippedProxyFrame proxy(&frame);
        dialog->GetFramePainter()->Paint(proxy);
        benchmark::ClobberMemory();
    }
    dialog->Destroy();
}

// The rectangles the alpha border covers, recorded once.
std::vector<CRect> RecordedRects(int32_t width, int32_t height)
{
    CJWindow* window = Window(width, height);
    CRecordingFrame recording;
    recording.bounds = CRect{0, 0, 800, 600};
    COffsetClippedProxyFrame proxy(&recording);
    CJWindowAlphaTheme::DrawBorder(window, proxy, CRect{0, 0, width, height}, &GetStage().border, true, true);
    window->Destroy();
    std::vector<CRect> rects;
    for (const CRecordingFrame::Call& call : recording.calls)
        rects.push_back(call.rect);
    return rects;
}

void FloorFillRect(benchmark::State& state)
{
    const int32_t* size = kSizes[state.range(0)];
    std::vector<CRect> rects = RecordedRects(size[0], size[1]);
    CFrame& frame = GetStage().tree.Frame();
    const CColor colour(40, 60, 80, 255);
    for (auto _ : state)
    {
        for (const CRect& rect : rects)
            frame.FillRect(rect, colour);
        benchmark::ClobberMemory();
    }
}

void FloorPixman(benchmark::State& state)
{
    const int32_t* size = kSizes[state.range(0)];
    std::vector<CRect> rects = RecordedRects(size[0], size[1]);
    CFrame& frame = GetStage().tree.Frame();
    pixman_image_t* image = pixman_image_create_bits(PIXMAN_r5g6b5, 800, 600,
                                                     reinterpret_cast<uint32_t*>(frame.GetPixels()),
                                                     frame.GetPitch() * 2);
    std::vector<pixman_rectangle16_t> boxes;
    for (const CRect& rect : rects)
        boxes.push_back(pixman_rectangle16_t{static_cast<int16_t>(rect.left), static_cast<int16_t>(rect.top),
                                             static_cast<uint16_t>(rect.right - rect.left),
                                             static_cast<uint16_t>(rect.bottom - rect.top)});
    const pixman_color_t colour{0x2828, 0x3c3c, 0x5050, 0xffff};
    for (auto _ : state)
    {
        pixman_image_fill_rectangles(PIXMAN_OP_SRC, image, &colour, static_cast<int>(boxes.size()), boxes.data());
        benchmark::ClobberMemory();
    }
    pixman_image_unref(image);
}

} // namespace

BENCHMARK(AlphaBorder)->DenseRange(0, 2);
BENCHMARK(ClassicFramePainter)->DenseRange(0, 1);
BENCHMARK(FloorFillRect)->DenseRange(0, 2);
BENCHMARK(FloorPixman)->DenseRange(0, 2);

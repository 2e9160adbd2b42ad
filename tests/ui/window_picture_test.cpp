#include <gtest/gtest.h>

#include <memory>

#include "engine/blit/cpu_info.h"
#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/window_test_tree.h"

namespace {

// The picture of the pinned scene. A change of it is a change of how
// windows look: look at the kept file before pinning the new value.
constexpr uint32_t SCENE_CRC = 0xD268F8F0u;

// A probe painted with a fill, a raised bevel and its caption.
CProbeWindow* AddPainted(CWindowTestTree& tree, CJWindow* parent, const char* name, CRect rect, const char* caption,
                         const CColor& fill, CFont* font)
{
    CProbeWindow* probe = tree.AddProbe(parent, name, rect, caption);
    probe->SetFont(font);
    CWindowPaint& paint = probe->Paint();
    paint.fills = true;
    paint.fill = fill;
    paint.bevel = true;
    paint.caption = caption != nullptr;
    paint.captionAt = CPoint{8, 6};
    return probe;
}

} // namespace

TEST(WindowPicture, AWindowSceneDrawsThePinnedPicture)
{
    CCpuInfo& cpu = GetCpuInfo();
    const bool mmx = cpu.HasMMX();
    cpu.OverrideMMX(false);
    {
        CWindowTestTree tree;
        std::unique_ptr<CFontBitmap> pictureFont = MakePatternFont();
        CFont* font = pictureFont.get();
        CScreenWindow& root = tree.Root();

        CProbeWindow* dialog =
            AddPainted(tree, &root, "dialog", {100, 80, 500, 380}, "&Options", CColor(186, 186, 186, 255), font);
        CProbeWindow* play =
            AddPainted(tree, dialog, "play", {20, 40, 140, 70}, "&Play", CColor(120, 140, 200, 255), font);
        CProbeWindow* quit =
            AddPainted(tree, dialog, "quit", {20, 90, 140, 120}, "&Quit", CColor(120, 140, 200, 255), font);
        play->SetTabStop(true);
        quit->SetTabStop(true);
        quit->SetEnabled(false);
        GetToolkitState().m_FocusOutline = true;

        CProbeWindow* faded =
            AddPainted(tree, &root, "faded", {560, 100, 760, 300}, "Faded", CColor(200, 40, 40, 255), font);
        faded->SetOpacity(0.5f);
        AddPainted(tree, faded, "oversized", {-40, 60, 260, 120}, "Wide", CColor(40, 200, 40, 255), font);

        root.SetTooltip(false, play, 0, CString("Starts a new game"), 300, 450, 1);
        tree.DrawTree();
        EXPECT_EQ(FrameTgaCrc(tree.Frame(), "ui/window_scene", SCENE_CRC), SCENE_CRC);
    }
    cpu.OverrideMMX(mmx);
}

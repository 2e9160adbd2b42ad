#include "engine/ui/skin_preview.h"

#include "engine/graphics/frame.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/ui/button.h"
#include "engine/ui/check_box.h"
#include "engine/ui/dialog.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/input_capture_window.h"
#include "engine/ui/screen_window.h"
#include "engine/ui/static_text.h"

namespace {
constexpr float REBUILD_INTERVAL = 0.25f;
constexpr int32_t BOUNDS_MARGIN = 50;
// Placement codes: first child, right of the previous one, below the
// anchor left-aligned.
constexpr int32_t PLACE_FIRST = 1;
constexpr int32_t PLACE_RIGHT_OF_PREVIOUS = 14;
constexpr int32_t PLACE_BELOW_ANCHOR = 7;
} // namespace

CSkinPreview::CSkinPreview(VirtualArray* list, int32_t itemIndex)
    : CResourceRef(list, itemIndex)
    , m_pSample(nullptr)
    , m_Countdown(0.0f)
{
    Rebuild();
}

CSkinPreview::~CSkinPreview()
{
    DeleteSample();
}

void CSkinPreview::DeleteSample()
{
    if (m_pSample != nullptr)
        m_pSample->Destroy();
    m_pSample = nullptr;
}

void CSkinPreview::Rebuild()
{
    DeleteSample();
    // The lender only passes the skin on: the sample is never linked to it.
    CJSkinWindow* lender = new CJSkinWindow(m_ItemIndex);
    CJDialog* sample = new CJDialog(lender, "Window");
    CJButton* button = new CJButton(sample, "Button");
    sample->AddChild(button, PLACE_FIRST);
    sample->AddChild(new CJCheckBox(sample, "Check Box"), PLACE_RIGHT_OF_PREVIOUS);
    sample->AddChild(new CJStaticText(sample, "Static Text"), PLACE_BELOW_ANCHOR, button);
    sample->AddChild(new CJEditBox(sample, "Text Edit"), PLACE_RIGHT_OF_PREVIOUS);
    m_pSample = sample;
    m_Countdown = REBUILD_INTERVAL;
    lender->Destroy();
}

void CSkinPreview::Update(float seconds)
{
    m_Countdown -= seconds;
    if (m_Countdown <= 0.0f)
        Rebuild();
    m_pSample->Update(seconds);
}

void CSkinPreview::Draw(CFrame* target, CPoint point)
{
    CScreenWindow* root = GetScreenWindow();
    if (root == nullptr || target == nullptr)
        return;
    CJDialog& sample = *m_pSample;
    root->AddChild(&sample, 0);
    sample.SetRect(CRect{point.x, point.y, point.x + sample.GetWidth(), point.y + sample.GetHeight()});
    COffsetClippedProxyFrame proxy(target);
    proxy.SetOffset(-point.x, -point.y);
    sample.Draw(proxy);
    root->RemoveChild(&sample);
}

void CSkinPreview::GetBounds(CRect& bounds)
{
    bounds = CRect{-BOUNDS_MARGIN, -BOUNDS_MARGIN, m_pSample->GetWidth() + BOUNDS_MARGIN,
                   m_pSample->GetHeight() + BOUNDS_MARGIN};
}

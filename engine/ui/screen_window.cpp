#include "engine/ui/screen_window.h"

#include "engine/app/input/keyboard_state.h"
#include "engine/app/input/mouse_state.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/toolkit_state.h"

namespace {
CRect BoundsOf(const CFrameInterface& frame)
{
    CRect bounds;
    frame.GetBounds(bounds);
    return bounds;
}

bool IsInSubtree(const CJWindow* window, const CJWindow* top)
{
    for (const CJWindow* up = window; up != nullptr; up = up->GetParent())
        if (up == top)
            return true;
    return false;
}
} // namespace

CScreenWindow::CScreenWindow(CFrameInterface& screenFrame, CFont* font)
    : CJWindow(nullptr, "~CScreenWindow")
    , m_pProxy(std::make_unique<COffsetClippedProxyFrame>(&screenFrame))
    , m_pScreenFrame(&screenFrame)
    , m_FrameBounds(BoundsOf(screenFrame))
    , m_InputEnabled(true)
    , m_SavedPointerVisible(GetMouseState().ShowPointer())
    , m_pTooltipFont(nullptr)
    , m_TooltipBox{0, 0, 0, 0}
    , m_Underline(false)
    , m_UnderlineY(0)
    , m_UnderlineLeft(0)
    , m_UnderlineRight(0)
    , m_pTooltipTarget(nullptr)
    , m_TargetTakesHoverTexts(false)
    , m_LastPointer{0, 0}
    , m_CurrentButton(0)
    , m_PreviousDown(0)
    , m_TearingDown(false)
{
    CToolkitState& toolkit = GetToolkitState();
    if (toolkit.m_pScreenWindow == nullptr)
        toolkit.m_pScreenWindow = this;
    if (font != nullptr)
    {
        toolkit.m_pDefaultFont = font;
        SetFont(font);
    }
    m_Focused = true;
    GetKeyboardState().ClearAll(true);
    GetKeyboardState().ClearTypedQueue(true);
    SetRect(CRect{0, 0, m_FrameBounds.right - m_FrameBounds.left, m_FrameBounds.bottom - m_FrameBounds.top});
}

CScreenWindow::~CScreenWindow()
{
    TearDown();
    GetMouseState().SetPointerVisible(m_SavedPointerVisible);
    GetKeyboardState().ClearAll(true);
    GetKeyboardState().ClearTypedQueue(true);
    m_pProxy.reset();
    CToolkitState& toolkit = GetToolkitState();
    if (toolkit.m_pScreenWindow == this)
        toolkit.m_pScreenWindow = nullptr;
}

// The top-level windows go first, while the root, its proxy and its
// registration still stand: their destructors clear the tooltip, restore
// windows they replaced and cancel captures. Marked dying, the root takes
// every window destroyed meanwhile along with the tree instead of queuing
// it for later.
void CScreenWindow::TearDown()
{
    CDeferredDestroyScope scope;
    m_TearingDown = true;
    m_Dying = true;
    CJWindow::TearDown();
}

bool CScreenWindow::IsScreenWindow() const
{
    return true;
}

void CScreenWindow::GrowToContain(CJWindow*, int32_t)
{
}

bool CScreenWindow::OnHover(CPoint)
{
    ClearTooltip();
    return true;
}

void CScreenWindow::DrawAll()
{
    if (!m_Visible)
        return;
    CDeferredDestroyScope scope;
    Draw(*m_pScreenFrame);
}

void CScreenWindow::Draw(CFrameInterface&)
{
    CRect bounds = BoundsOf(*m_pScreenFrame);
    if (bounds.right - bounds.left != m_FrameBounds.right - m_FrameBounds.left ||
        bounds.bottom - bounds.top != m_FrameBounds.bottom - m_FrameBounds.top)
    {
        m_FrameBounds = bounds;
        SetRect(CRect{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top});
        m_pProxy->SetTarget(m_pScreenFrame);
    }
    m_pProxy->SetOffset(-m_ScreenRect.left, -m_ScreenRect.top);
    m_pProxy->SetClipRect(CRect{0, 0, m_ContentWidth, m_ContentHeight});
    CJWindow::Draw(*m_pProxy);
    m_pProxy->SetOffset(-m_ScreenRect.left, -m_ScreenRect.top);
    m_pProxy->SetClipRect(CRect{0, 0, m_ContentWidth, m_ContentHeight});
    DrawTooltip();
}

void CScreenWindow::SuspendInput()
{
    if (!m_InputEnabled)
        return;
    m_InputEnabled = false;
    GetMouseState().HidePointer();
}

void CScreenWindow::ResumeInput()
{
    if (m_InputEnabled)
        return;
    m_InputEnabled = true;
    GetMouseState().ShowPointer();
    GetKeyboardState().ClearAll(true);
    GetKeyboardState().ClearTypedQueue(true);
}

void CScreenWindow::ForgetWindow(const CJWindow* window)
{
    for (RepeatRecord& record : m_Repeats)
        if (record.window != nullptr && IsInSubtree(record.window, window))
            record = RepeatRecord{};
    if (m_pTooltipTarget != nullptr && IsInSubtree(m_pTooltipTarget, window))
        m_pTooltipTarget = nullptr;
}

CScreenWindow* GetScreenWindow()
{
    return GetToolkitState().m_pScreenWindow;
}

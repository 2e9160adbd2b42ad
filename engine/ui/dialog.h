#pragma once

#include <cstdint>

#include "engine/ui/panel.h"

class CFramePainter;
class CJButton;
class CJLatchButton;
class CJResizeControl;

// Edges of a dialog, as bits.
constexpr int32_t EDGE_LEFT = 1;
constexpr int32_t EDGE_TOP = 2;
constexpr int32_t EDGE_RIGHT = 4;
constexpr int32_t EDGE_BOTTOM = 8;

// The dialog frame: painted by the theme's frame painter, with a title,
// dragging by its body, resizing by its edges and corners down to a
// minimum size while it has a resize grip, and an optional close box and
// transparency switch. Presses never fall through it to windows behind.
class CJDialog : public CJPanel
{
public:
    explicit CJDialog(CJWindow* parent);
    CJDialog(CJWindow* parent, const CString& title);
    CJDialog(CJWindow* parent, const char* title);
    ~CJDialog() override;

    void Draw(CFrameInterface& frame) override;
    bool DoubleClick(int32_t button, CPoint point, bool& continueAsPress) override;
    bool MouseDown(int32_t button, CPoint point) override;
    bool TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor) override;
    void OnCommand(CJWindow* source, int32_t code) override;
    // Its own focus, not its parent's.
    bool IsActive() const override;
    // Below the minimum size, while a grip exists, the right or bottom edge
    // moves out; the controls in the corners are placed again.
    void SetRect(const CRect& rect) override;
    int32_t GetTitleHeight() const override;
    const CSequence* GetCursor(CPoint localPoint) override;
    virtual void DrawFrame(CFrameInterface& frame);

    // Each adds its control once.
    void AddCloseBox();
    void AddResizeGrip();
    void AddTransparencyToggle();

    // The edges (EDGE_ bits) a local point is near; corners widen them.
    int32_t EdgeHitTest(CPoint localPoint) const;
    // Sets the rect (the minimum applied) and moves the pointer so that it
    // stays on the edges being dragged.
    void ResizeTo(const CRect& rect, int32_t edges, CPoint pointer);

    void SetMovable(bool movable) { m_Movable = movable; }
    bool IsMovable() const { return m_Movable; }
    int32_t GetMinimumWidth() const { return m_MinimumWidth; }
    int32_t GetMinimumHeight() const { return m_MinimumHeight; }
    CJButton* GetCloseBox() const { return m_pCloseBox; }
    CJResizeControl* GetResizeGrip() const { return m_pResizeGrip; }
    CJLatchButton* GetTransparencySwitch() const { return m_pTransparencySwitch; }
    CFramePainter* GetFramePainter() const { return m_pFramePainter; }

private:
    void Init();
    void ApplyMinimumSize(CRect& rect) const;
    void PlaceCornerControls();

    CJButton* m_pCloseBox = nullptr;
    CJResizeControl* m_pResizeGrip = nullptr;
    CJLatchButton* m_pTransparencySwitch = nullptr;
    bool m_Movable = true;
    int32_t m_MinimumWidth = 0;
    int32_t m_MinimumHeight = 0;
    CFramePainter* m_pFramePainter = nullptr;
};

// A dialog without title whose grip bar runs along its left (orientation
// 0) or top (1) edge; dragged by its body.
class CJToolWindow : public CJDialog
{
public:
    CJToolWindow(CJWindow* parent, int32_t orientation);

    int32_t GetTitleHeight() const override;
    int32_t GetLeftInset() const override;
    void DrawFrame(CFrameInterface& frame) override;

private:
    int32_t m_Orientation;
};

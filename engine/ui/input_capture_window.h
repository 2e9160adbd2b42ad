#pragma once

#include "engine/ui/dialog.h"

class CFrameInterface;

// The base of the game's menu screens and front-end dialogs: keyboard
// navigation of its buttons, a default and a cancel button, and the window
// it replaced, which it gives back where it was when it goes.
//
// The return window is detached from the tree and owned by this window
// until it is given back or dropped.
class CJInputCaptureWindow : public CJDialog
{
public:
    explicit CJInputCaptureWindow(CJWindow* parent);
    CJInputCaptureWindow(CJWindow* parent, const char* name);
    CJInputCaptureWindow(CJWindow* parent, const CString& name);

    bool KeyDown(int32_t key) override;
    bool IsInputCaptureWindow() const override;
    // The return window and the whole chain behind it are deleted.
    void DropReturnWindow() override;

    // Opens other in this window's place; this window comes back when
    // other goes.
    void OpenOver(CJInputCaptureWindow* other, bool centred);
    // Replaces this window by other, which takes over the return window.
    void PassReturnWindowTo(CJInputCaptureWindow* other, bool centred);
    void CloseWithoutReturn();

    void SetDefaultButton(CJWindow* button) { m_pDefaultButton = button; }
    void SetCancelButton(CJWindow* button) { m_pCancelButton = button; }
    CJWindow* GetReturnWindow() const { return m_pReturnWindow; }

protected:
    // Gives the return window back before the children and the link go.
    void TearDown() override;

private:
    void Init();
    void TakeReturnWindow(CJWindow* window, const CRect& rect);
    // At parent, or at the root when there is none.
    static void AddInFront(CJWindow* parent, CJWindow* window, bool centred);

    CJWindow* m_pReturnWindow = nullptr;
    CJWindow* m_pDefaultButton = nullptr;
    CJWindow* m_pCancelButton = nullptr;
    CRect m_ReturnRect{};
};

// A borderless window showing one picture; it cannot be dragged.
class CJPictureWindow : public CJInputCaptureWindow
{
public:
    // The picture is not owned; it is drawn at (x, y).
    CJPictureWindow(CJWindow* parent, CFrameInterface* picture, int32_t x, int32_t y);

    void Draw(CFrameInterface& frame) override;
    bool TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor) override;

private:
    CFrameInterface* m_pPicture;
    int32_t m_X;
    int32_t m_Y;
};

// A hidden window without parent that only carries a skin of the skin
// library: windows built with it as their parent take that skin.
class CJSkinWindow : public CJWindow
{
public:
    explicit CJSkinWindow(int32_t skinIndex);
};

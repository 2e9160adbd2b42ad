#pragma once

#include <cstdint>

#include "engine/ui/window.h"

class CCommandCallback;
class CJButton;
class CJEditBox;

// A numeric edit box with two repeating arrow buttons. The value steps by
// the arrows, the wheel, Up and Down, and a right-button drag (upwards
// increases); an optional range clamps it with the error sound. The text
// operations go to the edit box, which keeps the focus whatever child is
// brought to the front. Every change runs the change command and reports
// code 1 to the parent.
class CJSpinBox : public CJWindow
{
public:
    explicit CJSpinBox(CJWindow* parent);
    // The name is the spin box's own window text; the template's width
    // sets the edit box's.
    CJSpinBox(CJWindow* parent, const CString& name, const CString& widthTemplate);
    CJSpinBox(CJWindow* parent, const char* name, const char* widthTemplate);
    ~CJSpinBox() override;

    bool TrackMouse(CPoint point, CPoint movement, uint32_t buttons, const CSequence*& cursor) override;
    bool MouseWheel(int32_t steps, CPoint point) override;
    bool KeyDown(int32_t key) override;
    void OnCommand(CJWindow* source, int32_t code) override;
    void BringToFront(CJWindow* child) override;
    void SetText(const CString& text) override;
    using CJWindow::SetText;
    const CString& GetText() const override;
    float GetTextAsFloat() const override;
    // Written so that it reads back as the same value.
    void SetTextFloat(float value) override;
    bool OnHover(CPoint point) override;

    // The value moves by delta, clamped into the range when there is one.
    void Step(float delta);
    // Both 0: unbounded.
    void SetRange(float minimum, float maximum);
    void SetStep(float step) { m_Step = step; }
    // Owned; replaces and deletes the previous one.
    void SetChangeCommand(CCommandCallback* command);
    void SetTooltip(const CString& text, int32_t fromHover);

    CJEditBox* GetEditBox() const { return m_pEditBox; }
    CJButton* GetUpButton() const { return m_pUpButton; }
    CJButton* GetDownButton() const { return m_pDownButton; }

private:
    void Init(const CString& widthTemplate);
    void RunChangeCommand();

    CJEditBox* m_pEditBox;
    CJButton* m_pUpButton;
    CJButton* m_pDownButton;
    float m_Minimum;
    float m_Maximum;
    float m_Step;
    CCommandCallback* m_pChangeCommand;
    CString m_TooltipText;
    int32_t m_TooltipFromHover;
};

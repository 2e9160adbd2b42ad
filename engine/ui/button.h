#pragma once

#include <cstdint>

#include "engine/ui/window.h"

class CButtonPainter;
class CCommandCallback;
class CMessage;

// A push button, and the base of toggles, latches and check boxes.
//
// A click is reported in exactly one way: to the bound command when one is
// attached, else to the parent as command code 0. The theme's painter draws
// the button; the button keeps the press logic, the sounds, the radio ring,
// the image hit test and the enabled state taken from its command.
//
// A radio ring is a circular list of next pointers in creation order.
// Every member unlinks itself when it is destroyed, so the others never
// walk into a freed button.
class CJButton : public CJWindow
{
public:
    explicit CJButton(CJWindow* parent);
    CJButton(CJWindow* parent, const CString& caption, CJButton* ringMember = nullptr);
    CJButton(CJWindow* parent, const char* caption, CJButton* ringMember = nullptr);
    CJButton(CJWindow* parent, const CString* caption, CJButton* ringMember = nullptr);
    ~CJButton() override;

    // Hands a message to the painter; true when it was understood.
    virtual bool PainterQuery(CMessage& message);
    // Lets the painter give the button its default size.
    virtual void PainterMetrics();
    // 0 left, 1 centred, 2 right.
    virtual void SetTextJustification(int32_t justification);
    // In a ring, a set button becomes the ring's tab stop and clears the
    // others. Nothing is reported.
    virtual void SetChecked(int32_t value);
    virtual int32_t GetChecked() const;
    // True once after each click.
    virtual bool TakeClicked();
    virtual void Click();
    // Reports the click without sound.
    virtual void Fire();
    // The frame's pixel under the local point is not transparent.
    virtual bool HitImage(CPoint localPoint, CFrameInterface* frame) const;
    virtual void PlayClickSound();
    virtual void OnPointerEnter();

    bool IsGreyed() const override;
    bool DoubleClick(int32_t button, CPoint point, bool& continueAsPress) override;
    bool MouseDown(int32_t button, CPoint point) override;
    bool MouseUp(int32_t button, CPoint point) override;
    bool MouseRepeat(int32_t button, CPoint point) override;
    bool MouseMove(CPoint point, CPoint movement, const CSequence*& cursor) override;
    bool KeyDown(int32_t key) override;
    bool ActivateByHotkey() override;
    void RefreshState() override;
    bool OnHover(CPoint point) override;
    bool WantsAutoHotkey() const override;
    void Draw(CFrameInterface& frame) override;

    // The button owns its commands; a new one deletes the one it replaces.
    void SetCommand(CCommandCallback* command);
    void SetDoubleClickCommand(CCommandCallback* command);
    void SetRightClickCommand(CCommandCallback* command);
    CCommandCallback* GetCommand() const { return m_pCommand; }
    // The frame is shown, or with shaped it is the pressed look and the hit
    // mask; the button takes the frame's size plus its bevels.
    void SetImages(CFrameInterface* frame, bool shaped, bool centre);
    void SetOverlayImage(CFrameInterface* frame) { m_pOverlayImage = frame; }
    void SetDisabledImage(CFrameInterface* frame) { m_pDisabledImage = frame; }
    void SetTooltip(const char* text, bool fromHover);
    void SetTooltipText(const CString* text, bool fromHover);
    void SetAutoRepeat(bool autoRepeat) { m_AutoRepeat = autoRepeat; }
    void SetGreyed(bool greyed) { m_Greyed = greyed; }
    void SetCaptionOverImage(bool over) { m_CaptionOverImage = over; }
    void SetHitTestByShape(bool byShape) { m_HitTestByShape = byShape; }

    // What the painters read.
    bool IsHeld() const { return m_Held; }
    bool IsPointerInside() const { return m_PointerInside; }
    bool IsFlashing() const { return m_Flash; }
    int32_t GetTextJustification() const { return m_Justification; }
    CFrameInterface* GetImage() const { return m_pImage; }
    CFrameInterface* GetShapedImage() const { return m_pShapedImage; }
    CFrameInterface* GetOverlayImage() const { return m_pOverlayImage; }
    CFrameInterface* GetDisabledImage() const { return m_pDisabledImage; }
    bool IsImageCentred() const { return m_CentreImage; }
    bool IsCaptionOverImage() const { return m_CaptionOverImage; }
    const CString& GetTooltipText() const { return m_TooltipText; }
    CJButton* GetNextInRing() const { return m_pNextInRing; }

protected:
    void Init(CJButton* ringMember);
    bool IsInRing() const { return m_pNextInRing != nullptr; }
    // The screen point lies on the button, the shaped hit test included.
    bool HitsButton(CPoint screenPoint) const;
    // A screen point in the button's content coordinates.
    CPoint ToContent(CPoint screenPoint) const;
    CButtonPainter* GetPainter() const { return m_pPainter; }

    // Where the left button went down, in content coordinates.
    CPoint m_ButtonPressPoint;
    bool m_Draggable;
    bool m_Greyed;
    bool m_Held;
    bool m_PointerInside;
    bool m_Clicked;
    bool m_Flash;
    int32_t m_Checked;
    int32_t m_Justification;
    CJButton* m_pNextInRing;

private:
    CJButton* FindPreviousInRing() const;
    void UnlinkFromRing();
    // Brings the ring member to the front in the parent and clicks it.
    void ClickRingMember(CJButton* member);

    CFrameInterface* m_pImage;
    CFrameInterface* m_pShapedImage;
    CFrameInterface* m_pOverlayImage;
    CFrameInterface* m_pDisabledImage;
    bool m_CentreImage;
    CString m_TooltipText;
    int32_t m_TooltipFromHover;
    int32_t m_TooltipHotkeyPosition;
    int32_t m_TooltipHotkeyLength;
    bool m_AutoRepeat;
    CCommandCallback* m_pCommand;
    CCommandCallback* m_pDoubleClickCommand;
    CCommandCallback* m_pRightClickCommand;
    bool m_CaptionOverImage;
    bool m_HitTestByShape;
    CButtonPainter* m_pPainter;
};

// Toggles on every click; in a ring it is a radio button, which the user
// cannot uncheck.
class CJToggleButton : public CJButton
{
public:
    CJToggleButton(CJWindow* parent, const char* caption, CJButton* ringMember = nullptr);
    CJToggleButton(CJWindow* parent, const CString& caption, CJButton* ringMember = nullptr);
    CJToggleButton(CJWindow* parent, const CString* caption, CJButton* ringMember = nullptr);

    void Click() override;
    bool ActivateByHotkey() override;
    void PlayClickSound() override;
};

// Toggles on every click, inside a ring too.
class CJLatchButton : public CJButton
{
public:
    CJLatchButton(CJWindow* parent, const CString* caption, CJButton* ringMember = nullptr);

    void Click() override;
    void PlayClickSound() override;
};

// Sounds of the buttons.
extern const char* const BUTTON_ACTION_SOUND;
extern const char* const BUTTON_SWITCH_SOUND;
void PlayToolkitSound(const char* name);
// Refused input: a refused character, a limit, a failed search.
void PlayRefusalSound();

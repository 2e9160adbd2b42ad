#pragma once

#include <cstdint>

#include "engine/ui/button.h"

// A box with a cross and a caption beside it; optionally mirrors its state
// into a byte the caller owns. With an image it draws like a push button.
class CJCheckBox : public CJButton
{
public:
    CJCheckBox(CJWindow* parent, const CString* caption, CJButton* ringMember = nullptr);
    CJCheckBox(CJWindow* parent, const char* caption, CJButton* ringMember = nullptr);
    // The flag's value becomes the checked state; each click writes it.
    CJCheckBox(CJWindow* parent, const CString* caption, uint8_t* boundFlag, CJButton* ringMember = nullptr);

    virtual void DrawBoxPressed(CFrameInterface& frame, int32_t x, int32_t y);
    virtual void DrawBoxHover(CFrameInterface& frame, int32_t x, int32_t y);
    virtual void DrawBox(CFrameInterface& frame, int32_t x, int32_t y);
    virtual void DrawCheckMark(CFrameInterface& frame, int32_t x, int32_t y);
    virtual void DrawLabel(CFrameInterface& frame);

    void Draw(CFrameInterface& frame) override;
    // Sizes the box to the caption as well.
    void SetText(const CString& text) override;
    void Click() override;
    void PlayClickSound() override;

    void SetLabelFirst(bool labelFirst) { m_LabelFirst = labelFirst; }
    int32_t GetBoxSize() const { return m_BoxSize; }

private:
    void InitCheckBox(uint8_t* boundFlag);
    void FitToCaption();

    bool m_LabelFirst = false;
    uint8_t* m_pBoundFlag = nullptr;
    int32_t m_BoxSize = 0;
};

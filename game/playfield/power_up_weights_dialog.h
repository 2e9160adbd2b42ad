#pragma once

#include <cstdint>
#include <vector>

#include "engine/ui/input_capture_window.h"

class CBrickLayout;
class CJSpinBox;
class CJStaticText;

// "Power Up Weights": the chance of every "PowerUp" item in a round, each
// as a share of the round's total, and the split between good, neutral and
// bad kinds. It only shows: the chances are edited in the round's own
// properties, and the window keeps what they were when it opened.
class PowerUpWeightsDialog : public CJInputCaptureWindow
{
public:
    // The caller places it; the round is not owned.
    PowerUpWeightsDialog(CJWindow* parent, CBrickLayout* round);

    void OnCommand(CJWindow* source, int32_t code) override;

    uint32_t GetItemCount() const { return static_cast<uint32_t>(m_NumberBoxes.size()); }
    CJStaticText* GetNameLabel(uint32_t item) const { return m_NameLabels[item]; }
    CJSpinBox* GetNumberBox(uint32_t item) const { return m_NumberBoxes[item]; }
    CJStaticText* GetPercentLabel(uint32_t item) const { return m_PercentLabels[item]; }
    CJStaticText* GetSummaryLabel() const { return m_pSummaryLabel; }

private:
    void AddNameLabels();
    void AddNumberBoxes();
    void FillTexts();
    uint32_t ChanceOf(uint32_t item) const;
    bool IsNumberBox(const CJWindow* window) const;

    CBrickLayout* m_pRound;
    // Owned by the window tree; the arrays only point at them.
    std::vector<CJStaticText*> m_NameLabels;
    std::vector<CJSpinBox*> m_NumberBoxes;
    std::vector<CJStaticText*> m_PercentLabels;
    CJStaticText* m_pSummaryLabel = nullptr;
};

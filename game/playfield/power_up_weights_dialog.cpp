#include "game/playfield/power_up_weights_dialog.h"

#include <limits>

#include "engine/core/localization/localized_string.h"
#include "engine/ui/spin_box.h"
#include "engine/ui/static_text.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/power_up_base.h"

namespace {
CLocalizedString s_TitleText("Power Up Weights");

constexpr int32_t PLACE_TOP_LEFT = 1;
constexpr int32_t PLACE_BELOW_PREVIOUS = 8;
constexpr int32_t PLACE_CENTRED_BELOW = 12;
constexpr int32_t PLACE_RIGHT_CENTRED_ON = 15;
constexpr int32_t PLACE_RIGHT_CENTRED_ON_PREVIOUS = 16;
constexpr int32_t LABEL_ROW_GAP = 2;
constexpr float CHANCE_LIMIT = 100.0f;

// Rounded half up. Item 0 is shown against a total it is not part of, so
// its share has no upper bound: beyond what an int holds it shows the
// largest int rather than converting out of range.
int32_t PercentOf(uint64_t chance, uint32_t total)
{
    const float share = static_cast<float>(chance) / static_cast<float>(total) * 100.0f + 0.5f;
    constexpr float INT_RANGE_END = 2147483648.0f;
    return share < INT_RANGE_END ? static_cast<int32_t>(share) : std::numeric_limits<int32_t>::max();
}
} // namespace

PowerUpWeightsDialog::PowerUpWeightsDialog(CJWindow* parent, CBrickLayout* round)
    : CJInputCaptureWindow(parent, s_TitleText.GetText())
    , m_pRound(round)
{
    AddCloseBox();
    AddNameLabels();
    AddNumberBoxes();
    m_pSummaryLabel = new CJStaticText(this, "XXXXXXXXXXXXXXXXXXXXXXXXX");
    m_pSummaryLabel->SetJustification(JUSTIFY_CENTER);
    AddChild(m_pSummaryLabel, PLACE_CENTRED_BELOW);
    FillTexts();
}

void PowerUpWeightsDialog::AddNameLabels()
{
    CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
    for (uint32_t i = 0; i < library.GetCount(); ++i)
    {
        CJStaticText* label = new CJStaticText(this, library.GetName(i));
        label->SetJustification(JUSTIFY_RIGHT);
        if (i == 0)
            AddChild(label, PLACE_TOP_LEFT);
        else
            AddChild(label, PLACE_BELOW_PREVIOUS, nullptr, 0, LABEL_ROW_GAP);
        m_NameLabels.push_back(label);
    }
    if (!m_NameLabels.empty())
        EqualizeWidths(m_NameLabels.front(), m_NameLabels.back(), 0);
}

void PowerUpWeightsDialog::AddNumberBoxes()
{
    for (CJStaticText* name : m_NameLabels)
    {
        CJSpinBox* box = new CJSpinBox(this);
        box->SetRange(0.0f, CHANCE_LIMIT);
        box->SetStep(1.0f);
        AddChild(box, PLACE_RIGHT_CENTRED_ON, name);
        m_NumberBoxes.push_back(box);
        CJStaticText* percent = new CJStaticText(this, "100%");
        AddChild(percent, PLACE_RIGHT_CENTRED_ON_PREVIOUS);
        m_PercentLabels.push_back(percent);
    }
}

void PowerUpWeightsDialog::FillTexts()
{
    const uint32_t sum = m_pRound->TotalPowerUpWeight();
    const uint32_t total = sum != 0 ? sum : 1;
    uint64_t byKarma[3] = {};
    CResourceLibrary<CPowerUpBase>& library = GetPowerUpLibrary();
    for (uint32_t i = 0; i < GetItemCount(); ++i)
    {
        const uint32_t chance = ChanceOf(i);
        CString text;
        text.Format("%u", chance);
        m_NumberBoxes[i]->SetText(text);
        m_NumberBoxes[i]->SetEnabled(false);
        text.Format("%d%%", PercentOf(chance, total));
        m_PercentLabels[i]->SetText(text);
        const CPowerUpBase* kind = library.GetItemObject(i);
        const int32_t karma = kind != nullptr ? kind->GetKarmaType() : POWER_UP_KARMA_NEUTRAL;
        if (karma == POWER_UP_KARMA_GOOD || karma == POWER_UP_KARMA_BAD)
            byKarma[karma] += chance;
        else
            byKarma[POWER_UP_KARMA_NEUTRAL] += chance;
    }
    CString summary;
    summary.Format("Good %d%% - %d%% - %d%% Bad", PercentOf(byKarma[POWER_UP_KARMA_GOOD], total),
                   PercentOf(byKarma[POWER_UP_KARMA_NEUTRAL], total), PercentOf(byKarma[POWER_UP_KARMA_BAD], total));
    m_pSummaryLabel->SetText(summary);
}

uint32_t PowerUpWeightsDialog::ChanceOf(uint32_t item) const
{
    return item < m_pRound->m_PowerUpChances.size() ? m_pRound->m_PowerUpChances[item] : 0;
}

bool PowerUpWeightsDialog::IsNumberBox(const CJWindow* window) const
{
    for (const CJSpinBox* box : m_NumberBoxes)
        if (box == window)
            return true;
    return false;
}

void PowerUpWeightsDialog::OnCommand(CJWindow* source, int32_t code)
{
    // The chances are only shown here: a number box that changes anyway
    // edits nothing.
    if (code == 1 && IsNumberBox(source))
        return;
    CJInputCaptureWindow::OnCommand(source, code);
}

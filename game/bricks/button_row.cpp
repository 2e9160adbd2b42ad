#include "game/bricks/button_row.h"

#include <algorithm>

#include "engine/ui/button.h"

namespace {
// Under the previous sibling, at its left edge.
constexpr int32_t BELOW_ANCHOR = 7;
// Right of the previous sibling, tops aligned.
constexpr int32_t NEXT_TO_PREVIOUS = 14;
} // namespace

void AddButtonRow(CJWindow* parent, CJWindow* anchor, std::initializer_list<CJButton*> buttons, bool sameSize)
{
    int32_t widest = 0;
    for (CJButton* button : buttons)
        widest = std::max(widest, button->GetWidth());
    bool first = true;
    for (CJButton* button : buttons)
    {
        if (sameSize)
            button->SetSize(widest, button->GetHeight());
        parent->AddChild(button, first ? BELOW_ANCHOR : NEXT_TO_PREVIOUS, first ? anchor : nullptr);
        first = false;
    }
    int32_t total = 0;
    for (CJButton* button : buttons)
        total += button->GetWidth();
    const int32_t count = static_cast<int32_t>(buttons.size());
    const int32_t gap = std::max(0, (parent->GetWidth() - total) / (count + 1));
    int32_t x = gap;
    for (CJButton* button : buttons)
    {
        button->SetRectXYWH(x, button->GetRect().top, button->GetWidth(), button->GetHeight());
        x += button->GetWidth() + gap;
    }
}

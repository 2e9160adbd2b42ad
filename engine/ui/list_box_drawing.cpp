// How a list draws: the sunken background, the selection bar with the
// search match (and a blinking caret in a one-row display), the rows that
// fit, split into header columns at tabs, and in tree mode the icons and
// the tree lines. Each draw moves the scroll position a step towards its
// target: a jump to one row short of it, then 4 pixels a frame.

#include <algorithm>
#include <optional>

#include "engine/blit/blit_black_bias.h"
#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/blit/scoped_blit_opacity.h"
#include "engine/core/lists/tree_source.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/platform/tick_counter.h"
#include "engine/ui/bevel.h"
#include "engine/ui/column_header.h"
#include "engine/ui/list_box.h"
#include "engine/ui/scroll_bar.h"
#include "engine/ui/window_font.h"

namespace {
constexpr float DISABLED_TEXT_OPACITY = 0.4f;
constexpr float DISABLED_SHADE_OPACITY = 0.6f;
constexpr float DISABLED_ROW_OPACITY = 0.5f;
constexpr uint32_t SEARCH_TIMEOUT_MS = 2000;
constexpr uint32_t CARET_BLINK_BIT = 256;
constexpr int32_t MASK_DEPTHS = 32;

int32_t IconWidth(const CFrameInterface* icon)
{
    return icon != nullptr ? icon->GetWidth() : 0;
}

void DrawIconCentred(CFrameInterface& frame, CFrameInterface* icon, int32_t x, int32_t y)
{
    if (icon != nullptr)
        frame.BlitAt(icon, x - icon->GetWidth() / 2, y - icon->GetHeight() / 2, &GetBlitNormal());
}
} // namespace

void CJListBox::Draw(CFrameInterface& frame)
{
    DrawRows(frame, false);
    StepScroll();
}

int32_t CJListBox::GetIconWidth() const
{
    const CToolkitState& state = GetToolkitState();
    return std::max(
        {IconWidth(state.m_pFolderOpenIcon), IconWidth(state.m_pFolderClosedIcon), IconWidth(state.m_pFileIcon)});
}

void CJListBox::DrawRows(CFrameInterface& frame, bool raised)
{
    std::optional<CScopedBlitOpacity> textFade;
    std::optional<CScopedBlitOpacity> shadeFade;
    if (!IsEnabledInTree() || IsGreyed())
    {
        textFade.emplace(GetBlitTransparentMask(), DISABLED_TEXT_OPACITY);
        shadeFade.emplace(GetBlitBlendBlackBias(), DISABLED_SHADE_OPACITY);
    }
    int32_t width = GetWidth();
    int32_t height = GetHeight();
    if (m_SunkenBackground)
        DrawBevel(m_pFont, frame, CRect{0, 0, width, height}, m_HighlightColor, m_TextColor, raised, BEVEL_ALL_EDGES,
                  false);
    bool decorated = m_TreeMode && !m_TypingCaret && !m_SingleRowDisplay;
    int32_t indentWidth = m_TypingCaret || m_SingleRowDisplay ? 0 : GetIndentWidth();
    int32_t iconWidth = decorated ? GetIconWidth() : 0;
    int32_t unit = GetDisplayUnit();
    int32_t rowHeight = GetRowHeight();
    if (m_Selection >= 0)
    {
        int32_t y = unit + m_Selection * rowHeight - m_ScrollPosition + 1;
        if (m_VisibleRows > 1 || m_Rows.size() == 1)
            DrawSelectionBar(frame, y);
        DrawSearchHighlight(frame, y, iconWidth, indentWidth);
    }
    if (m_pSource != nullptr)
    {
        int32_t previousDepth = -1;
        for (int32_t row = m_ScrollPosition / rowHeight; row < GetRowCount(); ++row)
        {
            int32_t y = unit + row * rowHeight - m_ScrollPosition + 1;
            if (y >= height)
                break;
            const CListRow& drawn = m_Rows[static_cast<size_t>(row)];
            int32_t indent = (m_IndentOffset + drawn.m_Depth) * indentWidth;
            DrawRow(frame, unit + 1, y, indent + iconWidth, GetRowSpacing() / 2, row);
            if (decorated)
                DrawTreeDecoration(frame, row, y, indentWidth, iconWidth, previousDepth < drawn.m_Depth);
            previousDepth = drawn.m_Depth;
        }
    }
    CJWindow::Draw(frame);
}

void CJListBox::DrawSelectionBar(CFrameInterface& frame, int32_t y)
{
    if (IsGreyed())
        return;
    int32_t unit = GetDisplayUnit();
    int32_t right = GetWidth() - unit - 1 - (m_pScrollBar != nullptr ? m_pScrollBar->GetWidth() : 0);
    frame.FillRect(CRect{unit + 1, y, right, y + GetRowHeight()}, GetFifthColor());
}

void CJListBox::DrawSearchHighlight(CFrameInterface& frame, int32_t y, int32_t iconWidth, int32_t indentWidth)
{
    if (m_SearchText.IsEmpty())
        return;
    if (GetTickCount() - m_LastSearchTime > SEARCH_TIMEOUT_MS)
    {
        ClearSearch();
        return;
    }
    CString text;
    GetRowText(text, m_Selection);
    CString before;
    CString matched;
    text.Left(before, static_cast<uint32_t>(m_MatchOffset));
    text.Mid(matched, static_cast<uint32_t>(m_MatchOffset), m_SearchText.GetLength());
    int32_t unit = GetDisplayUnit();
    int32_t depth = m_Rows[static_cast<size_t>(m_Selection)].m_Depth;
    int32_t left = iconWidth + depth * indentWidth + unit + 1 + GetFontTextWidth(m_pFont, before);
    int32_t right = left + GetFontTextWidth(m_pFont, matched);
    frame.FillRect(CRect{left, y, right, y + GetRowHeight()}, m_HighlightColor);
    bool caretShown = (GetTickCount() & CARET_BLINK_BIT) != 0;
    if (m_TypingCaret && m_VisibleRows == 1 && IsFocused() && IsEnabledInTree() && caretShown)
        frame.FillRect(CRect{right, y, right + 1, y + GetRowHeight()}, m_TextColor);
}

void CJListBox::DrawRow(CFrameInterface& frame, int32_t x, int32_t y, int32_t indent, int32_t halfSpacing, int32_t row)
{
    CString text;
    GetRowText(text, row);
    std::optional<CScopedBlitOpacity> disabledFade;
    if (!IsRowEnabled(row))
        disabledFade.emplace(GetBlitTransparentMask(), GetBlitTransparentMask().GetOpacity() * DISABLED_ROW_OPACITY);
    DrawRowText(frame, x + indent, y + halfSpacing, text);
}

void CJListBox::DrawRowText(CFrameInterface& frame, int32_t x, int32_t y, const CString& text)
{
    if (m_pFont == nullptr)
        return;
    int32_t unit = GetDisplayUnit();
    int32_t listRight = GetWidth() - (m_pScrollBar != nullptr ? m_pScrollBar->GetWidth() : 0);
    COffsetClippedProxyFrame clipped(&frame);
    const CJHeader* header = m_Header.Get();
    if (header == nullptr || header->GetColumnCount() <= 1)
    {
        clipped.SetClipRect(CRect{0, 0, listRight, GetHeight()});
        m_pFont->DrawText(clipped, x, y, text);
        return;
    }
    int32_t inset = header->GetInset();
    for (uint32_t column = 0; column < header->GetColumnCount(); ++column)
    {
        int32_t left = unit + 1 + header->GetColumnOffset(column);
        int32_t columnWidth = header->GetColumnWidth(column);
        int32_t justification = header->GetColumnJustification(column);
        int32_t textX = justification == JUSTIFY_CENTER  ? left + columnWidth / 2
                        : justification == JUSTIFY_RIGHT ? left + columnWidth - inset
                                                         : left + inset;
        // The first column keeps the row's indent.
        if (column == 0)
            textX += x - (unit + 1);
        clipped.SetClipRect(CRect{left, 0, std::min(left + columnWidth, listRight), GetHeight()});
        m_pFont->DrawText(clipped, textX, y, Field(text, column), justification,
                          header->HasFixedDigits(column) ? '8' : 0);
    }
}

void CJListBox::DrawTreeDecoration(CFrameInterface& frame, int32_t row, int32_t y, int32_t indentWidth,
                                   int32_t iconWidth, bool previousShallower)
{
    const CListRow& drawn = m_Rows[static_cast<size_t>(row)];
    int32_t unit = GetDisplayUnit();
    int32_t rowHeight = GetRowHeight();
    int32_t indent = (m_IndentOffset + drawn.m_Depth) * indentWidth;
    const CToolkitState& state = GetToolkitState();
    CFrameInterface* icon = !drawn.m_HasChildren ? (m_FilesAsOpenFolders ? state.m_pFolderOpenIcon : state.m_pFileIcon)
                            : drawn.m_Expanded   ? state.m_pFolderOpenIcon
                                                 : state.m_pFolderClosedIcon;
    DrawIconCentred(frame, icon, indent + iconWidth / 2 + unit + 1, y + rowHeight / 2);

    int32_t firstLevel = m_IndentOffset != 0 ? 0 : 1;
    // The mask holds 32 depths; paths come from data and may go deeper.
    int32_t lastLevel = std::min(drawn.m_Depth, MASK_DEPTHS - 1);
    for (int32_t level = firstLevel; level <= lastLevel; ++level)
    {
        int32_t x = unit + 1 + (level + m_IndentOffset - 1) * indentWidth;
        bool lastChild = (drawn.m_LastChildMask & (1u << level)) != 0;
        if (level == drawn.m_Depth)
        {
            if (lastChild)
                DrawTreeLine(frame, x, y, true, false, true);
            else if (m_FirstChildConnector && previousShallower)
                DrawTreeLine(frame, x, y, false, true, true);
            else
                DrawTreeLine(frame, x, y, true, true, true);
        }
        else if (!lastChild)
        {
            DrawTreeLine(frame, x, y, true, true, false);
        }
    }
}

void CJListBox::DrawTreeLine(CFrameInterface& frame, int32_t x, int32_t y, bool up, bool down, bool right)
{
    int32_t indentWidth = GetIndentWidth();
    int32_t middleX = x + indentWidth / 2;
    int32_t middleY = y + GetRowHeight() / 2;
    int32_t top = up ? y : middleY;
    int32_t bottom = down ? y + GetRowHeight() : middleY + 1;
    frame.FillRect(CRect{middleX, top, middleX + 1, bottom}, m_BackgroundColor);
    if (right)
        frame.FillRect(CRect{middleX, middleY, x + indentWidth, middleY + 1}, m_BackgroundColor);
}

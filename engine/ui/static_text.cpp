#include "engine/ui/static_text.h"

#include "engine/ui/skin_painter.h"
#include "engine/ui/skin_theme.h"

CJStaticText::CJStaticText(CJWindow* parent, const char* text)
    : CJWindow(parent)
{
    Init();
    SetText(CString(text));
}

CJStaticText::CJStaticText(CJWindow* parent, const CString& text)
    : CJWindow(parent)
{
    Init();
    SetText(text);
}

CJStaticText::CJStaticText(CJWindow* parent, const CString* text)
    : CJWindow(parent)
{
    Init();
    SetText(text != nullptr ? *text : CString());
}

void CJStaticText::Init()
{
    if (m_pFont != nullptr)
        SetHeight(m_pFont->GetLineHeight() + 2 * m_BevelWidth + 2);
    m_pTextPainter = GetTheme()->CreateTextPainter(this);
}

CJStaticText::~CJStaticText()
{
    delete m_pTextPainter;
}

void CJStaticText::SetJustification(int32_t justification)
{
    m_Justification = justification;
}

void CJStaticText::SetTextOnly(const CString& text)
{
    CJWindow::SetText(text);
}

void CJStaticText::SetFontOnly(CFont* font)
{
    CJWindow::SetFont(font);
}

void CJStaticText::SetFont(CFont* font)
{
    CJWindow::SetFont(font);
    SetSize(0, 0);
    SetText(m_Text);
}

int32_t CJStaticText::InnerWrapWidth() const
{
    return m_WrapWidth - (2 * m_BevelWidth + 2);
}

void CJStaticText::SetText(const CString& text)
{
    if (text.Compare(m_Text) != 0)
        CJWindow::SetText(text);
    if (!m_AutoSize || m_pFont == nullptr)
        return;
    int32_t padding = 2 * m_BevelWidth + 2;
    if (m_WrapWidth != -1)
    {
        int32_t inner = InnerWrapWidth();
        SetSize(m_pFont->GetWrappedTextWidth(m_Text, inner, m_BevelWidth, m_WrapStyle) + padding,
                m_pFont->GetWrappedTextHeight(m_Text, inner, m_BevelWidth, m_WrapStyle) + padding);
        m_MultiLine = false;
    }
    else if (m_Text.Find("\n") >= 0)
    {
        m_MultiLine = true;
        SetSize(m_pFont->GetMultiLineWidth(m_Text) + padding,
                m_pFont->GetTextBlockHeight(m_Text, 2 * (m_pFont->GetHeight() / 5)) + padding);
    }
    else
    {
        m_MultiLine = false;
        int32_t width = m_pFont->GetTextWidth(m_Text.IsEmpty() ? CString("XXX") : m_Text) + 2 * m_BevelWidth;
        if (GetWidth() < width)
            SetSize(width, m_pFont->GetLineHeight() + padding);
    }
    if (m_MaximumHeight != -1 && GetHeight() > m_MaximumHeight)
        SetHeight(m_MaximumHeight);
}

void CJStaticText::SetWrap(int32_t wrapWidth, int32_t maximumHeight)
{
    m_WrapWidth = wrapWidth;
    m_MaximumHeight = maximumHeight;
    SetText(m_Text);
}

void CJStaticText::SetTooltip(const CString& text, int32_t fromHover, int32_t overText)
{
    m_TooltipText = text;
    m_TooltipFromHover = fromHover;
    m_TooltipOverText = overText;
}

void CJStaticText::Draw(CFrameInterface& frame)
{
    if (m_pFont != nullptr)
    {
        if (m_WrapWidth == -1)
        {
            int32_t x = m_Justification == 0   ? m_BevelWidth
                        : m_Justification == 1 ? GetWidth() / 2
                                               : GetWidth() - m_BevelWidth - 1;
            int32_t y = m_BevelWidth + 1;
            if (m_MultiLine)
                m_pFont->DrawMultiLineText(frame, x, y, m_Text, m_BevelWidth, m_Justification);
            else
                DrawText(frame, x, y, m_Justification);
        }
        else
            m_pFont->DrawWrappedText(frame, m_BevelWidth, m_BevelWidth + 1, m_Text, InnerWrapWidth(), m_BevelWidth,
                                     m_WrapStyle);
    }
    CJWindow::Draw(frame);
}

bool CJStaticText::IsCutOff() const
{
    return !m_MultiLine && m_WrapWidth == -1 && m_pFont != nullptr && m_pFont->GetTextWidth(m_Text) > GetWidth();
}

bool CJStaticText::OnHover(CPoint point)
{
    bool cutOff = IsCutOff();
    CString tooltip;
    if (cutOff)
        tooltip = m_Text;
    if (!m_TooltipText.IsEmpty())
    {
        if (!tooltip.IsEmpty())
            tooltip += "\n";
        tooltip += m_TooltipText;
    }
    if (tooltip.IsEmpty())
    {
        CJWindow::OnHover(point);
        return false;
    }
    if (!cutOff && m_TooltipOverText != 1)
    {
        ShowTooltip(m_TooltipFromHover != 0, tooltip, -1, -1);
        return true;
    }
    int32_t textWidth = m_pFont->GetTextWidth(m_Text);
    int32_t x = m_ScreenRect.left + m_BevelWidth;
    if (m_Justification == 1)
        x = (m_ScreenRect.left + m_ScreenRect.right) / 2 - textWidth / 2;
    else if (m_Justification == 2)
    {
        x = m_ScreenRect.right - m_BevelWidth - textWidth - 1;
        if (x < m_ScreenRect.left)
            x = m_ScreenRect.left;
    }
    ShowTooltip(m_TooltipFromHover != 0, tooltip, x, m_ScreenRect.top + m_BevelWidth + 1);
    return true;
}

bool CJStaticText::WantsAutoHotkey() const
{
    if (m_AskingNeighbour)
        return false;
    CJWindow* behind = m_pNextSibling;
    if (behind == nullptr || !behind->IsTabStop())
        return false;
    m_AskingNeighbour = true;
    bool neighbourWants = behind->WantsAutoHotkey();
    m_AskingNeighbour = false;
    return !neighbourWants;
}

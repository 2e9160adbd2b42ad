#include "engine/core/program/loading_messages.h"

#include "engine/core/settings/option_switch.h"

static const char* const kPageBanner = "*** Press Alt-F4 to exit ***";

void CLoadingMessageWriter::SetSize(int32_t width, int32_t height)
{
    m_Width = width;
    m_Height = height;
    m_Enabled = true;
}

void CLoadingMessageWriter::SetSurface(CLoadingMessageSurface* surface)
{
    m_pSurface = surface;
}

// The player sees where the messages went and how to leave a start-up that
// seems to hang.
void CLoadingMessageWriter::StartNewPage(int32_t lineHeight)
{
    m_pSurface->FillBlack(0, 0, m_Width, m_Height);
    m_X = 1;
    m_Y = 1;
    int32_t bannerWidth = 0;
    int32_t bannerHeight = lineHeight;
    m_pSurface->MeasureText(kPageBanner, &bannerWidth, &bannerHeight);
    m_pSurface->FillBlack(1, 1, bannerWidth, bannerHeight);
    m_pSurface->DrawText(1, 1, kPageBanner);
    m_Y += bannerHeight;
}

int32_t CLoadingMessageWriter::Show(const char* text, bool endLine, int32_t xAdvance)
{
    if (!m_Enabled || !GetLoadingMessagesSwitch().GetValue() || !m_pSurface)
        return 0;
    int32_t width = 0;
    int32_t height = 0;
    m_pSurface->MeasureText(text, &width, &height);
    if (m_X + width > m_Width)
    {
        m_X = 1;
        m_Y += height;
    }
    if (m_Y + height > m_Height)
        StartNewPage(height);
    m_X += xAdvance;
    m_pSurface->FillBlack(m_X, m_Y, width, height);
    m_pSurface->DrawText(m_X, m_Y, text);
    m_X += width;
    if (endLine)
    {
        m_X = 1;
        m_Y += height;
    }
    return width;
}

CLoadingMessageWriter& GetLoadingMessageWriter()
{
    static CLoadingMessageWriter writer;
    return writer;
}

int32_t ShowLoadingMessage(CLoadingMessageWriter& writer, const char* text, bool endLine, int32_t xAdvance)
{
    return writer.Show(text, endLine, xAdvance);
}

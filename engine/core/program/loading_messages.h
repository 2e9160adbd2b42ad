#pragma once

#include <cstdint>

// Where loading messages are drawn: the main window, supplied by the
// runtime once the display runs; it owns the font the texts are drawn in.
class CLoadingMessageSurface
{
public:
    virtual ~CLoadingMessageSurface() = default;
    virtual void MeasureText(const char* text, int32_t* width, int32_t* height) = 0;
    virtual void FillBlack(int32_t x, int32_t y, int32_t width, int32_t height) = 0;
    virtual void DrawText(int32_t x, int32_t y, const char* text) = 0;
};

// Writes progress texts line by line straight onto the window during long
// start-up steps, starting a new page when the window is full. It writes only
// while the switch "Enable Loading Messages" is on.
class CLoadingMessageWriter
{
public:
    // Stores the area written and enables the writer.
    void SetSize(int32_t width, int32_t height);
    void SetSurface(CLoadingMessageSurface* surface);

    // Answers the width drawn, 0 when nothing was drawn.
    int32_t Show(const char* text, bool endLine, int32_t xAdvance);

private:
    void StartNewPage(int32_t lineHeight);

    bool m_Enabled = false;
    int32_t m_Width = 0;
    int32_t m_Height = 0;
    int32_t m_X = 1;
    int32_t m_Y = 1;
    CLoadingMessageSurface* m_pSurface = nullptr;
};

CLoadingMessageWriter& GetLoadingMessageWriter();

int32_t ShowLoadingMessage(CLoadingMessageWriter& writer, const char* text, bool endLine, int32_t xAdvance);

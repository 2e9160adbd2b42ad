#include "tests/support/completion_screen.h"

#include "engine/core/settings/settings.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "tests/support/playfield_fixtures.h"

ScopedCompletionScreen::ScopedCompletionScreen(const std::string& settingsFile)
    : m_PreviousSettings(GetGeneralSettings().GetFileName())
{
    InitPixelFormatTables("Palettes", "GamePalette");
    GetGeneralSettings().SetFileName(settingsFile.c_str());
    uint32_t width = 800;
    uint32_t height = 600;
    m_Ready = GetScreenFrame()->SetScreenMode(width, height, 16, 16);
    m_DrawFrame.Create(800, 600, 16);
    ScopedPlayfieldHooks::s_pDrawFrame = &m_DrawFrame;
}

ScopedCompletionScreen::~ScopedCompletionScreen()
{
    ScopedPlayfieldHooks::s_pDrawFrame = nullptr;
    GetScreenFrame()->ReleaseDirectDraw();
    GetGeneralSettings().SetFileName(m_PreviousSettings.c_str());
    GetFrameList().DeleteAllItems();
}

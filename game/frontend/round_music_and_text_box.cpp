#include "game/frontend/round_music_and_text_box.h"

#include "engine/app/sound/music_player.h"
#include "engine/graphics/fonts/font_library.h"
#include "game/frontend/tessivue_layout.h"
#include "game/playfield/music_mixer.h"
#include "game/playfield/tessivue_display.h"

void RequestMenuMusic()
{
    GetMusicPlayer();
    CMusicMixer& mixer = GetMusicMixer();
    mixer.SetSong(CMusicMixer::kAmbient, GetMusicList().Find("Theme.ogg", -1));
    mixer.RequestLevel(CMusicMixer::kAmbient);
}

std::unique_ptr<CTessivueDisplay> CreateTextBox()
{
    const CTessivueLayout layout;
    CFontLibrary& fonts = GetFontLibrary();
    return std::make_unique<CTessivueDisplay>(fonts.FindFont("Small Blue"), fonts.FindFont("Tessivue"),
                                              fonts.FindFont("OCR Monospaced Numbers"), layout.m_Position.x,
                                              layout.m_Position.y, layout.m_Size.x, layout.m_Size.y);
}

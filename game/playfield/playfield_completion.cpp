// The end of a round set finished for the first time, or of every ring of
// it found: a picture with the game's and the career's figures written on
// it, kept as a screenshot.

#include <algorithm>

#include "engine/app/sound/sound_list.h"
#include "engine/blit/blit_normal.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/screen_frame.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/slides/slide_show.h"
#include "engine/graphics/slides/text_substitution_list.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/long_date.h"
#include "game/playfield/playfield.h"
#include "game/playfield/playfield_hooks.h"
#include "game/records/difficulty_names.h"
#include "game/records/stats.h"

namespace {

constexpr float kPictureSeconds = 3.0f;
const char* const kWinScreenPattern = "Vantrell Win Screen %02d.jpg";

CString HoursMinutesSeconds(float seconds)
{
    CString text;
    text.FormatHoursMinutesSeconds(seconds);
    return text;
}

} // namespace

void CPlayfield::FillStatsTags(TextSubstitutionList& list) const
{
    CStats& stats = GetStats();
    const CGameStats& game = stats.GetCurrentGame();
    CPlayerStatsForRoundSet* record = stats.GetCurrentRoundSetStats();
    const CGameStats& career = record->m_CareerTotals;
    CRoundSet* roundSet = GetCurrentRoundSet();
    CString roundSetName;
    if (roundSet != nullptr)
        roundSet->GetDisplayName(roundSetName);
    CString date;
    FormatCurrentDate(date);

    list.Add(CString("%s[roundPack]"), roundSetName);
    list.Add(CString("%s[difficulty]"), DifficultyName(game.m_LevelOfDifficulty));
    list.Add(CString("%s[score]"), static_cast<int32_t>(game.m_PointsScored));
    list.Add(CString("%s[playerName]"), stats.GetCurrentPlayer()->m_Name);
    list.Add(CString("%s[Rings]"), static_cast<int32_t>(record->TotalRingsFound()));
    list.Add(CString("%s[TotalRings]"), static_cast<int32_t>(roundSet != nullptr ? roundSet->GetRingTotal() : 0));
    list.Add(CString("%s[careerScore]"), static_cast<int32_t>(career.m_PointsScored + game.m_PointsScored));
    list.Add(CString("%s[bricksDestroyed]"),
             static_cast<int32_t>(career.m_BricksDestroyed + game.m_BricksDestroyed));
    list.Add(CString("%s[ballsLost]"), static_cast<int32_t>(career.m_BallsLost + game.m_BallsLost));
    list.Add(CString("%s[longestGame]"),
             HoursMinutesSeconds(std::max(record->m_CareerBest.m_SecondsPlayed, game.m_SecondsPlayed)));
    list.Add(CString("%s[totalGames]"), static_cast<int32_t>(career.m_GamesFinished + 1));
    list.Add(CString("%s[totalTimePlayed]"), HoursMinutesSeconds(career.m_SecondsPlayed + game.m_SecondsPlayed));
    list.Add(CString("%s[currentDate]"), date);
}

void CPlayfield::CompleteGame()
{
    ShowCompletionPicture({"Completed Game.wav", "Completed Game", "Completed Game", "Completed Generic", kPictureSeconds});
}

void CPlayfield::ShowCompletionPicture(const CompletionPicture& completion)
{
    GetSoundList().PlayByName(completion.sound);
    TextSubstitutionList tags;
    FillStatsTags(tags);
    const bool standardSet = IsStandardRoundSet();
    CFrame* picture = FindNamedFrame(standardSet ? completion.standardPicture : "Splash");
    if (picture == nullptr)
        return;
    CSlideShow slideShow;
    slideShow.SetDelay(completion.seconds);
    slideShow.ShowFrame(picture,
                        FindNamedOverlays(standardSet ? completion.standardOverlays : completion.otherOverlays), &tags);

    CPlayfieldHooks& hooks = GetPlayfieldHooks();
    if (CDirtyRectFrame* drawFrame = hooks.GetDrawFrame())
    {
        // Every surface of the chain holds the picture once the show has
        // faded it in.
        CScreenFrame* screen = GetScreenFrame();
        screen->LockBackBuffer();
        drawFrame->BlitAt(screen, 0, 0, &GetBlitNormal());
        screen->UnlockBackBuffer();
        hooks.SaveScreenshot(kWinScreenPattern, drawFrame);
    }
    slideShow.WaitForDelay();
}

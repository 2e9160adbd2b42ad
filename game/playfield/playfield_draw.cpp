// The round's picture, back to front: the static background (drawn by the
// game controller into the background frame when an area is repainted),
// the background sprites, the mid-ground, the shadows, the sprite lists,
// the foreground and the "Game Over" picture; then the overlays above the
// score board's values.
//
// While a demo records, every drawing step writes its record, so a replay
// draws the same frame without any game logic: which list is drawn where,
// the clip rectangle and the mid-ground, with each sprite writing its own
// draws. The "Game Over" picture is the one layer not recorded: a demo
// never ends a game.

#include <algorithm>

#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_transparent_mask.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/editor_hooks.h"
#include "game/bricks/background_definition.h"
#include "game/bricks/brick_layer.h"
#include "game/bricks/brick_layout.h"
#include "game/playfield/ball_count_down_options.h"
#include "game/playfield/playfield.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/sprite.h"

namespace {

// The playfield's width inside the score board and its left edge: the
// "Game Over" picture is centred over it.
constexpr int32_t kPlayAreaWidth = 615;
constexpr int32_t kPlayAreaLeft = 11;
constexpr int32_t kFullDetail = 2;

// Centred in the span, halved signed: a picture larger than the span
// starts left of it (and is clipped) instead of wrapping far right.
int32_t CentredIn(int32_t span, int32_t size)
{
    return (span - size) / 2;
}

} // namespace

void CPlayfield::DrawMidLayer(CDirtyRectFrame* frame)
{
    if (m_pMidgroundSequence == nullptr || GetPlayfieldHooks().GetBackgroundDetailLevel() < kFullDetail)
        return;
    // A still mid-ground lies in the static background already; here it
    // only refreshes what the sprites moved over.
    if (m_pMidgroundSequence->GetFrameCount() <= 1)
        frame->SetMarkMode(CDirtyRectFrame::MARK_ONLY_DIRTY);
    if (CFrame* picture = m_pMidgroundSequence->GetFrameAtTime())
        frame->BlitAt(picture, 0, 0, &GetBlitNormal());
    frame->SetMarkMode(CDirtyRectFrame::MARK_NORMAL);
}

void CPlayfield::DrawList(CDirtyRectFrame* frame, CSpriteList* list)
{
    if (CMessageStream* stream = GetRecordingStream())
        RecordDrawSpriteList(*stream, list);
    list->Draw(frame);
}

void CPlayfield::Draw(CDirtyRectFrame* frame)
{
    CPlayfieldHooks& hooks = GetPlayfieldHooks();
    const bool editorOpen = GetEditorHooks().IsLevelEditorOpen();
    if (CMessageStream* stream = GetRecordingStream())
        RecordClipRect(*stream, true);
    frame->SetBoundsOverride(&m_ClipRect);

    DrawList(frame, m_pBackgroundSprites);
    if (editorOpen)
        hooks.DrawBackgroundEditorMarks(frame, 1);
    if (CMessageStream* stream = GetRecordingStream())
        RecordDrawMidLayer(*stream);
    DrawMidLayer(frame);

    if (m_pBackgroundDefinition != nullptr && m_pBackgroundDefinition->m_DrawShadows &&
        hooks.GetBackgroundDetailLevel() >= kFullDetail)
    {
        SetShadowOffset(m_pBackgroundDefinition->m_ShadowOffset.x, m_pBackgroundDefinition->m_ShadowOffset.y);
        for (CSpriteList* list : {m_pShip, m_pBricks, m_pBallsInPlay, m_pLooseBalls, m_pFallingPowerUps, m_pShots})
            list->DrawShadows(frame);
    }
    for (CSpriteList* list : {m_pBackEffects, m_pShip, m_pBricks, m_pBallsInPlay, m_pLooseBalls, m_pFallingPowerUps,
                              m_pShots, m_pFrontEffects})
        DrawList(frame, list);
    if (editorOpen)
    {
        hooks.DrawBackgroundEditorMarks(frame, 0);
        m_pBricks->DrawOverlays(frame);
    }
    if (m_pForegroundImage != nullptr)
    {
        frame->SetMarkMode(CDirtyRectFrame::MARK_ONLY_DIRTY);
        frame->BlitAt(m_pForegroundImage, 0, 0, &GetBlitNormal());
        if (!m_ScoreBoardShown)
            hooks.DrawChannelLogo(frame);
        frame->SetMarkMode(CDirtyRectFrame::MARK_NORMAL);
    }

    if (CMessageStream* stream = GetRecordingStream())
        RecordClipRect(*stream, false);
    frame->SetBoundsOverride(nullptr);

    if (m_GameOver)
        DrawGameOverPicture(frame);
}

void CPlayfield::DrawGameOverPicture(CDirtyRectFrame* frame)
{
    CFrame* picture = FindNamedFrame("Game Over");
    if (picture == nullptr)
        return;
    frame->BlitAt(picture, CentredIn(kPlayAreaWidth, picture->GetWidth()) + kPlayAreaLeft,
                  CentredIn(frame->GetHeight(), picture->GetHeight()), &GetBlitTransparentMask());
}

void CPlayfield::DrawBackground(CDirtyRectFrame* frame)
{
    if (GetPlayfieldHooks().GetBackgroundDetailLevel() >= 1)
    {
        if (m_pBackgroundImage != nullptr)
            frame->BlitAt(m_pBackgroundImage, 0, 0, &GetBlitTransparentMask());
        if (m_pMidgroundSequence != nullptr && m_pMidgroundSequence->GetFrameCount() <= 1)
        {
            if (CFrame* still = m_pMidgroundSequence->GetFrame(0))
                frame->BlitAt(still, 0, 0, &GetBlitNormal());
        }
    }
    if (m_pForegroundImage != nullptr)
        frame->BlitAt(m_pForegroundImage, 0, 0, &GetBlitNormal());
    if (m_pBackgroundDefinition != nullptr && !m_pBackgroundDefinition->m_ShowScoreboard)
        GetPlayfieldHooks().DrawChannelLogo(frame);
}

void CPlayfield::DrawOverlays(CDirtyRectFrame* frame)
{
    if (!m_ScoreBoardShown)
        return;
    if (m_pBrickLayer != nullptr)
        m_pBrickLayer->Draw(frame);
    if (m_RoundStarted)
    {
        if (CBrickLayout* round = GetCurrentRound())
            round->CaptureThumbnail(false);
        m_RoundStarted = false;
    }
    if (m_ResumeGuard > 0.0f)
        DrawResumeCountDown(frame);
}

void CPlayfield::DrawResumeCountDown(CDirtyRectFrame* frame)
{
    // The number counts whole seconds up: 2.5 shows 3, and the last
    // fraction of a second still shows 1, never 0.
    const int32_t seconds = std::max(1, static_cast<int32_t>(m_ResumeGuard + 0.999f));
    CString text;
    text.Format("%d", seconds);
    const CBallCountDownDisplayOptions* options = GetBallCountDownOptions();
    CFrame* picture = options->m_FrameToUse != 0
                          ? GetFrameList().GetItemObject(static_cast<uint32_t>(options->m_FrameToUse))
                          : nullptr;
    CFont* font = options->m_FontToUse != 0 ? GetFontLibrary().GetFont(options->m_FontToUse) : nullptr;
    for (CSprite* ball = m_pBallsInPlay->GetHead(); ball != nullptr; ball = ball->GetNext())
    {
        const int32_t x = static_cast<int32_t>(ball->m_Position.x);
        const int32_t y = static_cast<int32_t>(ball->m_Position.y);
        if (picture != nullptr)
            frame->BlitAt(picture, x + options->m_FrameX, y + options->m_FrameY, &GetBlitNormal());
        if (font != nullptr)
            font->DrawText(*frame, x + options->m_FontX, y + options->m_FontY, text, JUSTIFY_CENTER);
    }
}

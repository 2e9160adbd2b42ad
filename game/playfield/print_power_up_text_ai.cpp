#include "game/playfield/print_power_up_text_ai.h"

#include <algorithm>
#include <cmath>

#include "engine/blit/blit_type.h"
#include "engine/blit/blit_type_registry.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "game/playfield/playfield.h"
#include "game/playfield/power_up_text_display_options.h"
#include "game/playfield/sprite.h"
#include "game/playfield/sprite_list.h"

VP_IMPLEMENT_CLASS(CPrintPowerUpTextAI, CSpriteAIBackground, 1.0f)

namespace {

// Texts made since start-up; never reset, so serial numbers only grow.
int32_t s_TextCounter = 0;

// Keeps a text clear of the edge of the field.
constexpr int32_t kEdgeMargin = 4;

CBlitType* TransparentMask()
{
    CBlitTypeRegistry& registry = GetBlitTypeRegistry();
    static const int32_t index = registry.Find("Transparent Mask", -1);
    return registry.GetBlitType(index);
}

} // namespace

void CPrintPowerUpTextAI::RegisterProperties(CClassInfo*)
{
}

CPrintPowerUpTextAI::CPrintPowerUpTextAI()
    : CPrintPowerUpTextAI(CString())
{
}

CPrintPowerUpTextAI::CPrintPowerUpTextAI(const CString& text)
    : m_Text(text)
    , m_RemainingTime(0.0f)
    , m_SerialNumber(++s_TextCounter)
{
    ConstructProperties(SGetClassInfo());
}

CPrintPowerUpTextAI::~CPrintPowerUpTextAI()
{
    DestroyProperties(SGetClassInfo());
}

void CPrintPowerUpTextAI::OnAttach(CSprite* sprite)
{
    const CPowerUpTextDisplayOptions* options = GetPowerUpTextDisplayOptions();
    // The rise is worked out in the draw; the sprite itself never moves.
    sprite->m_Damping = 1.0f;
    sprite->m_DrawnPosition.y = std::min(sprite->m_DrawnPosition.y, options->m_MaxHeightToDrawAt);
    sprite->m_Position.y = std::min(sprite->m_Position.y, static_cast<float>(options->m_MaxHeightToDrawAt));
    m_RemainingTime = options->m_DisplayTime;
}

void CPrintPowerUpTextAI::Update(CSprite* sprite, int32_t)
{
    const float newerTexts = static_cast<float>(s_TextCounter - m_SerialNumber);
    m_RemainingTime -=
        (1.0f + newerTexts * GetPowerUpTextDisplayOptions()->m_SpeedIncreasePerMultipleItems) * 0.016666668f;
    if (m_RemainingTime < 0.0f)
        sprite->Kill();
}

float CPrintPowerUpTextAI::GetOpacity() const
{
    const CPowerUpTextDisplayOptions* options = GetPowerUpTextDisplayOptions();
    const float fadeTime = (1.0f - options->m_RemainOpaque * 0.01f) * options->m_DisplayTime;
    // No fade time (a text opaque to the end, or shown for no time at all)
    // draws opaque rather than dividing by nothing.
    if (!(fadeTime > 0.0f))
        return 1.0f;
    return std::clamp(m_RemainingTime / fadeTime, 0.0f, 1.0f);
}

void CPrintPowerUpTextAI::AfterDraw(CSprite* sprite, CFrameInterface* frame)
{
    const CPowerUpTextDisplayOptions* options = GetPowerUpTextDisplayOptions();
    CFont* font = GetFontLibrary().GetFont(options->m_FontToPrintWith);
    if (font == nullptr)
        return;
    const int32_t halfWidth = font->GetTextWidth(m_Text) / 2;
    const int32_t risen = static_cast<int32_t>((options->m_DisplayTime - m_RemainingTime) * options->m_Speed);
    const int32_t y =
        std::min(options->m_MaxHeightToDrawAt, sprite->m_DrawnPosition.y) - risen - font->GetPointSize();
    const CRect& clip = GetPlayfield()->m_ClipRect;
    // Too wide for both edges, the text keeps clear of the right one.
    int32_t x = std::max(sprite->m_DrawnPosition.x, clip.left + halfWidth + kEdgeMargin);
    x = std::min(x, clip.right - halfWidth - kEdgeMargin);

    CBlitType* blitType = TransparentMask();
    blitType->SetOpacity(GetOpacity());
    font->DrawText(*frame, x, y, m_Text, JUSTIFY_CENTER);
    blitType->SetOpacity(1.0f);
}

CSprite* SpawnFloatingText(const Vector2& position, const CString& text)
{
    CSprite* sprite = new CSprite;
    sprite->AddAI(new CPrintPowerUpTextAI(text));
    sprite->SetPosition(position);
    CSequence* sequence = GetSequenceList().GetItemObject(0);
    sprite->SetSequence(sequence);
    if (sequence != nullptr)
        sprite->m_pBlitType = sequence->GetBlitType();
    GetPlayfield()->m_pFrontEffects->Append(sprite);
    return sprite;
}

#pragma once

#include <cstdint>

#include "engine/core/geometry/vector2d.h"
#include "engine/core/strings/ref_string.h"
#include "game/playfield/sprite_ai_background.h"

class CSprite;

// A text that rises from where something was collected and fades out: the
// names of power-ups, the coin bricks' bonus texts. Texts made in quick
// succession would pile up on one another, so each runs out faster for
// every text made after it.
class CPrintPowerUpTextAI : public CSpriteAIBackground
{
    VP_DECLARE_CLASS(CPrintPowerUpTextAI)
public:
    CPrintPowerUpTextAI();
    explicit CPrintPowerUpTextAI(const CString& text);
    ~CPrintPowerUpTextAI() override;

    void OnAttach(CSprite* sprite) override;
    void Update(CSprite* sprite, int32_t argument) override;
    void AfterDraw(CSprite* sprite, CFrameInterface* frame) override;

    float GetRemainingTime() const { return m_RemainingTime; }
    // How opaque the text draws now, 0 to 1.
    float GetOpacity() const;

private:
    CString m_Text;
    float m_RemainingTime;
    // The count of texts made when this one was.
    int32_t m_SerialNumber;
};

// Makes the text at the point in the playfield's front effects and answers
// its sprite.
CSprite* SpawnFloatingText(const Vector2& position, const CString& text);

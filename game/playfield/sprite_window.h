#pragma once

#include "engine/ui/window.h"

class CFrameInterface;
class CSprite;

// A window that shows one live sprite, updated and drawn by the window
// instead of a playfield list (a preview of the player's ship running its
// own behaviour in a front-end screen). The sprite's image fills the
// window: placing a sprite puts the upper-left corner of its image on the
// window's origin and sizes the window to the image. The window owns the
// sprite; its children are neither updated nor drawn.
class SpriteWindow : public CJWindow
{
public:
    // The sprite may be null.
    SpriteWindow(CJWindow* parent, CSprite* sprite);
    ~SpriteWindow() override;

    // Deletes the sprite held and places the new one; null leaves an empty
    // window of the size it had.
    void SetSprite(CSprite* sprite);
    CSprite* GetSprite() const { return m_pSprite; }

    void Update(float step) override;
    void Draw(CFrameInterface& frame) override;

private:
    void PlaceSprite();

    CSprite* m_pSprite;
};

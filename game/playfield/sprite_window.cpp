#include "game/playfield/sprite_window.h"

#include "game/playfield/sprite.h"

SpriteWindow::SpriteWindow(CJWindow* parent, CSprite* sprite)
    : CJWindow(parent, "~SpriteWindow")
    , m_pSprite(nullptr)
{
    SetSprite(sprite);
}

SpriteWindow::~SpriteWindow()
{
    delete m_pSprite;
}

void SpriteWindow::SetSprite(CSprite* sprite)
{
    delete m_pSprite;
    m_pSprite = sprite;
    PlaceSprite();
}

void SpriteWindow::Update(float)
{
    if (m_pSprite != nullptr)
        m_pSprite->Update();
}

void SpriteWindow::Draw(CFrameInterface& frame)
{
    if (m_pSprite != nullptr)
        m_pSprite->Draw(&frame);
}

void SpriteWindow::PlaceSprite()
{
    if (m_pSprite == nullptr)
        return;
    CRect bounds;
    m_pSprite->GetBounds(bounds);
    m_pSprite->SetPosition(Vector2{static_cast<float>(-bounds.left), static_cast<float>(-bounds.top)});
    SetSize(bounds.right - bounds.left, bounds.bottom - bounds.top);
}

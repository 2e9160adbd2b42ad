#include "game/bricks/brick_preview.h"

#include "engine/graphics/frame.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/playfield/game_sprite.h"

CBrickPreview::CBrickPreview(VirtualArray* list, int32_t itemIndex)
    : CResourceRef(list, itemIndex)
    , m_pSprite(MakeBrickSpriteFromStyle(GetBrickStyleSheetLibrary(), itemIndex))
{
}

CBrickPreview::~CBrickPreview() = default;

CResourceRef* CBrickPreview::Create(VirtualArray* list, int32_t itemIndex)
{
    return new CBrickPreview(list, itemIndex);
}

void CBrickPreview::Draw(CFrame* target, CPoint point)
{
    if (!m_pSprite)
        return;
    m_pSprite->SetPosition({static_cast<float>(point.x), static_cast<float>(point.y)});
    m_pSprite->Draw(target);
}

void CBrickPreview::Update(float)
{
    if (m_pSprite)
        m_pSprite->Update();
}

void CBrickPreview::GetBounds(CRect& bounds)
{
    if (m_pSprite)
        m_pSprite->GetBounds(bounds);
    else
        bounds = CRect{0, 0, kNoPictureEdge, kNoPictureEdge};
}

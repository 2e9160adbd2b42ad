#include "game/playfield/game_sprite.h"

#include "engine/blit/blit_shadow.h"
#include "engine/graphics/frame.h"
#include "engine/object/editor_hooks.h"
#include "game/playfield/sprite_ai.h"

CGameSprite::CGameSprite()
    : m_PreviousPosition{UNSET_POSITION, UNSET_POSITION}
{
}

CGameSprite::~CGameSprite() = default;

// Every visible part whose frame index names a frame of its sequence is
// recorded, also where that frame is absent, so that the replay keeps the
// recording's order of draws.
void CGameSprite::Draw(CFrameInterface* frame)
{
    if (!IsActive())
        return;
    for (const std::unique_ptr<CSpritePart>& part : m_Parts)
    {
        if ((part->m_Flags & PART_VISIBLE) == 0)
            continue;
        const CPoint offset = part->GetIntegerOffset();
        const CPoint at{m_DrawnPosition.x + offset.x, m_DrawnPosition.y + offset.y};
        if (part->IndexNamesFrame())
            RecordDrawWhileRecording(part->GetSequence(), part->GetFrameIndex(), at);
        CFrame* image = part->GetImage();
        if (image != nullptr)
            frame->BlitAt(image, at.x, at.y, m_pBlitType);
    }
    if (GetAI() != nullptr)
        GetAI()->AfterDraw(this, frame);
    CEditorHooks& editor = GetEditorHooks();
    if (editor.IsLevelEditorOpen())
        editor.DrawEditorMarks(frame, this);
}

void CGameSprite::DrawShadow(CFrameInterface* frame)
{
    if (!IsActive() || (m_Flags & SPRITE_NO_SHADOW) != 0)
        return;
    const CPoint shadow = GetShadowOffset();
    for (const std::unique_ptr<CSpritePart>& part : m_Parts)
    {
        CFrame* image = part->GetImage();
        if ((part->m_Flags & PART_VISIBLE) == 0 || image == nullptr)
            continue;
        const CPoint offset = part->GetIntegerOffset();
        frame->BlitAt(image, m_DrawnPosition.x + offset.x + shadow.x, m_DrawnPosition.y + offset.y + shadow.y,
                      &GetBlitAsShadow());
    }
    if (GetAI() != nullptr)
        GetAI()->AfterDrawShadow(this, frame);
}

void CGameSprite::Update()
{
    StorePreviousPosition();
    CSprite::Update();
}

void CGameSprite::GetBounds(CRect& bounds)
{
    bounds = CRect{0, 0, 0, 0};
    bool first = true;
    for (const std::unique_ptr<CSpritePart>& part : m_Parts)
    {
        CFrame* image = part->GetImage();
        if ((part->m_Flags & PART_VISIBLE) == 0 || image == nullptr)
            continue;
        CRect partBounds;
        image->GetBounds(partBounds);
        if (first)
        {
            bounds = partBounds;
            first = false;
            continue;
        }
        bounds.left = partBounds.left < bounds.left ? partBounds.left : bounds.left;
        bounds.top = partBounds.top < bounds.top ? partBounds.top : bounds.top;
        bounds.right = partBounds.right > bounds.right ? partBounds.right : bounds.right;
        bounds.bottom = partBounds.bottom > bounds.bottom ? partBounds.bottom : bounds.bottom;
    }
}

Vector2 CGameSprite::GetPreviousPosition()
{
    return m_PreviousPosition;
}

void CGameSprite::SetPreviousPosition(const Vector2& point)
{
    m_PreviousPosition = point;
}

CFrame* CGameSprite::GetPartImage(int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= m_Parts.size())
        return nullptr;
    return m_Parts[static_cast<size_t>(index)]->GetImage();
}

CFrame* CGameSprite::GetImage()
{
    return GetPartImage(0);
}

int32_t CGameSprite::GetPartCount()
{
    return static_cast<int32_t>(m_Parts.size());
}

CPoint CGameSprite::GetPartOffset(int32_t index)
{
    return GetPart(index)->GetIntegerOffset();
}

bool CGameSprite::TestPartFlags(int32_t index, uint32_t mask)
{
    return (GetPart(index)->m_Flags & mask) == mask;
}

void CGameSprite::StorePreviousPosition()
{
    m_PreviousPosition = m_Position;
}

void CGameSprite::AddPart(CSequence* sequence)
{
    m_Parts.push_back(std::make_unique<CSpritePart>(sequence));
}

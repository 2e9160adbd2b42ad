#include "game/playfield/sprite_ai.h"

VP_IMPLEMENT_ABSTRACT_CLASS(CSpriteAI, CObject, 1.0f)

void CSpriteAI::RegisterProperties(CClassInfo*)
{
}

CSpriteAI::CSpriteAI()
    : m_pNext(nullptr)
{
    ConstructProperties(SGetClassInfo());
}

CSpriteAI::~CSpriteAI()
{
    delete m_pNext;
    DestroyProperties(SGetClassInfo());
}

void CSpriteAI::OnAttach(CSprite*)
{
}

bool CSpriteAI::PassesThrough(CSprite* sprite, CSprite* other, const CollisionMotion& motion)
{
    return m_pNext != nullptr && m_pNext->PassesThrough(sprite, other, motion);
}

void CSpriteAI::AfterDraw(CSprite*, CFrameInterface*)
{
}

void CSpriteAI::AfterDrawShadow(CSprite*, CFrameInterface*)
{
}

void CSpriteAI::AfterDrawOverlay(CSprite*, CFrameInterface*)
{
}

Polygon2D* CSpriteAI::GetCollisionPolygon(CSprite* sprite)
{
    return m_pNext != nullptr ? m_pNext->GetCollisionPolygon(sprite) : nullptr;
}

#pragma once

#include <cstdint>

#include "engine/object/object.h"
#include "engine/object/reflection.h"

class CFrameInterface;
class CSprite;
class Polygon2D;
struct CollisionMotion;

// One behaviour of a sprite's chain. The sprite calls the head of the chain;
// the update and the three draw hooks reach only the head unless a kind
// passes them on, while the collision queries walk the chain by default
// until a behaviour answers. A behaviour owns the rest of the chain.
class CSpriteAI : public CObject
{
    VP_DECLARE_CLASS(CSpriteAI)
public:
    CSpriteAI();
    ~CSpriteAI() override;

    CSpriteAI(const CSpriteAI&) = delete;
    CSpriteAI& operator=(const CSpriteAI&) = delete;

    // Once, when the behaviour joins a sprite.
    virtual void OnAttach(CSprite* sprite);
    virtual bool PassesThrough(CSprite* sprite, CSprite* other, const CollisionMotion& motion);
    // The sprite passes 0 as the argument.
    virtual void Update(CSprite* sprite, int32_t argument) = 0;
    virtual void AfterDraw(CSprite* sprite, CFrameInterface* frame);
    virtual void AfterDrawShadow(CSprite* sprite, CFrameInterface* frame);
    virtual void AfterDrawOverlay(CSprite* sprite, CFrameInterface* frame);
    virtual Polygon2D* GetCollisionPolygon(CSprite* sprite);

    CSpriteAI* GetNext() const { return m_pNext; }

private:
    friend class CSprite;

    CSpriteAI* m_pNext;
};

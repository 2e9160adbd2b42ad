#include "game/bricks/brick_polygon_adapter.h"

#include "game/bricks/brick_base.h"
#include "game/playfield/game_sprite.h"

Polygon2D* CBrickPolygonAdapter::Get() const
{
    return m_pBrick->GetCollisionPolygon(m_pBrick->GetSprite());
}

void CBrickPolygonAdapter::Set(const Polygon2D& polygon) const
{
    m_pBrick->SetCollisionPolygon(polygon);
}

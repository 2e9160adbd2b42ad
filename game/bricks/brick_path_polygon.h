#pragma once

#include <cstdint>

#include "engine/core/geometry/polygon2d.h"
#include "game/bricks/brick_base.h"
#include "game/bricks/brick_style_sheet.h"

class CColor;

// A placed brick that is no brick for the player: it carries a path,
// relative to its own position, along which movement scripts carry other
// bricks, straight from point to point or along a smooth curve. It cannot
// be destroyed, lets balls and bricks through and never holds up the end of
// a round.
class CBrickPathPolygon : public CBrickBase
{
    VP_DECLARE_CLASS(CBrickPathPolygon)
public:
    CBrickPathPolygon();
    ~CBrickPathPolygon() override;

    // The path is the collision, grid and edited polygon alike; the sprite
    // never collides.
    Polygon2D* GetCollisionPolygon(CSprite* sprite) override;
    void SetCollisionPolygon(const Polygon2D& polygon) override;
    Polygon2D* GetGridPolygon() override;
    void OnAcidHit(AcidHitQuery& query) override;
    // The plug-ins' overlays and, when selected, the whole path.
    void DrawEditorOverlay(EditorDrawContext& context) override;
    const CString& GetTypeDisplayName() const override;
    const char* GetDefaultNamePrefix() const override;
    bool AppearsWithoutBrickLayer() const override;
    bool LetsBallPassThrough(CHitterOfBricks* hitter) const override;
    bool MustBeDestroyedToFinish() const override;
    CClassInfo* GetStyleSheetClass() const override;
    // Shown only with the markers; never collidable.
    void ApplyStyleSheet() override;
    bool BlocksBricks() const override;
    int32_t OnDestroyed(const BrickDestroyInfo& info) override;

    // The playfield point at fraction t (0..1) of the path. Open leaves the
    // last edge out; a negative length makes the call measure the path.
    Vector2 GetPointAt(float t, bool open, float length) const;
    // The path in the colour, at the brick's place.
    void DrawPath(CFrameInterface& frame, bool open, const CColor& colour) const;

    Polygon2D m_Polygon;
    bool m_CurvedPath;

private:
    // The length of the path's first edges; 0 for no edge (the polygon's
    // own measure counts every edge for 0).
    float MeasureEdges(int32_t edgeCount) const;
    Vector2 CurvePoint(uint32_t edge, float u, bool open) const;
    Vector2 GetOrigin() const;
};

class CBrickStyleSheetPathPolygon : public CBrickStyleSheet
{
    VP_DECLARE_CLASS(CBrickStyleSheetPathPolygon)
public:
    CBrickStyleSheetPathPolygon();
    ~CBrickStyleSheetPathPolygon() override;

    CClassInfo* GetBrickClass() const override;
    int32_t GetPrimarySequence() const override;

    int32_t m_PrimarySequence;
};

#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/playfield/sprite.h"
#include "game/playfield/sprite_part.h"

// The sprite of every game object that shows several images or needs to
// know where it was a step ago: balls, the ship, bricks, capsules, shots.
// Its parts are drawn in order, later over earlier, and collide as one
// sprite. Its previous position, the start of its move in the polygon
// pass, stays unset until its first update, so a sprite made this step
// neither moves by sweeping nor blocks anyone.
class CGameSprite : public CSprite
{
public:
    CGameSprite();
    ~CGameSprite() override;

    void Draw(CFrameInterface* frame) override;
    void DrawShadow(CFrameInterface* frame) override;
    void Update() override;
    // The union of the visible parts' image bounds around their hot spots,
    // without the part offsets.
    void GetBounds(CRect& bounds) override;
    Vector2 GetPreviousPosition() override;
    void SetPreviousPosition(const Vector2& point) override;
    CFrame* GetPartImage(int32_t index) override;
    CFrame* GetImage() override;
    int32_t GetPartCount() override;
    CPoint GetPartOffset(int32_t index) override;
    bool TestPartFlags(int32_t index, uint32_t mask) override;

    // Previous position := position.
    virtual void StorePreviousPosition();

    // A new visible, collidable part at progress 0 and offset (0, 0).
    void AddPart(CSequence* sequence);
    // index must be below the part count.
    CSpritePart* GetPart(int32_t index) const { return m_Parts[static_cast<size_t>(index)].get(); }

private:
    std::vector<std::unique_ptr<CSpritePart>> m_Parts;
    Vector2 m_PreviousPosition;
};

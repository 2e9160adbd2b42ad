#pragma once

#include <cstdint>
#include <memory>

#include "engine/core/lists/resource_ref.h"

class CGameSprite;

// An animated brick of one style sheet for item browsers: a sprite carrying
// a fresh brick of the style sheet's kind, drawn wherever the browser asks.
class CBrickPreview : public CResourceRef
{
public:
    CBrickPreview(VirtualArray* list, int32_t itemIndex);
    ~CBrickPreview() override;

    // The library's reference factory.
    static CResourceRef* Create(VirtualArray* list, int32_t itemIndex);

    void Draw(CFrame* target, CPoint point) override;
    // One sprite step, which animates the brick.
    void Update(float seconds) override;
    void GetBounds(CRect& bounds) override;

private:
    // None when the library holds no such style sheet.
    std::unique_ptr<CGameSprite> m_pSprite;
};

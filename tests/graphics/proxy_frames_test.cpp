#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/core/color/color.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/mapped_proxy_frames.h"
#include "engine/graphics/opacity_proxy_frame.h"
#include "tests/support/frame_pixels.h"

namespace {

// A 16-bit frame that remembers the alpha of every colour and the opacity
// of every blit type that reached it.
class CSpyFrame : public CFrame
{
public:
    CSpyFrame(uint32_t width, uint32_t height) { Create(width, height, 16); }

    void FillRect(const CRect& rect, const CColor& colour) override
    {
        alphas.push_back(colour.m_Alpha);
        CFrame::FillRect(rect, colour);
    }
    using CFrameInterface::FillRect;
    void SetPixel(int32_t x, int32_t y, const CColor& colour) override
    {
        alphas.push_back(colour.m_Alpha);
        CFrame::SetPixel(x, y, colour);
    }
    bool Blit(CFrameInterface* source, CRect& sourceRect, CRect& destinationRect, CBlitType* blitType) override
    {
        opacities.push_back(blitType->GetOpacity());
        return CFrame::Blit(source, sourceRect, destinationRect, blitType);
    }

    std::vector<int32_t> alphas;
    std::vector<float> opacities;
};

// Every pixel set is inside the rectangle and every pixel inside is set.
testing::AssertionResult OnlyInside(const CFrame& frame, const CRect& rect, uint32_t value)
{
    for (int32_t y = 0; y < frame.GetHeight(); y++)
        for (int32_t x = 0; x < frame.GetWidth(); x++)
        {
            const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
            if (ReadPixel(frame, x, y) != (inside ? value : 0u))
                return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << ReadPixel(frame, x, y);
        }
    return testing::AssertionSuccess();
}

bool SameRect(const CRect& a, const CRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TEST(CClippedProxyFrame, DrawsAndReadsOnlyInsideItsClip)
{
    CSpyFrame target(32, 32);
    CClippedProxyFrame proxy(&target);
    proxy.SetClipRect(CRect{10, 10, 20, 20});
    proxy.SetPixel(20, 15, ColorWhite);
    CColor colour;
    EXPECT_FALSE(proxy.GetPixel(9, 12, colour));
    EXPECT_TRUE(target.alphas.empty());
    proxy.FillRect(CRect{0, 0, 100, 100}, ColorWhite);
    EXPECT_TRUE(OnlyInside(target, CRect{10, 10, 20, 20}, 0xFFFF));
    EXPECT_TRUE(proxy.GetPixel(10, 12, colour));
    EXPECT_EQ(proxy.GetWidth(), 10);
    EXPECT_EQ(proxy.GetHeight(), 10);
    EXPECT_EQ(proxy.GetRealFrame(), &target);
}

TEST(CClippedProxyFrame, ClipOutsideTheTargetAnswersEmptyBounds)
{
    CFrame target;
    target.Create(10, 10, 16);
    CClippedProxyFrame proxy(&target);
    proxy.SetClipRect(CRect{20, 30, 40, 50});
    CRect bounds;
    proxy.GetBounds(bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);
    EXPECT_EQ(bounds.bottom - bounds.top, 0);
    proxy.FillRect(CRect{0, 0, 100, 100}, ColorWhite);
    EXPECT_TRUE(OnlyInside(target, CRect{0, 0, 0, 0}, 0));
}

TEST(COffsetClippedProxyFrame, MovesIntoTheWindowAndClipsToIt)
{
    CFrame target;
    target.Create(200, 100, 16);
    COffsetClippedProxyFrame proxy(&target);
    proxy.SetOffset(-100, -50);
    proxy.SetClipRect(CRect{0, 0, 40, 30});
    proxy.SetPixel(5, 5, ColorWhite);
    EXPECT_EQ(ReadPixel(target, 105, 55), 0xFFFFu);
    CRect bounds;
    proxy.GetBounds(bounds);
    EXPECT_TRUE(SameRect(bounds, CRect{0, 0, 40, 30}));
    EXPECT_EQ(proxy.GetUpperLeftXOffset(), -100);
    EXPECT_EQ(proxy.GetPixelValue(5, 5), 0xFFFFu);
    EXPECT_EQ(proxy.GetPixelValue(40, 5), 0u);

    // A blit and a line land in the window and no further.
    WritePixel(target, 105, 55, 0);
    CFrame source;
    source.Create(60, 60, 16);
    source.Fill(ColorWhite);
    EXPECT_TRUE(proxy.BlitAt(&source, -10, -10, &GetBlitNormal()));
    EXPECT_TRUE(OnlyInside(target, CRect{100, 50, 140, 80}, 0xFFFF));
    target.Clear();
    proxy.DrawLine(-20, 3, 100, 3, ColorWhite);
    EXPECT_TRUE(OnlyInside(target, CRect{100, 53, 140, 54}, 0xFFFF));
}

TEST(COffsetClippedProxyFrame, ClearReachesTheWholeTargetAndTheMappedClearOnlyTheWindow)
{
    CFrame target;
    target.Create(200, 100, 16);
    COffsetClippedProxyFrame proxy(&target);
    proxy.SetOffset(-100, -50);
    proxy.SetClipRect(CRect{0, 0, 40, 30});
    target.Fill(ColorWhite);
    proxy.ClearRectMapped(CRect{-5, -5, 500, 500});
    for (int32_t y = 0; y < 100; y++)
        for (int32_t x = 0; x < 200; x++)
        {
            const bool window = x >= 100 && x < 140 && y >= 50 && y < 80;
            ASSERT_EQ(ReadPixel(target, x, y), window ? 0u : 0xFFFFu) << x << ", " << y;
        }
    proxy.Clear();
    EXPECT_TRUE(OnlyInside(target, CRect{0, 0, 0, 0}, 0));
}

TEST(COffsetProxyFrame, BoundsOffsetsAndPixelsMoveByTheOffset)
{
    CFrame target;
    target.Create(10, 10, 16);
    WritePixel(target, 2, 2, 0x1234);
    COffsetProxyFrame proxy(&target);
    proxy.SetOffset(3, 4);
    CRect bounds;
    proxy.GetBounds(bounds);
    EXPECT_TRUE(SameRect(bounds, CRect{3, 4, 13, 14}));
    EXPECT_EQ(proxy.GetUpperLeftXOffset(), 3);
    EXPECT_EQ(proxy.GetUpperLeftYOffset(), 4);
    EXPECT_EQ(proxy.GetPixelValue(5, 6), 0x1234u);
    proxy.FillRect(CRect{3, 4, 5, 5}, ColorWhite);
    EXPECT_EQ(ReadPixel(target, 0, 0), 0xFFFFu);
    EXPECT_EQ(ReadPixel(target, 1, 0), 0xFFFFu);
    EXPECT_EQ(ReadPixel(target, 2, 0), 0u);
}

TEST(COpacityProxyFrame, ScalesAlphaAndBlitOpacityForOneCall)
{
    CSpyFrame target(8, 8);
    COpacityProxyFrame proxy;
    proxy.SetTarget(&target);
    proxy.SetOpacity(0.5f);
    proxy.FillRect(CRect{0, 0, 1, 1}, CColor(10, 20, 30, 255));
    proxy.SetPixel(1, 1, CColor(10, 20, 30, 1));
    EXPECT_EQ(target.alphas, (std::vector<int32_t>{128, 0}));

    CFrame source;
    source.Create(2, 2, 16);
    CBlitType& normal = GetBlitNormal();
    normal.SetOpacity(0.8f);
    proxy.BlitAt(&source, 0, 0, &normal);
    ASSERT_EQ(target.opacities.size(), 1u);
    EXPECT_FLOAT_EQ(target.opacities[0], 0.4f);
    EXPECT_FLOAT_EQ(normal.GetOpacity(), 0.8f);
    normal.SetOpacity(1.0f);
}

TEST(COpacityProxyFrame, NestedProxiesMultiply)
{
    CSpyFrame target(8, 8);
    COpacityProxyFrame inner;
    inner.SetTarget(&target);
    inner.SetOpacity(0.5f);
    COpacityProxyFrame outer;
    outer.SetTarget(&inner);
    outer.SetOpacity(0.5f);
    outer.DrawLine(0, 0, 3, 0, CColor(1, 2, 3, 255));
    outer.FillRect(CRect{0, 0, 1, 1}, CColor(1, 2, 3, 255));
    EXPECT_EQ(target.alphas, (std::vector<int32_t>{64}));
    CFrame source;
    source.Create(2, 2, 16);
    outer.BlitAt(&source, 0, 0, &GetBlitNormal());
    ASSERT_EQ(target.opacities.size(), 1u);
    EXPECT_FLOAT_EQ(target.opacities[0], 0.25f);
    EXPECT_FLOAT_EQ(GetBlitNormal().GetOpacity(), 1.0f);
}

TEST(CProxyFrame, EveryKindWithoutATargetDrawsNothingAndAnswersNothing)
{
    std::vector<std::unique_ptr<CProxyFrame>> proxies;
    proxies.push_back(std::make_unique<CProxyFrame>());
    proxies.push_back(std::make_unique<CClippedProxyFrame>());
    proxies.push_back(std::make_unique<COffsetProxyFrame>());
    proxies.push_back(std::make_unique<COffsetClippedProxyFrame>());
    proxies.push_back(std::make_unique<COpacityProxyFrame>());
    CFrame source;
    source.Create(4, 4, 16);
    for (auto& proxy : proxies)
    {
        SCOPED_TRACE(proxy->GetClassInfo()->GetClassName());
        EXPECT_FALSE(proxy->BlitAt(&source, 0, 0, &GetBlitNormal()));
        proxy->Clear();
        proxy->ClearRect(CRect{0, 0, 4, 4});
        proxy->Fill(ColorWhite);
        proxy->FillBytes(1);
        proxy->FillRect(CRect{0, 0, 4, 4}, ColorWhite);
        proxy->DrawLine(0, 0, 3, 3, ColorWhite);
        proxy->DrawLineAA(0.0f, 0.0f, 3.0f, 3.0f, ColorWhite);
        proxy->SetPixel(1, 1, ColorWhite);
        proxy->RemapRect(CRect{0, 0, 4, 4}, nullptr);
        CColor colour;
        EXPECT_FALSE(proxy->GetPixel(1, 1, colour));
        EXPECT_EQ(proxy->GetPixelValue(1, 1), 0u);
        EXPECT_FALSE(proxy->HitTestPixel(1, 1));
        EXPECT_EQ(proxy->GetPixels(), nullptr);
        EXPECT_EQ(proxy->GetRowOffsets(), nullptr);
        EXPECT_EQ(proxy->GetRealFrame(), nullptr);
        EXPECT_EQ(proxy->GetFormat(), 0u);
        EXPECT_EQ(proxy->GetWidth(), 0);
        EXPECT_EQ(proxy->GetHeight(), 0);
        CRect bounds{1, 2, 3, 4};
        proxy->GetBounds(bounds);
        EXPECT_EQ(bounds.right - bounds.left, 0);
        EXPECT_EQ(bounds.bottom - bounds.top, 0);
    }
}

TEST(CProxyFrame, ClassesAreRegisteredUnderTheirParents)
{
    EXPECT_EQ(CProxyFrame::SGetClassInfo()->GetParent(), CFrameInterface::SGetClassInfo());
    for (CClassInfo* info : {CClippedProxyFrame::SGetClassInfo(), COffsetProxyFrame::SGetClassInfo(),
                             COffsetClippedProxyFrame::SGetClassInfo(), COpacityProxyFrame::SGetClassInfo()})
        EXPECT_EQ(info->GetParent(), CProxyFrame::SGetClassInfo()) << info->GetClassName();
}

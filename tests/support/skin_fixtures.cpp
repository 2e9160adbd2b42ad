#include "tests/support/skin_fixtures.h"

#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/run_length_encoder.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "tests/support/frame_pixels.h"

SkinFrames::SkinFrames()
{
    GetFrameList().DeleteAllItems();
    Add("!None", CRect{0, 0, 1, 1});
}

SkinFrames::~SkinFrames()
{
    GetFrameList().DeleteAllItems();
}

int32_t SkinFrames::Add(const std::string& name, const CRect& bounds)
{
    CFrame* frame = new CFrame;
    frame->Create(static_cast<uint32_t>(bounds.right - bounds.left), static_cast<uint32_t>(bounds.bottom - bounds.top),
                  16);
    FillWithCounting(*frame);
    frame->SetUpperLeftOffset(bounds.left, bounds.top);
    return GetFrameList().AddItemWithObject(frame, name.c_str());
}

int32_t SkinFrames::AddAlphaRunLength(const std::string& name, const CRect& bounds)
{
    const int32_t width = bounds.right - bounds.left;
    const int32_t height = bounds.bottom - bounds.top;
    CFrame* frame = new CFrame;
    frame->Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 32);
    for (int32_t y = 0; y < height; y++)
        for (int32_t x = 0; x < width; x++)
            WritePixel(*frame, x, y, 0xFFFFFFFFu);
    WritePixel(*frame, 0, 0, 0);
    WritePixel(*frame, width - 1, height - 1, 0x80FFFFFFu);
    const int32_t fillThreshold = GetRleFillThreshold();
    SetRleFillThreshold(64);
    CImageFilterChain chain;
    chain.SetDepthOverride(16);
    chain.InsertStep(new CImageStepRunLength(CImageStepRunLength::ALPHA));
    chain.AddStep(IMAGE_STEP_BIT_DEPTH);
    chain.Apply(*frame);
    SetRleFillThreshold(fillThreshold);
    frame->SetUpperLeftOffset(bounds.left, bounds.top);
    return GetFrameList().AddItemWithObject(frame, name.c_str());
}

CFrame* SkinFrames::Get(int32_t index) const
{
    return GetFrameList().GetItemObject(static_cast<uint32_t>(index));
}

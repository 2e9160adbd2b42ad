#include "tests/support/skin_fixtures.h"

#include "engine/graphics/frame.h"
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

CFrame* SkinFrames::Get(int32_t index) const
{
    return GetFrameList().GetItemObject(static_cast<uint32_t>(index));
}

#include "engine/graphics/image_filter_chain.h"

#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_steps.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/run_length_encoder.h"

CImageFilterChain::CImageFilterChain(int32_t type)
    : m_pNext(nullptr)
    , m_pHead(this)
    , m_Type(type)
    , m_DepthOverride(-1)
    , m_Closed(false)
{
}

CImageFilterChain::~CImageFilterChain()
{
    Clear();
}

CImageFilterChain* CImageFilterChain::Clone() const
{
    return new CImageFilterChain(0);
}

bool CImageFilterChain::ApplyStep(CFrame&, const CRect&)
{
    return true;
}

CImageFilterChain* CImageFilterChain::FindStep(int32_t type) const
{
    for (CImageFilterChain* step = m_pNext; step; step = step->m_pNext)
        if (step->m_Type == type)
            return step;
    return nullptr;
}

bool CImageFilterChain::InsertStep(CImageFilterChain* step)
{
    if (m_Closed || HasStep(step->m_Type))
        return false;
    CImageFilterChain* before = this;
    while (before->m_pNext && before->m_pNext->m_Type < step->m_Type)
        before = before->m_pNext;
    step->m_pNext = before->m_pNext;
    step->m_pHead = this;
    before->m_pNext = step;
    return true;
}

bool CImageFilterChain::AddStep(int32_t id)
{
    if (m_Closed)
        return false;
    CImageFilterChain* step = nullptr;
    switch (id)
    {
    case IMAGE_STEP_CENTER_HOT_SPOT:
        step = new CImageStepCenterHotSpot;
        break;
    case IMAGE_STEP_ALPHA_THRESHOLD:
        step = new CImageStepAlphaThreshold(static_cast<int32_t>(0.019607844f * 255.0f));
        break;
    case IMAGE_STEP_BLACK_TO_TRANSPARENT:
        step = new CImageStepBlackToTransparent;
        break;
    case IMAGE_STEP_COLOR_THRESHOLD:
        step = new CImageStepMaxColorThreshold(15);
        break;
    case IMAGE_STEP_TRIM:
        step = new CImageStepTrim;
        break;
    case IMAGE_STEP_UNPREMULTIPLY:
        step = new CImageStepUnpremultiply;
        break;
    case IMAGE_STEP_RUN_LENGTH:
        step = new CImageStepRunLength(GetTargetDepth() == 8 ? CImageStepRunLength::FIVE_LAYERS
                                                              : CImageStepRunLength::ALPHA);
        break;
    case IMAGE_STEP_RUN_LENGTH_ALPHA:
        step = new CImageStepRunLength(CImageStepRunLength::ALPHA);
        break;
    case IMAGE_STEP_PALETTE_REDUCE:
        step = new CImageStepPaletteReduce;
        break;
    case IMAGE_STEP_BIT_DEPTH:
    case IMAGE_STEP_BIT_DEPTH_DITHERED:
        step = new CBitDepthFilter(GetDisplayBitDepth(), id == IMAGE_STEP_BIT_DEPTH_DITHERED);
        break;
    default:
        return false;
    }
    if (!InsertStep(step))
    {
        delete step;
        return false;
    }
    // Black becomes alpha, which the un-premultiply step turns back into
    // colour; an 8-bit target keeps black as index 0 instead.
    if (id == IMAGE_STEP_BLACK_TO_TRANSPARENT && GetTargetDepth() != 8)
        AddStep(IMAGE_STEP_UNPREMULTIPLY);
    return true;
}

bool CImageFilterChain::RemoveStep(int32_t type)
{
    if (m_Closed)
        return false;
    for (CImageFilterChain* before = this; before->m_pNext; before = before->m_pNext)
    {
        CImageFilterChain* step = before->m_pNext;
        if (step->m_Type == type)
        {
            before->m_pNext = step->m_pNext;
            step->m_pNext = nullptr;
            delete step;
            return true;
        }
    }
    return false;
}

// Unlinked one by one, so deleting a long chain never recurses.
void CImageFilterChain::Clear()
{
    while (m_pNext)
        RemoveStepAfterHead();
}

void CImageFilterChain::RemoveStepAfterHead()
{
    CImageFilterChain* step = m_pNext;
    m_pNext = step->m_pNext;
    step->m_pNext = nullptr;
    delete step;
}

void CImageFilterChain::CopyStepsInto(CImageFilterChain& other) const
{
    for (const CImageFilterChain* step = m_pNext; step; step = step->m_pNext)
    {
        CImageFilterChain* clone = step->Clone();
        if (!other.InsertStep(clone))
            delete clone;
    }
}

int32_t CImageFilterChain::GetTargetDepth() const
{
    for (const CImageFilterChain* step = this; step; step = step->m_pNext)
        if (step->m_Type == IMAGE_STEP_BIT_DEPTH)
            return static_cast<const CBitDepthFilter*>(step)->m_TargetDepth;
    return m_pHead->GetDepthOverride();
}

int32_t CImageFilterChain::GetDepthOverride() const
{
    return m_pHead->m_DepthOverride > 0 ? m_pHead->m_DepthOverride : GetDisplayBitDepth();
}

bool CImageFilterChain::Apply(CFrame& frame)
{
    const CRect context{0, 0, frame.GetWidth(), frame.GetHeight()};
    bool result = ApplyStep(frame, context);
    for (CImageFilterChain* step = m_pNext; step; step = step->m_pNext)
        result = step->ApplyStep(frame, context) && result;
    return result;
}

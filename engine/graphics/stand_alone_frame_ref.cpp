#include "engine/graphics/stand_alone_frame_ref.h"

#include "engine/blit/blit_type_registry.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/stand_alone_frame.h"

CStandAloneFrameRef::CStandAloneFrameRef(VirtualArray* list, int32_t itemIndex, CFrame* frame)
    : CResourceRef(list, itemIndex)
    , m_pFrame(frame)
{
}

void CStandAloneFrameRef::Draw(CFrame* target, CPoint point)
{
    if (m_pFrame == nullptr)
        return;
    CBlitType* blitType = nullptr;
    if (m_pFrame->IsKindOf(CStandAloneFrame::SGetClassInfo()))
        blitType = static_cast<CStandAloneFrame*>(m_pFrame)->GetBlitType();
    else
        blitType = GetBlitTypeRegistry().GetBlitType(GetBlitTypeRegistry().Find("Transparent Mask", -1));
    target->BlitAt(m_pFrame, point.x, point.y, blitType);
}

void CStandAloneFrameRef::Update(float)
{
}

void CStandAloneFrameRef::GetBounds(CRect& bounds)
{
    if (m_pFrame == nullptr)
    {
        bounds = CRect{0, 0, 0, 0};
        return;
    }
    m_pFrame->GetBounds(bounds);
}

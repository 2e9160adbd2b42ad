#include "engine/blit/blit_acid_dissolve.h"

#include "engine/blit/acid_dissolve_composite.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"

namespace {

void AcidDissolveRle16AlphaTo16(CFrameInterface* source, const CRect& sourceRect, CFrameInterface* destination,
                                const CRect& destinationRect, CBlitType* blitType)
{
    static_cast<CAcidDissolveBlitType*>(blitType)->Draw(source, sourceRect, destination, destinationRect);
}

} // namespace

CAcidDissolveBlitType::CAcidDissolveBlitType(int32_t maskSequence, int32_t overlaySequence, int32_t xOffset,
                                             int32_t yOffset)
    : m_MaskSequence(maskSequence)
    , m_OverlaySequence(overlaySequence)
    , m_XOffset(xOffset)
    , m_YOffset(yOffset)
    , m_Time(0.0f)
    , m_Finished(false)
{
    AddEntry(16, 4, 16, 0, AcidDissolveRle16AlphaTo16);
}

CSequence* CAcidDissolveBlitType::GetSequence(int32_t index)
{
    return GetSequenceList().GetItemObject(static_cast<uint32_t>(index));
}

CFrame* CAcidDissolveBlitType::FrameNow(int32_t sequenceIndex)
{
    CSequence* sequence = GetSequence(sequenceIndex);
    const uint32_t count = sequence ? sequence->GetFrameCount() : 0;
    if (count == 0)
    {
        m_Finished = true;
        return nullptr;
    }
    // Held in floating point before converting: a huge or NaN product
    // must not become an integer.
    const float position = sequence->GetEffectiveFps() * m_Time;
    uint32_t index = count - 1;
    if (position >= 0.0f && position < static_cast<float>(count))
        index = static_cast<uint32_t>(position);
    else
        m_Finished = true;
    return sequence->GetFrame(index);
}

void CAcidDissolveBlitType::Draw(CFrameInterface* brick, const CRect& sourceRect, CFrameInterface* destination,
                                 const CRect& destinationRect)
{
    CFrame* overlay = FrameNow(m_OverlaySequence);
    CFrame* mask = FrameNow(m_MaskSequence);
    if (overlay == nullptr || mask == nullptr)
        return;
    DrawAcidComposite(brick, sourceRect, destination, destinationRect, mask, overlay, m_XOffset, m_YOffset);
}

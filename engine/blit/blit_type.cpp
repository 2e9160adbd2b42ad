#include "engine/blit/blit_type.h"

#include <cmath>

#include "engine/core/files/stream.h"
#include "engine/graphics/frame_format.h"
#include "engine/graphics/frame_interface.h"
#include "engine/graphics/pixel_formats.h"

CBlitType::CBlitType(Kind kind)
    : m_Opacity(1.0f)
    , m_TranslucencyLevel(0)
    , m_OpacityByte(255)
    , m_CachedKey(0)
    , m_CachedRoutine(nullptr)
    , m_Kind(kind)
{
}

CBlitType::~CBlitType() = default;

BlitRoutine CBlitType::Lookup(const CFrameInterface* source, const CFrameInterface* destination)
{
    const uint32_t sourceFormat = source->GetFormat();
    const uint32_t destinationFormat = destination->GetFormat();
    const uint32_t key = (sourceFormat & FRAME_BLIT_KEY_MASK) << 16 | (destinationFormat & FRAME_BLIT_KEY_MASK);
    if (key == m_CachedKey)
        return m_CachedRoutine;
    BlitRoutine found = nullptr;
    const int32_t sourceBits = source->GetBitsPerPixel();
    const int32_t destinationBits = destination->GetBitsPerPixel();
    const int32_t sourceEncoding = static_cast<int32_t>(sourceFormat & FRAME_ENCODING_MASK);
    const int32_t destinationEncoding = static_cast<int32_t>(destinationFormat & FRAME_ENCODING_MASK);
    for (const Entry& entry : m_Entries)
    {
        if (entry.sourceBits == sourceBits && entry.sourceEncoding == sourceEncoding &&
            entry.destinationBits == destinationBits && entry.destinationEncoding == destinationEncoding)
        {
            found = entry.routine;
            break;
        }
    }
    m_CachedKey = key;
    m_CachedRoutine = found;
    return found;
}

void CBlitType::AddEntry(int32_t sourceBits, int32_t sourceEncoding, int32_t destinationBits,
                         int32_t destinationEncoding, BlitRoutine routine)
{
    for (Entry& entry : m_Entries)
    {
        if (entry.sourceBits == sourceBits && entry.sourceEncoding == sourceEncoding &&
            entry.destinationBits == destinationBits && entry.destinationEncoding == destinationEncoding)
        {
            entry.routine = routine;
            return;
        }
    }
    m_Entries.Add(Entry{sourceBits, sourceEncoding, destinationBits, destinationEncoding, routine});
    // A cached miss of this pair would hide the new routine.
    m_CachedKey = 0;
    m_CachedRoutine = nullptr;
}

void CBlitType::SetOpacity(float opacity)
{
    if (std::isnan(opacity))
        opacity = 1.0f;
    m_Opacity = opacity < 0.0f ? 0.0f : (opacity > 1.0f ? 1.0f : opacity);
    m_OpacityByte = static_cast<int32_t>(std::nearbyint(m_Opacity * 255.0f));
    m_TranslucencyLevel = TranslucencyLevelTable[m_OpacityByte];
}

void CBlitType::WriteOpacity(CStream& stream)
{
    stream.Write(&m_Opacity, 4);
}

void CBlitType::ReadOpacity(CStream& stream)
{
    float opacity = m_Opacity;
    stream.Read(&opacity, 4);
    SetOpacity(opacity);
}

#pragma once

#include <cstdint>

#include "engine/object/object.h"

// One frame's place in a ".Sequence" strip: its rectangle in the strip
// image (right and bottom exclusive) and its upper-left offsets from its
// hot spot.
class CFrameInfo : public CObject
{
    VP_DECLARE_CLASS(CFrameInfo)
public:
    CFrameInfo();
    ~CFrameInfo() override;

    int32_t m_Left;
    int32_t m_Top;
    int32_t m_Right;
    int32_t m_Bottom;
    int32_t m_UpperLeftXOffset;
    int32_t m_UpperLeftYOffset;
};

// The table of a strip: one entry per frame of the sequence (none for an
// absent frame), whether the frames were run-length encoded when the strip
// was written, and the sequence's flags, blit type index and frame rate.
class CSequenceFrameInfoList : public CObject
{
    VP_DECLARE_CLASS(CSequenceFrameInfoList)
public:
    CSequenceFrameInfoList();
    ~CSequenceFrameInfoList() override;

    uint32_t GetCount() const { return m_Count; }
    CFrameInfo* GetInfo(uint32_t index) const { return m_pChildList[index]; }
    // Takes the entry, which may be null.
    void Append(CFrameInfo* info);

    bool m_WasRLE;
    uint32_t m_Flags;
    uint32_t m_BlitType;
    float m_FPS;

private:
    CFrameInfo** m_pChildList;
    uint32_t m_Count;
    uint32_t m_Capacity;
};

// Strips never grow a row past this width: frame widths are 16-bit, and a
// row this wide leaves room for one more frame of any width below the
// margin.
constexpr int32_t kStripRowWidthLimit = 65500;

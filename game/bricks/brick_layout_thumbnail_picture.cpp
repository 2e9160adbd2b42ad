// The thumbnail picture: taken from the screen during play, stored in the
// level as a JPEG block, decoded again for the round choosers.
//
// The block comes from level files that players share, so it is trusted
// no further than its header: only a 105 x 80 image is decoded, and a
// block that fails leaves no picture (the choosers then show the folder
// picture) while the block itself stays as stored.

#include <cstdio>
#include <cstdlib>

#include "engine/blit/blit_normal.h"
#include "engine/blit/blit_normal_scale.h"
#include "engine/core/color/color.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/jpeg_codec.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/object_files.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/round_set_library.h"
#include "game/playfield/playfield.h"
#include "game/playfield/playfield_hooks.h"
#include "game/playfield/tessivue_display.h"

namespace {

constexpr uint32_t kThumbnailWidth = 105;
constexpr uint32_t kThumbnailHeight = 80;
constexpr float kShownSeconds = 10.0f;
const CColor kCaptureOutline(100, 255, 100, 255);

CFrame* NewThumbnailFrame()
{
    CFrame* frame = new CFrame;
    frame->Create(kThumbnailWidth, kThumbnailHeight, GetDisplayBitDepth());
    return frame;
}

bool HasThumbnailSize(const uint8_t* block, uint32_t size)
{
    CFile file;
    file.Attach(new CMemoryStream(const_cast<uint8_t*>(block), size, false), OPEN_READ);
    int32_t width = 0;
    int32_t height = 0;
    return ReadJpegSize(file, width, height) && width == static_cast<int32_t>(kThumbnailWidth) &&
           height == static_cast<int32_t>(kThumbnailHeight);
}

} // namespace

// A round the current set holds at the playfield's round, whose file may be
// written; none otherwise.
CObject* CBrickLayout::FindWritableSaveObject() const
{
    CRoundSet* set = GetCurrentRoundSet();
    const CPlayfield* playfield = GetPlayfield();
    if (set == nullptr || playfield == nullptr || playfield->m_RoundIndex < 0)
        return nullptr;
    const uint32_t index = static_cast<uint32_t>(playfield->m_RoundIndex);
    if (set->GetRound(index) != this)
        return nullptr;
    CObject* saveObject = set->GetSaveObject(index);
    return saveObject != nullptr && CanSaveObject(saveObject) ? saveObject : nullptr;
}

bool CBrickLayout::IsCurrentRoundSavable() const
{
    return FindWritableSaveObject() != nullptr;
}

// The playfield asks every drawn frame: the unforced request that changes
// nothing is settled before the round's file is looked at.
void CBrickLayout::CaptureThumbnail(bool force)
{
    if (!force && (!m_AutomaticThumbnail || ComputeChecksum() == m_CaptureChecksum))
        return;
    CObject* saveObject = FindWritableSaveObject();
    CDirtyRectFrame* screen = GetPlayfieldHooks().GetDrawFrame();
    if (saveObject == nullptr || screen == nullptr)
        return;
    if (force)
        m_AutomaticThumbnail = false;
    m_CaptureChecksum = ComputeChecksum();

    delete m_pThumbnail;
    m_pThumbnail = NewThumbnailFrame();
    CRect source = GetCaptureRect();
    CRect target{0, 0, static_cast<int32_t>(kThumbnailWidth), static_cast<int32_t>(kThumbnailHeight)};
    m_pThumbnail->Blit(screen, source, target, &GetBlitNormalScale());
    CompressThumbnail();
    SaveObject(saveObject);
    DecompressThumbnail();

    if (CTessivueDisplay* box = GetHudDisplay())
    {
        box->SetPicture(m_pThumbnail, kShownSeconds, false);
        box->AddText(CString("Thumbnail Updated"), CTessivueDisplay::kNormalFont);
        char size[24];
        std::snprintf(size, sizeof(size), "%u bytes", m_CompressedThumbnailSize);
        box->AddText(CString(size), CTessivueDisplay::kNormalFont);
    }
}

void CBrickLayout::CompressThumbnail()
{
    CMemoryStream* stream = new CMemoryStream;
    CFile file;
    file.Attach(stream, OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    if (m_pThumbnail == nullptr ||
        !EncodeJpegExternal(*m_pThumbnail, file, static_cast<int32_t>(m_ThumbnailQuality), true))
        return;
    std::free(m_pCompressedThumbnail);
    m_CompressedThumbnailSize = stream->GetSize();
    m_pCompressedThumbnail = stream->DetachBuffer();
}

void CBrickLayout::DecompressThumbnail()
{
    delete m_pThumbnail;
    m_pThumbnail = nullptr;
    if (m_pCompressedThumbnail == nullptr || !HasThumbnailSize(m_pCompressedThumbnail, m_CompressedThumbnailSize))
        return;
    CFile file;
    file.Attach(new CMemoryStream(m_pCompressedThumbnail, m_CompressedThumbnailSize, false), OPEN_READ);
    CFrame* frame = new CFrame;
    if (!DecodeJpegIntoFrame(*frame, file))
    {
        delete frame;
        return;
    }
    CImageFilterChain steps;
    steps.AddStep(IMAGE_STEP_BIT_DEPTH);
    steps.AddStep(IMAGE_STEP_RUN_LENGTH);
    steps.Apply(*frame);
    m_pThumbnail = frame;
}

CFrame* CBrickLayout::GetThumbnail()
{
    if (m_pThumbnail == nullptr)
        DecompressThumbnail();
    if (m_pThumbnail == nullptr)
    {
        m_pThumbnail = NewThumbnailFrame();
        m_pThumbnail->BlitAt(GetFrameList().GetByName("Large Folder"), 0, 0, &GetBlitNormal());
    }
    return m_pThumbnail;
}

void CBrickLayout::DrawCaptureRect(CFrameInterface& frame) const
{
    if (m_ShowCaptureRect)
        frame.DrawRectOutline(GetCaptureRect(), kCaptureOutline);
}

#pragma once

#include <cstdint>

#include "engine/core/geometry/rect.h"
#include "engine/object/object.h"

class CBlitType;
class CFile;
class CFrame;
class CImageFilterChain;
class CString;

// An animation: an ordered list of frames with a frame rate, a blit type
// and the load options that turn a folder of source images into frames.
// Every animated thing of the game draws the frame chosen by the shared
// clock (GetFrameAtTime) or by its own progress (GetFrameAtFraction).
//
// The properties are the file format of "Properties.txt" and of the
// compiled caches. Changing an option that shapes the frames saves the
// properties and rebuilds the frames at once (the refresh); the two offsets
// move the loaded frames in place instead. While the loading flag is up
// (defaults, a properties file or a strip being read) setters only store.
//
// A sequence owns its frames; frames read from a compiled cache borrow
// their pixels from the cache's whole-file buffer, which the sequence keeps
// until the frames go.
class CSequence : public CObject
{
    VP_DECLARE_CLASS(CSequence)
public:
    // Load-option bits.
    static constexpr uint32_t CENTER_HOT_SPOT = 0x01;
    static constexpr uint32_t BLENDED_WITH_BLACK = 0x02;
    static constexpr uint32_t CROP_COLOR_0 = 0x04;
    static constexpr uint32_t USE_8_BIT_ALPHA = 0x08;
    static constexpr uint32_t RUN_LENGTH_ENCODE = 0x10;
    static constexpr uint32_t DO_DITHER = 0x20;
    static constexpr uint32_t LOSSLESS = 0x40;

    using RefreshCallback = void (*)(CSequence* sequence);

    CSequence();
    ~CSequence() override;

    void AddCustomEditorControls(CPropertyWindow* window) override;
    void ReadCustomProperties(const char* name, const char* value, CObjectStream& stream) override;
    void WriteCustomPropBin(CObjectStream& stream) override;
    bool ReadCustomPropBin(CObjectStream& stream) override;
    void SetDefaults() override;
    uint32_t GetInstanceSize() const override;

    // Building and loading (sequence_files.cpp, sequence_strip.cpp).
    virtual bool BuildFromImages(const char* folder, const char* name, CImageFilterChain* chain);
    virtual void SaveAsAVI();
    virtual bool LoadCache(const char* folder, const char* name);

    // Every present frame is drawn dx, dy further left and up relative to
    // its hot spot.
    virtual void OffsetFrames(int32_t dx, int32_t dy);
    // Null past the end and for an absent frame.
    virtual CFrame* GetFrame(uint32_t index) const;
    // The frame the shared millisecond clock shows now; null without frames.
    virtual CFrame* GetFrameAtTime() const;
    // The frame of a progress from 0 to 1; the last frame at and past 1.
    virtual CFrame* GetFrameAtFraction(float fraction) const;
    virtual uint32_t GetFrameCount() const { return m_FrameCount; }
    virtual float GetEffectiveFps() const;
    // The union of the frames' bounds around the hot spot.
    virtual void GetBounds(CRect& bounds) const { bounds = m_Bounds; }
    virtual uint32_t ComputeBounds();
    virtual void ApplyOffsets();
    virtual bool LoadStrip(const char* folder, const char* name);
    virtual bool SaveStrip(const char* folder, const char* name, uint32_t jpegQuality, bool lossless,
                           bool wasRunLength);
    virtual RefreshCallback GetRefreshCallback() const;

    // The top-level load: the cache when it may be used, else a build from
    // the source images (or, in compressed-storage mode, from the strip).
    bool LoadSequence(const char* folder, const char* name, CImageFilterChain* chain);

    CBlitType* GetBlitType() const;
    int32_t GetBlitTypeIndex() const { return m_BlitType; }
    uint32_t GetUseEvery() const { return m_UseEvery; }
    uint32_t GetFlags() const { return m_Flags; }
    float GetFramesPerSecond() const { return m_FramesPerSecond; }
    int32_t GetXOffset() const { return m_XOffset; }
    int32_t GetYOffset() const { return m_YOffset; }
    uint32_t GetJpegQuality() const { return m_JpegQuality; }
    bool GetAlwaysIncludeLastFrame() const { return m_AlwaysIncludeLastFrame; }
    bool IsLoading() const { return m_Loading; }

    // Appends a frame (or an absent one), first centring its hot spot and
    // trimming it when asked.
    void AddFrame(CFrame* frame, bool trim, bool centre);
    void ClearFrames();

    // Edits the chain (the default sequence steps when null) for this
    // sequence's options and answers it.
    CImageFilterChain* BuildLoadSteps(CImageFilterChain* chain) const;

    // The files of a sequence loaded as (folder, name) (sequence_files.cpp).
    // False for a 32-bit target, which gets no cache and no strip.
    static bool GetCachePath(CString& out, const char* folder, const char* name, const CImageFilterChain* chain);
    // The cache extension without its dot that lists search for when only
    // compiled files ship; null for a depth without caches.
    static const char* GetCacheKeyword();
    static void GetStripPath(CString& out, const char* folder, const char* name);
    bool IsCacheStale(const char* folder, const char* name, const CImageFilterChain* chain) const;
    void LoadPropertiesFile(const char* folder, const char* name);
    bool WriteStrip(CFile& stream, uint32_t jpegQuality, bool lossless, bool wasRunLength);
    bool ReadStrip(CFile& stream);

    // The setters of the properties.
    void SetXOffset(int32_t value);
    void SetYOffset(int32_t value);
    void SetBlitType(int32_t index);
    void SetUseEvery(uint32_t value);
    void SetJpegQuality(uint32_t value);
    void SetFramesPerSecond(float value) { m_FramesPerSecond = value; }
    void SetAlwaysIncludeLastFrame(bool value) { m_AlwaysIncludeLastFrame = value; }
    void SetCenterHotSpot(bool value) { SetFlag(CENTER_HOT_SPOT, value); }
    void SetBlendedWithBlack(bool value) { SetFlag(BLENDED_WITH_BLACK, value); }
    void SetCropColor0(bool value) { SetFlag(CROP_COLOR_0, value); }
    void SetUse8BitAlpha(bool value) { SetFlag(USE_8_BIT_ALPHA, value); }
    void SetRunLengthEncode(bool value) { SetFlag(RUN_LENGTH_ENCODE, value); }
    void SetDoDither(bool value) { SetFlag(DO_DITHER, value); }
    void SetLossless(bool value) { SetFlag(LOSSLESS, value); }

private:
    friend class CSequenceLoadingScope;

    void SetFlag(uint32_t mask, bool value);
    // Runs the refresh when a stored value changed.
    void Refresh();
    void BroadcastOffsetChange();
    void AdoptFrames(CFrame** frames, uint32_t count);
    bool WriteCache(const char* cachePath);

    CFrame** m_pFrames;
    CRect m_Bounds;
    uint32_t m_Flags;
    int32_t m_BlitType;
    float m_FramesPerSecond;
    uint32_t m_FrameCount;
    uint32_t m_UseEvery;
    bool m_AlwaysIncludeLastFrame;
    int32_t m_XOffset;
    int32_t m_YOffset;
    uint32_t m_JpegQuality;
    uint8_t* m_pCacheBuffer;
    bool m_Loading;
};

// Raises a sequence's loading flag for a scope and puts back what was
// there: reads nest.
class CSequenceLoadingScope
{
public:
    explicit CSequenceLoadingScope(CSequence& sequence)
        : m_Sequence(sequence)
        , m_Previous(sequence.m_Loading)
    {
        sequence.m_Loading = true;
    }
    ~CSequenceLoadingScope() { m_Sequence.m_Loading = m_Previous; }
    CSequenceLoadingScope(const CSequenceLoadingScope&) = delete;
    CSequenceLoadingScope& operator=(const CSequenceLoadingScope&) = delete;

private:
    CSequence& m_Sequence;
    bool m_Previous;
};

// The shared chain that sequences start from: 3, 6, 7, 11, 8. Reset to
// those steps on every call.
CImageFilterChain* GetDefaultSequenceLoadSteps();

// Help texts that stand-alone frames share with sequences.
const char* GetLosslessHelpText();
const char* GetJpegQualityHelpText();

// The refresh of a sequence whose options changed in the editor: saves its
// "Properties.txt" and rebuilds it.
void RefreshSequence(CSequence* sequence);

// Which of count sorted source images a build keeps: every useEvery-th from
// the first (a use-every of 0 counts as 1), and, when asked, the last one
// whenever that step skipped it. The image numbers go in order into
// selection, which has room for count + 1; answers how many.
uint32_t SelectEveryNth(uint32_t count, uint32_t useEvery, bool alwaysIncludeLast, uint32_t* selection);

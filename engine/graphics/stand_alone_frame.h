#pragma once

#include <cstdint>

#include "engine/graphics/frame.h"

class CBlitType;
class CImageFilterChain;

// A single named picture of the game (a background layer, an interface
// texture, a logo) with its own load options and blit type, kept in
// "<name>.txt" beside its source image. Its options become the load steps
// of its chain; changing one while the level editor is open saves the
// options and reloads the picture at once, elsewhere it waits for the next
// load.
class CStandAloneFrame : public CFrame
{
    VP_DECLARE_CLASS(CStandAloneFrame)
public:
    // Option bits.
    static constexpr uint32_t LOSSLESS = 0x001;
    static constexpr uint32_t RUN_LENGTH_ENCODE = 0x002;
    static constexpr uint32_t CHANGE_BIT_DEPTH = 0x004;
    static constexpr uint32_t CROP_COLOR_0 = 0x008;
    static constexpr uint32_t DO_DITHER = 0x010;
    static constexpr uint32_t RLE_ALL_COPY = 0x020;
    static constexpr uint32_t CENTER_HOT_SPOT = 0x040;
    static constexpr uint32_t LOAD_BLACK_BIASED = 0x080;
    static constexpr uint32_t BLENDED_WITH_BLACK = 0x100;

    CStandAloneFrame();
    ~CStandAloneFrame() override;

    void AfterLoad(CTypedObjectReceiver* receiver) override;
    // Loads the pixels through the chain (the default frame steps when null)
    // edited for this frame's options.
    bool RebuildFromSource(const char* folder, const char* name, CImageFilterChain* chain, bool underCache,
                           uint32_t flags) override;
    bool ApplyLoadOptions(const char* folder, const char* name, CImageFilterChain* chain, bool underCache,
                          uint32_t flags);
    // The chain the options make of the given steps, as ApplyLoadOptions
    // loads with; the caller owns it.
    CImageFilterChain* MakeLoadSteps(const CImageFilterChain* chain) const;

    CBlitType* GetBlitType() const;
    int32_t GetBlitTypeIndex() const { return m_BlitType; }
    uint32_t GetOptions() const { return m_Options; }
    uint32_t GetJpegQuality() const { return m_JpegQuality; }
    // Saves and reloads after an option change, only while the level editor
    // is open.
    void ApplyOptionChange();

    // The setters of the properties.
    void SetRunLengthEncode(bool value) { SetOption(RUN_LENGTH_ENCODE, value); }
    void SetRleAllCopy(bool value) { SetOption(RLE_ALL_COPY, value); }
    void SetCropColor0(bool value) { SetOption(CROP_COLOR_0, value); }
    void SetDoDither(bool value) { SetOption(DO_DITHER, value); }
    void SetLossless(bool value) { SetOption(LOSSLESS, value); }
    void SetCenterHotSpot(bool value) { SetOption(CENTER_HOT_SPOT, value); }
    void SetBlendedWithBlack(bool value) { SetOption(BLENDED_WITH_BLACK, value); }
    void SetLoadBlackBiased(bool value);
    void SetBlitType(int32_t index);
    void SetJpegQuality(uint32_t value);

private:
    void SetOption(uint32_t mask, bool value);

    uint32_t m_Options;
    uint32_t m_JpegQuality;
    int32_t m_BlitType;
};


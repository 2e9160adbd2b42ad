#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/blit/blit_type_registry.h"
#include "engine/graphics/bit_depth_filter.h"
#include "engine/graphics/frame_loading.h"
#include "engine/graphics/image_filter_chain.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/stand_alone_frame.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/graphics/stand_alone_frame_ref.h"
#include "engine/object/editor_hooks.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/sequence_data_folder.h"
#include "tests/support/sequence_fixtures.h"

namespace {

int32_t BlitIndex(const char* name)
{
    return GetBlitTypeRegistry().Find(name, -1);
}

bool s_EditorOpen = false;

// Answers the level editor's presence for the life of the object.
class ScopedEditorOpen
{
public:
    explicit ScopedEditorOpen(bool open)
        : m_Previous(GetEditorHooks().IsLevelEditorOpen)
    {
        s_EditorOpen = open;
        GetEditorHooks().IsLevelEditorOpen = [] { return s_EditorOpen; };
    }
    ~ScopedEditorOpen() { GetEditorHooks().IsLevelEditorOpen = m_Previous; }

private:
    bool (*m_Previous)();
};

class FrameListTest : public SequenceDataFolder
{
protected:
    void Init() { InitCatalogueLibrary(m_Frames, LIBRARY_FRAMES); }

    CStandAloneFrameList m_Frames{LIBRARY_FRAMES};
};

} // namespace

TEST(StandAloneFrame, DefaultsAndOptionSteps)
{
    CStandAloneFrame frame;
    frame.SetDefaults();
    EXPECT_EQ(frame.GetOptions(), 0x11Eu);
    EXPECT_EQ(frame.GetJpegQuality(), 80u);
    EXPECT_EQ(frame.GetBlitTypeIndex(), BlitIndex("Normal"));

    std::unique_ptr<CImageFilterChain> steps(frame.MakeLoadSteps(nullptr));
    EXPECT_EQ(StepTypes(*steps), (std::vector<int32_t>{3, 6, 7, 8, 11}));
    EXPECT_TRUE(static_cast<CBitDepthFilter*>(steps->FindStep(IMAGE_STEP_BIT_DEPTH))->m_Dither);
    EXPECT_EQ(StepTypes(GetDefaultFrameLoadSteps()), (std::vector<int32_t>{3, 6, 7, 8, 11}));

    // Change Bit Depth has no setter: it is read from files only.
    CStandAloneFrame bare;
    bare.SetDefaults();
    for (auto setter : {&CStandAloneFrame::SetRunLengthEncode, &CStandAloneFrame::SetCropColor0,
                        &CStandAloneFrame::SetDoDither, &CStandAloneFrame::SetBlendedWithBlack})
        (bare.*setter)(false);
    EXPECT_EQ(bare.GetOptions(), 0x004u);
}

TEST(StandAloneFrame, NoOptionsLeaveOnlyTheListsOtherSteps)
{
    SetDisplayBitDepth(16);
    CStandAloneFrame noDepth;
    noDepth.SetDefaults();
    noDepth.ReadPropertyText(CStandAloneFrame::SGetClassInfo()->FindProperty("Change Bit Depth"), "0", nullptr);
    for (auto setter : {&CStandAloneFrame::SetRunLengthEncode, &CStandAloneFrame::SetCropColor0,
                        &CStandAloneFrame::SetDoDither, &CStandAloneFrame::SetBlendedWithBlack})
        (noDepth.*setter)(false);
    EXPECT_EQ(noDepth.GetOptions(), 0u);
    std::unique_ptr<CImageFilterChain> steps(noDepth.MakeLoadSteps(nullptr));
    EXPECT_EQ(StepTypes(*steps), (std::vector<int32_t>{3}));

    // The interface textures' only step is the conversion, which the
    // options then leave out.
    CImageFilterChain textureSteps;
    textureSteps.AddStep(IMAGE_STEP_BIT_DEPTH_DITHERED);
    std::unique_ptr<CImageFilterChain> empty(noDepth.MakeLoadSteps(&textureSteps));
    EXPECT_TRUE(StepTypes(*empty).empty());
}

TEST(StandAloneFrame, BlackBiasAndBlitTypeFollowEachOther)
{
    CStandAloneFrame frame;
    frame.SetDefaults();
    frame.SetBlitType(BlitIndex("Blend Black Bias"));
    EXPECT_NE(frame.GetOptions() & CStandAloneFrame::LOAD_BLACK_BIASED, 0u);
    std::unique_ptr<CImageFilterChain> steps(frame.MakeLoadSteps(nullptr));
    EXPECT_TRUE(steps->HasStep(IMAGE_STEP_BLACK_TO_TRANSPARENT));

    frame.SetLoadBlackBiased(false);
    EXPECT_EQ(frame.GetBlitTypeIndex(), BlitIndex("Transparent Mask"));
    frame.SetLoadBlackBiased(true);
    EXPECT_EQ(frame.GetBlitTypeIndex(), BlitIndex("Blend Black Bias"));
    frame.SetBlitType(BlitIndex("Normal"));
    EXPECT_EQ(frame.GetOptions() & CStandAloneFrame::LOAD_BLACK_BIASED, 0u);
}

TEST_F(FrameListTest, ItemsLoadWithTheirOwnOptions)
{
    WriteSourceImage("Resources/Logo.tga", 6, 4);
    Init();
    ASSERT_EQ(m_Frames.GetCount(), 1u);
    EXPECT_EQ(m_Frames.IndexOf(nullptr), -1);
    CString path;
    m_Frames.GetItemFilePath(0, path);
    EXPECT_STREQ(path.GetText(), "Resources/Logo.txt");
    CFrame* logo = m_Frames.GetItemObject(0);
    ASSERT_NE(logo, nullptr);
    EXPECT_TRUE(logo->IsKindOf(CStandAloneFrame::SGetClassInfo()));
    EXPECT_EQ(m_Frames.IndexOf(logo), 0);
    EXPECT_TRUE(DataFileExists("Resources/Logo.txt"));
    EXPECT_EQ(m_Frames.GetItemClassInfo(), CFrame::SGetClassInfo());

    std::unique_ptr<CResourceRef> ref(CStandAloneFrameList::CreateReference(&m_Frames, 3));
    CRect bounds;
    ref->GetBounds(bounds);
    EXPECT_EQ(bounds.right - bounds.left, 6);
    EXPECT_EQ(bounds.bottom - bounds.top, 4);
}

TEST_F(FrameListTest, IndexOfWhileTheListIsPending)
{
    Init();
    CStandAloneFrame frame;
    EXPECT_EQ(m_Frames.IndexOf(&frame), -1);
}

TEST_F(FrameListTest, EmptyListGivesAReferenceWithoutFrame)
{
    Init();
    std::unique_ptr<CResourceRef> ref(CStandAloneFrameList::CreateReference(&m_Frames, 0));
    EXPECT_EQ(static_cast<CStandAloneFrameRef*>(ref.get())->GetFrame(), nullptr);
    CFrame target;
    target.Create(4, 4, 16);
    ref->Draw(&target, CPoint{1, 1});
    CRect bounds{1, 1, 5, 5};
    ref->GetBounds(bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);
}

TEST_F(FrameListTest, OptionChangesReloadOnlyWhileTheEditorIsOpen)
{
    WriteSourceImage("Resources/Logo.tga", 6, 4);
    Init();
    auto* logo = static_cast<CStandAloneFrame*>(m_Frames.GetItemObject(0));
    ASSERT_NE(logo, nullptr);
    const std::string saved = FileBytes("Data/Resources/Logo.txt");
    {
        ScopedEditorOpen closed(false);
        logo->SetRunLengthEncode(false);
        EXPECT_EQ(FileBytes("Data/Resources/Logo.txt"), saved);
        EXPECT_NE(logo->GetFormat() & 6u, 0u);
    }
    {
        ScopedEditorOpen open(true);
        logo->SetCropColor0(false);
        EXPECT_NE(FileBytes("Data/Resources/Logo.txt"), saved);
        EXPECT_NE(FileBytes("Data/Resources/Logo.txt").find("Run Length Encode=0"), std::string::npos);
        // Reloaded plain, as the options now say.
        EXPECT_EQ(logo->GetFormat() & 6u, 0u);
        EXPECT_EQ(logo->GetWidth(), 6);
    }
}

TEST_F(FrameListTest, InterfaceTexturesConvertOnly)
{
    InitInterfaceTextureList();
    EXPECT_EQ(StepTypes(GetInterfaceTextureList().GetLoadSteps()), (std::vector<int32_t>{11}));
    EXPECT_STREQ(GetInterfaceTextureList().GetListName().GetText(), "User Interface Textures");
}

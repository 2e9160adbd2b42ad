#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/blit/blit_normal.h"
#include "engine/core/files/file.h"
#include "engine/core/files/memory_stream.h"
#include "engine/core/files/loose_files.h"
#include "engine/graphics/dirty_rect_frame.h"
#include "engine/graphics/jpeg_codec.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/object/libraries/library_catalogue.h"
#include "game/bricks/brick_layout.h"
#include "game/bricks/brick_normal.h"
#include "game/bricks/round_library.h"
#include "game/bricks/round_set_library.h"
#include "game/bricks/round_set_separate_files.h"
#include "tests/support/frame_pixels.h"
#include "tests/support/playfield_fixtures.h"
#include "tests/support/sprite_fixtures.h"

namespace {

constexpr uint16_t kFolderPixel = 0x1234;

// A JPEG image of the size, all one grey.
std::vector<uint8_t> GreyJpeg(int32_t width, int32_t height)
{
    const std::vector<uint8_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, 128);
    CMemoryStream* stream = new CMemoryStream;
    CFile file;
    file.Attach(stream, OPEN_READ | OPEN_WRITE | OPEN_CREATE);
    EXPECT_TRUE(EncodeJpeg(file, pixels.data(), width, height, true, 80));
    return std::vector<uint8_t>(stream->GetData(), stream->GetData() + stream->GetSize());
}

// The middle pixel of a picture as drawn, whatever form it is kept in.
uint32_t MiddlePixel(CFrame* picture)
{
    CFrame plain;
    plain.Create(105, 80, 16);
    plain.BlitAt(picture, 0, 0, &GetBlitNormal());
    return ReadPixel(plain, 50, 40);
}

// The level "Shot" as the only round of the current set, its file writable,
// a green draw frame and the folder picture.
class LevelThumbnail : public PlayfieldTest
{
protected:
    void SetUp() override
    {
        PlayfieldTest::SetUp();
        m_Folder.WriteFile("Data/Resources/Shot.Vantrell", "CBrickLayout\r\n{\r\n}\r\n");
        InitCatalogueLibrary(GetRoundLibrary(), LIBRARY_ROUNDS);
        const int32_t levelIndex = GetRoundLibrary().Find("Shot", -1);
        ASSERT_NE(levelIndex, -1);
        m_pLevel = GetRoundLibrary().GetItemObject(static_cast<uint32_t>(levelIndex));
        CRoundSetSeparateFiles* set = new CRoundSetSeparateFiles;
        set->AppendRoundIndex(levelIndex);
        SelectRoundSet(static_cast<uint32_t>(GetRoundSetLibrary().AddItemWithObject(set, "Thumbs")));
        m_pPlayfield->SetRoundRef(0, false);
        m_Screen.Create(800, 600, 16);
        m_Screen.FillRect(0, 0, 800, 600, CColor(0, 255, 0, 255));
        ScopedPlayfieldHooks::s_pDrawFrame = &m_Screen;
        GetFrameList().AddItemWithObject(MakeSolidFrame(105, 80, kFolderPixel), "Large Folder");
    }

    void TearDown() override
    {
        GetFrameList().DeleteAllItems();
        PlayfieldTest::TearDown();
    }

    std::string LevelFile() const { return FileBytes("Data/Resources/Shot.Vantrell"); }

    // The block as stored, then a capture request; whether it captured.
    bool Captures(bool force)
    {
        m_pBox->Clear();
        const std::vector<uint8_t> before = Block();
        m_pLevel->CaptureThumbnail(force);
        return m_pBox->GetLineCount() != 0 || Block() != before;
    }

    std::vector<uint8_t> Block() const
    {
        const uint8_t* block = m_pLevel->m_pCompressedThumbnail;
        return block == nullptr ? std::vector<uint8_t>()
                                : std::vector<uint8_t>(block, block + m_pLevel->m_CompressedThumbnailSize);
    }

    void StoreBlock(const std::vector<uint8_t>& bytes)
    {
        std::free(m_pLevel->m_pCompressedThumbnail);
        m_pLevel->m_pCompressedThumbnail = static_cast<uint8_t*>(std::malloc(bytes.size()));
        std::memcpy(m_pLevel->m_pCompressedThumbnail, bytes.data(), bytes.size());
        m_pLevel->m_CompressedThumbnailSize = static_cast<uint32_t>(bytes.size());
    }

    CBrickLayout* m_pLevel = nullptr;
    CDirtyRectFrame m_Screen;
};

TEST_F(LevelThumbnail, AnAutomaticCaptureHappensOncePerLayoutAndIsSavedWithTheLevel)
{
    CBrickNormal* brick = new CBrickNormal;
    m_pLevel->AppendBrick(brick);
    ASSERT_TRUE(m_pLevel->IsCurrentRoundSavable());
    ASSERT_TRUE(Captures(false));
    const std::string size = std::to_string(m_pLevel->m_CompressedThumbnailSize) + " bytes";
    EXPECT_EQ(BoxLines(), (std::vector<std::string>{"Thumbnail Updated", size}));
    EXPECT_EQ(m_pBox->GetPicture(), m_pLevel->GetThumbnail());
    EXPECT_EQ(m_pBox->GetTimeout(), 10.0f);
    EXPECT_FALSE(m_pBox->IsBlinking());
    CFrame* thumbnail = m_pLevel->GetThumbnail();
    EXPECT_EQ(thumbnail->GetWidth(), 105);
    EXPECT_EQ(thumbnail->GetHeight(), 80);
    // The green screen, through the lossy block.
    EXPECT_GE(MiddlePixel(thumbnail) >> 5 & 0x3F, 0x3Cu);
    EXPECT_NE(LevelFile().find("Compressed Thumbnail"), std::string::npos);
    EXPECT_EQ(m_pLevel->m_CaptureChecksum, m_pLevel->ComputeChecksum());

    EXPECT_FALSE(Captures(false));
    brick->m_StartPosition.x += 5.0f;
    EXPECT_TRUE(Captures(false));
    EXPECT_TRUE(m_pLevel->m_AutomaticThumbnail);
}

TEST_F(LevelThumbnail, AForcedCaptureEndsAutomaticCaptures)
{
    EXPECT_TRUE(Captures(true));
    EXPECT_TRUE(Captures(true));
    EXPECT_FALSE(m_pLevel->m_AutomaticThumbnail);
    m_pLevel->m_CaptureWidth = 210;
    EXPECT_FALSE(Captures(false));
    EXPECT_NE(LevelFile().find("Automatic Thumbnail=0"), std::string::npos);
}

TEST_F(LevelThumbnail, OnlyTheCurrentSetsWritableRoundIsCaptured)
{
    struct Case
    {
        const char* what;
        int32_t roundIndex;
        bool readOnly;
        bool savable;
    };
    const Case cases[] = {
        {"the set's round", 0, false, true},
        {"another round index", 1, false, false},
        {"a read-only file", 0, true, false},
    };
    const std::string path = Absolute("Data/Resources/Shot.Vantrell");
    for (const Case& c : cases)
    {
        m_pPlayfield->SetRoundRef(c.roundIndex, false);
        SetFileReadOnly(path.c_str(), c.readOnly);
        EXPECT_EQ(m_pLevel->IsCurrentRoundSavable(), c.savable) << c.what;
        EXPECT_EQ(Captures(true), c.savable) << c.what;
        SetFileReadOnly(path.c_str(), false);
    }
}

TEST_F(LevelThumbnail, ABlockThatIsNoThumbnailShowsTheFolderAndStaysAsStored)
{
    std::vector<uint8_t> huge = GreyJpeg(16, 16);
    // The frame header's height and width, big-endian after its marker.
    for (size_t i = 0; i + 8 < huge.size(); i++)
    {
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0)
        {
            huge[i + 5] = huge[i + 7] = 4000 >> 8;
            huge[i + 6] = huge[i + 8] = 4000 & 0xFF;
            break;
        }
    }
    const std::vector<uint8_t> cases[] = {
        std::vector<uint8_t>{'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'},
        huge,
        GreyJpeg(50, 40),
    };
    for (const std::vector<uint8_t>& block : cases)
    {
        StoreBlock(block);
        m_pLevel->DecompressThumbnail();
        CFrame* shown = m_pLevel->GetThumbnail();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(MiddlePixel(shown), kFolderPixel) << block.size();
        EXPECT_EQ(Block(), block);
    }
    StoreBlock(GreyJpeg(105, 80));
    m_pLevel->DecompressThumbnail();
    EXPECT_NE(MiddlePixel(m_pLevel->GetThumbnail()), kFolderPixel);
}

TEST_F(LevelThumbnail, TheCaptureOutlineIsDrawnOnlyWhenShown)
{
    m_pLevel->m_CaptureCenter = CPoint{300, 300};
    m_pLevel->m_CaptureWidth = 210;
    for (bool shown : {false, true})
    {
        CFrame frame;
        frame.Create(800, 600, 16);
        frame.FillRect(0, 0, 800, 600, CColor(0, 0, 0, 255));
        m_pLevel->m_ShowCaptureRect = shown;
        m_pLevel->DrawCaptureRect(frame);
        EXPECT_EQ(ReadPixel(frame, 195, 220) != 0, shown);
        EXPECT_EQ(ReadPixel(frame, 404, 379) != 0, shown);
        EXPECT_EQ(ReadPixel(frame, 300, 300), 0);
    }
}

} // namespace

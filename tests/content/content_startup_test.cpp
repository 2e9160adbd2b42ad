#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "content/content_items.h"
#include "content/content_tree.h"
#include "engine/core/files/loose_files.h"
#include "engine/core/files/file_sink.h"
#include "engine/core/lists/list_registry.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/graphics/fonts/font_bitmap.h"
#include "engine/graphics/fonts/font_library.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/pixel_formats.h"
#include "engine/graphics/sequence.h"
#include "engine/graphics/sequence_list.h"
#include "engine/graphics/slides/frame_overlay.h"
#include "engine/graphics/stand_alone_frame_list.h"
#include "engine/graphics/frame_format.h"
#include "engine/graphics/run_length_stream.h"
#include "engine/object/libraries/library_catalogue.h"
#include "engine/ui/alpha_skin_data.h"
#include "engine/ui/alpha_theme.h"
#include "engine/ui/skin_border.h"
#include "engine/ui/skin_library.h"
#include "engine/ui/skin_preview.h"
#include "engine/ui/toolkit_state.h"
#include "tests/support/window_test_tree.h"
#include "engine/app/sound/sound_list.h"
#include "game/bricks/brick_style_sheet.h"
#include "game/bricks/brick_change_area.h"
#include "game/bricks/brick_magnetic.h"
#include "game/bricks/brick_rail.h"
#include "game/bricks/brick_speed_change.h"
#include "game/bricks/brick_split_n.h"
#include "game/bricks/brick_split_n_child.h"
#include "game/playfield/particle_generator.h"
#include "tests/support/scoped_temp_folder.h"

namespace fs = std::filesystem;

namespace {

// Whether a row of the run-length frame's opaque or translucent stream
// holds a fill run, which would give all its pixels one texture colour.
bool HasFillRun(const CFrame& frame)
{
    const uint32_t valueBytes = static_cast<uint32_t>(BitsPerPixelOfFormat(frame.GetFormat()) / 8);
    for (int32_t index : {0, 4})
    {
        const RunLengthStream stream = GetRunLengthStream(frame, index);
        if (stream.data == nullptr)
            continue;
        for (int32_t y = 0; y < frame.GetHeight(); y++)
        {
            const uint8_t* at = stream.data + stream.rowOffsets[y];
            for (int32_t x = 0; x < frame.GetWidth();)
            {
                const uint8_t code = *at++;
                if (code >= 0x80)
                {
                    x += code & 0x7F;
                    continue;
                }
                if (code < 0x40)
                    return true;
                x += code & 0x3F;
                at += (code & 0x3F) * valueBytes;
            }
        }
    }
    return false;
}

// The generated program folder with a copy of the built program in it, run
// headless; what the engine's start-up finds there is what a player's
// first start finds.
class ContentStartup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_PreviousDataFolder = GetDataFolder();
        CContentTree tree;
        uint32_t changed = 0;
        ASSERT_TRUE(GenerateContent(ProgramFolder(), tree, changed));
        SetDataFolder(m_PreviousDataFolder.c_str());
        fs::copy_file(VP_PROGRAM_PATH, ProgramFolder() + "vantrell");
        fs::create_directories(m_Temp.Path() + "runtime");
    }

    std::string ProgramFolder() const { return m_Temp.Path() + "program/"; }

    // Runs the program with the arguments; answers the exit code (-1 for a
    // crash) and keeps stderr.
    int Run(const std::string& arguments)
    {
        const std::string command = "cd '" + ProgramFolder() +
                                    "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy VP_NO_MESSAGE_BOXES=1 "
                                    "XDG_RUNTIME_DIR='" +
                                    m_Temp.Path() + "runtime' XDG_CONFIG_HOME='" + m_Temp.Path() +
                                    "config' ./vantrell " + arguments + " 2>'" + m_Temp.Path() + "stderr'";
        const int status = std::system(command.c_str());
        std::ifstream in(m_Temp.Path() + "stderr");
        std::stringstream text;
        text << in.rdbuf();
        m_Stderr = text.str();
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Every file below "Data/" with its bytes and time.
    std::map<std::string, std::pair<std::string, uint64_t>> DataFiles() const
    {
        std::map<std::string, std::pair<std::string, uint64_t>> files;
        for (const auto& entry : fs::recursive_directory_iterator(ProgramFolder() + "Data"))
        {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream bytes;
            bytes << in.rdbuf();
            files[entry.path().lexically_relative(ProgramFolder()).generic_string()] = {
                bytes.str(), GetFileTimeOf(entry.path().c_str(), 0)};
        }
        return files;
    }

    // The libraries a skin and its preview draw from, over the generated
    // "Data" folder, at the game's display depth.
    void MountSkinLibraries()
    {
        SetDataFolder((ProgramFolder() + "Data").c_str());
        ForgetFontFileList();
        BuildFontFileList();
        InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
        InitCatalogueLibrary(GetFrameList(), LIBRARY_FRAMES);
        InitInterfaceTextureList();
        InitCatalogueLibrary(GetInterfaceTextureList(), LIBRARY_USER_INTERFACE_TEXTURES);
        InitCatalogueLibrary(GetSkinLibrary(), LIBRARY_SKIN_THEMES);
        SetDisplayBitDepth(16);
    }

    ScopedTempFolder m_Temp;
    std::string m_PreviousDataFolder;
    std::string m_Stderr;
};

TEST_F(ContentStartup, StartsHeadlessToTheEndOfLoadingWithoutChangingAShippedFile)
{
    const auto shipped = DataFiles();
    ASSERT_EQ(Run("/exit"), 0) << m_Stderr;
    // A second start reads what the first one compiled.
    ASSERT_EQ(Run("/exit"), 0) << m_Stderr;

    const auto after = DataFiles();
    for (const auto& [path, contents] : shipped)
    {
        ASSERT_TRUE(after.count(path)) << path << " was removed";
        EXPECT_TRUE(after.at(path).first == contents.first) << path << " was rewritten";
        EXPECT_EQ(after.at(path).second, contents.second) << path << " got a new time";
    }
    for (const auto& [path, contents] : after)
    {
        if (!shipped.count(path))
        {
            EXPECT_EQ(path.rfind("Data/Cache/", 0), 0u) << path << " is new outside the caches";
        }
    }
}

// Each item deleted from a copy of the generated folder: one the start-up
// cannot do without gives a fatal data report naming it and exit code -1,
// never a crash; one it can do without (an empty text) starts as before.
TEST_F(ContentStartup, AMissingItemIsAFatalReportNamingItOrNoneAtAll)
{
    const struct
    {
        const char* deleted;
        const char* named;
    } cases[] = {
        {"Data/Resources/Fonts", "no font in Fonts"},
        // The company logo's overlay writes the maker's name in it.
        {"Data/Resources/Fonts/Big White.FONT.TXT", "\"Fonts/Big White\""},
        // Every font's face.
        {"Data/Resources/!default.ttf", "\"!default.ttf\""},
        {"Data/Music/Intro.wav", ""},
        {"Data/Resources/CompanyLogo.TGA", ""},
        {"Data/Resources/CompanyLogo.FOO", ""},
        {"Data/Sounds", ""},
        // Item 0 is the placeholder levels drop; the aliases name two items.
        {"Data/Resources/Brick Style Sheets/!None.BrickStyleSheet", "\"Ball Accelerator\""},
        {"Data/Resources/Brick Style Sheets", "\"Ball Accelerator\""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.deleted);
        const std::string copy = m_Temp.Path() + "copy/";
        fs::remove_all(copy);
        fs::copy(ProgramFolder(), copy, fs::copy_options::recursive);
        fs::remove_all(copy + c.deleted);
        const bool required = *c.named != 0;
        // A fatal report ends the process where it stands, without the
        // orderly shutdown: what the running game held (the menu music's
        // decoder, once the style sheets load after it starts) is left to
        // the system, which the leak checker would count as a fault.
        const std::string leakCheck = required ? "ASAN_OPTIONS=detect_leaks=0 " : "";
        const std::string command = "cd '" + copy + "' && " + leakCheck +
                                    "SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy VP_NO_MESSAGE_BOXES=1 "
                                    "XDG_RUNTIME_DIR='" +
                                    m_Temp.Path() + "runtime' XDG_CONFIG_HOME='" + m_Temp.Path() +
                                    "config' ./vantrell /exit 2>'" + m_Temp.Path() + "stderr'";
        const int status = std::system(command.c_str());
        std::ifstream in(m_Temp.Path() + "stderr");
        std::stringstream text;
        text << in.rdbuf();
        ASSERT_TRUE(WIFEXITED(status)) << "crashed: " << text.str();
        EXPECT_EQ(WEXITSTATUS(status), required ? 255 : 0) << text.str();
        if (required)
        {
            EXPECT_NE(text.str().find(c.named), std::string::npos) << text.str();
        }
    }
}

// Every library loads every item it lists from the generated folder, and
// what it reads it leaves as it was: the object files are in the form the
// engine saves, the pictures in the form its TGA writer writes.
TEST_F(ContentStartup, EveryLibraryLoadsEveryItemWithoutRewritingAFile)
{
    const auto shipped = DataFiles();
    SetDataFolder((ProgramFolder() + "Data").c_str());
    ForgetFontFileList();
    BuildFontFileList();
    InitCatalogueLibrary(GetFontLibrary(), LIBRARY_FONTS);
    InitCatalogueLibrary(GetFrameOverlayLibrary(), LIBRARY_FRAME_OVERLAY_OPTIONS);
    InitCatalogueLibrary(GetFrameList(), LIBRARY_FRAMES);
    InitCatalogueLibrary(GetSequenceList(), LIBRARY_SEQUENCES);
    SetDisplayBitDepth(16);

    EXPECT_EQ(GetFontFileList().GetCount(), 1u);
    CFontLibrary& fonts = GetFontLibrary();
    fonts.LoadAll();
    ASSERT_GE(fonts.GetCount(), 5u);
    EXPECT_STREQ(fonts.GetName(0), "Fonts/!None");
    for (uint32_t i = 0; i < fonts.GetCount(); ++i)
    {
        CFont* font = fonts.GetFont(static_cast<int32_t>(i));
        ASSERT_NE(font, nullptr) << fonts.GetName(i);
        EXPECT_NE(font->GetGlyph('A'), nullptr) << fonts.GetName(i);
        EXPECT_GT(font->GetHeight(), 5) << fonts.GetName(i);
    }
    for (const char* name : {"Big White", "Small Blue", "Tessivue", "OCR Monospaced Numbers"})
        EXPECT_NE(fonts.FindFont(name), nullptr) << name;

    CFrameOverlayLibrary& overlays = GetFrameOverlayLibrary();
    overlays.LoadAll();
    for (const char* name : {"CompanyLogo", "Splash"})
    {
        const int32_t index = overlays.Find(name, -1);
        ASSERT_GE(index, 0) << name;
        EXPECT_NE(overlays.GetItemObject(static_cast<uint32_t>(index)), nullptr) << name;
    }

    // The pictures a slide show shows stay plain; the none frame keeps its
    // one pixel.
    CStandAloneFrameList& frames = GetFrameList();
    frames.LoadAll();
    EXPECT_STREQ(frames.GetName(0), "!None");
    for (const char* name : {"!None", "CompanyLogo", "Splash"})
    {
        const int32_t index = frames.Find(name, -1);
        ASSERT_GE(index, 0) << name;
        CFrame* frame = frames.GetItemObject(static_cast<uint32_t>(index));
        ASSERT_NE(frame, nullptr) << name;
        EXPECT_NE(frame->GetPixels(), nullptr) << name;
        EXPECT_GT(frame->GetWidth(), 0) << name;
        if (std::string(name) != "!None")
        {
            EXPECT_EQ(frame->GetFormat() & 6u, 0u) << name << " is run-length";
        }
    }

    CSequenceList& sequences = GetSequenceList();
    sequences.LoadAll();
    EXPECT_STREQ(sequences.GetName(0), "!None");
    EXPECT_EQ(sequences.GetItemObject(0)->GetFrameCount(), 1u);
    for (const char* name :
         {"MouseCursor", "Text Cursor", "Moving Cursor", "Can Move Cursor", "Moving X Cursor", "Can Move X Cursor",
          "Moving Y Cursor", "Can Move Y Cursor", "Set X Cursor", "Set Y Cursor", "Set XY Cursor", "Can Resize Cursor",
          "Can Resize Other Cursor", "Resizing Cursor", "Resizing Other Cursor", "Page Up Cursor", "Page Down Cursor",
          "Page Left Cursor", "Page Right Cursor"})
    {
        const int32_t index = sequences.Find(name, -1);
        ASSERT_GE(index, 0) << name;
        CSequence* sequence = sequences.GetItemObject(static_cast<uint32_t>(index));
        ASSERT_NE(sequence, nullptr) << name;
        ASSERT_GE(sequence->GetFrameCount(), 1u) << name;
        EXPECT_NE(sequence->GetFrame(0), nullptr) << name;
    }
    EXPECT_EQ(sequences.GetItemObject(static_cast<uint32_t>(sequences.Find("MouseCursor", -1)))->GetFrameCount(), 4u);

    GetSoundList().Mount("Sound List", "Sounds", ".wav", ".ogg");
    InitCatalogueLibrary(GetParticleGeneratorList(), LIBRARY_PARTICLE_GENERATORS);
    InitBrickStyleSheetLibrary();
    CBrickStyleSheetLibrary& styles = GetBrickStyleSheetLibrary();
    styles.LoadAll();
    EXPECT_STREQ(styles.GetName(0), "!None");
    EXPECT_EQ(styles.FindWithAlias("Programmer/AcceleratorExample", -1), styles.Find("Ball Accelerator", -1));
    const std::pair<const char*, const char*> kStyles[] = {{"!None", "CBrickPositionMarker"},
                                                           {"Ball Accelerator", "CBrickSpeedChange"},
                                                           {"Ball Decelerator", "CBrickSpeedChange"},
                                                           {"Common/Blue", "CBrickNormal"},
                                                           {"Common/Green Optional", "CBrickOptional"},
                                                           {"Common/Steel", "CBrickNearlyIndestructible"},
                                                           {"Common/Shredder", "CBrickShredder"},
                                                           {"Common/Ball Deflector", "CBrickBallDeflector"},
                                                           {"Common/Ball Factory", "CBrickBallFactory"},
                                                           {"Common/Floating Ball", "CBrickFloatingBall"},
                                                           {"Common/Factory", "CBrickFactory"},
                                                           {"Common/Factory Shutdown", "CBrickFactoryShutdown"},
                                                           {"Common/Three Hits", "CBrickNHitSide"},
                                                           {"Common/Nudge Up", "CBrickNudge"},
                                                           {"Common/Rail", "CBrickRail"},
                                                           {"Common/Magnet", "CBrickMagnetic"},
                                                           {"Common/Detonator", "CBrickOnOff"},
                                                           {"Common/Switch", "CBrickSwitch"},
                                                           {"Common/Path Polygon", "CBrickPathPolygon"},
                                                           {"Common/Position Marker", "CBrickPositionMarker"},
                                                           {"Common/Power-Up", "CBrickPowerup"},
                                                           {"Common/Splitter", "CBrickSplitN"},
                                                           {"Common/Teleporter Entrance", "CBrickTeleporter"},
                                                           {"Common/Teleporter Exit", "CBrickTeleporter"},
                                                           {"Common/Trapped Ball", "CBrickTrappedBall"},
                                                           {"Common/Coin", "CBrickCoin"},
                                                           {"Common/Change Area", "CBrickChangeArea"},
                                                           {"Common/Concussion Wave", "CBrickConcussion"},
                                                           {"Common/Exploder", "CBrickExploder"},
                                                           {"Common/Starfish Goal", "CBrickStarfishGoal"}};
    for (const auto& [name, brickClass] : kStyles)
    {
        const int32_t index = styles.Find(name, -1);
        ASSERT_GE(index, 0) << name;
        CBrickStyleSheet* styleSheet = styles.GetItemObject(static_cast<uint32_t>(index));
        ASSERT_NE(styleSheet, nullptr) << name;
        EXPECT_STREQ(styleSheet->GetBrickClass()->GetClassName(), brickClass) << name;
        const CSequence* look = sequences.GetItemObject(static_cast<uint32_t>(styleSheet->GetPrimarySequence()));
        ASSERT_NE(look, nullptr) << name;
        EXPECT_GE(look->GetFrameCount(), 1u) << name;
    }
    // The sliding and flying styles leave a trail of sparks.
    const int32_t movingSparks = GetParticleGeneratorList().Find("Moving Sparks", -1);
    ASSERT_GT(movingSparks, 0);
    const auto* rail = dynamic_cast<CBrickStyleSheetRail*>(
        styles.GetItemObject(static_cast<uint32_t>(styles.Find("Common/Rail", -1))));
    const auto* magnet = dynamic_cast<CBrickStyleSheetMagnetic*>(
        styles.GetItemObject(static_cast<uint32_t>(styles.Find("Common/Magnet", -1))));
    ASSERT_NE(rail, nullptr);
    ASSERT_NE(magnet, nullptr);
    EXPECT_EQ(rail->m_MovingParticleGen, movingSparks);
    EXPECT_EQ(magnet->m_MovingParticleGen, movingSparks);
    // The accelerator speeds balls up with a trail, the decelerator slows
    // them; the splitter leaves two blue bricks.
    const auto* accelerator = dynamic_cast<CBrickStyleSheetSpeedChange*>(
        styles.GetItemObject(static_cast<uint32_t>(styles.Find("Ball Accelerator", -1))));
    const auto* decelerator = dynamic_cast<CBrickStyleSheetSpeedChange*>(
        styles.GetItemObject(static_cast<uint32_t>(styles.Find("Ball Decelerator", -1))));
    ASSERT_NE(accelerator, nullptr);
    ASSERT_NE(decelerator, nullptr);
    EXPECT_GT(accelerator->m_Multiplier, 1.0f);
    EXPECT_EQ(accelerator->m_BallTrailParticleGen, GetParticleGeneratorList().Find("Speed Trail", -1));
    EXPECT_GT(accelerator->m_BallTrailParticleGen, 0);
    EXPECT_LT(decelerator->m_Multiplier, 1.0f);
    const auto* splitter = dynamic_cast<CBrickStyleSheetSplitN*>(
        styles.GetItemObject(static_cast<uint32_t>(styles.Find("Common/Splitter", -1))));
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->m_SplittingSeq, sequences.Find("Brick Splitting", -1));
    ASSERT_EQ(splitter->m_ChildCount, 2u);
    for (uint32_t i = 0; i < splitter->m_ChildCount; i++)
    {
        const CBrickBase* child = splitter->m_pChildren[i]->m_pChildBrick;
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->m_StyleSheet, styles.Find("Common/Blue", -1));
    }
    // The Change Area wears its overlay and gives off its idle sparks.
    const auto* changeArea = dynamic_cast<CBrickStyleSheetChangeArea*>(
        styles.GetItemObject(static_cast<uint32_t>(styles.Find("Common/Change Area", -1))));
    ASSERT_NE(changeArea, nullptr);
    EXPECT_EQ(changeArea->m_IdleParticleGenerator, GetParticleGeneratorList().Find("Change Area Idle", -1));
    EXPECT_GT(changeArea->m_IdleParticleGenerator, 0);
    EXPECT_EQ(changeArea->m_OverlaySequence, sequences.Find("Brick Change Area Overlay", -1));
    EXPECT_GT(changeArea->m_OverlaySequence, 0);

    GetListRegistry().DisposeAll();
    SetDataFolder(m_PreviousDataFolder.c_str());

    const auto after = DataFiles();
    for (const auto& [path, contents] : shipped)
    {
        ASSERT_TRUE(after.count(path)) << path << " was removed";
        EXPECT_TRUE(after.at(path) == contents) << path << " was rewritten or touched";
    }
    for (const auto& [path, contents] : after)
    {
        if (!shipped.count(path))
        {
            EXPECT_EQ(path.rfind("Data/Cache/", 0), 0u) << path << " is new outside the caches";
        }
    }
}

// The game's skin loads by name as an alpha skin whose every frame is there
// and of the kind its place needs: textures the tiling can wrap, corner
// masks in alpha run-length with their hot spots on the corners.
TEST_F(ContentStartup, TheGameSkinLoadsOverFramesOfTheKindsItsBordersNeed)
{
    MountSkinLibraries();
    CSkinLibrary& skins = GetSkinLibrary();
    CSkinTheme* skin = skins.GetItemObject(static_cast<uint32_t>(skins.FindOrFail("Vantrell", -1)));
    ASSERT_NE(skin, nullptr);
    ASSERT_TRUE(skin->IsKindOf(CJWindowAlphaTheme::SGetClassInfo()));
    const CAlphaSkinData& data = static_cast<CJWindowAlphaTheme*>(skin)->GetSkinData();
    ASSERT_TRUE(data.m_pWindowBorder->IsKindOf(CAlphaSkinBorder::SGetClassInfo()));
    const CAlphaSkinBorder& border = *static_cast<const CAlphaSkinBorder*>(data.m_pWindowBorder);
    for (int32_t reference : {border.m_TopLeftHighlight, border.m_TopCenterHighlight, border.m_TopRightHighlight,
                              border.m_CenterLeftHighlight, border.m_CenterRightHighlight, border.m_BottomLeftHighlight,
                              border.m_BottomCenterHighlight, border.m_BottomRightHighlight, border.m_TopCenterDecal})
    {
        EXPECT_GE(reference, 1);
        EXPECT_NE(FindSkinFrame(reference), nullptr) << reference;
    }
    for (const CSkinBorder* textured :
         {data.m_pWindowBorder, data.m_pButtonBorder, data.m_pPressedButtonBorder, data.m_pHoverButtonBorder})
    {
        ASSERT_NE(textured, nullptr);
        EXPECT_GE(textured->m_BackgroundTexture, 1);
        EXPECT_TRUE(IsSkinTexture(FindSkinFrame(textured->m_BackgroundTexture)));
    }
    const struct
    {
        int32_t reference;
        int32_t x;
        int32_t y;
    } corners[] = {{border.m_TopLeftAlpha, 0, 0},
                   {border.m_TopRightAlpha, -1, 0},
                   {border.m_BottomLeftAlpha, 0, -1},
                   {border.m_BottomRightAlpha, -1, -1}};
    for (const auto& corner : corners)
    {
        CFrame* mask = FindSkinFrame(corner.reference);
        ASSERT_NE(mask, nullptr) << corner.reference;
        EXPECT_EQ(mask->GetFormat() & FRAME_ENCODING_MASK, FRAME_ENCODING_RLE_ALPHA);
        EXPECT_EQ(BitsPerPixelOfFormat(mask->GetFormat()), 16);
        EXPECT_FALSE(HasFillRun(*mask)) << corner.reference;
        CRect bounds;
        mask->GetBounds(bounds);
        const int32_t w = mask->GetWidth();
        const int32_t h = mask->GetHeight();
        EXPECT_EQ(RectText(bounds), RectText(CRect{corner.x * w, corner.y * h, corner.x * w + w, corner.y * h + h}));
    }

    CStandAloneFrameList& textures = GetInterfaceTextureList();
    for (const char* name :
         {"Window Texture", "Inactive Window Texture", "Window Title Tile", "Inactive Window Title Tile"})
    {
        const int32_t index = textures.Find(name, -1);
        ASSERT_GE(index, 0) << name;
        EXPECT_TRUE(IsSkinTexture(textures.GetItemObject(static_cast<uint32_t>(index)))) << name;
    }
    for (const char* name : {"Folder Open Icon", "Folder Closed Icon", "File Icon"})
    {
        const int32_t index = textures.Find(name, -1);
        ASSERT_GE(index, 0) << name;
        CFrame* icon = textures.GetItemObject(static_cast<uint32_t>(index));
        ASSERT_NE(icon, nullptr) << name;
        EXPECT_EQ(icon->GetWidth(), 16) << name;
        EXPECT_EQ(icon->GetHeight(), 16) << name;
    }
    skins.DeleteAllItems();
    SetDataFolder(m_PreviousDataFolder.c_str());
}

// The preview's sample dialog as a player sees it in the skin chooser, in
// the game's skin and in the classic look over the game's interface
// textures. A pattern font and the tree's manual clock keep the picture the
// same in every build; a picture that differs is kept in build/test-out.
TEST_F(ContentStartup, TheSkinPreviewDrawsItsSampleInTheGameSkinAndTheClassicLook)
{
    MountSkinLibraries();
    CSkinLibrary& skins = GetSkinLibrary();
    const struct
    {
        const char* screenshot;
        int32_t skin;
        uint32_t crc;
    } cases[] = {
        {"preview_vantrell", skins.FindOrFail("Vantrell", -1), 46182846u},
        {"preview_classic", skins.AddItemWithObject(new CJWindowClassicTheme, "Classic"), 1917462092u},
    };
    const std::unique_ptr<CFontBitmap> font = MakePatternFont();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.screenshot);
        CWindowTestTree tree(800, 600);
        // As the game's screen set-up does.
        GetToolkitState().m_pDefaultFont = font.get();
        SetWindowTextureLibraries(&GetFrameList(), &GetInterfaceTextureList());
        {
            CSkinPreview preview(&skins, c.skin);
            preview.Draw(&tree.Frame(), CPoint{50, 50});
        }
        EXPECT_EQ(FrameTgaCrc(tree.Frame(), c.screenshot, c.crc), c.crc);
    }
    skins.DeleteAllItems();
    SetDataFolder(m_PreviousDataFolder.c_str());
}

} // namespace

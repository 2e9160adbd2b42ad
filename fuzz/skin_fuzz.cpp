// Skin files as the skin library reads them: one theme object each, whose
// borders name frames of "Frames" and whose fonts name "Fonts". What loads
// writes a text that reads back into a skin writing the same text; then a
// dialog with a title and a close box, and buttons in every state (normal,
// under the pointer, pressed, and with "Remove Button Border"), are painted
// with it into a 16-bit frame, inside their parent and half outside it. A
// skin pairing corner masks with a texture the corners cannot take ends in
// the system's fatal report, which is an accepted end of an input.
//
// Frames named by the seeds: "!None", "Texture", "Small Texture", "Corner",
// "Top Right Corner", "Bottom Left Corner", "Bottom Right Corner", "Edge",
// "Side", "Decal".

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/core/messages/message_type.h"
#include "engine/core/settings/paths.h"
#include "engine/graphics/fonts/font.h"
#include "engine/graphics/fonts/font_file_list.h"
#include "engine/object/class_registry.h"
#include "engine/object/object_files.h"
#include "engine/object/text_lines.h"
#include "engine/ui/button.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/dialog.h"
#include "engine/ui/panel.h"
#include "engine/ui/skin_theme.h"
#include "engine/ui/toolkit_state.h"
#include "fuzz/support/fuzz_input.h"
#include "tests/support/object_forms.h"
#include "tests/support/skin_fixtures.h"
#include "tests/support/window_test_tree.h"

namespace {

// The window toolkit over an 800 x 600 frame, DejaVu Sans as the default
// font, and the frames the seeds name; made once.
struct CSkinStage
{
    CSkinStage()
    {
        const std::string fonts = GetFuzzFolder() + "Data/Resources/Fonts/";
        std::filesystem::create_directories(fonts);
        std::filesystem::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", fonts + "!default.ttf",
                                   std::filesystem::copy_options::overwrite_existing);
        SetDataFolder((GetFuzzFolder() + "Data").c_str());
        BuildFontFileList();
        font = std::make_unique<CFont>();
        font->SetDefaults();
        GetToolkitState().m_pDefaultFont = font.get();
        frames.Add("Texture", CRect{0, 0, 32, 32});
        frames.Add("Small Texture", CRect{0, 0, 4, 2});
        frames.AddAlphaRunLength("Corner", CRect{0, 0, 6, 6});
        frames.AddAlphaRunLength("Top Right Corner", CRect{-6, 0, 0, 6});
        frames.AddAlphaRunLength("Bottom Left Corner", CRect{0, -6, 6, 0});
        frames.AddAlphaRunLength("Bottom Right Corner", CRect{-6, -6, 0, 0});
        frames.Add("Edge", CRect{0, 0, 1, 3});
        frames.Add("Side", CRect{-3, 0, 0, 1});
        frames.Add("Decal", CRect{-8, -3, 8, 3});
    }

    CWindowTestTree tree;
    std::unique_ptr<CFont> font;
    SkinFrames frames;
};

// Only skins: the first line must name a class of the skin library.
bool NamesASkinClass(const uint8_t* data, size_t size)
{
    const char* start = reinterpret_cast<const char*>(data);
    const char* end = static_cast<const char*>(std::memchr(start, '\n', size));
    std::string line(start, end != nullptr ? static_cast<size_t>(end - start) : size);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    const CClassInfo* info = GetClassRegistry().Find(SkipLineIndent(line.c_str()));
    return info != nullptr && info->IsKindOf(CSkinTheme::SGetClassInfo());
}

// The windows of one input go when it ends, however it ends.
struct CPaintedWindows
{
    CJWindow* lender = nullptr;
    CJPanel* parent = nullptr;

    ~CPaintedWindows()
    {
        CDeferredDestroyScope scope;
        if (parent != nullptr)
            parent->Destroy();
        if (lender != nullptr)
            lender->Destroy();
    }
};

void PaintWith(CSkinStage& stage, CSkinTheme* skin)
{
    CWindowTestTree& tree = stage.tree;
    CPaintedWindows windows;
    windows.lender = new CJWindow(nullptr);
    windows.lender->SetTheme(skin);
    CJPanel* parent = new CJPanel(windows.lender);
    windows.parent = parent;
    parent->SetRect(CRect{0, 0, 200, 150});
    tree.Root().AddChild(parent);
    CJDialog* dialog = new CJDialog(parent, "Title");
    dialog->AddCloseBox();
    dialog->SetRect(CRect{10, 10, 110, 80});
    parent->AddChild(dialog);
    CJDialog* halfOut = new CJDialog(parent, "Half");
    halfOut->SetRect(CRect{150, 100, 260, 190});
    parent->AddChild(halfOut);
    CJButton* button = new CJButton(parent, "Button");
    button->SetRect(CRect{20, 90, 100, 114});
    parent->AddChild(button);
    CJButton* bare = new CJButton(parent, "Bare");
    bare->SetRect(CRect{-20, 120, 60, 144});
    parent->AddChild(bare);
    CMessage removeBorder("Remove Button Border");
    bare->PainterQuery(removeBorder);

    tree.DrawTree();
    tree.MoveMouse(30, 100);
    tree.DrawTree();
    tree.Press(0, 30, 100);
    tree.DrawTree();
    tree.Release(0, 300, 300);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CSkinStage s_Stage;
    if (!NamesASkinClass(data, size))
        return 0;
    std::string path = WriteFuzzFile("Skin.JWindowSkin", data, size);
    CObject* loaded = nullptr;
    bool ended = RunReader([&] { LoadObjectFromFile(path.c_str(), 0, false, &loaded); });
    std::unique_ptr<CObject> object(loaded);
    if (!ended || !object || !object->IsKindOf(CSkinTheme::SGetClassInfo()))
        return 0;

    std::string text = ObjectText(object.get());
    std::unique_ptr<CObject> copy(
        CreateObjectFromText(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size())));
    FuzzCheck(copy != nullptr, "a skin's own text does not read");
    FuzzCheck(ObjectText(copy.get()) == text, "a skin's own text reads as another skin");

    RunReader([&] { PaintWith(s_Stage, static_cast<CSkinTheme*>(object.get())); });
    return 0;
}

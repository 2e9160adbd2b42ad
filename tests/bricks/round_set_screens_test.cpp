#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/app/clipboard.h"
#include "engine/app/game_base.h"
#include "engine/core/settings/settings.h"
#include "engine/object/editor_hooks.h"
#include "engine/ui/button.h"
#include "engine/ui/column_header.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/list_box.h"
#include "engine/ui/member_command.h"
#include "engine/ui/message_box.h"
#include "engine/ui/static_text.h"
#include "game/bricks/new_round_set_dialog.h"
#include "game/bricks/round_set_editor_window.h"
#include "game/bricks/round_set_library.h"
#include "game/bricks/round_set_user_made.h"
#include "game/bricks/select_round_set_screen.h"
#include "game/playfield/playfield.h"
#include "game/records/player_stats.h"
#include "game/records/stats.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/standard_round_set.h"
#include "tests/support/sdl_input_events.h"
#include "tests/support/window_test_tree.h"

namespace {

std::vector<int32_t> ColumnWidths(const CJHeader& header)
{
    std::vector<int32_t> widths;
    for (uint32_t i = 0; i < header.GetColumnCount(); i++)
        widths.push_back(header.GetColumnWidth(i));
    return widths;
}

std::vector<std::string> OpenedDocuments;

bool RecordOpenedDocument(const char* path)
{
    OpenedDocuments.push_back(path);
    return true;
}

std::vector<int32_t> EditedRounds;

// The standard set of three rounds, fresh player records, a playfield and
// a window tree.
class RoundSetScreens : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        SetUpStandardRoundSet(m_Folder);
        m_pPlayfield = std::make_unique<CPlayfield>();
        m_pTree = std::make_unique<CWindowTestTree>();
        // Handlers are called directly: windows they close stay until the
        // scope ends, as under the root's input routing.
        m_pScope = std::make_unique<CDeferredDestroyScope>();
        OpenedDocuments.clear();
        EditedRounds.clear();
        GetEditorHooks().EditRoundIndex = [](int32_t round) { EditedRounds.push_back(round); };
    }

    void TearDown() override
    {
        GetEditorHooks().EditRoundIndex = [](int32_t) {};
        m_pScope.reset();
        m_pTree.reset();
        m_pPlayfield.reset();
        TearDownStandardRoundSet();
        ArchiveTestFolder::TearDown();
    }

    template <typename T>
    T* Open(T* window)
    {
        m_pTree->Root().OpenModalWindow(window, 6);
        return window;
    }

    // The toolkit message boxes open now, as "title: text".
    std::vector<std::string> MessageBoxes()
    {
        std::vector<std::string> boxes;
        for (CJWindow* child = m_pTree->Root().GetFrontChild(); child != nullptr; child = child->GetNextSibling())
        {
            auto* box = dynamic_cast<CJMessageBox*>(child);
            if (box == nullptr || box->IsDying())
                continue;
            std::string text;
            for (CJWindow* part = box->GetFrontChild(); part != nullptr; part = part->GetNextSibling())
            {
                if (dynamic_cast<CJStaticText*>(part) != nullptr)
                    text = part->GetText().GetText();
            }
            boxes.push_back(std::string(box->GetText().GetText()) + ": " + text);
        }
        return boxes;
    }

    void CloseMessageBoxes()
    {
        for (CJWindow* child = m_pTree->Root().GetFrontChild(); child != nullptr; child = child->GetNextSibling())
        {
            if (dynamic_cast<CJMessageBox*>(child) != nullptr)
                child->Destroy();
        }
        m_pTree->UpdateTree();
    }

    void TypeName(NewRoundSetDialog* dialog, const char* text) { dialog->GetNameBox()->SetText(text); }

    std::unique_ptr<CPlayfield> m_pPlayfield;
    std::unique_ptr<CWindowTestTree> m_pTree;
    std::unique_ptr<CDeferredDestroyScope> m_pScope;
};

TEST_F(RoundSetScreens, TheSelectScreenListsTheSetsAndSwitchesToTheChosenOne)
{
    ASSERT_TRUE(CreateUserRoundSet("./Rounds/N.VantrellZK"));
    SelectRoundSetScreen* screen = Open(ShowSelectRoundSetScreen(&m_pTree->Root()));
    int32_t changes = 0;
    screen->SetSelectionChangedCallback(new CMemberCommand([&changes] { changes++; }));
    EXPECT_EQ(ColumnWidths(*screen->GetHeader()), (std::vector<int32_t>{300, 80, 100}));
    ASSERT_EQ(screen->GetRows().GetCount(), 2u);
    EXPECT_STREQ(screen->GetRows().GetName(0), "Standard\t3\t1");
    EXPECT_STREQ(screen->GetRows().GetName(1), "N\t10\t10");

    screen->GetList()->SelectId(0, true);
    screen->SelectChosenSet();
    EXPECT_TRUE(screen->IsDying());
    EXPECT_EQ(changes, 0);

    screen = Open(ShowSelectRoundSetScreen(&m_pTree->Root()));
    screen->SetSelectionChangedCallback(new CMemberCommand([&changes] { changes++; }));
    screen->GetList()->SelectId(1, true);
    screen->SelectChosenSet();
    EXPECT_EQ(GetStats().GetRoundSet(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(RoundSetScreens, DownloadOpensTheAddressOrTellsWhereSetsGo)
{
    SelectRoundSetScreen* screen = Open(ShowSelectRoundSetScreen(&m_pTree->Root()));
    screen->SetDocumentOpener(&RecordOpenedDocument);
    EXPECT_TRUE(screen->GetDownloadButton()->GetTooltipText().IsEmpty());
    screen->Download();
    EXPECT_TRUE(OpenedDocuments.empty());
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_NE(MessageBoxes()[0].find("Download: "), std::string::npos);
    EXPECT_NE(MessageBoxes()[0].find("./Rounds"), std::string::npos);
    CloseMessageBoxes();
    screen->Destroy();

    GetChannelSettings().WriteString("Channel", "Additional Levels URL", CString("https://example.invalid/sets"));
    screen = Open(ShowSelectRoundSetScreen(&m_pTree->Root()));
    screen->SetDocumentOpener(&RecordOpenedDocument);
    EXPECT_FALSE(screen->GetDownloadButton()->GetTooltipText().IsEmpty());
    screen->Download();
    EXPECT_EQ(OpenedDocuments, (std::vector<std::string>{"https://example.invalid/sets"}));
    EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(RoundSetScreens, ANewSetTakesTheTrimmedNameOnceAndRefusesWhatNoFileNameHolds)
{
    SelectRoundSetScreen* screen = Open(ShowSelectRoundSetScreen(&m_pTree->Root()));
    screen->OpenNewSetDialog();
    auto* dialog = dynamic_cast<NewRoundSetDialog*>(m_pTree->Root().GetFrontChild());
    ASSERT_NE(dialog, nullptr);
    TypeName(dialog, "  N  ");
    dialog->Validate();
    EXPECT_TRUE(dialog->IsDying());
    EXPECT_TRUE(std::filesystem::exists(Absolute("Rounds/N.VantrellZK")));
    // The screen shows the new set at once.
    EXPECT_EQ(screen->GetRows().GetCount(), 2u);
    m_pTree->UpdateTree();

    const struct
    {
        const char* typed;
        const char* message;
    } refusals[] = {{"N", "Error: Can not create file.  File with same name already exists."},
                    {"n", "Error: Can not create file.  File with same name already exists."},
                    {"  ", "Error: You must specify a file name."}};
    for (const auto& refusal : refusals)
    {
        dialog = Open(new NewRoundSetDialog(&m_pTree->Root(), nullptr));
        TypeName(dialog, refusal.typed);
        dialog->Validate();
        EXPECT_FALSE(dialog->IsDying()) << refusal.typed;
        EXPECT_EQ(MessageBoxes(), (std::vector<std::string>{refusal.message})) << refusal.typed;
        CloseMessageBoxes();
        dialog->Destroy();
        m_pTree->UpdateTree();
    }

    CScopedSdlEvents clipboard;
    dialog = Open(new NewRoundSetDialog(&m_pTree->Root(), nullptr));
    dialog->GetNameBox()->KeyDown('a');
    dialog->GetNameBox()->KeyDown('/');
    GetClipboard().SetText(CString("b/c"));
    dialog->GetNameBox()->Paste(true);
    EXPECT_STREQ(dialog->GetNameBox()->GetText().GetText(), "abc");
}

TEST_F(RoundSetScreens, ASetThatCannotBeWrittenKeepsTheDialogOpenWithTheError)
{
    std::filesystem::remove_all(Absolute("Rounds"));
    m_Folder.WriteFile("Rounds", "a file where the folder should be");
    auto* dialog = Open(new NewRoundSetDialog(&m_pTree->Root(), nullptr));
    TypeName(dialog, "Mine");
    dialog->Validate();
    EXPECT_FALSE(dialog->IsDying());
    EXPECT_EQ(MessageBoxes(),
              (std::vector<std::string>{"Error: Can not create file.  The file could not be written."}));
}

TEST_F(RoundSetScreens, TheRoundListShowsItsColumnsArrowsAndFollowsTheEditedRound)
{
    ASSERT_TRUE(CreateUserRoundSet("./Rounds/N.VantrellZK"));
    SelectRoundSet(1);
    m_pPlayfield->m_RoundIndex = 4;
    auto* window = Open(new RoundSetEditorWindow(&m_pTree->Root()));
    EXPECT_TRUE(window->IsEditable());
    EXPECT_EQ(ColumnWidths(*window->GetHeader()), (std::vector<int32_t>{30, 20, 300, 100}));
    EXPECT_EQ(window->GetMoveUpButton()->GetText().GetAtUnchecked(0), u'\u25B2');
    EXPECT_EQ(window->GetMoveDownButton()->GetText().GetAtUnchecked(0), u'\u25BC');
    EXPECT_EQ(window->GetList()->GetSelectedId(), 4);
    window->MoveSelectedUp();
    EXPECT_EQ(m_pPlayfield->m_RoundIndex, 3);
    EXPECT_EQ(window->GetList()->GetSelectedId(), 3);
    window->DeleteSelectedRound();
    EXPECT_EQ(window->GetRows().GetCount(), 10u);
}

TEST_F(RoundSetScreens, EditOpensOnlyRoundsThePlayerHasReached)
{
    SelectRoundSet(0);
    m_pPlayfield->m_RoundIndex = 0;
    auto* window = Open(new RoundSetEditorWindow(&m_pTree->Root()));
    window->GetList()->SelectId(2, true);
    window->EditSelectedRound();
    EXPECT_FALSE(window->IsDying());
    EXPECT_TRUE(EditedRounds.empty());
    window->GetList()->SelectId(1, true);
    window->EditSelectedRound();
    EXPECT_TRUE(window->IsDying());
    EXPECT_EQ(EditedRounds, (std::vector<int32_t>{1}));
}

// Last in the file: the program cannot stop shutting down.
TEST_F(RoundSetScreens, ClosingTheRoundListSavesTheSetUnlessTheProgramIsEnding)
{
    ASSERT_TRUE(CreateUserRoundSet("./Rounds/N.VantrellZK"));
    SelectRoundSet(1);
    for (bool shuttingDown : {false, true})
    {
        if (shuttingDown)
            SetShuttingDown();
        const std::string before = FileBytes("Rounds/N.VantrellZK");
        m_pPlayfield->m_RoundIndex = 0;
        auto* window = Open(new RoundSetEditorWindow(&m_pTree->Root()));
        window->GetList()->SelectId(5, true);
        window->InsertRound();
        window->Destroy();
        m_pScope.reset();
        m_pScope = std::make_unique<CDeferredDestroyScope>();
        EXPECT_EQ(FileBytes("Rounds/N.VantrellZK") == before, shuttingDown);
    }
}

} // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/archives/mount_archives.h"
#include "engine/object/libraries/new_object_request.h"
#include "engine/ui/button.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/file_name_dialog.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/member_command.h"
#include "engine/ui/message_box.h"
#include "engine/ui/static_text.h"
#include "engine/ui/window_toolkit.h"
#include "engine/ui/window_weak_pointer.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/window_test_tree.h"

// The new-file dialog over a temporary data folder: "Resources/Bricks"
// holds "Existing.x" loose, and the main archive beside the program holds
// "Resources/Bricks/Zipped.x". Requests are relative to "Resources".

namespace fs = std::filesystem;

namespace {
const char* const NO_NAME = "You must specify a file name.";
const char* const EXISTS = "Can not create file.  File with same name already exists.";
const char* const UNUSABLE = "Can not create file.  This name can not be used.";
const char* const NO_FOLDER = "Folder does not exist.  Would you like to create a new folder named";

class FileNameDialogTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        m_Folder.WriteFile("Data/Resources/Bricks/Existing.x", "loose");
        WriteZip("Data.zip", NamedMembers({"Resources/Bricks/Zipped.x"}));
        MountArchives("Data");
        m_pTree = std::make_unique<CWindowTestTree>();
        m_Request.m_Title = "Create new Brick";
        m_Request.m_BaseFolder = "Resources";
        m_Request.m_Extension = ".x";
        m_Request.SetCallback(new CMemberCommand([this] { ++m_DoneCount; }));
    }

    void TearDown() override
    {
        m_pTree.reset();
        ArchiveTestFolder::TearDown();
    }

public:
    // A dialog in front of the root, as the editor opens it.
    CFileNameDialog* Open(const CString& location, const CString& name)
    {
        m_Request.m_Location = location;
        m_Request.m_Name = name;
        CFileNameDialog* dialog = new CFileNameDialog(&m_pTree->Root(), &m_Request);
        m_pTree->Root().OpenModalWindow(dialog, 6);
        return dialog;
    }

    // The box in front of the root with its text, the wrapped lines joined
    // again, or null.
    CJMessageBox* FrontBox(std::string* text = nullptr)
    {
        CJMessageBox* box = dynamic_cast<CJMessageBox*>(m_pTree->Root().GetFrontChild());
        if (box == nullptr || text == nullptr)
            return box;
        for (CJWindow* child = box->GetFrontChild(); child != nullptr; child = child->GetNextSibling())
        {
            if (dynamic_cast<CJStaticText*>(child) != nullptr)
                *text = child->GetText().GetText();
        }
        for (char& character : *text)
        {
            if (character == '\n')
                character = ' ';
        }
        return box;
    }

    void ClickOn(CJWindow* window)
    {
        const CRect& rect = window->GetScreenRect();
        m_pTree->Press(0, rect.left + 2, rect.top + 2);
        m_pTree->Release(0, rect.left + 2, rect.top + 2);
    }

    std::unique_ptr<CWindowTestTree> m_pTree;
    CFileNameRequest m_Request;
    int32_t m_DoneCount = 0;
};
} // namespace

TEST_F(FileNameDialogTest, TheBoxesStandInRowsAndTheLocationBoxEndsOneMarginInsideTheDialog)
{
    CFileNameDialog* dialog = Open(CString("Bricks"), CString("New"));
    CJEditBox* location = dialog->GetLocationBox();
    CJEditBox* name = dialog->GetNameBox();
    EXPECT_EQ(location->GetRect().right, dialog->GetWidth() - dialog->GetMargin());
    EXPECT_STREQ(location->GetText().GetText(), "Bricks");
    EXPECT_STREQ(name->GetText().GetText(), "New");
    EXPECT_STREQ(dialog->GetExtensionBox()->GetText().GetText(), ".x");
    EXPECT_FALSE(dialog->GetExtensionBox()->IsEnabled());
    EXPECT_TRUE(name->IsFocused());
    EXPECT_STREQ(dialog->GetText().GetText(), "Create new Brick");
    EXPECT_LT(location->GetRect().top, name->GetRect().top);
    EXPECT_LT(name->GetRect().top, dialog->GetExtensionBox()->GetRect().top);
    CJButton* save = dialog->GetSaveButton();
    CJButton* cancel = dialog->GetCancelButton();
    EXPECT_EQ(save->GetRect().left, name->GetRect().right + dialog->GetSpacing());
    EXPECT_EQ(save->GetRect().top, name->GetRect().top);
    EXPECT_EQ(cancel->GetRect().left, save->GetRect().left);
    EXPECT_GT(cancel->GetRect().top, save->GetRect().top);
    EXPECT_EQ(cancel->GetWidth(), save->GetWidth());
    EXPECT_NE(dialog->GetCloseBox(), nullptr);
}

TEST_F(FileNameDialogTest, AcceptRefusesWhatCannotBeMadeAndRunsTheCommandOnceForTheRest)
{
    struct Case
    {
        const char* what;
        CString location;
        CString name;
        const char* message; // null: accepted
        const char* result;
    };
    CString wide("b");
    wide.MakeWide();
    wide.SetAt(0, u'\u0101');
    CString deep;
    for (int32_t i = 0; i < 21; ++i)
        deep.AppendPath(CString(std::string(200, 'd').c_str()));
    const std::string e = "\xe9";
    auto repeated = [](const std::string& piece, int32_t n) {
        std::string text;
        for (int32_t i = 0; i < n; ++i)
            text += piece;
        return CString(text.c_str());
    };
    const std::vector<Case> cases = {
        {"a new name", CString(" Bricks\t"), CString(" New "), nullptr, "Bricks/New.x"},
        {"a folder in another case", CString("bricks"), CString("Other"), nullptr, "bricks/Other.x"},
        {"blanks only", CString("Bricks"), CString(" \t "), NO_NAME, nullptr},
        {"a loose file in another case", CString("BRICKS"), CString("EXISTING"), EXISTS, nullptr},
        {"a file only in the archive", CString("Bricks"), CString("zipped"), EXISTS, nullptr},
        {"a step out", CString(".."), CString("a"), UNUSABLE, nullptr},
        {"a step out and in", CString("../x"), CString("a"), UNUSABLE, nullptr},
        {"a step in place", CString("Bricks/./x"), CString("a"), UNUSABLE, nullptr},
        {"a character beyond Latin-1", CString("Bricks"), wide, UNUSABLE, nullptr},
        {"253 bytes and the extension", CString("Bricks"), repeated("a", 253), nullptr, nullptr},
        {"254 bytes and the extension", CString("Bricks"), repeated("a", 254), UNUSABLE, nullptr},
        {"126 two-byte characters", CString("Bricks"), repeated(e, 126), nullptr, nullptr},
        {"127 two-byte characters", CString("Bricks"), repeated(e, 127), UNUSABLE, nullptr},
        {"a path past 4095 bytes", deep, CString("a"), UNUSABLE, nullptr},
        {"a missing folder", CString("Bricks/Deeper"), CString("New"), NO_FOLDER, nullptr},
    };
    int32_t accepted = 0;
    for (const Case& c : cases)
    {
        CWindowWeakPointer<CFileNameDialog> dialog(Open(c.location, c.name));
        bool answer = false;
        {
            CDeferredDestroyScope scope;
            answer = dialog->Accept();
        }
        std::string text;
        CJMessageBox* box = FrontBox(&text);
        if (c.message == nullptr)
        {
            ++accepted;
            EXPECT_TRUE(answer) << c.what;
            EXPECT_EQ(dialog.Get(), nullptr) << c.what;
            EXPECT_EQ(box, nullptr) << c.what << ": " << text;
            if (c.result != nullptr)
            {
                EXPECT_STREQ(m_Request.m_Result.GetText(), c.result) << c.what;
            }
        }
        else
        {
            EXPECT_FALSE(answer) << c.what;
            ASSERT_NE(box, nullptr) << c.what;
            EXPECT_STREQ(box->GetText().GetText(), "Error") << c.what;
            EXPECT_EQ(text.rfind(c.message, 0), 0u) << c.what << ": " << text;
            EXPECT_TRUE(box->IsModal());
            box->DeleteNow();
            ASSERT_NE(dialog.Get(), nullptr) << c.what;
            dialog->DeleteNow();
        }
        EXPECT_EQ(m_DoneCount, accepted) << c.what;
    }
    EXPECT_FALSE(fs::exists(Absolute("Data/Resources/bricks")));
    EXPECT_FALSE(fs::exists(Absolute("Data/Resources/Bricks/Deeper")));
}

TEST_F(FileNameDialogTest, CreateFolderMakesEveryMissingLevelAcceptsOnceAndClosesTheDialog)
{
    CWindowWeakPointer<CFileNameDialog> dialog(Open(CString("bricks/Deeper/Deepest"), CString("New")));
    ClickOn(dialog->GetSaveButton());
    std::string text;
    CJMessageBox* box = FrontBox(&text);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(text, std::string(NO_FOLDER) + " \"bricks/Deeper/Deepest\"");
    CJButton* create = dynamic_cast<CJButton*>(box->FindChildByText(CString("Create Folder")));
    ASSERT_NE(create, nullptr);
    EXPECT_STREQ(box->GetOkButton()->GetText().GetText(), "Cancel");

    ClickOn(create);
    m_pTree->UpdateTree();
    EXPECT_TRUE(fs::is_directory(Absolute("Data/Resources/Bricks/Deeper/Deepest")));
    EXPECT_FALSE(fs::exists(Absolute("Data/Resources/bricks")));
    EXPECT_EQ(m_DoneCount, 1);
    EXPECT_STREQ(m_Request.m_Result.GetText(), "bricks/Deeper/Deepest/New.x");
    EXPECT_EQ(dialog.Get(), nullptr);
    EXPECT_EQ(FrontBox(), nullptr);
}

TEST_F(FileNameDialogTest, CancellingTheFolderOfferLeavesTheDialogOpenAndNothingMade)
{
    CWindowWeakPointer<CFileNameDialog> dialog(Open(CString("Bricks/Deeper"), CString("New")));
    ClickOn(dialog->GetSaveButton());
    CJMessageBox* box = FrontBox();
    ASSERT_NE(box, nullptr);
    ClickOn(box->GetOkButton());
    m_pTree->UpdateTree();
    EXPECT_EQ(FrontBox(), nullptr);
    EXPECT_NE(dialog.Get(), nullptr);
    EXPECT_FALSE(fs::exists(Absolute("Data/Resources/Bricks/Deeper")));
    EXPECT_EQ(m_DoneCount, 0);
}

TEST_F(FileNameDialogTest, EnterAcceptsEscapeAndCancelCloseWithoutTheCommand)
{
    struct Case
    {
        const char* what;
        void (*act)(FileNameDialogTest& test, CFileNameDialog* dialog);
        int32_t done;
    };
    const Case cases[] = {
        {"Enter in the name box", [](FileNameDialogTest& t, CFileNameDialog*) { t.m_pTree->Type(KEY_ENTER); }, 1},
        {"Escape", [](FileNameDialogTest& t, CFileNameDialog*) { t.m_pTree->Type(KEY_ESCAPE); }, 0},
        {"Cancel", [](FileNameDialogTest& t, CFileNameDialog* d) { t.ClickOn(d->GetCancelButton()); }, 0},
        {"Save", [](FileNameDialogTest& t, CFileNameDialog* d) { t.ClickOn(d->GetSaveButton()); }, 1},
    };
    for (const Case& c : cases)
    {
        m_DoneCount = 0;
        CWindowWeakPointer<CFileNameDialog> dialog(Open(CString("Bricks"), CString(c.what)));
        c.act(*this, dialog.Get());
        m_pTree->UpdateTree();
        EXPECT_EQ(dialog.Get(), nullptr) << c.what;
        EXPECT_EQ(m_DoneCount, c.done) << c.what;
        EXPECT_EQ(FrontBox(), nullptr) << c.what;
    }
}

TEST_F(FileNameDialogTest, TheNameBoxRefusesASlashWhichTheLocationBoxTakes)
{
    CFileNameDialog* dialog = Open(CString(""), CString(""));
    m_pTree->Type('/');
    EXPECT_STREQ(dialog->GetNameBox()->GetText().GetText(), "");
    dialog->BringToFront(dialog->GetLocationBox());
    m_pTree->Type('a');
    m_pTree->Type('/');
    m_pTree->Type('b');
    EXPECT_STREQ(dialog->GetLocationBox()->GetText().GetText(), "a/b");
}

TEST_F(FileNameDialogTest, RequestsOpenTheToolkitsDialogOnceItIsInstalled)
{
    const CFileNameDialogMakers saved = GetFileNameDialogMakers();
    GetFileNameDialogMakers() = CFileNameDialogMakers{nullptr, nullptr};
    EXPECT_EQ(m_Request.OpenDialog(&m_pTree->Root()), nullptr);
    InstallWindowToolkit();
    CFileNameDialog* dialog = m_Request.OpenDialog(&m_pTree->Root());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->GetParent(), nullptr);
    EXPECT_STREQ(dialog->GetText().GetText(), "Create new Brick");
    dialog->DeleteNow();
    GetFileNameDialogMakers() = saved;
}

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/object/class_info.h"
#include "engine/object/libraries/new_object_request.h"
#include "engine/ui/alpha_theme.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/drop_down.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/member_command.h"
#include "engine/ui/new_object_dialog.h"
#include "engine/ui/skin_library.h"
#include "engine/ui/skin_theme.h"
#include "engine/ui/window_toolkit.h"
#include "engine/ui/window_weak_pointer.h"
#include "tests/support/archive_test_folder.h"
#include "tests/support/window_test_tree.h"

// The class chooser over the skin themes: the abstract theme base has two
// creatable classes, the classic theme none but itself.

namespace {
class NewObjectDialogTest : public ArchiveTestFolder
{
protected:
    void SetUp() override
    {
        ArchiveTestFolder::SetUp();
        m_Folder.WriteFile("Data/Resources/Mine/Old.txt", "a folder for the new skin");
        m_pTree = std::make_unique<CWindowTestTree>();
    }

    void TearDown() override
    {
        m_pTree.reset();
        GetSkinLibrary().DeleteAllItems();
        ArchiveTestFolder::TearDown();
    }

    CNewObjectDialog* Open(CNewObjectRequest& request)
    {
        CNewObjectDialog* dialog = new CNewObjectDialog(&m_pTree->Root(), &request);
        m_pTree->Root().OpenModalWindow(dialog, 6);
        return dialog;
    }

    static bool HasClassRow(CJWindow* dialog) { return dialog->FindChildByText(CString("Class:")) != nullptr; }

    std::unique_ptr<CWindowTestTree> m_pTree;
};
} // namespace

TEST_F(NewObjectDialogTest, SeveralClassesAreOfferedInNameOrderStartingWithTheFirst)
{
    CNewObjectRequest request;
    request.m_pBaseClass = CSkinTheme::SGetClassInfo();
    CNewObjectDialog* dialog = Open(request);
    CNamedValueList& list = dialog->GetClassList();
    ASSERT_EQ(list.GetCount(), 2u);
    EXPECT_STREQ(list.GetName(0), "JWindowAlphaTheme");
    EXPECT_STREQ(list.GetName(1), "JWindowClassicTheme");
    EXPECT_EQ(request.m_pChosenClass, CJWindowAlphaTheme::SGetClassInfo());
    EXPECT_TRUE(HasClassRow(dialog));

    CJDropDown* classes = dialog->GetClassDropDown();
    ASSERT_NE(classes, nullptr);
    EXPECT_EQ(classes->GetSelectedId(), 0);
    EXPECT_GT(classes->GetRect().top, dialog->GetExtensionBox()->GetRect().top);
    classes->SelectItem(1, false);
    EXPECT_EQ(request.m_pChosenClass, CJWindowClassicTheme::SGetClassInfo());
}

TEST_F(NewObjectDialogTest, ASingleClassIsChosenWithoutAClassRow)
{
    CNewObjectRequest request;
    request.m_pBaseClass = CJWindowClassicTheme::SGetClassInfo();
    CNewObjectDialog* dialog = Open(request);
    EXPECT_EQ(request.m_pChosenClass, CJWindowClassicTheme::SGetClassInfo());
    EXPECT_EQ(dialog->GetClassList().GetCount(), 1u);
    EXPECT_EQ(dialog->GetClassDropDown(), nullptr);
    EXPECT_FALSE(HasClassRow(dialog));
}

TEST_F(NewObjectDialogTest, ASkinMadeThroughTheDialogIsWrittenByTheLibraryInTheChosenClass)
{
    InstallWindowToolkit();
    CSkinLibrary& skins = GetSkinLibrary();
    // As the game's loading sets it up, over this test's data folder.
    skins.Init(nullptr, "Resources", 0);
    std::unique_ptr<CNewObjectRequest> request(skins.CreateNewItemChooser());
    ASSERT_NE(request, nullptr);
    request->m_Title = "Create new ";
    request->m_Title += request->m_TypeName;
    request->m_Location = "Mine";
    request->m_Name = "Grey";
    int32_t added = -1;
    request->SetCallback(new CMemberCommand([&] { added = skins.AddFromRequest(request.get()); }));

    CWindowWeakPointer<CNewObjectDialog> dialog(static_cast<CNewObjectDialog*>(request->OpenDialog(&m_pTree->Root())));
    ASSERT_NE(dialog.Get(), nullptr);
    m_pTree->Root().OpenModalWindow(dialog.Get(), 6);
    EXPECT_STREQ(dialog->GetText().GetText(), "Create new SkinTheme");
    EXPECT_STREQ(dialog->GetExtensionBox()->GetText().GetText(), ".JWindowSkin");
    dialog->GetClassDropDown()->SelectItem(1, false);
    {
        CDeferredDestroyScope scope;
        EXPECT_TRUE(dialog->Accept());
    }
    EXPECT_EQ(dialog.Get(), nullptr);
    ASSERT_NE(added, -1);
    EXPECT_STREQ(request->m_Result.GetText(), "Mine/Grey.JWindowSkin");
    EXPECT_STREQ(skins.GetName(static_cast<uint32_t>(added)), "Mine/Grey");
    const std::string text = FileBytes("Data/Resources/Mine/Grey.JWindowSkin");
    EXPECT_EQ(text.rfind("CJWindowClassicTheme", 0), 0u) << text;
}

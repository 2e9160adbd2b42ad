#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/object/editor_hooks.h"
#include "engine/ui/button.h"
#include "engine/ui/deferred_destroy.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/static_text.h"
#include "game/bricks/script_reference_to_target.h"
#include "game/bricks/target_name_field.h"
#include "game/bricks/target_name_picker.h"
#include "tests/support/brick_script_field.h"
#include "tests/support/window_test_tree.h"

namespace {
// The inspector as the field sees it: its page, which hands the controls'
// commands to the field, and the owner of the field, deleted with it.
class CFakeInspector : public CJWindow
{
public:
    explicit CFakeInspector(CJWindow* parent)
        : CJWindow(parent)
    {
    }

    void OnCommand(CJWindow* source, int32_t code) override
    {
        if (m_pField != nullptr)
            m_pField->OnControlEvent(source, code);
    }

    std::unique_ptr<PropertyEditor> m_pField;
};

// The level editor's side of the hooks.
struct FakeLevelEditor
{
    CJWindow* m_pWindow = nullptr;
    CFakeInspector* m_pInspector = nullptr;
    CJWindow* m_pActiveTool = nullptr;
    std::vector<CObject*> m_Selection;
    int32_t m_NamesGiven = 0;

    // The editor reports every change of its selection to its active tool.
    void Select(const std::vector<CObject*>& objects)
    {
        m_Selection = objects;
        if (m_pActiveTool != nullptr)
            m_pActiveTool->OnCommand(m_pWindow, 1);
    }
};

FakeLevelEditor* s_pEditor = nullptr;

void InstallFakeHooks()
{
    CEditorHooks& hooks = GetEditorHooks();
    hooks.AddLabelledField = [](CPropertyWindow*, PropertyEditor* editor, const char*) {
        s_pEditor->m_pInspector->m_pField.reset(editor);
        editor->CreateControl(true);
    };
    hooks.GetPageClient = [](CPropertyWindow*, const PropertyEditor*) -> CJWindow* { return s_pEditor->m_pInspector; };
    hooks.GetLevelEditorWindow = []() { return s_pEditor->m_pWindow; };
    hooks.GetPropertyWindowFrame = [](CPropertyWindow*) -> CJWindow* { return s_pEditor->m_pInspector; };
    hooks.SetActiveTool = [](CJWindow* tool) { s_pEditor->m_pActiveTool = tool; };
    hooks.ClearActiveTool = []() { s_pEditor->m_pActiveTool = nullptr; };
    hooks.GetSelection = [](CDynamicArray<CObject*>& objects) {
        for (CObject* object : s_pEditor->m_Selection)
            objects.Add(object);
    };
    hooks.SetSelection = [](const CDynamicArray<CObject*>& objects) {
        std::vector<CObject*> selection;
        for (uint32_t i = 0; i < objects.GetCount(); i++)
            selection.push_back(objects[i]);
        s_pEditor->Select(selection);
    };
    hooks.AssignUniqueName = [](CObject* object) {
        auto* brick = static_cast<CBrickBase*>(object);
        brick->m_Name = ("Unnamed " + std::to_string(++s_pEditor->m_NamesGiven)).c_str();
    };
    hooks.CloseOpenPropertyWindow = []() {
        s_pEditor->m_pInspector->Destroy();
        s_pEditor->m_pInspector = nullptr;
    };
}

class TargetNamePickerTest : public BrickScriptFieldTest
{
protected:
    void SetUp() override
    {
        // The toolkit first: its start resets state that the bricks' data
        // then fills.
        m_pTree = std::make_unique<CWindowTestTree>();
        BrickScriptFieldTest::SetUp();
        m_SavedHooks = GetEditorHooks();
        s_pEditor = &m_Editor;
        InstallFakeHooks();
        m_Editor.m_pWindow = new CJWindow(&m_pTree->Root());
        m_pTree->Root().AddChild(m_Editor.m_pWindow);
        m_Editor.m_pWindow->SetRect(CRect{0, 0, 800, 600});
    }

    void TearDown() override
    {
        m_Editor.m_pWindow->DeleteNow();
        if (m_Editor.m_pInspector != nullptr)
            m_Editor.m_pInspector->DeleteNow();
        GetEditorHooks() = m_SavedHooks;
        s_pEditor = nullptr;
        BrickScriptFieldTest::TearDown();
        m_pTree.reset();
    }

    // Inspects the reference: the "Name" property makes its field on a new
    // inspector page.
    TargetNameField* Inspect()
    {
        m_Editor.m_pInspector = new CFakeInspector(&m_pTree->Root());
        m_pTree->Root().AddChild(m_Editor.m_pInspector);
        const Property* name = CScriptReferenceToTarget::SGetClassInfo()->FindProperty("Name");
        name->CreateEditor(nullptr, &m_Reference, name, "Name");
        return static_cast<TargetNameField*>(m_Editor.m_pInspector->m_pField.get());
    }

    // The field's "Pick", as a click of the user would send it.
    TargetNamePicker* Pick(TargetNameField* field)
    {
        CDeferredDestroyScope scope;
        field->GetPickButton()->Fire();
        return static_cast<TargetNamePicker*>(m_Editor.m_pWindow->GetFrontChild());
    }

    static std::string TextOf(const CJWindow* window) { return window->GetText().GetText(); }

    std::unique_ptr<CWindowTestTree> m_pTree;
    CEditorHooks m_SavedHooks;
    FakeLevelEditor m_Editor;
    CScriptReferenceToTarget m_Reference;
};

TEST_F(TargetNamePickerTest, AnEmptyNameShowsAnEmptySampleSizedBoxAndADisabledZeroCount)
{
    TargetNameField* field = Inspect();
    ASSERT_NE(field, nullptr);
    CJEditBox* sample = new CJEditBox(m_Editor.m_pInspector, "Let's give them some room");
    EXPECT_EQ(field->GetEditBox()->GetWidth(), sample->GetWidth());
    sample->DeleteNow();
    EXPECT_EQ(TextOf(field->GetEditBox()), "");
    EXPECT_EQ(TextOf(field->GetQuantityButton()), "(Qty 0)");
    EXPECT_FALSE(field->GetQuantityButton()->IsEnabled());
}

TEST_F(TargetNamePickerTest, TheFieldCountsEveryCaseOfTheNameAndSelectsThemFromTheCount)
{
    CBrickBase* gate = AddNamedBrick("Gate", 100.0f, 50.0f);
    CBrickBase* upper = AddNamedBrick("GATE", 150.0f, 50.0f);
    AddNamedBrick("Other", 200.0f, 50.0f);
    m_Reference.m_Name = "gate";
    TargetNameField* field = Inspect();
    EXPECT_EQ(TextOf(field->GetQuantityButton()), "(Qty 2)");
    EXPECT_TRUE(field->GetQuantityButton()->IsEnabled());

    field->GetEditBox()->SetText(CString("other"));
    field->GetEditBox()->SendCommand(1);
    EXPECT_EQ(std::string(m_Reference.m_Name.GetText()), "other");
    EXPECT_EQ(TextOf(field->GetQuantityButton()), "(Qty 1)");

    field->GetEditBox()->SetText(CString("GaTe"));
    field->GetEditBox()->SendCommand(1);
    {
        // The count closes the inspector, and the field with it.
        CDeferredDestroyScope scope;
        field->GetQuantityButton()->Fire();
    }
    EXPECT_EQ(m_Editor.m_pInspector, nullptr);
    EXPECT_EQ(m_Editor.m_Selection, (std::vector<CObject*>{gate, upper}));
}

TEST_F(TargetNamePickerTest, OpeningHidesTheInspectorAndSelectsTheNamedBricks)
{
    CBrickBase* gate = AddNamedBrick("Gate", 100.0f, 50.0f);
    CBrickBase* upper = AddNamedBrick("GATE", 150.0f, 50.0f);
    AddNamedBrick("Other", 200.0f, 50.0f);
    m_Reference.m_Name = "gate";
    TargetNamePicker* picker = Pick(Inspect());
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(TextOf(picker), "Select Layer Part");
    EXPECT_EQ(m_Editor.m_pActiveTool, picker);
    EXPECT_FALSE(m_Editor.m_pInspector->IsVisible());
    EXPECT_EQ(TextOf(picker->GetEditBox()), "gate");
    EXPECT_EQ(TextOf(picker->GetQuantityLabel()), "(Qty 2)");
    // The picker's own selection is not taken for the user's pick.
    EXPECT_EQ(m_Editor.m_Selection, (std::vector<CObject*>{gate, upper}));
    EXPECT_EQ(TextOf(picker->GetEditBox()), "gate");
}

TEST_F(TargetNamePickerTest, ClickedBricksNameTheTarget)
{
    CBrickBase* gate = AddNamedBrick("Gate", 100.0f, 50.0f);
    CBrickBase* upper = AddNamedBrick("GATE", 150.0f, 50.0f);
    CBrickBase* other = AddNamedBrick("Other", 200.0f, 50.0f);
    CBrickBase* unnamed = AddNamedBrick("", 250.0f, 50.0f);
    struct Case
    {
        std::vector<CObject*> clicked;
        const char* text;
        const char* quantity;
        std::vector<CObject*> selected;
    };
    const Case cases[] = {
        // One click names the brick and selects every brick of its name.
        {{upper}, "GATE", "(Qty 2)", {gate, upper}},
        // Two bricks of one name in different cases give the name once.
        {{upper, gate}, "GATE", "(Qty 2)", {gate, upper}},
        // Different names give a list that names no brick.
        {{gate, other}, "Gate, Other", "(Qty 0)", {}},
        // A brick without a name receives one first.
        {{unnamed}, "Unnamed 1", "(Qty 1)", {unnamed}},
        {{}, "", "(Qty 0)", {}},
    };
    TargetNamePicker* picker = Pick(Inspect());
    for (const Case& c : cases)
    {
        m_Editor.Select(c.clicked);
        EXPECT_EQ(TextOf(picker->GetEditBox()), c.text);
        EXPECT_EQ(TextOf(picker->GetQuantityLabel()), c.quantity) << c.text;
        EXPECT_EQ(m_Editor.m_Selection, c.selected) << c.text;
    }
    EXPECT_EQ(std::string(unnamed->GetName().GetText()), "Unnamed 1");
}

TEST_F(TargetNamePickerTest, EveryWayOfClosingShowsTheInspectorAndOnlyAcceptingWrites)
{
    AddNamedBrick("Gate", 100.0f, 50.0f);
    AddNamedBrick("Other", 200.0f, 50.0f);
    struct Case
    {
        const char* how;
        bool writes;
    };
    const Case cases[] = {
        {"Enter", true}, {"OK", true}, {"double-click", true}, {"Escape", false}, {"close box", false}};
    for (const Case& c : cases)
    {
        m_Reference.m_Name = "Gate";
        TargetNameField* field = Inspect();
        TargetNamePicker* picker = Pick(field);
        picker->GetEditBox()->SetText(CString("Other"));
        const std::string how = c.how;
        if (how == "Enter" || how == "Escape")
        {
            CDeferredDestroyScope scope;
            EXPECT_TRUE(picker->KeyDown(how == "Enter" ? KEY_ENTER : KEY_ESCAPE));
        }
        else
        {
            CDeferredDestroyScope scope;
            if (how == "OK")
                picker->GetOkButton()->Fire();
            else if (how == "double-click")
                picker->OnCommand(m_Editor.m_pWindow, 0);
            else
                picker->GetCloseBox()->Fire();
        }
        EXPECT_EQ(m_Editor.m_pWindow->GetFrontChild(), nullptr) << how;
        EXPECT_EQ(m_Editor.m_pActiveTool, nullptr) << how;
        EXPECT_TRUE(m_Editor.m_pInspector->IsVisible()) << how;
        const char* expected = c.writes ? "Other" : "Gate";
        EXPECT_EQ(std::string(m_Reference.m_Name.GetText()), expected) << how;
        EXPECT_EQ(TextOf(field->GetEditBox()), expected) << how;
        m_Editor.m_pInspector->DeleteNow();
        m_Editor.m_pInspector = nullptr;
    }
}

TEST_F(TargetNamePickerTest, AnInspectorClosedUnderThePickerIsNeverWrittenTo)
{
    AddNamedBrick("Gate", 100.0f, 50.0f);
    AddNamedBrick("Other", 200.0f, 50.0f);
    m_Reference.m_Name = "Gate";
    TargetNamePicker* picker = Pick(Inspect());
    picker->GetEditBox()->SetText(CString("Other"));
    GetEditorHooks().CloseOpenPropertyWindow();
    {
        CDeferredDestroyScope scope;
        EXPECT_TRUE(picker->KeyDown(KEY_ENTER));
    }
    EXPECT_EQ(std::string(m_Reference.m_Name.GetText()), "Gate");
    EXPECT_EQ(m_Editor.m_pWindow->GetFrontChild(), nullptr);
    EXPECT_EQ(m_Editor.m_pActiveTool, nullptr);
}

TEST_F(TargetNamePickerTest, APickerWhoseInspectorWentClosesByItself)
{
    m_Reference.m_Name = "Gate";
    Pick(Inspect());
    {
        // Still queued for deletion: the picker must not wait for it.
        CDeferredDestroyScope scope;
        GetEditorHooks().CloseOpenPropertyWindow();
        m_pTree->UpdateTree();
    }
    EXPECT_EQ(m_Editor.m_pWindow->GetFrontChild(), nullptr);
    EXPECT_EQ(m_Editor.m_pActiveTool, nullptr);
    EXPECT_EQ(std::string(m_Reference.m_Name.GetText()), "Gate");
}
}

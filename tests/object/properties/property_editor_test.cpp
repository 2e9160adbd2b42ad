#include <gtest/gtest.h>

#include <string>

#include "engine/core/strings/ref_string.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/properties/int_property.h"
#include "engine/object/properties/property_editor.h"

namespace
{
std::string s_Clipboard;
bool s_ClipboardHoldsText = false;

void PutText(const CString& text)
{
    s_Clipboard = text.GetText();
    s_ClipboardHoldsText = true;
}

bool TakeText(CString& text)
{
    if (!s_ClipboardHoldsText)
        return false;
    text = s_Clipboard.c_str();
    return true;
}

// An editor without controls: the clipboard logic of the base is what is
// under test.
class CTextEditor : public PropertyEditor
{
public:
    CTextEditor(const Property* property, void* object, bool clipboardEnabled)
        : PropertyEditor(property, property, nullptr, object)
        , m_ClipboardEnabled(clipboardEnabled)
    {
    }

    void CreateControl(bool) override {}
    bool OnControlEvent(CJWindow*, int32_t) override { return false; }
    bool IsClipboardEnabled() const override { return m_ClipboardEnabled; }
    void SetEnabled(bool) override {}
    void Refresh() override { m_Refreshes++; }

    int m_Refreshes = 0;

private:
    bool m_ClipboardEnabled;
};

class EditorClipboard : public ::testing::Test
{
protected:
    EditorClipboard()
        : m_Saved(GetEditorHooks())
        , m_Property("Score", CPropertyMember<int32_t>{0, 4}, EDITOR_EDITABLE, 0, nullptr, 0, 0)
        , m_Editor(&m_Property, &m_Value, true)
    {
        GetEditorHooks().SetClipboardText = &PutText;
        GetEditorHooks().GetClipboardText = &TakeText;
        s_Clipboard.clear();
        s_ClipboardHoldsText = false;
    }

    ~EditorClipboard() override { GetEditorHooks() = m_Saved; }

    CEditorHooks m_Saved;
    IntProperty m_Property;
    int32_t m_Value = 42;
    CTextEditor m_Editor;
};
}

TEST_F(EditorClipboard, CopyPutsTheValueTextOnTheClipboard)
{
    EXPECT_TRUE(m_Editor.Copy(true));
    EXPECT_FALSE(s_ClipboardHoldsText);
    EXPECT_TRUE(m_Editor.Copy(false));
    EXPECT_EQ("42", s_Clipboard);
}

TEST_F(EditorClipboard, PasteSetsTheValueFromTheClipboardText)
{
    EXPECT_FALSE(m_Editor.Paste(false));
    s_Clipboard = "17";
    s_ClipboardHoldsText = true;
    EXPECT_TRUE(m_Editor.Paste(true));
    EXPECT_EQ(42, m_Value);
    EXPECT_TRUE(m_Editor.Paste(false));
    EXPECT_EQ(17, m_Value);
    EXPECT_EQ(1, m_Editor.m_Refreshes);
}

TEST_F(EditorClipboard, CutCopiesThenClears)
{
    EXPECT_TRUE(m_Editor.Cut(false));
    EXPECT_EQ("42", s_Clipboard);
    EXPECT_EQ(0, m_Value);
    EXPECT_EQ(1, m_Editor.m_Refreshes);
}

TEST_F(EditorClipboard, EditorsWithoutClipboardRefuseEverything)
{
    CTextEditor editor(&m_Property, &m_Value, false);
    s_ClipboardHoldsText = true;
    EXPECT_FALSE(editor.Copy(false));
    EXPECT_FALSE(editor.Paste(false));
    EXPECT_FALSE(editor.Clear(false));
    EXPECT_FALSE(editor.Cut(false));
    EXPECT_EQ(42, m_Value);
}

TEST(EditorHooks, DefaultsDoNothingAndAnswerNothing)
{
    CEditorHooks& hooks = GetEditorHooks();
    CString text;
    EXPECT_FALSE(hooks.GetClipboardText(text));
    EXPECT_EQ(nullptr, hooks.PasteObjectFromClipboard(true));
    EXPECT_FALSE(hooks.ClipboardHoldsClass(nullptr));
    EXPECT_EQ(nullptr, hooks.FindOpenPropertyEditor(nullptr, nullptr, 0));
    EXPECT_EQ(nullptr, hooks.GetPageClient(nullptr, nullptr));
    hooks.ForgetObjectInPropertyHistory(nullptr);
    hooks.ReopenPropertyWindow(nullptr);
}

#include <gtest/gtest.h>

#include "engine/graphics/sequence.h"
#include "engine/object/libraries/resource_library.h"
#include "engine/ui/cursor_table.h"
#include "engine/ui/toolkit_state.h"
#include "engine/ui/window.h"

namespace {
const CLibraryParameters kCursors = {"Sequence", "property", false, nullptr, 0, false};
}

TEST(CursorTable, EmptyOrOutsideEntriesAnswerTheArrowAndUnknownNamesStoreTheLibrarysFirstItem)
{
    ResetToolkitState();
    CResourceLibrary<CSequence> library{kCursors};
    CSequence* arrow = new CSequence();
    CSequence* text = new CSequence();
    ASSERT_EQ(library.AddItemWithObject(arrow, "MouseCursor"), 0);
    ASSERT_EQ(library.AddItemWithObject(text, "Text Cursor"), 1);
    EXPECT_EQ(GetCursorFromTable(0), nullptr);

    SetCursorTableEntry(0, "MouseCursor", &library);
    SetCursorTableEntry(1, "Text Cursor", &library);
    SetCursorTableEntry(2, "No Such Cursor", &library);
    SetCursorTableEntry(40, "Text Cursor", &library);
    EXPECT_EQ(GetCursorFromTable(0), arrow);
    EXPECT_EQ(GetCursorFromTable(1), text);
    EXPECT_EQ(GetCursorFromTable(2), arrow);
    for (int32_t entry : {15, 40, -1})
        EXPECT_EQ(GetCursorFromTable(entry), arrow) << entry;
    CJWindow* window = new CJWindow(nullptr);
    EXPECT_EQ(window->GetCursor(CPoint{0, 0}), arrow);
    window->Destroy();
    ResetToolkitState();
}

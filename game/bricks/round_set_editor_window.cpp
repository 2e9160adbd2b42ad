#include "game/bricks/round_set_editor_window.h"

#include "engine/app/game_base.h"
#include "engine/core/localization/localized_string.h"
#include "engine/object/editor_hooks.h"
#include "engine/object/object_files.h"
#include "engine/ui/button.h"
#include "engine/ui/column_header.h"
#include "engine/ui/list_box.h"
#include "game/bricks/button_row.h"
#include "game/bricks/list_selection.h"
#include "game/bricks/round_set.h"
#include "game/bricks/round_set_library.h"
#include "game/bricks/round_set_rows.h"
#include "game/bricks/round_set_texts.h"
#include "game/playfield/playfield.h"
#include "game/records/player_stats.h"
#include "game/records/stats.h"

namespace {
CLocalizedString s_NumberColumn("#", "Number sign used for level number or round number");
CLocalizedString s_CheckpointColumn("CP", "Check Point");
CLocalizedString s_EnvironmentColumn("Environment");
CLocalizedString s_Edit("Edit");
CLocalizedString s_MoveUp("%s[UpArrow] Move Up %s[UpArrow]");
CLocalizedString s_MoveDown("%s[DownArrow] Move Down %s[DownArrow]");
CLocalizedString s_Insert("Insert");
CLocalizedString s_Delete("Delete");

constexpr int32_t kListWidth = 500;
constexpr int32_t kListHeight = 360;
constexpr int32_t BELOW_TITLE = 1;
constexpr int32_t BELOW_ANCHOR = 7;
constexpr char16_t kUpTriangle = u'\u25B2';
constexpr char16_t kDownTriangle = u'\u25BC';

// The text with every marker replaced by the one character.
CString WithMarkerAs(const CString& text, const char* marker, char16_t character)
{
    const CString replacement(character, 1);
    const uint32_t markerLength = static_cast<uint32_t>(CString(marker).GetLength());
    CString out;
    uint32_t start = 0;
    for (int32_t found = text.Find(marker); found >= 0; found = text.Find(marker, start))
    {
        CString part;
        text.Mid(part, start, static_cast<uint32_t>(found) - start);
        out.Append(part);
        out.Append(replacement);
        start = static_cast<uint32_t>(found) + markerLength;
    }
    CString rest;
    text.Mid(rest, start);
    out.Append(rest);
    return out;
}

int32_t& CurrentRound()
{
    return GetPlayfield()->m_RoundIndex;
}
} // namespace

RoundSetEditorWindow::RoundSetEditorWindow(CJWindow* parent)
    : CJDialog(parent, RoundsText())
    , m_pSet(GetCurrentRoundSet())
{
    AddCloseBox();
    m_Editable = m_pSet != nullptr && CanSaveObject(m_pSet);
    m_pHeader = new CJHeader(this);
    m_pHeader->AddColumn(s_NumberColumn.GetText(), 30, nullptr, 2, false, false);
    m_pHeader->AddColumn(s_CheckpointColumn.GetText(), 20, nullptr, 1, true, false);
    m_pHeader->AddColumn(NameColumnText(), 300, nullptr, 0, true, false);
    m_pHeader->AddColumn(s_EnvironmentColumn.GetText(), 100, nullptr, 0, true, false);
    m_pHeader->SetSize(kListWidth, m_pHeader->GetHeight());
    AddChild(m_pHeader, BELOW_TITLE);
    if (m_pSet != nullptr)
        BuildRoundRows(*m_pSet, m_Rows);
    m_pList = new CJListBox(this, &m_Rows, nullptr, 0, false);
    m_pList->SetSize(kListWidth, kListHeight);
    m_pList->SetHeader(m_pHeader);
    AddChild(m_pList, BELOW_ANCHOR, m_pHeader);

    m_pEditButton = new CJButton(this, s_Edit.GetText());
    m_pMoveUpButton = new CJButton(this, WithMarkerAs(s_MoveUp.GetText(), "%s[UpArrow]", kUpTriangle));
    m_pMoveDownButton = new CJButton(this, WithMarkerAs(s_MoveDown.GetText(), "%s[DownArrow]", kDownTriangle));
    m_pInsertButton = new CJButton(this, s_Insert.GetText());
    m_pDeleteButton = new CJButton(this, s_Delete.GetText());
    AddButtonRow(this, m_pList, {m_pEditButton, m_pMoveUpButton, m_pMoveDownButton, m_pInsertButton, m_pDeleteButton},
                 true);
    m_pList->SelectId(CurrentRound(), true);
}

RoundSetEditorWindow::~RoundSetEditorWindow() = default;

void RoundSetEditorWindow::TearDown()
{
    // Closing keeps the edits; a program on its way out writes nothing.
    if (m_pSet != nullptr && !IsShuttingDown())
        SaveObject(m_pSet);
    CJDialog::TearDown();
}

void RoundSetEditorWindow::RebuildRows(int32_t selectedRow)
{
    BuildRoundRows(*m_pSet, m_Rows);
    m_pList->SetSourceWithOwner(&m_Rows, nullptr);
    m_pList->SelectId(selectedRow, true);
}

void RoundSetEditorWindow::EditSelectedRound()
{
    const int32_t selected = SelectedRowValue(*m_pList, m_Rows);
    if (selected < 0 || !IsRoundOpenToEdit(selected, GetStats().GetCurrentRoundSetStats()->m_HighestRoundCompleted))
        return;
    if (selected != CurrentRound())
        GetEditorHooks().EditRoundIndex(selected);
    Destroy();
}

void RoundSetEditorWindow::MoveSelectedUp()
{
    const int32_t selected = SelectedRowValue(*m_pList, m_Rows);
    if (m_Editable && MoveRoundUp(*m_pSet, selected, CurrentRound()))
        RebuildRows(selected - 1);
}

void RoundSetEditorWindow::MoveSelectedDown()
{
    const int32_t selected = SelectedRowValue(*m_pList, m_Rows);
    if (m_Editable && MoveRoundDown(*m_pSet, selected, CurrentRound()))
        RebuildRows(selected + 1);
}

void RoundSetEditorWindow::InsertRound()
{
    if (!m_Editable)
        return;
    const int32_t selected = SelectedRowValue(*m_pList, m_Rows);
    InsertRoundAt(*m_pSet, selected, CurrentRound());
    RebuildRows(selected);
}

void RoundSetEditorWindow::DeleteSelectedRound()
{
    const int32_t selected = SelectedRowValue(*m_pList, m_Rows);
    if (m_Editable && DeleteRoundAt(*m_pSet, selected, CurrentRound()))
        RebuildRows(-1);
}

void RoundSetEditorWindow::OnCommand(CJWindow* source, int32_t code)
{
    if (code != 0)
        CJDialog::OnCommand(source, code);
    else if (source == m_pEditButton || source == m_pList)
        EditSelectedRound();
    else if (source == m_pMoveUpButton)
        MoveSelectedUp();
    else if (source == m_pMoveDownButton)
        MoveSelectedDown();
    else if (source == m_pInsertButton)
        InsertRound();
    else if (source == m_pDeleteButton)
        DeleteSelectedRound();
    else
        CJDialog::OnCommand(source, code);
}

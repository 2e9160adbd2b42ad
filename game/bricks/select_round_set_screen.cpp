#include "game/bricks/select_round_set_screen.h"

#include "engine/core/localization/localized_string.h"
#include "engine/core/program/outside_programs.h"
#include "engine/core/settings/settings.h"
#include "engine/ui/button.h"
#include "engine/ui/column_header.h"
#include "engine/ui/command_callback.h"
#include "engine/ui/list_box.h"
#include "engine/ui/member_command.h"
#include "engine/ui/message_box.h"
#include "game/bricks/button_row.h"
#include "game/bricks/list_selection.h"
#include "game/bricks/new_round_set_dialog.h"
#include "game/bricks/round_set_library.h"
#include "game/bricks/round_set_rows.h"
#include "game/bricks/round_set_texts.h"
#include "game/records/stats.h"

namespace {
CLocalizedString s_Title("Select Round Set");
CLocalizedString s_CompletedColumn("Completed");
CLocalizedString s_Select("Select");
CLocalizedString s_New("New");
CLocalizedString s_NewToolTip("Create your own set of rounds");
CLocalizedString s_Download("Download");
CLocalizedString s_DownloadToolTip("To play more round sets, put their files in the folder \"./Rounds\" beside the "
                                   "game.");

constexpr int32_t kListWidth = 500;
constexpr int32_t kListHeight = 200;
constexpr int32_t BELOW_TITLE = 1;
constexpr int32_t BELOW_ANCHOR = 7;
constexpr int32_t CENTRED = 6;

CString ChannelText(const char* key, const CString& fallback)
{
    CString value = fallback;
    GetChannelSettings().ReadString(key, value);
    return value;
}
} // namespace

SelectRoundSetScreen::SelectRoundSetScreen(CJWindow* parent)
    : CJInputCaptureWindow(parent, s_Title.GetText())
    , m_DownloadName(ChannelText("Additional Levels Button Name", s_Download.GetText()))
    , m_DownloadToolTip(ChannelText("Additional Levels Button Tool Tip", s_DownloadToolTip.GetText()))
    // No site of ours offers sets: an address comes only from the settings.
    , m_DownloadAddress(ChannelText("Additional Levels URL", CString()))
    , m_OpenDocument(&OpenDocument)
{
    AddCloseBox();
    m_pHeader = new CJHeader(this);
    m_pHeader->AddColumn(NameColumnText(), 300, nullptr, 0, true, false);
    m_pHeader->AddColumn(RoundsText(), 80, nullptr, 2, false, false);
    m_pHeader->AddColumn(s_CompletedColumn.GetText(), 100, nullptr, 2, false, false);
    m_pHeader->SetSize(kListWidth, m_pHeader->GetHeight());
    AddChild(m_pHeader, BELOW_TITLE);
    BuildRoundSetRows(m_Rows);
    m_pList = new CJListBox(this, &m_Rows, nullptr, 0, false);
    m_pList->SetSize(kListWidth, kListHeight);
    m_pList->SetHeader(m_pHeader);
    AddChild(m_pList, BELOW_ANCHOR, m_pHeader);

    m_pSelectButton = new CJButton(this, s_Select.GetText());
    m_pNewButton = new CJButton(this, s_New.GetText());
    m_pNewButton->SetTooltipText(&s_NewToolTip.GetText(), false);
    m_pDownloadButton = new CJButton(this, m_DownloadName);
    if (!m_DownloadAddress.IsEmpty())
        m_pDownloadButton->SetTooltipText(&m_DownloadToolTip, false);
    AddButtonRow(this, m_pList, {m_pSelectButton, m_pNewButton, m_pDownloadButton}, false);
    SetDefaultButton(m_pSelectButton);
    m_pList->SelectId(GetStats().GetRoundSet(), true);
}

SelectRoundSetScreen::~SelectRoundSetScreen() = default;

void SelectRoundSetScreen::SetSelectionChangedCallback(CCommandCallback* callback)
{
    m_pSelectionChanged.reset(callback);
}

void SelectRoundSetScreen::RebuildRows()
{
    BuildRoundSetRows(m_Rows);
    m_pList->SetSourceWithOwner(&m_Rows, nullptr);
}

void SelectRoundSetScreen::SelectChosenSet()
{
    const int32_t chosen = SelectedRowValue(*m_pList, m_Rows);
    // A set without rounds has nothing to play or edit.
    if (chosen < 0 || GetRoundSetLibrary().GetItemObject(static_cast<uint32_t>(chosen))->GetRoundCount() == 0)
        return;
    if (chosen != GetStats().GetRoundSet())
    {
        SelectRoundSet(static_cast<uint32_t>(chosen));
        if (m_pSelectionChanged)
            m_pSelectionChanged->Execute();
    }
    Destroy();
}

void SelectRoundSetScreen::OpenNewSetDialog()
{
    OpenModalWindow(new NewRoundSetDialog(this, new CMemberCommand([this] { RebuildRows(); })), CENTRED);
}

void SelectRoundSetScreen::Download()
{
    if (!m_DownloadAddress.IsEmpty())
        m_OpenDocument(m_DownloadAddress.GetText());
    else
        ShowMessageBox(this, m_DownloadName, m_DownloadToolTip);
}

void SelectRoundSetScreen::OnCommand(CJWindow* source, int32_t code)
{
    if (code == 0 && (source == m_pSelectButton || source == m_pList))
        SelectChosenSet();
    else if (code == 0 && source == m_pNewButton)
        OpenNewSetDialog();
    else if (code == 0 && source == m_pDownloadButton)
        Download();
    else
        CJInputCaptureWindow::OnCommand(source, code);
}

SelectRoundSetScreen* ShowSelectRoundSetScreen(CJWindow* parent)
{
    return new SelectRoundSetScreen(parent);
}

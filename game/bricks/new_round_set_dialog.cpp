#include "game/bricks/new_round_set_dialog.h"

#include "engine/core/files/data_files.h"
#include "engine/core/localization/localized_string.h"
#include "engine/ui/button.h"
#include "engine/ui/command_callback.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/file_name_texts.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/message_box.h"
#include "engine/ui/static_text.h"
#include "game/bricks/button_row.h"
#include "game/bricks/round_set_user_made.h"

namespace {
CLocalizedString s_Title("New Round Set");
CLocalizedString s_NameLabel("Name:");
CLocalizedString s_Save("Save");
CLocalizedString s_NotWritten("Can not create file.  The file could not be written.");

const char* const kFolder = "./Rounds";
const char* const kExtension = ".VantrellZK";
// The box is made wide enough for thirty characters.
const char* const kSizingSample = "123456789012345678901234567890";
// Characters no file name may hold.
const char* const kRefused = "/\\:;*?\"><|";
constexpr int32_t BELOW_TITLE = 1;
constexpr int32_t NEXT_TO_PREVIOUS = 14;
} // namespace

NewRoundSetDialog::NewRoundSetDialog(CJWindow* parent, CCommandCallback* onCreated)
    : CJDialog(parent, s_Title.GetText())
    , m_pOnCreated(onCreated)
{
    AddCloseBox();
    CJStaticText* label = new CJStaticText(this, s_NameLabel.GetText());
    AddChild(label, BELOW_TITLE);
    m_pNameBox = new CJEditBox(this, kSizingSample);
    m_pNameBox->SetText("");
    m_pNameBox->SetRefusedCharacters(kRefused);
    AddChild(m_pNameBox, NEXT_TO_PREVIOUS);
    m_pSaveButton = new CJButton(this, s_Save.GetText());
    m_pCancelButton = new CJButton(this, CancelCaptionText().GetText());
    AddButtonRow(this, label, {m_pSaveButton, m_pCancelButton}, false);
    m_pNameBox->SetFocused(true);
}

NewRoundSetDialog::~NewRoundSetDialog() = default;

void NewRoundSetDialog::Validate()
{
    CString name = m_pNameBox->GetText();
    name.TrimLeft();
    name.TrimRight();
    CString path(kFolder);
    path.Append("/");
    path.Append(name);
    path.Append(kExtension);
    EnsureFolderExists(kFolder, 0);
    // An empty name still names a file (".VantrellZK"); only when there is
    // none is the name itself at fault.
    if (CanOpenDataFile(path.GetText(), 0))
    {
        ShowError(FileExistsText().GetText());
        return;
    }
    if (name.IsEmpty())
    {
        ShowError(NoFileNameText().GetText());
        return;
    }
    if (!CreateUserRoundSet(path.GetText()))
    {
        ShowError(s_NotWritten.GetText());
        return;
    }
    if (m_pOnCreated)
        m_pOnCreated->Execute();
    Destroy();
}

void NewRoundSetDialog::ShowError(const CString& text)
{
    ShowMessageBox(this, ErrorTitleText().GetText(), text);
}

void NewRoundSetDialog::OnCommand(CJWindow* source, int32_t code)
{
    if (source == m_pSaveButton && code == 0)
        Validate();
    else if (source == m_pCancelButton && code == 0)
        Destroy();
    else
        CJDialog::OnCommand(source, code);
}

bool NewRoundSetDialog::KeyDown(int32_t key)
{
    if (CJDialog::KeyDown(key))
        return true;
    if (key == KEY_ENTER)
    {
        Validate();
        return true;
    }
    if (key == KEY_ESCAPE)
    {
        Destroy();
        return true;
    }
    return false;
}

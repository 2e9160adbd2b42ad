#include "engine/ui/file_name_dialog.h"

#include "engine/core/files/data_files.h"
#include "engine/core/localization/localized_string.h"
#include "engine/object/libraries/new_object_request.h"
#include "engine/ui/button.h"
#include "engine/ui/edit_box.h"
#include "engine/ui/file_name_texts.h"
#include "engine/ui/file_name_rules.h"
#include "engine/ui/key_codes.h"
#include "engine/ui/member_command.h"
#include "engine/ui/message_box.h"
#include "engine/ui/static_text.h"

namespace {
CLocalizedString s_UnusableNameText("Can not create file.  This name can not be used.");
CLocalizedString s_NoFolderText("Folder does not exist.  Would you like to create a new folder named");
CLocalizedString s_FolderNotMadeText("Could not create folder");
CLocalizedString s_CreateFolderCaption("Create Folder");

// Sizes the boxes: thirty characters for the location and the name, ten
// for the extension.
const char* const WIDE_BOX_TEMPLATE = "123456789012345678901234567890";
const char* const NARROW_BOX_TEMPLATE = "1234567890";
// Characters no file name may hold; the location may name sub-folders.
const char* const REFUSED_IN_LOCATION = "\\:;*?\"><|";
const char* const REFUSED_IN_NAME = "\\:;*?\"><|/";

constexpr int32_t PLACE_TOP_LEFT = 1;
constexpr int32_t PLACE_CENTRED = 6;
constexpr int32_t PLACE_BELOW_LEFT_ALIGNED = 8;
constexpr int32_t PLACE_BELOW_RIGHT_ALIGNED = 9;
constexpr int32_t PLACE_RIGHT_OF_ANCHOR = 13;
constexpr int32_t PLACE_RIGHT_OF_PREVIOUS = 14;

CJEditBox* MakeBox(CJWindow* parent, const char* sizeTemplate, const CString& text, const char* refused)
{
    CJEditBox* box = new CJEditBox(parent, sizeTemplate);
    box->SetText(text);
    box->SetRefusedCharacters(refused);
    return box;
}

// Trimmed of blanks, tabs and line ends; narrowed when it fits in 8 bits,
// so that a name pasted as 16-bit text is checked and used as Latin-1.
CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    if (text.FitsInEightBits())
        text.MakeNarrow();
    return text;
}
} // namespace

CFileNameDialog::CFileNameDialog(CJWindow* parent, CFileNameRequest* request)
    : CJDialog(parent, request->m_Title)
    , m_pRequest(request)
{
    AddCloseBox();

    m_pLocationLabel = new CJStaticText(this, "Location:");
    AddChild(m_pLocationLabel, PLACE_TOP_LEFT);
    m_pLocationBox = MakeBox(this, WIDE_BOX_TEMPLATE, request->m_Location, REFUSED_IN_LOCATION);
    AddChild(m_pLocationBox, PLACE_RIGHT_OF_PREVIOUS);

    m_pNameLabel = new CJStaticText(this, "Name:");
    AddChild(m_pNameLabel, PLACE_BELOW_RIGHT_ALIGNED, m_pLocationLabel);
    m_pNameBox = MakeBox(this, WIDE_BOX_TEMPLATE, request->m_Name, REFUSED_IN_NAME);
    AddChild(m_pNameBox, PLACE_RIGHT_OF_PREVIOUS);

    m_pExtensionLabel = new CJStaticText(this, "Extension:");
    AddChild(m_pExtensionLabel, PLACE_BELOW_RIGHT_ALIGNED, m_pNameLabel);
    m_pExtensionBox = new CJEditBox(this, NARROW_BOX_TEMPLATE);
    m_pExtensionBox->SetText(request->m_Extension);
    m_pExtensionBox->SetEnabled(false);
    AddChild(m_pExtensionBox, PLACE_RIGHT_OF_PREVIOUS);
    m_pLastLabel = m_pExtensionLabel;

    m_pSaveButton = new CJButton(this, "Save");
    AddChild(m_pSaveButton, PLACE_RIGHT_OF_ANCHOR, m_pNameBox);
    m_pCancelButton = new CJButton(this, "Cancel");
    AddChild(m_pCancelButton, PLACE_BELOW_LEFT_ALIGNED);
    EqualizeWidths(m_pSaveButton, m_pCancelButton, 0);

    m_pLocationBox->SetWidth(GetWidth() - GetMargin() - m_pLocationBox->GetRect().left);
    BringToFront(m_pNameBox);
}

void CFileNameDialog::ReadFields()
{
    m_pRequest->m_Location = Trimmed(m_pLocationBox->GetText());
    m_pRequest->m_Name = Trimmed(m_pNameBox->GetText());
    m_pRequest->m_Extension = m_pExtensionBox->GetText();
}

CString CFileNameDialog::FullPath(const CString& relative) const
{
    CString path;
    path.AssignPath(m_pRequest->m_BaseFolder.GetText(), relative.GetText());
    return path;
}

bool CFileNameDialog::Accept()
{
    ReadFields();
    CFileNameRequest& request = *m_pRequest;
    request.m_Result.AssignPath(request.m_Location.GetText(), request.m_Name.GetText(), request.m_Extension.GetText());
    if (request.m_Name.IsEmpty())
    {
        ShowError(NoFileNameText().GetText());
        return false;
    }
    CString fileName = request.m_Name;
    fileName += request.m_Extension;
    if (!IsUsableNewFileName(request.m_BaseFolder, request.m_Location, fileName))
    {
        ShowError(s_UnusableNameText.GetText());
        return false;
    }
    if (CanOpenDataFile(FullPath(request.m_Result).GetText(), 0))
    {
        ShowError(FileExistsText().GetText());
        return false;
    }
    if (!FolderExists(FullPath(request.m_Location).GetText(), 0))
    {
        OfferToCreateFolder();
        return false;
    }
    if (CExecutableCommand* command = request.GetCallback())
        command->Execute();
    Close();
    return true;
}

void CFileNameDialog::CreateFolderAndAccept()
{
    if (EnsureFolderExists(FullPath(m_pRequest->m_Location).GetText(), 0))
        Accept();
    else
        ShowError(s_FolderNotMadeText.GetText());
}

void CFileNameDialog::ShowError(const CString& text)
{
    OpenModalWindow(new CJMessageBox(this, ErrorTitleText().GetText(), text, nullptr, nullptr, nullptr), PLACE_CENTRED);
}

void CFileNameDialog::OfferToCreateFolder()
{
    CString text = s_NoFolderText.GetText();
    text += " \"";
    text += m_pRequest->m_Location;
    text += "\"";
    CJMessageBox* box =
        new CJMessageBox(this, ErrorTitleText().GetText(), text, nullptr, &CancelCaptionText().GetText(), nullptr);
    box->AddButton(s_CreateFolderCaption.GetText(), new CMemberCommand(this, &CFileNameDialog::CreateFolderAndAccept));
    OpenModalWindow(box, PLACE_CENTRED);
}

bool CFileNameDialog::KeyDown(int32_t key)
{
    if (CJDialog::KeyDown(key))
        return true;
    if (key == KEY_ENTER)
    {
        Accept();
        return true;
    }
    if (key == KEY_ESCAPE)
    {
        Close();
        return true;
    }
    return false;
}

void CFileNameDialog::OnCommand(CJWindow* source, int32_t code)
{
    if (code == 0 && source == m_pCancelButton)
    {
        Close();
        return;
    }
    if (code == 0 && source == m_pSaveButton)
    {
        Accept();
        return;
    }
    CJDialog::OnCommand(source, code);
}

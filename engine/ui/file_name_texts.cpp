#include "engine/ui/file_name_texts.h"

namespace {
CLocalizedString s_ErrorTitle("Error");
CLocalizedString s_NoFileName("You must specify a file name.");
CLocalizedString s_FileExists("Can not create file.  File with same name already exists.");
CLocalizedString s_CancelCaption("Cancel");
} // namespace

const CLocalizedString& ErrorTitleText()
{
    return s_ErrorTitle;
}

const CLocalizedString& NoFileNameText()
{
    return s_NoFileName;
}

const CLocalizedString& FileExistsText()
{
    return s_FileExists;
}

const CLocalizedString& CancelCaptionText()
{
    return s_CancelCaption;
}

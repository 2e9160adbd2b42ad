#pragma once

#include "engine/core/localization/localized_string.h"

// The texts every dialog that names a new file shows. They are registered
// once, here, so the translation file lists each of them once, whichever
// dialogs a program links.
const CLocalizedString& ErrorTitleText();
const CLocalizedString& NoFileNameText();
const CLocalizedString& FileExistsText();
const CLocalizedString& CancelCaptionText();

#include "engine/core/localization/version_text.h"

#include "engine/core/localization/localized_string.h"

static const int32_t BUILD_NUMBER = 19;

static CLocalizedString s_VersionWord("Version", "As in \"Qor Demo VERSION 1.0 Build 345\"", 0);
static CLocalizedString s_BuildWord("Build", "As in \"Qor Demo Version 1.0 BUILD 345\"", 0);

int32_t GetBuildNumber()
{
    return BUILD_NUMBER;
}

void GetVersionText(CString& out)
{
    CString number;
    number.FromInt(GetBuildNumber());

    // Appended rather than formatted: a translated word may be 16-bit text.
    out = "1.0 ";
    out += s_BuildWord.GetText();
    out += " ";
    out += number;
}

void GetProductName(CString& out)
{
    out = "Vantrell Pellucine";
}

void GetFullVersionText(CString& out)
{
    CString version;
    GetVersionText(version);

    GetProductName(out);
    out += " ";
    out += s_VersionWord.GetText();
    out += " ";
    out += version;
}

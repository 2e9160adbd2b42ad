#include "engine/core/localization/version_text.h"

#include <gtest/gtest.h>

#include "engine/core/localization/localized_string.h"

static CLocalizedStringEntry* FindRegisteredWord(const char* english)
{
    for (CLocalizedStringEntry& entry : GetLocalizedStringRegistry())
    {
        if (entry.pText->Compare(english) == 0)
            return &entry;
    }
    return nullptr;
}

TEST(VersionTextTest, EnglishTexts)
{
    CString text;

    EXPECT_EQ(GetBuildNumber(), 19);
    GetVersionText(text);
    EXPECT_STREQ(text.GetText(), "1.0 Build 19");
    GetProductName(text);
    EXPECT_STREQ(text.GetText(), "Vantrell Pellucine");
    GetFullVersionText(text);
    EXPECT_STREQ(text.GetText(), "Vantrell Pellucine Version 1.0 Build 19");
}

TEST(VersionTextTest, WordsAreRegisteredForTranslators)
{
    const CLocalizedStringEntry* version = FindRegisteredWord("Version");
    const CLocalizedStringEntry* build = FindRegisteredWord("Build");
    ASSERT_NE(version, nullptr);
    ASSERT_NE(build, nullptr);
    EXPECT_STREQ(version->pComment, "As in \"Qor Demo VERSION 1.0 Build 345\"");
    EXPECT_STREQ(build->pComment, "As in \"Qor Demo Version 1.0 BUILD 345\"");
}

// A translation may need 16-bit characters; the version texts keep them.
TEST(VersionTextTest, TranslatedWordsAppearInTheTexts)
{
    CLocalizedStringEntry* version = FindRegisteredWord("Version");
    CLocalizedStringEntry* build = FindRegisteredWord("Build");
    ASSERT_NE(version, nullptr);
    ASSERT_NE(build, nullptr);
    *version->pText = u"Версия";
    *build->pText = "Compilation";

    CString text;
    GetFullVersionText(text);

    *version->pText = "Version";
    *build->pText = "Build";
    EXPECT_EQ(text.Compare(CString(u"Vantrell Pellucine Версия 1.0 Compilation 19")), 0);
}

#include "engine/core/localization/localized_string.h"

#include <gtest/gtest.h>

// Registered texts must outlive the registry, which is never torn down, so
// the texts made here are function-local statics like the game's own.

TEST(LocalizedStringTest, EmptyTextIsNotRegistered)
{
    const uint32_t countBefore = GetLocalizedStringRegistry().GetCount();

    CLocalizedString empty("");
    CLocalizedString null(nullptr);

    EXPECT_EQ(GetLocalizedStringRegistry().GetCount(), countBefore);
    EXPECT_TRUE(empty.GetText().IsEmpty());
    EXPECT_TRUE(null.GetText().IsEmpty());
}

TEST(LocalizedStringTest, TextIsRegisteredWithItsCommentAndFlag)
{
    static const char* const english = "Quellorbs left";
    static const char* const comment = "Balls in reserve";
    const uint32_t countBefore = GetLocalizedStringRegistry().GetCount();

    static CLocalizedString text(english, comment, 5);

    const LocalizedStringRegistry& registry = GetLocalizedStringRegistry();
    ASSERT_EQ(registry.GetCount(), countBefore + 1);
    const CLocalizedStringEntry& entry = registry[countBefore];
    EXPECT_EQ(entry.pText, &text.GetText());
    EXPECT_EQ(entry.pComment, comment);
    EXPECT_EQ(entry.flag, 5);
    EXPECT_STREQ(text.GetText().GetText(), english);
    EXPECT_EQ(text.GetEnglish(), english);
}

TEST(LocalizedStringTest, TranslationThroughTheRegistryIsWhatReadersSee)
{
    const uint32_t index = GetLocalizedStringRegistry().GetCount();
    static CLocalizedString text("Round");

    *GetLocalizedStringRegistry()[index].pText = "Manche";

    EXPECT_STREQ(text.GetText().GetText(), "Manche");
    EXPECT_STREQ(text.GetEnglish(), "Round");
}

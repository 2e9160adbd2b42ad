#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

// A user-visible text. Each is a static object, built before the program's
// main code, and registered so that the localization table can replace its
// text by the translation in place once "Local.txt" is loaded; readers
// therefore always see the current text. Until then it shows its English.
// Never declare one const: the translation is written into it.
class CLocalizedString
{
public:
    // The comment tells translators what the text means where it is used;
    // the flag is kept for them and means nothing to the program. An empty
    // text is not registered: there is nothing to translate.
    CLocalizedString(const char* english, const char* comment = nullptr, int32_t flag = 0);
    CLocalizedString(const CLocalizedString&) = delete;
    CLocalizedString& operator=(const CLocalizedString&) = delete;

    const CString& GetText() const { return m_Text; }
    const char* GetEnglish() const { return m_pEnglish; }

private:
    CString m_Text;
    const char* m_pEnglish;
};

// One registered text: the string the translation is written into, the
// translator's comment (or null) and the flag.
struct CLocalizedStringEntry
{
    CString* pText;
    const char* pComment;
    int32_t flag;
};

using LocalizedStringRegistry = CDynamicArray<CLocalizedStringEntry>;

// Every registered text in the order of registration. Built by the first
// registration and never torn down, so static texts of any file may
// register in any order.
LocalizedStringRegistry& GetLocalizedStringRegistry();

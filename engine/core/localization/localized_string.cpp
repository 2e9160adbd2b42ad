#include "engine/core/localization/localized_string.h"

CLocalizedString::CLocalizedString(const char* english, const char* comment, int32_t flag)
    : m_Text(english)
    , m_pEnglish(english)
{
    if (m_Text.HasText())
        GetLocalizedStringRegistry().Add({&m_Text, comment, flag});
}

LocalizedStringRegistry& GetLocalizedStringRegistry()
{
    static LocalizedStringRegistry* registry = new LocalizedStringRegistry;
    return *registry;
}

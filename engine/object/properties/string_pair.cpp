#include "engine/object/properties/string_pair.h"

#include "engine/core/localization/localization_table.h"

void TranslateStringPair(CStringPair& pair)
{
    pair.m_Shown = pair.m_Source;
    GetLocalizationTable().TranslateOne(pair.m_Shown, nullptr);
}

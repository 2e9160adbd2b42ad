#include "engine/graphics/slides/text_substitution_list.h"

void TextSubstitutionList::Add(const CString& key, const CString& value)
{
    m_Pairs.Add(Pair{key, value});
}

void TextSubstitutionList::Add(const CString& key, int32_t value)
{
    CString text;
    text.FormatGrouped(value);
    Add(key, text);
}

CString TextSubstitutionList::Apply(const CString& text) const
{
    CString result(text);
    for (uint32_t i = 0; i < m_Pairs.GetCount(); i++)
        result.ReplaceAll(m_Pairs[i].key, m_Pairs[i].value);
    return result;
}

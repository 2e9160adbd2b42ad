#pragma once

#include <cstdint>

#include "engine/core/lists/named_value_list.h"
#include "engine/object/properties/named_value_lookup.h"
#include "engine/object/properties/optional_range.h"
#include "engine/object/properties/scalar_property.h"

// A number with named special values ("Never" for -2, "Unlimited" for 0). A
// value that has a name is written as its name; a text reads as a name or a
// number, and a named value is kept even outside the range. The names are
// held in a table of the shown type, which the editor offers as buttons.
template <typename T, typename Shown, typename Step, typename Kind>
class NamedNumberProperty : public NumberProperty<T, Shown, Step, Kind>
{
public:
    using NamedValues = CNamedValueTable<Shown>;

    ~NamedNumberProperty() override { delete m_pNamedValues; }

    // The order of the calls is the order of the editor's buttons. Answers
    // the entry's number from 1.
    uint32_t AddNamedValue(T value, const char* name)
    {
        if (m_pNamedValues == nullptr)
            m_pNamedValues = new NamedValues();
        return static_cast<uint32_t>(m_pNamedValues->Add(name, static_cast<Shown>(value))) + 1;
    }
    // Null until the first named value.
    NamedValues* GetNamedValues() const { return m_pNamedValues; }

protected:
    using NumberProperty<T, Shown, Step, Kind>::NumberProperty;

    NamedNumberProperty(const NamedNumberProperty& other)
        : NumberProperty<T, Shown, Step, Kind>(other)
        , m_pNamedValues(other.m_pNamedValues != nullptr ? other.m_pNamedValues->Clone() : nullptr)
    {
    }

    // The value's name into out, or false when it has none.
    bool NameOf(T value, CString& out) const
    {
        const int32_t named = FindNamedValue(value);
        if (named < 0)
            return false;
        out = m_pNamedValues->GetEntry(static_cast<uint32_t>(named)).name;
        return true;
    }

    // What a text reads as, given the number it parses to: with a range, a
    // number that is no named value is looked up as a name, else clamped.
    T ValueOfText(const char* text, T number) const
    {
        if (this->m_Minimum == this->m_Maximum || FindNamedValue(number) >= 0)
            return number;
        const int32_t named = FindNamedValueByName(m_pNamedValues, text);
        if (named >= 0)
            return static_cast<T>(m_pNamedValues->GetEntry(static_cast<uint32_t>(named)).value);
        return ClampIntoOptionalRange(number, this->m_Minimum, this->m_Maximum);
    }

private:
    int32_t FindNamedValue(T value) const
    {
        return m_pNamedValues != nullptr ? m_pNamedValues->FindValue(static_cast<Shown>(value)) : -1;
    }

    NamedValues* m_pNamedValues = nullptr;
};

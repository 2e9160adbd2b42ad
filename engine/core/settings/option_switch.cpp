#include "engine/core/settings/option_switch.h"

#include "engine/core/settings/settings.h"

CDynamicArray<COption*>& GetOptionList()
{
    static CDynamicArray<COption*> options;
    return options;
}

COption::COption(const char* group) : m_Group(group ? group : "Default")
{
    GetOptionList().Add(this);
}

COption::~COption()
{
    CDynamicArray<COption*>& options = GetOptionList();
    for (uint32_t i = 0; i < options.GetCount(); ++i)
    {
        if (options[i] == this)
        {
            options.RemoveAt(i);
            break;
        }
    }
}

void COption::CreateEditor(CJWindow* /*parent*/)
{
}

bool COption::OnControlChanged(CJWindow* /*control*/, int32_t /*flag*/)
{
    return false;
}

COptionSwitch::COptionSwitch(const char* displayName, const char* keyName, const char* group, bool value)
    : COption(group), m_pDisplayName(displayName), m_pKeyName(keyName), m_Value(value ? 1 : 0)
{
}

void COptionSwitch::Load()
{
    if (!m_pKeyName)
        return;
    CSettingsFile& store = GetGeneralSettings();
    m_Value = ReadSettingInt(store.GetFileName(), store.GetSectionName(), m_pKeyName, m_Value) != 0 ? 1 : 0;
}

bool COptionSwitch::GetValue() const
{
    return m_Value != 0;
}

void COptionSwitch::SetValue(bool value)
{
    m_Value = value ? 1 : 0;
}

void COptionSwitch::Save()
{
    if (!m_pKeyName)
        return;
    CSettingsFile& store = GetGeneralSettings();
    WriteSettingInt(store.GetFileName(), store.GetSectionName(), m_pKeyName, m_Value);
}

COptionSwitch& GetLoadingMessagesSwitch()
{
    static COptionSwitch loadingMessages("Enable Loading Messages", "Enable Loading Messages", "Debug", false);
    return loadingMessages;
}

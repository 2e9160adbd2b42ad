#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/core/strings/ref_string.h"

class CJWindow;

// A named option that an options page can list. Every option is in one
// global list while it exists.
class COption
{
public:
    explicit COption(const char* group);
    virtual ~COption();

    // The control that edits the option on an options page, and the answer
    // to a change of it. The window toolkit makes the switches' check boxes;
    // until then an option has no control.
    virtual void CreateEditor(CJWindow* parent);
    virtual void Load() = 0;
    virtual bool OnControlChanged(CJWindow* control, int32_t flag);

    const CString& GetGroup() const { return m_Group; }

private:
    CString m_Group;
};

CDynamicArray<COption*>& GetOptionList();

// A boolean option stored under its key in the general settings store.
class COptionSwitch : public COption
{
public:
    // A null key name makes a switch that is never loaded or saved.
    COptionSwitch(const char* displayName, const char* keyName, const char* group, bool value);

    void Load() override;
    virtual bool GetValue() const;
    virtual void SetValue(bool value);
    virtual void Save();

    const char* GetDisplayName() const { return m_pDisplayName; }

private:
    const char* m_pDisplayName;
    const char* m_pKeyName;
    uint8_t m_Value;
};

// "Enable Loading Messages" (group "Debug"): off, and nothing turns it on.
COptionSwitch& GetLoadingMessagesSwitch();

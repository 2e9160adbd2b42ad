#pragma once

#include <cstdint>

#include "engine/core/memory/dynamic_array.h"
#include "engine/ui/command_callback.h"

// Several commands run as one, first added first: a message box's button
// runs the caller's command and then closes the box. It owns its commands
// and deletes them, last first. It is enabled while every command is, and
// has a query when any command has one.
class CCompositeCommand : public CCommandCallback
{
public:
    explicit CCompositeCommand(CCommandCallback* first = nullptr);
    ~CCompositeCommand() override;

    CCompositeCommand(const CCompositeCommand&) = delete;
    CCompositeCommand& operator=(const CCompositeCommand&) = delete;

    void Add(CCommandCallback* command);
    uint32_t GetCount() const { return m_Items.GetCount(); }
    uint32_t GetCapacity() const { return m_Items.GetCapacity(); }

    void Execute() override;
    bool IsEnabled() override;
    bool HasEnableQuery() override;

private:
    CPoolArray<CCommandCallback*> m_Items;
};

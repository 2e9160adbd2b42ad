#include "engine/ui/composite_command.h"

CCompositeCommand::CCompositeCommand(CCommandCallback* first)
{
    if (first != nullptr)
        Add(first);
}

CCompositeCommand::~CCompositeCommand()
{
    while (m_Items.GetCount() > 0)
    {
        uint32_t last = m_Items.GetCount() - 1;
        CCommandCallback* command = m_Items[last];
        m_Items.RemoveAt(last);
        delete command;
    }
}

void CCompositeCommand::Add(CCommandCallback* command)
{
    m_Items.Append(command);
}

void CCompositeCommand::Execute()
{
    for (CCommandCallback* command : m_Items)
        command->Execute();
}

bool CCompositeCommand::IsEnabled()
{
    for (CCommandCallback* command : m_Items)
        if (!command->IsEnabled())
            return false;
    return true;
}

bool CCompositeCommand::HasEnableQuery()
{
    for (CCommandCallback* command : m_Items)
        if (command->HasEnableQuery())
            return true;
    return false;
}

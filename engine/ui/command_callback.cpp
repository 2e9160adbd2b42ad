#include "engine/ui/command_callback.h"

CCommandCallback::~CCommandCallback() = default;

bool CCommandCallback::IsEnabled()
{
    return true;
}

bool CCommandCallback::HasEnableQuery()
{
    return false;
}

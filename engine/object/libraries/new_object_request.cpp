#include "engine/object/libraries/new_object_request.h"

#include "engine/core/program/executable_command.h"

namespace {
constinit CFileNameDialogMakers s_Makers = {nullptr, nullptr};
} // namespace

CFileNameDialogMakers& GetFileNameDialogMakers()
{
    return s_Makers;
}

CFileNameRequest::~CFileNameRequest()
{
    delete m_pDoneCommand;
}

void CFileNameRequest::SetCallback(CExecutableCommand* command)
{
    if (command == m_pDoneCommand)
        return;
    delete m_pDoneCommand;
    m_pDoneCommand = command;
}

CFileNameDialog* CFileNameRequest::OpenDialog(CJWindow* parent)
{
    if (s_Makers.MakeFileNameDialog == nullptr)
        return nullptr;
    return s_Makers.MakeFileNameDialog(parent, this);
}

CFileNameDialog* CNewObjectRequest::OpenDialog(CJWindow* parent)
{
    if (s_Makers.MakeNewObjectDialog == nullptr)
        return nullptr;
    return s_Makers.MakeNewObjectDialog(parent, this);
}

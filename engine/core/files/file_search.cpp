#include "engine/core/files/file_search.h"

CSearchSpec::CSearchSpec()
    : m_Mode(kRecurseSkippingDashFolders), m_ListFolders(false), m_NameForm(kRelativeNames), m_ExtensionCount(0)
{
}

void CSearchSpec::AddExtension(const char* extension)
{
    if (m_ExtensionCount >= kMaxExtensions)
        return;
    if (extension && extension[0] == '.')
        extension++;
    m_Extensions[m_ExtensionCount++] = extension;
}

void CSearchSpec::SetFolderAndExtension(const char* folder, const char* extension)
{
    m_ListFolders = false;
    m_Folder = folder;
    m_Pattern.Empty();
    m_ExtensionCount = 0;
    AddExtension(extension);
}

void CSearchSpec::SetFoldersIn(const char* folder, bool dashFolders)
{
    m_ListFolders = true;
    m_Folder = folder;
    m_Pattern = dashFolders ? "-" : "";
    m_ExtensionCount = 0;
    AddExtension("");
}

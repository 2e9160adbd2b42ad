#pragma once

#include <cstdint>

#include "engine/core/strings/ref_string.h"

// What an enumeration lists: files or folders below a folder of the data
// folder, how deep, and in which name form.
class CSearchSpec
{
public:
    // Modes: how far below the folder the search goes.
    static const int32_t kRecurse = 0;
    static const int32_t kRecurseSkippingDashFolders = 1;  // not into folders named "-..."
    static const int32_t kThisFolderOnly = 2;

    // Name forms of the listed names.
    static const int32_t kRelativeNames = 0;  // relative to the search root
    static const int32_t kFileNamesOnly = 1;

    static const int32_t kMaxExtensions = 5;

    // Mode 1, files, relative names, the data folder itself, no pattern, no
    // extensions (which lists nothing until one is added).
    CSearchSpec();

    // Stores the text without a leading "."; ignored once five are held.
    void AddExtension(const char* extension);
    // Files of one extension in a folder; the mode stays as it was.
    void SetFolderAndExtension(const char* folder, const char* extension);
    // The folders in a folder, or with dash folders only those named "-...";
    // the mode stays as it was.
    void SetFoldersIn(const char* folder, bool dashFolders);

    void SetMode(int32_t mode) { m_Mode = mode; }
    int32_t GetMode() const { return m_Mode; }
    void SetListFolders(bool folders) { m_ListFolders = folders; }
    bool ListsFolders() const { return m_ListFolders; }
    void SetNameForm(int32_t nameForm) { m_NameForm = nameForm; }
    int32_t GetNameForm() const { return m_NameForm; }
    // Relative to the data folder and ending in "/", or empty for the data
    // folder itself.
    void SetFolder(const char* folder) { m_Folder = folder; }
    const CString& GetFolder() const { return m_Folder; }
    void SetPattern(const char* pattern) { m_Pattern = pattern; }
    const CString& GetPattern() const { return m_Pattern; }
    int32_t GetExtensionCount() const { return m_ExtensionCount; }
    const CString& GetExtension(int32_t index) const { return m_Extensions[index]; }

private:
    int32_t m_Mode;
    bool m_ListFolders;
    int32_t m_NameForm;
    CString m_Folder;
    CString m_Pattern;
    CString m_Extensions[kMaxExtensions];
    int32_t m_ExtensionCount;
};

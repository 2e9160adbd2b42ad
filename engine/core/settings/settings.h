#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/core/strings/ref_string.h"

// Typed access to INI settings files. Each accessor takes the file name, the
// section (leading white space skipped) and the key. Reads never fail: a
// missing file, section or key gives the default. Writes happen at once,
// clear the file's read-only attribute first, and a refused write is not
// reported.
//
// Byte-1 markers: a string default holding bytes of value 1 asks for a
// result with a byte 1 in front of every character; the bytes 1 themselves
// are never part of a section, key or stored value.

int32_t ReadSettingInt(const char* file, const char* section, const char* key, int32_t defaultValue);
void WriteSettingInt(const char* file, const char* section, const char* key, int32_t value);

bool ReadSettingBool(const char* file, const char* section, const char* key, bool defaultValue);
void WriteSettingBool(const char* file, const char* section, const char* key, bool value);

// Stored in the "%g" form: one half is "0.5".
float ReadSettingFloat(const char* file, const char* section, const char* key, float defaultValue);
void WriteSettingFloat(const char* file, const char* section, const char* key, float value);

// The value holds the default (8-bit text) on entry and the whole stored
// value on return.
void ReadSettingString(const char* file, const char* section, const char* key, CString& value);

// The same into a buffer: the result is cut so that it fits with its
// terminator in size bytes.
void ReadSettingString(const char* file, const char* section, const char* key, char* buffer, size_t size);

void WriteSettingString(const char* file, const char* section, const char* key, const char* value);

// One settings store: a file and a section. Strings are kept in their text
// form, so 16-bit strings survive through the 8-bit file.
class CSettingsFile
{
public:
    CSettingsFile(const char* fileName, const char* sectionName);

    void SetFileName(const char* fileName);
    const char* GetFileName() const { return m_FileName.GetText(); }
    const char* GetSectionName() const { return m_SectionName.GetText(); }

    // The value holds the default on entry and the stored value on return.
    void ReadString(const char* key, CString& value) const;
    void ReadStringIn(const char* section, const char* key, CString& value) const;

    void WriteString(const char* section, const char* key, const CString& value) const;

private:
    CString m_FileName;
    CString m_SectionName;
};

// The general store: ".\Config.INI", section "Options", until start-up
// chooses the game's settings file.
CSettingsFile& GetGeneralSettings();

// The channel store: ".\Date2.dat", section "Channel"; only read.
CSettingsFile& GetChannelSettings();

// ".\\<title>.CFG" beside the program when that folder is writable, else
// "<title>CD.INI" in the per-user config folder.
CString GetSettingsFilePath(const char* title, bool inProgramFolder);

const char* GetConfigIniPath();

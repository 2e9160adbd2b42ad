#include "engine/core/settings/settings.h"

#include <cstdlib>
#include <cstring>

#include "engine/core/strings/text_buffers.h"
#include "engine/platform/profile_file.h"

static const char kMarker = 1;

static std::string WithoutMarkers(const char* text)
{
    std::string cleaned;
    for (const char* c = text; *c; ++c)
    {
        if (*c != kMarker)
            cleaned += *c;
    }
    return cleaned;
}

static std::string CleanSection(const char* section)
{
    return WithoutMarkers(SkipSpace(section));
}

int32_t ReadSettingInt(const char* file, const char* section, const char* key, int32_t defaultValue)
{
    return ReadProfileInt(file, CleanSection(section), WithoutMarkers(key), defaultValue);
}

void WriteSettingInt(const char* file, const char* section, const char* key, int32_t value)
{
    CString text;
    text.Format("%d", value);
    WriteSettingString(file, section, key, text.GetText());
}

bool ReadSettingBool(const char* file, const char* section, const char* key, bool defaultValue)
{
    return ReadSettingInt(file, section, key, defaultValue ? 1 : 0) != 0;
}

void WriteSettingBool(const char* file, const char* section, const char* key, bool value)
{
    WriteSettingString(file, section, key, value ? "1" : "0");
}

float ReadSettingFloat(const char* file, const char* section, const char* key, float defaultValue)
{
    CString text;
    text.Format("%g", static_cast<double>(defaultValue));
    ReadSettingString(file, section, key, text);
    CString number;
    text.Left(number, 19);
    return static_cast<float>(std::atof(number.GetText()));
}

void WriteSettingFloat(const char* file, const char* section, const char* key, float value)
{
    CString text;
    text.Format("%g", static_cast<double>(value));
    WriteSettingString(file, section, key, text.GetText());
}

void ReadSettingString(const char* file, const char* section, const char* key, CString& value)
{
    std::string defaultValue = WithoutMarkers(value.GetText());
    bool marked = defaultValue.size() != value.GetLength();
    std::string stored = ReadProfileString(file, CleanSection(section), WithoutMarkers(key), defaultValue);
    if (!marked)
    {
        value.Assign(stored.data(), static_cast<uint32_t>(stored.size()));
        return;
    }
    CString result;
    result.Reserve(static_cast<uint32_t>(stored.size() * 2));
    for (char c : stored)
    {
        result += kMarker;
        result += c;
    }
    value = result;
}

void ReadSettingString(const char* file, const char* section, const char* key, char* buffer, size_t size)
{
    if (size == 0)
        return;
    CString value(buffer);
    bool marked = std::strchr(buffer, kMarker) != nullptr;
    ReadSettingString(file, section, key, value);
    // A marked character is never separated from its marker.
    size_t length = value.GetLength();
    size_t room = size - 1;
    if (length > room)
        length = marked ? room & ~static_cast<size_t>(1) : room;
    for (size_t i = 0; i < length; ++i)
        buffer[i] = value[static_cast<uint32_t>(i)];
    buffer[length] = 0;
}

void WriteSettingString(const char* file, const char* section, const char* key, const char* value)
{
    WriteProfileString(file, CleanSection(section), WithoutMarkers(key), WithoutMarkers(value));
}

CSettingsFile::CSettingsFile(const char* fileName, const char* sectionName) : m_FileName(fileName), m_SectionName(sectionName)
{
}

void CSettingsFile::SetFileName(const char* fileName)
{
    m_FileName = fileName;
}

void CSettingsFile::ReadString(const char* key, CString& value) const
{
    ReadStringIn(m_SectionName.GetText(), key, value);
}

void CSettingsFile::ReadStringIn(const char* section, const char* key, CString& value) const
{
    CString text;
    value.EncodeForText(text);
    ReadSettingString(m_FileName.GetText(), section, key, text);
    text.DecodeFromText();
    value = text;
}

void CSettingsFile::WriteString(const char* section, const char* key, const CString& value) const
{
    CString text;
    value.EncodeForText(text);
    WriteSettingString(m_FileName.GetText(), section, key, text.GetText());
}

CSettingsFile& GetGeneralSettings()
{
    static CSettingsFile general(GetConfigIniPath(), "Options");
    return general;
}

CSettingsFile& GetChannelSettings()
{
    static CSettingsFile channel(".\\Date2.dat", "Channel");
    return channel;
}

CString GetSettingsFilePath(const char* title, bool inProgramFolder)
{
    CString path;
    if (inProgramFolder)
        path.Format(".\\\\%s.CFG", title);
    else
        path.Format("%sCD.INI", title);
    return path;
}

const char* GetConfigIniPath()
{
    return ".\\Config.INI";
}

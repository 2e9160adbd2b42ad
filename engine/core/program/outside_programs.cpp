#include "engine/core/program/outside_programs.h"

#include "engine/core/program/main_window.h"
#include "engine/core/settings/paths.h"
#include "engine/core/strings/ref_string.h"
#include "engine/platform/file_system.h"
#include "engine/platform/window_events.h"

static bool CopyText(char* buffer, size_t size, const std::string& text)
{
    return !text.empty() && CopyToBuffer(buffer, size, CString(text.c_str()));
}

bool GetProgramFolder(char* buffer, size_t size)
{
    CString folder(GetProgramFilePath().c_str());
    if (folder.IsEmpty())
        return false;
    TruncateToFolder(folder);
    return CopyToBuffer(buffer, size, folder);
}

bool GetProgramFileName(char* buffer, size_t size)
{
    return CopyText(buffer, size, GetProgramFilePath());
}

bool GetTempFolder(char* buffer, size_t size)
{
    return CopyText(buffer, size, GetTempFolderPath());
}

void SetCurrentFolderToProgram()
{
    CString folder(GetProgramFilePath().c_str());
    TruncateToFolder(folder);
    if (folder.HasText())
        SetCurrentFolder(folder.GetText());
}

bool RunProgram(const char* program, const char* arguments, bool /*hidden*/, ProcessId* process,
                const char* currentFolder, bool plainArguments)
{
    CString commandLine;
    commandLine.Format("\"%s\"", program);
    if (arguments)
    {
        if (plainArguments)
            commandLine.AppendFormat(" %s", arguments);
        else
            commandLine.AppendFormat(" \"%s\"", arguments);
    }
    return StartProcess(commandLine.GetText(), currentFolder ? currentFolder : "", process);
}

bool OpenDocument(const char* path)
{
    return OpenWithDesktop(path);
}

void PostCloseToMainWindow()
{
    PostWindowClose(GetMainWindow());
}

int32_t GetScreenBitsPerPixel()
{
    return GetDesktopBitsPerPixel();
}

int32_t MulDivPow2(int32_t number, int32_t denominator, int32_t shift)
{
    if (denominator == 0)
        return -1;
    int64_t product = static_cast<int64_t>(number) * (static_cast<int64_t>(1) << (shift & 31));
    int64_t divisor = denominator;
    if (divisor < 0)
    {
        product = -product;
        divisor = -divisor;
    }
    int64_t half = divisor / 2;
    int64_t result = (product < 0 ? product - half : product + half) / divisor;
    if (result > 2147483647 || result < -2147483647)
        return -1;
    return static_cast<int32_t>(result);
}

#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/platform/process.h"
#include "engine/platform/tick_counter.h"

// The program's own folder with its trailing separator, its full file name,
// and the temporary folder (with its trailing separator). False when the
// path cannot be had or does not fit in size bytes with its terminator.
bool GetProgramFolder(char* buffer, size_t size);
bool GetProgramFileName(char* buffer, size_t size);
bool GetTempFolder(char* buffer, size_t size);

// Called once at entry: relative names ("Data", the settings files) are
// found next to the program from then on.
void SetCurrentFolderToProgram();

// Starts the program with the arguments, which arrive as one argument unless
// plainArguments is set, in which case they are split at blanks as a command
// line is. currentFolder null: ours. hidden has no meaning on this platform.
// False when the program cannot be started.
bool RunProgram(const char* program, const char* arguments, bool hidden, ProcessId* process,
                const char* currentFolder, bool plainArguments);

// Opens a document or a link with the desktop's usual program.
bool OpenDocument(const char* path);

// Asks the main window to close, as the main menu's Exit does.
void PostCloseToMainWindow();

int32_t GetScreenBitsPerPixel();

// number * 2^(shift mod 32) / denominator, rounded to the nearest (halves
// away from zero); -1 when the denominator is 0 or the result does not fit.
int32_t MulDivPow2(int32_t number, int32_t denominator, int32_t shift);

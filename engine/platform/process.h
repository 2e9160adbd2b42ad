#pragma once

#include <cstdint>
#include <string>
#include <vector>

typedef int32_t ProcessId;

// Splits a command line the way programs on the game's original platform
// split theirs: blanks separate arguments, double quotes group, a backslash
// escapes a quote, and "" inside quotes is one quote. The program name (the
// first argument) ends at its closing quote and knows no escapes.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Starts the program named by the first argument of the command line with the
// rest as its arguments, in the given folder (empty: ours). A program name
// without a separator is looked up on PATH. False when it cannot be started;
// programs of the original platform simply fail here.
bool StartProcess(const std::string& commandLine, const std::string& currentFolder, ProcessId* process);

// True while the process has not ended; false once it has, or when it is no
// child of ours.
bool IsProcessRunning(ProcessId process);

// Asks the desktop to open a document (a file or a URL) with its usual
// program. False when the file is missing or no opener can be started.
bool OpenWithDesktop(const std::string& document);

#include "engine/platform/process.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>

#include "engine/platform/path_resolution.h"
#include "engine/platform/text_encoding.h"

extern char** environ;

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Backslashes count only in front of a quote: 2n of them give n and the quote
// still groups, 2n + 1 give n and a literal quote.
static size_t ReadBackslashes(const std::string& text, size_t i, std::string* argument, bool* escapedQuote)
{
    size_t count = 0;
    while (i + count < text.size() && text[i + count] == '\\')
        ++count;
    bool beforeQuote = i + count < text.size() && text[i + count] == '"';
    *escapedQuote = beforeQuote && (count % 2) == 1;
    argument->append(beforeQuote ? count / 2 : count, '\\');
    if (*escapedQuote)
    {
        *argument += '"';
        return count + 1;
    }
    return count;
}

static size_t ReadProgramName(const std::string& text, size_t i, std::string* name)
{
    if (i < text.size() && text[i] == '"')
    {
        size_t close = text.find('"', i + 1);
        size_t end = close == std::string::npos ? text.size() : close;
        *name = text.substr(i + 1, end - i - 1);
        return close == std::string::npos ? end : end + 1;
    }
    size_t end = i;
    while (end < text.size() && !IsBlank(text[end]))
        ++end;
    *name = text.substr(i, end - i);
    return end;
}

std::vector<std::string> SplitCommandLine(const std::string& commandLine)
{
    std::vector<std::string> arguments;
    size_t i = 0;
    while (i < commandLine.size() && IsBlank(commandLine[i]))
        ++i;
    if (i == commandLine.size())
        return arguments;
    std::string programName;
    i = ReadProgramName(commandLine, i, &programName);
    arguments.push_back(programName);

    while (true)
    {
        while (i < commandLine.size() && IsBlank(commandLine[i]))
            ++i;
        if (i == commandLine.size())
            break;
        std::string argument;
        bool quoted = false;
        while (i < commandLine.size() && (quoted || !IsBlank(commandLine[i])))
        {
            char c = commandLine[i];
            bool escapedQuote = false;
            if (c == '\\')
            {
                i += ReadBackslashes(commandLine, i, &argument, &escapedQuote);
            }
            else if (c == '"' && quoted && i + 1 < commandLine.size() && commandLine[i + 1] == '"')
            {
                argument += '"';
                i += 2;
            }
            else if (c == '"')
            {
                quoted = !quoted;
                ++i;
            }
            else
            {
                argument += c;
                ++i;
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

static bool Spawn(const std::vector<std::string>& arguments, const std::string& systemFolder, ProcessId* process)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!systemFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, systemFolder.c_str());
    pid_t child = 0;
    bool searchPath = arguments[0].find('/') == std::string::npos;
    int result = searchPath ? posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ)
                            : posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0)
        return false;
    if (process)
        *process = child;
    return true;
}

bool StartProcess(const std::string& commandLine, const std::string& currentFolder, ProcessId* process)
{
    std::vector<std::string> arguments = SplitCommandLine(commandLine);
    if (arguments.empty() || arguments[0].empty())
        return false;
    std::string program = NormalizeSeparators(arguments[0]);
    arguments[0] = program.find('/') == std::string::npos ? Latin1ToUtf8(program) : ResolveSystemPath(program);
    for (size_t i = 1; i < arguments.size(); ++i)
        arguments[i] = Latin1ToUtf8(arguments[i]);
    std::string systemFolder = currentFolder.empty() ? std::string() : ResolveSystemPath(currentFolder);
    return Spawn(arguments, systemFolder, process);
}

bool IsProcessRunning(ProcessId process)
{
    int status = 0;
    return process > 0 && waitpid(process, &status, WNOHANG) == 0;
}

static bool IsUrl(const std::string& document)
{
    return document.find("://") != std::string::npos || document.compare(0, 7, "mailto:") == 0;
}

bool OpenWithDesktop(const std::string& document)
{
    std::string target = document;
    if (!IsUrl(document))
    {
        target = ResolveSystemPath(document);
        struct stat status;
        if (stat(target.c_str(), &status) != 0)
            return false;
    }
    else
    {
        target = Latin1ToUtf8(document);
    }
    // The opener may run as long as the document stays open, and nobody
    // waits for it: started straight from here, each call would leave a
    // zombie behind. A shell starts it in the background and ends at once;
    // the shell is reaped here, and the opener, no child of ours, by the
    // system. The shell answers 127 when there is no opener to start.
    ProcessId shell = 0;
    const char* script = "command -v xdg-open >/dev/null || exit 127; xdg-open \"$1\" &";
    if (!Spawn({"/bin/sh", "-c", script, "sh", target}, std::string(), &shell))
        return false;
    int status = 0;
    while (waitpid(shell, &status, 0) < 0)
    {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

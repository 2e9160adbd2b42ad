#pragma once

// Threads: a fatal report is raised on the main thread only. It shows a
// message box and ends the process, neither of which may happen under
// another thread's feet or from inside a C library that called us back (the
// audio callback, vorbisfile's reads, FreeType's and libjpeg's error
// handlers): such code answers an error to its caller instead, and the main
// thread, finding the error, shows the report.
//
// The one place that shows a data error to the player. It returns after the
// report was acknowledged; the caller then ends the program with
// ExitAfterFatalError(). Every report also goes to stderr; tests catch
// reports with SetMessageBoxSink (engine/platform/message_box.h).
void ShowErrorReport(const char* title, const char* text);

// A plain message box with an OK button on the main window.
void ShowSystemMessageBox(const char* caption, const char* text);

// Ends the program with exit code -1 (the TrueType glue ends with 1). Static
// destructors still run after exit(), so the flag below is raised first:
// savers consult it so that half-loaded state never overwrites good records.
[[noreturn]] void ExitAfterFatalError(int exitCode = -1);

bool IsFatalExitInProgress();

// Replaces the exit of ExitAfterFatalError while installed (none restores
// it). The fuzz targets feed one broken input after another to the readers,
// and a fatal report is the expected end of such an input, not of the
// process: their hook throws back into the target. A hook must not return;
// if one does, the program exits all the same. Answers the previous hook.
typedef void (*FatalExitHook)();
FatalExitHook SetFatalExitHook(FatalExitHook hook);

// A reader of files that belong to the player (his records) runs inside
// this scope: a report its data raises is not shown and ends nothing; the
// reader throws RefusedReport back to RunRefusingReports, which answers
// false, and the caller keeps the file aside and goes on with defaults.
// Losing the program to a damaged record file would lose every profile in
// it; a report would only tell the player what the caller says better.
struct RefusedReport
{
};

// The scope's edges; RunRefusingReports pairs them.
void EnterRefusingReports();
void LeaveRefusingReports();

// True when the reader ran to its end; false when its data would have
// raised a fatal report.
template <typename Reader>
bool RunRefusingReports(Reader reader)
{
    struct Scope
    {
        Scope() { EnterRefusingReports(); }
        ~Scope() { LeaveRefusingReports(); }
    } scope;
    try
    {
        return reader();
    }
    catch (const RefusedReport&)
    {
        return false;
    }
}

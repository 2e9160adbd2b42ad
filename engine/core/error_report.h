#pragma once

// The one place that shows a data error to the player. It returns after the
// report was acknowledged; the caller then ends the program with
// ExitAfterFatalError(). Every report also goes to stderr; tests catch
// reports with SetMessageBoxSink (engine/platform/message_box.h).
void ShowErrorReport(const char* title, const char* text);

// A plain message box with an OK button on the main window.
void ShowSystemMessageBox(const char* caption, const char* text);

// Ends the program with exit code -1. Static destructors still run after
// exit(), so the flag below is raised first: savers consult it so that
// half-loaded state never overwrites good records.
[[noreturn]] void ExitAfterFatalError();

bool IsFatalExitInProgress();

#pragma once

// The program: refuses a second copy (-1, after saying so), makes the main
// window, proves the program folder writable (0, after saying so, when it
// is not), has the installed game services build the game, then runs the
// main loop for good. The process ends from inside: a close exits with 0,
// a fatal report with -1.
int WinMain(int argc, const char* const* argv);

// One pass of the main loop: the events, then, while the application is
// active and not minimised, the game's fixed-step pass. On the fake clock
// the pass first moves the clock one step.
void RunMainLoopPass();

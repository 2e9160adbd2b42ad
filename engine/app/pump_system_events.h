#pragma once

// Takes every event the operating system has queued for the program and
// applies it: keys and typed characters to the keyboard state, pointer and
// buttons to the mouse state. Long operations call it to keep the program
// answering; a call made while it runs (from a handler it called) returns
// at once, and the events queued meanwhile wait for the outer pass.
void PumpSystemEvents();

#pragma once

class VirtualArray;

// Libraries the engine cannot run without. Their callers take item 0 when a
// name is not found, so an empty one would hand every caller nothing; the
// start-up stops first with a fatal data report naming what is missing
// ("no font in Fonts").

// A library that start-up armed (it has its display name) and that holds
// no item: the fatal report "Fatal Error" / "no <item word> in <library>",
// then exit code -1. A library that was never armed is left alone: nothing
// in this start-up uses it.
void RequireLibraryItems(VirtualArray& library, const char* itemWord, const char* where);

// Every library the engine's start-up requires: "Fonts".
void RequireEngineLibraries();

#pragma once

#include <string>

class CLintReport;
class CLintFatalCatcher;
class CObjectLibrary;

// Points every library and the sound list of the game at the data folder
// already set, as start-up does, without a screen or sound.
void ArmGameLibraries();

// Reads every item of every registered library, as the game reads an item
// on its first use: each name an item refers to is looked up in its list,
// and a name that is missing (or a file that does not read) is a problem
// of that item's file.
void LintEveryLibraryItem(CLintFatalCatcher& catcher, CLintReport& report);

// The item's file below the data folder, with '/' between folders.
std::string GetLintItemFile(CObjectLibrary& library, uint32_t index);

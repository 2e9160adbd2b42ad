#pragma once

class CFileNameList;

// The TrueType files ("ttf") under "Resources/", loose and archived, by their
// paths relative to the data folder: the entries a font's "Font Family"
// names. Built once at start-up; empty until then.
CFileNameList& GetFontFileList();
// Fills the list the first time; later calls do nothing.
void BuildFontFileList();
// Empties the list and lets the next BuildFontFileList search again, for a
// data folder that changed (tests move between folders).
void ForgetFontFileList();

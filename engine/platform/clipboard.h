#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The clipboard as named blocks of bytes. "Text" (Latin-1, with its
// terminator) and "UnicodeText" (UTF-16LE, with its terminator) are the
// system's text, converted on the way in and out; every other name is a
// private format kept inside this process. Names compare ignoring ASCII
// case.
//
// Each set replaces the whole clipboard, as on the game's original
// platform: any set empties the private store, and a private set empties
// the system text. Once someone else puts text on the system clipboard,
// the private blocks are gone too.
//
// The system clipboard needs the video system; without it the text formats
// hold nothing.

// False when the system refused the text.
bool SetClipboardBlock(const char* format, const uint8_t* bytes, size_t size);
// False when the clipboard holds nothing under that name.
bool GetClipboardBlock(const char* format, std::vector<uint8_t>& bytes);

#pragma once

#include <string>

// Text inside the engine is Latin-1; the operating system speaks UTF-8.
std::string Latin1ToUtf8(const std::string& latin1);

// Characters above 255 become '?'; bytes that are not valid UTF-8 are kept
// as they are, so names written by other programs in Latin-1 survive.
std::string Utf8ToLatin1(const std::string& utf8);

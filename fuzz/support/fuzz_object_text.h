#pragma once

#include <string>

class CObject;

// The object's text form, as its file would hold it.
std::string ObjectTextOf(CObject& object);

// Aborts unless the object's text reads back into an object that writes
// the very same text: a loaded file saves and reloads equal.
void CheckObjectTextRoundTrip(CObject& object);

#pragma once

class CObject;

// Aborts unless the object's text reads back into an object that writes
// the very same text: a loaded file saves and reloads equal.
void CheckObjectTextRoundTrip(CObject& object);

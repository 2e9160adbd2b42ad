#pragma once

#include "engine/core/strings/ref_string.h"

class CObject;

// Whoever holds objects loaded from files (the data lists) answers where such
// an object is saved, so that an edited object can be written back to its
// own file without knowing its owner.
typedef bool (*ObjectFileNameHook)(CObject* object, CString& path);

void AddObjectFileNameHook(ObjectFileNameHook hook);

// Asks the hooks in the order they were added; the first that knows the
// object gives the path. False when none does.
bool GetObjectFileName(CObject* object, CString& path);

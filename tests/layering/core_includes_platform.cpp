// Compiled against the core library's include root by a test that expects
// the compile to succeed: the control for the failing probes beside it.
#include "engine/platform/file_system.h"
#include "engine/core/strings/ref_string.h"

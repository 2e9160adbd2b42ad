// Compiled against the core library's include root by a test that expects
// the compile to fail: only the platform layer sees SDL.
#include <SDL.h>

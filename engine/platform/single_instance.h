#pragma once

// Takes the lock that tells a second copy of the program that one already
// runs: an exclusive lock on a file of that name in $XDG_RUNTIME_DIR, else
// in the config folder. The lock is held until the process ends, however
// it ends (the kernel releases it); the file itself stays. False when
// another process holds it. A file that cannot be opened at all takes no
// lock and answers true: a missing runtime folder must not stop the game.
bool AcquireSingleInstanceLock(const char* name);

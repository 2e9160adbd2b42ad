#pragma once

#include <cstdint>

// Stores finished bytes under a data name, the one way every saved file
// (object files, frame caches, rewritten images) reaches the disk. A loose
// file is saved durably: written beside its target, flushed and moved
// over it, so a failure leaves the old file as it was. Archive members,
// members appended to an archive and memory files are written in place.
// OPEN_CREATE_FOLDERS makes the target's folders; OPEN_CLEAR_READ_ONLY
// lets a read-only target be replaced.
bool StoreDataFile(const char* fileName, uint32_t flags, const uint8_t* bytes, uint32_t size);

#pragma once

// VP_SANITIZED_BUILD is defined in builds under AddressSanitizer or
// ThreadSanitizer, whose allocators answer differently from the C heap's:
// huge sizes are their own errors, and their shadow memory counts against
// limits set on the process.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VP_SANITIZED_BUILD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VP_SANITIZED_BUILD 1
#endif
#endif

#include "tests/support/leak_check_pause.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VP_LEAK_CHECKS 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VP_LEAK_CHECKS 1
#endif

#ifdef VP_LEAK_CHECKS
#include <sanitizer/lsan_interface.h>

ScopedLeakCheckPause::ScopedLeakCheckPause()
{
    __lsan_disable();
}

ScopedLeakCheckPause::~ScopedLeakCheckPause()
{
    __lsan_enable();
}
#else
ScopedLeakCheckPause::ScopedLeakCheckPause() = default;
ScopedLeakCheckPause::~ScopedLeakCheckPause() = default;
#endif

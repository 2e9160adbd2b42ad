#include <cstdio>

#include "engine/core/version_text.h"

int main()
{
    CString text;
    GetFullVersionText(text);
    std::puts(text.GetText());
    return 0;
}

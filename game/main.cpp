#include <cstdio>

#include "engine/core/localization/version_text.h"

int main()
{
    CString text;
    GetFullVersionText(text);
    std::puts(text.GetText());
    return 0;
}

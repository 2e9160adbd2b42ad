#include "engine/core/strings/float_text.h"

CString FormatFloatExactly(float value)
{
    CString text;
    text.Format("%g", static_cast<double>(value));
    for (int precision = 7; precision <= 9; ++precision)
    {
        if (static_cast<float>(text.ToFloat()) == value)
            break;
        // Nine significant digits tell every float apart.
        text.Format("%.*g", precision, static_cast<double>(value));
    }
    return text;
}

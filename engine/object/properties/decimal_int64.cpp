#include "engine/object/properties/decimal_int64.h"

#include <cstdint>

int64_t ParseDecimalInt64(const char* text)
{
    while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n' || *text == '\v' || *text == '\f')
        text++;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        text++;

    // Accumulated as a negative number, whose range reaches INT64_MIN.
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; text++)
    {
        const int digit = *text - '0';
        if (value < (INT64_MIN + digit) / 10)
            return negative ? INT64_MIN : INT64_MAX;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == INT64_MIN ? INT64_MAX : -value;
}

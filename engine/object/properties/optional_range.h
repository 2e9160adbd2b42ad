#pragma once

// Numeric properties declared with equal bounds have no range, so a value
// read from text passes unchanged; otherwise it is held inside the bounds.
// Only the two comparisons decide, so a float NaN is kept as it was read.
template <typename T>
T ClampIntoOptionalRange(T value, T minimum, T maximum)
{
    if (minimum == maximum)
        return value;
    if (value < minimum)
        return minimum;
    if (value > maximum)
        return maximum;
    return value;
}

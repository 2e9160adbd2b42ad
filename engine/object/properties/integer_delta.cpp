#include "engine/object/properties/integer_delta.h"

#include "engine/core/maths/clamp_int.h"
#include "engine/object/recorded_calls/message_stream.h"

namespace
{
// Computed in 32-bit unsigned arithmetic, so the widest range does not
// overflow.
uint32_t RangeSize(int32_t minimum, int32_t maximum)
{
    return static_cast<uint32_t>(maximum) - static_cast<uint32_t>(minimum);
}
}

void WriteRangedInteger(CMessageStream& stream, int32_t value, int32_t minimum, int32_t maximum)
{
    const int32_t clamped = ClampInt(value, minimum, maximum);
    stream.WriteRangedValue(static_cast<uint32_t>(clamped) - static_cast<uint32_t>(minimum), RangeSize(minimum, maximum));
}

int32_t ReadRangedInteger(CMessageStream& stream, int32_t minimum, int32_t maximum)
{
    const uint32_t code = stream.ReadRangedValue(RangeSize(minimum, maximum));
    return static_cast<int32_t>(static_cast<uint32_t>(minimum) + code);
}

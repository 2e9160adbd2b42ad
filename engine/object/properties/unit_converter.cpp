#include "engine/object/properties/unit_converter.h"

constinit const CIdentityFloatConverter g_IdentityFloatConverter;
constinit const CIdentityIntConverter g_IdentityIntConverter;
constinit const CIdentityInt64Converter g_IdentityInt64Converter;
constinit const CScaleConverter g_DegreesConverter(57.2957763671875f);
constinit const CScaleConverter g_PercentConverter(100.0f);
constinit const COffsetConverter g_OneBasedConverter(1);

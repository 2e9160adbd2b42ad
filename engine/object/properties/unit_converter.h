#pragma once

#include <cstdint>

// Numbers the level designer edits are often stored in one unit and shown in
// another (radians shown as degrees, fractions as percentages, 0-based
// indices 1-based). A numeric property holds a converter between the stored
// and the shown value; converters are shared static objects that no
// property owns.
template <typename T>
class CUnitConverterOf
{
public:
    constexpr CUnitConverterOf() = default;
    virtual ~CUnitConverterOf() = default;

    virtual T ToDisplay(T stored) const = 0;
    virtual T FromDisplay(T shown) const = 0;
};

using CUnitConverter = CUnitConverterOf<float>;
using CIntUnitConverter = CUnitConverterOf<int32_t>;

template <typename T>
class CIdentityConverter : public CUnitConverterOf<T>
{
public:
    constexpr CIdentityConverter() = default;
    T ToDisplay(T stored) const override { return stored; }
    T FromDisplay(T shown) const override { return shown; }
};

using CIdentityFloatConverter = CIdentityConverter<float>;
using CIdentityIntConverter = CIdentityConverter<int32_t>;
using CIdentityInt64Converter = CIdentityConverter<int64_t>;

class CScaleConverter : public CUnitConverter
{
public:
    explicit constexpr CScaleConverter(float factor)
        : m_Factor(factor)
    {
    }
    float ToDisplay(float stored) const override { return stored * m_Factor; }
    float FromDisplay(float shown) const override { return shown / m_Factor; }

private:
    float m_Factor;
};

class COffsetConverter : public CIntUnitConverter
{
public:
    explicit constexpr COffsetConverter(int32_t offset)
        : m_Offset(offset)
    {
    }
    int32_t ToDisplay(int32_t stored) const override { return stored + m_Offset; }
    int32_t FromDisplay(int32_t shown) const override { return shown - m_Offset; }

private:
    int32_t m_Offset;
};

// The shared instances. They are constant-initialised, so registrations in
// any static initialiser may use them.
extern const CIdentityFloatConverter g_IdentityFloatConverter;
extern const CIdentityIntConverter g_IdentityIntConverter;
extern const CIdentityInt64Converter g_IdentityInt64Converter;
// Radians shown as degrees. The factor is one float step below the float
// nearest to 180/pi (bits 0x42652EE0), as stored angles were always shown.
extern const CScaleConverter g_DegreesConverter;
// Ratios shown as percentages.
extern const CScaleConverter g_PercentConverter;
// 0-based indices shown 1-based.
extern const COffsetConverter g_OneBasedConverter;

#include "engine/platform/audio/wave_format.h"

bool IsValidPcmFormat(const CWaveFormat& format)
{
    return format.formatTag == kWaveFormatPcm && IsPlayableRateAndChannels(format.samplesPerSec, format.channels) &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
           format.blockAlign == format.channels * format.bitsPerSample / 8;
}

CWaveFormat MakePcmFormat(uint32_t rate, uint16_t channels, uint16_t bits)
{
    CWaveFormat format;
    format.formatTag = kWaveFormatPcm;
    format.channels = channels;
    format.samplesPerSec = rate;
    format.bitsPerSample = bits;
    format.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    format.avgBytesPerSec = rate * format.blockAlign;
    format.extraSize = 0;
    return format;
}

#include "engine/platform/file_time.h"

static const int64_t kSecondsFrom1601To1970 = 11644473600LL;
static const int64_t kFileTimeUnitsPerSecond = 10000000;

uint64_t UnixTimeToFileTime(const timespec& time)
{
    int64_t seconds = static_cast<int64_t>(time.tv_sec) + kSecondsFrom1601To1970;
    return static_cast<uint64_t>(seconds * kFileTimeUnitsPerSecond + time.tv_nsec / 100);
}

timespec FileTimeToUnixTime(uint64_t fileTime)
{
    timespec time;
    time.tv_sec = static_cast<time_t>(static_cast<int64_t>(fileTime / kFileTimeUnitsPerSecond) - kSecondsFrom1601To1970);
    time.tv_nsec = static_cast<long>(fileTime % kFileTimeUnitsPerSecond) * 100;
    return time;
}

uint64_t GetFileTimeNow()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return UnixTimeToFileTime(now);
}

bool IsModificationTimeSettled(const timespec& modified)
{
    // Two seconds covers the coarsest stamps (FAT) with room to spare.
    const int64_t kSettledAfterSeconds = 2;
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<int64_t>(now.tv_sec) - static_cast<int64_t>(modified.tv_sec) > kSettledAfterSeconds;
}

void FileTimeToDosDateTime(uint64_t fileTime, uint16_t* dosDate, uint16_t* dosTime)
{
    time_t seconds = FileTimeToUnixTime(fileTime).tv_sec;
    tm local;
    localtime_r(&seconds, &local);
    // DOS dates cover 1980 to 2107; times outside clamp to the nearest end.
    int yearsSince1980 = local.tm_year - 80;
    if (yearsSince1980 < 0)
    {
        *dosDate = (1 << 5) | 1;
        *dosTime = 0;
        return;
    }
    if (yearsSince1980 > 127)
    {
        *dosDate = (127 << 9) | (12 << 5) | 31;
        *dosTime = (23 << 11) | (59 << 5) | 29;
        return;
    }
    *dosDate = static_cast<uint16_t>((yearsSince1980 << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
    *dosTime = static_cast<uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
}

uint64_t DosDateTimeToFileTime(uint16_t dosDate, uint16_t dosTime)
{
    tm local = {};
    local.tm_year = (dosDate >> 9) + 80;
    local.tm_mon = ((dosDate >> 5) & 0x0F) - 1;
    local.tm_mday = dosDate & 0x1F;
    local.tm_hour = dosTime >> 11;
    local.tm_min = (dosTime >> 5) & 0x3F;
    local.tm_sec = (dosTime & 0x1F) * 2;
    local.tm_isdst = -1;
    timespec time = {mktime(&local), 0};
    return UnixTimeToFileTime(time);
}

void GetDosDateTimeNow(uint16_t* dosDate, uint16_t* dosTime)
{
    FileTimeToDosDateTime(GetFileTimeNow(), dosDate, dosTime);
}

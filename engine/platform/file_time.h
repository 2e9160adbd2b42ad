#pragma once

#include <cstdint>
#include <ctime>

// File times count 100-nanosecond units since 1601-01-01 UTC, the form zip
// archives, caches and settings compare.
uint64_t UnixTimeToFileTime(const timespec& time);
timespec FileTimeToUnixTime(uint64_t fileTime);

// The current time as a file time.
uint64_t GetFileTimeNow();

// DOS dates and times carry no time zone; zip members store them in local
// time, so both directions convert through local time.
void FileTimeToDosDateTime(uint64_t fileTime, uint16_t* dosDate, uint16_t* dosTime);
uint64_t DosDateTimeToFileTime(uint16_t dosDate, uint16_t dosTime);
void GetDosDateTimeNow(uint16_t* dosDate, uint16_t* dosTime);

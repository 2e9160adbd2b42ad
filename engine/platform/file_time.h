#pragma once

#include <cstdint>
#include <ctime>

// File times count 100-nanosecond units since 1601-01-01 UTC, the form zip
// archives, caches and settings compare.
uint64_t UnixTimeToFileTime(const timespec& time);
timespec FileTimeToUnixTime(uint64_t fileTime);

// The current time as a file time.
uint64_t GetFileTimeNow();

// Whether a modification time lies far enough in the past that any later
// change must show as a different time. File systems stamp with a coarse
// clock (a few milliseconds, two seconds on FAT), so a change made within the
// same tick as the last read leaves the time as it was: what was read while
// the time was this recent cannot be trusted to be current.
bool IsModificationTimeSettled(const timespec& modified);

// DOS dates and times carry no time zone; zip members store them in local
// time, so both directions convert through local time.
void FileTimeToDosDateTime(uint64_t fileTime, uint16_t* dosDate, uint16_t* dosTime);
uint64_t DosDateTimeToFileTime(uint16_t dosDate, uint16_t dosTime);
void GetDosDateTimeNow(uint16_t* dosDate, uint16_t* dosTime);

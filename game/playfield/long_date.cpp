#include "game/playfield/long_date.h"

#include <ctime>

namespace {

const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

} // namespace

void FormatLongDate(CString& out, int64_t secondsSinceEpoch)
{
    const std::time_t time = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local = {};
    if (localtime_r(&time, &local) == nullptr)
    {
        out.Empty();
        return;
    }
    out.Format("%s, %s %d, %d", kDayNames[local.tm_wday], kMonthNames[local.tm_mon], local.tm_mday,
               local.tm_year + 1900);
}

void FormatCurrentDate(CString& out)
{
    FormatLongDate(out, static_cast<int64_t>(std::time(nullptr)));
}

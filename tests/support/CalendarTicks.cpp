#include "CalendarTicks.h"

namespace {

// Days from 1970-01-01 to a civil date (H. Hinnant's days_from_civil).
long long DaysFromCivil(long long year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    long long era = (year >= 0 ? year : year - 399) / 400;
    unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

}

unsigned long long TicksOf(int year, int month, int day, int hour, int minute, int second)
{
    long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                     DaysFromCivil(1601, 1, 1);
    long long seconds = days * 86400 + hour * 3600 + minute * 60 + second;
    return static_cast<unsigned long long>(seconds) * TicksPerSecond;
}

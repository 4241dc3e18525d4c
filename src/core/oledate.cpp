#include "oledate.h"
#include <cmath>

namespace core {

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
// The day counts of 1-1-100 and 31-12-9999, the dates the files can hold.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

// The whole day count of a stored date; false for a value that is no date
// (NaN, infinite, or beyond the years 100 to 9999).
bool wholeDays(double ole, double* whole)
{
    *whole = std::trunc(ole);
    return *whole >= kFirstDay && *whole <= kLastDay;
}
}

double toOleDate(const QDate& date)
{
    return double(kEpoch.daysTo(date));
}

double toOleDate(const QDateTime& dt)
{
    double days = double(kEpoch.daysTo(dt.date()));
    double frac = dt.time().msecsSinceStartOfDay() / kMsPerDay;
    // Before the epoch the fraction still counts forward from midnight.
    return days >= 0 ? days + frac : days - frac;
}

QDate oleDateToDate(double ole)
{
    double whole;
    if (!wholeDays(ole, &whole))
        return QDate();
    return kEpoch.addDays(qint64(whole));
}

QDateTime oleDateToDateTime(double ole)
{
    double whole;
    if (!wholeDays(ole, &whole))
        return QDateTime();
    double frac = std::fabs(ole - whole);
    qint64 ms = qint64(std::llround(frac * kMsPerDay));
    QDate d = kEpoch.addDays(qint64(whole));
    if (ms >= qint64(kMsPerDay)) {
        d = d.addDays(1);
        ms = 0;
    }
    return QDateTime(d, QTime::fromMSecsSinceStartOfDay(int(ms)));
}

} // namespace core

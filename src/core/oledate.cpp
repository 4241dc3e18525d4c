#include "oledate.h"
#include <cmath>

namespace core {

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
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
    if (!std::isfinite(ole))
        return QDate();
    return kEpoch.addDays(qint64(std::trunc(ole)));
}

QDateTime oleDateToDateTime(double ole)
{
    if (!std::isfinite(ole))
        return QDateTime();
    double whole = std::trunc(ole);
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

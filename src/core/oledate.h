#pragma once
// Dates as stored on disk: days since 30 December 1899, time as the fraction.
#include <QDate>
#include <QDateTime>

namespace core {

double toOleDate(const QDate& date);
double toOleDate(const QDateTime& dt);
QDate oleDateToDate(double ole);
QDateTime oleDateToDateTime(double ole);

} // namespace core

#include "format.h"
#include <QLocale>
#include <cmath>

namespace core {

QString signedNum(qint64 n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString PadNumber5(qint32 n)
{
    QString s = QString::number(n);
    if (n >= 0 && s.size() < 5)
        s = QString(5 - s.size(), QLatin1Char('0')) + s;
    return s;
}

int DigitCount(qint64 value)
{
    return int(QString::number(value).size());
}

int DigitCount(double value)
{
    if (!std::isfinite(value))
        return 1;
    return DigitCount(qint64(std::floor(value)));
}

int DigitCount(Fixed value)
{
    return DigitCount(value.floor());
}

namespace {
QChar g_decimalSeparator;
} // namespace

void setDecimalSeparator(QChar separator) { g_decimalSeparator = separator; }

QChar decimalSeparator()
{
    if (!g_decimalSeparator.isNull())
        return g_decimalSeparator;
    QString dp = QLocale().decimalPoint();
    return dp.isEmpty() ? QLatin1Char('.') : dp.at(0);
}

namespace {
QString scaledText(qint64 scaled, int decimals, bool trimZeros)
{
    qint64 unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    bool neg = scaled < 0;
    quint64 a = neg ? quint64(-(scaled + 1)) + 1 : quint64(scaled);
    QString frac = QString::number(a % quint64(unit)).rightJustified(decimals, QLatin1Char('0'));
    if (trimZeros) {
        while (frac.endsWith(QLatin1Char('0')))
            frac.chop(1);
    }
    QString s = QString::number(a / quint64(unit));
    if (!frac.isEmpty())
        s += decimalSeparator() + frac;
    if (neg && (a != 0))
        s.prepend(QLatin1Char('-'));
    return s;
}
} // namespace

QString truncatedText(Fixed v, int decimals)
{
    if (decimals < 0 || decimals > 4)
        decimals = 2;
    Fixed t = v.truncated(decimals);
    qint64 div = 1;
    for (int i = decimals; i < 4; ++i)
        div *= 10;
    return scaledText(t.raw / div, decimals, false);
}

QString plainNumber(Fixed v)
{
    return scaledText(v.raw, 4, true);
}

QString rightTrimmed(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

QString dateText(const QDate& d)
{
    return d.toString(QStringLiteral("dd-MM-yyyy"));
}

} // namespace core

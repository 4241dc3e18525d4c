#include "fixed.h"
#include <cmath>

namespace core {

qint64 roundHalfEven128(__int128 num, __int128 den)
{
    if (den < 0) { num = -num; den = -den; }
    __int128 q = num / den;
    __int128 r = num % den;
    if (r < 0) { r += den; q -= 1; }          // now num = q*den + r, 0 <= r < den
    __int128 twice = 2 * r;
    if (twice > den || (twice == den && (q & 1) != 0))
        q += 1;
    return qint64(q);
}

qint64 roundHalfEven(qint64 num, qint64 den)
{
    return roundHalfEven128(num, den);
}

Fixed Fixed::fromDouble(double v)
{
    if (!std::isfinite(v))
        return Fixed();
    // nearbyint honours the default round-to-nearest-even mode.
    return fromRaw(qint64(std::nearbyint(v * double(Scale))));
}

Fixed Fixed::ratio(qint64 num, qint64 den)
{
    if (den == 0)
        return Fixed();
    return fromRaw(roundHalfEven128(__int128(num) * Scale, den));
}

qint64 Fixed::floor() const
{
    qint64 q = raw / Scale;
    if (raw % Scale != 0 && raw < 0)
        --q;
    return q;
}

Fixed Fixed::truncated(int decimals) const
{
    qint64 unit = 1;
    for (int i = decimals; i < 4; ++i)
        unit *= 10;
    qint64 q = raw / unit;
    if (raw % unit != 0 && raw < 0)
        --q;
    return fromRaw(q * unit);
}

bool Fixed::parse(const QString& text, Fixed* out)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool neg = false;
    int i = 0;
    if (t[0] == QLatin1Char('-') || t[0] == QLatin1Char('+')) {
        neg = t[0] == QLatin1Char('-');
        ++i;
    }
    __int128 num = 0;
    __int128 den = 1;
    bool seenSep = false, seenDigit = false;
    for (; i < t.size(); ++i) {
        QChar c = t[i];
        if (c.isDigit()) {
            num = num * 10 + (c.unicode() - '0');
            if (seenSep)
                den *= 10;
            seenDigit = true;
            if (num > (__int128(1) << 100))
                return false;
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !seenSep) {
            seenSep = true;
        } else {
            return false;
        }
    }
    if (!seenDigit)
        return false;
    qint64 r = roundHalfEven128(num * Scale, den);
    if (out)
        *out = fromRaw(neg ? -r : r);
    return true;
}

} // namespace core

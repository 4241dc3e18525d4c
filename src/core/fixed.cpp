#include "fixed.h"
#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

namespace {
__int128 divideHalfEven(__int128 num, __int128 den)
{
    if (den < 0) { num = -num; den = -den; }
    __int128 q = num / den;
    __int128 r = num % den;
    if (r < 0) { r += den; q -= 1; }          // now num = q*den + r, 0 <= r < den
    __int128 twice = 2 * r;
    if (twice > den || (twice == den && (q & 1) != 0))
        q += 1;
    return q;
}
} // namespace

qint64 roundHalfEven128(__int128 num, __int128 den)
{
    return qint64(divideHalfEven(num, den));
}

qint64 roundHalfEven(qint64 num, qint64 den)
{
    return roundHalfEven128(num, den);
}

Fixed Fixed::fromDouble(double v)
{
    if (std::isnan(v))
        return Fixed();
    // nearbyint honours the default round-to-nearest-even mode. A value
    // beyond the 64-bit range keeps the nearest end rather than wrapping.
    const double r = std::nearbyint(v * double(Scale));
    if (r >= 0x1p63)
        return fromRaw(std::numeric_limits<qint64>::max());
    if (r < -0x1p63)
        return fromRaw(std::numeric_limits<qint64>::min());
    return fromRaw(qint64(r));
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
    for (int i = std::clamp(decimals, 0, 4); i < 4; ++i)
        unit *= 10;
    qint64 q = raw / unit;
    if (raw % unit != 0 && raw < 0)
        --q;
    // A stored value next to the lowest raw has no lower multiple: keep the lowest that fits.
    if (q < std::numeric_limits<qint64>::min() / unit)
        ++q;
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
    // Five decimals decide the rounding; any non-zero digit after them only
    // breaks a tie, so it is kept as one sticky digit.
    __int128 num = 0;
    __int128 den = 1;
    int decimals = 0;
    bool sticky = false;
    bool seenSep = false, seenDigit = false;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= u'0' && c <= u'9') {
            seenDigit = true;
            if (seenSep && ++decimals > 5) {
                sticky = sticky || c != u'0';
                continue;
            }
            num = num * 10 + (c - u'0');
            if (seenSep)
                den *= 10;
            if (num > (__int128(1) << 100))
                return false;
        } else if ((c == u'.' || c == u',') && !seenSep) {
            seenSep = true;
        } else {
            return false;
        }
    }
    if (!seenDigit)
        return false;
    if (sticky) {
        num = num * 10 + 1;
        den *= 10;
    }
    // A value beyond the 64-bit range is no number here.
    const __int128 r = divideHalfEven(num * Scale, den);
    if (r > std::numeric_limits<qint64>::max())
        return false;
    if (out)
        *out = fromRaw(neg ? -qint64(r) : qint64(r));
    return true;
}

} // namespace core

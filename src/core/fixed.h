#pragma once
// 64-bit fixed-point number with four decimals, the on-disk type of every
// moyenne, percentage and standings value.
#include <QtGlobal>
#include <QString>
#include <compare>

namespace core {

struct Fixed {
    static constexpr qint64 Scale = 10000;
    qint64 raw = 0;

    constexpr Fixed() = default;
    static constexpr Fixed fromRaw(qint64 r) { Fixed f; f.raw = r; return f; }
    static constexpr Fixed fromInt(qint64 v) { return fromRaw(v * Scale); }
    // Rounds v x 10000 to the nearest integer, halves to even; beyond the
    // range the nearest end, NaN 0.
    static Fixed fromDouble(double v);
    // Exact parse of a plain decimal text ("1.23", "-0,5"); extra decimals
    // beyond four are rounded halves to even. Returns false on bad input.
    static bool parse(const QString& text, Fixed* out);
    // num / den rounded to four decimals, halves to even, without a double.
    static Fixed ratio(qint64 num, qint64 den);

    double toDouble() const { return double(raw) / double(Scale); }
    qint64 wholePart() const { return raw / Scale; }  // towards zero
    // Int(): the largest whole number not above the value.
    qint64 floor() const;

    // Truncation towards minus infinity at 2 or 3 decimals, still scaled:
    // Int(v x 100) / 100 on the exact value.
    Fixed truncated(int decimals) const;

    friend constexpr Fixed operator+(Fixed a, Fixed b) { return fromRaw(a.raw + b.raw); }
    friend constexpr Fixed operator-(Fixed a, Fixed b) { return fromRaw(a.raw - b.raw); }
    friend constexpr Fixed operator-(Fixed a) { return fromRaw(-a.raw); }
    Fixed& operator+=(Fixed b) { raw += b.raw; return *this; }
    Fixed& operator-=(Fixed b) { raw -= b.raw; return *this; }
    friend constexpr bool operator==(Fixed a, Fixed b) = default;
    friend constexpr auto operator<=>(Fixed a, Fixed b) = default;
};

// Rounds num / den to the nearest integer, halves to even (den != 0).
qint64 roundHalfEven(qint64 num, qint64 den);
// Same for a 128-bit numerator, used where products may overflow 64 bits.
qint64 roundHalfEven128(__int128 num, __int128 den);

} // namespace core

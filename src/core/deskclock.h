#pragma once
// The desk clock's arithmetic: reading the time text of the system's time
// format into the digits and the dial, the hand positions and the alarm test.
#include <QPointF>
#include <QString>
#include <array>
#include <optional>

namespace core {

struct ClockReading {
    QString uurTienTekst;   // what the hour-tens digit shows ("" for a one-digit hour)
    QString uurEenTekst;
    QString minTienTekst;
    QString minEenTekst;
    int uurTien = 0;        // 0 for a one-digit hour
    int uurEen = 0;
    int minTien = 0;
    int minEen = 0;
    int klokUur = 0;        // the hour, less 12 when above 12
    int klokMinuten = 0;
    int klokSeconden = 0;
    bool operator==(const ClockReading&) const = default;
};

// Reads a time text such as "9:05:07" or "14:05:07": the first colon must
// stand at position 2 or 3 (counted from 1); otherwise nullopt and the clock
// keeps what it showed.
std::optional<ClockReading> readClockText(const QString& tijdTekst);

// The hands' angles in degrees from twelve o'clock, clockwise.
inline double hourHandAngle(int klokUur, int klokMinuten) { return klokUur * 30 + klokMinuten * 0.5; }
inline double minuteHandAngle(int klokMinuten) { return klokMinuten * 6; }
inline double secondHandAngle(int klokSeconden) { return klokSeconden * 6; }

inline constexpr double DialCentre = 2275;  // twips, in the dial's own coordinates
inline constexpr double HourHandLength = 1400;
inline constexpr double MinuteHandLength = 1960;
inline constexpr double SecondHandLength = 2050;

// The moving end of a hand of the given length at the given angle. The
// radians are computed with 3.14, as the clock always has.
QPointF handEnd(double angleDegrees, double length);

// The alarm digits (hour tens, hour units, minute tens, minute units) against
// the digits of the last tick.
bool alarmDue(const std::array<int, 4>& alarm, const ClockReading& now);

// The range of each alarm digit's scroll bar: 0..2, 0..9, 0..5, 0..9.
inline constexpr std::array<int, 4> AlarmDigitMax = {2, 9, 5, 9};

} // namespace core

#include "deskclock.h"

#include <cmath>

namespace core {

namespace {
// The leading digits of a text as a number, as Val reads them: "07" -> 7, "x" -> 0.
int leadingNumber(const QString& s)
{
    int v = 0;
    for (QChar c : s) {
        if (c == QLatin1Char(' ') && v == 0)
            continue;
        if (!c.isDigit())
            break;
        v = v * 10 + c.digitValue();
    }
    return v;
}
} // namespace

std::optional<ClockReading> readClockText(const QString& t)
{
    const int colon = int(t.indexOf(QLatin1Char(':'))) + 1;   // position from 1
    if (colon != 2 && colon != 3)
        return std::nullopt;
    ClockReading r;
    if (colon == 2) {
        r.uurEenTekst = t.mid(0, 1);
        r.uurEen = leadingNumber(r.uurEenTekst);
        r.klokUur = r.uurEen;
    } else {
        r.uurTienTekst = t.mid(0, 1);
        r.uurEenTekst = t.mid(1, 1);
        r.uurTien = leadingNumber(r.uurTienTekst);
        r.uurEen = leadingNumber(r.uurEenTekst);
        r.klokUur = leadingNumber(t.mid(0, 2));
    }
    if (r.klokUur > 12)
        r.klokUur -= 12;
    r.minTienTekst = t.mid(colon, 1);
    r.minEenTekst = t.mid(colon + 1, 1);
    r.minTien = leadingNumber(r.minTienTekst);
    r.minEen = leadingNumber(r.minEenTekst);
    r.klokMinuten = leadingNumber(t.mid(colon, 2));
    // Seconds stand after the second colon, at positions 6-7 or 7-8.
    r.klokSeconden = leadingNumber(t.mid(colon + 3, 2));
    return r;
}

QPointF handEnd(double angleDegrees, double length)
{
    const double a = angleDegrees * 3.14 / 180;
    return {DialCentre + length * std::sin(a), DialCentre - length * std::cos(a)};
}

bool alarmDue(const std::array<int, 4>& alarm, const ClockReading& now)
{
    return alarm[0] == now.uurTien && alarm[1] == now.uurEen && alarm[2] == now.minTien && alarm[3] == now.minEen;
}

} // namespace core

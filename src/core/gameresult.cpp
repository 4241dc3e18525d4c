#include "gameresult.h"

namespace core {

namespace {
UitslagSpeler baseSide(const SideInput& in)
{
    UitslagSpeler s;
    s.nummer = in.nummer;
    s.car = in.car;
    s.beurten = in.beurten;
    s.hoogsteSerie = in.hoogsteSerie;
    s.teMakenCar = in.teMakenCar;
    s.eigenMoyenne = in.eigenMoyenne;
    s.moyenne = Fixed::ratio(in.car, in.beurten);
    s.procentCar = Fixed::ratio(qint64(in.car) * 100, in.teMakenCar);
    // game moyenne / own moyenne x 100, exact on the stored four decimals
    s.procentMoy = in.eigenMoyenne.raw == 0
        ? Fixed()
        : Fixed::fromRaw(roundHalfEven128(__int128(s.moyenne.raw) * 100 * Fixed::Scale,
                                          in.eigenMoyenne.raw));
    return s;
}

qint16 tenths(Fixed percent)
{
    qint64 p = percent.floor() / 10;
    return qint16(p > 10 ? 10 : p);
}
} // namespace

UitslagRec deriveResult(const ToernooiRec& t, const SideInput& a, const SideInput& b,
                        qint16 ronde, qint16 poule, double datum)
{
    UitslagRec u;
    u.datum = datum;
    u.ronde = ronde;
    u.poule = poule;
    u.speler1 = baseSide(a);
    u.speler2 = baseSide(b);
    UitslagSpeler& s1 = u.speler1;
    UitslagSpeler& s2 = u.speler2;
    const bool done1 = a.teMakenCar > 0 && a.car >= a.teMakenCar;
    const bool done2 = b.teMakenCar > 0 && b.car >= b.teMakenCar;

    auto setCodes = [&](int cmp) {
        s1.uitslagCode = cmp > 0 ? 1 : cmp < 0 ? 3 : 2;
        s2.uitslagCode = cmp < 0 ? 1 : cmp > 0 ? 3 : 2;
    };

    switch (t.puntenSysteem) {
    case 2: {
        u.uitgespeeld = Ja;
        Fixed p1 = isJa(t.puntenOpProcentCar) ? s1.procentCar : s1.procentMoy;
        Fixed p2 = isJa(t.puntenOpProcentCar) ? s2.procentCar : s2.procentMoy;
        s1.punten = tenths(p1);
        s2.punten = tenths(p2);
        setCodes(s1.punten == s2.punten ? 0 : (s1.punten > s2.punten ? 1 : -1));
        break;
    }
    case 3: {
        u.uitgespeeld = jaNee(done1 || done2);
        if (done1 || done2) {
            setCodes(done1 == done2 ? 0 : (done1 ? 1 : -1));
            auto pts = [&](UitslagSpeler& s) {
                s.punten = s.uitslagCode == 1 ? 12 : s.uitslagCode == 2 ? 11 : tenths(s.procentCar);
            };
            pts(s1);
            pts(s2);
        } else {
            s1.punten = tenths(s1.procentCar);
            s2.punten = tenths(s2.procentCar);
            setCodes(s1.punten == s2.punten ? 0 : (s1.punten > s2.punten ? 1 : -1));
        }
        break;
    }
    default: {
        u.uitgespeeld = jaNee(done1 || done2);
        int cmp;
        if (done1 || done2) {
            cmp = done1 == done2 ? 0 : (done1 ? 1 : -1);
        } else {
            Fixed p1 = isJa(t.onbeslistOpProcentCar) ? s1.procentCar : s1.procentMoy;
            Fixed p2 = isJa(t.onbeslistOpProcentCar) ? s2.procentCar : s2.procentMoy;
            cmp = p1 == p2 ? 0 : (p1 > p2 ? 1 : -1);
        }
        setCodes(cmp);
        auto pts = [&](UitslagSpeler& s) {
            if (s.uitslagCode == 1)
                s.punten = qint16(t.puntenWinst
                                  + ((isJa(t.extraPuntWinst) && s.moyenne > s.eigenMoyenne) ? 1 : 0));
            else if (s.uitslagCode == 2)
                s.punten = t.puntenRemise;
            else
                s.punten = t.puntenVerlies;
        };
        pts(s1);
        pts(s2);
        break;
    }
    }
    return u;
}

} // namespace core

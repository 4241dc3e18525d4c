#include "standings.h"
#include "recordfile.h"
#include <QFileInfo>
#include <QtEndian>
#include <cmath>
#include <unordered_map>

namespace core {

namespace {

// A quotient as the screens store it: computed in double, then rounded to
// four decimals with halves to even.
Fixed quotient(double num, double den, double factor = 1.0)
{
    if (den == 0.0)
        return Fixed();
    return Fixed::fromDouble(num / den * factor);
}

// Adds one result side to a row, in the order the columns depend on each other.
void addSide(StandRij& row, const UitslagSpeler& s)
{
    row[KolPartijen] += Fixed::fromInt(1);
    row[KolPunten] += Fixed::fromInt(s.punten);
    row[KolCar] += Fixed::fromInt(s.car);
    row[KolBeurten] += Fixed::fromInt(s.beurten);
    if (Fixed::fromInt(s.hoogsteSerie) > row[KolHoogsteSerie])
        row[KolHoogsteSerie] = Fixed::fromInt(s.hoogsteSerie);
    if (s.beurten > 0) {
        const Fixed q = quotient(s.car, s.beurten);
        if (q > row[KolPartijMoyenne] && s.uitslagCode < 3)
            row[KolPartijMoyenne] = q;
    }
    row[KolTeMakenCar] += Fixed::fromInt(s.teMakenCar);
    if (s.uitslagCode == 1)
        row[KolWinst] += Fixed::fromInt(1);
    else if (s.uitslagCode == 2)
        row[KolRemise] += Fixed::fromInt(1);
    else if (s.uitslagCode == 3)
        row[KolVerlies] += Fixed::fromInt(1);
    row[KolMoyenne] = quotient(row[KolCar].toDouble(), row[KolBeurten].toDouble());
    row[KolProcentCar] = quotient(row[KolCar].toDouble(), row[KolTeMakenCar].toDouble(), 100.0);
    // A zero own moyenne leaves nothing to compare with: stored as 0.
    row[KolProcentMoy] = quotient(row[KolMoyenne].toDouble(), s.eigenMoyenne.toDouble(), 100.0);
}

class Accumulator {
public:
    explicit Accumulator(Standings& st) : m_st(st)
    {
        for (size_t r = 0; r < st.rijen.size(); ++r)
            m_rows.emplace(qint32(st.rijen[r][KolNummer].wholePart()), int(r));
    }
    void add(const UitslagRec& u)
    {
        addMatching(u.speler1);
        addMatching(u.speler2);
    }
    // Straight from a record's bytes: only the two sides are decoded.
    void addRaw(const char* record)
    {
        addMatching(UitslagSpeler::fromBytes(record + UitslagRec::Speler1Offset));
        addMatching(UitslagSpeler::fromBytes(record + UitslagRec::Speler2Offset));
    }

private:
    void addMatching(const UitslagSpeler& s)
    {
        auto range = m_rows.equal_range(s.nummer);
        for (auto it = range.first; it != range.second; ++it)
            addSide(m_st.rijen[size_t(it->second)], s);
    }
    Standings& m_st;
    std::unordered_multimap<qint32, int> m_rows;
};

void finish(Standings& st, const ToernooiRec& t, bool matchpunten)
{
    bool opMatchpunten = false;
    if (matchpunten) {
        const int maxP = maxPunten(t);
        opMatchpunten = maxP > 0;
        for (StandRij& row : st.rijen) {
            const double games = row[KolPartijen].toDouble();
            if (games == 0.0 || maxP == 0) {
                row[KolMatchPunten] = Fixed();
            } else {
                const double v = row[KolPunten].toDouble() / (games * maxP) * 100.0;
                row[KolMatchPunten] = Fixed::fromInt(qint64(std::floor(v)));
            }
        }
    }
    st.positie = rankStandings(st.rijen, t, opMatchpunten);
}

void addPlayerRow(Standings& st, const SpelerRec& s)
{
    StandRij row{};
    row[KolNummer] = Fixed::fromInt(s.nummer);
    st.rijen.push_back(row);
    st.namen.push_back(s.naam.leftJustified(20, QLatin1Char(' ')));
    st.voorletters.push_back(s.voorletters.leftJustified(7, QLatin1Char(' ')));
}

} // namespace

int maxPunten(const ToernooiRec& t)
{
    switch (t.puntenSysteem) {
    case 1: return t.puntenWinst + (isJa(t.extraPuntWinst) ? 1 : 0);
    case 3: return 12;
    default: return 0;
    }
}

std::vector<qint16> rankStandings(const std::vector<StandRij>& rijen, const ToernooiRec& t, bool opMatchpunten)
{
    std::vector<int> keys;
    keys.push_back(opMatchpunten ? KolMatchPunten : KolPunten);
    if (isJa(t.standMoyenne))
        keys.push_back(KolMoyenne);
    if (isJa(t.standSerie))
        keys.push_back(KolHoogsteSerie);
    keys.push_back(isJa(t.standProcentCar) ? KolProcentCar : KolProcentMoy);
    if (!opMatchpunten) {
        keys.push_back(KolWinst);
        keys.push_back(KolRemise);
    }
    auto better = [&](const StandRij& a, const StandRij& b) {
        for (int k : keys) {
            if (a[size_t(k)] != b[size_t(k)])
                return a[size_t(k)] > b[size_t(k)];
        }
        return false;
    };
    const size_t n = rijen.size();
    std::vector<qint16> pos(n);
    for (size_t i = 0; i < n; ++i) {
        int p = 1;
        for (size_t j = 0; j < n; ++j) {
            if (j == i)
                continue;
            if (better(rijen[j], rijen[i]))
                ++p;
            else if (j < i && !better(rijen[i], rijen[j]))
                ++p;   // a full tie with an earlier record
        }
        pos[i] = qint16(p);
    }
    return pos;
}

Standings computeStandings(const std::vector<SpelerRec>& spelers, const std::vector<UitslagRec>& uitslagen,
                           const ToernooiRec& t, int poule, int ronde, bool matchpunten)
{
    Standings st;
    for (const SpelerRec& s : spelers)
        if (s.poule == poule && s.ronde == ronde)
            addPlayerRow(st, s);
    if (st.rijen.empty())
        return st;
    Accumulator acc(st);
    for (const UitslagRec& u : uitslagen)
        if (u.poule == poule && u.ronde == ronde)
            acc.add(u);
    finish(st, t, matchpunten);
    return st;
}

Standings computeStandings(const QString& spelersPath, const QString& uitslagPath, const ToernooiRec& t,
                           int poule, int ronde, bool matchpunten)
{
    Standings st;
    // Round and poule are tested on the raw bytes; only matching records are decoded.
    constexpr int spelerRonde = 31, spelerPoule = 33;
    scanRawRecords(spelersPath, SpelerRec::Length, [&](const char* p) {
        if (qFromLittleEndian<qint16>(p + spelerRonde) == ronde && qFromLittleEndian<qint16>(p + spelerPoule) == poule)
            addPlayerRow(st, SpelerRec::fromBytes(p));
    });
    if (st.rijen.empty())
        return st;
    Accumulator acc(st);
    constexpr int uitslagRonde = 8, uitslagPoule = 10;
    scanRawRecords(uitslagPath, UitslagRec::Length, [&](const char* p) {
        if (qFromLittleEndian<qint16>(p + uitslagRonde) == ronde && qFromLittleEndian<qint16>(p + uitslagPoule) == poule)
            acc.addRaw(p);
    });
    finish(st, t, matchpunten);
    return st;
}

} // namespace core

#include "carryover.h"
#include "filechanges.h"
#include "format.h"
#include "players.h"
#include "recordfile.h"
#include <QCollator>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace core {

namespace {

int ceilDiv(int a, int b)
{
    if (b <= 0)
        return 0;
    return a <= 0 ? 0 : (a + b - 1) / b;
}

} // namespace

// ---------------------------------------------------------------- shared

bool isInRound(const std::vector<SpelerRec>& spelers, qint32 nummer, int ronde)
{
    return findPlayerInRound(spelers, nummer, ronde) != nullptr;
}

const SpelerRec* findPlayerInRound(const std::vector<SpelerRec>& spelers, qint32 nummer, int ronde)
{
    for (const SpelerRec& s : spelers)
        if (s.nummer == nummer && s.ronde == ronde)
            return &s;
    return nullptr;
}

CarTotals roundTotals(const std::vector<UitslagRec>& uitslagen, qint32 nummer, int ronde)
{
    CarTotals t;
    for (const UitslagRec& u : uitslagen) {
        if (u.ronde != ronde)
            continue;
        for (const UitslagSpeler* side : {&u.speler1, &u.speler2}) {
            if (side->nummer == nummer) {
                t.car += side->car;
                t.beurten += side->beurten;
            }
        }
    }
    return t;
}

Fixed roundMoyenne(const CarTotals& totals, Fixed minimum, int decimals)
{
    Fixed m = totals.beurten > 0 ? Fixed::ratio(totals.car, totals.beurten) : Fixed();
    if (m < minimum)
        m = minimum;
    return m.truncated(decimals);
}

Fixed achievedMoyenne(const std::vector<UitslagRec>& uitslagen, qint32 nummer, int ronde, const ToernooiRec& t)
{
    return roundMoyenne(roundTotals(uitslagen, nummer, ronde), t.perRondeMinimum, carryDecimals(t));
}

CarriedValues carriedValues(const std::vector<SpelerRec>& spelers, qint32 nummer, int ronde)
{
    CarriedValues v;
    if (const SpelerRec* s = findPlayerInRound(spelers, nummer, ronde)) {
        v.teMakenCar = s->aangepastTeMakenCar != 0 ? s->aangepastTeMakenCar : s->teMakenCar;
        v.moyenne = s->aangepasteMoyenne.raw != 0 ? s->aangepasteMoyenne : s->moyenne;
    }
    return v;
}

int compareListText(const QString& a, const QString& b)
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Dutch, QLocale::Netherlands)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int r = collator.compare(a, b);
    if (r != 0)
        return r;
    return QString::compare(a, b, Qt::CaseInsensitive);
}

// ---------------------------------------------------------------- by hand

SpelerRec carriedRecord(const SpelerRec& vorige, qint16 nieuweRonde, qint16 poule)
{
    SpelerRec r;
    r.nummer = vorige.nummer;
    r.naam = vorige.naam;
    r.voorletters = vorige.voorletters;
    r.ronde = nieuweRonde;
    r.poule = poule;
    r.teMakenCar = vorige.aangepastTeMakenCar != 0 ? vorige.aangepastTeMakenCar : vorige.teMakenCar;
    r.moyenne = vorige.aangepasteMoyenne.raw != 0 ? vorige.aangepasteMoyenne : vorige.moyenne;
    r.aangepastTeMakenCar = 0;
    r.aangepasteMoyenne = Fixed();
    return r;
}

void adjustCarriedMoyenne(SpelerRec& rec, const std::vector<UitslagRec>& uitslagen, int vorigeRonde,
                          const ToernooiRec& t)
{
    const Fixed m = achievedMoyenne(uitslagen, rec.nummer, vorigeRonde, t);
    rec.moyenne = m;
    rec.teMakenCar = caramboleTarget(m, t);
}

std::vector<CarryRow> carryOverListRows(const std::vector<SpelerRec>& spelers, int lijst, int vorigeRonde,
                                        int nieuweRonde, int poule, const ToernooiRec& t)
{
    std::vector<CarryRow> rows;
    const int dec = carryDecimals(t);
    for (const SpelerRec& s : spelers) {
        CarryRow r;
        if (lijst == 1) {
            if (s.ronde != vorigeRonde || s.poule != poule || isInRound(spelers, s.nummer, nieuweRonde))
                continue;
            if (vorigeRonde == 1) {
                r.car = QString::number(s.aangepastTeMakenCar != 0 ? s.aangepastTeMakenCar : s.teMakenCar);
                r.moy = truncatedText(s.aangepasteMoyenne.raw != 0 ? s.aangepasteMoyenne : s.moyenne, dec);
            } else {
                r.car = QString::number(s.teMakenCar);
                r.moy = plainNumber(s.moyenne);
            }
        } else {
            if (s.ronde != nieuweRonde || s.poule != poule)
                continue;
            r.car = QString::number(s.teMakenCar);
            r.moy = truncatedText(s.moyenne, dec);
        }
        r.nummer = s.nummer;
        r.nr = PadNumber5(s.nummer);
        r.naam = rightTrimmed(s.naam);
        r.vl = rightTrimmed(s.voorletters);
        rows.push_back(r);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const CarryRow& a, const CarryRow& b) { return compareListText(a.naam, b.naam) < 0; });
    return rows;
}

std::vector<SpelerRec> carryOverRecords(const std::vector<SpelerRec>& spelers,
                                        const std::vector<UitslagRec>& uitslagen,
                                        const std::vector<qint32>& nummers, int vorigeRonde,
                                        qint16 nieuweRonde, qint16 poule, const ToernooiRec& t)
{
    std::vector<SpelerRec> out;
    std::set<qint32> gedaan;
    for (qint32 nr : nummers) {
        if (gedaan.count(nr) || isInRound(spelers, nr, nieuweRonde))
            continue;
        const SpelerRec* vorige = findPlayerInRound(spelers, nr, vorigeRonde);
        if (!vorige)
            continue;
        SpelerRec rec = carriedRecord(*vorige, nieuweRonde, poule);
        if (adjustsPerRound(t))
            adjustCarriedMoyenne(rec, uitslagen, vorigeRonde, t);
        out.push_back(rec);
        gedaan.insert(nr);
    }
    return out;
}

// ---------------------------------------------------------------- automatic

double leadingValue(const QString& text)
{
    QString s;
    bool seenDigit = false, seenPoint = false, seenSign = false;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            continue;   // blanks are skipped wherever they stand
        if (c.isDigit() && c.unicode() < 128) {
            s += c;
            seenDigit = true;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            s += c;
            seenPoint = true;
        } else if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && !seenSign && !seenDigit && !seenPoint) {
            s += c;
            seenSign = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0;
    bool ok = false;
    const double v = s.toDouble(&ok);
    return ok ? v : 0;
}

namespace {
const QString CRLF = QStringLiteral("\r\n");

// A typed value as a whole number, rounded as an assignment to a whole-number variable does.
qint64 wholeValue(double v)
{
    if (!std::isfinite(v))
        return 0;
    if (v > 1e15)
        return qint64(1e15);
    if (v < -1e15)
        return qint64(-1e15);
    return qint64(std::nearbyint(v));   // default rounding mode: halves to even
}
} // namespace

AutoPlan planAutoCarryOver(const AutoKeuze& keuze, int R, int T, const std::vector<int>& spelersPerPoule)
{
    AutoPlan p;
    auto refuse = [&](const QString& melding, InvoerVeld veld) {
        p.ok = false;
        p.melding = melding;
        p.veld = veld;
        return p;
    };

    // Step 1: how many players.
    if (keuze.kiesAantal) {
        if (keuze.aantalSpelers.isEmpty())
            return refuse(QStringLiteral("U moet bij deze keuze een aantal spelers invoeren !"), InvoerVeld::Text1);
        const qint64 n = wholeValue(leadingValue(keuze.aantalSpelers));
        if (n < R)
            return refuse(QStringLiteral("Omdat bij deze keuze in ieder geval alle poulewinnaars doorgekoppeld worden,")
                              + CRLF
                              + QStringLiteral("moet u een aantal spelers invoeren dat minimaal gelijk is aan het aantal "
                                               "poules uit de vorige ronde (nl. ")
                              + signedNum(R) + QStringLiteral(" )"),
                          InvoerVeld::Text1);
        if (n > T)
            return refuse(QStringLiteral("Dit aantal is meer dan er spelers hebben gespeeld in de vorige ronde!") + CRLF
                              + QStringLiteral("(dat zijn er namelijk ") + signedNum(T) + QStringLiteral(" )"),
                          InvoerVeld::Text1);
        p.N = int(n);
        p.hoogstePlaats = 0;
    } else {
        const auto& ook = keuze.ookPlaats;
        if ((ook[1] && !ook[0]) || (ook[2] && !(ook[0] && ook[1])))
            return refuse(QStringLiteral("U kunt bij deze keuze geen selectie overslaan !"), InvoerVeld::Geen);
        int n = R;
        int hoogste = 1;
        for (int plaats = 2; plaats <= 4; ++plaats) {
            if (!ook[size_t(plaats - 2)])
                break;
            hoogste = plaats;
            for (int i = 0; i < R && i < int(spelersPerPoule.size()); ++i)
                if (spelersPerPoule[size_t(i)] >= plaats)
                    ++n;
        }
        p.N = n;
        p.hoogstePlaats = hoogste;
    }

    // Step 3: how many poules.
    if (keuze.vastAantalPoules) {
        const QString leeg = QStringLiteral("U moet bij deze keuze een aantal poules opgeven !");
        if (keuze.aantalPoules.isEmpty())
            return refuse(leeg, InvoerVeld::Text2);
        // A fraction below a half would leave no poule at all.
        const qint64 aantal = wholeValue(leadingValue(keuze.aantalPoules));
        if (aantal == 0)
            return refuse(leeg, InvoerVeld::Text2);
        const double per = double(p.N) / double(aantal);
        if (std::floor(per) < 2)
            return refuse(QStringLiteral("Met dit aantal poules kunnen niet alle poules met minimaal 2 spelers gevuld worden !")
                              + CRLF + QStringLiteral("Verlaag het aantal poules !"),
                          InvoerVeld::Text2);
        p.P = int(aantal);
        p.S = ceilDiv(p.N, p.P);
    } else {
        const double max = keuze.maxPerPoule.isEmpty() ? 0 : leadingValue(keuze.maxPerPoule);
        if (max < 2)
            return refuse(QStringLiteral("U moet minimaal een aantal van 2 spelers per poule opgeven !"),
                          InvoerVeld::Text3);
        p.P = int(std::ceil(double(p.N) / max));
        p.S = ceilDiv(p.N, p.P);
    }
    p.ok = true;
    return p;
}

std::vector<int> pouleCapacities(int N, int P, int S)
{
    std::vector<int> c;
    if (P <= 0)
        return c;
    const int r = N % P;
    for (int j = 1; j <= P; ++j)
        c.push_back(r == 0 || j <= r ? S : S - 1);
    return c;
}

bool strictlyBetter(const Kandidaat& a, const Kandidaat& b, bool opMatchpunten, const ToernooiRec& t)
{
    std::vector<std::pair<Fixed, Fixed>> keys;
    if (opMatchpunten) {
        keys.emplace_back(a.matchpunten, b.matchpunten);
        if (isJa(t.standMoyenne))
            keys.emplace_back(a.moyenne, b.moyenne);
    } else {
        keys.emplace_back(a.moyenne, b.moyenne);
    }
    if (isJa(t.standSerie))
        keys.emplace_back(a.serie, b.serie);
    if (isJa(t.standProcentCar))
        keys.emplace_back(a.procentCar, b.procentCar);
    else
        keys.emplace_back(a.procentMoy, b.procentMoy);
    for (const auto& [x, y] : keys)
        if (x != y)
            return x > y;
    return false;
}

std::vector<Kandidaat> rankPlacedPlayers(std::vector<Kandidaat> kandidaten, bool opMatchpunten, const ToernooiRec& t)
{
    std::stable_sort(kandidaten.begin(), kandidaten.end(), [&](const Kandidaat& a, const Kandidaat& b) {
        return strictlyBetter(a, b, opMatchpunten, t);
    });
    return kandidaten;
}

bool bestCandidate(const Standings& s, int poule, const std::set<qint32>& overslaan, Kandidaat* out)
{
    int beste = -1;
    for (int r = 0; r < s.aantal() && r < int(s.positie.size()); ++r) {
        if (overslaan.count(qint32(s.rijen[size_t(r)][KolNummer].wholePart())))
            continue;
        if (beste < 0 || s.positie[size_t(r)] < s.positie[size_t(beste)])
            beste = r;
    }
    if (beste < 0)
        return false;
    const StandRij& rij = s.rijen[size_t(beste)];
    Kandidaat k;
    k.nummer = qint32(rij[KolNummer].wholePart());
    k.poule = poule;
    k.matchpunten = rij[KolMatchPunten];
    k.moyenne = rij[KolMoyenne];
    k.serie = rij[KolHoogsteSerie];
    k.procentCar = rij[KolProcentCar];
    k.procentMoy = rij[KolProcentMoy];
    *out = k;
    return true;
}

std::vector<qint32> selectByPlace(const std::vector<Standings>& normaal, const std::vector<Standings>& matchpunten,
                                  int N, int hoogstePlaats, bool opMatchpunten, const ToernooiRec& t,
                                  const std::set<qint32>& uitgesloten)
{
    std::vector<qint32> gekozen;
    const int R = int(normaal.size());
    std::set<qint32> niet = uitgesloten;   // listed, or in the new round already
    // One candidate per poule. A number that stands in two poules is offered
    // by the first only, so nobody can go through twice at one place.
    auto kandidatenVan = [&](bool mp) {
        std::vector<Kandidaat> out;
        std::set<qint32> aangeboden = niet;
        for (int i = 0; i < R; ++i) {
            const Standings& s = mp && size_t(i) < matchpunten.size() ? matchpunten[size_t(i)] : normaal[size_t(i)];
            Kandidaat c;
            if (bestCandidate(s, i + 1, aangeboden, &c)) {
                out.push_back(c);
                aangeboden.insert(c.nummer);
            }
        }
        return out;
    };
    int rest = N;
    for (int k = 1; rest > 0 && (hoogstePlaats <= 0 || k <= hoogstePlaats); ++k) {
        std::vector<Kandidaat> kandidaten = kandidatenVan(false);
        if (kandidaten.empty())
            break;
        if (int(kandidaten.size()) > rest) {
            // Only part of this place goes through: its candidates are ranked,
            // by the match-point standings when that criterion is chosen.
            kandidaten = rankPlacedPlayers(kandidatenVan(opMatchpunten), opMatchpunten, t);
            if (int(kandidaten.size()) > rest)
                kandidaten.resize(size_t(rest));
        }
        for (const Kandidaat& c : kandidaten) {
            gekozen.push_back(c.nummer);
            niet.insert(c.nummer);
        }
        rest -= int(kandidaten.size());
    }
    return gekozen;
}

double RandomGenerator::next()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return double(m_state) / 16777216.0;
}

int pickRandomPoule(std::vector<std::array<int, 2>>& vulling, RandomGenerator& rng)
{
    const int P = int(vulling.size());
    bool ruimte = false;
    for (const auto& v : vulling)
        ruimte = ruimte || v[1] < v[0];
    if (!ruimte)
        return 0;
    for (;;) {
        int j = int(std::floor(P * rng.next() + 1));
        j = std::clamp(j, 1, P);
        auto& v = vulling[size_t(j - 1)];
        if (v[1] >= v[0])
            continue;
        ++v[1];
        return j;
    }
}

AutoResultaat buildAutoCarryOver(const AutoPlan& plan, bool opMatchpunten, bool vastAantalPoules,
                                 double maxPerPoule, const std::vector<Standings>& normaal,
                                 const std::vector<Standings>& matchpunten, const std::vector<SpelerRec>& spelers,
                                 const std::vector<UitslagRec>& uitslagen, const ToernooiRec& t, int vorigeRonde,
                                 int nieuweRonde, RandomGenerator& rng)
{
    AutoResultaat res;
    // Players already in the new round (Poulebeheer) must not get a second record there.
    std::set<qint32> alInNieuweRonde;
    for (const SpelerRec& s : spelers)
        if (s.ronde == nieuweRonde)
            alInNieuweRonde.insert(s.nummer);

    const std::vector<qint32> nummers =
        selectByPlace(normaal, matchpunten, plan.N, plan.hoogstePlaats, opMatchpunten, t, alInNieuweRonde);
    res.N = int(nummers.size());
    res.P = plan.P;
    res.S = plan.S;
    if (res.N == 0) {
        res.P = 0;   // nobody to spread: no poules either
        res.S = 0;
    } else if (res.N != plan.N) {
        // Spread the players actually listed, not the number asked for.
        if (!vastAantalPoules)
            res.P = maxPerPoule >= 1 ? int(std::ceil(double(res.N) / maxPerPoule)) : 0;
        else if (res.N < 2 * res.P)
            // Too few for the poules asked: fewer poules rather than a poule of one or none.
            res.P = std::max(1, res.N / 2);
        res.S = res.P > 0 ? ceilDiv(res.N, res.P) : 0;
    }
    res.capaciteiten = pouleCapacities(res.N, res.P, res.S);
    std::vector<std::array<int, 2>> vulling;
    for (int c : res.capaciteiten)
        vulling.push_back({c, 0});

    const int dec = carryDecimals(t);
    for (qint32 nr : nummers) {
        AutoRij rij;
        rij.nr = PadNumber5(nr);
        SpelerRec eerste;
        for (const SpelerRec& s : spelers) {
            if (s.nummer == nr) {
                eerste = s;
                break;
            }
        }
        rij.naam = rightTrimmed(eerste.naam);
        rij.vl = rightTrimmed(eerste.voorletters);
        Fixed moy;
        qint16 car;
        if (adjustsPerRound(t)) {
            moy = achievedMoyenne(uitslagen, nr, vorigeRonde, t);
            car = caramboleTarget(moy, t);
        } else {
            const CarriedValues v = carriedValues(spelers, nr, vorigeRonde);
            moy = v.moyenne;
            car = v.teMakenCar;
        }
        rij.car = QString::number(car);
        rij.moy = truncatedText(moy, dec);
        rij.poule = QString::number(pickRandomPoule(vulling, rng));
        res.rijen.push_back(rij);
    }
    return res;
}

SpelerRec recordFromRow(const AutoRij& rij, qint16 ronde)
{
    SpelerRec s;
    s.nummer = rij.nr.trimmed().toInt();
    s.naam = rightTrimmed(rij.naam);
    s.voorletters = rightTrimmed(rij.vl);
    s.ronde = ronde;
    s.poule = qint16(rij.poule.trimmed().toInt());
    s.teMakenCar = qint16(rij.car.trimmed().toInt());
    Fixed m;
    if (Fixed::parse(rij.moy, &m))
        s.moyenne = m;
    s.aangepastTeMakenCar = 0;
    s.aangepasteMoyenne = Fixed();
    return s;
}

// ---------------------------------------------------------------- files

namespace {
QString noRoundText(qint16 ronde)
{
    return QStringLiteral("Het poulebestand bevat geen gegevens voor ronde ") + signedNum(ronde) + QLatin1Char('.');
}
} // namespace

bool storePlayersInRound(const CarryFiles& f, const std::vector<SpelerRec>& recs, qint16 ronde,
                         const std::function<void(PouleRec&)>& change, QString* why)
{
    // An older journal is finished first: what is read below must not hold a failed attempt.
    FileChanges changes(f.herstel);
    if (!changes.start(why))
        return false;
    auto p = RecordFile<PouleRec>::read(f.poules, ronde);
    if (!p) {
        if (why)
            *why = noRoundText(ronde);
        return false;
    }
    change(*p);
    QByteArray spelers;
    // The players file is written anew from what is read here: nothing may be missed.
    if (!readFileBytes(f.spelers, &spelers)) {
        if (why)
            *why = QStringLiteral("Het spelersbestand kan niet worden gelezen.");
        return false;
    }
    // The new records follow the last whole one, as an append would put them.
    const qint64 heel = spelers.size() / SpelerRec::Length * SpelerRec::Length;
    QByteArray nieuw;
    for (const SpelerRec& s : recs)
        nieuw.append(s.toBytes());
    spelers = spelers.first(heel) + nieuw;
    changes.keep(f.spelers, heel, nieuw, true);
    changes.keep(f.poules, (ronde - 1) * PouleRec::Length, p->toBytes());
    if (!changes.begin(why))
        return false;
    if (replaceFile(f.spelers, spelers, why) && RecordFile<PouleRec>::write(f.poules, ronde, *p, why))
        return changes.finish(why);
    changes.undo();
    return false;
}

bool storeManualCarryOver(const CarryFiles& f, const std::vector<SpelerRec>& recs, qint16 ronde, QString* why)
{
    return storePlayersInRound(f, recs, ronde, [](PouleRec& p) { p.handmatigGekoppeld = Ja; }, why);
}

qint16 addPouleToRound(const QString& poulesPath, qint16 ronde, QString* why)
{
    auto p = RecordFile<PouleRec>::read(poulesPath, ronde);
    if (!p) {
        if (why)
            *why = noRoundText(ronde);
        return 0;
    }
    p->aantalPoules = qint16(p->aantalPoules + 1);
    p->handmatigGekoppeld = Ja;
    if (!RecordFile<PouleRec>::write(poulesPath, ronde, *p, why))
        return 0;
    return p->aantalPoules;
}

bool commitAutoCarryOver(const CarryFiles& f, const std::vector<AutoRij>& rijen, qint16 ronde, qint16 nieuwePoules,
                         QString* why)
{
    std::vector<SpelerRec> recs;
    for (const AutoRij& rij : rijen)
        recs.push_back(recordFromRow(rij, ronde));
    return storePlayersInRound(f, recs, ronde, [&](PouleRec& p) {
        p.automatischGekoppeld = Ja;
        p.aantalPoules = nieuwePoules;
    }, why);
}

} // namespace core

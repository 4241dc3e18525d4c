#include "tournamentbuilder.h"
#include "gameresult.h"
#include "oledate.h"
#include "players.h"
#include "recordfile.h"
#include <QDir>

namespace core {

ToernooiRec defaultSettings(const QString& naam)
{
    ToernooiRec t;
    t.signatuur = QLatin1String(ToernooiRec::Signatuur);
    t.naam = naam;
    t.aantalDecimalen = 2;
    t.automatischeBackup = Nee;
    t.puntenInMatrix = Ja;
    t.laatsteRonde = 1;
    t.carMethode = 1;
    t.carFactor = Fixed::fromInt(20);
    t.carOptellen = 5;
    t.carAfronding = 1;
    t.puntenSysteem = 1;
    t.puntenWinst = 2;
    t.puntenRemise = 1;
    t.puntenVerlies = 0;
    t.extraPuntWinst = Nee;
    t.onbeslistOpProcentCar = Ja;
    t.standMoyenne = Ja;
    t.standSerie = Ja;
    t.standProcentCar = Ja;
    t.aanpassenPerRonde = Ja;
    t.perRondeMinimum = Fixed::fromRaw(5000);
    return t;
}

TournamentBuilder::TournamentBuilder(const QString& folder, const QString& naam, int nummer)
    : toernooi(defaultSettings(naam)), m_folder(withTrailingSeparator(folder)), m_nummer(nummer)
{
}

SpelerRec& TournamentBuilder::addPlayer(qint32 nummer, const QString& naam, const QString& voorletters,
                                        qint16 ronde, qint16 poule, Fixed moyenne, qint16 teMakenCar)
{
    SpelerRec s;
    s.nummer = nummer;
    s.naam = naam;
    s.voorletters = voorletters;
    s.ronde = ronde;
    s.poule = poule;
    s.moyenne = moyenne;
    s.teMakenCar = teMakenCar >= 0 ? teMakenCar : caramboleTarget(moyenne, toernooi);
    spelers.push_back(s);
    return spelers.back();
}

const SpelerRec* TournamentBuilder::player(qint32 nummer, qint16 ronde) const
{
    for (const SpelerRec& s : spelers)
        if (s.nummer == nummer && s.ronde == ronde)
            return &s;
    return nullptr;
}

UitslagRec& TournamentBuilder::addGame(qint16 ronde, qint16 poule, qint32 a, qint16 carA, qint16 beurtenA,
                                       qint16 serieA, qint32 b, qint16 carB, qint16 beurtenB, qint16 serieB,
                                       const QDate& datum)
{
    auto side = [&](qint32 nr, qint16 car, qint16 beurten, qint16 serie) {
        SideInput in;
        in.nummer = nr;
        in.car = car;
        in.beurten = beurten;
        in.hoogsteSerie = serie;
        if (const SpelerRec* s = player(nr, ronde)) {
            const bool adjusted = s->aangepasteMoyenne.raw != 0;
            in.eigenMoyenne = adjusted ? s->aangepasteMoyenne : s->moyenne;
            in.teMakenCar = adjusted && s->aangepastTeMakenCar > 0 ? s->aangepastTeMakenCar : s->teMakenCar;
        }
        return in;
    };
    uitslagen.push_back(deriveResult(toernooi, side(a, carA, beurtenA, serieA), side(b, carB, beurtenB, serieB),
                                     ronde, poule, toOleDate(datum)));
    return uitslagen.back();
}

PouleRec& TournamentBuilder::setRound(qint16 ronde, qint16 aantalPoules)
{
    while (qint16(poules.size()) < ronde) {
        PouleRec p;
        p.ronde = qint16(poules.size() + 1);
        p.aantalPoules = 1;
        poules.push_back(p);
    }
    poules[size_t(ronde - 1)].aantalPoules = aantalPoules;
    if (toernooi.laatsteRonde < ronde)
        toernooi.laatsteRonde = ronde;
    return poules[size_t(ronde - 1)];
}

TournamentFileSet TournamentBuilder::files() const
{
    return tournamentFileSet(m_folder, toernooi.naam, m_nummer);
}

TournamentFileSet TournamentBuilder::write(bool withResults, QString* why) const
{
    const TournamentFileSet f = files();
    std::vector<PouleRec> ps = poules;
    if (ps.empty()) {
        PouleRec p;
        p.ronde = 1;
        p.aantalPoules = 1;
        ps.push_back(p);
    }
    QString reden;
    if (!QDir().mkpath(m_folder))
        reden = QStringLiteral("Map niet aangemaakt.");
    const bool ok = reden.isEmpty()
                    && writeToernooi(f.map + f.toernooi, toernooi, &reden)
                    && RecordFile<SpelerRec>::writeAll(f.map + f.spelers, spelers, &reden)
                    && (!withResults || RecordFile<UitslagRec>::writeAll(f.map + f.uitslag, uitslagen, &reden))
                    && RecordFile<PouleRec>::writeAll(f.map + f.poules, ps, &reden);
    if (!ok && why)
        *why = reden;
    return f;
}

namespace {
// Small deterministic generator so the demo is the same on every machine.
struct Lcg {
    quint32 state;
    int next(int lo, int hi)   // inclusive
    {
        state = state * 1664525u + 1013904223u;
        return lo + int((state >> 8) % quint32(hi - lo + 1));
    }
};
} // namespace

TournamentBuilder demoTournament(const QString& folder)
{
    TournamentBuilder b(folder, QStringLiteral("Demo toernooi"), 1);
    b.toernooi.subtitel = QStringLiteral("Clubkampioenschap libre 2026-2027");
    b.toernooi.notitie = QStringLiteral("Demo: poule 1 heeft nog twee partijen te spelen.");

    struct P { const char* naam; const char* vl; int moy; };  // moyenne x 100
    const P names[] = {
        {"Jansen", "P.", 210}, {"de Vries", "J.H.", 145}, {"Daniëls", "M.", 180}, {"Bakker", "K.", 120},
        {"Hébert", "A.", 95},  {"Visser", "W.", 160},
        {"Smit", "G.", 300},   {"Meijer", "R.", 255}, {"Coëlho", "F.", 190}, {"de Boer", "H.", 225},
        {"Mulder", "T.", 175}, {"de Groot", "E.", 140},
        {"Clément", "L.", 85}, {"Bos", "D.", 110},    {"Vos", "S.", 130},    {"Noël", "B.", 70},
        {"Peters", "C.", 100},
        {"Hendriks", "J.", 250}, {"van Leeuwen", "M.", 205}, {"Dekker", "N.", 230},
    };
    const int pouleSizes[] = {6, 6, 5, 3};
    Lcg rng{20261206u};

    int idx = 0;
    QDate day(2026, 9, 7);
    for (int p = 0; p < 4; ++p) {
        std::vector<qint32> members;
        for (int i = 0; i < pouleSizes[p]; ++i, ++idx) {
            const P& n = names[idx];
            b.addPlayer(idx + 1, QString::fromUtf8(n.naam), QString::fromUtf8(n.vl), 1, qint16(p + 1),
                        Fixed::fromRaw(qint64(n.moy) * 100));
            members.push_back(idx + 1);
        }
        std::vector<std::pair<int, int>> pairs;
        for (size_t i = 0; i < members.size(); ++i)
            for (size_t j = i + 1; j < members.size(); ++j)
                pairs.emplace_back(int(i), int(j));
        if (p == 0)
            pairs.resize(pairs.size() - 2);   // two games still to play

        for (size_t g = 0; g < pairs.size(); ++g) {
            const SpelerRec& A = b.spelers[size_t(members[size_t(pairs[g].first)] - 1)];
            const SpelerRec& B = b.spelers[size_t(members[size_t(pairs[g].second)] - 1)];
            const bool draw = (p == 1 && g == 0) || (p == 0 && g == 3);
            const bool unfinished = (p == 2 && g == 1);
            // The better-placed player by moyenne mostly wins; every fourth game goes the other way.
            const bool aWins = (A.moyenne > B.moyenne) != (g % 4 == 3);
            const SpelerRec& W = aWins ? A : B;
            const SpelerRec& L = aWins ? B : A;
            const double wm = W.moyenne.toDouble() * rng.next(85, 125) / 100.0;
            qint16 beurten = qint16(qMax(1, int(W.teMakenCar / wm + 0.5)));
            qint16 carW = W.teMakenCar;
            qint16 carL = qint16(L.teMakenCar * rng.next(45, 92) / 100);
            if (draw)
                carL = L.teMakenCar;
            if (unfinished) {
                beurten = 50;
                carW = qint16(W.teMakenCar - rng.next(1, 4));
                carL = qint16(L.teMakenCar * rng.next(60, 85) / 100);
            }
            auto serie = [&](qint16 car) {
                const int lo = qMax(1, (car + beurten - 1) / beurten);
                return qint16(qMin<int>(car, rng.next(lo, lo * 3 + 2)));
            };
            const qint16 sW = serie(carW), sL = serie(carL);
            if (aWins)
                b.addGame(1, qint16(p + 1), W.nummer, carW, beurten, sW, L.nummer, carL, beurten, sL, day);
            else
                b.addGame(1, qint16(p + 1), L.nummer, carL, beurten, sL, W.nummer, carW, beurten, sW, day);
            if (g % 3 == 2)
                day = day.addDays(7);
        }
    }
    b.setRound(1, 4);
    return b;
}

TournamentFileSet writeDemoTournament(const QString& folder, QString* why)
{
    return demoTournament(folder).write(true, why);
}

} // namespace core

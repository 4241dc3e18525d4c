// Carry-over rules: carried records and moyennes, the automatic plan,
// tie-breaks and the selection by place. Each table compares
// its inputs along with the outcome, so a failure names its case.
#include "core/carryover.h"
#include "core/tournamentbuilder.h"
#include <QTest>

using namespace core;

namespace {

Fixed fx(double v) { return Fixed::fromDouble(v); }

// Standings of a round's poules as "11:9 12 13|21 22": per poule the numbers
// in place order, each with its match points (0 when left out).
std::vector<Standings> stands(const QString& text)
{
    std::vector<Standings> out;
    for (const QString& poule : text.split('|')) {
        Standings s;
        for (const QString& speler : poule.split(' ', Qt::SkipEmptyParts)) {
            StandRij row{};
            row[KolNummer] = Fixed::fromInt(speler.section(':', 0, 0).toInt());
            row[KolMatchPunten] = fx(speler.section(':', 1, 1).toDouble());
            s.rijen.push_back(row);
            s.positie.push_back(qint16(s.rijen.size()));
        }
        out.push_back(s);
    }
    return out;
}

} // namespace

class TestRoundsCore : public QObject {
    Q_OBJECT
private slots:
    void adjustCarriedMoyenne()
    {
        // round 1's caramboles and innings, the minimum, decimals: the stored moyenne (raw) and target
        const struct { int car, beurten; double minimum; int decimalen; qint64 moyenne; int teMaken; } cases[] = {
            {30, 25, 0.5, 2, 12000, 29},        {0, 0, 0.5, 2, 5000, 15},   // no games: the minimum
            {10, 25, 0.5, 2, 5000, 15},         {20, 3, 0, 3, 66660, 138},   // truncated
            {4801, 4001, 0, 2, 12000, 29},   // 1.19995..: four decimals give 1.2000 before the truncation
            {0, 0, 0.555, 2, 5500, 16},         {2000, 1, 0, 2, 20000000, 32767},   // target kept to 16 bits
            {60000, 48000, 0, 2, 12500, 30},   // totals beyond 16 bits
        };
        for (const auto& c : cases) {
            ToernooiRec t = defaultSettings(QStringLiteral("T"));
            t.perRondeMinimum = fx(c.minimum);
            t.aantalDecimalen = qint16(c.decimalen);
            TournamentBuilder b({});
            b.addGame(2, 1, 5, 100, 1, 0, 6, 10, 10, 0);   // another round does not count
            if (c.beurten > 0) {   // split over two games, the player once on each side
                b.addGame(1, 1, 5, qint16(c.car / 2), qint16(c.beurten / 2), 0, 6, 10, 10, 0);
                b.addGame(1, 1, 7, 10, 10, 0, 5, qint16(c.car - c.car / 2), qint16(c.beurten - c.beurten / 2), 0);
            }
            SpelerRec rec = b.addPlayer(5, "", "", 2, 1, Fixed());
            core::adjustCarriedMoyenne(rec, b.uitslagen, 1, t);
            QCOMPARE(std::tuple(c.car, c.minimum, rec.moyenne.raw, int(rec.teMakenCar)),
                     std::tuple(c.car, c.minimum, c.moyenne, c.teMaken));
        }
    }

    void carryOverRecordsPassesOverDuplicates()
    {
        ToernooiRec t = defaultSettings(QStringLiteral("T"));
        t.aanpassenPerRonde = Nee;
        // 3 is in the new round already; 2 listed twice, 99 without a record in round 1
        TournamentBuilder b({});
        for (auto [nr, ronde] : {std::pair(1, 1), {2, 1}, {3, 1}, {3, 2}})
            b.addPlayer(nr, "", "", qint16(ronde), 1, Fixed());
        const auto recs = carryOverRecords(b.spelers, {}, {2, 3, 1, 2, 99}, 1, 2, 2, t);
        QCOMPARE(int(recs.size()), 2);
        QCOMPARE(recs[0].nummer * 10 + recs[0].poule, 22);
        QCOMPARE(recs[1].nummer, 1);
    }

    void plan()
    {
        // The previous round: R = 3 poules of 4, 4 and 3 players, T = 11.
        const QString minR = QStringLiteral(
            "Omdat bij deze keuze in ieder geval alle poulewinnaars doorgekoppeld worden,\r\nmoet u een aantal "
            "spelers invoeren dat minimaal gelijk is aan het aantal poules uit de vorige ronde (nl.  3 )");
        const QString maxT = QStringLiteral("Dit aantal is meer dan er spelers hebben gespeeld in de vorige ronde!\r\n"
                                            "(dat zijn er namelijk  11 )");
        const QString skip = QStringLiteral("U kunt bij deze keuze geen selectie overslaan !");
        const QString teVeel = QStringLiteral("Met dit aantal poules kunnen niet alle poules met minimaal 2 spelers "
                                              "gevuld worden !\r\nVerlaag het aantal poules !");
        // Text1, the tick boxes ("110": 2nd and 3rd; none: "Kies aantal spelers"), Text2, Text3 (none:
        // "Aantal poules vastleggen"); the message and its field, or N P S and the last place taken
        const struct { const char *aantal, *vinkjes, *poules, *max; QString melding; int veld; const char* uitkomst; }
        cases[] = {
            {"", "", "1", "", "U moet bij deze keuze een aantal spelers invoeren !", 1, ""},
            {"2", "", "1", "", minR, 1, ""},          {"12", "", "1", "", maxT, 1, ""},
            {"3", "", "1", "", "", 0, "3 1 3 0"},     {"11", "", "2", "", "", 0, "11 2 6 0"},
            {"", "010", "1", "", skip, 0, ""},        {"", "101", "1", "", skip, 0, ""},
            {"", "000", "1", "", "", 0, "3 1 3 1"},   {"", "111", "2", "", "", 0, "11 2 6 4"},
            {"", "110", "", "4", "", 0, "9 3 3 3"},   {"7", "", "4", "", teVeel, 2, ""},
            {"7", "", "3", "", "", 0, "7 3 3 0"},     {"7", "", "3 poules", "", "", 0, "7 3 3 0"},
            {"7", "", "0.4", "", "U moet bij deze keuze een aantal poules opgeven !", 2, ""},
            {"10", "", "", "4", "", 0, "10 3 4 0"},   {"10", "", "", "2", "", 0, "10 5 2 0"},
            {"10", "", "", "1", "U moet minimaal een aantal van 2 spelers per poule opgeven !", 3, ""},
        };
        for (const auto& c : cases) {
            AutoKeuze k;
            k.kiesAantal = !*c.vinkjes;
            k.aantalSpelers = c.aantal;
            for (int i = 0; c.vinkjes[i]; ++i)
                k.ookPlaats[size_t(i)] = c.vinkjes[i] == '1';
            k.vastAantalPoules = !*c.max;
            k.aantalPoules = c.poules;
            k.maxPerPoule = c.max;
            const AutoPlan p = planAutoCarryOver(k, 3, 11, {4, 4, 3});
            const QString in = QStringList{c.aantal, c.vinkjes, c.poules, c.max}.join('/') + ": ";
            const QString uit = p.ok ? QString("%1 %2 %3 %4").arg(p.N).arg(p.P).arg(p.S).arg(p.hoogstePlaats) : "";
            QCOMPARE(std::tuple(in + p.melding, int(p.veld), uit),
                     std::tuple(in + c.melding, c.veld, QString(c.uitkomst)));
        }
    }

    void strictlyBetter()
    {
        // match points or moyenne; standMoyenne, standSerie, standProcentCar as 0/1; a's mp, moy, serie,
        // %car, %moy against b's 5, 1.5, 6, 80, 90: 1 a better, -1 b better, 0 a tie
        const struct { bool mp; const char* criteria; QList<double> a; int verwacht; } cases[] = {
            {true, "111", {6, 1, 1, 1, 1}, 1},        {true, "111", {5, 1.6, 1, 1, 1}, 1},
            {true, "011", {5, 1.6, 5, 99, 99}, -1},   {true, "001", {5, 9, 9, 81, 1}, 1},
            {true, "000", {5, 9, 9, 99, 89}, -1},     {true, "111", {5, 1.5, 6, 80, 90}, 0},
            {false, "001", {1, 1.5001, 0, 0, 0}, 1},   // the moyenne criterion ignores match points
        };
        auto k = [](const QList<double>& v) {
            return Kandidaat{0, 0, fx(v[0]), fx(v[1]), fx(v[2]), fx(v[3]), fx(v[4])};
        };
        for (const auto& c : cases) {
            ToernooiRec t;
            t.standMoyenne = jaNee(c.criteria[0] == '1');
            t.standSerie = jaNee(c.criteria[1] == '1');
            t.standProcentCar = jaNee(c.criteria[2] == '1');
            const Kandidaat ka = k(c.a), kb = k({5, 1.5, 6, 80, 90});
            const int got = int(core::strictlyBetter(ka, kb, c.mp, t)) - int(core::strictlyBetter(kb, ka, c.mp, t));
            QCOMPARE(std::tuple(c.criteria, c.a, got), std::tuple(c.criteria, c.a, c.verwacht));
        }
    }

    void selectByPlace()
    {
        // normal and match-point standings (none: as the normal ones), N, the last place ticked (0 for
        // "Kies aantal spelers"), the players in the new round already, and the numbers chosen
        const char* vier = "11 12 13 14:1|21 22 23 24:2|31 32 33 34:3";
        const struct { const char *normaal, *mp; int N, hoogste; const char *nieuw, *verwacht; } cases[] = {
            {vier, "", 10, 0, "", "11 21 31 12 22 32 13 23 33 34"},   // place 4 ranked
            {"11 12 13 14|21 22 23 24|31 32 33", "", 11, 4, "", "11 21 31 12 22 32 13 23 33 14 24"},
            {vier, "", 9, 2, "", "11 21 31 12 22 32"},   // the ticks end at the last place
            {"11 12 13|21", "", 4, 0, "", "11 21 12 13"},   // filled past a short poule
            // place 3 ranked on match points: poule 1's MP number 3 (12) is listed, its best left is 13
            {"11 12 13|21 22 23", "11:9 13:8 12:7|21:9 22:8 23:1", 5, 0, "", "11 21 12 22 13"},
            {"5 11|5 21", "", 4, 0, "", "5 21 11"},   // a number in two poules once
            {"11 12|21 22", "", 2, 0, "21", "11 22"},   // the new round's player passed over
            {"11 12", "", 1, 0, "11 12", ""},   // nobody left
        };
        const ToernooiRec t = defaultSettings(QStringLiteral("T"));
        for (const auto& c : cases) {
            std::set<qint32> uit;
            for (const QString& n : QString(c.nieuw).split(' ', Qt::SkipEmptyParts))
                uit.insert(n.toInt());
            QStringList gekozen;
            for (qint32 n : core::selectByPlace(stands(c.normaal), stands(*c.mp ? c.mp : c.normaal), c.N, c.hoogste, true,
                                                t, uit))
                gekozen << QString::number(n);
            QCOMPARE(std::tuple(c.normaal, c.N, gekozen.join(' ')), std::tuple(c.normaal, c.N, QString(c.verwacht)));
        }
    }
};

QTEST_GUILESS_MAIN(TestRoundsCore)
#include "test_rounds_core.moc"

// The standings engine: accumulation, quotients and the tie-break chain.
#include "core/recordfile.h"
#include "core/standings.h"
#include "core/tournamentbuilder.h"
#include <QTemporaryDir>
#include <QTest>

using namespace core;

namespace {
SpelerRec player(qint32 nr, qint16 poule = 1, qint16 ronde = 1)
{
    SpelerRec s;
    s.nummer = nr;
    s.naam = QStringLiteral("Speler %1").arg(nr);
    s.voorletters = QStringLiteral("X.");
    s.poule = poule;
    s.ronde = ronde;
    return s;
}

UitslagSpeler side(qint32 nr, qint16 car, qint16 beurten, qint16 punten, qint16 code, qint16 serie = 1,
                   qint16 target = 0, qint64 eigenRaw = 10000)
{
    UitslagSpeler s;
    s.nummer = nr;
    s.car = car;
    s.beurten = beurten;
    s.punten = punten;
    s.uitslagCode = code;
    s.hoogsteSerie = serie;
    s.teMakenCar = target;
    s.eigenMoyenne = Fixed::fromRaw(eigenRaw);
    return s;
}

UitslagRec game(const UitslagSpeler& a, const UitslagSpeler& b, qint16 poule = 1, qint16 ronde = 1)
{
    UitslagRec u;
    u.ronde = ronde;
    u.poule = poule;
    u.speler1 = a;
    u.speler2 = b;
    return u;
}

ToernooiRec settings(bool moy, bool serie, bool procentCar, qint16 systeem = 1)
{
    ToernooiRec t = defaultSettings(QStringLiteral("t"));
    t.standMoyenne = jaNee(moy);
    t.standSerie = jaNee(serie);
    t.standProcentCar = jaNee(procentCar);
    t.puntenSysteem = systeem;
    return t;
}

qint64 cell(const Standings& st, int row, int col) { return st.rijen[size_t(row)][size_t(col)].raw; }
} // namespace

class TestCoreStandings : public QObject {
    Q_OBJECT
private slots:
    void accumulation();
    void bestGameMoyenne();
    void otherPoulesAndRoundsIgnored();
    void noResultsKeepsFileOrder();
    void fullTieIsStable();
    void winsThenDrawsOnlyInNormalOrder();
    void tieBreakChain_data();
    void tieBreakChain();
    void matchPoints_data();
    void matchPoints();
    void matchPointsWithoutMaximum();
    void zeroOwnMoyenne();
    void fileAndMemoryAgree();
};

void TestCoreStandings::accumulation()
{
    const std::vector<SpelerRec> ps = {player(1), player(2)};
    // player 1 once as speler1 and once as speler2
    const std::vector<UitslagRec> us = {
        game(side(1, 30, 20, 2, 1, 7, 30, 12000), side(2, 10, 20, 0, 3, 3, 25, 10000)),
        game(side(2, 25, 25, 2, 1, 5, 25, 10000), side(1, 17, 25, 0, 3, 4, 30, 13000)),
    };
    const Standings st = computeStandings(ps, us, settings(true, true, true), 1, 1, false);
    QCOMPARE(st.aantal(), 2);
    QCOMPARE(cell(st, 0, KolNummer), 10000);
    QCOMPARE(cell(st, 0, KolPartijen), 20000);
    QCOMPARE(cell(st, 0, KolPunten), 20000);
    QCOMPARE(cell(st, 0, KolCar), 470000);
    QCOMPARE(cell(st, 0, KolBeurten), 450000);
    QCOMPARE(cell(st, 0, KolHoogsteSerie), 70000);
    QCOMPARE(cell(st, 0, KolTeMakenCar), 600000);
    QCOMPARE(cell(st, 0, KolWinst), 10000);
    QCOMPARE(cell(st, 0, KolVerlies), 10000);
    QCOMPARE(cell(st, 0, KolMoyenne), 10444);          // 47/45 = 1.04444
    QCOMPARE(cell(st, 0, KolProcentCar), 783333);      // 47/60*100
    QCOMPARE(cell(st, 0, KolProcentMoy), 803385);      // 1.0444 / 1.3 * 100 (last side's own moyenne)
    QCOMPARE(cell(st, 0, KolPartijMoyenne), 15000);    // 30/20 won; the lost 17/25 never counts
    QCOMPARE(st.namen[0], QStringLiteral("Speler 1").leftJustified(20, QLatin1Char(' ')));
    QCOMPARE(st.voorletters[0], QStringLiteral("X.     "));
    // equal points (2 each); player 1 has the better moyenne
    QCOMPARE(st.positie, (std::vector<qint16>{1, 2}));
}

void TestCoreStandings::bestGameMoyenne()
{
    const std::vector<SpelerRec> ps = {player(1), player(2), player(3)};
    const std::vector<UitslagRec> us = {
        game(side(1, 20, 0, 2, 1), side(2, 5, 0, 0, 3)),       // 0 innings: counts as a game only
        game(side(1, 9, 10, 1, 2), side(3, 9, 10, 1, 2)),      // drawn: counts
        game(side(1, 40, 10, 0, 3), side(3, 50, 10, 2, 1)),    // lost with the best figure: never
        game(side(2, 10, 8, 0, 3), side(1, 1234, 1000, 2, 1)), // 1.234 as speler2
    };
    const Standings st = computeStandings(ps, us, settings(false, false, true), 1, 1, false);
    QCOMPARE(cell(st, 0, KolPartijen), 40000);
    QCOMPARE(cell(st, 0, KolCar), 13030000);
    QCOMPARE(cell(st, 0, KolPartijMoyenne), 12340);
    QCOMPARE(cell(st, 1, KolPartijMoyenne), 0);         // only a 0-inning win and a loss
    QCOMPARE(cell(st, 2, KolPartijMoyenne), 50000);
    // 0-inning game never divides: moyenne of player 2 is 15 / 8
    QCOMPARE(cell(st, 1, KolMoyenne), 18750);
}

void TestCoreStandings::otherPoulesAndRoundsIgnored()
{
    const std::vector<SpelerRec> ps = {player(1), player(2), player(1, 1, 2), player(2, 2, 1)};
    const std::vector<UitslagRec> us = {
        game(side(1, 10, 10, 2, 1), side(2, 5, 10, 0, 3), 1, 2),   // round 2
        game(side(1, 10, 10, 2, 1), side(2, 5, 10, 0, 3), 2, 1),   // poule 2
        game(side(2, 10, 10, 2, 1), side(1, 5, 10, 0, 3), 1, 1),
    };
    const Standings st = computeStandings(ps, us, settings(false, false, true), 1, 1, false);
    QCOMPARE(st.aantal(), 2);
    QCOMPARE(cell(st, 0, KolPartijen), 10000);
    QCOMPARE(cell(st, 0, KolPunten), 0);
    QCOMPARE(cell(st, 1, KolPunten), 20000);
    QCOMPARE(st.positie, (std::vector<qint16>{2, 1}));
    QCOMPARE(computeStandings(ps, us, settings(false, false, true), 3, 1, false).aantal(), 0);
}

void TestCoreStandings::noResultsKeepsFileOrder()
{
    const std::vector<SpelerRec> ps = {player(5), player(3), player(9)};
    const Standings st = computeStandings(ps, {}, settings(true, true, true), 1, 1, true);
    QCOMPARE(st.positie, (std::vector<qint16>{1, 2, 3}));
    for (int r = 0; r < 3; ++r)
        for (int c = 1; c < StandKolommen; ++c)
            QCOMPARE(cell(st, r, c), 0);
}

void TestCoreStandings::fullTieIsStable()
{
    const std::vector<SpelerRec> ps = {player(1), player(2), player(3), player(4)};
    const std::vector<UitslagRec> us = {
        game(side(3, 10, 10, 2, 1), side(4, 10, 10, 2, 1)),
        game(side(1, 10, 10, 2, 1), side(2, 10, 10, 2, 1)),
        game(side(4, 20, 10, 2, 1), side(2, 1, 10, 0, 3)),
    };
    const Standings st = computeStandings(ps, us, settings(true, true, true), 1, 1, false);
    // 4 leads; 1 and 3 tie completely (1 comes first in the file); 2 last
    QCOMPARE(st.positie, (std::vector<qint16>{2, 4, 3, 1}));
}

void TestCoreStandings::winsThenDrawsOnlyInNormalOrder()
{
    const std::vector<SpelerRec> ps = {player(1), player(2), player(3)};
    // all on 2 points, equal % car; 2 has a win, 3 two draws, 1 two draws and... ordered by wins then draws
    std::vector<UitslagRec> us = {
        game(side(1, 10, 10, 1, 2, 1, 10), side(9, 0, 0, 0, 0)),
        game(side(1, 10, 10, 1, 2, 1, 10), side(9, 0, 0, 0, 0)),
        game(side(2, 10, 10, 2, 1, 1, 10), side(9, 0, 0, 0, 0)),
        game(side(2, 10, 10, 0, 3, 1, 10), side(9, 0, 0, 0, 0)),
        game(side(3, 10, 10, 1, 2, 1, 10), side(9, 0, 0, 0, 0)),
        game(side(3, 10, 10, 1, 2, 1, 10), side(9, 0, 0, 0, 0)),
        game(side(3, 10, 10, 0, 2, 1, 10), side(9, 0, 0, 0, 0)),   // a third draw, no points
    };
    const ToernooiRec t = settings(false, false, true);
    const Standings st = computeStandings(ps, us, t, 1, 1, false);
    // points: 2, 2, 2; % car 100 each; wins 0, 1, 0; draws 2, 0, 3
    QCOMPARE(st.positie, (std::vector<qint16>{3, 1, 2}));
    // in match-point order wins and draws are never compared: 1 and 2 (2 pts / 2 games) tie,
    // 3 has 2 points from 3 games
    const Standings mp = computeStandings(ps, us, t, 1, 1, true);
    QCOMPARE(cell(mp, 0, KolMatchPunten), 500000);
    QCOMPARE(cell(mp, 2, KolMatchPunten), 330000);
    QCOMPARE(mp.positie, (std::vector<qint16>{1, 2, 3}));
}

void TestCoreStandings::tieBreakChain_data()
{
    QTest::addColumn<bool>("moy");
    QTest::addColumn<bool>("serie");
    QTest::addColumn<bool>("procentCar");
    QTest::addColumn<QList<int>>("positions");
    // Equal points. Player 1: best moyenne, lowest run, lowest % car, best % moy.
    // Player 2: best run. Player 3: best % car, worst % moy.
    QTest::newRow("moyenne first") << true << true << true << QList<int>{1, 3, 2};
    QTest::newRow("run when moyenne off") << false << true << true << QList<int>{3, 1, 2};
    QTest::newRow("% car when both off") << false << false << true << QList<int>{3, 2, 1};
    QTest::newRow("% moy when % car off") << false << false << false << QList<int>{1, 2, 3};
}

void TestCoreStandings::tieBreakChain()
{
    QFETCH(bool, moy);
    QFETCH(bool, serie);
    QFETCH(bool, procentCar);
    QFETCH(QList<int>, positions);
    const std::vector<SpelerRec> ps = {player(1), player(2), player(3)};
    const std::vector<UitslagRec> us = {
        game(side(1, 30, 10, 2, 1, 3, 60, 10000), side(9, 0, 1, 0, 3)),   // moy 3.0, 50 %, % moy 300
        game(side(2, 20, 10, 2, 1, 9, 30, 10000), side(9, 0, 1, 0, 3)),   // moy 2.0, 66 %, % moy 200
        game(side(3, 25, 10, 2, 1, 5, 25, 20000), side(9, 0, 1, 0, 3)),   // moy 2.5, 100 %, % moy 125
    };
    const Standings st = computeStandings(ps, us, settings(moy, serie, procentCar), 1, 1, false);
    QList<int> got;
    for (qint16 p : st.positie)
        got << p;
    QCOMPARE(got, positions);
}

void TestCoreStandings::matchPoints_data()
{
    QTest::addColumn<int>("systeem");
    QTest::addColumn<int>("winst");
    QTest::addColumn<bool>("extra");
    QTest::addColumn<QList<int>>("punten");
    QTest::addColumn<int>("expected");
    QTest::newRow("system 1, 2 + extra point: 7 of 9") << 1 << 2 << true << QList<int>{3, 2, 2} << 77;
    QTest::newRow("system 3: 30 of 36") << 3 << 0 << false << QList<int>{12, 11, 7} << 83;
    QTest::newRow("system 1 without extra: 4 of 6") << 1 << 2 << false << QList<int>{2, 2, 0} << 66;
}

void TestCoreStandings::matchPoints()
{
    QFETCH(int, systeem);
    QFETCH(int, winst);
    QFETCH(bool, extra);
    QFETCH(QList<int>, punten);
    QFETCH(int, expected);
    ToernooiRec t = settings(false, false, true, qint16(systeem));
    t.puntenWinst = qint16(winst);
    t.extraPuntWinst = jaNee(extra);
    std::vector<UitslagRec> us;
    for (int p : punten)
        us.push_back(game(side(1, 10, 10, qint16(p), 1), side(2, 10, 10, 0, 3)));
    const Standings st = computeStandings({player(1), player(2)}, us, t, 1, 1, true);
    QCOMPARE(cell(st, 0, KolMatchPunten), qint64(expected) * 10000);
    QCOMPARE(cell(st, 1, KolMatchPunten), 0);
    // without the switch column 14 stays 0
    QCOMPARE(cell(computeStandings({player(1), player(2)}, us, t, 1, 1, false), 0, KolMatchPunten), 0);
}

void TestCoreStandings::matchPointsWithoutMaximum()
{
    // System 2 has no maximum: column 14 holds 0 and the normal order (with wins) applies.
    ToernooiRec t = settings(false, false, true, 2);
    const std::vector<UitslagRec> us = {
        game(side(1, 10, 10, 5, 2, 1, 10), side(2, 10, 10, 5, 1, 1, 10)),
    };
    const Standings st = computeStandings({player(1), player(2)}, us, t, 1, 1, true);
    QCOMPARE(maxPunten(t), 0);
    QCOMPARE(cell(st, 0, KolMatchPunten), 0);
    QCOMPARE(cell(st, 1, KolMatchPunten), 0);
    QCOMPARE(st.positie, (std::vector<qint16>{2, 1}));
}

void TestCoreStandings::zeroOwnMoyenne()
{
    const std::vector<UitslagRec> us = {game(side(1, 10, 10, 2, 1, 1, 10, 0), side(2, 5, 10, 0, 3, 1, 10, 0))};
    const Standings st = computeStandings({player(1), player(2)}, us, settings(false, false, false), 1, 1, false);
    QCOMPARE(cell(st, 0, KolProcentMoy), 0);
    QCOMPARE(cell(st, 0, KolMoyenne), 10000);
}

void TestCoreStandings::fileAndMemoryAgree()
{
    QTemporaryDir dir;
    const TournamentFileSet f = writeDemoTournament(dir.path());
    const auto t = readToernooi(f.map + f.toernooi);
    QVERIFY(t.has_value());
    const auto ps = RecordFile<SpelerRec>::readAll(f.map + f.spelers);
    const auto us = RecordFile<UitslagRec>::readAll(f.map + f.uitslag);
    for (int poule = 1; poule <= 4; ++poule) {
        for (bool mp : {false, true}) {
            const Standings a = computeStandings(ps, us, *t, poule, 1, mp);
            const Standings b = computeStandings(f.map + f.spelers, f.map + f.uitslag, *t, poule, 1, mp);
            QVERIFY(a.aantal() > 0);
            QCOMPARE(a.rijen, b.rijen);
            QCOMPARE(a.positie, b.positie);
            QCOMPARE(a.namen, b.namen);
        }
    }
}

QTEST_GUILESS_MAIN(TestCoreStandings)
#include "test_core_standings.moc"

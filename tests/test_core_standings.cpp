// The standings engine: accumulation, quotients and the tie-break chain.
#include "core/standings.h"
#include "core/tournamentbuilder.h"
#include <QTest>

using namespace core;

namespace {
SpelerRec player(qint32 nr, qint16 poule = 1, qint16 ronde = 1)
{
    return {nr, QStringLiteral("Speler %1").arg(nr), QStringLiteral("X."), ronde, poule, 0, Fixed(), 0, Fixed()};
}

// Result code 1 win, 2 draw, 3 loss.
UitslagSpeler side(qint32 nr, qint16 car, qint16 beurten, qint16 punten, qint16 code, qint16 serie = 1,
                   qint16 target = 0, qint64 eigenRaw = 10000)
{
    return {nr, car, beurten, serie, Fixed(), target, Fixed::fromRaw(eigenRaw), Fixed(), Fixed(), punten, code};
}

UitslagRec game(const UitslagSpeler& a, const UitslagSpeler& b, qint16 poule = 1, qint16 ronde = 1)
{
    return {0, ronde, poule, 0, a, b};
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

// Poule 1 of round 1.
Standings stand(const std::vector<SpelerRec>& ps, const std::vector<UitslagRec>& us, const ToernooiRec& t,
                bool mp = false)
{
    return computeStandings(ps, us, t, 1, 1, mp);
}

// One row, or one column of every row, as raw values; the final places.
QList<qint64> row(const Standings& st, int r)
{
    QList<qint64> out;
    for (Fixed f : st.rijen[size_t(r)])
        out << f.raw;
    return out;
}
QList<qint64> column(const Standings& st, int c)
{
    QList<qint64> out;
    for (const StandRij& r : st.rijen)
        out << r[size_t(c)].raw;
    return out;
}
QList<int> places(const Standings& st) { return QList<int>(st.positie.begin(), st.positie.end()); }
} // namespace

class TestCoreStandings : public QObject {
    Q_OBJECT
private slots:
    void accumulation();
    void bestGameMoyenne();
    void otherPoulesAndRoundsIgnored();
    void winsThenDrawsOnlyInNormalOrder();
    void tieBreakChain();
    void matchPoints();
    void matchPointsWithoutMaximum();
};

void TestCoreStandings::accumulation()
{
    // player 1 once as speler1 and once as speler2
    const std::vector<UitslagRec> us = {
        game(side(1, 30, 20, 2, 1, 7, 30, 12000), side(2, 10, 20, 0, 3, 3, 25, 10000)),
        game(side(2, 25, 25, 2, 1, 5, 25, 10000), side(1, 17, 25, 0, 3, 4, 30, 13000)),
    };
    const Standings st = stand({player(1), player(2)}, us, settings(true, true, true));
    // games, points, car, innings, run; best game moyenne 30/20 (the lost 17/25 never counts); target;
    // won, drawn, lost; moyenne 47/45, % car 47/60, % moy 1.0444 / 1.3 (the last side's own moyenne)
    QCOMPARE(row(st, 0), (QList<qint64>{10000, 20000, 20000, 470000, 450000, 70000, 15000, 600000,
                                        10000, 0, 10000, 10444, 783333, 803385, 0}));
    QCOMPARE(st.namen[0] + '|' + st.voorletters[0], QStringLiteral("Speler 1            |X.     "));   // 20 and 7
    QCOMPARE(places(st), (QList<int>{1, 2}));   // equal points; 1 has the better moyenne
    // Without results: all zero in file order. An own moyenne of 0 gives % moy 0.
    const Standings none = stand({player(5), player(3), player(9)}, {}, settings(true, true, true), true);
    QCOMPARE(places(none), (QList<int>{1, 2, 3}));
    for (int r = 0; r < 3; ++r)
        QCOMPARE(row(none, r).mid(1), QList<qint64>(StandKolommen - 1, 0));
    const Standings zero = stand({player(1), player(2)},
                                 {game(side(1, 10, 10, 2, 1, 1, 10, 0), side(2, 5, 10, 0, 3, 1, 10, 0))},
                                 settings(false, false, false));
    QCOMPARE(column(zero, KolProcentMoy), (QList<qint64>{0, 0}));
    QCOMPARE(column(zero, KolMoyenne), (QList<qint64>{10000, 5000}));
}

void TestCoreStandings::bestGameMoyenne()
{
    const std::vector<UitslagRec> us = {
        game(side(1, 20, 0, 2, 1), side(2, 5, 0, 0, 3)),         // 0 innings: counts as a game only
        game(side(2, 9, 10, 1, 2), side(3, 9, 10, 1, 2)),        // drawn: counts
        game(side(1, 40, 10, 0, 3), side(3, 50, 10, 2, 1)),      // lost with the best figure: never
        game(side(2, 10, 8, 0, 3), side(1, 1234, 1000, 2, 1)),   // 1.234 as speler2
    };
    const Standings st = stand({player(1), player(2), player(3)}, us, settings(false, false, true));
    QCOMPARE(column(st, KolPartijen), (QList<qint64>{30000, 30000, 20000}));
    QCOMPARE(column(st, KolCar)[0], 12940000);
    QCOMPARE(column(st, KolPartijMoyenne), (QList<qint64>{12340, 9000, 50000}));
    QCOMPARE(column(st, KolMoyenne)[1], 13333);   // 24 / 18
}

void TestCoreStandings::otherPoulesAndRoundsIgnored()
{
    const std::vector<SpelerRec> ps = {player(1), player(2), player(1, 1, 2), player(2, 2, 1)};
    const std::vector<UitslagRec> us = {
        game(side(1, 10, 10, 2, 1), side(2, 5, 10, 0, 3), 1, 2),   // round 2
        game(side(1, 10, 10, 2, 1), side(2, 5, 10, 0, 3), 2, 1),   // poule 2
        game(side(2, 10, 10, 2, 1), side(1, 5, 10, 0, 3), 1, 1),
    };
    const Standings st = stand(ps, us, settings(false, false, true));
    QCOMPARE(column(st, KolPartijen), (QList<qint64>{10000, 10000}));
    QCOMPARE(column(st, KolPunten), (QList<qint64>{0, 20000}));
    QCOMPARE(places(st), (QList<int>{2, 1}));
    QCOMPARE(computeStandings(ps, us, settings(false, false, true), 3, 1, false).aantal(), 0);
}

void TestCoreStandings::winsThenDrawsOnlyInNormalOrder()
{
    // All on 2 points with 100 % car. Wins 0, 1, 0; draws 2, 0, 3 (the third without points).
    std::vector<UitslagRec> us;
    const int games[][3] = {{1, 1, 2}, {1, 1, 2}, {2, 2, 1}, {2, 0, 3}, {3, 1, 2}, {3, 1, 2}, {3, 0, 2}};
    for (auto [nr, punten, code] : games)
        us.push_back(game(side(nr, 10, 10, qint16(punten), qint16(code), 1, 10), side(9, 0, 0, 0, 0)));
    const std::vector<SpelerRec> ps = {player(1), player(2), player(3)};
    const ToernooiRec t = settings(false, false, true);
    QCOMPARE(places(stand(ps, us, t)), (QList<int>{3, 1, 2}));
    // By match points wins and draws are never compared: 1 and 2 (2 points of 2 games) tie, 3 has 2 of 3.
    const Standings mp = stand(ps, us, t, true);
    QCOMPARE(column(mp, KolMatchPunten), (QList<qint64>{500000, 500000, 330000}));
    QCOMPARE(places(mp), (QList<int>{1, 2, 3}));
}

void TestCoreStandings::tieBreakChain()
{
    // Equal points. Player 1: best moyenne, lowest run, lowest % car, best % moy.
    // Player 2: best run. Player 3: best % car, worst % moy.
    const std::vector<UitslagRec> us = {
        game(side(1, 30, 10, 2, 1, 3, 60, 10000), side(9, 0, 1, 0, 3)),   // moy 3.0, 50 %, % moy 300
        game(side(2, 20, 10, 2, 1, 9, 30, 10000), side(9, 0, 1, 0, 3)),   // moy 2.0, 66 %, % moy 200
        game(side(3, 25, 10, 2, 1, 5, 25, 20000), side(9, 0, 1, 0, 3)),   // moy 2.5, 100 %, % moy 125
    };
    const struct { bool moy, serie, procentCar; QList<int> places; } chain[] = {
        {true, true, true, {1, 3, 2}},      // moyenne first
        {false, true, true, {3, 1, 2}},     // the run when moyenne is off
        {false, false, true, {3, 2, 1}},    // % car when both are off
        {false, false, false, {1, 2, 3}},   // % moy when % car is off
    };
    for (const auto& c : chain)
        QCOMPARE(places(stand({player(1), player(2), player(3)}, us, settings(c.moy, c.serie, c.procentCar))),
                 c.places);
}

void TestCoreStandings::matchPoints()
{
    const struct { qint16 systeem, winst; bool extra; QList<qint16> punten; qint64 percent; } cases[] = {
        {1, 2, true, {3, 2, 2}, 77},     // 7 of 9 with the extra point
        {3, 0, false, {12, 11, 7}, 83},  // 30 of 36
        {1, 2, false, {2, 2, 0}, 66},    // 4 of 6
    };
    for (const auto& c : cases) {
        ToernooiRec t = settings(false, false, true, c.systeem);
        t.puntenWinst = c.winst;
        t.extraPuntWinst = jaNee(c.extra);
        std::vector<UitslagRec> us;
        for (qint16 p : c.punten)
            us.push_back(game(side(1, 10, 10, p, 1), side(2, 10, 10, 0, 3)));
        QCOMPARE(column(stand({player(1), player(2)}, us, t, true), KolMatchPunten),
                 (QList<qint64>{c.percent * 10000, 0}));
        // without the switch the column stays 0
        QCOMPARE(column(stand({player(1), player(2)}, us, t), KolMatchPunten)[0], 0);
    }
}

void TestCoreStandings::matchPointsWithoutMaximum()
{
    // System 2 has no maximum: the column holds 0 and the normal order (with wins) applies.
    const ToernooiRec t = settings(false, false, true, 2);
    const std::vector<UitslagRec> us = {game(side(1, 10, 10, 5, 2, 1, 10), side(2, 10, 10, 5, 1, 1, 10))};
    const Standings st = stand({player(1), player(2)}, us, t, true);
    QCOMPARE(maxPunten(t), 0);
    QCOMPARE(column(st, KolMatchPunten), (QList<qint64>{0, 0}));
    QCOMPARE(places(st), (QList<int>{2, 1}));
}

QTEST_GUILESS_MAIN(TestCoreStandings)
#include "test_core_standings.moc"

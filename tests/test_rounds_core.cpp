// Carry-over rules: carried records and moyennes, the automatic plan,
// capacities, tie-breaks and the selection by place.
#include "core/carryover.h"
#include "core/recordfile.h"
#include "core/tournamentbuilder.h"
#include <QTemporaryDir>
#include <QTest>

using namespace core;

namespace {

Fixed fx(double v) { return Fixed::fromDouble(v); }

UitslagRec game(qint16 ronde, qint32 a, int carA, int beurtenA, qint32 b, int carB = 10, int beurtenB = 10)
{
    UitslagRec u;
    u.ronde = ronde;
    u.speler1.nummer = a;
    u.speler1.car = qint16(carA);
    u.speler1.beurten = qint16(beurtenA);
    u.speler2.nummer = b;
    u.speler2.car = qint16(carB);
    u.speler2.beurten = qint16(beurtenB);
    return u;
}

SpelerRec player(qint32 nr, qint16 ronde)
{
    SpelerRec r;
    r.nummer = nr;
    r.ronde = ronde;
    return r;
}

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

QString numbers(const std::vector<qint32>& v)
{
    QStringList t;
    for (qint32 n : v)
        t << QString::number(n);
    return t.join(' ');
}

} // namespace

class TestRoundsCore : public QObject {
    Q_OBJECT
private slots:
    void adjustCarriedMoyenne_data()
    {
        QTest::addColumn<int>("car");
        QTest::addColumn<int>("beurten");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<int>("decimalen");
        QTest::addColumn<qint64>("moyenne");
        QTest::addColumn<int>("teMaken");
        QTest::newRow("30 in 25, minimum 0.50") << 30 << 25 << 0.5 << 2 << qint64(12000) << 29;
        QTest::newRow("no games: the minimum") << 0 << 0 << 0.5 << 2 << qint64(5000) << 15;
        QTest::newRow("below the minimum") << 10 << 25 << 0.5 << 2 << qint64(5000) << 15;
        QTest::newRow("three decimals, truncated") << 20 << 3 << 0.0 << 3 << qint64(66660) << 138;
        // 4801 / 4001 = 1.19995..: four decimals give 1.2000 before the truncation
        QTest::newRow("four decimals first") << 4801 << 4001 << 0.0 << 2 << qint64(12000) << 29;
        QTest::newRow("minimum truncated too") << 0 << 0 << 0.555 << 2 << qint64(5500) << 16;
        QTest::newRow("target kept to 16 bits") << 2000 << 1 << 0.0 << 2 << qint64(20000000) << 32767;
    }
    void adjustCarriedMoyenne()
    {
        QFETCH(int, car);
        QFETCH(int, beurten);
        QFETCH(double, minimum);
        QFETCH(int, decimalen);
        ToernooiRec t = defaultSettings(QStringLiteral("T"));
        t.perRondeMinimum = fx(minimum);
        t.aantalDecimalen = qint16(decimalen);
        std::vector<UitslagRec> u{game(2, 5, 100, 1, 6)};   // another round does not count
        if (beurten > 0) {   // split over two games, the player once on each side
            u.push_back(game(1, 5, car / 2, beurten / 2, 6));
            u.push_back(game(1, 7, 10, 10, 5, car - car / 2, beurten - beurten / 2));
        }
        SpelerRec rec = player(5, 2);
        core::adjustCarriedMoyenne(rec, u, 1, t);
        QTEST(rec.moyenne.raw, "moyenne");
        QTEST(int(rec.teMakenCar), "teMaken");
    }

    void totalsBeyond16Bit()
    {
        const std::vector<UitslagRec> u(3, game(1, 5, 20000, 16000, 6));
        const CarTotals t = roundTotals(u, 5, 1);
        QCOMPARE(t.car, qint64(60000));
        QCOMPARE(t.beurten, qint64(48000));
        QCOMPARE(roundMoyenne(t, Fixed(), 2).raw, qint64(12500));
    }

    void carryOverRecordsPassesOverDuplicates()
    {
        ToernooiRec t = defaultSettings(QStringLiteral("T"));
        t.aanpassenPerRonde = Nee;
        // 3 is in the new round already
        const std::vector<SpelerRec> s{player(1, 1), player(2, 1), player(3, 1), player(3, 2)};
        // 2 listed twice, 99 without a record in round 1
        const auto recs = carryOverRecords(s, {}, {2, 3, 1, 2, 99}, 1, 2, 2, t);
        QCOMPARE(int(recs.size()), 2);
        QCOMPARE(recs[0].nummer, 2);
        QCOMPARE(recs[1].nummer, 1);
        QCOMPARE(recs[0].poule, qint16(2));
    }

    void plan_data()
    {
        // The previous round: R = 3 poules of 4, 4 and 3 players, T = 11.
        QTest::addColumn<QString>("aantal");     // Text1
        QTest::addColumn<QString>("vinkjes");    // tick boxes ("110": 2nd and 3rd); empty: "Kies aantal spelers"
        QTest::addColumn<QString>("poules");     // Text2
        QTest::addColumn<QString>("max");        // Text3; empty: "Aantal poules vastleggen"
        QTest::addColumn<QString>("melding");    // empty when accepted
        QTest::addColumn<int>("veld");
        QTest::addColumn<QString>("uitkomst");   // N P S and the last place taken
        const QString minR = QStringLiteral(
            "Omdat bij deze keuze in ieder geval alle poulewinnaars doorgekoppeld worden,\r\nmoet u een aantal "
            "spelers invoeren dat minimaal gelijk is aan het aantal poules uit de vorige ronde (nl.  3 )");
        const QString maxT = QStringLiteral("Dit aantal is meer dan er spelers hebben gespeeld in de vorige ronde!\r\n"
                                            "(dat zijn er namelijk  11 )");
        const QString overslaan = QStringLiteral("U kunt bij deze keuze geen selectie overslaan !");
        const QString teVeel = QStringLiteral("Met dit aantal poules kunnen niet alle poules met minimaal 2 spelers "
                                              "gevuld worden !\r\nVerlaag het aantal poules !");
        const QString geenPoules = QStringLiteral("U moet bij deze keuze een aantal poules opgeven !");
        const QString min2 = QStringLiteral("U moet minimaal een aantal van 2 spelers per poule opgeven !");
        QTest::newRow("empty number") << "" << "" << "1" << "" << "U moet bij deze keuze een aantal spelers invoeren !" << 1 << "";
        QTest::newRow("below R") << "2" << "" << "1" << "" << minR << 1 << "";
        QTest::newRow("above T") << "12" << "" << "1" << "" << maxT << 1 << "";
        QTest::newRow("R accepted") << "3" << "" << "1" << "" << "" << 0 << "3 1 3 0";
        QTest::newRow("T accepted") << "11" << "" << "2" << "" << "" << 0 << "11 2 6 0";
        QTest::newRow("skip 2nd") << "" << "010" << "1" << "" << overslaan << 0 << "";
        QTest::newRow("skip 3rd") << "" << "101" << "1" << "" << overslaan << 0 << "";
        QTest::newRow("winners only") << "" << "000" << "1" << "" << "" << 0 << "3 1 3 1";
        QTest::newRow("all ticked 4-4-3") << "" << "111" << "2" << "" << "" << 0 << "11 2 6 4";
        QTest::newRow("2nd and 3rd, max 4") << "" << "110" << "" << "4" << "" << 0 << "9 3 3 3";
        QTest::newRow("7 in 4 poules") << "7" << "" << "4" << "" << teVeel << 2 << "";
        QTest::newRow("7 in 3 poules") << "7" << "" << "3" << "" << "" << 0 << "7 3 3 0";
        QTest::newRow("fraction to no poule") << "7" << "" << "0.4" << "" << geenPoules << 2 << "";
        QTest::newRow("leading digits") << "7" << "" << "3 poules" << "" << "" << 0 << "7 3 3 0";
        QTest::newRow("max 4, N 10") << "10" << "" << "" << "4" << "" << 0 << "10 3 4 0";
        QTest::newRow("max 1") << "10" << "" << "" << "1" << min2 << 3 << "";
        QTest::newRow("max 2") << "10" << "" << "" << "2" << "" << 0 << "10 5 2 0";
    }
    void plan()
    {
        QFETCH(QString, aantal);
        QFETCH(QString, vinkjes);
        QFETCH(QString, poules);
        QFETCH(QString, max);
        QFETCH(QString, melding);
        AutoKeuze k;
        k.kiesAantal = vinkjes.isEmpty();
        k.aantalSpelers = aantal;
        for (int i = 0; i < vinkjes.size(); ++i)
            k.ookPlaats[size_t(i)] = vinkjes[i] == QLatin1Char('1');
        k.vastAantalPoules = max.isEmpty();
        k.aantalPoules = poules;
        k.maxPerPoule = max;
        const AutoPlan p = planAutoCarryOver(k, 3, 11, {4, 4, 3});
        QCOMPARE(p.melding, melding);
        QCOMPARE(p.ok, melding.isEmpty());
        QTEST(int(p.veld), "veld");
        QTEST(p.ok ? QStringLiteral("%1 %2 %3 %4").arg(p.N).arg(p.P).arg(p.S).arg(p.hoogstePlaats) : QString(),
              "uitkomst");
    }

    void capacities()
    {
        auto caps = [](int N, int P, int S) {
            const auto c = pouleCapacities(N, P, S);
            return QList<int>(c.begin(), c.end());
        };
        QCOMPARE(caps(7, 3, 3), (QList<int>{3, 2, 2}));
        QCOMPARE(caps(9, 3, 3), (QList<int>{3, 3, 3}));
    }

    void strictlyBetter_data()
    {
        QTest::addColumn<bool>("mp");
        QTest::addColumn<QString>("criteria");   // standMoyenne, standSerie, standProcentCar as 0/1
        QTest::addColumn<QList<double>>("a");    // mp, moy, serie, %car, %moy; b = 5, 1.5, 6, 80, 90
        QTest::addColumn<int>("verwacht");       // 1 a better, -1 b better, 0 tie
        QTest::newRow("mp decides") << true << "111" << QList<double>{6, 1, 1, 1, 1} << 1;
        QTest::newRow("tie mp, moyenne used") << true << "111" << QList<double>{5, 1.6, 1, 1, 1} << 1;
        QTest::newRow("tie mp, moyenne not used, serie") << true << "011" << QList<double>{5, 1.6, 5, 99, 99} << -1;
        QTest::newRow("then %car") << true << "001" << QList<double>{5, 9, 9, 81, 1} << 1;
        QTest::newRow("then %moy") << true << "000" << QList<double>{5, 9, 9, 99, 89} << -1;
        QTest::newRow("full tie") << true << "111" << QList<double>{5, 1.5, 6, 80, 90} << 0;
        QTest::newRow("moyenne criterion ignores mp") << false << "001" << QList<double>{1, 1.5001, 0, 0, 0} << 1;
    }
    void strictlyBetter()
    {
        QFETCH(bool, mp);
        QFETCH(QString, criteria);
        QFETCH(QList<double>, a);
        ToernooiRec t;
        t.standMoyenne = jaNee(criteria[0] == QLatin1Char('1'));
        t.standSerie = jaNee(criteria[1] == QLatin1Char('1'));
        t.standProcentCar = jaNee(criteria[2] == QLatin1Char('1'));
        auto k = [](const QList<double>& v) { return Kandidaat{0, 0, fx(v[0]), fx(v[1]), fx(v[2]), fx(v[3]), fx(v[4])}; };
        const Kandidaat ka = k(a), kb = k({5, 1.5, 6, 80, 90});
        QTEST(int(core::strictlyBetter(ka, kb, mp, t)) - int(core::strictlyBetter(kb, ka, mp, t)), "verwacht");
    }

    void selectByPlace_data()
    {
        QTest::addColumn<QString>("normaal");
        QTest::addColumn<QString>("mp");         // match-point standings; empty: as the normal ones
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("hoogste");        // last place ticked, 0 for "Kies aantal spelers"
        QTest::addColumn<QString>("nieuw");      // already in the new round
        QTest::addColumn<QString>("verwacht");
        const QString vier = "11 12 13 14:1|21 22 23 24:2|31 32 33 34:3";
        QTest::newRow("R 3, N 10: place 4 ranked") << vier << "" << 10 << 0 << "" << "11 21 31 12 22 32 13 23 33 34";
        QTest::newRow("4/4/3 ticked to place 4") << "11 12 13 14|21 22 23 24|31 32 33" << "" << 11 << 4 << ""
                                                 << "11 21 31 12 22 32 13 23 33 14 24";
        QTest::newRow("ticks end at the last place") << vier << "" << 9 << 2 << "" << "11 21 31 12 22 32";
        QTest::newRow("filled past a short poule") << "11 12 13|21" << "" << 4 << 0 << "" << "11 21 12 13";
        // place 3 ranked on match points: poule 1's MP number 3 (12) is listed, its best left is 13
        QTest::newRow("MP: best not yet listed") << "11 12 13|21 22 23" << "11:9 13:8 12:7|21:9 22:8 23:1" << 5 << 0
                                                 << "" << "11 21 12 22 13";
        QTest::newRow("number in two poules once") << "5 11|5 21" << "" << 4 << 0 << "" << "5 21 11";
        QTest::newRow("new round's player passed over") << "11 12|21 22" << "" << 2 << 0 << "21" << "11 22";
        QTest::newRow("nobody left") << "11 12" << "" << 1 << 0 << "11 12" << "";
    }
    void selectByPlace()
    {
        QFETCH(QString, normaal);
        QFETCH(QString, mp);
        QFETCH(int, N);
        QFETCH(int, hoogste);
        QFETCH(QString, nieuw);
        std::set<qint32> uit;
        for (const QString& n : nieuw.split(' ', Qt::SkipEmptyParts))
            uit.insert(n.toInt());
        const ToernooiRec t = defaultSettings(QStringLiteral("T"));
        const auto gekozen =
            core::selectByPlace(stands(normaal), stands(mp.isEmpty() ? normaal : mp), N, hoogste, true, t, uit);
        QTEST(numbers(gekozen), "verwacht");
    }

    void demoSelection_data()
    {
        QTest::addColumn<QString>("aantal");
        QTest::addColumn<QString>("poules");
        QTest::addColumn<QString>("verwacht");   // numbers listed, then N P S and the capacities
        // poules of 6, 6, 5 and 3: every player, the places beyond 3 filled from the larger poules
        QTest::newRow("all 20 in 4 poules") << "20" << "4"
                                            << "1 7 14 18 3 8 15 20 6 10 13 19 5 11 17 4 9 16 2 12 / 20 4 5 5 5 5 5";
        // place 3 ranked on match points: poule 1's MP number 3 (3) is listed
        // already, so its MP number 2 (6, 66 points) goes with 10 (60 points)
        QTest::newRow("10 on match points") << "10" << "3" << "1 7 14 18 3 8 15 20 6 10 / 10 3 4 4 3 3";
    }
    void demoSelection()
    {
        QFETCH(QString, aantal);
        QFETCH(QString, poules);
        QTemporaryDir dir;
        const TournamentFileSet f = writeDemoTournament(dir.path());
        const auto spelers = RecordFile<SpelerRec>::readAll(f.map + f.spelers);
        const auto uitslagen = RecordFile<UitslagRec>::readAll(f.map + f.uitslag);
        const ToernooiRec t = *readToernooi(f.map + f.toernooi);
        std::vector<Standings> normaal, mp;
        for (int p = 1; p <= 4; ++p) {
            normaal.push_back(computeStandings(spelers, uitslagen, t, p, 1, false));
            mp.push_back(computeStandings(spelers, uitslagen, t, p, 1, true));
        }
        AutoKeuze k;
        k.aantalSpelers = aantal;
        k.aantalPoules = poules;
        const AutoPlan plan = planAutoCarryOver(k, 4, 20, {6, 6, 5, 3});
        RandomGenerator rng;
        const AutoResultaat r = buildAutoCarryOver(plan, true, true, 0, normaal, mp, spelers, uitslagen, t, 1, 2, rng);
        std::vector<qint32> uit;
        for (const AutoRij& rij : r.rijen)
            uit.push_back(rij.nr.toInt());
        uit.insert(uit.end(), {-1, r.N, r.P, r.S});
        uit.insert(uit.end(), r.capaciteiten.begin(), r.capaciteiten.end());
        QTEST(numbers(uit).replace("-1", "/"), "verwacht");
    }
};

QTEST_GUILESS_MAIN(TestRoundsCore)
#include "test_rounds_core.moc"

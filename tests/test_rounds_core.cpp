// Rounds and carry-over rules: new rounds, carried records, moyenne
// adjustment, the automatic selection, capacities, random spread and commit.
#include "core/carryover.h"
#include "core/players.h"
#include "core/recordfile.h"
#include "core/rounds.h"
#include "core/tournamentbuilder.h"
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace core;

namespace {

Fixed fx(double v) { return Fixed::fromDouble(v); }

UitslagRec game(qint16 ronde, qint16 poule, qint32 a, qint16 carA, qint16 beurtenA, qint32 b, qint16 carB,
                qint16 beurtenB)
{
    UitslagRec u;
    u.ronde = ronde;
    u.poule = poule;
    u.speler1.nummer = a;
    u.speler1.car = carA;
    u.speler1.beurten = beurtenA;
    u.speler2.nummer = b;
    u.speler2.car = carB;
    u.speler2.beurten = beurtenB;
    return u;
}

// Standings of one poule: players in place order, numbered from 'eerste'.
// Each row: {nummer, matchpunten, moyenne, serie, %car, %moy}.
struct Rij {
    qint32 nummer;
    double mp, moy, serie, pcar, pmoy;
};
Standings stand(const std::vector<Rij>& rijen)
{
    Standings s;
    qint16 plaats = 1;
    for (const Rij& r : rijen) {
        StandRij row{};
        row[KolNummer] = Fixed::fromInt(r.nummer);
        row[KolMatchPunten] = fx(r.mp);
        row[KolMoyenne] = fx(r.moy);
        row[KolHoogsteSerie] = fx(r.serie);
        row[KolProcentCar] = fx(r.pcar);
        row[KolProcentMoy] = fx(r.pmoy);
        s.rijen.push_back(row);
        s.positie.push_back(plaats++);
        s.namen.push_back(QString());
        s.voorletters.push_back(QString());
    }
    return s;
}
// A poule of n players numbered base+1 .. base+n, ranked in that order.
Standings simplePoule(int base, int n)
{
    std::vector<Rij> r;
    for (int i = 1; i <= n; ++i)
        r.push_back({base + i, 0, 0, 0, 0, 0});
    return stand(r);
}

} // namespace

class TestRoundsCore : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void createNextRoundAppendsRecordAndRaisesLastRound();

    void adjustCarriedMoyenne_data();
    void adjustCarriedMoyenne();
    void totalsBeyond16Bit();
    void carryOverRecordsPassesOverDuplicates();
    void listRows();

    void plan_data();
    void plan();
    void capacities_data();
    void capacities();
    void strictlyBetter_data();
    void strictlyBetter();
    void selectionRanksPartPlace();
    void selectionMatchPointsSkipsListed();
    void selectionShortPoule();
    void buildSpreadsOverCapacities();
    void randomFromFixedStart();
};

void TestRoundsCore::createNextRoundAppendsRecordAndRaisesLastRound()
{
    QTemporaryDir dir;
    TournamentBuilder b(dir.path());
    b.toernooi.subtitel = QStringLiteral("Najaar");
    b.setRound(1, 3);
    const TournamentFileSet f = b.write();
    const QString pp = f.map + f.poules, tp = f.map + f.toernooi;

    ToernooiRec t;
    QCOMPARE(createNextRound(pp, tp, 1, &t), qint16(2));
    QCOMPARE(t.laatsteRonde, qint16(2));
    QCOMPARE(readToernooi(tp)->laatsteRonde, qint16(2));
    QCOMPARE(readToernooi(tp)->subtitel, QStringLiteral("Najaar"));
    auto poules = RecordFile<PouleRec>::readAll(pp);
    QCOMPARE(int(poules.size()), 2);
    QCOMPARE(poules[0].aantalPoules, qint16(3));
    QCOMPARE(poules[1], (PouleRec{2, 1, 0, 0}));

    // a second round at once, still without players
    QCOMPARE(createNextRound(pp, tp, t.laatsteRonde, &t), qint16(3));
    poules = RecordFile<PouleRec>::readAll(pp);
    QCOMPARE(int(poules.size()), 3);
    QCOMPARE(poules[2], (PouleRec{3, 1, 0, 0}));
    QCOMPARE(poules[1], (PouleRec{2, 1, 0, 0}));
    // exactly eight bytes a record, record number = round
    QFile file(pp);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray all = file.readAll();
    QCOMPARE(all.size(), 24);
    QCOMPARE(all.mid(16), QByteArray::fromHex("0300010000000000"));

    // missing settings file: nothing written
    QVERIFY(QFile::remove(tp));
    QCOMPARE(createNextRound(pp, tp, 3, &t), qint16(0));
    QCOMPARE(RecordFile<PouleRec>::count(pp), 3);
}

void TestRoundsCore::adjustCarriedMoyenne_data()
{
    QTest::addColumn<int>("car");
    QTest::addColumn<int>("beurten");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<int>("decimalen");
    QTest::addColumn<qint64>("moyenne");
    QTest::newRow("30/25 two decimals") << 30 << 25 << 0.5 << 2 << qint64(12000);
    QTest::newRow("no games gets minimum") << 0 << 0 << 0.5 << 2 << qint64(5000);
    QTest::newRow("below minimum") << 10 << 25 << 0.5 << 2 << qint64(5000);
    QTest::newRow("truncated not rounded 2") << 20 << 3 << 0.0 << 2 << qint64(66600);
    QTest::newRow("truncated not rounded 3") << 20 << 3 << 0.0 << 3 << qint64(66660);
    QTest::newRow("minimum 0 no games") << 0 << 0 << 0.0 << 2 << qint64(0);
    // 4801 / 4001 = 1.19995001..: four decimals give 1.2000 before truncation
    QTest::newRow("rounded to four decimals first") << 4801 << 4001 << 0.0 << 2 << qint64(12000);
    QTest::newRow("minimum truncated too") << 0 << 0 << 0.555 << 2 << qint64(5500);
}

void TestRoundsCore::adjustCarriedMoyenne()
{
    QFETCH(int, car);
    QFETCH(int, beurten);
    QFETCH(double, minimum);
    QFETCH(int, decimalen);
    QFETCH(qint64, moyenne);
    ToernooiRec t = defaultSettings(QStringLiteral("T"));
    t.perRondeMinimum = fx(minimum);
    t.aantalDecimalen = qint16(decimalen);
    std::vector<UitslagRec> u;
    if (beurten > 0) {
        // split over two games in two poules, the player once on each side
        u.push_back(game(1, 1, 5, qint16(car / 2), qint16(beurten / 2), 6, 10, 10));
        u.push_back(game(1, 2, 7, 10, 10, 5, qint16(car - car / 2), qint16(beurten - beurten / 2)));
    }
    u.push_back(game(2, 1, 5, 100, 1, 6, 1, 1));   // another round does not count
    SpelerRec rec;
    rec.nummer = 5;
    rec.moyenne = fx(9.0);
    rec.teMakenCar = 99;
    core::adjustCarriedMoyenne(rec, u, 1, t);
    QCOMPARE(rec.moyenne.raw, moyenne);
    QCOMPARE(rec.teMakenCar, caramboleTarget(rec.moyenne, t));
    QCOMPARE(rec.aangepastTeMakenCar, qint16(0));
    if (moyenne == 12000)
        QCOMPARE(rec.teMakenCar, qint16(29));   // 20 x 1.20 + 5
}

void TestRoundsCore::totalsBeyond16Bit()
{
    std::vector<UitslagRec> u;
    for (int i = 0; i < 3; ++i)
        u.push_back(game(1, 1, 5, 20000, 16000, 6, 1, 1));
    const CarTotals t = roundTotals(u, 5, 1);
    QCOMPARE(t.car, qint64(60000));
    QCOMPARE(t.beurten, qint64(48000));
    QCOMPARE(roundMoyenne(t, Fixed(), 2).raw, qint64(12500));
}

void TestRoundsCore::carryOverRecordsPassesOverDuplicates()
{
    ToernooiRec t = defaultSettings(QStringLiteral("T"));
    t.aanpassenPerRonde = Nee;
    std::vector<SpelerRec> s;
    auto add = [&](qint32 nr, qint16 ronde, qint16 poule, double moy, qint16 car) {
        SpelerRec r;
        r.nummer = nr;
        r.naam = QStringLiteral("Speler %1").arg(nr);
        r.ronde = ronde;
        r.poule = poule;
        r.moyenne = fx(moy);
        r.teMakenCar = car;
        s.push_back(r);
    };
    add(1, 1, 1, 1.5, 35);
    add(2, 1, 1, 2.0, 45);
    add(3, 1, 1, 1.0, 25);
    add(3, 2, 1, 1.0, 25);   // already in the new round
    const auto recs = carryOverRecords(s, {}, {2, 3, 1, 2, 99}, 1, 2, 2, t);
    QCOMPARE(int(recs.size()), 2);
    QCOMPARE(recs[0].nummer, 2);
    QCOMPARE(recs[0].moyenne, fx(2.0));
    QCOMPARE(recs[0].teMakenCar, qint16(45));
    QCOMPARE(recs[0].poule, qint16(2));
    QCOMPARE(recs[1].nummer, 1);
}

void TestRoundsCore::listRows()
{
    ToernooiRec t = defaultSettings(QStringLiteral("T"));
    std::vector<SpelerRec> s;
    auto add = [&](qint32 nr, const char* naam, qint16 ronde, qint16 poule, double moy, double aang = 0,
                   qint16 aangCar = 0) {
        SpelerRec r;
        r.nummer = nr;
        r.naam = QString::fromUtf8(naam);
        r.voorletters = QStringLiteral("X.");
        r.ronde = ronde;
        r.poule = poule;
        r.moyenne = fx(moy);
        r.teMakenCar = 30;
        r.aangepasteMoyenne = fx(aang);
        r.aangepastTeMakenCar = aangCar;
        s.push_back(r);
    };
    add(12, "visser", 1, 1, 1.2345, 1.5678, 36);
    add(3, "Bakker", 1, 1, 1.2345);
    add(7, "Daniëls", 1, 1, 2.0);
    add(8, "Anders", 1, 2, 2.0);
    add(7, "Daniëls", 2, 1, 2.0);   // carried: gone from the left list
    add(9, "Eerst", 2, 1, 1.2399);

    auto l1 = carryOverListRows(s, 1, 1, 2, 1, t);
    QCOMPARE(int(l1.size()), 2);
    QCOMPARE(l1[0].naam, QStringLiteral("Bakker"));
    QCOMPARE(l1[0].nr, QStringLiteral("00003"));
    QCOMPARE(l1[0].moy, QStringLiteral("1.23"));
    QCOMPARE(l1[1].naam, QStringLiteral("visser"));   // case does not count in the order
    QCOMPARE(l1[1].car, QStringLiteral("36"));
    QCOMPARE(l1[1].moy, QStringLiteral("1.56"));

    // a later previous round shows the stored moyenne untouched
    for (auto& r : s)
        r.ronde = qint16(r.ronde + 1);
    l1 = carryOverListRows(s, 1, 2, 3, 1, t);
    QCOMPARE(l1[0].moy, QStringLiteral("1.2345"));
    QCOMPARE(l1[1].car, QStringLiteral("30"));
    QCOMPARE(l1[1].moy, QStringLiteral("1.2345"));

    t.aantalDecimalen = 3;
    const auto l2 = carryOverListRows(s, 2, 2, 3, 1, t);
    QCOMPARE(int(l2.size()), 2);
    QCOMPARE(l2[0].naam, QStringLiteral("Daniëls"));
    QCOMPARE(l2[1].moy, QStringLiteral("1.239"));
}

void TestRoundsCore::plan_data()
{
    QTest::addColumn<bool>("kiesAantal");
    QTest::addColumn<QString>("aantal");
    QTest::addColumn<QString>("vinkjes");   // "110": 2nd and 3rd ticked
    QTest::addColumn<bool>("vast");
    QTest::addColumn<QString>("poules");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("melding");   // empty when accepted
    QTest::addColumn<int>("veld");
    QTest::addColumn<int>("N");
    QTest::addColumn<int>("P");
    QTest::addColumn<int>("S");
    QTest::addColumn<int>("hoogste");
    // previous round: R = 3 poules of 4, 4 and 3 players, T = 11
    const QString minR = QStringLiteral(
        "Omdat bij deze keuze in ieder geval alle poulewinnaars doorgekoppeld worden,\r\n"
        "moet u een aantal spelers invoeren dat minimaal gelijk is aan het aantal poules uit de vorige ronde (nl.  3 )");
    const QString maxT = QStringLiteral("Dit aantal is meer dan er spelers hebben gespeeld in de vorige ronde!\r\n"
                                        "(dat zijn er namelijk  11 )");
    const QString teVeel = QStringLiteral("Met dit aantal poules kunnen niet alle poules met minimaal 2 spelers gevuld "
                                          "worden !\r\nVerlaag het aantal poules !");
    const QString geenPoules = QStringLiteral("U moet bij deze keuze een aantal poules opgeven !");
    const QString min2 = QStringLiteral("U moet minimaal een aantal van 2 spelers per poule opgeven !");
    QTest::newRow("empty number") << true << "" << "000" << true << "1" << "" << "U moet bij deze keuze een aantal spelers invoeren !" << 1 << 0 << 0 << 0 << 0;
    QTest::newRow("below R") << true << "2" << "000" << true << "1" << "" << minR << 1 << 0 << 0 << 0 << 0;
    QTest::newRow("above T") << true << "12" << "000" << true << "1" << "" << maxT << 1 << 0 << 0 << 0 << 0;
    QTest::newRow("R accepted") << true << "3" << "000" << true << "1" << "" << "" << 0 << 3 << 1 << 3 << 0;
    QTest::newRow("T accepted") << true << "11" << "000" << true << "2" << "" << "" << 0 << 11 << 2 << 6 << 0;
    QTest::newRow("skip 2nd") << false << "" << "010" << true << "1" << "" << "U kunt bij deze keuze geen selectie overslaan !" << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("skip 3rd") << false << "" << "101" << true << "1" << "" << "U kunt bij deze keuze geen selectie overslaan !" << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("winners only") << false << "" << "000" << true << "1" << "" << "" << 0 << 3 << 1 << 3 << 1;
    QTest::newRow("all ticked 4-4-3") << false << "" << "111" << true << "2" << "" << "" << 0 << 11 << 2 << 6 << 4;
    QTest::newRow("2nd and 3rd") << false << "" << "110" << false << "" << "4" << "" << 0 << 9 << 3 << 3 << 3;
    QTest::newRow("7 in 4 poules") << true << "7" << "000" << true << "4" << "" << teVeel << 2 << 0 << 0 << 0 << 0;
    QTest::newRow("7 in 3 poules") << true << "7" << "000" << true << "3" << "" << "" << 0 << 7 << 3 << 3 << 0;
    QTest::newRow("no poules") << true << "7" << "000" << true << "" << "" << geenPoules << 2 << 0 << 0 << 0 << 0;
    QTest::newRow("zero poules") << true << "7" << "000" << true << "0" << "" << geenPoules << 2 << 0 << 0 << 0 << 0;
    QTest::newRow("letters count 0") << true << "7" << "000" << true << "abc" << "" << geenPoules << 2 << 0 << 0 << 0 << 0;
    QTest::newRow("fraction to no poule") << true << "7" << "000" << true << "0.4" << "" << geenPoules << 2 << 0 << 0 << 0 << 0;
    QTest::newRow("leading digits") << true << "7" << "000" << true << "3 poules" << "" << "" << 0 << 7 << 3 << 3 << 0;
    QTest::newRow("max 4 N 9") << true << "9" << "000" << false << "" << "4" << "" << 0 << 9 << 3 << 3 << 0;
    QTest::newRow("max 4 N 10") << true << "10" << "000" << false << "" << "4" << "" << 0 << 10 << 3 << 4 << 0;
    QTest::newRow("max empty") << true << "10" << "000" << false << "" << "" << min2 << 3 << 0 << 0 << 0 << 0;
    QTest::newRow("max 1") << true << "10" << "000" << false << "" << "1" << min2 << 3 << 0 << 0 << 0 << 0;
    QTest::newRow("max 2") << true << "10" << "000" << false << "" << "2" << "" << 0 << 10 << 5 << 2 << 0;
}

void TestRoundsCore::plan()
{
    QFETCH(bool, kiesAantal);
    QFETCH(QString, aantal);
    QFETCH(QString, vinkjes);
    QFETCH(bool, vast);
    QFETCH(QString, poules);
    QFETCH(QString, max);
    QFETCH(QString, melding);
    QFETCH(int, veld);
    AutoKeuze k;
    k.kiesAantal = kiesAantal;
    k.aantalSpelers = aantal;
    for (int i = 0; i < 3; ++i)
        k.ookPlaats[size_t(i)] = vinkjes[i] == QLatin1Char('1');
    k.vastAantalPoules = vast;
    k.aantalPoules = poules;
    k.maxPerPoule = max;
    const AutoPlan p = planAutoCarryOver(k, 3, 11, {4, 4, 3});
    QCOMPARE(p.ok, melding.isEmpty());
    QCOMPARE(p.melding, melding);
    QCOMPARE(int(p.veld), veld);
    if (p.ok) {
        QTEST(p.N, "N");
        QTEST(p.P, "P");
        QTEST(p.S, "S");
        QTEST(p.hoogstePlaats, "hoogste");
    }
}

void TestRoundsCore::capacities_data()
{
    QTest::addColumn<int>("N");
    QTest::addColumn<int>("P");
    QTest::addColumn<int>("S");
    QTest::addColumn<QList<int>>("cap");
    QTest::newRow("7/3") << 7 << 3 << 3 << QList<int>{3, 2, 2};
    QTest::newRow("9/3") << 9 << 3 << 3 << QList<int>{3, 3, 3};
    QTest::newRow("10/3") << 10 << 3 << 4 << QList<int>{4, 3, 3};
    QTest::newRow("11/4") << 11 << 4 << 3 << QList<int>{3, 3, 3, 2};
}

void TestRoundsCore::capacities()
{
    QFETCH(int, N);
    QFETCH(int, P);
    QFETCH(int, S);
    QFETCH(QList<int>, cap);
    const auto c = pouleCapacities(N, P, S);
    QCOMPARE(QList<int>(c.begin(), c.end()), cap);
}

void TestRoundsCore::strictlyBetter_data()
{
    QTest::addColumn<bool>("mp");
    QTest::addColumn<bool>("standMoy");
    QTest::addColumn<bool>("standSerie");
    QTest::addColumn<bool>("procentCar");
    QTest::addColumn<QList<double>>("a");   // mp, moy, serie, %car, %moy
    QTest::addColumn<QList<double>>("b");
    QTest::addColumn<int>("verwacht");      // 1 a better, -1 b better, 0 tie
    const QList<double> base{5, 1.5, 6, 80, 90};
    QTest::newRow("mp decides") << true << true << true << true << QList<double>{6, 1, 1, 1, 1} << base << 1;
    QTest::newRow("tie mp, moyenne used") << true << true << true << true << QList<double>{5, 1.6, 1, 1, 1} << base << 1;
    QTest::newRow("tie mp, moyenne not used, serie") << true << false << true << true << QList<double>{5, 1.6, 5, 99, 99} << base << -1;
    QTest::newRow("then %car") << true << false << false << true << QList<double>{5, 9, 9, 81, 1} << base << 1;
    QTest::newRow("then %moy") << true << false << false << false << QList<double>{5, 9, 9, 99, 89} << base << -1;
    QTest::newRow("full tie") << true << true << true << true << base << base << 0;
    QTest::newRow("moyenne criterion ignores mp") << false << false << false << true << QList<double>{1, 1.5001, 0, 0, 0} << base << 1;
    QTest::newRow("moyenne criterion then serie") << false << false << true << true << QList<double>{9, 1.5, 7, 0, 0} << base << 1;
    QTest::newRow("moyenne criterion, no serie") << false << false << false << false << QList<double>{9, 1.5, 7, 80, 90} << base << 0;
}

void TestRoundsCore::strictlyBetter()
{
    QFETCH(bool, mp);
    QFETCH(bool, standMoy);
    QFETCH(bool, standSerie);
    QFETCH(bool, procentCar);
    QFETCH(QList<double>, a);
    QFETCH(QList<double>, b);
    QFETCH(int, verwacht);
    ToernooiRec t;
    t.standMoyenne = jaNee(standMoy);
    t.standSerie = jaNee(standSerie);
    t.standProcentCar = jaNee(procentCar);
    auto k = [](const QList<double>& v) {
        Kandidaat c;
        c.matchpunten = fx(v[0]);
        c.moyenne = fx(v[1]);
        c.serie = fx(v[2]);
        c.procentCar = fx(v[3]);
        c.procentMoy = fx(v[4]);
        return c;
    };
    const bool ab = core::strictlyBetter(k(a), k(b), mp, t);
    const bool ba = core::strictlyBetter(k(b), k(a), mp, t);
    QCOMPARE(int(ab) - int(ba), verwacht);
}

void TestRoundsCore::selectionRanksPartPlace()
{
    ToernooiRec t = defaultSettings(QStringLiteral("T"));
    // three poules of five; the numbers 4 differ in moyenne and match points
    std::vector<Standings> normaal{
        stand({{11, 0, 0, 0, 0, 0}, {12, 0, 0, 0, 0, 0}, {13, 0, 0, 0, 0, 0}, {14, 2, 1.1, 0, 0, 0}, {15, 0, 0, 0, 0, 0}}),
        stand({{21, 0, 0, 0, 0, 0}, {22, 0, 0, 0, 0, 0}, {23, 0, 0, 0, 0, 0}, {24, 1, 1.9, 0, 0, 0}, {25, 0, 0, 0, 0, 0}}),
        stand({{31, 0, 0, 0, 0, 0}, {32, 0, 0, 0, 0, 0}, {33, 0, 0, 0, 0, 0}, {34, 4, 1.2, 0, 0, 0}, {35, 0, 0, 0, 0, 0}}),
    };
    const std::vector<qint32> first9{11, 21, 31, 12, 22, 32, 13, 23, 33};
    auto sel = selectByPlace(normaal, normaal, 10, 0, false, t);
    QCOMPARE(int(sel.size()), 10);
    QCOMPARE(std::vector<qint32>(sel.begin(), sel.begin() + 9), first9);
    QCOMPARE(sel[9], 24);   // highest moyenne of the numbers 4
    sel = selectByPlace(normaal, normaal, 10, 0, true, t);
    QCOMPARE(sel[9], 34);   // most match points
    sel = selectByPlace(normaal, normaal, 11, 0, true, t);
    QCOMPARE(sel[9], 34);
    QCOMPARE(sel[10], 14);
    // N = R: winners only, in poule order
    QCOMPARE(selectByPlace(normaal, normaal, 3, 0, true, t), (std::vector<qint32>{11, 21, 31}));
}

void TestRoundsCore::selectionMatchPointsSkipsListed()
{
    ToernooiRec t = defaultSettings(QStringLiteral("T"));
    // Normal order of poule 1: 11, 12, 13; by match points 13 comes first and
    // 11 second. N = 5 with R = 2: places 1 and 2 whole (11, 21, 12, 22),
    // place 3 ranked on match points: the MP number 3 of poule 1 is 12, who is
    // listed already, so poule 1 offers nobody new at this place; poule 2's
    // MP number 3 (23) is the one taken.
    std::vector<Standings> normaal{simplePoule(10, 3), simplePoule(20, 3)};
    std::vector<Standings> mp{stand({{13, 9, 0, 0, 0, 0}, {11, 8, 0, 0, 0, 0}, {12, 9, 9, 9, 9, 9}}),
                              stand({{21, 9, 0, 0, 0, 0}, {22, 8, 0, 0, 0, 0}, {23, 1, 0, 0, 0, 0}})};
    auto sel = selectByPlace(normaal, mp, 5, 0, true, t);
    QCOMPARE(sel, (std::vector<qint32>{11, 21, 12, 22, 23}));
    // the same with N = 6: both places of the MP number 3 considered, 12 never twice
    sel = selectByPlace(normaal, mp, 6, 0, true, t);
    QCOMPARE(int(std::set<qint32>(sel.begin(), sel.end()).size()), int(sel.size()));
    // an excluded player (already in the new round) is passed over too
    sel = selectByPlace(normaal, normaal, 2, 0, true, t, {21});
    QCOMPARE(sel, (std::vector<qint32>{11}));
}

void TestRoundsCore::selectionShortPoule()
{
    ToernooiRec t = defaultSettings(QStringLiteral("T"));
    // R = 3, N = 7: places 1 and 2 whole, but poule 3 has one player only
    std::vector<Standings> normaal{simplePoule(10, 4), simplePoule(20, 4), simplePoule(30, 1)};
    const auto sel = selectByPlace(normaal, normaal, 7, 0, false, t);
    QCOMPARE(sel, (std::vector<qint32>{11, 21, 31, 12, 22, 13}));
}

void TestRoundsCore::buildSpreadsOverCapacities()
{
    ToernooiRec t = defaultSettings(QStringLiteral("T"));
    t.aanpassenPerRonde = Ja;
    t.perRondeMinimum = fx(0.5);
    std::vector<SpelerRec> s;
    std::vector<Standings> normaal;
    for (int p = 1; p <= 3; ++p) {
        for (int i = 1; i <= 4; ++i) {
            SpelerRec r;
            r.nummer = p * 10 + i;
            r.naam = QStringLiteral("Naam%1   ").arg(r.nummer);
            r.voorletters = QStringLiteral("V.");
            r.ronde = 1;
            r.poule = qint16(p);
            r.moyenne = fx(1.0);
            r.teMakenCar = 25;
            s.push_back(r);
        }
        normaal.push_back(simplePoule(p * 10, 4));
    }
    std::vector<UitslagRec> u{game(1, 1, 11, 30, 25, 12, 10, 25)};
    AutoKeuze k;
    k.aantalSpelers = QStringLiteral("10");
    k.vastAantalPoules = false;
    k.maxPerPoule = QStringLiteral("4");
    const AutoPlan plan = planAutoCarryOver(k, 3, 12, {4, 4, 4});
    RandomGenerator rng;
    const AutoResultaat r = buildAutoCarryOver(plan, true, false, 4, normaal, normaal, s, u, t, 1, 2, rng);
    QCOMPARE(int(r.rijen.size()), 10);
    QCOMPARE(r.N, 10);
    QCOMPARE(r.P, 3);
    QCOMPARE(r.S, 4);
    QCOMPARE(r.rijen[0].nr, QStringLiteral("00011"));
    QCOMPARE(r.rijen[0].naam, QStringLiteral("Naam11"));
    QCOMPARE(r.rijen[0].moy, QStringLiteral("1.20"));     // 30 / 25 made in round 1
    QCOMPARE(r.rijen[0].car, QStringLiteral("29"));
    QCOMPARE(r.rijen[1].moy, QStringLiteral("0.50"));     // no games: the minimum
    QCOMPARE(r.rijen[1].car, QStringLiteral("15"));

    // a short poule: fewer listed, spread over those listed
    normaal[2] = simplePoule(30, 1);
    k.aantalSpelers = QStringLiteral("9");
    const AutoPlan plan9 = planAutoCarryOver(k, 3, 12, {4, 4, 1});
    QCOMPARE(plan9.N, 9);
    RandomGenerator rng3;
    const AutoResultaat r3 = buildAutoCarryOver(plan9, true, false, 4, normaal, normaal, s, u, t, 1, 2, rng3);
    QCOMPARE(r3.N, 7);
    QCOMPARE(int(r3.rijen.size()), 7);
    QCOMPARE(r3.P, 2);
    QCOMPARE(r3.S, 4);
    QCOMPARE(r3.capaciteiten, (std::vector<int>{4, 3}));
}

void TestRoundsCore::randomFromFixedStart()
{
    // The program's generator from its fixed start state: the same draws, and
    // so the same poules, as every earlier run of the program.
    RandomGenerator g;
    QCOMPARE(float(g.next()), 0.7055475f);
    QCOMPARE(float(g.next()), 0.5334240f);
    QCOMPARE(float(g.next()), 0.5795186f);
    // seven players over capacities 3, 2, 2: Int(3 u + 1), redrawn while full
    RandomGenerator c;
    std::vector<std::array<int, 2>> v{{3, 0}, {2, 0}, {2, 0}};
    std::vector<int> seen;
    for (int i = 0; i < 7; ++i)
        seen.push_back(pickRandomPoule(v, c));
    QCOMPARE(seen, (std::vector<int>{3, 2, 2, 1, 1, 3, 1}));
    QCOMPARE(pickRandomPoule(v, c), 0);   // no room left anywhere
}

QTEST_GUILESS_MAIN(TestRoundsCore)
#include "test_rounds_core.moc"

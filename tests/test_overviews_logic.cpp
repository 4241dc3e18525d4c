// Cross table and player overview rules without windows.
#include "core/crosstable.h"
#include "core/playeroverview.h"
#include "core/oledate.h"
#include "core/tournamentbuilder.h"
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace core;

namespace {

SpelerRec speler(qint32 nr, const QString& naam, const QString& vl, int ronde, int poule, qint16 car = 30)
{
    SpelerRec s;
    s.nummer = nr;
    s.naam = naam;
    s.voorletters = vl;
    s.ronde = qint16(ronde);
    s.poule = qint16(poule);
    s.teMakenCar = car;
    return s;
}

UitslagRec game(int ronde, int poule, qint32 a, int codeA, int ptA, qint32 b, int codeB, int ptB)
{
    UitslagRec u;
    u.ronde = qint16(ronde);
    u.poule = qint16(poule);
    u.speler1.nummer = a;
    u.speler1.uitslagCode = qint16(codeA);
    u.speler1.punten = qint16(ptA);
    u.speler2.nummer = b;
    u.speler2.uitslagCode = qint16(codeB);
    u.speler2.punten = qint16(ptB);
    return u;
}

QStringList texts(const std::vector<MatrixEntry>& e)
{
    QStringList out;
    for (const MatrixEntry& x : e)
        out << x.text;
    return out;
}

// Row kinds as letters: G game, S subtotal, - separator, T total.
QString shape(const std::vector<OverviewRow>& rows)
{
    QString s;
    for (const OverviewRow& r : rows)
        s += r.kind == OverviewRow::Game ? 'G' : r.kind == OverviewRow::Subtotal ? 'S' : r.kind == OverviewRow::Separator ? '-' : 'T';
    return s;
}

} // namespace

class TestOverviewsLogic : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void entriesSortedLikeAListBox();
    void targetUsesAdjustedOnlyInRoundOne();
    void cellsLastRecordWinsBothWays();
    void cellsPointsAndOutsiders();
    void geometry_data();
    void geometry();
    void sheets_data();
    void sheets();
    void sheetTexts();
    void stillToPlayPairs();
    void overviewOneRound();
    void overviewSeveralRounds();
    void overviewNoGamesSeveralRounds();
    void overviewTruncation_data();
    void overviewTruncation();
    void overviewExactTotalMoyenne();
    void playerListSorting();
    void decimalDigits_data();
    void decimalDigits();
};

void TestOverviewsLogic::entriesSortedLikeAListBox()
{
    std::vector<SpelerRec> sp = {speler(1, "Visser              ", "W.     ", 1, 1),
                                 speler(2, "de Vries", "J.H.", 1, 1),
                                 speler(3, "Bakker", "", 1, 1),
                                 speler(4, "Dekker", "A.", 1, 1),
                                 speler(5, "Aalders", "Z.", 1, 2),   // other poule
                                 speler(6, "Abel", "Z.", 2, 1),      // other round
                                 speler(7, "bakker", "", 1, 1)};
    const auto e = matrixPlayers(sp, 1, 1);
    // Case-insensitive: "de Vries" between Dekker and Visser; equal texts keep file order.
    QCOMPARE(texts(e), QStringList({"Bakker, ", "bakker, ", "de Vries, J", "Dekker, A", "Visser, W"}));
    QCOMPARE(e[0].nummer, 3);
    QCOMPARE(e[1].nummer, 7);
    QCOMPARE(matrixIndexOf(e, 1), 4);
    QCOMPARE(matrixIndexOf(e, 5), -1);
}

void TestOverviewsLogic::targetUsesAdjustedOnlyInRoundOne()
{
    std::vector<SpelerRec> sp = {speler(1, "A", "A", 1, 1, 30), speler(1, "A", "A", 2, 1, 40),
                                 speler(2, "B", "B", 1, 1, 25)};
    sp[0].aangepastTeMakenCar = 33;
    sp[1].aangepastTeMakenCar = 44;
    QCOMPARE(matrixTarget(sp, 1, 1), qint16(33));
    QCOMPARE(matrixTarget(sp, 1, 2), qint16(40));
    QCOMPARE(matrixTarget(sp, 2, 1), qint16(25));
    QCOMPARE(matrixTarget(sp, 2, 2), qint16(0));
    QCOMPARE(matrixTarget(sp, 9, 1), qint16(0));
}

void TestOverviewsLogic::cellsLastRecordWinsBothWays()
{
    const std::vector<MatrixEntry> e = {{"A, A", 10}, {"B, B", 20}, {"C, C", 30}};
    // First 10 beat 20; later 20 (stored first) beat 10; 30 drew with 10, stored with 30 first.
    const std::vector<UitslagRec> u = {game(1, 1, 10, 1, 2, 20, 3, 0), game(1, 1, 20, 1, 2, 10, 3, 0),
                                       game(1, 1, 30, 2, 1, 10, 2, 1)};
    const auto c = matrixCells(e, u, 1, 1, false);
    QCOMPARE(c.size(), size_t(9));
    QCOMPARE(c[0 * 3 + 1].code, 3);  // row 10, column 20: the later loss
    QCOMPARE(c[1 * 3 + 0].code, 1);
    QCOMPARE(c[2 * 3 + 0].code, 2);
    QCOMPARE(c[0 * 3 + 2].code, 2);
    QCOMPARE(c[1 * 3 + 2].code, 0);  // not played
    QCOMPARE(c[0 * 3 + 1].text(), QString());  // points off: no text
}

void TestOverviewsLogic::cellsPointsAndOutsiders()
{
    const std::vector<MatrixEntry> e = {{"A, A", 10}, {"B, B", 20}};
    std::vector<UitslagRec> u = {game(1, 1, 10, 3, 3, 20, 1, 12),
                                 game(1, 1, 10, 1, 2, 99, 3, 0),   // outsider: nothing
                                 game(1, 2, 10, 1, 2, 20, 3, 0),   // other poule
                                 game(2, 1, 10, 1, 2, 20, 3, 0)};  // other round
    auto c = matrixCells(e, u, 1, 1, true);
    QCOMPARE(c[1].code, 3);
    QCOMPARE(c[1].text(), QString("3"));   // a loss worth 3 points
    QCOMPARE(c[2].code, 1);
    QCOMPARE(c[2].text(), QString("12"));
    // An unknown result code keeps the colour but still writes the points.
    u.push_back(game(1, 1, 10, 0, 5, 20, 7, 6));
    c = matrixCells(e, u, 1, 1, true);
    QCOMPARE(c[1].code, 3);
    QCOMPARE(c[1].text(), QString("5"));
    QCOMPARE(c[2].text(), QString("6"));
}

void TestOverviewsLogic::geometry_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("vpW");
    QTest::addColumn<int>("vpH");
    QTest::addColumn<int>("vMax");   // -1: no vertical bar
    QTest::addColumn<int>("vLeft");
    QTest::addColumn<int>("hMax");   // -1: no horizontal bar
    QTest::newRow("0") << 0 << 5100 << 5200 << 40 << 40 << -1 << 0 << -1;
    QTest::newRow("7") << 7 << 5100 << 5200 << 2140 << 2140 << -1 << 0 << -1;
    QTest::newRow("8") << 8 << 5400 << 5500 << 2440 << 2440 << -1 << 0 << -1;
    QTest::newRow("20") << 20 << 9000 << 9100 << 6040 << 6040 << -1 << 0 << -1;
    QTest::newRow("21") << 21 << 9255 << 9900 << 6340 << 6040 << 1 << 9020 << -1;
    QTest::newRow("36") << 36 << 9255 << 14400 << 10840 << 6040 << 16 << 13520 << -1;
    QTest::newRow("37") << 37 << 9255 << 14400 << 10840 << 6040 << 17 << 13520 << 1;
}

void TestOverviewsLogic::geometry()
{
    QFETCH(int, n);
    const MatrixGeometry g = matrixGeometry(n);
    QTEST(g.formHeight, "h");
    QTEST(g.formWidth, "w");
    QTEST(g.viewportWidth, "vpW");
    QTEST(g.viewportHeight, "vpH");
    QCOMPARE(g.panelSize, n * 300 + 20);
    QFETCH(int, vMax);
    QCOMPARE(g.vScroll, vMax >= 0);
    if (vMax >= 0) {
        QCOMPARE(g.vMax, vMax);
        QTEST(g.vLeft, "vLeft");
    }
    QFETCH(int, hMax);
    QCOMPARE(g.hScroll, hMax >= 0);
    if (hMax >= 0)
        QCOMPARE(g.hMax, hMax);
}

void TestOverviewsLogic::sheets_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("lastOfSecond");
    QTest::newRow("0") << 0 << 0 << 0;
    QTest::newRow("1") << 1 << 1 << 0;
    QTest::newRow("30") << 30 << 1 << 0;
    QTest::newRow("31") << 31 << 2 << 31;
    QTest::newRow("60") << 60 << 2 << 60;
    QTest::newRow("61") << 61 << 3 << 60;
}

void TestOverviewsLogic::sheets()
{
    QFETCH(int, n);
    QFETCH(int, p);
    QCOMPARE(matrixSheetCount(n), p);
    if (p >= 1) {
        QCOMPARE(matrixSheetRange(1, n).first, 1);
        QCOMPARE(matrixSheetRange(1, n).last, std::min(30, n));
    }
    if (p >= 2) {
        QCOMPARE(matrixSheetRange(2, n).first, 31);
        QTEST(matrixSheetRange(2, n).last, "lastOfSecond");
    }
}

void TestOverviewsLogic::sheetTexts()
{
    QCOMPARE(matrixSheetHeading("Voorjaar    ", 1, 1, 1), QString("Voorjaar"));
    QCOMPARE(matrixSheetHeading("Voorjaar    ", 2, 1, 2), QString("Voorjaar   Blad  1. 2."));
    QCOMPARE(matrixSheetQuestion(2), QString("De matrix wordt uitgeprint op  4 vellen.\r\nWilt u doorgaan ?"));
    QCOMPARE(matrixPointsOffset(9), 175);
    QCOMPARE(matrixPointsOffset(10), 100);
    QCOMPARE(matrixPointsOffset(99), 100);
    QCOMPARE(matrixPointsOffset(100), 25);
    QCOMPARE(stillToPlayTitle(2, 3), QString("Lijstje wie tegen wie in ronde  2 en in poule  3"));
}

void TestOverviewsLogic::stillToPlayPairs()
{
    const std::vector<MatrixEntry> e = {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}};
    const std::vector<UitslagRec> u = {game(1, 1, 2, 1, 2, 1, 3, 0), game(1, 1, 1, 1, 2, 3, 3, 0),
                                       game(1, 2, 1, 1, 2, 4, 3, 0),   // other poule: still open
                                       game(2, 1, 2, 1, 2, 3, 3, 0)};  // other round: still open
    const auto open = stillToPlay(e, &u, 1, 1);
    QCOMPARE(open[0], std::vector<int>({3}));
    QCOMPARE(open[1], std::vector<int>({2, 3}));
    QCOMPARE(open[2], std::vector<int>({1, 3}));
    QCOMPARE(open[3], std::vector<int>({0, 1, 2}));
    const auto all = stillToPlay(e, nullptr, 1, 1);
    QCOMPARE(all[2], std::vector<int>({0, 1, 3}));
}

namespace {

// Player 1 plays round 1 in poule 1 against 2, is in poule 2 of round 2
// without games, and plays round 3 in poule 1 against 4 (stored second).
struct ThreeRounds {
    QTemporaryDir dir;
    TournamentBuilder b{dir.path()};
    ThreeRounds()
    {
        b.addPlayer(1, "Jansen", "P.J.", 1, 1, Fixed::fromDouble(1.5));
        b.addPlayer(2, "Bakker", "K.", 1, 1, Fixed::fromDouble(1.0));
        b.addPlayer(1, "Jansen", "P.J.", 2, 2, Fixed::fromDouble(1.5));
        b.addPlayer(3, "Visser", "W.", 2, 2, Fixed::fromDouble(1.0));
        b.addPlayer(1, "Jansen", "P.J.", 3, 1, Fixed::fromDouble(1.5));
        b.addPlayer(4, "de Wit", "A.", 3, 1, Fixed::fromDouble(1.0));
        b.addGame(1, 1, 1, 30, 20, 7, 2, 25, 20, 4, QDate(2026, 9, 7));
        b.addGame(3, 1, 4, 10, 25, 2, 1, 25, 25, 5, QDate(2026, 11, 2));
        b.addGame(4, 1, 1, 35, 10, 9, 4, 1, 10, 1);  // a later round: never listed
        b.setRound(4, 1);
    }
    std::vector<OverviewRow> run(int ronde, bool alle, int poule = 1, qint32 wie = 1)
    {
        OverviewInput in;
        in.speler = wie;
        in.huidigeRonde = ronde;
        in.alleRonden = alle;
        in.huidigePoule = poule;
        in.aantalDecimalen = b.toernooi.aantalDecimalen;
        in.uitslagen = &b.uitslagen;
        in.fullName = [this](qint32 nr) {
            for (const SpelerRec& s : b.spelers)
                if (s.nummer == nr)
                    return s.naam + ", " + s.voorletters;
            return QString();
        };
        in.standings = [this](int p, int r) {
            ++standingsCalls;
            calls << QString("%1/%2").arg(p).arg(r);
            return computeStandings(b.spelers, b.uitslagen, b.toernooi, p, r, false);
        };
        return buildPlayerOverview(in);
    }
    int standingsCalls = 0;
    QStringList calls;
};

} // namespace

void TestOverviewsLogic::overviewOneRound()
{
    ThreeRounds t;
    t.b.toernooi.aantalDecimalen = 2;
    const auto rows = t.run(3, false);
    QCOMPARE(shape(rows), QString("GT"));
    const OverviewRow& g = rows[0];
    QCOMPARE(g.text, QString(" 3"));
    QCOMPARE(g.sub.size(), 15);
    // He is the second side: his own figures first, the first side's as opponent.
    QCOMPARE(g.sub[0], QString("1"));
    QCOMPARE(g.sub[1], QString("02-11-2026"));
    QCOMPARE(g.sub[3], QString(" 25"));
    QCOMPARE(g.sub[4], QString(" 25"));
    QCOMPARE(g.sub[5], QString("1.00"));
    QCOMPARE(g.sub[6], QString(" 5"));
    QCOMPARE(g.sub[9], QString("de Wit, A."));
    QCOMPARE(g.sub[11], QString(" 10"));
    QCOMPARE(g.sub[12], QString(" 25"));
    QCOMPARE(g.sub[13], QString("0.40"));
    QCOMPARE(g.sub[14], QString(" 2"));
    const OverviewRow& tot = rows[1];
    QCOMPARE(tot.text, QString(" "));
    QCOMPARE(tot.sub[0], QString(" "));
    QCOMPARE(tot.sub[1], QString("Totaal"));
    QCOMPARE(tot.sub[2], g.sub[2]);          // the one game's points
    QCOMPARE(tot.sub[3], QString(" 25"));
    QCOMPARE(tot.sub[4], QString(" 25"));
    QCOMPARE(tot.sub[5], QString("1.00"));
    QCOMPARE(tot.sub[6], QString(" 5"));
    QCOMPARE(tot.sub[7], g.sub[7]);          // % car of the standings
    QVERIFY(tot.sub[7] != " ");
    for (int i = 9; i < 15; ++i)
        QCOMPARE(tot.sub[i], QString(" "));
    QCOMPARE(t.calls, QStringList({"1/3"}));

    // The window's poule decides: in poule 2 he has no row, so no total.
    QCOMPARE(shape(t.run(3, false, 2)), QString("G"));
    // "Incl. voorgaande ronden" in round 1 is the one-round form.
    QCOMPARE(shape(t.run(1, true)), QString("GT"));
}

void TestOverviewsLogic::overviewSeveralRounds()
{
    ThreeRounds t;
    t.b.toernooi.aantalDecimalen = 3;
    const auto rows = t.run(3, true);
    QCOMPARE(shape(rows), QString("GS-GS-T"));
    // Round 2 looks in the poule of his last game (1) and finds no row there.
    QCOMPARE(t.calls, QStringList({"1/1", "1/2", "1/3"}));
    QCOMPARE(rows[0].text, QString(" 1"));
    QCOMPARE(rows[1].text, QString());
    QCOMPARE(rows[1].sub[0], QString());
    QCOMPARE(rows[1].sub[1], QString("Subtotaal"));
    QCOMPARE(rows[1].sub[3], QString(" 30"));
    QCOMPARE(rows[1].sub[5], QString("1.500"));
    QCOMPARE(rows[1].sub[6], QString(" 7"));
    QCOMPARE(rows[2].text, QString(" "));
    QCOMPARE(rows[2].sub, QStringList(QVector<QString>(15, " ").toList()));
    QCOMPARE(rows[4].text, QString(" "));     // subtotal of the last round: blanks
    QCOMPARE(rows[4].sub[0], QString(" "));
    const OverviewRow& tot = rows[6];
    QCOMPARE(tot.text, QString());
    QCOMPARE(tot.sub[0], QString());
    QCOMPARE(tot.sub[1], QString("Totaal"));
    const int punten = rows[1].sub[2].trimmed().toInt() + rows[4].sub[2].trimmed().toInt();
    QCOMPARE(tot.sub[2], QString(" %1").arg(punten));
    QCOMPARE(tot.sub[3], QString(" 55"));
    QCOMPARE(tot.sub[4], QString(" 45"));
    QCOMPARE(tot.sub[5], QString("1.222"));   // 55 / 45 truncated
    QCOMPARE(tot.sub[6], QString(" 7"));      // the higher of 7 and 5
    QCOMPARE(tot.sub[7], QString(" "));
    QCOMPARE(tot.sub[8], QString(" "));
    // Round 4 exists but lies after the working round.
    for (const OverviewRow& r : rows)
        QVERIFY(r.text != " 4");
}

void TestOverviewsLogic::overviewNoGamesSeveralRounds()
{
    ThreeRounds t;
    t.b.addPlayer(5, "Smit", "G.", 2, 2, Fixed::fromDouble(1.0));
    const auto rows = t.run(3, true, 1, 5);
    QCOMPARE(shape(rows), QString("T"));
    QCOMPARE(rows[0].sub[2], QString(" 0"));
    QCOMPARE(rows[0].sub[4], QString(" 0"));
    QCOMPARE(rows[0].sub[5], QString("n.v.t."));
    QCOMPARE(rows[0].sub[6], QString(" 0"));
}

void TestOverviewsLogic::overviewTruncation_data()
{
    QTest::addColumn<int>("decimalen");
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("shown");
    QTest::newRow("3 dec 1.2349") << 3 << qint64(12349) << "1.234";
    QTest::newRow("2 dec 1.2349") << 2 << qint64(12349) << "1.23";
    QTest::newRow("2 dec 0.999") << 2 << qint64(9990) << "0.99";
    QTest::newRow("0 means 3") << 0 << qint64(9999) << "0.999";
}

void TestOverviewsLogic::overviewTruncation()
{
    QFETCH(int, decimalen);
    QFETCH(qint64, raw);
    UitslagRec u = game(1, 1, 1, 1, 2, 2, 3, 0);
    u.speler1.moyenne = Fixed::fromRaw(raw);
    u.speler1.procentCar = Fixed::fromRaw(raw * 100);
    u.speler2.moyenne = Fixed::fromRaw(raw);
    const std::vector<UitslagRec> us = {u};
    OverviewInput in;
    in.speler = 1;
    in.huidigeRonde = 1;
    in.aantalDecimalen = decimalen;
    in.uitslagen = &us;
    const auto rows = buildPlayerOverview(in);
    QCOMPARE(rows.size(), size_t(1));
    QTEST(rows[0].sub[5], "shown");
    QTEST(rows[0].sub[13], "shown");
    QFETCH(QString, shown);
    QCOMPARE(rows[0].sub[7].section('.', 1).size(), shown.section('.', 1).size());
}

void TestOverviewsLogic::overviewExactTotalMoyenne()
{
    // 29 / 100 is 0.29 exactly; a floating-point product would show 0.28.
    QCOMPARE(overviewMoyenneText(29, 100, 2), QString("0.29"));
    QCOMPARE(overviewMoyenneText(58, 100, 2), QString("0.58"));
    QCOMPARE(overviewMoyenneText(2, 3, 3), QString("0.666"));
    QCOMPARE(overviewMoyenneText(1001, 1000, 2), QString("1.00"));
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QCOMPARE(overviewMoyenneText(55, 45, 3), QString("1,222"));
}

void TestOverviewsLogic::playerListSorting()
{
    std::vector<SpelerRec> sp = {speler(103, "Aalders ", "B.", 1, 1), speler(12, "Zwart", "C.", 1, 1),
                                 speler(7, "de Boer", "A.", 1, 1), speler(8, "X", "Y", 2, 1)};
    auto list = overviewPlayers(sp, 1, 1);
    QCOMPARE(list.size(), size_t(3));
    QCOMPARE(list[0].nr, QString("00103"));
    QCOMPARE(list[0].naam, QString("Aalders"));
    sortOverviewPlayers(list, 1);
    QCOMPARE(list[0].naam + list[1].naam + list[2].naam, QString("Aaldersde BoerZwart"));
    sortOverviewPlayers(list, 0);
    QCOMPARE(list[0].nr + list[1].nr + list[2].nr, QString("000070001200103"));
    sortOverviewPlayers(list, 2);   // "VL" does nothing
    QCOMPARE(list[0].nr, QString("00007"));
}

void TestOverviewsLogic::decimalDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digits");
    QTest::newRow("1.234") << "1.234" << 1;
    QTest::newRow("12.34") << "12.34" << 2;
    QTest::newRow("100.00") << "100.00" << 3;
    QTest::newRow("comma") << "12,5" << 2;
    QTest::newRow("signed") << " 25" << 2;
    QTest::newRow("n.v.t.") << "n.v.t." << 1;
}

void TestOverviewsLogic::decimalDigits()
{
    QFETCH(QString, text);
    QTEST(decimalTextDigits(text), "digits");
}

QTEST_GUILESS_MAIN(TestOverviewsLogic)
#include "test_overviews_logic.moc"

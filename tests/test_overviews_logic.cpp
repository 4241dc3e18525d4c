// Cross table and player overview rules without windows.
#include "core/crosstable.h"
#include "core/playeroverview.h"
#include "core/tournamentbuilder.h"
#include <QLocale>
#include <QTest>

using namespace core;

namespace {

const Fixed One = Fixed::fromInt(1);

// Player a (stored first) against b, with their result codes and points.
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

// Row kinds as letters (G game, S subtotal, - separator, T total), or one row's text and sub-items.
QString shape(const std::vector<OverviewRow>& rows)
{
    QString s;
    for (const OverviewRow& r : rows)
        s += QString("GS-T").at(int(r.kind));
    return s;
}
QString line(const OverviewRow& r) { return (QStringList{r.text} + r.sub).join('|'); }

// Player 1 plays round 1 in poule 1 against 2, is in poule 2 of round 2
// without games, and plays round 3 in poule 1 against 4 (stored second).
struct ThreeRounds {
    TournamentBuilder b{QString()};
    QStringList calls;
    ThreeRounds()
    {
        for (int r : {1, 2, 3})
            b.addPlayer(1, "Jansen", "P.J.", qint16(r), qint16(r == 2 ? 2 : 1), Fixed::fromDouble(1.5));
        b.addPlayer(2, "Bakker", "K.", 1, 1, One);
        b.addPlayer(3, "Visser", "W.", 2, 2, One);
        b.addPlayer(4, "de Wit", "A.", 3, 1, One);
        b.addPlayer(5, "Smit", "G.", 2, 2, One);   // never plays
        b.addGame(1, 1, 1, 35, 19, 7, 2, 20, 19, 4, QDate(2026, 9, 7));
        b.addGame(3, 1, 4, 10, 25, 2, 1, 25, 25, 5, QDate(2026, 11, 2));
        b.addGame(4, 1, 1, 35, 10, 9, 4, 1, 10, 1);   // a later round: never listed
        b.setRound(4, 1);
    }
    std::vector<OverviewRow> run(int ronde, bool alle, int decimalen, int poule = 1, qint32 wie = 1)
    {
        calls.clear();
        return buildPlayerOverview({.speler = wie, .huidigeRonde = ronde, .alleRonden = alle, .huidigePoule = poule,
                                    .aantalDecimalen = decimalen, .uitslagen = &b.uitslagen,
                                    .fullName = [](qint32 nr) { return QString("Speler %1").arg(nr); },
                                    .standings = [this](int p, int r) {
                                        calls << QString("%1/%2").arg(p).arg(r);
                                        return computeStandings(b.spelers, b.uitslagen, b.toernooi, p, r, false);
                                    }});
    }
};

} // namespace

class TestOverviewsLogic : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void entriesSortedLikeAListBox()
    {
        TournamentBuilder b{QString()};
        const QList<QPair<QString, QString>> names = {
            {"Visser              ", "W.     "}, {"de Vries", "J.H."}, {"Bakker", ""}, {"Dekker", "A."},
            {"Aalders", "Z."}, {"Abel", "Z."}, {"bakker", ""}, {"Heeren", "B."}, {"H\u00e9bert", "A."}};
        for (int k = 1; k <= names.size(); ++k)   // Aalders in another poule, Abel in another round
            b.addPlayer(k, names[k - 1].first, names[k - 1].second, k == 6 ? 2 : 1, k == 5 ? 2 : 1, One);
        // Case-insensitive, accents with their base letter; equal texts keep file order.
        QStringList texts;
        for (const MatrixEntry& x : matrixPlayers(b.spelers, 1, 1))
            texts << QString("%1=%2").arg(x.text).arg(x.nummer);
        QCOMPARE(texts, QStringList({"Bakker, =3", "bakker, =7", "de Vries, J=2", "Dekker, A=4", "H\u00e9bert, A=9",
                                     "Heeren, B=8", "Visser, W=1"}));
    }

    void targetUsesAdjustedOnlyInRoundOne()
    {
        TournamentBuilder b{QString()};
        b.addPlayer(1, "A", "A", 1, 1, One, 30).aangepastTeMakenCar = 33;
        b.addPlayer(1, "A", "A", 2, 1, One, 40).aangepastTeMakenCar = 44;
        b.addPlayer(2, "B", "B", 1, 1, One, 25);
        QCOMPARE(QList<qint16>({matrixTarget(b.spelers, 1, 1), matrixTarget(b.spelers, 1, 2),
                                matrixTarget(b.spelers, 2, 1), matrixTarget(b.spelers, 2, 2)}),
                 QList<qint16>({33, 40, 25, 0}));
    }

    void cells()
    {
        const std::vector<MatrixEntry> e = {{"A, A", 10}, {"B, B", 20}, {"C, C", 30}};
        // 10 beat 20, then 20 (stored first) beat 10 with 3 points for the loss; 30 drew with 10.
        std::vector<UitslagRec> u = {game(1, 1, 10, 1, 2, 20, 3, 0), game(1, 1, 20, 1, 12, 10, 3, 3),
                                     game(1, 1, 30, 2, 1, 10, 2, 1),
                                     game(1, 1, 10, 1, 2, 99, 3, 0),   // outsider: nothing
                                     game(1, 2, 20, 1, 2, 30, 3, 0),   // other poule
                                     game(2, 1, 20, 1, 2, 30, 3, 0)};  // other round
        auto codes = [&](bool punten) {
            QStringList out;
            for (const MatrixCell& c : matrixCells(e, u, 1, 1, punten))
                out << QString::number(c.code) + (c.hasPoints ? ":" + c.text() : QString());
            return out.join(' ');
        };
        QCOMPARE(codes(false), QString("0 3 2 1 0 0 2 0 0"));
        QCOMPARE(codes(true), QString("0 3:3 2:1 1:12 0 0 2:1 0 0"));
        // An unknown result code keeps the colour but still writes the points.
        u.push_back(game(1, 1, 10, 0, 5, 20, 7, 6));
        QCOMPARE(codes(true), QString("0 3:5 2:1 1:6 0 0 2:1 0 0"));
    }

    void geometry_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("expected");   // height, width, viewport w/h, vMax, vLeft, hMax (-1: no bar)
        QTest::newRow("7") << 7 << QList<int>{5100, 5200, 2140, 2140, -1, 0, -1};
        QTest::newRow("8") << 8 << QList<int>{5400, 5500, 2440, 2440, -1, 0, -1};
        QTest::newRow("20") << 20 << QList<int>{9000, 9100, 6040, 6040, -1, 0, -1};
        QTest::newRow("21") << 21 << QList<int>{9255, 9900, 6340, 6040, 1, 9020, -1};
        QTest::newRow("36") << 36 << QList<int>{9255, 14400, 10840, 6040, 16, 13520, -1};
        QTest::newRow("37") << 37 << QList<int>{9255, 14400, 10840, 6040, 17, 13520, 1};
    }

    void geometry()
    {
        QFETCH(int, n);
        const MatrixGeometry g = matrixGeometry(n);
        QCOMPARE(g.panelSize, n * 300 + 20);
        QTEST((QList<int>{g.formHeight, g.formWidth, g.viewportWidth, g.viewportHeight, g.vScroll ? g.vMax : -1,
                          g.vScroll ? g.vLeft : 0, g.hScroll ? g.hMax : -1}),
              "expected");
    }

    void sheets()
    {
        QCOMPARE(QList<int>({matrixSheetCount(0), matrixSheetCount(30), matrixSheetCount(31), matrixSheetCount(61)}),
                 QList<int>({0, 1, 2, 3}));
        QCOMPARE(QList<int>({matrixSheetRange(1, 7).last, matrixSheetRange(2, 60).last, matrixSheetRange(3, 61).last}),
                 QList<int>({7, 60, 61}));
        QCOMPARE(matrixPointsOffset(99), 100);   // 9, 10 and 100 are printed by the window's test
    }

    void stillToPlayPairs()
    {
        const std::vector<MatrixEntry> e = {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}};
        const std::vector<UitslagRec> u = {game(1, 1, 2, 1, 2, 1, 3, 0), game(1, 1, 1, 1, 2, 3, 3, 0),
                                           game(1, 2, 1, 1, 2, 4, 3, 0),   // other poule: still open
                                           game(2, 1, 2, 1, 2, 3, 3, 0)};  // other round: still open
        QCOMPARE(stillToPlay(e, &u, 1, 1), std::vector<std::vector<int>>({{3}, {2, 3}, {1, 3}, {0, 1, 2}}));
        QCOMPARE(stillToPlay(e, nullptr, 1, 1)[2], std::vector<int>({0, 1, 3}));
    }

    void overviewOneRound()
    {
        ThreeRounds t;
        const auto rows = t.run(3, false, 2);
        QCOMPARE(shape(rows), QString("GT"));
        // He is the second side: his own figures first, the first side's as opponent.
        QCOMPARE(line(rows[0]),
                 QString(" 3|1|02-11-2026| 2| 25| 25|1.00| 5|71.42|66.66|Speler 4| 0| 10| 25|0.40| 2"));
        // The standings row of the window's poule, its percentages filled.
        QCOMPARE(line(rows[1]), QString(" | |Totaal| 2| 25| 25|1.00| 5|71.42|66.66| | | | | | "));
        QCOMPARE(t.calls, QStringList({"1/3"}));
        // The window's poule decides: in poule 2 he has no row, so no total.
        QCOMPARE(shape(t.run(3, false, 2, 2)), QString("G"));
        // "Incl. voorgaande ronden" in round 1 is the one-round form.
        QCOMPARE(shape(t.run(1, true, 2)), QString("GT"));
    }

    void overviewSeveralRounds()
    {
        ThreeRounds t;
        const auto rows = t.run(3, true, 3);
        // Round 4 lies after the working round; round 2 looks in the poule of his
        // last game (1) and finds no row there, so it has no subtotal.
        QCOMPARE(shape(rows), QString("GS-GS-T"));
        QCOMPARE(t.calls, QStringList({"1/1", "1/2", "1/3"}));
        QCOMPARE(line(rows[1]), QString("||Subtotaal| 2| 35| 19|1.842| 7|100.000|122.806| | | | | | "));
        QCOMPARE(line(rows[2]), QString(" | | | | | | | | | | | | | | | "));
        QCOMPARE(line(rows[4]), QString(" | |Subtotaal| 2| 25| 25|1.000| 5|71.428|66.666| | | | | | "));
        // Summed, the higher run, 60 / 44 = 1.3636 truncated, no percentages.
        QCOMPARE(line(rows[6]), QString("||Totaal| 4| 60| 44|1.363| 7| | | | | | | | "));
        // Without games: only the total, with zeros and "n.v.t.".
        QCOMPARE(line(t.run(3, true, 3, 1, 5)[0]), QString("||Totaal| 0| 0| 0|n.v.t.| 0| | | | | | | | "));
    }

    void overviewTruncation_data()
    {
        QTest::addColumn<int>("decimalen");
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("3 dec 1.2349") << 3 << qint64(12349) << "1.234";
        QTest::newRow("2 dec 1.2349") << 2 << qint64(12349) << "1.23";
        QTest::newRow("2 dec 0.999") << 2 << qint64(9990) << "0.99";
        QTest::newRow("0 means 3") << 0 << qint64(9999) << "0.999";
    }

    void overviewTruncation()
    {
        QFETCH(int, decimalen);
        QFETCH(qint64, raw);
        QFETCH(QString, shown);
        UitslagRec u = game(1, 1, 1, 1, 2, 2, 3, 0);
        u.speler1.moyenne = u.speler2.moyenne = Fixed::fromRaw(raw);
        u.speler1.procentCar = Fixed::fromRaw(raw * 100);
        const std::vector<UitslagRec> us = {u};
        const auto rows = buildPlayerOverview(
            {.speler = 1, .aantalDecimalen = decimalen, .uitslagen = &us, .fullName = {}, .standings = {}});
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].sub[5] + "|" + rows[0].sub[13], shown + "|" + shown);
        QCOMPARE(rows[0].sub[7].section('.', 1).size(), shown.section('.', 1).size());
    }

    void overviewMoyenneTexts()
    {
        // 29 / 100 is 0.29 exactly; a floating-point product would show 0.28.
        QCOMPARE(overviewMoyenneText(29, 100, 2), QString("0.29"));
        QCOMPARE(overviewMoyenneText(2, 3, 3), QString("0.666"));
        // With a Dutch locale the print still finds the integer part before the comma.
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        QCOMPARE(overviewMoyenneText(55, 45, 3), QString("1,222"));
        QCOMPARE(decimalTextDigits("12,345"), 2);
    }
};

QTEST_GUILESS_MAIN(TestOverviewsLogic)
#include "test_overviews_logic.moc"

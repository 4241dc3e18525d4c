// The standings lists without widgets: lines, decimals, highest run, the
// zoom file and the carousel.
#include "core/standview.h"
#include "support/core/bytes_text.h"
#include <QLocale>
#include <QTest>

using namespace core;

namespace {

StandRij row(qint32 nr, int prt, int pnt, int car, int brt, int hs, Fixed pmoy, int win, int rem, int verl,
             Fixed moy, Fixed pcar, Fixed pmoyc, int mp = 0)
{
    StandRij r{};
    r[KolNummer] = Fixed::fromInt(nr);
    r[KolPartijen] = Fixed::fromInt(prt);
    r[KolPunten] = Fixed::fromInt(pnt);
    r[KolCar] = Fixed::fromInt(car);
    r[KolBeurten] = Fixed::fromInt(brt);
    r[KolHoogsteSerie] = Fixed::fromInt(hs);
    r[KolPartijMoyenne] = pmoy;
    r[KolWinst] = Fixed::fromInt(win);
    r[KolRemise] = Fixed::fromInt(rem);
    r[KolVerlies] = Fixed::fromInt(verl);
    r[KolMoyenne] = moy;
    r[KolProcentCar] = pcar;
    r[KolProcentMoy] = pmoyc;
    r[KolMatchPunten] = Fixed::fromInt(mp);
    return r;
}

// Three players; file order Bakker, Jansen, Visser; places 2, 1, 3.
Standings threePlayers()
{
    Standings s;
    s.rijen.push_back(row(7, 2, 2, 30, 25, 6, Fixed::fromRaw(15000), 1, 0, 1, Fixed::fromRaw(12000),
                          Fixed::fromRaw(600000), Fixed::fromRaw(1000000), 33));
    s.rijen.push_back(row(3, 2, 4, 40, 32, 6, Fixed::fromRaw(13000), 2, 0, 0, Fixed::fromRaw(12500),
                          Fixed::fromRaw(800000), Fixed::fromRaw(1041667), 100));
    s.rijen.push_back(row(9, 2, 0, 20, 30, 4, Fixed(), 0, 0, 2, Fixed::fromRaw(6667), Fixed::fromRaw(400000),
                          Fixed::fromRaw(555556), 0));
    s.positie = {2, 1, 3};
    s.namen = {QStringLiteral("Bakker              "), QStringLiteral("Jansen              "),
               QStringLiteral("de Visser           ")};
    s.voorletters = {QStringLiteral("K.     "), QStringLiteral("P.J.   "), QStringLiteral("W.     ")};
    return s;
}

} // namespace

class TestStandingsView : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void zoomFileBytes_data();
    void zoomFileBytes();
    void parseZoomFile_data();
    void parseZoomFile();
    void zoomTable();

    void carouselRunsRoundAndRound();
    void carouselRefusesRange_data();
    void carouselRefusesRange();

    void decimals_data();
    void decimals();
    void linesInOrderOfPlace();
    void matchPointLinesUseColumn14();
    void linesOfFirstNRowsOnly();
    void highestRunGoesToBetterPlace();
    void highestRunNobody();
    void titles();
};

void TestStandingsView::zoomFileBytes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0") << 0 << QByteArray("\x20\x30\x20\x0d\x0a", 5);
    QTest::newRow("1") << 1 << QByteArray("\x20\x31\x20\x0d\x0a", 5);
    QTest::newRow("2") << 2 << QByteArray("\x20\x32\x20\x0d\x0a", 5);
    QTest::newRow("3") << 3 << QByteArray("\x20\x33\x20\x0d\x0a", 5);
}

void TestStandingsView::zoomFileBytes()
{
    QFETCH(int, index);
    QFETCH(QByteArray, bytes);
    QCOMPARE(testsupport::hex(core::zoomFileBytes(index)), testsupport::hex(bytes));
    QCOMPARE(core::parseZoomFile(core::zoomFileBytes(index)), index);
}

void TestStandingsView::parseZoomFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("index");
    QTest::newRow("written") << QByteArray(" 2 \r\n") << 2;
    QTest::newRow("bare digit") << QByteArray("3") << 3;
    QTest::newRow("blanks and more lines") << QByteArray("   1   \r\n3\r\n") << 1;
    QTest::newRow("LF only") << QByteArray("2\n") << 2;
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("empty first line") << QByteArray("\r\n3\r\n") << 0;
    QTest::newRow("too large") << QByteArray(" 4 \r\n") << 0;
    QTest::newRow("negative") << QByteArray("-1\r\n") << 0;
    QTest::newRow("not a number") << QByteArray("groot\r\n") << 0;
    QTest::newRow("fraction") << QByteArray("2.5\r\n") << 0;
    QTest::newRow("digit and text") << QByteArray("2x\r\n") << 0;
}

void TestStandingsView::parseZoomFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, index);
    QCOMPARE(core::parseZoomFile(contents), index);
}

void TestStandingsView::zoomTable()
{
    const int sizes[] = {8, 12, 16, 20};
    for (int i = 0; i < ZoomCount; ++i)
        QCOMPARE(zoomFontSize(i), sizes[i]);
    // Spot checks where the zoom levels differ from a plain scale-up.
    QCOMPARE(zoomColumnWidths(-1)[8], 700);   // HS at opening
    QCOMPARE(zoomColumnWidths(0)[8], 800);    // HS at 8 pt
    QCOMPARE(zoomColumnWidths(2)[2], 650);    // VL narrows at 16 pt
    QCOMPARE(zoomColumnWidths(3)[1], 3200);
    QCOMPARE(zoomColumnWidths(3)[11], 1800);
    QCOMPARE(zoomColumnWidths(1)[4], 720);
}

void TestStandingsView::carouselRunsRoundAndRound()
{
    Carousel c;
    QVERIFY(c.start(2, 4));
    QCOMPARE(c.volgende(), 2);
    QList<int> shown;
    for (int i = 0; i < 7; ++i)
        shown << c.tick();
    QCOMPARE(shown, (QList<int>{2, 3, 4, 2, 3, 4, 2}));
    // A new start begins at the new first poule.
    QVERIFY(c.start(1, 2));
    QCOMPARE(c.tick(), 1);
    QCOMPARE(c.tick(), 2);
    QCOMPARE(c.tick(), 1);
}

void TestStandingsView::carouselRefusesRange_data()
{
    QTest::addColumn<int>("van");
    QTest::addColumn<int>("tot");
    QTest::newRow("equal") << 2 << 2;
    QTest::newRow("descending") << 3 << 1;
}

void TestStandingsView::carouselRefusesRange()
{
    QFETCH(int, van);
    QFETCH(int, tot);
    Carousel c;
    QVERIFY(c.start(1, 3));
    c.tick();
    QVERIFY(!c.start(van, tot));
    // a refused start leaves the running range alone
    QCOMPARE(c.tick(), 2);
}

void TestStandingsView::decimals_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.2346 at 3") << qint64(12346) << 3 << "C" << "1.234";
    QTest::newRow("1.2346 at 2") << qint64(12346) << 2 << "C" << "1.23";
    QTest::newRow("99.9999 at 2") << qint64(999999) << 2 << "C" << "99.99";
    QTest::newRow("zero at 2") << qint64(0) << 2 << "C" << "0.00";
    QTest::newRow("zero at 3") << qint64(0) << 3 << "C" << "0.000";
    QTest::newRow("setting 0 empty") << qint64(12346) << 0 << "C" << "";
    QTest::newRow("setting 4 empty") << qint64(12346) << 4 << "C" << "";
    QTest::newRow("Dutch comma") << qint64(1041667) << 2 << "nl_NL" << "104,16";
}

void TestStandingsView::decimals()
{
    QFETCH(qint64, raw);
    QFETCH(int, setting);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QLocale::setDefault(locale == QLatin1String("C") ? QLocale::c() : QLocale(locale));
    QCOMPARE(standDecimalText(Fixed::fromRaw(raw), setting), text);
}

void TestStandingsView::linesInOrderOfPlace()
{
    const QList<StandLine> l = standLines(threePlayers(), 3, 2, false);
    QCOMPARE(l.size(), 3);
    QCOMPARE(l[0].text, QStringLiteral("1"));
    QCOMPARE(l[0].sub, (QStringList{"Jansen", "P.J.", "2", "4", "40", "32", "1.25", "6", "1.30", "80.00",
                                    "104.16", "2", "0", "0"}));
    QCOMPARE(l[1].text, QStringLiteral("2"));
    QCOMPARE(l[1].sub.mid(0, 4), (QStringList{"Bakker", "K.", "2", "2"}));
    QCOMPARE(l[2].sub, (QStringList{"de Visser", "W.", "2", "0", "20", "30", "0.66", "4", "0.00", "40.00",
                                    "55.55", "0", "0", "2"}));
    // other decimal settings leave the four decimal cells empty
    const QList<StandLine> e = standLines(threePlayers(), 3, 1, false);
    QCOMPARE(e[0].sub.size(), 14);
    for (int i : {6, 8, 9, 10})
        QVERIFY(e[0].sub[i].isEmpty());
    QCOMPARE(e[0].sub[7], QStringLiteral("6"));
}

void TestStandingsView::matchPointLinesUseColumn14()
{
    const QList<StandLine> l = standLines(threePlayers(), 3, 3, true);
    QCOMPARE(l[0].sub[3], QStringLiteral("100"));
    QCOMPARE(l[1].sub[3], QStringLiteral("33"));
    QCOMPARE(l[0].sub[6], QStringLiteral("1.250"));
    QCOMPARE(standColumnCaptions(true)[4], QStringLiteral("MP"));
    QCOMPARE(standColumnCaptions(false)[4], QStringLiteral("Pnt"));
}

void TestStandingsView::linesOfFirstNRowsOnly()
{
    QCOMPARE(standLines(threePlayers(), 0, 2, false).size(), 0);
    QCOMPARE(standLines(Standings(), 5, 2, false).size(), 0);
}

void TestStandingsView::highestRunGoesToBetterPlace()
{
    // Bakker (place 2) and Jansen (place 1) both made 6.
    const HighestRun h = highestRun(threePlayers(), 3);
    QCOMPARE(h.holder, QStringLiteral("Jansen, P.J."));
    QCOMPARE(h.serie, 6);
    Standings s = threePlayers();
    s.rijen[2][KolHoogsteSerie] = Fixed::fromInt(11);
    QCOMPARE(highestRun(s, 3).holder, QStringLiteral("de Visser, W."));
}

void TestStandingsView::highestRunNobody()
{
    Standings s = threePlayers();
    for (auto& r : s.rijen)
        r[KolHoogsteSerie] = Fixed();
    const HighestRun h = highestRun(s, 3);
    QVERIFY(h.holder.isEmpty());
    QCOMPARE(h.serie, 0);
}

void TestStandingsView::titles()
{
    QCOMPARE(standHtmlTitle(1, 3, false), QStringLiteral("Stand in Ronde  1 en in Poule  3"));
    QCOMPARE(standHtmlTitle(2, 12, true), QStringLiteral("Stand in Ronde  2 en in Poule  12 op basis van MatchPunten"));
    QCOMPARE(standPrintTitle(1, 3, false), QStringLiteral("Stand in ronde  1 en in poule  3"));
    QCOMPARE(standPrintTitle(1, 3, true), QStringLiteral("Stand in ronde  1 en in poule  3 op basis van Matchpunten"));
}

QTEST_MAIN(TestStandingsView)
#include "test_standings_view.moc"

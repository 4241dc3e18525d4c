// The standings lists without widgets: lines, decimals, highest run and the
// zoom file.
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

    void zoomFileBytes();
    void parseZoomFile_data();
    void parseZoomFile();
    void zoomTable();
    void decimals_data();
    void decimals();
    void linesInOrderOfPlace();
    void highestRunGoesToBetterPlace();
    void titles();
};

void TestStandingsView::zoomFileBytes()
{
    // blank (sign position), digit, blank, CR LF
    QCOMPARE(testsupport::hex(core::zoomFileBytes(2)), testsupport::hex(QByteArray("\x20\x32\x20\x0d\x0a", 5)));
    QCOMPARE(testsupport::hex(core::zoomFileBytes(0)), testsupport::hex(QByteArray("\x20\x30\x20\x0d\x0a", 5)));
}

void TestStandingsView::parseZoomFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("index");
    QTest::newRow("written") << QByteArray(" 2 \r\n") << 2;
    QTest::newRow("blanks and more lines") << QByteArray("   1   \r\n3\r\n") << 1;
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("empty first line") << QByteArray("\r\n3\r\n") << 0;
    QTest::newRow("too large") << QByteArray(" 4 \r\n") << 0;
    QTest::newRow("not a number") << QByteArray("groot\r\n") << 0;
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
    using W = std::array<int, 15>;
    QCOMPARE(zoomColumnWidths(-1), (W{500, 2000, 800, 600, 600, 700, 700, 900, 700, 900, 1000, 1000, 600, 600, 600}));
    QCOMPARE(zoomColumnWidths(0), (W{500, 2000, 800, 600, 600, 700, 700, 900, 800, 900, 1000, 1000, 600, 600, 600}));
    QCOMPARE(zoomColumnWidths(1), (W{650, 2400, 800, 600, 720, 840, 840, 1080, 900, 1080, 1200, 1200, 700, 700, 700}));
    QCOMPARE(zoomColumnWidths(2), (W{800, 2800, 650, 700, 800, 900, 900, 1200, 800, 1350, 1500, 1500, 700, 700, 700}));
    QCOMPARE(zoomColumnWidths(3), (W{950, 3200, 700, 800, 900, 1050, 1050, 1350, 900, 1600, 1800, 1800, 700, 700, 700}));
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
    // file order is Bakker, Jansen, de Visser; the list is in order of place
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
    // match-point mode shows column 14 as the fifth column
    QCOMPARE(standLines(threePlayers(), 3, 3, true)[1].sub[3], QStringLiteral("33"));
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
    for (auto& r : s.rijen)
        r[KolHoogsteSerie] = Fixed();
    QVERIFY(highestRun(s, 3).holder.isEmpty());
    QCOMPARE(highestRun(s, 3).serie, 0);
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

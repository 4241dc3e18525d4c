// The poule-winners list and the interim standings window.
#include "app/modStootplanner.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "standings/frmStandTussen.h"
#include "standings/frmWinnars.h"
#include "standings/modStand.h"
#include "support/tournamentfixture.h"
#include <QLocale>
#include <QTest>
#include <QTreeWidget>

using namespace core;
using namespace modStootplanner;
using platform::ScriptedMessages;

namespace {

// Round 1: poule 1 ranks 1, 4, 2, 3; poule 2 ranks 6, 5, 7; poule 3 (no
// games) keeps file order 8..12; poule 4 is empty. Round 2 has other poules.
void buildTournament(testsupport::TournamentFixture& fx, int decimalen = 2)
{
    auto& b = fx.builder();
    b.toernooi.aantalDecimalen = qint16(decimalen);
    const Fixed m = Fixed::fromInt(1);
    const char* namen[] = {"Jansen", "Bakker", "Visser", "Smit", "Bos", "Vos", "Mulder",
                           "Peters", "Dekker", "de Groot", "Meijer", "Noël"};
    const int poule[] = {1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3};
    for (int i = 0; i < 12; ++i)
        b.addPlayer(i + 1, QString::fromUtf8(namen[i]), QStringLiteral("X."), 1, qint16(poule[i]), m);
    b.addGame(1, 1, 1, 25, 10, 8, 2, 10, 10, 3);
    b.addGame(1, 1, 3, 11, 12, 2, 1, 25, 12, 6);
    b.addGame(1, 1, 2, 25, 20, 4, 3, 15, 20, 4);
    b.addGame(1, 1, 4, 25, 15, 5, 2, 20, 15, 5);
    b.addGame(1, 2, 6, 25, 10, 5, 5, 12, 10, 2);
    // round 2: player 8 alone in poule 1 must not show in round 1's list
    b.addPlayer(8, QStringLiteral("Peters"), QStringLiteral("X."), 2, 1, m);
    b.setRound(1, 4);
    b.setRound(2, 1);
    fx.load();
    HuidigeRonde = 1;
    AantalPoules = 4;
}

QStringList column(const QTreeWidget* l, int c)
{
    QStringList out;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        out << l->topLevelItem(i)->text(c);
    return out;
}

} // namespace

class TestStandingsWinners : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void firstPlaces();
    void alsoFourthWithPouleOfThree();
    void lineTexts_data();
    void lineTexts();
    void sortOnlyOnPlace();
    void printAndEmptyList();
    void interimStandings();
};

void TestStandingsWinners::firstPlaces()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    frmWinnars w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Lijstje poulewinnaars"));
    QCOMPARE(column(w.ListView1(), 0), (QStringList{"00001", "00006", "00008"}));
    QCOMPARE(column(w.ListView1(), 3), (QStringList{" 1", " 2", " 3"}));
}

void TestStandingsWinners::alsoFourthWithPouleOfThree()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    frmWinnars w;
    w.Command1_Click(4);
    QCOMPARE(column(w.ListView1(), 0), (QStringList{"00001", "00006", "00008", "00004", "00005", "00009", "00002",
                                                    "00007", "00010", "00003", "00011"}));
    QCOMPARE(column(w.ListView1(), 4), (QStringList{" 1", " 1", " 1", " 2", " 2", " 2", " 3", " 3", " 3", " 4", " 4"}));
    w.Command1_Click(2);
    QCOMPARE(w.ListView1()->topLevelItemCount(), 6);
}

void TestStandingsWinners::lineTexts_data()
{
    QTest::addColumn<int>("decimalen");
    QTest::addColumn<QStringList>("jansen");
    // Jansen: 50 caramboles in 22 innings, 4 points, targets 50; % moy from the stored 2.2727
    QTest::newRow("2 decimals") << 2 << QStringList{"00001", "Jansen", "X.", " 1", " 1", "4", "2.27", "100.00", "227.27"};
    QTest::newRow("3 decimals") << 3 << QStringList{"00001", "Jansen", "X.", " 1", " 1", "4", "2.272", "100.000", "227.270"};
    QTest::newRow("other setting: 3") << 0 << QStringList{"00001", "Jansen", "X.", " 1", " 1", "4", "2.272", "100.000", "227.270"};
}

void TestStandingsWinners::lineTexts()
{
    QFETCH(int, decimalen);
    QFETCH(QStringList, jansen);
    testsupport::TournamentFixture fx;
    buildTournament(fx, decimalen);
    frmWinnars w;
    QCOMPARE(w.WinnerLines().first(), jansen);
}

void TestStandingsWinners::sortOnlyOnPlace()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    frmWinnars w;
    w.Command1_Click(3);
    const QStringList before = column(w.ListView1(), 0);
    w.ListView1_ColumnClick(1);   // "Naam": nothing happens
    QCOMPARE(column(w.ListView1(), 0), before);
    w.ListView1()->sortItems(1, Qt::AscendingOrder);
    w.ListView1_ColumnClick(4);
    QCOMPARE(column(w.ListView1(), 4), (QStringList{" 1", " 1", " 1", " 2", " 2", " 2", " 3", " 3", " 3"}));
}

void TestStandingsWinners::printAndEmptyList()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog(true);
    platform::ScopedRecordingPrinter pr;
    frmWinnars w;
    w.Command1_Click(4);
    w.Toolbar1_ButtonClick(QStringLiteral("But03"));
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Lijstje wordt uitgeprint"));
    QVERIFY(pr.rec.findText(QStringLiteral("00011")));
    QVERIFY(pr.rec.findText(QStringLiteral("Overzicht poulewinnaars")));

    AantalPoules = 0;
    w.Command1_Click(1);
    QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
    msgs.clear();
    w.Toolbar1_ButtonClick(QStringLiteral("But03"));
    QCOMPARE(msgs.beeps, 1);
    QCOMPARE(msgs.boxes.size(), 0);
    QCOMPARE(dialog.shown, 1);
}

void TestStandingsWinners::interimStandings()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx, 3);
    modStand::MatchpuntenModus = true;   // never used here
    TussenstandPoule = 1;
    frmStandTussen t;
    QCOMPARE(t.windowTitle(), QStringLiteral("Stand in poule  1"));
    QTreeWidget* l = t.ListView3();
    QCOMPARE(l->columnCount(), 15);
    QCOMPARE(l->headerItem()->text(10), QStringLiteral("% car"));
    QCOMPARE(column(l, 1), (QStringList{"Jansen", "Smit", "Bakker", "Visser"}));
    QStringList visser;
    for (int c = 0; c < 15; ++c)
        visser << l->topLevelItem(3)->text(c);
    // 26 / 32 = 0.8125; two losses, no best game moyenne
    QCOMPARE(visser, (QStringList{"4", "Visser", "X.", "2", "0", "26", "32", "0.812", "4", "0.000", "52.000",
                                  "81.250", "0", "0", "2"}));
    TussenstandPoule = 3;
    frmStandTussen t3;
    QCOMPARE(column(t3.ListView3(), 1), (QStringList{"Peters", "Dekker", "de Groot", "Meijer", "Noël"}));
    QCOMPARE(t3.ListView3()->topLevelItem(0)->text(7), QStringLiteral("0.000"));
    QCOMPARE(t3.ListView3()->topLevelItem(0)->text(3), QStringLiteral("0"));
    TussenstandPoule = 4;
    frmStandTussen t4;
    QCOMPARE(t4.ListView3()->topLevelItemCount(), 0);
}

QTEST_MAIN(TestStandingsWinners)
#include "test_standings_winners.moc"

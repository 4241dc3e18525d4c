// The poule-winners list and the interim standings window.
#include "app/modStootplanner.h"
#include "standings/frmStandTussen.h"
#include "standings/frmWinnars.h"
#include "standings/modStand.h"
#include "support/standings_fixture.h"
#include "support/tournamentfixture.h"
#include <QLocale>
#include <QTest>
#include <memory>

using namespace core;
using namespace modStootplanner;
using standtest::column;

namespace {

// "number poule place" per line, e.g. "00004 1 2".
QStringList numberPoulePlace(const frmWinnars& w)
{
    QStringList out;
    for (const modStand::WinnerLine& l : w.WinnerLines())
        out << l.value(0) + l.value(3) + l.value(4);
    return out;
}

} // namespace

class TestStandingsWinners : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::TournamentFixture> m_fx;

    // Round 1: poule 1 ranks 1, 4, 2, 3; poule 2 ranks 6, 5, 7; poule 3 (no
    // games) keeps file order 8..12; poule 4 is empty. Round 2 has other poules.
    void load(int decimalen = 2)
    {
        m_fx = std::make_unique<testsupport::TournamentFixture>();
        auto& b = m_fx->builder();
        b.toernooi.aantalDecimalen = qint16(decimalen);
        const char* namen[] = {"Jansen", "Bakker", "Visser", "Smit", "Bos", "Vos", "Mulder",
                               "Peters", "Dekker", "de Groot", "Meijer", "Noël"};
        const int poule[] = {1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3};
        const Fixed m = Fixed::fromInt(1);
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
        m_fx->load();
        HuidigeRonde = 1;
        AantalPoules = 4;
    }

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { m_fx.reset(); }

    void placesPerPoule_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("Toon eersten in poule") << 1 << QStringList{"00001 1 1", "00006 2 1", "00008 3 1"};
        // poule 2 has three players: no fourth from there
        QTest::newRow("Toon ook vierden") << 4 << QStringList{"00001 1 1", "00006 2 1", "00008 3 1", "00004 1 2",
                                                              "00005 2 2", "00009 3 2", "00002 1 3", "00007 2 3",
                                                              "00010 3 3", "00003 1 4", "00011 3 4"};
    }

    void placesPerPoule()
    {
        QFETCH(int, key);
        QFETCH(QStringList, lines);
        load();
        frmWinnars w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Lijstje poulewinnaars"));
        if (key == 1)
            QCOMPARE(numberPoulePlace(w), lines);   // the list opens on the firsts
        w.Command1_Click(4);   // a wider choice first: a narrower one must shrink the list again
        w.Command1_Click(key);
        QCOMPARE(numberPoulePlace(w), lines);
    }

    void lineTexts_data()
    {
        // Jansen: 50 caramboles in 22 innings, 4 points, targets 50; % moy from the stored 2.2727
        QTest::addColumn<int>("decimalen");
        QTest::addColumn<QStringList>("figures");   // Moy, % car, % moy
        QTest::newRow("2 decimals") << 2 << QStringList{"2.27", "100.00", "227.27"};
        QTest::newRow("3 decimals") << 3 << QStringList{"2.272", "100.000", "227.270"};
        QTest::newRow("other setting: 3") << 0 << QStringList{"2.272", "100.000", "227.270"};
    }

    void lineTexts()
    {
        QFETCH(int, decimalen);
        QFETCH(QStringList, figures);
        load(decimalen);
        frmWinnars w;
        QCOMPARE(w.WinnerLines().first(), QStringList({"00001", "Jansen", "X.", " 1", " 1", "4"}) + figures);
    }

    void sortOnlyOnPlace()
    {
        load();
        frmWinnars w;
        w.Command1_Click(3);
        const QStringList byPlace = column(w.ListView1(), 0);
        w.ListView1_ColumnClick(1);   // "Naam": nothing happens
        QCOMPARE(column(w.ListView1(), 0), byPlace);
        w.ListView1()->sortItems(1, Qt::AscendingOrder);
        w.ListView1_ColumnClick(4);
        QCOMPARE(column(w.ListView1(), 4), (QStringList{" 1", " 1", " 1", " 2", " 2", " 2", " 3", " 3", " 3"}));
    }

    void printAndEmptyList()
    {
        load();
        standtest::PrintRun run;
        frmWinnars w;
        w.Command1_Click(4);
        w.Toolbar1_ButtonClick(QStringLiteral("But03"));
        QCOMPARE(run.dialog.shown, 1);
        QCOMPARE(run.msgs.boxes.size(), 1);
        QVERIFY(run.pr.rec.findText(QStringLiteral("00011")));

        AantalPoules = 0;   // an empty list: only a beep
        w.Command1_Click(1);
        QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
        w.Toolbar1_ButtonClick(QStringLiteral("But03"));
        QCOMPARE(run.msgs.beeps, 1);
        QCOMPARE(run.msgs.boxes.size() + run.dialog.shown, 2);
    }

    void interimStandings()
    {
        load(3);
        modStand::MatchpuntenModus = true;   // never used here
        TussenstandPoule = 1;
        frmStandTussen t;
        QCOMPARE(t.windowTitle(), QStringLiteral("Stand in poule  1"));
        QCOMPARE(column(t.ListView3(), 1), (QStringList{"Jansen", "Smit", "Bakker", "Visser"}));
        // 26 / 32 = 0.8125; two losses, no best game moyenne
        QCOMPARE(standtest::rowTexts(t.ListView3(), 3), (QStringList{"4", "Visser", "X.", "2", "0", "26", "32", "0.812", "4", "0.000", "52.000",
                                      "81.250", "0", "0", "2"}));
        TussenstandPoule = 3;
        frmStandTussen t3;
        QCOMPARE(column(t3.ListView3(), 1), (QStringList{"Peters", "Dekker", "de Groot", "Meijer", "Noël"}));
        TussenstandPoule = 4;
        QCOMPARE(frmStandTussen().ListView3()->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(TestStandingsWinners)
#include "test_standings_winners.moc"

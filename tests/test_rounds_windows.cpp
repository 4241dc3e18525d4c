// New round, switching rounds and the manual carry-over window.
#include "core/recordfile.h"
#include "rounds/frmDoorkoppelen.h"
#include "rounds/frmGaNaarRonde.h"
#include "rounds/frmNieuweRonde.h"
#include "support/rounds_fixture.h"
#include <QGroupBox>

using namespace modStootplanner;
using namespace testsupport::roundsenv;
using core::PouleRec;

namespace {

// Enabled state of the arrows: left previous, left next, right previous, right next.
QString arrows(const frmDoorkoppelen& w)
{
    QString s;
    for (QPushButton* b : {w.Command1(0), w.Command1(1), w.Command5(0), w.Command5(1)})
        s += b->isEnabled() ? '1' : '0';
    return s;
}

} // namespace

class TestRoundsWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<RoundsEnv> m_env;

    // Round 1: poule 1 with Jansen (1), Bakker (2), visser (3); poule 2 with
    // de Wit (4), Aalders (5). Round 2 made, one empty poule. Moyennes follow
    // from round 1 with a minimum of 0.50.
    void buildTwoRounds()
    {
        auto& b = m_env->builder();
        b.toernooi.aanpassenPerRonde = core::Ja;
        b.toernooi.perRondeMinimum = fx(0.5);
        b.addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
        b.addPlayer(2, "Bakker", "K.", 1, 1, fx(2.0));
        b.addPlayer(3, "visser", "W.", 1, 1, fx(1.5));
        b.addPlayer(4, "de Wit", "A.", 1, 2, fx(1.0));
        b.addPlayer(5, "Aalders", "R.", 1, 2, fx(0.8));
        // Jansen: 15 in 12 and 15 in 13 innings, the second in poule 2: 30 in 25
        b.addGame(1, 1, 1, 15, 12, 4, 2, 45, 12, 9);
        b.addGame(1, 2, 4, 25, 13, 5, 1, 15, 13, 3);
        b.setRound(1, 2);
        b.setRound(2, 1);
        m_env->load();
    }

private slots:
    void init() { m_env = std::make_unique<RoundsEnv>(); }
    void cleanup() { m_env.reset(); }

    void newRound()
    {
        // made after the last round, even while working in an earlier one
        m_env->builder().toernooi.subtitel = QStringLiteral("Najaar");
        m_env->builder().setRound(3, 2);
        m_env->load();
        HuidigeRonde = 1;
        frmNieuweRonde d;
        QCOMPARE(QStringList({d.Label2()->text(), d.Label4()->text(), d.Label6()->text(), d.Command1()->text()}).join('|'),
                 QStringLiteral(" 3| 1| 4|Ronde  4 aanmaken"));
        d.Command1()->click();
        QCOMPARE(shown(m_env->msgs, 0), boxText("Gereed", platform::vbInformation,
                                         "Nieuwe ronde aangemaakt !\r\nU bevindt zich nu in ronde  4"));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        frmNieuweRonde(m_env->hoofd).CreateNextRound();   // a second one right after, still without players
        QCOMPARE(shown(m_env->msgs, 1), boxText("Gereed", platform::vbInformation,
                                         "Nieuwe ronde aangemaakt !\r\nU bevindt zich nu in ronde  5"));
        QFile poules(PadPoules());   // eight bytes a record, the record number is the round
        QVERIFY(poules.open(QIODevice::ReadOnly));
        QCOMPARE(poules.readAll().toHex().mid(32),
                 QByteArray("0300020000000000" "0400010000000000" "0500010000000000"));
        const auto t = core::readToernooi(PadToernooi());
        QCOMPARE(t->laatsteRonde, qint16(5));
        QCOMPARE(t->subtitel, QStringLiteral("Najaar"));   // the other settings as stored
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(Toernooi.laatsteRonde).arg(HuidigeRonde).arg(AantalPoules),
                 QStringLiteral("5 5 1"));
        QCOMPARE(m_env->hoofd->StatusBar1()->panelText(4), QStringLiteral("U bent in toernooironde:  5"));
        frmNieuweRonde c;   // Cancel writes nothing
        c.Command2()->click();
        QCOMPARE(core::RecordFile<PouleRec>::count(PadPoules()), 5);
        QVERIFY(QFile::remove(PadPoules()));   // neither does a missing poules file
        frmNieuweRonde m;
        m.CreateNextRound();
        QCOMPARE(m_env->msgs.boxes.value(2).prompt, MissingFileMessage(FilePoules, CheckForm::Closing));
        QCOMPARE(core::readToernooi(PadToernooi())->laatsteRonde, qint16(5));
        QVERIFY(!QFile::exists(PadPoules()));
    }

    void switchRound()
    {
        auto& b = m_env->builder();
        b.addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
        b.setRound(1, 4);
        b.setRound(2, 2);
        m_env->load();
        frmGaNaarRonde c;   // Cancel with a round chosen changes nothing
        c.Combo1()->setCurrentIndex(0);
        c.Command2()->click();
        QCOMPARE(c.result(), int(QDialog::Rejected));
        QCOMPARE(HuidigeRonde, qint16(2));
        frmGaNaarRonde d;
        d.show();
        QCOMPARE(d.Label2()->text() + ' ' + comboText(d.Combo1()), QStringLiteral("2  1| 2#-1"));
        d.Command1()->click();   // nothing chosen: nothing happens
        QVERIFY(d.isVisible() && m_env->msgs.boxes.isEmpty());
        d.Combo1()->setCurrentIndex(1);
        d.Command1()->click();
        QCOMPARE(shown(m_env->msgs, 0), boxText("Let op!", platform::vbInformation, "U werkt al in de gekozen ronde !"));
        QVERIFY(d.isVisible());
        d.Combo1()->setCurrentIndex(0);
        d.Command1()->click();
        QCOMPARE(shown(m_env->msgs, 1), boxText("Gereed", platform::vbInformation, "U bevindt zich nu in ronde  1"));
        QVERIFY(!d.isVisible());
        QCOMPARE(HuidigeRonde, qint16(1));
        QCOMPARE(AantalPoules, qint16(4));
        QCOMPARE(m_env->hoofd->StatusBar1()->panelText(4), QStringLiteral("U bent in toernooironde:  1"));
        QCOMPARE(core::readToernooi(PadToernooi())->laatsteRonde, qint16(2));
    }

    void manualLoadAndNavigation()
    {
        buildTwoRounds();
        frmDoorkoppelen w;
        QCOMPARE(w.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral(" Spelers en poules uit ronde   1"));
        QCOMPARE(comboText(w.Combo1()) + ' ' + comboText(w.Combo2()), QStringLiteral(" 1| 2#-1  1#-1"));
        QCOMPARE(arrows(w) + w.LinkerPouleLabel()->text(), QStringLiteral("0100 1"));
        // sorted on the name, case aside; round 1 shows its own target and moyenne
        QCOMPARE(joined(w.ListView1(), 0), QStringLiteral("00002 00001 00003"));
        QCOMPARE(row(w.ListView1(), 2), QStringLiteral("00003|visser|W.|35|1.50"));
        QCOMPARE(w.ListView2()->topLevelItemCount(), 0);
        w.Combo1()->setCurrentIndex(0);
        w.Command1(1)->click();
        QCOMPARE(w.LinkerPoule(), qint16(2));
        QCOMPARE(arrows(w) + w.LinkerPouleLabel()->text(), QStringLiteral("10002"));   // plain after a step
        QCOMPARE(w.Combo1()->currentIndex(), -1);
        QCOMPARE(joined(w.ListView1(), 1), QStringLiteral("Aalders de Wit"));
        w.ListView1_ColumnClick(0);
        QCOMPARE(joined(w.ListView1(), 1), QStringLiteral("de Wit Aalders"));
        w.ListView1_ColumnClick(2);   // only Nr and Naam sort
        QCOMPARE(joined(w.ListView1(), 1), QStringLiteral("de Wit Aalders"));
        w.ListView1_ColumnClick(1);
        QCOMPARE(joined(w.ListView1(), 1), QStringLiteral("Aalders de Wit"));
        w.Command1(0)->click();
        QCOMPARE(arrows(w) + w.LinkerPouleLabel()->text(), QStringLiteral("01001"));
        QCOMPARE(m_env->msgs.boxes.size(), 0);
    }

    void manualCarryAdjusted()
    {
        buildTwoRounds();
        frmDoorkoppelen w;
        checkRow(w.ListView1(), "00001");   // Jansen: 30 in 25 innings
        checkRow(w.ListView1(), "00003");   // visser: no games
        w.Command2()->click();
        QCOMPARE(shown(m_env->msgs, 0), boxText("Gereed", platform::vbInformation, "Speler(s) doorgekoppeld !"));
        const auto s = storedPlayers();
        QCOMPARE(int(s.size()), 7);   // appended in the list's order
        QCOMPARE(recText(s[5]), QStringLiteral("1|Jansen|P.|2|1|29|12000|0|0"));
        QCOMPARE(recText(s[6]), QStringLiteral("3|visser|W.|2|1|15|5000|0|0"));
        QCOMPARE(Speler.nummer, 3);
        QCOMPARE(storedPoule(2), (PouleRec{2, 1, 0, -1}));
        QCOMPARE(joined(w.ListView1(), 1), QStringLiteral("Bakker"));
        QCOMPARE(row(w.ListView2(), 0) + ' ' + row(w.ListView2(), 1),
                 QStringLiteral("00001|Jansen|P.|29|1.20 00003|visser|W.|15|0.50"));
        frmDoorkoppelen w2;   // a new window leaves them out too
        QCOMPARE(joined(w2.ListView1(), 1), QStringLiteral("Bakker"));
    }

    void manualCarryWithoutAdjustment()
    {
        auto& b = m_env->builder();
        b.addPlayer(7, "Smit", "G.", 1, 1, fx(1.0), 25).aangepasteMoyenne = fx(1.4567);
        b.spelers.back().aangepastTeMakenCar = 34;   // an interim adjustment of round 1
        b.addPlayer(8, "Bos", "D.", 1, 1, fx(1.1), 27);
        b.addGame(1, 1, 7, 60, 10, 9, 8, 10, 10, 2);
        b.toernooi.aanpassenPerRonde = core::Ja;
        b.toernooi.carMethode = 2;   // free entry: never adjusted
        b.setRound(2, 1);
        m_env->load();
        frmDoorkoppelen w;
        QCOMPARE(row(w.ListView1(), 1), QStringLiteral("00007|Smit|G.|34|1.45"));
        checkRow(w.ListView1(), "00007");
        w.CarryOverChecked();
        QCOMPARE(recText(storedPlayers().back()), QStringLiteral("7|Smit|G.|2|1|34|14567|0|0"));
    }

    void manualFromLaterRound_data()
    {
        QTest::addColumn<int>("decimalen");
        QTest::addColumn<QString>("nieuw");
        QTest::newRow("2 decimals") << 2 << "1.50 1.23";
        QTest::newRow("3 decimals") << 3 << "1.500 1.234";
    }
    void manualFromLaterRound()
    {
        // From round 2 on, "Moy oud" is the stored moyenne as it stands; "Moy nieuw" is truncated.
        QFETCH(int, decimalen);
        auto& b = m_env->builder();
        b.toernooi.aantalDecimalen = qint16(decimalen);
        b.toernooi.aanpassenPerRonde = core::Nee;
        b.addPlayer(1, "Jansen", "P.", 2, 1, fx(1.2345), 29).aangepastTeMakenCar = 40;
        b.addPlayer(2, "Bakker", "K.", 2, 1, fx(1.5));
        b.setRound(3, 1);
        m_env->load();
        frmDoorkoppelen w;
        QCOMPARE(w.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral(" Spelers en poules uit ronde   2"));
        QCOMPARE(row(w.ListView1(), 0) + ' ' + row(w.ListView1(), 1),
                 QStringLiteral("00002|Bakker|K.|35|1.5 00001|Jansen|P.|29|1.2345"));
        checkRow(w.ListView1(), "00001");
        checkRow(w.ListView1(), "00002");
        w.CarryOverChecked();
        QTEST(joined(w.ListView2(), 4), "nieuw");
        QCOMPARE(recText(storedPlayers().back()), QStringLiteral("1|Jansen|P.|3|1|40|12345|0|0"));
    }

    void manualNothingChecked()
    {
        buildTwoRounds();
        frmDoorkoppelen w;
        checkRow(w.ListView1(), "00001");
        w.Command4()->click();   // "Clear selectie"
        w.Command2()->click();
        QCOMPARE(shown(m_env->msgs, 0), boxText("Let op!", platform::vbExclamation,
                                         "U moet één of meerdere spelers selecteren in de linker lijst !"));
        QCOMPARE(int(storedPlayers().size()), 5);
        QCOMPARE(storedPoule(2).handmatigGekoppeld, qint16(0));
        w.Combo1()->setCurrentIndex(1);   // an emptied left list only beeps
        w.Combo1_Click();
        checkRow(w.ListView1(), "00004");
        checkRow(w.ListView1(), "00005");
        w.CarryOverChecked();
        QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
        w.CarryOverChecked();
        QCOMPARE(m_env->msgs.beeps, 1);
        QCOMPARE(int(storedPlayers().size()), 7);
    }

    void manualNewPoule()
    {
        buildTwoRounds();
        frmDoorkoppelen w;
        w.Command6()->click();
        QCOMPARE(storedPoule(2), (PouleRec{2, 2, 0, -1}));
        QCOMPARE(AantalPoules, qint16(2));
        QCOMPARE(arrows(w) + w.RechterPouleLabel()->text() + ' ' + comboText(w.Combo2()),
                 QStringLiteral("0110 2  1| 2#-1"));
        checkRow(w.ListView1(), "00002");   // into the new poule
        w.CarryOverChecked();
        QCOMPARE(storedPlayers().back().poule, qint16(2));
        QCOMPARE(joined(w.ListView2(), 1), QStringLiteral("Bakker"));
        w.Command5(0)->click();
        QCOMPARE(arrows(w) + w.RechterPouleLabel()->text(), QStringLiteral("01011"));
        QCOMPARE(w.ListView2()->topLevelItemCount(), 0);
        QCOMPARE(m_env->msgs.boxes.size(), 1);   // the carry-over's own
    }
};

QTEST_MAIN(TestRoundsWindows)
#include "test_rounds_windows.moc"

// New round, switching rounds and the manual carry-over window.
#include "app/frmHelp.h"
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/recordfile.h"
#include "platform/msgbox.h"
#include "rounds/frmDoorkoppelen.h"
#include "rounds/frmGaNaarRonde.h"
#include "rounds/frmNieuweRonde.h"
#include "rounds/menus.h"
#include "support/tournamentfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace modStootplanner;
using core::Fixed;
using core::PouleRec;
using core::SpelerRec;

namespace {

Fixed fx(double v) { return Fixed::fromDouble(v); }

QStringList column(QTreeWidget* l, int c)
{
    QStringList out;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        out << l->topLevelItem(i)->text(c);
    return out;
}

void check(QTreeWidget* l, const QString& nr)
{
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        if (l->topLevelItem(i)->text(0) == nr)
            l->topLevelItem(i)->setCheckState(0, Qt::Checked);
}

std::vector<SpelerRec> players() { return core::RecordFile<SpelerRec>::readAll(PadSpelers()); }
PouleRec pouleRec(int ronde) { return *core::RecordFile<PouleRec>::read(PadPoules(), ronde); }

} // namespace

class TestRoundsWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void newRound();
    void newRoundFromEarlierRound();
    void newRoundMissingPoulesFile();
    void switchRound();
    void switchRoundMissingPlayersFile();

    void manualOpensOnlyInLastRound();
    void manualLoad();
    void manualCarryAdjusted();
    void manualCarryWithoutAdjustment();
    void manualNothingChecked();
    void manualNewPoule();
    void manualNavigationAndSorting();
    void helpText();

private:
    void buildTwoRounds(bool perRonde);
    std::unique_ptr<testsupport::TournamentFixture> m_fx;
    std::unique_ptr<QTemporaryDir> m_prog;
    mdiHoofd* m_hoofd = nullptr;
};

void TestRoundsWindows::init()
{
    QLocale::setDefault(QLocale::c());
    m_fx = std::make_unique<testsupport::TournamentFixture>();
    m_prog = std::make_unique<QTemporaryDir>();
    ProgrammaMap = m_prog->path() + "/";
    m_hoofd = new mdiHoofd;
}

void TestRoundsWindows::cleanup()
{
    delete m_hoofd;
    m_hoofd = nullptr;
    m_fx.reset();
}

// Round 1: poule 1 with Jansen (1), Bakker (2), Visser (3); poule 2 with
// de Wit (4), Aalders (5). Round 2 made, one empty poule.
void TestRoundsWindows::buildTwoRounds(bool perRonde)
{
    auto& b = m_fx->builder();
    b.toernooi.aanpassenPerRonde = core::jaNee(perRonde);
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
    m_fx->load();
}

void TestRoundsWindows::newRound()
{
    m_fx->builder().setRound(1, 3);
    m_fx->load();
    platform::ScriptedMessages msgs;
    frmNieuweRonde d;
    QCOMPARE(d.Command1()->text(), QStringLiteral("Ronde  2 aanmaken"));
    QCOMPARE(d.Label2()->text(), QStringLiteral(" 1"));
    QCOMPARE(d.Label4()->text(), QStringLiteral(" 1"));
    QCOMPARE(d.Label6()->text(), QStringLiteral(" 2"));
    d.Command1()->click();
    QCOMPARE(core::RecordFile<PouleRec>::count(PadPoules()), 2);
    QCOMPARE(pouleRec(1).aantalPoules, qint16(3));
    QCOMPARE(pouleRec(2), (PouleRec{2, 1, 0, 0}));
    QCOMPARE(core::readToernooi(PadToernooi())->laatsteRonde, qint16(2));
    QCOMPARE(Toernooi.laatsteRonde, qint16(2));
    QCOMPARE(HuidigeRonde, qint16(2));
    QCOMPARE(AantalPoules, qint16(1));
    QCOMPARE(m_hoofd->StatusBar1()->panelText(4), QStringLiteral("U bent in toernooironde:  2"));
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Nieuwe ronde aangemaakt !\r\nU bevindt zich nu in ronde  2"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Gereed"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbInformation);
    QCOMPARE(d.result(), int(QDialog::Accepted));

    // Cancel writes nothing
    frmNieuweRonde c;
    QCOMPARE(c.Command1()->text(), QStringLiteral("Ronde  3 aanmaken"));
    c.Command2()->click();
    QCOMPARE(core::RecordFile<PouleRec>::count(PadPoules()), 2);
    QCOMPARE(HuidigeRonde, qint16(2));
}

void TestRoundsWindows::newRoundFromEarlierRound()
{
    m_fx->builder().setRound(3, 2);
    m_fx->load();
    HuidigeRonde = 1;
    platform::ScriptedMessages msgs;
    frmNieuweRonde d;
    QCOMPARE(d.Label4()->text(), QStringLiteral(" 1"));
    d.CreateNextRound();
    QCOMPARE(HuidigeRonde, qint16(4));
    QCOMPARE(core::RecordFile<PouleRec>::count(PadPoules()), 4);
    QCOMPARE(pouleRec(4), (PouleRec{4, 1, 0, 0}));
    QCOMPARE(pouleRec(3).aantalPoules, qint16(2));
}

void TestRoundsWindows::newRoundMissingPoulesFile()
{
    m_fx->load();
    QVERIFY(QFile::remove(PadPoules()));
    platform::ScriptedMessages msgs;
    frmNieuweRonde d;
    d.CreateNextRound();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, MissingFileMessage(FilePoules, CheckForm::Closing));
    QCOMPARE(core::readToernooi(PadToernooi())->laatsteRonde, qint16(1));
    QVERIFY(!QFile::exists(PadPoules()));
}

void TestRoundsWindows::switchRound()
{
    auto& b = m_fx->builder();
    b.addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
    b.setRound(1, 4);
    b.setRound(2, 2);
    m_fx->load();
    platform::ScriptedMessages msgs;
    frmGaNaarRonde d;
    d.show();
    QCOMPARE(d.Label2()->text(), QStringLiteral("2"));
    QCOMPARE(d.Combo1()->count(), 2);
    QCOMPARE(d.Combo1()->itemText(0), QStringLiteral(" 1"));
    QCOMPARE(d.Combo1()->itemText(1), QStringLiteral(" 2"));
    QCOMPARE(d.Combo1()->currentIndex(), -1);
    d.Command1()->click();   // nothing chosen
    QCOMPARE(msgs.boxes.size(), 0);
    QVERIFY(d.isVisible());

    d.Combo1()->setCurrentIndex(1);
    d.Command1()->click();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("U werkt al in de gekozen ronde !"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Let op!"));
    QVERIFY(d.isVisible());

    d.Combo1()->setCurrentIndex(0);
    d.Command1()->click();
    QCOMPARE(HuidigeRonde, qint16(1));
    QCOMPARE(AantalPoules, qint16(4));
    QCOMPARE(m_hoofd->StatusBar1()->panelText(4), QStringLiteral("U bent in toernooironde:  1"));
    QCOMPARE(msgs.boxes.size(), 2);
    QCOMPARE(msgs.boxes[1].prompt, QStringLiteral("U bevindt zich nu in ronde  1"));
    QCOMPARE(msgs.boxes[1].title, QStringLiteral("Gereed"));
    QVERIFY(!d.isVisible());
    QCOMPARE(core::readToernooi(PadToernooi())->laatsteRonde, qint16(2));
}

void TestRoundsWindows::switchRoundMissingPlayersFile()
{
    m_fx->builder().setRound(2, 1);
    m_fx->load();
    QVERIFY(QFile::remove(PadSpelers()));
    platform::ScriptedMessages msgs;
    frmGaNaarRonde d;
    d.Combo1()->setCurrentIndex(0);
    d.SwitchWorkingRound();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Spelersbestand niet gevonden !\r\nU heeft nog geen spelers aan het "
                                                  "toernooi gekoppeld,\r\nof het bestand is beschadigd (gebruik dan Restore)."));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbCritical);
    QCOMPARE(HuidigeRonde, qint16(2));
}

void TestRoundsWindows::manualOpensOnlyInLastRound()
{
    m_fx->builder().addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
    m_fx->load();
    platform::ScriptedMessages msgs;
    m_hoofd->toggleMenuWindow(QStringLiteral("mnuRondebeheerKoppelen"));
    QVERIFY(!m_hoofd->menuWindow(QStringLiteral("mnuRondebeheerKoppelen")));
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Voordat u spelers kunt doorkoppelen,\r\nmoet u een nieuwe ronde aanmaken !"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbExclamation);

    m_fx->builder().setRound(2, 1);
    m_fx->load();
    HuidigeRonde = 1;
    m_hoofd->toggleMenuWindow(QStringLiteral("mnuRondebeheerKoppelen"));
    QVERIFY(!m_hoofd->menuWindow(QStringLiteral("mnuRondebeheerKoppelen")));
    QCOMPARE(msgs.boxes.size(), 2);
    QCOMPARE(msgs.boxes[1].prompt, QStringLiteral("U kunt alleen vanuit de laatst aangemaakte ronde spelers doorkoppelen !"
                                                  "\r\nKies Menu Rondebeheer > Ga naar andere ronde."));

    // the automatic flag does not keep the manual carry-over away
    HuidigeRonde = 2;
    PouleRec p = pouleRec(2);
    p.automatischGekoppeld = core::Ja;
    core::RecordFile<PouleRec>::write(PadPoules(), 2, p);
    m_hoofd->toggleMenuWindow(QStringLiteral("mnuRondebeheerKoppelen"));
    QVERIFY(qobject_cast<frmDoorkoppelen*>(m_hoofd->menuWindow(QStringLiteral("mnuRondebeheerKoppelen"))));
    QVERIFY(!m_hoofd->menuItem(QStringLiteral("mnuRondebeheerRandom"))->isEnabled());
    QVERIFY(!m_hoofd->menuItem(QStringLiteral("mnuRondebeheerNieuw"))->isEnabled());
    QVERIFY(!m_hoofd->menuItem(QStringLiteral("mnuRondebeheerGanaar"))->isEnabled());
    QVERIFY(m_hoofd->menuItem(QStringLiteral("mnuRondebeheerKoppelen"))->isChecked());
    m_hoofd->toggleMenuWindow(QStringLiteral("mnuRondebeheerKoppelen"));
    QTRY_VERIFY(!m_hoofd->menuWindow(QStringLiteral("mnuRondebeheerKoppelen")));
    QVERIFY(m_hoofd->menuItem(QStringLiteral("mnuRondebeheerNieuw"))->isEnabled());
}

void TestRoundsWindows::manualLoad()
{
    buildTwoRounds(true);
    frmDoorkoppelen w;
    QCOMPARE(w.VorigeRonde(), qint16(1));
    QCOMPARE(w.NieuweRonde(), qint16(2));
    QCOMPARE(w.Combo1()->count(), 2);
    QCOMPARE(w.Combo1()->itemText(1), QStringLiteral(" 2"));
    QCOMPARE(w.Combo1()->currentIndex(), -1);
    QCOMPARE(w.Combo2()->count(), 1);
    QVERIFY(w.Command1(1)->isEnabled());
    QVERIFY(!w.Command1(0)->isEnabled());
    QVERIFY(!w.Command5(1)->isEnabled());
    QVERIFY(!w.Command5(0)->isEnabled());
    QCOMPARE(w.LinkerPouleLabel()->text(), QStringLiteral(" 1"));
    QCOMPARE(column(w.ListView1(), 1), (QStringList{"Bakker", "Jansen", "visser"}));
    QCOMPARE(column(w.ListView1(), 0), (QStringList{"00002", "00001", "00003"}));
    QCOMPARE(column(w.ListView1(), 4), (QStringList{"2.00", "1.00", "1.50"}));
    QCOMPARE(w.ListView2()->topLevelItemCount(), 0);
    QCOMPARE(w.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral(" Spelers en poules uit ronde   1"));
}

void TestRoundsWindows::manualCarryAdjusted()
{
    buildTwoRounds(true);
    platform::ScriptedMessages msgs;
    frmDoorkoppelen w;
    check(w.ListView1(), "00001");   // Jansen, 30 in 25 innings
    check(w.ListView1(), "00003");   // visser, no games
    w.Command2()->click();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Speler(s) doorgekoppeld !"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Gereed"));
    const auto s = players();
    QCOMPARE(int(s.size()), 7);
    // in the list's order: Jansen before visser
    const SpelerRec& j = s[5];
    QCOMPARE(j.nummer, 1);
    QCOMPARE(j.naam, QStringLiteral("Jansen"));
    QCOMPARE(j.voorletters, QStringLiteral("P."));
    QCOMPARE(j.ronde, qint16(2));
    QCOMPARE(j.poule, qint16(1));
    QCOMPARE(j.moyenne.raw, qint64(12000));
    QCOMPARE(j.teMakenCar, qint16(29));
    QCOMPARE(j.aangepastTeMakenCar, qint16(0));
    QCOMPARE(j.aangepasteMoyenne.raw, qint64(0));
    QCOMPARE(s[6].nummer, 3);
    QCOMPARE(s[6].moyenne.raw, qint64(5000));
    QCOMPARE(s[6].teMakenCar, qint16(15));
    QCOMPARE(pouleRec(2), (PouleRec{2, 1, 0, -1}));
    QCOMPARE(column(w.ListView1(), 1), (QStringList{"Bakker"}));
    QCOMPARE(column(w.ListView2(), 1), (QStringList{"Jansen", "visser"}));
    QCOMPARE(column(w.ListView2(), 3), (QStringList{"29", "15"}));
    QCOMPARE(column(w.ListView2(), 4), (QStringList{"1.20", "0.50"}));
    // a new window still hides them
    frmDoorkoppelen w2;
    QCOMPARE(column(w2.ListView1(), 1), (QStringList{"Bakker"}));
    QCOMPARE(Speler.nummer, 3);
}

void TestRoundsWindows::manualCarryWithoutAdjustment()
{
    auto& b = m_fx->builder();
    b.addPlayer(7, "Smit", "G.", 1, 1, fx(1.0), 25).aangepasteMoyenne = fx(1.4567);
    b.spelers.back().aangepastTeMakenCar = 34;
    b.addPlayer(8, "Bos", "D.", 1, 1, fx(1.1), 27);
    b.addGame(1, 1, 7, 60, 10, 9, 8, 10, 10, 2);
    b.toernooi.aanpassenPerRonde = core::Ja;
    b.toernooi.carMethode = 2;   // free entry: never adjusted
    b.setRound(2, 1);
    m_fx->load();
    platform::ScriptedMessages msgs;
    frmDoorkoppelen w;
    QCOMPARE(column(w.ListView1(), 3), (QStringList{"27", "34"}));
    QCOMPARE(column(w.ListView1(), 4), (QStringList{"1.10", "1.45"}));
    check(w.ListView1(), "00007");
    w.CarryOverChecked();
    const auto s = players();
    QCOMPARE(s.back().nummer, 7);
    QCOMPARE(s.back().teMakenCar, qint16(34));
    QCOMPARE(s.back().moyenne.raw, qint64(14567));
    QCOMPARE(s.back().aangepasteMoyenne.raw, qint64(0));
}

void TestRoundsWindows::manualNothingChecked()
{
    buildTwoRounds(true);
    platform::ScriptedMessages msgs;
    frmDoorkoppelen w;
    check(w.ListView1(), "00001");
    w.Command4()->click();   // "Clear selectie"
    w.Command2()->click();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("U moet één of meerdere spelers selecteren in de linker lijst !"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbExclamation);
    QCOMPARE(int(players().size()), 5);
    QCOMPARE(pouleRec(2).handmatigGekoppeld, qint16(0));
    // an empty left list only beeps
    w.Combo1()->setCurrentIndex(1);
    w.Combo1_Click();
    check(w.ListView1(), "00004");
    check(w.ListView1(), "00005");
    w.CarryOverChecked();
    QCOMPARE(int(players().size()), 7);
    QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
    w.CarryOverChecked();
    QCOMPARE(msgs.beeps, 1);
}

void TestRoundsWindows::manualNewPoule()
{
    buildTwoRounds(true);
    platform::ScriptedMessages msgs;
    frmDoorkoppelen w;
    w.Command6()->click();
    QCOMPARE(pouleRec(2), (PouleRec{2, 2, 0, -1}));
    QCOMPARE(AantalPoules, qint16(2));
    QCOMPARE(w.RechterPoule(), qint16(2));
    QCOMPARE(w.RechterPouleLabel()->text(), QStringLiteral(" 2"));
    QCOMPARE(w.Combo2()->count(), 2);
    QCOMPARE(w.Combo2()->itemText(1), QStringLiteral(" 2"));
    QCOMPARE(w.Combo2()->currentIndex(), -1);
    QVERIFY(w.Command5(0)->isEnabled());
    QVERIFY(!w.Command5(1)->isEnabled());
    QCOMPARE(msgs.boxes.size(), 0);
    // players now go into poule 2
    check(w.ListView1(), "00002");
    w.CarryOverChecked();
    QCOMPARE(players().back().poule, qint16(2));
    QCOMPARE(column(w.ListView2(), 1), (QStringList{"Bakker"}));
    w.Command5(0)->click();
    QCOMPARE(w.RechterPouleLabel()->text(), QStringLiteral("1"));
    QCOMPARE(w.ListView2()->topLevelItemCount(), 0);
    QVERIFY(!w.Command5(0)->isEnabled());
    QVERIFY(w.Command5(1)->isEnabled());
}

void TestRoundsWindows::manualNavigationAndSorting()
{
    buildTwoRounds(true);
    platform::ScriptedMessages msgs;
    frmDoorkoppelen w;
    w.Combo1()->setCurrentIndex(0);
    w.Command1(1)->click();
    QCOMPARE(w.LinkerPoule(), qint16(2));
    QCOMPARE(w.LinkerPouleLabel()->text(), QStringLiteral("2"));   // plain after a step
    QCOMPARE(w.Combo1()->currentIndex(), -1);
    QVERIFY(!w.Command1(1)->isEnabled());
    QVERIFY(w.Command1(0)->isEnabled());
    QCOMPARE(column(w.ListView1(), 1), (QStringList{"Aalders", "de Wit"}));
    w.ListView1_ColumnClick(0);
    QCOMPARE(column(w.ListView1(), 0), (QStringList{"00004", "00005"}));
    w.ListView1_ColumnClick(4);   // "Moy oud": no change
    QCOMPARE(column(w.ListView1(), 0), (QStringList{"00004", "00005"}));
    w.ListView1_ColumnClick(2);
    QCOMPARE(column(w.ListView1(), 0), (QStringList{"00004", "00005"}));
    w.ListView1_ColumnClick(1);
    QCOMPARE(column(w.ListView1(), 0), (QStringList{"00005", "00004"}));
    w.Command1(0)->click();
    QCOMPARE(w.LinkerPouleLabel()->text(), QStringLiteral("1"));
    QVERIFY(!w.Command1(0)->isEnabled());
    QCOMPARE(msgs.boxes.size(), 0);
}

void TestRoundsWindows::helpText()
{
    buildTwoRounds(true);
    frmDoorkoppelen w;
    QString shown;
    QTimer::singleShot(0, [&] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            if (auto* h = qobject_cast<frmHelp*>(m))
                shown = h->Label1()->text();
            m->close();
        }
    });
    HelpGroot = true;
    w.Command3_Click(2);
    QCOMPARE(MeldingTekst, QStringLiteral("Met deze knop maakt u een nieuwe poule aan in de volgende ronde."));
    QCOMPARE(HelpGroot, false);
    QCOMPARE(shown, MeldingTekst);
}

QTEST_MAIN(TestRoundsWindows)
#include "test_rounds_windows.moc"

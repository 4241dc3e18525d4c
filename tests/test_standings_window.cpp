// The standings window over a small tournament: poule choice, carousel,
// zoom file, modes and the print key.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "core/standview.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "standings/frmStand.h"
#include "standings/modStand.h"
#include "standings/menus.h"
#include "standings/standlist.h"
#include "support/core/bytes_text.h"
#include "support/tournamentfixture.h"
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace core;
using namespace modStootplanner;
using platform::ScriptedMessages;

namespace {

// Poule 1: Bakker, Visser, Jansen end level on points; moyenne decides.
// Poules 2 and 3 have two players, poule 4 none.
void buildTournament(testsupport::TournamentFixture& fx, int poules = 4)
{
    auto& b = fx.builder();
    const Fixed moy1 = Fixed::fromInt(1);   // target 25
    b.addPlayer(1, QStringLiteral("Jansen"), QStringLiteral("P."), 1, 1, moy1);
    b.addPlayer(2, QStringLiteral("Bakker"), QStringLiteral("K."), 1, 1, moy1);
    b.addPlayer(3, QStringLiteral("Visser"), QStringLiteral("W."), 1, 1, moy1);
    b.addGame(1, 1, 1, 25, 20, 6, 2, 18, 20, 7);
    b.addGame(1, 1, 3, 25, 25, 7, 1, 10, 25, 3);
    b.addGame(1, 1, 2, 25, 30, 5, 3, 20, 30, 4);
    if (poules >= 2) {
        b.addPlayer(4, QStringLiteral("Smit"), QStringLiteral("G."), 1, 2, moy1);
        b.addPlayer(5, QStringLiteral("Bos"), QStringLiteral("D."), 1, 2, moy1);
        b.addGame(1, 2, 4, 25, 10, 9, 5, 12, 10, 3);
    }
    if (poules >= 3) {
        b.addPlayer(6, QStringLiteral("Vos"), QStringLiteral("S."), 1, 3, moy1);
        b.addPlayer(7, QStringLiteral("Mulder"), QStringLiteral("T."), 1, 3, moy1);
    }
    b.setRound(1, qint16(poules));
    fx.load();
}

QString firstName(const frmStand& w)
{
    return w.ListView1()->topLevelItemCount() ? w.ListView1()->topLevelItem(0)->text(1) : QString();
}

QByteArray zoomBytes()
{
    QFile f(ToernooiMap + QStringLiteral("Hulp_size.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestStandingsWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensOnPouleOne();
    void previousAndNext();
    void pouleChoiceFromList();
    void pouleChoiceWithMissingPlayersFile();
    void matchPointMode();
    void threeDecimalsTruncated();
    void carouselSequenceAndStop();
    void carouselSpeed();
    void onePouleDisablesCarousel();
    void zoomFileCreatedAndReread();
    void zoomFileUnreadableTakenAsZero();
    void printKey();
    void openedFromTheMainWindow();

private:
    QTemporaryDir* m_prog = nullptr;
};

void TestStandingsWindow::init()
{
    QLocale::setDefault(QLocale::c());
    m_prog = new QTemporaryDir;
}

void TestStandingsWindow::cleanup()
{
    delete m_prog;
}

void TestStandingsWindow::opensOnPouleOne()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    modStand::MatchpuntenModus = true;   // the window starts in normal mode
    ScriptedMessages msgs;
    frmStand w;
    QCOMPARE(msgs.boxes.size(), 0);
    QCOMPARE(w.Label6(0)->text(), QStringLiteral("Test toernooi"));
    QCOMPARE(w.Label8()->text(), QStringLiteral(" 1"));
    QCOMPARE(w.Label9()->text(), QStringLiteral("1"));   // set by the poule choice at opening
    QCOMPARE(w.HuidigePoule, qint16(1));
    QVERIFY(!modStand::MatchpuntenModus);
    QCOMPARE(w.Combo1()->count(), 4);
    QCOMPARE(w.Combo1()->itemText(3), QStringLiteral(" 4"));
    QCOMPARE(w.Combo2()->currentIndex(), 0);
    QVERIFY(!w.Command1(0)->isEnabled());
    QVERIFY(w.Command1(1)->isEnabled());
    QVERIFY(!w.Command2()->isEnabled());
    QVERIFY(w.Command3()->isEnabled());
    QCOMPARE(w.Label2()->text(), QStringLiteral("9"));   // plain until a speed key writes it
    QCOMPARE(w.Timer1()->interval(), 9000);
    QVERIFY(!w.Timer1()->isActive());

    QTreeWidget* l = w.ListView1();
    QCOMPARE(l->topLevelItemCount(), 3);
    QCOMPARE(l->headerItem()->text(4), QStringLiteral("Pnt"));
    // equal points: Bakker 43/50, Visser 45/55, Jansen 35/45
    QStringList order;
    for (int i = 0; i < 3; ++i)
        order << l->topLevelItem(i)->text(0) + QLatin1Char(' ') + l->topLevelItem(i)->text(1);
    QCOMPARE(order, (QStringList{"1 Bakker", "2 Visser", "3 Jansen"}));
    QStringList bakker;
    for (int c = 0; c < 15; ++c)
        bakker << l->topLevelItem(0)->text(c);
    QCOMPARE(bakker, (QStringList{"1", "Bakker", "K.", "2", "2", "43", "50", "0.86", "7", "0.83", "86.00", "86.00",
                                  "1", "0", "1"}));
    // Bakker and Visser both ran 7: the better-placed one is named
    QCOMPARE(w.Label4()->text(), QStringLiteral("Bakker, K."));
    QCOMPARE(w.Label5()->text(), QStringLiteral(" 7"));
    QCOMPARE(l->font().family(), QStringLiteral("Arial"));
    QVERIFY(l->font().bold());
}

void TestStandingsWindow::previousAndNext()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    ScriptedMessages msgs;
    frmStand w;
    w.Command1_Click(1);
    QCOMPARE(w.HuidigePoule, qint16(2));
    QCOMPARE(w.Label1()->text(), QStringLiteral(" 2"));
    QCOMPARE(w.Label9()->text(), QStringLiteral(" 2"));
    QCOMPARE(w.Combo1()->currentIndex(), -1);
    QCOMPARE(firstName(w), QStringLiteral("Smit"));
    QVERIFY(w.Command1(0)->isEnabled());
    w.Command1_Click(1);
    w.Command1_Click(1);
    QCOMPARE(w.HuidigePoule, qint16(4));
    QVERIFY(!w.Command1(1)->isEnabled());
    for (int i = 0; i < 3; ++i)
        w.Command1_Click(0);
    QVERIFY(!w.Command1(0)->isEnabled());
    QVERIFY(w.Command1(1)->isEnabled());
    QCOMPARE(firstName(w), QStringLiteral("Bakker"));
    QCOMPARE(msgs.boxes.size(), 0);
}

void TestStandingsWindow::pouleChoiceFromList()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    frmStand w;
    w.Combo1()->setCurrentIndex(2);
    w.Combo1_Click();
    QCOMPARE(w.HuidigePoule, qint16(3));
    QCOMPARE(w.Label9()->text(), QStringLiteral("3"));   // plain digits from the list
    QVERIFY(w.Command1(0)->isEnabled());
    QVERIFY(w.Command1(1)->isEnabled());
    QCOMPARE(w.ListView1()->topLevelItemCount(), 2);
    QCOMPARE(firstName(w), QStringLiteral("Vos"));   // no games: file order
    QVERIFY(w.Label4()->text().isEmpty());            // nobody ran above 0
    QCOMPARE(w.Label5()->text(), QStringLiteral(" 0"));
}

void TestStandingsWindow::pouleChoiceWithMissingPlayersFile()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    ScriptedMessages msgs;
    frmStand w;
    QVERIFY(QFile::remove(PadSpelers()));
    w.Combo1()->setCurrentIndex(1);
    w.Combo1_Click();
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith(QStringLiteral("Spelersbestand niet gevonden !")));
    QCOMPARE(w.HuidigePoule, qint16(1));
    QCOMPARE(firstName(w), QStringLiteral("Bakker"));
}

void TestStandingsWindow::matchPointMode()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    frmStand w;
    w.Command1_Click(1);   // poule 2: Smit won his only game
    w.Option1_Click(1);
    QVERIFY(modStand::MatchpuntenModus);
    QCOMPARE(w.ListView1()->headerItem()->text(4), QStringLiteral("MP"));
    // point system 1 with 2 for a win and no extra point: 2 / (1 x 2) x 100
    QCOMPARE(w.ListView1()->topLevelItem(0)->text(4), QStringLiteral("100"));
    QCOMPARE(w.ListView1()->topLevelItem(1)->text(4), QStringLiteral("0"));
    QCOMPARE(w.HuidigePoule, qint16(2));
    w.Option1_Click(0);
    QVERIFY(!modStand::MatchpuntenModus);
    QCOMPARE(w.ListView1()->headerItem()->text(4), QStringLiteral("Pnt"));
    QCOMPARE(w.ListView1()->topLevelItem(0)->text(4), QStringLiteral("2"));
}

void TestStandingsWindow::threeDecimalsTruncated()
{
    testsupport::TournamentFixture fx;
    fx.builder().toernooi.aantalDecimalen = 3;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    frmStand w;
    // Visser: 45 / 55 = 0.81818 stored 0.8182, shown 0.818; Jansen 35 / 45 = 0.7778 -> 0.777
    QCOMPARE(w.ListView1()->topLevelItem(1)->text(7), QStringLiteral("0.818"));
    QCOMPARE(w.ListView1()->topLevelItem(2)->text(7), QStringLiteral("0.777"));
}

void TestStandingsWindow::carouselSequenceAndStop()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    MeldingTitel = QStringLiteral("Let op!");
    ScriptedMessages msgs;
    frmStand w;
    w.Command1_Click(1);   // poule 2 shown before the start
    // an equal range is refused
    w.Combo2()->setCurrentIndex(1);
    w.Combo3()->setCurrentIndex(1);
    w.Command3_Click();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Eindpoule moet groter zijn dan Startpoule!"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbExclamation);
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Let op!"));
    QVERIFY(!w.Timer1()->isActive());
    QVERIFY(w.FrameNaarPoule()->isEnabled());
    QVERIFY(!w.Command2()->isEnabled());

    w.Combo3()->setCurrentIndex(3);
    w.Command3_Click();
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(w.Timer1()->isActive());
    QCOMPARE(w.Label9()->text(), QStringLiteral(" 2"));
    QCOMPARE(w.Combo1()->currentIndex(), -1);
    QVERIFY(!w.Combo2()->isEnabled());
    QVERIFY(!w.Combo3()->isEnabled());
    QVERIFY(!w.Command3()->isEnabled());
    QVERIFY(!w.FrameNaarPoule()->isEnabled());
    QVERIFY(!w.FrameModus()->isEnabled());
    QVERIFY(w.Command2()->isEnabled());
    QList<int> shown;
    QStringList labels;
    for (int i = 0; i < 5; ++i) {
        w.Timer1_Timer();
        shown << w.HuidigePoule;
        labels << w.Label9()->text();
    }
    QCOMPARE(shown, (QList<int>{2, 3, 4, 2, 3}));
    QCOMPARE(labels, (QStringList{" 2", " 3", " 4", " 2", " 3"}));
    QCOMPARE(firstName(w), QStringLiteral("Vos"));

    w.Command2_Click();
    QVERIFY(!w.Timer1()->isActive());
    QCOMPARE(w.HuidigePoule, qint16(1));
    QCOMPARE(w.Label1()->text(), QStringLiteral("1"));
    QCOMPARE(firstName(w), QStringLiteral("Bakker"));
    QVERIFY(!w.Command1(0)->isEnabled());
    QVERIFY(w.Command1(1)->isEnabled());
    QVERIFY(w.Command3()->isEnabled());
    QVERIFY(!w.Command2()->isEnabled());
    QVERIFY(w.FrameNaarPoule()->isEnabled());
    QVERIFY(w.Combo2()->isEnabled());
}

void TestStandingsWindow::carouselSpeed()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    frmStand w;
    w.Command5_Click();
    QCOMPARE(w.CarrouselSeconden, qint16(10));
    QCOMPARE(w.Timer1()->interval(), 10000);
    QVERIFY(!w.Command5()->isEnabled());
    for (int i = 0; i < 9; ++i)
        w.Command4_Click();
    QCOMPARE(w.CarrouselSeconden, qint16(1));
    QCOMPARE(w.Timer1()->interval(), 1000);
    QCOMPARE(w.Label2()->text(), QStringLiteral(" 1"));
    QVERIFY(!w.Command4()->isEnabled());
    QVERIFY(w.Command5()->isEnabled());
}

void TestStandingsWindow::onePouleDisablesCarousel()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx, 1);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    frmStand w;
    QVERIFY(!w.FrameCarrousel()->isEnabled());
    QVERIFY(!w.Command1(1)->isEnabled());
    QVERIFY(!w.Command1(0)->isEnabled());
    w.Option2_Click(3);
    QCOMPARE(w.ListView1()->font().pointSize(), 20);
    w.Option1_Click(1);
    QCOMPARE(w.ListView1()->headerItem()->text(4), QStringLiteral("MP"));
}

void TestStandingsWindow::zoomFileCreatedAndReread()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    QVERIFY(!QFile::exists(ToernooiMap + QStringLiteral("Hulp_size.dat")));
    {
        frmStand w;
        QCOMPARE(testsupport::hex(zoomBytes()), testsupport::hex(QByteArray(" 0 \r\n")));
        QVERIFY(w.Option2(0)->isChecked());
        QCOMPARE(w.ListView1()->columnWidth(8), modStand::Px(700));   // the opening width of HS
        QCOMPARE(w.ListView1()->font().pointSizeF(), 8.25);
        w.Option2_Click(2);
        QCOMPARE(testsupport::hex(zoomBytes()), testsupport::hex(QByteArray("\x20\x32\x20\x0d\x0a")));
        QCOMPARE(w.ZoomKeuze, 2);
    }
    frmStand w2;
    QVERIFY(w2.Option2(2)->isChecked());
    QCOMPARE(w2.ZoomKeuze, 2);
    QCOMPARE(w2.ListView1()->font().pointSize(), 16);
    QVERIFY(w2.ListView1()->font().bold());
    QCOMPARE(w2.ListView1()->columnWidth(2), modStand::Px(650));   // VL at 16 pt
    QCOMPARE(w2.ListView1()->columnWidth(9), modStand::Px(1350));  // P.moy at 16 pt
    QCOMPARE(testsupport::hex(zoomBytes()), testsupport::hex(QByteArray(" 2 \r\n")));
    // rows are not refilled by a zoom
    QCOMPARE(w2.ListView1()->topLevelItemCount(), 3);
}

void TestStandingsWindow::zoomFileUnreadableTakenAsZero()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    {
        QFile f(ToernooiMap + QStringLiteral("Hulp_size.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("groot\r\n");
    }
    frmStand w;
    QVERIFY(w.Option2(0)->isChecked());
    QCOMPARE(w.ListView1()->font().pointSize(), 8);
    QCOMPARE(w.ListView1()->columnWidth(8), modStand::Px(800));   // the 8-pt width of HS
    QCOMPARE(testsupport::hex(zoomBytes()), testsupport::hex(QByteArray(" 0 \r\n")));
}

void TestStandingsWindow::printKey()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog(true);
    platform::ScopedRecordingPrinter printer;
    frmStand w;
    w.Combo1()->setCurrentIndex(3);
    w.Combo1_Click();
    QCOMPARE(w.ListView1()->topLevelItemCount(), 0);   // poule without players
    QVERIFY(w.Label4()->text().isEmpty());
    w.Toolbar1_ButtonClick(QStringLiteral("But03"));   // empty list: only a beep
    QCOMPARE(msgs.beeps, 1);
    QCOMPARE(dialog.shown, 0);
    QVERIFY(printer.rec.ops.isEmpty());

    w.Command1_Click(0);   // poule 3
    w.Option2_Click(3);    // the zoom does not change the print
    w.Toolbar1_ButtonClick(QStringLiteral("But03"));
    QCOMPARE(dialog.shown, 1);
    QVERIFY(printer.rec.findText(QStringLiteral("Mulder")));
    QCOMPARE(printer.rec.findText(QStringLiteral("Vos"))->fontSize, 12.0);
    QCOMPARE(MeldingTekst, QStringLiteral("Stand in ronde  1 en in poule  3"));
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Stand wordt uitgeprint"));
}

void TestStandingsWindow::openedFromTheMainWindow()
{
    testsupport::TournamentFixture fx;
    buildTournament(fx);
    ProgrammaMap = m_prog->path() + QLatin1Char('/');
    MeldingTitel = QStringLiteral("Let op!");
    QVERIFY(QFile::remove(PadUitslag()));
    ScriptedMessages msgs;
    mdiHoofd h(nullptr, false);
    registerStandingsMenus(h);
    h.resize(1400, 900);
    h.show();
    // the standings do without results; the winners list needs them
    h.toolbarKey(QStringLiteral("But09"))->trigger();
    QCOMPARE(msgs.boxes.size(), 0);
    auto* w = qobject_cast<frmStand*>(h.menuWindow(QStringLiteral("mnuOverzichtenStand")));
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->pos(), QPoint(0, 0));
    QVERIFY(h.menuItem(QStringLiteral("mnuOverzichtenStand"))->isChecked());
    QVERIFY(!h.menuItem(QStringLiteral("mnuOverzichtenWinnaars"))->isEnabled());
    w->Toolbar1_ButtonClick(QStringLiteral("But02"));
    QTRY_VERIFY(!h.menuWindow(QStringLiteral("mnuOverzichtenStand")));
    QVERIFY(!h.toolbarKey(QStringLiteral("But09"))->isChecked());
    QVERIFY(h.menuItem(QStringLiteral("mnuOverzichtenWinnaars"))->isEnabled());
    h.menuItem(QStringLiteral("mnuOverzichtenWinnaars"))->trigger();
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith(QStringLiteral("Uitslagenbestand niet gevonden !")));
    QVERIFY(!h.menuWindow(QStringLiteral("mnuOverzichtenWinnaars")));
}

QTEST_MAIN(TestStandingsWindow)
#include "test_standings_window.moc"

// The standings window over a small tournament: poule choice, carousel,
// zoom file, modes and the print key.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "standings/frmHTML.h"
#include "standings/frmStand.h"
#include "standings/menus.h"
#include "standings/modStand.h"
#include "standings/standlist.h"
#include "support/standings_fixture.h"
#include "support/tournamentfixture.h"
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace core;
using namespace modStootplanner;
using platform::ScriptedMessages;
using standtest::rowTexts;
using standtest::shown;

namespace {

QString firstName(const frmStand& w)
{
    return w.ListView1()->topLevelItemCount() ? w.ListView1()->topLevelItem(0)->text(1) : QString();
}

// The enabled keys, named in this order: prev next van tot start naar modus stop.
QString enabledKeys(const frmStand& w)
{
    const std::pair<const char*, QWidget*> keys[] = {
        {"prev", w.Command1(0)}, {"next", w.Command1(1)}, {"van", w.Combo2()},         {"tot", w.Combo3()},
        {"start", w.Command3()}, {"naar", w.FrameNaarPoule()}, {"modus", w.FrameModus()}, {"stop", w.Command2()}};
    QStringList on;
    for (const auto& [name, widget] : keys)
        if (widget->isEnabled())
            on << QLatin1String(name);
    return on.join(QLatin1Char(' '));
}

const QString AllButPrev = QStringLiteral("next van tot start naar modus");

QString zoomPath() { return ToernooiMap + QStringLiteral("Hulp_size.dat"); }

QByteArray zoomBytes()
{
    QFile f(zoomPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestStandingsWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_prog;
    std::unique_ptr<testsupport::TournamentFixture> m_fx;

    // Poule 1: Bakker, Visser, Jansen end level on points; moyenne decides.
    // Poules 2 and 3 have two players (3 without games), poule 4 none.
    void load(int poules = 4)
    {
        m_fx = std::make_unique<testsupport::TournamentFixture>();
        auto& b = m_fx->builder();
        const char* namen[] = {"Jansen", "Bakker", "Visser", "Smit", "Bos", "Vos", "Mulder"};
        const char* vl[] = {"P.", "K.", "W.", "G.", "D.", "S.", "T."};
        const int poule[] = {1, 1, 1, 2, 2, 3, 3};
        for (int i = 0; i < 7; ++i)
            if (poule[i] <= poules)   // moyenne 1: target 25
                b.addPlayer(i + 1, QLatin1String(namen[i]), QLatin1String(vl[i]), 1, qint16(poule[i]),
                            Fixed::fromInt(1));
        b.addGame(1, 1, 1, 25, 20, 6, 2, 18, 20, 7);
        b.addGame(1, 1, 3, 25, 25, 7, 1, 10, 25, 3);
        b.addGame(1, 1, 2, 25, 30, 5, 3, 20, 30, 4);
        if (poules >= 2)
            b.addGame(1, 2, 4, 25, 10, 9, 5, 12, 10, 3);
        b.setRound(1, qint16(poules));
        m_fx->load();
        ProgrammaMap = m_prog.path() + QLatin1Char('/');
        MeldingTitel = QStringLiteral("Let op!");
    }

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { m_fx.reset(); }

    void opensOnPouleOne()
    {
        load();
        modStand::MatchpuntenModus = true;   // the window starts in normal mode
        ScriptedMessages msgs;
        frmStand w;
        QCOMPARE(msgs.boxes.size(), 0);
        QVERIFY(!modStand::MatchpuntenModus);
        QCOMPARE(w.Label6(0)->text(), QStringLiteral("Test toernooi"));
        QCOMPARE(w.Label8()->text() + '|' + w.Label9()->text(), QStringLiteral(" 1|1"));   // round, poule
        QCOMPARE(w.Combo1()->count(), 4);
        QCOMPARE(w.Combo1()->itemText(3), QStringLiteral(" 4"));
        QCOMPARE(enabledKeys(w), AllButPrev);
        QCOMPARE(w.Label2()->text(), QStringLiteral("9"));   // 9 seconds, plain until a speed key writes it
        QVERIFY(!w.Timer1()->isActive());

        QTreeWidget* l = w.ListView1();
        QCOMPARE(l->headerItem()->text(4), QStringLiteral("Pnt"));
        // equal points: Bakker 43/50, Visser 45/55, Jansen 35/45
        QCOMPARE(l->topLevelItemCount(), 3);
        QCOMPARE(rowTexts(l, 0), (QStringList{"1", "Bakker", "K.", "2", "2", "43", "50", "0.86", "7", "0.83", "86.00",
                                              "86.00", "1", "0", "1"}));
        QCOMPARE(rowTexts(l, 1).mid(0, 2) + rowTexts(l, 2).mid(0, 2), (QStringList{"2", "Visser", "3", "Jansen"}));
        // Bakker and Visser both ran 7: the better-placed one is named
        QCOMPARE(w.Label4()->text() + '|' + w.Label5()->text(), QStringLiteral("Bakker, K.| 7"));
    }

    void pouleNavigation()
    {
        load();
        ScriptedMessages msgs;
        frmStand w;
        w.Command1_Click(1);
        QCOMPARE(w.HuidigePoule, qint16(2));
        QCOMPARE(w.Label1()->text() + '|' + w.Label9()->text(), QStringLiteral(" 2| 2"));
        QCOMPARE(w.Combo1()->currentIndex(), -1);
        QCOMPARE(firstName(w), QStringLiteral("Smit"));
        QCOMPARE(enabledKeys(w), "prev " + AllButPrev);
        w.Command1_Click(1);
        w.Command1_Click(1);
        QCOMPARE(w.HuidigePoule, qint16(4));
        QCOMPARE(enabledKeys(w), QStringLiteral("prev van tot start naar modus"));
        for (int i = 0; i < 3; ++i)
            w.Command1_Click(0);
        QCOMPARE(enabledKeys(w), AllButPrev);
        QCOMPARE(firstName(w), QStringLiteral("Bakker"));

        // from the list: plain digits; no games keeps file order; nobody ran above 0
        w.Combo1()->setCurrentIndex(2);
        w.Combo1_Click();
        QCOMPARE(w.HuidigePoule, qint16(3));
        QCOMPARE(w.Label9()->text(), QStringLiteral("3"));
        QCOMPARE(enabledKeys(w), "prev " + AllButPrev);
        QCOMPARE(firstName(w), QStringLiteral("Vos"));
        QCOMPARE(w.Label4()->text() + '|' + w.Label5()->text(), QStringLiteral("| 0"));
        QCOMPARE(msgs.boxes.size(), 0);

        QVERIFY(QFile::remove(PadSpelers()));   // a missing players file: reported, the poule stays
        w.Combo1()->setCurrentIndex(1);
        w.Combo1_Click();
        QCOMPARE(msgs.boxes.size(), 1);
        QVERIFY(msgs.boxes[0].prompt.startsWith(QStringLiteral("Spelersbestand niet gevonden !")));
        QCOMPARE(w.HuidigePoule, qint16(3));
        QCOMPARE(firstName(w), QStringLiteral("Vos"));
    }

    void matchPointMode()
    {
        load();
        frmStand w;
        w.Command1_Click(1);   // poule 2: Smit won his only game
        w.Option1_Click(1);
        QVERIFY(modStand::MatchpuntenModus);
        QCOMPARE(w.HuidigePoule, qint16(2));
        const QTreeWidget* l = w.ListView1();
        // point system 1 with 2 for a win and no extra point: 2 / (1 x 2) x 100
        QCOMPARE(l->headerItem()->text(4) + '|' + l->topLevelItem(0)->text(4) + '|' + l->topLevelItem(1)->text(4),
                 QStringLiteral("MP|100|0"));
        w.Option1_Click(0);
        QVERIFY(!modStand::MatchpuntenModus);
        QCOMPARE(l->headerItem()->text(4) + '|' + l->topLevelItem(0)->text(4), QStringLiteral("Pnt|2"));
    }

    void carouselSequenceAndStop()
    {
        load();
        ScriptedMessages msgs;
        frmStand w;
        w.Command1_Click(1);   // poule 2 shown before the start
        w.Combo2()->setCurrentIndex(1);
        w.Combo3()->setCurrentIndex(1);
        w.Command3_Click();   // an equal range is refused
        QCOMPARE(shown(msgs), QStringList{"Let op!|!|Eindpoule moet groter zijn dan Startpoule!"});
        QVERIFY(!w.Timer1()->isActive());
        QCOMPARE(enabledKeys(w), "prev " + AllButPrev);

        w.Combo3()->setCurrentIndex(3);   // 2 to 4
        w.Command3_Click();
        QCOMPARE(msgs.boxes.size(), 1);
        QVERIFY(w.Timer1()->isActive());
        QCOMPARE(w.Combo1()->currentIndex(), -1);
        QCOMPARE(enabledKeys(w), QStringLiteral("stop"));
        QStringList shown;
        for (int i = 0; i < 5; ++i) {
            w.Timer1_Timer();
            shown << QString::number(w.HuidigePoule) + ':' + w.Label9()->text();
        }
        QCOMPARE(shown, (QStringList{"2: 2", "3: 3", "4: 4", "2: 2", "3: 3"}));
        QCOMPARE(firstName(w), QStringLiteral("Vos"));

        w.Command2_Click();   // Stop: back to poule 1
        QVERIFY(!w.Timer1()->isActive());
        QCOMPARE(w.HuidigePoule, qint16(1));
        QCOMPARE(w.Label1()->text(), QStringLiteral("1"));
        QCOMPARE(firstName(w), QStringLiteral("Bakker"));
        QCOMPARE(enabledKeys(w), AllButPrev);
    }

    void carouselSpeed()
    {
        load();
        frmStand w;
        w.Command5_Click();
        QCOMPARE(w.Timer1()->interval(), 10000);
        QVERIFY(!w.Command5()->isEnabled());
        for (int i = 0; i < 9; ++i)
            w.Command4_Click();
        QCOMPARE(w.Timer1()->interval(), 1000);
        QCOMPARE(w.Label2()->text(), QStringLiteral(" 1"));
        QVERIFY(!w.Command4()->isEnabled());
        QVERIFY(w.Command5()->isEnabled());
    }

    void onePouleDisablesCarousel()
    {
        load(1);
        frmStand w;
        QVERIFY(!w.FrameCarrousel()->isEnabled());
        QCOMPARE(enabledKeys(w), QStringLiteral("naar modus"));
    }

    void zoomFile()
    {
        load();
        QVERIFY(!QFile::exists(zoomPath()));
        {
            frmStand w;
            QCOMPARE(zoomBytes(), QByteArray(" 0 \r\n"));   // created at 0
            w.Option2_Click(2);
            QCOMPARE(zoomBytes().toHex(' '), QByteArray("20 32 20 0d 0a"));
        }
        {
            frmStand w;   // read back: 16 pt bold with its widths, the rows kept
            QVERIFY(w.Option2(2)->isChecked());
            QCOMPARE(w.ListView1()->font().pointSize(), 16);
            QVERIFY(w.ListView1()->font().bold());
            QCOMPARE(w.ListView1()->columnWidth(9), modStand::Px(1350));
            QCOMPARE(w.ListView1()->topLevelItemCount(), 3);
        }
        QVERIFY(standtest::writeFile(zoomPath(), "groot\r\n"));
        frmStand w;   // an unreadable first line counts as 0, with the 8-pt widths
        QVERIFY(w.Option2(0)->isChecked());
        QCOMPARE(w.ListView1()->font().pointSize(), 8);
        QCOMPARE(w.ListView1()->columnWidth(8), modStand::Px(800));
        QCOMPARE(zoomBytes(), QByteArray(" 0 \r\n"));
    }

    void printKey()
    {
        load();
        standtest::PrintRun run;
        frmStand w;
        w.Combo1()->setCurrentIndex(3);
        w.Combo1_Click();   // poule without players
        QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
        w.Toolbar1_ButtonClick(QStringLiteral("But03"));   // empty list: only a beep
        QCOMPARE(run.msgs.beeps, 1);
        QCOMPARE(run.dialog.shown, 0);
        QVERIFY(run.pr.rec.ops.isEmpty());

        w.Command1_Click(0);   // poule 3
        w.Option2_Click(3);    // the zoom does not change the print
        w.Toolbar1_ButtonClick(QStringLiteral("But03"));
        QCOMPARE(run.dialog.shown, 1);
        QVERIFY(run.pr.rec.findText(QStringLiteral("Mulder")));
        QCOMPARE(run.pr.rec.findText(QStringLiteral("Vos"))->fontSize, 12.0);
        QCOMPARE(MeldingTekst, QStringLiteral("Stand in ronde  1 en in poule  3"));
        QCOMPARE(run.msgs.boxes.size(), 1);
    }

    void exportKey_data()
    {
        QTest::addColumn<int>("poule");   // shown when the key is pressed
        QTest::addColumn<bool>("caroussel");
        QTest::addColumn<QString>("namen");
        QTest::newRow("carousel moves on while the export is open") << 2 << true << "Smit, G.|Bos, D.";
        QTest::newRow("match points") << 3 << false << "Vos, S.|Mulder, T.";
        QTest::newRow("empty list") << 4 << false << "";
    }
    void exportKey()
    {
        // The page carries the rows of the poule in its title, taken when the key was pressed.
        QFETCH(int, poule);
        QFETCH(bool, caroussel);
        load();
        ScriptedMessages msgs;
        frmStand w;
        if (caroussel) {
            w.Combo3()->setCurrentIndex(3);
            w.Command3_Click();
            while (w.HuidigePoule != poule)
                w.Timer1_Timer();
        } else {
            w.Combo1()->setCurrentIndex(poule - 1);
            w.Combo1_Click();
            w.Option1_Click(1);
        }
        QStringList page;
        frmHTML::setSaveDialogHook([&](QWidget*) {
            QFile f(frmHTML::ScratchPath());
            page = f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).split("\r\n") : QStringList();
        });
        QTimer::singleShot(0, &w, [&] {
            frmHTML* d = w.findChild<frmHTML*>();
            if (caroussel)
                w.Timer1_Timer();   // the next poule comes on screen behind the export window
            d->WriteStandingsHtml();
            d->reject();
        });
        w.Toolbar1_ButtonClick(QStringLiteral("But04"));
        frmHTML::setSaveDialogHook({});
        const QString titel = QStringLiteral("Stand in Ronde  1 en in Poule  %1").arg(poule) +
                              (caroussel ? "" : " op basis van MatchPunten");
        QCOMPARE(modStand::StandHtmlTitel, titel);
        QCOMPARE(page.value(5), "<td align=center colspan=10><font size=4 font color =><b>" + titel +
                                    "</b></font></td>");
        QStringList namen;
        for (const QString& l : page)
            if (l.startsWith(QLatin1String("<td align=left>")))
                namen << l.section('>', 2).chopped(5);
        QTEST(namen.join('|'), "namen");
        QCOMPARE(page.size(), 25 + 16 * namen.size() + 5);
        QCOMPARE(msgs.boxes.size(), 0);
    }

    void openedFromTheMainWindow()
    {
        load();
        QVERIFY(QFile::remove(PadUitslag()));
        ScriptedMessages msgs;
        mdiHoofd h;
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
        QCOMPARE(shown(msgs).size(), 1);
        QVERIFY(msgs.boxes[0].prompt.startsWith(QStringLiteral("Uitslagenbestand niet gevonden !")));
        QVERIFY(!h.menuWindow(QStringLiteral("mnuOverzichtenWinnaars")));
    }
};

QTEST_MAIN(TestStandingsWindow)
#include "test_standings_window.moc"

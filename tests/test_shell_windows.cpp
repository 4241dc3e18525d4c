// The main window (menu-group protocol, SetMenusBusy, CheckTournamentFiles), the help pop-up, the
// banner and the player search.
#include "app/cLogo.h"
#include "app/frmHelp.h"
#include "app/mdiHoofd.h"
#include "core/tournamentfiles.h"
#include "platform/msgbox.h"
#include "platform/picturebox.h"
#include "poules/frmZoek.h"
#include "support/rounds_fixture.h"
#include "support/shell_fixture.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QtTest>
#include <optional>

using namespace modStootplanner;

namespace {

// A child window that may refuse to close.
struct TestWindow : QWidget {
    bool refuse = false;
    void closeEvent(QCloseEvent* e) override { e->setAccepted(!refuse); }
};

// The registered items, by the letter the tests use for them.
const QString Letters = "ABCDNKPOR";
const char* const Items[] = {"mnuOverzichtenA",     "mnuOverzichtenB", "mnuOverzichtenC",     "mnuRondebeheerD",
                             "mnuRondebeheerNieuw", "mnuDiversenKlok", "mnuPlanningBestaand", "mnuBestandOpen",
                             "mnuBestandRestore"};
const QStringList GroupMenus = {"mnuBestand",   "mnuPoulebeheer", "mnuRondebeheer",
                                "mnuUitslagen", "mnuOverzichten", "mnuPlanning"};
const QString Restore = "of het bestand is beschadigd (gebruik dan Restore).";

QStringList allKeys()
{
    QStringList k;
    for (int i = 2; i <= 18; ++i)
        k << QStringLiteral("But%1").arg(i, 2, 10, QLatin1Char('0'));
    return k;
}

QChar mark(const QAction* a) { return a->isChecked() ? (a->isEnabled() ? '+' : '*') : (a->isEnabled() ? '.' : '-'); }

template <class Entry> Entry entry(const QString& item, const QString& caption, int group, const QString& key,
                                   int checks, const QString& menu = {})
{
    Entry e;
    e.item = item, e.caption = caption, e.group = group, e.key = key, e.checks = checks, e.menu = menu;
    return e;
}

}  // namespace

class TestShellWindows : public QObject {
    Q_OBJECT
    std::optional<testsupport::ShellTournament> m_t;
    QPointer<TestWindow> m_last;
    int m_opened = 0;  // windows opened and actions run
    bool m_returnNothing = false;
    QString m_whileOpening;

    // Group 6: A (key But09), B (But10), C (no key; also needs the results); group 4: window D and action N;
    // group 7: planning window P (But14); no group: K (But16), and actions O and R, only without a tournament
    // (O in place of the built-in one). Every other key and top menu gets an item of no group, so that only
    // the protocol decides what is enabled (hidden counts as disabled).
    void registerItems(mdiHoofd& h)
    {
        const int files = FileToernooi | FileSpelers | FilePoules;
        const std::tuple<const char*, int, const char*, int> windows[] = {
            {"A", 6, "But09", files}, {"B", 6, "But10", files}, {"C", 6, "", files | FileUitslag},
            {"D", 4, "", files}, {}, {"Klok", 0, "But16", 0}, {"Planning", 7, "But14", FilePlanning}};
        for (int i = 0; i < 7; ++i) {
            const auto [caption, group, key, checks] = windows[i];
            auto w = entry<mdiHoofd::MenuWindow>(Items[i], caption, group, key, checks);
            w.needsTournament = i != 5;
            w.open = [this, &h]() -> QWidget* {
                ++m_opened;
                m_whileOpening = state(h);
                return m_returnNothing ? nullptr : (m_last = new TestWindow).data();
            };
            if (caption)
                h.registerMenuWindow(w);
        }
        for (int i : {4, 7, 8}) {
            auto a = entry<mdiHoofd::MenuAction>(Items[i], i == 4 ? "Nieuwe ronde maken" : "x", i == 4 ? 4 : 0, "",
                                                 i == 4 ? FileToernooi | FileSpelers : 0);
            a.run = [this] { ++m_opened; };
            a.needsTournament = i == 4, a.onlyWithoutTournament = i != 4;
            h.registerMenuAction(a);
        }
        for (const QString& k : allKeys())
            if (!h.toolbarKey(k)->isVisible())
                h.registerMenuAction(entry<mdiHoofd::MenuAction>("mnuDiversen" + k, k, 0, k, 0));
        for (const char* m : {"mnuPoulebeheer", "mnuUitslagen", "mnuHelp"})
            h.registerMenuAction(entry<mdiHoofd::MenuAction>(QString(m) + "Leeg", "x", 0, "", 0, m));
    }

    // "ABCDNKPOR 04 09 10 16 Rondebeheer Overzichten opened/windows", one character an item, key or top
    // menu: '+' checked, '.' enabled, '-' disabled, '*' checked and disabled; then " dicht" once the main
    // window is gone and " einde" once the shut-down ran.
    QString state(mdiHoofd& h) const
    {
        QString s;
        for (const char* item : Items)
            s += mark(h.menuItem(item));
        s += ' ';
        for (const char* key : {"But04", "But09", "But10", "But16"})
            s += mark(h.toolbarKey(key));
        s += QStringLiteral(" %1%2 %3/%4").arg(mark(h.topMenu("mnuRondebeheer")->menuAction()))
                 .arg(mark(h.topMenu("mnuOverzichten")->menuAction())).arg(m_opened)
                 .arg(h.mdiArea()->subWindowList().size());
        return s + (h.isVisible() ? "" : " dicht") + (h.shutDownDone() ? " einde" : "");
    }

private slots:
    void init()
    {
        m_t.emplace();
        m_opened = 0;
        m_returnNothing = false;
    }
    void cleanup() { m_t.reset(); }

    // A key shows a picture with its caption under it, also when its window brings none; an item without a
    // menu of its own goes to its group's menu. A busy group disables the keys of its list and the other
    // groups' top menus (groups 1, 2, 3 and 5 have no key list).
    void keysAndBusyGroups()
    {
        mdiHoofd h;
        registerItems(h);
        QCOMPARE(h.toolbar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(!h.toolbarKey("But10")->icon().isNull());
        QCOMPARE(h.toolbarKey("But10")->text(), QString("B"));
        QVERIFY(h.topMenu("mnuRondebeheer")->actions().contains(h.menuItem("mnuRondebeheerNieuw")));
        QCOMPARE(h.menuItem("mnuRondebeheerNieuw")->text(), QString("Nieuwe ronde maken"));
        const char* own[] = {"", "mnuBestand", "mnuBestand", "mnuPoulebeheer", "mnuRondebeheer", "mnuUitslagen",
                             "mnuOverzichten", "mnuPlanning", ""};
        const QStringList keys[] = {{}, {}, {}, {}, {"But04", "But08", "But09", "But10", "But12", "But14"}, {},
                                    {"But04", "But08", "But12", "But14"},
                                    {"But04", "But08", "But09", "But10", "But12"}, {}};
        for (int groep = -1; groep <= 8; ++groep)
            for (bool bezig : {true, false}) {
                SetMenusBusy(groep, bezig);
                const QString ownMenu = own[qMax(0, groep)];
                for (const QString& k : allKeys())
                    QVERIFY2(h.toolbarKey(k)->isEnabled() == !(bezig && keys[qMax(0, groep)].contains(k)),
                             qPrintable(QString("%1 %2").arg(groep).arg(k)));
                for (const QString& m : GroupMenus + QStringList{"mnuDiversen", "mnuHelp"}) {
                    const bool off = bezig && !ownMenu.isEmpty() && m != ownMenu && GroupMenus.contains(m);
                    QVERIFY2(h.topMenu(m)->menuAction()->isEnabled() == !off, qPrintable(QString("%1 %2").arg(groep).arg(m)));
                }
            }
    }

    void protocol_data()
    {
        // Steps: a letter chooses its menu item, "k10" presses key But10, "close" makes the last window close
        // itself, "frame" closes its frame as the user does, "drop" deletes the frame, "refuse"/"accept" set
        // whether it refuses to close, "none" makes the next window refuse to open, "-4" removes the files of
        // that TournamentFile mask, "quit" closes the main window, "end" ends the run, "geen"/"laad" unload and
        // load the tournament. One state after every step; "seen" gives the state the last opening saw.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<QString>("prompt");  // of the one box shown; empty: none
        const QString idle0 = ".......-- .... .. 0/0", idle1 = ".......-- .... .. 1/0";
        const QString a = "+--....-- -+-. -. 1/1", b = "-+-....-- --+. -. 1/1", d = "...+-..-- ---. .- 1/1";
        const QString p = "......+-- ---. -- 1/1", opening = "+--....-- -+-. -. 1/0";
        QTest::newRow("item opens, again closes") << "A seen A" << QStringList{a, opening, idle1} << "";
        QTest::newRow("key opens, again closes") << "k10 k10" << QStringList{b, idle1} << "";
        QTest::newRow("window without key") << "C close" << QStringList{"--+....-- ---. -. 1/1", idle1} << "";
        QTest::newRow("closed by itself, opens again") << "B close B" << QStringList{b, idle1, "-+-....-- --+. -. 2/1"}
                                                       << "";
        QTest::newRow("frame closed by the user") << "A frame" << QStringList{a, idle1} << "";
        QTest::newRow("frame deleted with its window") << "A drop" << QStringList{a, idle1} << "";
        QTest::newRow("open refused") << "none A seen" << QStringList{idle0, idle1, opening} << "";
        QTest::newRow("no group toggles alone") << "k16 K" << QStringList{".....+.-- ...+ .. 1/1", idle1} << "";
        QTest::newRow("window refusing to close") << "D refuse D accept D" << QStringList{d, d, d, d, idle1} << "";
        // A child that keeps itself open keeps the program running, unless the run is ended.
        QTest::newRow("child keeps the program running")
            << "A refuse quit end" << QStringList{a, a, a, a + " dicht einde"} << "";
        QTest::newRow("one tournament a run") << "geen O laad" << QStringList{"-----.-.. ---. .. 0/0",
                                                                             "-----.-.. ---. .. 1/0", idle1} << "";
        QTest::newRow("action runs") << "N" << QStringList{idle1} << "";
        QTest::newRow("check fails: window") << "-4 C" << QStringList{idle0, idle0}
                                             << "Uitslagenbestand niet gevonden !\r\n"
                                                "U heeft nog geen uitslagen ingevoerd,\r\n" + Restore;
        QTest::newRow("check fails: action") << "-2 N" << QStringList{idle0, idle0}
                                             << "Spelersbestand niet gevonden !\r\n"
                                                "U heeft nog geen spelers aan het toernooi gekoppeld,\r\n" + Restore;
        QTest::newRow("check fails: planning item")
            << "-16 P" << QStringList{idle0, idle0} << "Planningbestand niet gevonden !\r\n" + Restore;
        QTest::newRow("open grid stays while its file is gone")
            << "P -16 P" << QStringList{p, p, p} << "Planningbestand niet gevonden !\r\n" + Restore;
        QTest::newRow("check fails: planning key")
            << "-16 k14" << QStringList{idle0, idle0}
            << "Planningbestand niet gevonden !\r\nU heeft nog geen planningen gemaakt,\r\n" + Restore;
    }
    void protocol()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, states);
        QFETCH(QString, prompt);
        mdiHoofd h;
        registerItems(h);
        h.show();
        platform::ScriptedMessages msgs;
        for (const QString& step : steps.split(' ')) {
            if (step == "none")
                m_returnNothing = true;
            else if (step == "refuse" || step == "accept")
                m_last->refuse = step == "refuse";
            else if (step == "close" || step == "quit" || step == "end")
                step == "end" ? h.endRun() : step == "quit" ? (void)h.close() : (void)m_last->close();
            else if (step == "frame" || step == "drop")
                step == "drop" ? delete h.mdiArea()->subWindowList().first()
                               : (void)h.mdiArea()->subWindowList().first()->close();
            else if (step == "geen" || step == "laad")
                ToernooiGeladen = step == "laad", ShowTournamentLoaded();
            else if (step.startsWith('-'))
                QVERIFY(testsupport::ShellTournament::remove(step.mid(1).toInt()));
            else if (step.startsWith('k'))
                h.toolbarKey("But" + step.mid(1))->trigger();
            else if (step != "seen")
                h.menuItem(Items[Letters.indexOf(step)])->trigger();
            // Unloads and frame closings run from deferred deletes.
            for (int i = 0; i < 3; ++i) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QCoreApplication::processEvents();
            }
            QVERIFY2(m_last.isNull() || m_last->isVisible() || !h.isVisible(), qPrintable(step));
            QCOMPARE(step == "seen" ? m_whileOpening : state(h), states.takeFirst());
        }
        QCOMPARE(testsupport::shown(msgs).join('\n').section('|', 2), prompt);
    }

    // The message of the first missing file in each form, and the closing form's end of the program.
    void check_data()
    {
        QTest::addColumn<int>("missing");  // negative: missing, but not asked for
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("lines");  // of the box; none: the check passes
        QTest::addColumn<bool>("closes");
        const int C = int(CheckForm::Closing), P = int(CheckForm::PouleChooser), K = int(CheckForm::PlanningKey);
        const QString closing = "Het geladen toernooi wordt gesloten !", chooser = "Sluit het geladen toernooi af !";
        const QStringList settings = {"Toernooibestand niet gevonden !",
                                      "Plaats het bestand Test toernooi_ST001.stt terug in de juiste map,", Restore};
        const QStringList players = {"Spelersbestand niet gevonden !",
                                     "U heeft nog geen spelers aan het toernooi gekoppeld,", Restore};
        const QStringList poules = {"Poulebestand niet gevonden !", Restore};
        QTest::newRow("all there") << 0 << C << QStringList{} << false;
        QTest::newRow("settings, closing") << int(FileToernooi) << C << settings + QStringList{closing} << true;
        QTest::newRow("settings, key") << int(FileToernooi) << K << settings + QStringList{closing} << true;
        QTest::newRow("settings, chooser") << int(FileToernooi) << P << settings + QStringList{chooser} << false;
        QTest::newRow("results, chooser") << int(FileUitslag) << P << QStringList{"Uitslagenbestand niet gevonden !",
                                                    "U heeft nog geen uitslagen ingevoerd,", Restore} << false;
        QTest::newRow("poules, closing") << int(FilePoules) << C << poules + QStringList{closing} << true;
        QTest::newRow("poules, chooser") << int(FilePoules) << P << poules + QStringList{chooser} << false;
        QTest::newRow("first in file order") << int(FilePlanning | FileUitslag | FileSpelers) << P << players << false;
        QTest::newRow("file not asked for") << -int(FileUitslag) << C << QStringList{} << false;
    }
    void check()
    {
        QFETCH(int, missing);
        QFETCH(int, form);
        QFETCH(QStringList, lines);
        QFETCH(bool, closes);
        QVERIFY(testsupport::ShellTournament::remove(qAbs(missing)));
        const QString ini = ToernooiMap + "|" + BestandToernooi;
        mdiHoofd hoofd;
        hoofd.show();
        QPointer<QWidget> caller = new QWidget;
        hoofd.showChild(caller);
        QSignalSpy ended(&hoofd, &mdiHoofd::shutDown);
        platform::ScriptedMessages msgs;
        const int all = FileToernooi | FileSpelers | FileUitslag | FilePoules | FilePlanning;
        QCOMPARE(CheckTournamentFiles(missing < 0 ? all & ~-missing : all, caller, CheckForm(form)), lines.isEmpty());
        const QString box = QString("Let op!|%1|").arg(platform::vbCritical | platform::vbOKOnly) + lines.join("\r\n");
        QCOMPARE(testsupport::shown(msgs), lines.isEmpty() ? QStringList() : QStringList{box});
        // Closing: the caller and the main window go, and the usual shut-down remembers the tournament.
        QCOMPARE(ended.count(), closes ? 1 : 0);
        QCOMPARE(hoofd.isVisible(), !closes);
        QTRY_VERIFY(closes ? caller.isNull() : caller->isVisible());
        const auto stored = core::readIni(ProgrammaMap + "Stootplanner.ini");
        QCOMPARE(stored ? stored->map + "|" + stored->bestand : QString(), closes ? ini : QString());
    }

    void helpShowsText()
    {
        MeldingTekst = "Eerste regel\r\nTweede regel";
        frmHelp normal;
        HelpGroot = true;
        frmHelp large;
        QCOMPARE(normal.Label1()->text(), QString("Eerste regel\nTweede regel"));
        QVERIFY(!normal.isLarge() && large.isLarge() && large.width() > normal.width());
        normal.show();
        normal.Command1()->click();
        QVERIFY(!normal.isVisible());
        QCOMPARE(normal.result(), int(QDialog::Accepted));
    }

    void bannerStyles()
    {
        platform::PictureBox box;
        box.resize(60, 300);
        QFont f = box.font();
        f.setPixelSize(20);
        box.setFont(f);
        cLogo logo;
        logo.setDrawingObject(&box);
        logo.setCaption("Stootplanner");
        // Style 1: a gradient, dark at the top.
        logo.Draw(1);
        QVERIFY(box.canvas().pixelColor(55, 1).lightness() < box.canvas().pixelColor(55, 298).lightness());
        // Style 0: text only, in the left strip, written upwards from 16 pixels above the bottom.
        box.Cls();
        logo.Draw(0);
        QRect inked;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 60; ++x)
                inked |= qAlpha(box.canvas().pixel(x, y)) > 0 ? QRect(x, y, 1, 1) : QRect();
        QVERIFY(inked.right() < 30 && inked.bottom() <= 300 - 16 && inked.bottom() >= 300 - 30);
        QVERIFY(inked.height() > 60);  // a long caption written vertically
    }

    // The player search in the chosen round: parts of names in any case, sorted, leaving the current round
    // alone; without the players file its message, and the window stays.
    void search()
    {
        testsupport::TournamentFixture fx;
        auto& b = fx.builder();
        b.setRound(1, 2);
        b.setRound(2, 1);
        b.toernooi.laatsteRonde = 2;
        const std::tuple<int, const char*, int, int, double> spelers[] = {
            {3, "Willemjansz", 1, 2, 2.25}, {1, "Jansen", 1, 1, 1.5}, {2, "Bakker", 1, 1, 0.8},
            {1, "Jansen", 2, 1, 1.6}, {2, "Bakker", 2, 1, 0.9}};
        for (const auto& [nr, naam, r, poule, moy] : spelers)
            b.addPlayer(nr, naam, QString(naam[0]) + ".", r, poule, core::Fixed::fromDouble(moy));
        fx.load();
        HuidigeRonde = 1;
        platform::ScriptedMessages msgs;
        frmZoek zoek;
        zoek.show();
        QCOMPARE(zoek.Combo1()->count(), 2);
        QCOMPARE(zoek.Combo1()->currentIndex(), 0);
        const std::tuple<int, const char*, QStringList> searches[] = {  // "nummer|naam|voorletters|poule|moyenne"
            {1, "JANS", {"00001|Jansen|J.| 1|1.50", "00003|Willemjansz|W.| 2|2.25"}},
            {2, "jans", {"00001|Jansen|J.| 1|1.60"}},
            {2, "", {"00002|Bakker|B.| 1|0.90", "00001|Jansen|J.| 1|1.60"}},
            {1, "xyz", {}},
            {1, "", {}},
        };
        for (const auto& [ronde, deel, rows] : searches) {
            if (rows.isEmpty() && !*deel)  // the last search: the players file gone
                QVERIFY(QFile::remove(PadSpelers()));
            zoek.Combo1()->setCurrentIndex(ronde - 1);
            zoek.Text1()->setText(deel);
            zoek.Command1()->click();
            QStringList found;
            for (int i = 0; i < zoek.ListView1()->topLevelItemCount(); ++i)
                found << testsupport::roundsenv::row(zoek.ListView1(), i).section('|', 0, 4);
            QCOMPARE(found, rows);
            QCOMPARE(HuidigeRonde, qint16(1));
        }
        QCOMPARE(msgs.boxes.size(), 1);
        QVERIFY(msgs.boxes[0].prompt.startsWith("Spelersbestand niet gevonden !") && zoek.isVisible());
    }
};

QTEST_MAIN(TestShellWindows)
#include "test_shell_windows.moc"

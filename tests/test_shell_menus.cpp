// The main window's menu-group protocol and SetMenusBusy.
#include "app/mdiHoofd.h"
#include "platform/msgbox.h"
#include "support/shell_fixture.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QtTest>
#include <optional>

using namespace modStootplanner;

namespace {

// A child window that may refuse to close.
class TestWindow : public QWidget {
public:
    bool refuse = false;

protected:
    void closeEvent(QCloseEvent* e) override { e->setAccepted(!refuse); }
};

// The registered items, by the letter the tests use for them.
const QString Letters = "ABCDNKP";
const char* const Items[] = {"mnuOverzichtenA", "mnuOverzichtenB",     "mnuOverzichtenC", "mnuRondebeheerD",
                             "mnuRondebeheerNieuw", "mnuDiversenKlok", "mnuPlanningBestaand"};
const QStringList GroupMenus = {"mnuBestand",   "mnuPoulebeheer", "mnuRondebeheer",
                                "mnuUitslagen", "mnuOverzichten", "mnuPlanning"};

QStringList allKeys()
{
    QStringList k;
    for (int i = 2; i <= 18; ++i)
        k << QStringLiteral("But%1").arg(i, 2, 10, QLatin1Char('0'));
    return k;
}

QChar mark(const QAction* a)
{
    return a->isChecked() ? (a->isEnabled() ? '+' : '*') : (a->isEnabled() ? '.' : '-');
}

}  // namespace

class TestShellMenus : public QObject {
    Q_OBJECT
    std::optional<testsupport::ShellTournament> m_t;
    QPointer<TestWindow> m_last;
    int m_opened = 0;  // windows opened and actions run
    bool m_returnNothing = false;
    QString m_whileOpening;

    // Group 6: A (key But09), B (But10), C (no key; also needs the results);
    // group 4: window D and action N; group 7: planning window P (But14); no
    // group: K (But16). Every other key and top menu gets an item of no group,
    // so that only the protocol decides what is enabled (hidden counts as disabled).
    void registerItems(mdiHoofd& h)
    {
        auto open = [this, &h]() -> QWidget* {
            ++m_opened;
            m_whileOpening = state(h);
            return m_returnNothing ? nullptr : (m_last = new TestWindow).data();
        };
        const int files = FileToernooi | FileSpelers | FilePoules;
        h.registerMenuWindow({.item = Items[0], .caption = "A", .group = 6, .key = "But09", .checks = files, .open = open});
        h.registerMenuWindow({.item = Items[1], .caption = "B", .group = 6, .key = "But10", .checks = files, .open = open});
        h.registerMenuWindow({.item = Items[2], .caption = "C", .group = 6, .checks = files | FileUitslag, .open = open});
        h.registerMenuWindow({.item = Items[3], .caption = "D", .group = 4, .checks = files, .open = open});
        h.registerMenuAction({.item = Items[4], .caption = "Nieuwe ronde maken", .group = 4,
                              .checks = FileToernooi | FileSpelers, .run = [this] { ++m_opened; }});
        h.registerMenuWindow({.item = Items[5], .caption = "Klok", .group = 0, .key = "But16", .open = open,
                              .needsTournament = false});
        h.registerMenuWindow({.item = Items[6], .caption = "Planning", .group = 7, .key = "But14",
                              .checks = FilePlanning, .open = open});
        for (const QString& k : allKeys())
            if (!h.toolbarKey(k)->isVisible())
                h.registerMenuAction({.item = "mnuDiversen" + k, .caption = k, .key = k, .run = [] {}});
        for (const char* m : {"mnuPoulebeheer", "mnuUitslagen", "mnuHelp"})
            h.registerMenuAction({.item = QString::fromLatin1(m) + "Leeg", .caption = "x", .menu = m, .run = [] {}});
    }

    // "ABCDNKP 04 09 10 16 Rondebeheer Overzichten opened/windows", one
    // character an item, key or top menu: '+' checked, '.' enabled,
    // '-' disabled, '*' checked and disabled.
    QString state(mdiHoofd& h) const
    {
        QString s;
        for (const char* item : Items)
            s += mark(h.menuItem(item));
        s += ' ';
        for (const char* key : {"But04", "But09", "But10", "But16"})
            s += mark(h.toolbarKey(key));
        s += ' ';
        for (const char* menu : {"mnuRondebeheer", "mnuOverzichten"})
            s += mark(h.topMenu(menu)->menuAction());
        return s + QStringLiteral(" %1/%2").arg(m_opened).arg(h.mdiArea()->subWindowList().size());
    }

private slots:
    void init()
    {
        m_t.emplace();
        m_opened = 0;
        m_returnNothing = false;
        m_whileOpening.clear();
    }
    void cleanup() { m_t.reset(); }

    void setMenusBusy_data()
    {
        QTest::addColumn<int>("groep");
        QTest::addColumn<QStringList>("keysOff");
        QTest::addColumn<QString>("ownMenu");  // all other group menus go; empty: nothing goes
        // Groups 1, 2, 3 and 5 have no key list: only the other groups' top menus go.
        QTest::newRow("1 Bestand") << 1 << QStringList{} << "mnuBestand";
        QTest::newRow("2 Backup") << 2 << QStringList{} << "mnuBestand";
        QTest::newRow("3 Poulebeheer") << 3 << QStringList{} << "mnuPoulebeheer";
        QTest::newRow("4 Rondebeheer") << 4 << QStringList{"But04", "But08", "But09", "But10", "But12", "But14"}
                                       << "mnuRondebeheer";
        QTest::newRow("5 Uitslagen") << 5 << QStringList{} << "mnuUitslagen";
        QTest::newRow("6 Overzichten") << 6 << QStringList{"But04", "But08", "But12", "But14"} << "mnuOverzichten";
        QTest::newRow("7 Planning") << 7 << QStringList{"But04", "But08", "But09", "But10", "But12"} << "mnuPlanning";
        QTest::newRow("0 nothing") << 0 << QStringList{} << "";
        QTest::newRow("8 nothing") << 8 << QStringList{} << "";
        QTest::newRow("-1 nothing") << -1 << QStringList{} << "";
    }
    void setMenusBusy()
    {
        QFETCH(int, groep);
        QFETCH(QStringList, keysOff);
        QFETCH(QString, ownMenu);
        mdiHoofd h;
        registerItems(h);
        for (bool bezig : {true, false}) {
            SetMenusBusy(groep, bezig);
            for (const QString& k : allKeys())
                QVERIFY2(h.toolbarKey(k)->isEnabled() == !(bezig && keysOff.contains(k)), qPrintable(k));
            for (const QString& m : GroupMenus + QStringList{"mnuDiversen", "mnuHelp"}) {
                const bool off = bezig && !ownMenu.isEmpty() && m != ownMenu && GroupMenus.contains(m);
                QVERIFY2(h.topMenu(m)->menuAction()->isEnabled() == !off, qPrintable(m));
            }
        }
    }

    void protocol_data()
    {
        // Steps: a letter chooses its menu item, "k10" presses key But10,
        // "close" makes the last window close itself, "frame" closes its frame
        // as the user does, "drop" deletes the frame, "refuse"/"accept" set
        // whether it refuses to close, "none" makes the next window refuse to
        // open, "-4" removes the files of that TournamentFile mask. One state
        // after every step.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<QString>("whileOpening");  // state the opening code saw; empty: not checked
        QTest::addColumn<QString>("prompt");        // of the one box shown; empty: none
        const QString idle0 = "....... .... .. 0/0", idle1 = "....... .... .. 1/0";
        const QString a = "+--.... -+-. -. 1/1", b = "-+-.... --+. -. 1/1", d = "...+-.. ---. .- 1/1";
        const QString p = "......+ ---. -- 1/1";
        const QString restore = "\r\nof het bestand is beschadigd (gebruik dan Restore).";
        QTest::newRow("item opens, again closes") << "A A" << QStringList{a, idle1} << "+--.... -+-. -. 1/0" << "";
        QTest::newRow("key opens, again closes") << "k10 k10" << QStringList{b, idle1} << "" << "";
        QTest::newRow("window without key") << "C close" << QStringList{"--+.... ---. -. 1/1", idle1} << "" << "";
        QTest::newRow("closed by itself, opens again")
            << "B close B" << QStringList{b, idle1, "-+-.... --+. -. 2/1"} << "" << "";
        QTest::newRow("frame closed by the user") << "A frame" << QStringList{a, idle1} << "" << "";
        QTest::newRow("frame deleted with its window") << "A drop" << QStringList{a, idle1} << "" << "";
        QTest::newRow("open refused") << "none A" << QStringList{idle0, idle1} << "+--.... -+-. -. 1/0" << "";
        QTest::newRow("no group toggles alone") << "k16 K" << QStringList{".....+. ...+ .. 1/1", idle1} << "" << "";
        QTest::newRow("window refusing to close")
            << "D refuse D accept D" << QStringList{d, d, d, d, idle1} << "" << "";
        QTest::newRow("action runs") << "N" << QStringList{idle1} << "" << "";
        QTest::newRow("check fails: window") << "-4 C" << QStringList{idle0, idle0} << ""
                                             << "Uitslagenbestand niet gevonden !\r\n"
                                                "U heeft nog geen uitslagen ingevoerd," + restore;
        QTest::newRow("check fails: action") << "-2 N" << QStringList{idle0, idle0} << ""
                                             << "Spelersbestand niet gevonden !\r\n"
                                                "U heeft nog geen spelers aan het toernooi gekoppeld," + restore;
        QTest::newRow("check fails: planning item")
            << "-16 P" << QStringList{idle0, idle0} << "" << "Planningbestand niet gevonden !" + restore;
        QTest::newRow("open grid stays while its file is gone")
            << "P -16 P" << QStringList{p, p, p} << "" << "Planningbestand niet gevonden !" + restore;
        QTest::newRow("check fails: planning key")
            << "-16 k14" << QStringList{idle0, idle0} << ""
            << "Planningbestand niet gevonden !\r\nU heeft nog geen planningen gemaakt," + restore;
    }
    void protocol()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, states);
        QFETCH(QString, whileOpening);
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
            else if (step == "close")
                m_last->close();
            else if (step == "frame")
                h.mdiArea()->subWindowList().first()->close();
            else if (step == "drop")
                delete h.mdiArea()->subWindowList().first();
            else if (step.startsWith('-'))
                QVERIFY(testsupport::ShellTournament::remove(step.mid(1).toInt()));
            else if (step.startsWith('k'))
                h.toolbarKey("But" + step.mid(1))->trigger();
            else
                h.menuItem(Items[Letters.indexOf(step)])->trigger();
            // Unloads and frame closings run from deferred deletes.
            for (int i = 0; i < 3; ++i) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QCoreApplication::processEvents();
            }
            QVERIFY2(m_last.isNull() || m_last->isVisible(), qPrintable(step));
            QCOMPARE(state(h), states.takeFirst());
        }
        if (!whileOpening.isEmpty())
            QCOMPARE(m_whileOpening, whileOpening);
        QCOMPARE(msgs.boxes.size(), prompt.isEmpty() ? 0 : 1);
        if (!prompt.isEmpty())
            QCOMPARE(msgs.boxes[0].prompt, prompt);
        QVERIFY(!h.shutDownDone());  // a missing file of these ends nothing
    }

    // A child that keeps itself open keeps the program running, unless the
    // closing form of the file checks ends the run.
    void childKeepsMainWindowOpen()
    {
        mdiHoofd h;
        registerItems(h);
        h.show();
        h.menuItem(Items[0])->trigger();
        QVERIFY(m_last);
        m_last->refuse = true;
        h.close();
        QVERIFY(h.isVisible());
        QVERIFY(!h.shutDownDone());
        h.endRun();
        QVERIFY(!h.isVisible());
        QVERIFY(h.shutDownDone());
        QVERIFY(QFile::exists(ProgrammaMap + core::IniFileName));
    }

    void keysAndPlaces()
    {
        mdiHoofd h;
        registerItems(h);
        // A key shows a picture with its caption under it, also when its window brings none.
        QCOMPARE(h.toolbar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(!h.toolbarKey("But10")->icon().isNull());
        QCOMPARE(h.toolbarKey("But10")->text(), QString("B"));
        // An item without a menu of its own goes to its group's menu.
        QVERIFY(h.topMenu("mnuRondebeheer")->actions().contains(h.menuItem("mnuRondebeheerNieuw")));
        QCOMPARE(h.menuItem("mnuRondebeheerNieuw")->text(), QString("Nieuwe ronde maken"));
    }

    void noTournamentDisablesItems()
    {
        ToernooiGeladen = false;
        mdiHoofd h;
        registerItems(h);
        int opens = 0;
        h.registerMenuAction({.item = "mnuBestandOpen", .caption = "Open toernooi", .run = [&] { ++opens; },
                              .needsTournament = false, .onlyWithoutTournament = true});
        h.registerMenuAction({.item = "mnuBestandRestore", .caption = "Restore", .run = [] {},
                              .needsTournament = false, .onlyWithoutTournament = true});
        h.menuItem("mnuBestandOpen")->trigger();
        QCOMPARE(opens, 1);  // the registered handler replaced the built-in one (no file dialog)
        QCOMPARE(state(h), QString("-----.- ---. .. 0/0"));
        QVERIFY(h.menuItem("mnuBestandOpen")->isEnabled() && h.menuItem("mnuBestandRestore")->isEnabled());

        ToernooiGeladen = true;
        ShowTournamentLoaded();
        QCOMPARE(state(h), QString("....... .... .. 0/0"));
        // One tournament per run.
        QVERIFY(!h.menuItem("mnuBestandOpen")->isEnabled() && !h.menuItem("mnuBestandRestore")->isEnabled());
        QCOMPARE(h.StatusBar1()->panelText(1), QString("Test toernooi"));
        QCOMPARE(h.StatusBar1()->panelText(4), QString("U bent in toernooironde:  1"));
    }
};

QTEST_MAIN(TestShellMenus)
#include "test_shell_menus.moc"

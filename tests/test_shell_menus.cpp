// The main window's menu-group protocol and SetMenusBusy.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "platform/msgbox.h"
#include "support/tournamentfixture.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace modStootplanner;

namespace {

// A child window that may refuse to close, and says when it is gone.
class TestWindow : public QWidget {
public:
    bool refuse = false;
    int unloads = 0;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        if (refuse) {
            e->ignore();
            return;
        }
        ++unloads;
        e->accept();
    }
};

QStringList allKeys()
{
    QStringList k;
    for (int i = 2; i <= 18; ++i)
        k << QStringLiteral("But%1").arg(i, 2, 10, QLatin1Char('0'));
    return k;
}

}  // namespace

class TestShellMenus : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void setMenusBusy_data();
    void setMenusBusy();
    void openMarksGroupAndToggleCloses();
    void windowWithoutKeyDisablesGroupKeys();
    void windowClosingItselfRestores();
    void userClosingFrameRestores();
    void openedFromKey();
    void refusedOpenUndoesMarking();
    void failedCheckOpensNothing();
    void groupZeroTogglesAlone();
    void windowRefusingToCloseStaysMarked();
    void noTournamentDisablesItems();
    void menuActionRunsAfterChecks();
    void planningKeyCarriesExtraLine_data();
    void planningKeyCarriesExtraLine();

private:
    void registerGroup(mdiHoofd& h);
    void showAllKeysAndMenus(mdiHoofd& h);
    QAction* item(mdiHoofd& h, const char* n) { return h.menuItem(QString::fromLatin1(n)); }
    QAction* key(mdiHoofd& h, const char* k) { return h.toolbarKey(QString::fromLatin1(k)); }

    std::unique_ptr<testsupport::TournamentFixture> m_fx;
    std::unique_ptr<QTemporaryDir> m_prog;
    QPointer<TestWindow> m_last;
    int m_opened = 0;
    bool m_busyWhileOpening = false;
    bool m_returnNothing = false;
    mdiHoofd* m_hoofd = nullptr;
};

void TestShellMenus::init()
{
    m_fx = std::make_unique<testsupport::TournamentFixture>();
    m_fx->builder().setRound(1, 1);
    m_fx->builder().addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.5));
    m_fx->load();
    m_prog = std::make_unique<QTemporaryDir>();
    ProgrammaMap = m_prog->path() + "/";
    m_opened = 0;
    m_returnNothing = false;
    m_busyWhileOpening = false;
}

void TestShellMenus::cleanup()
{
    m_fx.reset();
    m_prog.reset();
    ResetContext();
}

void TestShellMenus::registerGroup(mdiHoofd& h)
{
    m_hoofd = &h;
    auto factory = [this]() -> QWidget* {
        ++m_opened;
        m_busyWhileOpening = !m_hoofd->toolbarKey("But04")->isEnabled();
        if (m_returnNothing)
            return nullptr;
        m_last = new TestWindow;
        m_last->setWindowTitle("Testvenster");
        return m_last;
    };
    const int files = FileToernooi | FileSpelers | FilePoules;
    h.registerMenuWindow({.item = "mnuOverzichtenA", .caption = "A", .group = 6, .key = "But09",
                          .checks = files, .open = factory});
    h.registerMenuWindow({.item = "mnuOverzichtenB", .caption = "B", .group = 6, .key = "But10",
                          .checks = files, .open = factory});
    h.registerMenuWindow({.item = "mnuOverzichtenC", .caption = "C", .group = 6,
                          .checks = files | FileUitslag, .open = factory});
    h.registerMenuWindow({.item = "mnuRondebeheerD", .caption = "D", .group = 4, .checks = files, .open = factory});
    h.registerMenuWindow({.item = "mnuDiversenKlok", .caption = "Klok", .group = 0, .key = "But16",
                          .open = factory, .needsTournament = false});
    showAllKeysAndMenus(h);
}

// Hidden actions count as disabled: give every key and top menu an item of
// no group so that only SetMenusBusy decides.
void TestShellMenus::showAllKeysAndMenus(mdiHoofd& h)
{
    for (const QString& k : allKeys())
        if (!h.toolbarKey(k)->isVisible())
            h.registerMenuAction({.item = "mnuDiversen" + k, .caption = k, .key = k, .run = [] {}});
    for (const char* m : {"mnuPoulebeheer", "mnuRondebeheer", "mnuUitslagen", "mnuOverzichten", "mnuPlanning",
                          "mnuHelp"})
        h.registerMenuAction({.item = QString::fromLatin1(m) + "Leeg", .caption = "x", .menu = m, .run = [] {}});
}

void TestShellMenus::setMenusBusy_data()
{
    QTest::addColumn<int>("groep");
    QTest::addColumn<QStringList>("keysOff");
    QTest::addColumn<QStringList>("menusOff");
    const QStringList notBestand = {"mnuPoulebeheer", "mnuRondebeheer", "mnuUitslagen", "mnuOverzichten",
                                    "mnuPlanning"};
    auto allBut = [](const char* own) {
        QStringList m = {"mnuBestand", "mnuPoulebeheer", "mnuRondebeheer", "mnuUitslagen", "mnuOverzichten",
                         "mnuPlanning"};
        m.removeAll(QString::fromLatin1(own));
        return m;
    };
    // Groups 1, 2, 3 and 5 have no key list: only the other groups' top menus go.
    QTest::newRow("1 Bestand") << 1 << QStringList{} << notBestand;
    QTest::newRow("2 Backup") << 2 << QStringList{} << notBestand;
    QTest::newRow("3 Poulebeheer") << 3 << QStringList{} << allBut("mnuPoulebeheer");
    QTest::newRow("4 Rondebeheer") << 4 << QStringList{"But04", "But08", "But09", "But10", "But12", "But14"}
                                   << allBut("mnuRondebeheer");
    QTest::newRow("5 Uitslagen") << 5 << QStringList{} << allBut("mnuUitslagen");
    QTest::newRow("6 Overzichten") << 6 << QStringList{"But04", "But08", "But12", "But14"}
                                   << allBut("mnuOverzichten");
    QTest::newRow("7 Planning") << 7 << QStringList{"But04", "But08", "But09", "But10", "But12"}
                                << allBut("mnuPlanning");
    QTest::newRow("0 nothing") << 0 << QStringList{} << QStringList{};
    QTest::newRow("8 nothing") << 8 << QStringList{} << QStringList{};
    QTest::newRow("-1 nothing") << -1 << QStringList{} << QStringList{};
}

void TestShellMenus::setMenusBusy()
{
    QFETCH(int, groep);
    QFETCH(QStringList, keysOff);
    QFETCH(QStringList, menusOff);
    mdiHoofd h(nullptr, false);
    showAllKeysAndMenus(h);
    const QStringList menus = {"mnuBestand", "mnuPoulebeheer", "mnuRondebeheer", "mnuUitslagen",
                               "mnuOverzichten", "mnuPlanning", "mnuDiversen", "mnuHelp"};
    auto menuOn = [&](const QString& m) { return h.topMenu(m)->menuAction()->isEnabled(); };
    SetMenusBusy(groep, true);
    for (const QString& k : allKeys())
        QVERIFY2(h.toolbarKey(k)->isEnabled() == !keysOff.contains(k), qPrintable(k));
    for (const QString& m : menus)
        QVERIFY2(menuOn(m) == !menusOff.contains(m), qPrintable(m));
    SetMenusBusy(groep, false);
    for (const QString& k : allKeys())
        QVERIFY2(h.toolbarKey(k)->isEnabled(), qPrintable(k));
    for (const QString& m : menus)
        QVERIFY2(menuOn(m), qPrintable(m));
}

void TestShellMenus::openMarksGroupAndToggleCloses()
{
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    h.show();
    item(h, "mnuOverzichtenA")->trigger();
    QCOMPARE(m_opened, 1);
    QVERIFY(m_busyWhileOpening);
    QVERIFY(m_last);
    QVERIFY(m_last->isVisible());
    QCOMPARE(h.menuWindow("mnuOverzichtenA"), static_cast<QWidget*>(m_last.data()));
    QCOMPARE(h.mdiArea()->subWindowList().size(), 1);
    QVERIFY(item(h, "mnuOverzichtenA")->isChecked());
    QVERIFY(item(h, "mnuOverzichtenA")->isEnabled());
    QVERIFY(!item(h, "mnuOverzichtenB")->isEnabled());
    QVERIFY(!item(h, "mnuOverzichtenC")->isEnabled());
    QVERIFY(key(h, "But09")->isChecked());
    QVERIFY(key(h, "But09")->isEnabled());
    QVERIFY(!key(h, "But10")->isEnabled());
    // SetMenusBusy(6, yes) in force.
    QVERIFY(!key(h, "But04")->isEnabled());
    QVERIFY(!h.topMenu("mnuRondebeheer")->menuAction()->isEnabled());
    QVERIFY(key(h, "But16")->isEnabled());

    // Chosen again: closed, and everything undone.
    QPointer<TestWindow> w = m_last;
    item(h, "mnuOverzichtenA")->trigger();
    QTRY_VERIFY(w.isNull());
    QCOMPARE(m_opened, 1);
    QTRY_COMPARE(h.mdiArea()->subWindowList().size(), 0);
    QVERIFY(!item(h, "mnuOverzichtenA")->isChecked());
    QVERIFY(item(h, "mnuOverzichtenB")->isEnabled());
    QVERIFY(item(h, "mnuOverzichtenC")->isEnabled());
    QVERIFY(!key(h, "But09")->isChecked());
    QVERIFY(key(h, "But10")->isEnabled());
    QVERIFY(key(h, "But04")->isEnabled());
    QVERIFY(h.topMenu("mnuRondebeheer")->menuAction()->isEnabled());
}

void TestShellMenus::windowWithoutKeyDisablesGroupKeys()
{
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    h.show();
    item(h, "mnuOverzichtenC")->trigger();
    QVERIFY(m_last);
    QVERIFY(!key(h, "But09")->isEnabled());
    QVERIFY(!key(h, "But10")->isEnabled());
    QVERIFY(!key(h, "But09")->isChecked());
    QVERIFY(!item(h, "mnuOverzichtenA")->isEnabled());
    m_last->close();
    QTRY_VERIFY(key(h, "But09")->isEnabled());
    QVERIFY(key(h, "But10")->isEnabled());
}

void TestShellMenus::windowClosingItselfRestores()
{
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    h.show();
    item(h, "mnuOverzichtenB")->trigger();
    QVERIFY(m_last);
    QVERIFY(key(h, "But10")->isChecked());
    m_last->close();
    QTRY_VERIFY(m_last.isNull());
    QTRY_COMPARE(h.mdiArea()->subWindowList().size(), 0);
    QVERIFY(!key(h, "But10")->isChecked());
    QVERIFY(!item(h, "mnuOverzichtenB")->isChecked());
    QVERIFY(key(h, "But09")->isEnabled());
    QVERIFY(key(h, "But04")->isEnabled());
    // Opens again on the next choice.
    item(h, "mnuOverzichtenB")->trigger();
    QCOMPARE(m_opened, 2);
    QVERIFY(m_last);
}

void TestShellMenus::userClosingFrameRestores()
{
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    h.show();
    item(h, "mnuOverzichtenA")->trigger();
    QPointer<TestWindow> w = m_last;
    QCOMPARE(h.mdiArea()->subWindowList().size(), 1);
    h.mdiArea()->subWindowList().first()->close();
    QTRY_VERIFY(w.isNull());
    QVERIFY(!item(h, "mnuOverzichtenA")->isChecked());
    QVERIFY(item(h, "mnuOverzichtenB")->isEnabled());
    QVERIFY(key(h, "But04")->isEnabled());
}

void TestShellMenus::openedFromKey()
{
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    h.show();
    // A key shows a picture with its caption under it, also when its window brings none.
    QCOMPARE(h.toolbar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(!key(h, "But10")->icon().isNull());
    QCOMPARE(key(h, "But10")->text(), QString("B"));
    key(h, "But10")->trigger();
    QVERIFY(m_last);
    QVERIFY(item(h, "mnuOverzichtenB")->isChecked());
    QVERIFY(key(h, "But10")->isChecked());
    QPointer<TestWindow> w = m_last;
    key(h, "But10")->trigger();
    QTRY_VERIFY(w.isNull());
    QVERIFY(!key(h, "But10")->isChecked());
}

void TestShellMenus::refusedOpenUndoesMarking()
{
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    m_returnNothing = true;
    item(h, "mnuOverzichtenA")->trigger();
    QCOMPARE(m_opened, 1);
    QVERIFY(m_busyWhileOpening);
    QVERIFY(!item(h, "mnuOverzichtenA")->isChecked());
    QVERIFY(!key(h, "But09")->isChecked());
    QVERIFY(key(h, "But04")->isEnabled());
    QVERIFY(item(h, "mnuOverzichtenB")->isEnabled());
    QCOMPARE(h.mdiArea()->subWindowList().size(), 0);
}

void TestShellMenus::failedCheckOpensNothing()
{
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    QVERIFY(QFile::remove(PadUitslag()));
    platform::ScriptedMessages msgs;
    item(h, "mnuOverzichtenC")->trigger();
    QCOMPARE(m_opened, 0);
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith("Uitslagenbestand niet gevonden !"));
    QVERIFY(!item(h, "mnuOverzichtenC")->isChecked());
    QVERIFY(item(h, "mnuOverzichtenA")->isEnabled());
}

void TestShellMenus::groupZeroTogglesAlone()
{
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    h.show();
    key(h, "But16")->trigger();
    QVERIFY(m_last);
    QVERIFY(item(h, "mnuDiversenKlok")->isChecked());
    QVERIFY(key(h, "But16")->isChecked());
    QVERIFY(key(h, "But04")->isEnabled());
    QVERIFY(key(h, "But09")->isEnabled());
    QVERIFY(item(h, "mnuOverzichtenA")->isEnabled());
    QVERIFY(h.topMenu("mnuRondebeheer")->menuAction()->isEnabled());
    QPointer<TestWindow> w = m_last;
    item(h, "mnuDiversenKlok")->trigger();
    QTRY_VERIFY(w.isNull());
    QVERIFY(!key(h, "But16")->isChecked());
}

void TestShellMenus::windowRefusingToCloseStaysMarked()
{
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    h.show();
    item(h, "mnuRondebeheerD")->trigger();
    QVERIFY(m_last);
    m_last->refuse = true;
    item(h, "mnuRondebeheerD")->trigger();
    QTest::qWait(20);
    QVERIFY(m_last);
    QVERIFY(item(h, "mnuRondebeheerD")->isChecked());
    QVERIFY(!key(h, "But09")->isEnabled());  // group 4 busy
    m_last->refuse = false;
    item(h, "mnuRondebeheerD")->trigger();
    QTRY_VERIFY(m_last.isNull());
    QVERIFY(key(h, "But09")->isEnabled());
    QCOMPARE(m_opened, 1);
}

void TestShellMenus::noTournamentDisablesItems()
{
    ToernooiGeladen = false;
    mdiHoofd h(nullptr, false);
    registerGroup(h);
    int opens = 0, restores = 0;
    h.registerMenuAction({.item = "mnuBestandOpen", .caption = "Open toernooi", .run = [&] { ++opens; },
                          .needsTournament = false, .onlyWithoutTournament = true});
    h.registerMenuAction({.item = "mnuBestandRestore", .caption = "Restore", .run = [&] { ++restores; },
                          .needsTournament = false, .onlyWithoutTournament = true});
    item(h, "mnuBestandOpen")->trigger();
    QCOMPARE(opens, 1);  // the registered handler replaced the built-in one (no file dialog)
    QVERIFY(item(h, "mnuBestandRestore")->isEnabled());
    QVERIFY(!item(h, "mnuOverzichtenA")->isEnabled());
    QVERIFY(!key(h, "But09")->isEnabled());
    QVERIFY(item(h, "mnuDiversenKlok")->isEnabled());
    QVERIFY(item(h, "mnuBestandOpen")->isEnabled());
    ToernooiGeladen = true;
    ShowTournamentLoaded();
    QVERIFY(item(h, "mnuOverzichtenA")->isEnabled());
    QVERIFY(key(h, "But09")->isEnabled());
    // One tournament per run.
    QVERIFY(!item(h, "mnuBestandOpen")->isEnabled());
    QVERIFY(!item(h, "mnuBestandRestore")->isEnabled());
    QCOMPARE(h.StatusBar1()->panelText(4), QString("U bent in toernooironde:  1"));
    QCOMPARE(h.StatusBar1()->panelText(1), QString("Test toernooi"));
}

void TestShellMenus::menuActionRunsAfterChecks()
{
    mdiHoofd h(nullptr, false);
    int runs = 0;
    h.registerMenuAction({.item = "mnuRondebeheerNieuw", .caption = "Nieuwe ronde maken", .group = 4,
                          .checks = FileToernooi | FileSpelers, .run = [&] { ++runs; }});
    QCOMPARE(item(h, "mnuRondebeheerNieuw")->text(), QString("Nieuwe ronde maken"));
    QVERIFY(h.topMenu("mnuRondebeheer")->actions().contains(item(h, "mnuRondebeheerNieuw")));
    item(h, "mnuRondebeheerNieuw")->trigger();
    QCOMPARE(runs, 1);
    // Part of its group: disabled while another window of group 4 is open.
    registerGroup(h);
    h.show();
    item(h, "mnuRondebeheerD")->trigger();
    QVERIFY(m_last);
    QVERIFY(!item(h, "mnuRondebeheerNieuw")->isEnabled());
    m_last->close();
    QTRY_VERIFY(item(h, "mnuRondebeheerNieuw")->isEnabled());

    QVERIFY(QFile::remove(PadSpelers()));
    platform::ScriptedMessages msgs;
    item(h, "mnuRondebeheerNieuw")->trigger();
    QCOMPARE(runs, 1);
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith("Spelersbestand niet gevonden !"));
}

void TestShellMenus::planningKeyCarriesExtraLine_data()
{
    QTest::addColumn<bool>("fromKey");
    QTest::addColumn<QString>("prompt");
    const QString restore = "of het bestand is beschadigd (gebruik dan Restore).";
    QTest::newRow("menu item") << false << "Planningbestand niet gevonden !\r\n" + restore;
    QTest::newRow("toolbar key") << true
                                 << "Planningbestand niet gevonden !\r\nU heeft nog geen planningen gemaakt,\r\n"
                                        + restore;
}

void TestShellMenus::planningKeyCarriesExtraLine()
{
    QFETCH(bool, fromKey);
    QFETCH(QString, prompt);
    mdiHoofd h(nullptr, false);
    int opened = 0;
    h.registerMenuWindow({.item = "mnuPlanningBestaand", .caption = "Naar bestaande planning", .group = 7,
                          .key = "But14", .checks = FilePlanning, .open = [&]() -> QWidget* {
                              ++opened;
                              return nullptr;
                          }});
    platform::ScriptedMessages msgs;
    if (fromKey)
        key(h, "But14")->trigger();
    else
        item(h, "mnuPlanningBestaand")->trigger();
    QCOMPARE(opened, 0);
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, prompt);
    QCOMPARE(msgs.boxes[0].title, QString("Let op!"));
    // Only a missing file: the program goes on.
    QVERIFY(!h.shutDownDone());
}

QTEST_MAIN(TestShellMenus)
#include "test_shell_menus.moc"

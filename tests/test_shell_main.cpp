// The shell: program start, the start dialog, opening a tournament and the shut-down; the main window's
// menu-group protocol, SetMenusBusy and CheckTournamentFiles; the help pop-up, the banner and the player
// search; the platform's message boxes, input fields and program folder.
#include "app/cLogo.h"
#include "app/frmHelp.h"
#include "app/frmStart.h"
#include "composition.h"
#include "core/filechanges.h"
#include "core/rounds.h"
#include "platform/inputfields.h"
#include "platform/lockowner.h"
#include "platform/programfolder.h"
#include "poules/frmZoek.h"
#include "support/rounds_fixture.h"
#include "support/shell_fixture.h"
#include <QtTest>
#include <QtWidgets>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace modStootplanner;
using namespace platform;
using testsupport::ScopedEnv;

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



// A real box: its flags, the button clicked, the answer, what it showed ("QMessageBox::Icon: buttons").
const struct BoxCase {
    const char* name;
    int flags;
    QString click;
    int answer;
    QString seen;
} boxCases[] = {
    {"ok", vbOKOnly + vbExclamation, "OK", vbOK, "2: OK"},
    {"yes/no: no", vbYesNo + vbQuestion, "Nee", vbNo, "4: Ja Nee"},
    {"yes/no: yes", vbYesNo + vbInformation, "Ja", vbYes, "1: Ja Nee"},
    {"yes/no/cancel", vbYesNoCancel + vbCritical, "Annuleren", vbCancel, "3: Annuleren Ja Nee"},
    {"ok/cancel", vbOKCancel, "OK", vbOK, "0: Annuleren OK"},
};

const struct TypingCase {
    const char* name;
    KeyFilter filter;
    QString typed, kept;
} typingCases[] = {
    {"whole number", KeyFilter::WholeNumber, "12a.3,-4 ", "1234"},
    {"moyenne point", KeyFilter::Moyenne, "1.25", "1.25"},
    {"moyenne never comma", KeyFilter::Moyenne, "1,25x", "125"},
    {"name printable", KeyFilter::Name, "de Vries, J.\t", "de Vries, J."},
    {"name accents", KeyFilter::Name, QString::fromUtf8("Hélène €"), QString::fromUtf8("Hélène €")},
    {"name outside code page", KeyFilter::Name, QString::fromUtf8("Ω-a"), "-a"},
    {"file name", KeyFilter::FileName, "Club 2024-a/b_c.d", "Club 2024-abcd"},
    {"file name plain letters only", KeyFilter::FileName, QString::fromUtf8("Hélène²ÆX"), "HlneX"},
    {"any", KeyFilter::Any, "1,a", "1,a"},
};

// While it lives, files are reached as another user would reach them: as nobody when the tests run as root,
// whom permissions do not bind, else as this user, whom bits set alike for everyone bind the same way.
struct AsAnotherUser {
    AsAnotherUser()
    {
        if (!root)
            return;
        groups.resize(size_t(getgroups(0, nullptr)));
        getgroups(int(groups.size()), groups.data());
        if (setgroups(0, nullptr) != 0 || setegid(65534) != 0 || seteuid(65534) != 0)
            qFatal("cannot act as another user");
    }
    ~AsAnotherUser()
    {
        if (root && (seteuid(0) != 0 || setegid(0) != 0 || setgroups(groups.size(), groups.data()) != 0))
            qFatal("cannot act as root again");
    }
    const bool root = geteuid() == 0;
    std::vector<gid_t> groups;
};

}  // namespace

class TestShell : public QObject {
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
        m_opened = 0;
        m_returnNothing = false;
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
    void cleanup()
    {
        m_t.reset();
        ResetContext();
    }

    // A key shows a picture with its caption under it, also when its window brings none; an item without a
    // menu of its own goes to its group's menu. A busy group disables the keys of its list and the other
    // groups' top menus (groups 1, 2, 3 and 5 have no key list).
    void keysAndBusyGroups()
    {
        m_t.emplace();
        mdiHoofd h;
        registerItems(h);
        QCOMPARE(h.toolbar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(!h.toolbarKey("But10")->icon().isNull());
        QCOMPARE(h.toolbarKey("But10")->text(), QString("B"));
        QVERIFY(h.topMenu("mnuRondebeheer")->actions().contains(h.menuItem("mnuRondebeheerNieuw")));
        QCOMPARE(h.menuItem("mnuRondebeheerNieuw")->text(), QString("Nieuwe ronde maken"));
        // Per group 0 to 8: its own top menu (none: nothing goes), then the keys that go while it is busy.
        const QStringList busy[] = {{""}, {"mnuBestand"}, {"mnuBestand"}, {"mnuPoulebeheer"},
                                    {"mnuRondebeheer", "But04", "But08", "But09", "But10", "But12", "But14"},
                                    {"mnuUitslagen"}, {"mnuOverzichten", "But04", "But08", "But12", "But14"},
                                    {"mnuPlanning", "But04", "But08", "But09", "But10", "But12"}, {""}};
        for (int groep = -1; groep <= 8; ++groep)
            for (bool bezig : {true, false}) {
                SetMenusBusy(groep, bezig);
                const QStringList& off = busy[qMax(0, groep)];
                for (const QString& k : allKeys() + GroupMenus + QStringList{"mnuDiversen", "mnuHelp"}) {
                    const bool goes = bezig && k != off[0]
                                      && (off.contains(k) || (!off[0].isEmpty() && GroupMenus.contains(k)));
                    QAction* a = k.startsWith("But") ? h.toolbarKey(k) : h.topMenu(k)->menuAction();
                    QVERIFY2(a->isEnabled() == !goes, qPrintable(QString("%1 %2").arg(groep).arg(k)));
                }
            }
    }

    void protocol_data()
    {
        // Steps: a letter chooses its menu item, "k10" presses key But10, "close" makes the last window close
        // itself, "frame" closes its frame as the user does, "drop" deletes the frame, "refuse"/"accept" set
        // whether it refuses to close, "none" makes the next window refuse to open, "-4" removes the files of
        // that TournamentFile mask, "quit" closes the main window, "end" ends the run, "geen"/"laad" unload and
        // load the tournament. One state after every step; "seen" gives the state the last opening saw, "box"
        // the prompt of the last box (and no other box is shown).
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("states");
        const QString idle0 = ".......-- .... .. 0/0", idle1 = ".......-- .... .. 1/0";
        const QString a = "+--....-- -+-. -. 1/1", b = "-+-....-- --+. -. 1/1", d = "...+-..-- ---. .- 1/1";
        const QString p = "......+-- ---. -- 1/1", opening = "+--....-- -+-. -. 1/0";
        const QString planning = "Planningbestand niet gevonden !\r\n" + Restore;
        QTest::newRow("item opens, again closes") << "A seen A" << QStringList{a, opening, idle1};
        QTest::newRow("key opens, again closes") << "k10 k10" << QStringList{b, idle1};
        QTest::newRow("window without key") << "C close" << QStringList{"--+....-- ---. -. 1/1", idle1};
        QTest::newRow("closed by itself, opens again") << "B close B" << QStringList{b, idle1, "-+-....-- --+. -. 2/1"};
        QTest::newRow("frame closed by the user") << "A frame" << QStringList{a, idle1};
        QTest::newRow("frame deleted with its window") << "A drop" << QStringList{a, idle1};
        QTest::newRow("open refused") << "none A seen" << QStringList{idle0, idle1, opening};
        QTest::newRow("no group toggles alone") << "k16 K" << QStringList{".....+.-- ...+ .. 1/1", idle1};
        QTest::newRow("window refusing to close") << "D refuse D accept D" << QStringList{d, d, d, d, idle1};
        // A child that keeps itself open keeps the program running, unless the run is ended.
        QTest::newRow("child keeps the program running")
            << "A refuse quit end" << QStringList{a, a, a, a + " dicht einde"};
        QTest::newRow("one tournament a run")
            << "geen O laad" << QStringList{"-----.-.. ---. .. 0/0", "-----.-.. ---. .. 1/0", idle1};
        QTest::newRow("action runs") << "N" << QStringList{idle1};
        QTest::newRow("check fails: window") << "-4 C box" << QStringList{idle0, idle0, "Uitslagenbestand niet "
                                                 "gevonden !\r\nU heeft nog geen uitslagen ingevoerd,\r\n" + Restore};
        QTest::newRow("check fails: action") << "-2 N box" << QStringList{idle0, idle0, "Spelersbestand niet "
                                                 "gevonden !\r\nU heeft nog geen spelers aan het toernooi "
                                                 "gekoppeld,\r\n" + Restore};
        QTest::newRow("check fails: planning item") << "-16 P box" << QStringList{idle0, idle0, planning};
        QTest::newRow("open grid stays while its file is gone") << "P -16 P box" << QStringList{p, p, p, planning};
        QTest::newRow("check fails: planning key") << "-16 k14 box" << QStringList{idle0, idle0,
            "Planningbestand niet gevonden !\r\nU heeft nog geen planningen gemaakt,\r\n" + Restore};
    }
    void protocol()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, states);
        m_t.emplace();
        mdiHoofd h;
        registerItems(h);
        h.show();
        ScriptedMessages msgs;
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
            else if (step != "seen" && step != "box")
                h.menuItem(Items[Letters.indexOf(step)])->trigger();
            // Unloads and frame closings run from deferred deletes.
            for (int i = 0; i < 3; ++i) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QCoreApplication::processEvents();
            }
            QVERIFY2(m_last.isNull() || m_last->isVisible() || !h.isVisible(), qPrintable(step));
            const QString box = msgs.boxes.isEmpty() ? QString() : msgs.boxes.last().prompt;
            QCOMPARE(step == "seen" ? m_whileOpening : step == "box" ? box : state(h), states.takeFirst());
        }
        QCOMPARE(msgs.boxes.size(), steps.count("box"));
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
        m_t.emplace();
        QVERIFY(testsupport::ShellTournament::remove(qAbs(missing)));
        const QString ini = ToernooiMap + "|" + BestandToernooi;
        mdiHoofd hoofd;
        hoofd.show();
        QPointer<QWidget> caller = new QWidget;
        hoofd.showChild(caller);
        QSignalSpy ended(&hoofd, &mdiHoofd::shutDown);
        ScriptedMessages msgs;
        const int all = FileToernooi | FileSpelers | FileUitslag | FilePoules | FilePlanning;
        QCOMPARE(CheckTournamentFiles(missing < 0 ? all & ~-missing : all, caller, CheckForm(form)), lines.isEmpty());
        const QString box = QString("Let op!|%1|").arg(vbCritical | vbOKOnly) + lines.join("\r\n");
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
        QVERIFY(!normal.isVisible() && normal.result() == QDialog::Accepted);
    }

    void bannerStyles()
    {
        PictureBox box;
        box.resize(60, 300);
        QFont f = box.font();
        f.setPixelSize(20);
        box.setFont(f);
        cLogo logo;
        logo.setDrawingObject(&box);
        logo.setCaption("Stootplanner");
        logo.Draw(1);  // a gradient, dark at the top
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
        ScriptedMessages msgs;
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

    // The start dialog offers the last tournament from the ini file (if any); opening it sets the context,
    // failing leaves nothing half-set; the shut-down remembers a loaded tournament, else leaves the ini file
    // alone. The club name (file) is the main window's title, a logo its picture.
    void open_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("button");  // 1 open, 2 without tournament
        QTest::addColumn<QString>("box");  // "title|flags|prompt" (its start); empty: none
        const QString restore = "of het bestand is beschadigd (gebruik dan Restore).", letOp = "Let op!|16|";
        const QString geen = "Fout !|16|Het bestand Voorjaar_ST007.stt is geen toernooibestand van Stootplanner !";
        const QString geenRonde = letOp + "Het poulebestand bevat geen gegevens voor ronde  2 !\r\n"
                                          "Het bestand is beschadigd (gebruik dan Restore).";
        QTest::newRow("first start") << "no ini" << 2 << "";
        QTest::newRow("read-only program folder")
            << "no ini, read-only" << 2 << "Let op!|48|Het bestand Clubnaam_Stootplanner.dat kon niet worden "
                                           "aangemaakt in de programmamap !\r\n";
        QTest::newRow("club name and logo there") << "own files" << 1 << "";
        QTest::newRow("go on without") << "" << 2 << "";
        QTest::newRow("settings file gone") << "gone" << 1
                                            << letOp + "Toernooibestand niet gevonden !\r\nPlaats het bestand "
                                                       "Voorjaar_ST007.stt terug in de juiste map,\r\n" + restore;
        QTest::newRow("other signature") << "XXXXXXXXXX" << 1 << geen;
        QTest::newRow("too short") << "short" << 1 << geen;
        QTest::newRow("no poules file") << "poules" << 1 << letOp + "Poulebestand niet gevonden !\r\n" + restore;
        QTest::newRow("poules file short") << "poules 8" << 1 << geenRonde;
        QTest::newRow("poules file empty") << "poules 0" << 1 << geenRonde;
        QTest::newRow("no rounds") << "rounds 0" << 1
                                   << letOp + "Het toernooibestand Voorjaar_ST007.stt is beschadigd !\r\n"
                                              "Het aantal rondes is  0, dat moet minstens 1 zijn.\r\n"
                                              "Zet het toernooi terug met Restore.";
        const QString open = letOp + "Dit toernooi is al geopend in een ander exemplaar van Stootplanner !\r\n"
                                     "Sluit het toernooi daar eerst af.";
        QTest::newRow("open in another copy") << "in use" << 1 << open;
        QTest::newRow("open in a copy on another computer") << "held lock:4242\nstootplanner\nZaal-PC\n" << 1
                                                            << open + "\r\nHet toernooi is geopend op computer Zaal-PC.";
        QTest::newRow("lock of a running program") << "lock:<kid>\n<app>\n<host>\n" << 1 << open;
        QTest::newRow("lock naming this very copy") << "lock:<pid>\n<app>\n<host>\n" << 1 << "";
        QTest::newRow("lock of a copy that ended") << "stale" << 1 << "";
        QTest::newRow("lock brought from another computer") << "lock:4242\nstootplanner\nZaal-PC\n" << 1 << "";
        QTest::newRow("lock left empty") << "lock:" << 1 << "";
        QTest::newRow("lock damaged") << "lock:\x01\x7f kapot" << 1 << "";
        // Larger than any lock: not read (16 GiB would not even fit in memory), so taken over at once, unless
        // a running copy holds it.
        QTest::newRow("lock of 16 GiB") << "huge lock" << 1 << "";
        QTest::newRow("lock of 16 GiB, held") << "held huge lock" << 1 << open;
        QTest::newRow("lock a link") << "link lock" << 1 << "";
        QTest::newRow("empty folder in the lock's place") << "lock folder" << 1 << "";
        QTest::newRow("folder with something in the lock's place")
            << "lock folder, full" << 1
            << letOp + "In de toernooimap staat een map Geopend-ST007.lock die niet leeg is !\r\nOp die plaats hoort "
                       "het bestand dat een tweede exemplaar van Stootplanner buiten het toernooi houdt; zonder dat "
                       "bestand wordt het toernooi niet geopend.\r\nVerplaats of verwijder de map Geopend-ST007.lock "
                       "eerst.";
        QTest::newRow("no room for the lock")
            << "no room" << 1
            << letOp + "Het bestand Geopend-ST007.lock kon niet worden aangemaakt in de toernooimap !\r\n"
                       "Zonder dit bestand wordt het toernooi niet geopend.\r\n" + strerror(EFBIG);
        QTest::newRow("change left halfway") << "halfway" << 1 << "";
        QTest::newRow("its journal damaged")
            << "halfway, damaged" << 1
            << letOp + "Het hulpbestand HulpHerstel_ST007.dat is beschadigd !\r\nEen onderbroken wijziging is "
                       "daardoor niet ongedaan gemaakt;\r\nde bestanden DataSpelers_ST007.sts, "
                       "DataPoules_ST007.stp en Voorjaar_ST007.stt kunnen half gewijzigd zijn.\r\nZet het toernooi "
                       "terug met Restore en verwijder daarna HulpHerstel_ST007.dat.";
        QTest::newRow("its journal's count cut short")
            << "halfway, count cut" << 1
            << letOp + "Het hulpbestand HulpHerstel_ST007.dat is beschadigd !\r\nEen onderbroken wijziging is ";
        QTest::newRow("its journal a link, not followed")
            << "halfway, link" << 1
            << letOp + "Het hulpbestand HulpHerstel_ST007.dat kan niet worden gelezen !\r\nEen onderbroken wijziging";
        QTest::newRow("its files changed since")
            << "halfway, changed since" << 1
            << "Let op!|48|Een onderbroken wijziging is niet ongedaan gemaakt !\r\nHet bestand Voorjaar_ST007.stt is "
               "sindsdien veranderd, bijvoorbeeld door een Restore.\r\nHet hulpbestand staat nu apart als HulpH";
    }
    void open()
    {
        QFETCH(QString, damage);
        QFETCH(int, button);
        QFETCH(QString, box);
        QTemporaryDir dir;
        const QString prog = dir.path() + "/prog/", club = damage == "own files" ? "BC Hoornse Keu" : "";
        const ScopedEnv home("STOOTPLANNER_HOME", prog);
        MeldingTitel = "iets anders";
        HuidigeRonde = 5;
        core::TournamentBuilder b(dir.path() + "/toernooi", "Voorjaar", 7);
        b.setRound(1, 3);
        b.setRound(2, 2);
        b.toernooi.laatsteRonde = 2;
        b.addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.2));
        const core::TournamentFileSet f = b.write();
        QFile settings(f.map + f.toernooi), lock(f.map + f.slot);
        std::optional<QLockFile> elders;
        pid_t kid = 0;  // another running copy of the program, holding nothing
        const auto reap = qScopeGuard([&] { kid > 0 && kill(kid, SIGKILL) == 0 && waitpid(kid, nullptr, 0); });
        // What a copy ended right before its rename left, and the lock's leftover of an earlier copy's
        // take-over: gone once the lock is ours. Everything else stays: the organiser's own copies, the names
        // an earlier copy wrote aside under, names that are nearly the program's, another tournament's, a
        // link and a folder.
        const QString mark = ".~stootplanner-";
        const QStringList left = {"." + f.spelers + mark + "AbC123", "." + f.toernooi + mark + "zzzzzz",
                                  "." + f.herstel + mark + "000000", f.slot + ".rmlock"},
                          alike = {f.spelers + ".Backup", f.toernooi + ".Bewaar", f.uitslag + ".BACKUP",
                                   f.poules + ".Vorige", f.spelers + ".AbCdEf", f.planning + ".backup",
                                   f.spelers + mark + "AbC123", "." + f.spelers + mark + "AbC12",
                                   "." + f.spelers + mark + "AbC1234", "." + f.spelers + mark + "AbC-12",
                                   ".DataSpelers_ST008.sts" + mark + "AbC123", ".Stootplanner.ini" + mark + "AbC123",
                                   f.slot + ".rmlock2"},
                          odd = {"." + f.poules + mark + "Link00", "." + f.uitslag + mark + "Map000"};
        const bool madeLeft = box.isEmpty() || box.contains("al geopend");
        for (const QString& n : left + alike)
            QVERIFY(!madeLeft || testsupport::writeAll(f.map + n, "kopie"));
        QVERIFY(!madeLeft || (QFile::link(f.poules + ".Vorige", f.map + odd[0]) && QDir(f.map).mkdir(odd[1])));
        QImage logo(40, 20, QImage::Format_RGB32);
        QDir().mkpath(prog);
        if (damage == "gone")
            QVERIFY(settings.remove());
        else if (damage == "short")
            QVERIFY(settings.resize(100));
        else if (damage.startsWith("poules"))
            QVERIFY(damage == "poules" ? QFile::remove(f.map + f.poules)
                                       : QFile::resize(f.map + f.poules, damage.mid(7).toInt()));
        else if (damage == "rounds 0") {
            b.toernooi.laatsteRonde = 0;
            QVERIFY(core::writeToernooi(settings.fileName(), b.toernooi));
        } else if (damage == "in use")
            QVERIFY(elders.emplace(f.map + f.slot).tryLock(0));
        else if (damage.endsWith("huge lock")) {  // sparse: it takes no room
            QVERIFY(lock.open(QIODevice::WriteOnly) && lock.resize(qint64(16) << 30));
            if (!damage.startsWith("held"))
                lock.close();
            QVERIFY(!lock.isOpen() || flock(lock.handle(), LOCK_EX | LOCK_NB) == 0);
        } else if (damage == "link lock")
            QVERIFY(testsupport::writeAll(f.map + "elders", "niet van ons")
                    && QFile::link("elders", lock.fileName()));
        else if (damage.startsWith("lock folder"))
            QVERIFY(QDir(f.map).mkpath(f.slot + (damage.endsWith("full") ? "/eigen" : "")));
        else if (damage.startsWith("stale")) {
            if (fork() == 0)
                _exit(QLockFile(f.map + f.slot).lock() ? 0 : 1);  // ends without giving the lock up
            wait(nullptr);
        } else if (damage.contains("lock:")) {  // as found; "held": a running copy keeps it locked
            if (damage.contains("<kid>") && (kid = fork()) == 0)
                for (;;)
                    pause();
            const QString text = damage.section(':', 1).replace("<pid>", QString::number(getpid()))
                                     .replace("<kid>", QString::number(kid))
                                     .replace("<app>", QFileInfo(QCoreApplication::applicationFilePath()).fileName())
                                     .replace("<host>", QSysInfo::machineHostName());
            QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(text.toLatin1()) >= 0 && lock.flush());
            if (!damage.startsWith("held"))
                lock.close();
            QVERIFY(!lock.isOpen() || flock(lock.handle(), LOCK_EX | LOCK_NB) == 0);
        } else if (damage.startsWith("halfway")) {  // a new round stopped before its poules record: undone
            core::FileChanges c(f.map + f.herstel);
            b.toernooi.laatsteRonde = 3;
            c.keep(f.map + f.poules, 16, core::newRoundRecord(3).toBytes());
            c.keep(f.map + f.toernooi, 0, b.toernooi.toBytes());
            QVERIFY(c.begin(nullptr) && core::writeToernooi(f.map + f.toernooi, b.toernooi));
            b.toernooi.laatsteRonde = 2;  // unless the journal is damaged, or the settings were restored since
            b.toernooi.subtitel = "Teruggezet";
            const QString herstel = f.map + f.herstel;
            QVERIFY(damage.endsWith("damaged") ? QFile::resize(herstel, QFileInfo(herstel).size() - 1)
                    : !damage.endsWith("since") || core::writeToernooi(f.map + f.toernooi, b.toernooi));
            QVERIFY(!damage.endsWith("link")
                    || (QFile::rename(herstel, f.map + "elders") && QFile::link("elders", herstel)));
            const QByteArray cut("STJ2\0\0", 6);  // whole but for half its count, the checksum made to fit
            QVERIFY(!damage.endsWith("cut")
                    || testsupport::writeAll(herstel, cut + QCryptographicHash::hash(cut, QCryptographicHash::Sha256)));
        } else if (damage == "own files") {
            logo.fill(Qt::blue);
            QVERIFY(core::writeClubnaam(prog + "Clubnaam_Stootplanner.dat", club)
                    && logo.save(prog + "Stootplanner_logo.bmp", "BMP"));
        } else if (damage.startsWith("XX"))
            QVERIFY(settings.open(QIODevice::ReadWrite) && settings.write(damage.toLatin1()) == damage.size());
        settings.close();
        QVERIFY(damage.startsWith("no ini") || core::writeIni(prog + "Stootplanner.ini", {f.map, f.toernooi}));
        ScriptedMessages msgs;
        core::writeSeam().readOnly = damage == "no ini, read-only";
        QString offered;
        QTimer::singleShot(0, [&] {
            if (auto* dlg = qobject_cast<frmStart*>(QApplication::activeModalWidget())) {
                offered = dlg->Label1()->text();
                std::optional<core::SizeLimit> full;  // the system refuses what a file would grow by
                if (damage == "no room")
                    full.emplace(0);
                (button == 1 ? dlg->Command1() : dlg->Command2())->click();
            }
        });
        std::unique_ptr<mdiHoofd> hoofd(StartUp(composition::RegisterMenus));
        core::writeSeam().readOnly = false;
        QCOMPARE(offered, damage.startsWith("no ini") ? "Geen laatst gebruikt toernooi beschikbaar"
                                                      : f.map + f.toernooi);
        const QByteArray other("/ergens/\r\nOud_ST003.stt\r\n");
        QVERIFY(damage.startsWith("no ini") || testsupport::writeAll(prog + "Stootplanner.ini", other));
        const bool loaded = button == 1 && (box.isEmpty() || box.contains("|48|"));  // a warning only
        QCOMPARE(ToernooiGeladen, loaded);
        QCOMPARE(DialoogResultaat, qint16(loaded ? 1 : button == 1 ? 2 : 0));
        QCOMPARE(hoofd->StatusBar1()->panelText(1),
                 QString(loaded ? "Voorjaar" : button == 1 ? "Openen recent gebruikt toernooi mislukt !" : ""));
        QVERIFY(hoofd->isVisible() && hoofd->menuItem("mnuBestandOpen")->isEnabled() == !loaded);
        QCOMPARE(msgs.boxes.size(), box.isEmpty() ? 0 : 1);  // a club name file not made is told; the start goes on
        QVERIFY(box.isEmpty() || testsupport::shown(msgs).value(0).startsWith(box));
        const QStringList context = {ToernooiMap, BestandToernooi, BestandSpelers, BestandUitslag, BestandPoules,
                                     BestandPlanning, Toernooi.naam, QString::number(HuidigeRonde),
                                     QString::number(AantalPoules), hoofd->StatusBar1()->panelText(4)};
        if (loaded) {
            QCOMPARE(context, QStringList({f.map, "Voorjaar_ST007.stt", "DataSpelers_ST007.sts",
                                           "DataUitslag_ST007.stu", "DataPoules_ST007.stp", "Planning_ST007.sta",
                                           "Voorjaar", "2", "2", "U bent in toernooironde:  2"}));
            QVERIFY(!OpenTournament(f.map + f.toernooi));  // one tournament per run
        }
        QVERIFY(loaded || (ToernooiMap.isEmpty() && BestandToernooi.isEmpty() && HuidigeRonde == 1));
        const QString clubName = club.isEmpty() ? "Nog geen clubnaam ingevoerd" : club;
        QCOMPARE(QStringList({ProgrammaMap, MeldingTitel, hoofd->windowTitle()}),
                 QStringList({prog, "Let op!", clubName}));
        QCOMPARE(testsupport::readAll(prog + "Clubnaam_Stootplanner.dat"),
                 damage == "no ini, read-only" ? QByteArray() : clubName.toLatin1().leftJustified(40));
        QCOMPARE(hoofd->Picture3().size(), club.isEmpty() ? QSize(0, 0) : QSize(40, 20));
        // The lock is ours while it is open; another's stays, and so does a folder with something in it.
        const bool kept = box.contains("al geopend") || damage.endsWith("full");
        const QFileInfo slot(f.map + f.slot);
        QCOMPARE(slot.isFile() && !slot.isSymLink(), loaded || (kept && !damage.endsWith("full")));
        QVERIFY(!damage.endsWith("huge lock") || (slot.size() > 4096) == !loaded);
        QVERIFY(!damage.endsWith("full") || QFileInfo(f.map + f.slot + "/eigen").isDir());
        QVERIFY(damage != "link lock" || testsupport::readAll(f.map + "elders") == "niet van ons");
        for (const QString& n : left + alike + odd)
            QCOMPARE(QFileInfo(f.map + n).exists(), madeLeft && !(loaded && left.contains(n)));
        QVERIFY(!madeLeft || (QFileInfo(f.map + odd[0]).isSymLink() && QFileInfo(f.map + odd[1]).isDir()));
        // A damaged journal stays, one of files changed since is set aside.
        const QString aside = damage.endsWith("since") ? "HulpHerstel-ST007.afgezet" : "";
        QCOMPARE(QDir(f.map).entryList({"HulpHerstel*"}).join(""),
                 damage.endsWith("damaged") || damage.endsWith("link") || damage.endsWith("cut") ? f.herstel
                                                                                                : aside);
        hoofd->close();
        QVERIFY(hoofd->shutDownDone());
        QCOMPARE(QFileInfo::exists(f.map + f.slot), kept);  // given up at the end
        QCOMPARE(testsupport::readAll(prog + "Stootplanner.ini"),
                 loaded ? (f.map + "\r\n" + f.toernooi + "\r\n").toUtf8() : damage.startsWith("no ini") ? "" : other);
    }

    // Another user opens the tournament. A lock he cannot read counts as held and stays; one that another
    // user's copy holds can be read, whatever that user's umask. Where no lock can be made, only a tournament
    // whose files nobody here can write opens, without one.
    void openAsAnotherUser_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("box");  // "title|flags|prompt"; empty: it opens
        const QString letOp = "Let op!|16|", denied = strerror(EACCES);
        const QString noLock = letOp + "Het bestand Geopend-ST007.lock kon niet worden aangemaakt in de "
                                       "toernooimap !\r\nZonder dit bestand wordt het toernooi niet geopend.\r\n"
                                       "De toernooimap moet beschrijfbaar zijn, want de toernooibestanden zijn dat "
                                       "ook.\r\n" + denied;
        QTest::newRow("lock he cannot read")
            << "unreadable"
            << letOp + "Het bestand Geopend-ST007.lock in de toernooimap kan niet worden gelezen !\r\nHet toernooi "
                       "kan al geopend zijn in een ander exemplaar van Stootplanner en wordt daarom niet geopend.\r\n"
                       "Sluit het daar eerst af. Is het nergens geopend, laat dan de eigenaar van het bestand het "
                       "verwijderen.\r\n" + denied;
        QTest::newRow("lock of another user's copy, umask 077")
            << "other copy"
            << letOp + "Dit toernooi is al geopend in een ander exemplaar van Stootplanner !\r\nSluit het toernooi "
                       "daar eerst af.";
        QTest::newRow("read-only folder, writable files") << "folder" << noLock;
        QTest::newRow("read-only folder and files") << "folder, files" << "";
        QTest::newRow("lock of a copy that ended, read-only folder") << "stale, folder" << noLock;
        QTest::newRow("lock of a copy that ended, read-only folder and files") << "stale, folder, files" << "";
    }
    void openAsAnotherUser()
    {
        QFETCH(QString, setup);
        QFETCH(QString, box);
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7555)));
        core::TournamentBuilder b(dir.path() + "/toernooi", "Voorjaar", 7);
        b.setRound(1, 2);
        b.addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.2));
        const core::TournamentFileSet f = b.write();
        const QString slot = f.map + f.slot;
        std::optional<LockFile> elders;
        if (setup == "unreadable") {  // as a lock made under umask 077 was
            const QByteArray host = QSysInfo::machineHostName().toUtf8();
            QVERIFY(testsupport::writeAll(slot, "4242\nstootplanner\n" + host + "\n"));
            QVERIFY(QFile::setPermissions(slot, geteuid() == 0 ? QFile::ReadOwner | QFile::WriteOwner
                                                               : QFile::Permissions()));
        } else if (setup == "other copy") {
            const mode_t mask = umask(077);
            QCOMPARE(elders.emplace(slot).tryLock(nullptr), LockFile::Found::Held);
            umask(mask);
            struct stat made = {};
            QVERIFY(stat(QFile::encodeName(slot).constData(), &made) == 0 && (made.st_mode & 07777) == 0644);
        } else if (setup.startsWith("stale")) {
            if (fork() == 0)
                _exit(QLockFile(slot).lock() ? 0 : 1);  // ends without giving the lock up
            wait(nullptr);
        }
        const QByteArray found = testsupport::readAll(slot);
        const bool hadLock = QFile::exists(slot);
        const QFile::Permissions files(setup.endsWith("files") ? 0x4444 : 0x6666);
        for (const QString& name : {f.toernooi, f.spelers, f.uitslag, f.poules})
            QVERIFY(QFile::setPermissions(f.map + name, files));
        QVERIFY(QFile::setPermissions(f.map, QFile::Permissions(setup.contains("folder") ? 0x5555 : 0x7777)));
        ScriptedMessages msgs;
        bool opened = false, lockOpen = false;
        {
            AsAnotherUser other;
            QVERIFY(geteuid() != 0);
            opened = OpenTournament(f.map + f.toernooi);
            lockOpen = QFile::exists(slot);
            ResetContext();
        }
        QVERIFY(QFile::setPermissions(f.map, QFile::Permissions(0x7755)));
        QCOMPARE(opened, box.isEmpty());
        QCOMPARE(testsupport::shown(msgs), box.isEmpty() ? QStringList() : QStringList{box});
        // No lock is made here, and one found stays as it was.
        QCOMPARE(lockOpen, hadLock);
        QCOMPARE(QFile::exists(slot), hadLock);
        QCOMPARE(testsupport::readAll(slot), found);
    }

    // A process whose program file cannot be read (the system's own, another user's) runs as the program its
    // name tells: a lock naming it in a read-only folder must not keep the tournament shut for good.
    void lockOwner()
    {
        const QString self = QCoreApplication::applicationFilePath();
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
            const QByteArray name = testsupport::readAll("/proc/" + pid + "/comm").trimmed();
            if (pid.toInt() > 1 && !name.isEmpty() && !name.contains('/')
                && QFile::symLinkTarget("/proc/" + pid + "/exe").isEmpty()) {
                QVERIFY(!processRuns(pid.toInt(), self) && processRuns(pid.toInt(), name));
                return;
            }
        }
        QSKIP("every program file here can be read");
    }

    void realBoxButtons_data() { testsupport::addCases(boxCases); }
    void realBoxButtons()
    {
        QFETCH(int, i);
        const BoxCase& c = boxCases[i];
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            QStringList buttons;
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            buttons.sort();
            shown = QStringLiteral("%1|%2|%3: %4").arg(box->windowTitle(), box->text()).arg(int(box->icon()))
                        .arg(buttons.join(' '));
            for (QAbstractButton* b : box->buttons())
                if (b->text() == c.click)
                    b->click();
        });
        QCOMPARE(MsgBox("Regel 1\r\nRegel 2", c.flags, "Let op!"), c.answer);
        QCOMPARE(shown, "Let op!|Regel 1\nRegel 2|" + c.seen);
    }

    // Typed key by key, or pasted in one go: the same characters stay; backspace always works; Enter is
    // passed on as the field's own.
    void typingIsFiltered_data() { testsupport::addCases(typingCases); }
    void typingIsFiltered()
    {
        QFETCH(int, i);
        const TypingCase& c = typingCases[i];
        QLineEdit field;
        setupInputField(&field, c.filter);
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        for (QChar ch : c.typed) {
            // Sent as a key with its text (keyClicks only takes Latin-1); the tab key moves on, it types nothing.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            if (ch != QLatin1Char('\t'))
                QApplication::sendEvent(&field, &press);
        }
        QCOMPARE(field.text(), c.kept);
        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(field.text(), c.kept.chopped(1));
        field.clear();
        field.insert(c.typed);
        QCOMPARE(field.text(), c.kept);
        QSignalSpy enter(&field, &QLineEdit::returnPressed);
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(enter.count(), 1);
    }

    void programFolderRule_data()
    {
        QTest::addColumn<QString>("set");  // of STOOTPLANNER_HOME and XDG_DATA_HOME
        QTest::addColumn<QString>("expected");
        QTest::newRow("STOOTPLANNER_HOME wins") << "SX" << "home/";
        QTest::newRow("XDG_DATA_HOME") << "X" << "xdg/Stootplanner/";
        QTest::newRow("~/.local/share") << "" << "fakehome/.local/share/Stootplanner/";
    }
    void programFolderRule()
    {
        QFETCH(QString, set);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const ScopedEnv home("HOME", dir.path() + "/fakehome");
        const ScopedEnv sp("STOOTPLANNER_HOME", set.contains('S') ? dir.path() + "/home" : QString());
        const ScopedEnv xdg("XDG_DATA_HOME", set.contains('X') ? dir.path() + "/xdg" : QString());
        const QString folder = programFolder();
        QCOMPARE(folder, dir.path() + "/" + expected);
        QVERIFY(QFileInfo(folder).isDir());
        // A shipped file the user already has stays as it is; one that cannot be read is not installed.
        QVERIFY(testsupport::writeAll(dir.path() + "/bron", "RIFF") && testsupport::writeAll(folder + "a.wav", "eigen"));
        QVERIFY(installShippedFile(dir.path() + "/bron", "a.wav") && !installShippedFile(dir.path() + "/x", "x.hlp"));
        QVERIFY(testsupport::readAll(folder + "a.wav") == "eigen" && !QFile::exists(folder + "x.hlp"));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell_main.moc"

// The help viewer: index, tree, tabs, search, marking, print, and the main
// window's Help and Klok items.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "composition.h"
#include "help/frmHelpAlgemeen.h"
#include "help/frmKlok.h"
#include "help/modHelp.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "support/help_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

using namespace modStootplanner;
using core::HelpRec;
using platform::vbCritical;
using testsupport::helpTopic;

namespace {

const QString Missing = QStringLiteral(
    "Help-bestand van Stootplanner niet gevonden !\r\n"
    "Plaats het bestand \"StootplannerHelp.hlp\" terug in de hoofddirectory van dit programma!");

// 35 topics with one keyword each; topic 25 "Stand" and topic 34 "Klok" have real texts (and blanks).
std::vector<HelpRec> thirtyFive()
{
    std::vector<HelpRec> recs;
    for (int k = 1; k <= 35; ++k)
        recs.push_back(helpTopic(k, QStringLiteral("Titel %1").arg(k), QStringLiteral("Tekst van onderwerp %1").arg(k),
                                 {QStringLiteral("Woord%1").arg(k, 2, 10, QLatin1Char('0'))}));
    recs[24] = helpTopic(25, "Stand", "Regel een\r\nDe STAND, ook tussenstand.\r\nStand printen.",
                         {"Stand, printen", "A, b", "Carrousel"});
    recs[33] = helpTopic(34, " Klok   ", "  De klok met alarm.   ", {"Klok", "Alarm"});
    return recs;
}

QTreeWidgetItem* node(QTreeWidget* tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    return nullptr;
}

// Is the character at pos shown red and bold?
bool marked(QTextEdit* box, int pos)
{
    QTextCursor c(box->document());
    c.setPosition(pos + 1);
    const QTextCharFormat f = c.charFormat();
    return f.foreground().color() == QColor(255, 0, 0) && f.fontWeight() == QFont::Bold;
}

QString box(const QString& title, int flags, const QString& prompt)
{
    return QStringLiteral("%1 [%2] %3").arg(title).arg(flags).arg(prompt);
}

}  // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        ResetContext();
        ProgrammaMap = m_dir->path() + QLatin1Char('/');
        MeldingTitel = QStringLiteral("Let op!");
        m_msgs = new platform::ScriptedMessages;
    }
    void cleanup()
    {
        m_w.reset();
        delete m_msgs;
        delete m_dir;
    }
    void loadWithoutFileWarnsAndStaysEmpty()
    {
        frmHelpAlgemeen& w = open({});
        QCOMPARE(boxes(), QStringList{box("Let op!", vbCritical, Missing)});
        QVERIFY(w.List1()->count() == 0 && w.tv1()->topLevelItemCount() == 0);
        QCOMPARE(w.TabStrip1()->currentIndex(), 0);
        QVERIFY(!w.tv1()->isHidden() && w.List1()->isHidden() && w.Frame1()->isHidden());
    }
    void loadFillsIndexAndTree()
    {
        auto recs = thirtyFive();
        recs[2].trefwoorden = {};   // five blank keywords: five empty entries on top
        frmHelpAlgemeen& w = open(recs);
        QCOMPARE(m_msgs->boxes.size(), 0);
        QCOMPARE(w.List1()->count(), 175);
        // 138 blank keywords stand first, in file order: topic 3's five after the eight of topics 1 and 2.
        QVERIFY(w.List1()->item(137)->text().isEmpty());
        QCOMPARE(w.List1()->item(138)->text(), QStringLiteral("A, b"));
        QCOMPARE(w.List1()->item(8)->data(Qt::UserRole + 1).toInt(), 3);
        QCOMPARE(w.List1()->currentRow(), -1);
        // 46 nodes, each topic under its chapter, the ten chapters under the root; only the root is expanded.
        int count = 0, expanded = 0;
        for (QTreeWidgetItemIterator it(w.tv1()); *it; ++it, ++count) {
            expanded += (*it)->isExpanded();
            const QString key = (*it)->data(0, Qt::UserRole).toString();
            if (key.size() == 2)
                QCOMPARE((*it)->parent()->data(0, Qt::UserRole).toString(), key.left(1));
        }
        QCOMPARE(count, 46);
        QCOMPARE(expanded, 1);
        QTreeWidgetItem* root = w.tv1()->topLevelItem(0);
        QVERIFY(root->text(0) == "Inhoud" && root->isExpanded() && root->childCount() == 10);
    }
    void treeClickShowsTopicButNotForChapters()
    {
        open();
        clickNode("J4");
        QCOMPARE(shown(), QStringLiteral(" Klok |   De klok met alarm."));
        clickNode("G");
        clickNode("H");
        QCOMPARE(shown(), QStringLiteral(" Klok |   De klok met alarm."));
        clickNode("G1");
        QCOMPARE(shown(), QStringLiteral("Stand | Regel een\nDe STAND, ook tussenstand.\nStand printen."));
        QCOMPARE(modHelp::HelpOnderwerp.nummer, qint16(25));
        // The tree reads the file at each click: a topic beyond the end of a shorter file shows nothing.
        auto recs = thirtyFive();
        recs.resize(10);
        testsupport::writeHelpFile(helpPath(), recs);
        clickNode("K1");
        QCOMPARE(shown(), QStringLiteral(" | "));
        QCOMPARE(m_msgs->boxes.size(), 0);
    }
    void unreadableFileGivesErrorReport()
    {
        frmHelpAlgemeen& w = open();
        QFile f(helpPath());
        f.setPermissions(QFileDevice::Permissions());
        if (f.open(QIODevice::ReadOnly))
            QSKIP("file permissions do not bind this user");
        clickNode("A1");
        w.List1()->setCurrentRow(150);
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QStringList b = boxes();
        QCOMPARE(b.size(), 2);
        for (const QString& report : b)
            QVERIFY(report.startsWith("Error [16] Error nummer: 75\r\n"));
        QVERIFY(b[0].contains("In form : frmHelpAlgemeen\r\n"));
        QVERIFY(b[1].contains("In form : frmHelpAlgemeen (index)\r\n"));
        QCOMPARE(w.Label2()->text(), QString());
    }
    void indexClickSelectsWordBeforeComma()
    {
        frmHelpAlgemeen& w = open();
        w.TabStrip1_Click(2);
        auto pick = [&](const QString& text) {
            const auto items = w.List1()->findItems(text, Qt::MatchExactly);
            QVERIFY2(!items.isEmpty(), qPrintable(text));
            w.List1()->setCurrentItem(items.first());   // fires the click
        };
        // "Stand" found from the start ignoring case: the STAND of line 2.
        pick("Stand, printen");
        QCOMPARE(w.Label2()->text(), QStringLiteral("Stand"));
        QTextCursor c = w.RichTextBox1()->textCursor();
        QCOMPARE(c.selectedText(), QStringLiteral("STAND"));
        QCOMPARE(c.selectionStart(), 13);
        // Comma at position 2: the whole entry, comma included, which is not in the text.
        pick("A, b");
        QVERIFY(!w.RichTextBox1()->textCursor().hasSelection());
        pick("Alarm");
        QCOMPARE(w.Label2()->text(), QStringLiteral(" Klok"));
        QCOMPARE(w.RichTextBox1()->textCursor().selectedText(), QStringLiteral("alarm"));
    }
    void mouseFocusAndEnter()
    {
        frmHelpAlgemeen& w = open();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // A mouse click on a keyword shows its topic.
        w.TabStrip1_Click(2);
        QListWidgetItem* alarm = w.List1()->findItems("Alarm", Qt::MatchExactly).value(0);
        w.List1()->scrollToItem(alarm);
        QTest::mouseClick(w.List1()->viewport(), Qt::LeftButton, {}, w.List1()->visualItemRect(alarm).center());
        QCOMPARE(w.Label2()->text(), QStringLiteral(" Klok"));
        // The search box selects its text on entry; Enter moves on to "Zoek ...", and Enter there searches.
        w.TabStrip1_Click(3);
        w.Text1()->setText("klok");
        w.Text1()->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(w.Text1()->selectedText(), QStringLiteral("klok"));
        QTest::keyClick(w.Text1(), Qt::Key_Return);
        QVERIFY(w.Command1()->hasFocus() && w.List2()->count() == 0);
        QTest::keyClick(w.Command1(), Qt::Key_Return);
        QCOMPARE(w.List2()->count(), 1);
        // Entering the hit list opens nothing; a click on the hit does.
        w.List2()->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.Label2()->text(), QString());
        const QPoint hit = w.List2()->visualItemRect(w.List2()->item(0)).center();
        QTest::mouseClick(w.List2()->viewport(), Qt::LeftButton, {}, hit);
        QCOMPARE(w.Label2()->text(), QStringLiteral(" Klok"));
    }
    void tabsSwitchPanels()
    {
        frmHelpAlgemeen& w = open();
        node(w.tv1(), "G")->setExpanded(true);
        clickNode("G1");
        w.TabStrip1_Click(2);
        QVERIFY(w.tv1()->isHidden() && !w.List1()->isHidden() && w.Frame1()->isHidden());
        QCOMPARE(shown(), QStringLiteral(" | "));
        QCOMPARE(w.List1()->currentRow(), -1);
        w.List1()->setCurrentRow(40);
        QVERIFY(!w.Label2()->text().isEmpty());
        search("klok");
        w.TabStrip1_Click(3);
        QVERIFY(w.tv1()->isHidden() && w.List1()->isHidden() && !w.Frame1()->isHidden());
        QCOMPARE(w.List1()->currentRow(), -1);
        QCOMPARE(shown(), QStringLiteral(" | "));
        QCOMPARE(w.List2()->count(), 1);   // the last search stays
        QCOMPARE(w.Text1()->text(), QStringLiteral("klok"));
        w.List1()->setCurrentRow(40);   // a topic shown, an entry selected
        w.TabStrip1_Click(1);
        QVERIFY(!w.tv1()->isHidden() && w.List1()->isHidden() && w.Frame1()->isHidden());
        QVERIFY(!node(w.tv1(), "G")->isExpanded());   // rebuilt: chapters collapsed
        QCOMPARE(w.TabStrip1()->currentIndex(), 0);
        QCOMPARE(shown(), QStringLiteral(" | "));
        QTest::keyClick(w.TabStrip1(), Qt::Key_Right);   // a tab chosen with the keyboard switches too
        QVERIFY(w.tv1()->isHidden() && !w.List1()->isHidden() && w.Frame1()->isHidden());
        QCOMPARE(w.List1()->currentRow(), -1);
    }
    void searchWithoutWordsOrHits()
    {
        frmHelpAlgemeen& w = open();
        search("klok");
        w.List2()->setCurrentRow(0);
        search("");
        QCOMPARE(m_msgs->beeps, 1);
        QCOMPARE(w.List2()->count(), 0);
        QCOMPARE(shown(), QStringLiteral(" Klok | "));   // the title keeps its text
        search("   ");   // blanks only: every topic is a hit
        QCOMPARE(w.List2()->count(), 35);
        QCOMPARE(m_msgs->boxes.size(), 0);
        search("stand, zeppelin");
        QCOMPARE(w.List2()->count(), 0);
        QCOMPARE(boxes(), QStringList{box("", platform::vbOKOnly, "Geen zoekresultaten gevonden")});
    }
    void searchListsHitsAndMarksLastWords()
    {
        auto recs = thirtyFive();
        recs[1] = helpTopic(2, "Stand", "stand zonder het andere woord");
        frmHelpAlgemeen& w = open(recs);
        search(" stand , PRINT ");
        QCOMPARE(w.List2()->count(), 1);
        QCOMPARE(w.List2()->item(0)->text(), QStringLiteral("Stand"));
        w.Text1()->setText("iets anders");   // edited, not searched: the last words still mark
        w.List2()->setCurrentRow(0);
        QTextEdit* box = w.RichTextBox1();
        const QString t = box->toPlainText();
        QCOMPARE(t, QStringLiteral("Regel een\nDe STAND, ook tussenstand.\nStand printen."));
        for (int pos : {13, 30, 37})   // STAND, tussenSTAND, Stand
            for (int i = 0; i < 5; ++i)
                QVERIFY2(marked(box, pos + i), qPrintable(QString::number(pos + i)));
        QVERIFY(marked(box, int(t.indexOf("printen"))));
        QVERIFY(!marked(box, int(t.indexOf("Regel"))) && !marked(box, 29));
        QVERIFY(!box->textCursor().hasSelection());
    }
    void missingFileStopsSearchHitAndPrint()
    {
        frmHelpAlgemeen& w = open();
        search("klok");
        QFile::remove(helpPath());
        w.List2()->setCurrentRow(0);
        QCOMPARE(w.Label2()->text(), QString());
        w.Command1_Click();
        QCOMPARE(w.List2()->count(), 1);   // nothing was emptied
        w.Toolbar1_ButtonClick("But03");
        QCOMPARE(boxes(), QStringList(3, box("Let op!", vbCritical, Missing)));
    }
    void helpButtonsShowTheirTexts()
    {
        frmHelpAlgemeen& w = open();
        HelpGroot = true;
        testsupport::closingModal([&] { w.Toolbar1_ButtonClick("But05"); });
        QVERIFY(MeldingTekst.startsWith(
            "U kunt naar helponderwerpen zoeken op Inhoud, op Index en via vrije zoekwoorden. "));
        QCOMPARE(MeldingTekst.count(". "), 8);   // nine sentences
        QVERIFY(!HelpGroot);
        HelpGroot = true;
        testsupport::closingModal([&] { w.Command3_Click(); });
        const QStringList lines = MeldingTekst.split("\r\n");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("U kunt maximaal 3 zoekwoorden, gescheiden door komma's, invoeren."));
        QVERIFY(!HelpGroot);
    }
    void printLayout()
    {
        auto recs = thirtyFive();
        const QString lang = QString(40, 'w').append(' ').repeated(30).trimmed();   // one line of 1229 characters
        QString tekst = "Eerste regel\r\n" + lang;
        for (int i = 0; i < 55; ++i)
            tekst += QStringLiteral("\r\nregel %1").arg(i);
        recs[0] = helpTopic(1, "Welkomsscherm", tekst.left(2000));
        open(recs);
        clickNode("A1");
        platform::ScopedRecordingPrinter printer;
        platform::ScriptedPrintDialog dialog(true);
        m_w->Toolbar1_ButtonClick("But03");
        QCOMPARE(dialog.shown, 1);
        QCOMPARE(printer.rec.documentsEnded, 1);
        const auto texts = printer.rec.texts();
        QVERIFY(texts.size() > 10);
        // Four empty lines of 14 pt (the recording printer's lines are 23 twips a point), two bold
        // lines, an empty 14 pt line, then the text in 12 pt, not bold.
        auto op = [&](int i) {
            const auto& t = texts[i];
            return QString::number(t.y) + ' ' + QString::number(t.fontSize) + (t.bold ? "b " : " ") + t.fontName
                   + ' ' + t.text;
        };
        QCOMPARE(op(0), QStringLiteral("1288 14b Times New Roman Stootplanner Help"));
        QCOMPARE(op(1), QStringLiteral("1610 14b Times New Roman Onderwerp: Welkomsscherm"));
        QCOMPARE(op(2), QStringLiteral("2254 12 Times New Roman Eerste regel"));
        QCOMPARE(texts[0].orientation, platform::OrientationPortrait);
        // The long line is wrapped at blanks inside the margins; nothing is lost.
        QString joined;
        for (const auto& t : texts) {
            QVERIFY2(t.x == 1000 && t.x2 <= 11338 - 1000 + 0.5, qPrintable(t.text));
            if (t.text.startsWith('w'))
                joined += (joined.isEmpty() ? "" : " ") + t.text;
        }
        QCOMPARE(joined, lang);
        // A text longer than a page runs on to page 2.
        QCOMPARE(texts.last().page, 2);
        QCOMPARE(texts.last().text, tekst.left(2000).split("\r\n").last());
        QCOMPARE(boxes(), QStringList{box("Gereed", platform::vbInformation, "Helptekst wordt uitgeprint.")});
    }
    void printRefusals()
    {
        frmHelpAlgemeen& w = open();
        platform::ScopedRecordingPrinter printer;
        {
            // No topic shown: a message and no dialog. Cancelling the dialog: nothing at all.
            platform::ScriptedPrintDialog dialog(true);
            w.Toolbar1_ButtonClick("But03");
            QCOMPARE(dialog.shown, 0);
            clickNode("J4");
            platform::ScriptedPrintDialog cancel(false);
            w.Toolbar1_ButtonClick("But03");
            QCOMPARE(cancel.shown, 1);
        }
        QVERIFY(printer.rec.ops.isEmpty());
        QCOMPARE(boxes(),
                 QStringList{box("Let op!", platform::vbExclamation, "U heeft geen helptekst gekozen om te printen!")});
    }
    void mainWindowItems()
    {
        ToernooiGeladen = false;
        mdiHoofd hoofd;
        composition::RegisterMenus(hoofd);
        QAction* help = hoofd.menuItem("mnuHelpAlgemeen");
        QAction* klok = hoofd.menuItem("mnuDiversenKlok");
        QVERIFY(hoofd.topMenu("mnuHelp")->actions().contains(help));
        QVERIFY(hoofd.topMenu("mnuDiversen")->actions().contains(klok));
        auto state = [&](QAction* item, const char* key) {
            return QList<bool>{item->isEnabled(), item->isChecked(), hoofd.toolbarKey(key)->isChecked()};
        };
        // Usable without a tournament. No help file: the main window's own message, nothing opens.
        hoofd.toggleMenuWindow("mnuHelpAlgemeen", true);
        QCOMPARE(boxes(), QStringList{box("Let op!", vbCritical,
                                          "Help-bestand van Stootplanner niet gevonden !\r\n"
                                          "Plaats het bestand \"StootplannerHelp.hlp\" terug in de programmamap !")});
        QVERIFY(!hoofd.menuWindow("mnuHelpAlgemeen"));
        QCOMPARE(state(help, "But18"), (QList<bool>{true, false, false}));

        testsupport::writeHelpFile(helpPath(), thirtyFive());
        hoofd.toggleMenuWindow("mnuHelpAlgemeen", false);
        QVERIFY(qobject_cast<frmHelpAlgemeen*>(hoofd.menuWindow("mnuHelpAlgemeen")));
        // The clock opens beside it; neither marks other menus busy.
        QCOMPARE(state(klok, "But16"), (QList<bool>{true, false, false}));
        QVERIFY(hoofd.toolbarKey("But16")->isEnabled() && hoofd.toolbarKey("But18")->isEnabled());
        hoofd.toggleMenuWindow("mnuDiversenKlok", true);
        QVERIFY(qobject_cast<frmKlok*>(hoofd.menuWindow("mnuDiversenKlok")));
        QCOMPARE(state(help, "But18"), (QList<bool>{true, true, true}));
        QCOMPARE(state(klok, "But16"), (QList<bool>{true, true, true}));
        QVERIFY(hoofd.topMenu("mnuOverzichten")->menuAction()->isEnabled());
        // The viewer's own "Sluiten" releases the item and the key.
        static_cast<frmHelpAlgemeen*>(hoofd.menuWindow("mnuHelpAlgemeen"))->Toolbar1_ButtonClick("But02");
        QTRY_VERIFY(!hoofd.menuWindow("mnuHelpAlgemeen"));
        QCOMPARE(state(help, "But18"), (QList<bool>{true, false, false}));
    }

private:
    QString helpPath() const { return ProgrammaMap + QStringLiteral("StootplannerHelp.hlp"); }
    frmHelpAlgemeen& open(const std::vector<HelpRec>& recs = thirtyFive())
    {
        if (!recs.empty())
            testsupport::writeHelpFile(helpPath(), recs);
        m_w = std::make_unique<frmHelpAlgemeen>();
        return *m_w;
    }
    void clickNode(const QString& key)
    {
        QTreeWidgetItem* it = node(m_w->tv1(), key);
        QVERIFY(it);
        m_w->tv1()->setCurrentItem(it);
        m_w->tv1_Click();
    }
    void search(const QString& words)
    {
        m_w->Text1()->setText(words);
        m_w->Command1_Click();
    }
    QString shown() const { return m_w->Label2()->text() + " | " + m_w->RichTextBox1()->toPlainText(); }
    QStringList boxes() const
    {
        QStringList out;
        for (const auto& b : m_msgs->boxes)
            out << box(b.title, b.flags, b.prompt);
        return out;
    }
    QTemporaryDir* m_dir = nullptr;
    platform::ScriptedMessages* m_msgs = nullptr;
    std::unique_ptr<frmHelpAlgemeen> m_w;
};


QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"
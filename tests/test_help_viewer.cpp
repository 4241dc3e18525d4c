// The help viewer: index, tree, tabs, search, marking, print, and the main
// window's Help and Klok items.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "composition.h"
#include "help/frmHelpAlgemeen.h"
#include "help/frmKlok.h"
#include "support/help_fixture.h"
#include "support/standings_fixture.h"

#include <QtTest>

using namespace modStootplanner;
using testsupport::helpTopic;

namespace {

const QString Missing = "Let op!|X|Help-bestand van Stootplanner niet gevonden !\r\nPlaats het bestand "
                        "\"StootplannerHelp.hlp\" terug in ";
const QString StandTekst = "Stand | Regel een\nDe STAND, ook tussenstand.\nStand printen.";

// 35 topics with one keyword each; topics 2 and 25 "Stand" and 34 "Klok" have real texts (and blanks).
std::vector<core::HelpRec> thirtyFive()
{
    std::vector<core::HelpRec> recs;
    for (int k = 1; k <= 35; ++k)
        recs.push_back(helpTopic(k, QStringLiteral("Titel %1").arg(k), QStringLiteral("Tekst van onderwerp %1").arg(k),
                                 {QStringLiteral("Woord%1").arg(k, 2, 10, QLatin1Char('0'))}));
    recs[1] = helpTopic(2, "Stand", "stand zonder het andere woord", {"Woord02"});
    recs[24] = helpTopic(25, "Stand", "Regel een\r\nDe STAND, ook tussenstand.\r\nStand printen.",
                         {"Stand, printen", "A, b", "Carrousel"});
    recs[33] = helpTopic(34, " Klok   ", "  De klok met alarm.   ", {"Klok", "Alarm"});
    return recs;
}

}  // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> m_dir;
    std::optional<platform::ScriptedMessages> m_msgs;
    std::unique_ptr<frmHelpAlgemeen> m_w;

    QString helpPath() const { return ProgrammaMap + QStringLiteral("StootplannerHelp.hlp"); }
    frmHelpAlgemeen& open(const std::vector<core::HelpRec>& recs = thirtyFive())
    {
        if (!recs.empty())
            testsupport::writeHelpFile(helpPath(), recs);
        return *(m_w = std::make_unique<frmHelpAlgemeen>());
    }
    void clickNode(const QString& text)
    {
        m_w->tv1()->setCurrentItem(m_w->tv1()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0));
        m_w->tv1_Click();
    }
    void search(const QString& words)
    {
        m_w->Text1()->setText(words);
        m_w->Command1_Click();
    }
    QString shown() const { return m_w->Label2()->text() + " | " + m_w->RichTextBox1()->toPlainText(); }
    // The panel shown (T the tree, L the index, F the search frame) and the index row chosen.
    QString panel() const
    {
        return QString(m_w->tv1()->isHidden() ? "" : "T") + (m_w->List1()->isHidden() ? "" : "L")
               + (m_w->Frame1()->isHidden() ? "" : "F") + QString::number(m_w->List1()->currentRow());
    }
    // The red and bold stretches of the text shown.
    QStringList marked() const
    {
        QStringList out;
        for (QTextBlock b = m_w->RichTextBox1()->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().foreground() == Qt::red && it.fragment().charFormat().fontWeight() == QFont::Bold)
                    out << it.fragment().text();
        return out;
    }

private slots:
    void init()
    {
        m_dir.emplace();
        ResetContext();
        ProgrammaMap = m_dir->path() + QLatin1Char('/');
        m_msgs.emplace();
    }
    void cleanup() { m_w.reset(); m_msgs.reset(); m_dir.reset(); }
    void loadTreeAndMissingFile()
    {
        frmHelpAlgemeen& w = open();
        // Every keyword, the 137 blank ones first; nothing chosen.
        QVERIFY(w.List1()->count() == 175 && w.List1()->item(137)->text() == "A, b" && panel() == "T-1");
        // The ten chapters under the root, which alone is expanded; each chapter holds its topics.
        QTreeWidgetItem* root = w.tv1()->topLevelItem(0);
        QVERIFY(root->text(0) == "Inhoud" && root->isExpanded() && root->childCount() == 10);
        QVERIFY(root->child(6)->text(0) == "Menu Overzichten" && root->child(6)->childCount() == 4
                && !root->child(6)->isExpanded());
        // A topic node shows its topic; a chapter or the root leaves it.
        for (const char* text : {"Klok", "Menu Overzichten", "Inhoud"})
            clickNode(text);
        QCOMPARE(shown(), QStringLiteral(" Klok |   De klok met alarm."));
        clickNode("Stand");
        QCOMPARE(shown(), StandTekst);
        // The tree reads the file at each click: a topic beyond the end of a shorter file shows nothing.
        const auto recs = thirtyFive();
        testsupport::writeHelpFile(helpPath(), {recs.begin(), recs.begin() + 10});
        clickNode("Algemeen");
        QVERIFY(shown() == " | " && m_msgs->boxes.isEmpty());
        // A missing file stops a hit, a search and the print, each with a warning, and empties nothing.
        search("Tekst");
        QFile::remove(helpPath());
        w.List2()->setCurrentRow(0);
        w.Command1_Click();
        w.Toolbar1_ButtonClick("But03");
        QVERIFY(w.Label2()->text().isEmpty() && w.List2()->count() == 9);
        open({});   // opened without the file: empty, on the contents tab
        QCOMPARE(standtest::shown(*m_msgs), QStringList(4, Missing + "de hoofddirectory van dit programma!"));
        QVERIFY(m_w->List1()->count() == 0 && m_w->tv1()->topLevelItemCount() == 0 && panel() == "T-1");
    }
    void unreadableFileGivesErrorReport()
    {
        frmHelpAlgemeen& w = open();
        QFile f(helpPath());
        if (!f.setPermissions({}) || f.open(QIODevice::ReadOnly))
            QSKIP("file permissions do not bind this user");
        clickNode("Welkomsscherm");
        w.List1()->setCurrentRow(150);
        const QString report = "Error|X|Error nummer: 75\r\nBeschrijving: Path/File access error\r\n"
                               "In source: Stootplanner\r\nIn form : frmHelpAlgemeen";
        const QStringList b = standtest::shown(*m_msgs);
        QVERIFY2(b.size() == 2 && b[0].startsWith(report + "\r\n") && b[1].startsWith(report + " (index)\r\n")
                     && w.Label2()->text().isEmpty(), qPrintable(b.join('\n')));
    }
    void indexAndSearchByMouseAndKeys()
    {
        frmHelpAlgemeen& w = open();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // A mouse click on a keyword shows its topic, the keyword selected.
        w.TabStrip1_Click(2);
        QListWidgetItem* alarm = w.List1()->findItems("Alarm", Qt::MatchExactly).value(0);
        w.List1()->scrollToItem(alarm);
        QTest::mouseClick(w.List1()->viewport(), Qt::LeftButton, {}, w.List1()->visualItemRect(alarm).center());
        QVERIFY(w.Label2()->text() == " Klok" && w.RichTextBox1()->textCursor().selectedText() == "alarm");
        // The text before the comma is found from the start, ignoring case; a comma at 2 belongs to the text.
        w.List1()->setCurrentItem(w.List1()->findItems("Stand, printen", Qt::MatchExactly).value(0));
        const QTextCursor c = w.RichTextBox1()->textCursor();
        QVERIFY(shown() == StandTekst && c.selectedText() == "STAND" && c.selectionStart() == 13);
        w.List1()->setCurrentItem(w.List1()->findItems("A, b", Qt::MatchExactly).value(0));
        QVERIFY(!w.RichTextBox1()->textCursor().hasSelection());
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
        QTest::mouseClick(w.List2()->viewport(), Qt::LeftButton, {}, w.List2()->visualItemRect(w.List2()->item(0)).center());
        QCOMPARE(w.Label2()->text(), QStringLiteral(" Klok"));
    }
    void tabsAndHelpButtons()
    {
        frmHelpAlgemeen& w = open();
        w.tv1()->topLevelItem(0)->child(6)->setExpanded(true);
        clickNode("Stand");
        // Each tab clears the topic and the index choice; the last search stays.
        w.TabStrip1_Click(2);
        QVERIFY(panel() == "L-1" && shown() == " | ");
        w.List1()->setCurrentRow(40);
        search("klok");
        w.TabStrip1_Click(3);
        QVERIFY(panel() == "F-1" && shown() == " | " && w.List2()->count() == 1 && w.Text1()->text() == "klok");
        w.List2()->setCurrentRow(0);
        w.TabStrip1_Click(1);
        QVERIFY(panel().startsWith('T') && shown() == " | " && w.TabStrip1()->currentIndex() == 0);
        QVERIFY(!w.tv1()->topLevelItem(0)->child(6)->isExpanded());   // rebuilt: chapters collapsed
        w.List1()->setCurrentRow(40);
        QTest::keyClick(w.TabStrip1(), Qt::Key_Right);   // a tab chosen with the keyboard switches too
        QCOMPARE(panel(), QStringLiteral("L-1"));
        // The help buttons show their texts in the normal size.
        HelpGroot = true;
        QVERIFY(testsupport::closingModal([&] { w.Toolbar1_ButtonClick("But05"); }) && !HelpGroot
                && MeldingTekst.startsWith("U kunt naar helponderwerpen zoeken op Inhoud, op Index en via "));
        HelpGroot = true;
        QVERIFY(testsupport::closingModal([&] { w.Command3_Click(); }) && !HelpGroot
                && MeldingTekst.startsWith("U kunt maximaal 3 zoekwoorden, gescheiden door komma's, invoeren.\r\n"));
    }
    void searchListsHitsAndMarksLastWords()
    {
        frmHelpAlgemeen& w = open();
        search(" stand , PRINT ");
        QVERIFY(w.List2()->count() == 1 && w.List2()->item(0)->text() == "Stand");
        w.Text1()->setText("iets anders");   // edited, not searched: the last words still mark
        w.List2()->setCurrentRow(0);
        QCOMPARE(shown(), StandTekst);
        QCOMPARE(marked(), (QStringList{"STAND", "stand", "Stand", "print"}));
        QVERIFY(!w.RichTextBox1()->textCursor().hasSelection() && m_msgs->boxes.isEmpty());
        // No words: a beep, the list and text emptied, the title kept; blanks only: every topic a hit.
        search("");
        QVERIFY(m_msgs->beeps == 1 && w.List2()->count() == 0 && shown() == "Stand | ");
        search("   ");
        QVERIFY(w.List2()->count() == 35 && m_msgs->boxes.isEmpty());
        search("stand, zeppelin");
        QVERIFY(w.List2()->count() == 0 && standtest::shown(*m_msgs) == QStringList{"||Geen zoekresultaten gevonden"});
    }
    void print()
    {
        const QString lang = QString(40, 'w').append(' ').repeated(30).trimmed();   // one line of 1229 characters
        auto recs = thirtyFive();
        recs[0] = helpTopic(1, "Welkomsscherm", "Eerste regel\r\n" + lang + QString("\r\nregel").repeated(55));
        open(recs);
        platform::ScopedRecordingPrinter printer;
        platform::ScriptedPrintDialog dialog(true);
        m_w->Toolbar1_ButtonClick("But03");   // no topic shown: a message and no dialog
        QVERIFY(dialog.shown == 0 && printer.rec.ops.isEmpty());
        clickNode("Welkomsscherm");
        m_w->Toolbar1_ButtonClick("But03");
        QVERIFY(dialog.shown == 1 && printer.rec.documentsEnded == 1);
        QCOMPARE(standtest::shown(*m_msgs), (QStringList{"Let op!|!|U heeft geen helptekst gekozen om te printen!",
                                                         "Gereed|i|Helptekst wordt uitgeprint."}));
        // Four empty lines of 14 pt (23 twips a point), two bold lines, an empty line, the text in 12 pt.
        const auto texts = printer.rec.texts();
        QString head;
        for (int i = 0; i < 3; ++i)
            head += QStringLiteral("%1 %2%3 %4 %5 / ").arg(texts[i].y).arg(texts[i].fontSize).arg(texts[i].bold ? "b" : "",
                                                                                                texts[i].fontName, texts[i].text);
        QCOMPARE(head, QStringLiteral("1288 14b Times New Roman Stootplanner Help / 1610 14b Times New Roman Onderwerp: "
                                      "Welkomsscherm / 2254 12 Times New Roman Eerste regel / "));
        // Portrait; the long line wrapped at blanks inside the margins, nothing lost; page 2 ends the text.
        QStringList joined;
        for (const auto& t : texts) {
            QVERIFY2(t.x == 1000 && t.x2 <= 11338 - 1000 + 0.5 && t.orientation == platform::OrientationPortrait,
                     qPrintable(t.text));
            if (t.text.startsWith('w'))
                joined << t.text;
        }
        QVERIFY(joined.size() > 1 && joined.join(' ') == lang);
        QVERIFY(texts.last().page == 2 && texts.last().text == "regel");
    }
    void mainWindowItems()
    {
        // Both open without a tournament and leave the other menus alone; no help file: the main window's message.
        mdiHoofd hoofd;
        composition::RegisterMenus(hoofd);
        QVERIFY(hoofd.topMenu("mnuHelp")->actions().contains(hoofd.menuItem("mnuHelpAlgemeen"))
                && hoofd.topMenu("mnuDiversen")->actions().contains(hoofd.menuItem("mnuDiversenKlok")));
        hoofd.toggleMenuWindow("mnuHelpAlgemeen", true);
        QVERIFY(!hoofd.menuWindow("mnuHelpAlgemeen"));
        QCOMPARE(standtest::shown(*m_msgs), QStringList{Missing + "de programmamap !"});
        testsupport::writeHelpFile(helpPath(), thirtyFive());
        for (const char* item : {"mnuHelpAlgemeen", "mnuDiversenKlok"})
            hoofd.toggleMenuWindow(item, true);
        auto* help = qobject_cast<frmHelpAlgemeen*>(hoofd.menuWindow("mnuHelpAlgemeen"));
        QVERIFY(help && qobject_cast<frmKlok*>(hoofd.menuWindow("mnuDiversenKlok")));
        QVERIFY(hoofd.topMenu("mnuOverzichten")->menuAction()->isEnabled());
        help->Toolbar1_ButtonClick("But02");   // "Sluiten" gives the item back
        QTRY_VERIFY(!hoofd.menuWindow("mnuHelpAlgemeen"));
    }
};

QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"

// The help viewer: index, tree, tabs, search, marking, print, and the main
// window's Help and Klok items.
#include "app/frmHelp.h"
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "help/frmHelpAlgemeen.h"
#include "help/frmKlok.h"
#include "help/modHelp.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace modStootplanner;
using core::HelpRec;

namespace {

const QString Missing = QStringLiteral(
    "Help-bestand van Stootplanner niet gevonden !\r\n"
    "Plaats het bestand \"StootplannerHelp.hlp\" terug in de hoofddirectory van dit programma!");

HelpRec topic(int n, const QString& titel, const QString& tekst, std::array<QString, 5> kw = {})
{
    HelpRec h;
    h.nummer = qint16(n);
    h.titel = titel;
    h.tekst = tekst;
    h.trefwoorden = kw;
    return h;
}

QTreeWidgetItem* node(QTreeWidget* tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    return nullptr;
}

void clickNode(frmHelpAlgemeen& w, const QString& key)
{
    QTreeWidgetItem* it = node(w.tv1(), key);
    QVERIFY(it);
    w.tv1()->setCurrentItem(it);
    w.tv1_Click();
}

// Is the character at pos shown red and bold?
bool marked(QTextEdit* box, int pos)
{
    QTextCursor c(box->document());
    c.setPosition(pos + 1);
    const QTextCharFormat f = c.charFormat();
    return f.foreground().color() == QColor(255, 0, 0) && f.fontWeight() == QFont::Bold;
}

}  // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadWithoutFileWarnsAndStaysEmpty();
    void loadFillsIndexAndTree();
    void treeClickShowsTopicButNotForChapters();
    void treeClickBeyondShortFileShowsNothing();
    void unreadableFileGivesErrorReport();
    void indexClickSelectsWordBeforeComma();
    void tabsSwitchPanels();
    void searchWithoutWordsBeeps();
    void searchWithoutHitsSays();
    void searchListsHitsAndMarksLastWords();
    void searchMissingFileStops();
    void helpButtonsShowTheirTexts();
    void printWithoutTopicRefuses();
    void printLayout();
    void printCancelAndErrors();
    void mainWindowItems();

private:
    void writeHelp(const std::vector<HelpRec>& recs);
    std::vector<HelpRec> thirtyFive();
    QTemporaryDir* m_dir = nullptr;
    platform::ScriptedMessages* m_msgs = nullptr;
};

void TestHelpViewer::init()
{
    m_dir = new QTemporaryDir;
    ResetContext();
    ProgrammaMap = m_dir->path() + QLatin1Char('/');
    MeldingTitel = QStringLiteral("Let op!");
    m_msgs = new platform::ScriptedMessages;
}

void TestHelpViewer::cleanup()
{
    delete m_msgs;
    delete m_dir;
}

void TestHelpViewer::writeHelp(const std::vector<HelpRec>& recs)
{
    QFile f(ProgrammaMap + QStringLiteral("StootplannerHelp.hlp"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const HelpRec& r : recs)
        f.write(r.toBytes());
}

std::vector<HelpRec> TestHelpViewer::thirtyFive()
{
    std::vector<HelpRec> recs;
    for (int k = 1; k <= 35; ++k)
        recs.push_back(topic(k, QStringLiteral("Titel %1").arg(k), QStringLiteral("Tekst van onderwerp %1").arg(k),
                             {QStringLiteral("Woord%1").arg(k, 2, 10, QLatin1Char('0'))}));
    recs[24] = topic(25, "Stand", "Regel een\r\nDe STAND, ook tussenstand.\r\nStand printen.",
                     {"Stand, printen", "A, b", "Carrousel"});
    recs[33] = topic(34, "Klok   ", "  De klok met alarm.   ", {"Klok", "Alarm"});
    return recs;
}

void TestHelpViewer::loadWithoutFileWarnsAndStaysEmpty()
{
    frmHelpAlgemeen w;
    QCOMPARE(m_msgs->boxes.size(), 1);
    QCOMPARE(m_msgs->boxes[0].prompt, Missing);
    QCOMPARE(m_msgs->boxes[0].icon(), platform::vbCritical);
    QCOMPARE(m_msgs->boxes[0].title, QStringLiteral("Let op!"));
    QCOMPARE(w.List1()->count(), 0);
    QCOMPARE(w.tv1()->topLevelItemCount(), 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("Help algemeen"));
    QCOMPARE(w.TabStrip1()->currentIndex(), 0);
    QVERIFY(!w.tv1()->isHidden() && w.List1()->isHidden() && w.Frame1()->isHidden());
}

void TestHelpViewer::loadFillsIndexAndTree()
{
    auto recs = thirtyFive();
    recs[2].trefwoorden = {};   // five blank keywords: five empty entries on top
    writeHelp(recs);
    frmHelpAlgemeen w;
    QCOMPARE(m_msgs->boxes.size(), 0);
    QCOMPARE(w.List1()->count(), 175);
    // 138 blank keywords stand first, in file order: topic 3's five after the eight of topics 1 and 2.
    for (int i = 0; i < 138; ++i)
        QCOMPARE(w.List1()->item(i)->text(), QString());
    QCOMPARE(w.List1()->item(138)->text(), QStringLiteral("A, b"));
    for (int i = 8; i < 13; ++i)
        QCOMPARE(w.List1()->item(i)->data(Qt::UserRole + 1).toInt(), 3);
    QCOMPARE(w.List1()->item(13)->data(Qt::UserRole + 1).toInt(), 4);
    QCOMPARE(w.List1()->currentRow(), -1);
    // 46 nodes; only the root is expanded, showing the open book.
    int count = 0;
    for (QTreeWidgetItemIterator it(w.tv1()); *it; ++it)
        ++count;
    QCOMPARE(count, 46);
    QTreeWidgetItem* root = w.tv1()->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("Inhoud"));
    QVERIFY(root->isExpanded());
    QCOMPARE(root->childCount(), 10);
    for (int i = 0; i < root->childCount(); ++i)
        QVERIFY(!root->child(i)->isExpanded());
    QCOMPARE(node(w.tv1(), "G1")->text(0), QStringLiteral("Stand"));
    QCOMPARE(node(w.tv1(), "G1")->parent(), node(w.tv1(), "G"));
}

void TestHelpViewer::treeClickShowsTopicButNotForChapters()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    clickNode(w, "J4");
    QCOMPARE(w.Label2()->text(), QStringLiteral("Klok"));
    QCOMPARE(w.RichTextBox1()->toPlainText(), QStringLiteral("  De klok met alarm."));
    clickNode(w, "G");
    clickNode(w, "H");
    QCOMPARE(w.Label2()->text(), QStringLiteral("Klok"));
    QCOMPARE(w.RichTextBox1()->toPlainText(), QStringLiteral("  De klok met alarm."));
    clickNode(w, "G1");
    QCOMPARE(w.Label2()->text(), QStringLiteral("Stand"));
    QCOMPARE(w.RichTextBox1()->toPlainText(),
             QStringLiteral("Regel een\nDe STAND, ook tussenstand.\nStand printen."));
    QCOMPARE(modHelp::HelpOnderwerp.nummer, qint16(25));
}

void TestHelpViewer::treeClickBeyondShortFileShowsNothing()
{
    auto recs = thirtyFive();
    recs.resize(10);
    writeHelp(recs);
    frmHelpAlgemeen w;
    clickNode(w, "A2");
    QCOMPARE(w.Label2()->text(), QStringLiteral("Titel 2"));
    clickNode(w, "K1");
    QCOMPARE(w.Label2()->text(), QString());
    QCOMPARE(w.RichTextBox1()->toPlainText(), QString());
    QCOMPARE(m_msgs->boxes.size(), 0);
}

void TestHelpViewer::unreadableFileGivesErrorReport()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    QFile f(ProgrammaMap + "StootplannerHelp.hlp");
    f.setPermissions(QFileDevice::Permissions());
    if (f.open(QIODevice::ReadOnly))
        QSKIP("file permissions do not bind this user");
    clickNode(w, "A1");
    QCOMPARE(m_msgs->boxes.size(), 1);
    QCOMPARE(m_msgs->boxes[0].title, QStringLiteral("Error"));
    QCOMPARE(m_msgs->boxes[0].icon(), platform::vbCritical);
    QVERIFY(m_msgs->boxes[0].prompt.startsWith("Error nummer: 75\r\n"));
    QVERIFY(m_msgs->boxes[0].prompt.contains("In form : frmHelpAlgemeen\r\n"));
    QCOMPARE(w.Label2()->text(), QString());
    w.List1()->setCurrentRow(150);
    QCOMPARE(m_msgs->boxes.size(), 2);
    QVERIFY(m_msgs->boxes[1].prompt.contains("In form : frmHelpAlgemeen (index)\r\n"));
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestHelpViewer::indexClickSelectsWordBeforeComma()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    w.TabStrip1_Click(2);
    auto pick = [&](const QString& text) {
        for (int i = 0; i < w.List1()->count(); ++i)
            if (w.List1()->item(i)->text() == text) {
                w.List1()->setCurrentRow(i);   // fires the click
                return;
            }
        QFAIL(qPrintable(text));
    };
    pick("Stand, printen");
    QCOMPARE(w.Label2()->text(), QStringLiteral("Stand"));
    // "Stand" found from the start ignoring case: the STAND of line 2.
    QTextCursor c = w.RichTextBox1()->textCursor();
    QCOMPARE(c.selectedText(), QStringLiteral("STAND"));
    QCOMPARE(c.selectionStart(), 13);
    // Comma at position 2: the whole entry, comma included, which is not in the text.
    pick("A, b");
    QVERIFY(!w.RichTextBox1()->textCursor().hasSelection());
    pick("Alarm");
    QCOMPARE(w.Label2()->text(), QStringLiteral("Klok"));
    QCOMPARE(w.RichTextBox1()->textCursor().selectedText(), QStringLiteral("alarm"));
    // The shared keyword leads to its own topic each time.
    QCOMPARE(w.List1()->currentItem()->data(Qt::UserRole + 1).toInt(), 34);
}

void TestHelpViewer::tabsSwitchPanels()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    node(w.tv1(), "G")->setExpanded(true);
    clickNode(w, "G1");
    w.TabStrip1_Click(2);
    QVERIFY(w.tv1()->isHidden() && !w.List1()->isHidden() && w.Frame1()->isHidden());
    QCOMPARE(w.Label2()->text(), QString());
    QCOMPARE(w.RichTextBox1()->toPlainText(), QString());
    QCOMPARE(w.List1()->currentRow(), -1);
    w.List1()->setCurrentRow(40);
    QVERIFY(!w.Label2()->text().isEmpty());
    w.Text1()->setText("klok");
    w.Command1_Click();
    QCOMPARE(w.List2()->count(), 1);
    w.TabStrip1_Click(3);
    QVERIFY(w.tv1()->isHidden() && w.List1()->isHidden() && !w.Frame1()->isHidden());
    QCOMPARE(w.List1()->currentRow(), -1);
    QCOMPARE(w.Label2()->text(), QString());
    QCOMPARE(w.List2()->count(), 1);             // the last search stays
    QCOMPARE(w.Text1()->text(), QStringLiteral("klok"));
    w.TabStrip1_Click(1);
    QVERIFY(!w.tv1()->isHidden() && w.List1()->isHidden() && w.Frame1()->isHidden());
    QVERIFY(!node(w.tv1(), "G")->isExpanded());   // rebuilt: chapters collapsed
    QCOMPARE(w.TabStrip1()->currentIndex(), 0);
    QCOMPARE(w.RichTextBox1()->toPlainText(), QString());
}

void TestHelpViewer::searchWithoutWordsBeeps()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    w.Text1()->setText("klok");
    w.Command1_Click();
    w.List2()->setCurrentRow(0);
    QCOMPARE(w.Label2()->text(), QStringLiteral("Klok"));
    w.Text1()->clear();
    w.Command1_Click();
    QCOMPARE(m_msgs->beeps, 1);
    QCOMPARE(w.List2()->count(), 0);
    QCOMPARE(w.RichTextBox1()->toPlainText(), QString());
    QCOMPARE(w.Label2()->text(), QStringLiteral("Klok"));   // the title keeps its text
    QCOMPARE(m_msgs->boxes.size(), 0);
    // Blanks only: every topic is a hit.
    w.Text1()->setText("   ");
    w.Command1_Click();
    QCOMPARE(w.List2()->count(), 35);
}

void TestHelpViewer::searchWithoutHitsSays()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    w.Text1()->setText("stand, zeppelin");
    w.Command1_Click();
    QCOMPARE(w.List2()->count(), 0);
    QCOMPARE(m_msgs->boxes.size(), 1);
    QCOMPARE(m_msgs->boxes[0].prompt, QStringLiteral("Geen zoekresultaten gevonden"));
    QCOMPARE(m_msgs->boxes[0].flags, platform::vbOKOnly);
    QCOMPARE(m_msgs->boxes[0].title, QString());
}

void TestHelpViewer::searchListsHitsAndMarksLastWords()
{
    auto recs = thirtyFive();
    recs[1] = topic(2, "Stand", "stand zonder het andere woord");
    writeHelp(recs);
    frmHelpAlgemeen w;
    w.Text1()->setText(" stand , PRINT ");
    w.Command1_Click();
    QCOMPARE(w.List2()->count(), 1);
    QCOMPARE(w.List2()->item(0)->text(), QStringLiteral("Stand"));
    QCOMPARE(w.Zoekwoorden()[0], QStringLiteral("stand"));
    QCOMPARE(w.Zoekwoorden()[1], QStringLiteral("PRINT"));
    w.Text1()->setText("iets anders");   // edited, not searched: the last words still mark
    w.List2()->setCurrentRow(0);
    QCOMPARE(w.Label2()->text(), QStringLiteral("Stand"));
    QTextEdit* box = w.RichTextBox1();
    const QString t = box->toPlainText();
    for (int pos : core::wordOccurrences(t, "stand"))
        for (int i = 0; i < 5; ++i)
            QVERIFY2(marked(box, pos + i), qPrintable(QString::number(pos)));
    QCOMPARE(core::wordOccurrences(t, "stand").size(), 3);   // STAND, tussenSTAND, Stand
    QVERIFY(marked(box, int(t.indexOf("printen"))));
    QVERIFY(!marked(box, int(t.indexOf("Regel"))));
    QVERIFY(!box->textCursor().hasSelection());
}

void TestHelpViewer::searchMissingFileStops()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    w.Text1()->setText("klok");
    w.Command1_Click();
    QFile::remove(ProgrammaMap + "StootplannerHelp.hlp");
    w.List2()->setCurrentRow(0);
    QCOMPARE(m_msgs->boxes.size(), 1);
    QCOMPARE(m_msgs->boxes[0].prompt, Missing);
    QCOMPARE(w.Label2()->text(), QString());
    w.Command1_Click();
    QCOMPARE(m_msgs->boxes.size(), 2);
    QCOMPARE(w.List2()->count(), 1);   // nothing was emptied
    w.Toolbar1_ButtonClick("But03");
    QCOMPARE(m_msgs->boxes.size(), 3);
    QCOMPARE(m_msgs->boxes[2].prompt, Missing);
}

void TestHelpViewer::helpButtonsShowTheirTexts()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    HelpGroot = true;
    QTimer::singleShot(0, [] {
        if (QWidget* m = QApplication::activeModalWidget())
            m->close();
    });
    w.Toolbar1_ButtonClick("But05");
    QVERIFY(MeldingTekst.startsWith(
        "U kunt naar helponderwerpen zoeken op Inhoud, op Index en via vrije zoekwoorden. "));
    QCOMPARE(MeldingTekst.count(". "), 8);   // nine sentences
    QVERIFY(!HelpGroot);
    HelpGroot = true;
    QTimer::singleShot(0, [] {
        if (QWidget* m = QApplication::activeModalWidget())
            m->close();
    });
    w.Command3_Click();
    QCOMPARE(MeldingTekst.split("\r\n").size(), 2);
    QCOMPARE(MeldingTekst.split("\r\n")[0],
             QStringLiteral("U kunt maximaal 3 zoekwoorden, gescheiden door komma's, invoeren."));
    QVERIFY(!HelpGroot);
}

void TestHelpViewer::printWithoutTopicRefuses()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    platform::ScopedRecordingPrinter printer;
    platform::ScriptedPrintDialog dialog(true);
    w.Toolbar1_ButtonClick("But03");
    QCOMPARE(dialog.shown, 0);
    QCOMPARE(m_msgs->boxes.size(), 1);
    QCOMPARE(m_msgs->boxes[0].prompt, QStringLiteral("U heeft geen helptekst gekozen om te printen!"));
    QCOMPARE(m_msgs->boxes[0].icon(), platform::vbExclamation);
    QCOMPARE(m_msgs->boxes[0].title, QStringLiteral("Let op!"));
    QVERIFY(printer.rec.ops.isEmpty());
}

void TestHelpViewer::printLayout()
{
    auto recs = thirtyFive();
    QString lang = QStringLiteral("Eerste regel\r\n");
    lang += QString(40, QLatin1Char('w')).append(' ').repeated(30).trimmed();   // one line of 1229 characters
    for (int i = 0; i < 55; ++i)
        lang += QStringLiteral("\r\nregel %1").arg(i);
    recs[0] = topic(1, "Welkomsscherm", lang.left(2000));
    writeHelp(recs);
    frmHelpAlgemeen w;
    clickNode(w, "A1");
    platform::ScopedRecordingPrinter printer;
    platform::ScriptedPrintDialog dialog(true);
    w.Toolbar1_ButtonClick("But03");
    QCOMPARE(dialog.shown, 1);
    auto& rec = printer.rec;
    QCOMPARE(rec.documentsEnded, 1);
    const auto texts = rec.texts();
    QVERIFY(texts.size() > 10);
    // Header: four empty lines of 14 pt (the recording printer's lines are 23 twips a point), then two bold lines.
    QCOMPARE(texts[0].text, QStringLiteral("Stootplanner Help"));
    QCOMPARE(texts[0].y, 4 * 14 * 23.0);
    QCOMPARE(texts[0].x, 1000.0);
    QVERIFY(texts[0].bold);
    QCOMPARE(texts[0].fontSize, 14.0);
    QCOMPARE(texts[0].fontName, QStringLiteral("Times New Roman"));
    QCOMPARE(texts[0].orientation, platform::OrientationPortrait);
    QCOMPARE(texts[1].text, QStringLiteral("Onderwerp: Welkomsscherm"));
    QCOMPARE(texts[1].y, 5 * 14 * 23.0);
    // An empty 14 pt line, then the text in 12 pt, not bold.
    QCOMPARE(texts[2].text, QStringLiteral("Eerste regel"));
    QCOMPARE(texts[2].y, 7 * 14 * 23.0);
    QVERIFY(!texts[2].bold);
    QCOMPARE(texts[2].fontSize, 12.0);
    // The long line is wrapped at blanks inside the margins; nothing is lost.
    QString joined;
    const double right = 11338 - 1000;
    for (const auto& t : texts) {
        QCOMPARE(t.x, 1000.0);
        QVERIFY2(t.x2 <= right + 0.5, qPrintable(t.text));
        if (t.text.startsWith('w'))
            joined += (joined.isEmpty() ? "" : " ") + t.text;
    }
    QCOMPARE(joined, QString(40, QLatin1Char('w')).append(' ').repeated(30).trimmed());
    // A text longer than a page runs on to page 2 from the top.
    QVERIFY(texts.last().page == 2);
    QCOMPARE(texts.last().text, lang.left(2000).split("\r\n").last());
    QCOMPARE(m_msgs->boxes.size(), 1);
    QCOMPARE(m_msgs->boxes[0].prompt, QStringLiteral("Helptekst wordt uitgeprint."));
    QCOMPARE(m_msgs->boxes[0].icon(), platform::vbInformation);
    QCOMPARE(m_msgs->boxes[0].title, QStringLiteral("Gereed"));
}

void TestHelpViewer::printCancelAndErrors()
{
    writeHelp(thirtyFive());
    frmHelpAlgemeen w;
    clickNode(w, "J4");
    platform::ScopedRecordingPrinter printer;
    {
        platform::ScriptedPrintDialog dialog(false);
        w.Toolbar1_ButtonClick("But03");
        QCOMPARE(dialog.shown, 1);
    }
    QVERIFY(printer.rec.texts().isEmpty());
    QCOMPARE(m_msgs->boxes.size(), 0);

    platform::ScriptedPrintDialog dialog(true);
    printer.rec.failAfter(1, 27, "Out of paper");
    w.Toolbar1_ButtonClick("But03");
    QCOMPARE(m_msgs->boxes.size(), 1);
    QCOMPARE(m_msgs->boxes[0].prompt, QStringLiteral("Vul papier bij !!"));
    QCOMPARE(printer.rec.documentsEnded, 0);
    QCOMPARE(printer.rec.documentsKilled, 1);

    printer.rec.failOnNextOutput(482, "Printer error", "Printer");
    w.Toolbar1_ButtonClick("But03");
    QCOMPARE(m_msgs->boxes.size(), 2);
    QCOMPARE(m_msgs->boxes[1].title, QStringLiteral("Error"));
    QVERIFY(m_msgs->boxes[1].prompt.contains("In form : frmHelpAlgemeen (printen)\r\n"));
    QVERIFY(m_msgs->boxes[1].prompt.startsWith("Error nummer: 482\r\nBeschrijving: Printer error\r\n"));
    QCOMPARE(MeldingTekst, m_msgs->boxes[1].prompt);
}

void TestHelpViewer::mainWindowItems()
{
    ToernooiGeladen = false;
    mdiHoofd hoofd;
    QAction* help = hoofd.menuItem("mnuHelpAlgemeen");
    QAction* klok = hoofd.menuItem("mnuDiversenKlok");
    QVERIFY(help && klok);
    QCOMPARE(help->text(), QStringLiteral("Help algemeen"));
    QCOMPARE(klok->text(), QStringLiteral("Klok"));
    QVERIFY(hoofd.topMenu("mnuHelp")->actions().contains(help));
    QVERIFY(hoofd.topMenu("mnuDiversen")->actions().contains(klok));
    // Usable without a tournament.
    QVERIFY(help->isEnabled() && klok->isEnabled());
    QVERIFY(hoofd.toolbarKey("But18")->isEnabled() && hoofd.toolbarKey("But16")->isEnabled());

    // No help file: the main window's own message, nothing opens.
    hoofd.toggleMenuWindow("mnuHelpAlgemeen", true);
    QCOMPARE(m_msgs->boxes.size(), 1);
    QCOMPARE(m_msgs->boxes[0].prompt,
             QStringLiteral("Help-bestand van Stootplanner niet gevonden !\r\n"
                            "Plaats het bestand \"StootplannerHelp.hlp\" terug in de programmamap !"));
    QCOMPARE(m_msgs->boxes[0].icon(), platform::vbCritical);
    QVERIFY(!hoofd.menuWindow("mnuHelpAlgemeen"));
    QVERIFY(!help->isChecked() && !hoofd.toolbarKey("But18")->isChecked());

    writeHelp(thirtyFive());
    hoofd.toggleMenuWindow("mnuHelpAlgemeen", false);
    QVERIFY(qobject_cast<frmHelpAlgemeen*>(hoofd.menuWindow("mnuHelpAlgemeen")));
    QVERIFY(help->isChecked() && hoofd.toolbarKey("But18")->isChecked());
    // The clock opens beside it; neither marks other menus busy.
    hoofd.toggleMenuWindow("mnuDiversenKlok", true);
    QVERIFY(qobject_cast<frmKlok*>(hoofd.menuWindow("mnuDiversenKlok")));
    QVERIFY(klok->isChecked() && hoofd.toolbarKey("But16")->isChecked());
    QVERIFY(hoofd.topMenu("mnuOverzichten")->menuAction()->isEnabled());
    QVERIFY(help->isEnabled());

    // The viewer's own "Sluiten" releases the item and the key.
    static_cast<frmHelpAlgemeen*>(hoofd.menuWindow("mnuHelpAlgemeen"))->Toolbar1_ButtonClick("But02");
    QTRY_VERIFY(!hoofd.menuWindow("mnuHelpAlgemeen"));
    QVERIFY(!help->isChecked() && !hoofd.toolbarKey("But18")->isChecked());
    // The clock closes on a second choice.
    hoofd.toggleMenuWindow("mnuDiversenKlok", false);
    QTRY_VERIFY(!hoofd.menuWindow("mnuDiversenKlok"));
    QVERIFY(!klok->isChecked() && !hoofd.toolbarKey("But16")->isChecked());
}

QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"

// The player overview window, its print-out and the Overzichten menu items.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "core/format.h"
#include "overviews/frmMatrix.h"
#include "overviews/frmOvSpeler.h"
#include "overviews/menus.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "standings/menus.h"
#include "support/tournamentfixture.h"
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace modStootplanner;
using platform::PrintOp;
using platform::ScriptedMessages;

namespace {

QTreeWidgetItem* playerRow(frmOvSpeler& w, const QString& naam)
{
    for (int i = 0; i < w.ListView1()->topLevelItemCount(); ++i)
        if (w.ListView1()->topLevelItem(i)->text(1) == naam)
            return w.ListView1()->topLevelItem(i);
    return nullptr;
}

QStringList column(QTreeWidget* list, int c)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(c);
    return out;
}

// Jansen (1) plays `games` games against an opponent with a long name.
void manyGames(testsupport::TournamentFixture& fx, int games)
{
    auto& b = fx.builder();
    b.addPlayer(1, "Jansen", "P.J.", 1, 1, core::Fixed::fromDouble(1.5));
    b.addPlayer(2, "Abcdefghijklmnopqrst", "A.B.C.D", 1, 1, core::Fixed::fromDouble(1.0));
    for (int k = 0; k < games; ++k)
        b.addGame(1, 1, 1, 30, 20, 7, 2, 25, 20, 4);
}

QList<PrintOp> lineOf(const platform::RecordingPrinter& p, const PrintOp* first)
{
    QList<PrintOp> out;
    for (const PrintOp& op : p.texts())
        if (op.page == first->page && op.y == first->y)
            out << op;
    return out;
}

} // namespace

class TestOverviewsSpeler : public QObject {
    Q_OBJECT
private slots:
    void init();
    void poulesAndButtons();
    void singlePoule();
    void playerListOrder();
    void clickBuildsGameList();
    void printPages_data();
    void printPages();
    void printColumns_data();
    void printColumns();
    void printCancelAndEmpty();
    void menuItems();
};

void TestOverviewsSpeler::init()
{
    QLocale::setDefault(QLocale::c());
    ResetContext();
    MeldingTitel = QStringLiteral("Let op!");
}

void TestOverviewsSpeler::poulesAndButtons()
{
    testsupport::TournamentFixture fx;
    auto& b = fx.builder();
    b.addPlayer(1, "Jansen", "P.", 1, 1, core::Fixed::fromInt(1));
    b.addPlayer(2, "Smit", "G.", 1, 2, core::Fixed::fromInt(1));
    b.addPlayer(3, "Bos", "H.", 1, 3, core::Fixed::fromInt(1));
    b.setRound(1, 3);
    fx.load();
    frmOvSpeler w;
    QCOMPARE(w.windowTitle(), QString("Overzicht per speler"));
    QCOMPARE(w.Combo1()->count(), 3);
    QCOMPARE(w.Combo1()->itemText(2), QString(" 3"));
    QVERIFY(w.Option1(0)->isChecked());
    QVERIFY(!w.Command1(0)->isEnabled());
    QVERIFY(w.Command1(1)->isEnabled());
    QCOMPARE(w.Label2()->text(), QString("1"));
    QCOMPARE(column(w.ListView1(), 1), QStringList({"Jansen"}));

    w.Command1_Click(1);
    QCOMPARE(w.HuidigePoule, qint16(2));
    QVERIFY(w.Command1(0)->isEnabled() && w.Command1(1)->isEnabled());
    QCOMPARE(w.Combo1()->currentIndex(), -1);
    QCOMPARE(column(w.ListView1(), 1), QStringList({"Smit"}));

    w.Combo1()->setCurrentIndex(2);
    w.Combo1_Click();
    QCOMPARE(w.HuidigePoule, qint16(3));
    QCOMPARE(w.Label2()->text(), QString("3"));
    QVERIFY(w.Command1(0)->isEnabled());
    QVERIFY(!w.Command1(1)->isEnabled());
    QCOMPARE(column(w.ListView1(), 1), QStringList({"Bos"}));

    // The poule chooser only asks to close the tournament.
    QFile::remove(PadPoules());
    ScriptedMessages msgs;
    w.Combo1()->setCurrentIndex(0);
    w.Combo1_Click();
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.endsWith("Sluit het geladen toernooi af !"));
    QCOMPARE(w.HuidigePoule, qint16(3));
}

void TestOverviewsSpeler::singlePoule()
{
    testsupport::TournamentFixture fx;
    fx.builder().addPlayer(1, "Jansen", "P.", 1, 1, core::Fixed::fromInt(1));
    fx.load();
    frmOvSpeler w;
    QVERIFY(!w.Command1(0)->isEnabled());
    QVERIFY(!w.Command1(1)->isEnabled());
}

void TestOverviewsSpeler::playerListOrder()
{
    testsupport::TournamentFixture fx;
    auto& b = fx.builder();
    b.addPlayer(103, "Aalders", "B.", 1, 1, core::Fixed::fromInt(1));
    b.addPlayer(12, "Zwart", "C.", 1, 1, core::Fixed::fromInt(1));
    b.addPlayer(7, "de Boer", "A.", 1, 1, core::Fixed::fromInt(1));
    fx.load();
    frmOvSpeler w;
    QCOMPARE(column(w.ListView1(), 1), QStringList({"Aalders", "de Boer", "Zwart"}));
    QCOMPARE(column(w.ListView1(), 0), QStringList({"00103", "00007", "00012"}));
    w.ListView1_ColumnClick(0);
    QCOMPARE(column(w.ListView1(), 0), QStringList({"00007", "00012", "00103"}));
    w.ListView1_ColumnClick(2);
    QCOMPARE(column(w.ListView1(), 0), QStringList({"00007", "00012", "00103"}));
    // Without a players file the list stays empty, silently.
    QFile::remove(PadSpelers());
    ScriptedMessages msgs;
    w.Combo1()->setCurrentIndex(0);
    w.Combo1_Click();
    QCOMPARE(w.ListView1()->topLevelItemCount(), 3);   // the check refused: list unchanged
    QCOMPARE(msgs.boxes.size(), 1);
}

void TestOverviewsSpeler::clickBuildsGameList()
{
    testsupport::TournamentFixture fx;
    auto& b = fx.builder();
    b.addPlayer(1, "Jansen", "P.J.", 1, 1, core::Fixed::fromDouble(1.5));
    b.addPlayer(2, "Bakker", "K.", 1, 1, core::Fixed::fromDouble(1.0));
    b.addPlayer(1, "Jansen", "P.J.", 2, 1, core::Fixed::fromDouble(1.5));
    b.addPlayer(2, "Bakker", "K.", 2, 1, core::Fixed::fromDouble(1.0));
    b.addGame(1, 1, 1, 30, 20, 7, 2, 25, 20, 4, QDate(2026, 9, 7));
    b.addGame(2, 1, 2, 10, 25, 2, 1, 25, 25, 5, QDate(2026, 11, 2));
    b.setRound(2, 1);
    fx.load();
    QCOMPARE(HuidigeRonde, qint16(2));
    frmOvSpeler w;
    w.ListView1_ItemClick(playerRow(w, "Jansen"));
    QCOMPARE(w.HuidigeSpeler, 1);
    QCOMPARE(w.Label4()->text(), QString("P.J. Jansen"));
    QCOMPARE(column(w.ListView2(), 0), QStringList({" 2", " "}));
    QCOMPARE(w.ListView2()->topLevelItem(0)->text(10), QString("Bakker, K."));
    QCOMPARE(w.ListView2()->topLevelItem(1)->text(2), QString("Totaal"));

    w.Option1(1)->click();
    QCOMPARE(w.ListView2()->topLevelItemCount(), 0);
    QCOMPARE(w.Label4()->text(), QString());
    QCOMPARE(w.ListView1()->topLevelItemCount(), 2);
    w.ListView1_ItemClick(playerRow(w, "Jansen"));
    QCOMPARE(column(w.ListView2(), 2), QStringList({"07-09-2026", "Subtotaal", " ", "02-11-2026", "Subtotaal", " ",
                                                    "Totaal"}));
    QCOMPARE(w.ListView2()->topLevelItem(6)->text(4), QString(" 55"));
    QCOMPARE(w.GameRows().size(), size_t(7));
    QCOMPARE(w.GameRows()[6].sub.size(), 15);
}

void TestOverviewsSpeler::printPages_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("pages");
    QTest::newRow("33 rows") << 32 << 1;
    QTest::newRow("34 rows") << 33 << 2;
}

void TestOverviewsSpeler::printPages()
{
    QFETCH(int, games);
    QFETCH(int, pages);
    testsupport::TournamentFixture fx;
    manyGames(fx, games);
    fx.load();
    frmOvSpeler w;
    w.ListView1_ItemClick(playerRow(w, "Jansen"));
    QCOMPARE(w.ListView2()->topLevelItemCount(), games + 1);
    ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog(true);
    platform::ScopedRecordingPrinter pr;
    w.Toolbar1_ButtonClick("But03");
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(pr.rec.ofKind(PrintOp::NewPage).size(), pages - 1);
    QCOMPARE(pr.rec.documentsEnded, 1);
    QCOMPARE(MeldingTekst, QString("Overzicht speler P.J. Jansen"));
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QString("Overzicht wordt uitgeprint"));
    QCOMPARE(msgs.boxes[0].title, QString("Gereed"));
    int headings = 0;
    for (const PrintOp& op : pr.rec.texts())
        if (op.text == QLatin1String("Tegenstander")) {
            ++headings;
            QVERIFY(op.bold);
            QCOMPARE(op.x, 101 * 110.0);
        }
    QCOMPARE(headings, pages);
    const PrintOp* tot = pr.rec.findText("Totaal");
    QVERIFY(tot && tot->bold);
    QCOMPARE(tot->page, pages);
    QCOMPARE(tot->x, 17 * 110.0);
    if (pages == 2) {
        const PrintOp* kop = pr.rec.findText("Pagina  2");
        QVERIFY(kop && kop->page == 2);
        // Heading, an empty line, then the 34th row.
        const PrintOp* heading = nullptr;
        for (const PrintOp& op : pr.rec.texts())
            if (op.page == 2 && op.text == QLatin1String("Rnd"))
                heading = &op;
        QVERIFY(heading);
        QCOMPARE(tot->y - heading->y, 2 * 230.0);
        QCOMPARE(PrintRegel, qint16(1));
        QCOMPARE(PrintPagina, qint16(2));
    }
    QCOMPARE(pr.rec.texts().first().orientation, platform::OrientationLandscape);
}

void TestOverviewsSpeler::printColumns_data()
{
    QTest::addColumn<int>("decimalen");
    QTest::addColumn<QString>("moy");
    QTest::addColumn<int>("moyColumn");
    QTest::newRow("3 decimals") << 3 << "1.500" << 63;
    QTest::newRow("2 decimals") << 2 << "1.50" << 64;
}

void TestOverviewsSpeler::printColumns()
{
    QFETCH(int, decimalen);
    QFETCH(QString, moy);
    QFETCH(int, moyColumn);
    testsupport::TournamentFixture fx;
    manyGames(fx, 1);
    fx.builder().toernooi.aantalDecimalen = qint16(decimalen);
    fx.load();
    frmOvSpeler w;
    w.ListView1_ItemClick(playerRow(w, "Jansen"));
    ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog(true);
    platform::ScopedRecordingPrinter pr;
    w.PrintPlayerOverview();
    const PrintOp* naam = pr.rec.findText("Abcdefghijklmnopqrst, A");   // the first 23 characters
    QVERIFY(naam);
    QCOMPARE(naam->x, 107 * 100.0);
    const QList<PrintOp> row = lineOf(pr.rec, naam);
    QCOMPARE(row.size(), 16);
    QCOMPARE(row[0].text, QString(" 1"));
    QCOMPARE(row[0].x, 8 * 100.0);            // edge 10, one digit
    QCOMPARE(row[1].text, QString("1"));
    QCOMPARE(row[1].x, 14 * 100.0);
    QCOMPARE(row[2].x, 18 * 100.0);           // date at column 19
    QCOMPARE(row[4].text, QString(" 30"));
    QCOMPARE(row[4].x, 42 * 100.0);           // edge 45, two digits
    QCOMPARE(row[6].text, moy);
    QCOMPARE(row[6].x, (moyColumn - 1) * 100.0);
    QCOMPARE(row[6].x + moy.size() * 100, 67 * 100.0);   // both forms end in column 67
    QCOMPARE(row[15].text, QString(" 4"));
    QCOMPARE(row[15].x, 179 * 100.0);
    // The total row is bold: its caramboles at edge 43, moyenne at 61 / 62.
    const PrintOp* tot = pr.rec.findText("Totaal");
    QVERIFY(tot);
    const QList<PrintOp> t = lineOf(pr.rec, tot);
    QCOMPARE(t.size(), 6);   // no percentages on a total row
    QCOMPARE(t[2].text, QString(" 30"));
    QCOMPARE(t[2].x, 40 * 110.0);
    QCOMPARE(t[4].x, (decimalen == 2 ? 60 : 59) * 110.0);
}

void TestOverviewsSpeler::printCancelAndEmpty()
{
    testsupport::TournamentFixture fx;
    manyGames(fx, 2);
    fx.load();
    frmOvSpeler w;
    ScriptedMessages msgs;
    platform::ScopedRecordingPrinter pr;
    {
        platform::ScriptedPrintDialog dialog(true);
        w.Toolbar1_ButtonClick("But03");   // nothing chosen yet: a beep
        QCOMPARE(msgs.beeps, 1);
        QCOMPARE(dialog.shown, 0);
    }
    w.ListView1_ItemClick(playerRow(w, "Jansen"));
    platform::ScriptedPrintDialog cancel(false);
    w.Toolbar1_ButtonClick("But03");
    QCOMPARE(cancel.shown, 1);
    QCOMPARE(msgs.boxes.size(), 0);
    QCOMPARE(pr.rec.ofKind(PrintOp::Text).size(), 0);
    // A missing results file stops the print key with its message.
    QFile::remove(PadUitslag());
    w.Toolbar1_ButtonClick("But03");
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith("Uitslagenbestand niet gevonden !"));
    QCOMPARE(cancel.shown, 1);
}

void TestOverviewsSpeler::menuItems()
{
    testsupport::TournamentFixture fx;
    manyGames(fx, 1);
    fx.load();
    QTemporaryDir prog;
    ProgrammaMap = prog.path() + QLatin1Char('/');
    ScriptedMessages msgs;
    mdiHoofd h(nullptr, false);
    registerStandingsMenus(h);
    registerOverviewsMenus(h);
    h.resize(1400, 900);
    h.show();
    QAction* matrix = h.menuItem("mnuOverzichtenMatrix");
    QAction* speler = h.menuItem("mnuOverzichtenSpeler");
    QVERIFY(matrix && speler);
    QCOMPARE(matrix->text(), QString("Matrix"));
    QCOMPARE(speler->text(), QString("Overzichten per speler"));

    h.toolbarKey("But10")->trigger();
    QVERIFY(qobject_cast<frmMatrix*>(h.menuWindow("mnuOverzichtenMatrix")));
    QVERIFY(matrix->isChecked());
    QVERIFY(h.toolbarKey("But10")->isChecked());
    QVERIFY(!speler->isEnabled());
    QVERIFY(!h.menuItem("mnuOverzichtenStand")->isEnabled());
    h.toolbarKey("But10")->trigger();
    QTRY_VERIFY(!h.menuWindow("mnuOverzichtenMatrix"));
    QVERIFY(speler->isEnabled());

    speler->trigger();
    QVERIFY(qobject_cast<frmOvSpeler*>(h.menuWindow("mnuOverzichtenSpeler")));
    QVERIFY(!h.toolbarKey("But10")->isEnabled());
    QVERIFY(!h.toolbarKey("But09")->isEnabled());
    QVERIFY(!matrix->isEnabled());
    speler->trigger();
    QTRY_VERIFY(!h.menuWindow("mnuOverzichtenSpeler"));
    QVERIFY(h.toolbarKey("But10")->isEnabled());

    // The player overview needs the results file, the cross table does not.
    QFile::remove(PadUitslag());
    speler->trigger();
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith("Uitslagenbestand niet gevonden !"));
    QVERIFY(!h.menuWindow("mnuOverzichtenSpeler"));
    matrix->trigger();
    QVERIFY(h.menuWindow("mnuOverzichtenMatrix"));
    QCOMPARE(msgs.boxes.size(), 1);
}

QTEST_MAIN(TestOverviewsSpeler)
#include "test_overviews_speler.moc"

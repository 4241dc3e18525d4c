// The player overview window, its print-out and the Overzichten menu items.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "overviews/frmMatrix.h"
#include "overviews/frmOvSpeler.h"
#include "overviews/PrintOvSpeler.h"
#include "composition.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "standings/frmStandTussen.h"
#include "support/tournamentfixture.h"
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace modStootplanner;
using platform::PrintOp;

namespace {

const core::Fixed One = core::Fixed::fromInt(1);

QStringList column(QTreeWidget* list, int c)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(c);
    return out;
}

// The arrow buttons as "01": previous disabled, next enabled.
QString arrows(const frmOvSpeler& w)
{
    return QString("%1%2").arg(w.Command1(0)->isEnabled()).arg(w.Command1(1)->isEnabled());
}

QTreeWidgetItem* jansen(frmOvSpeler& w) { return w.ListView1()->findItems("Jansen", Qt::MatchExactly, 1).value(0); }

// Jansen (1) plays `games` games against an opponent with a long name; the window shows them.
struct Games {
    testsupport::TournamentFixture fx;
    std::unique_ptr<frmOvSpeler> w;
    Games(int games, int decimalen = 2)
    {
        auto& b = fx.builder();
        b.toernooi.aantalDecimalen = qint16(decimalen);
        b.addPlayer(1, "Jansen", "P.J.", 1, 1, core::Fixed::fromDouble(1.5));
        b.addPlayer(2, "Abcdefghijklmnopqrst", "A.B.C.D", 1, 1, One);
        for (int k = 0; k < games; ++k)
            b.addGame(1, 1, 1, 30, 20, 7, 2, 25, 20, 4);
        fx.load();
        w = std::make_unique<frmOvSpeler>();
    }
    void click() { w->ListView1_ItemClick(jansen(*w)); }
};

struct Capture {
    platform::ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog{true};
    platform::ScopedRecordingPrinter pr;
    // "text@column" of every text on the line of `first`, for a font `width` twips a column.
    QString line(const PrintOp* first, double width) const
    {
        QStringList out;
        for (const PrintOp& op : pr.rec.texts())
            if (op.page == first->page && op.y == first->y)
                out << QString("%1@%2").arg(op.text).arg(op.x / width + 1);
        return out.join('|');
    }
    // "line:text@column" of every text below the heading line, bold at 110 twips a column.
    QString rows() const
    {
        const PrintOp* kop = pr.rec.findText("Rnd");
        QStringList out;
        for (const PrintOp& op : pr.rec.texts())
            if (op.y > kop->y)
                out << QString("%1:%2@%3").arg((op.y - kop->y) / 230).arg(op.text).arg(op.x / (op.bold ? 110 : 100) + 1);
        return out.join('|');
    }
};

} // namespace

class TestOverviewsSpeler : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        ResetContext();
        MeldingTitel = QStringLiteral("Let op!");
    }

    void poulesAndPlayerList()
    {
        testsupport::TournamentFixture fx;
        auto& b = fx.builder();
        b.addPlayer(103, "Aalders", "B.", 1, 1, One);
        b.addPlayer(12, "Zwart", "C.", 1, 1, One);
        b.addPlayer(7, "de Boer", "A.", 1, 1, One);
        b.addPlayer(2, "Smit", "G.", 1, 2, One);
        b.addPlayer(3, "Bos", "H.", 1, 3, One);
        b.setRound(1, 3);
        fx.load();
        frmOvSpeler w;
        QCOMPARE(w.Combo1()->itemText(2), QString(" 3"));
        QCOMPARE(arrows(w) + w.Label2()->text(), QString("011"));
        // Sorted by name after loading; "Nr" sorts the padded numbers; "VL" changes nothing.
        QCOMPARE(column(w.ListView1(), 1), QStringList({"Aalders", "de Boer", "Zwart"}));
        QCOMPARE(column(w.ListView1(), 0), QStringList({"00103", "00007", "00012"}));
        w.ListView1_ColumnClick(0);
        w.ListView1_ColumnClick(2);
        QCOMPARE(column(w.ListView1(), 0), QStringList({"00007", "00012", "00103"}));

        w.Command1_Click(1);
        QCOMPARE(arrows(w) + w.Label2()->text(), QString("112"));
        QCOMPARE(w.Combo1()->currentIndex(), -1);
        QCOMPARE(column(w.ListView1(), 1), QStringList({"Smit"}));
        w.Combo1()->setCurrentIndex(2);
        w.Combo1_Click();
        QCOMPARE(arrows(w) + w.Label2()->text(), QString("103"));
        QCOMPARE(column(w.ListView1(), 1), QStringList({"Bos"}));

        // The poule chooser only asks to close the tournament.
        QFile::remove(PadPoules());
        platform::ScriptedMessages msgs;
        w.Combo1()->setCurrentIndex(0);
        w.Combo1_Click();
        QCOMPARE(msgs.boxes.size(), 1);
        QVERIFY(msgs.boxes[0].prompt.endsWith("Sluit het geladen toernooi af !"));
        QCOMPARE(w.HuidigePoule, qint16(3));
    }

    void clickBuildsGameList()
    {
        testsupport::TournamentFixture fx;
        auto& b = fx.builder();
        for (qint16 ronde : {1, 2}) {
            b.addPlayer(1, "Jansen", "P.J.", ronde, 1, core::Fixed::fromDouble(1.5));
            b.addPlayer(2, "Bakker", "K.", ronde, 1, One);
        }
        b.addGame(1, 1, 1, 30, 20, 7, 2, 25, 20, 4, QDate(2026, 9, 7));
        b.addGame(2, 1, 2, 10, 25, 2, 1, 25, 25, 5, QDate(2026, 11, 2));
        b.setRound(2, 1);
        fx.load();
        frmOvSpeler w;
        QCOMPARE(arrows(w), QString("00"));   // a single poule
        w.ListView1_ItemClick(jansen(w));
        QCOMPARE(w.HuidigeSpeler, 1);
        QCOMPARE(w.Label4()->text(), QString("P.J. Jansen"));
        QCOMPARE(column(w.ListView2(), 0), QStringList({" 2", " "}));
        QCOMPARE(column(w.ListView2(), 10), QStringList({"Bakker, K.", " "}));

        w.Option1(1)->click();   // empties the game list, keeps the players
        QCOMPARE(w.ListView2()->topLevelItemCount() + w.Label4()->text().size(), 0);
        QCOMPARE(w.ListView1()->topLevelItemCount(), 2);
        w.ListView1_ItemClick(jansen(w));
        QCOMPARE(column(w.ListView2(), 2),
                 QStringList({"07-09-2026", "Subtotaal", " ", "02-11-2026", "Subtotaal", " ", "Totaal"}));
        QCOMPARE(w.ListView2()->topLevelItem(6)->text(4), QString(" 55"));
        QStringList tussen;   // the interim standings still rank the working round only
        QTimer::singleShot(0, &w, [&] {
            auto* t = w.findChild<frmStandTussen*>();
            tussen << t->windowTitle() << column(t->ListView3(), 1) << column(t->ListView3(), 5);
            t->reject();
        });
        w.Toolbar1_ButtonClick("But05");
        QCOMPARE(tussen, QStringList({"Stand in poule  1", "Jansen", "Bakker", "25", "10"}));

        // Printed as shown: bold subtotals without percentages and opponent, an empty line a separator.
        Capture c;
        QVERIFY(overviews::PrintPlayerOverview(w.Label4()->text(), w.GameRows()));
        QCOMPARE(c.rows(),
                 QString("2: 1@9|2:1@15|2:07-09-2026@19|2: 0@35|2: 30@43|2: 20@53|2:1.50@64|2: 7@75|2:85.71@85|2:100.00@97|"
                 "2:Bakker, K.@108|2: 2@139|2: 25@148|2: 20@158|2:1.25@169|2: 4@180|"
                 "3:Subtotaal@18|3: 0@33|3: 30@41|3: 20@50|3:1.50@61|3: 7@71|"
                 "5: 2@9|5:1@15|5:02-11-2026@19|5: 2@35|5: 25@43|5: 25@53|5:1.00@64|5: 5@75|5:71.42@85|5:66.66@98|"
                 "5:Bakker, K.@108|5: 0@139|5: 10@148|5: 25@158|5:0.40@169|5: 2@180|"
                 "6:Subtotaal@18|6: 2@33|6: 25@41|6: 25@50|6:1.00@61|6: 5@71|8:Totaal@18|8: 2@33|8: 55@41|8: 45@50|8:1.22@61|8: 7@71"));
        // Without games only the total, with "n.v.t." ending where a moyenne ends.
        const std::vector<core::UitslagRec> geen;
        core::OverviewInput leeg;
        leeg.speler = 3;
        leeg.huidigeRonde = 2;
        leeg.alleRonden = true;
        leeg.uitslagen = &geen;
        c.pr.rec.ops.clear();
        QVERIFY(overviews::PrintPlayerOverview("L. Leeg", core::buildPlayerOverview(leeg)));
        QCOMPARE(c.rows(), QString("2:Totaal@18|2: 0@33|2: 0@42|2: 0@51|2:n.v.t.@59|2: 0@71"));
    }

    void print_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("decimalen");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("game");   // "text@column" of the first game row and the total row
        QTest::addColumn<QString>("total");
        // Right-aligned at an edge: the text starts DigitCount columns before it; both
        // moyenne forms end in one column. The name keeps its first 23 characters.
        QTest::newRow("3 decimals") << 1 << 3 << 1
            << " 1@9|1@15|01-10-2026@19| 0@35| 30@43| 20@53|1.500@63| 7@75|85.714@84|100.000@96|"
               "Abcdefghijklmnopqrst, A@108| 2@139| 25@148| 20@158|1.250@168| 4@180"
            << "Totaal@18| 0@33| 30@41| 20@50|1.500@60| 7@71";
        QTest::newRow("2 decimals") << 1 << 2 << 1
            << " 1@9|1@15|01-10-2026@19| 0@35| 30@43| 20@53|1.50@64| 7@75|85.71@85|100.00@97|"
               "Abcdefghijklmnopqrst, A@108| 2@139| 25@148| 20@158|1.25@169| 4@180"
            << "Totaal@18| 0@33| 30@41| 20@50|1.50@61| 7@71";
        QTest::newRow("33 rows") << 32 << 2 << 1 << QString() << QString();
        QTest::newRow("34 rows") << 33 << 2 << 2 << QString() << QString();
    }

    void print()
    {
        QFETCH(int, games);
        QFETCH(int, decimalen);
        QFETCH(int, pages);
        QFETCH(QString, game);
        Games g(games, decimalen);
        g.click();
        Capture c;
        g.w->Toolbar1_ButtonClick("But03");
        QCOMPARE(c.dialog.shown, 1);
        QCOMPARE(c.pr.rec.ofKind(PrintOp::NewPage).size(), pages - 1);
        QCOMPARE(c.pr.rec.documentsEnded, 1);
        QCOMPARE(c.pr.rec.texts().first().orientation, platform::OrientationLandscape);
        QCOMPARE(MeldingTekst, QString("Overzicht speler P.J. Jansen"));
        QCOMPARE(c.msgs.boxes.size(), 1);
        QCOMPARE(c.msgs.boxes[0].prompt + "/" + c.msgs.boxes[0].title, QString("Overzicht wordt uitgeprint/Gereed"));
        // Every page: the bold heading line, an empty line, then at most 33 rows.
        QList<PrintOp> headings;
        for (const PrintOp& op : c.pr.rec.texts())
            if (op.text == QLatin1String("Rnd"))
                headings << op;
        QCOMPARE(headings.size(), pages);
        QCOMPARE(c.line(&headings.last(), 110).section('|', 10, 10), QString("Tegenstander@102"));
        const PrintOp* tot = c.pr.rec.findText("Totaal");
        QCOMPARE(tot->page, pages);
        if (pages == 2) {
            QCOMPARE(c.pr.rec.findText("Pagina  2")->page, 2);
            QCOMPARE(tot->y - headings.last().y, 2 * 230.0);   // the 34th row
            QCOMPARE(PrintRegel, qint16(1));
            QCOMPARE(PrintPagina, qint16(2));
        }
        if (!game.isEmpty()) {
            // Game rows in regular type (100 twips a column), total rows bold (110) without percentages.
            QCOMPARE(c.line(c.pr.rec.findText("1"), 100), game);
            QTEST(c.line(tot, 110), "total");
        }
    }

    void printCancelAndEmpty()
    {
        Games g(2);
        platform::ScriptedMessages msgs;
        platform::ScopedRecordingPrinter pr;
        {
            platform::ScriptedPrintDialog dialog(true);
            g.w->Toolbar1_ButtonClick("But03");   // nothing chosen yet: a beep
            QCOMPARE(msgs.beeps, 1);
            QCOMPARE(dialog.shown, 0);
        }
        g.click();
        platform::ScriptedPrintDialog cancel(false);
        g.w->Toolbar1_ButtonClick("But03");
        QCOMPARE(cancel.shown, 1);
        QCOMPARE(msgs.boxes.size(), 0);
        QCOMPARE(pr.rec.ofKind(PrintOp::Text).size(), 0);
        // A missing results file stops the print key with its message.
        QFile::remove(PadUitslag());
        g.w->Toolbar1_ButtonClick("But03");
        QCOMPARE(msgs.boxes.size(), 1);
        QVERIFY(msgs.boxes[0].prompt.startsWith("Uitslagenbestand niet gevonden !"));
        QCOMPARE(cancel.shown, 1);
    }

    void menuItems()
    {
        testsupport::TournamentFixture fx;
        fx.builder().addPlayer(1, "Jansen", "P.J.", 1, 1, One);
        fx.load();
        QTemporaryDir prog;
        ProgrammaMap = prog.path() + QLatin1Char('/');
        platform::ScriptedMessages msgs;
        mdiHoofd h;
        composition::RegisterMenus(h);
        h.show();
        QAction* matrix = h.menuItem("mnuOverzichtenMatrix");
        QAction* speler = h.menuItem("mnuOverzichtenSpeler");
        QCOMPARE(matrix->text() + "|" + speler->text(), QString("Matrix|Overzichten per speler"));
        // Both belong to group 6; the cross table has key But10.
        h.toolbarKey("But10")->trigger();
        QVERIFY(qobject_cast<frmMatrix*>(h.menuWindow("mnuOverzichtenMatrix")));
        QVERIFY(matrix->isChecked() && !speler->isEnabled() && !h.menuItem("mnuOverzichtenStand")->isEnabled());
        h.toolbarKey("But10")->trigger();
        QTRY_VERIFY(!h.menuWindow("mnuOverzichtenMatrix") && speler->isEnabled());
        speler->trigger();
        QVERIFY(qobject_cast<frmOvSpeler*>(h.menuWindow("mnuOverzichtenSpeler")));
        QVERIFY(!h.toolbarKey("But10")->isEnabled() && !h.toolbarKey("But09")->isEnabled() && !matrix->isEnabled());
        speler->trigger();
        QTRY_VERIFY(!h.menuWindow("mnuOverzichtenSpeler") && h.toolbarKey("But10")->isEnabled());

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
};

QTEST_MAIN(TestOverviewsSpeler)
#include "test_overviews_speler.moc"

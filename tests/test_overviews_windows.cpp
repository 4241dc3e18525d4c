// The cross table window with its sheets and still-to-play list, the player
// overview window with its print-out, and their menu items.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "composition.h"
#include "overviews/PrintOvSpeler.h"
#include "overviews/frmMatrix.h"
#include "overviews/frmOvSpeler.h"
#include "standings/frmStandTussen.h"
#include "support/standings_fixture.h"
#include "support/tournamentfixture.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace modStootplanner;
using platform::PrintOp;
using platform::RecordingPrinter;
using standtest::column;
using standtest::shown;

namespace {

const core::Fixed One = core::Fixed::fromInt(1);
const QSizeF A4(11338, 16271), Letter(10080, 13680);   // printable portrait twips; Letter with 3/4 inch margins

// Poules of round 1 with players Speler01.. numbered from (poule - 1) x 100 + 1.
void addPoules(testsupport::TournamentFixture& fx, const QList<int>& sizes)
{
    for (int p = 1; p <= sizes.size(); ++p)
        for (int k = 1; k <= sizes[p - 1]; ++k)
            fx.builder().addPlayer((p - 1) * 100 + k, QString("Speler%1").arg(k, 2, 10, QChar('0')), "A.", 1,
                                   qint16(p), One);
    fx.builder().setRound(1, qint16(sizes.size()));
}

// The arrow buttons as "01": previous disabled, next enabled.
template <class W> QString arrows(const W& w)
{
    return QString("%1%2").arg(w.Command1(0)->isEnabled()).arg(w.Command1(1)->isEnabled());
}

int onPage(const RecordingPrinter& rec, PrintOp::Kind k, int page)
{
    const QList<PrintOp> ops = rec.ofKind(k);
    return int(std::count_if(ops.begin(), ops.end(), [&](const PrintOp& o) { return o.page == page; }));
}

// "text@x" of the texts on a page at height y; with `width`, x as the column of that many twips.
QString lineAt(const RecordingPrinter& rec, int page, double y, double width = 0)
{
    QStringList out;
    for (const PrintOp& o : rec.texts())
        if (o.page == page && o.y == y)
            out << QString("%1@%2").arg(o.text).arg(width ? o.x / width + 1 : o.x);
    return out.join('|');
}

// "line:text@column" of the texts up to `lines` lines of `step` twips below `from`,
// at 10 twips a column a point, 11 in bold.
QString below(const RecordingPrinter& rec, const PrintOp* from, int lines, double step)
{
    QStringList out;
    for (const PrintOp& o : rec.texts())
        if (o.page == from->page && o.y > from->y && o.y <= from->y + lines * step)
            out << QString("%1:%2@%3").arg((o.y - from->y) / step).arg(o.text)
                       .arg(o.x / (o.fontSize * (o.bold ? 11 : 10)) + 1);
    return out.join('|');
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

} // namespace

class TestOverviewsWindows : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        ResetContext();
        MeldingTitel = QStringLiteral("Let op!");
    }

    void matrixPoules()
    {
        testsupport::TournamentFixture fx;
        addPoules(fx, {3, 1, 0});
        fx.load();
        frmMatrix m;
        const auto state = [&] { return arrows(m) + m.Label8()->text() + m.Text1()->text(); };
        QCOMPARE(state(), QString("011Poule  1"));
        m.Command1_Click(1);   // poule 2: one player, one black square, no cells
        QCOMPARE(state(), QString("112Poule  2"));
        QCOMPARE(m.AantalInMatrix, qint16(1));
        QVERIFY(m.Label1(1) && !m.Label1(2) && !m.Label2(2) && !m.Label3(1).Visible);
        QVERIFY(!m.findChild<QLabel*>("Label2_3"));   // the previous poule's controls are gone
        m.Command1_Click(1);   // poule 3: empty
        QCOMPARE(state(), QString("103Poule  3"));
        QVERIFY(!m.Label1(1));
        {   // No sheet to print: a beep, and neither the dialog nor a report of a print.
            standtest::PrintRun c;
            m.PrintMatrix();
            QCOMPARE(QList<qsizetype>({c.msgs.beeps, c.dialog.shown, c.msgs.boxes.size(), c.pr.rec.ops.size()}),
                     QList<qsizetype>({1, 0, 0, 0}));
        }
        m.Command1_Click(0);
        m.Command1_Click(0);
        QCOMPARE(state() + m.Label2(3)->text(), QString("011Poule  1Speler03, A"));

        // Without the players file the arrow and the print keys do nothing but report it.
        QFile::remove(PadSpelers());
        standtest::PrintRun c;
        m.Command1_Click(1);
        QCOMPARE(m.HuidigePoule, qint16(1));
        QCOMPARE(shown(c.msgs).size(), 1);
        QVERIFY(shown(c.msgs)[0].startsWith("Let op!|X|Spelersbestand niet gevonden !\r\n"));
        m.Toolbar1_ButtonClick("But05");
        m.Toolbar1_ButtonClick("But03");
        QCOMPARE(c.pr.rec.ops.size() + c.dialog.shown, 0);
    }

    void matrixScrollBars()
    {
        testsupport::TournamentFixture fx;
        addPoules(fx, {37, 21, 20});
        fx.load();
        frmMatrix m;
        auto bars = [&] {
            return QString("%1%2 %3").arg(m.VScroll1()->isVisibleTo(&m)).arg(m.HScroll1()->isVisibleTo(&m))
                .arg(m.VScroll1()->maximum());
        };
        QCOMPARE(bars(), QString("11 17"));
        QCOMPARE(m.HScroll1()->maximum(), 1);
        m.VScroll1()->setValue(1);   // one step is one player
        m.HScroll1()->setValue(1);
        QCOMPARE(m.Picture5()->pos(), QPoint(-20, -20));
        QCOMPARE(QPoint(m.Frame2()->x(), m.Frame1()->y()), QPoint(-20, -20));
        m.Command1_Click(1);
        QCOMPARE(bars(), QString("10 1"));
        m.Command1_Click(1);   // a poule that needs no bars shows its first row
        QCOMPARE(bars().left(2), QString("00"));
        QCOMPARE(m.Picture5()->pos(), QPoint(0, 0));
    }

    void matrixAnimation()
    {
        testsupport::TournamentFixture fx;
        addPoules(fx, {9, 10});
        fx.load();
        frmMatrix m;
        m.Label4_DblClick(0);   // nine players: nothing
        m.Command1_Click(1);
        m.Label4_DblClick(4);
        QVERIFY(!m.Timer1()->isActive() && m.Picture10()->isHidden());
        m.Label4_DblClick(1);
        QVERIFY(m.Timer1()->isActive() && !m.Picture10()->isHidden());
        QCOMPARE(m.Picture10()->picture(), frmMatrix::ImageList2(1));
        QSet<int> cells;   // each tick uncovers the next tile; together they cover every cell once
        for (int k = 0; k < 216; ++k) {
            m.Timer1_Timer();
            m.Label4_DblClick(0);   // running: ignored
            QVERIFY(!m.Picture10()->tileOpaque(k) && (k == 215 || m.Picture10()->tileOpaque(k + 1)));
            cells.insert(MatrixAnimation::tileCell(k));
        }
        QCOMPARE(cells.size(), 216);
        QVERIFY(!m.Timer1()->isActive() && m.Timer2()->isActive());
        m.Timer2_Timer();
        QVERIFY(!m.Timer2()->isActive() && m.Picture10()->isHidden() && m.Picture10()->tileOpaque(0));
    }

    void matrixSheets()
    {
        testsupport::TournamentFixture fx;
        fx.builder().toernooi.naam = QStringLiteral("Najaar    ");
        addPoules(fx, {31});
        fx.load();
        frmMatrix m;
        standtest::PrintRun c;
        c.msgs.queueAnswer(platform::vbNo);
        m.PrintMatrix();
        QCOMPARE(shown(c.msgs), QStringList({"Let op!|i|De matrix wordt uitgeprint op  4 vellen.\r\nWilt u doorgaan ?"}));
        QCOMPARE(c.msgs.boxes[0].flags, platform::vbYesNo + platform::vbInformation);
        QCOMPARE(MeldingAntwoord, qint16(platform::vbNo));
        QCOMPARE(c.pr.rec.ops.size() + c.dialog.shown, 0);

        c.msgs.clear();
        c.msgs.queueAnswer(platform::vbYes);
        m.PrintMatrix();
        QCOMPARE(c.pr.rec.ofKind(PrintOp::NewPage).size(), 3);
        QCOMPARE(c.pr.rec.documentsEnded, 1);
        int page = 0;
        for (const char* h : {"1. 1.", "1. 2.", "2. 1.", "2. 2."}) {
            const PrintOp* op = c.pr.rec.findText(QString("Najaar   Blad  ") + h);
            QVERIFY2(op && op->bold && op->fontSize == 12.0, qPrintable(h));
            QCOMPARE(QPointF(op->x, op->y), QPointF(3400, 200));
            QCOMPARE(op->page, ++page);
        }
        // Sheet 1.2 holds the 31st column only: 30 cells, one a picture, 30 not-played outlines
        // besides the legend's 4; sheet 2.2 one black square besides the legend's 3 filled boxes.
        const auto count = [&](PrintOp::Kind k, int page) { return onPage(c.pr.rec, k, page); };
        QCOMPARE(QList<int>({count(PrintOp::Picture, 1), count(PrintOp::Picture, 2), count(PrintOp::Box, 2),
                             count(PrintOp::FilledBox, 4), count(PrintOp::Box, 4)}),
                 QList<int>({30, 1, 4 + 30, 3 + 1, 4}));
        QCOMPARE(c.pr.rec.findText("Speler31, A")->page, 3);
        QCOMPARE(shown(c.msgs).last(), QString("Gereed|i|Matrix wordt uitgeprint"));
        const PrintOp first = c.pr.rec.texts().first();
        QCOMPARE(QString("%1 %2").arg(first.orientation).arg(first.fontName), QString("2 Arial Narrow"));
    }

    void matrixCellsAndOneSheet()
    {
        // Targets 9, 10 and 100 (adjusted, round 1) and points 9, 10 and 100 among 30 players: one sheet.
        testsupport::TournamentFixture fx;
        auto& b = fx.builder();
        b.toernooi.naam = QStringLiteral("Najaar    ");
        b.toernooi.puntenInMatrix = core::Ja;
        addPoules(fx, {27});
        b.addPlayer(91, "Aap", "A.B.", 1, 1, One, 9);
        b.addPlayer(92, "Beer", "B.", 1, 1, One, 10);
        b.addPlayer(93, "Cavia", "C.", 1, 1, One, 90).aangepastTeMakenCar = 100;
        auto& g = b.addGame(1, 1, 91, 9, 10, 1, 92, 5, 10, 1);   // Aap wins
        g.speler1.punten = 9;
        g.speler2.punten = 10;
        b.addGame(1, 1, 93, 9, 10, 1, 92, 5, 10, 1).speler1.punten = 100;
        fx.load();
        frmMatrix m;
        QCOMPARE(arrows(m), QString("00"));   // a single poule
        QCOMPARE(m.Label2(1)->text() + "|" + m.Label6(1)->text() + "|" + m.Label6(3)->text(), QString("Aap, A|9|100"));
        // Row i, column j is cell (i - 1) x 30 + j.
        QCOMPARE(m.Label3(2).BackColor, platform::vbColor(0xFF00));
        QCOMPARE(m.Label3(2).Caption, QString("9"));
        QCOMPARE(m.Label3(31).BackColor, platform::vbColor(0xFF));
        QVERIFY(m.Label3(31).Visible && !m.Label3(32).Visible);
        QCOMPARE(m.Label3(3).BackColor, QApplication::palette().color(QPalette::Button));
        QCOMPARE(m.Label3(3).Caption, QString());

        standtest::PrintRun c;
        m.PrintMatrix();
        QCOMPARE(c.msgs.boxes.size(), 1);   // no sheet question
        QVERIFY(c.pr.rec.findText("Najaar"));
        QCOMPARE(c.pr.rec.ofKind(PrintOp::NewPage).size(), 0);
        const PrintOp* kop = c.pr.rec.findText("Matrix in poule  1");
        QVERIFY(kop && kop->bold);
        QCOMPARE(QPointF(kop->x, kop->y), QPointF(440, 1500 + 230));   // column 5 of bold 10 pt, a line down
        QCOMPARE(c.pr.rec.findText("Car")->x, 31 * 110.0);
        // Row t: name and target a line below t x 275 + 1855, the targets ending in column 35,
        // level with the points at y1 + 10 = t x 275 + 2085, which start at x1 + 175, + 100
        // or + 25 (x1 = u x 400 + 3000 for column u).
        QCOMPARE(lineAt(c.pr.rec, 1, 1 * 275 + 2085), QString("Aap, A@400|9@3400|9@3975"));
        QCOMPARE(lineAt(c.pr.rec, 1, 2 * 275 + 2085), QString("Beer, B@400|10@3300|10@3500|2@4375"));
        QCOMPARE(lineAt(c.pr.rec, 1, 3 * 275 + 2085), QString("Cavia, C@400|100@3200|100@3825"));
        // A coloured cell: an outline and the colour inset by 5 twips.
        const QList<PrintOp> filled = c.pr.rec.ofKind(PrintOp::FilledBox);
        QVERIFY(std::any_of(filled.begin(), filled.end(), [](const PrintOp& o) {
            return QRectF(QPointF(o.x, o.y), QPointF(o.x2, o.y2)) == QRectF(QPointF(3805, 2355), QPointF(4195, 2620))
                   && o.color == platform::vbColor(0xFF00);
        }));

        // Without points in the cells no text; without a results file nothing is played, silently.
        Toernooi.puntenInMatrix = core::Nee;
        m.FillMatrixCells(1);
        QCOMPARE(m.Label3(2).Caption + QString::number(m.Label3(2).code), QString("1"));
        QFile::remove(PadUitslag());
        m.FillMatrixCells(1);
        QCOMPARE(m.Label3(2).code, 0);
        QCOMPARE(c.msgs.boxes.size(), 1);
    }

    void stillToPlayLines()
    {
        testsupport::TournamentFixture fx;
        addPoules(fx, {6});
        for (int tegen : {2, 3, 4, 5, 6})   // Speler01 has met everybody, in either order
            fx.builder().addGame(1, 1, tegen % 2 ? tegen : 1, 10, 10, 1, tegen % 2 ? 1 : tegen, 10, 10, 1);
        fx.load();
        frmMatrix m;
        standtest::PrintRun c;
        m.PrintStillToPlay();
        QCOMPARE(shown(c.msgs), QStringList({"Gereed|i|Lijst wordt uitgeprint"}));
        QVERIFY(c.pr.rec.findText("Lijstje wie tegen wie in ronde  1 en in poule  1"));
        QCOMPARE(c.pr.rec.texts().first().orientation, platform::OrientationPortrait);
        // Speler01: his bold line at column 5, then directly the empty line and Speler02,
        // whose four open opponents take one line, at columns 6, 36, 66 and 96.
        const PrintOp* a = c.pr.rec.findText("Speler01, A moet nog tegen:");
        QVERIFY(a && a->bold);
        QCOMPARE(a->x, 4 * 121.0);
        QCOMPARE(below(c.pr.rec, a, 3, 253),
                 QString("2:Speler02, A moet nog tegen:@5|3:Speler03, A@6|3:Speler04, A@36|3:Speler05, A@66|"
                         "3:Speler06, A@96"));

        // Without a results file everybody is listed against all others; a fifth name starts a new line.
        QFile::remove(PadUitslag());
        c.pr.rec.ops.clear();
        m.PrintStillToPlay();
        QCOMPARE(below(c.pr.rec, c.pr.rec.findText("Speler01, A moet nog tegen:"), 2, 253),
                 QString("1:Speler02, A@6|1:Speler03, A@36|1:Speler04, A@66|1:Speler05, A@96|2:Speler06, A@6"));
    }

    void stillToPlayPageBreak_data()
    {
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<int>("step");   // twips a line
        QTest::newRow("A4") << A4 << 253;
        // 51 lines below the first one fill the 10 674 twips left above the last line's foot.
        QTest::newRow("Letter") << Letter << 209;
    }

    void stillToPlayPageBreak()
    {
        QFETCH(QSizeF, paper);
        QFETCH(int, step);
        testsupport::TournamentFixture fx;
        addPoules(fx, {20});
        fx.load(false);
        frmMatrix m;
        standtest::PrintRun c;
        c.pr.rec.portraitPage = paper;
        m.PrintStillToPlay();
        // Seven players take 49 lines; the eighth passes 51 after his first line and goes on
        // at the top of page 2 under his repeated bold line, one line below y 2500.
        QStringList heads;
        for (const PrintOp& o : c.pr.rec.texts())
            if (o.text == QLatin1String("Speler08, A moet nog tegen:"))
                heads << QString("%1/%2").arg(o.page).arg(o.y);
        QCOMPARE(heads, QStringList({QString("1/%1").arg(2753 + 49 * step), "2/2753"}));
        QCOMPARE(c.pr.rec.ofKind(PrintOp::NewPage).size(), 2);   // 20 players of 7 lines
        QCOMPARE(c.pr.rec.findText("Pagina  2")->page, 2);
        QCOMPARE(c.pr.rec.documentsEnded, 1);
        QCOMPARE(PrintPagina, qint16(3));
    }

    void overviewPoulesAndPlayers()
    {
        testsupport::TournamentFixture fx;
        auto& b = fx.builder();
        const std::tuple<int, const char*, const char*, int> spelers[] = {
            {103, "Aalders", "B.", 1}, {12, "Zwart", "C.", 1}, {7, "de Boer", "A.", 1}, {2, "Smit", "G.", 2},
            {3, "Bos", "H.", 3}};
        for (const auto& [nr, naam, vl, poule] : spelers)
            b.addPlayer(nr, naam, vl, 1, qint16(poule), One);
        b.setRound(1, 3);
        fx.load();
        frmOvSpeler w;
        const auto state = [&] { return arrows(w) + w.Label2()->text() + column(w.ListView1(), 1).join(','); };
        QCOMPARE(w.Combo1()->itemText(2), QString(" 3"));
        // Sorted by name after loading; "Nr" sorts the padded numbers; "VL" changes nothing.
        QCOMPARE(state(), QString("011Aalders,de Boer,Zwart"));
        QCOMPARE(column(w.ListView1(), 0), QStringList({"00103", "00007", "00012"}));
        w.ListView1_ColumnClick(0);
        w.ListView1_ColumnClick(2);
        QCOMPARE(column(w.ListView1(), 0), QStringList({"00007", "00012", "00103"}));

        w.Command1_Click(1);
        QCOMPARE(state(), QString("112Smit"));
        QCOMPARE(w.Combo1()->currentIndex(), -1);
        w.Combo1()->setCurrentIndex(2);
        w.Combo1_Click();
        QCOMPARE(state(), QString("103Bos"));

        // The poule chooser only asks to close the tournament.
        QFile::remove(PadPoules());
        platform::ScriptedMessages msgs;
        w.Combo1()->setCurrentIndex(0);
        w.Combo1_Click();
        QCOMPARE(msgs.boxes.size(), 1);
        QVERIFY(msgs.boxes[0].prompt.endsWith("Sluit het geladen toernooi af !"));
        QCOMPARE(w.HuidigePoule, qint16(3));
    }

    void overviewGamesAndTheirPrint()
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
        QCOMPARE(column(w.ListView2(), 0) + column(w.ListView2(), 10), QStringList({" 2", " ", "Bakker, K.", " "}));

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
        standtest::PrintRun c;
        QVERIFY(overviews::PrintPlayerOverview(w.Label4()->text(), w.GameRows()));
        const PrintOp* kop = c.pr.rec.findText("Rnd");
        QCOMPARE(below(c.pr.rec, kop, 8, 230),
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
        QCOMPARE(below(c.pr.rec, c.pr.rec.findText("Rnd"), 2, 230),
                 QString("2:Totaal@18|2: 0@33|2: 0@42|2: 0@51|2:n.v.t.@59|2: 0@71"));
    }

    void overviewPrint_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("decimalen");
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("game");   // "text@column" of the first game row and the total row
        QTest::addColumn<QString>("total");
        // Right-aligned at an edge: the text starts DigitCount columns before it; both
        // moyenne forms end in one column. The name keeps its first 23 characters.
        QTest::newRow("3 decimals") << 1 << 3 << A4 << 1
            << " 1@9|1@15|01-10-2026@19| 0@35| 30@43| 20@53|1.500@63| 7@75|85.714@84|100.000@96|"
               "Abcdefghijklmnopqrst, A@108| 2@139| 25@148| 20@158|1.250@168| 4@180"
            << "Totaal@18| 0@33| 30@41| 20@50|1.500@60| 7@71";
        QTest::newRow("2 decimals") << 1 << 2 << A4 << 1
            << " 1@9|1@15|01-10-2026@19| 0@35| 30@43| 20@53|1.50@64| 7@75|85.71@85|100.00@97|"
               "Abcdefghijklmnopqrst, A@108| 2@139| 25@148| 20@158|1.25@169| 4@180"
            << "Totaal@18| 0@33| 30@41| 20@50|1.50@61| 7@71";
        QTest::newRow("33 rows") << 32 << 2 << A4 << 1 << QString() << QString();
        QTest::newRow("34 rows") << 33 << 2 << A4 << 2 << QString() << QString();
        QTest::newRow("66 rows on Letter") << 65 << 2 << Letter << 2 << QString() << QString();
    }

    void overviewPrint()
    {
        QFETCH(int, games);
        QFETCH(int, decimalen);
        QFETCH(QSizeF, paper);
        QFETCH(int, pages);
        QFETCH(QString, game);
        Games g(games, decimalen);
        g.click();
        standtest::PrintRun c;
        c.pr.rec.portraitPage = paper;
        g.w->Toolbar1_ButtonClick("But03");
        QCOMPARE(c.dialog.shown, 1);
        QCOMPARE(c.pr.rec.ofKind(PrintOp::NewPage).size(), pages - 1);
        QCOMPARE(c.pr.rec.documentsEnded, 1);
        QCOMPARE(c.pr.rec.texts().first().orientation, platform::OrientationLandscape);
        QCOMPARE(MeldingTekst, QString("Overzicht speler P.J. Jansen"));
        QCOMPARE(shown(c.msgs), QStringList({"Gereed|i|Overzicht wordt uitgeprint"}));
        // Every page: the bold heading line, an empty line, then at most 33 rows.
        QList<PrintOp> headings;
        for (const PrintOp& op : c.pr.rec.texts())
            if (op.text == QLatin1String("Rnd"))
                headings << op;
        QCOMPARE(headings.size(), pages);
        QCOMPARE(lineAt(c.pr.rec, pages, headings.last().y, 110).section('|', 10, 10), QString("Tegenstander@102"));
        const PrintOp* tot = c.pr.rec.findText("Totaal");
        QCOMPARE(tot->page, pages);
        for (int p = 1; p <= pages; ++p) {
            const PrintOp* kop = c.pr.rec.findText(QStringLiteral("Pagina ") + core::signedNum(p));
            QVERIFY(kop && kop->page == p && headings[p - 1].page == p);
        }
        if (pages == 2 && paper == A4) {
            QCOMPARE(tot->y - headings.last().y, 2 * 230.0);   // the 34th row
            QCOMPARE(PrintRegel, qint16(1));
        }
        QCOMPARE(PrintPagina, qint16(pages));
        if (!game.isEmpty()) {
            // Game rows in regular type (100 twips a column), total rows bold (110) without percentages.
            const PrintOp* first = c.pr.rec.findText("1");
            QCOMPARE(lineAt(c.pr.rec, 1, first->y, 100), game);
            QTEST(lineAt(c.pr.rec, pages, tot->y, 110), "total");
        }
    }

    void overviewPrintCancelAndEmpty()
    {
        Games g(2);
        platform::ScriptedMessages msgs;
        platform::ScopedRecordingPrinter pr;
        {
            platform::ScriptedPrintDialog dialog(true);
            g.w->Toolbar1_ButtonClick("But03");   // nothing chosen yet: a beep
            QCOMPARE(QList<qsizetype>({msgs.beeps, dialog.shown}), QList<qsizetype>({1, 0}));
        }
        g.click();
        platform::ScriptedPrintDialog cancel(false);
        g.w->Toolbar1_ButtonClick("But03");
        QCOMPARE(cancel.shown, 1);
        QCOMPARE(msgs.boxes.size() + pr.rec.ofKind(PrintOp::Text).size(), 0);
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

QTEST_MAIN(TestOverviewsWindows)
#include "test_overviews_windows.moc"

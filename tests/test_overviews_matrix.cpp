// The cross table window, its sheets and the still-to-play list.
#include "app/modStootplanner.h"
#include "overviews/frmMatrix.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "support/tournamentfixture.h"
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace modStootplanner;
using platform::PrintOp;

namespace {

const core::Fixed One = core::Fixed::fromInt(1);

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
QString arrows(const frmMatrix& m)
{
    return QString("%1%2").arg(m.Command1(0)->isEnabled()).arg(m.Command1(1)->isEnabled());
}

struct Capture {
    platform::ScopedRecordingPrinter pr;
    platform::ScriptedPrintDialog dialog{true};
    platform::ScriptedMessages msgs;
    int onPage(PrintOp::Kind k, int page) const
    {
        int count = 0;
        for (const PrintOp& op : pr.rec.ofKind(k))
            count += op.page == page;
        return count;
    }
    // "text@x" of the texts printed at height y.
    QString at(double y) const
    {
        QStringList out;
        for (const PrintOp& o : pr.rec.texts())
            if (o.y == y)
                out << QString("%1@%2").arg(o.text).arg(o.x);
        return out.join('|');
    }
    // "line:text@column" of the texts up to `lines` lines (11 pt, regular) below `from`.
    QString below(const PrintOp* from, int lines) const
    {
        QStringList out;
        for (const PrintOp& o : pr.rec.texts())
            if (o.page == from->page && o.y > from->y && o.y <= from->y + lines * 253)
                out << QString("%1:%2@%3").arg((o.y - from->y) / 253).arg(o.text).arg(o.x / 110 + 1);
        return out.join('|');
    }
};

} // namespace

class TestOverviewsMatrix : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        ResetContext();
        MeldingTitel = QStringLiteral("Let op!");
    }

    void arrowsAndSmallPoules()
    {
        testsupport::TournamentFixture fx;
        addPoules(fx, {3, 1, 0});
        fx.load();
        frmMatrix m;
        QCOMPARE(arrows(m), QString("01"));
        QCOMPARE(m.Label8()->text() + m.Text1()->text(), QString("1Poule  1"));

        m.Command1_Click(1);   // poule 2: one player, one black square, no cells
        QCOMPARE(arrows(m), QString("11"));
        QCOMPARE(m.AantalInMatrix, qint16(1));
        QVERIFY(m.Label1(1) && !m.Label1(2) && !m.Label2(2));
        QVERIFY(!m.Label3(1).Visible);
        QVERIFY(!m.findChild<QLabel*>("Label2_3"));   // the previous poule's controls are gone

        m.Command1_Click(1);   // poule 3: empty
        QCOMPARE(arrows(m), QString("10"));
        QCOMPARE(m.Label8()->text() + m.Text1()->text(), QString("3Poule  3"));
        QVERIFY(!m.Label1(1));
        {   // No sheet to print: a beep, and neither the dialog nor a report of a print.
            Capture c;
            m.PrintMatrix();
            QCOMPARE(QList<qsizetype>({c.msgs.beeps, c.dialog.shown, c.msgs.boxes.size(), c.pr.rec.ops.size()}),
                     QList<qsizetype>({1, 0, 0, 0}));
        }

        m.Command1_Click(0);
        m.Command1_Click(0);
        QCOMPARE(arrows(m), QString("01"));
        QCOMPARE(m.Label2(3)->text(), QString("Speler03, A"));

        // Without the players file the arrow and the print keys do nothing but report it.
        QFile::remove(PadSpelers());
        Capture c;
        m.Command1_Click(1);
        QCOMPARE(m.HuidigePoule, qint16(1));
        QCOMPARE(c.msgs.boxes.size(), 1);
        QVERIFY(c.msgs.boxes[0].prompt.startsWith("Spelersbestand niet gevonden !\r\n"));
        QCOMPARE(c.msgs.boxes[0].icon(), platform::vbCritical);
        m.Toolbar1_ButtonClick("But05");
        m.Toolbar1_ButtonClick("But03");
        QCOMPARE(c.pr.rec.ops.size() + c.dialog.shown, 0);
    }

    void scrollBars()
    {
        testsupport::TournamentFixture fx;
        addPoules(fx, {37, 21, 20});
        fx.load();
        frmMatrix m;
        auto bars = [&] {
            return QString("%1%2").arg(m.VScroll1()->isVisibleTo(&m)).arg(m.HScroll1()->isVisibleTo(&m));
        };
        QCOMPARE(bars(), QString("11"));
        QCOMPARE(m.VScroll1()->maximum(), 17);
        QCOMPARE(m.HScroll1()->maximum(), 1);
        m.VScroll1()->setValue(1);   // one step is one player
        m.HScroll1()->setValue(1);
        QCOMPARE(m.Picture5()->pos(), QPoint(-20, -20));
        QCOMPARE(QPoint(m.Frame2()->x(), m.Frame1()->y()), QPoint(-20, -20));
        m.Command1_Click(1);
        QCOMPARE(bars(), QString("10"));
        QCOMPARE(m.VScroll1()->maximum(), 1);
        // A poule that needs no bars shows its first row.
        m.Command1_Click(1);
        QCOMPARE(bars(), QString("00"));
        QCOMPARE(m.Picture5()->pos(), QPoint(0, 0));
    }

    void animation()
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

    void printSheets()
    {
        testsupport::TournamentFixture fx;
        fx.builder().toernooi.naam = QStringLiteral("Najaar    ");
        addPoules(fx, {31});
        fx.load();
        frmMatrix m;
        Capture c;
        c.msgs.queueAnswer(platform::vbNo);
        m.PrintMatrix();
        QCOMPARE(c.msgs.boxes.size(), 1);
        QCOMPARE(c.msgs.boxes[0].prompt, QString("De matrix wordt uitgeprint op  4 vellen.\r\nWilt u doorgaan ?"));
        QCOMPARE(c.msgs.boxes[0].flags, platform::vbYesNo + platform::vbInformation);
        QCOMPARE(c.msgs.boxes[0].title, QString("Let op!"));
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
        // Sheet 1.2 holds the 31st column only: 30 cells, one a picture; sheet 2.2 one black square.
        QCOMPARE(c.onPage(PrintOp::Picture, 2), 1);
        QCOMPARE(c.onPage(PrintOp::Picture, 1), 30);
        QCOMPARE(c.onPage(PrintOp::FilledBox, 4), 3 + 1);   // legend and the diagonal
        QCOMPARE(c.onPage(PrintOp::Box, 4), 4);             // legend outlines only
        QCOMPARE(c.onPage(PrintOp::Box, 2), 4 + 30);        // 30 not-played cells
        QCOMPARE(c.pr.rec.findText("Speler31, A")->page, 3);
        QCOMPARE(c.msgs.boxes.last().prompt + "/" + c.msgs.boxes.last().title,
                 QString("Matrix wordt uitgeprint/Gereed"));
        QCOMPARE(c.pr.rec.texts().first().orientation, platform::OrientationLandscape);
        QCOMPARE(c.pr.rec.texts().first().fontName, QString("Arial Narrow"));
    }

    void cellsAndOneSheet()
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

        Capture c;
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
        QCOMPARE(c.at(1 * 275 + 2085), QString("Aap, A@400|9@3400|9@3975"));
        QCOMPARE(c.at(2 * 275 + 2085), QString("Beer, B@400|10@3300|10@3500|2@4375"));
        QCOMPARE(c.at(3 * 275 + 2085), QString("Cavia, C@400|100@3200|100@3825"));
        // A coloured cell: an outline and the colour inset by 5 twips.
        bool green = false;
        for (const PrintOp& o : c.pr.rec.ofKind(PrintOp::FilledBox))
            green |= QRectF(QPointF(o.x, o.y), QPointF(o.x2, o.y2)) == QRectF(QPointF(3805, 2355), QPointF(4195, 2620))
                     && o.color == platform::vbColor(0xFF00);
        QVERIFY(green);

        // Without points in the cells no text; without a results file nothing is played, silently.
        Toernooi.puntenInMatrix = core::Nee;
        m.FillMatrixCells(1);
        QCOMPARE(m.Label3(2).Caption, QString());
        QCOMPARE(m.Label3(2).code, 1);
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
        Capture c;
        m.PrintStillToPlay();
        QCOMPARE(c.msgs.boxes.size(), 1);
        QCOMPARE(c.msgs.boxes[0].prompt + "/" + c.msgs.boxes[0].title, QString("Lijst wordt uitgeprint/Gereed"));
        QVERIFY(c.pr.rec.findText("Lijstje wie tegen wie in ronde  1 en in poule  1"));
        QCOMPARE(c.pr.rec.texts().first().orientation, platform::OrientationPortrait);
        // Speler01: his bold line, then directly the empty line and Speler02.
        const PrintOp* a = c.pr.rec.findText("Speler01, A moet nog tegen:");
        const PrintOp* b = c.pr.rec.findText("Speler02, A moet nog tegen:");
        QVERIFY(a && b && a->bold);
        QCOMPARE(a->x, 4 * 121.0);   // column 5 of bold 11 pt
        QCOMPARE(b->y - a->y, 2 * 11 * 23.0);
        // Speler02 has four open opponents: one line, at columns 6, 36, 66 and 96.
        QCOMPARE(c.below(b, 1), QString("1:Speler03, A@6|1:Speler04, A@36|1:Speler05, A@66|1:Speler06, A@96"));

        // Without a results file everybody is listed against all others; a fifth name starts a new line.
        QFile::remove(PadUitslag());
        c.pr.rec.ops.clear();
        m.PrintStillToPlay();
        QCOMPARE(c.below(c.pr.rec.findText("Speler01, A moet nog tegen:"), 2),
                 QString("1:Speler02, A@6|1:Speler03, A@36|1:Speler04, A@66|1:Speler05, A@96|2:Speler06, A@6"));
    }

    void stillToPlayPageBreak()
    {
        testsupport::TournamentFixture fx;
        addPoules(fx, {20});
        fx.load(false);
        frmMatrix m;
        Capture c;
        m.PrintStillToPlay();
        // Seven players take 49 lines; the eighth passes 51 after his first line and goes on
        // at the top of page 2 under his repeated bold line. Column 5 lies left of x 550,
        // so a page's first line is one line below y 2500.
        QStringList heads;
        for (const PrintOp& o : c.pr.rec.texts())
            if (o.text == QLatin1String("Speler08, A moet nog tegen:"))
                heads << QString("%1/%2").arg(o.page).arg(o.y);
        QCOMPARE(heads, QStringList({"1/15150", "2/2753"}));   // 15150 = 2753 + 49 x 253
        QCOMPARE(c.pr.rec.findText("Pagina  2")->page, 2);
        QCOMPARE(c.pr.rec.documentsEnded, 1);
        QCOMPARE(PrintPagina, qint16(c.pr.rec.ofKind(PrintOp::NewPage).size() + 1));
    }
};

QTEST_MAIN(TestOverviewsMatrix)
#include "test_overviews_matrix.moc"

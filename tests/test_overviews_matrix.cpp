// The cross table window, its sheets and the still-to-play list.
#include "app/modStootplanner.h"
#include "core/format.h"
#include "overviews/frmMatrix.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "support/tournamentfixture.h"
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace modStootplanner;
using platform::PrintOp;
using platform::ScriptedMessages;

namespace {

// n players named Speler01.. in one poule of round 1.
void addPoule(core::TournamentBuilder& b, int poule, int n, int firstNr)
{
    for (int k = 0; k < n; ++k)
        b.addPlayer(firstNr + k, QStringLiteral("Speler%1").arg(k + 1, 2, 10, QLatin1Char('0')), "A.", 1,
                    qint16(poule), core::Fixed::fromInt(1));
}

QList<PrintOp> onPage(const platform::RecordingPrinter& p, PrintOp::Kind k, int page)
{
    QList<PrintOp> out;
    for (const PrintOp& op : p.ofKind(k))
        if (op.page == page)
            out << op;
    return out;
}

} // namespace

class TestOverviewsMatrix : public QObject {
    Q_OBJECT
private slots:
    void init();
    void arrowsAndSmallPoules();
    void singlePouleKeepsArrowsOff();
    void cellsShowLastResult();
    void scrollBars_data();
    void scrollBars();
    void missingPlayersFileAtArrow();
    void animation();
    void printSheetsQuestion();
    void printSingleSheet();
    void printAlignment();
    void stillToPlayLines();
    void stillToPlayPageBreak();
};

void TestOverviewsMatrix::init()
{
    QLocale::setDefault(QLocale::c());
    ResetContext();
    MeldingTitel = QStringLiteral("Let op!");
}

void TestOverviewsMatrix::arrowsAndSmallPoules()
{
    testsupport::TournamentFixture fx;
    addPoule(fx.builder(), 1, 3, 1);
    addPoule(fx.builder(), 2, 1, 10);
    fx.builder().setRound(1, 3);
    fx.load();
    frmMatrix m;
    QCOMPARE(m.windowTitle(), QString("Matrix"));
    QVERIFY(!m.Command1(0)->isEnabled());
    QVERIFY(m.Command1(1)->isEnabled());
    QCOMPARE(m.Label8()->text(), QString("1"));
    QCOMPARE(m.Text1()->text(), QString("Poule  1"));
    QCOMPARE(m.List1()->count(), 3);
    QCOMPARE(m.List1()->item(0)->data(Qt::UserRole).toInt(), 1);

    m.Command1_Click(1);   // poule 2: one player, one black square, no cells
    QCOMPARE(m.HuidigePoule, qint16(2));
    QVERIFY(m.Command1(0)->isEnabled() && m.Command1(1)->isEnabled());
    QCOMPARE(m.AantalInMatrix, qint16(1));
    QCOMPARE(m.VorigAantalInMatrix, qint16(3));
    QVERIFY(m.Label1(1) && !m.Label1(2));
    QVERIFY(!m.Label3(1).Visible);
    QVERIFY(!m.Label2(2));
    QVERIFY(m.findChild<QLabel*>("Label2_1"));
    QVERIFY(!m.findChild<QLabel*>("Label2_3"));

    m.Command1_Click(1);   // poule 3: empty
    QCOMPARE(m.Text1()->text(), QString("Poule  3"));
    QCOMPARE(m.Label8()->text(), QString("3"));
    QVERIFY(!m.Command1(1)->isEnabled());
    QCOMPARE(m.AantalInMatrix, qint16(0));
    QVERIFY(!m.Label1(1));

    m.Command1_Click(0);
    m.Command1_Click(0);
    QCOMPARE(m.HuidigePoule, qint16(1));
    QVERIFY(!m.Command1(0)->isEnabled());
    QVERIFY(m.Command1(1)->isEnabled());
    QCOMPARE(m.Label2(3)->text(), QString("Speler03, A"));
}

void TestOverviewsMatrix::singlePouleKeepsArrowsOff()
{
    testsupport::TournamentFixture fx;
    addPoule(fx.builder(), 1, 2, 1);
    fx.load();
    frmMatrix m;
    QVERIFY(!m.Command1(0)->isEnabled());
    QVERIFY(!m.Command1(1)->isEnabled());
}

void TestOverviewsMatrix::cellsShowLastResult()
{
    testsupport::TournamentFixture fx;
    auto& b = fx.builder();
    b.toernooi.puntenInMatrix = core::Ja;
    b.addPlayer(7, "Visser", "W.", 1, 1, core::Fixed::fromInt(1), 30);
    b.addPlayer(3, "Bakker", "K.", 1, 1, core::Fixed::fromInt(1), 40);
    b.addPlayer(5, "de Vries", "J.H.", 1, 1, core::Fixed::fromInt(1), 25);
    b.spelers[1].aangepastTeMakenCar = 44;   // round 1: the adjusted target shows
    b.addGame(1, 1, 3, 40, 20, 5, 7, 10, 20, 2);    // Bakker wins
    b.addGame(1, 1, 7, 30, 20, 5, 3, 12, 20, 2);    // later: Visser wins
    b.uitslagen.back().speler2.punten = 3;
    fx.load();
    frmMatrix m;
    // Order: Bakker, de Vries, Visser.
    QCOMPARE(m.Label2(1)->text(), QString("Bakker, K"));
    QCOMPARE(m.Label2(2)->text(), QString("de Vries, J"));
    QCOMPARE(m.Label6(1)->text(), QString("44"));
    QCOMPARE(m.Label6(3)->text(), QString("30"));
    const int n = 3;
    const frmMatrix::Cell bakkerVisser = m.Label3((1 - 1) * n + 3);
    QCOMPARE(bakkerVisser.BackColor, platform::vbColor(0xFF));
    QCOMPARE(bakkerVisser.Caption, QString("3"));
    const frmMatrix::Cell visserBakker = m.Label3((3 - 1) * n + 1);
    QCOMPARE(visserBakker.BackColor, platform::vbColor(0xFF00));
    QVERIFY(visserBakker.Visible);
    const frmMatrix::Cell open = m.Label3((2 - 1) * n + 3);
    QCOMPARE(open.BackColor, QApplication::palette().color(QPalette::Button));
    QCOMPARE(open.Caption, QString());
    QVERIFY(!m.Label3((2 - 1) * n + 2).Visible);

    // Without points in the cells no text; without a results file nothing is played.
    Toernooi.puntenInMatrix = core::Nee;
    m.FillMatrixCells(1);
    QCOMPARE(m.Label3(3).Caption, QString());
    QCOMPARE(m.Label3(3).code, 3);
    ScriptedMessages msgs;
    QFile::remove(PadUitslag());
    m.FillMatrixCells(1);
    QCOMPARE(m.Label3(3).code, 0);
    QCOMPARE(msgs.boxes.size(), 0);
}

void TestOverviewsMatrix::scrollBars_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("20") << 20 << false << false;
    QTest::newRow("21") << 21 << true << false;
    QTest::newRow("37") << 37 << true << true;
}

void TestOverviewsMatrix::scrollBars()
{
    QFETCH(int, n);
    QFETCH(bool, vertical);
    QFETCH(bool, horizontal);
    testsupport::TournamentFixture fx;
    addPoule(fx.builder(), 1, n, 1);
    addPoule(fx.builder(), 2, 3, 100);
    fx.builder().setRound(1, 2);
    fx.load();
    frmMatrix m;
    QCOMPARE(!m.VScroll1()->isHidden(), vertical);
    QCOMPARE(!m.HScroll1()->isHidden(), horizontal);
    if (vertical) {
        QCOMPARE(m.VScroll1()->minimum(), 0);
        QCOMPARE(m.VScroll1()->maximum(), n - 20);
        m.VScroll1()->setValue(1);
        QCOMPARE(m.Picture5()->y(), -20);
        QCOMPARE(m.Frame1()->y(), -20);
    }
    if (horizontal) {
        QCOMPARE(m.HScroll1()->maximum(), n - 36);
        m.HScroll1()->setValue(1);
        QCOMPARE(m.Picture5()->x(), -20);
        QCOMPARE(m.Frame2()->x(), -20);
    }
    // A smaller poule needs no bars and shows its first row.
    m.Command1_Click(1);
    QVERIFY(m.VScroll1()->isHidden());
    QVERIFY(m.HScroll1()->isHidden());
    QCOMPARE(m.Picture5()->pos(), QPoint(0, 0));
}

void TestOverviewsMatrix::missingPlayersFileAtArrow()
{
    testsupport::TournamentFixture fx;
    addPoule(fx.builder(), 1, 3, 1);
    fx.builder().setRound(1, 2);
    fx.load();
    frmMatrix m;
    QFile::remove(PadSpelers());
    ScriptedMessages msgs;
    m.Command1_Click(1);
    QCOMPARE(m.HuidigePoule, qint16(1));
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith("Spelersbestand niet gevonden !\r\n"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbCritical);
    // The print keys do not print either.
    platform::ScopedRecordingPrinter pr;
    platform::ScriptedPrintDialog dialog(true);
    m.Toolbar1_ButtonClick("But05");
    m.Toolbar1_ButtonClick("But03");
    QCOMPARE(pr.rec.ops.size(), 0);
    QCOMPARE(dialog.shown, 0);
}

void TestOverviewsMatrix::animation()
{
    testsupport::TournamentFixture fx;
    addPoule(fx.builder(), 1, 9, 1);
    addPoule(fx.builder(), 2, 10, 100);
    fx.builder().setRound(1, 2);
    fx.load();
    frmMatrix m;
    m.Label4_DblClick(0);
    QVERIFY(!m.Timer1()->isActive());
    QVERIFY(m.Picture10()->isHidden());
    m.Command1_Click(1);
    m.Label4_DblClick(4);
    QVERIFY(!m.Timer1()->isActive());
    m.Label4_DblClick(1);
    QVERIFY(m.Timer1()->isActive());
    QVERIFY(!m.Picture10()->isHidden());
    QCOMPARE(m.AnimatieStap, qint16(-1));
    QCOMPARE(m.Picture10()->picture(), frmMatrix::ImageList2(1));
    m.Timer1()->stop();
    for (int k = 0; k < 100; ++k)
        m.Timer1_Timer();
    m.Timer1()->start();
    m.Label4_DblClick(0);   // running: ignored
    QCOMPARE(m.AnimatieStap, qint16(99));
    QVERIFY(!m.Picture10()->tileOpaque(99));
    QVERIFY(m.Picture10()->tileOpaque(100));
    for (int k = 100; k < 216; ++k)
        m.Timer1_Timer();
    QVERIFY(!m.Timer1()->isActive());
    QVERIFY(m.Timer2()->isActive());
    m.Timer2_Timer();
    QVERIFY(!m.Timer2()->isActive());
    QVERIFY(m.Picture10()->isHidden());
    for (int k = 0; k < 216; ++k)
        QVERIFY(m.Picture10()->tileOpaque(k));
    // The tile order covers every cell once.
    QSet<int> cells;
    for (int k = 0; k < 216; ++k)
        cells.insert(MatrixAnimation::tileCell(k));
    QCOMPARE(cells.size(), 216);
}

void TestOverviewsMatrix::printSheetsQuestion()
{
    testsupport::TournamentFixture fx;
    fx.builder().toernooi.naam = QStringLiteral("Najaar");
    addPoule(fx.builder(), 1, 31, 1);
    fx.load();
    frmMatrix m;
    platform::ScopedRecordingPrinter pr;
    platform::ScriptedPrintDialog dialog(true);
    ScriptedMessages msgs;
    msgs.queueAnswer(platform::vbNo);
    m.PrintMatrix();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QString("De matrix wordt uitgeprint op  4 vellen.\r\nWilt u doorgaan ?"));
    QCOMPARE(msgs.boxes[0].flags, platform::vbYesNo + platform::vbInformation);
    QCOMPARE(msgs.boxes[0].title, QString("Let op!"));
    QCOMPARE(MeldingAntwoord, qint16(platform::vbNo));
    QCOMPARE(pr.rec.ops.size(), 0);
    QCOMPARE(dialog.shown, 0);

    msgs.clear();
    msgs.queueAnswer(platform::vbYes);
    m.PrintMatrix();
    QCOMPARE(pr.rec.ofKind(PrintOp::NewPage).size(), 3);
    QCOMPARE(pr.rec.documentsEnded, 1);
    const QStringList heads = {"Najaar   Blad  1. 1.", "Najaar   Blad  1. 2.", "Najaar   Blad  2. 1.",
                               "Najaar   Blad  2. 2."};
    for (int s = 0; s < 4; ++s) {
        const PrintOp* h = pr.rec.findText(heads[s]);
        QVERIFY2(h, qPrintable(heads[s]));
        QCOMPARE(h->page, s + 1);
        QVERIFY(h->bold);
        QCOMPARE(h->fontSize, 12.0);
        QCOMPARE(h->x, 3400.0);
        QCOMPARE(h->y, 200.0);
    }
    // Sheet 1.2 holds the 31st column only: 30 cells, one a picture; sheet 2.2 one black square.
    QCOMPARE(onPage(pr.rec, PrintOp::Picture, 2).size(), 1);
    QCOMPARE(onPage(pr.rec, PrintOp::Picture, 1).size(), 30);
    QCOMPARE(onPage(pr.rec, PrintOp::FilledBox, 4).size(), 3 + 1);   // legend and the diagonal
    QCOMPARE(onPage(pr.rec, PrintOp::Box, 4).size(), 4);             // legend outlines only
    QCOMPARE(onPage(pr.rec, PrintOp::Box, 2).size(), 4 + 30);        // 30 not-played cells
    const PrintOp* n31 = pr.rec.findText("Speler31, A");
    QVERIFY(n31);
    QCOMPARE(n31->page, 3);
    QCOMPARE(msgs.boxes.last().prompt, QString("Matrix wordt uitgeprint"));
    QCOMPARE(msgs.boxes.last().title, QString("Gereed"));
    QCOMPARE(pr.rec.texts().first().orientation, platform::OrientationLandscape);
    QCOMPARE(pr.rec.texts().first().fontName, QString("Arial Narrow"));
}

void TestOverviewsMatrix::printSingleSheet()
{
    testsupport::TournamentFixture fx;
    fx.builder().toernooi.naam = QStringLiteral("Najaar");
    addPoule(fx.builder(), 1, 30, 1);
    fx.load();
    frmMatrix m;
    platform::ScopedRecordingPrinter pr;
    platform::ScriptedPrintDialog dialog(true);
    ScriptedMessages msgs;
    m.PrintMatrix();
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(pr.rec.findText("Najaar"));
    QCOMPARE(pr.rec.ofKind(PrintOp::NewPage).size(), 0);
    const PrintOp* kop = pr.rec.findText("Matrix in poule  1");
    QVERIFY(kop && kop->bold);
    QCOMPARE(kop->x, 440.0);   // column 5 of bold 10 pt, one line below y 1500
    QCOMPARE(kop->y, 1500.0 + 230);
    const PrintOp* car = pr.rec.findText("Car");
    QVERIFY(car);
    QCOMPARE(car->x, 31 * 110.0);
}

void TestOverviewsMatrix::printAlignment()
{
    testsupport::TournamentFixture fx;
    auto& b = fx.builder();
    b.toernooi.puntenInMatrix = core::Ja;
    b.addPlayer(1, "Aap", "A.", 1, 1, core::Fixed::fromInt(1), 9);
    b.addPlayer(2, "Beer", "B.", 1, 1, core::Fixed::fromInt(1), 10);
    b.addPlayer(3, "Cavia", "C.", 1, 1, core::Fixed::fromInt(1), 100);
    b.addGame(1, 1, 1, 9, 10, 1, 2, 5, 10, 1);
    b.uitslagen.back().speler1.punten = 9;
    b.uitslagen.back().speler2.punten = 10;
    b.addGame(1, 1, 3, 9, 10, 1, 2, 5, 10, 1);
    b.uitslagen.back().speler1.punten = 100;
    fx.load();
    frmMatrix m;
    platform::ScopedRecordingPrinter pr;
    platform::ScriptedPrintDialog dialog(true);
    ScriptedMessages msgs;
    m.PrintMatrix();
    // Targets 9, 10 and 100 end in one column.
    for (const QString& t : {QString("9"), QString("10"), QString("100")}) {
        const PrintOp* op = nullptr;
        for (const PrintOp& o : pr.rec.texts())
            if (o.text == t && !o.bold && o.x >= 3000 && o.x < 3450)
                op = &o;
        QVERIFY2(op, qPrintable(t));
        QCOMPARE(op->x + t.size() * 100, 35 * 100.0);
    }
    // Points start at x1 + 175, + 100, + 25; Aap row 1 column 2: x1 = 2 x 400 + 3000.
    auto pointAt = [&](const QString& t, double x, double y) {
        for (const PrintOp& o : pr.rec.texts())
            if (o.text == t && o.x == x && o.y == y)
                return true;
        return false;
    };
    QVERIFY(pointAt("9", 3800 + 175, 1 * 275 + 2075 + 10));
    QVERIFY(pointAt("10", 3400 + 100, 2 * 275 + 2075 + 10));     // Beer against Aap
    QVERIFY(pointAt("100", 3800 + 25, 3 * 275 + 2075 + 10));     // Cavia against Beer
    // Coloured cells: an outline and the colour inset by 5 twips.
    bool green = false;
    for (const PrintOp& o : pr.rec.ofKind(PrintOp::FilledBox))
        if (o.x == 3805 && o.y == 275 + 2080 && o.x2 == 4195 && o.y2 == 275 + 2345)
            green = o.color == platform::vbColor(0xFF00);
    QVERIFY(green);
}

void TestOverviewsMatrix::stillToPlayLines()
{
    testsupport::TournamentFixture fx;
    addPoule(fx.builder(), 1, 6, 1);
    fx.builder().addGame(1, 1, 1, 10, 10, 1, 2, 10, 10, 1);
    fx.builder().addGame(1, 1, 3, 10, 10, 1, 1, 10, 10, 1);
    fx.builder().addGame(1, 1, 4, 10, 10, 1, 1, 10, 10, 1);
    fx.builder().addGame(1, 1, 1, 10, 10, 1, 5, 10, 10, 1);
    fx.builder().addGame(1, 1, 6, 10, 10, 1, 1, 10, 10, 1);
    fx.load();
    frmMatrix m;
    platform::ScopedRecordingPrinter pr;
    platform::ScriptedPrintDialog dialog(true);
    ScriptedMessages msgs;
    m.PrintStillToPlay();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QString("Lijst wordt uitgeprint"));
    QVERIFY(pr.rec.findText("Lijstje wie tegen wie in ronde  1 en in poule  1"));
    QCOMPARE(pr.rec.texts().first().orientation, platform::OrientationPortrait);
    // Speler01 met everybody: his bold line, then directly the empty line and Speler02.
    const PrintOp* a = pr.rec.findText("Speler01, A moet nog tegen:");
    const PrintOp* b = pr.rec.findText("Speler02, A moet nog tegen:");
    QVERIFY(a && b && a->bold);
    QCOMPARE(a->x, 4 * 121.0);   // column 5 of bold 11 pt
    QCOMPARE(b->y - a->y, 2 * 11 * 23.0);
    // Speler02 has four open opponents: one line; Speler03 too.
    QList<PrintOp> after;
    for (const PrintOp& o : pr.rec.texts())
        if (o.y > b->y && o.y < b->y + 2 * 253)
            after << o;
    QCOMPARE(after.size(), 4);
    QCOMPARE(after[0].text, QString("Speler03, A"));
    QCOMPARE(after[0].x, 5 * 110.0);
    QCOMPARE(after[1].x, 35 * 110.0);
    QCOMPARE(after[2].x, 65 * 110.0);
    QCOMPARE(after[3].x, 95 * 110.0);
    QCOMPARE(after[3].text, QString("Speler06, A"));

    // Without a results file everybody is listed against all others: five names, a second line.
    QFile::remove(PadUitslag());
    pr.rec.ops.clear();
    m.PrintStillToPlay();
    const PrintOp* kop = pr.rec.findText("Speler01, A moet nog tegen:");
    QVERIFY(kop);
    QList<PrintOp> lines;
    for (const PrintOp& o : pr.rec.texts())
        if (o.y > kop->y && o.y <= kop->y + 2 * 253)
            lines << o;
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[4].text, QString("Speler06, A"));
    QCOMPARE(lines[4].x, 5 * 110.0);
    QCOMPARE(lines[4].y, lines[0].y + 253);
}

void TestOverviewsMatrix::stillToPlayPageBreak()
{
    testsupport::TournamentFixture fx;
    addPoule(fx.builder(), 1, 20, 1);
    fx.load(false);
    frmMatrix m;
    platform::ScopedRecordingPrinter pr;
    platform::ScriptedPrintDialog dialog(true);
    ScriptedMessages msgs;
    m.PrintStillToPlay();
    // Seven players take 49 lines; the eighth passes 51 after his first line and
    // goes on at the top of page 2 under his repeated bold line.
    int seen = 0;
    for (const PrintOp& o : pr.rec.texts())
        if (o.text == QLatin1String("Speler08, A moet nog tegen:")) {
            ++seen;
            QCOMPARE(o.page, seen);
            if (seen == 2)
                QCOMPARE(o.y, 2500.0 + 253);   // column 5 lies left of x 550: one line down
        }
    QCOMPARE(seen, 2);
    const PrintOp* p2 = pr.rec.findText("Pagina  2");
    QVERIFY(p2 && p2->page == 2);
    QCOMPARE(pr.rec.documentsEnded, 1);
    QCOMPARE(PrintPagina, qint16(pr.rec.ofKind(PrintOp::NewPage).size() + 1));
}

QTEST_MAIN(TestOverviewsMatrix)
#include "test_overviews_matrix.moc"

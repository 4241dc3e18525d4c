// The planning windows: new planning, the chooser, the grid with its save, and the print.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "core/oledate.h"
#include "core/planning.h"
#include "core/recordfile.h"
#include "planning/PrintPlanning.h"
#include "planning/frmKiesPlanning.h"
#include "planning/frmPlanning.h"
#include "planning/frmPlanningStart.h"
#include "planning/menus.h"
#include "planning/modPlanning.h"
#include "planning/planningmodel.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "support/tournamentfixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QDropEvent>
#include <QTableView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using namespace modStootplanner;
using core::Fixed;
using core::PlanningRec;
using platform::PrintOp;
using platform::ScriptedMessages;

namespace {

const QString CRLF = QStringLiteral("\r\n");

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A tournament of round 1 with the given number of poules, three players each.
core::TournamentFileSet loadTournament(testsupport::TournamentFixture& fx, int poules)
{
    auto& b = fx.builder();
    int nr = 1;
    for (int p = 1; p <= poules; ++p)
        for (int i = 0; i < 3; ++i, ++nr)
            b.addPlayer(nr, QStringLiteral("Speler%1").arg(nr), QStringLiteral("Q."), 1, qint16(p),
                        Fixed::fromDouble(1.0 + nr / 10.0));
    b.setRound(1, qint16(poules));
    return fx.load(false);
}

void addPlannings(int count, qint16 tafels = 4, qint16 partijen = 10)
{
    for (int n = 1; n <= count; ++n)
        QCOMPARE(core::appendPlanning(PadPlanning(), core::newPlanning(qint16(n), 46300 + n, qint16(n), tafels,
                                                                      partijen, 2, 3)),
                 qint64(n));
}

void choose(qint16 nummer)
{
    const auto found = core::findPlanning(PadPlanning(), nummer);
    QVERIFY(found.has_value());
    GekozenPlanning = nummer;
    GekozenPlanningDatum = core::oleDateToDate(found->rec.datum);
    GekozenPlanningRonde = found->rec.ronde;
}

} // namespace

class TestPlanningWindows : public QObject {
    Q_OBJECT
private slots:
    void init();

    void newPlanningDefaultsAndAppend();
    void newPlanningTimeRule();
    void chooserRowsAndChoice();
    void chooserRefusals();
    void gridScrollBars_data();
    void gridScrollBars();
    void gridPouleButtons();
    void gridListsAndDrops();
    void gridClearAndCloseSaves();
    void gridCloseWithoutChangeRewritesSameBytes();
    void gridVanishedPlanningIsNotWritten();
    void printLandscapeBlocks();
    void printPortraitRules();
    void printEmptyAndCancelled();
    void menuOpensGridAndClosesIt();
    void menuKeyMissingFile();
};

void TestPlanningWindows::init()
{
    QLocale::setDefault(QLocale::c());
    ResetContext();
    MeldingTitel = QStringLiteral("Let op!");
    GekozenPlanning = 0;
    DialoogResultaat = 0;
}

void TestPlanningWindows::newPlanningDefaultsAndAppend()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 2);
    addPlannings(3);
    const QByteArray before = fileBytes(PadPlanning());
    ScriptedMessages msgs;
    frmPlanningStart d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Configuratie planning"));
    QCOMPARE(d.Label2()->text(), QStringLiteral("4"));
    QCOMPARE(d.DTPicker1()->date(), QDate::currentDate());
    QCOMPARE(d.Combo1()->currentText(), QStringLiteral("09.00"));
    QCOMPARE(d.Combo2()->currentText(), QStringLiteral("een uur"));
    QCOMPARE(d.Combo3()->currentText(), QStringLiteral("10"));
    QCOMPARE(d.Combo4()->currentText(), QStringLiteral("4"));
    QCOMPARE(d.Combo3()->count(), 30);
    QCOMPARE(d.Combo4()->count(), 10);

    d.DTPicker1()->setDate(QDate(2026, 10, 12));
    d.Combo1()->setCurrentIndex(5);   // 10.30
    d.Combo2()->setCurrentIndex(4);   // anderhalf uur
    d.Combo3()->setCurrentIndex(6);   // 7 games
    d.Combo4()->setCurrentIndex(9);   // 10 tables
    d.Command2()->click();

    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Planning aangemaakt !") + CRLF
                                       + QStringLiteral("U kunt via het menu \"Planning > Naar bestaande planning\" "
                                                        "deze planning oproepen."));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Gereed"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbInformation);
    QCOMPARE(d.result(), int(QDialog::Accepted));

    const QByteArray after = fileBytes(PadPlanning());
    QCOMPARE(after.size(), 4 * 12020);
    QCOMPARE(after.left(3 * 12020), before);
    const PlanningRec p = PlanningRec::fromBytes(after.constData() + 3 * 12020);
    QCOMPARE(p.nummer, qint16(4));
    QCOMPARE(p.datum, 46307.0);
    QCOMPARE(p.ronde, HuidigeRonde);
    QCOMPARE(p.aantalTafels, qint16(10));
    QCOMPARE(p.aantalPartijen, qint16(7));
    QCOMPARE(p.startTijdIndex, qint16(5));
    QCOMPARE(p.intervalIndex, qint16(4));
    QCOMPARE(p.naam(10, 7, 2), QString(20, QLatin1Char(' ')));
    QCOMPARE(HuidigePlanning, p);
}

void TestPlanningWindows::newPlanningTimeRule()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    ScriptedMessages msgs;
    frmPlanningStart d;
    d.show();
    d.Combo1()->setCurrentIndex(28);   // 22.00
    d.Combo2()->setCurrentIndex(3);    // een uur
    d.Combo3()->setCurrentIndex(3);    // 4 games: last at 25.00
    d.Command2()->click();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Uw laatste partij kan niet na 24.00 uur beginnen !") + CRLF
                                       + QStringLiteral("Pas uw uitgangspunten aan."));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Let op!"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbExclamation);
    QVERIFY(!QFile::exists(PadPlanning()));
    QVERIFY(d.isVisible());
    QCOMPARE(d.Combo3()->currentIndex(), 3);

    d.Combo3()->setCurrentIndex(2);    // 3 games: last at 24.00
    d.Command2()->click();
    QCOMPARE(msgs.boxes.size(), 2);
    QCOMPARE(msgs.boxes[1].title, QStringLiteral("Gereed"));
    QCOMPARE(core::RecordFile<PlanningRec>::count(PadPlanning()), qint64(1));
}

void TestPlanningWindows::chooserRowsAndChoice()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    addPlannings(3);
    ScriptedMessages msgs;
    frmKiesPlanning k;
    QTreeWidget* l = k.ListView1();
    QCOMPARE(l->topLevelItemCount(), 3);
    QCOMPARE(l->topLevelItem(2)->text(0), QStringLiteral(" 3"));
    QCOMPARE(l->topLevelItem(2)->text(1), core::dateText(core::oleDateToDate(46303)));
    QCOMPARE(l->topLevelItem(2)->text(2), QStringLiteral(" 3"));
    QCOMPARE(GekozenPlanning, qint16(0));

    k.Command1()->click();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("U moet een planning selecteren door erop te clicken !"));
    QCOMPARE(DialoogResultaat, qint16(0));

    k.ListView1_ItemClick(l->topLevelItem(2));
    QCOMPARE(GekozenPlanning, qint16(3));
    QCOMPARE(GekozenPlanningDatum, core::oleDateToDate(46303));
    QCOMPARE(GekozenPlanningRonde, qint16(3));
    k.Command1()->click();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(DialoogResultaat, qint16(1));
    QCOMPARE(k.result(), int(QDialog::Accepted));
}

void TestPlanningWindows::chooserRefusals()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    QFile(PadPlanning()).open(QIODevice::WriteOnly);   // a planning file without records
    ScriptedMessages msgs;
    {
        frmKiesPlanning k;
        QCOMPARE(k.ListView1()->topLevelItemCount(), 0);
        k.Command1()->click();
        QCOMPARE(msgs.beeps, 1);
        QVERIFY(msgs.boxes.isEmpty());
    }
    addPlannings(1);
    QFile::remove(PadSpelers());
    frmKiesPlanning k;
    k.ListView1_ItemClick(k.ListView1()->topLevelItem(0));
    k.Command1()->click();
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith(QStringLiteral("Spelersbestand niet gevonden !")));
    QCOMPARE(DialoogResultaat, qint16(0));
}

void TestPlanningWindows::gridScrollBars_data()
{
    QTest::addColumn<int>("tafels");
    QTest::addColumn<int>("partijen");
    QTest::addColumn<bool>("hOn");
    QTest::addColumn<int>("hMax");
    QTest::addColumn<bool>("vOn");
    QTest::addColumn<int>("vMax");
    QTest::newRow("10 x 30") << 10 << 30 << true << 6 << true << 16;
    QTest::newRow("4 x 14") << 4 << 14 << false << 0 << false << 0;
    QTest::newRow("5 x 15") << 5 << 15 << true << 1 << true << 1;
}

void TestPlanningWindows::gridScrollBars()
{
    QFETCH(int, tafels);
    QFETCH(int, partijen);
    QFETCH(bool, hOn);
    QFETCH(int, hMax);
    QFETCH(bool, vOn);
    QFETCH(int, vMax);
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    addPlannings(1, qint16(tafels), qint16(partijen));
    choose(1);
    ScriptedMessages msgs;
    frmPlanning g;
    g.show();
    QCOMPARE(g.HScroll1()->isEnabled(), hOn);
    QCOMPARE(g.HScroll1()->maximum(), hMax);
    QCOMPARE(g.VScroll1()->isEnabled(), vOn);
    QCOMPARE(g.VScroll1()->maximum(), vMax);
    QCOMPARE(g.TafelLabels().size(), tafels);
    QCOMPARE(g.TijdLabels().size(), partijen);
    QCOMPARE(g.Label5Count(), 2 * tafels * partijen);
    QCOMPARE(g.TijdLabels().at(1)->text(), QStringLiteral("10:00"));
    QCOMPARE(g.TafelLabels().last()->text(), QStringLiteral("Tafel ") + core::signedNum(tafels));

    g.HScroll1()->setValue(hMax);
    g.VScroll1()->setValue(vMax);
    // Heads and times move with their cells: the last 4 tables and 14 slots are in view.
    const int viewW = g.TafelPanel()->parentWidget()->width();
    for (int t = 1; t <= tafels; ++t) {
        const int x = g.TafelPanel()->x() + g.TafelLabels().at(t - 1)->x();
        QCOMPARE(x >= 0 && x < viewW, t > tafels - 4);
    }
    const int viewH = g.TijdPanel()->parentWidget()->height();
    for (int s = 1; s <= partijen; ++s) {
        const int y = g.TijdPanel()->y() + g.TijdLabels().at(s - 1)->y();
        QCOMPARE(y >= 0 && y < viewH, s > partijen - 14);
    }
    const QModelIndex first = g.Label5View()->indexAt(QPoint(2, 2));
    QCOMPARE(first.column(), 2 * hMax);
    QCOMPARE(first.row(), vMax);
    QVERIFY(msgs.boxes.isEmpty());
}

void TestPlanningWindows::gridPouleButtons()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 3);
    addPlannings(1);
    choose(1);
    ScriptedMessages msgs;
    {
        frmPlanning g;
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(!g.PouleButton(i, 0)->isEnabled());
            QVERIFY(g.PouleButton(i, 1)->isEnabled());
            QCOMPARE(g.List1(i)->count(), 3);
        }
        g.PouleButton(2, 1)->click();
        QCOMPARE(g.Label3(2)->text(), QStringLiteral("2"));
        QVERIFY(g.PouleButton(2, 0)->isEnabled());
        QVERIFY(g.PouleButton(2, 1)->isEnabled());
        g.PouleButton(2, 1)->click();
        QCOMPARE(g.Label3(2)->text(), QStringLiteral("3"));
        QVERIFY(!g.PouleButton(2, 1)->isEnabled());
        QCOMPARE(g.List1(2)->item(0)->text(),
                 QStringLiteral("Speler7,Q (%1)").arg(fx.builder().spelers[6].teMakenCar));
        QCOMPARE(g.List1(1)->item(0)->text(),
                 QStringLiteral("Speler1,Q (%1)").arg(fx.builder().spelers[0].teMakenCar));
        g.PouleButton(2, 0)->click();
        g.PouleButton(2, 0)->click();
        QCOMPARE(g.Label3(2)->text(), QStringLiteral("1"));
        QVERIFY(!g.PouleButton(2, 0)->isEnabled());
        QVERIFY(g.PouleButton(2, 1)->isEnabled());
        QCOMPARE(g.PouleOf(1), qint16(1));
    }
    AantalPoules = 1;
    frmPlanning g1;
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(!g1.PouleButton(i, 0)->isEnabled());
        QVERIFY(!g1.PouleButton(i, 1)->isEnabled());
        QCOMPARE(g1.Label3(i)->text(), QStringLiteral("1"));
    }
}

void TestPlanningWindows::gridListsAndDrops()
{
    testsupport::TournamentFixture fx;
    auto& b = fx.builder();
    b.addPlayer(1, QStringLiteral("Vermeulen-Bakker"), QStringLiteral("H."), 1, 1, Fixed::fromDouble(2.0), 45);
    b.addPlayer(2, QStringLiteral("Bos"), QStringLiteral("K."), 1, 1, Fixed::fromDouble(1.0), 25).aangepastTeMakenCar = 31;
    b.addPlayer(3, QStringLiteral("Ander"), QStringLiteral("Z."), 2, 1, Fixed::fromDouble(1.0), 20);
    b.setRound(1, 1);
    fx.load(false);
    HuidigeRonde = 1;
    addPlannings(1, 2, 3);
    choose(1);
    ScriptedMessages msgs;
    frmPlanning g;
    QCOMPARE(g.List1(1)->count(), 2);
    QCOMPARE(g.List1(1)->item(0)->text(), QStringLiteral("Vermeulen-B,H (45)"));
    QCOMPARE(g.List1(1)->item(1)->text(), QStringLiteral("Bos,K (31)"));
    g.List1(1)->setCurrentRow(0);
    g.List1_Click(1);
    QCOMPARE(g.Label1(1)->text(), QStringLiteral("Vermeulen-B,H (45)"));

    // A drop through the view's model: plain text only, on a cell, cut to 20.
    PlanningModel* m = g.cells();
    QMimeData text;
    text.setText(QStringLiteral("Abcdefghijklmnopqrstuvwxyz"));
    QVERIFY(m->dropMimeData(&text, Qt::CopyAction, -1, -1, m->index(1, 2)));   // table 2, slot 2, side 1
    QCOMPARE(g.Label5(core::cellElement(2, 2, 1, 3)), QStringLiteral("Abcdefghijklmnopqrst"));
    QMimeData other;
    other.setData(QStringLiteral("application/octet-stream"), "xx");
    QVERIFY(!m->dropMimeData(&other, Qt::CopyAction, -1, -1, m->index(0, 0)));
    QCOMPARE(g.Label5(1), QString(20, QLatin1Char(' ')));
    // A drop on the view near a cell's top edge still lands on that cell.
    g.show();
    QTableView* v = g.Label5View();
    QMimeData dragged;
    dragged.setText(QStringLiteral("Bos,K (31)"));
    const QRect r = v->visualRect(m->index(0, 1));   // table 1, slot 1, side 2
    const QPoint at(r.center().x(), r.top() + 1);
    QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(v->viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(v->viewport(), &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(v->viewport(), &drop);
    QCOMPARE(g.Label5(2), QStringLiteral("Bos,K (31)"));
    QCOMPARE(g.List1(1)->count(), 2);
    g.Label5_DblClick(2);
    QCOMPARE(g.Label5(2), QString());
}

void TestPlanningWindows::gridClearAndCloseSaves()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    PlanningRec p = core::newPlanning(1, 46300, 1, 3, 4, 2, 3);
    p.setNaam(1, 1, 1, QStringLiteral("Oud,A (1)"));
    p.setNaam(3, 4, 2, QStringLiteral("Oud,B (2)"));
    p.setNaam(8, 20, 1, QStringLiteral("buiten"));
    core::appendPlanning(PadPlanning(), p);
    choose(1);
    ScriptedMessages msgs;
    auto* g = new frmPlanning;
    g->setAttribute(Qt::WA_DeleteOnClose);
    g->show();
    g->Command5_Click();
    g->Label5_DragDrop(core::cellElement(2, 3, 2, 4), QStringLiteral("  Nieuw,C (3)  "));
    g->close();
    QVERIFY(msgs.boxes.isEmpty());
    const PlanningRec q = PlanningRec::fromBytes(fileBytes(PadPlanning()).constData());
    for (int t = 1; t <= 3; ++t)
        for (int s = 1; s <= 4; ++s)
            for (int k = 1; k <= 2; ++k)
                QCOMPARE(q.naam(t, s, k), (t == 2 && s == 3 && k == 2 ? QStringLiteral("Nieuw,C (3)") + QString(9, ' ')
                                                                      : QString(20, QLatin1Char(' '))));
    QCOMPARE(q.naam(8, 20, 1), QStringLiteral("buiten") + QString(14, QLatin1Char(' ')));
    QCOMPARE(q.nummer, qint16(1));
    QCOMPARE(q.datum, 46300.0);
}

void TestPlanningWindows::gridCloseWithoutChangeRewritesSameBytes()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    addPlannings(3, 2, 5);
    PlanningRec p = *core::RecordFile<PlanningRec>::read(PadPlanning(), 2);
    p.setNaam(2, 5, 2, QStringLiteral("Vast,V (9)"));
    QVERIFY(core::RecordFile<PlanningRec>::write(PadPlanning(), 2, p));
    const QByteArray before = fileBytes(PadPlanning());
    choose(2);
    ScriptedMessages msgs;
    {
        frmPlanning g;
        QCOMPARE(g.Label5(core::cellElement(2, 5, 2, 5)), QStringLiteral("Vast,V (9)") + QString(10, ' '));
        QVERIFY(g.SavePlanning());
    }
    QCOMPARE(fileBytes(PadPlanning()), before);
}

void TestPlanningWindows::gridVanishedPlanningIsNotWritten()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    addPlannings(2, 2, 3);
    choose(2);
    ScriptedMessages msgs;
    frmPlanning g;
    g.Label5_DragDrop(1, QStringLiteral("Iemand,X (5)"));
    // The file is replaced by one holding planning 1 only.
    const QByteArray one = fileBytes(PadPlanning()).left(12020);
    {
        QFile f(PadPlanning());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(one);
    }
    QVERIFY(!g.SavePlanning());
    QCOMPARE(fileBytes(PadPlanning()), one);
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.endsWith(QStringLiteral("Planning is niet opgeslagen !")));

    QFile::remove(PadPlanning());
    QVERIFY(!g.SavePlanning());
    QCOMPARE(msgs.boxes.last().prompt, QStringLiteral("Bestand niet gevonden !") + CRLF
                                           + QStringLiteral("Planning is niet opgeslagen !"));
    QCOMPARE(msgs.boxes.last().icon(), platform::vbCritical);
    QVERIFY(!QFile::exists(PadPlanning()));
}

void TestPlanningWindows::printLandscapeBlocks()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    PlanningRec p = core::newPlanning(1, 46307, 1, 6, 10, 2, 3);
    for (int t : {1, 2, 4, 6})
        p.setNaam(t, 3, 1, QStringLiteral("Naam%1,A (10)").arg(t));
    p.setNaam(6, 10, 2, QStringLiteral("Laatste,Z (99)"));
    core::appendPlanning(PadPlanning(), p);
    choose(1);
    ScriptedMessages msgs;
    platform::ScopedRecordingPrinter sp;
    platform::ScriptedPrintDialog dlg(true);
    frmPlanning g;
    g.Toolbar1_ButtonClick(QStringLiteral("But04"));

    const auto& rec = sp.rec;
    QCOMPARE(dlg.shown, 1);
    QCOMPARE(MeldingTekst, QStringLiteral("Planning Nr: 1    d.d. 12-10-2026 in ronde  1"));
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Planning wordt uitgeprint"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Gereed"));
    QCOMPARE(rec.documentsEnded, 1);

    // Heads: bold 11 pt, column n at (n - 1) x 121 twips.
    struct Head { QString text; int page; double x; };
    const QList<Head> heads = {{"Tafel nr  1", 1, 31 * 121.0}, {"Tafel nr  2", 1, 80 * 121.0},
                               {"Tafel nr  4", 1, 128 * 121.0}, {"Tafel nr  6", 2, 31 * 121.0}};
    for (const Head& h : heads) {
        const PrintOp* op = rec.findText(h.text);
        QVERIFY2(op, qPrintable(h.text + QLatin1Char('\n') + rec.textDump()));
        QCOMPARE(op->page, h.page);
        QCOMPARE(op->x, h.x);
        QCOMPARE(op->y, 2500.0);
        QVERIFY(op->bold);
        QCOMPARE(op->fontSize, 11.0);
        QCOMPARE(op->orientation, platform::OrientationLandscape);
    }
    QVERIFY(!rec.findText(QStringLiteral("Tafel nr  3")));
    QVERIFY(!rec.findText(QStringLiteral("Tafel nr  5")));
    QCOMPARE(rec.ofKind(PrintOp::NewPage).size(), 1);

    // Names at their columns and rows; slot 3 at y 2500 + 3 x 507.
    const PrintOp* n4 = rec.findText(QStringLiteral("Naam4,A (10)"));
    QVERIFY(n4);
    QCOMPARE(n4->page, 1);
    QCOMPARE(n4->x, 122 * 110.0);
    QCOMPARE(n4->y, 2500.0 + 3 * 507);
    QVERIFY(!n4->bold);
    const PrintOp* last = rec.findText(QStringLiteral("Laatste,Z (99)"));
    QVERIFY(last);
    QCOMPARE(last->page, 2);
    QCOMPARE(last->x, 43 * 110.0);
    QCOMPARE(last->y, 2500.0 + 10 * 507);
    int times = 0;
    for (const PrintOp& op : rec.texts())
        if (op.page == 1 && op.x == 700 && op.text.contains(QLatin1Char(':')))
            ++times;
    QCOMPARE(times, 10);
    QVERIFY(rec.findText(QStringLiteral("Pagina  2")));

    // Page 1 rules: 17 across to 4560 x 3 + 1300, the frame down to 10507.
    int across = 0;
    bool sideRule3 = false;
    for (const PrintOp& op : rec.ofKind(PrintOp::Line)) {
        if (op.page != 1 || op.y < 2400)
            continue;
        if (op.y == op.y2 && op.x == 600 && op.x2 == 14980)
            ++across;
        if (op.x == 12700 && op.x2 == 12700 && op.y == 2910 && op.y2 == 10507)
            sideRule3 = true;
    }
    QCOMPARE(across, 17);
    QVERIFY(sideRule3);
}

void TestPlanningWindows::printPortraitRules()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    PlanningRec p = core::newPlanning(1, 46307, 1, 3, 16, 0, 0);
    for (int t = 1; t <= 3; ++t)
        p.setNaam(t, 16, 2, QStringLiteral("T%1").arg(t));
    core::appendPlanning(PadPlanning(), p);
    choose(1);
    ScriptedMessages msgs;
    platform::ScopedRecordingPrinter sp;
    platform::ScriptedPrintDialog dlg(true);
    frmPlanning g;
    g.PrintPlanning();
    const auto& rec = sp.rec;
    QCOMPARE(rec.findText(QStringLiteral("Tafel nr  1"))->orientation, platform::OrientationPortrait);
    QCOMPARE(rec.findText(QStringLiteral("Tafel nr  2"))->page, 1);
    QCOMPARE(rec.findText(QStringLiteral("Tafel nr  3"))->page, 2);
    const PrintOp* t2 = rec.findText(QStringLiteral("T2"));
    QCOMPARE(t2->x, 96 * 110.0);
    QCOMPARE(t2->y, 2500.0 + 16 * 425);
    QCOMPARE(rec.findText(QStringLiteral("11:45"))->y, 2500.0 + 16 * 425);
    for (int page : {1, 2}) {
        int across = 0;
        double lowest = 0;
        const double right = page == 1 ? 4560 * 2 + 1300 : 4560 + 1300;
        for (const PrintOp& op : rec.ofKind(PrintOp::Line)) {
            if (op.page != page || op.y < 2400)
                continue;
            if (op.y == op.y2 && op.x == 600 && op.x2 == right)
                ++across;
            lowest = qMax(lowest, op.y2);
        }
        QCOMPARE(across, 32);
        QCOMPARE(lowest, 15600.0);
    }
}

void TestPlanningWindows::printEmptyAndCancelled()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    addPlannings(1, 2, 3);
    choose(1);
    ScriptedMessages msgs;
    platform::ScopedRecordingPrinter sp;
    {
        platform::ScriptedPrintDialog dlg(true);
        frmPlanning g;
        g.Label5_DragDrop(3, QStringLiteral("     "));
        g.PrintPlanning();
        QCOMPARE(dlg.shown, 0);
        QCOMPARE(msgs.boxes.size(), 1);
        QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("U kunt geen lege planning printen !"));
        QCOMPARE(msgs.boxes[0].icon(), platform::vbExclamation);
        QVERIFY(sp.rec.ops.isEmpty());
    }
    msgs.clear();
    platform::ScriptedPrintDialog cancel(false);
    frmPlanning g;
    g.Label5_DragDrop(3, QStringLiteral("Niet opgeslagen"));
    g.PrintPlanning();
    QCOMPARE(cancel.shown, 1);
    QVERIFY(msgs.boxes.isEmpty());
    QVERIFY(sp.rec.texts().isEmpty());
}

void TestPlanningWindows::menuOpensGridAndClosesIt()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 2);
    addPlannings(2, 2, 3);
    ScriptedMessages msgs;
    mdiHoofd hoofd(nullptr, false);
    registerPlanningMenus(hoofd);
    QAction* bestaand = hoofd.menuItem(QStringLiteral("mnuPlanningBestaand"));
    QAction* nieuw = hoofd.menuItem(QStringLiteral("mnuPlanningNieuw"));
    QVERIFY(bestaand && nieuw);
    QCOMPARE(nieuw->text(), QStringLiteral("Nieuwe planning maken"));
    QCOMPARE(bestaand->text(), QStringLiteral("Naar bestaande planning"));

    // Cancel in the chooser leaves everything as it was.
    QTimer::singleShot(0, [] {
        if (auto* k = qobject_cast<frmKiesPlanning*>(QApplication::activeModalWidget()))
            k->Command2()->click();
    });
    hoofd.toggleMenuWindow(QStringLiteral("mnuPlanningBestaand"));
    QVERIFY(!hoofd.menuWindow(QStringLiteral("mnuPlanningBestaand")));
    QVERIFY(!bestaand->isChecked());
    QVERIFY(nieuw->isEnabled());

    QTimer::singleShot(0, [] {
        if (auto* k = qobject_cast<frmKiesPlanning*>(QApplication::activeModalWidget())) {
            k->ListView1_ItemClick(k->ListView1()->topLevelItem(1));
            k->Command1()->click();
        }
    });
    hoofd.toggleMenuWindow(QStringLiteral("mnuPlanningBestaand"), true);
    auto* g = qobject_cast<frmPlanning*>(hoofd.menuWindow(QStringLiteral("mnuPlanningBestaand")));
    QVERIFY(g);
    QCOMPARE(GekozenPlanning, qint16(2));
    QVERIFY(bestaand->isChecked());
    QVERIFY(!nieuw->isEnabled());
    QVERIFY(hoofd.toolbarKey(QStringLiteral("But14"))->isChecked());
    g->Label5_DragDrop(4, QStringLiteral("Gesleept,G (7)"));

    hoofd.toggleMenuWindow(QStringLiteral("mnuPlanningBestaand"));
    QTRY_VERIFY(!hoofd.menuWindow(QStringLiteral("mnuPlanningBestaand")));
    QVERIFY(!bestaand->isChecked());
    QVERIFY(nieuw->isEnabled());
    QCOMPARE(core::findPlanning(PadPlanning(), 2)->rec.naam(1, 2, 2), QStringLiteral("Gesleept,G (7)      "));
    QVERIFY(msgs.boxes.isEmpty());
}

void TestPlanningWindows::menuKeyMissingFile()
{
    testsupport::TournamentFixture fx;
    loadTournament(fx, 1);
    ScriptedMessages msgs;
    mdiHoofd hoofd(nullptr, false);
    registerPlanningMenus(hoofd);
    hoofd.toggleMenuWindow(QStringLiteral("mnuPlanningBestaand"), true);
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.contains(QStringLiteral("U heeft nog geen planningen gemaakt,")));
    QVERIFY(msgs.boxes[0].prompt.startsWith(QStringLiteral("Planningbestand niet gevonden !")));
    hoofd.toggleMenuWindow(QStringLiteral("mnuPlanningBestaand"), false);
    QCOMPARE(msgs.boxes.size(), 2);
    QVERIFY(!msgs.boxes[1].prompt.contains(QStringLiteral("U heeft nog geen planningen gemaakt,")));
    QVERIFY(!hoofd.menuWindow(QStringLiteral("mnuPlanningBestaand")));
    QVERIFY(!hoofd.menuItem(QStringLiteral("mnuPlanningBestaand"))->isChecked());
}

QTEST_MAIN(TestPlanningWindows)
#include "test_planning_windows.moc"

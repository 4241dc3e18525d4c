// Table plannings: the record on disk and the rules, the new-planning dialog,
// the chooser, the grid with its save, and the print.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "core/oledate.h"
#include "core/planning.h"
#include "core/recordfile.h"
#include "planning/frmKiesPlanning.h"
#include "planning/frmPlanning.h"
#include "planning/frmPlanningStart.h"
#include "planning/menus.h"
#include "planning/modPlanning.h"
#include "planning/planningmodel.h"
#include "support/standings_fixture.h"
#include "support/tournamentfixture.h"

#include <QtTest>
#include <QtWidgets>
#include <optional>

using namespace modStootplanner;
using core::PlanningRec;
using platform::PrintOp;
using platform::RecordingPrinter;
using standtest::shown;
using testsupport::fileBytes;
using testsupport::hex;

namespace {

// A record written out by hand: planning 7 of 12-10-2026, round 2, 3 tables,
// 5 games from 09.30, slots of 45 minutes; two names placed.
QByteArray handMadeRecord()
{
    QByteArray b(PlanningRec::Length, '\0');
    b.replace(0, 2, QByteArray::fromHex("0700"));
    b.replace(2, 8, QByteArray::fromHex("00000000609ce640"));   // 46307.0 = 12-10-2026
    b.replace(10, 10, QByteArray::fromHex("02000300050003000200"));   // round, tables, games, start, interval
    for (int t = 1; t <= 3; ++t)
        for (int s = 1; s <= 5; ++s)
            for (int k = 1; k <= 2; ++k)
                b.replace(20 + ((t - 1) + 10 * (s - 1) + 300 * (k - 1)) * 20, 20, QByteArray(20, ' '));
    // table 3, slot 5, side 2 -> 20 + (2 + 40 + 300) x 20 = 6860
    b.replace(6860, 20, QByteArray("M\xfcller,J (25)       ", 20));
    b.replace(20, 20, QByteArray("Jansen,P (40)       ", 20));   // table 1, slot 1, side 1
    return b;
}

// Round 1 of a tournament with the given number of poules, three players each.
void loadTournament(testsupport::TournamentFixture& fx, int poules)
{
    for (int nr = 1; nr <= 3 * poules; ++nr)
        fx.builder().addPlayer(nr, QStringLiteral("Speler%1").arg(nr), QStringLiteral("Q."), 1,
                               qint16((nr + 2) / 3), core::Fixed::fromDouble(1.0 + nr / 10.0));
    fx.builder().setRound(1, qint16(poules));
    fx.load(false);
}

// Plannings 1 .. count; planning n is of day 46300 + n and round n.
void addPlannings(int count, qint16 tafels = 4, qint16 partijen = 10)
{
    for (int n = 1; n <= count; ++n)
        QVERIFY(core::appendPlanning(PadPlanning(), core::newPlanning(qint16(n), 46300 + n, qint16(n), tafels, partijen, 2, 3)));
}

// What the chooser hands over to the grid.
void choose(qint16 nummer)
{
    const auto found = core::findPlanning(PadPlanning(), nummer);
    QVERIFY(found.has_value());
    GekozenPlanning = nummer;
    GekozenPlanningDatum = core::oleDateToDate(found->rec.datum);
    GekozenPlanningRonde = found->rec.ronde;
}

// Planning p as the only one in the file, printed by the grid's toolbar on paper of this printable
// (portrait) size, the printer dialog saying OK. Nothing may lie below the printable height, or
// the printer would start a page by itself.
void printFromGrid(const PlanningRec& p, RecordingPrinter& rec, const QSizeF& paper = {11338, 16271})
{
    QVERIFY(core::RecordFile<PlanningRec>::writeAll(PadPlanning(), {p}));
    choose(p.nummer);
    rec.ops.clear();
    rec.portraitPage = paper;
    platform::ScriptedPrintDialog dlg(true);
    frmPlanning g;
    g.Toolbar1_ButtonClick(QStringLiteral("But04"));
    QCOMPARE(dlg.shown, 1);
    for (const PrintOp& op : rec.ops)
        QVERIFY2(std::max(op.y, op.y2) <= (op.orientation == platform::OrientationLandscape ? paper.width()
                                                                                             : paper.height()),
                 qPrintable(QStringLiteral("%1 at %2").arg(op.text).arg(op.y)));
}

// "page x,y" of a printed text, "bold" added for a bold one.
QString where(const RecordingPrinter& rec, const QString& text)
{
    const PrintOp* op = rec.findText(text);
    return op ? QStringLiteral("%1 %2,%3%4").arg(op->page).arg(op->x).arg(op->y).arg(op->bold ? " bold" : "")
              : QStringLiteral("-");
}

// The lines of a page from (x, y) to (x2, y2), with -1 for any value.
int lines(const RecordingPrinter& rec, int page, double x, double y, double x2, double y2)
{
    const auto is = [](double want, double v) { return want == -1 || want == v; };
    const QList<PrintOp> l = rec.ofKind(PrintOp::Line);
    return int(std::count_if(l.begin(), l.end(), [&](const PrintOp& o) {
        return o.page == page && is(x, o.x) && is(y, o.y) && is(x2, o.x2) && is(y2, o.y2) && (y != -1 || o.y == o.y2);
    }));
}

} // namespace

class TestPlanning : public QObject {
    Q_OBJECT
    std::optional<testsupport::TournamentFixture> fx;
    std::optional<platform::ScriptedMessages> msgs;
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        ResetContext();
        fx.emplace();
        msgs.emplace();
    }

    void recordBytes()
    {
        const QByteArray b = handMadeRecord();
        const PlanningRec read = PlanningRec::fromBytes(b.constData());
        QCOMPARE(hex(read.toBytes()), hex(b));
        PlanningRec made = core::newPlanning(7, 46307, 2, 3, 5, 3, 2);
        made.setNaam(3, 5, 2, QStringLiteral("Müller,J (25)"));
        made.setNaam(1, 1, 1, QStringLiteral("Jansen,P (40)"));
        QCOMPARE(hex(made.toBytes()), hex(b));
        QCOMPARE(read, made);   // every header field read from its own offset
        QCOMPARE(PlanningRec::cellOffset(10, 30, 2), 12000);
        // 4 tables x 10 games: exactly the 80 cells of the range are blank.
        const QByteArray nieuw = core::newPlanning(1, 46307, 1, 4, 10, 2, 3).toBytes();
        for (int t = 1; t <= 10; ++t)
            for (int s = 1; s <= 30; ++s)
                for (int k = 1; k <= 2; ++k)
                    QCOMPARE(nieuw.mid(PlanningRec::cellOffset(t, s, k), 20) == QByteArray(20, ' '), t <= 4 && s <= 10);
    }

    void slotTimes()
    {
        // The last game may start at 24.00 at the latest; its time is that of the last slot.
        const struct { int start, interval, partijen; bool allowed; const char* last; } cases[] = {
            {2, 3, 1, true, "09:00"},   {1, 0, 4, true, "09:15"},   {11, 2, 2, true, "14:15"},
            {2, 4, 3, true, "12:00"},   {2, 4, 11, true, "00:00"},  {28, 3, 3, true, "00:00"},
            {28, 3, 4, false, "01:00"}, {0, 0, 30, true, "15:15"},  {0, 5, 9, true, "00:00"},
            {0, 5, 10, false, "02:00"}, {27, 2, 4, true, "23:45"},  {27, 2, 5, false, "00:30"}};
        for (const auto& c : cases) {
            QCOMPARE(core::slotTimeText(c.start, c.interval, c.partijen), QString(c.last));
            QCOMPARE(core::lastStartAllowed(c.start, c.interval, c.partijen), c.allowed);
        }
    }

    void planningFile()
    {
        const QString path = fx->folder() + QStringLiteral("Planning_ST001.sta");
        const auto numbered = [](qint16 n) { return core::newPlanning(n, 46307, 1, 2, 3, 2, 3); };
        QCOMPARE(core::nextPlanningNumber(path), qint16(1));
        QVERIFY(standtest::writeFile(path, {}));
        QCOMPARE(core::nextPlanningNumber(path), qint16(1));
        QCOMPARE(core::appendPlanning(path, numbered(5)), qint64(1));
        QCOMPARE(core::appendPlanning(path, numbered(2)), qint64(2));
        QCOMPARE(core::nextPlanningNumber(path), qint16(6));   // the highest number + 1, not the count + 1
        // A cut-off record at the end is no planning; the next append overwrites it.
        QVERIFY(standtest::writeFile(path, fileBytes(path) + QByteArray::fromHex("2800") + QByteArray(100, ' ')));
        QCOMPARE(core::nextPlanningNumber(path), qint16(6));
        QCOMPARE(core::appendPlanning(path, numbered(6)), qint64(3));
        const QByteArray b = fileBytes(path);
        QCOMPARE(b.size(), 3 * PlanningRec::Length);
        QCOMPARE(b.mid(2 * PlanningRec::Length, 2), QByteArray::fromHex("0600"));
        QCOMPARE(core::findPlanning(path, 2)->recordNumber, qint64(2));
    }

    void listEntries()
    {
        const struct { const char *naam, *voorletters; int doel, aangepast; const char* entry; } cases[] = {
            {"Jansen", "P.J.", 40, 0, "Jansen,P (40)"},
            {"Vermeulen-Bakker", "H.", 125, 0, "Vermeulen-B,H (125)"},   // the name cut at 11
            {"Anna Maria de Jong", "A", 30, 0, "Anna Maria,A (30)"},     // a blank at the cut removed
            {"Bos", "K.", 40, 47, "Bos,K (47)"}, {"Smit", "", 9, 0, "Smit, (9)"}};
        for (const auto& c : cases) {
            core::SpelerRec s;
            s.naam = c.naam;
            s.voorletters = c.voorletters;
            s.teMakenCar = qint16(c.doel);
            s.aangepastTeMakenCar = qint16(c.aangepast);
            // Through the record bytes, as the list reads it.
            QCOMPARE(core::pouleListEntry(core::SpelerRec::fromBytes(s.toBytes().constData())), QString(c.entry));
        }
    }

    void newPlanning()
    {
        loadTournament(*fx, 2);
        addPlannings(3);
        HuidigeRonde = 2;
        const QByteArray before = fileBytes(PadPlanning());
        frmPlanningStart d;
        d.show();
        QCOMPARE(QStringList({d.Label2()->text(), d.DTPicker1()->date().toString(), d.Combo1()->currentText(),
                              d.Combo2()->currentText(), d.Combo3()->currentText(), d.Combo4()->currentText()}),
                 QStringList({"4", QDate::currentDate().toString(), "09.00", "een uur", "10", "4"}));
        d.Combo1()->setCurrentIndex(28);   // 22.00
        d.Combo3()->setCurrentIndex(3);    // 4 games of (by default) een uur: the last at 25.00
        d.Command2()->click();
        QCOMPARE(shown(*msgs), QStringList({"Let op!|!|Uw laatste partij kan niet na 24.00 uur beginnen !\r\n"
                                            "Pas uw uitgangspunten aan."}));
        QVERIFY(fileBytes(PadPlanning()) == before && d.isVisible());   // nothing written, still open

        d.DTPicker1()->setDate(QDate(2026, 10, 12));
        d.Combo1()->setCurrentIndex(5);   // 10.30
        d.Combo2()->setCurrentIndex(4);   // anderhalf uur
        d.Combo3()->setCurrentIndex(6);   // 7 games
        d.Combo4()->setCurrentIndex(9);   // 10 tables
        d.Command2()->click();
        QCOMPARE(shown(*msgs).value(1), QStringLiteral("Gereed|i|Planning aangemaakt !\r\nU kunt via het menu "
                                                       "\"Planning > Naar bestaande planning\" deze planning oproepen."));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const PlanningRec expected = core::newPlanning(4, 46307, 2, 10, 7, 5, 4);
        QCOMPARE(fileBytes(PadPlanning()), before + expected.toBytes());
        QCOMPARE(HuidigePlanning, expected);
    }

    void gridScrollBars_data()
    {
        QTest::addColumn<int>("tafels");
        QTest::addColumn<int>("partijen");
        QTest::addColumn<int>("hMax");   // 0: disabled
        QTest::addColumn<int>("vMax");
        QTest::newRow("10 x 30") << 10 << 30 << 6 << 16;
        QTest::newRow("4 x 14") << 4 << 14 << 0 << 0;
        QTest::newRow("5 x 15") << 5 << 15 << 1 << 1;
    }

    void gridScrollBars()
    {
        QFETCH(int, tafels);
        QFETCH(int, partijen);
        QFETCH(int, hMax);
        QFETCH(int, vMax);
        loadTournament(*fx, 1);
        addPlannings(1, qint16(tafels), qint16(partijen));
        choose(1);
        frmPlanning g;
        g.show();
        QCOMPARE(QList<int>({g.HScroll1()->isEnabled(), g.HScroll1()->maximum(), g.VScroll1()->isEnabled(),
                             g.VScroll1()->maximum(), g.Label5Count()}),
                 QList<int>({hMax > 0, hMax, vMax > 0, vMax, 2 * tafels * partijen}));
        QVERIFY(!g.PouleButton(1, 1)->isEnabled());   // a single poule
        // At the far end the last 4 tables and 14 slots are in view, heads and times above and beside their cells.
        g.HScroll1()->setValue(hMax);
        g.VScroll1()->setValue(vMax);
        QCOMPARE(QPoint(g.TafelPanel()->x() + g.TafelLabels().at(tafels - 4)->x(),
                        g.TijdPanel()->y() + g.TijdLabels().at(partijen - 14)->y()), QPoint(0, 0));
        const QModelIndex first = g.Label5View()->indexAt(QPoint(2, 2));
        QCOMPARE(QPoint(first.column(), first.row()), QPoint(2 * hMax, vMax));
        // Side 2 starts 1470 twips into its table, the next table 3150.
        QCOMPARE(g.Label5View()->columnViewportPosition(2 * hMax + 1), planning::Px(1470));
        QCOMPARE(g.Label5View()->columnViewportPosition(2 * hMax + 2), planning::Px(3150));
    }

    void gridListsAndDrops()
    {
        auto& b = fx->builder();
        b.addPlayer(1, QStringLiteral("Vermeulen-Bakker"), QStringLiteral("H."), 1, 1, core::Fixed::fromDouble(2.0), 45);
        b.addPlayer(2, QStringLiteral("Bos"), QStringLiteral("K."), 1, 1, core::Fixed::fromDouble(1.0), 25)
            .aangepastTeMakenCar = 31;
        b.addPlayer(3, QStringLiteral("Ander"), QStringLiteral("Z."), 2, 1, core::Fixed::fromDouble(1.0), 20);
        b.addPlayer(4, QStringLiteral("Cees"), QStringLiteral("C."), 1, 2, core::Fixed::fromDouble(1.0), 20);
        b.addPlayer(5, QStringLiteral("Dirk"), QStringLiteral("D."), 1, 3, core::Fixed::fromDouble(1.0), 20);
        b.setRound(1, 3);
        fx->load(false);
        HuidigeRonde = 1;
        addPlannings(2, 2, 3);
        choose(2);   // a planning of round 2
        frmPlanning g;
        // The working round's players of poule 1, in file order.
        QCOMPARE(g.List1(1)->count(), 2);
        g.List1(1)->setCurrentRow(1);
        g.List1_Click(1);
        QCOMPARE(g.Label1(1)->text(), QStringLiteral("Bos,K (31)"));
        // Each list steps through the poules on its own; an arrow at the end is disabled.
        const auto poules = [&] {
            QString out;
            for (int i = 1; i <= 3; ++i)
                out += QStringLiteral("%1%2%3 ").arg(g.PouleButton(i, 0)->isEnabled()).arg(g.PouleButton(i, 1)->isEnabled())
                           .arg(g.Label3(i)->text());
            return out + g.List1(2)->item(0)->text();
        };
        QCOMPARE(poules(), QStringLiteral("011 011 011 Vermeulen-B,H (45)"));
        g.PouleButton(2, 1)->click();
        g.PouleButton(2, 1)->click();
        QCOMPARE(poules(), QStringLiteral("011 103 011 Dirk,D (20)"));
        g.PouleButton(2, 0)->click();
        QCOMPARE(poules(), QStringLiteral("011 112 011 Cees,C (20)"));

        PlanningModel* m = g.cells();
        QMimeData other;   // only plain text is taken from a drop
        other.setData(QStringLiteral("application/octet-stream"), "xx");
        QVERIFY(!m->dropMimeData(&other, Qt::CopyAction, -1, -1, m->index(0, 0)));
        QCOMPARE(g.Label5(1), QString(20, QLatin1Char(' ')));
        // A drop on the view near a cell's top edge still lands on that cell, cut to 20.
        g.show();
        QTableView* v = g.Label5View();
        QMimeData dragged;
        dragged.setText(QStringLiteral("Abcdefghijklmnopqrstuvwxyz"));
        const QRect r = v->visualRect(m->index(1, 2));   // table 2, slot 2, side 1: element 9
        const QPoint at(r.center().x(), r.top() + 1);
        QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(v->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(v->viewport(), &move);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(v->viewport(), &drop);
        QCOMPARE(g.Label5(9), QStringLiteral("Abcdefghijklmnopqrst"));
        g.Label5_DblClick(9);
        QCOMPARE(g.Label5(9), QString());
    }

    void gridSaves()
    {
        loadTournament(*fx, 1);
        // Plannings 1 to 3 of 3 tables x 4 games; planning 2 has a cell outside its range.
        for (qint16 n = 1; n <= 3; ++n) {
            PlanningRec r = core::newPlanning(n, 46300 + n, n, 3, 4, 2, 3);
            r.setNaam(3, 4, 2, QStringLiteral("Vast,V (%1)").arg(n));
            r.setNaam(8, 20, 1, n == 2 ? QStringLiteral("buiten") : QString());
            core::appendPlanning(PadPlanning(), r);
        }
        const QByteArray before = fileBytes(PadPlanning());
        choose(2);
        auto* g = new frmPlanning;
        g->setAttribute(Qt::WA_DeleteOnClose);
        g->show();
        // A save without change rewrites the same bytes.
        QCOMPARE(g->Label5(24), QStringLiteral("Vast,V (2)") + QString(10, QLatin1Char(' ')));
        QVERIFY(g->SavePlanning());
        QCOMPARE(fileBytes(PadPlanning()), before);
        // "Claer", drops, and closing the window store the grid into record 2 only: only the
        // blanks around a name go, letters in the file's code page. 3 tables x 4 games: element
        // 14 is (2,3,2), 1 is (1,1,1), 15 is (2,4,1).
        g->Command5_Click();
        g->Label5_DragDrop(14, QStringLiteral("  Nieuw,C (3)  "));
        g->Label5_DragDrop(1, QStringLiteral("  \tTab,T (1) "));
        g->Label5_DragDrop(15, QStringLiteral("Zoë,A (7)"));
        g->close();
        QVERIFY(msgs->boxes.isEmpty());
        PlanningRec p = core::newPlanning(2, 46302, 2, 3, 4, 2, 3);
        p.setNaam(8, 20, 1, QStringLiteral("buiten"));
        p.setNaam(2, 3, 2, QStringLiteral("Nieuw,C (3)"));
        p.setNaam(1, 1, 1, QStringLiteral("\tTab,T (1)"));
        p.setNaam(2, 4, 1, QStringLiteral("Zoë,A (7)"));
        const int L = PlanningRec::Length;
        const QByteArray after = fileBytes(PadPlanning());
        QCOMPARE(hex(after), hex(before.left(L) + p.toBytes() + before.mid(2 * L)));
        QCOMPARE(after.mid(L + PlanningRec::cellOffset(2, 4, 1), 20), QByteArray("Zo\xeb,A (7)           ", 20));
        QCOMPARE(HuidigePlanning, p);
    }

    void gridVanishedPlanningIsNotWritten()
    {
        loadTournament(*fx, 1);
        addPlannings(2, 2, 3);
        choose(2);
        frmPlanning g;
        g.Label5_DragDrop(1, QStringLiteral("Iemand,X (5)"));
        // The file is replaced by one holding planning 1 only.
        const QByteArray one = fileBytes(PadPlanning()).left(PlanningRec::Length);
        QVERIFY(core::RecordFile<PlanningRec>::writeAll(PadPlanning(), {PlanningRec::fromBytes(one.constData())}));
        QVERIFY(!g.SavePlanning());
        QCOMPARE(fileBytes(PadPlanning()), one);
        QVERIFY(shown(*msgs).value(0).endsWith(QStringLiteral("Planning is niet opgeslagen !")));
        QFile::remove(PadPlanning());
        QVERIFY(!g.SavePlanning());
        QCOMPARE(shown(*msgs).last(), QStringLiteral("Let op!|X|Bestand niet gevonden !\r\nPlanning is niet opgeslagen !"));
        QVERIFY(!QFile::exists(PadPlanning()));
    }

    void printLandscapeBlocks()
    {
        loadTournament(*fx, 1);
        PlanningRec p = core::newPlanning(1, 46307, 1, 6, 10, 2, 3);
        for (int t : {1, 2, 4, 6})
            p.setNaam(t, 3, 1, QStringLiteral("Naam%1,A (10)").arg(t));
        p.setNaam(6, 10, 2, QStringLiteral("Laatste,Z (99)"));
        platform::ScopedRecordingPrinter sp;
        RecordingPrinter& rec = sp.rec;
        printFromGrid(p, rec);
        QCOMPARE(MeldingTekst, QStringLiteral("Planning Nr: 1    d.d. 12-10-2026 in ronde  1"));
        QCOMPARE(shown(*msgs), QStringList({"Gereed|i|Planning wordt uitgeprint"}));
        QCOMPARE(QList<qsizetype>({rec.documentsEnded, rec.ofKind(PrintOp::NewPage).size()}), QList<qsizetype>({1, 1}));
        QVERIFY(rec.findText(QStringLiteral("Pagina  2")));
        QCOMPARE(rec.texts().first().orientation, platform::OrientationLandscape);
        // Heads at tab columns 32, 81, 129 (bold: 121 twips a column); tables 3 and 5 are left out.
        QStringList heads;
        for (int t = 1; t <= 6; ++t)
            heads << where(rec, QStringLiteral("Tafel nr  %1").arg(t));
        QCOMPARE(heads, QStringList({"1 3751,2500 bold", "1 9680,2500 bold", "-", "1 15488,2500 bold", "-",
                                     "2 3751,2500 bold"}));
        // Names at their tab columns (110 twips a column), slot s at y 2500 + 507 s; one too wide for its cell
        // ends a blank before the rule on its right (x 5860), its name giving way to its initial and target.
        QCOMPARE(QStringList({where(rec, "Naam4,A (10)"), where(rec, "La,Z (99)"), where(rec, "09:00")}),
                 QStringList({QStringLiteral("1 %1,%2").arg(122 * 110).arg(2500 + 3 * 507),
                              QStringLiteral("2 %1,%2").arg(43 * 110).arg(2500 + 10 * 507),
                              QStringLiteral("1 700,%1").arg(2500 + 507)}));
        // Page 1: 17 rules across to 4560 x 3 + 1300; the side rule of table 3 down to 10507.
        QCOMPARE(lines(rec, 1, 600, -1, 14980, -1), 17);
        QCOMPARE(lines(rec, 1, 12700, 2910, 12700, 10507), 1);
        // Letter with margins of 3/4 inch: the rows come closer together; 15 games still fill one page.
        printFromGrid(p, rec, {10080, 13680});
        QCOMPARE(rec.ofKind(PrintOp::NewPage).size(), 1);
        p.aantalPartijen = 15;
        p.setNaam(1, 15, 1, QStringLiteral("Onderaan,O (1)"));
        printFromGrid(p, rec, {10080, 13680});
        QCOMPARE(QList<qsizetype>({rec.ofKind(PrintOp::NewPage).size(), rec.findText("Onderaan,O (1)")->page}),
                 QList<qsizetype>({1, 1}));
    }

    void printPortraitRules()
    {
        loadTournament(*fx, 1);
        PlanningRec p = core::newPlanning(1, 46307, 1, 3, 16, 0, 0);
        for (int t = 1; t <= 3; ++t)
            p.setNaam(t, 16, 2, QStringLiteral("T%1").arg(t));
        platform::ScopedRecordingPrinter sp;
        RecordingPrinter& rec = sp.rec;
        printFromGrid(p, rec);
        QCOMPARE(rec.texts().first().orientation, platform::OrientationPortrait);
        QCOMPARE(QStringList({where(rec, "Tafel nr  2"), where(rec, "Tafel nr  3"), where(rec, "T2"), where(rec, "11:45")}),
                 QStringList({QStringLiteral("1 %1,2500 bold").arg(80 * 121), QStringLiteral("2 %1,2500 bold").arg(31 * 121),
                              QStringLiteral("1 %1,%2").arg(96 * 110).arg(2500 + 16 * 425),
                              QStringLiteral("1 700,%1").arg(2500 + 16 * 425)}));
        // 32 rules across on both pages, the frame down to 15600 whatever the number of slots.
        QCOMPARE(QList<int>({lines(rec, 1, 600, -1, 4560 * 2 + 1300, -1), lines(rec, 2, 600, -1, 4560 + 1300, -1)}),
                 QList<int>({32, 32}));
        QCOMPARE(lines(rec, 1, 4560 * 2 + 1300, 2425, 4560 * 2 + 1300, 15600), 1);
        QCOMPARE(lines(rec, 2, 4560 - 960, 2850, 4560 - 960, 15600), 1);
    }

    void printEmpty()
    {
        loadTournament(*fx, 1);
        addPlannings(1, 2, 3);
        choose(1);
        platform::ScopedRecordingPrinter sp;
        platform::ScriptedPrintDialog dlg(true);
        frmPlanning g;
        g.Label5_DragDrop(3, QStringLiteral("     "));   // blanks only
        g.PrintPlanning();
        QCOMPARE(shown(*msgs), QStringList({"Let op!|!|U kunt geen lege planning printen !"}));
        QCOMPARE(dlg.shown + sp.rec.ops.size(), 0);
    }

    void menuOpensChosenGrid()
    {
        loadTournament(*fx, 2);
        {   // An empty list: "Naar planning" only beeps, once the files are there.
            QVERIFY(standtest::writeFile(PadPlanning(), {}));
            frmKiesPlanning leeg;
            leeg.Command1()->click();
            QFile::remove(PadPlanning());
            leeg.Command1()->click();
            QCOMPARE(QList<qsizetype>({msgs->beeps, msgs->boxes.size()}), QList<qsizetype>({1, 1}));
            QVERIFY(shown(*msgs)[0].startsWith(QStringLiteral("Let op!|X|Planningbestand niet gevonden !")));
            msgs->clear();
        }
        mdiHoofd hoofd;
        registerPlanningMenus(hoofd);
        const QString item = QStringLiteral("mnuPlanningBestaand");
        hoofd.toggleMenuWindow(item);   // no planning file yet: a message, nothing opens
        QVERIFY(shown(*msgs).value(0).startsWith(QStringLiteral("Let op!|X|Planningbestand niet gevonden !")));
        addPlannings(2, 2, 3);
        // The chooser lists the plannings and refuses to go on without one chosen; cancelled,
        // nothing opens; a choice opens its grid.
        QStringList rows;
        for (bool kies : {false, true}) {
            QTimer::singleShot(0, [&rows, kies] {
                if (auto* k = qobject_cast<frmKiesPlanning*>(QApplication::activeModalWidget())) {
                    QTreeWidgetItem* row = k->ListView1()->topLevelItem(1);
                    rows << row->text(0) + "|" + row->text(1) + "|" + row->text(2);
                    k->Command1()->click();
                    k->ListView1_ItemClick(row);
                    (kies ? k->Command1() : k->Command2())->click();
                }
            });
            hoofd.toggleMenuWindow(item, true);
            QCOMPARE(bool(qobject_cast<frmPlanning*>(hoofd.menuWindow(item))), kies);
            QCOMPARE(hoofd.toolbarKey(QStringLiteral("But14"))->isChecked(), kies);
            QCOMPARE(hoofd.menuItem(QStringLiteral("mnuPlanningNieuw"))->isEnabled(), !kies);
        }
        QCOMPARE(rows, QStringList({" 2|07-10-2026| 2", " 2|07-10-2026| 2"}));
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(GekozenPlanning).arg(GekozenPlanningDatum.toString("dd-MM-yyyy"))
                     .arg(GekozenPlanningRonde), QStringLiteral("2 07-10-2026 2"));
        QCOMPARE(shown(*msgs).mid(1), QStringList(2, "Let op!|!|U moet een planning selecteren door erop te clicken !"));
    }
};

QTEST_MAIN(TestPlanning)
#include "test_planning.moc"

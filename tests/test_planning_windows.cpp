// The planning windows: new planning, the chooser, the grid with its save, and the print.
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
using core::Fixed;
using core::PlanningRec;
using platform::PrintOp;
using platform::RecordingPrinter;
using standtest::shown;

namespace {

QByteArray fileBytes(const QString& path)
{
    QByteArray b;
    core::readFileBytes(path, &b);
    return b;
}

// Round 1 of a tournament with the given number of poules, three players each.
void loadTournament(testsupport::TournamentFixture& fx, int poules)
{
    for (int nr = 1; nr <= 3 * poules; ++nr)
        fx.builder().addPlayer(nr, QStringLiteral("Speler%1").arg(nr), QStringLiteral("Q."), 1,
                               qint16((nr + 2) / 3), Fixed::fromDouble(1.0 + nr / 10.0));
    fx.builder().setRound(1, qint16(poules));
    fx.load(false);
}

// Plannings 1 .. count; planning n is of day 46300 + n and round n.
void addPlannings(int count, qint16 tafels = 4, qint16 partijen = 10)
{
    for (int n = 1; n <= count; ++n)
        QCOMPARE(core::appendPlanning(PadPlanning(), core::newPlanning(qint16(n), 46300 + n, qint16(n), tafels,
                                                                      partijen, 2, 3)),
                 qint64(n));
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

// Planning p as the only one in the file, printed by the grid's toolbar; the printer dialog says OK.
void printFromGrid(const PlanningRec& p)
{
    QCOMPARE(core::appendPlanning(PadPlanning(), p), qint64(1));
    choose(p.nummer);
    platform::ScriptedPrintDialog dlg(true);
    frmPlanning g;
    g.Toolbar1_ButtonClick(QStringLiteral("But04"));
    QCOMPARE(dlg.shown, 1);
}

// Page, place and layout of a printed text of the grid (all in 11 pt).
QString where(const RecordingPrinter& rec, const QString& text)
{
    const PrintOp* op = rec.findText(text);
    return op ? QStringLiteral("%1 %2,%3%4 %5").arg(op->page).arg(op->x).arg(op->y).arg(op->bold ? " bold" : "")
                    .arg(op->orientation == platform::OrientationLandscape ? "L" : "P")
                    + (op->fontSize == 11 ? QString() : QStringLiteral(" size %1").arg(op->fontSize))
              : QStringLiteral("not printed");
}

// Rules of the grid (below y 2400) on a page: across from x 600 to `right`, or a given one.
int rulesAcross(const RecordingPrinter& rec, int page, double right)
{
    const QList<PrintOp> l = rec.ofKind(PrintOp::Line);
    return int(std::count_if(l.begin(), l.end(), [&](const PrintOp& op) {
        return op.page == page && op.y >= 2400 && op.y == op.y2 && op.x == 600 && op.x2 == right;
    }));
}
bool hasLine(const RecordingPrinter& rec, int page, double x, double y, double x2, double y2)
{
    const QList<PrintOp> l = rec.ofKind(PrintOp::Line);
    return std::any_of(l.begin(), l.end(), [&](const PrintOp& op) {
        return op.page == page && op.x == x && op.y == y && op.x2 == x2 && op.y2 == y2;
    });
}

// "<" and ">" for the enabled previous and next buttons of a poule list, then its poule.
QString pouleState(const frmPlanning& g, int lijst)
{
    return QStringLiteral("%1%2 %3").arg(g.PouleButton(lijst, 0)->isEnabled() ? "<" : "-")
        .arg(g.PouleButton(lijst, 1)->isEnabled() ? ">" : "-").arg(g.Label3(lijst)->text());
}

} // namespace

class TestPlanningWindows : public QObject {
    Q_OBJECT
    std::optional<testsupport::TournamentFixture> fx;
    std::optional<platform::ScriptedMessages> msgs;
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        ResetContext();
        GekozenPlanning = 0;
        DialoogResultaat = 0;
        fx.emplace();
        msgs.emplace();
    }

    void cleanup()
    {
        msgs.reset();
        fx.reset();
    }

    void newPlanning()
    {
        loadTournament(*fx, 2);
        addPlannings(3);
        HuidigeRonde = 2;
        const QByteArray before = fileBytes(PadPlanning());
        frmPlanningStart d;
        d.show();
        QCOMPARE(d.Label2()->text(), QStringLiteral("4"));
        QCOMPARE(d.DTPicker1()->date(), QDate::currentDate());
        QStringList combos;
        for (QComboBox* c : {d.Combo1(), d.Combo2(), d.Combo3(), d.Combo4()})
            combos << c->currentText();
        QCOMPARE(combos, QStringList({"09.00", "een uur", "10", "4"}));

        d.Combo1()->setCurrentIndex(28);   // 22.00
        d.Combo3()->setCurrentIndex(3);    // 4 games of een uur: the last at 25.00
        d.Command2()->click();
        QCOMPARE(shown(*msgs), QStringList({"Let op!|!|Uw laatste partij kan niet na 24.00 uur beginnen !\r\n"
                                            "Pas uw uitgangspunten aan."}));
        QCOMPARE(fileBytes(PadPlanning()), before);
        QVERIFY(d.isVisible());

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

    void chooser()
    {
        loadTournament(*fx, 1);
        addPlannings(3);
        frmKiesPlanning k;
        QCOMPARE(k.ListView1()->topLevelItemCount(), 3);
        QTreeWidgetItem* row = k.ListView1()->topLevelItem(2);
        QCOMPARE(QStringList({row->text(0), row->text(1), row->text(2)}), QStringList({" 3", "08-10-2026", " 3"}));
        k.Command1()->click();   // nothing chosen yet
        QCOMPARE(shown(*msgs), QStringList({"Let op!|!|U moet een planning selecteren door erop te clicken !"}));
        QCOMPARE(DialoogResultaat, qint16(0));
        k.ListView1_ItemClick(row);
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(GekozenPlanning).arg(GekozenPlanningDatum.toString("dd-MM-yyyy"))
                     .arg(GekozenPlanningRonde), QStringLiteral("3 08-10-2026 3"));
        k.Command1()->click();
        QCOMPARE(msgs->boxes.size(), 1);
        QCOMPARE(DialoogResultaat, qint16(1));
        QCOMPARE(k.result(), int(QDialog::Accepted));

        // A planning file without records: a beep; without the players file (checked first) a message.
        msgs->clear();
        QVERIFY(standtest::writeFile(PadPlanning(), {}));
        frmKiesPlanning leeg;
        QCOMPARE(leeg.ListView1()->topLevelItemCount(), 0);
        leeg.Command1()->click();
        QCOMPARE(msgs->beeps + msgs->boxes.size(), 1);
        QFile::remove(PadSpelers());
        leeg.Command1()->click();
        QCOMPARE(msgs->beeps, 1);
        QVERIFY(shown(*msgs).value(0).startsWith(QStringLiteral("Let op!|X|Spelersbestand niet gevonden !")));
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
        QCOMPARE(g.TijdLabels().at(1)->text(), QStringLiteral("10:00"));
        QCOMPARE(g.TafelLabels().last()->text(), QStringLiteral("Tafel ") + core::signedNum(tafels));

        // At the far end the last 4 tables and 14 slots are in view, heads and times above and beside their cells.
        g.HScroll1()->setValue(hMax);
        g.VScroll1()->setValue(vMax);
        QCOMPARE(g.TafelPanel()->x() + g.TafelLabels().at(tafels - 4)->x(), 0);
        QCOMPARE(g.TijdPanel()->y() + g.TijdLabels().at(partijen - 14)->y(), 0);
        const QModelIndex first = g.Label5View()->indexAt(QPoint(2, 2));
        QCOMPARE(QPoint(first.column(), first.row()), QPoint(2 * hMax, vMax));
        // Side 2 starts 1470 twips into its table, the next table 3150.
        QCOMPARE(g.Label5View()->columnViewportPosition(2 * hMax + 1), planning::Px(1470));
        QCOMPARE(g.Label5View()->columnViewportPosition(2 * hMax + 2), planning::Px(3150));
    }

    void gridPouleButtons()
    {
        loadTournament(*fx, 3);
        addPlannings(1);
        choose(1);
        {
            frmPlanning g;
            QCOMPARE(pouleState(g, 1) + pouleState(g, 2) + pouleState(g, 3), QStringLiteral("-> 1-> 1-> 1"));
            g.PouleButton(2, 1)->click();
            QCOMPARE(pouleState(g, 2), QStringLiteral("<> 2"));
            g.PouleButton(2, 1)->click();
            QCOMPARE(pouleState(g, 2), QStringLiteral("<- 3"));
            QCOMPARE(g.List1(2)->item(0)->text() + g.List1(1)->item(0)->text(), QStringLiteral("Speler7,Q (%1)Speler1,Q (%2)")
                         .arg(fx->builder().spelers[6].teMakenCar).arg(fx->builder().spelers[0].teMakenCar));
            g.PouleButton(2, 0)->click();
            g.PouleButton(2, 0)->click();
            QCOMPARE(pouleState(g, 2) + QString::number(g.List1(2)->count()), QStringLiteral("-> 13"));
        }
        AantalPoules = 1;
        frmPlanning g1;
        QCOMPARE(pouleState(g1, 1) + pouleState(g1, 2) + pouleState(g1, 3), QStringLiteral("-- 1-- 1-- 1"));
    }

    void gridListsAndDrops()
    {
        auto& b = fx->builder();
        b.addPlayer(1, QStringLiteral("Vermeulen-Bakker"), QStringLiteral("H."), 1, 1, Fixed::fromDouble(2.0), 45);
        b.addPlayer(2, QStringLiteral("Bos"), QStringLiteral("K."), 1, 1, Fixed::fromDouble(1.0), 25)
            .aangepastTeMakenCar = 31;
        b.addPlayer(3, QStringLiteral("Ander"), QStringLiteral("Z."), 2, 1, Fixed::fromDouble(1.0), 20);
        b.setRound(1, 1);
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

        // Only plain text is taken from a drop.
        PlanningModel* m = g.cells();
        QMimeData other;
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
        // "Claer", a drop, and closing the window store the grid into record 2 only.
        g->Command5_Click();
        g->Label5_DragDrop(14, QStringLiteral("  Nieuw,C (3)  "));   // 3 tables x 4 games: 14 is (2,3,2)
        g->close();
        QVERIFY(msgs->boxes.isEmpty());
        PlanningRec p = core::newPlanning(2, 46302, 2, 3, 4, 2, 3);
        p.setNaam(8, 20, 1, QStringLiteral("buiten"));
        p.setNaam(2, 3, 2, QStringLiteral("Nieuw,C (3)"));
        const int L = PlanningRec::Length;
        QCOMPARE(fileBytes(PadPlanning()), before.left(L) + p.toBytes() + before.mid(2 * L));
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
        QCOMPARE(msgs->boxes.size(), 1);
        QVERIFY(msgs->boxes[0].prompt.endsWith(QStringLiteral("Planning is niet opgeslagen !")));

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
        printFromGrid(p);
        const RecordingPrinter& rec = sp.rec;
        QCOMPARE(MeldingTekst, QStringLiteral("Planning Nr: 1    d.d. 12-10-2026 in ronde  1"));
        QCOMPARE(shown(*msgs), QStringList({"Gereed|i|Planning wordt uitgeprint"}));
        QCOMPARE(rec.documentsEnded, 1);

        // Heads at tab columns 32, 81, 129 (bold: 121 twips a column); tables 3 and 5 are left out.
        QStringList heads;
        for (int t = 1; t <= 6; ++t)
            heads << where(rec, QStringLiteral("Tafel nr  %1").arg(t));
        QCOMPARE(heads, QStringList({"1 3751,2500 bold L", "1 9680,2500 bold L", "not printed", "1 15488,2500 bold L",
                                     "not printed", "2 3751,2500 bold L"}));
        QCOMPARE(rec.ofKind(PrintOp::NewPage).size(), 1);
        QVERIFY(rec.findText(QStringLiteral("Pagina  2")));

        // Names at their tab columns (110 twips a column), slot s at y 2500 + 507 s.
        QCOMPARE(where(rec, "Naam4,A (10)"), QStringLiteral("1 %1,%2 L").arg(122 * 110).arg(2500 + 3 * 507));
        QCOMPARE(where(rec, "Laatste,Z (99)"), QStringLiteral("2 %1,%2 L").arg(43 * 110).arg(2500 + 10 * 507));
        QCOMPARE(where(rec, "09:00"), QStringLiteral("1 700,%1 L").arg(2500 + 507));

        // Page 1: 17 rules across to 4560 x 3 + 1300; the side rule of table 3 down to 10507.
        QCOMPARE(rulesAcross(rec, 1, 14980), 17);
        QVERIFY(hasLine(rec, 1, 12700, 2910, 12700, 10507));
    }

    void printPortraitRules()
    {
        loadTournament(*fx, 1);
        PlanningRec p = core::newPlanning(1, 46307, 1, 3, 16, 0, 0);
        for (int t = 1; t <= 3; ++t)
            p.setNaam(t, 16, 2, QStringLiteral("T%1").arg(t));
        platform::ScopedRecordingPrinter sp;
        printFromGrid(p);
        const RecordingPrinter& rec = sp.rec;
        QCOMPARE(where(rec, "Tafel nr  2"), QStringLiteral("1 %1,2500 bold P").arg(80 * 121));
        QCOMPARE(where(rec, "Tafel nr  3"), QStringLiteral("2 %1,2500 bold P").arg(31 * 121));
        QCOMPARE(where(rec, "T2"), QStringLiteral("1 %1,%2 P").arg(96 * 110).arg(2500 + 16 * 425));
        QCOMPARE(where(rec, "11:45"), QStringLiteral("1 700,%1 P").arg(2500 + 16 * 425));
        // 32 rules across on both pages, the frame down to 15600 whatever the number of slots.
        QCOMPARE(rulesAcross(rec, 1, 4560 * 2 + 1300), 32);
        QCOMPARE(rulesAcross(rec, 2, 4560 + 1300), 32);
        QVERIFY(hasLine(rec, 1, 4560 * 2 + 1300, 2425, 4560 * 2 + 1300, 15600));
        QVERIFY(hasLine(rec, 2, 4560 - 960, 2850, 4560 - 960, 15600));
    }

    void printFitsThePaper_data()
    {
        QTest::addColumn<int>("partijen");
        QTest::addColumn<QSizeF>("paper");   // printable portrait twips
        QTest::addColumn<int>("pages");
        const QSizeF a4(11338, 16271), letter(10080, 13680);   // Letter with margins of 3/4 inch
        QTest::newRow("15 games, landscape A4") << 15 << a4 << 1;
        QTest::newRow("15 games, landscape Letter") << 15 << letter << 1;
        QTest::newRow("30 games, portrait Letter") << 30 << letter << 2;
    }

    void printFitsThePaper()
    {
        QFETCH(int, partijen);
        QFETCH(QSizeF, paper);
        QFETCH(int, pages);
        loadTournament(*fx, 1);
        PlanningRec p = core::newPlanning(1, 46307, 1, 3, qint16(partijen), 2, 3);
        for (int s = 1; s <= partijen; ++s)
            for (int t = 1; t <= 3; ++t)
                p.setNaam(t, s, 2, QStringLiteral("Naam%1,A (10)").arg(s));
        platform::ScopedRecordingPrinter sp;
        sp.rec.portraitPage = paper;
        printFromGrid(p);
        // No page of the printer's own making: every text and rule within the printable height.
        QCOMPARE(sp.rec.ofKind(PrintOp::NewPage).size(), pages - 1);
        for (const PrintOp& op : sp.rec.ops) {
            const double height = op.orientation == platform::OrientationLandscape ? paper.width() : paper.height();
            QVERIFY2(std::max(op.y, op.y2) <= height, qPrintable(QStringLiteral("%1 at %2").arg(op.text).arg(op.y)));
        }
        QCOMPARE(sp.rec.findText(QStringLiteral("Naam%1,A (10)").arg(partijen))->page, 1);
        QCOMPARE(sp.rec.findText(QStringLiteral("Tafel nr  3"))->page, pages);
    }

    void printEmptyAndCancelled()
    {
        loadTournament(*fx, 1);
        addPlannings(1, 2, 3);
        choose(1);
        platform::ScopedRecordingPrinter sp;
        frmPlanning g;
        {
            platform::ScriptedPrintDialog dlg(true);
            g.Label5_DragDrop(3, QStringLiteral("     "));   // blanks only
            g.PrintPlanning();
            QCOMPARE(dlg.shown, 0);
            QCOMPARE(shown(*msgs), QStringList({"Let op!|!|U kunt geen lege planning printen !"}));
        }
        platform::ScriptedPrintDialog cancel(false);
        g.Label5_DragDrop(3, QStringLiteral("Niet opgeslagen"));
        g.PrintPlanning();
        QCOMPARE(cancel.shown, 1);
        QCOMPARE(msgs->boxes.size(), 1);
        QVERIFY(sp.rec.texts().isEmpty());
    }

    void menuOpensGridAndClosesIt()
    {
        loadTournament(*fx, 2);
        mdiHoofd hoofd;
        registerPlanningMenus(hoofd);
        const QString item = QStringLiteral("mnuPlanningBestaand");
        hoofd.toggleMenuWindow(item);   // no planning file yet: a message, nothing opens
        QVERIFY(shown(*msgs).value(0).startsWith(QStringLiteral("Let op!|X|Planningbestand niet gevonden !")));
        QVERIFY(!hoofd.menuWindow(item));
        msgs->clear();
        addPlannings(2, 2, 3);
        // The chooser decides: cancelled nothing opens, a choice opens its grid.
        const auto answer = [](bool kies) {
            QTimer::singleShot(0, [kies] {
                if (auto* k = qobject_cast<frmKiesPlanning*>(QApplication::activeModalWidget())) {
                    k->ListView1_ItemClick(k->ListView1()->topLevelItem(1));
                    (kies ? k->Command1() : k->Command2())->click();
                }
            });
        };
        answer(false);
        hoofd.toggleMenuWindow(item);
        QVERIFY(!hoofd.menuWindow(item) && !hoofd.menuItem(item)->isChecked());
        answer(true);
        hoofd.toggleMenuWindow(item, true);
        QVERIFY(qobject_cast<frmPlanning*>(hoofd.menuWindow(item)) && hoofd.menuItem(item)->isChecked());
        QCOMPARE(GekozenPlanning, qint16(2));
        QVERIFY(hoofd.toolbarKey(QStringLiteral("But14"))->isChecked());
        QVERIFY(!hoofd.menuItem(QStringLiteral("mnuPlanningNieuw"))->isEnabled());
        hoofd.toggleMenuWindow(item);
        QTRY_VERIFY(!hoofd.menuWindow(item));
        QVERIFY(msgs->boxes.isEmpty());
    }
};

QTEST_MAIN(TestPlanningWindows)
#include "test_planning_windows.moc"

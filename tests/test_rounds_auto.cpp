// The automatic carry-over window: refusals from the main window, the
// selection by place, the random spread from a fixed start, commit and print.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/carryover.h"
#include "core/recordfile.h"
#include "core/standings.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "rounds/frmAutoKoppel.h"
#include "rounds/menus.h"
#include "rounds/roundsui.h"
#include "support/tournamentfixture.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace modStootplanner;
using core::Fixed;
using core::PouleRec;
using core::SpelerRec;

namespace {

Fixed fx(double v) { return Fixed::fromDouble(v); }

QStringList column(QTreeWidget* l, int c)
{
    QStringList out;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        out << l->topLevelItem(i)->text(c);
    return out;
}

// Round 1 with poules of the given sizes, players p*10 + i (i = 1..n), all
// moyenne 1.00 (target 25). In every poule the lower number beats the higher,
// so the places follow the numbers. The numbers 4 lose with 10 (poule 1),
// 20 (poule 2) and 15 (poule 3) caramboles a game; in poule 3 the number 4
// draws with the number 3, so he has the most match points of the numbers 4
// while the number 4 of poule 2 has the highest moyenne. Round 2 exists.
void buildRound1(core::TournamentBuilder& b, const std::vector<int>& sizes)
{
    b.toernooi.aanpassenPerRonde = core::Nee;
    for (size_t p = 1; p <= sizes.size(); ++p)
        for (int i = 1; i <= sizes[p - 1]; ++i)
            b.addPlayer(qint32(p * 10 + size_t(i)), QStringLiteral("Speler%1").arg(p * 10 + size_t(i)),
                        QStringLiteral("V.%1").arg(i), 1, qint16(p), fx(1.0));
    for (size_t p = 1; p <= sizes.size(); ++p) {
        const int n = sizes[p - 1];
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j) {
                const qint32 a = qint32(p * 10 + size_t(i)), c = qint32(p * 10 + size_t(j));
                qint16 verlies = 20;
                if (j == 4)
                    verlies = p == 1 ? 10 : p == 2 ? 20 : 15;
                if (p == 3 && i == 3 && j == 4)
                    verlies = 25;   // a draw
                b.addGame(1, qint16(p), a, 25, 20, 5, c, verlies, 20, 3);
            }
    }
    b.setRound(1, qint16(sizes.size()));
    b.setRound(2, 1);
}

std::vector<SpelerRec> players() { return core::RecordFile<SpelerRec>::readAll(PadSpelers()); }
PouleRec pouleRec(int ronde) { return *core::RecordFile<PouleRec>::read(PadPoules(), ronde); }

void choose(frmAutoKoppel& w, const QString& aantal, const QString& poules, bool mp = true)
{
    w.Option2(0)->setChecked(true);
    w.Text1()->setText(aantal);
    w.Option3(mp ? 0 : 1)->setChecked(true);
    w.Option1(0)->setChecked(true);
    w.Text2()->setText(poules);
}

} // namespace

class TestRoundsAuto : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void sameSpreadAtEveryStart();   // first: uses the generator from its start
    void refusalsFromMainWindow_data();
    void refusalsFromMainWindow();
    void tenOfThreePoules();
    void tickBoxesFourFourThree();
    void inputMessagesLeaveListEmpty();
    void commitStoresRowsAsShown();
    void emptyListOnlyBeeps();
    void print_data();
    void print();

private:
    std::unique_ptr<testsupport::TournamentFixture> m_fx;
    std::unique_ptr<QTemporaryDir> m_prog;
    mdiHoofd* m_hoofd = nullptr;
};

void TestRoundsAuto::init()
{
    QLocale::setDefault(QLocale::c());
    m_fx = std::make_unique<testsupport::TournamentFixture>();
    m_prog = std::make_unique<QTemporaryDir>();
    ProgrammaMap = m_prog->path() + "/";
    m_hoofd = new mdiHoofd;
}

void TestRoundsAuto::cleanup()
{
    delete m_hoofd;
    m_hoofd = nullptr;
    m_fx.reset();
}

void TestRoundsAuto::sameSpreadAtEveryStart()
{
    buildRound1(m_fx->builder(), {4, 4, 4});
    m_fx->load();
    // The first result of a run draws from the generator's fixed start: ten
    // players over capacities 4, 3, 3 always land in these poules.
    QCOMPARE(frmAutoKoppel::Randomizer().state(), core::RandomGenerator::StartState);
    frmAutoKoppel w;
    choose(w, "10", "3");
    w.Command2()->click();
    QCOMPARE(column(w.ListView1(), 5).join(QLatin1Char(' ')), QStringLiteral("3 2 2 1 1 3 1 3 1 2"));
    // a further result in the same run continues the sequence
    w.Command4()->click();
    w.Command2()->click();
    QCOMPARE(column(w.ListView1(), 5).join(QLatin1Char(' ')), QStringLiteral("3 3 2 3 1 2 2 1 1 1"));
}

void TestRoundsAuto::refusalsFromMainWindow_data()
{
    QTest::addColumn<int>("laatste");
    QTest::addColumn<int>("huidig");
    QTest::addColumn<bool>("automatisch");
    QTest::addColumn<bool>("hand");
    QTest::addColumn<QString>("melding");
    QTest::newRow("one round") << 1 << 1 << false << false
                               << "Voordat u spelers kunt doorkoppelen,\r\nmoet u een nieuwe ronde aanmaken !";
    QTest::newRow("automatic done, before manual") << 2 << 1 << true << true
                                                   << "U heeft al gebruik gemaakt van de mogelijkheid\r\nom spelers automatisch door te koppelen !";
    QTest::newRow("manual done") << 2 << 1 << false << true
                                 << "U heeft al spelers handmatig doorgekoppeld !\r\nAutomatisch doorkoppelen is dan niet meer mogelijk !";
    QTest::newRow("other round") << 2 << 1 << false << false
                                 << "U kunt alleen vanuit de laatst aangemaakte ronde spelers doorkoppelen !\r\nKies Menu Rondebeheer > Ga naar andere ronde.";
    QTest::newRow("opens") << 2 << 2 << false << false << "";
}

void TestRoundsAuto::refusalsFromMainWindow()
{
    QFETCH(int, laatste);
    QFETCH(int, huidig);
    QFETCH(bool, automatisch);
    QFETCH(bool, hand);
    QFETCH(QString, melding);
    auto& b = m_fx->builder();
    b.addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
    b.setRound(qint16(laatste), 1);
    b.poules.back().automatischGekoppeld = core::jaNee(automatisch);
    b.poules.back().handmatigGekoppeld = core::jaNee(hand);
    m_fx->load();
    HuidigeRonde = qint16(huidig);
    platform::ScriptedMessages msgs;
    m_hoofd->toggleMenuWindow(QStringLiteral("mnuRondebeheerRandom"));
    QWidget* w = m_hoofd->menuWindow(QStringLiteral("mnuRondebeheerRandom"));
    if (melding.isEmpty()) {
        QVERIFY(qobject_cast<frmAutoKoppel*>(w));
        QCOMPARE(msgs.boxes.size(), 0);
        QVERIFY(m_hoofd->menuItem(QStringLiteral("mnuRondebeheerRandom"))->isChecked());
        QVERIFY(!m_hoofd->menuItem(QStringLiteral("mnuRondebeheerKoppelen"))->isEnabled());
        QVERIFY(!m_hoofd->menuItem(QStringLiteral("mnuRondebeheerNieuw"))->isEnabled());
        QVERIFY(!m_hoofd->menuItem(QStringLiteral("mnuRondebeheerGanaar"))->isEnabled());
        m_hoofd->toggleMenuWindow(QStringLiteral("mnuRondebeheerRandom"));
        QTRY_VERIFY(!m_hoofd->menuWindow(QStringLiteral("mnuRondebeheerRandom")));
        QVERIFY(m_hoofd->menuItem(QStringLiteral("mnuRondebeheerKoppelen"))->isEnabled());
        QVERIFY(!m_hoofd->menuItem(QStringLiteral("mnuRondebeheerRandom"))->isChecked());
    } else {
        QVERIFY(!w);
        QCOMPARE(msgs.boxes.size(), 1);
        QCOMPARE(msgs.boxes[0].prompt, melding);
        QCOMPARE(msgs.boxes[0].title, QStringLiteral("Let op!"));
        QCOMPARE(msgs.boxes[0].icon(), platform::vbExclamation);
        QVERIFY(!m_hoofd->menuItem(QStringLiteral("mnuRondebeheerRandom"))->isChecked());
        QVERIFY(m_hoofd->menuItem(QStringLiteral("mnuRondebeheerKoppelen"))->isEnabled());
    }
}

void TestRoundsAuto::tenOfThreePoules()
{
    buildRound1(m_fx->builder(), {4, 4, 4});
    m_fx->load();
    platform::ScriptedMessages msgs;
    frmAutoKoppel w;
    QCOMPARE(w.VorigeRondePoules(), qint16(3));
    QCOMPARE(w.VorigeRondeSpelers(), qint16(12));
    QVERIFY(w.Option1(0)->isChecked() && w.Option2(0)->isChecked() && w.Option3(0)->isChecked());
    QCOMPARE(w.Option1(0)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(w.Option1(1)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(w.Label5()->text(), QString());
    const QStringList eerste9{"00011", "00021", "00031", "00012", "00022", "00032", "00013", "00023", "00033"};

    choose(w, "10", "3", true);
    w.Command2()->click();
    QCOMPARE(msgs.boxes.size(), 0);
    QStringList nrs = column(w.ListView1(), 0);
    QCOMPARE(nrs.size(), 10);
    QCOMPARE(nrs.mid(0, 9), eerste9);
    QCOMPARE(nrs[9], QStringLiteral("00034"));   // most match points among the numbers 4
    QCOMPARE(w.Label5()->text(), QStringLiteral(" 10"));
    QCOMPARE(w.Label4()->text(), QStringLiteral(" 2"));
    QCOMPARE(w.Label6()->text(), QStringLiteral(" 3"));
    QCOMPARE(w.Label7()->text(), QStringLiteral(" 4"));
    QVERIFY(!w.Command2()->isEnabled());
    QCOMPARE(column(w.ListView1(), 1)[0], QStringLiteral("Speler11"));
    QCOMPARE(column(w.ListView1(), 2)[0], QStringLiteral("V.1"));
    QCOMPARE(column(w.ListView1(), 3)[0], QStringLiteral("25"));
    QCOMPARE(column(w.ListView1(), 4)[0], QStringLiteral("1.00"));
    QMap<QString, int> perPoule;
    for (const QString& p : column(w.ListView1(), 5))
        ++perPoule[p];
    QCOMPARE(perPoule.keys(), (QStringList{"1", "2", "3"}));
    QCOMPARE(perPoule["1"], 4);
    QCOMPARE(perPoule["2"], 3);
    QCOMPARE(perPoule["3"], 3);

    w.Command4()->click();
    QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
    QCOMPARE(w.Label5()->text(), QString());
    QVERIFY(w.Command2()->isEnabled());
    choose(w, "10", "3", false);
    w.Command2()->click();
    nrs = column(w.ListView1(), 0);
    QCOMPARE(nrs[9], QStringLiteral("00024"));   // highest moyenne among the numbers 4

    // the number of poules only: R typed gives the winners in poule order
    w.Command4()->click();
    choose(w, "3", "1");
    w.Command2()->click();
    QCOMPARE(column(w.ListView1(), 0), (QStringList{"00011", "00021", "00031"}));
    QCOMPARE(column(w.ListView1(), 5), (QStringList{"1", "1", "1"}));
}

void TestRoundsAuto::tickBoxesFourFourThree()
{
    buildRound1(m_fx->builder(), {4, 4, 3});
    m_fx->load();
    platform::ScriptedMessages msgs;
    frmAutoKoppel w;
    QCOMPARE(w.SpelersPerPoule(), (std::vector<int>{4, 4, 3}));
    w.Option2(1)->setChecked(true);
    for (int i = 0; i < 3; ++i)
        w.Check2(i)->setChecked(true);
    QCOMPARE(w.Check2(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    w.Option1(1)->setChecked(true);
    w.Text3()->setText(QStringLiteral("4"));
    w.Command2()->click();
    QCOMPARE(msgs.boxes.size(), 0);
    const QStringList nrs = column(w.ListView1(), 0);
    QCOMPARE(nrs.size(), 11);
    QCOMPARE(nrs.mid(9), (QStringList{"00024", "00014"}));   // ranked: equal MP, higher moyenne first
    QCOMPARE(w.Label5()->text(), QStringLiteral(" 11"));
    QCOMPARE(w.Label6()->text(), QStringLiteral(" 3"));
    QCOMPARE(w.Label7()->text(), QStringLiteral(" 4"));
}

void TestRoundsAuto::inputMessagesLeaveListEmpty()
{
    buildRound1(m_fx->builder(), {4, 4, 3});
    m_fx->load();
    platform::ScriptedMessages msgs;
    frmAutoKoppel w;
    w.Option2(1)->setChecked(true);
    w.Check2(1)->setChecked(true);
    w.Text2()->setText(QStringLiteral("2"));
    w.Command2()->click();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("U kunt bij deze keuze geen selectie overslaan !"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbExclamation);
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Let op!"));
    QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
    QVERIFY(w.Command2()->isEnabled());

    choose(w, "7", "4");
    w.Command2()->click();
    QCOMPARE(msgs.boxes.size(), 2);
    QCOMPARE(msgs.boxes[1].prompt, QStringLiteral("Met dit aantal poules kunnen niet alle poules met minimaal 2 "
                                                  "spelers gevuld worden !\r\nVerlaag het aantal poules !"));
    QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
    choose(w, "12", "4");
    w.Command2()->click();
    QCOMPARE(msgs.boxes[2].prompt, QStringLiteral("Dit aantal is meer dan er spelers hebben gespeeld in de vorige "
                                                  "ronde!\r\n(dat zijn er namelijk  11 )"));
    QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
    // Text1 takes digits only
    w.Text1()->clear();
    QTest::keyClicks(w.Text1(), QStringLiteral("1a2"));
    QCOMPARE(w.Text1()->text(), QStringLiteral("12"));
    // a missing results file ends the action
    QVERIFY(QFile::remove(PadUitslag()));
    choose(w, "7", "3");
    w.Command2()->click();
    QCOMPARE(msgs.boxes.size(), 4);
    QVERIFY(msgs.boxes[3].prompt.startsWith(QStringLiteral("Uitslagenbestand niet gevonden !")));
    QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
}

void TestRoundsAuto::commitStoresRowsAsShown()
{
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    auto& b = m_fx->builder();
    buildRound1(b, {4, 4, 4});
    // Speler12 carries an interim adjustment of round 1: 1.2345 shown as 1,23
    for (auto& s : b.spelers)
        if (s.nummer == 12) {
            s.aangepasteMoyenne = fx(1.2345);
            s.aangepastTeMakenCar = 30;
        }
    b.addPlayer(99, "Nieuw", "N.", 2, 1, fx(1.0));   // entered through Poulebeheer
    m_fx->load();
    platform::ScriptedMessages msgs;
    m_hoofd->toggleMenuWindow(QStringLiteral("mnuRondebeheerRandom"));
    auto* w = qobject_cast<frmAutoKoppel*>(m_hoofd->menuWindow(QStringLiteral("mnuRondebeheerRandom")));
    QVERIFY(w);
    choose(*w, "6", "2");
    w->Command2()->click();
    QCOMPARE(w->ListView1()->topLevelItemCount(), 6);
    // sort on the name, descending numbers first to make the order differ
    for (int i = 0; i < w->ListView1()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* it = w->ListView1()->topLevelItem(i);
        it->setText(1, QStringLiteral("Z%1").arg(9 - i));
    }
    w->ListView1_ColumnClick(1);
    const QStringList nrs = column(w->ListView1(), 0);
    const QStringList poules = column(w->ListView1(), 5);
    const QStringList moys = column(w->ListView1(), 4);
    // listed 11, 21, 31, 12, 22, 32 and renamed Z9 .. Z4: the name order reverses it
    QCOMPARE(nrs, (QStringList{"00032", "00022", "00012", "00031", "00021", "00011"}));
    QVERIFY(moys.contains(QStringLiteral("1,23")));
    w->Command3()->click();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Spelers doorgekoppeld !"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Gereed"));
    QTRY_VERIFY(!m_hoofd->menuWindow(QStringLiteral("mnuRondebeheerRandom")));

    const auto s = players();
    QCOMPARE(int(s.size()), 12 + 1 + 6);
    for (int i = 0; i < 6; ++i) {
        const SpelerRec& r = s[size_t(13 + i)];
        QCOMPARE(core::PadNumber5(r.nummer), nrs[i]);
        QCOMPARE(r.ronde, qint16(2));
        QCOMPARE(QString::number(r.poule), poules[i]);
        QCOMPARE(r.naam, QStringLiteral("Z%1").arg(r.naam.mid(1)));
        QCOMPARE(r.aangepastTeMakenCar, qint16(0));
        QCOMPARE(r.aangepasteMoyenne.raw, qint64(0));
        if (r.nummer == 12) {
            QCOMPARE(r.moyenne.raw, qint64(12300));
            QCOMPARE(r.teMakenCar, qint16(30));
        } else {
            QCOMPARE(r.moyenne.raw, qint64(10000));
            QCOMPARE(r.teMakenCar, qint16(25));
        }
        QCOMPARE(r.voorletters, QStringLiteral("V.%1").arg(r.nummer % 10));
    }
    QCOMPARE(s[12].nummer, 99);
    QCOMPARE(pouleRec(2), (PouleRec{2, 2, -1, 0}));
    QCOMPARE(AantalPoules, qint16(2));
    // no second automatic carry-over into this round; the manual one still opens
    m_hoofd->toggleMenuWindow(QStringLiteral("mnuRondebeheerRandom"));
    QCOMPARE(msgs.boxes.size(), 2);
    QCOMPARE(msgs.boxes[1].prompt, QStringLiteral("U heeft al gebruik gemaakt van de mogelijkheid\r\nom spelers "
                                                  "automatisch door te koppelen !"));
    QWidget* hand = rounds::OpenDoorkoppelen();
    QVERIFY(hand);
    delete hand;
    QLocale::setDefault(QLocale::c());
}

void TestRoundsAuto::emptyListOnlyBeeps()
{
    buildRound1(m_fx->builder(), {4, 4, 4});
    m_fx->load();
    platform::ScriptedMessages msgs;
    platform::ScopedRecordingPrinter prn;
    platform::ScriptedPrintDialog dlg;
    frmAutoKoppel w;
    w.Command3()->click();
    w.Toolbar1_ButtonClick(QStringLiteral("But04"));
    QCOMPARE(msgs.beeps, 2);
    QCOMPARE(msgs.boxes.size(), 0);
    QCOMPARE(dlg.shown, 0);
    QCOMPARE(prn.rec.ops.size(), 0);
    QCOMPARE(int(players().size()), 12);
    QCOMPARE(pouleRec(2), (PouleRec{2, 1, 0, 0}));
}

void TestRoundsAuto::print_data()
{
    QTest::addColumn<int>("rijen");
    QTest::addColumn<int>("paginas");
    QTest::newRow("49") << 49 << 2;
    QTest::newRow("50") << 50 << 2;
    QTest::newRow("3") << 3 << 1;
}

void TestRoundsAuto::print()
{
    QFETCH(int, rijen);
    QFETCH(int, paginas);
    m_fx->builder().setRound(2, 1);
    m_fx->load();
    platform::ScriptedMessages msgs;
    platform::ScopedRecordingPrinter prn;
    platform::ScriptedPrintDialog dlg;
    frmAutoKoppel w;
    for (int i = 1; i <= rijen; ++i)
        w.ListView1()->addTopLevelItem(rounds::NewListItem(
            {core::PadNumber5(i), QStringLiteral("Naam%1").arg(i), "A.", QString::number(i * 3), "12.34", "1"}));
    w.Toolbar1_ButtonClick(QStringLiteral("But04"));
    QCOMPARE(dlg.shown, 1);
    QCOMPARE(prn.rec.documentsEnded, 1);
    QCOMPARE(msgs.boxes.size(), 0);
    const auto ops = prn.rec.ops;
    int kopjes = 0, laatstePagina = 0;
    QList<int> rowsOnPage(3, 0);
    for (const auto& op : ops) {
        if (op.kind != platform::PrintOp::Text)
            continue;
        laatstePagina = std::max(laatstePagina, op.page);
        if (op.text == QLatin1String("CarNieuw")) {
            ++kopjes;
            QVERIFY(op.bold);
        }
        if (op.text.startsWith(QLatin1String("Naam")) && op.text != QLatin1String("Naam"))
            ++rowsOnPage[op.page];
        if (op.text == QLatin1String("Resultaat automatische doorkoppeling"))
            QVERIFY(op.page >= 1);
    }
    QCOMPARE(laatstePagina, paginas);
    QCOMPARE(kopjes, paginas);
    QCOMPARE(rowsOnPage[1], std::min(rijen, 49));
    QCOMPARE(rowsOnPage[2], std::max(0, rijen - 49));
    // columns: 12 pt on the first page (120 twips a column, bold 132)
    const platform::PrintOp* nr = prn.rec.findText(QStringLiteral("00001"));
    QVERIFY(nr);
    QCOMPARE(nr->x, 7 * 120.0);
    QCOMPARE(prn.rec.findText(QStringLiteral("Nr"))->x, 6 * 132.0);
    const platform::PrintOp* car = prn.rec.findText(QStringLiteral("3"));   // row 1: 3 caramboles, one digit
    QVERIFY(car);
    QCOMPARE(car->x, (60 - 1 - 1) * 120.0);
    const platform::PrintOp* moy = prn.rec.findText(QStringLiteral("12.34"));
    QCOMPARE(moy->x, (79 - 2 - 1) * 120.0);
    QCOMPARE(moy->y, nr->y);
    QCOMPARE(PrintPagina, qint16(paginas));
    if (rijen == 50) {
        // the rows of page 2 stand in the size the page header leaves (10 pt)
        const platform::PrintOp* r50 = prn.rec.findText(QStringLiteral("00050"));
        QCOMPARE(r50->page, 2);
        QCOMPARE(r50->x, 7 * 100.0);
    }
}

QTEST_MAIN(TestRoundsAuto)
#include "test_rounds_auto.moc"

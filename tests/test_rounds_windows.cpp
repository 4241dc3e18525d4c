// The rounds windows: a new round, switching rounds, the manual carry-over,
// and the automatic one (selection by place, the random spread from a fixed
// start, commit and print); opening both carry-over windows from the main
// window, with their refusals.
#include "core/format.h"
#include "rounds/frmAutoKoppel.h"
#include "rounds/frmDoorkoppelen.h"
#include "rounds/frmGaNaarRonde.h"
#include "rounds/frmNieuweRonde.h"
#include "rounds/roundsui.h"
#include "support/rounds_fixture.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace modStootplanner;
using namespace testsupport::roundsenv;
using core::PouleRec;

namespace {

const QString Random = QStringLiteral("mnuRondebeheerRandom");
const QString Koppelen = QStringLiteral("mnuRondebeheerKoppelen");

// "Kies aantal spelers" with a fixed number of poules (Text2), on match points or on moyenne.
void choose(frmAutoKoppel& w, const QString& aantal, const QString& poules, bool mp = true)
{
    w.Option2(0)->setChecked(true);
    w.Text1()->setText(aantal);
    w.Option3(mp ? 0 : 1)->setChecked(true);
    w.Option1(0)->setChecked(true);
    w.Text2()->setText(poules);
}

QString labels(const frmAutoKoppel& w)   // players, round, poules, players per poule
{
    return QStringList{w.Label5()->text(), w.Label4()->text(), w.Label6()->text(), w.Label7()->text()}.join('|');
}

// Both sides: the enabled arrows (left previous, left next, right previous,
// right next), then per side its poule label, list index and the names.
QString sides(frmDoorkoppelen& w)
{
    QString s;
    for (QPushButton* b : {w.Command1(0), w.Command1(1), w.Command5(0), w.Command5(1)})
        s += b->isEnabled() ? '1' : '0';
    return QStringList{s, w.LinkerPouleLabel()->text(), QString::number(w.Combo1()->currentIndex()),
                       joined(w.ListView1(), 1), w.RechterPouleLabel()->text(),
                       QString::number(w.Combo2()->currentIndex()), joined(w.ListView2(), 1)}
        .join('|');
}

} // namespace

class TestRoundsWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<RoundsEnv> m_env;
    frmAutoKoppel* openOn(const std::vector<int>& sizes)
    {
        buildRound1(m_env->builder(), sizes);
        m_env->load();
        return new frmAutoKoppel;
    }

    // Round 1: poule 1 with Jansen (1), Bakker (2), visser (3); poule 2 with
    // de Wit (4), Aalders (5). Round 2 made, one empty poule. Moyennes follow
    // from round 1 with a minimum of 0.50.
    void buildTwoRounds()
    {
        auto& b = m_env->builder();
        b.toernooi.aanpassenPerRonde = core::Ja;
        b.toernooi.perRondeMinimum = fx(0.5);
        b.addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
        b.addPlayer(2, "Bakker", "K.", 1, 1, fx(2.0));
        b.addPlayer(3, "visser", "W.", 1, 1, fx(1.5));
        b.addPlayer(4, "de Wit", "A.", 1, 2, fx(1.0));
        b.addPlayer(5, "Aalders", "R.", 1, 2, fx(0.8));
        // Jansen: 15 in 12 and 15 in 13 innings, the second in poule 2: 30 in 25
        b.addGame(1, 1, 1, 15, 12, 4, 2, 45, 12, 9);
        b.addGame(1, 2, 4, 25, 13, 5, 1, 15, 13, 3);
        b.setRound(1, 2);
        b.setRound(2, 1);
        m_env->load();
    }

private slots:
    void init() { m_env = std::make_unique<RoundsEnv>(); }
    void cleanup() { m_env.reset(); }

    void sameSpreadAtEveryStart()   // first: uses the generator from its start
    {
        // The first result of a run draws from the generator's fixed start:
        // ten players over capacities 4, 3, 3 always land in these poules.
        QCOMPARE(frmAutoKoppel::Randomizer().state(), core::RandomGenerator::StartState);
        std::unique_ptr<frmAutoKoppel> w(openOn({4, 4, 4}));
        choose(*w, "10", "3");
        w->Command2()->click();
        QCOMPARE(joined(w->ListView1(), 5), QStringLiteral("3 2 2 1 1 3 1 3 1 2"));
        w->Command4()->click();   // a further result in the same run continues the sequence
        w->Command2()->click();
        QCOMPARE(joined(w->ListView1(), 5), QStringLiteral("3 3 2 3 1 2 2 1 1 1"));
    }

    void openFromMainWindow()
    {
        const QString eenRonde = "!|Voordat u spelers kunt doorkoppelen,\r\nmoet u een nieuwe ronde aanmaken !";
        const QString andere = "!|U kunt alleen vanuit de laatst aangemaakte ronde spelers doorkoppelen !\r\n"
                               "Kies Menu Rondebeheer > Ga naar andere ronde.";
        // the item; the last and the working round; carried automatically, by hand; records cut off the
        // poules file; the refusal, or none when the window opens
        const struct { QString item; int laatste, huidig; bool automatisch, hand; int kapot; QString melding; } cases[] = {
            {Random, 1, 1, false, false, 0, eenRonde},
            {Random, 2, 1, true, true, 0,
             "!|U heeft al gebruik gemaakt van de mogelijkheid\r\nom spelers automatisch door te koppelen !"},
            {Random, 2, 1, false, true, 0,
             "!|U heeft al spelers handmatig doorgekoppeld !\r\nAutomatisch doorkoppelen is dan niet meer mogelijk !"},
            {Random, 2, 1, false, false, 0, andere},
            {Random, 2, 2, false, false, 0, ""},
            // the newest round's record unreadable: refused, whatever the buffer held
            {Random, 2, 2, false, false, 1, "X|" + MissingFileMessage(FilePoules, CheckForm::PouleChooser)},
            {Koppelen, 1, 1, false, false, 0, eenRonde},
            {Koppelen, 2, 1, false, false, 0, andere},
            {Koppelen, 2, 2, true, false, 0, ""},
        };
        for (const auto& c : cases) {
            m_env = std::make_unique<RoundsEnv>();
            auto& b = m_env->builder();
            b.addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
            b.setRound(qint16(c.laatste), 1);
            b.poules.back().automatischGekoppeld = core::jaNee(c.automatisch);
            b.poules.back().handmatigGekoppeld = core::jaNee(c.hand);
            m_env->load();
            HuidigeRonde = qint16(c.huidig);
            QVERIFY(QFile::resize(PadPoules(), QFileInfo(PadPoules()).size() - 8 * c.kapot));
            mdiHoofd* h = m_env->hoofd;
            QStringList anderen{"mnuRondebeheerNieuw", "mnuRondebeheerGanaar", Koppelen, Random};
            anderen.removeOne(c.item);
            auto state = [&] {   // the window, the item checked, then the others enabled
                QString s = h->menuWindow(c.item) ? h->menuWindow(c.item)->objectName() : QString("-");
                s += h->menuItem(c.item)->isChecked() ? " 1 " : " 0 ";
                for (const QString& a : anderen)
                    s += h->menuItem(a)->isEnabled() ? '1' : '0';
                return s;
            };
            h->toggleMenuWindow(c.item);
            const QString open = c.item == Random ? "frmAutoKoppel 1 000" : "frmDoorkoppelen 1 000";
            QCOMPARE(std::tuple(c.laatste, c.huidig, shown(m_env->msgs), state()),
                     std::tuple(c.laatste, c.huidig, c.melding.isEmpty() ? QStringList() : QStringList{"Let op!|" + c.melding},
                                c.melding.isEmpty() ? open : "- 0 111"));
            if (c.melding.isEmpty())
                h->toggleMenuWindow(c.item);
            QTRY_COMPARE(state(), QStringLiteral("- 0 111"));
        }
    }

    void tenOfThreePoules()
    {
        std::unique_ptr<frmAutoKoppel> w(openOn({4, 4, 4}));
        const QString eerste9 = QStringLiteral("00011 00021 00031 00012 00022 00032 00013 00023 00033");
        choose(*w, "10", "3", true);
        w->Command2()->click();
        QCOMPARE(joined(w->ListView1(), 0), eerste9 + " 00034");   // most match points of the numbers 4
        QCOMPARE(row(w->ListView1(), 0).section('|', 0, 4), QStringLiteral("00011|Speler11|V.1|25|1.00"));
        QCOMPARE(joined(w->ListView1(), 5, true) + labels(*w), QStringLiteral("1 1 1 1 2 2 2 3 3 3 10| 2| 3| 4"));
        QVERIFY(!w->Command2()->isEnabled());
        w->Command4()->click();   // Clear
        QCOMPARE(w->ListView1()->topLevelItemCount(), 0);
        QCOMPARE(labels(*w), QStringLiteral("|||"));
        QVERIFY(w->Command2()->isEnabled());
        choose(*w, "10", "3", false);
        w->Command2()->click();
        QCOMPARE(joined(w->ListView1(), 0), eerste9 + " 00024");   // highest moyenne of the numbers 4
        w->Command4()->click();   // R typed: the winners in poule order, one poule
        choose(*w, "3", "1");
        w->Command2()->click();
        QCOMPARE(joined(w->ListView1(), 0) + ' ' + joined(w->ListView1(), 5), QStringLiteral("00011 00021 00031 1 1 1"));
        QCOMPARE(m_env->msgs.boxes.size(), 0);
    }

    void tickBoxesOverAShortPoule()
    {
        // Poule 3 has one player: every place ticked gives all 9, spread over
        // three poules of at most 4. Moyennes follow from round 1: 75 in 60
        // innings, the minimum without games.
        auto& b = m_env->builder();
        buildRound1(b, {4, 4, 1});
        b.toernooi.aanpassenPerRonde = core::Ja;
        b.toernooi.perRondeMinimum = fx(0.5);
        m_env->load();
        frmAutoKoppel w;
        w.Option2(1)->setChecked(true);
        for (int i = 0; i < 3; ++i)
            w.Check2(i)->setChecked(true);
        // the chosen options stand in red
        QCOMPARE(w.Check2(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(w.Option2(0)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        w.Option1(1)->setChecked(true);
        w.Text3()->setText(QStringLiteral("4"));
        w.Command2()->click();
        QCOMPARE(joined(w.ListView1(), 0), QStringLiteral("00011 00021 00031 00012 00022 00013 00023 00014 00024"));
        QCOMPARE(joined(w.ListView1(), 5, true) + labels(w), QStringLiteral("1 1 1 2 2 2 3 3 3 9| 2| 3| 3"));
        QCOMPARE(row(w.ListView1(), 0).section('|', 3, 4) + ' ' + row(w.ListView1(), 2).section('|', 3, 4),
                 QStringLiteral("30|1.25 15|0.50"));
    }

    void fewerThanAsked()
    {
        // Of 6 asked over 3 poules, with round 1's last players in round 2 already: 4 left give two
        // poules of two, never a poule of one; nobody left gives no poules.
        const struct { int alIn; const char *labels, *poules; } cases[] = {
            {8, " 4| 2| 2| 2", "1 1 2 2"},
            {12, " 0| 2| 0| 0", ""},
        };
        for (const auto& c : cases) {
            m_env = std::make_unique<RoundsEnv>();
            auto& b = m_env->builder();
            buildRound1(b, {4, 4, 4});
            for (int i = 0; i < c.alIn; ++i)
                b.addPlayer(b.spelers[size_t(11 - i)].nummer, "Al", "A.", 2, 1, fx(1.0));
            m_env->load();
            frmAutoKoppel w;
            choose(w, "6", "3");
            w.Command2()->click();
            QCOMPARE(labels(w) + ' ' + joined(w.ListView1(), 5, true), QString(c.labels) + ' ' + c.poules);
            QCOMPARE(m_env->msgs.boxes.size(), 0);
        }
    }

    void refusedChoiceLeavesListEmpty()
    {
        std::unique_ptr<frmAutoKoppel> w(openOn({4, 4, 3}));
        w->Option2(1)->setChecked(true);
        w->Check2(1)->setChecked(true);
        w->Text2()->setText(QStringLiteral("2"));
        w->Command2()->click();
        QCOMPARE(shown(m_env->msgs), QStringList{"Let op!|!|U kunt bij deze keuze geen selectie overslaan !"});
        QCOMPARE(w->ListView1()->topLevelItemCount(), 0);
        QVERIFY(w->Command2()->isEnabled());
        QTest::keyClicks(w->Text1(), QStringLiteral("1a2"));   // digits only
        QCOMPARE(w->Text1()->text(), QStringLiteral("12"));
        QVERIFY(QFile::remove(PadUitslag()));   // a missing results file ends the action
        choose(*w, "7", "3");
        w->Command2()->click();
        QVERIFY(m_env->msgs.boxes.value(1).prompt.startsWith(QStringLiteral("Uitslagenbestand niet gevonden !")));
        QCOMPARE(w->ListView1()->topLevelItemCount(), 0);
    }

    void commitStoresRowsAsShown()
    {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        auto& b = m_env->builder();
        buildRound1(b, {4, 4, 4});
        b.spelers[1].aangepasteMoyenne = fx(1.2345);   // player 12, adjusted in round 1: shown as 1,23
        b.spelers[1].aangepastTeMakenCar = 30;
        b.addPlayer(99, "Nieuw", "N.", 2, 1, fx(1.0));   // entered through Poulebeheer
        m_env->load();
        mdiHoofd* h = m_env->hoofd;
        h->toggleMenuWindow(Random);
        auto* w = qobject_cast<frmAutoKoppel*>(h->menuWindow(Random));
        QVERIFY(w);
        choose(*w, "6", "2");
        w->Command2()->click();
        QTreeWidget* l = w->ListView1();   // listed 11 21 31 12 22 32, renamed Z9 .. Z4, sorted on the name
        for (int i = 0; i < l->topLevelItemCount(); ++i)
            l->topLevelItem(i)->setText(1, QStringLiteral("Z%1").arg(9 - i));
        w->ListView1_ColumnClick(1);
        QCOMPARE(joined(l, 0), QStringLiteral("00032 00022 00012 00031 00021 00011"));
        QStringList rijen;
        for (int i = 0; i < 6; ++i)
            rijen << row(l, i);
        w->Command3()->click();
        QCOMPARE(shown(m_env->msgs), QStringList{"Gereed|i|Spelers doorgekoppeld !"});
        QTRY_VERIFY(!h->menuWindow(Random));
        const auto s = storedPlayers();
        QCOMPARE(int(s.size()), 12 + 1 + 6);
        QCOMPARE(s[12].nummer, 99);
        for (int i = 0; i < 6; ++i) {   // stored in the order and with the texts shown
            const core::SpelerRec& r = s[size_t(13 + i)];
            const QStringList c = rijen[i].split('|');
            QCOMPARE(c[3] + ' ' + c[4], QString(r.nummer == 12 ? "30 1,23" : "25 1,00"));
            QCOMPARE(recText(r), QStringList({QString::number(c[0].toInt()), c[1], c[2], "2", c[5], c[3],
                                              r.nummer == 12 ? "12300" : "10000", "0", "0"}).join('|'));
        }
        QCOMPARE(storedPoule(2), (PouleRec{2, 2, -1, 0}));
        QCOMPARE(AantalPoules, qint16(2));
        Poule = PouleRec{2, 2, 0, 0};   // the flag is read from the file, not from the buffer
        h->toggleMenuWindow(Random);   // no second automatic carry-over; the manual one stays
        QVERIFY(!h->menuWindow(Random));
        QCOMPARE(shown(m_env->msgs).value(1), "Let op!|!|U heeft al gebruik gemaakt van de mogelijkheid\r\n"
                                              "om spelers automatisch door te koppelen !");
        h->toggleMenuWindow(Koppelen);
        QVERIFY(h->menuWindow(Koppelen));
    }

    void emptyListOnlyBeeps()
    {
        std::unique_ptr<frmAutoKoppel> w(openOn({4, 4, 4}));
        platform::ScopedRecordingPrinter prn;
        platform::ScriptedPrintDialog dlg;
        w->Command3()->click();
        w->Toolbar1_ButtonClick(QStringLiteral("But04"));
        QCOMPARE(m_env->msgs.beeps, 2);
        QCOMPARE(m_env->msgs.boxes.size() + dlg.shown + int(prn.rec.ops.size()), 0);
        QCOMPARE(int(storedPlayers().size()), 12);
        QCOMPARE(storedPoule(2), (PouleRec{2, 1, 0, 0}));
    }

    void print()
    {
        // 49 rows a page, on A4 and on Letter with margins of 3/4 inch (printable portrait twips)
        const struct { int rijen; QSizeF papier; } cases[] = {{49, {11338, 16271}}, {50, {11338, 16271}},
                                                              {50, {10080, 13680}}};
        m_env->builder().setRound(2, 1);
        m_env->load();
        for (const auto& c : cases) {
            platform::ScopedRecordingPrinter prn;
            prn.rec.portraitPage = c.papier;
            platform::ScriptedPrintDialog dlg;
            frmAutoKoppel w;
            for (int i = 1; i <= c.rijen; ++i)
                w.ListView1()->addTopLevelItem(rounds::NewListItem({core::PadNumber5(i), QStringLiteral("Naam%1").arg(i),
                                                                    "A.", QString::number(i * 3), "12.34", "1"}));
            w.Toolbar1_ButtonClick(QStringLiteral("But04"));
            // rows and the bold column captions per page
            QList<int> rows(3, 0), kopjes(3, 0);
            for (const auto& op : prn.rec.texts()) {
                QVERIFY(op.page >= 1 && op.page <= 2);
                kopjes[op.page] += op.text == QLatin1String("CarNieuw") && op.bold;
                rows[op.page] += op.text.startsWith(QLatin1String("Naam")) && op.text != QLatin1String("Naam");
            }
            QCOMPARE(std::tuple(c.papier, dlg.shown, prn.rec.documentsEnded, m_env->msgs.boxes.size(), kopjes, rows),
                     std::tuple(c.papier, 1, 1, 0, QList<int>{0, 1, 1}, QList<int>{0, 49, c.rijen - 49}));
            QCOMPARE(PrintPagina, qint16(2));
            // 12 pt on the first page (120 twips a column, bold 132); numbers right-aligned
            const platform::PrintOp* nr = prn.rec.findText(QStringLiteral("00001"));
            QVERIFY(nr);
            QCOMPARE(nr->x, 7 * 120.0);
            QCOMPARE(prn.rec.findText(QStringLiteral("Nr"))->x, 6 * 132.0);
            QCOMPARE(prn.rec.findText(QStringLiteral("3"))->x, (60 - 1 - 1) * 120.0);   // row 1: 3 caramboles
            const platform::PrintOp* moy = prn.rec.findText(QStringLiteral("12.34"));
            QCOMPARE(moy->x, (79 - 2 - 1) * 120.0);
            QCOMPARE(moy->y, nr->y);
            if (c.rijen == 50) {   // page 2 in the size the page header leaves (10 pt)
                const platform::PrintOp* r50 = prn.rec.findText(QStringLiteral("00050"));
                QCOMPARE(r50->page, 2);
                QCOMPARE(r50->x, 7 * 100.0);
            }
        }
    }

    void newRound()
    {
        // made after the last round, even while working in an earlier one
        m_env->builder().toernooi.subtitel = QStringLiteral("Najaar");
        m_env->builder().setRound(3, 2);
        m_env->load();
        HuidigeRonde = 1;
        frmNieuweRonde d;
        QCOMPARE(QStringList({d.Label2()->text(), d.Label4()->text(), d.Label6()->text(), d.Command1()->text()}),
                 QStringList({" 3", " 1", " 4", "Ronde  4 aanmaken"}));
        d.Command1()->click();
        frmNieuweRonde(m_env->hoofd).CreateNextRound();   // a second one right after, still without players
        const QString gemaakt = "Gereed|i|Nieuwe ronde aangemaakt !\r\nU bevindt zich nu in ronde  ";
        QCOMPARE(shown(m_env->msgs), (QStringList{gemaakt + '4', gemaakt + '5'}));
        // eight bytes a record, the record number is the round; the other settings as stored
        auto t = core::readToernooi(PadToernooi());
        QCOMPARE(std::tuple(d.result(), standtest::readFile(PadPoules()).toHex().mid(32), t->laatsteRonde, t->subtitel),
                 std::tuple(int(QDialog::Accepted), QByteArray("0300020000000000" "0400010000000000" "0500010000000000"),
                            qint16(5), QString("Najaar")));
        QCOMPARE(QString("%1 %2 %3 ").arg(Toernooi.laatsteRonde).arg(HuidigeRonde).arg(AantalPoules) +
                     m_env->hoofd->StatusBar1()->panelText(4),
                 QStringLiteral("5 5 1 U bent in toernooironde:  5"));
        frmNieuweRonde().Command2()->click();   // Cancel writes nothing
        QCOMPARE(core::RecordFile<PouleRec>::count(PadPoules()), 5);
        QVERIFY(QFile::remove(PadPoules()));   // neither does a missing poules file
        frmNieuweRonde().CreateNextRound();
        QCOMPARE(m_env->msgs.boxes.value(2).prompt, MissingFileMessage(FilePoules, CheckForm::Closing));
        t = core::readToernooi(PadToernooi());
        QCOMPARE(std::tuple(t->laatsteRonde, QFile::exists(PadPoules())), std::tuple(qint16(5), false));
    }

    void switchRound()
    {
        auto& b = m_env->builder();
        b.addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
        b.setRound(1, 4);
        b.setRound(2, 2);
        m_env->load();
        frmGaNaarRonde c;   // Cancel with a round chosen changes nothing
        c.Combo1()->setCurrentIndex(0);
        c.Command2()->click();
        QCOMPARE(std::tuple(c.result(), HuidigeRonde), std::tuple(int(QDialog::Rejected), qint16(2)));
        frmGaNaarRonde d;
        d.show();
        QCOMPARE(d.Label2()->text() + ' ' + comboText(d.Combo1()), QStringLiteral("2  1| 2#-1"));
        d.Command1()->click();   // nothing chosen: nothing happens
        QVERIFY(d.isVisible() && m_env->msgs.boxes.isEmpty());
        d.Combo1()->setCurrentIndex(1);
        d.Command1()->click();
        QVERIFY(d.isVisible());
        d.Combo1()->setCurrentIndex(0);
        d.Command1()->click();
        QCOMPARE(shown(m_env->msgs), (QStringList{"Let op!|i|U werkt al in de gekozen ronde !",
                                                  "Gereed|i|U bevindt zich nu in ronde  1"}));
        QCOMPARE(std::tuple(d.isVisible(), HuidigeRonde, AantalPoules, core::readToernooi(PadToernooi())->laatsteRonde,
                            m_env->hoofd->StatusBar1()->panelText(4)),
                 std::tuple(false, qint16(1), qint16(4), qint16(2), QString("U bent in toernooironde:  1")));
    }

    void manualLoadAndNavigation()
    {
        buildTwoRounds();
        frmDoorkoppelen w;
        QCOMPARE(w.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral(" Spelers en poules uit ronde   1"));
        QCOMPARE(comboText(w.Combo1()) + ' ' + comboText(w.Combo2()), QStringLiteral(" 1| 2#-1  1#-1"));
        // sorted on the name, case aside; round 1 shows its own target and moyenne
        QCOMPARE(sides(w), QStringLiteral("0100| 1|-1|Bakker Jansen visser| 1|-1|"));
        QCOMPARE(joined(w.ListView1(), 0) + ' ' + row(w.ListView1(), 2), "00002 00001 00003 00003|visser|W.|35|1.50");
        w.Combo1()->setCurrentIndex(0);
        w.Command1(1)->click();
        QCOMPARE(sides(w), QStringLiteral("1000|2|-1|Aalders de Wit| 1|-1|"));   // plain after a step
        QCOMPARE(w.LinkerPoule(), qint16(2));
        QStringList namen;   // sorted on Nr, then Naam; other columns do not sort
        for (int kolom : {0, 2, 1}) {
            w.ListView1_ColumnClick(kolom);
            namen << joined(w.ListView1(), 1);
        }
        QCOMPARE(namen, QStringList({"de Wit Aalders", "de Wit Aalders", "Aalders de Wit"}));
        w.Command1(0)->click();
        QCOMPARE(sides(w), QStringLiteral("0100|1|-1|Bakker Jansen visser| 1|-1|"));
        QCOMPARE(m_env->msgs.boxes.size(), 0);
    }

    void manualCarryAdjusted()
    {
        buildTwoRounds();
        frmDoorkoppelen w;
        checkRow(w.ListView1(), "00001");   // Jansen: 30 in 25 innings
        checkRow(w.ListView1(), "00003");   // visser: no games
        w.Command2()->click();
        QCOMPARE(shown(m_env->msgs), QStringList{"Gereed|i|Speler(s) doorgekoppeld !"});
        const auto s = storedPlayers();
        QCOMPARE(int(s.size()), 7);   // appended in the list's order
        QCOMPARE(recText(s[5]), QStringLiteral("1|Jansen|P.|2|1|29|12000|0|0"));
        QCOMPARE(recText(s[6]), QStringLiteral("3|visser|W.|2|1|15|5000|0|0"));
        QCOMPARE(Speler.nummer, 3);
        QCOMPARE(storedPoule(2), (PouleRec{2, 1, 0, -1}));
        QCOMPARE(joined(w.ListView1(), 1), QStringLiteral("Bakker"));
        QCOMPARE(row(w.ListView2(), 0) + ' ' + row(w.ListView2(), 1),
                 QStringLiteral("00001|Jansen|P.|29|1.20 00003|visser|W.|15|0.50"));
        frmDoorkoppelen w2;   // a new window leaves them out too
        QCOMPARE(joined(w2.ListView1(), 1), QStringLiteral("Bakker"));
    }

    void manualCarryWithoutAdjustment()
    {
        auto& b = m_env->builder();
        b.addPlayer(7, "Smit", "G.", 1, 1, fx(1.0), 25).aangepasteMoyenne = fx(1.4567);
        b.spelers.back().aangepastTeMakenCar = 34;   // an interim adjustment of round 1
        b.addPlayer(8, "Bos", "D.", 1, 1, fx(1.1), 27);
        b.addGame(1, 1, 7, 60, 10, 9, 8, 10, 10, 2);
        b.toernooi.aanpassenPerRonde = core::Ja;
        b.toernooi.carMethode = 2;   // free entry: never adjusted
        b.setRound(2, 1);
        m_env->load();
        frmDoorkoppelen w;
        QCOMPARE(row(w.ListView1(), 1), QStringLiteral("00007|Smit|G.|34|1.45"));
        checkRow(w.ListView1(), "00007");
        w.CarryOverChecked();
        QCOMPARE(recText(storedPlayers().back()), QStringLiteral("7|Smit|G.|2|1|34|14567|0|0"));
    }

    void manualFromLaterRound_data()
    {
        QTest::addColumn<int>("decimalen");
        QTest::addColumn<QString>("nieuw");
        QTest::newRow("2 decimals") << 2 << "1.50 1.23";
        QTest::newRow("3 decimals") << 3 << "1.500 1.234";
    }
    void manualFromLaterRound()
    {
        // From round 2 on, "Moy oud" is the stored moyenne as it stands; "Moy nieuw" is truncated.
        QFETCH(int, decimalen);
        auto& b = m_env->builder();
        b.toernooi.aantalDecimalen = qint16(decimalen);
        b.toernooi.aanpassenPerRonde = core::Nee;
        b.addPlayer(1, "Jansen", "P.", 2, 1, fx(1.2345), 29).aangepastTeMakenCar = 40;
        b.addPlayer(2, "Bakker", "K.", 2, 1, fx(1.5));
        b.setRound(3, 1);
        m_env->load();
        frmDoorkoppelen w;
        QCOMPARE(w.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral(" Spelers en poules uit ronde   2"));
        QCOMPARE(row(w.ListView1(), 0) + ' ' + row(w.ListView1(), 1),
                 QStringLiteral("00002|Bakker|K.|35|1.5 00001|Jansen|P.|29|1.2345"));
        checkRow(w.ListView1(), "00001");
        checkRow(w.ListView1(), "00002");
        w.CarryOverChecked();
        QTEST(joined(w.ListView2(), 4), "nieuw");
        QCOMPARE(recText(storedPlayers().back()), QStringLiteral("1|Jansen|P.|3|1|40|12345|0|0"));
    }

    void manualNothingChecked()
    {
        buildTwoRounds();
        frmDoorkoppelen w;
        checkRow(w.ListView1(), "00001");
        w.Command4()->click();   // "Clear selectie"
        w.Command2()->click();
        QCOMPARE(shown(m_env->msgs), QStringList{"Let op!|!|U moet één of meerdere spelers selecteren in de linker lijst !"});
        QCOMPARE(std::tuple(storedPlayers().size(), storedPoule(2).handmatigGekoppeld), std::tuple(5, 0));
        w.Combo1()->setCurrentIndex(1);   // an emptied left list only beeps
        w.Combo1_Click();
        checkRow(w.ListView1(), "00004");
        checkRow(w.ListView1(), "00005");
        w.CarryOverChecked();
        QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
        w.CarryOverChecked();
        QCOMPARE(std::tuple(m_env->msgs.beeps, storedPlayers().size()), std::tuple(1, 7));
    }

    void manualNewPoule()
    {
        buildTwoRounds();
        frmDoorkoppelen w;
        w.Command6()->click();
        QCOMPARE(std::tuple(storedPoule(2), AantalPoules, comboText(w.Combo2())),
                 std::tuple(PouleRec{2, 2, 0, -1}, qint16(2), QString(" 1| 2#-1")));
        QCOMPARE(sides(w), QStringLiteral("0110| 1|-1|Bakker Jansen visser| 2|-1|"));
        checkRow(w.ListView1(), "00002");   // into the new poule
        w.CarryOverChecked();
        QCOMPARE(std::tuple(storedPlayers().back().poule, sides(w)),
                 std::tuple(qint16(2), QString("0110| 1|-1|Jansen visser| 2|-1|Bakker")));
        w.Command5(0)->click();
        QCOMPARE(sides(w), QStringLiteral("0101| 1|-1|Jansen visser|1|-1|"));
        QCOMPARE(m_env->msgs.boxes.size(), 1);   // the carry-over's own
    }
};

QTEST_MAIN(TestRoundsWindows)
#include "test_rounds_windows.moc"

// The automatic carry-over window, and opening both carry-over windows from
// the main window: refusals, selection by place, the random spread from a
// fixed start, commit and print.
#include "core/format.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "rounds/frmAutoKoppel.h"
#include "rounds/roundsui.h"
#include "support/rounds_fixture.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace modStootplanner;
using namespace testsupport::roundsenv;
using core::PouleRec;

namespace {

const QString Random = QStringLiteral("mnuRondebeheerRandom");
const QString Koppelen = QStringLiteral("mnuRondebeheerKoppelen");

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

} // namespace

class TestRoundsAuto : public QObject {
    Q_OBJECT
    std::unique_ptr<RoundsEnv> m_env;
    frmAutoKoppel* openOn(const std::vector<int>& sizes)
    {
        buildRound1(m_env->builder(), sizes);
        m_env->load();
        return new frmAutoKoppel;
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

    void openFromMainWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("laatste");
        QTest::addColumn<int>("huidig");
        QTest::addColumn<bool>("automatisch");
        QTest::addColumn<bool>("hand");
        QTest::addColumn<int>("kapot");         // records cut off the poules file
        QTest::addColumn<QString>("melding");   // empty: the window opens
        const QString eenRonde = "Voordat u spelers kunt doorkoppelen,\r\nmoet u een nieuwe ronde aanmaken !";
        const QString andere = "U kunt alleen vanuit de laatst aangemaakte ronde spelers doorkoppelen !\r\n"
                               "Kies Menu Rondebeheer > Ga naar andere ronde.";
        QTest::newRow("auto: one round") << Random << 1 << 1 << false << false << 0 << eenRonde;
        QTest::newRow("auto: done, before manual") << Random << 2 << 1 << true << true << 0
            << "U heeft al gebruik gemaakt van de mogelijkheid\r\nom spelers automatisch door te koppelen !";
        QTest::newRow("auto: manual done") << Random << 2 << 1 << false << true << 0
            << "U heeft al spelers handmatig doorgekoppeld !\r\nAutomatisch doorkoppelen is dan niet meer mogelijk !";
        QTest::newRow("auto: other round") << Random << 2 << 1 << false << false << 0 << andere;
        QTest::newRow("auto: opens") << Random << 2 << 2 << false << false << 0 << "";
        // the newest round's record unreadable: refused, whatever the buffer held
        QTest::newRow("auto: poules file damaged") << Random << 2 << 2 << false << false << 1
            << MissingFileMessage(FilePoules, CheckForm::PouleChooser);
        QTest::newRow("manual: one round") << Koppelen << 1 << 1 << false << false << 0 << eenRonde;
        QTest::newRow("manual: other round") << Koppelen << 2 << 1 << false << false << 0 << andere;
        QTest::newRow("manual: opens after automatic") << Koppelen << 2 << 2 << true << false << 0 << "";
    }
    void openFromMainWindow()
    {
        QFETCH(QString, item);
        QFETCH(int, laatste);
        QFETCH(int, huidig);
        QFETCH(bool, automatisch);
        QFETCH(bool, hand);
        QFETCH(int, kapot);
        QFETCH(QString, melding);
        auto& b = m_env->builder();
        b.addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
        b.setRound(qint16(laatste), 1);
        b.poules.back().automatischGekoppeld = core::jaNee(automatisch);
        b.poules.back().handmatigGekoppeld = core::jaNee(hand);
        m_env->load();
        HuidigeRonde = qint16(huidig);
        QVERIFY(QFile::resize(PadPoules(), QFileInfo(PadPoules()).size() - 8 * kapot));
        mdiHoofd* h = m_env->hoofd;
        QStringList anderen{"mnuRondebeheerNieuw", "mnuRondebeheerGanaar", Koppelen, Random};
        anderen.removeOne(item);
        auto state = [&] {   // the item checked, then the others enabled
            QString s = h->menuItem(item)->isChecked() ? "1 " : "0 ";
            for (const QString& a : anderen)
                s += h->menuItem(a)->isEnabled() ? '1' : '0';
            return s;
        };
        h->toggleMenuWindow(item);
        if (!melding.isEmpty()) {
            QVERIFY(!h->menuWindow(item));
            const int icon = kapot ? platform::vbCritical : platform::vbExclamation;
            QCOMPARE(shown(m_env->msgs, 0) + shown(m_env->msgs, 1), boxText("Let op!", icon, melding) + "-");
            QCOMPARE(state(), QStringLiteral("0 111"));
            return;
        }
        QVERIFY(h->menuWindow(item));
        QCOMPARE(h->menuWindow(item)->objectName(), QString(item == Random ? "frmAutoKoppel" : "frmDoorkoppelen"));
        QCOMPARE(m_env->msgs.boxes.size(), 0);
        QCOMPARE(state(), QStringLiteral("1 000"));
        h->toggleMenuWindow(item);
        QTRY_VERIFY(!h->menuWindow(item));
        QCOMPARE(state(), QStringLiteral("0 111"));
    }

    void tenOfThreePoules()
    {
        std::unique_ptr<frmAutoKoppel> w(openOn({4, 4, 4}));
        const QString eerste9 = QStringLiteral("00011 00021 00031 00012 00022 00032 00013 00023 00033");
        choose(*w, "10", "3", true);
        w->Command2()->click();
        QCOMPARE(joined(w->ListView1(), 0), eerste9 + " 00034");   // most match points of the numbers 4
        QCOMPARE(row(w->ListView1(), 0).section('|', 0, 4), QStringLiteral("00011|Speler11|V.1|25|1.00"));
        QCOMPARE(joined(w->ListView1(), 5, true), QStringLiteral("1 1 1 1 2 2 2 3 3 3"));
        QCOMPARE(labels(*w), QStringLiteral(" 10| 2| 3| 4"));
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

    void tickBoxesFourFourThree()
    {
        std::unique_ptr<frmAutoKoppel> w(openOn({4, 4, 3}));
        w->Option2(1)->setChecked(true);
        for (int i = 0; i < 3; ++i)
            w->Check2(i)->setChecked(true);
        // the chosen options stand in red
        QCOMPARE(w->Check2(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(w->Option2(0)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        w->Option1(1)->setChecked(true);
        w->Text3()->setText(QStringLiteral("4"));
        w->Command2()->click();
        const QStringList nrs = column(w->ListView1(), 0);
        QCOMPARE(nrs.size(), 11);
        QCOMPARE(nrs.mid(9), (QStringList{"00014", "00024"}));   // place 4 taken whole, in poule order
        QCOMPARE(labels(*w), QStringLiteral(" 11| 2| 3| 4"));
    }

    void shortPouleFilledUp()
    {
        // Poule 3 has one player: of 9 asked, places 1 to 3 give 7 and place 4
        // the other two, spread over three poules of at most 4. Moyennes follow
        // from round 1: 75 in 60 innings, the minimum without games.
        auto& b = m_env->builder();
        buildRound1(b, {4, 4, 1});
        b.toernooi.aanpassenPerRonde = core::Ja;
        b.toernooi.perRondeMinimum = fx(0.5);
        m_env->load();
        frmAutoKoppel w;
        choose(w, "9", "");
        w.Option1(1)->setChecked(true);
        w.Text3()->setText(QStringLiteral("4"));
        w.Command2()->click();
        QCOMPARE(joined(w.ListView1(), 0), QStringLiteral("00011 00021 00031 00012 00022 00013 00023 00014 00024"));
        QCOMPARE(labels(w), QStringLiteral(" 9| 2| 3| 3"));
        QCOMPARE(joined(w.ListView1(), 5, true), QStringLiteral("1 1 1 2 2 2 3 3 3"));
        QCOMPARE(row(w.ListView1(), 0).section('|', 3, 4) + ' ' + row(w.ListView1(), 2).section('|', 3, 4),
                 QStringLiteral("30|1.25 15|0.50"));
    }

    void fewerThanAsked_data()
    {
        QTest::addColumn<int>("alIn");   // round 1's last players already in round 2
        QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("poules");
        // Of 6 asked over 3 poules only 4 can be listed: two poules of two, never a poule of one.
        QTest::newRow("4 left") << 8 << " 4| 2| 2| 2" << "1 1 2 2";
        QTest::newRow("nobody left") << 12 << " 0| 2| 0| 0" << "";
    }
    void fewerThanAsked()
    {
        QFETCH(int, alIn);
        auto& b = m_env->builder();
        buildRound1(b, {4, 4, 4});
        for (int i = 0; i < alIn; ++i)
            b.addPlayer(b.spelers[size_t(11 - i)].nummer, "Al", "A.", 2, 1, fx(1.0));
        m_env->load();
        frmAutoKoppel w;
        choose(w, "6", "3");
        w.Command2()->click();
        QTEST(labels(w), "labels");
        QTEST(joined(w.ListView1(), 5, true), "poules");
        QCOMPARE(m_env->msgs.boxes.size(), 0);
    }

    void refusedChoiceLeavesListEmpty()
    {
        std::unique_ptr<frmAutoKoppel> w(openOn({4, 4, 3}));
        w->Option2(1)->setChecked(true);
        w->Check2(1)->setChecked(true);
        w->Text2()->setText(QStringLiteral("2"));
        w->Command2()->click();
        QCOMPARE(shown(m_env->msgs, 0),
                 boxText("Let op!", platform::vbExclamation, "U kunt bij deze keuze geen selectie overslaan !"));
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
        QCOMPARE(shown(m_env->msgs, 0), boxText("Gereed", platform::vbInformation, "Spelers doorgekoppeld !"));
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
        QCOMPARE(shown(m_env->msgs, 1), boxText("Let op!", platform::vbExclamation, "U heeft al gebruik gemaakt van "
                                                "de mogelijkheid\r\nom spelers automatisch door te koppelen !"));
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

    void print_data()
    {
        QTest::addColumn<int>("rijen");
        QTest::addColumn<QSizeF>("papier");   // printable portrait area in twips
        QTest::newRow("49") << 49 << QSizeF(11338, 16271);
        QTest::newRow("50") << 50 << QSizeF(11338, 16271);
        QTest::newRow("50 on Letter, margins of 3/4 inch") << 50 << QSizeF(10080, 13680);
    }
    void print()
    {
        QFETCH(int, rijen);
        m_env->builder().setRound(2, 1);
        m_env->load();
        platform::ScopedRecordingPrinter prn;
        QFETCH(QSizeF, papier);
        prn.rec.portraitPage = papier;
        platform::ScriptedPrintDialog dlg;
        frmAutoKoppel w;
        for (int i = 1; i <= rijen; ++i)
            w.ListView1()->addTopLevelItem(rounds::NewListItem(
                {core::PadNumber5(i), QStringLiteral("Naam%1").arg(i), "A.", QString::number(i * 3), "12.34", "1"}));
        w.Toolbar1_ButtonClick(QStringLiteral("But04"));
        QCOMPARE(dlg.shown, 1);
        QCOMPARE(prn.rec.documentsEnded, 1);
        QCOMPARE(m_env->msgs.boxes.size(), 0);
        // 49 rows a page; the bold column captions on every page
        QList<int> rows(3, 0), kopjes(3, 0);
        for (const auto& op : prn.rec.ops) {
            if (op.kind != platform::PrintOp::Text)
                continue;
            QVERIFY(op.page >= 1 && op.page <= 2);
            kopjes[op.page] += op.text == QLatin1String("CarNieuw") && op.bold;
            rows[op.page] += op.text.startsWith(QLatin1String("Naam")) && op.text != QLatin1String("Naam");
        }
        QCOMPARE(kopjes, (QList<int>{0, 1, 1}));
        QCOMPARE(rows, (QList<int>{0, 49, rijen - 49}));
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
        if (rijen == 50) {   // page 2 in the size the page header leaves (10 pt)
            const platform::PrintOp* r50 = prn.rec.findText(QStringLiteral("00050"));
            QCOMPARE(r50->page, 2);
            QCOMPARE(r50->x, 7 * 100.0);
        }
    }
};

QTEST_MAIN(TestRoundsAuto)
#include "test_rounds_auto.moc"

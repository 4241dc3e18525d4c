// Rounds: the carry-over rules (tables compare their inputs with the outcome,
// so a failure names its case), and the windows for a new round, switching
// rounds and carrying players over by hand or automatically.
#include "core/carryover.h"
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

using namespace core;
using namespace modStootplanner;
using namespace testsupport::roundsenv;

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

// The numbers listed, their new poules (sorted unless told), and the labels:
// players, round, poules, players per poule.
QString result(const frmAutoKoppel& w, bool sorted = true)
{
    return joined(w.ListView1(), 0) + '/' + joined(w.ListView1(), 5, sorted) + '/' +
           QStringList{w.Label5()->text(), w.Label4()->text(), w.Label6()->text(), w.Label7()->text()}.join('|');
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

// Standings of a round's poules as "11:9 12 13|21 22": per poule the numbers
// in place order, each with its match points (0 when left out).
std::vector<Standings> stands(const QString& text)
{
    std::vector<Standings> out;
    for (const QString& poule : text.split('|')) {
        Standings s;
        for (const QString& speler : poule.split(' ', Qt::SkipEmptyParts)) {
            StandRij row{};
            row[KolNummer] = Fixed::fromInt(speler.section(':', 0, 0).toInt());
            row[KolMatchPunten] = fx(speler.section(':', 1, 1).toDouble());
            s.rijen.push_back(row);
            s.positie.push_back(qint16(s.rijen.size()));
        }
        out.push_back(s);
    }
    return out;
}

} // namespace

class TestRounds : public QObject {
    Q_OBJECT
    std::unique_ptr<RoundsEnv> m_env;

    // Round 1: poule 1 with Jansen (1), Bakker (2), visser (3); poule 2 with de Wit (4), Aalders (5).
    // Round 2 made, one empty poule. Moyennes follow from round 1 with a minimum of 0.50.
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

    void selectionAndSpread()   // first: draws from the generator's fixed start
    {
        // The first result of a run draws from the generator's fixed start: ten players over capacities
        // 4, 3, 3 always land in these poules; a further result in the same run continues the sequence.
        QCOMPARE(frmAutoKoppel::Randomizer().state(), core::RandomGenerator::StartState);
        buildRound1(m_env->builder(), {4, 4, 4});
        m_env->load();
        frmAutoKoppel w;
        const QString eerste9 = QStringLiteral("00011 00021 00031 00012 00022 00032 00013 00023 00033");
        choose(w, "10", "3");
        w.Command2()->click();   // the number 4 with the most match points
        QCOMPARE(result(w, false), eerste9 + " 00034/3 2 2 1 1 3 1 3 1 2/ 10| 2| 3| 4");
        QCOMPARE(row(w.ListView1(), 0).section('|', 0, 4), QStringLiteral("00011|Speler11|V.1|25|1.00"));
        QVERIFY(!w.Command2()->isEnabled());
        w.Command4()->click();   // Clear
        QCOMPARE(result(w) + QString::number(w.Command2()->isEnabled()), QStringLiteral("//|||1"));
        choose(w, "10", "3", false);
        w.Command2()->click();   // the number 4 with the highest moyenne
        QCOMPARE(result(w, false), eerste9 + " 00024/3 3 2 3 1 2 2 1 1 1/ 10| 2| 3| 4");
        w.Command4()->click();   // R typed: the winners in poule order, one poule
        choose(w, "3", "1");
        w.Command2()->click();
        QCOMPARE(result(w), QStringLiteral("00011 00021 00031/1 1 1/ 3| 2| 1| 3"));
        QCOMPARE(m_env->msgs.boxes.size(), 0);
    }

    void adjustCarriedMoyenne()
    {
        // round 1's caramboles and innings, the minimum, decimals: the stored moyenne (raw) and target
        const struct { int car, beurten; double minimum; int decimalen; qint64 moyenne; int teMaken; } cases[] = {
            {30, 25, 0.5, 2, 12000, 29},        {0, 0, 0.5, 2, 5000, 15},   // no games: the minimum
            {10, 25, 0.5, 2, 5000, 15},         {20, 3, 0, 3, 66660, 138},   // truncated
            {4801, 4001, 0, 2, 12000, 29},   // 1.19995..: four decimals give 1.2000 before the truncation
            {0, 0, 0.555, 2, 5500, 16},         {2000, 1, 0, 2, 20000000, 32767},   // target kept to 16 bits
            {60000, 48000, 0, 2, 12500, 30},   // totals beyond 16 bits
        };
        for (const auto& c : cases) {
            ToernooiRec t = defaultSettings(QStringLiteral("T"));
            t.perRondeMinimum = fx(c.minimum);
            t.aantalDecimalen = qint16(c.decimalen);
            TournamentBuilder b({});
            b.addGame(2, 1, 5, 100, 1, 0, 6, 10, 10, 0);   // another round does not count
            if (c.beurten > 0) {   // split over two games, the player once on each side
                b.addGame(1, 1, 5, qint16(c.car / 2), qint16(c.beurten / 2), 0, 6, 10, 10, 0);
                b.addGame(1, 1, 7, 10, 10, 0, 5, qint16(c.car - c.car / 2), qint16(c.beurten - c.beurten / 2), 0);
            }
            SpelerRec rec = b.addPlayer(5, "", "", 2, 1, Fixed());
            core::adjustCarriedMoyenne(rec, b.uitslagen, 1, t);
            QCOMPARE(std::tuple(c.car, c.minimum, rec.moyenne.raw, int(rec.teMakenCar)),
                     std::tuple(c.car, c.minimum, c.moyenne, c.teMaken));
        }
    }

    void carryOverRecordsPassesOverDuplicates()
    {
        ToernooiRec t = defaultSettings(QStringLiteral("T"));
        t.aanpassenPerRonde = Nee;
        // 3 is in the new round already; 2 listed twice, 99 without a record in round 1
        TournamentBuilder b({});
        for (auto [nr, ronde] : {std::pair(1, 1), {2, 1}, {3, 1}, {3, 2}})
            b.addPlayer(nr, "", "", qint16(ronde), 1, Fixed());
        const auto recs = carryOverRecords(b.spelers, {}, {2, 3, 1, 2, 99}, 1, 2, 2, t);
        QCOMPARE(int(recs.size()), 2);
        QCOMPARE(recs[0].nummer * 10 + recs[0].poule, 22);
        QCOMPARE(recs[1].nummer, 1);
    }

    void plan()
    {
        // The previous round: R = 3 poules of 4, 4 and 3 players, T = 11.
        const QString minR = QStringLiteral(
            "Omdat bij deze keuze in ieder geval alle poulewinnaars doorgekoppeld worden,\r\nmoet u een aantal "
            "spelers invoeren dat minimaal gelijk is aan het aantal poules uit de vorige ronde (nl.  3 )");
        const QString maxT = QStringLiteral("Dit aantal is meer dan er spelers hebben gespeeld in de vorige ronde!\r\n"
                                            "(dat zijn er namelijk  11 )");
        const QString skip = QStringLiteral("U kunt bij deze keuze geen selectie overslaan !");
        const QString teVeel = QStringLiteral("Met dit aantal poules kunnen niet alle poules met minimaal 2 spelers "
                                              "gevuld worden !\r\nVerlaag het aantal poules !");
        // Text1, the tick boxes ("110": 2nd and 3rd; none: "Kies aantal spelers"), Text2, Text3 (none:
        // "Aantal poules vastleggen"); the message and its field, or N P S and the last place taken
        const struct { const char *aantal, *vinkjes, *poules, *max; QString melding; int veld; const char* uitkomst; }
        cases[] = {
            {"", "", "1", "", "U moet bij deze keuze een aantal spelers invoeren !", 1, ""},
            {"2", "", "1", "", minR, 1, ""},          {"12", "", "1", "", maxT, 1, ""},
            {"3", "", "1", "", "", 0, "3 1 3 0"},     {"11", "", "2", "", "", 0, "11 2 6 0"},
            {"", "010", "1", "", skip, 0, ""},        {"", "101", "1", "", skip, 0, ""},
            {"", "000", "1", "", "", 0, "3 1 3 1"},   {"", "111", "2", "", "", 0, "11 2 6 4"},
            {"", "110", "", "4", "", 0, "9 3 3 3"},   {"7", "", "4", "", teVeel, 2, ""},
            {"7", "", "3", "", "", 0, "7 3 3 0"},     {"7", "", "3 poules", "", "", 0, "7 3 3 0"},
            {"7", "", "0.4", "", "U moet bij deze keuze een aantal poules opgeven !", 2, ""},
            {"10", "", "", "4", "", 0, "10 3 4 0"},   {"10", "", "", "2", "", 0, "10 5 2 0"},
            {"10", "", "", "1", "U moet minimaal een aantal van 2 spelers per poule opgeven !", 3, ""},
        };
        for (const auto& c : cases) {
            AutoKeuze k;
            k.kiesAantal = !*c.vinkjes;
            k.aantalSpelers = c.aantal;
            for (int i = 0; c.vinkjes[i]; ++i)
                k.ookPlaats[size_t(i)] = c.vinkjes[i] == '1';
            k.vastAantalPoules = !*c.max;
            k.aantalPoules = c.poules;
            k.maxPerPoule = c.max;
            const AutoPlan p = planAutoCarryOver(k, 3, 11, {4, 4, 3});
            const QString in = QStringList{c.aantal, c.vinkjes, c.poules, c.max}.join('/') + ": ";
            const QString uit = p.ok ? QString("%1 %2 %3 %4").arg(p.N).arg(p.P).arg(p.S).arg(p.hoogstePlaats) : "";
            QCOMPARE(std::tuple(in + p.melding, int(p.veld), uit),
                     std::tuple(in + c.melding, c.veld, QString(c.uitkomst)));
        }
    }

    void strictlyBetter()
    {
        // match points or moyenne; standMoyenne, standSerie, standProcentCar as 0/1; a's mp, moy, serie,
        // %car, %moy against b's 5, 1.5, 6, 80, 90: 1 a better, -1 b better, 0 a tie
        const struct { bool mp; const char* criteria; QList<double> a; int verwacht; } cases[] = {
            {true, "111", {6, 1, 1, 1, 1}, 1},        {true, "111", {5, 1.6, 1, 1, 1}, 1},
            {true, "011", {5, 1.6, 5, 99, 99}, -1},   {true, "001", {5, 9, 9, 81, 1}, 1},
            {true, "000", {5, 9, 9, 99, 89}, -1},     {true, "111", {5, 1.5, 6, 80, 90}, 0},
            {false, "001", {1, 1.5001, 0, 0, 0}, 1},   // the moyenne criterion ignores match points
        };
        auto k = [](const QList<double>& v) {
            return Kandidaat{0, 0, fx(v[0]), fx(v[1]), fx(v[2]), fx(v[3]), fx(v[4])};
        };
        for (const auto& c : cases) {
            ToernooiRec t;
            t.standMoyenne = jaNee(c.criteria[0] == '1');
            t.standSerie = jaNee(c.criteria[1] == '1');
            t.standProcentCar = jaNee(c.criteria[2] == '1');
            const Kandidaat ka = k(c.a), kb = k({5, 1.5, 6, 80, 90});
            const int got = int(core::strictlyBetter(ka, kb, c.mp, t)) - int(core::strictlyBetter(kb, ka, c.mp, t));
            QCOMPARE(std::tuple(c.criteria, c.a, got), std::tuple(c.criteria, c.a, c.verwacht));
        }
    }

    void selectByPlace()
    {
        // normal and match-point standings (none: as the normal ones), N, the last place ticked (0 for
        // "Kies aantal spelers"), the players in the new round already, and the numbers chosen
        const char* vier = "11 12 13 14:1|21 22 23 24:2|31 32 33 34:3";
        const struct { const char *normaal, *mp; int N, hoogste; const char *nieuw, *verwacht; } cases[] = {
            {vier, "", 10, 0, "", "11 21 31 12 22 32 13 23 33 34"},   // place 4 ranked
            {"11 12 13 14|21 22 23 24|31 32 33", "", 11, 4, "", "11 21 31 12 22 32 13 23 33 14 24"},
            {vier, "", 9, 2, "", "11 21 31 12 22 32"},   // the ticks end at the last place
            {"11 12 13|21", "", 4, 0, "", "11 21 12 13"},   // filled past a short poule
            // place 3 ranked on match points: poule 1's MP number 3 (12) is listed, its best left is 13
            {"11 12 13|21 22 23", "11:9 13:8 12:7|21:9 22:8 23:1", 5, 0, "", "11 21 12 22 13"},
            {"5 11|5 21", "", 4, 0, "", "5 21 11"},   // a number in two poules once
            {"11 12|21 22", "", 2, 0, "21", "11 22"},   // the new round's player passed over
            {"11 12", "", 1, 0, "11 12", ""},   // nobody left
        };
        const ToernooiRec t = defaultSettings(QStringLiteral("T"));
        for (const auto& c : cases) {
            std::set<qint32> uit;
            for (const QString& n : QString(c.nieuw).split(' ', Qt::SkipEmptyParts))
                uit.insert(n.toInt());
            QStringList gekozen;
            for (qint32 n :
                 core::selectByPlace(stands(c.normaal), stands(*c.mp ? c.mp : c.normaal), c.N, c.hoogste, true, t, uit))
                gekozen << QString::number(n);
            QCOMPARE(std::tuple(c.normaal, c.N, gekozen.join(' ')), std::tuple(c.normaal, c.N, QString(c.verwacht)));
        }
    }

    void openFromMainWindow()
    {
        const QString eenRonde = "!|Voordat u spelers kunt doorkoppelen,\r\nmoet u een nieuwe ronde aanmaken !";
        const QString andere = "!|U kunt alleen vanuit de laatst aangemaakte ronde spelers doorkoppelen !\r\n"
                               "Kies Menu Rondebeheer > Ga naar andere ronde.";
        // the item; the last and the working round; carried automatically, by hand; records cut off the
        // poules file; the refusal, or the window that opens
        const struct { QString item; int laatste, huidig; bool automatisch, hand; int kapot; QString uitkomst; }
        cases[] = {
            {Random, 1, 1, false, false, 0, eenRonde},
            {Random, 2, 1, true, true, 0,
             "!|U heeft al gebruik gemaakt van de mogelijkheid\r\nom spelers automatisch door te koppelen !"},
            {Random, 2, 1, false, true, 0,
             "!|U heeft al spelers handmatig doorgekoppeld !\r\nAutomatisch doorkoppelen is dan niet meer mogelijk !"},
            {Random, 2, 1, false, false, 0, andere},
            {Random, 2, 2, false, false, 0, "frmAutoKoppel"},
            // the newest round's record unreadable: refused, whatever the buffer held
            {Random, 2, 2, false, false, 1, "X|" + MissingFileMessage(FilePoules, CheckForm::PouleChooser)},
            {Koppelen, 1, 1, false, false, 0, eenRonde},
            {Koppelen, 2, 1, false, false, 0, andere},
            {Koppelen, 2, 2, true, false, 0, "frmDoorkoppelen"},
        };
        for (const auto& c : cases) {
            m_env = std::make_unique<RoundsEnv>();
            auto& b = m_env->builder();
            b.addPlayer(1, "Jansen", "P.", 1, 1, fx(1.0));
            b.setRound(qint16(c.laatste), 1);
            b.poules.back().automatischGekoppeld = jaNee(c.automatisch);
            b.poules.back().handmatigGekoppeld = jaNee(c.hand);
            m_env->load();
            HuidigeRonde = qint16(c.huidig);
            QVERIFY(QFile::resize(PadPoules(), QFileInfo(PadPoules()).size() - 8 * c.kapot));
            mdiHoofd* h = m_env->hoofd;
            auto state = [&] {   // a message or the window, and the group's two other items enabled
                QWidget* w = h->menuWindow(c.item);
                QString s = shown(m_env->msgs).join('/').remove("Let op!|") + (w ? w->objectName() : "");
                for (const char* a : {"mnuRondebeheerNieuw", "mnuRondebeheerGanaar"})
                    s += h->menuItem(a)->isEnabled() ? '1' : '0';
                return s;
            };
            h->toggleMenuWindow(c.item);
            const bool opens = c.uitkomst.startsWith("frm");
            QCOMPARE(std::tuple(c.laatste, c.huidig, state()),
                     std::tuple(c.laatste, c.huidig, c.uitkomst + (opens ? "00" : "11")));
            if (opens)
                h->toggleMenuWindow(c.item);
            QTRY_COMPARE(state(), c.uitkomst.section("frm", 0, 0) + "11");
        }
    }

    void tickBoxesOverAShortPoule()
    {
        // Poule 3 has one player. Moyennes follow from round 1: 75 in 60 innings, the minimum without games.
        auto& b = m_env->builder();
        buildRound1(b, {4, 4, 1});
        b.toernooi.aanpassenPerRonde = core::Ja;
        b.toernooi.perRondeMinimum = fx(0.5);
        m_env->load();
        platform::ScopedRecordingPrinter prn;
        platform::ScriptedPrintDialog dlg;
        frmAutoKoppel w;
        w.Option2(1)->setChecked(true);
        w.Check2(1)->setChecked(true);
        w.Text2()->setText(QStringLiteral("2"));
        w.Command2()->click();
        QCOMPARE(shown(m_env->msgs), QStringList{"Let op!|!|U kunt bij deze keuze geen selectie overslaan !"});
        QCOMPARE(std::tuple(w.ListView1()->topLevelItemCount(), w.Command2()->isEnabled()), std::tuple(0, true));
        w.Command3()->click();   // an empty list: committing and printing only beep
        w.Toolbar1_ButtonClick(QStringLiteral("But04"));
        QCOMPARE(std::tuple(m_env->msgs.beeps, int(m_env->msgs.boxes.size()), dlg.shown, int(prn.rec.ops.size()),
                            int(storedPlayers().size()), storedPoule(2)),
                 std::tuple(2, 1, 0, 0, 9, PouleRec{2, 1, 0, 0}));
        for (int i = 0; i < 3; ++i)   // every place: all 9, over three poules of at most 4
            w.Check2(i)->setChecked(true);
        QCOMPARE(w.Check2(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));   // the chosen options in red
        QCOMPARE(w.Option2(0)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        w.Option1(1)->setChecked(true);
        w.Text3()->setText(QStringLiteral("4"));
        w.Command2()->click();
        QCOMPARE(result(w), "00011 00021 00031 00012 00022 00013 00023 00014 00024/1 1 1 2 2 2 3 3 3/ 9| 2| 3| 3");
        QCOMPARE(row(w.ListView1(), 0).section('|', 3, 4) + ' ' + row(w.ListView1(), 2).section('|', 3, 4),
                 QStringLiteral("30|1.25 15|0.50"));
        w.Command4()->click();
        QTest::keyClicks(w.Text1(), QStringLiteral("1a2"));   // digits only
        QCOMPARE(w.Text1()->text(), QStringLiteral("12"));
        QVERIFY(QFile::remove(PadUitslag()));   // a missing results file ends the action
        choose(w, "7", "3");
        w.Command2()->click();
        QVERIFY(m_env->msgs.boxes.value(1).prompt.startsWith(QStringLiteral("Uitslagenbestand niet gevonden !")));
        QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
    }

    void fewerThanAsked()
    {
        // Of 6 asked over 3 poules, with round 1's last players in round 2 already: 4 left give two
        // poules of two, never a poule of one; nobody left gives no poules.
        const std::pair<int, QString> cases[] = {{8, "00011 00012 00013 00014/1 1 2 2/ 4| 2| 2| 2"},
                                                 {12, "// 0| 2| 0| 0"}};
        for (const auto& [alIn, verwacht] : cases) {
            m_env = std::make_unique<RoundsEnv>();
            auto& b = m_env->builder();
            buildRound1(b, {4, 4, 4});
            for (int i = 0; i < alIn; ++i)
                b.addPlayer(b.spelers[size_t(11 - i)].nummer, "Al", "A.", 2, 1, fx(1.0));
            m_env->load();
            frmAutoKoppel w;
            choose(w, "6", "3");
            w.Command2()->click();
            QCOMPARE(result(w) + QString::number(m_env->msgs.boxes.size()), verwacht + '0');
        }
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
        QStringList rijen, opgeslagen;   // the records of the rows as shown, in their order
        for (int i = 0; i < 6; ++i) {
            const QStringList c = row(l, i).split('|');
            rijen << QStringList{QString::number(c[0].toInt()), c[1], c[2], "2", c[5], c[3],
                                 QString(c[4]).remove(',') + "00", "0", "0"}.join('|');
        }
        for (const QString& r : rijen)   // player 12 keeps his adjusted target and moyenne
            QVERIFY2(r.contains(r.startsWith("12|") ? "|30|12300|" : "|25|10000|"), qPrintable(r));
        w->Command3()->click();
        QCOMPARE(shown(m_env->msgs), QStringList{"Gereed|i|Spelers doorgekoppeld !"});
        QTRY_VERIFY(!h->menuWindow(Random));
        const auto s = storedPlayers();
        for (size_t i = 12; i < s.size(); ++i)
            opgeslagen << recText(s[i]);
        QCOMPARE(opgeslagen, QStringList{"99|Nieuw|N.|2|1|25|10000|0|0"} + rijen);
        QCOMPARE(std::tuple(storedPoule(2), AantalPoules), std::tuple(PouleRec{2, 2, -1, 0}, qint16(2)));
        Poule = PouleRec{2, 2, 0, 0};   // the flag is read from the file, not from the buffer
        h->toggleMenuWindow(Random);   // no second automatic carry-over; the manual one stays
        QVERIFY(!h->menuWindow(Random));
        QCOMPARE(shown(m_env->msgs).value(1), "Let op!|!|U heeft al gebruik gemaakt van de mogelijkheid\r\n"
                                              "om spelers automatisch door te koppelen !");
        h->toggleMenuWindow(Koppelen);
        QVERIFY(h->menuWindow(Koppelen));
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
                w.ListView1()->addTopLevelItem(rounds::NewListItem(
                    {core::PadNumber5(i), QString("Naam%1").arg(i), "A.", QString::number(i * 3), "12.34", "1"}));
            w.Toolbar1_ButtonClick(QStringLiteral("But04"));
            // 49 rows a page (and its caption "Naam"), the captions on every page
            const auto namen = perPage(prn.rec, "Naam"), kopjes = perPage(prn.rec, "CarNieuw");
            QCOMPARE(std::tuple(c.papier, dlg.shown, prn.rec.documentsEnded, m_env->msgs.boxes.size(), PrintPagina,
                                namen.keys(), namen.value(1).size(), namen.value(2).size(), kopjes.value(2).size()),
                     std::tuple(c.papier, 1, 1, 0, qint16(2), QList<int>{1, 2}, 50, c.rijen - 48, 1));
            // numbers right-aligned (row 1: 3 caramboles), the captions bold, read in their own size
            QCOMPARE(lineOf(prn.rec, "00001") + ' ' + lineOf(prn.rec, "Nr"),
                     "8:00001|17:Naam1|44:A.|59:3|77:12.34|99:1 7:Nr|16:Naam|41:Vl|50:CarNieuw|70:MoyNieuw|90:Poule");
            if (c.rijen == 50)   // page 2 in the size the page header leaves (10 pt)
                QCOMPARE(prn.rec.findText("00050")->x, 7 * 100.0);
        }
    }

    void switchAndNewRound()
    {
        auto& b = m_env->builder();
        b.toernooi.subtitel = QStringLiteral("Najaar");
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
        auto state = [this] {
            return QString("%1 %2 %3 ").arg(Toernooi.laatsteRonde).arg(HuidigeRonde).arg(AantalPoules) +
                   m_env->hoofd->StatusBar1()->panelText(4);
        };
        QCOMPARE(std::tuple(d.isVisible(), core::readToernooi(PadToernooi())->laatsteRonde, state()),
                 std::tuple(false, qint16(2), QString("2 1 4 U bent in toernooironde:  1")));

        m_env->msgs.clear();   // a new round is made after the last, even while working in an earlier one
        frmNieuweRonde n;
        QCOMPARE(QStringList({n.Label2()->text(), n.Label4()->text(), n.Label6()->text(), n.Command1()->text()}),
                 QStringList({" 2", " 1", " 3", "Ronde  3 aanmaken"}));
        n.Command1()->click();
        frmNieuweRonde(m_env->hoofd).CreateNextRound();   // a second one right after, still without players
        const QString gemaakt = "Gereed|i|Nieuwe ronde aangemaakt !\r\nU bevindt zich nu in ronde  ";
        QCOMPARE(shown(m_env->msgs), (QStringList{gemaakt + '3', gemaakt + '4'}));
        // eight bytes a record, the record number is the round; the other settings as stored
        auto t = core::readToernooi(PadToernooi());
        QCOMPARE(std::tuple(n.result(), readFile(PadPoules()).toHex().mid(16), t->laatsteRonde, t->subtitel, state()),
                 std::tuple(int(QDialog::Accepted),
                            QByteArray("0200020000000000" "0300010000000000" "0400010000000000"),
                            qint16(4), QString("Najaar"), QString("4 4 1 U bent in toernooironde:  4")));
        frmNieuweRonde().Command2()->click();   // Cancel writes nothing
        QCOMPARE(core::RecordFile<PouleRec>::count(PadPoules()), 4);
        QVERIFY(QFile::remove(PadPoules()));   // neither does a missing poules file
        frmNieuweRonde().CreateNextRound();
        QCOMPARE(m_env->msgs.boxes.value(2).prompt, MissingFileMessage(FilePoules, CheckForm::Closing));
        t = core::readToernooi(PadToernooi());
        QCOMPARE(std::tuple(t->laatsteRonde, QFile::exists(PadPoules())), std::tuple(qint16(4), false));
    }

    void manualCarryOver()
    {
        buildTwoRounds();
        frmDoorkoppelen w;
        QCOMPARE(w.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral(" Spelers en poules uit ronde   1"));
        QCOMPARE(comboText(w.Combo1()) + ' ' + comboText(w.Combo2()), QStringLiteral(" 1| 2#-1  1#-1"));
        // sorted on the name, case aside; round 1 shows its own target and moyenne
        QCOMPARE(sides(w), QStringLiteral("0100| 1|-1|Bakker Jansen visser| 1|-1|"));
        QCOMPARE(joined(w.ListView1(), 0) + ' ' + row(w.ListView1(), 2), "00002 00001 00003 00003|visser|W.|35|1.50");
        checkRow(w.ListView1(), "00001");
        w.Command4()->click();   // "Clear selectie": nothing to carry over
        w.Command2()->click();
        QCOMPARE(shown(m_env->msgs),
                 QStringList{"Let op!|!|U moet één of meerdere spelers selecteren in de linker lijst !"});
        QCOMPARE(std::tuple(int(storedPlayers().size()), storedPoule(2).handmatigGekoppeld), std::tuple(5, 0));
        m_env->msgs.clear();
        checkRow(w.ListView1(), "00001");   // Jansen: 30 in 25 innings
        checkRow(w.ListView1(), "00003");   // visser: no games
        w.Command2()->click();
        QCOMPARE(shown(m_env->msgs), QStringList{"Gereed|i|Speler(s) doorgekoppeld !"});
        const auto s = storedPlayers();   // appended in the list's order
        QCOMPARE(std::tuple(int(s.size()), recText(s.at(5)), recText(s.at(6)), Speler.nummer, storedPoule(2)),
                 std::tuple(7, "1|Jansen|P.|2|1|29|12000|0|0", "3|visser|W.|2|1|15|5000|0|0", 3,
                            PouleRec{2, 1, 0, -1}));
        QCOMPARE(sides(w), QStringLiteral("0100| 1|-1|Bakker| 1|-1|Jansen visser"));
        QCOMPARE(row(w.ListView2(), 0) + ' ' + row(w.ListView2(), 1),
                 QStringLiteral("00001|Jansen|P.|29|1.20 00003|visser|W.|15|0.50"));
        QCOMPARE(joined(frmDoorkoppelen().ListView1(), 1), QStringLiteral("Bakker"));   // a new window leaves them out
        w.Combo1()->setCurrentIndex(0);
        w.Command1(1)->click();
        QCOMPARE(sides(w), QStringLiteral("1000|2|-1|Aalders de Wit| 1|-1|Jansen visser"));   // plain after a step
        QCOMPARE(w.LinkerPoule(), qint16(2));
        QStringList namen;   // sorted on Nr, then Naam; other columns do not sort
        for (int kolom : {0, 2, 1}) {
            w.ListView1_ColumnClick(kolom);
            namen << joined(w.ListView1(), 1);
        }
        QCOMPARE(namen, QStringList({"de Wit Aalders", "de Wit Aalders", "Aalders de Wit"}));
        w.Command6()->click();   // a new poule, shown on the right
        QCOMPARE(std::tuple(storedPoule(2), AantalPoules, comboText(w.Combo2()), sides(w)),
                 std::tuple(PouleRec{2, 2, 0, -1}, qint16(2), " 1| 2#-1", "1010|2|-1|Aalders de Wit| 2|-1|"));
        checkRow(w.ListView1(), "00004");   // the whole of poule 2 into the new poule
        checkRow(w.ListView1(), "00005");
        w.CarryOverChecked();
        QCOMPARE(std::tuple(storedPlayers().back().poule, sides(w)),
                 std::tuple(qint16(2), "1010|2|-1|| 2|-1|Aalders de Wit"));
        w.CarryOverChecked();   // an emptied left list only beeps
        w.Command5(0)->click();
        w.Command1(0)->click();
        QCOMPARE(sides(w), QStringLiteral("0101|1|-1|Bakker|1|-1|Jansen visser"));
        QCOMPARE(std::tuple(m_env->msgs.beeps, m_env->msgs.boxes.size(), int(storedPlayers().size())),
                 std::tuple(1, 2, 9));
    }

    void manualCarryKeepsStoredFigures()
    {
        // Free entry of targets (method 2) never adjusts: round 1's interim adjustment goes through. From
        // round 2 on, "Moy oud" is the stored moyenne as it stands; "Moy nieuw" is truncated.
        const struct { int ronde, carMethode, decimalen; const char *links, *rechts, *opgeslagen; } cases[] = {
            {1, 2, 2, "00001|Jansen|P.|34|1.45", "34|1.45", "1|Jansen|P.|2|1|34|14567|0|0"},
            {2, 1, 2, "00001|Jansen|P.|29|1.2345", "40|1.23", "1|Jansen|P.|3|1|40|12345|0|0"},
            {2, 1, 3, "00001|Jansen|P.|29|1.2345", "40|1.234", "1|Jansen|P.|3|1|40|12345|0|0"},
        };
        for (const auto& c : cases) {
            m_env = std::make_unique<RoundsEnv>();
            auto& b = m_env->builder();
            b.toernooi.aantalDecimalen = qint16(c.decimalen);
            b.toernooi.aanpassenPerRonde = jaNee(c.ronde == 1);
            b.toernooi.carMethode = qint16(c.carMethode);
            b.addPlayer(1, "Jansen", "P.", qint16(c.ronde), 1, fx(c.ronde == 1 ? 1.0 : 1.2345), 29);
            b.spelers.back().aangepastTeMakenCar = c.ronde == 1 ? 34 : 40;
            if (c.ronde == 1)
                b.spelers.back().aangepasteMoyenne = fx(1.4567);
            b.addPlayer(2, "Bakker", "K.", qint16(c.ronde), 1, fx(1.5));
            b.addGame(qint16(c.ronde), 1, 1, 60, 10, 9, 2, 10, 10, 2);
            b.setRound(qint16(c.ronde + 1), 1);
            m_env->load();
            frmDoorkoppelen w;
            checkRow(w.ListView1(), "00001");
            const QString title = w.findChild<QGroupBox*>("Frame1")->title(), links = row(w.ListView1(), 1);
            w.CarryOverChecked();
            QCOMPARE(std::tuple(c.ronde, c.decimalen, title, links, row(w.ListView2(), 0).section('|', 3),
                                recText(storedPlayers().back())),
                     std::tuple(c.ronde, c.decimalen, " Spelers en poules uit ronde   " + QString::number(c.ronde),
                                c.links, c.rechts, c.opgeslagen));
        }
    }
};

QTEST_MAIN(TestRounds)
#include "test_rounds.moc"

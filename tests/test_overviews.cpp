// The cross table and the player overview: their rules, the windows with their
// print-outs (sheets, still-to-play list, overview), and their menu items.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "composition.h"
#include "core/crosstable.h"
#include "core/matrixheads.h"
#include "core/playeroverview.h"
#include "overviews/PrintMatrix.h"
#include "overviews/PrintOvSpeler.h"
#include "overviews/frmMatrix.h"
#include "overviews/frmOvSpeler.h"
#include "platform/formgeometry.h"
#include "platform/picturebox.h"
#include "standings/frmStandTussen.h"
#include "support/standings_fixture.h"
#include "support/tournamentfixture.h"
#include <QtTest>
#include <QtWidgets>

using namespace core;
using namespace modStootplanner;
using platform::PrintOp;
using platform::Px;
using standtest::shown;

namespace {

const Fixed One = Fixed::fromInt(1);
const QSizeF A4(11338, 16271), Letter(10080, 13680);   // printable portrait twips; Letter with 3/4 inch margins

// Player a (stored first) against b, with their result codes and points.
UitslagRec game(int ronde, int poule, qint32 a, int codeA, int ptA, qint32 b, int codeB, int ptB)
{
    UitslagRec u;
    std::tie(u.ronde, u.poule) = std::tuple(qint16(ronde), qint16(poule));
    std::tie(u.speler1.nummer, u.speler1.uitslagCode, u.speler1.punten) = std::tuple(a, qint16(codeA), qint16(ptA));
    std::tie(u.speler2.nummer, u.speler2.uitslagCode, u.speler2.punten) = std::tuple(b, qint16(codeB), qint16(ptB));
    return u;
}

// Row kinds as letters (G game, S subtotal, - separator, T total), or one row's text and sub-items.
QString shape(const std::vector<OverviewRow>& rows)
{
    QString s;
    for (const OverviewRow& r : rows)
        s += QString("GS-T").at(int(r.kind));
    return s;
}
QString line(const OverviewRow& r) { return (QStringList{r.text} + r.sub).join('|'); }

// Player 1 plays round 1 in poule 1 against 2, is in poule 2 of round 2
// without games, and plays round 3 in poule 1 against 4 (stored second).
struct ThreeRounds {
    TournamentBuilder b{QString()};
    QStringList calls;
    ThreeRounds()
    {
        for (int r : {1, 2, 3})
            b.addPlayer(1, "Jansen", "P.J.", qint16(r), qint16(r == 2 ? 2 : 1), Fixed::fromDouble(1.5));
        b.addPlayer(2, "Bakker", "K.", 1, 1, One);
        b.addPlayer(3, "Visser", "W.", 2, 2, One);
        b.addPlayer(4, "de Wit", "A.", 3, 1, One);
        b.addPlayer(5, "Smit", "G.", 2, 2, One);   // never plays
        b.addGame(1, 1, 1, 35, 19, 7, 2, 20, 19, 4, QDate(2026, 9, 7));
        b.addGame(3, 1, 4, 10, 25, 2, 1, 25, 25, 5, QDate(2026, 11, 2));
        b.addGame(4, 1, 1, 35, 10, 9, 4, 1, 10, 1);   // a later round: never listed
        b.setRound(4, 1);
    }
    std::vector<OverviewRow> run(int ronde, bool alle, int decimalen, int poule = 1, qint32 wie = 1)
    {
        calls.clear();
        return buildPlayerOverview({.speler = wie, .huidigeRonde = ronde, .alleRonden = alle, .huidigePoule = poule,
                                    .aantalDecimalen = decimalen, .uitslagen = &b.uitslagen,
                                    .fullName = [](qint32 nr) { return QString("Speler %1").arg(nr); },
                                    .standings = [this](int p, int r) {
                                        calls << QString("%1/%2").arg(p).arg(r);
                                        return computeStandings(b.spelers, b.uitslagen, b.toernooi, p, r, false);
                                    }});
    }
};

template <class W> QString arrows(const W& w)   // "01": previous disabled, next enabled
{
    return QString("%1%2").arg(w.Command1(0)->isEnabled()).arg(w.Command1(1)->isEnabled());
}

// "text@x" of the texts on a page at height y; with `columns`, x as the column in the text's own size (10 twips a
// point, 11 in bold).
QString lineAt(const platform::RecordingPrinter& rec, int page, double y, bool columns = false)
{
    QStringList out;
    for (const PrintOp& o : rec.texts())
        if (o.page == page && o.y == y)
            out << QString("%1@%2").arg(o.text).arg(columns ? o.x / (o.fontSize * (o.bold ? 11 : 10)) + 1 : o.x);
    return out.join('|');
}

// "line:text@column" of the texts up to `lines` lines of `step` twips below `from`,
// at 10 twips a column a point, 11 in bold.
QString below(const platform::RecordingPrinter& rec, const PrintOp* from, int lines, double step)
{
    QStringList out;
    for (const PrintOp& o : rec.texts())
        if (o.page == from->page && o.y > from->y && o.y <= from->y + lines * step)
            out << QString("%1:%2@%3").arg((o.y - from->y) / step).arg(o.text)
                       .arg(o.x / (o.fontSize * (o.bold ? 11 : 10)) + 1);
    return out.join('|');
}

} // namespace

class TestOverviews : public QObject {
    Q_OBJECT
    std::optional<testsupport::TournamentFixture> fx;
    // Poules of round 1 with players Speler01.. numbered from (poule - 1) x 100 + 1.
    void addPoules(const QList<int>& sizes)
    {
        for (int p = 1; p <= sizes.size(); ++p)
            for (int k = 1; k <= sizes[p - 1]; ++k)
                fx->builder().addPlayer((p - 1) * 100 + k, QString("Speler%1").arg(k, 2, 10, QChar('0')), "A.", 1,
                                        qint16(p), One);
        fx->builder().setRound(1, qint16(sizes.size()));
    }
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        ResetContext();
        MeldingTitel = QStringLiteral("Let op!");
        fx.emplace();
    }

    void entriesSortedLikeAListBox()
    {
        TournamentBuilder b{QString()};
        const QList<QPair<QString, QString>> names = {
            {"Visser              ", "W.     "}, {"de Vries", "J.H."}, {"Bakker", ""}, {"Dekker", "A."},
            {"Aalders", "Z."}, {"Abel", "Z."}, {"bakker", ""}, {"Heeren", "B."}, {"H\u00e9bert", "A."}};
        for (int k = 1; k <= names.size(); ++k)   // Aalders in another poule, Abel in another round
            b.addPlayer(k, names[k - 1].first, names[k - 1].second, k == 6 ? 2 : 1, k == 5 ? 2 : 1, One);
        // Case-insensitive, accents with their base letter; equal texts keep file order.
        QStringList texts;
        for (const MatrixEntry& x : matrixPlayers(b.spelers, 1, 1))
            texts << QString("%1=%2").arg(x.text).arg(x.nummer);
        QCOMPARE(texts, QStringList({"Bakker, =3", "bakker, =7", "de Vries, J=2", "Dekker, A=4", "H\u00e9bert, A=9",
                                     "Heeren, B=8", "Visser, W=1"}));
        b.spelers[0].aangepastTeMakenCar = 33;   // the target: the adjusted one in round 1 only; 0 for no player
        b.addPlayer(1, "A", "A", 2, 1, One, 40).aangepastTeMakenCar = 44;
        QCOMPARE(QList<qint16>({matrixTarget(b.spelers, 1, 1), matrixTarget(b.spelers, 1, 2), matrixTarget(b.spelers, 3, 2)}),
                 QList<qint16>({33, 40, 0}));
    }

    void cells()
    {
        const std::vector<MatrixEntry> e = {{"A, A", 10}, {"B, B", 20}, {"C, C", 30}};
        // 10 beat 20, then 20 (stored first) beat 10 with 3 points for the loss; 30 drew with 10.
        std::vector<UitslagRec> u = {game(1, 1, 10, 1, 2, 20, 3, 0), game(1, 1, 20, 1, 12, 10, 3, 3),
                                     game(1, 1, 30, 2, 1, 10, 2, 1),
                                     game(1, 1, 10, 1, 2, 99, 3, 0),   // outsider: nothing
                                     game(1, 2, 20, 1, 2, 30, 3, 0),   // other poule
                                     game(2, 1, 20, 1, 2, 30, 3, 0)};  // other round
        auto codes = [&](bool punten) {
            QStringList out;
            for (const MatrixCell& c : matrixCells(e, u, 1, 1, punten))
                out << QString::number(c.code) + (c.hasPoints ? ":" + c.text() : QString());
            return out.join(' ');
        };
        QCOMPARE(codes(false), QString("0 3 2 1 0 0 2 0 0"));
        QCOMPARE(codes(true), QString("0 3:3 2:1 1:12 0 0 2:1 0 0"));
        // An unknown result code keeps the colour but still writes the points.
        u.push_back(game(1, 1, 10, 0, 5, 20, 7, 6));
        QCOMPARE(codes(true), QString("0 3:5 2:1 1:6 0 0 2:1 0 0"));
        QCOMPARE(matrixPointsOffset(99), 100);   // 9, 10 and 100 are printed by the window's test
    }

    void stillToPlayPairs()
    {
        const std::vector<MatrixEntry> e = {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}};
        const std::vector<UitslagRec> u = {game(1, 1, 2, 1, 2, 1, 3, 0), game(1, 1, 1, 1, 2, 3, 3, 0),
                                           game(1, 2, 1, 1, 2, 4, 3, 0),   // other poule: still open
                                           game(2, 1, 2, 1, 2, 3, 3, 0)};  // other round: still open
        QCOMPARE(stillToPlay(e, &u, 1, 1), std::vector<std::vector<int>>({{3}, {2, 3}, {1, 3}, {0, 1, 2}}));
        QCOMPARE(stillToPlay(e, nullptr, 1, 1)[2], std::vector<int>({0, 1, 3}));
    }

    void overviewOneRound()
    {
        ThreeRounds t;
        const auto rows = t.run(3, false, 2);
        QCOMPARE(shape(rows), QString("GT"));
        // He is the second side: his own figures first, the first side's as opponent.
        QCOMPARE(line(rows[0]),
                 QString(" 3|1|02-11-2026| 2| 25| 25|1.00| 5|71.42|66.66|Speler 4| 0| 10| 25|0.40| 2"));
        // The standings row of the window's poule, its percentages filled.
        QCOMPARE(line(rows[1]), QString(" | |Totaal| 2| 25| 25|1.00| 5|71.42|66.66| | | | | | "));
        QCOMPARE(t.calls, QStringList({"1/3"}));
        // The window's poule decides: in poule 2 he has no row, so no total.
        QCOMPARE(shape(t.run(3, false, 2, 2)), QString("G"));
        // "Incl. voorgaande ronden" in round 1 is the one-round form.
        QCOMPARE(shape(t.run(1, true, 2)), QString("GT"));
    }

    void overviewSeveralRounds()
    {
        ThreeRounds t;
        const auto rows = t.run(3, true, 3);
        // Round 4 lies after the working round; round 2 looks in the poule of his
        // last game (1) and finds no row there, so it has no subtotal.
        QCOMPARE(shape(rows), QString("GS-GS-T"));
        QCOMPARE(t.calls, QStringList({"1/1", "1/2", "1/3"}));
        QCOMPARE(line(rows[1]), QString("||Subtotaal| 2| 35| 19|1.842| 7|100.000|122.806| | | | | | "));
        QCOMPARE(line(rows[2]), QString(" | | | | | | | | | | | | | | | "));
        QCOMPARE(line(rows[4]), QString(" | |Subtotaal| 2| 25| 25|1.000| 5|71.428|66.666| | | | | | "));
        // Summed, the higher run, 60 / 44 = 1.3636 truncated, no percentages.
        QCOMPARE(line(rows[6]), QString("||Totaal| 4| 60| 44|1.363| 7| | | | | | | | "));
        // Without games: only the total, with zeros and "n.v.t.".
        QCOMPARE(line(t.run(3, true, 3, 1, 5)[0]), QString("||Totaal| 0| 0| 0|n.v.t.| 0| | | | | | | | "));
    }

    void overviewTruncation()
    {
        const struct { int decimalen; qint64 raw; const char* shown; } cases[] = {   // 0 decimals means 3
            {3, 12349, "1.234"}, {2, 12349, "1.23"}, {2, 9990, "0.99"}, {0, 9999, "0.999"}};
        for (const auto& c : cases) {
            UitslagRec u = game(1, 1, 1, 1, 2, 2, 3, 0);
            u.speler1.moyenne = u.speler2.moyenne = Fixed::fromRaw(c.raw);
            u.speler1.procentCar = Fixed::fromRaw(c.raw * 100);
            const std::vector<UitslagRec> us = {u};
            const auto rows = buildPlayerOverview(
                {.speler = 1, .aantalDecimalen = c.decimalen, .uitslagen = &us, .fullName = {}, .standings = {}});
            QCOMPARE(rows[0].sub[5] + "|" + rows[0].sub[13], QString(c.shown) + "|" + c.shown);
            QCOMPARE(rows[0].sub[7].section('.', 1).size(), QString(c.shown).section('.', 1).size());
        }
        // 29 / 100 is 0.29 exactly; a floating-point product would show 0.28.
        QCOMPARE(overviewMoyenneText(29, 100, 2) + " " + overviewMoyenneText(2, 3, 3), QString("0.29 0.666"));
        // With a Dutch locale the print still finds the integer part before the comma.
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        QCOMPARE(overviewMoyenneText(55, 45, 3), QString("1,222"));
        QCOMPARE(decimalTextDigits("12,345"), 2);
    }

    void matrixPoules()
    {
        addPoules({37, 21, 20, 1, 0});
        fx->load();
        frmMatrix m;
        // Arrows, poule, its caption, players, and the ranges of the bars shown (one step a player).
        const auto bar = [&](QScrollBar* b) { return b->isVisibleTo(&m) ? QString::number(b->maximum()) : "-"; };
        const auto state = [&] {
            return QString("%1 %2%3 %4 %5/%6").arg(arrows(m), m.Label8()->text(), m.Text1()->text())
                .arg(m.AantalInMatrix).arg(bar(m.VScroll1()), bar(m.HScroll1()));
        };
        // The window (its outer size, a frame of 8 x 30 pixels) and the viewport, from twips.
        const auto sizes = [&] { return QList<QSize>({m.size() + QSize(8, 30), m.Picture3()->size()}); };
        const auto twips = [](int w, int h, int vw, int vh) {
            return QList<QSize>({QSize(Px(w), Px(h)), QSize(Px(vw), Px(vh))});
        };
        QCOMPARE(state(), QString("01 1Poule  1 37 17/1"));
        QCOMPARE(sizes(), twips(14400, 9255, 10840, 6040));
        m.VScroll1()->setValue(1);
        m.HScroll1()->setValue(1);
        QCOMPARE(QList<QPoint>({m.Picture5()->pos(), QPoint(m.Frame2()->x(), m.Frame1()->y())}),
                 QList<QPoint>({QPoint(-20, -20), QPoint(-20, -20)}));
        m.Command1_Click(1);
        QCOMPARE(state(), QString("11 2Poule  2 21 1/-"));
        QCOMPARE(sizes(), twips(9900, 9255, 6340, 6040));
        m.Command1_Click(1);   // a poule that needs no bars shows its first row
        QCOMPARE(state(), QString("11 3Poule  3 20 -/-"));
        QCOMPARE(m.Picture5()->pos(), QPoint(0, 0));
        QCOMPARE(sizes(), twips(9100, 9000, 6040, 6040));

        m.Command1_Click(1);   // one player: one black square, no cells; the previous poule's controls gone
        QVERIFY(m.Label1(1) && !m.Label1(2) && !m.Label2(2) && !m.Label3(1).Visible);
        QVERIFY(!m.findChild<QLabel*>("Label2_3"));
        QCOMPARE(sizes(), twips(5200, 5100, 340, 340));
        m.Command1_Click(1);   // empty
        QCOMPARE(state(), QString("10 5Poule  5 0 -/-"));
        QVERIFY(!m.Label1(1));
        {   // No sheet to print: a beep, and neither the dialog nor a report of a print.
            standtest::PrintRun c;
            m.PrintMatrix();
            QCOMPARE(QList<qsizetype>({c.msgs.beeps, c.dialog.shown, c.msgs.boxes.size(), c.pr.rec.ops.size()}),
                     QList<qsizetype>({1, 0, 0, 0}));
        }
        for (int k = 0; k < 4; ++k)
            m.Command1_Click(0);
        QCOMPARE(state() + m.Label2(3)->text(), QString("01 1Poule  1 37 17/1Speler03, A"));
        // A wide name of 20 capitals is written smaller in its column head, but not below 7 pt: beyond that its
        // name gives way, its initial never, whole to the last pixel of its last letter, the whole name in the tool
        // tip; a name that fits at 7 pt is written whole.
        for (const QString& naam : {QStringLiteral("WOUWERMANS-WAGEMAKER, W"), QString(20, 'W') + ", W",
                                    QStringLiteral("Wouwermans-Wagemaker, W")}) {
            const core::MatrixHeads h = overviews::ScreenColumnHeads({{naam, 1}});
            overviews::DrawColumnName(m.Picture4(3), naam, h.texts[0], h.size);
            const double rechts = QFontMetricsF(m.Picture4(3)->font()).boundingRect(h.texts[0]).right();
            QVERIFY2(rechts <= m.Picture4(3)->height() - 16 && m.Picture4(3)->font().pointSizeF() >= 7.0,
                     qPrintable(h.texts[0]));
            QCOMPARE(QStringList({h.texts[0].right(3), m.Picture4(3)->toolTip()}),
                     QStringList({", W", naam[1] == 'o' ? QString() : naam}));
        }

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

    void matrixSheets()
    {
        fx->builder().toernooi.naam = QStringLiteral("Najaar    ");
        addPoules({31});
        fx->load();
        frmMatrix m;
        standtest::PrintRun c;
        c.msgs.queueAnswer(platform::vbNo);
        m.PrintMatrix();
        QCOMPARE(shown(c.msgs), QStringList({"Let op!|i|De matrix wordt uitgeprint op  4 vellen.\r\nWilt u doorgaan ?"}));
        QCOMPARE(c.msgs.boxes[0].buttons(), platform::vbYesNo);
        QCOMPARE(c.pr.rec.ops.size() + c.dialog.shown, 0);

        c.msgs.clear();
        c.msgs.queueAnswer(platform::vbYes);
        m.PrintMatrix();
        QCOMPARE(QList<qsizetype>({c.pr.rec.ofKind(PrintOp::NewPage).size(), c.pr.rec.documentsEnded}),
                 QList<qsizetype>({3, 1}));
        int page = 0;
        for (const char* h : {"1. 1.", "1. 2.", "2. 1.", "2. 2."}) {
            const PrintOp* op = c.pr.rec.findText(QString("Najaar   Blad  ") + h);
            QVERIFY2(op && op->bold && op->fontSize == 12.0, qPrintable(h));
            QCOMPARE(QPointF(op->x, op->y), QPointF(3400, 200));
            QCOMPARE(op->page, ++page);
        }
        // Sheet 1.1 holds 30 column heads, written upwards; sheet 1.2 the 31st column only: 30 cells, one head,
        // 30 not-played outlines besides the legend's 4; sheet 2.2 one black square besides the legend's 3 filled
        // boxes. No pictures: there is no logo, and the heads are text.
        QList<int> count;
        const std::pair<PrintOp::Kind, int> kinds[] = {
            {PrintOp::Text, 1}, {PrintOp::Text, 2}, {PrintOp::Box, 2}, {PrintOp::FilledBox, 4}, {PrintOp::Box, 4}};
        for (const auto& [kind, page] : kinds) {
            const QList<PrintOp> ops = c.pr.rec.ofKind(kind);
            count << int(std::count_if(ops.begin(), ops.end(), [p = page, k = kind](const PrintOp& o) {
                return o.page == p && (k != PrintOp::Text || o.angle == 90);
            }));
        }
        QCOMPARE(count, QList<int>({30, 1, 4 + 30, 3 + 1, 4}));
        QVERIFY(c.pr.rec.ofKind(PrintOp::Picture).isEmpty());
        QList<int> speler31;   // his head on sheet 1.2, his row on sheet 2.1, both on sheet 2.2
        for (const PrintOp& o : c.pr.rec.texts())
            if (o.text == "Speler31, A")
                speler31 << o.page * 100 + o.angle;
        QCOMPARE(speler31, QList<int>({290, 300, 400, 490}));
        QCOMPARE(shown(c.msgs).last(), QString("Gereed|i|Matrix wordt uitgeprint"));
        QCOMPARE(c.pr.rec.texts().first().fontName + " " + QString::number(c.pr.rec.texts().first().orientation),
                 QString("Arial Narrow 2"));
    }

    void matrixCellsAndOneSheet()
    {
        // Targets 9, 10 and 100 (adjusted, round 1) and points 9, 10 and 100 among 30 players: one sheet.
        auto& b = fx->builder();
        b.toernooi.naam = QStringLiteral("Najaar    ");
        b.toernooi.puntenInMatrix = Ja;
        addPoules({27});
        b.addPlayer(91, "Aap", "A.B.", 1, 1, One, 9);
        b.addPlayer(92, "Beer", "B.", 1, 1, One, 10);
        b.addPlayer(93, "Cavia", "C.", 1, 1, One, 90).aangepastTeMakenCar = 100;
        auto& g = b.addGame(1, 1, 91, 9, 10, 1, 92, 5, 10, 1);   // Aap wins
        g.speler1.punten = 9;
        g.speler2.punten = 10;
        b.addGame(1, 1, 93, 9, 10, 1, 92, 5, 10, 1).speler1.punten = 100;
        fx->load();
        frmMatrix m;
        for (int i : {0, 1}) {   // a single poule: both arrows off, and stepping goes nowhere
            m.Command1_Click(i);
            QCOMPARE(arrows(m) + m.Text1()->text(), QString("00Poule  1"));
        }
        QCOMPARE(m.Label2(1)->text() + "|" + m.Label6(1)->text() + "|" + m.Label6(3)->text(), QString("Aap, A|9|100"));
        // Row i, column j is cell (i - 1) x 30 + j.
        const auto cell = [&](int i) { return QString("%1 %2").arg(m.Label3(i).BackColor.name(), m.Label3(i).Caption); };
        QCOMPARE(QStringList({cell(2), cell(31), cell(3)}),
                 QStringList({"#00ff00 9", "#ff0000 10", QApplication::palette().color(QPalette::Button).name() + " "}));
        QVERIFY(m.Label3(31).Visible && !m.Label3(32).Visible);

        standtest::PrintRun c;
        m.PrintMatrix();
        QCOMPARE(QList<qsizetype>({c.msgs.boxes.size(), c.pr.rec.ofKind(PrintOp::NewPage).size()}),
                 QList<qsizetype>({1, 0}));   // no sheet question
        const PrintOp* kop = c.pr.rec.findText("Matrix in poule  1");
        QVERIFY(c.pr.rec.findText("Najaar") && kop && kop->bold);
        QCOMPARE(QPointF(kop->x, kop->y), QPointF(440, 1500 + 230));   // column 5 of bold 10 pt, a line down
        QCOMPARE(c.pr.rec.findText("Car")->x, 31 * 110.0);
        // Row t: name and target a line below t x 275 + 1855, the targets ending in column 35,
        // level with the points at y1 + 10 = t x 275 + 2085, which start at x1 + 175, + 100
        // or + 25 (x1 = u x 400 + 3000 for column u).
        QCOMPARE(QStringList({lineAt(c.pr.rec, 1, 1 * 275 + 2085), lineAt(c.pr.rec, 1, 2 * 275 + 2085),
                              lineAt(c.pr.rec, 1, 3 * 275 + 2085)}),
                 QStringList({"Aap, A@400|9@3400|9@3975", "Beer, B@400|10@3300|10@3500|2@4375",
                              "Cavia, C@400|100@3200|100@3825"}));
        // A coloured cell: an outline and the colour inset by 5 twips.
        const QList<PrintOp> filled = c.pr.rec.ofKind(PrintOp::FilledBox);
        QVERIFY(std::any_of(filled.begin(), filled.end(), [](const PrintOp& o) {
            return QRectF(QPointF(o.x, o.y), QPointF(o.x2, o.y2)) == QRectF(QPointF(3805, 2355), QPointF(4195, 2620))
                   && o.color == platform::vbColor(0xFF00);
        }));

        // Without points in the cells no text; without a results file nothing is played, silently.
        Toernooi.puntenInMatrix = Nee;
        m.FillMatrixCells(1);
        QCOMPARE(m.Label3(2).Caption + QString::number(m.Label3(2).code), QString("1"));
        QFile::remove(PadUitslag());
        m.FillMatrixCells(1);
        QCOMPARE(QList<qsizetype>({m.Label3(2).code, c.msgs.boxes.size()}), QList<qsizetype>({0, 1}));
    }

    void stillToPlayLines()
    {
        addPoules({6});
        for (int tegen : {2, 3, 4, 5, 6})   // Speler01 has met everybody, in either order
            fx->builder().addGame(1, 1, tegen % 2 ? tegen : 1, 10, 10, 1, tegen % 2 ? 1 : tegen, 10, 10, 1);
        fx->load();
        frmMatrix m;
        standtest::PrintRun c;
        m.PrintStillToPlay();
        QCOMPARE(shown(c.msgs), QStringList({"Gereed|i|Lijst wordt uitgeprint"}));
        QCOMPARE(c.pr.rec.findText("Lijstje wie tegen wie in ronde  1 en in poule  1")->orientation,
                 platform::OrientationPortrait);
        // Speler01: his bold line at column 5, then directly the empty line and Speler02,
        // whose four open opponents take one line, at columns 6, 36, 66 and 96; the fourth's name
        // gives way to end on the paper with its initial (wide letters here).
        const PrintOp* a = c.pr.rec.findText("Speler01, A moet nog tegen:");
        QVERIFY(a && a->bold && a->x == 4 * 121.0);
        QCOMPARE(below(c.pr.rec, a, 3, 253),
                 QString("2:Speler02, A moet nog tegen:@5|3:Speler03, A@6|3:Speler04, A@36|3:Speler05, A@66|"
                         "3:Spele, A@96"));
    }

    void stillToPlayPageBreak_data()
    {
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<int>("step");   // twips a line
        QTest::newRow("A4") << A4 << 253;
        // 52 lines of 11 pt below y 2500 would run below the page: they are set in 9 pt.
        QTest::newRow("Letter") << Letter << 9 * 23;
    }

    void stillToPlayPageBreak()
    {
        QFETCH(QSizeF, paper);
        QFETCH(int, step);
        addPoules({20});
        fx->load(false);
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
        QCOMPARE(heads, QStringList({QString("1/%1").arg(2500 + 50 * step), QString("2/%1").arg(2500 + step)}));
        QCOMPARE(QList<qsizetype>({c.pr.rec.ofKind(PrintOp::NewPage).size(), c.pr.rec.documentsEnded}),
                 QList<qsizetype>({2, 1}));   // 20 players of 7 lines on three pages
        QCOMPARE(c.pr.rec.findText("Pagina  2")->page, 2);
    }

    void overviewGamesAndTheirPrint()
    {
        auto& b = fx->builder();
        for (qint16 ronde : {1, 2}) {
            b.addPlayer(1, "Jansen", "P.J.", ronde, 1, Fixed::fromDouble(1.5));
            b.addPlayer(2, "Bakker", "K.", ronde, 1, One);
        }
        b.addGame(1, 1, 1, 30, 20, 7, 2, 25, 20, 4, QDate(2026, 9, 7));
        b.addGame(2, 1, 2, 10, 25, 2, 1, 25, 25, 5, QDate(2026, 11, 2));
        b.setRound(2, 1);
        fx->load();
        frmOvSpeler w;
        // A single poule; its players sorted by name, "Nr" sorting the padded numbers.
        QCOMPARE(arrows(w) + standtest::column(w.ListView1(), 1).join(','), QString("00Bakker,Jansen"));
        w.ListView1_ColumnClick(0);
        w.ListView1_ColumnClick(2);   // "VL" changes nothing
        QCOMPARE(standtest::column(w.ListView1(), 0), QStringList({"00001", "00002"}));
        w.ListView1_ItemClick(w.ListView1()->topLevelItem(0));
        QCOMPARE(QString("%1 %2 %3").arg(w.HuidigeSpeler).arg(w.Label4()->text()).arg(w.ListView2()->topLevelItemCount()),
                 QString("1 P.J. Jansen 2"));
        w.Option1(1)->click();   // empties the game list, keeps the players
        QCOMPARE(QList<qsizetype>({w.ListView2()->topLevelItemCount(), w.Label4()->text().size(),
                                   w.ListView1()->topLevelItemCount()}), QList<qsizetype>({0, 0, 2}));
        standtest::PrintRun c;
        w.Toolbar1_ButtonClick("But03");   // nothing to print: a beep
        QCOMPARE(QList<qsizetype>({c.msgs.beeps, c.dialog.shown}), QList<qsizetype>({1, 0}));
        w.ListView1_ItemClick(w.ListView1()->topLevelItem(0));
        QCOMPARE(standtest::column(w.ListView2(), 2),
                 QStringList({"07-09-2026", "Subtotaal", " ", "02-11-2026", "Subtotaal", " ", "Totaal"}));

        // Printed as shown: bold subtotals, an empty line a separator (the first column of every line).
        QVERIFY(overviews::PrintPlayerOverview(w.Label4()->text(), w.GameRows()));
        const auto step = [&c] { return 23 * c.pr.rec.findText("Rnd")->fontSize; };   // smaller for a wide line
        QCOMPARE(below(c.pr.rec, c.pr.rec.findText("Rnd"), 8, step()).split('|').filter(QRegularExpression("@(9|18)$")),
                 QStringList({"2: 1@9", "3:Subtotaal@18", "5: 2@9", "6:Subtotaal@18", "8:Totaal@18"}));
        // Without games only the total, with "n.v.t." ending where a moyenne ends.
        const std::vector<UitslagRec> geen;
        c.pr.rec.ops.clear();
        QVERIFY(overviews::PrintPlayerOverview("L. Leeg", buildPlayerOverview({.speler = 3, .huidigeRonde = 2,
            .alleRonden = true, .uitslagen = &geen, .fullName = {}, .standings = {}})));
        QCOMPARE(below(c.pr.rec, c.pr.rec.findText("Rnd"), 2, step()),
                 QString("2:Totaal@18|2: 0@33|2: 0@42|2: 0@51|2:n.v.t.@59|2: 0@71"));

        // The print key checks the results file first: its message, and no print.
        QFile::remove(PadUitslag());
        c.msgs.clear();
        c.dialog.shown = 0;
        w.Toolbar1_ButtonClick("But03");
        QCOMPARE(QList<qsizetype>({shown(c.msgs).size(), c.dialog.shown}), QList<qsizetype>({1, 0}));
        QVERIFY(shown(c.msgs)[0].startsWith("Let op!|X|Uitslagenbestand niet gevonden !"));
    }

    void overviewPoules()
    {
        addPoules({2, 1, 3});
        fx->load();
        frmOvSpeler w;
        w.Combo1()->setCurrentIndex(2);
        w.Combo1_Click();
        QString tussen;   // "Stand in gekozen poule": the standings of the window's poule
        QTimer::singleShot(0, &w, [&] {
            auto* t = w.findChild<frmStandTussen*>();
            tussen = t->windowTitle();
            t->reject();
        });
        w.Toolbar1_ButtonClick("But05");
        QCOMPARE(tussen + "|" + standtest::column(w.ListView1(), 1).join(','),
                 QString("Stand in poule  3|Speler01,Speler02,Speler03"));
        // Without the poules file the poule chooser asks to close the tournament, and changes nothing.
        QFile::remove(PadPoules());
        platform::ScriptedMessages msgs;
        w.Combo1()->setCurrentIndex(0);
        w.Combo1_Click();
        QCOMPARE(QList<qsizetype>({shown(msgs).size(), w.HuidigePoule}), QList<qsizetype>({1, 3}));
        QVERIFY(shown(msgs)[0].startsWith("Let op!|X|Poulebestand niet gevonden !"));
        QVERIFY(shown(msgs)[0].endsWith("\r\nSluit het geladen toernooi af !"));
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
        // moyenne forms end in one column. The opponent takes 23 characters at most, his name giving way
        // to his initials.
        QTest::newRow("3 decimals") << 1 << 3 << A4 << 1
            << " 1@9|1@15|01-10-2026@19| 0@35| 30@43| 20@53|1.500@63| 7@75|85.714@84|100.000@96|"
               "Abcdefghijklmn, A.B.C.D@108| 2@139| 25@148| 20@158|1.250@168| 4@180"
            << "Totaal@18| 0@33| 30@41| 20@50|1.500@60| 7@71";
        QTest::newRow("2 decimals") << 1 << 2 << A4 << 1
            << " 1@9|1@15|01-10-2026@19| 0@35| 30@43| 20@53|1.50@64| 7@75|85.71@85|100.00@97|"
               "Abcdefghijklmn, A.B.C.D@108| 2@139| 25@148| 20@158|1.25@169| 4@180"
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
        // Jansen plays `games` games against an opponent with a long name.
        auto& b = fx->builder();
        b.toernooi.aantalDecimalen = qint16(decimalen);
        b.addPlayer(1, "Jansen", "P.J.", 1, 1, Fixed::fromDouble(1.5));
        b.addPlayer(2, "Abcdefghijklmnopqrst", "A.B.C.D", 1, 1, One);
        for (int k = 0; k < games; ++k)
            b.addGame(1, 1, 1, 30, 20, 7, 2, 25, 20, 4);
        fx->load();
        frmOvSpeler w;
        w.ListView1_ItemClick(w.ListView1()->topLevelItem(1));   // Jansen, after the long name
        standtest::PrintRun c;
        c.pr.rec.portraitPage = paper;
        w.Toolbar1_ButtonClick("But03");
        QCOMPARE(QList<qsizetype>({c.dialog.shown, c.pr.rec.documentsEnded, c.pr.rec.ofKind(PrintOp::NewPage).size()}),
                 QList<qsizetype>({1, 1, pages - 1}));
        QCOMPARE(c.pr.rec.findText("Overzicht speler P.J. Jansen")->orientation, platform::OrientationLandscape);
        QCOMPARE(shown(c.msgs), QStringList({"Gereed|i|Overzicht wordt uitgeprint"}));
        // Every page: its header, the bold heading line, an empty line, then at most 33 rows.
        QList<PrintOp> headings;
        for (const PrintOp& op : c.pr.rec.texts())
            if (op.text == QLatin1String("Rnd"))
                headings << op;
        QCOMPARE(headings.size(), pages);
        for (int p = 1; p <= pages; ++p) {
            const PrintOp* kop = c.pr.rec.findText(QStringLiteral("Pagina ") + signedNum(p));
            QVERIFY(kop && kop->page == p && headings[p - 1].page == p);
        }
        QCOMPARE(lineAt(c.pr.rec, pages, headings.last().y, true).section('|', 10, 10), QString("Tegenstander@102"));
        const PrintOp* tot = c.pr.rec.findText("Totaal");
        QCOMPARE(tot->page, pages);
        if (pages == 2 && paper == A4)
            QCOMPARE(QString("%1 %2").arg(tot->y - headings.last().y).arg(PrintRegel),
                     QString("%1 1").arg(2 * 23 * tot->fontSize));   // row 34
        if (!game.isEmpty()) {
            // Game rows in regular type (100 twips a column), total rows bold (110) without percentages.
            QCOMPARE(lineAt(c.pr.rec, 1, c.pr.rec.findText("1")->y, true), game);
            QTEST(lineAt(c.pr.rec, pages, tot->y, true), "total");
        }
    }

    void menuItems()
    {
        fx->builder().addPlayer(1, "Jansen", "P.J.", 1, 1, One);
        fx->load();
        platform::ScriptedMessages msgs;
        mdiHoofd h;
        composition::RegisterMenus(h);
        h.show();
        QAction* speler = h.menuItem("mnuOverzichtenSpeler");
        QCOMPARE(h.menuItem("mnuOverzichtenMatrix")->text() + "|" + speler->text(), QString("Matrix|Overzichten per speler"));
        // Both in the group of the other overviews; the cross table by key But10, without needing the results.
        QFile::remove(PadUitslag());
        h.toolbarKey("But10")->trigger();
        QVERIFY(qobject_cast<frmMatrix*>(h.menuWindow("mnuOverzichtenMatrix")) && !speler->isEnabled());
        QVERIFY(!h.toolbarKey("But09")->isEnabled() && msgs.boxes.isEmpty());
        h.toolbarKey("But10")->trigger();
        QTRY_VERIFY(speler->isEnabled());
        speler->trigger();
        QVERIFY(!h.menuWindow("mnuOverzichtenSpeler"));
        QVERIFY(shown(msgs).value(0).startsWith("Let op!|X|Uitslagenbestand niet gevonden !"));
    }

    // The rules of the column heads, with a length of one unit a character a point: one face for all, half a point
    // smaller at a time as far as the longest name needs, never below 7 pt; beyond that a name gives way before
    // its initial, a blank before the ellipsis trimmed, a comma without an initial dropped with it.
    void matrixHeadRules_data()
    {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<double>("room");
        QTest::addColumn<double>("size");
        QTest::addColumn<QStringList>("texts");
        const QString e(QChar(0x2026));
        QTest::newRow("all fit") << QStringList{"Jansen, P", "Bos, A"} << 100.0 << 8.25
                                 << QStringList{"Jansen, P", "Bos, A"};
        QTest::newRow("half a point smaller") << QStringList{"Vriesland, P", "Bos, A"} << 93.6 << 7.75
                                              << QStringList{"Vriesland, P", "Bos, A"};
        QTest::newRow("the last step to 7 pt") << QStringList{"Vrieslande, P"} << 91.5 << 7.0
                                               << QStringList{"Vrieslande, P"};
        QTest::newRow("one face for all") << QStringList{"Bos, A", "Vrieslande, P"} << 91.5 << 7.0
                                          << QStringList{"Bos, A", "Vrieslande, P"};
        QTest::newRow("the name gives way") << QStringList{"ABCDEFGHIJ, W", "Bos, A"} << 80.0 << 7.0
                                            << QStringList{"ABCDEFG" + e + ", W", "Bos, A"};
        QTest::newRow("no blank before the ellipsis") << QStringList{"VAN DER WIELEN, W"} << 84.0 << 7.0
                                                      << QStringList{"VAN DER" + e + ", W"};
        QTest::newRow("the initial alone") << QStringList{"WIELEN, W"} << 30.0 << 7.0 << QStringList{e + ", W"};
        QTest::newRow("too narrow even so") << QStringList{"WIELEN, W"} << 10.0 << 7.0 << QStringList{e + ", W"};
        QTest::newRow("no initial") << QStringList{"Jansenmulder, "} << 49.0 << 7.0 << QStringList{"Jansen" + e};
        QTest::newRow("no comma") << QStringList{"Jansenmulder"} << 49.0 << 7.0 << QStringList{"Jansen" + e};
        QTest::newRow("a sheet drawn smaller") << QStringList{"Jansen, P"} << 100.0 << 7.0 << QStringList{"Jansen, P"};
    }
    void matrixHeadRules()
    {
        QFETCH(QStringList, namen);
        QFETCH(double, room);
        const double vanaf = QTest::currentDataTag() == QByteArray("a sheet drawn smaller") ? 6.5 : 8.25;
        const core::MatrixHeads h = core::fitMatrixHeads(namen, vanaf, 7, room, [](const QString& t, double s) {
            return t.size() * s;
        });
        QTEST(h.size, "size");
        QTEST(h.texts, "texts");
    }

    // The window's column heads with names of 20 characters in capitals, in mixed case and of ordinary length,
    // measured as drawn: each in the one face of the table, at least 7 pt (the names' 8.25 pt where every name fits),
    // whole or shortened in its name only, its initial kept and the whole name in its tool tip where shortened; its
    // ink within its head, from where it starts (16 pixels above its foot) to below the top edge, within its column
    // and as long as its text. Spoiled heads show that the check finds each fault.
    void matrixHeadsOnScreen_data()
    {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QString>("voorletters");
        QTest::addColumn<double>("face");     // of every head; 0: any of at least 7 pt
        QTest::addColumn<int>("spoil");       // 0: as the window draws them
        QTest::addColumn<QString>("fault");   // what the check finds in the spoiled head
        const QStringList capitals{"VAN DER WIELEN-BOOMS", "WOUWERMANS-WAGEMAKER", "HEEMSKERK-WOLFSWINKE",
                                   "WWWWWWWWWWWWWWWWWWWW", "ÉÉNHOORN-ÖZTÜRK ÂÇÈÑ", "Jansen"};
        QTest::newRow("capitals") << capitals << "W.M.J.H" << 7.0 << 0 << "";
        QTest::newRow("mixed case") << QStringList{"van Wammerwoude-Mees", "Schimmelpenninck-vdW",
                                                   "Heemskerk-Wolfswinke", "de Vries"}
                                    << "A." << 0.0 << 0 << "";
        QTest::newRow("ordinary names") << QStringList{"Jansen", "de Vries", "Bakker", "van den Berg"} << "P.J."
                                        << 8.25 << 0 << "";
        QTest::newRow("spoiled: whole in the names' face") << capitals << "W.M.J.H" << 0.0 << 1 << "cut at the top";
        QTest::newRow("spoiled: the initial cut") << capitals << "W.M.J.H" << 0.0 << 2 << "not the name shortened";
        QTest::newRow("spoiled: 6 pt") << capitals << "W.M.J.H" << 0.0 << 3 << "below 7 pt";
        QTest::newRow("spoiled: no tool tip") << capitals << "W.M.J.H" << 0.0 << 4 << "tool tip";
        QTest::newRow("spoiled: another text") << capitals << "W.M.J.H" << 0.0 << 5 << "ink of another length";
    }
    void matrixHeadsOnScreen()
    {
        QFETCH(QStringList, namen);
        QFETCH(QString, voorletters);
        QFETCH(double, face);
        QFETCH(int, spoil);
        for (int k = 0; k < namen.size(); ++k)
            fx->builder().addPlayer(k + 1, namen[k], voorletters, 1, 1, One);
        fx->load();
        frmMatrix m;
        const QString e(QChar(0x2026));
        const auto faults = [&](const platform::PictureBox* kop, const QString& whole) {
            QStringList f;
            const QString tekst = kop->accessibleName();
            if (kop->font().pointSizeF() < 7)
                f << "below 7 pt";
            const QString staart = whole.mid(whole.lastIndexOf(", "));
            const bool kort = tekst != whole;
            if (kort && !(tekst.endsWith(e + staart) && whole.startsWith(tekst.chopped(staart.size() + 1))))
                f << "not the name shortened: " + tekst;
            if (kop->toolTip() != (kort ? whole : QString()))
                f << "tool tip: " + kop->toolTip();
            const QImage img = kop->Image();
            QRect inkt;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (img.pixel(x, y) != qRgb(255, 255, 255))
                        inkt |= QRect(x, y, 1, 1);
            const double lengte = QFontMetricsF(kop->font()).horizontalAdvance(tekst);
            if (inkt.top() <= 0)
                f << "cut at the top";
            if (inkt.left() <= 0 || inkt.right() >= img.width() - 1)
                f << "out of its column";
            if (inkt.bottom() > img.height() - 16)
                f << "below its start";
            if (inkt.height() < 0.85 * lengte || inkt.height() > lengte + 2)
                f << QString("ink of another length: %1 for %2").arg(inkt.height()).arg(lengte);
            return f.join("; ");
        };
        QString spoiled;
        QList<double> faces;
        int kort = 0;
        for (int k = 1; k <= m.AantalInMatrix; ++k) {
            platform::PictureBox* kop = m.Picture4(k);
            const QString whole = m.Entries()[size_t(k - 1)].text;
            if (spoil && whole.startsWith("VAN DER")) {
                const QString kopTekst[] = {whole, whole, "VAN DER WIELEN-BOO" + e, "VAN DER" + e + ", W",
                                            kop->accessibleName(), "VAN" + e + ", W"};
                overviews::DrawColumnName(kop, whole, kopTekst[spoil], QList<double>{0, 8.25, 7, 6, 7, 7}[spoil]);
                if (spoil == 4)
                    kop->setToolTip(QString());
                if (spoil == 5)   // says one text, shows another
                    kop->setAccessibleName(whole.left(15) + e + ", W");
                spoiled = faults(kop, whole);
                continue;
            }
            QVERIFY2(faults(kop, whole).isEmpty(), qPrintable(whole + ": " + faults(kop, whole)));
            faces << kop->font().pointSizeF();
            kort += kop->accessibleName() != whole;
        }
        QTEST(spoiled.section(':', 0, 0).section(';', 0, 0), "fault");
        QVERIFY(std::all_of(faces.begin(), faces.end(), [&](double f) { return f == faces[0]; }));
        if (face > 0)
            QCOMPARE(faces[0], face);
        // Twenty capitals do not fit whole at 7 pt: shortening is tried, not only whole names.
        QVERIFY(kort > 0 || face != 7.0);
    }
};

QTEST_MAIN(TestOverviews)
#include "test_overviews.moc"

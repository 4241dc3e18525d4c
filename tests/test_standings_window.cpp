// The standings window over a small tournament (poule choice, carousel, zoom file, modes, the print and
// export keys), the poule-winners list and the interim standings.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "core/standview.h"
#include "standings/frmHTML.h"
#include "standings/frmStand.h"
#include "standings/frmStandTussen.h"
#include "standings/frmWinnars.h"
#include "standings/menus.h"
#include "standings/modStand.h"
#include "standings/standlist.h"
#include "support/standings_fixture.h"
#include "support/tournamentfixture.h"
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace core;
using namespace modStootplanner;
using platform::ScriptedMessages;
using namespace standtest;

namespace {

// The poule shown: "poule|Label1|Label9|Combo1's index|first name|" and the
// enabled keys, named in this order: prev next van tot start naar modus stop.
QString state(const frmStand& w)
{
    const std::pair<const char*, QWidget*> keys[] = {
        {"prev", w.Command1(0)}, {"next", w.Command1(1)}, {"van", w.Combo2()},         {"tot", w.Combo3()},
        {"start", w.Command3()}, {"naar", w.FrameNaarPoule()}, {"modus", w.FrameModus()}, {"stop", w.Command2()}};
    QStringList on;
    for (const auto& [name, widget] : keys)
        if (widget->isEnabled())
            on << QLatin1String(name);
    return QStringList{QString::number(w.HuidigePoule), w.Label1()->text(), w.Label9()->text(),
                       QString::number(w.Combo1()->currentIndex()), column(w.ListView1(), 1).value(0), on.join(' ')}
        .join('|');
}

const QString AllButPrev = QStringLiteral("next van tot start naar modus");

// "number poule place" per line, e.g. "00004 1 2".
QString numberPoulePlace(const frmWinnars& w)
{
    QStringList out;
    for (const modStand::WinnerLine& l : w.WinnerLines())
        out << l.value(0) + l.value(3) + l.value(4);
    return out.join('|');
}

QString zoomPath() { return ToernooiMap + QStringLiteral("Hulp_size.dat"); }

} // namespace

class TestStandingsWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_prog;
    std::unique_ptr<testsupport::TournamentFixture> m_fx;

    // Round 1: in poule 1 Bakker, Visser, Jansen end level on points and moyenne decides; poule 2 has two
    // players, poule 3 four without games, poule 4 none. Vos plays in poule 1 of round 2, which must not count.
    void load(int poules = 4, int decimalen = 2)
    {
        m_fx = std::make_unique<testsupport::TournamentFixture>();
        auto& b = m_fx->builder();
        b.toernooi.aantalDecimalen = qint16(decimalen);
        const char* namen[] = {"Jansen", "Bakker", "Visser", "Smit", "Bos", "Vos", "Mulder", "de Groot", "Noël"};
        const char* vl[] = {"P.", "K.", "W.", "G.", "D.", "S.", "T.", "A.", "B."};
        const int poule[] = {1, 1, 1, 2, 2, 3, 3, 3, 3};
        for (int i = 0; i < 9; ++i)
            if (poule[i] <= poules)   // moyenne 1: target 25
                b.addPlayer(i + 1, QString::fromUtf8(namen[i]), QLatin1String(vl[i]), 1, qint16(poule[i]),
                            Fixed::fromInt(1));
        b.addGame(1, 1, 1, 25, 20, 6, 2, 18, 20, 7);
        b.addGame(1, 1, 3, 25, 25, 7, 1, 10, 25, 3);
        b.addGame(1, 1, 2, 25, 30, 5, 3, 20, 30, 4);
        if (poules >= 2)
            b.addGame(1, 2, 4, 25, 10, 9, 5, 12, 10, 3);
        b.setRound(1, qint16(poules));
        b.addPlayer(6, QStringLiteral("Vos"), QStringLiteral("S."), 2, 1, Fixed::fromInt(1));
        b.setRound(2, 1);
        m_fx->load();
        HuidigeRonde = 1;
        AantalPoules = qint16(poules);
        ProgrammaMap = m_prog.path() + QLatin1Char('/');
        MeldingTitel = QStringLiteral("Let op!");
    }

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { m_fx.reset(); }

    void browsingPoules()
    {
        load();
        modStand::MatchpuntenModus = true;   // the window starts in normal mode
        PrintRun run;
        ScriptedMessages& msgs = run.msgs;
        frmStand w;
        QVERIFY(!modStand::MatchpuntenModus && !w.Timer1()->isActive());
        // round and poule; 9 seconds, plain until a speed key writes it
        QCOMPARE(QStringList({w.Label6(0)->text(), w.Label8()->text(), w.Combo1()->itemText(3), w.Label2()->text()}),
                 QStringList({"Test toernooi", " 1", " 4", "9"}));
        QCOMPARE(state(w) + '|' + QString::number(w.Combo1()->count()), "1|1|1|0|Bakker|" + AllButPrev + "|4");
        // equal points: Bakker 43/50, Visser 45/55, Jansen 35/45
        QTreeWidget* l = w.ListView1();
        QCOMPARE(std::tuple(l->headerItem()->text(4), joined(l, 0) + ' ' + joined(l, 1), row(l, 0)),
                 std::tuple("Pnt", "1 2 3 Bakker Visser Jansen",
                            "1|Bakker|K.|2|2|43|50|0.86|7|0.83|86.00|86.00|1|0|1"));
        // Bakker and Visser both ran 7: the better-placed one is named
        QCOMPARE(w.Label4()->text() + '|' + w.Label5()->text(), QStringLiteral("Bakker, K.| 7"));

        w.Command1_Click(1);
        QCOMPARE(state(w), "2| 2| 2|-1|Smit|prev " + AllButPrev);
        auto points = [&] {   // the mode, the poule and the points column
            return QStringList{QString::number(modStand::MatchpuntenModus), QString::number(w.HuidigePoule),
                               l->headerItem()->text(4), joined(l, 4)};
        };
        w.Option1_Click(1);   // Smit won his only game: point system 1, 2 for a win, no extra point: 2 / (1 x 2) x 100
        QCOMPARE(points(), QStringList({"1", "2", "MP", "100 0"}));
        w.Option1_Click(0);
        QCOMPARE(points(), QStringList({"0", "2", "Pnt", "2 0"}));
        w.Command1_Click(1);
        w.Command1_Click(1);
        QCOMPARE(state(w), QStringLiteral("4| 4| 4|-1||prev van tot start naar modus"));
        w.Toolbar1_ButtonClick(QStringLiteral("But03"));   // printing an empty list only beeps
        QCOMPARE(std::tuple(msgs.beeps, run.dialog.shown, run.pr.rec.ops.size()), std::tuple(1, 0, 0));
        for (int i = 0; i < 3; ++i)
            w.Command1_Click(0);
        QCOMPARE(state(w), "1| 1| 1|-1|Bakker|" + AllButPrev);
        // from the list: plain digits; no games keeps file order; nobody ran above 0
        w.Combo1()->setCurrentIndex(2);
        w.Combo1_Click();
        QCOMPARE(state(w) + w.Label4()->text() + '|' + w.Label5()->text(), "3|3|3|2|Vos|prev " + AllButPrev + "| 0");
        w.Option2_Click(3);   // the zoom does not change the print: 12 pt, where the line fits on A4 in the real font
        run.pr.rec.fontMetrics = true;
        w.Toolbar1_ButtonClick(QStringLiteral("But03"));
        QCOMPARE(std::tuple(run.dialog.shown, shown(msgs), run.pr.rec.findText("Vos")->fontSize, MeldingTekst),
                 std::tuple(1, QStringList{"Gereed|i|Stand wordt uitgeprint"}, 12.0,
                            QString("Stand in ronde  1 en in poule  3")));
        QVERIFY(run.pr.rec.findText(QStringLiteral("Noël")));
        msgs.clear();
        w.Command1_Click(0);   // poule 2 shown before the carousel starts
        w.Combo2()->setCurrentIndex(1);
        w.Combo3()->setCurrentIndex(1);
        w.Command3_Click();   // an equal range is refused
        QCOMPARE(shown(msgs), QStringList{"Let op!|!|Eindpoule moet groter zijn dan Startpoule!"});
        QCOMPARE(state(w) + QString::number(w.Timer1()->isActive()), "2| 2| 2|-1|Smit|prev " + AllButPrev + '0');
        w.Combo3()->setCurrentIndex(3);   // 2 to 4
        w.Command3_Click();
        QVERIFY(w.Timer1()->isActive());
        QStringList seen;
        for (int i = 0; i < 5; ++i) {
            w.Timer1_Timer();
            seen << state(w);
        }
        QCOMPARE(seen, (QStringList{"2| 2| 2|-1|Smit|stop", "3| 3| 3|-1|Vos|stop", "4| 4| 4|-1||stop",
                                    "2| 2| 2|-1|Smit|stop", "3| 3| 3|-1|Vos|stop"}));
        w.Command2_Click();   // Stop: back to poule 1
        QCOMPARE(state(w) + QString::number(w.Timer1()->isActive()), "1|1|1|-1|Bakker|" + AllButPrev + '0');
        auto speed = [&w] {
            return std::tuple(w.Timer1()->interval(), w.Command4()->isEnabled(), w.Command5()->isEnabled(),
                              w.Label2()->text());
        };
        w.Command5_Click();   // the speed keys
        QCOMPARE(speed(), std::tuple(10000, true, false, " 10"));
        for (int i = 0; i < 9; ++i)
            w.Command4_Click();
        QCOMPARE(speed(), std::tuple(1000, false, true, " 1"));
        QVERIFY(QFile::remove(PadSpelers()));   // a missing players file: reported, the poule stays
        w.Combo1()->setCurrentIndex(1);
        w.Combo1_Click();
        QCOMPARE(msgs.boxes.size(), 2);
        QVERIFY(msgs.boxes[1].prompt.startsWith(QStringLiteral("Spelersbestand niet gevonden !")));
        QCOMPARE(state(w).section('|', 0, 0) + joined(l, 1), QStringLiteral("1Bakker Visser Jansen"));
        load(1);   // one poule: no carousel
        frmStand een;
        QCOMPARE(state(een) + QString::number(een.FrameCarrousel()->isEnabled()), "1|1|1|0|Bakker|naar modus0");
    }

    void zoomFileAndCells()
    {
        const std::pair<const char*, int> read[] = {{" 2 \r\n", 2}, {"   1   \r\n3\r\n", 1}, {"", 0},
                                                    {"\r\n3\r\n", 0}, {" 4 \r\n", 0},       {"2x\r\n", 0}};
        for (const auto& [bytes, index] : read)
            QCOMPARE(std::pair(bytes, parseZoomFile(bytes)), std::pair(bytes, index));
        // 2 and 3 decimals are truncated; any other setting leaves the cell empty
        QStringList cells;
        for (int setting : {2, 3, 0, 1, 4})
            cells << standDecimalText(Fixed::fromRaw(12346), setting);
        QCOMPARE(cells, (QStringList{"1.23", "1.234", "", "", ""}));
        load();
        QVERIFY(!QFile::exists(zoomPath()));
        {
            frmStand w;
            QCOMPARE(readFile(zoomPath()), QByteArray(" 0 \r\n"));   // created at 0
            w.Option2_Click(2);
            QCOMPARE(readFile(zoomPath()).toHex(' '), QByteArray("20 32 20 0d 0a"));
        }
        auto zoom = [](const frmStand& w, int kolom) {
            const QTreeWidget* l = w.ListView1();
            return std::tuple(w.Option2(0)->isChecked(), w.Option2(2)->isChecked(), l->font().pointSize(),
                              l->font().bold(), l->columnWidth(kolom), l->topLevelItemCount());
        };
        // read back: 16 pt bold with its widths, the rows kept
        QCOMPARE(zoom(frmStand(), 9), std::tuple(false, true, 16, true, modStand::Px(1350), 3));
        QVERIFY(writeFile(zoomPath(), "groot\r\n"));
        // an unreadable first line counts as 0, with the 8-pt widths
        QCOMPARE(zoom(frmStand(), 8), std::tuple(true, false, 8, true, modStand::Px(800), 3));
        QCOMPARE(readFile(zoomPath()), QByteArray(" 0 \r\n"));
    }

    void exportKey()
    {
        // The page carries the rows of the poule in its title, taken when the key was pressed:
        // the carousel moves on while the export is open; match points; an empty list.
        const struct { int poule; bool caroussel; const char* namen; } cases[] = {
            {2, true, "Smit, G.|Bos, D."}, {3, false, "Vos, S.|Mulder, T.|de Groot, A.|Noël, B."}, {4, false, ""}};
        for (const auto& c : cases) {
            load();
            ScriptedMessages msgs;
            frmStand w;
            if (c.caroussel) {
                w.Combo3()->setCurrentIndex(3);
                w.Command3_Click();
                while (w.HuidigePoule != c.poule)
                    w.Timer1_Timer();
            } else {
                w.Combo1()->setCurrentIndex(c.poule - 1);
                w.Combo1_Click();
                w.Option1_Click(1);
            }
            QStringList page;
            frmHTML::setSaveDialogHook(
                [&](QWidget*) { page = QString::fromLatin1(readFile(frmHTML::ScratchPath())).split("\r\n"); });
            QTimer::singleShot(0, &w, [&] {
                frmHTML* d = w.findChild<frmHTML*>();
                if (c.caroussel)
                    w.Timer1_Timer();   // the next poule comes on screen behind the export window
                d->WriteStandingsHtml();
                d->reject();
            });
            w.Toolbar1_ButtonClick(QStringLiteral("But04"));
            frmHTML::setSaveDialogHook({});
            const QString titel = QStringLiteral("Stand in Ronde  1 en in Poule  %1").arg(c.poule) +
                                  (c.caroussel ? "" : " op basis van MatchPunten");
            QStringList namen;
            for (const QString& l : page)
                if (l.startsWith(QLatin1String("<td align=left>")))
                    namen << l.section('>', 2).chopped(5);
            QCOMPARE(std::tuple(modStand::StandHtmlTitel, page.value(5), namen.join('|'), page.size(),
                                msgs.boxes.size()),
                     std::tuple(titel, "<td align=center colspan=10><font size=4 font color =><b>" + titel +
                                           "</b></font></td>",
                                QString(c.namen), 25 + 16 * namen.size() + 5, 0));
        }
    }

    void openedFromTheMainWindow()
    {
        load();
        QVERIFY(QFile::remove(PadUitslag()));
        ScriptedMessages msgs;
        mdiHoofd h;
        registerStandingsMenus(h);
        h.resize(1400, 900);
        h.show();
        // the standings do without results and open at the top left; the winners list needs them
        const QString stand("mnuOverzichtenStand"), winnaars("mnuOverzichtenWinnaars");
        QAction* key = h.toolbarKey(QStringLiteral("But09"));
        QVERIFY(key);
        key->trigger();
        QCOMPARE(std::pair(h.menuWindow(stand)->parentWidget()->pos(), h.menuItem(winnaars)->isEnabled()),
                 std::pair(QPoint(0, 0), false));
        qobject_cast<frmStand*>(h.menuWindow(stand))->Toolbar1_ButtonClick(QStringLiteral("But02"));
        QTRY_VERIFY(!h.menuWindow(stand));
        h.menuItem(winnaars)->trigger();
        QCOMPARE(msgs.boxes.size(), 1);
        QVERIFY(msgs.boxes[0].prompt.startsWith(QStringLiteral("Uitslagenbestand niet gevonden !")));
        QVERIFY(!h.menuWindow(winnaars));
    }

    void winnersList()
    {
        load();
        PrintRun run;
        frmWinnars w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Lijstje poulewinnaars"));
        const QString eersten = QStringLiteral("00002 1 1|00004 2 1|00006 3 1");
        QCOMPARE(numberPoulePlace(w), eersten);   // the list opens on the firsts
        w.Command1_Click(4);   // "Toon ook vierden": only poule 3 has a fourth
        QCOMPARE(numberPoulePlace(w), eersten + "|00003 1 2|00005 2 2|00007 3 2|00001 1 3|00008 3 3|00009 3 4");
        w.Toolbar1_ButtonClick(QStringLiteral("But03"));
        QCOMPARE(std::tuple(run.dialog.shown, run.msgs.boxes.size(), bool(run.pr.rec.findText("00009"))),
                 std::tuple(1, 1, true));
        w.Command1_Click(2);   // a narrower choice shrinks the list again
        const QString byPlace = joined(w.ListView1(), 0);
        w.ListView1_ColumnClick(1);   // only the place sorts: "Naam" does nothing
        QCOMPARE(std::tuple(joined(w.ListView1(), 0), column(w.ListView1(), 0).size()), std::tuple(byPlace, 6));
        w.ListView1()->sortItems(1, Qt::AscendingOrder);
        w.ListView1_ColumnClick(4);
        QCOMPARE(joined(w.ListView1(), 4), QStringLiteral(" 1  1  1  2  2  2"));
        AantalPoules = 0;   // an empty list: only a beep
        w.Command1_Click(1);
        QCOMPARE(w.ListView1()->topLevelItemCount(), 0);
        w.Toolbar1_ButtonClick(QStringLiteral("But03"));
        QCOMPARE(std::tuple(run.msgs.beeps, run.msgs.boxes.size(), run.dialog.shown), std::tuple(1, 1, 1));
    }

    void figuresInDecimals()
    {
        // Jansen, third in poule 1: 35 caramboles in 45 innings of 50 to make, 2 points, the won game
        // 25 in 20; % moy from the stored 0.7778. Truncated to 2 decimals and 3; any other setting
        // gives 3 in the winners list and empty cells in the interim standings.
        const struct { int decimalen; const char *winnaar, *tussen; } cases[] = {
            {2, "0.77|70.00|77.78", "3|Jansen|P.|2|2|35|45|0.77|6|1.25|70.00|77.78|1|0|1"},
            {3, "0.777|70.000|77.780", "3|Jansen|P.|2|2|35|45|0.777|6|1.250|70.000|77.780|1|0|1"},
            {0, "0.777|70.000|77.780", "3|Jansen|P.|2|2|35|45||6||||1|0|1"},
        };
        for (const auto& c : cases) {
            load(4, c.decimalen);
            frmWinnars w;
            w.Command1_Click(3);
            modStand::MatchpuntenModus = true;   // never used by the interim standings
            TussenstandPoule = 1;
            frmStandTussen t;
            QCOMPARE(std::tuple(c.decimalen, w.WinnerLines().value(6).join('|'), t.windowTitle(),
                                joined(t.ListView3(), 1), row(t.ListView3(), 2)),
                     std::tuple(c.decimalen, QString("00001|Jansen|P.| 1| 3|2|") + c.winnaar, "Stand in poule  1",
                                "Bakker Visser Jansen", c.tussen));
        }
        TussenstandPoule = 3;
        QCOMPARE(joined(frmStandTussen().ListView3(), 1), QStringLiteral("Vos Mulder de Groot Noël"));
        TussenstandPoule = 4;
        QCOMPARE(frmStandTussen().ListView3()->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(TestStandingsWindow)
#include "test_standings_window.moc"

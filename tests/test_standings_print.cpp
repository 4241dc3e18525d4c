// The printed standings (28 rows a page) and poule winners (49 lines a page).
#include "app/modStootplanner.h"
#include "core/format.h"
#include "standings/PrintStand.h"
#include "standings/modStand.h"
#include "support/standings_fixture.h"
#include <QTest>

using namespace core;
using namespace modStootplanner;
using platform::PrintOp;
using platform::RecordingPrinter;
using standtest::PrintRun;
using standtest::shown;

namespace {

QList<StandLine> rows(int n, const QString& moy = QStringLiteral("1.23"))
{
    QList<StandLine> out;
    for (int k = 1; k <= n; ++k) {
        StandLine l;
        l.text = QString::number(k);
        l.sub << QStringLiteral("Speler %1").arg(k) << "V." << "4" << "12" << "150" << "95" << moy << "11" << moy
              << "100.00" << "98.76" << "3" << "0" << "1";
        out << l;
    }
    return out;
}

QList<modStand::WinnerLine> winners(int n)
{
    QList<modStand::WinnerLine> out;
    for (int k = 1; k <= n; ++k)
        out << modStand::WinnerLine{core::PadNumber5(k), QStringLiteral("Winnaar %1").arg(k), QStringLiteral("A."),
                                    signedNum(k), signedNum(1), QStringLiteral("12"), QStringLiteral("1.234"),
                                    QStringLiteral("101.500"), QStringLiteral("99.000")};
    return out;
}

// The heights of the texts starting with the prefix, per page.
QMap<int, QList<double>> perPage(const RecordingPrinter& p, const QString& prefix)
{
    QMap<int, QList<double>> m;
    for (const PrintOp& op : p.texts())
        if (op.text.startsWith(prefix))
            m[op.page] << op.y;
    return m;
}

// "tab:text|..." for every text on the line of `text`, read back at 12 pt
// (x = (tab - 1) x 12 x 10 twips, x 11 when bold).
QString lineOf(const RecordingPrinter& p, const QString& text)
{
    QStringList out;
    const PrintOp* at = p.findText(text);
    for (const PrintOp& op : p.texts())
        if (at && op.page == at->page && op.y == at->y)
            out << QString::number(op.x / (12.0 * (op.bold ? 11 : 10)) + 1) + QLatin1Char(':') + op.text;
    return out.join('|');
}

} // namespace

class TestStandingsPrint : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        ResetContext();
        HuidigeRonde = 1;
        MeldingTitel = QStringLiteral("Let op!");
        Toernooi.aantalDecimalen = 2;
        modStand::MatchpuntenModus = false;
    }

    void pageBreaks()
    {
        // printable portrait area in twips: A4, and Letter with margins of 3/4 inch
        const QSizeF a4(11338, 16271), letter(10080, 13680);
        // a full last sheet gives a second one with its head only
        const struct { bool winnaars; int n, pages, onLast; QSizeF paper; } cases[] = {
            {false, 28, 2, 0, a4}, {false, 29, 2, 1, a4}, {false, 57, 3, 1, a4}, {false, 57, 3, 1, letter},
            {true, 49, 2, 0, a4},  {true, 50, 2, 1, a4},  {true, 99, 3, 1, a4},  {true, 99, 3, 1, letter},
        };
        for (const auto& c : cases) {
            const int perSheet = c.winnaars ? 49 : 28;
            PrintRun run;
            RecordingPrinter& rec = run.pr.rec;
            rec.portraitPage = c.paper;
            QVERIFY(c.winnaars ? modStand::PrintWinnersLines(winners(c.n)) : modStand::PrintStandLines(rows(c.n), 2));
            // every sheet has its page head with its number and the column titles
            const auto lines = perPage(rec, QString(c.winnaars ? "Winnaar " : "Speler "));
            const auto titles = perPage(rec, QString(c.winnaars ? "Plaats" : "Pos"));
            QString got, want;
            for (int p = 1; p <= c.pages; ++p) {
                const PrintOp* kop = rec.findText(QStringLiteral("Pagina ") + signedNum(p));
                got += QString(" %1:%2/%3/%4").arg(p).arg(lines.value(p).size()).arg(titles.value(p).size())
                           .arg(kop ? kop->page : 0);
                want += QString(" %1:%2/1/%1").arg(p).arg(p < c.pages ? perSheet : c.onLast);
            }
            const QString melding = c.winnaars ? "Overzicht poulewinnaars" : "Stand in ronde  1 en in poule  2";
            QCOMPARE(std::tuple(c.n, c.paper, got, rec.ofKind(PrintOp::NewPage).size(), rec.documentsEnded, PrintPagina,
                                PrintRegel, MeldingTekst, bool(rec.findText(melding)), rec.texts().first().orientation),
                     std::tuple(c.n, c.paper, want, c.pages - 1, 1, qint16(c.pages), qint16(c.n % perSheet), melding,
                                true, c.winnaars ? platform::OrientationPortrait : platform::OrientationLandscape));
            QCOMPARE(shown(run.msgs), QStringList{c.winnaars ? "Gereed|i|Lijstje wordt uitgeprint"
                                                             : "Gereed|i|Stand wordt uitgeprint"});
            if (c.n > perSheet && c.paper == a4 && c.winnaars) {
                // page 1 prints at 12 pt; later pages keep the page header's size
                QCOMPARE(rec.findText(QStringLiteral("Winnaar 1"))->fontSize, 12.0);
                QCOMPARE(rec.findText(QStringLiteral("Winnaar 50"))->fontSize, 10.0);
            } else if (c.n > perSheet && c.paper == a4) {
                // the empty line under the titles is only on the first page: rows start lower there
                QCOMPARE(rec.findText(QStringLiteral("Speler 1"))->y - titles[1][0], 2 * 12 * 23.0);
                QCOMPARE(rec.findText(QStringLiteral("Speler 29"))->y - titles[2][0], 12 * 23.0);
            }
        }
    }

    void standColumns()
    {
        // numbers end on their column: each digit before the point moves one left;
        // a place of two digits starts one column further left
        const struct { int decimalen; bool mp; const char* moy; int moyTab; } cases[] = {
            {2, false, "1.23", 88}, {3, false, "1.234", 87}, {3, true, "12,345", 86}};
        for (const auto& c : cases) {
            Toernooi.aantalDecimalen = qint16(c.decimalen);
            modStand::MatchpuntenModus = c.mp;
            PrintRun run;
            QVERIFY(modStand::PrintStandLines(rows(30, c.moy), 3));
            QCOMPARE(lineOf(run.pr.rec, "Speler 10"),
                     QString("7:10|13:Speler 10|41:V.|56:4|62:12|69:150|79:95|%1:%2|98:11|%3:%2|118:100.00|131:98.76|"
                             "145:3|150:0|155:1").arg(c.moyTab).arg(c.moy).arg(c.moyTab + 20));
            QCOMPARE(lineOf(run.pr.rec, "Pos"), QString("7:Pos|12:Naam|39:Vl|50:Part|58:%1|65:Car|74:Brt|83:Moy|92:HS|"
                                                         "100:P.moy|112:% car|122:% moy|135:W|140:R|145:V")
                                                    .arg(c.mp ? "MP" : "Pnt"));
            const auto koppen = perPage(run.pr.rec, c.mp ? "MP" : "Pnt");   // on both pages
            QCOMPARE(std::tuple(MeldingTekst, koppen.value(1).size(), koppen.value(2).size(),
                                bool(run.pr.rec.findText(c.mp ? "Pnt" : "MP"))),
                     std::tuple(QString("Stand in ronde  1 en in poule  3") + (c.mp ? " op basis van Matchpunten" : ""),
                                1, 1, false));
        }
    }

    void standCancelled()
    {
        // the print and its completion message both wait for the print dialog
        PrintRun run;
        run.dialog.accept = false;
        QVERIFY(!modStand::PrintStandLines(rows(3), 1));
        QCOMPARE(std::tuple(run.dialog.shown, run.pr.rec.texts().size(), run.msgs.boxes.size()), std::tuple(1, 0, 0));
    }

    void winnersColumns()
    {
        Toernooi.aantalDecimalen = 3;
        PrintRun run;
        QVERIFY(modStand::PrintWinnersLines(winners(12)));
        // poule 12 has two digits, place 1 one
        QCOMPARE(lineOf(run.pr.rec, "Winnaar 12"),
                 QStringLiteral("7:00012|17:Winnaar 12|44:A.|56: 12|67: 1|75:12|83:1.234|93:101.500|107:99.000"));
        QCOMPARE(lineOf(run.pr.rec, "Nr"),
                 QStringLiteral("7:Nr|16:Naam|42:Vl|51:Poule|60:Plaats|70:Pnt|79:Moy|89:% car|100:% moy"));
    }
};

QTEST_MAIN(TestStandingsPrint)
#include "test_standings_print.moc"

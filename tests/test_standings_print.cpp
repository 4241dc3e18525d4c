// The printed standings (28 rows a page) and poule winners (49 lines a page).
#include "app/modStootplanner.h"
#include "core/format.h"
#include "standings/PrintStand.h"
#include "standings/modStand.h"
#include "support/standings_fixture.h"
#include <QLocale>
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

// Texts starting with the prefix, per page.
QMap<int, int> perPage(const RecordingPrinter& p, const QString& prefix)
{
    QMap<int, int> m;
    for (const PrintOp& op : p.texts())
        if (op.text.startsWith(prefix))
            ++m[op.page];
    return m;
}

// "tab:text" for every text on the line of `text`, read back at 12 pt
// (x = (tab - 1) x 12 x 10 twips, x 11 when bold).
QStringList lineOf(const RecordingPrinter& p, const QString& text)
{
    QStringList out;
    const PrintOp* at = p.findText(text);
    for (const PrintOp& op : p.texts())
        if (at && op.page == at->page && op.y == at->y)
            out << QString::number(op.x / (12.0 * (op.bold ? 11 : 10)) + 1) + QLatin1Char(':') + op.text;
    return out;
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
            const QMap<int, int> lines = perPage(rec, QString(c.winnaars ? "Winnaar " : "Speler "));
            const QMap<int, int> titles = perPage(rec, QString(c.winnaars ? "Plaats" : "Pos"));
            QString got, want;
            for (int p = 1; p <= c.pages; ++p) {
                const PrintOp* kop = rec.findText(QStringLiteral("Pagina ") + signedNum(p));
                got += QString(" %1:%2/%3/%4").arg(p).arg(lines.value(p)).arg(titles.value(p)).arg(kop ? kop->page : 0);
                want += QStringLiteral(" %1:%2/1/%1").arg(p).arg(p < c.pages ? perSheet : c.onLast);
            }
            const QString melding = c.winnaars ? "Overzicht poulewinnaars" : "Stand in ronde  1 en in poule  2";
            QCOMPARE(std::tuple(c.n, c.paper, got, rec.ofKind(PrintOp::NewPage).size(), rec.documentsEnded, PrintPagina,
                                PrintRegel, MeldingTekst, rec.texts().first().orientation, shown(run.msgs)),
                     std::tuple(c.n, c.paper, want, c.pages - 1, 1, qint16(c.pages), qint16(c.n % perSheet), melding,
                                c.winnaars ? platform::OrientationPortrait : platform::OrientationLandscape,
                                QStringList{c.winnaars ? "Gereed|i|Lijstje wordt uitgeprint" : "Gereed|i|Stand wordt uitgeprint"}));
            QVERIFY(rec.findText(melding));
            if (c.n <= perSheet || c.paper != a4)
                continue;
            if (c.winnaars) {
                // page 1 prints at 12 pt; later pages keep the page header's size
                QCOMPARE(rec.findText(QStringLiteral("Winnaar 1"))->fontSize, 12.0);
                QCOMPARE(rec.findText(QStringLiteral("Winnaar 50"))->fontSize, 10.0);
            } else {
                // the empty line under the titles is only on the first page: rows start lower there
                auto yOn = [&rec](const QString& text, int page) {
                    for (const PrintOp& op : rec.texts())
                        if (op.text == text && op.page == page)
                            return op.y;
                    return -1e9;
                };
                QCOMPARE(yOn("Speler 1", 1) - yOn("Pos", 1), 2 * 12 * 23.0);
                QCOMPARE(yOn("Speler 29", 2) - yOn("Pos", 2), 12 * 23.0);
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
            const QString m = QString::number(c.moyTab) + QLatin1Char(':') + c.moy;
            const QString pm = QString::number(c.moyTab + 20) + QLatin1Char(':') + c.moy;
            QCOMPARE(lineOf(run.pr.rec, "Speler 10"), (QStringList{"7:10", "13:Speler 10", "41:V.", "56:4", "62:12",
                                                                   "69:150", "79:95", m, "98:11", pm, "118:100.00",
                                                                   "131:98.76", "145:3", "150:0", "155:1"}));
            QCOMPARE(lineOf(run.pr.rec, "Pos"), (QStringList{"7:Pos", "12:Naam", "39:Vl", "50:Part",
                                                             c.mp ? "58:MP" : "58:Pnt", "65:Car", "74:Brt", "83:Moy",
                                                             "92:HS", "100:P.moy", "112:% car", "122:% moy", "135:W",
                                                             "140:R", "145:V"}));
            QCOMPARE(MeldingTekst, QString("Stand in ronde  1 en in poule  3") + (c.mp ? " op basis van Matchpunten" : ""));
            QCOMPARE(perPage(run.pr.rec, c.mp ? "MP" : "Pnt"), (QMap<int, int>{{1, 1}, {2, 1}}));
            QVERIFY(!run.pr.rec.findText(c.mp ? "Pnt" : "MP"));
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
        QCOMPARE(lineOf(run.pr.rec, "Winnaar 12"), (QStringList{"7:00012", "17:Winnaar 12", "44:A.", "56: 12", "67: 1",
                                                                "75:12", "83:1.234", "93:101.500", "107:99.000"}));
        QCOMPARE(lineOf(run.pr.rec, "Nr"), (QStringList{"7:Nr", "16:Naam", "42:Vl", "51:Poule", "60:Plaats", "70:Pnt",
                                                        "79:Moy", "89:% car", "100:% moy"}));
    }
};

QTEST_MAIN(TestStandingsPrint)
#include "test_standings_print.moc"

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

double yOn(const RecordingPrinter& p, const QString& text, int page)
{
    for (const PrintOp& op : p.texts())
        if (op.text == text && op.page == page)
            return op.y;
    return -1e9;
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
    void pageBreaks_data()
    {
        QTest::addColumn<bool>("winnaars");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("onLast");
        QTest::addColumn<QSizeF>("paper");   // printable portrait area in twips
        const QSizeF a4(11338, 16271), letter(10080, 13680);   // Letter with margins of 3/4 inch
        QTest::newRow("stand 28: header-only second page") << false << 28 << 2 << 0 << a4;
        QTest::newRow("stand 29") << false << 29 << 2 << 1 << a4;
        QTest::newRow("stand 57") << false << 57 << 3 << 1 << a4;
        QTest::newRow("stand 57 on Letter") << false << 57 << 3 << 1 << letter;
        QTest::newRow("winners 49: header-only second page") << true << 49 << 2 << 0 << a4;
        QTest::newRow("winners 50") << true << 50 << 2 << 1 << a4;
        QTest::newRow("winners 99") << true << 99 << 3 << 1 << a4;
        QTest::newRow("winners 99 on Letter") << true << 99 << 3 << 1 << letter;
    }

    void pageBreaks()
    {
        QFETCH(bool, winnaars);
        QFETCH(int, n);
        QFETCH(int, pages);
        QFETCH(int, onLast);
        QFETCH(QSizeF, paper);
        const int perSheet = winnaars ? 49 : 28;
        PrintRun run;
        RecordingPrinter& rec = run.pr.rec;
        rec.portraitPage = paper;
        QVERIFY(winnaars ? modStand::PrintWinnersLines(winners(n)) : modStand::PrintStandLines(rows(n), 2));
        QCOMPARE(rec.ofKind(PrintOp::NewPage).size(), pages - 1);
        QCOMPARE(rec.documentsEnded, 1);
        // every sheet has its page head with its number and the column titles
        const QMap<int, int> lines = perPage(rec, QString(winnaars ? "Winnaar " : "Speler "));
        const QMap<int, int> titles = perPage(rec, QString(winnaars ? "Plaats" : "Pos"));
        for (int p = 1; p <= pages; ++p) {
            QCOMPARE(lines.value(p), p < pages ? perSheet : onLast);
            QCOMPARE(titles.value(p), 1);
            const PrintOp* kop = rec.findText(QStringLiteral("Pagina ") + signedNum(p));
            QVERIFY(kop && kop->page == p);
        }
        QCOMPARE(PrintPagina, qint16(pages));
        QCOMPARE(PrintRegel, qint16(n % perSheet));
        QCOMPARE(MeldingTekst, QString(winnaars ? "Overzicht poulewinnaars" : "Stand in ronde  1 en in poule  2"));
        QVERIFY(rec.findText(MeldingTekst));
        QCOMPARE(rec.texts().first().orientation,
                 winnaars ? platform::OrientationPortrait : platform::OrientationLandscape);
        QCOMPARE(shown(run.msgs),
                 QStringList{winnaars ? "Gereed|i|Lijstje wordt uitgeprint" : "Gereed|i|Stand wordt uitgeprint"});
        if (n <= perSheet || paper != QSizeF(11338, 16271))
            return;
        if (winnaars) {
            // page 1 prints at 12 pt; later pages keep the page header's size
            QCOMPARE(rec.findText(QStringLiteral("Winnaar 1"))->fontSize, 12.0);
            QCOMPARE(rec.findText(QStringLiteral("Winnaar 50"))->fontSize, 10.0);
        } else {
            // the empty line under the titles is only on the first page: rows start lower there
            QCOMPARE(yOn(rec, "Speler 1", 1) - yOn(rec, "Pos", 1), 2 * 12 * 23.0);
            QCOMPARE(yOn(rec, "Speler 29", 2) - yOn(rec, "Pos", 2), 12 * 23.0);
        }
    }

    void standColumns_data()
    {
        QTest::addColumn<int>("decimalen");
        QTest::addColumn<QString>("moy");
        QTest::addColumn<int>("moyTab");
        QTest::newRow("two decimals") << 2 << "1.23" << 88;
        QTest::newRow("three decimals") << 3 << "1.234" << 87;
        QTest::newRow("three decimals, comma") << 3 << "12,345" << 86;
    }

    void standColumns()
    {
        QFETCH(int, decimalen);
        QFETCH(QString, moy);
        QFETCH(int, moyTab);
        Toernooi.aantalDecimalen = qint16(decimalen);
        PrintRun run;
        QVERIFY(modStand::PrintStandLines(rows(12, moy), 1));
        // numbers end on their column: each digit before the point moves one left;
        // a place of two digits starts one column further left
        const QString m = QString::number(moyTab) + QLatin1Char(':') + moy;
        const QString pm = QString::number(moyTab + 20) + QLatin1Char(':') + moy;
        QCOMPARE(lineOf(run.pr.rec, "Speler 10"), (QStringList{"7:10", "13:Speler 10", "41:V.", "56:4", "62:12", "69:150",
                                                               "79:95", m, "98:11", pm, "118:100.00", "131:98.76",
                                                               "145:3", "150:0", "155:1"}));
        QCOMPARE(lineOf(run.pr.rec, "Pos"), (QStringList{"7:Pos", "12:Naam", "39:Vl", "50:Part", "58:Pnt", "65:Car",
                                                         "74:Brt", "83:Moy", "92:HS", "100:P.moy", "112:% car",
                                                         "122:% moy", "135:W", "140:R", "145:V"}));
    }

    void standMatchPoints()
    {
        modStand::MatchpuntenModus = true;
        PrintRun run;
        QVERIFY(modStand::PrintStandLines(rows(30), 3));
        QCOMPARE(MeldingTekst, QStringLiteral("Stand in ronde  1 en in poule  3 op basis van Matchpunten"));
        QCOMPARE(perPage(run.pr.rec, QStringLiteral("MP")), (QMap<int, int>{{1, 1}, {2, 1}}));
        QVERIFY(!run.pr.rec.findText(QStringLiteral("Pnt")));
        QCOMPARE(lineOf(run.pr.rec, "Pos").value(4), QStringLiteral("58:MP"));
    }

    void standCancelled()
    {
        // the print and its completion message both wait for the print dialog
        PrintRun run;
        run.dialog.accept = false;
        QVERIFY(!modStand::PrintStandLines(rows(3), 1));
        QCOMPARE(run.dialog.shown, 1);
        QVERIFY(run.pr.rec.texts().isEmpty());
        QCOMPARE(run.msgs.boxes.size(), 0);
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

// The printed standings (28 rows a page) and poule winners (49 lines a page).
#include "app/modStootplanner.h"
#include "core/format.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "standings/PrintStand.h"
#include "standings/modStand.h"
#include <QLocale>
#include <QTest>

using namespace core;
using namespace modStootplanner;
using platform::PrintOp;
using platform::ScriptedMessages;

namespace {

QList<StandLine> rows(int n, const QString& moy = QStringLiteral("1.23"))
{
    QList<StandLine> out;
    for (int k = 1; k <= n; ++k) {
        StandLine l;
        l.text = QString::number(k);
        l.sub << QStringLiteral("Speler %1").arg(k) << QStringLiteral("V.") << QStringLiteral("4")
              << QStringLiteral("12") << QStringLiteral("150") << QStringLiteral("95") << moy << QStringLiteral("11")
              << moy << QStringLiteral("100.00") << QStringLiteral("98.76") << QStringLiteral("3")
              << QStringLiteral("0") << QStringLiteral("1");
        out << l;
    }
    return out;
}

QList<modStand::WinnerLine> winners(int n)
{
    QList<modStand::WinnerLine> out;
    for (int k = 1; k <= n; ++k)
        out << modStand::WinnerLine{core::PadNumber5(k), QStringLiteral("Winnaar %1").arg(k), QStringLiteral("A."),
                                    core::signedNum(k), core::signedNum(1), QStringLiteral("12"), QStringLiteral("1.234"),
                                    QStringLiteral("101.500"), QStringLiteral("99.000")};
    return out;
}

// Texts starting with the prefix, per page.
QMap<int, int> perPage(const platform::RecordingPrinter& p, const QString& prefix)
{
    QMap<int, int> m;
    for (const PrintOp& op : p.texts())
        if (op.text.startsWith(prefix))
            ++m[op.page];
    return m;
}

double col(int tab, double points, bool bold = false)
{
    return (tab - 1) * points * (bold ? 11 : 10);
}

} // namespace

class TestStandingsPrint : public QObject {
    Q_OBJECT
private slots:
    void init();
    void standPageBreak_data();
    void standPageBreak();
    void standColumns_data();
    void standColumns();
    void standMatchPoints();
    void standCancelledOrFailed();
    void winnersPageBreak_data();
    void winnersPageBreak();
    void winnersColumns();
};

void TestStandingsPrint::init()
{
    QLocale::setDefault(QLocale::c());
    ResetContext();
    HuidigeRonde = 1;
    MeldingTitel = QStringLiteral("Let op!");
    Toernooi.aantalDecimalen = 2;
    modStand::MatchpuntenModus = false;
}

void TestStandingsPrint::standPageBreak_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("onLast");
    QTest::newRow("28: header-only second page") << 28 << 2 << 0;
    QTest::newRow("29") << 29 << 2 << 1;
    QTest::newRow("57") << 57 << 3 << 1;
}

void TestStandingsPrint::standPageBreak()
{
    QFETCH(int, n);
    QFETCH(int, pages);
    QFETCH(int, onLast);
    ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog(true);
    platform::ScopedRecordingPrinter pr;
    QVERIFY(modStand::PrintStandLines(rows(n), 2));
    const auto& rec = pr.rec;
    QCOMPARE(rec.ofKind(PrintOp::NewPage).size(), pages - 1);
    QCOMPARE(rec.documentsEnded, 1);
    // 28 rows a sheet; every sheet has its page head with its number and the column titles
    const QMap<int, int> per = perPage(rec, QStringLiteral("Speler "));
    const QMap<int, int> titles = perPage(rec, QStringLiteral("Pos"));
    for (int p = 1; p <= pages; ++p) {
        QCOMPARE(per.value(p), p < pages ? 28 : onLast);
        QCOMPARE(titles.value(p), 1);
        const PrintOp* kop = rec.findText(QStringLiteral("Pagina ") + signedNum(p));
        QVERIFY(kop && kop->page == p);
    }
    QCOMPARE(PrintPagina, qint16(pages));
    QCOMPARE(PrintRegel, qint16(n % 28));
    QCOMPARE(MeldingTekst, QStringLiteral("Stand in ronde  1 en in poule  2"));
    QVERIFY(rec.findText(MeldingTekst));
    QCOMPARE(rec.texts().first().orientation, platform::OrientationLandscape);
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Stand wordt uitgeprint"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Gereed"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbInformation);
    // the empty line under the titles is only on the first page: rows start lower there
    if (pages >= 2 && onLast > 0) {
        const PrintOp* first = rec.findText(QStringLiteral("Speler 1"));
        const PrintOp* next = rec.findText(QStringLiteral("Speler 29"));
        const PrintOp* t1 = nullptr;
        const PrintOp* t2 = nullptr;
        const QList<PrintOp> texts = rec.texts();
        for (const PrintOp& op : texts) {
            if (op.text != QLatin1String("Pos"))
                continue;
            if (op.page == 1 && !t1)
                t1 = &op;
            if (op.page == 2 && !t2)
                t2 = &op;
        }
        QVERIFY(first && next && t1 && t2);
        QCOMPARE(first->y - t1->y, 2 * 12 * 23.0);
        QCOMPARE(next->y - t2->y, 12 * 23.0);
    }
}

void TestStandingsPrint::standColumns_data()
{
    QTest::addColumn<int>("decimalen");
    QTest::addColumn<QString>("moy");
    QTest::addColumn<int>("moyTab");
    QTest::newRow("two decimals") << 2 << "1.23" << 88;
    QTest::newRow("three decimals") << 3 << "1.234" << 87;
    QTest::newRow("three decimals, comma") << 3 << "12,345" << 86;
}

void TestStandingsPrint::standColumns()
{
    QFETCH(int, decimalen);
    QFETCH(QString, moy);
    QFETCH(int, moyTab);
    Toernooi.aantalDecimalen = qint16(decimalen);
    ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog(true);
    platform::ScopedRecordingPrinter pr;
    QList<StandLine> r = rows(12, moy);
    QVERIFY(modStand::PrintStandLines(r, 1));
    // row 10: place of two digits starts one column further left
    QList<PrintOp> row10;
    const PrintOp* name = pr.rec.findText(QStringLiteral("Speler 10"));
    QVERIFY(name);
    for (const PrintOp& op : pr.rec.texts())
        if (op.page == name->page && op.y == name->y)
            row10 << op;
    QCOMPARE(row10.size(), 15);
    QCOMPARE(row10[0].text, QStringLiteral("10"));
    QCOMPARE(row10[0].x, col(7, 12));
    QCOMPARE(row10[0].fontSize, 12.0);
    QVERIFY(!row10[0].bold);
    QCOMPARE(row10[1].x, col(13, 12));
    QCOMPARE(row10[2].x, col(41, 12));
    QCOMPARE(row10[3].x, col(56, 12));    // "4"
    QCOMPARE(row10[4].x, col(62, 12));    // "12"
    QCOMPARE(row10[5].x, col(69, 12));    // "150"
    QCOMPARE(row10[6].x, col(79, 12));    // "95"
    QCOMPARE(row10[7].x, col(moyTab, 12));
    QCOMPARE(row10[8].x, col(98, 12));    // "11"
    QCOMPARE(row10[9].x, col(moyTab + 20, 12));
    QCOMPARE(row10[10].x, col(118, 12));  // "100.00"
    QCOMPARE(row10[11].x, col(131, 12));  // "98.76"
    QCOMPARE(row10[12].x, col(145, 12));
    QCOMPARE(row10[13].x, col(150, 12));
    QCOMPARE(row10[14].x, col(155, 12));
    // the titles line, bold 12 pt
    const PrintOp* pos = pr.rec.findText(QStringLiteral("Pos"));
    const PrintOp* v = nullptr;
    const QList<PrintOp> texts = pr.rec.texts();
    for (const PrintOp& op : texts)
        if (op.text == QLatin1String("V") && op.bold)
            v = &op;
    QVERIFY(pos && v);
    QVERIFY(pos->bold);
    QCOMPARE(pos->x, col(7, 12, true));
    QCOMPARE(v->x, col(145, 12, true));
    QVERIFY(pr.rec.findText(QStringLiteral("Pnt")));
    QVERIFY(!pr.rec.findText(QStringLiteral("MP")));
}

void TestStandingsPrint::standMatchPoints()
{
    modStand::MatchpuntenModus = true;
    ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog(true);
    platform::ScopedRecordingPrinter pr;
    QVERIFY(modStand::PrintStandLines(rows(30), 3));
    QCOMPARE(MeldingTekst, QStringLiteral("Stand in ronde  1 en in poule  3 op basis van Matchpunten"));
    QCOMPARE(perPage(pr.rec, QStringLiteral("MP")), (QMap<int, int>{{1, 1}, {2, 1}}));
    QVERIFY(!pr.rec.findText(QStringLiteral("Pnt")));
    QCOMPARE(pr.rec.findText(QStringLiteral("MP"))->x, col(58, 12, true));
}

void TestStandingsPrint::standCancelledOrFailed()
{
    ScriptedMessages msgs;
    platform::ScopedRecordingPrinter pr;
    {
        platform::ScriptedPrintDialog cancel(false);
        QVERIFY(!modStand::PrintStandLines(rows(3), 1));   // cancelled: nothing, no message
        QCOMPARE(cancel.shown, 1);
        QVERIFY(pr.rec.texts().isEmpty());
        QCOMPARE(msgs.boxes.size(), 0);
    }
    platform::ScriptedPrintDialog dialog(true);
    pr.rec.failAfter(40, platform::errOutOfPaper, QStringLiteral("Out of paper"));
    QVERIFY(!modStand::PrintStandLines(rows(10), 1));
    QCOMPARE(msgs.boxes.size(), 1);   // no completion message after the error
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Vul papier bij !!"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Let op!"));
    QCOMPARE(pr.rec.documentsEnded, 0);
}

void TestStandingsPrint::winnersPageBreak_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("onLast");
    QTest::newRow("49: header-only second page") << 49 << 2 << 0;
    QTest::newRow("50") << 50 << 2 << 1;
    QTest::newRow("99") << 99 << 3 << 1;
}

void TestStandingsPrint::winnersPageBreak()
{
    QFETCH(int, n);
    QFETCH(int, pages);
    QFETCH(int, onLast);
    ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog(true);
    platform::ScopedRecordingPrinter pr;
    QVERIFY(modStand::PrintWinnersLines(winners(n)));
    // 49 lines a sheet, each sheet with its own heading
    QCOMPARE(pr.rec.ofKind(PrintOp::NewPage).size(), pages - 1);
    const QMap<int, int> lines = perPage(pr.rec, QStringLiteral("Winnaar "));
    const QMap<int, int> headings = perPage(pr.rec, QStringLiteral("Plaats"));
    for (int p = 1; p <= pages; ++p) {
        QCOMPARE(lines.value(p), p < pages ? 49 : onLast);
        QCOMPARE(headings.value(p), 1);
    }
    QCOMPARE(PrintPagina, qint16(pages));
    QCOMPARE(PrintRegel, qint16(n % 49));
    QCOMPARE(MeldingTekst, QStringLiteral("Overzicht poulewinnaars"));
    QCOMPARE(pr.rec.texts().first().orientation, platform::OrientationPortrait);
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Lijstje wordt uitgeprint"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Gereed"));
    // page 1 prints at 12 pt; later pages keep the page header's size
    QCOMPARE(pr.rec.findText(QStringLiteral("Winnaar 1"))->fontSize, 12.0);
    if (n > 49)
        QCOMPARE(pr.rec.findText(QStringLiteral("Winnaar 50"))->fontSize, 10.0);
}

void TestStandingsPrint::winnersColumns()
{
    Toernooi.aantalDecimalen = 3;
    ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog(true);
    platform::ScopedRecordingPrinter pr;
    QVERIFY(modStand::PrintWinnersLines(winners(12)));
    const PrintOp* name = pr.rec.findText(QStringLiteral("Winnaar 12"));
    QVERIFY(name);
    QList<PrintOp> line;
    for (const PrintOp& op : pr.rec.texts())
        if (op.page == name->page && op.y == name->y)
            line << op;
    QCOMPARE(line.size(), 9);
    QCOMPARE(line[0].text, QStringLiteral("00012"));
    QCOMPARE(line[0].x, col(7, 12));
    QCOMPARE(line[1].x, col(17, 12));
    QCOMPARE(line[2].x, col(44, 12));
    QCOMPARE(line[3].text, QStringLiteral(" 12"));
    QCOMPARE(line[3].x, col(56, 12));    // poule 12: two digits
    QCOMPARE(line[4].x, col(67, 12));    // place 1
    QCOMPARE(line[5].x, col(75, 12));    // 12 points
    QCOMPARE(line[6].x, col(83, 12));    // 1.234
    QCOMPARE(line[7].x, col(93, 12));    // 101.500
    QCOMPARE(line[8].x, col(107, 12));   // 99.000
    const PrintOp* head = pr.rec.findText(QStringLiteral("% moy"));
    QVERIFY(head && head->bold);
    QCOMPARE(head->x, col(100, 12, true));
}

QTEST_MAIN(TestStandingsPrint)
#include "test_standings_print.moc"

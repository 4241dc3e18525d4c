// The printer on the recording back-end (10 twips a point per character, 11 bold; lines 23 twips a point)
// and on PDF, the shared page header of the list print-outs, and the print error handling.
#include "help/PrintHelp.h"
#include "overviews/PrintMatrix.h"
#include "overviews/PrintOvSpeler.h"
#include "planning/PrintPlanning.h"
#include "platform/printer.h"
#include "core/planning.h"
#include "print/listrows.h"
#include "print/pageheader.h"
#include "print/printjob.h"
#include "rounds/frmAutoKoppel.h"
#include "standings/PrintStand.h"
#include "support/printcheck.h"
#include "support/shell_fixture.h"
#include <QtTest>

using namespace modStootplanner;
using namespace platform;

namespace {

QPointF at(const PrintOp& op) { return {op.x, op.y}; }
QPointF position(const Printer& p) { return {p.CurrentX(), p.CurrentY()}; }

// One Print statement from a position in a font (a negative size: bold): where its last text lands ((-1, -1):
// nothing printed), where the print position ends and on what page. Items "|n" are Tab(n); a last ";"
// leaves the line open.
const struct PrintCase {
    const char* name;
    QPointF from;
    int size;
    QStringList items;
    QPointF text, after;
    int page = 1;
} printCases[] = {
    // Column n starts n - 1 average character widths of the current font from the edge; a line ends back at
    // the edge, one text height lower.
    {"column", {0, 0}, 12, {"|13", "Naam"}, {1440, 0}, {0, 276}},
    {"bold column", {0, 276}, -12, {"|13", "Naam"}, {1584, 276}, {0, 552}},
    {"column 0 is 1", {0, 552}, -12, {"|0", "Naam"}, {0, 552}, {0, 828}},
    {"line left open", {0, 0}, 10, {"|5", "abc", ";"}, {400, 0}, {700, 0}},
    {"column 36", {700, 0}, 10, {"|36", "9"}, {3500, 0}, {0, 230}},
    {"texts joined", {0, 230}, 10, {"ab", "cd"}, {200, 230}, {0, 460}},
    {"empty line", {777, 460}, 10, {}, {-1, -1}, {0, 690}},
    // A column left of the position: the text comes out one line lower; exactly at it, on the line.
    {"past the column", {600, 1500}, -12, {"|5", "Matrix in poule  1"}, {528, 1776}, {0, 2052}},
    {"at the column", {528, 3000}, -12, {"|5", "x"}, {528, 3000}, {0, 3276}},
    {"long name", {0, 5000}, 12, {"|1", QString(30, 'n'), "|20", "12"}, {2280, 5276}, {0, 5552}},
    // Near the bottom a text starts a new page by itself, at its column.
    {"page bottom", {0, 16271 - 100}, 10, {"|3", "onderaan"}, {200, 0}, {0, 230}, 2},
};

// The page header in an orientation (its right margin) for a page number (its text), with a logo of a size
// in pixels (fitted into twips) or none.
const struct HeaderCase {
    const char* name;
    int orientatie, pagina;
    double rechts;
    QString paginaTekst;
    QSize logo = {};
    QSizeF twips = {};
} headerCases[] = {
    {"portrait page 1", 1, 1, 11000, "Pagina  1"},
    {"landscape page 12", 2, 12, 15000, "Pagina  12"},
    {"other orientation is landscape", 3, 2, 15000, "Pagina  2"},
    {"page 0: no number", 1, 0, 11000, ""},
    {"negative page: no number", 2, -1, 15000, ""},
    {"wide logo", 1, 1, 11000, "Pagina  1", {200, 100}, {1200, 600}},
    {"tall logo", 1, 1, 11000, "Pagina  1", {100, 300}, {400, 1200}},
    {"square logo", 1, 1, 11000, "Pagina  1", {64, 64}, {1200, 1200}},
    {"odd logo ratio: truncated", 1, 1, 11000, "Pagina  1", {70, 30}, {1200, 514}},
};

}  // namespace

// A program folder of its own, the recording printer and recorded boxes; the club and tournament named.
struct PrintEnv {
    PrintEnv()
    {
        ProgrammaMap = prog.path() + "/";
        ClubTitel = "Biljartclub De Keu";
        Toernooi.naam = "Winterkampioenschap";
        Toernooi.subtitel = "Libre klein";
    }
    ~PrintEnv() { ResetContext(); }
    QTemporaryDir prog;
    ScopedRecordingPrinter printer;
    ScriptedMessages msgs;
};

class TestShellPrint : public QObject {
    Q_OBJECT
    std::optional<PrintEnv> m_env;

private slots:
    void init() { m_env.emplace(); }
    void cleanup() { m_env.reset(); }

    void printPositions_data() { testsupport::addCases(printCases); }
    void printPositions()
    {
        QFETCH(int, i);
        const PrintCase& c = printCases[i];
        RecordingPrinter& p = m_env->printer.rec;
        p.setFontSize(qAbs(c.size));
        p.setFontBold(c.size < 0);
        p.setCurrentX(c.from.x());
        p.setCurrentY(c.from.y());
        QList<PrintItem> items;
        for (const QString& item : c.items)
            if (item != ";")
                items << (item.startsWith('|') ? PrintItem(Tab(item.mid(1).toInt())) : PrintItem(item));
        p.Print(items, c.items.endsWith(";") ? NoLineEnd : EndLine);
        QCOMPARE(p.texts().isEmpty() ? QPointF(-1, -1) : at(p.texts().last()), c.text);
        QCOMPARE(position(p), c.after);
        QCOMPARE(p.ofKind(PrintOp::NewPage).size() + 1, c.page);
        QCOMPARE(p.texts().isEmpty() ? c.page : p.texts().last().page, c.page);
    }

    void linesPicturesAndDocuments()
    {
        RecordingPrinter p;
        QVERIFY(!p.DocumentOpen());
        p.Line(600, 2400, 11000, 2400);
        p.Line(1700, 675, 2100, 950, vbColor(0xFF), LineShape::FilledBox);
        p.Line(0, 0, 10, 20, vbColor(0xFF0000), LineShape::Box);
        // No colour: the fore colour; colour numbers are &HBBGGRR. A line leaves the position at its end.
        QCOMPARE(QList<QColor>({p.ops[0].color, p.ops[1].color, p.ops[2].color}),
                 QList<QColor>({Qt::black, QColor(255, 0, 0), QColor(0, 0, 255)}));
        QCOMPARE(position(p), QPointF(10, 20));
        p.PaintPicture(QImage(20, 10, QImage::Format_RGB32), 100, 100);  // own size: 15 twips a pixel
        QCOMPARE(QPointF(p.ops[3].x2, p.ops[3].y2), QPointF(100 + 300, 100 + 150));
        QVERIFY(p.DocumentOpen());
        p.NewPage();
        QCOMPARE(QList<double>({double(p.Page()), p.CurrentX(), p.CurrentY()}), QList<double>({2, 0, 0}));
        p.Print({"b"});
        QCOMPARE(p.texts()[0].page, 2);
        p.EndDoc();
        QVERIFY(!p.DocumentOpen() && p.Page() == 1);
        p.Print({"c"});
        p.KillDoc();
        p.EndDoc();  // nothing to end: no empty document goes out
        QCOMPARE(QPoint(p.documentsEnded, p.documentsKilled), QPoint(1, 1));
        // Landscape swaps the page; an unknown orientation is ignored.
        p.setOrientation(OrientationLandscape);
        p.setOrientation(7);
        QCOMPARE(p.Orientation(), OrientationLandscape);
        QVERIFY(p.ScaleWidth() > 15000 && p.ScaleWidth() > p.ScaleHeight());
    }

    void systemPrinterWritesPdf()
    {
        QTemporaryDir dir;
        const testsupport::ScopedEnv pdf("STOOTPLANNER_PRINT_PDF", dir.path() + "/uit%n.pdf");
        QVERIFY(testsupport::writeAll(dir.path() + "/uit1.pdf", "vorige"));  // a file of an earlier run
        SystemPrinter p;
        QVERIFY(p.printsToPdf());
        p.setFontSize(12);
        // Real metrics: a 12 pt font is some 200-400 twips high, columns a fraction of that.
        QVERIFY(p.TextHeight() > 200 && p.TextHeight() < 400);
        QVERIFY(p.AverageCharWidth() > 60 && p.AverageCharWidth() < 160 && p.TextWidth("mm") > p.TextWidth("ii"));
        p.setOrientation(OrientationLandscape);
        QVERIFY(p.ScaleWidth() > p.ScaleHeight());
        p.Print({Tab(5), "Stand"});
        p.Line(600, 2400, 15000, 2400);
        p.NewPage();
        p.Print({"twee"});
        p.EndDoc();
        p.Print({"tweede document"});
        p.EndDoc();
        // One file a document, numbered on after the earlier run's; the first has two pages.
        const QByteArray first = testsupport::readAll(dir.path() + "/uit2.pdf");
        QCOMPARE(testsupport::readAll(dir.path() + "/uit1.pdf"), QByteArray("vorige"));
        QVERIFY(first.startsWith("%PDF-") && testsupport::readAll(dir.path() + "/uit3.pdf").startsWith("%PDF-"));
        QCOMPARE(first.count("/Type /Page\n") + first.count("/Type /Page\r") + first.count("/Type /Page "), 2);
    }

    void header_data() { testsupport::addCases(headerCases); }
    void header()
    {
        QFETCH(int, i);
        const HeaderCase& c = headerCases[i];
        QImage logo(c.logo, QImage::Format_RGB32);
        logo.fill(Qt::red);
        QVERIFY(c.logo.isEmpty() || logo.save(ProgrammaMap + "Stootplanner_logo.bmp", "BMP"));
        RecordingPrinter& r = m_env->printer.rec;
        r.setFontName("Times New Roman");
        r.setFontSize(14);
        r.setFontBold(true);
        const int stand = c.orientatie == 1 ? OrientationPortrait : OrientationLandscape;   // set by every print-out
        r.setOrientation(stand);
        PrintPageHeader(c.orientatie, "Overzicht poulewinnaars", c.pagina);
        // Every text in the caller's font, those above the rules right of the logo; the date and page number end
        // at the right margin.
        const QString datum = "Afdrukdatum: " + QDate::currentDate().toString("dd-MM-yyyy");
        QStringList texts;
        for (const PrintOp& op : r.texts()) {
            texts << QStringLiteral("%1 %2").arg(op.text).arg(op.fontSize);
            QVERIFY(op.fontName == "Times New Roman" && (op.x >= 1800 || op.y > 1600));
            if (op.text == datum || op.text.startsWith("Pagina"))
                QCOMPARE(op.x2, c.rechts);
        }
        QStringList expected = {"Biljartclub De Keu 22", "Winterkampioenschap 16", "Libre klein 16", datum + " 10",
                                "Overzicht poulewinnaars 12"};
        if (!c.paginaTekst.isEmpty())
            expected << c.paginaTekst + " 12";
        texts.sort();
        expected.sort();
        QCOMPARE(texts, expected);
        // Two pairs of rules to the orientation's width, the title between the pairs.
        const auto lines = r.ofKind(PrintOp::Line);
        QCOMPARE(lines.size(), 4);
        for (const PrintOp& l : lines)
            QVERIFY(l.x2 == c.rechts && l.y == l.y2);
        QVERIFY(lines[1].y - lines[0].y > 0 && lines[1].y - lines[0].y <= 60);
        QVERIFY(lines[3].y - lines[2].y > 0 && lines[3].y - lines[2].y <= 60);
        const PrintOp* titel = r.findText("Overzicht poulewinnaars");
        QVERIFY(titel->y > lines[1].y && titel->y2 < lines[2].y);
        // The logo fitted at its place; compact (nothing at or below y 2400), no page started.
        const auto pics = r.ofKind(PrintOp::Picture);
        QCOMPARE(pics.size(), c.logo.isEmpty() ? 0 : 1);
        if (!c.logo.isEmpty()) {
            QCOMPARE(QRectF(QPointF(pics[0].x, pics[0].y), QPointF(pics[0].x2, pics[0].y2)),
                     QRectF(QPointF(600, 300), c.twips));
            QCOMPARE(pics[0].imageSize, c.logo);
        }
        for (const PrintOp& op : r.ops)
            QVERIFY2(op.y < 2400 && op.y2 < 2400 && op.kind != PrintOp::NewPage, qPrintable(r.textDump()));
        // The orientation untouched; bold off, 10 pt, at the start of the 10 pt line below the last rule.
        QCOMPARE(QList<double>({double(r.Orientation()), double(r.FontBold()), r.FontSize(), r.CurrentX(),
                                r.CurrentY()}), QList<double>({double(stand), 0, 10, 0, lines[3].y + r.TextHeight()}));
    }

    // A text fitted to its room (10 pt on the recording printer: 100 twips a character, 95 at 9.5 pt, ...): the
    // name gives way to its initials and figures; where even those do not fit, a face a half point smaller, not
    // below 7 pt, on the line's baseline (18 twips a point above it); wider still, a figure is left out.
    void fittedTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("room");
        QTest::addColumn<QString>("shown");   // "text@size"
        QTest::newRow("fits") << "Jansen,A (159)" << 1400.0 << "Jansen,A (159)@10";
        QTest::newRow("name gives way") << "van Wammerw,A (159)" << 1500.0 << "van Wam,A (159)@10";
        QTest::newRow("initials whole") << "SCHIMMELPENNINCK-VDW, W.M.J.H" << 2000.0 << "SCHIMMELPEN, W.M.J.H@10";
        QTest::newRow("wide initials: smaller") << "W,WWWWWWWWW (159)" << 1500.0 << "W,WWWWWWWWW (159)@8.5";
        QTest::newRow("smaller, and the name gives way") << "WWW,WWWWWWWWW (159)" << 1500.0
                                                         << "W,WWWWWWWWW (159)@8.5";
        QTest::newRow("a figure: smaller") << "1234567" << 500.0 << "1234567@7";
        QTest::newRow("not below 7 pt: cut, the figure left out") << "Jansen,J (123456)" << 700.0 << "Jansen,J@7";
    }
    void fittedTexts()
    {
        QFETCH(QString, text);
        QFETCH(double, room);
        RecordingPrinter& p = m_env->printer.rec;
        p.setFontSize(10);
        p.setCurrentY(1000);
        // From column 11 (x 1000) to a blank before the next column.
        print::PrintFitted(p, {Tab(1), "rij", Tab(11), text, Tab(int(room / 100) + 12), "9"});
        const PrintOp t = p.texts().at(1);
        QTEST(QStringLiteral("%1@%2").arg(t.text).arg(t.fontSize), "shown");
        QCOMPARE(QList<double>({t.x, t.baseline, p.texts().at(2).fontSize, p.FontSize()}),
                 QList<double>({1000, 1000 + 180, 10, 10}));
        QCOMPARE(t.whole, text);
        QVERIFY(t.x2 <= 1000 + room);
    }

    // The print check finds a text printed over another, through a rule, off its row's line, or cut where it
    // must stay whole: a figure cut open or short, a name cut to its comma, initials lost; known texts cut
    // before printing are found by their beginning.
    void printCheck_data()
    {
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("whole");    // empty: not marked as shortened
        QTest::addColumn<int>("extra");        // 1: a rule through x 1500; 2: a smaller text atop the line
        QTest::addColumn<QString>("faults");   // the kinds found, in order
        const auto row = [](const char* name, const char* printed, const char* whole, int extra, const char* faults) {
            QTest::newRow(name) << QString(printed) << QString(whole) << extra << QString(faults);
        };
        row("shortened well", "van Wam,A (159)", "van Wammerw,A (159)", 0, "");
        row("target cut open", "van Wammerw,A (15", "van Wammerw,A (159)", 0,
            "a figure cut open|a figure cut short|initials lost");
        row("bare bracket", "VAN DER WIE,M (", "VAN DER WIE,M (236)", 0, "a figure cut open|initials lost");
        row("cut to its comma", "van Wammerwoude-MeDS,", "van Wammerwoude-MeDS, W", 0,
            "a name cut to its comma|initials lost");
        row("a comma and a blank", "SCHIMMELPENNINCK-VDS, ", "SCHIMMELPENNINCK-VDS, W", 0,
            "a name cut to its comma|initials lost");
        row("initials cut", "Schimmelpenninck-vdW, W", "Schimmelpenninck-vdW, W.M.J.H", 0, "initials lost");
        row("cut before printing", "Schimmelpenninck-vdW, W", "", 0, "initials lost");
        row("number cut", "12", "1234", 0, "a figure cut short");
        row("whole", "Heemskerk-Wolfswinke, W.M.J.H", "", 0, "");
        row("through a rule", "Heemskerk", "", 1, "through a rule");
        row("off its line", "Heemskerk", "", 2, "off its row's line");
    }
    void printCheck()
    {
        QFETCH(QString, printed);
        QFETCH(QString, whole);
        QFETCH(int, extra);
        RecordingPrinter& p = m_env->printer.rec;
        p.setFontSize(10);
        p.setCurrentY(1000);
        p.Print({Tab(11), whole.isEmpty() ? PrintItem(printed) : PrintItem::Shortened(printed, whole)},
                extra == 2 ? NoLineEnd : EndLine);
        if (extra == 1)
            p.Line(1500, 0, 1500, 5000);
        if (extra == 2) {   // on the same row, its top (not its baseline) on the line's
            p.setFontSize(8);
            p.Print({Tab(40), "klein"});
        }
        QStringList kinds;
        for (const QString& f : testsupport::printFaults(p, {"Schimmelpenninck-vdW, W.M.J.H"}).split('\n', Qt::SkipEmptyParts))
            kinds << f.section(QRegularExpression("[:(]"), 0, 0).trimmed();
        QTEST(kinds.join('|'), "faults");
    }

    // Every list print-out with long names (capitals, mixed case, accented, all 20 characters, initials of 7,
    // three-digit targets and a club name of 40), measured with the fonts themselves, on A4 and on Letter (margins
    // of 5 mm, and of 3/4 inch): nothing printed over another text, off the paper, off its row's line or through a
    // rule, and no figure, initial or target cut.
    void longNames_data()
    {
        QTest::addColumn<int>("print");
        QTest::addColumn<QSizeF>("paper");
        const char* prints[] = {"standings", "winners", "carry-over", "cross table", "still to play", "overview",
                                "planning", "planning portrait"};
        for (int p = 0; p < 8; ++p)
            for (const auto& [name, paper] : {std::pair{"A4", QSizeF(11338, 16271)}, {"Letter", QSizeF(11674, 15274)},
                                              {"Letter, margins of 3/4 inch", QSizeF(10080, 13680)}})
                QTest::addRow("%s, %s", prints[p], name) << p << paper;
    }
    void longNames()
    {
        QFETCH(int, print);
        QFETCH(QSizeF, paper);
        const QStringList namen = {"van Wammerwoude-Mees", "Schimmelpenninck-vdW", "Heemskerk-Wolfswinke",
                                   "VAN DER WIELEN-BOOMS", "SCHIMMELPENNINCK-VDW", "HEEMSKERK-WOLFSWINKE",
                                   "ÉÉNHOORN-ÖZTÜRK ÂÇÈÑ", "WWWWWWWWWWWWWWWWWWWW", "Jansen"};
        const QList<qint16> doelen = {159, 236, 147, 236, 159, 321, 198, 999, 12};
        const QString vl = "W.M.J.H";
        testsupport::TournamentFixture fx;
        QList<core::StandLine> stand;
        QList<modStand::WinnerLine> winnaars;
        std::vector<core::AutoRij> rijen;
        std::vector<core::MatrixEntry> entries;
        std::vector<core::OverviewRow> games;
        QStringList cellen, tegenstanders, vermeld;
        for (int k = 0; k < namen.size(); ++k) {
            const QString& n = namen[k];
            fx.builder().addPlayer(k + 1, n, vl, 1, 1, core::Fixed::fromInt(1));
            stand << core::StandLine{QString::number(k + 1), {n, vl, "12", "24", "1500", "950", "1.579", "111",
                                                              "12.345", "100.00", "198.76", "12", "10", "11"}};
            winnaars << modStand::WinnerLine{core::PadNumber5(k + 1), n, vl, " 12", " 4", "124", "12.345", "101.500",
                                             "199.000"};
            rijen.push_back({core::PadNumber5(k + 1), n, vl, "147", "12.345", "12"});
            entries.push_back({core::matrixEntryText(n, vl), k + 1});
            vermeld << entries.back().text;
            tegenstanders << n + ", " + vl;
            games.push_back({core::OverviewRow::Game, "12", {"12", "12-10-2026", "12", "1234", "123", "12.345", "123",
                                                             "100.000", "199.000", tegenstanders.back(), "12", "1234",
                                                             "123", "12.345", "123"}});
            core::SpelerRec sp;
            sp.naam = n;
            sp.voorletters = vl;
            sp.teMakenCar = doelen[k];
            cellen << core::pouleListEntry(sp);
        }
        fx.load();
        ProgrammaMap = m_env->prog.path() + "/";
        ClubTitel = "BILJARTVERENIGING DE WITTE BAL HEEMSKERK";
        Toernooi.naam = "WINTERKAMPIOENSCHAP LIBRE HEEMSKERK 2026";
        Toernooi.subtitel = "VOORJAARSCOMPETITIE MET HOOFDLETTERS !!";
        Toernooi.aantalDecimalen = 3;
        Toernooi.puntenInMatrix = core::Ja;
        // Four tables: a landscape page of three and one of one.
        const auto planning = [&](int partijen) {
            planning::PlanningPrint pl{4, partijen, {}, {}, "1", "12-10-2026"};
            for (int i = 0; i < 8 * partijen; ++i)
                pl.captions << cellen[i % cellen.size()];
            for (int s = 0; s < partijen; ++s)
                pl.tijden << QTime(8, 0).addSecs(1800 * s).toString("hh:mm");
            planning::PrintPlanning(pl);
            return true;
        };
        const std::function<bool()> prints[] = {
            [&] { return modStand::PrintStandLines(stand, 12); },
            [&] { return modStand::PrintWinnersLines(winnaars); },
            [&] { frmAutoKoppel::PrintCarryOverRows(rijen); return true; },
            [&] {   // a full sheet of 30
                std::vector<core::MatrixEntry> vol;
                for (int k = 0; k < 30; ++k)
                    vol.push_back(entries[size_t(k) % entries.size()]);
                return overviews::PrintMatrix({12, vol, std::vector<qint16>(30, 147),
                                               std::vector<core::MatrixCell>(900, {1, true, 120})});
            },
            [&] { return overviews::PrintStillToPlay(1, entries); },
            [&] { return overviews::PrintPlayerOverview(vl + " " + namen[0], games); },
            [&] { return planning(14); },
            [&] { return planning(16); },
        };
        const QStringList bronnen[] = {namen, namen, namen, vermeld, vermeld, tegenstanders, cellen, cellen};
        RecordingPrinter& r = m_env->printer.rec;
        r.fontMetrics = true;
        r.portraitPage = paper;
        ScriptedPrintDialog dialog;
        QVERIFY(prints[print]() && r.documentsEnded == 1);
        const QString faults = testsupport::printFaults(r, bronnen[print]);
        QVERIFY2(faults.isEmpty(), qPrintable(faults + r.textDump()));
        // Names are shortened only where they do not fit; the club name is made smaller instead. Rows keep their
        // size where the page holds them (not with wide margins).
        const QString jansen = QStringList{"Jansen", "Jansen", "Jansen", "Jansen, W", "Jansen, W", "Jansen, " + vl,
                                           "Jansen,W (12)", "Jansen,W (12)"}[print];
        const PrintOp* kop = r.findText(print == 3 ? Toernooi.naam : ClubTitel);   // between the rules
        QVERIFY(r.findText(jansen) && kop && kop->x2 <= (kop->orientation == OrientationPortrait ? 11000 : 15000));
        if (paper.width() > 11000 && print != 3 && print < 6)
            QCOMPARE(r.findText(jansen)->fontSize, QList<double>({12, 12, 12, 0, 11, 10})[print]);
        // Every name is shown, shortened or not, in its row's face (a planning page in one), never below 7 pt.
        int shortened = 0;
        for (const PrintOp& t : r.texts()) {
            QVERIFY2(t.fontSize >= 7 || t.whole == t.text, qPrintable(t.text));
            if (bronnen[print].contains(t.whole))
                shortened += t.whole != t.text;
            if (print >= 6 && bronnen[print].contains(t.whole))
                QCOMPARE(t.fontSize, r.findText("Tijd")->fontSize);
        }
        // Those that need it give way: the widest in capitals everywhere but in the standings' wide name column.
        QVERIFY2(print == 0 || shortened > 0, qPrintable(r.textDump()));
    }

    // Every print-out meets the printer's errors alike, its own label in the error report: failing after
    // three outputs it is abandoned where it stood, nothing more made and none sent.
    void printErrors_data()
    {
        QTest::addColumn<int>("print");
        QTest::addColumn<int>("number");  // 0: none; -1: the print dialog is cancelled
        QTest::addColumn<bool>("silent");  // OtherErrors::Silent
        QTest::addColumn<QString>("box");  // "title|flags|prompt"
        const char* labels[] = {"frmMatrix, matrix", "frmMatrix, lijstje", "frmOVspeler", "frmPlanning printen",
                                "frmHelpAlgemeen (printen)", "frmStand"};
        const QString warn = QString("Let op!|%1|").arg(vbExclamation), paper = warn + "Vul papier bij !!";
        for (int p = 0; p < 6; ++p) {
            const QString report = QString("Error|%1|Error nummer: 482\r\nBeschrijving: Printerfout\r\nIn source: "
                                           "Printer\r\nIn form : %2\r\n\r\nMeld deze fout a.u.b. aan de maker van "
                                           "Stootplanner.").arg(vbCritical).arg(labels[p]);
            const std::pair<int, QString> errors[] = {{-1, ""}, {32755, ""}, {27, paper},
                                                      {25, warn + "Apparaat fout. Staat printer aan ?"},
                                                      {68, warn + "Apparaat niet beschikbaar !!"}, {482, report}};
            for (const auto& [number, box] : errors)
                QTest::addRow("%s: %d", labels[p], number) << p << number << false << box;
        }
        QTest::newRow("frmStand: printed") << 5 << 0 << false << "";
        QTest::newRow("482, silent") << 5 << 482 << true << "";
        QTest::newRow("27, others silent") << 5 << 27 << true << paper;
    }
    void printErrors()
    {
        QFETCH(int, print);
        QFETCH(int, number);
        QFETCH(bool, silent);
        QFETCH(QString, box);
        testsupport::TournamentFixture fx;
        fx.builder().addPlayer(1, "Aap", "A.", 1, 1, core::Fixed::fromInt(1));
        fx.load();
        MeldingTekst = "Stand in ronde  1";
        RecordingPrinter& r = m_env->printer.rec;
        const std::vector<core::MatrixEntry> entries{{"Aap, A", 1}, {"Beer, B", 2}};
        const core::OverviewRow game{core::OverviewRow::Game, " 1", QStringList(15, " 1")};
        const std::function<bool()> prints[] = {
            [&] { return overviews::PrintMatrix({1, entries, {10, 100}, std::vector<core::MatrixCell>(4)}); },
            [&] { return overviews::PrintStillToPlay(1, entries); },
            [&] { return overviews::PrintPlayerOverview("A. Aap", {game, game}); },
            [&] {
                planning::PrintPlanning({1, 2, {"Aap", "Beer", "Cees", "Dirk"}, {"09:00", "10:00"}, "1", "12-10-2026"});
                return r.documentsEnded == 1;
            },
            [&] { return modHelp::PrintHelpTopic("Titel", "Een\nTwee\nDrie"); },
            [&] {
                return print::RunPrint("frmStand", [&] {
                    ShowPrintDialog();
                    for (int i = 0; i < 10; ++i)
                        printer().Print({Tab(5), QString::number(i)});
                    printer().EndDoc();
                }, silent ? print::OtherErrors::Silent : print::OtherErrors::Report);
            },
        };
        ScriptedPrintDialog dialog(number != -1);
        if (number > 0)
            r.failAfter(3, number, "Printerfout");
        QCOMPARE(prints[print](), number == 0);
        QCOMPARE(dialog.shown, 1);
        QCOMPARE(r.ops.size(), number == -1 ? 0 : number > 0 ? 3 + 1 : 10 + 1);
        QCOMPARE(QPoint(r.documentsEnded, r.documentsKilled), QPoint(number == 0, number > 0));
        QVERIFY(!r.DocumentOpen());
        QCOMPARE(testsupport::shown(m_env->msgs), box.isEmpty() ? QStringList() : QStringList{box});
        // The error report is left in MeldingTekst, which is otherwise the print-out's own.
        if (print == 5 || box.startsWith("Error"))
            QCOMPARE(MeldingTekst, box.startsWith("Error") ? box.section('|', 2) : QString("Stand in ronde  1"));
    }

    // A text written upwards takes the box from its first letter at (x, y) up, as wide as the text is long and as
    // high as the font: a row of its own, and the print position stays where it was.
    void printUpwards()
    {
        RecordingPrinter& p = m_env->printer.rec;
        p.setFontSize(10);
        p.setCurrentX(77);
        p.setCurrentY(88);
        p.Print({"voor"}, NoLineEnd);
        p.PrintUpwards(3400, 2060, "Jansen, P");
        p.PrintUpwards(3800, 2060, "");
        p.Print({"na"});
        const QList<PrintOp> t = p.texts();
        QCOMPARE(t.size(), 3);
        QCOMPARE(QList<double>({t[1].x, t[1].y, t[1].x2, t[1].y2, double(t[1].angle), double(t[0].angle)}),
                 QList<double>({3400, 2060 - 9 * 100, 3400 + 230, 2060, 90, 0}));
        QCOMPARE(at(t[2]), QPointF(77 + 400, 88));
        QVERIFY(t[0].row != t[1].row && t[1].row != t[2].row && t[0].row != t[2].row);
        QVERIFY(p.textDump().contains("10pt upwards 'Jansen, P'"));
    }

    // The column heads of a full cross-table sheet of 30 on A4 and Letter, names of 20 capitals, of mixed case and
    // ordinary ones, measured with the fonts themselves. Each head is text written upwards where the window shows
    // its head picture: from the left of its column (u x 400 + 3000), starting 240 twips above the foot of a head
    // 1800 twips high from y 500, all as large as the sheet is drawn; within its head, over no other text and
    // through no line. One face of at least 7 pt; the text whole or shortened in its name only, the initial kept;
    // no pictures. Spoiled print-outs show that the check finds each fault.
    void matrixHeadsOnPaper_data()
    {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<int>("spoil");
        QTest::addColumn<QString>("fault");
        const QStringList capitals{"VAN DER WIELEN-BOOMS", "WOUWERMANS-WAGEMAKER", "HEEMSKERK-WOLFSWINKE",
                                   "WWWWWWWWWWWWWWWWWWWW", "ÉÉNHOORN-ÖZTÜRK ÂÇÈÑ", "Jansen"};
        const QStringList mixed{"van Wammerwoude-Mees", "Schimmelpenninck-vdW", "Heemskerk-Wolfswinke", "de Vries"};
        const QStringList ordinary{"Jansen", "de Vries", "Bakker", "van den Berg"};
        for (const auto& [name, namen] : {std::pair{"capitals", capitals}, {"mixed case", mixed},
                                          {"ordinary", ordinary}})
            for (const auto& [paperName, paper] : {std::pair{"A4", QSizeF(11338, 16271)},
                                                   {"Letter", QSizeF(11674, 15274)},
                                                   {"Letter, margins of 3/4 inch", QSizeF(10080, 13680)}})
                QTest::addRow("%s, %s", name, paperName) << namen << paper << 0 << "";
        const char* spoiled[] = {"", "moved", "the initial cut", "6.5 pt", "a picture", "over its neighbour",
                                 "into the cells"};
        const char* faults[] = {"", "not in its place", "not the name shortened", "below 7 pt", "picture",
                                "over each other", "through a line"};
        for (int s = 1; s < 7; ++s)
            QTest::addRow("spoiled: %s", spoiled[s]) << capitals << QSizeF(10080, 13680) << s << faults[s];
    }
    void matrixHeadsOnPaper()
    {
        QFETCH(QStringList, namen);
        QFETCH(QSizeF, paper);
        QFETCH(int, spoil);
        std::vector<core::MatrixEntry> entries;
        for (int k = 0; k < 30; ++k)
            entries.push_back({namen[k % namen.size()] + ", W", k + 1});
        RecordingPrinter& r = m_env->printer.rec;
        r.fontMetrics = true;
        r.portraitPage = paper;
        ScriptedPrintDialog dialog;
        QVERIFY(overviews::PrintMatrix({1, entries, std::vector<qint16>(30, 147),
                                        std::vector<core::MatrixCell>(900, {1, true, 12})}));
        const QString e(QChar(0x2026));
        QList<PrintOp>::iterator derde;   // the head of the third column
        int u = 0;
        for (auto it = r.ops.begin(); it != r.ops.end(); ++it)
            if (it->kind == PrintOp::Text && it->angle == 90 && ++u == 3)
                derde = it;
        QCOMPARE(u, 30);
        // The sheet drawn k times as large: its first diagonal square lies at (3400, 2350) on a sheet at full size.
        const QList<PrintOp> fills = r.ofKind(PrintOp::FilledBox);
        const auto zwart = std::find_if(fills.begin(), fills.end(), [](const PrintOp& o) { return o.color == Qt::black; });
        QVERIFY(zwart != fills.end());
        const double k = zwart->x / 3400;
        QVERIFY(k > 0.8 && k <= 1 && qAbs(zwart->y - 2350 * k) < 0.01);
        switch (spoil) {
        case 1: derde->x += 60; break;
        case 2: derde->text = derde->text.left(derde->text.lastIndexOf(", ")); break;
        case 3: derde->fontSize = 6.5; break;
        case 4: derde->kind = PrintOp::Picture; break;
        case 5: derde->x += 400 * k; derde->x2 += 400 * k; break;
        case 6: derde->y += 300 * k; derde->y2 += 300 * k; break;
        }

        QStringList f;
        const QString algemeen = testsupport::printFaults(r);
        if (!algemeen.isEmpty())
            f << algemeen;
        QList<PrintOp> koppen, lijnen;
        for (const PrintOp& o : r.ops) {
            if (o.kind == PrintOp::Picture)
                f << "a picture on the sheet";
            if (o.kind == PrintOp::Text && o.angle == 90)
                koppen << o;
            if (o.kind == PrintOp::Line || o.kind == PrintOp::Box || o.kind == PrintOp::FilledBox)
                lijnen << o;
        }
        if (koppen.size() != 30)
            f << QString("%1 heads").arg(koppen.size());
        for (int c = 1; c <= koppen.size(); ++c) {
            const PrintOp& o = koppen[c - 1];
            const QString whole = entries[size_t(c - 1)].text;
            const QString kop = QString("head %1 '%2': ").arg(c).arg(o.text);
            if (qAbs(o.x - (c * 400 + 3000) * k) > 0.5 || qAbs(o.y2 - 2060 * k) > 0.5)
                f << kop + "not in its place";
            if (o.y < 500 * k - 0.5 || o.x2 > o.x + 300 * k)
                f << kop + "out of its head";
            if (o.fontSize < 7 || o.fontName != "Arial Narrow" || o.bold)
                f << kop + QString("below 7 pt or another font: %1 %2").arg(o.fontName).arg(o.fontSize);
            if (o.fontSize != koppen[0].fontSize)
                f << kop + "another face";
            if (o.text != whole && !(o.text.endsWith(e + ", W") && whole.startsWith(o.text.chopped(4))))
                f << kop + "not the name shortened";
            for (const PrintOp& l : lijnen) {
                const QRectF lijn = QRectF(QPointF(l.x, l.y), QPointF(l.x2, l.y2)).normalized();
                if (l.page == o.page && QRectF(QPointF(o.x, o.y), QPointF(o.x2, o.y2)).intersects(lijn))
                    f << kop + "through a line";
            }
        }
        const QString fouten = f.join('\n');
        QFETCH(QString, fault);
        if (fault.isEmpty())
            QVERIFY2(fouten.isEmpty(), qPrintable(fouten + '\n' + r.textDump()));
        else
            QVERIFY2(fouten.contains(fault), qPrintable(fouten));
    }
};

QTEST_MAIN(TestShellPrint)
#include "test_shell_print.moc"

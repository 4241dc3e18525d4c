// The printer's position, tab-column and page semantics on the recording back-end (10 twips a point per
// character, 11 bold; lines 23 twips a point) and on PDF, the shared page header of the list print-outs,
// and the print error handling.
#include "app/modStootplanner.h"
#include "help/PrintHelp.h"
#include "overviews/PrintMatrix.h"
#include "overviews/PrintOvSpeler.h"
#include "planning/PrintPlanning.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "print/pageheader.h"
#include "print/printjob.h"
#include "support/shell_fixture.h"

#include <QDate>
#include <QtTest>
#include <optional>

using namespace modStootplanner;
using namespace platform;

namespace {
QPointF at(const PrintOp& op) { return {op.x, op.y}; }
QPointF position(const Printer& p) { return {p.CurrentX(), p.CurrentY()}; }
}  // namespace

class TestShellPrint : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> m_prog;
    std::optional<ScopedRecordingPrinter> m_p;
    std::optional<ScriptedMessages> m_msgs;

private slots:
    void init()
    {
        ResetContext();
        m_prog.emplace();
        m_p.emplace();
        m_msgs.emplace();
        ProgrammaMap = m_prog->path() + "/";
        ClubTitel = "Biljartclub De Keu";
        Toernooi.naam = "Winterkampioenschap";
        Toernooi.subtitel = "Libre klein";
    }
    void cleanup()
    {
        m_msgs.reset();
        m_p.reset();
        m_prog.reset();
        ResetContext();
    }

    // One Print statement from a position in a font (a negative size: bold): where its last text lands, where
    // the print position ends and on what page. Items "|n" are Tab(n); a last ";" leaves the line open.
    void printPositions_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<int>("size");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QPointF>("text");  // (-1, -1): nothing printed
        QTest::addColumn<QPointF>("after");
        QTest::addColumn<int>("page");
        // Column n starts n - 1 average character widths of the current font from the edge; a line ends back
        // at the edge, one text height lower.
        const QStringList naam = {"|13", "Naam"};
        QTest::newRow("column") << QPointF(0, 0) << 12 << naam << QPointF(1440, 0) << QPointF(0, 276) << 1;
        QTest::newRow("bold column") << QPointF(0, 276) << -12 << naam << QPointF(1584, 276) << QPointF(0, 552) << 1;
        QTest::newRow("column 0 is 1") << QPointF(0, 552) << -12 << QStringList{"|0", "Naam"} << QPointF(0, 552)
                                       << QPointF(0, 828) << 1;
        QTest::newRow("line left open") << QPointF(0, 0) << 10 << QStringList{"|5", "abc", ";"} << QPointF(400, 0)
                                        << QPointF(700, 0) << 1;
        QTest::newRow("column 36") << QPointF(700, 0) << 10 << QStringList{"|36", "9"} << QPointF(3500, 0)
                                   << QPointF(0, 230) << 1;
        QTest::newRow("texts joined") << QPointF(0, 230) << 10 << QStringList{"ab", "cd"} << QPointF(200, 230)
                                      << QPointF(0, 460) << 1;
        QTest::newRow("empty line") << QPointF(777, 460) << 10 << QStringList{} << QPointF(-1, -1)
                                    << QPointF(0, 690) << 1;
        // A column left of the position: the text comes out one line lower; exactly at it, on the line.
        QTest::newRow("past the column") << QPointF(600, 1500) << -12 << QStringList{"|5", "Matrix in poule  1"}
                                         << QPointF(528, 1776) << QPointF(0, 2052) << 1;
        QTest::newRow("at the column") << QPointF(528, 3000) << -12 << QStringList{"|5", "x"} << QPointF(528, 3000)
                                       << QPointF(0, 3276) << 1;
        QTest::newRow("long name") << QPointF(0, 5000) << 12 << QStringList{"|1", QString(30, 'n'), "|20", "12"}
                                   << QPointF(2280, 5276) << QPointF(0, 5552) << 1;
        // Near the bottom a text starts a new page by itself, at its column.
        QTest::newRow("page bottom") << QPointF(0, 16271 - 100) << 10 << QStringList{"|3", "onderaan"}
                                     << QPointF(200, 0) << QPointF(0, 230) << 2;
    }
    void printPositions()
    {
        QFETCH(QPointF, from);
        QFETCH(int, size);
        QFETCH(QStringList, items);
        QFETCH(QPointF, text);
        QFETCH(QPointF, after);
        QFETCH(int, page);
        RecordingPrinter& p = m_p->rec;
        p.setFontSize(qAbs(size));
        p.setFontBold(size < 0);
        p.setCurrentX(from.x());
        p.setCurrentY(from.y());
        QList<PrintItem> list;
        for (const QString& i : items)
            if (i != ";")
                list << (i.startsWith('|') ? PrintItem(Tab(i.mid(1).toInt())) : PrintItem(i));
        p.Print(list, items.endsWith(";") ? NoLineEnd : EndLine);
        QCOMPARE(p.texts().isEmpty() ? QPointF(-1, -1) : at(p.texts().last()), text);
        QCOMPARE(position(p), after);
        QCOMPARE(p.ofKind(PrintOp::NewPage).size() + 1, page);
        QCOMPARE(p.texts().isEmpty() ? page : p.texts().last().page, page);
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
        QCOMPARE(p.Page(), 2);
        QCOMPARE(position(p), QPointF(0, 0));
        p.Print({"b"});
        QCOMPARE(p.texts()[0].page, 2);
        p.EndDoc();
        QVERIFY(!p.DocumentOpen());
        QCOMPARE(p.Page(), 1);
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
        QVERIFY(p.AverageCharWidth() > 60 && p.AverageCharWidth() < 160);
        QVERIFY(p.TextWidth("mmmm") > p.TextWidth("iiii"));
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

    void header_data()
    {
        QTest::addColumn<int>("orientatie");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<double>("rechts");
        QTest::addColumn<QString>("paginaTekst");
        QTest::newRow("portrait page 1") << 1 << 1 << 11000.0 << "Pagina  1";
        QTest::newRow("landscape page 12") << 2 << 12 << 15000.0 << "Pagina  12";
        QTest::newRow("other orientation is landscape") << 3 << 2 << 15000.0 << "Pagina  2";
        QTest::newRow("page 0: no number") << 1 << 0 << 11000.0 << "";
        QTest::newRow("negative page: no number") << 2 << -1 << 15000.0 << "";
    }
    void header()
    {
        QFETCH(int, orientatie);
        QFETCH(int, pagina);
        QFETCH(double, rechts);
        QFETCH(QString, paginaTekst);
        RecordingPrinter& r = m_p->rec;
        r.setFontName("Times New Roman");
        r.setFontSize(14);
        r.setFontBold(true);
        PrintPageHeader(orientatie, "Overzicht poulewinnaars", pagina);
        // Every text in the caller's font; the date and page number end at the right margin.
        const QString datum = "Afdrukdatum: " + QDate::currentDate().toString("dd-MM-yyyy");
        QStringList texts;
        for (const PrintOp& op : r.texts()) {
            texts << QStringLiteral("%1 %2").arg(op.text).arg(op.fontSize);
            QCOMPARE(op.fontName, QString("Times New Roman"));
            if (op.text == datum || op.text.startsWith("Pagina"))
                QCOMPARE(op.x2, rechts);
        }
        QStringList expected = {"Biljartclub De Keu 22", "Winterkampioenschap 16", "Libre klein 16", datum + " 10",
                                "Overzicht poulewinnaars 12"};
        if (!paginaTekst.isEmpty())
            expected << paginaTekst + " 12";
        texts.sort();
        expected.sort();
        QCOMPARE(texts, expected);
        // Two pairs of rules to the orientation's width, the title between the pairs.
        const auto lines = r.ofKind(PrintOp::Line);
        QCOMPARE(lines.size(), 4);
        for (const PrintOp& l : lines)
            QVERIFY(l.x2 == rechts && l.y == l.y2);
        QVERIFY(lines[1].y - lines[0].y > 0 && lines[1].y - lines[0].y <= 60);
        QVERIFY(lines[3].y - lines[2].y > 0 && lines[3].y - lines[2].y <= 60);
        const PrintOp* titel = r.findText("Overzicht poulewinnaars");
        QVERIFY(titel->y > lines[1].y && titel->y2 < lines[2].y);
        // Compact (nothing at or below y 2400), no page started, the orientation untouched, no logo file so
        // no picture.
        for (const PrintOp& op : r.ops) {
            QVERIFY2(op.y < 2400 && op.y2 < 2400, qPrintable(r.textDump()));
            QVERIFY(op.kind != PrintOp::NewPage && op.kind != PrintOp::Picture);
        }
        QCOMPARE(r.Orientation(), OrientationPortrait);
        // Bold off, 10 pt, at the start of the 10 pt line below the last rule.
        QVERIFY(!r.FontBold());
        QCOMPARE(r.FontSize(), 10.0);
        QCOMPARE(QPointF(r.CurrentX(), r.CurrentY()), QPointF(0, lines[3].y + r.TextHeight()));
    }

    void headerLogoFitted_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSizeF>("twips");
        QTest::newRow("wide") << QSize(200, 100) << QSizeF(1200, 600);
        QTest::newRow("tall") << QSize(100, 300) << QSizeF(400, 1200);
        QTest::newRow("square") << QSize(64, 64) << QSizeF(1200, 1200);
        QTest::newRow("odd ratio: truncated") << QSize(70, 30) << QSizeF(1200, 514);
    }
    void headerLogoFitted()
    {
        QFETCH(QSize, pixels);
        QFETCH(QSizeF, twips);
        QImage logo(pixels, QImage::Format_RGB32);
        logo.fill(Qt::red);
        QVERIFY(logo.save(ProgrammaMap + "Stootplanner_logo.bmp", "BMP"));
        PrintPageHeader(1, "Titel", 1);
        const auto pics = m_p->rec.ofKind(PrintOp::Picture);
        QCOMPARE(pics.size(), 1);
        QCOMPARE(QRectF(QPointF(pics[0].x, pics[0].y), QPointF(pics[0].x2, pics[0].y2)), QRectF(QPointF(600, 300), twips));
        QCOMPARE(pics[0].imageSize, pixels);
        QVERIFY(m_p->rec.findText("Biljartclub De Keu")->x >= 1800);  // the texts stand right of the logo
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
        RecordingPrinter& r = m_p->rec;
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
        if (number != 0)
            QCOMPARE(r.ops.size(), number == -1 ? 0 : 3 + 1);
        QCOMPARE(QPoint(r.documentsEnded, r.documentsKilled), QPoint(number == 0, number > 0));
        QVERIFY(!r.DocumentOpen());
        QStringList boxes;
        for (const auto& b : m_msgs->boxes)
            boxes << QString("%1|%2|%3").arg(b.title).arg(b.flags).arg(b.prompt);
        QCOMPARE(boxes, box.isEmpty() ? QStringList() : QStringList{box});
        // The error report is left in MeldingTekst, which is otherwise the print-out's own.
        if (print == 5 || box.startsWith("Error"))
            QCOMPARE(MeldingTekst, box.startsWith("Error") ? box.section('|', 2) : QString("Stand in ronde  1"));
    }
};

QTEST_MAIN(TestShellPrint)
#include "test_shell_print.moc"

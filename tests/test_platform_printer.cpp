// The printer's position, tab-column and page semantics on the recording
// back-end (10 twips a point per character, 11 bold; lines 23 twips a point).
#include "platform/printer.h"
#include "support/shell_fixture.h"
#include "support/standings_fixture.h"

#include <QtTest>

using namespace platform;

namespace {
QPointF at(const PrintOp& op) { return {op.x, op.y}; }
QPointF position(const Printer& p) { return {p.CurrentX(), p.CurrentY()}; }
}  // namespace

class TestPlatformPrinter : public QObject {
    Q_OBJECT
private slots:
    void positionsAlongALine()
    {
        RecordingPrinter p;
        // Column n starts n - 1 average character widths of the current font
        // from the edge; a line ends back at the edge, one text height lower.
        p.setFontSize(12);
        p.Print({Tab(13), "Naam"});
        p.setFontBold(true);
        p.Print({Tab(13), "Naam"});
        p.Print({Tab(0), "Naam"});  // column 0 counts as 1
        QCOMPARE(at(p.texts()[0]), QPointF(12 * 120, 0));
        QCOMPARE(at(p.texts()[1]), QPointF(12 * 132, 276));
        QCOMPARE(at(p.texts()[2]), QPointF(0, 552));
        QCOMPARE(position(p), QPointF(0, 828));
        p.ops.clear();
        p.setCurrentY(0);
        p.setFontBold(false);
        p.setFontSize(10);
        p.Print({Tab(5), "abc"}, NoLineEnd);
        QCOMPARE(position(p), QPointF(400 + 300, 0));
        p.Print({Tab(36), "9"});
        QCOMPARE(at(p.texts()[1]), QPointF(3500, 0));
        // Texts joined without a tab follow each other directly.
        p.Print({"ab", "cd"});
        QCOMPARE(at(p.texts()[3]), QPointF(200, 230));
        // An empty Print is one line down, back at the edge, printing nothing.
        p.setCurrentX(777);
        p.Print();
        QCOMPARE(position(p), QPointF(0, 690));
        QCOMPARE(p.texts().size(), 4);
    }

    void pastColumnGoesToNextLine()
    {
        RecordingPrinter p;
        p.setFontSize(12);
        p.setFontBold(true);
        // Column 5 lies at 4 x 132 = 528 < 600: the text comes out one line lower.
        p.setCurrentX(600);
        p.setCurrentY(1500);
        p.Print({Tab(5), "Matrix in poule  1"});
        QCOMPARE(at(p.texts()[0]), QPointF(528, 1500 + 276));
        // Exactly at the column: stays on the line.
        p.setCurrentX(528);
        p.setCurrentY(3000);
        p.Print({Tab(5), "x"});
        QCOMPARE(p.texts()[1].y, 3000.0);
        // A long name running past the next column pushes that column to the next line.
        p.setFontBold(false);
        p.setCurrentY(5000);
        p.Print({Tab(1), QString(30, QLatin1Char('n')), Tab(20), "12"});
        QCOMPARE(at(p.texts()[3]), QPointF(19 * 120, 5000 + 276));
        // Near the bottom a text starts a new page by itself, at its column.
        p.setFontSize(10);
        p.setCurrentY(p.ScaleHeight() - 100);
        p.Print({Tab(3), "onderaan"});
        QCOMPARE(p.ofKind(PrintOp::NewPage).size(), 1);
        QCOMPARE(p.texts()[4].page, 2);
        QCOMPARE(at(p.texts()[4]), QPointF(200, 0));
    }

    void linesAndPictures()
    {
        RecordingPrinter p;
        p.Line(600, 2400, 11000, 2400);
        p.Line(1700, 675, 2100, 950, vbColor(0xFF), LineShape::FilledBox);
        p.Line(0, 0, 10, 20, vbColor(0xFF0000), LineShape::Box);
        // No colour: the fore colour; colour numbers are &HBBGGRR.
        QCOMPARE(p.ops[0].color, QColor(Qt::black));
        QCOMPARE(p.ops[1].color, QColor(255, 0, 0));
        QCOMPARE(p.ops[2].color, QColor(0, 0, 255));
        // A line leaves the print position at its end point.
        QCOMPARE(position(p), QPointF(10, 20));
        QImage img(20, 10, QImage::Format_RGB32);
        p.PaintPicture(img, 100, 100);  // own size: 15 twips a pixel
        QCOMPARE(QPointF(p.ops[3].x2, p.ops[3].y2), QPointF(100 + 300, 100 + 150));
    }

    void pagesAndDocuments()
    {
        RecordingPrinter p;
        QVERIFY(!p.DocumentOpen());
        p.Print({"a"});
        QVERIFY(p.DocumentOpen());
        p.setCurrentX(500);
        p.NewPage();
        QCOMPARE(p.Page(), 2);
        QCOMPARE(position(p), QPointF(0, 0));
        p.Print({"b"});
        QCOMPARE(p.texts()[1].page, 2);
        p.EndDoc();
        QVERIFY(!p.DocumentOpen());
        QCOMPARE(p.Page(), 1);
        p.Print({"c"});
        p.KillDoc();
        QCOMPARE(p.documentsKilled, 1);
        // Nothing to end: no empty document goes out.
        p.EndDoc();
        QCOMPARE(p.documentsEnded, 1);
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
        QVERIFY(standtest::writeFile(dir.path() + "/uit1.pdf", "vorige"));   // a file of an earlier run
        SystemPrinter p;
        QVERIFY(p.printsToPdf());
        p.setFontName("Times New Roman");
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
        QFile old(dir.path() + "/uit1.pdf"), second(dir.path() + "/uit3.pdf");
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "vorige");
        QVERIFY(second.open(QIODevice::ReadOnly) && second.read(5) == "%PDF-");
        QFile first(dir.path() + "/uit2.pdf");
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QByteArray bytes = first.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
    }
};

QTEST_MAIN(TestPlatformPrinter)
#include "test_platform_printer.moc"

// The printer's position, tab-column and page semantics on the recording back-end.
#include "platform/printer.h"
#include "platform/printerror.h"

#include <QtTest>

using namespace platform;

class TestPlatformPrinter : public QObject {
    Q_OBJECT
private slots:
    void tabColumns_data();
    void tabColumns();
    void printWithoutLineEndKeepsLine();
    void pastColumnGoesToNextLine();
    void linesAndBoxes();
    void pictureSizes();
    void pagesAndDocuments();
    void automaticNewPageAtBottom();
    void orientationSwapsPage();
    void vbColours();
    void systemPrinterWritesPdf();
};

void TestPlatformPrinter::tabColumns_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("column");
    QTest::addColumn<double>("x");
    QTest::newRow("col 1 is the edge") << 12.0 << false << 1 << 0.0;
    QTest::newRow("12pt col 13") << 12.0 << false << 13 << 12 * 120.0;
    QTest::newRow("12pt bold col 13") << 12.0 << true << 13 << 12 * 132.0;
    QTest::newRow("10pt col 100") << 10.0 << false << 100 << 99 * 100.0;
    QTest::newRow("col 0 counts as 1") << 10.0 << false << 0 << 0.0;
}

void TestPlatformPrinter::tabColumns()
{
    QFETCH(double, size);
    QFETCH(bool, bold);
    QFETCH(int, column);
    QFETCH(double, x);
    RecordingPrinter p;
    p.setFontSize(size);
    p.setFontBold(bold);
    p.setCurrentY(500);
    p.Print({Tab(column), "Naam"});
    QCOMPARE(p.texts().size(), 1);
    QCOMPARE(p.texts()[0].x, x);
    QCOMPARE(p.texts()[0].y, 500.0);
    // The line ended: back to the edge, one text height lower.
    QCOMPARE(p.CurrentX(), 0.0);
    QCOMPARE(p.CurrentY(), 500.0 + size * 23);
}

void TestPlatformPrinter::printWithoutLineEndKeepsLine()
{
    RecordingPrinter p;
    p.setFontSize(10);
    p.Print({Tab(5), "abc"}, NoLineEnd);
    QCOMPARE(p.CurrentX(), 400.0 + 300.0);
    QCOMPARE(p.CurrentY(), 0.0);
    p.Print({Tab(36), "9"});
    QCOMPARE(p.texts()[1].x, 3500.0);
    QCOMPARE(p.texts()[1].y, 0.0);
    QCOMPARE(p.CurrentY(), 230.0);
    // Texts joined without a tab follow each other directly.
    p.Print({"ab", "cd"});
    QCOMPARE(p.texts()[3].x, 200.0);
    QCOMPARE(p.texts()[3].y, 230.0);
    // An empty Print is one line down, back at the edge, printing nothing.
    p.setCurrentX(777);
    p.Print();
    QCOMPARE(p.CurrentX(), 0.0);
    QCOMPARE(p.CurrentY(), 690.0);
    QCOMPARE(p.texts().size(), 4);
}

void TestPlatformPrinter::pastColumnGoesToNextLine()
{
    RecordingPrinter p;
    p.setFontSize(12);
    p.setFontBold(true);
    // Column 5 lies at 4 x 132 = 528 < 600: the text comes out one line lower.
    p.setCurrentX(600);
    p.setCurrentY(1500);
    p.Print({Tab(5), "Matrix in poule  1"});
    QCOMPARE(p.texts()[0].x, 528.0);
    QCOMPARE(p.texts()[0].y, 1500.0 + 276);

    // Exactly at the column: stays on the line.
    p.setCurrentX(528);
    p.setCurrentY(3000);
    p.Print({Tab(5), "x"});
    QCOMPARE(p.texts()[1].y, 3000.0);

    // A long name running past the next column pushes that column to the next line.
    p.setFontBold(false);
    p.setCurrentY(5000);
    p.Print({Tab(1), QString(30, QLatin1Char('n')), Tab(20), "12"});
    QCOMPARE(p.texts()[3].x, 19 * 120.0);
    QCOMPARE(p.texts()[3].y, 5000.0 + 276);
}

void TestPlatformPrinter::linesAndBoxes()
{
    RecordingPrinter p;
    p.setDrawWidth(2);
    p.Line(600, 2400, 11000, 2400);
    p.Line(1700, 675, 2100, 950, QColor(Qt::black), LineShape::Box);
    p.Line(1705, 680, 2105, 955, vbColor(0xFF00), LineShape::FilledBox);
    p.setFillStyle(0);
    p.setFillColor(Qt::yellow);
    p.Line(0, 0, 10, 10, QColor(), LineShape::Box);
    const auto ops = p.ops;
    QCOMPARE(ops.size(), 4);
    QCOMPARE(ops[0].kind, PrintOp::Line);
    QCOMPARE(ops[0].x2, 11000.0);
    QCOMPARE(ops[0].drawWidth, 2);
    QCOMPARE(ops[0].color, QColor(Qt::black));
    QCOMPARE(ops[1].kind, PrintOp::Box);
    QVERIFY(!ops[1].fillColor.isValid());
    QCOMPARE(ops[2].kind, PrintOp::FilledBox);
    QCOMPARE(ops[2].color, QColor(0, 255, 0));
    QCOMPARE(ops[3].fillColor, QColor(Qt::yellow));
    // A line leaves the print position at its end point.
    p.Line(100, 200, 300, 400);
    QCOMPARE(p.CurrentX(), 300.0);
    QCOMPARE(p.CurrentY(), 400.0);
}

void TestPlatformPrinter::pictureSizes()
{
    RecordingPrinter p;
    QImage img(20, 10, QImage::Format_RGB32);
    p.PaintPicture(img, 600, 300, 1200, 600);
    p.PaintPicture(img, 100, 100);
    const auto pics = p.ofKind(PrintOp::Picture);
    QCOMPARE(pics.size(), 2);
    QCOMPARE(pics[0].x2, 1800.0);
    QCOMPARE(pics[0].y2, 900.0);
    QCOMPARE(pics[0].imageSize, QSize(20, 10));
    // Own size: 15 twips a pixel.
    QCOMPARE(pics[1].x2 - pics[1].x, 300.0);
    QCOMPARE(pics[1].y2 - pics[1].y, 150.0);
}

void TestPlatformPrinter::pagesAndDocuments()
{
    RecordingPrinter p;
    QVERIFY(!p.DocumentOpen());
    p.Print({"a"});
    QVERIFY(p.DocumentOpen());
    QCOMPARE(p.Page(), 1);
    p.setCurrentX(500);
    p.setCurrentY(900);
    p.NewPage();
    QCOMPARE(p.Page(), 2);
    QCOMPARE(p.CurrentX(), 0.0);
    QCOMPARE(p.CurrentY(), 0.0);
    p.Print({"b"});
    QCOMPARE(p.texts()[1].page, 2);
    p.EndDoc();
    QVERIFY(!p.DocumentOpen());
    QCOMPARE(p.documentsEnded, 1);
    QCOMPARE(p.Page(), 1);
    p.Print({"c"});
    p.KillDoc();
    QCOMPARE(p.documentsKilled, 1);
    QCOMPARE(p.ops.last().kind, PrintOp::KillDoc);
    // Nothing to end: no empty document goes out.
    p.EndDoc();
    QCOMPARE(p.documentsEnded, 1);
}

void TestPlatformPrinter::automaticNewPageAtBottom()
{
    RecordingPrinter p;
    p.setFontSize(10);
    p.setCurrentY(p.ScaleHeight() - 100);
    p.Print({Tab(3), "onderaan"});
    QCOMPARE(p.ofKind(PrintOp::NewPage).size(), 1);
    QCOMPARE(p.texts()[0].page, 2);
    QCOMPARE(p.texts()[0].y, 0.0);
    QCOMPARE(p.texts()[0].x, 200.0);
}

void TestPlatformPrinter::orientationSwapsPage()
{
    RecordingPrinter p;
    QCOMPARE(p.Orientation(), OrientationPortrait);
    QVERIFY(p.ScaleHeight() > p.ScaleWidth());
    p.setOrientation(OrientationLandscape);
    QCOMPARE(p.Orientation(), OrientationLandscape);
    QVERIFY(p.ScaleWidth() > 15000);
    p.setOrientation(7);  // not a valid orientation: ignored
    QCOMPARE(p.Orientation(), OrientationLandscape);
}

void TestPlatformPrinter::vbColours()
{
    QCOMPARE(vbColor(0xFF), QColor(255, 0, 0));
    QCOMPARE(vbColor(0xFF00), QColor(0, 255, 0));
    QCOMPARE(vbColor(0xFFFF), QColor(255, 255, 0));
    QCOMPARE(vbColor(0xFF0000), QColor(0, 0, 255));
}

void TestPlatformPrinter::systemPrinterWritesPdf()
{
    QTemporaryDir dir;
    const QByteArray old = qgetenv("STOOTPLANNER_PRINT_PDF");
    qputenv("STOOTPLANNER_PRINT_PDF", (dir.path() + "/uit%n.pdf").toUtf8());
    SystemPrinter p;
    qputenv("STOOTPLANNER_PRINT_PDF", old);
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
    for (const char* name : {"/uit1.pdf", "/uit2.pdf"}) {
        QFile f(dir.path() + name);
        QVERIFY2(f.open(QIODevice::ReadOnly), name);
        QVERIFY(f.read(5) == "%PDF-");
    }
    QFile first(dir.path() + "/uit1.pdf");
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray pdf = first.readAll();
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2);
}

QTEST_MAIN(TestPlatformPrinter)
#include "test_platform_printer.moc"

// The shared page header of the list print-outs, and the print error handling.
#include "app/modStootplanner.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "print/pageheader.h"
#include "print/printjob.h"

#include <QDate>
#include <QTemporaryDir>
#include <QtTest>

using namespace modStootplanner;
using namespace platform;

class TestShellPrint : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void header_data();
    void header();
    void headerLogoFitted_data();
    void headerLogoFitted();
    void printErrors_data();
    void printErrors();
    void silentOtherErrors();
    void printDialog_data();
    void printDialog();

private:
    std::unique_ptr<QTemporaryDir> m_prog;
};

void TestShellPrint::init()
{
    m_prog = std::make_unique<QTemporaryDir>();
    ResetContext();
    ProgrammaMap = m_prog->path() + "/";
    ClubTitel = "Biljartclub De Keu";
    Toernooi.naam = "Winterkampioenschap";
    Toernooi.subtitel = "Libre klein";
}

void TestShellPrint::cleanup()
{
    m_prog.reset();
    ResetContext();
}

void TestShellPrint::header_data()
{
    QTest::addColumn<int>("orientatie");
    QTest::addColumn<int>("pagina");
    QTest::addColumn<double>("rechts");
    QTest::addColumn<QString>("paginaTekst");
    QTest::newRow("portrait page 1") << 1 << 1 << 11000.0 << "Pagina  1";
    QTest::newRow("landscape page 12") << 2 << 12 << 15000.0 << "Pagina  12";
    QTest::newRow("portrait page 0") << 1 << 0 << 11000.0 << "";
    QTest::newRow("other orientation is landscape") << 3 << 2 << 15000.0 << "Pagina  2";
    QTest::newRow("negative page") << 2 << -1 << 15000.0 << "";
}

void TestShellPrint::header()
{
    QFETCH(int, orientatie);
    QFETCH(int, pagina);
    QFETCH(double, rechts);
    QFETCH(QString, paginaTekst);
    ScopedRecordingPrinter P;
    P.rec.setFontName("Times New Roman");
    P.rec.setFontSize(14);
    P.rec.setFontBold(true);
    const int orientationBefore = P.rec.Orientation();

    PrintPageHeader(orientatie, "Overzicht poulewinnaars", pagina);
    const RecordingPrinter& r = P.rec;
    const QString dump = r.textDump();

    auto text = [&](const QString& t) { return r.findText(t); };
    QVERIFY2(text("Biljartclub De Keu"), qPrintable(dump));
    QCOMPARE(text("Biljartclub De Keu")->fontSize, 22.0);
    QVERIFY(text("Winterkampioenschap"));
    QCOMPARE(text("Winterkampioenschap")->fontSize, 16.0);
    QVERIFY(text("Libre klein"));
    QCOMPARE(text("Libre klein")->fontSize, 16.0);
    const QString datum = "Afdrukdatum: " + QDate::currentDate().toString("dd-MM-yyyy");
    QVERIFY2(text(datum), qPrintable(dump));
    QCOMPARE(text(datum)->fontSize, 10.0);
    QVERIFY(text(datum)->x2 <= rechts);
    QVERIFY(text("Overzicht poulewinnaars"));
    // The font name is the caller's.
    for (const PrintOp& op : r.texts())
        QCOMPARE(op.fontName, QString("Times New Roman"));

    bool paginaGevonden = false;
    for (const PrintOp& op : r.texts()) {
        if (op.text.startsWith("Pagina")) {
            QCOMPARE(op.text, paginaTekst);
            QVERIFY(op.x2 <= rechts);
            paginaGevonden = true;
        }
    }
    QCOMPARE(paginaGevonden, !paginaTekst.isEmpty());

    // Double rules: every rule runs to the orientation's width, in pairs.
    const auto lines = r.ofKind(PrintOp::Line);
    QCOMPARE(lines.size(), 4);
    for (const PrintOp& l : lines) {
        QCOMPARE(l.x2, rechts);
        QCOMPARE(l.y, l.y2);
    }
    QVERIFY(lines[1].y - lines[0].y > 0 && lines[1].y - lines[0].y <= 60);
    QVERIFY(lines[3].y - lines[2].y > 0 && lines[3].y - lines[2].y <= 60);
    // The title stands between the two pairs.
    const PrintOp* titel = text("Overzicht poulewinnaars");
    QVERIFY(titel->y > lines[1].y && titel->y2 < lines[2].y);

    // Nothing at or below y 2400; no page started, no orientation set.
    for (const PrintOp& op : r.ops) {
        QVERIFY2(op.y < 2400 && op.y2 < 2400, qPrintable(dump));
        QVERIFY(op.kind != PrintOp::NewPage);
    }
    QCOMPARE(r.Orientation(), orientationBefore);

    // No logo file, no picture.
    QVERIFY(r.ofKind(PrintOp::Picture).isEmpty());

    // Bold off, 10 pt, the position at the start of the 10 pt line below the last rule.
    QVERIFY(!r.FontBold());
    QCOMPARE(r.FontSize(), 10.0);
    QCOMPARE(r.CurrentX(), 0.0);
    QCOMPARE(r.CurrentY(), lines[3].y + r.TextHeight());
}

void TestShellPrint::headerLogoFitted_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<double>("w");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("verhouding");
    QTest::newRow("wide") << QSize(200, 100) << 1200.0 << 600.0 << 0.5;
    QTest::newRow("tall") << QSize(100, 300) << 400.0 << 1200.0 << 1.0 / 3;
    QTest::newRow("square") << QSize(64, 64) << 1200.0 << 1200.0 << 1.0;
    QTest::newRow("odd ratio") << QSize(70, 30) << 1200.0 << 514.0 << 3.0 / 7;
}

void TestShellPrint::headerLogoFitted()
{
    QFETCH(QSize, pixels);
    QFETCH(double, w);
    QFETCH(double, h);
    QFETCH(double, verhouding);
    QImage logo(pixels, QImage::Format_RGB32);
    logo.fill(Qt::red);
    QVERIFY(logo.save(ProgrammaMap + "Stootplanner_logo.bmp", "BMP"));
    ScopedRecordingPrinter P;
    PrintPageHeader(1, "Titel", 1);
    const auto pics = P.rec.ofKind(PrintOp::Picture);
    QCOMPARE(pics.size(), 1);
    QCOMPARE(pics[0].x, 600.0);
    QCOMPARE(pics[0].y, 300.0);
    QCOMPARE(pics[0].x2 - pics[0].x, w);
    QCOMPARE(pics[0].y2 - pics[0].y, h);
    QCOMPARE(pics[0].imageSize, pixels);
    QVERIFY(qAbs(LogoVerhouding - verhouding) < 1e-6);
    // The texts stand right of the logo.
    QVERIFY(P.rec.findText("Biljartclub De Keu")->x >= 1800);
}

void TestShellPrint::printErrors_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("title");
    QTest::newRow("27 paper") << 27 << "Vul papier bij !!" << int(vbExclamation) << "Let op!";
    QTest::newRow("25 device") << 25 << "Apparaat fout. Staat printer aan ?" << int(vbExclamation) << "Let op!";
    QTest::newRow("68 unavailable") << 68 << "Apparaat niet beschikbaar !!" << int(vbExclamation) << "Let op!";
    QTest::newRow("32755 cancel") << 32755 << "" << 0 << "";
    QTest::newRow("482 other")
        << 482
        << "Error nummer: 482\r\nBeschrijving: Printerfout\r\nIn source: Printer\r\nIn form : frmStand"
           "\r\n\r\nMeld deze fout a.u.b. aan de maker van Stootplanner."
        << int(vbCritical) << "Error";
}

void TestShellPrint::printErrors()
{
    QFETCH(int, number);
    QFETCH(QString, prompt);
    QFETCH(int, flags);
    QFETCH(QString, title);
    ScopedRecordingPrinter P;
    ScriptedMessages msgs;
    MeldingTekst = "Stand in ronde  1";
    P.rec.failAfter(3, number, "Printerfout");
    bool reachedEnd = false;
    const bool ok = print::RunPrint("frmStand", [&] {
        auto& p = printer();
        for (int i = 0; i < 10; ++i)
            p.Print({Tab(5), QString::number(i)});
        p.EndDoc();
        reachedEnd = true;
        MsgBox("Stand wordt uitgeprint", vbInformation, "Gereed");
    });
    QVERIFY(!ok);
    QVERIFY(!reachedEnd);
    // Abandoned where it stood: three lines made, the document killed, none sent.
    QCOMPARE(P.rec.texts().size(), 3);
    QCOMPARE(P.rec.documentsKilled, 1);
    QCOMPARE(P.rec.documentsEnded, 0);
    QVERIFY(!P.rec.DocumentOpen());
    if (prompt.isEmpty()) {
        QVERIFY(msgs.boxes.isEmpty());
        QCOMPARE(MeldingTekst, QString("Stand in ronde  1"));
        return;
    }
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, prompt);
    QCOMPARE(msgs.boxes[0].flags, flags);
    QCOMPARE(msgs.boxes[0].title, title);
    if (number == 482)
        QCOMPARE(MeldingTekst, prompt);
    else
        QCOMPARE(MeldingTekst, QString("Stand in ronde  1"));
}

void TestShellPrint::silentOtherErrors()
{
    ScopedRecordingPrinter P;
    ScriptedMessages msgs;
    P.rec.failOnNextOutput(5, "Ongeldige aanroep");
    QVERIFY(!print::RunPrint("frmAutoKoppel", [&] { printer().Print({"x"}); }, print::OtherErrors::Silent));
    QVERIFY(msgs.boxes.isEmpty());
    // The printer errors are still reported.
    P.rec.failOnNextOutput(27, "Out of paper");
    QVERIFY(!print::RunPrint("frmAutoKoppel", [&] { printer().Print({"x"}); }, print::OtherErrors::Silent));
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QString("Vul papier bij !!"));
}

void TestShellPrint::printDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("Afdrukken") << true;
    QTest::newRow("Annuleren: 32755, silent") << false;
}

void TestShellPrint::printDialog()
{
    QFETCH(bool, accept);
    ScopedRecordingPrinter P;
    ScriptedMessages msgs;
    ScriptedPrintDialog dialog(accept);
    QCOMPARE(print::RunPrint("frmWinnars", [&] {
        ShowPrintDialog();
        printer().Print({"x"});
        printer().EndDoc();
    }), accept);
    QCOMPARE(dialog.shown, 1);
    QCOMPARE(P.rec.texts().size(), accept ? 1 : 0);
    QCOMPARE(P.rec.documentsEnded, accept ? 1 : 0);
    QVERIFY(msgs.boxes.isEmpty());
}

QTEST_MAIN(TestShellPrint)
#include "test_shell_print.moc"

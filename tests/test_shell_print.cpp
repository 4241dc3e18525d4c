// The shared page header of the list print-outs, and the print error handling.
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
#include "support/tournamentfixture.h"

#include <QDate>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

using namespace modStootplanner;
using namespace platform;

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
        const QString dump = r.textDump();

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

        // Compact (nothing at or below y 2400), no page started, the orientation
        // untouched, no logo file so no picture.
        for (const PrintOp& op : r.ops) {
            QVERIFY2(op.y < 2400 && op.y2 < 2400, qPrintable(dump));
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
        // The texts stand right of the logo.
        QVERIFY(m_p->rec.findText("Biljartclub De Keu")->x >= 1800);
    }

    // A print-out behind the print dialog, its printer failing after three lines
    // with the given error number (0: not at all; -1: the dialog is cancelled).
    void runPrint_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("silent");  // OtherErrors::Silent
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("title");
        const QString report = "Error nummer: 482\r\nBeschrijving: Printerfout\r\nIn source: Printer\r\n"
                               "In form : frmStand\r\n\r\nMeld deze fout a.u.b. aan de maker van Stootplanner.";
        QTest::newRow("printed") << 0 << false << "" << 0 << "";
        QTest::newRow("dialog cancelled") << -1 << false << "" << 0 << "";
        QTest::newRow("27 paper") << 27 << false << "Vul papier bij !!" << vbExclamation << "Let op!";
        QTest::newRow("25 device") << 25 << false << "Apparaat fout. Staat printer aan ?" << vbExclamation << "Let op!";
        QTest::newRow("68 unavailable") << 68 << false << "Apparaat niet beschikbaar !!" << vbExclamation << "Let op!";
        QTest::newRow("32755 cancel") << 32755 << false << "" << 0 << "";
        QTest::newRow("482 other") << 482 << false << report << vbCritical << "Error";
        QTest::newRow("482 other, silent") << 482 << true << "" << 0 << "";
        QTest::newRow("27 paper, others silent") << 27 << true << "Vul papier bij !!" << vbExclamation << "Let op!";
    }
    void runPrint()
    {
        QFETCH(int, number);
        QFETCH(bool, silent);
        QFETCH(QString, prompt);
        QFETCH(int, flags);
        QFETCH(QString, title);
        MeldingTekst = "Stand in ronde  1";
        ScriptedPrintDialog dialog(number != -1);
        if (number > 0)
            m_p->rec.failAfter(3, number, "Printerfout");
        const bool ok = print::RunPrint(
            "frmStand",
            [&] {
                ShowPrintDialog();
                for (int i = 0; i < 10; ++i)
                    printer().Print({Tab(5), QString::number(i)});
                printer().EndDoc();
            },
            silent ? print::OtherErrors::Silent : print::OtherErrors::Report);
        // A failing print-out is abandoned where it stood: nothing more made, none sent.
        QCOMPARE(ok, number == 0);
        QCOMPARE(dialog.shown, 1);
        QCOMPARE(m_p->rec.texts().size(), number == 0 ? 10 : number == -1 ? 0 : 3);
        QCOMPARE(m_p->rec.documentsKilled, number > 0 ? 1 : 0);
        QCOMPARE(m_p->rec.documentsEnded, ok ? 1 : 0);
        QVERIFY(!m_p->rec.DocumentOpen());
        QCOMPARE(m_msgs->boxes.size(), prompt.isEmpty() ? 0 : 1);
        if (!prompt.isEmpty()) {
            QCOMPARE(m_msgs->boxes[0].prompt, prompt);
            QCOMPARE(m_msgs->boxes[0].flags, flags);
            QCOMPARE(m_msgs->boxes[0].title, title);
        }
        // Only the error report is left in MeldingTekst.
        QCOMPARE(MeldingTekst, flags == vbCritical ? prompt : QString("Stand in ronde  1"));
    }

    // Every print-out meets the printer's errors alike, its own label in the error report.
    void printErrors_data()
    {
        QTest::addColumn<int>("print");
        QTest::addColumn<int>("number");   // 32755: the print dialog is cancelled
        QTest::addColumn<QString>("prompt");
        const char* labels[] = {"frmMatrix, matrix", "frmMatrix, lijstje", "frmOVspeler", "frmPlanning printen",
                                "frmHelpAlgemeen (printen)"};
        for (int p = 0; p < 5; ++p) {
            QTest::addRow("%s: 27", labels[p]) << p << 27 << "Vul papier bij !!";
            QTest::addRow("%s: 25", labels[p]) << p << 25 << "Apparaat fout. Staat printer aan ?";
            QTest::addRow("%s: 68", labels[p]) << p << 68 << "Apparaat niet beschikbaar !!";
            QTest::addRow("%s: 32755", labels[p]) << p << 32755 << "";
            QTest::addRow("%s: 482", labels[p]) << p << 482
                << QString("Error nummer: 482\r\nBeschrijving: Printerfout\r\nIn source: Printer\r\nIn form : %1\r\n\r\n"
                           "Meld deze fout a.u.b. aan de maker van Stootplanner.").arg(labels[p]);
        }
    }
    void printErrors()
    {
        QFETCH(int, print);
        QFETCH(int, number);
        QFETCH(QString, prompt);
        testsupport::TournamentFixture fx;
        fx.builder().addPlayer(1, "Aap", "A.", 1, 1, core::Fixed::fromInt(1));
        fx.load();
        const std::vector<core::MatrixEntry> entries{{"Aap, A", 1}, {"Beer, B", 2}};
        const core::OverviewRow game{core::OverviewRow::Game, " 1", QStringList(15, " 1")};
        const std::function<void()> prints[] = {
            [&] { overviews::PrintMatrix({1, entries, {10, 100}, std::vector<core::MatrixCell>(4)}); },
            [&] { overviews::PrintStillToPlay(1, entries); },
            [&] { overviews::PrintPlayerOverview("A. Aap", {game, game}); },
            [&] { planning::PrintPlanning({1, 2, {"Aap", "Beer", "Cees", "Dirk"}, {"09:00", "10:00"}, "1", "12-10-2026"}); },
            [&] { modHelp::PrintHelpTopic("Titel", "Een\nTwee\nDrie"); },
        };
        ScriptedPrintDialog dialog(number != errDialogCancel);
        m_p->rec.failAfter(3, number, "Printerfout");
        prints[print]();
        // Abandoned where it stood, nothing sent, and no report of a print.
        QCOMPARE(dialog.shown, 1);
        QCOMPARE(m_p->rec.ops.size(), number == errDialogCancel ? 0 : 3 + 1);
        QCOMPARE(m_p->rec.documentsKilled, number == errDialogCancel ? 0 : 1);
        QStringList boxes;
        for (const auto& b : m_msgs->boxes)
            boxes << QString("%1|%2|%3").arg(b.title).arg(b.flags).arg(b.prompt);
        const bool report = number == 482;
        QCOMPARE(boxes, prompt.isEmpty() ? QStringList() : QStringList(QString("%1|%2|%3").arg(
                            report ? "Error" : "Let op!").arg(report ? vbCritical : vbExclamation).arg(prompt)));
        if (report)
            QCOMPARE(MeldingTekst, prompt);
    }
};

QTEST_MAIN(TestShellPrint)
#include "test_shell_print.moc"

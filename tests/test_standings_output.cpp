// The standings outputs: the page (its lines, colours, escaping, and saving it through the scratch page in
// the program folder), and the printed standings (28 rows a page) and poule winners (49 lines a page).
#include "app/modStootplanner.h"
#include "core/format.h"
#include "core/htmlpage.h"
#include "standings/frmHTML.h"
#include "standings/frmKleur.h"
#include "standings/frmOpslaanHtml.h"
#include "standings/PrintStand.h"
#include "standings/modHtml.h"
#include "standings/modStand.h"
#include "support/printcheck.h"
#include "support/standings_fixture.h"
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace core;
using namespace modStootplanner;
using namespace standtest;
using platform::PrintOp;
using platform::RecordingPrinter;
using platform::ScriptedMessages;

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

HtmlPageInput input()
{
    HtmlPageInput in;
    in.toernooiNaam = QStringLiteral("Clubkampioenschap                       ");
    in.titel = standHtmlTitle(1, 2, false);
    in.datum = QDate(2026, 11, 5);
    in.rijen = rows(2);
    return in;
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

const QString Saved = QStringLiteral("Gereed|i|HTML-code opgeslagen!");
const QString Vraag = QStringLiteral("Let op!|!|Dit bestand bestaat al!\r\nWilt u dit bestand overschrijven?");

} // namespace

class TestStandingsOutput : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_prog;
    std::unique_ptr<QTemporaryDir> m_target;

    QString target(const QString& naam) const { return m_target->path() + '/' + naam + ".html"; }
    QString scratch() const { return frmHTML::ScratchPath(); }
    void save(frmOpslaanHtml& d, const QString& map, const QString& naam)
    {
        d.setDir1Path(map);
        d.Text1()->setText(naam);
        d.SaveHtmlPage();
    }

private slots:
    void init()
    {
        m_prog = std::make_unique<QTemporaryDir>();
        m_target = std::make_unique<QTemporaryDir>();
        QLocale::setDefault(QLocale::c());
        ResetContext();
        ProgrammaMap = m_prog->path() + QLatin1Char('/');
        MeldingTitel = QStringLiteral("Let op!");
        Toernooi.naam = QStringLiteral("Wintercompetitie");
        Toernooi.aantalDecimalen = 2;
        HuidigeRonde = 1;
        modStand::MatchpuntenModus = false;
        modStand::StandHtmlTitel = standHtmlTitle(1, 2, false);
        modHtml::ResetHtmlState();
    }

    void cleanup() { frmHTML::setSaveDialogHook({}); }

    void pageLines()
    {
        QStringList head = {"<div align=left>", "<table border=1 cellpadding=5 bgcolor=>", "<tr>",
                            "<td align=center colspan=14><font size=5 font color =><b>Clubkampioenschap</b>"
                            "</font></td>",
                            "<tr>",
                            "<td align=center colspan=10><font size=4 font color =><b>"
                            "Stand in Ronde  1 en in Poule  2</b></font></td>",
                            "<td align=center colspan=4><font size=4 font color =><b>05-11-2026</b></font></td>",
                            "<font size=3>", "</tr>", "<tr>", "<td align=center><font color = ><b>Pos</b></td>",
                            "<td><font color = ><b>Naam</b></td>"};
        for (const char* k : {"Prt", "Pnt", "Car", "Brt", "Moy", "HS", "P.Moy", "% Car", "% Moy", "W", "R", "V"})
            head << QStringLiteral("<td align=center><font color = ><b>%1</b></td>").arg(QLatin1String(k));
        head << "</tr>";
        QStringList rij2 = {"<tr>", "<td align=right><font color = > 2</td>",
                            "<td align=left><font color = >Speler 2, V.</td>"};
        for (const char* c : {"4", "12", "150", "95", "1.23", "11", "1.23", "100.00", "98.76", "3", "0", "1"})
            rij2 << QStringLiteral("<td align=center><font color = >%1</td>").arg(QLatin1String(c));
        rij2 << "</tr>";
        const QStringList tail = {"<tr></tr>", "</font>", "</table>", "</div>"};

        HtmlPageInput in = input();
        const QStringList l = htmlPageLines(in);
        QCOMPARE(l.mid(0, 25) + l.mid(25 + 16), head + rij2 + tail);
        QCOMPARE(l[26], QStringLiteral("<td align=right><font color = > 1</td>"));
        in.rijen[0].sub[0] = QStringLiteral("Daniëls");   // the file: Windows-1252, CR LF after every line
        QCOMPARE(QString::fromLatin1(htmlPageBytes(in)), htmlPageLines(in).join("\r\n") + "\r\n");
        QVERIFY(htmlPageBytes(in).contains("Dani\xEBls, V.</td>\r\n"));
        in.rijen.clear();   // an empty list: the head and the closing lines only
        QCOMPARE(htmlPageLines(in), head + tail);
        in = input();   // match points; the texts escaped
        in.matchpunten = true;
        in.titel = standHtmlTitle(2, 1, true);
        in.toernooiNaam = QStringLiteral("Jansen & \"Zn\" <b>open</b>");
        in.rijen[0].sub[0] = QStringLiteral("Smit<script>");
        in.rijen[0].sub[1] = QStringLiteral("A&B");
        const QStringList m = htmlPageLines(in);
        QCOMPARE(m[3], QStringLiteral("<td align=center colspan=14><font size=5 font color =><b>"
                                      "Jansen &amp; &quot;Zn&quot; &lt;b&gt;open&lt;/b&gt;</b></font></td>"));
        QCOMPARE(m[5], QStringLiteral("<td align=center colspan=10><font size=4 font color =><b>"
                                      "Stand in Ronde  2 en in Poule  1 op basis van MatchPunten</b></font></td>"));
        QCOMPARE(m[13], QStringLiteral("<td align=center><font color = ><b>MP</b></td>"));
        QCOMPARE(m[27], QStringLiteral("<td align=left><font color = >Smit&lt;script&gt;, A&amp;B</td>"));
        // the sample's points heading follows the mode
        modStand::MatchpuntenModus = true;
        QCOMPARE(frmHTML({}).Label1(4)->text(), QStringLiteral("MP"));
        modStand::MatchpuntenModus = false;
        QCOMPARE(frmHTML({}).Label1(4)->text(), QStringLiteral("Pnt"));
    }

    // Saved from the export window in the chosen colours, then again under the same name after "Yes"; the
    // scratch page's own name is refused, so the page is never lost.
    void saveFromExportWindow()
    {
        ScriptedMessages msgs;
        QString map = m_target->path(), naam = QStringLiteral("stand");
        QByteArray page, kept;   // the scratch page as the dialog opens, and after a refusal
        frmHTML::setSaveDialogHook([&](QWidget* parent) {
            page = readFile(scratch());
            frmOpslaanHtml d(parent);
            save(d, map, naam);
            kept = d.result() == QDialog::Accepted ? QByteArray() : readFile(scratch());
        });
        frmHTML dlg(input().rijen);
        frmKleur k(&dlg);   // each swatch shows its colour
        auto swatch = [&k](int i) { return k.Label1(i)->palette().color(QPalette::Window); };
        QCOMPARE(std::tuple(swatch(4), swatch(11), swatch(15), swatch(16)),   // white, teal, olive, pale cyan
                 std::tuple(QColor(255, 255, 255), QColor(0, 128, 128), QColor(128, 128, 0), QColor(192, 255, 255)));
        modHtml::KleurKeuze = 2;   // a white background (its code without "#"), pale cyan letters written as cyan
        k.Label1_Click(4);
        modHtml::KleurKeuze = 1;
        k.Label1_Click(16);
        QCOMPARE(modHtml::HtmlTekstKleur, QColor(192, 255, 255));
        dlg.WriteStandingsHtml();
        const QStringList l = QString::fromLatin1(page).split(QStringLiteral("\r\n"));
        QCOMPARE(l.value(1), QStringLiteral("<table border=1 cellpadding=5 bgcolor=FFFFFF>"));
        QCOMPARE(l.value(3), QStringLiteral("<td align=center colspan=14><font size=5 font color =#00FFFF>"
                                            "<b>Wintercompetitie</b></font></td>"));
        QCOMPARE(l.value(27), QStringLiteral("<td align=left><font color = #00FFFF>Speler 1, V.</td>"));
        QCOMPARE(readFile(target("stand")), page);
        QVERIFY(!QFile::exists(scratch()));
        k.Label1_Click(4);   // white letters keep their "#"; a teal background then leaves them alone
        modHtml::KleurKeuze = 2;
        k.Label1_Click(11);
        dlg.WriteStandingsHtml();
        QCOMPARE(shown(msgs), (QStringList{Saved, Vraag, Saved}));
        QCOMPARE(page, readFile(target("stand")));
        QVERIFY(page.contains("bgcolor=#008080>") && page.contains("<font color = #FFFFFF>Speler 1, V.</td>"));
        msgs.clear();
        map = m_prog->path();
        naam = QStringLiteral("Hulpweb");
        dlg.WriteStandingsHtml();
        QCOMPARE(shown(msgs), QStringList{"Let op!|!|Onder deze naam bewaart het programma de HTML-code tijdelijk!\r\n"
                                          "Kies een andere naam of een andere map."});
        QCOMPARE(kept, page);   // the page stays, the dialog open
    }

    void saveDialog()
    {
        ScriptedMessages msgs;
        frmOpslaanHtml d;
        QTest::keyClicks(d.Text1(), QStringLiteral("St<a>n/d: 1-2 & x.y_"));   // only file-name characters
        for (const QString& t : {QStringLiteral("é"), QStringLiteral("ß")}) {   // only A-Z and a-z
            QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, t);
            QApplication::sendEvent(d.Text1(), &e);
        }
        QCOMPARE(d.Text1()->text(), QStringLiteral("Stand 1-2  xy"));
        d.Text1()->clear();
        QTest::keyClicks(d.Text1(), QString(30, QLatin1Char('a')));
        QCOMPARE(d.Text1()->text().size(), 25);
        const QString map = m_target->path(), weg = map + QStringLiteral("/weg");
        for (const char* leeg : {"", "   "})
            save(d, map, QLatin1String(leeg));   // no name, or only blanks: refused
        QVERIFY(writeFile(target("stand"), "oude stand"));
        save(d, map, QStringLiteral("stand"));   // "Yes", but there is no page to put there
        QVERIFY(writeFile(scratch(), "nieuwe stand"));
        msgs.queueAnswer(platform::vbNo);
        d.SaveHtmlPage();   // "No"
        QVERIFY(QDir().mkpath(weg));
        d.setDir1Path(weg);
        QVERIFY(QDir(weg).removeRecursively());   // the folder disappears before saving
        d.SaveHtmlPage();
        // so far the old file, the dialog and the scratch page stay
        QCOMPARE(std::tuple(readFile(target("stand")), d.result(), QFile::exists(scratch())),
                 std::tuple(QByteArray("oude stand"), int(QDialog::Rejected), true));
        save(d, map, QStringLiteral("stand"));   // "Yes"
        QStringList boxes = shown(msgs);
        boxes[5] = boxes.value(5).section("\r\n", 0, 1);
        const QString leeg = QStringLiteral("Let op!|!|U moet uw bestand een naam geven van maximaal 25 tekens!");
        QCOMPARE(boxes, (QStringList{leeg, leeg, Vraag,
                                     "Let op!|X|Zojuist aangemaakt HTML-code niet gevonden!\r\n"
                                     "Maak opnieuw HTML-code aan van de stand!",
                                     Vraag, "Let op!|X|HTML-code kon niet worden opgeslagen!\r\n" + weg + "/stand.html",
                                     Vraag, Saved}));
        QCOMPARE(msgs.boxes[2].flags, platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2);
        QCOMPARE(std::tuple(readFile(target("stand")), QFile::exists(scratch())), std::tuple("nieuwe stand", false));
        QVERIFY(writeFile(scratch(), "pagina"));
        frmOpslaanHtml c;
        c.Command2()->click();   // "Cancel": no Hulpweb.html left
        QCOMPARE(QDir(m_prog->path()).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(map).entryList(QDir::Files), QStringList{"stand.html"});
    }

    void moveAcrossFileSystems()
    {
        // /dev/shm is a memory file system on most systems: a rename cannot cross it.
        QTemporaryDir shm(QStringLiteral("/dev/shm/stand-XXXXXX"));
        if (!shm.isValid() || QStorageInfo(shm.path()).device() == QStorageInfo(m_target->path()).device())
            QSKIP("no second file system available");
        const QString src = shm.path() + QStringLiteral("/Hulpweb.html"), dst = target("stand");
        QVERIFY(writeFile(src, "pagina\r\n") && moveFile(src, dst, false));
        QCOMPARE(std::tuple(QFile::exists(src), readFile(dst)), std::tuple(false, "pagina\r\n"));
        QVERIFY(writeFile(src, "nieuw\r\n"));   // an existing target is refused unless replacing was agreed
        QVERIFY(!moveFile(src, dst, false));
        QCOMPARE(readFile(dst), "pagina\r\n");
        QVERIFY(moveFile(src, dst, true) && !moveFile(dst, dst, true));   // never onto itself: it would be lost
        QCOMPARE(std::tuple(readFile(dst), QFile::exists(dst + ".part")), std::tuple("nieuw\r\n", false));
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
            rec.fontMetrics = true;   // the sizes below hold where the lines fit the page in the real font
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
            QVERIFY2(testsupport::printFaults(rec).isEmpty(), qPrintable(testsupport::printFaults(rec)));
            if (c.n > perSheet && c.paper == a4 && c.winnaars) {
                // page 1 prints at 12 pt; later pages keep the page header's size
                QCOMPARE(rec.findText(QStringLiteral("Winnaar 1"))->fontSize, 12.0);
                QCOMPARE(rec.findText(QStringLiteral("Winnaar 50"))->fontSize, 10.0);
            } else if (c.n > perSheet && c.paper == a4) {
                // the empty line under the titles is only on the first page: rows start lower there
                const double regel = 23 * rec.findText(QStringLiteral("Speler 1"))->fontSize;
                QCOMPARE(rec.findText(QStringLiteral("Speler 1"))->y - titles[1][0], 2 * regel);
                QCOMPARE(rec.findText(QStringLiteral("Speler 29"))->y - titles[2][0], regel);
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
        PrintRun run;   // the print and its completion message both wait for the print dialog
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

QTEST_MAIN(TestStandingsOutput)
#include "test_standings_output.moc"

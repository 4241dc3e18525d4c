// The standings page: its lines, colours, escaping, and saving it through
// the scratch page in the program folder.
#include "app/modStootplanner.h"
#include "core/htmlpage.h"
#include "core/text1252.h"
#include "standings/frmHTML.h"
#include "standings/frmKleur.h"
#include "standings/frmOpslaanHtml.h"
#include "standings/modHtml.h"
#include "standings/modStand.h"
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
using platform::ScriptedMessages;
using standtest::shown;
using standtest::writeFile;

namespace {

StandLine line(const QString& naam, const QString& vl, const QStringList& cijfers)
{
    StandLine l;
    l.text = QStringLiteral("1");
    l.sub << naam << vl << cijfers;
    return l;
}

HtmlPageInput input()
{
    HtmlPageInput in;
    in.toernooiNaam = QStringLiteral("Clubkampioenschap                       ");
    in.titel = standHtmlTitle(1, 2, false);
    in.datum = QDate(2026, 11, 5);
    in.rijen << line("Jansen", "P.", {"3", "6", "75", "40", "1.87", "9", "2.50", "100.00", "89.28", "3", "0", "0"})
             << line("de Vries", "J.H.", {"3", "2", "50", "42", "1.19", "5", "1.30", "66.66", "82.11", "1", "0", "2"});
    return in;
}

QString readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? fromCp1252(f.readAll()) : QStringLiteral("<missing>");
}

const QString Saved = QStringLiteral("Gereed|i|HTML-code opgeslagen!");

} // namespace

class TestStandingsHtml : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_prog;
    std::unique_ptr<QTemporaryDir> m_target;

    QString target(const QString& naam) const { return m_target->path() + '/' + naam + ".html"; }
    QString scratch() const { return frmHTML::ScratchPath(); }
    // The save dialog on the target folder with a name filled in.
    void prepare(frmOpslaanHtml& d, const QString& naam)
    {
        d.setDir1Path(m_target->path());
        d.Text1()->setText(naam);
    }

private slots:
    void init()
    {
        m_prog = std::make_unique<QTemporaryDir>();
        m_target = std::make_unique<QTemporaryDir>();
        modStootplanner::ResetContext();
        modStootplanner::ProgrammaMap = m_prog->path() + QLatin1Char('/');
        modStootplanner::MeldingTitel = QStringLiteral("Let op!");
        modStootplanner::Toernooi.naam = QStringLiteral("Wintercompetitie");
        modStand::MatchpuntenModus = false;
        modStand::StandHtmlTitel = standHtmlTitle(1, 2, false);
        modHtml::ResetHtmlState();
    }

    void cleanup() { frmHTML::setSaveDialogHook({}); }

    void pageWithoutColours()
    {
        QStringList head = {
            "<div align=left>",
            "<table border=1 cellpadding=5 bgcolor=>",
            "<tr>",
            "<td align=center colspan=14><font size=5 font color =><b>Clubkampioenschap</b></font></td>",
            "<tr>",
            "<td align=center colspan=10><font size=4 font color =><b>Stand in Ronde  1 en in Poule  2</b></font></td>",
            "<td align=center colspan=4><font size=4 font color =><b>05-11-2026</b></font></td>",
            "<font size=3>",
            "</tr>",
            "<tr>",
            "<td align=center><font color = ><b>Pos</b></td>",
            "<td><font color = ><b>Naam</b></td>",
        };
        for (const char* k : {"Prt", "Pnt", "Car", "Brt", "Moy", "HS", "P.Moy", "% Car", "% Moy", "W", "R", "V"})
            head << QStringLiteral("<td align=center><font color = ><b>%1</b></td>").arg(QLatin1String(k));
        head << "</tr>";
        QStringList rij2 = {"<tr>", "<td align=right><font color = > 2</td>",
                            "<td align=left><font color = >de Vries, J.H.</td>"};
        for (const char* c : {"3", "2", "50", "42", "1.19", "5", "1.30", "66.66", "82.11", "1", "0", "2"})
            rij2 << QStringLiteral("<td align=center><font color = >%1</td>").arg(QLatin1String(c));
        rij2 << "</tr>";
        const QStringList tail = {"<tr></tr>", "</font>", "</table>", "</div>"};

        HtmlPageInput in = input();
        const QStringList l = htmlPageLines(in);
        QCOMPARE(l.size(), 25 + 2 * 16 + 4);
        QCOMPARE(l.mid(0, 25), head);
        QCOMPARE(l[26], QStringLiteral("<td align=right><font color = > 1</td>"));
        QCOMPARE(l.mid(25 + 16, 16), rij2);
        QCOMPARE(l.mid(25 + 32), tail);
        in.rijen.clear();   // an empty list: the head and the closing lines only
        QCOMPARE(htmlPageLines(in), head + tail);
    }

    void swatches()
    {
        // each swatch shows its colour; pale cyan is written as plain cyan
        frmKleur k;
        QCOMPARE(k.Label1(11)->palette().color(QPalette::Window), QColor(0, 128, 128));   // teal
        QCOMPARE(k.Label1(15)->palette().color(QPalette::Window), QColor(128, 128, 0));   // olive
        QCOMPARE(k.Label1(16)->palette().color(QPalette::Window), QColor(192, 255, 255));
        modHtml::KleurKeuze = 2;
        k.Label1_Click(11);   // a background choice leaves the letters alone
        QCOMPARE(modHtml::HtmlTekstKleurCode + '|' + modHtml::HtmlAchtergrondKleurCode, QStringLiteral("|#008080"));
        modHtml::KleurKeuze = 1;
        k.Label1_Click(16);
        QCOMPARE(modHtml::HtmlTekstKleurCode + '|' + modHtml::HtmlAchtergrondKleurCode,
                 QStringLiteral("#00FFFF|#008080"));
        QCOMPARE(modHtml::HtmlTekstKleur, QColor(192, 255, 255));
        k.Label1_Click(4);   // white letters keep their "#", unlike a white background
        QCOMPARE(modHtml::HtmlTekstKleurCode + '|' + modHtml::HtmlTekstKleur.name(), QStringLiteral("#FFFFFF|#ffffff"));
    }

    void matchPointsAndEscaping()
    {
        HtmlPageInput in = input();
        in.matchpunten = true;
        in.titel = standHtmlTitle(2, 1, true);
        in.toernooiNaam = QStringLiteral("Jansen & \"Zn\" <b>open</b>");
        in.rijen[0].sub[0] = QStringLiteral("Smit<script>");
        in.rijen[0].sub[1] = QStringLiteral("A&B");
        const QStringList l = htmlPageLines(in);
        QCOMPARE(l[3], QStringLiteral("<td align=center colspan=14><font size=5 font color =><b>"
                                      "Jansen &amp; &quot;Zn&quot; &lt;b&gt;open&lt;/b&gt;</b></font></td>"));
        QCOMPARE(l[5], QStringLiteral("<td align=center colspan=10><font size=4 font color =><b>"
                                      "Stand in Ronde  2 en in Poule  1 op basis van MatchPunten</b></font></td>"));
        QCOMPARE(l[13], QStringLiteral("<td align=center><font color = ><b>MP</b></td>"));
        QCOMPARE(l[27], QStringLiteral("<td align=left><font color = >Smit&lt;script&gt;, A&amp;B</td>"));
        // the sample's points heading follows the mode
        modStand::MatchpuntenModus = true;
        QCOMPARE(frmHTML({}).Label1(4)->text(), QStringLiteral("MP"));
        modStand::MatchpuntenModus = false;
        QCOMPARE(frmHTML({}).Label1(4)->text(), QStringLiteral("Pnt"));
    }

    void bytesAreCp1252WithCrLf()
    {
        HtmlPageInput in = input();
        in.rijen[0].sub[0] = QStringLiteral("Daniëls");
        const QByteArray b = htmlPageBytes(in);
        QVERIFY(b.startsWith("<div align=left>\r\n<table border=1 cellpadding=5 bgcolor=>\r\n"));
        QVERIFY(b.endsWith("<tr></tr>\r\n</font>\r\n</table>\r\n</div>\r\n"));
        QVERIFY(b.contains(QByteArray("Dani\xEBls, P.</td>\r\n")));
        QCOMPARE(b.count("\r\n"), htmlPageLines(in).size());
        QCOMPARE(b.count('\n'), b.count("\r\n"));
    }

    void writeAndSaveFromExportWindow()
    {
        ScriptedMessages msgs;
        QStringList scratchLines;
        frmHTML::setSaveDialogHook([&](QWidget* parent) {
            scratchLines = readFile(scratch()).split(QStringLiteral("\r\n"));
            frmOpslaanHtml d(parent);
            prepare(d, QStringLiteral("stand poule 2"));
            d.SaveHtmlPage();
        });
        frmHTML dlg(input().rijen);
        modHtml::KleurKeuze = 2;   // white background (its code without "#"), olive letters
        frmKleur(&dlg).Label1_Click(4);
        modHtml::KleurKeuze = 1;
        frmKleur(&dlg).Label1_Click(15);
        dlg.WriteStandingsHtml();
        QCOMPARE(scratchLines.value(1), QStringLiteral("<table border=1 cellpadding=5 bgcolor=FFFFFF>"));
        QCOMPARE(scratchLines.value(3), QStringLiteral("<td align=center colspan=14><font size=5 font color =#808000>"
                                                       "<b>Wintercompetitie</b></font></td>"));
        QCOMPARE(scratchLines.value(27), QStringLiteral("<td align=left><font color = #808000>Jansen, P.</td>"));
        QCOMPARE(readFile(target("stand poule 2")).split(QStringLiteral("\r\n")), scratchLines);
        QVERIFY(!QFile::exists(scratch()));
        QCOMPARE(shown(msgs), QStringList{Saved});
    }

    // A second save under the same name replaces the first after "Yes"; the
    // scratch page's own name is refused, so the page is never lost.
    void saveTwiceThenUnderTheScratchName()
    {
        ScriptedMessages msgs;
        QString map = m_target->path(), naam = QStringLiteral("stand");
        QString kept;   // the scratch page while the dialog is still open
        frmHTML::setSaveDialogHook([&](QWidget* parent) {
            frmOpslaanHtml d(parent);
            d.setDir1Path(map);
            d.Text1()->setText(naam);
            d.SaveHtmlPage();
            kept = d.result() == QDialog::Accepted ? QString() : readFile(scratch());
        });
        frmHTML dlg(input().rijen);
        dlg.WriteStandingsHtml();
        modHtml::KleurKeuze = 1;   // olive letters the second time
        frmKleur(&dlg).Label1_Click(15);
        dlg.WriteStandingsHtml();
        const QString vraag = QStringLiteral("Let op!|!|Dit bestand bestaat al!\r\nWilt u dit bestand overschrijven?");
        QCOMPARE(shown(msgs), (QStringList{Saved, vraag, Saved}));
        QVERIFY(readFile(target("stand")).contains("<font color = #808000>Jansen, P.</td>"));
        msgs.clear();
        map = m_prog->path();
        naam = QStringLiteral("Hulpweb");
        dlg.WriteStandingsHtml();
        QCOMPARE(shown(msgs), QStringList{"Let op!|!|Onder deze naam bewaart het programma de HTML-code tijdelijk!\r\n"
                                          "Kies een andere naam of een andere map."});
        QVERIFY(kept.contains("<font color = #808000>Jansen, P.</td>"));   // the page stays, the dialog open
    }

    void overwriteQuestion()
    {
        const QString question =
            QStringLiteral("Let op!|!|Dit bestand bestaat al!\r\nWilt u dit bestand overschrijven?");
        ScriptedMessages msgs;
        QVERIFY(writeFile(target("stand"), "oude stand"));
        frmOpslaanHtml d;
        prepare(d, QStringLiteral("stand"));
        d.SaveHtmlPage();   // Yes to overwriting, but there is no page to put there: the old file stays
        QCOMPARE(shown(msgs), (QStringList{question, "Let op!|X|Zojuist aangemaakt HTML-code niet gevonden!\r\n"
                                                     "Maak opnieuw HTML-code aan van de stand!"}));
        QCOMPARE(msgs.boxes[0].flags, platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2);
        QCOMPARE(readFile(target("stand")), QStringLiteral("oude stand"));

        QVERIFY(writeFile(scratch(), "nieuwe stand"));
        msgs.clear();
        msgs.queueAnswer(platform::vbNo);
        d.SaveHtmlPage();   // "No": the old file, the dialog and the scratch page stay
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(readFile(target("stand")), QStringLiteral("oude stand"));
        QVERIFY(QFile::exists(scratch()));
        d.SaveHtmlPage();   // "Yes"
        QCOMPARE(shown(msgs), (QStringList{question, question, Saved}));
        QCOMPARE(readFile(target("stand")), QStringLiteral("nieuwe stand"));
        QVERIFY(!QFile::exists(scratch()));
    }

    void emptyNameThenCancel()
    {
        ScriptedMessages msgs;
        QVERIFY(writeFile(scratch(), "pagina"));
        frmOpslaanHtml d;
        prepare(d, QString());
        d.SaveHtmlPage();   // no name: refused, the dialog and the scratch page stay
        QCOMPARE(shown(msgs), QStringList{"Let op!|!|U moet uw bestand een naam geven van maximaal 25 tekens!"});
        QVERIFY(QFile::exists(scratch()));
        d.Command2()->click();   // "Cancel": no Hulpweb.html left
        QCOMPARE(QDir(m_prog->path()).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(m_target->path()).entryList(QDir::Files), QStringList());
    }

    void failedMoveIsReported()
    {
        ScriptedMessages msgs;
        QVERIFY(writeFile(scratch(), "<div align=left>\r\n"));
        const QString sub = m_target->path() + QStringLiteral("/weg");
        QVERIFY(QDir().mkpath(sub));
        frmOpslaanHtml d;
        d.setDir1Path(sub);
        QVERIFY(QDir(sub).removeRecursively());   // the folder disappears before saving
        d.Text1()->setText(QStringLiteral("stand"));
        d.SaveHtmlPage();
        QCOMPARE(shown(msgs).size(), 1);   // and no "HTML-code opgeslagen!" after it
        QVERIFY(shown(msgs)[0].startsWith("Let op!|X|HTML-code kon niet worden opgeslagen!\r\n" + sub +
                                          "/stand.html\r\n"));
        QVERIFY(d.result() != QDialog::Accepted);
        QVERIFY(QFile::exists(scratch()));   // kept while the dialog is open
    }

    void moveAcrossFileSystems()
    {
        // /dev/shm is a memory file system on most systems: a rename cannot cross it.
        QTemporaryDir shm(QStringLiteral("/dev/shm/stand-XXXXXX"));
        if (!shm.isValid() || QStorageInfo(shm.path()).device() == QStorageInfo(m_target->path()).device())
            QSKIP("no second file system available");
        const QString src = shm.path() + QStringLiteral("/Hulpweb.html");
        const QString dst = target("stand");
        QString why;
        QVERIFY(writeFile(src, "pagina\r\n"));
        QVERIFY2(moveFile(src, dst, false, &why), qPrintable(why));
        QVERIFY(!QFile::exists(src));
        QCOMPARE(readFile(dst), QStringLiteral("pagina\r\n"));
        QVERIFY(writeFile(src, "nieuw\r\n"));   // an existing target is refused unless replacing was agreed
        QVERIFY(!moveFile(src, dst, false, &why));
        QCOMPARE(readFile(dst), QStringLiteral("pagina\r\n"));
        QVERIFY(moveFile(src, dst, true, &why));
        QCOMPARE(readFile(dst), QStringLiteral("nieuw\r\n"));
        QVERIFY(!QFile::exists(dst + QStringLiteral(".part")));
    }

    void nameBoxTakesOnlyFileNameCharacters()
    {
        frmOpslaanHtml d;
        QTest::keyClicks(d.Text1(), QStringLiteral("St<a>n/d: 1-2 & x.y_"));
        for (const QString& t : {QStringLiteral("é"), QStringLiteral("ß")}) {   // only A-Z and a-z
            QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, t);
            QApplication::sendEvent(d.Text1(), &e);
        }
        QCOMPARE(d.Text1()->text(), QStringLiteral("Stand 1-2  xy"));
        d.Text1()->clear();
        QTest::keyClicks(d.Text1(), QString(30, QLatin1Char('a')));
        QCOMPARE(d.Text1()->text().size(), 25);
    }
};

QTEST_MAIN(TestStandingsHtml)
#include "test_standings_html.moc"

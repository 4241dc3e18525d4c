// The standings page: its lines, colours, escaping, and saving it through
// the scratch page in the program folder.
#include "app/modStootplanner.h"
#include "core/htmlpage.h"
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
using standtest::readFile;
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

const QString Saved = QStringLiteral("Gereed|i|HTML-code opgeslagen!");
const QString Vraag = QStringLiteral("Let op!|!|Dit bestand bestaat al!\r\nWilt u dit bestand overschrijven?");

} // namespace

class TestStandingsHtml : public QObject {
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
        modStootplanner::ResetContext();
        modStootplanner::ProgrammaMap = m_prog->path() + QLatin1Char('/');
        modStootplanner::MeldingTitel = QStringLiteral("Let op!");
        modStootplanner::Toernooi.naam = QStringLiteral("Wintercompetitie");
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
                            "<td align=left><font color = >de Vries, J.H.</td>"};
        for (const char* c : {"3", "2", "50", "42", "1.19", "5", "1.30", "66.66", "82.11", "1", "0", "2"})
            rij2 << QStringLiteral("<td align=center><font color = >%1</td>").arg(QLatin1String(c));
        rij2 << "</tr>";
        const QStringList tail = {"<tr></tr>", "</font>", "</table>", "</div>"};

        HtmlPageInput in = input();
        const QStringList l = htmlPageLines(in);
        QCOMPARE(l.size(), 25 + 2 * 16 + 4);
        QCOMPARE(l.mid(0, 25) + l.mid(25 + 16), head + rij2 + tail);
        QCOMPARE(l[26], QStringLiteral("<td align=right><font color = > 1</td>"));
        in.rijen[0].sub[0] = QStringLiteral("Daniëls");   // the file: Windows-1252, CR LF after every line
        QCOMPARE(QString::fromLatin1(htmlPageBytes(in)), htmlPageLines(in).join("\r\n") + "\r\n");
        QVERIFY(htmlPageBytes(in).contains("Dani\xEBls, P.</td>\r\n"));
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

    // Saved from the export window in the chosen colours, then again under the
    // same name after "Yes"; the scratch page's own name is refused, so the
    // page is never lost.
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
        QCOMPARE(std::tuple(swatch(11), swatch(15), swatch(16)),   // teal, olive, pale cyan
                 std::tuple(QColor(0, 128, 128), QColor(128, 128, 0), QColor(192, 255, 255)));
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
        QCOMPARE(l.value(27), QStringLiteral("<td align=left><font color = #00FFFF>Jansen, P.</td>"));
        QCOMPARE(readFile(target("stand")), page);
        QVERIFY(!QFile::exists(scratch()));
        k.Label1_Click(4);   // white letters keep their "#"; a teal background then leaves them alone
        modHtml::KleurKeuze = 2;
        k.Label1_Click(11);
        dlg.WriteStandingsHtml();
        QCOMPARE(shown(msgs), (QStringList{Saved, Vraag, Saved}));
        QCOMPARE(page, readFile(target("stand")));
        QVERIFY(page.contains("bgcolor=#008080>") && page.contains("<font color = #FFFFFF>Jansen, P.</td>"));
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
        const QString map = m_target->path(), weg = map + QStringLiteral("/weg");
        save(d, map, QString());   // no name: refused
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
        boxes[4] = boxes.value(4).section("\r\n", 0, 1);
        QCOMPARE(boxes, (QStringList{"Let op!|!|U moet uw bestand een naam geven van maximaal 25 tekens!", Vraag,
                                     "Let op!|X|Zojuist aangemaakt HTML-code niet gevonden!\r\n"
                                     "Maak opnieuw HTML-code aan van de stand!",
                                     Vraag, "Let op!|X|HTML-code kon niet worden opgeslagen!\r\n" + weg + "/stand.html",
                                     Vraag, Saved}));
        QCOMPARE(msgs.boxes[1].flags, platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2);
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
        QString why;
        QVERIFY(writeFile(src, "pagina\r\n"));
        QVERIFY2(moveFile(src, dst, false, &why), qPrintable(why));
        QCOMPARE(std::tuple(QFile::exists(src), readFile(dst)), std::tuple(false, "pagina\r\n"));
        QVERIFY(writeFile(src, "nieuw\r\n"));   // an existing target is refused unless replacing was agreed
        QVERIFY(!moveFile(src, dst, false, &why));
        QCOMPARE(readFile(dst), "pagina\r\n");
        QVERIFY(moveFile(src, dst, true, &why));
        QCOMPARE(std::tuple(readFile(dst), QFile::exists(dst + ".part")), std::tuple("nieuw\r\n", false));
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

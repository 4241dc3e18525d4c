// The standings page: its lines, colours, escaping, and saving it through
// the scratch page in the program folder.
#include "app/modStootplanner.h"
#include "core/htmlpage.h"
#include "core/text1252.h"
#include "platform/msgbox.h"
#include "standings/frmHTML.h"
#include "standings/frmKleur.h"
#include "standings/frmOpslaanHtml.h"
#include "standings/modHtml.h"
#include "standings/modStand.h"
#include "standings/standlist.h"
#include "support/core/bytes_text.h"
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace core;
using platform::ScriptedMessages;

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
    in.rijen << line(QStringLiteral("Jansen"), QStringLiteral("P."),
                     {"3", "6", "75", "40", "1.87", "9", "2.50", "100.00", "89.28", "3", "0", "0"});
    in.rijen << line(QStringLiteral("de Vries"), QStringLiteral("J.H."),
                     {"3", "2", "50", "42", "1.19", "5", "1.30", "66.66", "82.11", "1", "0", "2"});
    return in;
}

QString readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return fromCp1252(f.readAll());
}

} // namespace

class TestStandingsHtml : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pageWithoutColours();
    void swatches_data();
    void swatches();
    void matchPointHeadings();
    void emptyList();
    void namesAreEscaped();
    void bytesAreCp1252WithCrLf();

    void writeAndSaveFromExportWindow();
    void savingTwiceAsksToOverwrite();
    void missingScratchPage();
    void emptyNameThenCancel();
    void failedMoveIsReported();
    void moveAcrossFileSystems();
    void nameBoxTakesOnlyFileNameCharacters();

private:
    QTemporaryDir* m_prog = nullptr;
    QTemporaryDir* m_target = nullptr;
};

void TestStandingsHtml::init()
{
    m_prog = new QTemporaryDir;
    m_target = new QTemporaryDir;
    modStootplanner::ResetContext();
    modStootplanner::ProgrammaMap = m_prog->path() + QLatin1Char('/');
    modStootplanner::MeldingTitel = QStringLiteral("Let op!");
    modStootplanner::Toernooi.naam = QStringLiteral("Wintercompetitie");
    modStand::MatchpuntenModus = false;
    modStand::StandHtmlTitel = standHtmlTitle(1, 1, false);
    modHtml::ResetHtmlState();
    frmHTML::setSaveDialogHook({});
}

void TestStandingsHtml::cleanup()
{
    frmHTML::setSaveDialogHook({});
    delete m_prog;
    delete m_target;
}

void TestStandingsHtml::pageWithoutColours()
{
    const QStringList l = htmlPageLines(input());
    QCOMPARE(l.size(), 25 + 2 * 16 + 4);
    const QStringList head = {
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
        "<td align=center><font color = ><b>Prt</b></td>",
        "<td align=center><font color = ><b>Pnt</b></td>",
        "<td align=center><font color = ><b>Car</b></td>",
        "<td align=center><font color = ><b>Brt</b></td>",
        "<td align=center><font color = ><b>Moy</b></td>",
        "<td align=center><font color = ><b>HS</b></td>",
        "<td align=center><font color = ><b>P.Moy</b></td>",
        "<td align=center><font color = ><b>% Car</b></td>",
        "<td align=center><font color = ><b>% Moy</b></td>",
        "<td align=center><font color = ><b>W</b></td>",
        "<td align=center><font color = ><b>R</b></td>",
        "<td align=center><font color = ><b>V</b></td>",
        "</tr>",
    };
    QCOMPARE(l.mid(0, 25), head);
    const QStringList rij2 = {
        "<tr>",
        "<td align=right><font color = > 2</td>",
        "<td align=left><font color = >de Vries, J.H.</td>",
        "<td align=center><font color = >3</td>",
        "<td align=center><font color = >2</td>",
        "<td align=center><font color = >50</td>",
        "<td align=center><font color = >42</td>",
        "<td align=center><font color = >1.19</td>",
        "<td align=center><font color = >5</td>",
        "<td align=center><font color = >1.30</td>",
        "<td align=center><font color = >66.66</td>",
        "<td align=center><font color = >82.11</td>",
        "<td align=center><font color = >1</td>",
        "<td align=center><font color = >0</td>",
        "<td align=center><font color = >2</td>",
        "</tr>",
    };
    QCOMPARE(l.mid(25 + 16, 16), rij2);
    QCOMPARE(l[26], QStringLiteral("<td align=right><font color = > 1</td>"));
    QCOMPARE(l.mid(l.size() - 4), (QStringList{"<tr></tr>", "</font>", "</table>", "</div>"}));
}

void TestStandingsHtml::swatches_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("rij");
    QTest::addColumn<int>("kolom");
    QTest::addColumn<QColor>("kleur");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("achtergrond");
    QTest::newRow("teal") << 11 << 3 << 3 << QColor(0, 128, 128) << "#008080" << "#008080";
    QTest::newRow("olive") << 15 << 3 << 1 << QColor(128, 128, 0) << "#808000" << "#808000";
    QTest::newRow("red in the corner") << 6 << 4 << 4 << QColor(255, 0, 0) << "#FF0000" << "#FF0000";
    QTest::newRow("pale cyan shows, cyan written") << 16 << 4 << 3 << QColor(192, 255, 255) << "#00FFFF" << "#00FFFF";
    QTest::newRow("white: background without #") << 4 << 1 << 4 << QColor(255, 255, 255) << "#FFFFFF" << "FFFFFF";
}

void TestStandingsHtml::swatches()
{
    QFETCH(int, index);
    QFETCH(int, rij);
    QFETCH(int, kolom);
    QFETCH(QColor, kleur);
    QFETCH(QString, letter);
    QFETCH(QString, achtergrond);
    frmKleur k;
    // the swatch sits in its grid cell and is painted in its colour
    static const int lefts[] = {60, 420, 780, 1140};
    static const int tops[] = {105, 420, 735, 1050};
    QCOMPARE(k.Label1(index)->pos(), QPoint(modStand::Px(lefts[kolom - 1]), modStand::Px(tops[rij - 1])));
    QCOMPARE(k.Label1(index)->palette().color(QPalette::Window), kleur);
    modHtml::KleurKeuze = 2;
    k.Label1_Click(index);
    QCOMPARE(modHtml::HtmlAchtergrondKleurCode, achtergrond);
    QVERIFY(modHtml::HtmlTekstKleurCode.isEmpty());   // a background choice leaves the letters alone
    modHtml::KleurKeuze = 1;
    k.Label1_Click(index);
    QCOMPARE(modHtml::HtmlTekstKleurCode, letter);
    QCOMPARE(modHtml::HtmlTekstKleur, kleur);
    QCOMPARE(modHtml::HtmlAchtergrondKleur, kleur);

    HtmlPageInput in = input();
    in.tekstKleurCode = modHtml::HtmlTekstKleurCode;
    in.achtergrondCode = modHtml::HtmlAchtergrondKleurCode;
    const QStringList l = htmlPageLines(in);
    QCOMPARE(l[1], QStringLiteral("<table border=1 cellpadding=5 bgcolor=") + achtergrond + QStringLiteral(">"));
    QCOMPARE(l[3], QStringLiteral("<td align=center colspan=14><font size=5 font color =") + letter +
                       QStringLiteral("><b>Clubkampioenschap</b></font></td>"));
    QCOMPARE(l[27], QStringLiteral("<td align=left><font color = ") + letter + QStringLiteral(">Jansen, P.</td>"));
}

void TestStandingsHtml::matchPointHeadings()
{
    HtmlPageInput in = input();
    in.matchpunten = true;
    in.titel = standHtmlTitle(2, 1, true);
    const QStringList l = htmlPageLines(in);
    QCOMPARE(l[13], QStringLiteral("<td align=center><font color = ><b>MP</b></td>"));
    QVERIFY(l[5].endsWith(QStringLiteral(" op basis van MatchPunten</b></font></td>")));
    QVERIFY(!l.join(QString()).contains(QStringLiteral("<b>Pnt</b>")));

    // the sample's points heading follows the mode
    modStand::MatchpuntenModus = true;
    frmHTML dlg(nullptr);
    QCOMPARE(dlg.Label1(4)->text(), QStringLiteral("MP"));
    modStand::MatchpuntenModus = false;
    frmHTML dlg2(nullptr);
    QCOMPARE(dlg2.Label1(4)->text(), QStringLiteral("Pnt"));
}

void TestStandingsHtml::emptyList()
{
    HtmlPageInput in = input();
    in.rijen.clear();
    const QStringList l = htmlPageLines(in);
    QCOMPARE(l.size(), 29);
    QCOMPARE(l[24], QStringLiteral("</tr>"));
    QCOMPARE(l.mid(25), (QStringList{"<tr></tr>", "</font>", "</table>", "</div>"}));
}

void TestStandingsHtml::namesAreEscaped()
{
    HtmlPageInput in = input();
    in.toernooiNaam = QStringLiteral("Jansen & Zn <b>open</b>");
    in.titel = QStringLiteral("Stand \"A\"");
    in.rijen[0].sub[0] = QStringLiteral("Smit<script>");
    in.rijen[0].sub[1] = QStringLiteral("A&B");
    const QStringList l = htmlPageLines(in);
    QCOMPARE(l[3], QStringLiteral("<td align=center colspan=14><font size=5 font color =><b>"
                                  "Jansen &amp; Zn &lt;b&gt;open&lt;/b&gt;</b></font></td>"));
    QCOMPARE(l[5], QStringLiteral("<td align=center colspan=10><font size=4 font color =><b>Stand &quot;A&quot;</b></font></td>"));
    QCOMPARE(l[27], QStringLiteral("<td align=left><font color = >Smit&lt;script&gt;, A&amp;B</td>"));
    QVERIFY(!l.join(QString()).contains(QStringLiteral("<script>")));
}

void TestStandingsHtml::bytesAreCp1252WithCrLf()
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

void TestStandingsHtml::writeAndSaveFromExportWindow()
{
    ScriptedMessages msgs;
    QTreeWidget stand;
    stand.setColumnCount(15);
    modStand::FillReportList(&stand, input().rijen);
    modStand::StandHtmlTitel = standHtmlTitle(1, 2, false);

    QStringList scratchLines;
    frmHTML::setSaveDialogHook([&](QWidget* parent) {
        scratchLines = readFile(frmHTML::ScratchPath()).split(QStringLiteral("\r\n"));
        frmOpslaanHtml d(parent);
        d.setDir1Path(m_target->path());
        d.Text1()->setText(QStringLiteral("stand poule 2"));
        d.SaveHtmlPage();
    });
    frmHTML dlg(&stand);
    // a background chosen, no letter colour
    modHtml::KleurKeuze = 2;
    frmKleur(&dlg).Label1_Click(11);
    dlg.WriteStandingsHtml();

    QCOMPARE(scratchLines.value(1), QStringLiteral("<table border=1 cellpadding=5 bgcolor=#008080>"));
    QCOMPARE(scratchLines.value(3), QStringLiteral("<td align=center colspan=14><font size=5 font color =><b>"
                                                   "Wintercompetitie</b></font></td>"));
    QCOMPARE(scratchLines.value(27), QStringLiteral("<td align=left><font color = >Jansen, P.</td>"));
    const QString target = m_target->path() + QStringLiteral("/stand poule 2.html");
    QVERIFY(QFile::exists(target));
    QVERIFY(!QFile::exists(frmHTML::ScratchPath()));
    QCOMPARE(readFile(target).split(QStringLiteral("\r\n")), scratchLines);
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("HTML-code opgeslagen!"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Gereed"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbInformation);
}

void TestStandingsHtml::savingTwiceAsksToOverwrite()
{
    ScriptedMessages msgs;
    QTreeWidget stand;
    stand.setColumnCount(15);
    modStand::FillReportList(&stand, input().rijen);
    int round = 0;
    bool closedAfterNo = true;
    frmHTML::setSaveDialogHook([&](QWidget* parent) {
        ++round;
        frmOpslaanHtml d(parent);
        d.setDir1Path(m_target->path());
        d.Text1()->setText(QStringLiteral("stand"));
        d.SaveHtmlPage();
        if (round == 2) {
            // "No": the old file and the dialog stay, the scratch page too
            closedAfterNo = d.result() == QDialog::Accepted;
            QVERIFY(QFile::exists(frmHTML::ScratchPath()));
            msgs.queueAnswer(platform::vbYes);
            d.SaveHtmlPage();
        }
    });
    frmHTML dlg(&stand);
    dlg.WriteStandingsHtml();
    const QString target = m_target->path() + QStringLiteral("/stand.html");
    QVERIFY(readFile(target).contains(QStringLiteral(">Jansen, P.<")));
    msgs.clear();
    msgs.queueAnswer(platform::vbNo);
    stand.topLevelItem(0)->setText(1, QStringLiteral("Gewijzigd"));
    dlg.WriteStandingsHtml();   // round 2: No, then Yes
    QVERIFY(!closedAfterNo);
    QCOMPARE(msgs.boxes.size(), 3);
    QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("Dit bestand bestaat al!\r\nWilt u dit bestand overschrijven?"));
    QCOMPARE(msgs.boxes[0].title, QStringLiteral("Let op!"));
    QCOMPARE(msgs.boxes[0].buttons(), platform::vbYesNo);
    QCOMPARE(msgs.boxes[0].icon(), platform::vbExclamation);
    QCOMPARE(msgs.boxes[0].flags & platform::DefaultMask, platform::vbDefaultButton2);
    QCOMPARE(msgs.boxes[1].prompt, msgs.boxes[0].prompt);
    QCOMPARE(msgs.boxes[2].prompt, QStringLiteral("HTML-code opgeslagen!"));
    QCOMPARE(modStootplanner::MeldingAntwoord, qint16(platform::vbYes));
    const QString text = readFile(target);
    QVERIFY(text.contains(QStringLiteral(">Gewijzigd, P.<")));
    QVERIFY(!text.contains(QStringLiteral(">Jansen, P.<")));
    QVERIFY(!QFile::exists(frmHTML::ScratchPath()));
}

void TestStandingsHtml::missingScratchPage()
{
    ScriptedMessages msgs;
    const QString target = m_target->path() + QStringLiteral("/oud.html");
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("oude stand");
    }
    frmOpslaanHtml d;
    d.setDir1Path(m_target->path());
    d.Text1()->setText(QStringLiteral("oud"));
    d.SaveHtmlPage();   // Yes to overwriting, but there is nothing to put there
    QCOMPARE(msgs.boxes.size(), 2);
    QCOMPARE(msgs.boxes[1].prompt, QStringLiteral("Zojuist aangemaakt HTML-code niet gevonden!\r\n"
                                                  "Maak opnieuw HTML-code aan van de stand!"));
    QCOMPARE(msgs.boxes[1].icon(), platform::vbCritical);
    QCOMPARE(msgs.boxes[1].title, QStringLiteral("Let op!"));
    QCOMPARE(readFile(target), QStringLiteral("oude stand"));
}

void TestStandingsHtml::emptyNameThenCancel()
{
    ScriptedMessages msgs;
    QTreeWidget stand;
    stand.setColumnCount(15);
    frmHTML::setSaveDialogHook([&](QWidget* parent) {
        frmOpslaanHtml d(parent);
        d.setDir1Path(m_target->path());
        d.SaveHtmlPage();   // no name: refused, the dialog and the scratch page stay
        QCOMPARE(msgs.boxes.size(), 1);
        QCOMPARE(msgs.boxes[0].prompt, QStringLiteral("U moet uw bestand een naam geven van maximaal 25 tekens!"));
        QCOMPARE(msgs.boxes[0].title, QStringLiteral("Let op!"));
        QCOMPARE(msgs.boxes[0].icon(), platform::vbExclamation);
        QVERIFY(QFile::exists(frmHTML::ScratchPath()));
        d.Command2()->click();   // "Cancel"
    });
    frmHTML dlg(&stand);
    dlg.WriteStandingsHtml();
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(QDir(m_prog->path()).entryList(QDir::Files).size(), 0);   // no Hulpweb.html left
    QCOMPARE(QDir(m_target->path()).entryList(QDir::Files).size(), 0);
}

void TestStandingsHtml::failedMoveIsReported()
{
    ScriptedMessages msgs;
    {
        QFile f(frmHTML::ScratchPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<div align=left>\r\n");
    }
    const QString sub = m_target->path() + QStringLiteral("/weg");
    QVERIFY(QDir().mkpath(sub));
    frmOpslaanHtml d;
    d.setDir1Path(sub);
    QCOMPARE(d.Map(), sub + QLatin1Char('/'));
    QVERIFY(QDir(sub).removeRecursively());   // the folder disappears before saving
    d.Text1()->setText(QStringLiteral("stand"));
    d.SaveHtmlPage();
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith(QStringLiteral("HTML-code kon niet worden opgeslagen!")));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbCritical);
    QVERIFY(d.result() != QDialog::Accepted);
    QVERIFY(QFile::exists(frmHTML::ScratchPath()));   // kept while the dialog is open
}

void TestStandingsHtml::moveAcrossFileSystems()
{
    // /dev/shm is a memory file system on most systems: a rename cannot cross it.
    QTemporaryDir shm(QStringLiteral("/dev/shm/stand-XXXXXX"));
    if (!shm.isValid() || QStorageInfo(shm.path()).device() == QStorageInfo(m_target->path()).device())
        QSKIP("no second file system available");
    const QString src = shm.path() + QStringLiteral("/Hulpweb.html");
    {
        QFile f(src);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("pagina\r\n");
    }
    const QString target = m_target->path() + QStringLiteral("/stand.html");
    QString why;
    QVERIFY2(moveFile(src, target, false, &why), qPrintable(why));
    QVERIFY(!QFile::exists(src));
    QCOMPARE(readFile(target), QStringLiteral("pagina\r\n"));
    // an existing target is refused unless replacing was agreed
    {
        QFile f(src);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("nieuw\r\n");
    }
    QVERIFY(!moveFile(src, target, false, &why));
    QCOMPARE(readFile(target), QStringLiteral("pagina\r\n"));
    QVERIFY(moveFile(src, target, true, &why));
    QCOMPARE(readFile(target), QStringLiteral("nieuw\r\n"));
    QVERIFY(!QFile::exists(target + QStringLiteral(".part")));
}

void TestStandingsHtml::nameBoxTakesOnlyFileNameCharacters()
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

QTEST_MAIN(TestStandingsHtml)
#include "test_standings_html.moc"

// Every window that writes, on a full disk or a read-only medium: it says
// what failed, never follows that with a success message, and every file of
// the tournament and the program folder stays byte for byte as it was.
#include "help/modHelp.h"
#include "planning/frmPlanningStart.h"
#include "platform/programfolder.h"
#include "rounds/frmAutoKoppel.h"
#include "rounds/frmDoorkoppelen.h"
#include "rounds/frmNieuweRonde.h"
#include "standings/frmHTML.h"
#include "standings/frmOpslaanHtml.h"
#include "standings/frmStand.h"
#include "support/core/folder_snapshot.h"
#include "support/rounds_fixture.h"
#include "support/shell_fixture.h"
#include <QLineEdit>

using namespace modStootplanner;
using namespace testsupport::roundsenv;

namespace {
enum Fault { FullDisk, ReadOnly, SettingsBehind };

void carryOver(QPushButton* (frmDoorkoppelen::*button)() const)
{
    frmDoorkoppelen w;
    checkRow(w.ListView1(), "00011");
    (w.*button)()->click();
}

// A write, the fault it meets, and how the last box begins and ends ("<map>": the program folder).
const struct Case {
    const char* name;
    Fault fault;
    std::function<void(RoundsEnv&)> run;
    QString prompt, ending = {};
} cases[] = {
    {"scratch page", FullDisk, [](RoundsEnv&) { frmHTML({}).WriteStandingsHtml(); },
     "HTML-code kan niet worden aangemaakt!\r\n"},
    {"page saved", FullDisk, [](RoundsEnv&) {
         frmOpslaanHtml d;  // over an old page, "Yes" to overwriting
         d.setDir1Path(ToernooiMap);
         d.Text1()->setText("stand");
         d.SaveHtmlPage();
     }, "HTML-code kon niet worden opgeslagen!\r\n"},
    {"shut-down", FullDisk, [](RoundsEnv& env) { env.hoofd->close(); },
     "Het laatst gebruikte toernooi kon niet worden opgeslagen in Stootplanner.ini !\r\n"},
    {"font size", FullDisk, [](RoundsEnv&) { frmStand().hide(); },  // its first opening writes the size file
     "De lettergrootte kon niet worden bewaard in Hulp_size.dat !\r\n"},
    {"new planning", FullDisk, [](RoundsEnv&) { frmPlanningStart().Command2()->click(); },
     "Planningbestand kan niet worden geschreven !\r\nPlanning is niet aangemaakt !\r\n"},
    {"new round", FullDisk, [](RoundsEnv&) { frmNieuweRonde().Command1()->click(); },
     "Ronde  3 is niet aangemaakt !\r\n"},
    {"new round over an existing one", SettingsBehind, [](RoundsEnv&) { frmNieuweRonde().Command1()->click(); },
     "Ronde  2 is niet aangemaakt !\r\nHet poulebestand bevat al gegevens voor ronde  2."},
    {"manual carry-over", FullDisk, [](RoundsEnv&) { carryOver(&frmDoorkoppelen::Command2); },
     "De spelers konden niet worden opgeslagen !\r\n", "\r\nEr is niemand doorgekoppeld."},
    {"poule added", ReadOnly, [](RoundsEnv&) { carryOver(&frmDoorkoppelen::Command6); },
     "De nieuwe poule kon niet worden opgeslagen !\r\n"},
    {"automatic carry-over", FullDisk, [](RoundsEnv&) {
         frmAutoKoppel w;  // four players over two poules
         w.Text1()->setText("4");
         w.Text2()->setText("2");
         w.Command2()->click();
         w.Command3()->click();
     }, "De spelers konden niet worden opgeslagen !\r\n", "\r\nEr is niemand doorgekoppeld."},
    {"help file", ReadOnly, [](RoundsEnv&) {
         testsupport::ScopedEnv home("STOOTPLANNER_HOME", ProgrammaMap);
         platform::installShippedFiles();
         modHelp::CheckHelpFileBeforeOpening();
     }, "Help-bestand van Stootplanner kon niet worden geïnstalleerd in de programmamap !\r\n<map>\r\n"},
};
} // namespace

class TestWriteFaults : public QObject {
    Q_OBJECT
private slots:
    void reported_data() { testsupport::addCases(cases); }
    void reported()
    {
        QFETCH(int, i);
        const Case& c = cases[i];
        RoundsEnv env;
        buildRound1(env.builder(), {3, 3});
        if (c.fault == SettingsBehind)
            env.builder().toernooi.laatsteRonde = 1;
        env.load();
        QVERIFY(core::writeIni(ProgrammaMap + core::IniFileName, {"/oud/", "Oud_ST001.stt"}));
        QVERIFY(core::replaceFile(ProgrammaMap + core::ScratchPageName, "<nieuw>\r\n"));
        QVERIFY(core::replaceFile(ToernooiMap + "stand.html", "<oud>\r\n"));
        auto files = [] { return testsupport::snapshot(ProgrammaMap, "p/", testsupport::snapshot(ToernooiMap, "t/")); };
        const testsupport::Files before = files();
        core::writeSeam().bytesLeft = c.fault == FullDisk ? 0 : -1;
        core::writeSeam().readOnly = c.fault == ReadOnly;
        c.run(env);
        core::writeSeam() = {};
        QCOMPARE(files(), before);
        const auto& boxes = env.msgs.boxes;
        QVERIFY(!boxes.isEmpty());
        const QString prompt = QString(c.prompt).replace("<map>", ProgrammaMap);
        QVERIFY2(boxes.last().prompt.startsWith(prompt) && boxes.last().prompt.endsWith(c.ending),
                 qPrintable(boxes.last().prompt));
        QVERIFY(boxes.last().icon() == platform::vbCritical || boxes.last().icon() == platform::vbExclamation);
        for (const auto& b : boxes)
            QVERIFY(b.title != "Gereed");
    }

    // The medium goes away right after the players are written, so the store fails and cannot be undone;
    // once it is back, "Doorkoppelen" again stores each player once.
    void retried()
    {
        RoundsEnv env;
        buildRound1(env.builder(), {3, 3});
        env.load();
        const QString spelers = PadSpelers();
        const qint64 size = QFileInfo(spelers).size();
        core::writeSeam().beforeStep = [&](int) { core::writeSeam().readOnly |= QFileInfo(spelers).size() != size; };
        frmAutoKoppel w;  // four players over two poules
        w.Text1()->setText("4");
        w.Text2()->setText("2");
        w.Command2()->click();
        for (const char* prompt : {"De spelers konden niet worden opgeslagen !", "Spelers doorgekoppeld !"}) {
            w.Command3()->click();
            core::writeSeam() = {};
            QVERIFY(env.msgs.boxes.last().prompt.startsWith(prompt));
        }
        QCOMPARE(QFileInfo(spelers).size(), size + 4 * core::SpelerRec::Length);
    }
};

QTEST_MAIN(TestWriteFaults)
#include "test_write_faults.moc"

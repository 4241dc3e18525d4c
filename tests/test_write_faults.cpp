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
#include <QRadioButton>

using namespace modStootplanner;
using namespace testsupport::roundsenv;
using testsupport::snapshot;

namespace {
enum Fault { FullDisk, ReadOnly, SettingsBehind };
enum Action { ScratchPage, PageSaved, ShutDown, FontSize, NewPlanning, NewRound, Manual, PouleAdded, Auto, HelpFile };
} // namespace

class TestWriteFaults : public QObject {
    Q_OBJECT
    std::unique_ptr<RoundsEnv> m_env;

    void run(int action)
    {
        switch (action) {
        case ScratchPage: frmHTML({}).WriteStandingsHtml(); break;
        case PageSaved: {
            frmOpslaanHtml d;   // over an old page, "Yes" to overwriting
            d.setDir1Path(ToernooiMap);
            d.Text1()->setText("stand");
            d.SaveHtmlPage();
            break;
        }
        case ShutDown: m_env->hoofd->close(); break;
        case FontSize: frmStand().hide(); break;   // its first opening writes the size file
        case NewPlanning: frmPlanningStart().Command2()->click(); break;
        case NewRound: frmNieuweRonde().Command1()->click(); break;
        case Manual:
        case PouleAdded: {
            frmDoorkoppelen w;
            checkRow(w.ListView1(), "00011");
            (action == Manual ? w.Command2() : w.Command6())->click();
            break;
        }
        case Auto: {
            frmAutoKoppel w;   // four players over two poules
            w.Text1()->setText("4");
            w.Text2()->setText("2");
            w.Command2()->click();
            w.Command3()->click();
            break;
        }
        case HelpFile: {
            testsupport::ScopedEnv home("STOOTPLANNER_HOME", ProgrammaMap);
            platform::installShippedFiles();
            modHelp::CheckHelpFileBeforeOpening();
            break;
        }
        }
    }

private slots:
    void init() { m_env = std::make_unique<RoundsEnv>(); }
    void cleanup() { m_env.reset(); }

    void reported_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("prompt");   // how the last box begins ...
        QTest::addColumn<QString>("ending");   // ... and ends
        auto row = [](const char* name, Fault fault, Action action, const QString& prompt, const QString& ending = {}) {
            QTest::newRow(name) << int(fault) << int(action) << prompt << ending;
        };
        const QString niemand = "\r\nEr is niemand doorgekoppeld.";
        row("scratch page", FullDisk, ScratchPage, "HTML-code kan niet worden aangemaakt!\r\n");
        row("page saved", FullDisk, PageSaved, "HTML-code kon niet worden opgeslagen!\r\n");
        row("shut-down", FullDisk, ShutDown,
            "Het laatst gebruikte toernooi kon niet worden opgeslagen in Stootplanner.ini !\r\n");
        row("font size", FullDisk, FontSize, "De lettergrootte kon niet worden bewaard in Hulp_size.dat !\r\n");
        row("new planning", FullDisk, NewPlanning,
            "Planningbestand kan niet worden geschreven !\r\nPlanning is niet aangemaakt !\r\n");
        row("new round", FullDisk, NewRound, "Ronde  3 is niet aangemaakt !\r\n");
        row("new round over an existing one", SettingsBehind, NewRound,
            "Ronde  2 is niet aangemaakt !\r\nHet poulebestand bevat al gegevens voor ronde  2.");
        row("manual carry-over", FullDisk, Manual, "De spelers konden niet worden opgeslagen !\r\n", niemand);
        row("poule added", ReadOnly, PouleAdded, "De nieuwe poule kon niet worden opgeslagen !\r\n");
        row("automatic carry-over", FullDisk, Auto, "De spelers konden niet worden opgeslagen !\r\n", niemand);
        row("help file", ReadOnly, HelpFile,
            "Help-bestand van Stootplanner kon niet worden geïnstalleerd in de programmamap !\r\n" + ProgrammaMap);
    }
    void reported()
    {
        QFETCH(int, fault);
        QFETCH(int, action);
        QFETCH(QString, prompt);
        QFETCH(QString, ending);
        buildRound1(m_env->builder(), {3, 3});
        if (fault == SettingsBehind)
            m_env->builder().toernooi.laatsteRonde = 1;
        m_env->load();
        QVERIFY(core::writeIni(ProgrammaMap + core::IniFileName, {"/oud/", "Oud_ST001.stt"}));
        QVERIFY(core::replaceFile(ProgrammaMap + core::ScratchPageName, "<nieuw>\r\n"));
        QVERIFY(core::replaceFile(ToernooiMap + "stand.html", "<oud>\r\n"));
        auto files = [] { return snapshot(ProgrammaMap, "p/", snapshot(ToernooiMap, "t/")); };
        const testsupport::Files before = files();
        core::writeSeam().bytesLeft = fault == FullDisk ? 0 : -1;
        core::writeSeam().readOnly = fault == ReadOnly;
        run(action);
        core::writeSeam() = {};
        QCOMPARE(files(), before);
        const auto& boxes = m_env->msgs.boxes;
        QVERIFY(!boxes.isEmpty());
        QVERIFY2(boxes.last().prompt.startsWith(prompt) && boxes.last().prompt.endsWith(ending),
                 qPrintable(boxes.last().prompt));
        QVERIFY(boxes.last().icon() == platform::vbCritical || boxes.last().icon() == platform::vbExclamation);
        for (const auto& b : boxes)
            QVERIFY(b.title != "Gereed");
    }
};

QTEST_MAIN(TestWriteFaults)
#include "test_write_faults.moc"

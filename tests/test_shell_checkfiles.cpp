// CheckTournamentFiles: the message of every missing file in each form, and
// the closing form's end of the program.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/tournamentfiles.h"
#include "platform/msgbox.h"
#include "support/tournamentfixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace modStootplanner;
using platform::ScriptedMessages;

namespace {
const QString Restore = "of het bestand is beschadigd (gebruik dan Restore).";
const QString Closing = "Het geladen toernooi wordt gesloten !";
const QString Chooser = "Sluit het geladen toernooi af !";
const int AllFiles = FileToernooi | FileSpelers | FileUitslag | FilePoules | FilePlanning;
}  // namespace

class TestShellCheckFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void missingFile_data();
    void missingFile();
    void orderSettingsPlayersResultsPoulesPlanning();
    void onlyRequestedFilesChecked();
    void closingFormEndsProgramAndWritesIni_data();
    void closingFormEndsProgramAndWritesIni();
    void otherCasesCloseNothing_data();
    void otherCasesCloseNothing();

private:
    void makePlanningFile();
    std::unique_ptr<testsupport::TournamentFixture> m_fx;
    std::unique_ptr<QTemporaryDir> m_prog;
};

void TestShellCheckFiles::init()
{
    m_fx = std::make_unique<testsupport::TournamentFixture>();
    m_fx->builder().setRound(1, 2);
    m_fx->builder().addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.5));
    m_fx->load();
    makePlanningFile();
    m_prog = std::make_unique<QTemporaryDir>();
    ProgrammaMap = m_prog->path() + "/";
}

void TestShellCheckFiles::cleanup()
{
    m_fx.reset();
    m_prog.reset();
    ResetContext();
}

void TestShellCheckFiles::makePlanningFile()
{
    QFile f(PadPlanning());
    QVERIFY(f.open(QIODevice::WriteOnly));
}

void TestShellCheckFiles::missingFile_data()
{
    QTest::addColumn<int>("missing");
    QTest::addColumn<int>("form");
    QTest::addColumn<QStringList>("lines");
    const QString naam = "Test toernooi_ST001.stt";
    const QStringList settings = {"Toernooibestand niet gevonden !",
                                  "Plaats het bestand " + naam + " terug in de juiste map,", Restore};
    const QStringList players = {"Spelersbestand niet gevonden !",
                                 "U heeft nog geen spelers aan het toernooi gekoppeld,", Restore};
    const QStringList results = {"Uitslagenbestand niet gevonden !", "U heeft nog geen uitslagen ingevoerd,", Restore};
    const QStringList poules = {"Poulebestand niet gevonden !", Restore};
    const QStringList planning = {"Planningbestand niet gevonden !", Restore};
    const int C = int(CheckForm::Closing), P = int(CheckForm::PouleChooser), K = int(CheckForm::PlanningKey);

    QTest::newRow("settings closing") << int(FileToernooi) << C << (settings + QStringList{Closing});
    QTest::newRow("settings chooser") << int(FileToernooi) << P << (settings + QStringList{Chooser});
    QTest::newRow("players closing") << int(FileSpelers) << C << players;
    QTest::newRow("players chooser") << int(FileSpelers) << P << players;
    QTest::newRow("results closing") << int(FileUitslag) << C << results;
    QTest::newRow("results chooser") << int(FileUitslag) << P << results;
    QTest::newRow("poules closing") << int(FilePoules) << C << (poules + QStringList{Closing});
    QTest::newRow("poules chooser") << int(FilePoules) << P << (poules + QStringList{Chooser});
    QTest::newRow("planning closing") << int(FilePlanning) << C << planning;
    QTest::newRow("planning chooser") << int(FilePlanning) << P << planning;
    QTest::newRow("planning from key")
        << int(FilePlanning) << K
        << QStringList{"Planningbestand niet gevonden !", "U heeft nog geen planningen gemaakt,", Restore};
}

void TestShellCheckFiles::missingFile()
{
    QFETCH(int, missing);
    QFETCH(int, form);
    QFETCH(QStringList, lines);
    const QString path = missing == FileToernooi ? PadToernooi()
                         : missing == FileSpelers ? PadSpelers()
                         : missing == FileUitslag ? PadUitslag()
                         : missing == FilePoules  ? PadPoules()
                                                  : PadPlanning();
    QVERIFY(QFile::remove(path));
    ScriptedMessages msgs;
    QVERIFY(!CheckTournamentFiles(AllFiles, nullptr, CheckForm(form)));
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].prompt, lines.join("\r\n"));
    QCOMPARE(msgs.boxes[0].title, QString("Let op!"));
    QCOMPARE(msgs.boxes[0].icon(), platform::vbCritical);
    QCOMPARE(msgs.boxes[0].buttons(), platform::vbOKOnly);
}

void TestShellCheckFiles::orderSettingsPlayersResultsPoulesPlanning()
{
    // With the players, results and planning files gone, only the players file is reported.
    QVERIFY(QFile::remove(PadPlanning()));
    QVERIFY(QFile::remove(PadUitslag()));
    QVERIFY(QFile::remove(PadSpelers()));
    ScriptedMessages msgs;
    QVERIFY(!CheckTournamentFiles(AllFiles, nullptr, CheckForm::PouleChooser));
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.startsWith("Spelersbestand niet gevonden !"));
}

void TestShellCheckFiles::onlyRequestedFilesChecked()
{
    ScriptedMessages msgs;
    QVERIFY(CheckTournamentFiles(AllFiles));
    QVERIFY(msgs.boxes.isEmpty());
    QVERIFY(QFile::remove(PadUitslag()));
    QVERIFY(CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules));
    QVERIFY(msgs.boxes.isEmpty());
    QVERIFY(!CheckTournamentFiles(FileUitslag));
    QCOMPARE(msgs.boxes.size(), 1);
}

void TestShellCheckFiles::closingFormEndsProgramAndWritesIni_data()
{
    QTest::addColumn<int>("missing");
    QTest::newRow("settings") << int(FileToernooi);
    QTest::newRow("poules") << int(FilePoules);
}

void TestShellCheckFiles::closingFormEndsProgramAndWritesIni()
{
    QFETCH(int, missing);
    const QString map = ToernooiMap, bestand = BestandToernooi;
    QVERIFY(QFile::remove(missing == FileToernooi ? PadToernooi() : PadPoules()));
    mdiHoofd hoofd;
    hoofd.show();
    QWidget* caller = new QWidget;
    caller->setAttribute(Qt::WA_DeleteOnClose);
    hoofd.showChild(caller);
    QPointer<QWidget> guard(caller);
    QVERIFY(caller->isVisible());
    QSignalSpy ended(&hoofd, &mdiHoofd::shutDown);

    ScriptedMessages msgs;
    QVERIFY(!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, caller));
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(msgs.boxes[0].prompt.endsWith("\r\n" + Closing));
    QCOMPARE(ended.count(), 1);
    QVERIFY(hoofd.shutDownDone());
    QVERIFY(!hoofd.isVisible());
    QTRY_VERIFY(guard.isNull());
    // The shut-down ran as usual: the last tournament is remembered.
    const auto ini = core::readIni(ProgrammaMap + "Stootplanner.ini");
    QVERIFY(ini.has_value());
    QCOMPARE(ini->map, map);
    QCOMPARE(ini->bestand, bestand);
}

void TestShellCheckFiles::otherCasesCloseNothing_data()
{
    QTest::addColumn<int>("missing");
    QTest::addColumn<int>("form");
    QTest::newRow("poules, chooser form") << int(FilePoules) << int(CheckForm::PouleChooser);
    QTest::newRow("settings, chooser form") << int(FileToernooi) << int(CheckForm::PouleChooser);
    QTest::newRow("players, closing form") << int(FileSpelers) << int(CheckForm::Closing);
    QTest::newRow("planning, key form") << int(FilePlanning) << int(CheckForm::PlanningKey);
}

void TestShellCheckFiles::otherCasesCloseNothing()
{
    QFETCH(int, missing);
    QFETCH(int, form);
    QVERIFY(QFile::remove(missing == FileToernooi ? PadToernooi()
                          : missing == FilePoules ? PadPoules()
                          : missing == FileSpelers ? PadSpelers()
                                                   : PadPlanning()));
    mdiHoofd hoofd;
    hoofd.show();
    QWidget* caller = new QWidget;
    hoofd.showChild(caller);
    ScriptedMessages msgs;
    QVERIFY(!CheckTournamentFiles(AllFiles, caller, CheckForm(form)));
    QCOMPARE(msgs.boxes.size(), 1);
    QVERIFY(caller->isVisible());
    QVERIFY(hoofd.isVisible());
    QVERIFY(!hoofd.shutDownDone());
    QVERIFY(!QFile::exists(ProgrammaMap + "Stootplanner.ini"));
}

QTEST_MAIN(TestShellCheckFiles)
#include "test_shell_checkfiles.moc"

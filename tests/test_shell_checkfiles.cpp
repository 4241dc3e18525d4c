// CheckTournamentFiles: the message of the first missing file in each form,
// and the closing form's end of the program.
#include "app/mdiHoofd.h"
#include "core/tournamentfiles.h"
#include "platform/msgbox.h"
#include "support/shell_fixture.h"

#include <QtTest>
#include <optional>

using namespace modStootplanner;

class TestShellCheckFiles : public QObject {
    Q_OBJECT
    std::optional<testsupport::ShellTournament> m_t;

private slots:
    void init() { m_t.emplace(); }
    void cleanup() { m_t.reset(); }
    void check_data()
    {
        QTest::addColumn<int>("missing");
        QTest::addColumn<int>("checked");
        QTest::addColumn<int>("form");
        QTest::addColumn<QStringList>("lines");  // of the box; none: the check passes
        QTest::addColumn<bool>("closes");
        const int All = FileToernooi | FileSpelers | FileUitslag | FilePoules | FilePlanning;
        const int C = int(CheckForm::Closing), P = int(CheckForm::PouleChooser), K = int(CheckForm::PlanningKey);
        const QString restore = "of het bestand is beschadigd (gebruik dan Restore).";
        const QString closing = "Het geladen toernooi wordt gesloten !", chooser = "Sluit het geladen toernooi af !";
        const QStringList settings = {"Toernooibestand niet gevonden !",
                                      "Plaats het bestand Test toernooi_ST001.stt terug in de juiste map,", restore};
        const QStringList players = {"Spelersbestand niet gevonden !",
                                     "U heeft nog geen spelers aan het toernooi gekoppeld,", restore};
        const QStringList poules = {"Poulebestand niet gevonden !", restore};

        QTest::newRow("all there") << 0 << All << C << QStringList{} << false;
        QTest::newRow("settings, closing") << int(FileToernooi) << All << C << settings + QStringList{closing} << true;
        QTest::newRow("settings, key") << int(FileToernooi) << All << K << settings + QStringList{closing} << true;
        QTest::newRow("settings, chooser") << int(FileToernooi) << All << P << settings + QStringList{chooser} << false;
        QTest::newRow("players, closing") << int(FileSpelers) << All << C << players << false;
        QTest::newRow("results, chooser")
            << int(FileUitslag) << All << P
            << QStringList{"Uitslagenbestand niet gevonden !", "U heeft nog geen uitslagen ingevoerd,", restore} << false;
        QTest::newRow("poules, closing") << int(FilePoules) << All << C << poules + QStringList{closing} << true;
        QTest::newRow("poules, chooser") << int(FilePoules) << All << P << poules + QStringList{chooser} << false;
        QTest::newRow("planning, closing") << int(FilePlanning) << All << C
                                           << QStringList{"Planningbestand niet gevonden !", restore} << false;
        QTest::newRow("planning, key")
            << int(FilePlanning) << All << K
            << QStringList{"Planningbestand niet gevonden !", "U heeft nog geen planningen gemaakt,", restore} << false;
        QTest::newRow("first in file order")
            << int(FilePlanning | FileUitslag | FileSpelers) << All << P << players << false;
        QTest::newRow("file not asked for") << int(FileUitslag) << int(FileToernooi | FileSpelers | FilePoules) << C
                                            << QStringList{} << false;
    }

    void check()
    {
        QFETCH(int, missing);
        QFETCH(int, checked);
        QFETCH(int, form);
        QFETCH(QStringList, lines);
        QFETCH(bool, closes);
        QVERIFY(testsupport::ShellTournament::remove(missing));
        const QString map = ToernooiMap, bestand = BestandToernooi;
        mdiHoofd hoofd;
        hoofd.show();
        QPointer<QWidget> caller = new QWidget;
        hoofd.showChild(caller);
        QSignalSpy ended(&hoofd, &mdiHoofd::shutDown);

        platform::ScriptedMessages msgs;
        QCOMPARE(CheckTournamentFiles(checked, caller, CheckForm(form)), lines.isEmpty());
        QCOMPARE(msgs.boxes.size(), lines.isEmpty() ? 0 : 1);
        if (!lines.isEmpty()) {
            QCOMPARE(msgs.boxes[0].prompt, lines.join("\r\n"));
            QCOMPARE(msgs.boxes[0].title, QString("Let op!"));
            QCOMPARE(msgs.boxes[0].flags, platform::vbCritical | platform::vbOKOnly);
        }
        // Closing: the caller and the main window go, and the usual shut-down remembers the tournament.
        QCOMPARE(ended.count(), closes ? 1 : 0);
        QCOMPARE(hoofd.isVisible(), !closes);
        if (closes)
            QTRY_VERIFY(caller.isNull());
        else
            QVERIFY(caller->isVisible());
        const auto ini = core::readIni(ProgrammaMap + "Stootplanner.ini");
        QCOMPARE(ini.has_value(), closes);
        if (closes) {
            QCOMPARE(ini->map, map);
            QCOMPARE(ini->bestand, bestand);
        }
    }
};

QTEST_MAIN(TestShellCheckFiles)
#include "test_shell_checkfiles.moc"

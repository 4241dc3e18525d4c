// Program start, the start dialog, opening a tournament and the shut-down.
#include "app/frmStart.h"
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/tournamentbuilder.h"
#include "core/tournamentfiles.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace modStootplanner;
using platform::ScriptedMessages;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestShellStartup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startCreatesClubFileAndShowsWindow();
    void startKeepsExistingClubName();
    void startDialog_data();
    void startDialog();
    void logoKeptInPicture3();
    void openRefused_data();
    void openRefused();
    void openSetsContext();
    void shutDownWithoutTournamentLeavesIni();
    void shutDownWithTournamentWritesIni();

private:
    // Starts the program, answering the start dialog with the given button
    // (1 open, 2 without tournament); returns what the dialog showed.
    QString startWith(int button, std::unique_ptr<mdiHoofd>& hoofd);
    core::TournamentFileSet writeTournament(const QString& sub);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_prog;
};

void TestShellStartup::init()
{
    ResetContext();
    m_dir = std::make_unique<QTemporaryDir>();
    m_prog = m_dir->path() + "/prog/";
    qputenv("STOOTPLANNER_HOME", m_prog.toUtf8());
    MeldingTitel = "iets anders";
    HuidigeRonde = 5;
}

void TestShellStartup::cleanup()
{
    qunsetenv("STOOTPLANNER_HOME");
    m_dir.reset();
    ResetContext();
}

core::TournamentFileSet TestShellStartup::writeTournament(const QString& sub)
{
    core::TournamentBuilder b(m_dir->path() + "/" + sub, "Voorjaar", 7);
    b.setRound(1, 3);
    b.setRound(2, 2);
    b.toernooi.laatsteRonde = 2;
    b.addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.2));
    return b.write();
}

QString TestShellStartup::startWith(int button, std::unique_ptr<mdiHoofd>& hoofd)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<frmStart*>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        shown = dlg->Label1()->text();
        (button == 1 ? dlg->Command1() : dlg->Command2())->click();
    });
    hoofd.reset(StartUp());
    return shown;
}

void TestShellStartup::startCreatesClubFileAndShowsWindow()
{
    std::unique_ptr<mdiHoofd> hoofd;
    const QString shown = startWith(2, hoofd);
    QCOMPARE(ProgrammaMap, m_prog);
    QCOMPARE(MeldingTitel, QString("Let op!"));
    QCOMPARE(HuidigeRonde, qint16(1));
    const QByteArray club = readAll(m_prog + "Clubnaam_Stootplanner.dat");
    QCOMPARE(club.size(), 40);
    QCOMPARE(club, QByteArray("Nog geen clubnaam ingevoerd").leftJustified(40, ' '));
    QCOMPARE(hoofd->windowTitle(), QString("Nog geen clubnaam ingevoerd"));
    QVERIFY(hoofd->isVisible());
    QCOMPARE(shown, QString("Geen laatst gebruikt toernooi beschikbaar"));
    QVERIFY(!ToernooiGeladen);
    QVERIFY(hoofd->Picture3().isNull());
}

void TestShellStartup::startKeepsExistingClubName()
{
    QDir().mkpath(m_prog);
    QVERIFY(core::writeClubnaam(m_prog + "Clubnaam_Stootplanner.dat", "BC Hoornse Keu"));
    std::unique_ptr<mdiHoofd> hoofd;
    startWith(2, hoofd);
    QCOMPARE(hoofd->windowTitle(), QString("BC Hoornse Keu"));
    QCOMPARE(ClubTitel.trimmed(), QString("BC Hoornse Keu"));
}

void TestShellStartup::startDialog_data()
{
    QTest::addColumn<bool>("tournamentExists");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QString>("panel1");
    QTest::newRow("open") << true << 1 << true << 0 << "Voorjaar";
    QTest::newRow("go on without") << true << 2 << false << 0 << "";
    QTest::newRow("opening fails") << false << 1 << false << 1 << "Openen recent gebruikt toernooi mislukt !";
}

void TestShellStartup::startDialog()
{
    QFETCH(bool, tournamentExists);
    QFETCH(int, button);
    QFETCH(bool, loaded);
    QFETCH(int, boxes);
    QFETCH(QString, panel1);
    const core::TournamentFileSet f = writeTournament("toernooi");
    if (!tournamentExists)
        QVERIFY(QFile::remove(f.map + f.toernooi));
    QDir().mkpath(m_prog);
    QVERIFY(core::writeIni(m_prog + "Stootplanner.ini", {f.map, f.toernooi}));

    ScriptedMessages msgs;
    std::unique_ptr<mdiHoofd> hoofd;
    const QString shown = startWith(button, hoofd);
    QCOMPARE(shown, f.map + f.toernooi);
    QCOMPARE(ToernooiGeladen, loaded);
    QCOMPARE(msgs.boxes.size(), boxes);
    QCOMPARE(hoofd->StatusBar1()->panelText(1), panel1);
    if (loaded) {
        QCOMPARE(DialoogResultaat, qint16(1));
        QCOMPARE(hoofd->StatusBar1()->panelText(4), QString("U bent in toernooironde:  2"));
        QVERIFY(!hoofd->menuItem("mnuBestandOpen")->isEnabled());
    } else {
        QCOMPARE(DialoogResultaat, qint16(button == 1 ? 2 : 0));
        QVERIFY(hoofd->menuItem("mnuBestandOpen")->isEnabled());
        QVERIFY(BestandToernooi.isEmpty());
    }
    if (boxes) {
        QCOMPARE(msgs.boxes[0].prompt, "Toernooibestand niet gevonden !\r\nPlaats het bestand " + f.toernooi
                                           + " terug in de juiste map,\r\n"
                                             "of het bestand is beschadigd (gebruik dan Restore).");
        QCOMPARE(msgs.boxes[0].title, QString("Let op!"));
    }
}

void TestShellStartup::logoKeptInPicture3()
{
    QDir().mkpath(m_prog);
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    QVERIFY(logo.save(m_prog + "Stootplanner_logo.bmp", "BMP"));
    std::unique_ptr<mdiHoofd> hoofd;
    startWith(2, hoofd);
    QCOMPARE(hoofd->Picture3().size(), QSize(40, 20));
}

void TestShellStartup::openRefused_data()
{
    QTest::addColumn<QByteArray>("damage");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    const QString geen = "Het bestand Voorjaar_ST007.stt is geen toernooibestand van Stootplanner !";
    QTest::newRow("other signature") << QByteArray("XXXXXXXXXX") << "Fout !" << geen;
    QTest::newRow("too short") << QByteArray("kort") << "Fout !" << geen;
    QTest::newRow("no poules file") << QByteArray() << "Let op!"
                                    << "Poulebestand niet gevonden !\r\n"
                                       "of het bestand is beschadigd (gebruik dan Restore).";
}

void TestShellStartup::openRefused()
{
    QFETCH(QByteArray, damage);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    const core::TournamentFileSet f = writeTournament("kapot");
    QFile file(f.map + f.toernooi);
    if (damage == "kort") {
        QVERIFY(file.resize(100));
    } else if (!damage.isEmpty()) {
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.write(damage);
        file.close();
    } else {
        QVERIFY(QFile::remove(f.map + f.poules));
    }
    ProgrammaMap = m_prog;
    mdiHoofd hoofd(nullptr, false);
    ScriptedMessages msgs;
    QVERIFY(!OpenTournament(f.map + f.toernooi));
    QCOMPARE(msgs.boxes.size(), 1);
    QCOMPARE(msgs.boxes[0].title, title);
    QCOMPARE(msgs.boxes[0].prompt, prompt);
    QCOMPARE(msgs.boxes[0].icon(), platform::vbCritical);
    // Nothing half-set stays behind.
    QVERIFY(!ToernooiGeladen);
    QVERIFY(BestandToernooi.isEmpty());
    QVERIFY(ToernooiMap.isEmpty());
    QVERIFY(hoofd.menuItem("mnuBestandOpen")->isEnabled());
}

void TestShellStartup::openSetsContext()
{
    const core::TournamentFileSet f = writeTournament("goed");
    ProgrammaMap = m_prog;
    mdiHoofd hoofd(nullptr, false);
    ScriptedMessages msgs;
    QVERIFY(OpenTournament(f.map + f.toernooi));
    QVERIFY(msgs.boxes.isEmpty());
    QCOMPARE(ToernooiMap, f.map);
    QCOMPARE(BestandToernooi, QString("Voorjaar_ST007.stt"));
    QCOMPARE(BestandSpelers, QString("DataSpelers_ST007.sts"));
    QCOMPARE(BestandUitslag, QString("DataUitslag_ST007.stu"));
    QCOMPARE(BestandPoules, QString("DataPoules_ST007.stp"));
    QCOMPARE(BestandPlanning, QString("Planning_ST007.sta"));
    QCOMPARE(Toernooi.naam, QString("Voorjaar"));
    QCOMPARE(HuidigeRonde, qint16(2));
    QCOMPARE(AantalPoules, qint16(2));
    QVERIFY(ToernooiGeladen);
    QCOMPARE(hoofd.StatusBar1()->panelText(1), QString("Voorjaar"));
    QCOMPARE(hoofd.StatusBar1()->panelText(4), QString("U bent in toernooironde:  2"));
    // One tournament per run.
    QVERIFY(!hoofd.menuItem("mnuBestandOpen")->isEnabled());
    QVERIFY(!OpenTournament(f.map + f.toernooi));
}

void TestShellStartup::shutDownWithoutTournamentLeavesIni()
{
    QDir().mkpath(m_prog);
    const QByteArray before("/ergens/\r\nOud_ST003.stt\r\n");
    {
        QFile f(m_prog + "Stootplanner.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    std::unique_ptr<mdiHoofd> hoofd;
    startWith(2, hoofd);
    hoofd->close();
    QVERIFY(hoofd->shutDownDone());
    QCOMPARE(readAll(m_prog + "Stootplanner.ini"), before);
}

void TestShellStartup::shutDownWithTournamentWritesIni()
{
    const core::TournamentFileSet f = writeTournament("af");
    std::unique_ptr<mdiHoofd> hoofd;
    startWith(2, hoofd);
    QVERIFY(!QFile::exists(m_prog + "Stootplanner.ini"));
    QVERIFY(OpenTournament(f.map + f.toernooi));
    hoofd->close();
    QCOMPARE(readAll(m_prog + "Stootplanner.ini"), (f.map + "\r\n" + f.toernooi + "\r\n").toUtf8());
}

QTEST_MAIN(TestShellStartup)
#include "test_shell_startup.moc"

// Program start, the start dialog, opening a tournament and the shut-down.
#include "app/frmStart.h"
#include "app/mdiHoofd.h"
#include "composition.h"
#include "core/filechanges.h"
#include "core/recordfile.h"
#include "core/tournamentbuilder.h"
#include "core/tournamentfiles.h"
#include "platform/msgbox.h"
#include "support/shell_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLockFile>
#include <QPushButton>
#include <QtTest>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

using namespace modStootplanner;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestShellStartup : public QObject {
    Q_OBJECT
    std::optional<QTemporaryDir> m_dir;
    std::optional<testsupport::ScopedEnv> m_home;
    QString m_prog;
    std::unique_ptr<mdiHoofd> m_hoofd;

    // Starts the program, answering the start dialog with the given button
    // (1 open, 2 without tournament); returns what the dialog showed.
    QString startWith(int button)
    {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (auto* dlg = qobject_cast<frmStart*>(QApplication::activeModalWidget())) {
                shown = dlg->Label1()->text();
                (button == 1 ? dlg->Command1() : dlg->Command2())->click();
            }
        });
        m_hoofd.reset(StartUp(composition::RegisterMenus));
        return shown;
    }

private slots:
    void init()
    {
        ResetContext();
        m_dir.emplace();
        m_prog = m_dir->path() + "/prog/";
        m_home.emplace("STOOTPLANNER_HOME", m_prog);
        MeldingTitel = "iets anders";
        HuidigeRonde = 5;
    }
    void cleanup()
    {
        m_hoofd.reset();
        m_home.reset();
        m_dir.reset();
        ResetContext();
    }

    void start_data()
    {
        QTest::addColumn<bool>("ownFiles");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("first start") << false << false;
        QTest::newRow("club name and logo there") << true << false;
        QTest::newRow("read-only program folder") << false << true;
    }
    void start()
    {
        QFETCH(bool, ownFiles);
        QFETCH(bool, readOnly);
        const QString clubFile = m_prog + "Clubnaam_Stootplanner.dat";
        const QString club = ownFiles ? "BC Hoornse Keu" : "Nog geen clubnaam ingevoerd";
        if (ownFiles) {
            QDir().mkpath(m_prog);
            QVERIFY(core::writeClubnaam(clubFile, club));
            QImage logo(40, 20, QImage::Format_RGB32);
            logo.fill(Qt::blue);
            QVERIFY(logo.save(m_prog + "Stootplanner_logo.bmp", "BMP"));
        }
        platform::ScriptedMessages msgs;
        core::writeSeam().readOnly = readOnly;
        QCOMPARE(startWith(2), QString("Geen laatst gebruikt toernooi beschikbaar"));
        core::writeSeam().readOnly = false;
        QCOMPARE(msgs.boxes.size(), readOnly ? 1 : 0);   // told, and the program goes on
        if (readOnly)
            QVERIFY(msgs.boxes[0].prompt.startsWith("Het bestand Clubnaam_Stootplanner.dat kon niet worden aangemaakt "
                                                    "in de programmamap !\r\n"));
        QCOMPARE(ProgrammaMap, m_prog);
        QCOMPARE(MeldingTitel, QString("Let op!"));
        QCOMPARE(HuidigeRonde, qint16(1));
        QCOMPARE(readAll(clubFile), readOnly ? QByteArray() : club.toLatin1().leftJustified(40));
        QCOMPARE(m_hoofd->windowTitle(), club);
        QVERIFY(m_hoofd->isVisible());
        QCOMPARE(m_hoofd->Picture3().size(), ownFiles ? QSize(40, 20) : QSize(0, 0));
        QVERIFY(!ToernooiGeladen);
    }

    // The start dialog offers the last tournament from the ini file; opening
    // it sets the context, failing leaves nothing half-set; the shut-down
    // remembers a loaded tournament and leaves the ini file alone otherwise.
    void open_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");  // empty: no box
        const QString restore = "of het bestand is beschadigd (gebruik dan Restore).";
        const QString geen = "Het bestand Voorjaar_ST007.stt is geen toernooibestand van Stootplanner !";
        QTest::newRow("open") << "" << 1 << "" << "";
        QTest::newRow("go on without") << "" << 2 << "" << "";
        QTest::newRow("settings file gone") << "gone" << 1 << "Let op!"
                                            << "Toernooibestand niet gevonden !\r\nPlaats het bestand "
                                               "Voorjaar_ST007.stt terug in de juiste map,\r\n" + restore;
        QTest::newRow("other signature") << "XXXXXXXXXX" << 1 << "Fout !" << geen;
        QTest::newRow("too short") << "short" << 1 << "Fout !" << geen;
        QTest::newRow("no poules file") << "poules" << 1 << "Let op!" << "Poulebestand niet gevonden !\r\n" + restore;
        const QString geenRonde = "Het poulebestand bevat geen gegevens voor ronde  2 !\r\n"
                                  "Het bestand is beschadigd (gebruik dan Restore).";
        QTest::newRow("poules file short") << "poules 8" << 1 << "Let op!" << geenRonde;
        QTest::newRow("poules file empty") << "poules 0" << 1 << "Let op!" << geenRonde;
        QTest::newRow("no rounds") << "rounds 0" << 1 << "Let op!"
                                   << "Het toernooibestand Voorjaar_ST007.stt is beschadigd !\r\n"
                                      "Het aantal rondes is  0, dat moet minstens 1 zijn.\r\n"
                                      "Zet het toernooi terug met Restore.";
        QTest::newRow("open in another copy") << "in use" << 1 << "Let op!"
                                              << "Dit toernooi is al geopend in een ander exemplaar van Stootplanner !"
                                                 "\r\nSluit het toernooi daar eerst af.";
        QTest::newRow("lock of a copy that ended") << "stale" << 1 << "" << "";
        QTest::newRow("change left halfway") << "halfway" << 1 << "" << "";
        QTest::newRow("read-only folder") << "read-only" << 1 << "" << "";
    }
    void open()
    {
        QFETCH(QString, damage);
        QFETCH(int, button);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        core::TournamentBuilder b(m_dir->path() + "/toernooi", "Voorjaar", 7);
        b.setRound(1, 3);
        b.setRound(2, 2);
        b.toernooi.laatsteRonde = 2;
        b.addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.2));
        const core::TournamentFileSet f = b.write();
        QFile settings(f.map + f.toernooi);
        std::optional<QLockFile> elders;
        if (damage == "gone")
            QVERIFY(settings.remove());
        else if (damage == "short")
            QVERIFY(settings.resize(100));
        else if (damage == "poules")
            QVERIFY(QFile::remove(f.map + f.poules));
        else if (damage.startsWith("poules "))
            QVERIFY(QFile::resize(f.map + f.poules, damage.mid(7).toInt()));
        else if (damage == "rounds 0") {
            b.toernooi.laatsteRonde = 0;
            QVERIFY(core::writeToernooi(settings.fileName(), b.toernooi));
        } else if (damage == "in use")
            QVERIFY(elders.emplace(f.map + f.slot).tryLock(0));
        else if (damage == "stale") {
            if (fork() == 0)
                _exit(QLockFile(f.map + f.slot).lock() ? 0 : 1);   // ends without giving the lock up
            wait(nullptr);
        } else if (damage == "halfway") {   // undone when it is opened
            core::FileChanges c(f.map + f.herstel);
            c.keep(f.map + f.poules);
            QVERIFY(c.begin(nullptr) && QFile::resize(f.map + f.poules, 0));
        } else if (damage == "read-only") {
            QVERIFY(QFile::setPermissions(f.map, QFile::ReadOwner | QFile::ExeOwner));
            if (QFile(f.map + "x").open(QIODevice::WriteOnly))
                QSKIP("file permissions do not bind this user");
        } else if (!damage.isEmpty())
            QVERIFY(settings.open(QIODevice::ReadWrite) && settings.write(damage.toLatin1()) == damage.size());
        settings.close();
        QDir().mkpath(m_prog);
        QVERIFY(core::writeIni(m_prog + "Stootplanner.ini", {f.map, f.toernooi}));
        platform::ScriptedMessages msgs;
        QCOMPARE(startWith(button), f.map + f.toernooi);
        const QByteArray other("/ergens/\r\nOud_ST003.stt\r\n");
        QFile ini(m_prog + "Stootplanner.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write(other) == other.size());
        ini.close();
        const bool loaded = button == 1 && prompt.isEmpty();
        QCOMPARE(ToernooiGeladen, loaded);
        QCOMPARE(DialoogResultaat, qint16(loaded ? 1 : button == 1 ? 2 : 0));
        QCOMPARE(m_hoofd->StatusBar1()->panelText(1),
                 QString(loaded ? "Voorjaar" : button == 1 ? "Openen recent gebruikt toernooi mislukt !" : ""));
        QCOMPARE(m_hoofd->menuItem("mnuBestandOpen")->isEnabled(), !loaded);
        QCOMPARE(msgs.boxes.size(), prompt.isEmpty() ? 0 : 1);
        if (!prompt.isEmpty()) {
            QCOMPARE(msgs.boxes[0].prompt, prompt);
            QCOMPARE(msgs.boxes[0].title, title);
            QCOMPARE(msgs.boxes[0].icon(), platform::vbCritical);
        }
        if (loaded) {
            QCOMPARE(ToernooiMap, f.map);
            QCOMPARE(QStringList({BestandToernooi, BestandSpelers, BestandUitslag, BestandPoules, BestandPlanning}),
                     QStringList({"Voorjaar_ST007.stt", "DataSpelers_ST007.sts", "DataUitslag_ST007.stu",
                                  "DataPoules_ST007.stp", "Planning_ST007.sta"}));
            QCOMPARE(Toernooi.naam, QString("Voorjaar"));
            QCOMPARE(HuidigeRonde, qint16(2));
            QCOMPARE(AantalPoules, qint16(2));
            QCOMPARE(m_hoofd->StatusBar1()->panelText(4), QString("U bent in toernooironde:  2"));
            QVERIFY(!OpenTournament(f.map + f.toernooi));  // one tournament per run
        } else {
            QVERIFY(ToernooiMap.isEmpty() && BestandToernooi.isEmpty());
        }
        QCOMPARE(QFile::exists(f.map + f.slot), (loaded && damage != "read-only") || damage == "in use");
        m_hoofd->close();
        QVERIFY(m_hoofd->shutDownDone());
        QCOMPARE(QFile::exists(f.map + f.slot), damage == "in use");   // given up at the end
        QFile::setPermissions(f.map, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readAll(m_prog + "Stootplanner.ini"), loaded ? (f.map + "\r\n" + f.toernooi + "\r\n").toUtf8() : other);
    }
};

QTEST_MAIN(TestShellStartup)
#include "test_shell_startup.moc"

// Program start, the start dialog, opening a tournament and the shut-down; the platform's message boxes,
// input fields and program folder.
#include "app/frmStart.h"
#include "app/mdiHoofd.h"
#include "composition.h"
#include "core/filechanges.h"
#include "core/recordfile.h"
#include "core/tournamentfiles.h"
#include "platform/inputfields.h"
#include "platform/programfolder.h"
#include "support/shell_fixture.h"
#include <QtTest>
#include <QtWidgets>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

using namespace modStootplanner;
using namespace platform;
using testsupport::ScopedEnv;

namespace {

// A real box with its flags, the button clicked, the answer, and what it showed ("icon as
// QMessageBox::Icon: buttons").
const struct BoxCase {
    const char* name;
    int flags;
    QString click;
    int answer;
    QString seen;
} boxCases[] = {
    {"ok", vbOKOnly + vbExclamation, "OK", vbOK, "2: OK"},
    {"yes/no: no", vbYesNo + vbQuestion, "Nee", vbNo, "4: Ja Nee"},
    {"yes/no: yes", vbYesNo + vbInformation, "Ja", vbYes, "1: Ja Nee"},
    {"yes/no/cancel", vbYesNoCancel + vbCritical, "Annuleren", vbCancel, "3: Annuleren Ja Nee"},
    {"ok/cancel", vbOKCancel, "OK", vbOK, "0: Annuleren OK"},
};

const struct TypingCase {
    const char* name;
    KeyFilter filter;
    QString typed, kept;
} typingCases[] = {
    {"whole number", KeyFilter::WholeNumber, "12a.3,-4 ", "1234"},
    {"moyenne point", KeyFilter::Moyenne, "1.25", "1.25"},
    {"moyenne never comma", KeyFilter::Moyenne, "1,25x", "125"},
    {"name printable", KeyFilter::Name, "de Vries, J.\t", "de Vries, J."},
    {"name accents", KeyFilter::Name, QString::fromUtf8("Hélène €"), QString::fromUtf8("Hélène €")},
    {"name outside code page", KeyFilter::Name, QString::fromUtf8("Ω-a"), "-a"},
    {"file name", KeyFilter::FileName, "Club 2024-a/b_c.d", "Club 2024-abcd"},
    {"file name plain letters only", KeyFilter::FileName, QString::fromUtf8("Hélène²ÆX"), "HlneX"},
    {"any", KeyFilter::Any, "1,a", "1,a"},
};

}  // namespace

class TestShellStartup : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ResetContext(); }

    // The start dialog offers the last tournament from the ini file (if any); opening it sets the context,
    // failing leaves nothing half-set; the shut-down remembers a loaded tournament and leaves the ini file
    // alone otherwise. The program folder gets the club name file, the club name is the main window's
    // title and a logo there its picture.
    void open_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("button");  // 1 open, 2 without tournament
        QTest::addColumn<QString>("box");  // "title|flags|prompt" (its start); empty: none
        const QString restore = "of het bestand is beschadigd (gebruik dan Restore).", letOp = "Let op!|16|";
        const QString geen = "Fout !|16|Het bestand Voorjaar_ST007.stt is geen toernooibestand van Stootplanner !";
        const QString geenRonde = letOp + "Het poulebestand bevat geen gegevens voor ronde  2 !\r\n"
                                          "Het bestand is beschadigd (gebruik dan Restore).";
        QTest::newRow("first start") << "no ini" << 2 << "";
        QTest::newRow("read-only program folder")
            << "no ini, read-only" << 2 << "Let op!|48|Het bestand Clubnaam_Stootplanner.dat kon niet worden "
                                           "aangemaakt in de programmamap !\r\n";
        QTest::newRow("club name and logo there") << "own files" << 1 << "";
        QTest::newRow("go on without") << "" << 2 << "";
        QTest::newRow("settings file gone") << "gone" << 1
                                            << letOp + "Toernooibestand niet gevonden !\r\nPlaats het bestand "
                                                       "Voorjaar_ST007.stt terug in de juiste map,\r\n" + restore;
        QTest::newRow("other signature") << "XXXXXXXXXX" << 1 << geen;
        QTest::newRow("too short") << "short" << 1 << geen;
        QTest::newRow("no poules file") << "poules" << 1 << letOp + "Poulebestand niet gevonden !\r\n" + restore;
        QTest::newRow("poules file short") << "poules 8" << 1 << geenRonde;
        QTest::newRow("poules file empty") << "poules 0" << 1 << geenRonde;
        QTest::newRow("no rounds") << "rounds 0" << 1
                                   << letOp + "Het toernooibestand Voorjaar_ST007.stt is beschadigd !\r\n"
                                              "Het aantal rondes is  0, dat moet minstens 1 zijn.\r\n"
                                              "Zet het toernooi terug met Restore.";
        QTest::newRow("open in another copy") << "in use" << 1
                                              << letOp + "Dit toernooi is al geopend in een ander exemplaar van "
                                                         "Stootplanner !\r\nSluit het toernooi daar eerst af.";
        QTest::newRow("lock of a copy that ended") << "stale" << 1 << "";
        QTest::newRow("change left halfway") << "halfway" << 1 << "";
        QTest::newRow("read-only folder") << "read-only" << 1 << "";
    }
    void open()
    {
        QFETCH(QString, damage);
        QFETCH(int, button);
        QFETCH(QString, box);
        QTemporaryDir dir;
        const QString prog = dir.path() + "/prog/", club = damage == "own files" ? "BC Hoornse Keu" : "";
        const ScopedEnv home("STOOTPLANNER_HOME", prog);
        MeldingTitel = "iets anders";
        HuidigeRonde = 5;
        core::TournamentBuilder b(dir.path() + "/toernooi", "Voorjaar", 7);
        b.setRound(1, 3);
        b.setRound(2, 2);
        b.toernooi.laatsteRonde = 2;
        b.addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.2));
        const core::TournamentFileSet f = b.write();
        QFile settings(f.map + f.toernooi);
        std::optional<QLockFile> elders;
        QImage logo(40, 20, QImage::Format_RGB32);
        QDir().mkpath(prog);
        if (damage == "gone")
            QVERIFY(settings.remove());
        else if (damage == "short")
            QVERIFY(settings.resize(100));
        else if (damage.startsWith("poules"))
            QVERIFY(damage == "poules" ? QFile::remove(f.map + f.poules)
                                       : QFile::resize(f.map + f.poules, damage.mid(7).toInt()));
        else if (damage == "rounds 0") {
            b.toernooi.laatsteRonde = 0;
            QVERIFY(core::writeToernooi(settings.fileName(), b.toernooi));
        } else if (damage == "in use")
            QVERIFY(elders.emplace(f.map + f.slot).tryLock(0));
        else if (damage == "stale") {
            if (fork() == 0)
                _exit(QLockFile(f.map + f.slot).lock() ? 0 : 1);  // ends without giving the lock up
            wait(nullptr);
        } else if (damage == "halfway") {  // undone when it is opened
            core::FileChanges c(f.map + f.herstel);
            c.keep(f.map + f.poules);
            QVERIFY(c.begin(nullptr) && QFile::resize(f.map + f.poules, 0));
        } else if (damage == "read-only") {
            QVERIFY(QFile::setPermissions(f.map, QFile::ReadOwner | QFile::ExeOwner));
            if (QFile(f.map + "x").open(QIODevice::WriteOnly))
                QSKIP("file permissions do not bind this user");
        } else if (damage == "own files") {
            logo.fill(Qt::blue);
            QVERIFY(core::writeClubnaam(prog + "Clubnaam_Stootplanner.dat", club)
                    && logo.save(prog + "Stootplanner_logo.bmp", "BMP"));
        } else if (!damage.isEmpty() && !damage.startsWith("no ini"))
            QVERIFY(settings.open(QIODevice::ReadWrite) && settings.write(damage.toLatin1()) == damage.size());
        settings.close();
        QVERIFY(damage.startsWith("no ini") || core::writeIni(prog + "Stootplanner.ini", {f.map, f.toernooi}));
        ScriptedMessages msgs;
        core::writeSeam().readOnly = damage.endsWith("read-only");
        QString offered;
        QTimer::singleShot(0, [&] {
            if (auto* dlg = qobject_cast<frmStart*>(QApplication::activeModalWidget())) {
                offered = dlg->Label1()->text();
                (button == 1 ? dlg->Command1() : dlg->Command2())->click();
            }
        });
        std::unique_ptr<mdiHoofd> hoofd(StartUp(composition::RegisterMenus));
        core::writeSeam().readOnly = false;
        QCOMPARE(offered, damage.startsWith("no ini") ? "Geen laatst gebruikt toernooi beschikbaar" : f.map + f.toernooi);
        const QByteArray other("/ergens/\r\nOud_ST003.stt\r\n");
        QVERIFY(damage.startsWith("no ini") || testsupport::writeAll(prog + "Stootplanner.ini", other));
        const bool loaded = button == 1 && box.isEmpty();
        QCOMPARE(ToernooiGeladen, loaded);
        QCOMPARE(DialoogResultaat, qint16(loaded ? 1 : button == 1 ? 2 : 0));
        QCOMPARE(hoofd->StatusBar1()->panelText(1),
                 QString(loaded ? "Voorjaar" : button == 1 ? "Openen recent gebruikt toernooi mislukt !" : ""));
        QVERIFY(hoofd->isVisible() && hoofd->menuItem("mnuBestandOpen")->isEnabled() == !loaded);
        QCOMPARE(msgs.boxes.size(), box.isEmpty() ? 0 : 1);  // a club name file not made is told; the start goes on
        QVERIFY(box.isEmpty() || testsupport::shown(msgs).value(0).startsWith(box));
        const QStringList context = {ToernooiMap, BestandToernooi, BestandSpelers, BestandUitslag, BestandPoules,
                                     BestandPlanning, Toernooi.naam, QString::number(HuidigeRonde),
                                     QString::number(AantalPoules), hoofd->StatusBar1()->panelText(4)};
        if (loaded) {
            QCOMPARE(context, QStringList({f.map, "Voorjaar_ST007.stt", "DataSpelers_ST007.sts", "DataUitslag_ST007.stu",
                                           "DataPoules_ST007.stp", "Planning_ST007.sta", "Voorjaar", "2", "2",
                                           "U bent in toernooironde:  2"}));
            QVERIFY(!OpenTournament(f.map + f.toernooi));  // one tournament per run
        }
        QVERIFY(loaded || (ToernooiMap.isEmpty() && BestandToernooi.isEmpty() && HuidigeRonde == 1));
        const QString clubName = club.isEmpty() ? "Nog geen clubnaam ingevoerd" : club;
        QCOMPARE(QStringList({ProgrammaMap, MeldingTitel, hoofd->windowTitle()}), QStringList({prog, "Let op!", clubName}));
        QCOMPARE(testsupport::readAll(prog + "Clubnaam_Stootplanner.dat"),
                 damage.endsWith("read-only") ? QByteArray() : clubName.toLatin1().leftJustified(40));
        QCOMPARE(hoofd->Picture3().size(), club.isEmpty() ? QSize(0, 0) : QSize(40, 20));
        QCOMPARE(QFile::exists(f.map + f.slot), (loaded && damage != "read-only") || damage == "in use");
        hoofd->close();
        QVERIFY(hoofd->shutDownDone());
        QCOMPARE(QFile::exists(f.map + f.slot), damage == "in use");  // given up at the end
        QFile::setPermissions(f.map, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(testsupport::readAll(prog + "Stootplanner.ini"),
                 loaded ? (f.map + "\r\n" + f.toernooi + "\r\n").toUtf8() : damage.startsWith("no ini") ? "" : other);
    }

    void realBoxButtons_data() { testsupport::addCases(boxCases); }
    void realBoxButtons()
    {
        QFETCH(int, i);
        const BoxCase& c = boxCases[i];
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            QStringList buttons;
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            buttons.sort();
            shown = QStringLiteral("%1|%2|%3: %4").arg(box->windowTitle(), box->text()).arg(int(box->icon()))
                        .arg(buttons.join(' '));
            for (QAbstractButton* b : box->buttons())
                if (b->text() == c.click)
                    b->click();
        });
        QCOMPARE(MsgBox("Regel 1\r\nRegel 2", c.flags, "Let op!"), c.answer);
        QCOMPARE(shown, "Let op!|Regel 1\nRegel 2|" + c.seen);
    }

    // Typed key by key, or pasted in one go: the same characters stay; backspace always works; Enter is
    // passed on as the field's own.
    void typingIsFiltered_data() { testsupport::addCases(typingCases); }
    void typingIsFiltered()
    {
        QFETCH(int, i);
        const TypingCase& c = typingCases[i];
        QLineEdit field;
        setupInputField(&field, c.filter);
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        for (QChar ch : c.typed) {
            // Sent as a key with its text (keyClicks only takes Latin-1); the tab key moves on, it types nothing.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            if (ch != QLatin1Char('\t'))
                QApplication::sendEvent(&field, &press);
        }
        QCOMPARE(field.text(), c.kept);
        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(field.text(), c.kept.chopped(1));
        field.clear();
        field.insert(c.typed);
        QCOMPARE(field.text(), c.kept);
        QSignalSpy enter(&field, &QLineEdit::returnPressed);
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(enter.count(), 1);
    }

    void programFolderRule_data()
    {
        QTest::addColumn<QString>("set");  // of STOOTPLANNER_HOME and XDG_DATA_HOME
        QTest::addColumn<QString>("expected");
        QTest::newRow("STOOTPLANNER_HOME wins") << "SX" << "home/";
        QTest::newRow("XDG_DATA_HOME") << "X" << "xdg/Stootplanner/";
        QTest::newRow("~/.local/share") << "" << "fakehome/.local/share/Stootplanner/";
    }
    void programFolderRule()
    {
        QFETCH(QString, set);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const ScopedEnv home("HOME", dir.path() + "/fakehome");
        const ScopedEnv sp("STOOTPLANNER_HOME", set.contains('S') ? dir.path() + "/home" : QString());
        const ScopedEnv xdg("XDG_DATA_HOME", set.contains('X') ? dir.path() + "/xdg" : QString());
        const QString folder = programFolder();
        QCOMPARE(folder, dir.path() + "/" + expected);
        QVERIFY(QFileInfo(folder).isDir());
        // A shipped file that cannot be read is not installed.
        QVERIFY(!installShippedFile(dir.path() + "/bestaat-niet", "x.hlp"));
        QVERIFY(!QFile::exists(folder + "x.hlp"));
    }
};

QTEST_MAIN(TestShellStartup)
#include "test_shell_startup.moc"

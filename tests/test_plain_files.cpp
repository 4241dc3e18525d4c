// What lies in place of a tournament or program-folder file, as the program meets it: through the real
// start-up and opening, and through the menu items of the windows that read the files. A FIFO, a folder or
// a link to a device gets the message of a missing or damaged file and hangs nothing; a huge size file or
// record file is not read whole, nor held.
#include "app/frmStart.h"
#include "app/mdiHoofd.h"
#include "composition.h"
#include "core/helpfile.h"
#include "core/standview.h"
#include "overviews/frmMatrix.h"
#include "overviews/frmOvSpeler.h"
#include "platform/sound.h"
#include "standings/frmStand.h"
#include "support/core/odd_files.h"
#include "support/shell_fixture.h"
#include <QtTest>
#include <QtWidgets>

using namespace modStootplanner;
using platform::ScriptedMessages;
using testsupport::FifoWatch;

namespace {

const QString LetOp = QStringLiteral("Let op!|16|"), Restore = QStringLiteral("of het bestand is beschadigd (gebruik "
                                                                             "dan Restore).");

// Puts `kind` in place of `path`: "fifo", "folder", "link to fifo", "link to device", "link to" a plain file
// elsewhere holding `bytes`, or "sparse": a plain file of over 2 GiB that starts with `bytes`. A FIFO is
// watched in `fifo`.
bool putInPlace(const QString& path, const QString& kind, const QByteArray& bytes, std::optional<FifoWatch>& fifo)
{
    const QString elders = path + QStringLiteral(".elders");
    QFile::remove(path);
    if (kind.startsWith("fifo") || kind == "link to fifo")
        fifo.emplace(kind == "link to fifo" ? elders : path);
    if (fifo && !fifo->made())
        return false;
    if (kind == "folder")
        return QDir().mkdir(path);
    if (kind == "link to device")
        return QFile::link("/dev/zero", path);
    if (kind == "link to")
        return testsupport::makeSparse(elders, bytes, bytes.size()) && QFile::link(elders, path);
    if (kind == "sparse")   // as large as the one that cost 4 GB to open, and one byte more
        return testsupport::makeSparse(path, bytes, (qint64(2) << 30) + 1);
    return kind != "link to fifo" || QFile::link(elders, path);
}

}  // namespace

class TestPlainFiles : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        ResetContext();
        core::readSeam() = core::ReadSeam{};
    }

    // First, while the process has held little: huge record files behind the standings, the cross table and
    // the player overview. Their records are streamed and only those of the poule or player are kept.
    void hugeRecordFilesAreNotHeld()
    {
        testsupport::ShellTournament t;
        auto& b = t.fx.builder();
        b.addPlayer(2, "Bakker", "K.", 1, 1, core::Fixed::fromDouble(1.0));
        b.addGame(1, 1, 1, 30, 20, 7, 2, 25, 20, 4);
        t.fx.load();
        testsupport::writeAll(PadPlanning(), {});
        for (const auto& [path, size] : {std::pair{PadSpelers(), qint64(64) << 20}, {PadUitslag(), qint64(128) << 20}})
            QVERIFY(testsupport::growSparse(path, size));
        core::ReadSeam& seam = core::readSeam();
        seam.watch = true;
        const qint64 before = testsupport::peakMemory();
        ScriptedMessages msgs;
        mdiHoofd h;
        composition::RegisterMenus(h);
        h.show();
        QStringList seen;
        h.menuItem("mnuOverzichtenStand")->trigger();
        auto* stand = qobject_cast<frmStand*>(h.menuWindow("mnuOverzichtenStand"));
        QVERIFY(stand);
        for (int r = 0; r < stand->ListView1()->topLevelItemCount(); ++r)
            seen << stand->ListView1()->topLevelItem(r)->text(1) + " " + stand->ListView1()->topLevelItem(r)->text(3);
        h.menuItem("mnuOverzichtenStand")->trigger();
        QTRY_VERIFY(h.menuItem("mnuOverzichtenMatrix")->isEnabled());
        h.menuItem("mnuOverzichtenMatrix")->trigger();
        auto* matrix = qobject_cast<frmMatrix*>(h.menuWindow("mnuOverzichtenMatrix"));
        QVERIFY(matrix);
        for (int r = 0; r < matrix->List1()->count(); ++r)
            seen << matrix->List1()->item(r)->text();
        h.menuItem("mnuOverzichtenMatrix")->trigger();
        QTRY_VERIFY(h.menuItem("mnuOverzichtenSpeler")->isEnabled());
        h.menuItem("mnuOverzichtenSpeler")->trigger();
        auto* speler = qobject_cast<frmOvSpeler*>(h.menuWindow("mnuOverzichtenSpeler"));
        QVERIFY(speler && speler->ListView1()->topLevelItemCount() == 2);
        speler->ListView1_ItemClick(speler->ListView1()->topLevelItem(1));
        seen << speler->Label4()->text() + " " + QString::number(speler->ListView2()->topLevelItemCount());
        QCOMPARE(seen, QStringList({"Bakker 1", "Jansen 1", "Bakker, K", "Jansen, J", "J. Jansen 2"}));
        QVERIFY(msgs.boxes.isEmpty());
        for (const QString& path : {PadSpelers(), PadUitslag()}) {
            const core::ReadSeam::Use use = seam.files.value(path);
            QVERIFY2(use.read >= QFileInfo(path).size() && use.held <= 65536 + core::UitslagRec::Length,
                     qPrintable(QStringLiteral("%1: %2 read, %3 held").arg(path).arg(use.read).arg(use.held)));
        }
#if !defined(__SANITIZE_ADDRESS__)
        // Holding either file, or its records, would take more than the whole players file.
        QVERIFY2(testsupport::peakMemory() - before < (qint64(64) << 20),
                 qPrintable(QString::number(testsupport::peakMemory() - before)));
#endif
    }

    // The start-up and the opening of the last tournament, with something else in place of one of its files
    // or one of the program folder's.
    void opening_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("box");  // "title|flags|prompt" (its start); empty: none
        QTest::addColumn<bool>("loaded");
        const QString poules = LetOp + "Poulebestand niet gevonden !\r\n" + Restore;
        QTest::newRow("poules file a FIFO") << "poules" << "fifo" << poules << false;
        QTest::newRow("poules file a folder") << "poules" << "folder" << poules << false;
        QTest::newRow("poules file a link to a FIFO") << "poules" << "link to fifo" << poules << false;
        QTest::newRow("poules file a link to a device") << "poules" << "link to device" << poules << false;
        QTest::newRow("poules file a link to a copy: followed") << "poules" << "link to" << "" << true;
        QTest::newRow("settings file a FIFO")
            << "settings" << "fifo"
            << LetOp + "Toernooibestand niet gevonden !\r\nPlaats het bestand Voorjaar_ST007.stt terug in de juiste "
                       "map,\r\n" + Restore
            << false;
        QTest::newRow("last-tournament file a FIFO") << "ini" << "fifo" << "" << false;
        QTest::newRow("club-name file a FIFO: made anew") << "club" << "fifo" << "" << true;
        QTest::newRow("club-name file a link to a FIFO")
            << "club" << "link to fifo"
            << "Let op!|48|Het bestand Clubnaam_Stootplanner.dat kon niet worden aangemaakt in de programmamap !\r\n"
               "Clubnaam_Stootplanner.dat is geen gewoon bestand."
            << true;
        QTest::newRow("logo a FIFO") << "logo" << "fifo" << "" << true;
    }
    void opening()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QString, box);
        QFETCH(bool, loaded);
        QTemporaryDir dir;
        const QString prog = dir.path() + "/prog/";
        QVERIFY(QDir().mkpath(prog));
        const testsupport::ScopedEnv home("STOOTPLANNER_HOME", prog);
        core::TournamentBuilder b(dir.path() + "/toernooi", "Voorjaar", 7);
        b.setRound(1, 2);
        b.addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.2));
        const core::TournamentFileSet f = b.write();
        QVERIFY(core::writeIni(prog + core::IniFileName, {f.map, f.toernooi}));
        const QMap<QString, QString> paths = {{"poules", f.map + f.poules},
                                              {"settings", f.map + f.toernooi},
                                              {"ini", prog + core::IniFileName},
                                              {"club", prog + core::ClubnaamFileName},
                                              {"logo", prog + core::LogoFileName}};
        std::optional<FifoWatch> fifo;
        QVERIFY(putInPlace(paths[file], kind, testsupport::readAll(f.map + f.poules), fifo));
        ScriptedMessages msgs;
        QString offered;
        QTimer::singleShot(0, [&] {
            if (auto* dlg = qobject_cast<frmStart*>(QApplication::activeModalWidget())) {
                offered = dlg->Label1()->text();
                (dlg->Command1()->isEnabled() ? dlg->Command1() : dlg->Command2())->click();
            }
        });
        std::unique_ptr<mdiHoofd> hoofd(StartUp(composition::RegisterMenus));
        QCOMPARE(offered, file == "ini" ? "Geen laatst gebruikt toernooi beschikbaar" : f.map + f.toernooi);
        QCOMPARE(ToernooiGeladen, loaded && file != "ini");
        QCOMPARE(testsupport::shown(msgs).join("\n").left(box.size()), box);
        QCOMPARE(msgs.boxes.size(), box.isEmpty() ? 0 : 1);
        QCOMPARE(hoofd->windowTitle(), core::DefaultClubnaam);
        QVERIFY(hoofd->Picture3().isNull());
        // A FIFO in the club name's own place is made anew; one elsewhere that a link leads to stays.
        QCOMPARE(QFileInfo(paths["club"]).isFile(), kind != "link to fifo" || file != "club");
        QCOMPARE(QFile::exists(f.map + f.slot), ToernooiGeladen);   // no lock left by a refused opening
        hoofd->close();
        QVERIFY(hoofd->shutDownDone());
        QVERIFY(!fifo || !fifo->openedToRead());
    }

    // A window that reads a file finds something else in its place. The standings' size file: a FIFO
    // counts as holding nothing (8 pt) and is made anew, a folder cannot be, a link to a FIFO is not written
    // through, a huge file is read for its first bytes only; a link to a plain file is followed. A record
    // file in another form than a plain file is missing, with the window's own message.
    void windows_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("after");  // the size file's bytes, or the window and its list: "open 8 pt 1"
        const QString stand = "mnuOverzichtenStand", bewaard = "Let op!|48|De lettergrootte kon niet worden "
                                                               "bewaard in Hulp_size.dat !\r\n";
        QTest::newRow("size file a FIFO") << stand << "size" << "fifo" << QByteArray() << "" << " 0 \r\n|open 8 pt 1";
        QTest::newRow("size file a folder") << stand << "size" << "folder" << QByteArray() << bewaard << "|open 8 pt 1";
        QTest::newRow("size file a link to a FIFO")
            << stand << "size" << "link to fifo" << QByteArray() << bewaard + "Hulp_size.dat is geen gewoon bestand."
            << "|open 8 pt 1";
        QTest::newRow("size file of 2 GiB") << stand << "size" << "sparse" << QByteArray(" 2 \r\n") << ""
                                             << " 2 \r\n|open 16 pt 1";
        QTest::newRow("size file a link to a plain file: followed")
            << stand << "size" << "link to" << QByteArray(" 3 \r\n") << "" << " 3 \r\n|open 20 pt 1";
        QTest::newRow("players file a FIFO, standings")
            << stand << "players" << "fifo" << QByteArray() << LetOp + "Spelersbestand niet gevonden !" << "closed";
        QTest::newRow("results file a FIFO, standings: no games")
            << stand << "results" << "fifo" << QByteArray() << "" << "open 8 pt 1";
        QTest::newRow("results file a folder, cross table: no games")
            << "mnuOverzichtenMatrix" << "results" << "folder" << QByteArray() << "" << "open";
        QTest::newRow("results file a FIFO, player overview")
            << "mnuOverzichtenSpeler" << "results" << "fifo" << QByteArray() << LetOp + "Uitslagenbestand niet gevonden !"
            << "closed";
        QTest::newRow("planning file a FIFO")
            << "mnuPlanningBestaand" << "planning" << "fifo" << QByteArray() << LetOp + "Planningbestand niet gevonden !"
            << "closed";
        QTest::newRow("help file a FIFO")
            << "mnuHelpAlgemeen" << "help" << "fifo" << QByteArray()
            << LetOp + "Help-bestand van Stootplanner niet gevonden !\r\nPlaats het bestand \"StootplannerHelp.hlp\" "
                       "terug in de programmamap !"
            << "closed";
    }
    void windows()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, box);
        QFETCH(QString, after);
        testsupport::ShellTournament t;
        const QString size = ToernooiMap + core::ZoomFileName;
        const QMap<QString, QString> paths = {{"size", size},
                                              {"players", PadSpelers()},
                                              {"results", PadUitslag()},
                                              {"planning", PadPlanning()},
                                              {"help", ProgrammaMap + QLatin1String(core::HelpFileName)}};
        std::optional<FifoWatch> fifo;
        QVERIFY(putInPlace(paths[file], kind, bytes, fifo));
        core::ReadSeam& seam = core::readSeam();
        seam.watch = true;
        ScriptedMessages msgs;
        mdiHoofd h;
        composition::RegisterMenus(h);
        h.show();
        h.menuItem(item)->trigger();
        QCOMPARE(testsupport::shown(msgs).join("\n").left(box.size()), box);
        QCOMPARE(msgs.boxes.size(), box.isEmpty() ? 0 : 1);
        QString state = h.menuWindow(item) ? "open" : "closed";
        if (auto* w = qobject_cast<frmStand*>(h.menuWindow(item))) {
            state = QStringLiteral("%1|open %2 pt %3").arg(QFileInfo(size).isFile() && file == "size"
                                                               ? QString::fromLatin1(testsupport::readAll(size))
                                                               : QString())
                        .arg(w->ListView1()->font().pointSize())
                        .arg(w->ListView1()->topLevelItemCount());
            if (file != "size")
                state = state.section('|', 1);
        }
        QCOMPARE(state, after);
        // The huge size file was read for its first line only.
        QVERIFY(seam.files.value(size).read <= core::ZoomFileReadLimit + 5);
        QVERIFY(!fifo || !fifo->openedToRead());
    }

    // The alarm plays a private copy of the sound file: none of a FIFO or of a file larger than any sound,
    // neither read; a changed file gets a new copy.
    void alarmSoundCopy()
    {
        QTemporaryDir dir;
        const QString wav = dir.filePath("ringin.wav");
        std::optional<FifoWatch> fifo;
        platform::SoundCopy copy;
        QVERIFY(putInPlace(wav, "fifo", {}, fifo));
        QVERIFY(copy.of(wav).isEmpty() && !fifo->openedToRead());
        fifo.reset();
        core::ReadSeam& seam = core::readSeam();
        seam.watch = true;
        QVERIFY(putInPlace(wav, "sparse", "RIFF", fifo));
        QVERIFY(copy.of(wav).isEmpty());
        QCOMPARE(seam.files.value(wav).read, qint64(0));
        QVERIFY(QFile::remove(wav) && testsupport::writeAll(wav, "RIFF eerste"));
        const QString first = copy.of(wav);
        QCOMPARE(testsupport::readAll(first), "RIFF eerste");
        QCOMPARE(copy.of(wav), first);
        QVERIFY(QFile::remove(wav) && testsupport::writeAll(wav, "RIFF tweede"));
        const QString second = copy.of(wav);
        QVERIFY(second != first && !QFile::exists(first));
        QCOMPARE(testsupport::readAll(second), "RIFF tweede");
    }
};

QTEST_MAIN(TestPlainFiles)
#include "test_plain_files.moc"

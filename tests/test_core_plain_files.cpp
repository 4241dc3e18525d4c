// The readers of the tournament and program-folder files against what may lie in a file's place: a FIFO,
// a folder, a socket, a link to a device or to a FIFO count as missing and are never opened to wait on; a
// link to a plain file is followed. Huge (sparse) files are read no further than their layout needs, and
// record files are streamed through one small buffer.
#include "core/helpfile.h"
#include "core/planning.h"
#include "core/players.h"
#include "core/recordfile.h"
#include "core/standview.h"
#include "core/tournamentfiles.h"
#include "support/core/odd_files.h"
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace core;
using testsupport::FifoWatch;

namespace {

// What every reader makes of the file at `path`, one entry each.
QStringList readers(const QString& path)
{
    QByteArray all, start;
    const bool whole = readFileBytes(path, &all);
    const bool begun = readFileStart(path, 4, &start);
    int scanned = 0;
    RecordFile<PouleRec>::scan(path, [&](const PouleRec&, qint64) { return ++scanned < 100; });
    const bool raw = scanRawRecords(path, PouleRec::Length, [](const char*) {});
    static const char* status[] = {"found", "not in file", "missing"};
    return {isPlainFile(path) ? "plain" : "not plain",
            QString::number(recordCount(path, PouleRec::Length)),
            whole ? "whole " + QString::number(all.size()) : "no bytes",
            begun ? "start " + QString::fromLatin1(start.toHex()) : "no start",
            RecordFile<PouleRec>::read(path, 1) ? "record 1" : "no record 1",
            QString::number(RecordFile<PouleRec>::readAll(path).size()) + " records",
            QString::number(scanned) + " scanned",
            raw ? "streamed" : "not streamed",
            "zoom " + QString::number(readZoomFile(path)),
            readIni(path) ? "ini" : "no ini",
            "planning " + QString::number(nextPlanningNumber(path)),
            status[int(findFirstPlayer(path, 1, nullptr, nullptr))],
            QString::number(helpIndex(path).size()) + " keywords"};
}

const QStringList Missing = {"not plain", "0", "no bytes", "no start", "no record 1", "0 records", "0 scanned",
                             "not streamed", "zoom 0", "no ini", "planning 1", "missing", "0 keywords"};
// " 3 \r\nDemo_ST001.stt\r\n": a zoom file, an ini file of two lines and two poule records at once.
const QByteArray Plain = " 3 \r\nDemo_ST001.stt\r\n";
const QStringList Followed = {"plain", "2", "whole 21", "start 2033200d", "record 1", "2 records", "2 scanned",
                              "streamed", "zoom 3", "ini", "planning 1", "not in file", "0 keywords"};

}  // namespace

class TestCorePlainFiles : public QObject {
    Q_OBJECT

private slots:
    void oddFilesCountAsMissing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("missing") << "missing" << Missing;
        QTest::newRow("FIFO") << "fifo" << Missing;
        QTest::newRow("link to a FIFO") << "link to fifo" << Missing;
        QTest::newRow("folder") << "folder" << Missing;
        QTest::newRow("socket") << "socket" << Missing;
        QTest::newRow("link to a device without end") << "device" << Missing;
        QTest::newRow("link to a plain file: followed") << "link" << Followed;
        QTest::newRow("plain file") << "plain" << Followed;
    }
    void oddFilesCountAsMissing()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("DataPoules_ST001.stp"), elsewhere = dir.filePath("elders");
        std::optional<FifoWatch> fifo;
        if (kind == "fifo")
            fifo.emplace(path);
        else if (kind == "link to fifo")
            fifo.emplace(elsewhere);
        QVERIFY(!fifo || fifo->made());
        if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == "socket")
            QVERIFY(testsupport::makeSocket(path));
        else if (kind == "device")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (kind == "plain" || kind == "link")
            QVERIFY(testsupport::makeSparse(kind == "plain" ? path : elsewhere, Plain, Plain.size()));
        if (kind.startsWith("link"))
            QVERIFY(QFile::link(elsewhere, path));
        QTEST(readers(path), "seen");
        // Nobody opened the FIFO to read, not even to find it empty.
        QVERIFY(!fifo || !fifo->openedToRead());
    }

    // The program's own small files are rewritten when what is found in their place is no plain file, but
    // never through a link that leads elsewhere to something other than a plain file: the new file would take
    // its place, a device's as well.
    void linksToOddFilesAreNotWrittenThrough_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("link to a FIFO") << "fifo" << " is geen gewoon bestand.";
        QTest::newRow("link to a folder") << "folder" << " is geen gewoon bestand.";
        QTest::newRow("link to a plain file: written through") << "plain" << "";
        QTest::newRow("a FIFO itself: replaced") << "fifo here" << "";
    }
    void linksToOddFilesAreNotWrittenThrough()
    {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("elders");
        for (const QString& name : {IniFileName, ClubnaamFileName, ZoomFileName}) {
            const QString path = dir.filePath(name), target = dir.filePath("elders/" + name);
            std::optional<FifoWatch> fifo;
            if (kind.startsWith("fifo"))
                fifo.emplace(kind == "fifo" ? target : path);
            else
                QVERIFY(kind == "folder" ? QDir().mkdir(target) : testsupport::makeSparse(target, "oud", 3));
            QVERIFY(kind == "fifo here" || QFile::link(target, path));
            QString reden;
            const QString naam = name == ClubnaamFileName ? readOrCreateClubnaam(path, &reden) : QString();
            const bool ok = name == IniFileName     ? writeIni(path, {"/map/", "Oud_ST003.stt"}, &reden)
                            : name == ZoomFileName ? replaceFile(path, zoomFileBytes(1), &reden)
                                                   : reden.isEmpty();
            QCOMPARE(std::pair(ok, reden), std::pair(why.isEmpty(), why.isEmpty() ? QString() : name + why));
            QCOMPARE(naam, name == ClubnaamFileName ? DefaultClubnaam : QString());
            // What the link leads to stays as it was, unless it is a plain file; a FIFO itself is replaced.
            const QFileInfo lead(kind == "fifo here" ? path : target);
            QCOMPARE(lead.isFile(), kind != "fifo" && kind != "folder");
            QVERIFY(!fifo || !fifo->openedToRead());
        }
    }

    // A huge file is read only as far as its layout needs: a few bytes of the size file, two lines of the ini
    // file, one record where one is asked for; a record file is streamed through one small buffer, and a scan
    // that stops early reads no further.
    void hugeFilesAreNotReadWhole()
    {
        QTemporaryDir dir;
        ReadSeam& seam = readSeam();
        seam = ReadSeam{};
        seam.watch = true;
        const auto cleanup = qScopeGuard([&] { seam = ReadSeam{}; });
        // As large as the size file that cost 4 GB to open, and one byte more.
        const qint64 large = (qint64(2) << 30) + 1, huge = qint64(16) << 30;
        const QString zoom = dir.filePath("Hulp_size.dat"), ini = dir.filePath("Stootplanner.ini");
        QVERIFY(testsupport::makeSparse(zoom, " 2 \r\n", large));
        QVERIFY(testsupport::makeSparse(ini, Plain, large));
        QCOMPARE(readZoomFile(zoom), 2);
        QVERIFY(!zoomFileHolds(zoom, 2));   // five bytes are not all it holds
        QCOMPARE(seam.files.value(zoom).read, qint64(ZoomFileReadLimit + 5));
        QCOMPARE(readIni(ini).value_or(LastTournament{}).bestand, QString("Demo_ST001.stt"));
        QVERIFY(seam.files.value(ini).read <= 2 * 4098);

        // One record far beyond 4 GiB: that record only.
        const QString poules = dir.filePath("DataPoules_ST001.stp");
        QVERIFY(testsupport::makeSparse(poules, {}, huge));
        QCOMPARE(recordCount(poules, PouleRec::Length), huge / PouleRec::Length);
        QVERIFY(RecordFile<PouleRec>::read(poules, huge / PouleRec::Length));
        QVERIFY(!RecordFile<PouleRec>::read(poules, huge / PouleRec::Length + 1));
        QCOMPARE(seam.files.value(poules).read, qint64(PouleRec::Length));

        // Records: streamed whole, never held whole; those not asked for are not kept.
        const QString spelers = dir.filePath("DataSpelers_ST001.sts");
        SpelerRec s;
        s.nummer = 7;
        s.ronde = 1;
        const qint64 groot = qint64(64) << 20;
        QVERIFY(testsupport::makeSparse(spelers, s.toBytes(), groot));
        const auto kept = RecordFile<SpelerRec>::readWhere(spelers, [](const SpelerRec& r) { return r.ronde == 1; });
        QCOMPARE(kept.size(), size_t(1));
        QCOMPARE(kept.front().nummer, 7);
        const ReadSeam::Use streamed = seam.files.value(spelers);
        QCOMPARE(streamed.read, groot);
        QVERIFY2(streamed.held <= 65536 + SpelerRec::Length, qPrintable(QString::number(streamed.held)));
        QCOMPARE(findFirstPlayer(spelers, 7, nullptr, nullptr), LookupStatus::Found);
        QVERIFY(seam.files.value(spelers).read - streamed.read <= 65536);
    }
};

QTEST_GUILESS_MAIN(TestCorePlainFiles)
#include "test_core_plain_files.moc"

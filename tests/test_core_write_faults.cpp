// Every write path on a full disk and stopped between two of its changes (a
// forked child ends itself there, as a killed program would): afterwards the
// files are byte for byte as before or completely written.
#include "core/carryover.h"
#include "core/filechanges.h"
#include "core/htmlpage.h"
#include "core/planning.h"
#include "core/recordfile.h"
#include "core/rounds.h"
#include "core/tournamentbuilder.h"
#include "support/core/folder_snapshot.h"
#include <QtTest>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace core;
using testsupport::Files;
using testsupport::snapshot;

namespace {

// Round 1 with two poules of two, round 2 with one empty poule; beside it an
// ini file, a scratch page, an old page and one planning.
TournamentFileSet setUp(const QString& dir)
{
    TournamentBuilder b(dir);
    for (int i = 1; i <= 4; ++i)
        b.addPlayer(i, QStringLiteral("Speler%1").arg(i), QStringLiteral("V."), 1, qint16(1 + i / 3), Fixed::fromInt(1));
    b.setRound(1, 2);
    b.setRound(2, 1);
    const TournamentFileSet f = b.write(false);
    writeIni(f.map + IniFileName, {QStringLiteral("/oud/"), QStringLiteral("Oud_ST001.stt")});
    replaceFile(f.map + ScratchPageName, "<nieuw>\r\n");
    replaceFile(f.map + QStringLiteral("stand.html"), "<oud>\r\n");
    appendPlanning(f.map + f.planning, newPlanning(1, 46300, 1, 2, 3, 2, 3));
    return f;
}

const std::vector<AutoRij> rijen = {{"00002", "Speler2", "V.", "25", "1.000", "2"},
                                     {"00004", "Speler4", "V.", "25", "1.000", "1"}};

using Op = std::function<bool(const TournamentFileSet&, QString*)>;
struct Case { const char* name; Op op; };

CarryFiles carry(const TournamentFileSet& f) { return {f.map + f.spelers, f.map + f.poules, f.map + f.herstel}; }
PlanningRec planning(int nr) { return newPlanning(qint16(nr), 46300, 1, 4, 10, 2, 3); }

const Case cases[] = {
    {"ini", [](auto& f, auto w) { return writeIni(f.map + IniFileName, {"/nieuw/", "Nieuw_ST002.stt"}, w); }},
    {"club name", [](auto& f, auto w) { return writeClubnaam(f.map + ClubnaamFileName, "BC De Keu", w); }},
    {"page saved over an old one",
     [](auto& f, auto w) { return moveFile(f.map + ScratchPageName, f.map + "stand.html", true, w); }},
    {"first planning",
     [](auto& f, auto w) { return appendPlanning(f.map + "Planning_ST002.sta", planning(1), w) == 1; }},
    {"next planning", [](auto& f, auto w) { return appendPlanning(f.map + f.planning, planning(2), w) == 2; }},
    {"planning saved",
     [](auto& f, auto w) {
         return savePlanningCells(f.map + f.planning, 1, {"A", "B"}, nullptr, w) == SaveResult::Saved;
     }},
    {"new round",
     [](auto& f, auto w) {
         return createNextRound(f.map + f.poules, f.map + f.toernooi, f.map + f.herstel, 2, nullptr, w) == 3;
     }},
    {"manual carry-over",
     [](auto& f, auto w) {
         return storeManualCarryOver(carry(f), {recordFromRow(rijen[0], 2), recordFromRow(rijen[1], 2)}, 2, w);
     }},
    {"automatic carry-over", [](auto& f, auto w) { return commitAutoCarryOver(carry(f), rijen, 2, 2, w); }},
    {"poule added", [](auto& f, auto w) { return addPouleToRound(f.map + f.poules, 2, w) == 2; }},
};

} // namespace

class TestCoreWriteFaults : public QObject {
    Q_OBJECT
    Files m_before, m_after;
    qint64 m_growth = 0;

    // Runs the case once without faults: the files before and after, and
    // how many bytes the files grew by.
    bool measure(const Case& k)
    {
        QTemporaryDir d;
        const TournamentFileSet f = setUp(d.path());
        m_before = snapshot(d.path());
        writeSeam().bytesLeft = qint64(1) << 40;
        const bool ok = k.op(f, nullptr);
        m_growth = (qint64(1) << 40) - writeSeam().bytesLeft;
        writeSeam() = {};
        m_after = snapshot(d.path());
        return ok && m_after != m_before;
    }

private slots:
    void fullDisk_data()
    {
        QTest::addColumn<int>("c");
        for (int c = 0; c < int(std::size(cases)); ++c)
            QTest::newRow(cases[c].name) << c;
    }
    void fullDisk()
    {
        QFETCH(int, c);
        QVERIFY(measure(cases[c]));
        // An in-place change needs no room: it succeeds on a full disk.
        for (qint64 room : {qint64(0), m_growth / 2, m_growth - 1}) {
            QTemporaryDir d;
            const TournamentFileSet f = setUp(d.path());
            writeSeam().bytesLeft = room;
            QString why;
            const bool ok = cases[c].op(f, &why);
            writeSeam() = {};
            QCOMPARE(ok, m_growth == 0);
            QCOMPARE(why, ok ? QString() : QString::fromLocal8Bit(strerror(ENOSPC)));
            QCOMPARE(snapshot(d.path()), ok ? m_after : m_before);
            if (m_growth == 0)
                break;
        }
    }

    void stopped_data() { fullDisk_data(); }
    void stopped()
    {
        QFETCH(int, c);
        QVERIFY(measure(cases[c]));
        for (int n = 1, status = 86 << 8; WEXITSTATUS(status) == 86; ++n) {
            QTemporaryDir d;
            const TournamentFileSet f = setUp(d.path());
            const pid_t pid = fork();
            if (pid == 0) {
                writeSeam().steps = 0;
                writeSeam().beforeStep = [n](int step) {
                    if (step == n)
                        _exit(86);
                };
                _exit(cases[c].op(f, nullptr) ? 0 : 1);
            }
            QCOMPARE(waitpid(pid, &status, 0), pid);
            QVERIFY(WIFEXITED(status));
            QVERIFY(undoUnfinishedChanges(f.map + f.herstel));   // as the next opening does
            const Files now = snapshot(d.path());
            QVERIFY2(now == m_before || now == m_after, qPrintable(QStringLiteral("stopped at change %1").arg(n)));
            // Once it ran through: it succeeded, whole, and was stopped at least once before.
            if (WEXITSTATUS(status) != 86)
                QVERIFY(WEXITSTATUS(status) == 0 && now == m_after && n > 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestCoreWriteFaults)
#include "test_core_write_faults.moc"

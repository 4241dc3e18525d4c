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
#include <QCryptographicHash>
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

template <class C, size_t N> void rows(const C (&cs)[N])
{
    QTest::addColumn<int>("c");
    for (const C& k : cs)
        QTest::newRow(k.name) << int(&k - cs);
}

// Each case twice: with replacements that have no name until they are whole, and named from the start, as
// where the system cannot make a file without one.
template <class C, size_t N> void rowsNamedToo(const C (&cs)[N])
{
    QTest::addColumn<int>("c");
    QTest::addColumn<bool>("named");
    for (bool named : {false, true})
        for (const C& k : cs)
            QTest::addRow("%s%s", k.name, named ? ", named aside" : "") << int(&k - cs) << named;
}

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
    {"planning saved", [](auto& f, auto w) {
         return savePlanningCells(f.map + f.planning, 1, {"A", "B"}, nullptr, w) == SaveResult::Saved; }},
    {"new round", [](auto& f, auto w) {
         return createNextRound(f.map + f.poules, f.map + f.toernooi, f.map + f.herstel, 2, nullptr, w) == 3; }},
    {"manual carry-over", [](auto& f, auto w) {
         return storeManualCarryOver(carry(f), {recordFromRow(rijen[0], 2), recordFromRow(rijen[1], 2)}, 2, w); }},
    {"automatic carry-over", [](auto& f, auto w) { return commitAutoCarryOver(carry(f), rijen, 2, 2, w); }},
    {"poule added", [](auto& f, auto w) { return addPouleToRound(f.map + f.poules, 2, w) == 2; }},
};

// An automatic carry-over whose medium went away right after the players were written: the poules record
// and the undo fail, and the journal stays beside the changed players file.
bool halfMade(const TournamentFileSet& f)
{
    const qint64 size = QFileInfo(f.map + f.spelers).size();
    writeSeam().beforeStep = [&](int) { writeSeam().readOnly |= QFileInfo(f.map + f.spelers).size() != size; };
    const bool failed = !commitAutoCarryOver(carry(f), rijen, 2, 2);
    writeSeam() = {};
    return failed && QFile::exists(f.map + f.herstel);
}

// What a journal found at opening can be, and what then becomes of it.
enum Outcome { Undone, Retried, SetAside, Damaged };
using Kept = std::vector<FileChanges::Kept>;
const QByteArray noHead = QCryptographicHash::hash("", QCryptographicHash::Sha256);
const struct JournalCase {
    const char* name;
    std::function<void(const TournamentFileSet&, Kept&, QByteArray& journal)> tamper;
    Outcome outcome;
    QString told = {};   // how the message goes on
} journalCases[] = {
    {"half-made carry-over", [](auto&, auto&, auto&) {}, Undone},
    {"carry-over tried again", [](auto&, auto&, auto&) {}, Retried},
    {"both files changed since", [](auto& f, auto&, auto&) {
         QVERIFY(QFile::resize(f.map + f.spelers, 165) && QFile::resize(f.map + f.poules, 8)); }, SetAside,
     "De bestanden DataSpelers_ST001.sts en DataPoules_ST001.stp zijn sindsdien veranderd"},
    {"from another copy of the folder", [](auto&, auto&, auto& journal) {
         QTemporaryDir d;
         const TournamentFileSet g = setUp(d.path());
         QVERIFY(QFile::resize(g.map + g.spelers, 165) && halfMade(g) && readFileBytes(g.map + g.herstel, &journal));
     }, SetAside, "Het bestand DataSpelers_ST001.sts is sindsdien veranderd, bijvoorbeeld door een Restore.\r\n"
                  "Het hulpbestand staat nu apart als HulpHerstel-ST001.afgezet.\r\nControleer het toernooi, of zet "
                  "het terug met Restore."},
    {"cut by one byte", [](auto&, auto& k, auto& journal) { journal = journalBytes(k).chopped(1); }, Damaged},
    {"count cut short", [](auto&, auto&, auto& journal) {
         journal = QByteArray("STJ2\0\0", 6);   // the magic, half a count, and a checksum that fits
         journal += QCryptographicHash::hash(journal, QCryptographicHash::Sha256); }, Damaged},
    {"outside its folder", [](auto&, auto& k, auto&) { k[0].name = "../" + k[0].name; }, Damaged},
    {"full path", [](auto& f, auto& k, auto&) { k[0].name = f.map + k[0].name; }, Damaged},
    {"results file", [](auto& f, auto& k, auto&) { k[0].name = f.uitslag; }, Damaged},
    {"another tournament's players", [](auto&, auto& k, auto&) { k[0].name = "DataSpelers_ST002.sts"; }, Damaged},
    {"one file twice", [](auto&, auto& k, auto&) { k.push_back(k[0]); }, Damaged},
    {"offset of 1 TiB", [](auto&, auto& k, auto&) { k[0].from = qint64(1) << 40; }, Damaged},
    {"longer than a poules file", [](auto&, auto& k, auto&) { k[1].before.resize(32768 * 8); }, Damaged},
    {"every player carried",
     [](auto& f, auto& k, auto&) { k[0] = {f.spelers, 0, noHead, {}, snapshot(f.map)[f.spelers]}; }, Damaged},
    {"settings emptied",
     [](auto& f, auto& k, auto&) { k.push_back({f.toernooi, 0, noHead, {}, snapshot(f.map)[f.toernooi]}); }, Damaged},
};

} // namespace

class TestCoreWriteFaults : public QObject {
    Q_OBJECT
    Files m_before, m_after;
    qint64 m_growth = 0;
    QStringList m_synced;   // the files and folder (".") pushed to the disk

    // Runs the case once without faults: the files before and after, and
    // how many bytes the files grew by.
    bool measure(const Case& k)
    {
        QTemporaryDir d;
        const TournamentFileSet f = setUp(d.path());
        m_before = snapshot(d.path());
        writeSeam().bytesLeft = qint64(1) << 40;
        m_synced.clear();
        syncSeam() = [&](const QString& p) { return m_synced << QDir(d.path()).relativeFilePath(p), true; };
        const bool ok = k.op(f, nullptr);
        m_growth = (qint64(1) << 40) - writeSeam().bytesLeft;
        writeSeam() = {};
        syncSeam() = nullptr;
        m_after = snapshot(d.path());
        return ok && m_after != m_before;
    }

private slots:
    void fullDisk_data() { rowsNamedToo(cases); }
    void fullDisk()
    {
        QFETCH(int, c);
        QFETCH(bool, named);
        QVERIFY(measure(cases[c]));
        // A change kept in a journal reaches the disk, each changed file once and then the folder.
        for (auto it = m_after.cbegin(); it != m_after.cend() && !m_synced.isEmpty(); ++it)
            QCOMPARE(m_synced.count(it.key()), m_before.value(it.key()) == it.value() ? 0 : 1);
        // The folder before the journal goes, and again once it has gone.
        QVERIFY(m_synced.isEmpty() || m_synced.mid(m_synced.size() - 2) == QStringList({".", "."}));
        // An in-place change needs no room: it succeeds on a full disk. Where the files cannot reach the
        // disk (room -2), a change kept in a journal is undone.
        for (qint64 room : {qint64(-2), qint64(0), m_growth / 2, m_growth - 1}) {
            QTemporaryDir d;
            const TournamentFileSet f = setUp(d.path());
            writeSeam().bytesLeft = qMax<qint64>(room, -1);
            writeSeam().namedAside = named;
            syncSeam() = [room](const QString&) { return room != -2; };
            QString why;
            const bool ok = cases[c].op(f, &why);
            writeSeam() = {};
            syncSeam() = nullptr;
            QCOMPARE(ok, room == -2 ? m_synced.isEmpty() : m_growth == 0);
            QCOMPARE(why.isEmpty(), ok);
            if (room != -2 && !ok)
                QCOMPARE(why, QString::fromLocal8Bit(strerror(ENOSPC)));
            QCOMPARE(snapshot(d.path()), ok ? m_after : m_before);
            if (m_growth == 0 && room == 0)
                break;
        }
    }

    void stopped_data() { fullDisk_data(); }
    void stopped()
    {
        QFETCH(int, c);
        QFETCH(bool, named);
        QVERIFY(measure(cases[c]));
        int cleared = 0;
        for (int n = 1, status = 86 << 8; WEXITSTATUS(status) == 86; ++n) {
            QTemporaryDir d;
            const TournamentFileSet f = setUp(d.path());
            const pid_t pid = fork();
            if (pid == 0) {
                writeSeam().steps = 0;
                writeSeam().namedAside = named;
                writeSeam().beforeStep = [n](int step) { step == n ? _exit(86) : void(); };
                _exit(cases[c].op(f, nullptr) ? 0 : 1);
            }
            QCOMPARE(waitpid(pid, &status, 0), pid);
            QVERIFY(WIFEXITED(status));
            QString why;
            QVERIFY(undoUnfinishedChanges(f.map + f.herstel, &why) && why.isEmpty());   // as the next opening does
            // A replacement named from the start may be left; it goes too, and nothing else does.
            const Files left = snapshot(d.path());
            removeUnfinishedReplacements(d.path(), m_before.keys() + m_after.keys() + QStringList{f.herstel});
            const Files now = snapshot(d.path());
            for (const QString& name : left.keys()) {
                if (now.contains(name))
                    continue;
                QVERIFY2(named && name.startsWith('.') && name.contains(".~stootplanner-"), qPrintable(name));
                ++cleared;
            }
            QVERIFY2(now == m_before || now == m_after, qPrintable(QStringLiteral("stopped at change %1").arg(n)));
            // Once it ran through: it succeeded, whole, and was stopped at least once before.
            if (WEXITSTATUS(status) != 86)
                QVERIFY(WEXITSTATUS(status) == 0 && now == m_after && n > 1);
        }
        QVERIFY(named || cleared == 0);
    }

    // A journal found beside the files is undone only when it is whole, names no more than the files its
    // change could make as that change could make them, and they hold what it could have left.
    void journal_data() { rows(journalCases); }
    void journal()
    {
        QFETCH(int, c);
        const JournalCase& j = journalCases[c];
        QVERIFY(measure(cases[8]));
        QTemporaryDir d;
        const TournamentFileSet f = setUp(d.path());
        QVERIFY(halfMade(f));
        QByteArray journal;
        Kept kept;
        QVERIFY(readFileBytes(f.map + f.herstel, &journal) && parseJournal(journal, f.herstel, &kept));
        journal.clear();
        j.tamper(f, kept, journal);
        QVERIFY(replaceFile(f.map + f.herstel, journal.isEmpty() ? journalBytes(kept) : journal));
        Files found = snapshot(d.path());
        QString why;
        const bool ok = j.outcome == Retried ? commitAutoCarryOver(carry(f), rijen, 2, 2, &why)
                                             : undoUnfinishedChanges(f.map + f.herstel, &why);
        const QString start[] = {"", "", "Een onderbroken wijziging is niet ongedaan gemaakt !\r\n",
                                 "Het hulpbestand HulpHerstel_ST001.dat is beschadigd !\r\n"};
        QCOMPARE(ok, j.outcome != Damaged);
        QVERIFY2(j.outcome < SetAside ? why.isEmpty() : why.startsWith(start[j.outcome] + j.told), qPrintable(why));
        if (j.outcome == SetAside)
            found["HulpHerstel-ST001.afgezet"] = found.take(f.herstel);
        QCOMPARE(snapshot(d.path()), j.outcome == Undone ? m_before : j.outcome == Retried ? m_after : found);
    }
};

QTEST_GUILESS_MAIN(TestCoreWriteFaults)
#include "test_core_write_faults.moc"

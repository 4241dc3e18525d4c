// The journal that undoes an interrupted change, as the next opening finds it.
// Input: a byte of switches, then the players, poules, settings and results
// files; then (bit 0 clear) a journal, its checksum made right with bit 1; or
// (bit 0 set) a carry-over and a new round in one change, and per file which
// size and which bytes it is left with: as before or as after.
#include "core/filechanges.h"
#include "core/records.h"
#include "../support/core/folder_snapshot.h"
#include "fuzz_input.h"
#include <QCryptographicHash>

using namespace core;
using testsupport::Files;
using testsupport::snapshot;

namespace {

const QStringList names = {"DataSpelers_ST001.sts", "DataPoules_ST001.stp", "Naam_ST001.stt", "DataUitslag_ST001.stu"};
const QString journalName = "HulpHerstel_ST001.dat";

void write(const QString& path, const QByteArray& bytes) { fuzz::check(replaceFile(path, bytes)); }

// A genuine change left anywhere between before and after is undone exactly.
void between(fuzz::Input& in, const QDir& t, ToernooiRec& rec, const Files& found)
{
    const int spelers = in.byte() % 4 * SpelerRec::Length, ronde = 2 + in.byte() % 40;
    rec.laatsteRonde = qint16(ronde);
    FileChanges c(t.filePath(journalName));
    fuzz::check(c.start(nullptr));
    c.keep(t.filePath(names[0]), found[names[0]].size() / SpelerRec::Length * SpelerRec::Length,
           in.take(spelers).leftJustified(spelers, 'n'), true);
    c.keep(t.filePath(names[1]), (ronde - 1) * PouleRec::Length, in.take(8).leftJustified(8, 'r'));
    c.keep(t.filePath(names[2]), 0, rec.toBytes());
    QByteArray bytes;
    std::vector<FileChanges::Kept> kept;
    fuzz::check(c.begin(nullptr) && readFileBytes(t.filePath(journalName), &bytes)
                && parseJournal(bytes, journalName, &kept));
    for (const auto& k : kept) {
        const int old = in.byte(), size = int(k.from) + (old & 1 ? k.before.size() : k.after.size());
        QByteArray now = found[k.name].first(k.from);
        for (int i = 0; k.from + i < size; ++i)
            now += i < k.before.size() && (i >= k.after.size() || old >> (i % 7 + 1) & 1) ? k.before[i] : k.after[i];
        write(t.filePath(k.name), now);
    }
    QString why;
    fuzz::check(undoUnfinishedChanges(t.filePath(journalName), &why) && why.isEmpty() && snapshot(t.path()) == found);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir root;
    QDir t(root.filePath("t"));
    fuzz::check(t.removeRecursively() && t.mkpath(".") && replaceFile(root.filePath("buiten.dat"), "buiten"));
    fuzz::Input in(data, size);
    const int switches = in.byte();
    ToernooiRec rec;
    rec.signatuur = ToernooiRec::Signatuur;
    rec.naam = in.text();
    // A change needs a player to carry and a settings record.
    const QByteArray lead[] = {switches & 1 ? QByteArray(55, 'p') : "", "", switches & 1 ? rec.toBytes() : "", ""};
    for (int i = 0; i < names.size(); ++i)
        write(t.filePath(names[i]), lead[i] + in.field());
    Files before = snapshot(t.path());
    if (switches & 1) {
        between(in, t, rec, before);
    } else {
        const QByteArray bytes = in.rest();
        write(t.filePath(journalName),
              switches & 2 ? bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256) : bytes);
        before = snapshot(t.path());
        // A journal is read only as the very bytes the program writes for what it holds.
        const QByteArray written = before.value(journalName);
        std::vector<FileChanges::Kept> kept;
        fuzz::check(!parseJournal(written, journalName, &kept) || journalBytes(kept) == written);
        QString why;
        const bool ok = undoUnfinishedChanges(t.filePath(journalName), &why);
        // Refused: nothing changed. Set aside: only the journal's name. Undone: the journal went, and
        // no file but those its change could make changed.
        if (ok && why.isEmpty()) {
            before.remove(journalName);
            for (const QString& name : names.first(3))
                before[name] = snapshot(t.path()).value(name);
        } else if (ok) {
            before["HulpHerstel-ST001.afgezet"] = before.take(journalName);
        }
        fuzz::check((ok || !why.isEmpty()) && snapshot(t.path()) == before);
    }
    // Nothing outside the tournament's folder, whatever the journal says.
    fuzz::check(snapshot(root.path()) == Files{{"buiten.dat", "buiten"}});
    return 0;
}

#include "filechanges.h"
#include "records.h"
#include "recordfile.h"
#include "tournamentfiles.h"
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace core {

namespace {

constexpr quint32 JournalMagic = 0x53544A32;   // "STJ2"
constexpr int HashLength = 32;
constexpr qint64 MaxJournalSize = qint64(64) << 20;
const QString CrLf = QStringLiteral("\r\n");

QByteArray sha256(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

bool fail(QString* why, const QString& reason)
{
    if (why)
        *why = reason;
    return false;
}

// Pushes a file's data, or a folder's names, from the system to the disk.
bool syncToDisk(const QString& path, QString* why)
{
    if (const auto& seam = syncSeam(); seam && !seam(path))
        return fail(why, QString::fromLocal8Bit(std::strerror(EIO)));
    // Without waiting: a FIFO put in a file's place must not hang the program.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return fail(why, QString::fromLocal8Bit(std::strerror(errno)));
    // Some file systems cannot sync a folder; there is nothing more to do then.
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == 0 || error == EINVAL || fail(why, QString::fromLocal8Bit(std::strerror(error)));
}

QString folderOf(const QString& journal)
{
    return QFileInfo(journal).absolutePath();
}

// The tournament number of a journal "HulpHerstel_ST<nnn>.dat"; -1 when it is none.
int journalNumber(const QString& journalName)
{
    static const QRegularExpression re(QStringLiteral("\\AHulpHerstel_ST([0-9]{3})\\.dat\\z"));
    const auto m = re.match(journalName);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

enum class Kind { None, Spelers, Poules, Toernooi };

// Which of its tournament's files a journal names: a plain name in its own folder.
Kind kindOf(const QString& name, const QString& journalName)
{
    const int nummer = journalNumber(journalName);
    if (nummer < 0)
        return Kind::None;
    const TournamentFileSet set = tournamentFileSet(QString(), QString(), nummer);
    static const QRegularExpression notPlain(QStringLiteral("[/\\\\:\\x00-\\x1f]"));
    return name == set.spelers   ? Kind::Spelers
           : name == set.poules  ? Kind::Poules
           : tournamentNumberFromFileName(name) == nummer && !name.contains(notPlain) ? Kind::Toernooi
                                 : Kind::None;
}

bool allZero(QByteArrayView b)
{
    return std::all_of(b.begin(), b.end(), [](char c) { return c == 0; });
}

// Only what a change can make of each file, within the size it can have: a
// carry-over appends whole player records after those it takes them from
// (cutting off no more than a partial record); either change writes the
// poules record of a round above the first, in place or past the last whole
// record with zeros before it; a new round rewrites the settings record in
// place.
bool fitsChange(const FileChanges::Kept& k, Kind kind)
{
    const qint64 limit = kind == Kind::Spelers ? qint64(1) << 30   // far beyond any tournament, within one read
                         : kind == Kind::Poules ? 32768 * PouleRec::Length   // rounds are 16-bit
                                                : 2 * ToernooiRec::Length;
    const qint64 before = k.before.size(), after = k.after.size();
    if (kind == Kind::None || k.head.size() != HashLength || k.from < 0 || k.from > limit || before > limit - k.from
        || after > limit - k.from)
        return false;
    constexpr int P = PouleRec::Length, T = ToernooiRec::Length;
    switch (kind) {
    case Kind::Spelers:
        return k.from >= SpelerRec::Length && k.from % SpelerRec::Length == 0 && before < SpelerRec::Length
               && after % SpelerRec::Length == 0;
    case Kind::Poules:
        return (k.from >= P && k.from % P == 0 && before >= P && after == before && k.after.mid(P) == k.before.mid(P))
               || (before < P && after >= P && k.from + after >= 2 * P && (k.from + after) % P == 0
                   && allZero(k.after.first(after - P)));
    default:
        return k.from == 0 && before >= T && after == before && k.after.mid(T) == k.before.mid(T)
               && ToernooiRec::fromBytes(k.before.constData()).hasSignature()
               && ToernooiRec::fromBytes(k.after.constData()).hasSignature();
    }
}

bool mayTouch(const FileChanges::Kept& k, const QString& journalName, const std::vector<FileChanges::Kept>& earlier)
{
    for (const auto& e : earlier)
        if (e.name == k.name)
            return false;
    return fitsChange(k, kindOf(k.name, journalName));
}

// Whether the file holds what the change could have left: as before, as
// after, or on its way between them (or back): the bytes before `from` as
// they were, a size between the two, and every byte from `from` on as before
// or as after. Whatever else changed it since must not be undone.
bool holdsChange(const QString& path, const FileChanges::Kept& k)
{
    QByteArray now;
    const QFileInfo fi(path);
    if (fi.isSymLink() || !fi.isFile() || !readFileBytes(path, &now))
        return false;
    const qint64 before = k.from + k.before.size(), after = k.from + k.after.size();
    if (now.size() < qMin(before, after) || now.size() > qMax(before, after) || sha256(now.first(k.from)) != k.head)
        return false;
    for (qint64 i = 0; i < now.size() - k.from; ++i) {
        const char c = now[k.from + i];
        if (!(i < k.before.size() && k.before[i] == c) && !(i < k.after.size() && k.after[i] == c))
            return false;
    }
    return true;
}

QString nameList(const QStringList& names)
{
    return names.size() < 2 ? names.join(QString())
                            : names.first(names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" en ")
                                  + names.last();
}

// A change that went wrong on the way, with the file concerned.
bool failedOn(QString* why, const QString& name, const QString& reason)
{
    return fail(why, QStringLiteral("Een onderbroken wijziging van dit toernooi kon niet ongedaan worden gemaakt !")
                         + CrLf + QStringLiteral("Het bestand ") + name
                         + QStringLiteral(" kon niet worden bijgewerkt: ") + reason);
}

// Puts every file back as it was, pushes that to the disk, then removes the journal.
bool putBack(const QString& journal, const std::vector<FileChanges::Kept>& kept, QString* why)
{
    const QDir folder(folderOf(journal));
    QString reason;
    for (const auto& k : kept)
        if (!putTail(folder.filePath(k.name), k.from, k.before, &reason))
            return failedOn(why, k.name, reason);
    for (const auto& k : kept)
        if (!syncToDisk(folder.filePath(k.name), &reason))
            return failedOn(why, k.name, reason);
    // The journal stays until every file is back, so that a later try can finish the job.
    if (!syncToDisk(folder.path(), &reason) || !removeFile(journal, &reason))
        return failedOn(why, QFileInfo(journal).fileName(), reason);
    return true;
}

QString damagedText(const QString& journal, bool read)
{
    const QString name = QFileInfo(journal).fileName();
    const int nummer = journalNumber(name);
    QString text = QStringLiteral("Het hulpbestand ") + name
                   + (read ? QStringLiteral(" is beschadigd !") : QStringLiteral(" kan niet worden gelezen !"))
                   + CrLf + QStringLiteral("Een onderbroken wijziging is daardoor niet ongedaan gemaakt;");
    if (nummer >= 0) {
        const TournamentFileSet set = tournamentFileSet(QString(), QString(), nummer);
        const QStringList settings = QDir(folderOf(journal))
            .entryList({QStringLiteral("*_ST") + tournamentNumberText(nummer) + QStringLiteral(".stt")}, QDir::Files);
        text += CrLf + QStringLiteral("de bestanden ") + nameList(QStringList{set.spelers, set.poules} + settings)
                + QStringLiteral(" kunnen half gewijzigd zijn.");
    }
    // A restore brings the files back but leaves the journal where it is.
    return text + CrLf + QStringLiteral("Zet het toernooi terug met Restore en verwijder daarna ") + name
           + QStringLiteral(".");
}

// The files changed since the journal was written: it is moved out of the
// way under a name that is neither undone nor taken along by a backup.
bool setAside(const QString& journal, const QStringList& changed, QString* why)
{
    const QFileInfo fi(journal);
    const QString aside = fi.completeBaseName().replace(QStringLiteral("_ST"), QStringLiteral("-ST"))
                          + QStringLiteral(".afgezet");
    const bool one = changed.size() == 1;
    const QString text = QStringLiteral("Een onderbroken wijziging is niet ongedaan gemaakt !") + CrLf
                         + (one ? QStringLiteral("Het bestand ") : QStringLiteral("De bestanden ")) + nameList(changed)
                         + (one ? QStringLiteral(" is") : QStringLiteral(" zijn"))
                         + QStringLiteral(" sindsdien veranderd, bijvoorbeeld door een Restore.") + CrLf;
    QString reason;
    QFile f(journal);
    const QString target = fi.dir().filePath(aside);
    if (!removeFile(target, &reason) || !(f.rename(target) || fail(&reason, f.errorString()))
        || !syncToDisk(fi.absolutePath(), &reason)) {
        fail(why, text + QStringLiteral("Het hulpbestand ") + fi.fileName()
                      + QStringLiteral(" kon niet apart worden gezet: ") + reason);
        return false;
    }
    fail(why, text + QStringLiteral("Het hulpbestand staat nu apart als ") + aside + QStringLiteral(".") + CrLf
                  + QStringLiteral("Controleer het toernooi, of zet het terug met Restore."));
    return true;
}

} // namespace

std::function<bool(const QString&)>& syncSeam()
{
    static std::function<bool(const QString&)> seam;
    return seam;
}

QByteArray journalBytes(const std::vector<FileChanges::Kept>& kept)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << JournalMagic << qint32(kept.size());
    for (const auto& k : kept)
        s << k.name << k.from << k.head << k.before << k.after;
    return out + sha256(out);
}

bool parseJournal(const QByteArray& bytes, const QString& journalName, std::vector<FileChanges::Kept>* kept)
{
    if (bytes.size() < HashLength || sha256(bytes.first(bytes.size() - HashLength)) != bytes.last(HashLength))
        return false;
    QDataStream s(bytes.first(bytes.size() - HashLength));
    s.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    qint32 n = 0;
    s >> magic >> n;
    // A change touches the players, poules and settings files at most. A
    // count cut short reads as none: such a journal is damaged, not empty.
    if (s.status() != QDataStream::Ok || magic != JournalMagic || n < 0 || n > 3)
        return false;
    for (qint32 i = 0; i < n; ++i) {
        FileChanges::Kept k;
        s >> k.name >> k.from >> k.head >> k.before >> k.after;
        if (s.status() != QDataStream::Ok || !mayTouch(k, journalName, *kept))
            return false;
        kept->push_back(k);
    }
    return s.atEnd();
}

bool FileChanges::start(QString* why)
{
    QString told;
    if (undoUnfinishedChanges(m_journal, &told) && told.isEmpty())
        return true;
    return fail(why, told);
}

void FileChanges::keep(const QString& path, qint64 at, const QByteArray& bytes, bool cut)
{
    QByteArray now;
    // A file that cannot be read now could never be put back; no change makes a new one.
    if (!readFileBytes(path, &now) && m_unreadable.isEmpty())
        m_unreadable = path;
    QByteArray later = now.first(qMin<qint64>(at, now.size()));
    later += QByteArray(at - later.size(), '\0') + bytes;
    if (!cut)
        later += now.mid(at + bytes.size());
    Kept k;
    k.name = QDir(folderOf(m_journal)).relativeFilePath(path);
    k.from = qMin<qint64>(at, now.size());
    k.head = sha256(now.first(k.from));
    k.before = now.mid(k.from);
    k.after = later.mid(k.from);
    m_kept.push_back(k);
}

bool FileChanges::begin(QString* why)
{
    if (!m_unreadable.isEmpty())
        return fail(why, QStringLiteral("Het bestand ") + QFileInfo(m_unreadable).fileName()
                             + QStringLiteral(" kan niet worden gelezen."));
    // Never a journal that the next opening would refuse.
    const QByteArray bytes = journalBytes(m_kept);
    std::vector<Kept> check;
    if (!parseJournal(bytes, QFileInfo(m_journal).fileName(), &check))
        return fail(why, QStringLiteral("Het bestand ") + m_kept[qMin(check.size(), m_kept.size() - 1)].name
                             + QStringLiteral(" kan niet veilig worden gewijzigd."));
    if (!replaceFile(m_journal, bytes, why))
        return false;
    // The journal reaches the disk before the first change does.
    if (syncToDisk(m_journal, why) && syncToDisk(folderOf(m_journal), why))
        return true;
    removeFile(m_journal);
    return false;
}

bool FileChanges::finish(QString* why)
{
    // On the disk before the journal goes: after a power cut the journal
    // must still be there for any change that did not reach it.
    bool ok = true;
    for (const auto& k : m_kept)
        ok = ok && syncToDisk(QDir(folderOf(m_journal)).filePath(k.name), why);
    if (ok && syncToDisk(folderOf(m_journal), why) && removeFile(m_journal, why)) {
        // The change is whole on the disk; a journal that came back after a
        // power cut would only undo it again, so its going is pushed too.
        syncToDisk(folderOf(m_journal), nullptr);
        return true;
    }
    undo();
    return false;
}

bool FileChanges::undo(QString* why)
{
    return putBack(m_journal, m_kept, why);
}

bool undoUnfinishedChanges(const QString& journalPath, QString* why)
{
    // A link is no journal and is not followed, even where it leads nowhere:
    // it could lead anywhere, to a file without end, and the next journal
    // would be written where it leads.
    const QFileInfo found(journalPath);
    if (!found.exists() && !found.isSymLink())
        return true;
    QByteArray bytes;
    std::vector<FileChanges::Kept> kept;
    // Journals are written whole: a damaged one means a damaged folder. It
    // stays where it is, and nothing is opened until the tournament is restored.
    // One far larger than any change keeps is damaged without reading it.
    const bool tooLarge = found.size() > MaxJournalSize;
    const bool read = found.isFile() && !found.isSymLink() && (tooLarge || readFileBytes(journalPath, &bytes));
    if (!read || tooLarge || !parseJournal(bytes, QFileInfo(journalPath).fileName(), &kept))
        return fail(why, damagedText(journalPath, read));
    const QDir folder(folderOf(journalPath));
    QStringList changed;
    for (const auto& k : kept)
        if (!holdsChange(folder.filePath(k.name), k))
            changed << k.name;
    return changed.isEmpty() ? putBack(journalPath, kept, why) : setAside(journalPath, changed, why);
}

} // namespace core

#include "filechanges.h"
#include "recordfile.h"
#include <QDataStream>
#include <QDir>
#include <QFileInfo>

namespace core {

namespace {

constexpr quint32 JournalMagic = 0x53544A31;   // "STJ1"

QByteArray journalBytes(const std::vector<FileChanges::Kept>& kept)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << JournalMagic << qint32(kept.size());
    for (const auto& k : kept)
        s << k.name << k.existed << k.from << k.tail;
    return out;
}

bool parseJournal(const QByteArray& bytes, std::vector<FileChanges::Kept>* kept)
{
    QDataStream s(bytes);
    s.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    qint32 n = 0;
    s >> magic >> n;
    if (magic != JournalMagic || n < 0 || n > 16)
        return false;
    for (qint32 i = 0; i < n; ++i) {
        FileChanges::Kept k;
        s >> k.name >> k.existed >> k.from >> k.tail;
        kept->push_back(k);
    }
    return s.status() == QDataStream::Ok && s.atEnd();
}

bool restore(const QString& journal, const std::vector<FileChanges::Kept>& kept, QString* why)
{
    const QDir folder = QFileInfo(journal).absoluteDir();
    bool ok = true;
    for (const auto& k : kept) {
        const QString path = folder.filePath(k.name);
        ok = (k.existed ? putTail(path, k.from, k.tail, why) : removeFile(path, why)) && ok;
    }
    // The journal stays until every file is back, so that a later try can finish the job.
    return ok && removeFile(journal, why);
}

} // namespace

void FileChanges::keep(const QString& path, qint64 from)
{
    Kept k;
    k.name = QFileInfo(m_journal).absoluteDir().relativeFilePath(path);
    QByteArray all;
    k.existed = QFileInfo::exists(path);
    // A file that cannot be read now could never be put back.
    if (k.existed && !readFileBytes(path, &all) && m_unreadable.isEmpty())
        m_unreadable = path;
    k.from = qBound<qint64>(0, from, all.size());
    k.tail = all.mid(k.from);
    m_kept.push_back(k);
}

bool FileChanges::begin(QString* why)
{
    if (!m_unreadable.isEmpty()) {
        if (why)
            *why = QStringLiteral("Het bestand ") + QFileInfo(m_unreadable).fileName()
                   + QStringLiteral(" kan niet worden gelezen.");
        return false;
    }
    return undoUnfinishedChanges(m_journal, why) && replaceFile(m_journal, journalBytes(m_kept), why);
}

bool FileChanges::finish(QString* why)
{
    if (removeFile(m_journal, why))
        return true;
    undo();
    return false;
}

bool FileChanges::undo(QString* why)
{
    return restore(m_journal, m_kept, why);
}

bool undoUnfinishedChanges(const QString& journalPath, QString* why)
{
    if (!QFileInfo::exists(journalPath))
        return true;
    QByteArray bytes;
    std::vector<FileChanges::Kept> kept;
    // A journal is written whole or not at all: one that cannot be read holds
    // nothing to undo, and must not block every later change.
    if (!readFileBytes(journalPath, &bytes) || !parseJournal(bytes, &kept))
        return removeFile(journalPath, why);
    return restore(journalPath, kept, why);
}

} // namespace core

#pragma once
// Changes to several record files of a tournament that stand together or not
// at all. Before the first change, what each file holds from its first
// changed byte on, now and afterwards, is kept in a journal beside them; once
// every change is made and on the disk, the journal goes. Changes that stop
// halfway are undone from the journal: at once when a write fails, or by
// undoUnfinishedChanges when the program was ended in between.
//
// A journal found beside a tournament may have come from anywhere (folders
// are copied and restored): it is checked whole before anything is undone,
// and undone only where the files still hold what the change could have left.
#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

namespace core {

class FileChanges {
public:
    explicit FileChanges(const QString& journalPath) : m_journal(journalPath) {}
    // Finishes what an older journal holds. Comes before anything is read for
    // the change, so that nothing of a failed attempt is taken along; false
    // (with the reason) when it could not, or had to be set aside.
    bool start(QString* why);
    // The file, which must exist, is to hold `bytes` at byte `at` (a gap
    // before them filled with zeros) and, with cut, nothing after them.
    void keep(const QString& path, qint64 at, const QByteArray& bytes, bool cut = false);
    // Writes the journal; refused when a kept file could not be read.
    bool begin(QString* why);
    // The changes stand: they are pushed to the disk and the journal goes.
    // When that fails, they are undone.
    bool finish(QString* why);
    // Puts back what was kept and removes the journal.
    bool undo(QString* why = nullptr);

    struct Kept {
        QString name;         // a record file in the journal's folder
        qint64 from = 0;      // the first byte the change may touch
        QByteArray head;      // SHA-256 of the bytes before `from`, the same before and after
        QByteArray before;    // the bytes from `from` on, before the change
        QByteArray after;     // and after it
    };

private:
    QString m_journal;
    QString m_unreadable;
    std::vector<Kept> m_kept;
};

// The journal's bytes, ending in a checksum over them, and back. A journal is
// read only when it is whole and names nothing but the players, poules and
// settings files of its own tournament, at sizes such files can have.
QByteArray journalBytes(const std::vector<FileChanges::Kept>& kept);
bool parseJournal(const QByteArray& bytes, const QString& journalName, std::vector<FileChanges::Kept>* kept);

// Undoes what a journal left by an unfinished run holds. True when the files
// may be used: no journal was there, it was undone, or it was set aside
// (renamed "HulpHerstel-ST<nnn>.afgezet") because the files have changed
// since, which `why` then tells. False, with the journal left in place and
// the message in `why`, when it is damaged or could not be undone.
bool undoUnfinishedChanges(const QString& journalPath, QString* why = nullptr);

// Lets tests follow, and fail, each push of a file or folder to the disk.
// Untouched in the program itself.
std::function<bool(const QString&)>& syncSeam();

} // namespace core

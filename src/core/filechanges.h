#pragma once
// Changes to several files that stand together or not at all. Before the
// first change, the parts of the files that will change are kept in a
// journal beside them; once every change is made the journal goes. Changes
// that stop halfway are undone from the journal: at once when a write fails,
// or by undoUnfinishedChanges when the program was ended in between.
#include <QByteArray>
#include <QString>
#include <vector>

namespace core {

class FileChanges {
public:
    explicit FileChanges(const QString& journalPath) : m_journal(journalPath) {}
    // Keeps the file as it is now from byte `from` on (all of it past its end
    // when shorter), or that it does not exist.
    void keep(const QString& path, qint64 from = 0);
    // Writes the journal, after undoing what an older one holds; refused
    // when a kept file could not be read.
    bool begin(QString* why);
    // The changes stand: the journal goes. When it cannot, they are undone.
    bool finish(QString* why);
    // Puts back what was kept and removes the journal.
    bool undo(QString* why = nullptr);

    struct Kept {
        QString name;   // relative to the journal's folder
        bool existed = false;
        qint64 from = 0;
        QByteArray tail;
    };

private:
    QString m_journal;
    QString m_unreadable;
    std::vector<Kept> m_kept;
};

// Undoes what a journal left by an unfinished run holds; true when no
// journal is left afterwards.
bool undoUnfinishedChanges(const QString& journalPath, QString* why = nullptr);

} // namespace core

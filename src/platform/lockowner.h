#pragma once
// The lock file that keeps a second copy of the program out of an open
// tournament, and what can be told of the owner of one found there.
#include <QString>

namespace platform {

// "<pid>\n<program>\n<computer>\n", as earlier copies of the program wrote it
// too; held with a file lock for as long as it is ours, so that it counts
// only while a running copy holds it. Whatever stands in its place is
// looked at before it is read: nothing but a plain file of a lock's size is.
class LockFile {
public:
    enum class Found {
        Held,           // made, and ours until unlock()
        InUse,          // a running copy holds it; detail: its computer when that is another
        Unreadable,     // there, but it cannot be read: it counts as held and stays; detail: why
        FolderInPlace,  // a folder with something in it has its name
        NotMade,        // it cannot be made; detail: the system's reason, when known
    };
    // Larger than any lock a copy of the program writes: not a lock, and never read.
    static constexpr qint64 MaxSize = 4096;

    explicit LockFile(const QString& path) : m_path(path) {}
    ~LockFile() { unlock(); }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    Found tryLock(QString* detail);
    // Removes it, as long as it is still the file made.
    void unlock();

private:
    enum class Step { Done, Again };
    Step make(Found* result, QString* detail);
    Step lookAtFound(Found* result, QString* detail);
    void removeOlderTakeOverLeftover() const;

    QString m_path;
    int m_fd = -1;
};

// Whether the process with that number runs on this computer as that
// program, other than this one.
bool processRuns(qint64 pid, const QString& program);

} // namespace platform

#pragma once
// What can be told of the owner of a lock file beyond QLockFile's own
// judgement, which trusts a lock it cannot read or whose computer is another.
#include <QString>

namespace platform {

enum class LockHolder { None, Running, Unknown };
// Whether a running program keeps the file locked, as QLockFile does for as
// long as it holds it (on this computer and, through the file system, on
// others); Unknown when the file or its file system cannot tell.
LockHolder lockFileHolder(const QString& path);
// Whether the process with that number runs on this computer as that
// program, other than this one.
bool processRuns(qint64 pid, const QString& program);
// Removes a lock file that no running program holds. True also when it was
// gone, or taken or replaced meanwhile (the next look tells by whom); false
// with the system's reason when it cannot be removed.
bool removeFreeLockFile(const QString& path, QString* why);

} // namespace platform

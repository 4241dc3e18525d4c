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
// Whether the process with that number runs on this computer as that program.
bool processRuns(qint64 pid, const QString& program);

} // namespace platform

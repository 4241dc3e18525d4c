#pragma once
// Player look-ups over the players file and the target formula.
#include "records.h"
#include <QString>

namespace core {

// Target caramboles: moyenne x factor rounded by the tournament's setting,
// plus the addend, kept within 0 to 32767; 0 for an unknown rounding setting.
qint16 caramboleTarget(Fixed moyenne, const ToernooiRec& t);

// Records of the players file with that poule and round.
int countPlayersInPoule(const QString& spelersPath, int poule, int ronde);

enum class LookupStatus { Found, NotInFile, FileMissing };
// The first record with that number, in any round; lastRead receives the last
// record read (the found one, or the file's last record).
LookupStatus findFirstPlayer(const QString& spelersPath, qint32 nummer, SpelerRec* found,
                             SpelerRec* lastRead = nullptr);

QString playerFullName(const QString& spelersPath, qint32 nummer, SpelerRec* lastRead = nullptr);
QString playerName(const QString& spelersPath, qint32 nummer, SpelerRec* lastRead = nullptr);
QString playerInitials(const QString& spelersPath, qint32 nummer, SpelerRec* lastRead = nullptr);

} // namespace core

#pragma once
// Adding rounds to a tournament and choosing the working round.
#include "records.h"
#include <QString>
#include <QStringList>

namespace core {

// The poules record of a freshly made round: one empty poule, no carry-over yet.
PouleRec newRoundRecord(qint16 ronde);

// Makes round laatsteRonde + 1: writes its poules record and raises
// laatsteRonde in the settings file (read afresh, so the other settings stay
// as stored). On success returns the new round and leaves the stored
// settings in *toernooi; returns 0 and writes nothing more when a file
// cannot be read or written.
qint16 createNextRound(const QString& poulesPath, const QString& toernooiPath, qint16 laatsteRonde,
                       ToernooiRec* toernooi);

// The entries of the round chooser: 1 .. laatsteRonde in signed form.
QStringList roundChoices(qint16 laatsteRonde);

// Status bar text of the working round.
QString roundStatusText(qint16 ronde);

} // namespace core

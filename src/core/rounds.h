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
// as stored), both or neither, with the journal herstelPath between them.
// A round whose poules record is already there is never written over. On
// success returns the new round and leaves the stored settings in
// *toernooi; else returns 0 with the reason in `why`, nothing changed.
qint16 createNextRound(const QString& poulesPath, const QString& toernooiPath, const QString& herstelPath,
                       qint16 laatsteRonde, ToernooiRec* toernooi, QString* why = nullptr);

// The entries of the round chooser: 1 .. laatsteRonde in signed form.
QStringList roundChoices(qint16 laatsteRonde);

// Status bar text of the working round.
QString roundStatusText(qint16 ronde);

} // namespace core

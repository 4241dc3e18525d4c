#include "rounds.h"
#include "format.h"
#include "recordfile.h"
#include "tournamentfiles.h"

namespace core {

PouleRec newRoundRecord(qint16 ronde)
{
    PouleRec p;
    p.ronde = ronde;
    p.aantalPoules = 1;
    p.automatischGekoppeld = Nee;
    p.handmatigGekoppeld = Nee;
    return p;
}

qint16 createNextRound(const QString& poulesPath, const QString& toernooiPath, qint16 laatsteRonde,
                       ToernooiRec* toernooi)
{
    auto stored = readToernooi(toernooiPath);
    if (!stored)
        return 0;
    const qint16 nieuw = qint16(laatsteRonde + 1);
    // The record number is the round: a poules file that is short of or
    // beyond one record per round must not shift the new round's record.
    if (!RecordFile<PouleRec>::write(poulesPath, nieuw, newRoundRecord(nieuw)))
        return 0;
    stored->laatsteRonde = qint16(stored->laatsteRonde + 1);
    if (!writeToernooi(toernooiPath, *stored))
        return 0;
    if (toernooi)
        *toernooi = *stored;
    return stored->laatsteRonde;
}

QStringList roundChoices(qint16 laatsteRonde)
{
    QStringList out;
    for (int r = 1; r <= laatsteRonde; ++r)
        out << signedNum(r);
    return out;
}

QString roundStatusText(qint16 ronde)
{
    return QStringLiteral("U bent in toernooironde: ") + signedNum(ronde);
}

} // namespace core

#include "rounds.h"
#include "filechanges.h"
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

qint16 createNextRound(const QString& poulesPath, const QString& toernooiPath, const QString& herstelPath,
                       qint16 laatsteRonde, ToernooiRec* toernooi, QString* why)
{
    FileChanges changes(herstelPath);
    if (!changes.start(why))
        return 0;
    auto stored = readToernooi(toernooiPath);
    if (!stored) {
        if (why)
            *why = QStringLiteral("Het toernooibestand kan niet worden gelezen.");
        return 0;
    }
    const qint16 nieuw = qint16(laatsteRonde + 1);
    // The record number is the round. A settings record that lags behind
    // the poules file must not cost a round that is already there.
    if (nieuw < 1 || RecordFile<PouleRec>::count(poulesPath) >= nieuw) {
        if (why)
            *why = QStringLiteral("Het poulebestand bevat al gegevens voor ronde ") + signedNum(nieuw)
                   + QLatin1Char('.');
        return 0;
    }
    stored->laatsteRonde = qint16(stored->laatsteRonde + 1);
    changes.keep(poulesPath, (nieuw - 1) * PouleRec::Length, newRoundRecord(nieuw).toBytes());
    changes.keep(toernooiPath, 0, stored->toBytes());
    if (!changes.begin(why))
        return 0;
    if (!RecordFile<PouleRec>::write(poulesPath, nieuw, newRoundRecord(nieuw), why)
        || !writeToernooi(toernooiPath, *stored, why)) {
        changes.undo();
        return 0;
    }
    if (!changes.finish(why))
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

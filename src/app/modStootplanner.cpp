#include "modStootplanner.h"
#include "core/recordfile.h"
#include "platform/lockowner.h"
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <memory>

namespace modStootplanner {

QString ProgrammaMap;
QString ClubTitel;
QString ToernooiMap;
QString BestandToernooi;
QString BestandSpelers;
QString BestandUitslag;
QString BestandPoules;
QString BestandPlanning;
qint16 HuidigeRonde = 1;
qint16 AantalPoules = 0;
bool ToernooiGeladen = false;
QString MeldingTitel = QStringLiteral("Let op!");
QString MeldingTekst;
qint16 MeldingAntwoord = 0;
bool HelpGroot = false;
qint16 VensterModus = 0;
qint16 TussenstandPoule = 0;
qint16 DialoogResultaat = 0;
qint16 GekozenPlanning = 0;
QDate GekozenPlanningDatum;
qint16 GekozenPlanningRonde = 0;
qint16 PrintRegel = 0;
qint16 PrintPagina = 0;
float LogoVerhouding = 1.0f;
qint32 TellerI = 0;
qint32 TellerJ = 0;
qint32 TellerK = 0;
ToernooiRec Toernooi;
SpelerRec Speler;
UitslagRec Uitslag;
PouleRec Poule;
QString Clubnaam;
qint16 Volgnummer = 0;
qint16 AantalSpelersInPoule = 0;

QString PadToernooi() { return ToernooiMap + BestandToernooi; }
QString PadSpelers() { return ToernooiMap + BestandSpelers; }
QString PadUitslag() { return ToernooiMap + BestandUitslag; }
QString PadPoules() { return ToernooiMap + BestandPoules; }
QString PadPlanning() { return ToernooiMap + BestandPlanning; }

namespace {
core::TournamentFileSet fileSet()
{
    const int nr = core::tournamentNumberFromFileName(BestandToernooi);
    return core::tournamentFileSet(ToernooiMap, QString(), nr < 0 ? 0 : nr);
}
std::unique_ptr<QLockFile> slot;

// A computer name as read from a lock file, fit to be shown.
QString printableName(QString naam)
{
    naam.removeIf([](QChar c) { return !c.isPrint(); });
    return naam.left(64);
}
} // namespace

QString PadHerstel() { return ToernooiMap + fileSet().herstel; }
QString PadSlot() { return ToernooiMap + fileSet().slot; }

TournamentLock LockTournament(QString* detail)
{
    const QString path = PadSlot();
    auto zonder = [&](const QString& why) {
        // A read-only folder or medium takes no lock, and no writes either.
        if (!QFileInfo(ToernooiMap).isWritable())
            return TournamentLock::NotPossible;
        if (detail)
            *detail = why;
        return TournamentLock::Failed;
    };
    // Something other than a plain file there is no lock, and reading it could hang.
    const QFileInfo found(path);
    if (QFile odd(path); (found.isSymLink() || (found.exists() && !found.isFile())) && !odd.remove())
        return zonder(odd.errorString());
    auto lock = std::make_unique<QLockFile>(path);
    // Held for hours: only an owner that has gone makes the lock stale.
    lock->setStaleLockTime(0);
    for (int poging = 0; poging < 3; ++poging) {
        if (lock->tryLock(0)) {
            slot = std::move(lock);
            const core::TournamentFileSet f = fileSet();
            core::removeUnfinishedReplacements(
                ToernooiMap, {BestandToernooi, f.spelers, f.uitslag, f.poules, f.planning, f.herstel});
            return TournamentLock::Held;
        }
        if (lock->error() == QLockFile::LockFailedError) {
            // Qt takes over the lock of a copy on this computer that has gone, but
            // trusts one it cannot read or that names another computer. It counts
            // while a running copy keeps it locked, while the process it names runs
            // here, or, when the file system cannot tell, if it names another computer.
            qint64 pid = 0;
            QString host, app;
            const bool named = lock->getLockInfo(&pid, &host, &app);
            const bool here = host.isEmpty() || host == QSysInfo::machineHostName();
            const platform::LockHolder holder = platform::lockFileHolder(path);
            if (holder == platform::LockHolder::Running
                || (named && (here ? platform::processRuns(pid, app) : holder == platform::LockHolder::Unknown))) {
                if (detail)
                    *detail = here ? QString() : printableName(host);
                return TournamentLock::InUse;
            }
            if (QString why; !platform::removeFreeLockFile(path, &why))
                return zonder(why);
        } else if (QString why; !core::tryWriteAside(path, QByteArray(128, '\n'), &why)) {
            return zonder(why);   // Qt keeps the system's reason to itself; a write beside it finds it
        }
    }
    return zonder(QString());
}

void UnlockTournament() { slot.reset(); }

void SetTournamentFiles(const QString& map, const QString& bestandToernooi)
{
    const int nr = core::tournamentNumberFromFileName(bestandToernooi);
    const core::TournamentFileSet f = core::tournamentFileSet(map, QString(), nr < 0 ? 0 : nr);
    ToernooiMap = f.map;
    BestandToernooi = bestandToernooi;
    BestandSpelers = f.spelers;
    BestandUitslag = f.uitslag;
    BestandPoules = f.poules;
    BestandPlanning = f.planning;
}

void ResetContext()
{
    UnlockTournament();
    ToernooiMap.clear();
    BestandToernooi.clear();
    BestandSpelers.clear();
    BestandUitslag.clear();
    BestandPoules.clear();
    BestandPlanning.clear();
    HuidigeRonde = 1;
    AantalPoules = 0;
    ToernooiGeladen = false;
    MeldingTitel = QStringLiteral("Let op!");
    MeldingTekst.clear();
    MeldingAntwoord = 0;
    HelpGroot = false;
    Toernooi = ToernooiRec();
    Speler = SpelerRec();
    Uitslag = UitslagRec();
    Poule = PouleRec();
    PrintRegel = 0;
    PrintPagina = 0;
}

bool FileExists(const QString& path)
{
    QFileInfo fi(path);
    return fi.exists() && fi.isFile();
}

void CountPlayersInPoule(qint16 poule)
{
    AantalSpelersInPoule = qint16(core::countPlayersInPoule(PadSpelers(), poule, HuidigeRonde));
}

qint16 CaramboleTarget(Fixed moyenne)
{
    return core::caramboleTarget(moyenne, Toernooi);
}

QString PlayerFullName(qint32 nummer)
{
    return core::playerFullName(PadSpelers(), nummer, &Speler);
}

QString PlayerName(qint32 nummer)
{
    return core::playerName(PadSpelers(), nummer, &Speler);
}

QString PlayerInitials(qint32 nummer)
{
    return core::playerInitials(PadSpelers(), nummer, &Speler);
}

bool ReadPoule(qint16 ronde)
{
    auto p = core::RecordFile<PouleRec>::read(PadPoules(), ronde);
    if (!p)
        return false;
    Poule = *p;
    return true;
}

bool WritePoule(qint16 ronde)
{
    return core::RecordFile<PouleRec>::write(PadPoules(), ronde, Poule);
}

bool ReadToernooi()
{
    auto t = core::readToernooi(PadToernooi());
    if (!t)
        return false;
    Toernooi = *t;
    return true;
}

bool WriteToernooi()
{
    return core::writeToernooi(PadToernooi(), Toernooi);
}

} // namespace modStootplanner

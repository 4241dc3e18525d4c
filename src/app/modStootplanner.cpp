#include "modStootplanner.h"
#include "core/recordfile.h"
#include <QFileInfo>
#include <QLockFile>
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
} // namespace

QString PadHerstel() { return ToernooiMap + fileSet().herstel; }
QString PadSlot() { return ToernooiMap + fileSet().slot; }

TournamentLock LockTournament()
{
    auto lock = std::make_unique<QLockFile>(PadSlot());
    // Held for hours: only an owner that has gone makes the lock stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        slot = std::move(lock);
        return TournamentLock::Held;
    }
    // A read-only folder or medium takes no lock, and no writes either.
    return lock->error() == QLockFile::LockFailedError ? TournamentLock::InUse : TournamentLock::NotPossible;
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

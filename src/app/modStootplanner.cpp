#include "modStootplanner.h"
#include "core/recordfile.h"
#include "platform/lockowner.h"
#include <QFileInfo>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

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
std::unique_ptr<platform::LockFile> slot;

bool writable(const QString& path)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

// Whether this user can change anything of the tournament here: its folder
// or any of its files.
bool anythingWritable()
{
    const core::TournamentFileSet f = fileSet();
    for (const QString& name : {QString(), BestandToernooi, f.spelers, f.uitslag, f.poules, f.planning, f.herstel})
        if (writable(ToernooiMap + name))
            return true;
    return false;
}
} // namespace

QString PadHerstel() { return ToernooiMap + fileSet().herstel; }
QString PadSlot() { return ToernooiMap + fileSet().slot; }

TournamentLock LockTournament(QString* detail)
{
    auto lock = std::make_unique<platform::LockFile>(PadSlot());
    QString why;
    const auto told = [&](TournamentLock result) {
        if (detail)
            *detail = why;
        return result;
    };
    switch (lock->tryLock(&why)) {
    case platform::LockFile::Found::Held: {
        slot = std::move(lock);
        const core::TournamentFileSet f = fileSet();
        core::removeUnfinishedReplacements(
            ToernooiMap, {BestandToernooi, f.spelers, f.uitslag, f.poules, f.planning, f.herstel});
        return TournamentLock::Held;
    }
    case platform::LockFile::Found::InUse:
        return told(TournamentLock::InUse);
    case platform::LockFile::Found::Unreadable:
        return told(TournamentLock::Unreadable);
    case platform::LockFile::Found::FolderInPlace:
        return TournamentLock::FolderInPlace;
    case platform::LockFile::Found::NotMade:
        break;
    }
    // Without a lock a second copy could write the same files at the same
    // time: only a tournament that nothing here can change opens without one.
    if (!anythingWritable())
        return TournamentLock::NotPossible;
    return told(writable(ToernooiMap) ? TournamentLock::Failed : TournamentLock::FolderNotWritable);
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

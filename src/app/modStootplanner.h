#pragma once
// Module-level state and shared routines of the program, under the names the
// windows use. The rules themselves live in core/; this only holds the context.
#include "core/format.h"
#include "core/players.h"
#include "core/records.h"
#include "core/tournamentfiles.h"
#include <QDate>
#include <QString>

namespace modStootplanner {

using core::Fixed;
using core::PouleRec;
using core::SpelerRec;
using core::ToernooiRec;
using core::UitslagRec;

// Program context.
extern QString ProgrammaMap;   // with trailing separator
extern QString ClubTitel;

// Current-tournament context.
extern QString ToernooiMap;    // with trailing separator
extern QString BestandToernooi;
extern QString BestandSpelers;
extern QString BestandUitslag;
extern QString BestandPoules;
extern QString BestandPlanning;
extern qint16 HuidigeRonde;
extern qint16 AantalPoules;
extern bool ToernooiGeladen;

// Message and help state.
extern QString MeldingTitel;
extern QString MeldingTekst;
extern qint16 MeldingAntwoord;
extern bool HelpGroot;

// Hand-over values between windows.
extern qint16 VensterModus;
extern qint16 TussenstandPoule;
extern qint16 DialoogResultaat;
extern qint16 GekozenPlanning;
extern QDate GekozenPlanningDatum;
extern qint16 GekozenPlanningRonde;

// Print state.
extern qint16 PrintRegel;
extern qint16 PrintPagina;
extern float LogoVerhouding;

extern qint32 TellerI;
extern qint32 TellerJ;
extern qint32 TellerK;

// Record buffers.
extern ToernooiRec Toernooi;
extern SpelerRec Speler;
extern UitslagRec Uitslag;
extern PouleRec Poule;
extern QString Clubnaam;
extern qint16 Volgnummer;

// Count left by CountPlayersInPoule.
extern qint16 AantalSpelersInPoule;

// Paths of the loaded tournament's files.
QString PadToernooi();
QString PadSpelers();
QString PadUitslag();
QString PadPoules();
QString PadPlanning();
// The journal that keeps changes to several files together, and the lock
// held while the tournament is open.
QString PadHerstel();
QString PadSlot();

// Sets the file names and folder of a tournament (number from its settings file name).
void SetTournamentFiles(const QString& map, const QString& bestandToernooi);
// Clears the current-tournament context (tests start from a clean state)
// and gives up the tournament's lock.
void ResetContext();

// Takes the lock beside the settings file, for as long as the tournament is
// open, so that two copies of the program never write the same files, and
// then removes what a copy that was ended halfway left of its files. A lock
// counts only while a running copy holds it: one that names nothing or a
// process that has gone, an empty one, one far too large to be a lock and an
// empty folder in its place are taken over. InUse gives in `detail` the
// other computer's name (empty for this one). Unreadable: a lock this user
// cannot read counts as held and stays; `detail` the system's reason.
// FolderInPlace: a folder with something in it has the lock's name. When no
// lock can be made: NotPossible, nothing of the tournament can be written
// here, so it opens without one; else Failed, or FolderNotWritable when the
// folder cannot be written but a file can, with the system's reason in
// `detail`.
enum class TournamentLock { Held, InUse, Unreadable, FolderInPlace, NotPossible, Failed, FolderNotWritable };
TournamentLock LockTournament(QString* detail = nullptr);
void UnlockTournament();

bool FileExists(const QString& path);
inline QString PadNumber5(qint32 n) { return core::PadNumber5(n); }
inline int DigitCount(double v) { return core::DigitCount(v); }
inline int DigitCount(Fixed v) { return core::DigitCount(v); }

// Decimals shown for moyennes and percentages by the loaded tournament.
inline int Decimalen() { return core::displayDecimals(Toernooi.aantalDecimalen); }
// A fixed-point value truncated to the tournament's decimals: "0.00" or "0.000".
inline QString FormatDecimalen(Fixed v) { return core::truncatedText(v, Decimalen()); }

void CountPlayersInPoule(qint16 poule);
qint16 CaramboleTarget(Fixed moyenne);
QString PlayerFullName(qint32 nummer);
QString PlayerName(qint32 nummer);
QString PlayerInitials(qint32 nummer);

// Reads the poules record of a round into Poule; false when it is not there.
bool ReadPoule(qint16 ronde);
bool WritePoule(qint16 ronde);
// Reads and writes the settings record of the loaded tournament through Toernooi.
bool ReadToernooi();
bool WriteToernooi();

} // namespace modStootplanner

#pragma once
// The file set of a tournament and the small files of the program folder.
#include "records.h"
#include <QString>
#include <optional>

namespace core {

inline const QString IniFileName = QStringLiteral("Stootplanner.ini");
inline const QString ClubnaamFileName = QStringLiteral("Clubnaam_Stootplanner.dat");
inline const QString VolgnummerFileName = QStringLiteral("IndexST.dat");
inline const QString LogoFileName = QStringLiteral("Stootplanner_logo.bmp");
inline const QString DefaultClubnaam = QStringLiteral("Nog geen clubnaam ingevoerd");

// Three-digit tournament number text: 1 gives "001".
QString tournamentNumberText(int nummer);

struct TournamentFileSet {
    QString map;        // folder with a trailing separator
    QString toernooi;   // "<naam>_ST<nnn>.stt"
    QString spelers;    // "DataSpelers_ST<nnn>.sts"
    QString uitslag;    // "DataUitslag_ST<nnn>.stu"
    QString poules;     // "DataPoules_ST<nnn>.stp"
    QString planning;   // "Planning_ST<nnn>.sta"
    QString herstel;    // "HulpHerstel_ST<nnn>.dat": undoes changes a stopped run left halfway
    QString slot;       // "Geopend-ST<nnn>.lock": held while a copy of the program has it open
};

TournamentFileSet tournamentFileSet(const QString& map, const QString& naam, int nummer);
// The tournament number from a settings file name "<naam>_ST<nnn>.stt"; -1 when it has none.
int tournamentNumberFromFileName(const QString& settingsFileName);
// A folder path with exactly one trailing separator.
QString withTrailingSeparator(const QString& folder);

// "Stootplanner.ini": two CR LF lines, the folder (with trailing separator)
// and the settings file name.
struct LastTournament {
    QString map;
    QString bestand;
};
std::optional<LastTournament> readIni(const QString& iniPath);
bool writeIni(const QString& iniPath, const LastTournament& last, QString* why = nullptr);

// Club-name file: one 40-byte record; created with the default name when
// missing (`why` gets the reason when that fails).
QString readOrCreateClubnaam(const QString& path, QString* why = nullptr);
bool writeClubnaam(const QString& path, const QString& naam, QString* why = nullptr);

// Settings file: record 1.
std::optional<ToernooiRec> readToernooi(const QString& path);
bool writeToernooi(const QString& path, const ToernooiRec& t, QString* why = nullptr);

} // namespace core

#pragma once
// Shared routines of the application shell that act on the main window.

#include <QString>
#include <functional>

class QWidget;
class QLineEdit;
class mdiHoofd;

namespace modStootplanner {

// Files for CheckTournamentFiles; combine with |. They are always checked in
// the order settings, players, results, poules, planning.
enum TournamentFile {
    FileToernooi = 0x01,  // BestandToernooi (settings)
    FileSpelers = 0x02,   // BestandSpelers (players)
    FileUitslag = 0x04,   // BestandUitslag (results)
    FilePoules = 0x08,    // BestandPoules (poules)
    FilePlanning = 0x10,  // BestandPlanning (plannings)
};

enum class CheckForm {
    Closing,        // missing settings/poules file: "Het geladen toernooi wordt gesloten !",
                    // the caller and the main window are unloaded, the program ends
    PouleChooser,   // ... "Sluit het geladen toernooi af !" and nothing is closed
    PlanningKey,    // as Closing, but the planning message carries the line
                    // "U heeft nog geen planningen gemaakt," (main toolbar key "But14")
};

// Checks that the given files of the loaded tournament exist, showing one
// critical box titled MeldingTitel for the first missing one. Returns true
// when all exist. `caller` is the window that is unloaded in the closing form
// (may be null).
//     if (!CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this)) return;
bool CheckTournamentFiles(int files, QWidget* caller = nullptr, CheckForm form = CheckForm::Closing);

// The text of the box CheckTournamentFiles shows for one missing file.
QString MissingFileMessage(TournamentFile file, CheckForm form);

// With bezig true disables the top menus and main toolbar keys of the other
// menu groups, with false enables them again; groups outside 1..7 do nothing.
// Needs the main window; without one it does nothing.
void SetMenusBusy(int groep, bool bezig);

// Refreshes the main window after a tournament was created, opened or
// restored: status bar (name, round in panel 4), menus and keys.
void ShowTournamentLoaded();

// Status bar panel 4: "U bent in toernooironde: " + HuidigeRonde in signed form.
void ShowCurrentRound();

// Selects the whole text of a field.
void SelectAllText(QLineEdit* field);

// Shows frmHelp modally with MeldingTekst (large when HelpGroot).
void ShowHelp();

// Opens the tournament whose settings file is `settingsPath`, sets the
// current-tournament context and calls ShowTournamentLoaded. On failure it
// says why in a message box (a file without the tournament signature in a
// box titled "Fout !") unless meldFouten is false, and returns false.
bool OpenTournament(const QString& settingsPath, bool meldFouten = true);

// The program start: program folder and its shipped files, message title,
// round 1, club name (file created when missing), the main window with the
// items that registerMenus gives it, and then the start dialog (modal).
// Returns the main window, shown; main() then runs the event loop.
mdiHoofd* StartUp(const std::function<void(mdiHoofd&)>& registerMenus);

// The closing form's ending: unloads `caller` (may be null), then the main
// window, whose shut-down runs as usual; the program ends.
void CloseTournamentAndEnd(QWidget* caller);

}  // namespace modStootplanner

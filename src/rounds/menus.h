#pragma once
// The items of the main window's Rondebeheer menu (group 4).

class QWidget;
class mdiHoofd;

void registerRoundsMenus(mdiHoofd& hoofd);

namespace rounds {

// After the file checks: refuses with a message and returns nullptr, or
// returns the new carry-over window.
QWidget* OpenDoorkoppelen();
QWidget* OpenAutoKoppel();

} // namespace rounds

#pragma once
// The items of the main window's Planning menu (group 7).

class QWidget;
class mdiHoofd;

void registerPlanningMenus(mdiHoofd& hoofd);

namespace planning {

// After the planning-file check, with group 7 already busy: shows the
// planning chooser modally and returns the grid of the chosen planning, or
// nullptr when the chooser was cancelled.
QWidget* OpenBestaandePlanning();

} // namespace planning

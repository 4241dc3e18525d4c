#pragma once
// The composition root: the one place that knows every part of the program.
// The main window only offers its menu-group protocol (app/mdiHoofd.h); the
// parts plug into it here, in the order the program shows them.
//
//     mdiHoofd* hoofd = modStootplanner::StartUp(composition::RegisterMenus);

class mdiHoofd;

namespace composition {

// Registers the menu items and main toolbar keys of every part of the program.
void RegisterMenus(mdiHoofd& hoofd);

}  // namespace composition

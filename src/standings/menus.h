#pragma once
// The standings items of the main window's Overzichten menu.

class mdiHoofd;

void registerStandingsMenus(mdiHoofd& hoofd);

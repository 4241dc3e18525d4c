#pragma once
// The cross table and player overview items of the main window's Overzichten menu.

class mdiHoofd;

void registerOverviewsMenus(mdiHoofd& hoofd);

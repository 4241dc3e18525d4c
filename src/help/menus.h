#pragma once
// The main window's Help item and the clock item of the Diversen menu.

class mdiHoofd;

void registerHelpMenus(mdiHoofd& hoofd);
